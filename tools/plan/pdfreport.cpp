// The certification report as a PDF. Every part of the layout has a height
// known before it is drawn, so the report is laid out twice: once to count
// the pages (for "Page N of M"), once to draw them. Only the drawing pass
// reads the response plots, the costly part of a cable's result.
#include "pdfreport_p.h"

#include "boxgrid_p.h"
#include "cablelengths_p.h"
#include "drawings_p.h"
#include "floorplan_p.h"
#include "jobmodel_p.h"
#include "pairchecks_p.h"
#include "pdfpages_p.h"
#include "plotaxes_p.h"
#include "report_p.h"
#include "reportdata_p.h"
#include "usecolors_p.h"

#include <activeport.h>
#include <activetestresult.h>
#include <ductbook.h>
#include <testdef.h>

#include <algorithm>
#include <cmath>

#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QIODevice>
#include <QMap>
#include <QPainter>
#include <QPdfWriter>
#include <QRawFont>
#include <QSet>
#include <QTextLayout>

namespace Plan {

namespace {

// Page geometry in millimetres.
const double MarginX = 18;
const double ContentTop = 22;    // below the page header
const double ContentBottom = 18; // above the footer, from the paper's bottom
const double LineHeight = 4.2;   // a table row or a line of body text
const double BodyPoints = 7.5;
const double SmallPoints = 6;

// A tested cable's block.
const double BarHeight = 7;
const double FactRows = 7;
const double PlotTop = BarHeight + 2 + FactRows * 3.9 + 2;
const double PlotHeight = 36;
const double BlockGap = 5;
const double BlockHeight = PlotTop + PlotHeight + 2;
const double PlotGap = 4;
const double PointsPerMm = 72 / 25.4;

const QColor PassColor(0x1b, 0x7a, 0x2e);
const QColor FailColor(0xb0, 0x10, 0x10);
const QColor UntestedColor(0x66, 0x66, 0x66);
const QColor RuleColor(0xbb, 0xbb, 0xbb);
const QColor BarColor(0xee, 0xee, 0xee);

QSizeF paperSize(bool a4)
{
    return a4 ? QSizeF(210, 297) : QSizeF(215.9, 279.4);
}

double contentWidth(bool a4)
{
    return paperSize(a4).width() - 2 * MarginX;
}

QColor verdictColor(Verdict v)
{
    return v == Verdict::Pass ? PassColor : v == Verdict::Fail ? FailColor : UntestedColor;
}

// The pages being laid out. Positions are in millimetres from the paper's
// top left corner; in the counting pass nothing is drawn.
class Pages
{
public:
    Pages(QPdfWriter& writer, const ReportData& data, bool a4, int total)
        : m_writer(writer), m_data(data), m_a4(a4), m_total(total),
          m_scale(writer.resolution() / 25.4)
    {
    }

    bool drawing() const { return m_total > 0; }
    QPainter& painter() { return m_painter; }
    int page() const { return m_page; }
    double y() const { return m_y; }
    void advance(double mm) { m_y += mm; }
    double left() const { return MarginX; }
    double width() const { return contentWidth(m_a4); }
    double bottom() const { return paperSize(m_a4).height() - ContentBottom; }
    bool a4() const { return m_a4; }

    double u(double mm) const { return mm * m_scale; }
    QRectF u(const QRectF& r) const { return {u(r.x()), u(r.y()), u(r.width()), u(r.height())}; }
    QPointF u(const QPointF& p) const { return {u(p.x()), u(p.y())}; }

    bool begin(QString* error)
    {
        m_page = 1;
        m_y = ContentTop;
        if (drawing()) {
            if (!m_painter.begin(&m_writer)) {
                *error = words("cannot write the report");
                return false;
            }
            decorate();
        }
        return true;
    }
    void newPage()
    {
        ++m_page;
        m_y = ContentTop;
        if (drawing()) {
            drawPlacedText();
            m_writer.newPage();
            decorate();
        }
    }
    // Starts a new page unless mm more fit on this one.
    void need(double mm)
    {
        if (m_y + mm > bottom() + 0.01)
            newPage();
    }
    bool end()
    {
        if (!drawing())
            return true;
        drawPlacedText();
        return m_painter.end();
    }

    QFontMetricsF metrics(const QFont& font) const { return QFontMetricsF(font, &m_writer); }

    // A line of text laid out once: its glyphs, where they go from the
    // line's top left corner (device units), and its size.
    struct Shaped
    {
        QList<QGlyphRun> runs;
        double width = 0;
        double height = 0;
        double ascent = 0;
    };

    // Labels, headings, verdicts and axis numbers repeat on every block,
    // and so do many values; laying out a line is most of the cost of
    // drawing it, so each text is laid out once and then only placed. The
    // store is emptied now and then: the texts that repeat come back at once.
    const Shaped& shaped(const QString& text, const QFont& font)
    {
        const ShapedKey key{text, font.pointSizeF(), font.bold()};
        auto found = m_shaped.constFind(key);
        if (found != m_shaped.constEnd())
            return *found;
        if (m_shaped.size() >= 8192)
            m_shaped.clear();
        QTextLayout layout(text, font, &m_writer);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        line.setLineWidth(1e9);
        layout.endLayout();
        Shaped s;
        s.runs = layout.glyphRuns();
        // Glyphs at whole device units (1/1200 in, far below what shows):
        // the writer then sets each glyph's place as a short integer, not as
        // a decimal of nine digits, and a page's text takes a third less to
        // write and to compress.
        for (QGlyphRun& run : s.runs) {
            QList<QPointF> positions = run.positions();
            for (QPointF& p : positions)
                p = QPointF(std::round(p.x()), std::round(p.y()));
            run.setPositions(positions);
        }
        s.width = line.naturalTextWidth();
        s.height = line.height();
        s.ascent = line.ascent();
        return *m_shaped.insert(key, s);
    }

