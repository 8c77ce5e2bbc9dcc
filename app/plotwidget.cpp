#include "plotwidget.h"

#include "planstyle.h"

#include <plotaxes_p.h>
#include <svgwriter_p.h>

#include <QPainter>
#include <QPainterPath>

#include <cstring>

namespace {

const QColor Series1(0x1f, 0x77, 0xb4);
const QColor Series2(0xd6, 0x27, 0x28);

} // namespace

PlotWidget::PlotWidget(const QString& title, QWidget* parent) : QWidget(parent), m_title(title)
{
    std::memset(m_series1, 0, sizeof(m_series1));
    std::memset(m_series2, 0, sizeof(m_series2));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void PlotWidget::setPlot(const LUMEN_PLOT_DATA& plot)
{
    if (plot.pointCount == 257) {
        std::memcpy(m_series1, plot.series1, sizeof(m_series1));
        std::memcpy(m_series2, plot.series2, sizeof(m_series2));
        m_count = 257;
    } else {
        m_count = 0;
    }
    update();
}

void PlotWidget::clear()
{
    m_count = 0;
    update();
}

QSize PlotWidget::sizeHint() const
{
    return QSize(380, 190);
}

QSize PlotWidget::minimumSizeHint() const
{
    return QSize(240, 190);
}

void PlotWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().base());
    const QFont small = scaledFont(font(), 0.8);

    const QList<Plan::PlotSeries> series{{m_series1, m_count, Series1.name(), tr("series 1")},
                                         {m_series2, m_count, Series2.name(), tr("series 2")}};
    const Plan::PlotAxes axes(series, size());
    const QRectF frame = axes.frame();

    painter.setPen(palette().text().color());
    painter.drawText(QPointF(frame.left(), 13), m_title);
    painter.setPen(QPen(QColor(0x66, 0x66, 0x66), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(frame);
    if (m_count == 0) {
        painter.setPen(QColor(0x88, 0x88, 0x88));
        painter.drawText(frame, Qt::AlignCenter, tr("No plot stored"));
        return;
    }

    painter.setFont(small);
    const QColor label(0x33, 0x33, 0x33);
    for (double v : axes.yTicks()) {
        const double y = axes.yPixel(v);
        painter.setPen(QPen(QColor(0xdd, 0xdd, 0xdd), 1));
        painter.drawLine(QPointF(frame.left() - 3, y), QPointF(frame.right(), y));
        painter.setPen(label);
        painter.drawText(QRectF(0, y - 8, frame.left() - 5, 16), Qt::AlignRight | Qt::AlignVCenter,
                         Plan::SvgWriter::number(v));
    }
    for (double i : axes.xTicks()) {
        const double x = axes.xPixel(i);
        painter.setPen(QPen(QColor(0x66, 0x66, 0x66), 1));
        painter.drawLine(QPointF(x, frame.bottom()), QPointF(x, frame.bottom() + 3));
        painter.setPen(label);
        painter.drawText(QRectF(x - 20, frame.bottom() + 3, 40, 14),
                         Qt::AlignHCenter | Qt::AlignTop, Plan::SvgWriter::number(i));
    }
    painter.drawText(QRectF(frame.left(), height() - 14, frame.width(), 14),
                     Qt::AlignHCenter | Qt::AlignBottom, tr("point"));

    painter.setClipRect(frame.adjusted(-1, -1, 1, 1));
    for (const Plan::PlotSeries& s : series) {
        QPainterPath path;
        for (int i = 0; i < s.count; ++i) {
            const QPointF p = axes.pixel(i, s.values[i]);
            if (i == 0)
                path.moveTo(p);
            else
                path.lineTo(p);
        }
        painter.setPen(QPen(QColor(s.color), 1.2));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
    }
    painter.setClipping(false);

    // A small legend in the top right corner of the frame.
    double x = frame.right() - 4;
    for (int n = int(series.size()) - 1; n >= 0; --n) {
        const Plan::PlotSeries& s = series.at(n);
        const double w = painter.fontMetrics().horizontalAdvance(s.name);
        x -= w;
        painter.setPen(label);
        painter.drawText(QPointF(x, frame.top() + 12), s.name);
        x -= 16;
        painter.setPen(QPen(QColor(s.color), 2));
        painter.drawLine(QPointF(x, frame.top() + 8), QPointF(x + 12, frame.top() + 8));
        x -= 8;
    }
}
