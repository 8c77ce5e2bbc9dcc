#include "svgwriter_p.h"

#include "xmloutput_p.h"

#include <QSize>
#include <QXmlStreamWriter>

#include <cmath>

namespace Plan {

namespace {

// QString::number allocates a string per call; a plot has hundreds of
// numbers and a report tens of thousands of plots.
void appendInt(QString& text, int value)
{
    char digits[16];
    char* const end = digits + sizeof(digits);
    char* p = end;
    quint32 magnitude = value < 0 ? 0u - quint32(value) : quint32(value);
    do {
        *--p = char('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0)
        *--p = '-';
    text.append(QLatin1String(p, end - p));
}

} // namespace

QString SvgWriter::number(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral("0");
    // Round to 1/1000 first so that values computed in different orders
    // print the same.
    const double rounded = std::round(value * 1000.0) / 1000.0;
    if (rounded == 0.0)
        return QStringLiteral("0");
    if (rounded == std::trunc(rounded) && std::abs(rounded) < 1e9) {
        QString text;
        appendInt(text, int(rounded));
        return text;
    }
    return QString::number(rounded, 'g', std::abs(rounded) >= 1e5 ? 12 : 6);
}

QString SvgWriter::pointList(const QVector<QPoint>& points)
{
    QString text;
    text.reserve(points.size() * 10);
    for (int i = 0; i < points.size(); ++i) {
        if (i > 0)
            text += QLatin1Char(' ');
        appendInt(text, points.at(i).x());
        text += QLatin1Char(',');
        appendInt(text, points.at(i).y());
    }
    return text;
}

void SvgWriter::attributes(const Attributes& extra)
{
    for (const auto& a : extra)
        m_xml.writeAttribute(a.first, a.second);
}

void SvgWriter::beginSvg(const QRectF& view, const QSizeF& size, const Attributes& extra)
{
    m_xml.writeStartElement(QStringLiteral("svg"));
    m_xml.writeAttribute(QStringLiteral("xmlns"), QStringLiteral("http://www.w3.org/2000/svg"));
    m_xml.writeAttribute(QStringLiteral("width"), number(size.width()));
    m_xml.writeAttribute(QStringLiteral("height"), number(size.height()));
    m_xml.writeAttribute(
        QStringLiteral("viewBox"),
        QStringLiteral("%1 %2 %3 %4")
            .arg(number(view.x()), number(view.y()), number(view.width()), number(view.height())));
    attributes(extra);
}

void SvgWriter::endSvg()
{
    m_xml.writeEndElement();
}

void SvgWriter::beginGroup(const Attributes& attributes)
{
    m_xml.writeStartElement(QStringLiteral("g"));
    this->attributes(attributes);
}

void SvgWriter::endGroup()
{
    m_xml.writeEndElement();
}

void SvgWriter::rect(const QRectF& r, const QString& fill, const QString& stroke,
                     double strokeWidth, const Attributes& extra)
{
    m_xml.writeEmptyElement(QStringLiteral("rect"));
    m_xml.writeAttribute(QStringLiteral("x"), number(r.x()));
    m_xml.writeAttribute(QStringLiteral("y"), number(r.y()));
    m_xml.writeAttribute(QStringLiteral("width"), number(r.width()));
    m_xml.writeAttribute(QStringLiteral("height"), number(r.height()));
    m_xml.writeAttribute(QStringLiteral("fill"), fill);
    m_xml.writeAttribute(QStringLiteral("stroke"), stroke);
    m_xml.writeAttribute(QStringLiteral("stroke-width"), number(strokeWidth));
    attributes(extra);
}

void SvgWriter::circle(const QPointF& centre, double radius, const QString& fill,
                       const QString& stroke, double strokeWidth, const Attributes& extra)
{
    m_xml.writeEmptyElement(QStringLiteral("circle"));
    m_xml.writeAttribute(QStringLiteral("cx"), number(centre.x()));
    m_xml.writeAttribute(QStringLiteral("cy"), number(centre.y()));
    m_xml.writeAttribute(QStringLiteral("r"), number(radius));
    m_xml.writeAttribute(QStringLiteral("fill"), fill);
    m_xml.writeAttribute(QStringLiteral("stroke"), stroke);
    m_xml.writeAttribute(QStringLiteral("stroke-width"), number(strokeWidth));
    attributes(extra);
}

void SvgWriter::line(const QPointF& from, const QPointF& to, const QString& stroke, double width,
                     const Attributes& extra)
{
    m_xml.writeEmptyElement(QStringLiteral("line"));
    m_xml.writeAttribute(QStringLiteral("x1"), number(from.x()));
    m_xml.writeAttribute(QStringLiteral("y1"), number(from.y()));
    m_xml.writeAttribute(QStringLiteral("x2"), number(to.x()));
    m_xml.writeAttribute(QStringLiteral("y2"), number(to.y()));
    m_xml.writeAttribute(QStringLiteral("stroke"), stroke);
    m_xml.writeAttribute(QStringLiteral("stroke-width"), number(width));
    attributes(extra);
}

void SvgWriter::path(const QString& d, const QString& stroke, double width, const Attributes& extra)
{
    m_xml.writeEmptyElement(QStringLiteral("path"));
    m_xml.writeAttribute(QStringLiteral("d"), d);
    m_xml.writeAttribute(QStringLiteral("fill"), QStringLiteral("none"));
    m_xml.writeAttribute(QStringLiteral("stroke"), stroke);
    m_xml.writeAttribute(QStringLiteral("stroke-width"), number(width));
    attributes(extra);
}

void SvgWriter::polyline(const QVector<QPoint>& points, const QString& stroke, double width,
                         const Attributes& extra)
{
    Attributes all{{QStringLiteral("points"), pointList(points)},
                   {QStringLiteral("fill"), QStringLiteral("none")},
                   {QStringLiteral("stroke"), stroke},
                   {QStringLiteral("stroke-width"), number(width)},
                   {QStringLiteral("stroke-linejoin"), QStringLiteral("round")},
                   {QStringLiteral("vector-effect"), QStringLiteral("non-scaling-stroke")}};
    all += extra;
    if (!m_direct) {
        m_xml.writeEmptyElement(QStringLiteral("polyline"));
        attributes(all);
        return;
    }
    QString text = QStringLiteral("<polyline");
    for (const auto& a : all) {
        // The points are digits, commas, minus signs and spaces.
        text += QLatin1Char(' ') + a.first + QLatin1String("=\"") +
                (a.first == QLatin1String("points") ? a.second : a.second.toHtmlEscaped()) +
                QLatin1Char('"');
    }
    m_direct->raw(text + QLatin1String("/>"));
}

void SvgWriter::text(const QPointF& at, const QString& text, double size, const QString& fill,
                     Anchor anchor, const Attributes& extra)
{
    m_xml.writeStartElement(QStringLiteral("text"));
    m_xml.writeAttribute(QStringLiteral("x"), number(at.x()));
    m_xml.writeAttribute(QStringLiteral("y"), number(at.y()));
    m_xml.writeAttribute(QStringLiteral("font-size"), number(size));
    m_xml.writeAttribute(QStringLiteral("fill"), fill);
    if (anchor != Start)
        m_xml.writeAttribute(QStringLiteral("text-anchor"),
                             anchor == Middle ? QStringLiteral("middle") : QStringLiteral("end"));
    attributes(extra);
    m_xml.writeCharacters(text);
    m_xml.writeEndElement();
}

void writePlot(SvgWriter& svg, const QString& title, const QString& xLabel,
               const QList<PlotSeries>& series, const QSize& size,
               const SvgWriter::Attributes& extra)
{
    const PlotAxes axes(series, size);
    const QRectF frame = axes.frame();
    const double left = frame.left();
    const double top = frame.top();
    const double width = frame.width();
    const double height = frame.height();
    const double yMin = axes.yMin();
    const double yMax = axes.yMax();
    const double lastIndex = axes.lastIndex();

    svg.beginSvg(QRectF(0, 0, size.width(), size.height()), size, extra);
    svg.text(QPointF(left, 13), title, 12, QStringLiteral("#000000"));
    svg.rect(QRectF(left, top, width, height), QStringLiteral("#ffffff"), QStringLiteral("#666666"),
             1);

    // Grid lines and ticks as one path each, labels beside them.
    QString grid;
    for (double v : axes.yTicks()) {
        const double y = axes.yPixel(v);
        grid += QStringLiteral("M%1 %2H%3")
                    .arg(SvgWriter::number(left - 3), SvgWriter::number(y),
                         SvgWriter::number(left + width));
        svg.text(QPointF(left - 5, y + 3), SvgWriter::number(v), 9, QStringLiteral("#333333"),
                 SvgWriter::End);
    }
    svg.path(grid, QStringLiteral("#dddddd"), 0.5);
    QString ticks;
    for (double i : axes.xTicks()) {
        const double x = axes.xPixel(i);
        ticks +=
            QStringLiteral("M%1 %2v3").arg(SvgWriter::number(x), SvgWriter::number(top + height));
        svg.text(QPointF(x, top + height + 12), SvgWriter::number(i), 9, QStringLiteral("#333333"),
                 SvgWriter::Middle);
    }
    svg.path(ticks, QStringLiteral("#666666"), 0.5);
    svg.text(QPointF(left + width / 2, size.height() - 4), xLabel, 9, QStringLiteral("#333333"),
             SvgWriter::Middle);

    // The series are drawn in their own units: the group maps an index i
    // and a value v onto the frame, upwards.
    const double sx = width / lastIndex;
    const double sy = height / (yMax - yMin);
    svg.beginGroup({{QStringLiteral("transform"),
                     QStringLiteral("matrix(%1 0 0 %2 %3 %4)")
                         .arg(SvgWriter::number(sx), SvgWriter::number(-sy),
                              SvgWriter::number(left), SvgWriter::number(top + sy * yMax))}});
    for (int n = 0; n < series.size(); ++n) {
        const PlotSeries& s = series.at(n);
        QVector<QPoint> points;
        points.reserve(s.count);
        for (int i = 0; i < s.count; ++i)
            points.append(QPoint(i, s.values[i]));
        svg.polyline(points, s.color, 1.2,
                     {{QStringLiteral("class"), QStringLiteral("series%1").arg(n + 1)}});
    }
    svg.endGroup();

    double legendX = left + width;
    for (int i = int(series.size()) - 1; i >= 0; --i) {
        svg.text(QPointF(legendX, 13), series.at(i).name, 9, series.at(i).color, SvgWriter::End);
        legendX -= 8 + 6 * series.at(i).name.size();
    }
    svg.endSvg();
}

} // namespace Plan