    // Puts a shaped text with its top left corner at at (device units) on
    // the page. It is drawn with the page's other text of its font and
    // colour when the page is done: one text object for all of them rather
    // than one for each of the page's two hundred labels and values, which
    // makes a page's content a quarter smaller. Text is drawn over the page's
    // lines and boxes, as it would be anyway.
    void place(const Shaped& s, const QPointF& at, const QColor& color)
    {
        const QPointF whole(std::round(at.x()), std::round(at.y()));
        const QRgb rgb = color.rgba();
        for (const QGlyphRun& run : s.runs) {
            const QRawFont font = run.rawFont();
            auto batch = std::find_if(m_placed.begin(), m_placed.end(), [&](const Placed& b) {
                return b.color == rgb && b.font == font;
            });
            if (batch == m_placed.end())
                batch = m_placed.insert(m_placed.end(), Placed{font, rgb, {}, {}});
            batch->glyphs.append(run.glyphIndexes());
            for (const QPointF& p : run.positions())
                batch->positions.append(p + whole);
        }
    }
    // Text in a box (device units), cut short with an ellipsis when it
    // does not fit.
    void textAt(const QRectF& box, const QString& text, const QFont& font, Qt::Alignment align,
                const QColor& color)
    {
        if (!drawing() || text.isEmpty())
            return;
        const Shaped& s = shaped(text, font);
        if (s.width > box.width()) {
            const QString shown = metrics(font).elidedText(text, Qt::ElideRight, box.width());
            m_painter.setFont(font);
            m_painter.setPen(color);
            m_painter.drawText(box, int(align), shown);
            return;
        }
        double x = box.left();
        if (align & Qt::AlignRight)
            x = box.right() - s.width;
        else if (align & Qt::AlignHCenter)
            x = box.left() + (box.width() - s.width) / 2;
        double y = box.top();
        if (align & Qt::AlignBottom)
            y = box.bottom() - s.height;
        else if (align & Qt::AlignVCenter)
            y = box.top() + (box.height() - s.height) / 2;
        place(s, QPointF(x, y), color);
    }

    // Text in a box (millimetres), cut short with an ellipsis when it does
    // not fit.
    void text(const QRectF& box, const QString& text, const QFont& font,
              Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter,
              const QColor& color = Qt::black)
    {
        textAt(u(box), text, font, align, color);
    }
    void rule(double y, const QColor& color = RuleColor, double from = -1, double to = -1)
    {
        if (!drawing())
            return;
        m_painter.setPen(QPen(color, u(0.25)));
        m_painter.drawLine(u(QPointF(from < 0 ? left() : from, y)),
                           u(QPointF(to < 0 ? left() + width() : to, y)));
    }
    void box(const QRectF& r, const QColor& fill, const QColor& stroke = Qt::transparent)
    {
        if (!drawing())
            return;
        m_painter.setPen(stroke == Qt::transparent ? QPen(Qt::NoPen) : QPen(stroke, u(0.3)));
        m_painter.setBrush(fill == Qt::transparent ? QBrush(Qt::NoBrush) : QBrush(fill));
        m_painter.drawRect(u(r));
        m_painter.setBrush(Qt::NoBrush);
    }

    // A section heading, kept with at least keep millimetres of what follows.
    void heading(const QString& title, double keep = 3 * LineHeight)
    {
        need(9 + keep);
        if (m_y > ContentTop + 0.01)
            advance(3);
        text(QRectF(left(), m_y, width(), 7), title, pdfFont(13, true));
        advance(9);
    }
    void subheading(const QString& title, double keep = 2 * LineHeight)
    {
        need(6 + keep);
        text(QRectF(left(), m_y + 1, width(), 5), title, pdfFont(9.5, true));
        advance(6.5);
    }

    // One row of a table: cells in columns of the given widths (mm).
    void row(const QStringList& cells, const QList<double>& widths, bool header = false,
             const QList<QColor>& colors = {})
    {
        need(LineHeight);
        if (header)
            box(QRectF(left(), m_y, width(), LineHeight), BarColor);
        double x = left();
        for (int i = 0; i < cells.size() && i < widths.size(); ++i) {
            text(QRectF(x + 1, m_y, widths.at(i) - 2, LineHeight), cells.at(i),
                 pdfFont(BodyPoints, header), Qt::AlignLeft | Qt::AlignVCenter,
                 colors.value(i, Qt::black));
            x += widths.at(i);
        }
        advance(LineHeight);
        if (!header)
            rule(m_y, QColor(0xdd, 0xdd, 0xdd));
    }

