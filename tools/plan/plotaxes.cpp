#include "plotaxes_p.h"

#include <cmath>

namespace Plan {

double PlotAxes::tickStep(double range, int parts)
{
    const double raw = range / parts;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double n = raw / magnitude;
    const double factor = n <= 1.0 ? 1.0 : n <= 2.0 ? 2.0 : n <= 5.0 ? 5.0 : 10.0;
    return factor * magnitude;
}

PlotAxes::PlotAxes(const QList<PlotSeries>& series, const QSize& size)
    : m_size(size), m_frame(Left, Top, size.width() - Left - Right, size.height() - Top - Bottom)
{
    int count = 0;
    qint64 low = 0;
    qint64 high = 0;
    bool any = false;
    for (const PlotSeries& s : series) {
        count = qMax(count, s.count);
        for (int i = 0; i < s.count; ++i) {
            low = any ? qMin(low, qint64(s.values[i])) : s.values[i];
            high = any ? qMax(high, qint64(s.values[i])) : s.values[i];
            any = true;
        }
    }
    if (high == low) {
        --low;
        ++high;
    }
    m_yStep = tickStep(double(high - low), 4);
    m_yMin = std::floor(low / m_yStep) * m_yStep;
    m_yMax = std::ceil(high / m_yStep) * m_yStep;
    m_lastIndex = qMax(1, count - 1);
    m_xStep = tickStep(m_lastIndex, 4);
}

QList<double> PlotAxes::yTicks() const
{
    QList<double> ticks;
    for (double v = m_yMin; v <= m_yMax + m_yStep / 2; v += m_yStep)
        ticks.append(v);
    return ticks;
}

QList<double> PlotAxes::xTicks() const
{
    QList<double> ticks;
    // The index range is not widened to a whole step, so a tick past the
    // last index would land outside the frame.
    for (double i = 0; i <= m_lastIndex + 1e-9; i += m_xStep)
        ticks.append(i);
    return ticks;
}

double PlotAxes::xPixel(double index) const
{
    return m_frame.left() + index / m_lastIndex * m_frame.width();
}

double PlotAxes::yPixel(double value) const
{
    return m_frame.bottom() - (value - m_yMin) / (m_yMax - m_yMin) * m_frame.height();
}

} // namespace Plan
