// The certification report as one self-contained XHTML page: the same
// contents as the PDF (gathered by readReportData), styled for the screen
// and for print, with each tested cable's plots drawn inline as small SVG.
#include "report_p.h"

#include "cablelengths_p.h"
#include "drawings_p.h"
#include "floorplan_p.h"
#include "jobmodel_p.h"
#include "pairchecks_p.h"
#include "pdfpages_p.h"
#include "plotaxes_p.h"
#include "reportdata_p.h"
#include "xmloutput_p.h"

#include <ductbook.h>
#include <testdef.h>

#include <QBuffer>
#include <QHash>
#include <QIODevice>
#include <QXmlStreamWriter>

#include <cmath>

namespace Plan {

namespace {

// Screen and print styles. In print a cable's block, a table row and a
// heading with what follows stay on one page; browsers that support page
// margin boxes number the pages.
const char* const Style = R"(
body { font-family: "DejaVu Sans", Arial, sans-serif; font-size: 10pt; margin: 1.5em; color: #222; }
h1 { margin: 0 0 0.2em; font-size: 20pt; }
h2 { margin: 1.2em 0 0.4em; font-size: 14pt; }
h3 { margin: 0.8em 0 0.3em; font-size: 11pt; }
table { border-collapse: collapse; margin: 0.3em 0 0.8em; }
th, td { border: 1px solid #ccc; padding: 0.1em 0.5em; text-align: left; vertical-align: top; }
th { background: #eee; }
table.facts th { background: none; border: 0; padding-left: 0; }
table.facts td { border: 0; }
.pass { color: #1b7a2e; font-weight: bold; }
.fail { color: #b01010; font-weight: bold; }
.untested { color: #666; font-weight: bold; }
.why { font-weight: normal; font-size: 85%; }
.place { color: #666; font-size: 85%; }
p.rate { font-weight: bold; font-size: 12pt; }
section.cable { border-top: 2px solid #bbb; margin-top: 1em; padding-top: 0.2em; }
section.cable h3 { display: flex; gap: 1em; }
section.cable h3 .date { margin-left: auto; font-weight: normal; font-size: 9pt; }
.block { display: flex; flex-wrap: wrap; gap: 0 1.5em; }
.plots { display: flex; flex-wrap: wrap; gap: 0.5em; }
figure { margin: 0; }
.floor svg { max-width: 100%; height: auto; }
.signoff { display: flex; gap: 1.5em; }
.party { flex: 1; border: 1px solid #555; padding: 0.5em 1em 1em; }
.party p { margin: 1.6em 0 0; border-bottom: 1px solid #555; }
@page { size: A4; margin: 15mm 12mm 16mm;
  @bottom-right { content: "Page " counter(page) " of " counter(pages); font-size: 8pt; } }
@media print {
  body { margin: 0; font-size: 9pt; }
  #summary, .floor, #schedule, #tested, #active { break-before: page; page-break-before: always; }
  h2, h3 { break-after: avoid; page-break-after: avoid; }
  section.cable, tr, figure, .signoff { break-inside: avoid; page-break-inside: avoid; }
  #signoff { break-inside: avoid; page-break-inside: avoid; }
  thead { display: table-header-group; }
  a { color: inherit; text-decoration: none; }
}
)";

// The size of a plot picture in CSS pixels: three side by side across a
// printed page.
const QSize PlotSize(220, 140);
const char* const SeriesColors[2] = {"#1f77b4", "#d62728"};

QString verdictClass(Verdict v)
{
    return v == Verdict::Pass   ? QStringLiteral("pass")
           : v == Verdict::Fail ? QStringLiteral("fail")
                                : QStringLiteral("untested");
}

using Attributes = QList<QPair<QString, QString>>;

class Html
{
public:
    explicit Html(XmlOutput& output) : m_output(output), m_xml(output.xml()) {}

    void start(const QString& name, const Attributes& attributes = {})
    {
        m_xml.writeStartElement(name);
        for (const auto& a : attributes)
            m_xml.writeAttribute(a.first, a.second);
    }
    void end() { m_xml.writeEndElement(); }
    // An element with text; an empty one is still written with an end tag,
    // which HTML parsers need for every element that is not void.
    void element(const QString& name, const QString& text, const Attributes& attributes = {})
    {
        start(name, attributes);
        m_xml.writeCharacters(text);
        end();
    }
    void text(const QString& text) { m_xml.writeCharacters(text); }
    void row(const QStringList& cells, const QString& cellName = QStringLiteral("td"),
             const Attributes& attributes = {})
    {
        start(QStringLiteral("tr"), attributes);
        for (const QString& c : cells)
            element(cellName, c);
        end();
    }
    void headRow(const QStringList& cells)
    {
        start(QStringLiteral("thead"));
        row(cells, QStringLiteral("th"));
        end();
    }
    void facts(const QList<QPair<QString, QString>>& rows)
    {
        start(QStringLiteral("table"), {{QStringLiteral("class"), QStringLiteral("facts")}});
        for (const auto& r : rows) {
            start(QStringLiteral("tr"));
            element(QStringLiteral("th"), r.first);
            element(QStringLiteral("td"), r.second);
            end();
        }
        end();
    }
    // A port with its room and floor under it.
    void endCell(const QString& port, const QString& place)
    {
        start(QStringLiteral("td"));
        text(port);
        if (!place.isEmpty()) {
            m_xml.writeEmptyElement(QStringLiteral("br"));
            element(QStringLiteral("span"), place,
                    {{QStringLiteral("class"), QStringLiteral("place")}});
        }
        end();
    }
    void verdictCell(const QString& text, Verdict v)
    {
        element(QStringLiteral("td"), text, {{QStringLiteral("class"), verdictClass(v)}});
    }
    // The ids of the cables with a verdict; a tested cable's id links to
    // its block.
    void idList(const ReportData& d, Verdict v)
    {
        start(QStringLiteral("p"), {{QStringLiteral("class"), QStringLiteral("ids")}});
        bool first = true;
        for (const ReportCable& c : d.cables) {
            if (c.verdict != v)
                continue;
            if (!first)
                text(QStringLiteral(", "));
            first = false;
            if (v == Verdict::Untested)
                text(c.id);
            else
                element(QStringLiteral("a"), c.id,
                        {{QStringLiteral("href"), QStringLiteral("#cable-") + c.tag}});
        }
        if (first)
            text(words("none"));
        end();
    }
    QXmlStreamWriter& xml() { return m_xml; }
    XmlOutput& output() { return m_output; }

private:
    XmlOutput& m_output;
    QXmlStreamWriter& m_xml;
};

void appendInt(QString& text, int value)
{
    text += QString::number(value);
}

// The points of a series as the picture shows them: in whole pixels, at
// most one per pixel column (the one farthest from the point kept before
// it, so that a spike stays), and none that lies within 0.7 pixel of the
// straight line between its kept neighbours (which also drops the steps
// that rounding puts into a sloping straight line).
QVector<QPoint> plotPoints(const PlotAxes& axes, const qint32* values, int count)
{
    QVector<QPoint> columns;
    columns.reserve(count);
    for (int i = 0; i < count; ++i) {
        const QPoint p(qRound(axes.xPixel(i)), qRound(axes.yPixel(values[i])));
        if (!columns.isEmpty() && columns.last().x() == p.x()) {
            const int before = columns.size() > 1 ? columns.at(columns.size() - 2).y() : p.y();
            if (std::abs(p.y() - before) > std::abs(columns.last().y() - before))
                columns.last() = p;
            continue;
        }
        columns.append(p);
    }
    const int n = int(columns.size());
    if (n < 3)
        return columns;
    QVector<bool> keep(n, false);
    keep[0] = keep[n - 1] = true;
    QVector<QPair<int, int>> spans{{0, n - 1}};
    while (!spans.isEmpty()) {
        const QPair<int, int> span = spans.takeLast();
        const QPointF a = columns.at(span.first);
        const QPointF d = QPointF(columns.at(span.second)) - a;
        const double length = std::hypot(d.x(), d.y());
        double worst = -1;
        int worstAt = -1;
        for (int i = span.first + 1; i < span.second; ++i) {
            const QPointF v = QPointF(columns.at(i)) - a;
            const double distance = length > 0 ? std::abs(d.x() * v.y() - d.y() * v.x()) / length
                                               : std::hypot(v.x(), v.y());
            if (distance > worst) {
                worst = distance;
                worstAt = i;
            }
        }
        if (worst > 0.7) {
            keep[worstAt] = true;
            spans.append({span.first, worstAt});
            spans.append({worstAt, span.second});
        }
    }
    QVector<QPoint> kept;
    for (int i = 0; i < n; ++i) {
        if (keep.at(i))
            kept.append(columns.at(i));
    }
    return kept;
}

// An SVG path through the points: one move, then relative lines.
QString pathData(const QVector<QPoint>& points)
{
    QString d;
    d.reserve(points.size() * 5 + 8);
    d += QLatin1Char('M');
    appendInt(d, points.at(0).x());
    d += QLatin1Char(' ');
    appendInt(d, points.at(0).y());
    d += QLatin1Char('l');
    for (int i = 1; i < points.size(); ++i) {
        const QPoint step = points.at(i) - points.at(i - 1);
        if (i > 1)
            d += QLatin1Char(' ');
        appendInt(d, step.x());
        if (step.y() >= 0)
            d += QLatin1Char(' ');
        appendInt(d, step.y());
    }
    return d;
}

// The width of a label in the plots' 9 px sans serif, generously: digits
// and the minus sign are at most 0.65 em wide.
double labelWidth(const QString& text)
{
    return text.size() * 9 * 0.65;
}

// One plot as compact inline SVG, written as text: the frame, a grid line
// and label per tick, the axis title, and each series as one path in
// whole pixels.
QString plotSvg(const QString& title, const LUMEN_PLOT_DATA& data)
{
    const int count = data.pointCount == 257 ? 257 : 0;
    const PlotAxes axes(
        {{data.series1, count, QString(), QString()}, {data.series2, count, QString(), QString()}},
        PlotSize);
    const QRect frame = axes.frame().toRect();
    QString s;
    s.reserve(3000);
    s += QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" "
                        "viewBox=\"0 0 %1 %2\" font-family=\"DejaVu Sans,Arial,sans-serif\" "
                        "font-size=\"9\">")
             .arg(PlotSize.width())
             .arg(PlotSize.height());
    s += QStringLiteral("<text x=\"%1\" y=\"13\" font-size=\"11\" font-weight=\"bold\">%2</text>")
             .arg(frame.left())
             .arg(title.toHtmlEscaped());
    const QString frameRect =
        QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"none\" "
                       "stroke=\"#666\"/>")
            .arg(frame.left())
            .arg(frame.top())
            .arg(frame.width())
            .arg(frame.height());
    if (count == 0) {
        s += frameRect;
        s +=
            QStringLiteral("<text x=\"%1\" y=\"%2\" text-anchor=\"middle\" fill=\"#666\">%3</text>")
                .arg(frame.center().x())
                .arg(frame.center().y())
                .arg(words("No %1 plot stored").arg(title).toHtmlEscaped());
        s += QStringLiteral("</svg>");
        return s;
    }
    QString grid;
    QString yLabels;
    for (double v : axes.yTicks()) {
        const int y = qRound(axes.yPixel(v));
        grid += QStringLiteral("M%1 %2h%3").arg(frame.left()).arg(y).arg(frame.width());
        yLabels += QStringLiteral("<text x=\"%1\" y=\"%2\">%3</text>")
                       .arg(frame.left() - 4)
                       .arg(y + 3)
                       .arg(QString::number(v));
    }
    QString xLabels;
    for (double i : axes.xTicks()) {
        const int x = qRound(axes.xPixel(i));
        grid += QStringLiteral("M%1 %2v%3").arg(x).arg(frame.top()).arg(frame.height());
        // Centred under its tick, but never past the picture's right edge.
        const QString text = QString::number(i);
        const int centre = qMin(double(x), PlotSize.width() - 1 - labelWidth(text) / 2);
        xLabels += QStringLiteral("<text x=\"%1\" y=\"%2\">%3</text>")
                       .arg(centre)
                       .arg(frame.bottom() + 13)
                       .arg(text);
    }
    s += QStringLiteral("<path d=\"%1\" stroke=\"#e4e4e4\" fill=\"none\"/>").arg(grid);
    s += QStringLiteral("<g fill=\"#444\" text-anchor=\"end\">") + yLabels +
         QStringLiteral("</g><g fill=\"#444\" text-anchor=\"middle\">") + xLabels +
         QStringLiteral("<text x=\"%1\" y=\"%2\">%3</text></g>")
             .arg(frame.center().x())
             .arg(PlotSize.height() - 3)
             .arg(words("point"));
    s += QStringLiteral("<g fill=\"none\" stroke-width=\"1.2\" stroke-linejoin=\"round\">");
    const qint32* series[2] = {data.series1, data.series2};
    for (int i = 0; i < 2; ++i) {
        s += QStringLiteral("<path class=\"series%1\" stroke=\"%2\" d=\"")
                 .arg(i + 1)
                 .arg(QLatin1String(SeriesColors[i]));
        s += pathData(plotPoints(axes, series[i], count));
        s += QStringLiteral("\"/>");
    }
    s += QStringLiteral("</g>");
    s += frameRect;
    s += QStringLiteral("</svg>");
    return s;
}

void writeCover(Html& html, const ReportData& d)
{
    html.start(QStringLiteral("section"), {{QStringLiteral("id"), QStringLiteral("cover")}});
    html.element(QStringLiteral("h1"), words("Cable certification report"));
    html.element(QStringLiteral("p"), d.site.company(),
                 {{QStringLiteral("class"), QStringLiteral("site")}});
    html.facts(coverFacts(d));
    const ReportCounts all = d.counts();
    html.element(QStringLiteral("h2"), words("Results"));
    html.start(QStringLiteral("table"), {{QStringLiteral("class"), QStringLiteral("by-verdict")}});
    html.headRow({words("Verdict"), words("Cables")});
    const QList<QPair<Verdict, int>> rows{{Verdict::Pass, all.passed},
                                          {Verdict::Fail, all.failed},
                                          {Verdict::Untested, all.untested}};
    for (const auto& r : rows) {
        html.start(QStringLiteral("tr"));
        html.verdictCell(verdictText(r.first), r.first);
        html.element(QStringLiteral("td"), QString::number(r.second));
        html.end();
    }
    html.row({words("Total"), QString::number(all.total)});
    html.end();
    html.element(QStringLiteral("p"),
                 words("Pass rate: %1 of the %2 tested cables; %3 of %4 cables tested")
                     .arg(percent(all.passed, all.passed + all.failed))
                     .arg(all.passed + all.failed)
                     .arg(all.passed + all.failed)
                     .arg(all.total),
                 {{QStringLiteral("class"), QStringLiteral("rate")}});
    html.end();
}

void writeSummary(Html& html, const ReportData& d)
{
    html.start(QStringLiteral("section"), {{QStringLiteral("id"), QStringLiteral("summary")}});
    html.element(QStringLiteral("h2"), words("Summary"));
    const QStringList head{words("Cables"), words("Passed"), words("Failed"), words("Untested"),
                           words("Pass rate")};
    html.element(QStringLiteral("h3"), words("By cable type"));
    html.start(QStringLiteral("table"), {{QStringLiteral("class"), QStringLiteral("by-type")}});
    html.headRow(QStringList{words("Type")} + head);
    const QMap<QString, ReportCounts> byType = d.countsByType();
    for (auto it = byType.cbegin(); it != byType.cend(); ++it)
        html.row(QStringList{it.key()} + it->cells());
    html.end();
    html.element(QStringLiteral("h3"), words("By floor (of the cable's first end)"));
    html.start(QStringLiteral("table"), {{QStringLiteral("class"), QStringLiteral("by-floor")}});
    html.headRow(QStringList{words("Floor")} + head);
    const QList<ReportCounts> byFloor = d.countsByFloor();
    for (int f = 0; f < byFloor.size(); ++f) {
        if (byFloor.at(f).total > 0)
            html.row(QStringList{f < d.floors.size() ? d.floors.at(f) : words("(no floor)")} +
                     byFloor.at(f).cells());
    }
    html.end();
    html.element(QStringLiteral("h3"),
                 words("Failing cables (%1)").arg(d.idsWith(Verdict::Fail).size()));
    html.idList(d, Verdict::Fail);
    html.element(QStringLiteral("h3"),
                 words("Untested cables (%1)").arg(d.idsWith(Verdict::Untested).size()));
    html.idList(d, Verdict::Untested);
    html.end();
}

// Each floor the report covers, drawn as the floor plan draws it.
bool writeFloors(Html& html, Ductbook& job, const JobModel& model, const ReportData& d,
                 QString* error)
{
    if (d.shownFloors.isEmpty())
        return true;
    const FloorPlan plan(model, allCables(job));
    for (int f : d.shownFloors) {
        html.start(QStringLiteral("section"), {{QStringLiteral("class"), QStringLiteral("floor")},
                                               {QStringLiteral("data-floor"), d.floors.at(f)}});
        html.element(QStringLiteral("h2"), words("Floor %1").arg(d.floors.at(f)));
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        if (!writeFloorSvg(job, plan, f, buffer, error))
            return false;
        // The drawing without its XML declaration, as inline SVG.
        const QString svg = QString::fromUtf8(buffer.data());
        html.output().raw(svg.mid(qMax(0, int(svg.indexOf(QLatin1String("<svg"))))));
        html.end();
    }
    return true;
}

void writeSchedule(Html& html, const ReportData& d, bool metric)
{
    const QString unit = lengthUnit(metric);
    html.start(QStringLiteral("section"), {{QStringLiteral("id"), QStringLiteral("schedule")}});
    html.element(QStringLiteral("h2"), words("Cable schedule"));
    html.start(QStringLiteral("table"), {{QStringLiteral("class"), QStringLiteral("schedule")}});
    html.headRow({words("Cable"), words("From"), words("To"), words("Type"),
                  words("Est. (%1)").arg(unit), words("Meas. (%1)").arg(unit), words("Status")});
    for (const ReportCable& c : d.cables) {
        html.start(QStringLiteral("tr"), {{QStringLiteral("data-cable"), c.id}});
        html.element(QStringLiteral("td"), c.id);
        html.endCell(c.from, c.fromPlace);
        html.endCell(c.to, c.toPlace);
        for (const QString& cell : {c.type, c.estimated, c.measured})
            html.element(QStringLiteral("td"), cell);
        html.verdictCell(c.status.isEmpty() ? untestedStatus() : c.status, c.verdict);
        html.end();
    }
    html.end();
    html.end();
}

void writeCable(Html& html, Ductbook& job, const ReportCable& c, QHash<QString, TestDef>& defs,
                bool metric)
{
    const TestResults r = job.getCableTestResults(c.tag);
    auto def = defs.find(c.type);
    if (def == defs.end())
        def = defs.insert(c.type, job.getTestDef(c.type));
    const QString unit = lengthUnit(metric);
    const QString definition = def->id().isEmpty() || def->id() == QLatin1String("error")
                                   ? words("no test definition named %1 in the job").arg(c.type)
                                   : testDefSummary(*def, metric);

    html.start(QStringLiteral("section"), {{QStringLiteral("class"), QStringLiteral("cable")},
                                           {QStringLiteral("id"), QStringLiteral("cable-") + c.tag},
                                           {QStringLiteral("data-cable"), c.id}});
    html.start(QStringLiteral("h3"));
    html.element(QStringLiteral("span"), c.id);
    html.text(QStringLiteral(" "));
    html.element(QStringLiteral("span"), c.status,
                 {{QStringLiteral("class"), verdictClass(c.verdict)}});
    html.text(QStringLiteral(" "));
    html.element(QStringLiteral("span"), words("Tested %1").arg(r.time()),
                 {{QStringLiteral("class"), QStringLiteral("date")}});
    html.end();

    html.start(QStringLiteral("div"), {{QStringLiteral("class"), QStringLiteral("block")}});
    html.facts({{words("From"), joined({c.from, c.fromPlace})},
                {words("To"), joined({c.to, c.toPlace})},
                {words("Type"), c.type},
                {words("Judged against"), joined({c.type, definition}, QStringLiteral(": "))},
                {words("Tester"), testerText(r)},
                {words("Length"), lengthText(c, unit)},
                {words("BERT errors"), bertText(r)}});

    html.start(QStringLiteral("table"), {{QStringLiteral("class"), QStringLiteral("pairs")}});
    html.headRow(
        {words("Pins"), words("Length (%1)").arg(unit), words("Wired to"), words("Verdict")});
    for (const PairCheck& pair : pairChecks(r, *def, metric)) {
        html.start(QStringLiteral("tr"));
        for (const QString& cell : {pair.pins, pair.length, pair.wiredTo})
            html.element(QStringLiteral("td"), cell);
        const Verdict v = pair.result == PairCheck::Pass   ? Verdict::Pass
                          : pair.result == PairCheck::Fail ? Verdict::Fail
                                                           : Verdict::Untested;
        html.start(QStringLiteral("td"), {{QStringLiteral("class"), verdictClass(v)}});
        html.text(pairResultText(pair.result));
        if (!pair.reason.isEmpty()) {
            html.text(QStringLiteral(" "));
            html.element(QStringLiteral("span"), pair.reason,
                         {{QStringLiteral("class"), QStringLiteral("why")}});
        }
        html.end();
        html.end();
    }
    html.end();
    html.end(); // block

    const struct
    {
        const char* key;
        const char* title;
        LUMEN_PLOT_DATA plot;
    } plots[] = {{"echo", "Echo", r.echo()},
                 {"next", "NEXT", r.next()},
                 {"channel", "Channel", r.channel()}};
    html.start(QStringLiteral("div"), {{QStringLiteral("class"), QStringLiteral("plots")}});
    for (const auto& p : plots) {
        html.start(QStringLiteral("figure"), {{QStringLiteral("data-plot"), QLatin1String(p.key)}});
        html.output().raw(plotSvg(words(p.title), p.plot));
        html.end();
    }
    html.end();
    html.end(); // section
}

void writeActive(Html& html, const ReportData& d)
{
    html.start(QStringLiteral("section"), {{QStringLiteral("id"), QStringLiteral("active")}});
    html.element(QStringLiteral("h2"), words("Active network tests"));
    if (d.active.isEmpty()) {
        html.element(QStringLiteral("p"),
                     words(d.shownFloors.size() == d.floors.size()
                               ? "No active network tests are stored in the job."
                               : "No active network tests on the chosen floors."));
    } else {
        html.start(QStringLiteral("table"), {{QStringLiteral("class"), QStringLiteral("active")}});
        html.headRow({words("Port"), words("Test"), words("Result"), words("Date")});
        for (const ReportActive& a : d.active)
            html.row({a.port, a.type, a.result, a.time}, QStringLiteral("td"),
                     {{QStringLiteral("data-port"), a.port}});
        html.end();
    }
    html.end();
}

void writeSignOff(Html& html, const ReportData& d)
{
    html.start(QStringLiteral("section"), {{QStringLiteral("id"), QStringLiteral("signoff")}});
    html.element(QStringLiteral("h2"), words("Sign-off"));
    html.start(QStringLiteral("div"), {{QStringLiteral("class"), QStringLiteral("signoff")}});
    const QList<QPair<QString, QString>> parties{
        {words("Tested and certified by"),
         joined({d.contractor.tester(), d.contractor.company()}, QStringLiteral(", "))},
        {words("Accepted on behalf of the owner"), d.site.company()}};
    for (const auto& party : parties) {
        html.start(QStringLiteral("div"), {{QStringLiteral("class"), QStringLiteral("party")}});
        html.element(QStringLiteral("h3"), party.first);
        html.element(QStringLiteral("div"), party.second);
        for (const QString& field : {words("Name"), words("Signature"), words("Date")})
            html.element(QStringLiteral("p"), field);
        html.end();
    }
    html.end();
    html.end();
}

} // namespace

// The job keeps the tester's verdict as text: "UNTESTED" (or nothing) until
// a test is stored, then what the tester said. Anything that does not start
// with "PASS" counts as failing, so that an unknown word is looked at.
Verdict verdictOf(const QString& status)
{
    if (status.isEmpty() || status == untestedStatus())
        return Verdict::Untested;
    return status.startsWith(QLatin1String("PASS"), Qt::CaseInsensitive) ? Verdict::Pass
                                                                         : Verdict::Fail;
}

bool writeReport(Ductbook& job, const QString& jobPath, bool metric, QIODevice& device,
                 QString* error)
{
    return writeReport(job, jobPath, metric, ReportFilter(), device, error);
}

bool writeReport(Ductbook& job, const QString& jobPath, bool metric, const ReportFilter& filter,
                 QIODevice& device, QString* error)
{
    const JobModel model(job);
    const ReportData d = readReportData(job, model, jobPath, metric, filter);
    XmlOutput output(device);
    QXmlStreamWriter& xml = output.xml();
    Html html(output);
    xml.writeDTD(QStringLiteral("<!DOCTYPE html>"));
    html.start(QStringLiteral("html"),
               {{QStringLiteral("xmlns"), QStringLiteral("http://www.w3.org/1999/xhtml")},
                {QStringLiteral("lang"), QStringLiteral("en")}});
    html.start(QStringLiteral("head"));
    xml.writeEmptyElement(QStringLiteral("meta"));
    xml.writeAttribute(QStringLiteral("charset"), QStringLiteral("utf-8"));
    html.element(QStringLiteral("title"),
                 joined({words("Cable certification report"), d.site.company(), d.site.jobid()}));
    html.element(QStringLiteral("style"), QLatin1String(Style));
    html.end();
    html.start(QStringLiteral("body"));
    writeCover(html, d);
    writeSummary(html, d);
    if (!writeFloors(html, job, model, d, error))
        return false;
    writeSchedule(html, d, metric);
    if (!output.flush(false, error))
        return false;

    html.start(QStringLiteral("section"), {{QStringLiteral("id"), QStringLiteral("tested")}});
    html.element(QStringLiteral("h2"), words("Test results"));
    if (d.tested.isEmpty())
        html.element(QStringLiteral("p"),
                     words(d.selection.isEmpty() ? "No cable of the job has a test result."
                                                 : "No cable of the selection has a test result."));
    QHash<QString, TestDef> defs;
    for (int i : d.tested) {
        writeCable(html, job, d.cables.at(i), defs, metric);
        if (!output.flush(false, error))
            return false;
    }
    html.end();
    writeActive(html, d);
    writeSignOff(html, d);
    html.end(); // body
    html.end(); // html
    xml.writeEndDocument();
    return output.flush(true, error);
}

} // namespace Plan