    // A list of words wrapped to the width, one line per row.
    void flow(const QStringList& words)
    {
        const QFont font = pdfFont(BodyPoints);
        const QFontMetricsF m = metrics(font);
        const double max = u(width());
        QString line;
        for (const QString& w : words) {
            const QString next = line.isEmpty() ? w : line + QStringLiteral(", ") + w;
            if (!line.isEmpty() && m.horizontalAdvance(next + QLatin1Char(',')) > max) {
                need(LineHeight);
                text(QRectF(left(), m_y, width(), LineHeight), line + QLatin1Char(','), font);
                advance(LineHeight);
                line = w;
            } else {
                line = next;
            }
        }
        if (!line.isEmpty()) {
            need(LineHeight);
            text(QRectF(left(), m_y, width(), LineHeight), line, font);
            advance(LineHeight);
        }
    }

private:
    // The running header and the footer with "Page N of M".
    void decorate()
    {
        const QFont small = pdfFont(SmallPoints);
        const double top = 10;
        text(QRectF(left(), top, width() * 0.7, 5),
             joined({words("Cable certification report"), m_data.site.company()}), small);
        text(QRectF(left() + width() * 0.3, top, width() * 0.7, 5),
             joined({m_data.site.jobid(), m_data.jobFile}), small,
             Qt::AlignRight | Qt::AlignVCenter);
        rule(top + 6);
        const double foot = paperSize(m_a4).height() - 12;
        rule(foot - 1);
        text(QRectF(left(), foot, width() * 0.7, 5),
             joined({words("Issued %1").arg(m_data.issued), m_data.contractor.company()}), small);
        text(QRectF(left() + width() * 0.5, foot, width() * 0.5, 5),
             words("Page %1 of %2").arg(m_page).arg(m_total), small,
             Qt::AlignRight | Qt::AlignVCenter);
    }

    struct ShapedKey
    {
        QString text;
        double points;
        bool bold;
        bool operator==(const ShapedKey& o) const
        {
            return points == o.points && bold == o.bold && text == o.text;
        }
    };
    friend size_t qHash(const ShapedKey& k, size_t seed = 0)
    {
        return qHashMulti(seed, k.text, k.points, k.bold);
    }

    // The text placed on this page, by font and colour.
    struct Placed
    {
        QRawFont font;
        QRgb color;
        QList<quint32> glyphs;
        QList<QPointF> positions;
    };

    void drawPlacedText()
    {
        for (Placed& b : m_placed) {
            if (b.glyphs.isEmpty())
                continue;
            QGlyphRun run;
            run.setRawFont(b.font);
            run.setGlyphIndexes(b.glyphs);
            run.setPositions(b.positions);
            m_painter.setPen(QColor::fromRgba(b.color));
            m_painter.drawGlyphRun(QPointF(), run);
            b.glyphs.clear();
            b.positions.clear();
        }
    }

