// The test report as one self-contained XHTML page, with each tested
// cable's pair values and its response plots drawn inline.
#include "report_p.h"

#include "cablelengths_p.h"
#include "jobmodel_p.h"
#include "pairvalues_p.h"
#include "svgwriter_p.h"
#include "xmloutput_p.h"

#include <ductbook.h>

#include <QFileInfo>
#include <QIODevice>
#include <QMap>
#include <QXmlStreamWriter>

namespace Plan {

namespace {

const char* const Style = R"(
body { font-family: sans-serif; margin: 2em; color: #222; }
h1 { margin-bottom: 0.2em; }
table { border-collapse: collapse; margin: 0.5em 0 1em; }
th, td { border: 1px solid #bbb; padding: 0.2em 0.6em; text-align: left; }
th { background: #eee; }
.status-fail { color: #b00; font-weight: bold; }
.status-pass { color: #070; }
.status-untested { color: #666; }
section.cable { border-top: 2px solid #ccc; margin-top: 1.5em; }
.plots { display: flex; flex-wrap: wrap; gap: 1em; }
figure { margin: 0; }
)";

QString statusClass(Verdict v)
{
    switch (v) {
    case Verdict::Fail:
        return QStringLiteral("status-fail");
    case Verdict::Pass:
        return QStringLiteral("status-pass");
    case Verdict::Untested:
        break;
    }
    return QStringLiteral("status-untested");
}

// One cable as the summary needs it.
struct CableRow : CableLine
{
    QString status;
    QString time;
    Verdict verdict = Verdict::Untested;
};

class Html
{
public:
    explicit Html(XmlOutput& output) : m_output(output), m_xml(output.xml()) {}

    void start(const QString& name, const SvgWriter::Attributes& attributes = {})
    {
        m_xml.writeStartElement(name);
        for (const auto& a : attributes)
            m_xml.writeAttribute(a.first, a.second);
    }
    void end() { m_xml.writeEndElement(); }
    // An element with text; an empty one is still written with an end tag,
    // which HTML parsers need for every element that is not void.
    void element(const QString& name, const QString& text,
                 const SvgWriter::Attributes& attributes = {})
    {
        start(name, attributes);
        m_xml.writeCharacters(text);
        end();
    }
    void row(const QStringList& cells, const QString& cellName = QStringLiteral("td"),
             const SvgWriter::Attributes& attributes = {})
    {
        start(QStringLiteral("tr"), attributes);
        for (const QString& c : cells)
            element(cellName, c);
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
    QXmlStreamWriter& xml() { return m_xml; }
    XmlOutput& output() { return m_output; }

private:
    XmlOutput& m_output;
    QXmlStreamWriter& m_xml;
};

QString joined(const QStringList& parts, const QString& separator = QStringLiteral(", "))
{
    QStringList kept;
    for (const QString& p : parts) {
        if (!p.isEmpty())
            kept.append(p);
    }
    return kept.join(separator);
}

QString addressLine(const Address& a)
{
    return joined({a.address1(), a.address2(), a.city(), a.state(), a.zipcode(), a.country()});
}

void writeHeader(Html& html, Ductbook& job, const QString& jobPath)
{
    const SiteData site = job.getSiteData();
    const ContractorData contractor = job.getContractorData();
    html.element(QStringLiteral("h1"), QStringLiteral("Cable test report"));
    html.element(QStringLiteral("p"),
                 joined({site.company(), site.jobid(), QFileInfo(jobPath).fileName()},
                        QStringLiteral(" \u00b7 ")));
    html.start(QStringLiteral("section"), {{QStringLiteral("id"), QStringLiteral("job")}});
    html.element(QStringLiteral("h2"), QStringLiteral("Site"));
    html.facts({{QStringLiteral("Company"), site.company()},
                {QStringLiteral("Job id"), site.jobid()},
                {QStringLiteral("Contact"), site.contact()},
                {QStringLiteral("Phone"), site.phone()},
                {QStringLiteral("Email"), site.email()},
                {QStringLiteral("Address"), addressLine(site.address())}});
    html.element(QStringLiteral("h2"), QStringLiteral("Contractor"));
    html.facts({{QStringLiteral("Company"), contractor.company()},
                {QStringLiteral("Tester"), contractor.tester()},
                {QStringLiteral("Phone"), contractor.phone()},
                {QStringLiteral("Email"), contractor.email()},
                {QStringLiteral("Address"), addressLine(contractor.address())}});
    html.end();
}

void cableLink(Html& html, const CableRow& c)
{
    html.start(QStringLiteral("td"));
    html.element(QStringLiteral("a"), c.id,
                 {{QStringLiteral("href"), QStringLiteral("#cable-") + c.tag}});
    html.end();
}

void writeSummary(Html& html, const QList<CableRow>& cables)
{
    QMap<QString, int> byStatus;
    struct TypeCount
    {
        int total = 0;
        int passed = 0;
        int failed = 0;
        int untested = 0;
    };
    QMap<QString, TypeCount> byType;
    for (const CableRow& c : cables) {
        ++byStatus[c.status.isEmpty() ? untestedStatus() : c.status];
        TypeCount& t = byType[c.type];
        ++t.total;
        if (c.verdict == Verdict::Pass)
            ++t.passed;
        else if (c.verdict == Verdict::Fail)
            ++t.failed;
        else
            ++t.untested;
    }
    html.start(QStringLiteral("section"), {{QStringLiteral("id"), QStringLiteral("summary")}});
    html.element(QStringLiteral("h2"), QStringLiteral("Summary"));
    html.element(QStringLiteral("p"), QStringLiteral("%1 cables").arg(cables.size()));

    html.start(QStringLiteral("table"), {{QStringLiteral("class"), QStringLiteral("by-status")}});
    html.row({QStringLiteral("Status"), QStringLiteral("Cables")}, QStringLiteral("th"));
    for (auto it = byStatus.cbegin(); it != byStatus.cend(); ++it)
        html.row({it.key(), QString::number(it.value())}, QStringLiteral("td"),
                 {{QStringLiteral("class"), statusClass(verdictOf(it.key()))}});
    html.end();

    html.start(QStringLiteral("table"), {{QStringLiteral("class"), QStringLiteral("by-type")}});
    html.row({QStringLiteral("Type"), QStringLiteral("Cables"), QStringLiteral("Passed"),
              QStringLiteral("Failed"), QStringLiteral("Untested")},
             QStringLiteral("th"));
    for (auto it = byType.cbegin(); it != byType.cend(); ++it)
        html.row({it.key(), QString::number(it->total), QString::number(it->passed),
                  QString::number(it->failed), QString::number(it->untested)});
    html.end();

    html.element(QStringLiteral("h3"), QStringLiteral("Failing cables"));
    QList<const CableRow*> failing;
    for (const CableRow& c : cables) {
        if (c.verdict == Verdict::Fail)
            failing.append(&c);
    }
    if (failing.isEmpty()) {
        html.element(QStringLiteral("p"), QStringLiteral("None."));
    } else {
        html.start(QStringLiteral("table"), {{QStringLiteral("class"), QStringLiteral("failing")}});
        html.row({QStringLiteral("Cable"), QStringLiteral("From"), QStringLiteral("To"),
                  QStringLiteral("Type"), QStringLiteral("Status"), QStringLiteral("Tested")},
                 QStringLiteral("th"));
        for (const CableRow* c : failing) {
            html.start(QStringLiteral("tr"), {{QStringLiteral("data-cable"), c->id}});
            cableLink(html, *c);
            for (const QString& text : {c->from, c->to, c->type, c->status, c->time})
                html.element(QStringLiteral("td"), text);
            html.end();
        }
        html.end();
    }
    html.end();
}

void writePairs(Html& html, Ductbook& job, const QString& tag, const TestResults& r, bool metric)
{
    html.start(QStringLiteral("table"), {{QStringLiteral("class"), QStringLiteral("pairs")}});
    html.row({QStringLiteral("Pair"), QStringLiteral("Pins"),
              QStringLiteral("Length (%1)").arg(lengthUnit(metric)), QStringLiteral("Raw length"),
              QStringLiteral("Value"), QStringLiteral("Status code")},
             QStringLiteral("th"));
    const QList<PairValues> pairs = pairValues(job, tag, r, metric);
    for (int p = 0; p < pairs.size(); ++p) {
        const PairValues& v = pairs.at(p);
        html.row({QString::number(p + 1), v.pins, v.length, v.rawLength, v.value, v.statusCode},
                 QStringLiteral("td"), {{QStringLiteral("data-pair"), QString::number(p + 1)}});
    }
    html.end();
}

void writePlots(Html& html, const TestResults& r)
{
    const struct
    {
        const char* key;
        const char* title;
        LUMEN_PLOT_DATA plot;
    } plots[] = {{"echo", "Echo", r.echo()},
                 {"next", "NEXT", r.next()},
                 {"channel", "Channel", r.channel()}};
    SvgWriter svg(html.xml(), &html.output());
    html.start(QStringLiteral("div"), {{QStringLiteral("class"), QStringLiteral("plots")}});
    for (const auto& p : plots) {
        html.start(QStringLiteral("figure"), {{QStringLiteral("data-plot"), QLatin1String(p.key)}});
        const int count = qBound(0, int(p.plot.pointCount), 257);
        if (p.plot.pointCount != 257) {
            html.element(QStringLiteral("p"),
                         QStringLiteral("No %1 plot stored.").arg(QLatin1String(p.title)));
        } else {
            writePlot(
                svg, QLatin1String(p.title), QStringLiteral("point"),
                {{p.plot.series1, count, QStringLiteral("#1f77b4"), QStringLiteral("series 1")},
                 {p.plot.series2, count, QStringLiteral("#d62728"), QStringLiteral("series 2")}},
                QSize(380, 200));
        }
        html.end();
    }
    html.end();
}

void writeCable(Html& html, Ductbook& job, const CableRow& row, bool metric)
{
    const TestResults r = job.getCableTestResults(row.tag);
    html.start(QStringLiteral("section"),
               {{QStringLiteral("class"), QStringLiteral("cable")},
                {QStringLiteral("id"), QStringLiteral("cable-") + row.tag},
                {QStringLiteral("data-cable"), row.id}});
    html.start(QStringLiteral("h3"));
    html.xml().writeCharacters(row.id + QLatin1Char(' '));
    html.element(QStringLiteral("span"), row.status,
                 {{QStringLiteral("class"), statusClass(row.verdict)}});
    html.end();
    const QString measured = measuredLength(job, row.tag, r, metric);
    html.facts(
        {{QStringLiteral("From"), row.from},
         {QStringLiteral("To"), row.to},
         {QStringLiteral("Type"), row.type},
         {QStringLiteral("Tested"), r.time()},
         {QStringLiteral("Tester serial"), r.serialNumber()},
         {QStringLiteral("Software"), r.softwareVersion()},
         {QStringLiteral("BERT errors"),
          r.BERTResults() < 0 ? QString() : QString::number(r.BERTResults())},
         {QStringLiteral("Length"),
          measured.isEmpty() ? QString() : measured + QLatin1Char(' ') + lengthUnit(metric)}});
    writePairs(html, job, row.tag, r, metric);
    writePlots(html, r);
    html.end();
}

void writeUntested(Html& html, const QList<CableRow>& cables)
{
    html.start(QStringLiteral("section"), {{QStringLiteral("id"), QStringLiteral("untested")}});
    html.element(QStringLiteral("h2"), QStringLiteral("Untested cables"));
    QList<const CableRow*> untested;
    for (const CableRow& c : cables) {
        if (c.verdict == Verdict::Untested)
            untested.append(&c);
    }
    if (untested.isEmpty()) {
        html.element(QStringLiteral("p"), QStringLiteral("None: every cable has a test result."));
    } else {
        html.start(QStringLiteral("table"),
                   {{QStringLiteral("class"), QStringLiteral("untested")}});
        html.row({QStringLiteral("Cable"), QStringLiteral("From"), QStringLiteral("To"),
                  QStringLiteral("Type"), QStringLiteral("Status")},
                 QStringLiteral("th"));
        for (const CableRow* c : untested)
            html.row({c->id, c->from, c->to, c->type, untestedStatus()}, QStringLiteral("td"),
                     {{QStringLiteral("data-cable"), c->id}});
        html.end();
    }
    html.end();
}

QList<CableRow> readCables(Ductbook& job)
{
    QList<CableRow> rows;
    const QStringList tags = job.getCables(true);
    rows.reserve(tags.size());
    for (const QString& tag : tags) {
        CableRow row;
        static_cast<CableLine&>(row) = JobModel::cableLine(job, tag);
        const TestResults r = job.getCableTestResults(tag);
        row.status = r.status();
        row.time = r.time();
        row.verdict = verdictOf(row.status);
        rows.append(row);
    }
    return rows;
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
    const QList<CableRow> cables = readCables(job);
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
    const SiteData site = job.getSiteData();
    html.element(QStringLiteral("title"),
                 joined({QStringLiteral("Cable test report"), site.company(), site.jobid()},
                        QStringLiteral(" \u00b7 ")));
    html.element(QStringLiteral("style"), QLatin1String(Style));
    html.end();
    html.start(QStringLiteral("body"));
    writeHeader(html, job, jobPath);
    writeSummary(html, cables);

    html.start(QStringLiteral("section"), {{QStringLiteral("id"), QStringLiteral("tested")}});
    html.element(QStringLiteral("h2"), QStringLiteral("Tested cables"));
    // Failing cables first, each group in cable order.
    for (Verdict wanted : {Verdict::Fail, Verdict::Pass}) {
        for (const CableRow& c : cables) {
            if (c.verdict != wanted)
                continue;
            writeCable(html, job, c, metric);
            if (!output.flush(false, error))
                return false;
        }
    }
    html.end();
    writeUntested(html, cables);
    html.end(); // body
    html.end(); // html
    xml.writeEndDocument();
    return output.flush(true, error);
}

} // namespace Plan
