// The geometry of a line chart, shared by the report's SVG plots and the
// planner's plot widget: the frame inside the picture, the value range
// rounded out to whole ticks, and where each tick and point lands.
#ifndef PLOTAXES_P_H
#define PLOTAXES_P_H

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>

namespace Plan {

// One line of a chart: values[0..count-1] drawn against their index.
struct PlotSeries
{
    const qint32* values = nullptr;
    int count = 0;
    QString color;
    QString name;
};

class PlotAxes
{
public:
    // Margins around the frame, in pixels: room for the title above, the
    // value labels on the left and the index labels and axis title below.
    static constexpr double Left = 46;
    static constexpr double Top = 20;
    static constexpr double Right = 8;
    static constexpr double Bottom = 30;

    PlotAxes(const QList<PlotSeries>& series, const QSize& size);

    QSize size() const { return m_size; }
    QRectF frame() const { return m_frame; }
    // The value range, widened to whole steps (never empty).
    double yMin() const { return m_yMin; }
    double yMax() const { return m_yMax; }
    double yStep() const { return m_yStep; }
    // The index range runs from 0 to lastIndex (at least 1).
    double lastIndex() const { return m_lastIndex; }
    double xStep() const { return m_xStep; }

    QList<double> yTicks() const;
    // From 0 up to the last index, never past it.
    QList<double> xTicks() const;
    double xPixel(double index) const;
    double yPixel(double value) const;
    QPointF pixel(double index, double value) const { return {xPixel(index), yPixel(value)}; }

    // A step of 1, 2 or 5 times a power of ten that cuts range into about
    // parts pieces.
    static double tickStep(double range, int parts);

private:
    QSize m_size;
    QRectF m_frame;
    double m_yMin = 0;
    double m_yMax = 1;
    double m_yStep = 1;
    double m_lastIndex = 1;
    double m_xStep = 1;
};

} // namespace Plan

#endif // PLOTAXES_P_H