    QPdfWriter& m_writer;
    const ReportData& m_data;
    bool m_a4;
    int m_total;
    double m_scale;
    QPainter m_painter;
    int m_page = 0;
    double m_y = 0;
    QHash<ShapedKey, Shaped> m_shaped;
    QList<Placed> m_placed;
};

void facts(Pages& pages, const QList<QPair<QString, QString>>& rows, double labelWidth = 38)
{
    for (const auto& r : rows) {
        pages.need(LineHeight + 0.8);
        pages.text(QRectF(pages.left(), pages.y(), labelWidth, LineHeight + 0.8), r.first,
                   pdfFont(8.5, true));
        pages.text(QRectF(pages.left() + labelWidth, pages.y(), pages.width() - labelWidth,
                          LineHeight + 0.8),
                   r.second, pdfFont(8.5));
        pages.advance(LineHeight + 0.8);
    }
}

void cover(Pages& pages, const ReportData& d)
{
    pages.advance(25);
    pages.text(QRectF(pages.left(), pages.y(), pages.width(), 12),
               words("Cable certification report"), pdfFont(24, true));
    pages.advance(14);
    pages.text(QRectF(pages.left(), pages.y(), pages.width(), 9), d.site.company(), pdfFont(16));
    pages.advance(16);
    facts(pages, coverFacts(d));
    pages.advance(8);
    const ReportCounts all = d.counts();
    pages.subheading(words("Results"), 6 * LineHeight);
    const QList<double> widths{50, 30};
    pages.row({words("Verdict"), words("Cables")}, widths, true);
    pages.row({verdictText(Verdict::Pass), QString::number(all.passed)}, widths, false,
              {PassColor});
    pages.row({verdictText(Verdict::Fail), QString::number(all.failed)}, widths, false,
              {FailColor});
    pages.row({verdictText(Verdict::Untested), QString::number(all.untested)}, widths, false,
              {UntestedColor});
    pages.row({words("Total"), QString::number(all.total)}, widths);
    pages.advance(4);
    pages.text(QRectF(pages.left(), pages.y(), pages.width(), 8),
               words("Pass rate: %1 of the %2 tested cables; %3 of %4 cables tested")
                   .arg(percent(all.passed, all.passed + all.failed))
                   .arg(all.passed + all.failed)
                   .arg(all.passed + all.failed)
                   .arg(all.total),
               pdfFont(10, true));
}

void summary(Pages& pages, const ReportData& d)
{
    pages.newPage();
    pages.heading(words("Summary"));
    const QList<double> widths{58, 22, 22, 22, 22, 28};
    const QStringList head{words("Cables"), words("Passed"), words("Failed"), words("Untested"),
                           words("Pass rate")};
    const QMap<QString, ReportCounts> byType = d.countsByType();
    const QList<ReportCounts> byFloor = d.countsByFloor();
    pages.subheading(words("By cable type"));
    pages.row(QStringList{words("Type")} + head, widths, true);
    for (auto it = byType.cbegin(); it != byType.cend(); ++it)
        pages.row(QStringList{it.key()} + it->cells(), widths);
    pages.advance(4);
    pages.subheading(words("By floor (of the cable's first end)"));
    pages.row(QStringList{words("Floor")} + head, widths, true);
    for (int f = 0; f < byFloor.size(); ++f) {
        if (byFloor.at(f).total == 0)
            continue;
        pages.row(QStringList{f < d.floors.size() ? d.floors.at(f) : words("(no floor)")} +
                      byFloor.at(f).cells(),
                  widths);
    }
    for (Verdict v : {Verdict::Fail, Verdict::Untested}) {
        QStringList ids = d.idsWith(v);
        pages.advance(4);
        pages.subheading(v == Verdict::Fail ? words("Failing cables (%1)").arg(ids.size())
                                            : words("Untested cables (%1)").arg(ids.size()),
                         LineHeight);
        if (ids.isEmpty())
            ids.append(words("none"));
        pages.flow(ids);
    }
}

// The floor drawn with the painter from the same model and label places as
// the floor plan's SVG: rooms, routes in their cables' colours, vertical
// runs and ports in the colours of their uses with their ids, and a legend.
// Drawn natively, text stays text and the page stays small.
void drawFloor(Pages& pages, const FloorPlan& plan, int floor, const QRectF& area)
{
    const FloorItem& f = plan.model().floors().at(floor);
    struct LegendEntry
    {
        QString name;
        QString color;
        bool run;
    };
    QList<LegendEntry> legend;
    QSet<QString> seen;
    for (const QList<PlaceItem>* places : {&f.ports, &f.runs}) {
        for (const PlaceItem& p : *places) {
            if (seen.contains(p.use))
                continue;
            seen.insert(p.use);
            // Vertical runs carry a key of their own rather than a use.
            const QString name = p.isRun           ? words("Vertical run")
                                 : p.use.isEmpty() ? words("(no use)")
                                                   : p.use;
            legend.append({name, useColor(p.use), p.isRun});
        }
    }
    // Room for the legend and a line that may say what was left out.
    const double legendHeight = (legend.isEmpty() ? 0 : 8) + 5;
    const QRect bounds = plan.bounds(floor);
    if (bounds.isEmpty())
        return;
    const QRectF drawing = area.adjusted(0, 0, 0, -legendHeight);
    const double scale =
        qMin(drawing.width() / bounds.width(), drawing.height() / bounds.height()); // mm per unit
    auto at = [&](const QPointF& p) {
        return pages.u(drawing.topLeft() + (p - QPointF(bounds.topLeft())) * scale);
    };
    const double drawnHeight = bounds.height() * scale;
    auto length = [&](double units) { return pages.u(units * scale); };
    QPainter& painter = pages.painter();
    // Text as large as the drawing's own, but never unreadably small.
    auto font = [&](double units, bool bold) {
        return pdfFont(qBound(3.0, units * scale * PointsPerMm, 9.0), bold);
    };

    painter.setPen(QPen(QColor(0x33, 0x33, 0x33), pages.u(0.3)));
    painter.setBrush(QColor(0xf7, 0xf7, 0xf2));
    for (const RoomItem& r : f.rooms)
        painter.drawRect(QRectF(at(r.rect.topLeft()),
                                at(r.rect.topLeft() + QPoint(r.rect.width(), r.rect.height()))));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QColor(0x66, 0x66, 0x66));
    // The names and ids are printed no smaller than 3 pt, so on a floor
    // drawn small (a campus floor of a thousand ports on one page) they are
    // larger than the places the drawing found for them. Each is printed only
    // where it covers no symbol and no text printed before; the page says
    // how many were left out.
    BoxGrid taken(qRound(pages.u(4)));
    for (const TextItem& t : f.texts) {
        const QFont textFont = font(t.size, false);
        const QFontMetricsF m = pages.metrics(textFont);
        const QPointF pos = at(t.pos);
        painter.setFont(textFont);
        painter.drawText(pos, t.text);
        taken.take(QRectF(pos.x(), pos.y() - m.ascent(), m.horizontalAdvance(t.text),
                          m.ascent() + m.descent())
                       .toAlignedRect());
    }
    for (const FloorPlan::Leg& l : plan.legs(floor)) {
        QPolygonF line;
        for (const QPoint& p : l.leg.points)
            line.append(at(p));
        painter.setPen(QPen(QColor(plan.cable(l.cable).color), pages.u(0.3)));
        painter.drawPolyline(line);
    }
    const QPen ink(Qt::black, pages.u(0.15));
    painter.setPen(ink);
    const double run = qMax(length(RunSize), pages.u(1.2));
    for (const PlaceItem& r : f.runs) {
        const QRectF box(at(r.pos) - QPointF(run / 2, run / 2), QSizeF(run, run));
        painter.setBrush(QColor(useColor(r.use)));
        painter.drawRect(box);
        taken.take(box.toAlignedRect());
    }
    const double radius = qMax(length(PortRadius), pages.u(0.6));
    for (const PlaceItem& p : f.ports) {
        painter.setBrush(QColor(useColor(p.use)));
        painter.drawEllipse(at(p.pos), radius, radius);
        taken.take(QRectF(at(p.pos) - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius))
                       .toAlignedRect());
    }
    painter.setBrush(Qt::NoBrush);
    int leftOut = 0;
    // Draws text with its baseline starting at pos when that is free; says
    // whether it did.
    auto label = [&](const QString& text, QPointF pos, const QFontMetricsF& m,
                     SvgWriter::Anchor anchor) {
        const double w = m.horizontalAdvance(text);
        if (anchor == SvgWriter::Middle)
            pos.rx() -= w / 2;
        else if (anchor == SvgWriter::End)
            pos.rx() -= w;
        const QRect box =
            QRectF(pos.x(), pos.y() - m.ascent(), w, m.ascent() + m.descent()).toAlignedRect();
        if (!taken.isFree(box)) {
            ++leftOut;
            return false;
        }
        taken.take(box);
        painter.drawText(pos, text);
        return true;
    };
    // Names over the routes that cross their rooms, then the ids of runs and
    // ports, where the drawing put them clear of its symbols, in its type;
    // an id put away from its item keeps the line back to it.
    const QFont roomFont = font(12, false);
    const QFontMetricsF roomMetrics = pages.metrics(roomFont);
    const QFont labelFont = font(LabelSize, false);
    const QFontMetricsF metrics = pages.metrics(labelFont);
    const QPen leader(QColor(0x55, 0x55, 0x55), pages.u(0.1));
    for (const FloorPlan::PlacedLabel& l : plan.layout(floor).labels) {
        if (l.kind == FloorPlan::PlacedLabel::Room) {
            painter.setPen(QColor(0x33, 0x33, 0x33));
            painter.setFont(roomFont);
            label(l.text, at(l.at), roomMetrics, l.anchor);
        } else if (l.kind == FloorPlan::PlacedLabel::Place) {
            painter.setPen(ink);
            painter.setFont(labelFont);
            if (label(l.text, at(l.at), metrics, l.anchor) && l.leader) {
                painter.setPen(leader);
                painter.drawLine(at(l.leaderFrom), at(l.leaderTo));
            }
        }
    }

