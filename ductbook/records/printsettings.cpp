#include "printsettings.h"

#include "papersizes_p.h"

PrintSettings::PrintSettings()
    : QObject(nullptr), m_paperSize(QLatin1String(DuctbookConstants::DefaultPaperSize))
{
}

PrintSettings::PrintSettings(const QString& paperSize, int orientation, int printZoom,
                             int fitToAcross, int fitToDown, int printZoomStyle)
    : QObject(nullptr), m_paperSize(paperSize), m_orientation(orientation), m_printZoom(printZoom),
      m_fitToAcross(fitToAcross), m_fitToDown(fitToDown), m_printZoomStyle(printZoomStyle)
{
}

PrintSettings::PrintSettings(const PrintSettings& other)
    : QObject(other.parent()), m_paperSize(other.m_paperSize), m_orientation(other.m_orientation),
      m_printZoom(other.m_printZoom), m_fitToAcross(other.m_fitToAcross),
      m_fitToDown(other.m_fitToDown), m_printZoomStyle(other.m_printZoomStyle)
{
}

PrintSettings& PrintSettings::operator=(const PrintSettings& other)
{
    if (this == &other)
        return *this;
    m_paperSize = other.m_paperSize;
    m_orientation = other.m_orientation;
    m_printZoom = other.m_printZoom;
    m_fitToAcross = other.m_fitToAcross;
    m_fitToDown = other.m_fitToDown;
    m_printZoomStyle = other.m_printZoomStyle;
    return *this;
}

PrintSettings::~PrintSettings() = default;

double PrintSettings::getPageWidthDimension() const
{
    return DuctbookConstants::paperWidth(m_paperSize, m_orientation);
}

double PrintSettings::getPageHeightDimension() const
{
    return DuctbookConstants::paperHeight(m_paperSize, m_orientation);
}
