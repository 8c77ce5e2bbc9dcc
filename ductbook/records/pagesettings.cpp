#include "pagesettings.h"

#include "papersizes_p.h"

PageSettings::PageSettings()
    : QObject(nullptr), m_pageSize(QLatin1String(DuctbookConstants::DefaultPaperSize)),
      m_pageStandard(QLatin1String(DuctbookConstants::StandardPages))
{
}

PageSettings::PageSettings(const QString& pageSize, const QString& pageStandard, int orientation,
                           int pageSizeStyle, int pageUnits, double customWidth,
                           double customHeight)
    : QObject(nullptr), m_pageSize(pageSize), m_pageStandard(pageStandard),
      m_orientation(orientation), m_pageSizeStyle(pageSizeStyle), m_pageUnits(pageUnits),
      m_customHeight(customHeight), m_customWidth(customWidth)
{
}

PageSettings::PageSettings(const PageSettings& other)
    : QObject(other.parent()), m_pageSize(other.m_pageSize), m_pageStandard(other.m_pageStandard),
      m_orientation(other.m_orientation), m_pageSizeStyle(other.m_pageSizeStyle),
      m_pageUnits(other.m_pageUnits), m_customHeight(other.m_customHeight),
      m_customWidth(other.m_customWidth)
{
}

PageSettings& PageSettings::operator=(const PageSettings& other)
{
    if (this == &other)
        return *this;
    m_pageSize = other.m_pageSize;
    m_pageStandard = other.m_pageStandard;
    m_orientation = other.m_orientation;
    m_pageSizeStyle = other.m_pageSizeStyle;
    m_pageUnits = other.m_pageUnits;
    m_customHeight = other.m_customHeight;
    m_customWidth = other.m_customWidth;
    return *this;
}

PageSettings::~PageSettings() = default;

namespace {
constexpr int PredefinedPage = 1;
constexpr int CustomPage = 2;
} // namespace

double PageSettings::getPageWidthDimension() const
{
    switch (m_pageSizeStyle) {
    case PredefinedPage:
        return DuctbookConstants::paperWidth(m_pageSize, m_orientation);
    case CustomPage:
        return m_customWidth;
    default:
        return -1.0;
    }
}

double PageSettings::getPageHeightDimension() const
{
    switch (m_pageSizeStyle) {
    case PredefinedPage:
        return DuctbookConstants::paperHeight(m_pageSize, m_orientation);
    case CustomPage:
        return m_customHeight;
    default:
        return -1.0;
    }
}