    // The legend under the drawing: the uses of the floor's ports and runs.
    double x = area.left();
    const double y = drawing.top() + drawnHeight + (legend.isEmpty() ? -4 : 4);
    const QFont legendFont = pdfFont(SmallPoints + 0.5);
    for (const LegendEntry& entry : legend) {
        painter.setPen(ink);
        painter.setBrush(QColor(entry.color));
        const QPointF centre = pages.u(QPointF(x + 1.2, y + 1.5));
        const double r = pages.u(1.1);
        if (entry.run)
            painter.drawRect(QRectF(centre - QPointF(r, r), QSizeF(2 * r, 2 * r)));
        else
            painter.drawEllipse(centre, r, r);
        painter.setBrush(Qt::NoBrush);
        pages.text(QRectF(x + 3, y, 40, 3), entry.name, legendFont);
        x += 4 + pages.metrics(legendFont).horizontalAdvance(entry.name) / pages.u(1) + 5;
    }
    if (leftOut > 0)
        pages.text(QRectF(area.left(), y + 4, area.width(), 3),
                   words("%1 of %2 names and ids are left out where they would cover others at "
                         "this scale; jobtool render draws the floor at full size.")
                       .arg(leftOut)
                       .arg(f.rooms.size() + f.runs.size() + f.ports.size()),
                   legendFont, Qt::AlignLeft | Qt::AlignVCenter, UntestedColor);
}

void floorSection(Pages& pages, const FloorPlan* plan, int floor, const QString& name)
{
    pages.newPage();
    pages.heading(words("Floor %1").arg(name), 0);
    const QRectF area(pages.left(), pages.y(), pages.width(), pages.bottom() - pages.y());
    pages.advance(area.height());
    if (pages.drawing() && plan)
        drawFloor(pages, *plan, floor, area);
}

void schedule(Pages& pages, const ReportData& d, bool metric)
{
    pages.newPage();
    pages.heading(words("Cable schedule"));
    const QString unit = lengthUnit(metric);
    const QList<double> widths{22, 40, 40, 18, 18, 18, 20};
    const double scale = pages.width() / 176;
    QList<double> w;
    for (double x : widths)
        w.append(x * scale);
    const QStringList head{words("Cable"),
                           words("From"),
                           words("To"),
                           words("Type"),
                           words("Est. (%1)").arg(unit),
                           words("Meas. (%1)").arg(unit),
                           words("Status")};
    const double rowHeight = 7;
    int onPage = -1;
    for (const ReportCable& c : d.cables) {
        if (pages.y() + rowHeight > pages.bottom() + 0.01 || onPage < 0) {
            if (onPage >= 0)
                pages.newPage();
            pages.row(head, w, true);
            onPage = 0;
        }
        // Two lines per row: the port large, its room and floor small.
        double x = pages.left();
        const double y = pages.y();
        const QFont body = pdfFont(BodyPoints);
        const QFont small = pdfFont(SmallPoints);
        pages.text(QRectF(x + 1, y, w[0] - 2, rowHeight), c.id, pdfFont(BodyPoints, true));
        x += w[0];
        pages.text(QRectF(x + 1, y + 0.3, w[1] - 2, 3.6), c.from, body);
        pages.text(QRectF(x + 1, y + 3.5, w[1] - 2, 3.2), c.fromPlace, small,
                   Qt::AlignLeft | Qt::AlignVCenter, UntestedColor);
        x += w[1];
        pages.text(QRectF(x + 1, y + 0.3, w[2] - 2, 3.6), c.to, body);
        pages.text(QRectF(x + 1, y + 3.5, w[2] - 2, 3.2), c.toPlace, small,
                   Qt::AlignLeft | Qt::AlignVCenter, UntestedColor);
        x += w[2];
        for (const QString& cell : {c.type, c.estimated, c.measured}) {
            pages.text(QRectF(x + 1, y, w[3] - 2, rowHeight), cell, body);
            x += w[3];
        }
        pages.text(QRectF(x + 1, y, w[6] - 2, rowHeight),
                   c.status.isEmpty() ? untestedStatus() : c.status, pdfFont(BodyPoints, true),
                   Qt::AlignLeft | Qt::AlignVCenter, verdictColor(c.verdict));
        pages.advance(rowHeight);
        pages.rule(pages.y(), QColor(0xdd, 0xdd, 0xdd));
        ++onPage;
    }
}

