#ifndef DUCTBOOK_SCALESETTINGS_H
#define DUCTBOOK_SCALESETTINGS_H

#include "ductbook_global.h"

#include <QObject>
#include <QString>

// The drawing scale of a floor plan or of the network view: one of the
// predefined scales, or a custom one.
class DUCTBOOK_EXPORT ScaleSettings : public QObject
{
    Q_OBJECT

public:
    ScaleSettings();
    ScaleSettings(const QString& predefinedScaleStyle, const QString& predefinedScale,
                  int widthUnits, int heightUnits, double customWidth, double customHeight,
                  int style);
    ScaleSettings(const ScaleSettings& other);
    ScaleSettings& operator=(const ScaleSettings& other);
    ~ScaleSettings() override;

    bool operator==(const ScaleSettings& other) const;
    bool operator!=(const ScaleSettings& other) const { return !(*this == other); }

    // "English" or "Metric": the family of the predefined scale.
    QString& predefinedScaleStyle() { return m_predefinedScaleStyle; }
    const QString& predefinedScaleStyle() const { return m_predefinedScaleStyle; }
    void setPredefinedScaleStyle(const QString& predefinedScaleStyle)
    {
        m_predefinedScaleStyle = predefinedScaleStyle;
    }

    QString& predefinedScale() { return m_predefinedScale; }
    const QString& predefinedScale() const { return m_predefinedScale; }
    void setPredefinedScale(const QString& predefinedScale) { m_predefinedScale = predefinedScale; }

    int widthUnits() const { return m_widthUnits; }
    void setWidthUnits(int widthUnits) { m_widthUnits = widthUnits; }

    // 1 and 2 are metric units.
    int heightUnits() const { return m_heightUnits; }
    void setHeightUnits(int heightUnits) { m_heightUnits = heightUnits; }

    double customWidth() const { return m_customWidth; }
    void setCustomWidth(double customWidth) { m_customWidth = customWidth; }

    double customHeight() const { return m_customHeight; }
    void setCustomHeight(double customHeight) { m_customHeight = customHeight; }

    // 0 and 1 use the predefined scale, 2 the custom one.
    int style() const { return m_style; }
    void setStyle(int style) { m_style = style; }

    // Real units per drawing unit of the scale in use.
    int scale() const;
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
