#ifndef DUCTBOOK_SCALESETTINGS_H
#define DUCTBOOK_SCALESETTINGS_H

/// @file
/// The ScaleSettings record and the drawing scales.

#include "ductbook_global.h"

#include <QObject>
#include <QString>

/// The drawing scale of a floor plan or of the network view: one of the
/// predefined scales, or a custom one.
///
/// Jobs and templates keep two entries, "NetView_Settings" and
/// "FloorPlan_Settings" (QVXMLEditor::getScaleSettings(),
/// QVXMLEditor::setScaleSettings()). The job's cable length estimate asks
/// isMetric() of the "FloorPlan_Settings" entry.
///
/// The predefined scales are these exact names, with their factor (real units
/// per drawing unit):
///
/// | scale | family | factor |
/// |---|---|---|
/// | `1" = 5'0"` | English | 5 |
/// | `1" = 10'0"` | English | 10 |
/// | `1" = 20'0"` | English | 20 |
/// | `1" = 30'0"` | English | 30 |
/// | `1" = 40'0"` | English | 40 |
/// | `1" = 50'0"` | English | 50 |
/// | `1 : 2` | Metric | 2 |
/// | `1 : 5` | Metric | 5 |
/// | `1 : 10` | Metric | 10 |
class DUCTBOOK_EXPORT ScaleSettings : public QObject
{
    Q_OBJECT

public:
    /// The predefined English scale `1" = 20'0"` (style 0), units 0 and 0, a
    /// custom scale of 1 by 1, no QObject parent.
    ScaleSettings();
    /// Settings with the given fields (no QObject parent).
    ScaleSettings(const QString& predefinedScaleStyle, const QString& predefinedScale,
                  int widthUnits, int heightUnits, double customWidth, double customHeight,
                  int style);
    /// A copy of every field of @p other; the copy has the same QObject parent
    /// as @p other.
    ScaleSettings(const ScaleSettings& other);
    /// Copies every field of @p other; this record keeps its own QObject
    /// parent. Assigning a record to itself changes nothing.
    ScaleSettings& operator=(const ScaleSettings& other);
    /// Destroys the record.
    ~ScaleSettings() override;

    /// True when all seven fields are equal: the texts exactly, the doubles by
    /// exact comparison.
    bool operator==(const ScaleSettings& other) const;
    /// True when any of the seven fields differs.
    bool operator!=(const ScaleSettings& other) const { return !(*this == other); }

    /// @name predefinedScaleStyle
    ///@{

    /// The family of the predefined scale, "English" (the default) or
    /// "Metric".
    QString& predefinedScaleStyle() { return m_predefinedScaleStyle; }
    const QString& predefinedScaleStyle() const { return m_predefinedScaleStyle; }
    void setPredefinedScaleStyle(const QString& predefinedScaleStyle)
    {
        m_predefinedScaleStyle = predefinedScaleStyle;
    }
    ///@}

    /// @name predefinedScale
    ///@{

    /// The predefined scale, one of the names of the class description;
    /// `1" = 20'0"` by default.
    QString& predefinedScale() { return m_predefinedScale; }
    const QString& predefinedScale() const { return m_predefinedScale; }
    void setPredefinedScale(const QString& predefinedScale) { m_predefinedScale = predefinedScale; }
    ///@}

    /// @name widthUnits
    ///@{

    /// The unit of the drawing side of a custom scale; the values are the
    /// host's, 0 by default.
    int widthUnits() const { return m_widthUnits; }
    void setWidthUnits(int widthUnits) { m_widthUnits = widthUnits; }
    ///@}

    /// @name heightUnits
    ///@{

    /// The unit of the real side of a custom scale; 1 and 2 are metric units,
    /// 0 by default.
    int heightUnits() const { return m_heightUnits; }
    void setHeightUnits(int heightUnits) { m_heightUnits = heightUnits; }
    ///@}

    /// @name customWidth
    ///@{

    /// The drawing side of a custom scale; 1.0 by default.
    double customWidth() const { return m_customWidth; }
    void setCustomWidth(double customWidth) { m_customWidth = customWidth; }
    ///@}

    /// @name customHeight
    ///@{

    /// The real side of a custom scale, which is its factor; 1.0 by default.
    double customHeight() const { return m_customHeight; }
    void setCustomHeight(double customHeight) { m_customHeight = customHeight; }
    ///@}

    /// @name style
    ///@{

    /// Which scale applies: 0 (the default) and 1 the predefined scale, 2 the
    /// custom one.
    int style() const { return m_style; }
    void setStyle(int style) { m_style = style; }
    ///@}

    /// The factor of the scale in use: real units per drawing unit.
    ///
    /// @return With style() 2, customHeight() truncated toward zero (a value
    ///         beyond the range of int gives the largest or smallest int, one
    ///         that is not a number gives 10). With any other style, the
    ///         factor of predefinedScale() from the table of the class
    ///         description, or 10 for a name that is not in it (the empty name
    ///         included).
    int scale() const;
    /// Whether the scale in use is metric.
    ///
    /// @return With style() 1, true unless predefinedScaleStyle() is
    ///         "English"; with style() 2, true when heightUnits() is 1 or 2;
    ///         with any other style, false (so style 0 is never metric, even
    ///         with a metric predefined scale).
    bool isMetric() const;

private:
    QString m_predefinedScaleStyle;
    QString m_predefinedScale;
    int m_widthUnits = 0;
    int m_heightUnits = 0;
    double m_customWidth = 1.0;
    double m_customHeight = 1.0;
    int m_style = 0;
};

#endif // DUCTBOOK_SCALESETTINGS_H