// The points of a line that matter at print size: a point closer than
// tolerance to the line between its neighbours that are kept is left out
// (Douglas-Peucker), and those kept are rounded to whole device units (1/1200
// in). Far finer than the pen, so the printed line is the same, but the page
// streams, written and compressed by the PDF writer, shrink several times.
QPolygonF simplified(const QPolygonF& line, double tolerance)
{
    const int n = int(line.size());
    if (n < 3)
        return line;
    QVector<bool> keep(n, false);
    keep[0] = keep[n - 1] = true;
    QVector<QPair<int, int>> spans{{0, n - 1}};
    while (!spans.isEmpty()) {
        const QPair<int, int> span = spans.takeLast();
        const QPointF a = line.at(span.first);
        const QPointF b = line.at(span.second);
        const QPointF d = b - a;
        const double length = std::hypot(d.x(), d.y());
        double worst = -1;
        int worstAt = -1;
        for (int i = span.first + 1; i < span.second; ++i) {
            const QPointF v = line.at(i) - a;
            const double distance = length > 0 ? std::abs(d.x() * v.y() - d.y() * v.x()) / length
                                               : std::hypot(v.x(), v.y());
            if (distance > worst) {
                worst = distance;
                worstAt = i;
            }
        }
        if (worst > tolerance) {
            keep[worstAt] = true;
            spans.append({span.first, worstAt});
            spans.append({worstAt, span.second});
        }
    }
    QPolygonF kept;
    for (int i = 0; i < n; ++i) {
        if (keep.at(i))
            kept.append(QPointF(std::round(line.at(i).x()), std::round(line.at(i).y())));
    }
    return kept;
}

void plot(Pages& pages, const QRectF& area, const QString& title, const LUMEN_PLOT_DATA& data)
{
    QPainter& p = pages.painter();
    const QSize size(qRound(area.width() * PointsPerMm), qRound(area.height() * PointsPerMm));
    const int count = data.pointCount == 257 ? 257 : 0;
    const PlotAxes axes(
        {{data.series1, count, QString(), QString()}, {data.series2, count, QString(), QString()}},
        size);
    // The axes work in points from the plot's corner; the page in mm.
    auto at = [&](const QPointF& pt) {
        return pages.u(area.topLeft() + QPointF(pt.x() / PointsPerMm, pt.y() / PointsPerMm));
    };
    const QRectF frame(at(axes.frame().topLeft()), at(axes.frame().bottomRight()));
    const QFont tick = pdfFont(5.5);
    const QFontMetricsF tm = pages.metrics(tick);
    pages.textAt(
        QRectF(frame.left(), pages.u(area.top()), frame.width(), frame.top() - pages.u(area.top())),
        title, pdfFont(7, true), Qt::AlignLeft | Qt::AlignVCenter, Qt::black);
    if (count == 0) {
        p.setPen(QPen(RuleColor, pages.u(0.25)));
        p.drawRect(frame);
        p.setFont(pdfFont(6.5));
        p.setPen(UntestedColor);
        p.drawText(frame, int(Qt::AlignCenter), words("No %1 plot stored").arg(title));
        return;
    }
    // The grid first, then the numbers: one pen for each, not a change of
    // pen for every line.
    QList<QLineF> gridLines;
    const QList<double> yTicks = axes.yTicks();
    const QList<double> xTicks = axes.xTicks();
    for (double v : yTicks) {
        const double y = at(QPointF(0, axes.yPixel(v))).y();
        gridLines.append(QLineF(frame.left(), y, frame.right(), y));
    }
    for (double v : xTicks) {
        const double x = at(QPointF(axes.xPixel(v), 0)).x();
        gridLines.append(QLineF(x, frame.top(), x, frame.bottom()));
    }
    p.setPen(QPen(QColor(0xe4, 0xe4, 0xe4), pages.u(0.15)));
    p.drawLines(gridLines);
    const QColor label(0x44, 0x44, 0x44);
    const double labelWidth = pages.u(12);
    for (int i = 0; i < yTicks.size(); ++i) {
        const double y = gridLines.at(i).y1();
        pages.textAt(QRectF(frame.left() - labelWidth - pages.u(0.8), y - tm.height() / 2,
                            labelWidth, tm.height()),
                     QString::number(yTicks.at(i)), tick, Qt::AlignRight | Qt::AlignVCenter, label);
    }
    const double labelTop = frame.bottom() + pages.u(0.6);
    for (int i = 0; i < xTicks.size(); ++i) {
        const double x = gridLines.at(yTicks.size() + i).x1();
        // A label near the frame's right edge ends there rather than past it.
        const Pages::Shaped& s = pages.shaped(QString::number(xTicks.at(i)), tick);
        pages.place(s, QPointF(qMin(x - s.width / 2, frame.right() - s.width), labelTop), label);
    }
    pages.textAt(QRectF(frame.left(), labelTop + tm.height(), frame.width(), tm.height()),
                 words("point"), tick, Qt::AlignHCenter | Qt::AlignTop, label);
    const QColor colors[2] = {QColor(0x1f, 0x77, 0xb4), QColor(0xd6, 0x27, 0x28)};
    const qint32* series[2] = {data.series1, data.series2};
    p.save();
    p.setClipRect(frame.adjusted(-1, -1, 1, 1));
    for (int s = 0; s < 2; ++s) {
        QPolygonF line;
        line.reserve(count);
        for (int i = 0; i < count; ++i)
            line.append(at(axes.pixel(i, series[s][i])));
        line = simplified(line, pages.u(0.04));
        p.setPen(QPen(colors[s], pages.u(0.25)));
        p.drawPolyline(line);
    }
    p.restore();
    p.setPen(QPen(Qt::black, pages.u(0.3)));
    p.setBrush(Qt::NoBrush);
    p.drawRect(frame);
}

