// Drawing in SVG through QXmlStreamWriter: the same drawing always gives the
// same bytes (fixed attribute order, numbers in one format), so pictures can
// be committed and compared.
#ifndef SVGWRITER_P_H
#define SVGWRITER_P_H

#include <QList>
#include <QPair>
#include <QPoint>
#include <QRectF>
#include <QString>
#include <QVector>

#include "plotaxes_p.h"

class QXmlStreamWriter;

namespace Plan {

class XmlOutput;

class SvgWriter
{
public:
    using Attributes = QList<QPair<QString, QString>>;
    enum Anchor { Start, Middle, End };

    // With direct, polylines bypass the writer's escaping (see XmlOutput).
    explicit SvgWriter(QXmlStreamWriter& xml, XmlOutput* direct = nullptr)
        : m_xml(xml), m_direct(direct)
    {
    }

    QXmlStreamWriter& xml() { return m_xml; }

    // Opens an <svg> element that shows view (in drawing units) at size
    // (in pixels); inside an XHTML page it is written as inline SVG.
    void beginSvg(const QRectF& view, const QSizeF& size, const Attributes& extra = {});
    void endSvg();

    void beginGroup(const Attributes& attributes = {});
    void endGroup();

    void rect(const QRectF& r, const QString& fill, const QString& stroke, double strokeWidth,
              const Attributes& extra = {});
    void circle(const QPointF& centre, double radius, const QString& fill, const QString& stroke,
                double strokeWidth, const Attributes& extra = {});
    void line(const QPointF& from, const QPointF& to, const QString& stroke, double width,
              const Attributes& extra = {});
    // A path of the SVG path syntax, stroked, not filled.
    void path(const QString& d, const QString& stroke, double width, const Attributes& extra = {});
    // A polyline through points; the stroke keeps its width under the
    // transform of an enclosing group, so data can be drawn in its own units.
    void polyline(const QVector<QPoint>& points, const QString& stroke, double width,
                  const Attributes& extra = {});
    void text(const QPointF& at, const QString& text, double size, const QString& fill,
              Anchor anchor = Start, const Attributes& extra = {});

    // Numbers as SVG attributes carry them: at most six significant digits,
    // no exponent for drawing-sized values, "-0" written as "0".
    static QString number(double value);
    // "x,y x,y ..." for integer points.
    static QString pointList(const QVector<QPoint>& points);

private:
    void attributes(const Attributes& extra);

    QXmlStreamWriter& m_xml;
    XmlOutput* m_direct;
};

// A line chart of size (pixels) with a frame, ticks and labels on both
// axes, a title, and each series as a polyline in the series' own units
// (the index across, the value up).
void writePlot(SvgWriter& svg, const QString& title, const QString& xLabel,
               const QList<PlotSeries>& series, const QSize& size,
               const SvgWriter::Attributes& extra = {});

} // namespace Plan

#endif // SVGWRITER_P_H
