#include "scalesettings.h"

#include "constants_p.h"
#include "papersizes_p.h"

#include <QtNumeric>

#include <limits>

namespace {
constexpr int PredefinedStyle = 1;
constexpr int CustomStyle = 2;
} // namespace

ScaleSettings::ScaleSettings()
    : QObject(nullptr), m_predefinedScaleStyle(QLatin1String(DuctbookConstants::UnitsEnglish)),
      m_predefinedScale(QLatin1String(DuctbookConstants::DefaultDrawingScale))
{
}

ScaleSettings::ScaleSettings(const QString& predefinedScaleStyle, const QString& predefinedScale,
                             int widthUnits, int heightUnits, double customWidth,
                             double customHeight, int style)
    : QObject(nullptr), m_predefinedScaleStyle(predefinedScaleStyle),
      m_predefinedScale(predefinedScale), m_widthUnits(widthUnits), m_heightUnits(heightUnits),
      m_customWidth(customWidth), m_customHeight(customHeight), m_style(style)
{
}

ScaleSettings::ScaleSettings(const ScaleSettings& other)
    : QObject(other.parent()), m_predefinedScaleStyle(other.m_predefinedScaleStyle),
      m_predefinedScale(other.m_predefinedScale), m_widthUnits(other.m_widthUnits),
      m_heightUnits(other.m_heightUnits), m_customWidth(other.m_customWidth),
      m_customHeight(other.m_customHeight), m_style(other.m_style)
{
}

ScaleSettings& ScaleSettings::operator=(const ScaleSettings& other)
{
    if (this == &other)
        return *this;
    m_predefinedScaleStyle = other.m_predefinedScaleStyle;
    m_predefinedScale = other.m_predefinedScale;
    m_widthUnits = other.m_widthUnits;
    m_heightUnits = other.m_heightUnits;
    m_customWidth = other.m_customWidth;
    m_customHeight = other.m_customHeight;
    m_style = other.m_style;
    return *this;
}

ScaleSettings::~ScaleSettings() = default;

bool ScaleSettings::operator==(const ScaleSettings& other) const
{
    return m_predefinedScaleStyle == other.m_predefinedScaleStyle &&
           m_predefinedScale == other.m_predefinedScale && m_widthUnits == other.m_widthUnits &&
           m_heightUnits == other.m_heightUnits && m_customWidth == other.m_customWidth &&
           m_customHeight == other.m_customHeight && m_style == other.m_style;
}

int ScaleSettings::scale() const
{
    if (m_style == CustomStyle) {
        // The custom height comes from the file as any double. Converting a
        // value outside int's range (or NaN) to int is undefined, so those
        // saturate, and NaN counts like an unknown scale.
        if (qIsNaN(m_customHeight))
            return DuctbookConstants::FallbackScaleFactor;
        if (m_customHeight >= double(std::numeric_limits<int>::max()))
            return std::numeric_limits<int>::max();
        if (m_customHeight <= double(std::numeric_limits<int>::min()))
            return std::numeric_limits<int>::min();
        return static_cast<int>(m_customHeight);
    }
    const int row = DuctbookConstants::drawingScaleIndex(m_predefinedScale);
    if (row < 0)
        return DuctbookConstants::FallbackScaleFactor;
    return DuctbookConstants::DrawingScales[row].factor;
}

bool ScaleSettings::isMetric() const
{
    switch (m_style) {
    case PredefinedStyle:
        return m_predefinedScaleStyle != QLatin1String(DuctbookConstants::UnitsEnglish);
    case CustomStyle:
        return m_heightUnits == 1 || m_heightUnits == 2;
    default:
        return false;
    }
}