QString endText(const QString& port, const QString& place)
{
    return joined({port, place});
}

void cableBlock(Pages& pages, Ductbook& job, const ReportCable& c, QHash<QString, TestDef>& defs,
                bool metric)
{
    pages.need(BlockHeight);
    const double top = pages.y();
    pages.advance(BlockHeight + BlockGap);
    if (!pages.drawing())
        return;
    const TestResults r = job.getCableTestResults(c.tag);
    auto def = defs.find(c.type);
    if (def == defs.end())
        def = defs.insert(c.type, job.getTestDef(c.type));

    const double left = pages.left();
    const double width = pages.width();
    pages.box(QRectF(left, top, width, BarHeight), BarColor);
    const QFont idFont = pdfFont(11, true);
    const double idWidth = pages.metrics(idFont).horizontalAdvance(c.id) / pages.u(1);
    pages.text(QRectF(left + 2, top, qMin(idWidth + 1, width / 2), BarHeight), c.id, idFont);
    pages.text(QRectF(left + 2 + qMin(idWidth + 1, width / 2) + 3, top, 40, BarHeight), c.status,
               pdfFont(10, true), Qt::AlignLeft | Qt::AlignVCenter, verdictColor(c.verdict));
    pages.text(QRectF(left + width / 2, top, width / 2 - 2, BarHeight),
               words("Tested %1").arg(r.time()), pdfFont(8), Qt::AlignRight | Qt::AlignVCenter);

    // What was tested, on the left; the pairs on the right.
    const double factsWidth = width * 0.5;
    const QString unit = lengthUnit(metric);
    const QString definition = def->id().isEmpty() || def->id() == QLatin1String("error")
                                   ? words("no test definition named %1 in the job").arg(c.type)
                                   : testDefSummary(*def, metric);
    const QList<QPair<QString, QString>> rows{{words("From"), endText(c.from, c.fromPlace)},
                                              {words("To"), endText(c.to, c.toPlace)},
                                              {words("Type"), c.type},
                                              {words("Tester"), testerText(r)},
                                              {words("Length"), lengthText(c, unit)},
                                              {words("BERT errors"), bertText(r)}};
    double y = top + BarHeight + 2;
    for (const auto& row : rows) {
        pages.text(QRectF(left + 1, y, 24, 3.9), row.first, pdfFont(BodyPoints, true));
        pages.text(QRectF(left + 25, y, factsWidth - 26, 3.9), row.second, pdfFont(BodyPoints));
        y += 3.9;
    }
    // What the cable was judged against gets the whole width.
    pages.text(QRectF(left + 1, y, 24, 3.9), words("Judged against"), pdfFont(BodyPoints, true));
    pages.text(QRectF(left + 25, y, width - 26, 3.9),
               joined({c.type, definition}, QStringLiteral(": ")), pdfFont(BodyPoints));

    const double tableLeft = left + factsWidth + 2;
    const double tableWidth = width - factsWidth - 2;
    const QList<double> cols{10, 21, 15, tableWidth - 46};
    const QStringList head{words("Pins"), words("Length (%1)").arg(unit), words("Wired to"),
                           words("Verdict")};
    y = top + BarHeight + 2;
    pages.box(QRectF(tableLeft, y, tableWidth, 3.9), BarColor);
    double x = tableLeft;
    for (int i = 0; i < head.size(); ++i) {
        pages.text(QRectF(x + 1, y, cols.at(i) - 2, 3.9), head.at(i), pdfFont(BodyPoints, true));
        x += cols.at(i);
    }
    y += 3.9;
    for (const PairCheck& pair : pairChecks(r, *def, metric)) {
        x = tableLeft;
        const QStringList cells{pair.pins, pair.length, pair.wiredTo};
        for (int i = 0; i < cells.size(); ++i) {
            pages.text(QRectF(x + 1, y, cols.at(i) - 2, 3.9), cells.at(i), pdfFont(BodyPoints));
            x += cols.at(i);
        }
        // The verdict in bold, why a pair failed after it in small type.
        const QColor color = pair.result == PairCheck::Pass   ? PassColor
                             : pair.result == PairCheck::Fail ? FailColor
                                                              : UntestedColor;
        const QFont bold = pdfFont(BodyPoints, true);
        const QString verdict = pairResultText(pair.result);
        const double verdictWidth =
            pages.metrics(bold).horizontalAdvance(verdict + QLatin1Char(' ')) / pages.u(1);
        pages.text(QRectF(x + 1, y, cols.at(3) - 2, 3.9), verdict, bold,
                   Qt::AlignLeft | Qt::AlignVCenter, color);
        pages.text(QRectF(x + 1 + verdictWidth, y, cols.at(3) - 2 - verdictWidth, 3.9), pair.reason,
                   pdfFont(SmallPoints), Qt::AlignLeft | Qt::AlignVCenter, color);
        y += 3.9;
        pages.rule(y, QColor(0xdd, 0xdd, 0xdd), tableLeft, tableLeft + tableWidth);
    }

    const char* const titles[3] = {"Echo", "NEXT", "Channel"};
    const LUMEN_PLOT_DATA plots[3] = {r.echo(), r.next(), r.channel()};
    for (int i = 0; i < 3; ++i) {
        const double plotWidth = (width - 2 * PlotGap) / 3;
        const QRectF area(left + i * (plotWidth + PlotGap), top + PlotTop, plotWidth, PlotHeight);
        plot(pages, area, words(titles[i]), plots[i]);
    }
    pages.rule(top + BlockHeight + BlockGap / 2, RuleColor);
}

void activeTests(Pages& pages, const ReportData& d)
{
    pages.heading(words("Active network tests"));
    if (d.active.isEmpty()) {
        pages.text(QRectF(pages.left(), pages.y(), pages.width(), LineHeight),
                   words("No active network tests are stored in the job."), pdfFont(BodyPoints));
        pages.advance(LineHeight);
        return;
    }
    const double w = pages.width();
    const QList<double> widths{w * 0.15, w * 0.12, w * 0.53, w * 0.20};
    pages.row({words("Port"), words("Test"), words("Result"), words("Date")}, widths, true);
    QString last;
    for (const ReportActive& a : d.active) {
        if (pages.y() + LineHeight > pages.bottom()) {
            pages.newPage();
            pages.row({words("Port"), words("Test"), words("Result"), words("Date")}, widths, true);
            last.clear();
        }
        pages.row({a.port == last ? QString() : a.port, a.type, a.result, a.time}, widths);
        last = a.port;
    }
}

void signOff(Pages& pages, const ReportData& d)
{
    const double height = 52;
    pages.advance(4);
    pages.heading(words("Sign-off"), height);
    const double top = pages.y();
    const double half = (pages.width() - 6) / 2;
    const struct
    {
        QString title;
        QString name;
    } parties[2] = {{words("Tested and certified by"),
                     joined({d.contractor.tester(), d.contractor.company()}, QStringLiteral(", "))},
                    {words("Accepted on behalf of the owner"), d.site.company()}};
    for (int i = 0; i < 2; ++i) {
        const double x = pages.left() + i * (half + 6);
        pages.box(QRectF(x, top, half, height), Qt::transparent, QColor(0x55, 0x55, 0x55));
        pages.text(QRectF(x + 3, top + 2, half - 6, 5), parties[i].title, pdfFont(9, true));
        pages.text(QRectF(x + 3, top + 7, half - 6, 4), parties[i].name, pdfFont(BodyPoints));
        double y = top + 20;
        for (const QString& field : {words("Name"), words("Signature"), words("Date")}) {
            pages.text(QRectF(x + 3, y - 4, 22, 4), field, pdfFont(BodyPoints));
            pages.rule(y, QColor(0x55, 0x55, 0x55), x + 25, x + half - 4);
            y += 11;
        }
    }
    pages.advance(height);
}

void layOut(Pages& pages, Ductbook& job, const ReportData& d, const FloorPlan* plan, bool metric)
{
    cover(pages, d);
    summary(pages, d);
    for (int f : d.shownFloors)
        floorSection(pages, plan, f, d.floors.at(f));
    schedule(pages, d, metric);
    pages.newPage();
    pages.heading(words("Test results"), BlockHeight);
    if (d.tested.isEmpty()) {
        pages.text(QRectF(pages.left(), pages.y(), pages.width(), LineHeight),
                   words(d.selection.isEmpty() ? "No cable of the job has a test result."
                                               : "No cable of the selection has a test result."),
                   pdfFont(BodyPoints));
        pages.advance(LineHeight);
    }
    QHash<QString, TestDef> defs;
    for (int i : d.tested)
        cableBlock(pages, job, d.cables.at(i), defs, metric);
    pages.newPage();
    activeTests(pages, d);
    signOff(pages, d);
}

} // namespace

QRectF pdfReportPlotFrame(int plot, bool a4)
{
    const double plotWidth = (contentWidth(a4) - 2 * PlotGap) / 3;
    const QRectF area(plot * (plotWidth + PlotGap), PlotTop, plotWidth, PlotHeight);
    const PlotAxes axes(
        {}, QSize(qRound(area.width() * PointsPerMm), qRound(area.height() * PointsPerMm)));
    const QRectF f = axes.frame();
    return {area.left() + f.left() / PointsPerMm, area.top() + f.top() / PointsPerMm,
            f.width() / PointsPerMm, f.height() / PointsPerMm};
}

double pdfReportBlockHeight()
{
    return BlockHeight;
}

bool writePdfReport(Ductbook& job, const QString& jobPath, bool metric, bool a4,
                    const ReportFilter& filter, QIODevice& device, QString* error)
{
    const JobModel model(job);
    const ReportData data = readReportData(job, model, jobPath, metric, filter);
    QPdfWriter writer(&device);
    writer.setTitle(
        joined({words("Cable certification report"), data.site.company(), data.site.jobid()}));
    writer.setCreator(QStringLiteral("jobtool"));
    writer.setPageSize(QPageSize(a4 ? QPageSize::A4 : QPageSize::Letter));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));

    // First count the pages, then draw them knowing how many there are.
    Pages counting(writer, data, a4, 0);
    counting.begin(error);
    layOut(counting, job, data, nullptr, metric);

    const QList<CableLine> cables = allCables(job);
    const FloorPlan plan(model, cables);
    Pages pages(writer, data, a4, counting.page());
    if (!pages.begin(error))
        return false;
    layOut(pages, job, data, &plan, metric);
    if (!pages.end() || pages.page() != counting.page()) {
        *error = words("cannot write the report: %1").arg(device.errorString());
        return false;
    }
    return true;
}

} // namespace Plan
