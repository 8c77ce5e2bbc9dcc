// jobtool report: one well-formed, self-contained XHTML page whose tables
// and plots carry the job's test results.
#include "jobfixture.h"
#include "jobtoolrun.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtTest>

#include <cstring>

using namespace JobFixture;
using namespace JobToolRun;

namespace {

const QString Xhtml = QStringLiteral("http://www.w3.org/1999/xhtml");

QList<QDomElement> elements(const QDomNode& under, const QString& name)
{
    QList<QDomElement> list;
    const QDomNodeList nodes = under.toElement().elementsByTagName(name);
    for (int i = 0; i < nodes.size(); ++i)
        list.append(nodes.at(i).toElement());
    return list;
}

QList<QDomElement> withClass(const QDomNode& under, const QString& name, const QString& cls)
{
    QList<QDomElement> list;
    for (const QDomElement& e : elements(under, name)) {
        if (e.attribute(QStringLiteral("class")).split(QLatin1Char(' ')).contains(cls))
            list.append(e);
    }
    return list;
}

// The text of each cell of each row of a table, header row included.
QList<QStringList> tableText(const QDomElement& table)
{
    QList<QStringList> rows;
    for (const QDomElement& tr : elements(table, QStringLiteral("tr"))) {
        QStringList cells;
        for (QDomElement c = tr.firstChildElement(); !c.isNull(); c = c.nextSiblingElement())
            cells.append(c.text());
        rows.append(cells);
    }
    return rows;
}

QString seriesPoints(const qint32* values, int count)
{
    QStringList points;
    for (int i = 0; i < count; ++i)
        points.append(QStringLiteral("%1,%2").arg(i).arg(values[i]));
    return points.join(QLatin1Char(' '));
}

LUMEN_PLOT_DATA plot(int seed, int count)
{
    LUMEN_PLOT_DATA p;
    std::memset(&p, 0, sizeof(p));
    for (int i = 0; i < 257; ++i) {
        p.series1[i] = (seed * 37 + i * 11) % 900 - 300;
        p.series2[i] = -seed - i;
    }
    p.pointCount = count;
    return p;
}

} // namespace

class TestReport : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void wellFormedAndSelfContained();
    void headerAndSummary();
    void testedCables();
    void plotsCarryTheResults();
    void plotsDrawInsideTheirFrames();

private:
    QTemporaryDir m_dir;
    QString m_job;
    QDomDocument m_report;
    QByteArray m_raw;
};

// The example with one failing cable (complete plots) and one passing cable
// whose NEXT plot was cut short, which the job does not store.
void TestReport::initTestCase()
{
    Ductbook::Destroy();
    Ductbook& job = Ductbook::Instance();
    QVERIFY(job.Load(example()));
    TestResults fail = job.getCableTestResults(QStringLiteral("Cable1"));
    fail.setStatus(QStringLiteral("FAIL"));
    fail.setTime(QStringLiteral("2026-12-01 09:00"));
    fail.results().pairLength[2] = 0xFFFF;
    fail.setEcho(plot(3, 257));
    fail.setNEXT(plot(4, 257));
    fail.setChannel(plot(5, 257));
    job.setCableTestResults(QStringLiteral("Cable3"), fail);
    TestResults pass = job.getCableTestResults(QStringLiteral("Cable1"));
    pass.setNEXT(plot(6, 256));
    job.setCableTestResults(QStringLiteral("Cable5"), pass);
    m_job = m_dir.filePath(QStringLiteral("tested.job"));
    QVERIFY(job.saveAs(m_job));
    Ductbook::Destroy();

    const QString html = m_dir.filePath(QStringLiteral("report.html"));
    const Run r = jobtool({QStringLiteral("report"), m_job, QStringLiteral("-o"), html});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QString error;
    int line = 0;
    m_raw = readFile(html);
    QVERIFY2(m_report.setContent(m_raw, true, &error, &line),
             qPrintable(QStringLiteral("%1 on line %2").arg(error).arg(line)));
}

void TestReport::wellFormedAndSelfContained()
{
    const QDomElement html = m_report.documentElement();
    QCOMPARE(html.localName(), QStringLiteral("html"));
    QCOMPARE(html.namespaceURI(), Xhtml);
    QCOMPARE(m_report.doctype().name(), QStringLiteral("html"));
    for (const char* external :
         {"script", "link", "img", "iframe", "object", "embed", "image", "use"})
        QVERIFY2(elements(html, QLatin1String(external)).isEmpty(), external);
    for (const QDomElement& e : elements(html, QStringLiteral("*"))) {
        QVERIFY(!e.hasAttribute(QStringLiteral("src")));
        if (e.hasAttribute(QStringLiteral("href")))
            QVERIFY(e.attribute(QStringLiteral("href")).startsWith(QLatin1Char('#')));
    }
    // HTML parsers read <td/> as an open cell: outside SVG only void
    // elements may be written as empty tags.
    const QRegularExpression selfClosed(
        QStringLiteral("<(?!meta\\b|rect\\b|circle\\b|line\\b|polyline\\b|path\\b)(\\w+)[^<>]*/>"));
    const QRegularExpressionMatch m = selfClosed.match(QString::fromUtf8(m_raw));
    QVERIFY2(!m.hasMatch(), qPrintable(m.captured(0)));
    QVERIFY(m_raw.contains("<td></td>"));
}

void TestReport::headerAndSummary()
{
    const QString text = m_report.documentElement().text();
    for (const char* s : {"Harbor Point Dental", "NL-2026-118", "Northline Cabling Ltd",
                          "Dana Reyes", "455 N Cityfront Plaza"})
        QVERIFY2(text.contains(QLatin1String(s)), s);

    const QDomElement body = m_report.documentElement();
    QCOMPARE(
        tableText(withClass(body, QStringLiteral("table"), QStringLiteral("by-status")).value(0)),
        (QList<QStringList>{
            {"Status", "Cables"}, {"FAIL", "1"}, {"PASS", "2"}, {"UNTESTED", "3"}}));
    QCOMPARE(
        tableText(withClass(body, QStringLiteral("table"), QStringLiteral("by-type")).value(0)),
        (QList<QStringList>{{"Type", "Cables", "Passed", "Failed", "Untested"},
                            {"CAT5E", "1", "0", "1", "0"},
                            {"CAT6", "4", "1", "0", "3"},
                            {"RG-6", "1", "1", "0", "0"}}));
    const QList<QStringList> failing =
        tableText(withClass(body, QStringLiteral("table"), QStringLiteral("failing")).value(0));
    QCOMPARE(failing.size(), 2);
    QCOMPARE(failing.at(1),
             (QStringList{"Cable003", "MDF-03", "P03", "CAT5E", "FAIL", "2026-12-01 09:00"}));
    const QList<QStringList> untested =
        tableText(withClass(body, QStringLiteral("table"), QStringLiteral("untested")).value(0));
    QStringList ids;
    for (const QStringList& row : untested.mid(1))
        ids.append(row.first());
    QCOMPARE(ids, (QStringList{"Cable002", "Cable004", "Cable006"}));
}

void TestReport::testedCables()
{
    const QList<QDomElement> sections =
        withClass(m_report.documentElement(), QStringLiteral("section"), QStringLiteral("cable"));
    QStringList order;
    for (const QDomElement& s : sections)
        order.append(s.attribute(QStringLiteral("data-cable")));
    // Failing first, then the rest in cable order; untested cables have none.
    QCOMPARE(order, (QStringList{"Cable003", "Cable001", "Cable005"}));

    const QList<QStringList> pairs = tableText(
        withClass(sections.at(1), QStringLiteral("table"), QStringLiteral("pairs")).value(0));
    QCOMPARE(pairs.size(), 5);
    QCOMPARE(pairs.at(0).at(2), QStringLiteral("Length (ft)"));
    QStringList raw;
    for (int p = 1; p <= 4; ++p)
        raw.append(pairs.at(p).at(3));
    QCOMPARE(raw, (QStringList{"1872", "1869", "1875", "1871"}));
    QCOMPARE(pairs.at(2).at(1), QStringLiteral("3-6"));
    QCOMPARE(pairs.at(2).at(2), QStringLiteral("124.6"));
    // A pair the tester did not measure shows no length.
    const QList<QStringList> failPairs = tableText(
        withClass(sections.at(0), QStringLiteral("table"), QStringLiteral("pairs")).value(0));
    QCOMPARE(failPairs.at(3).mid(2, 2), (QStringList{QString(), QString()}));
}

void TestReport::plotsCarryTheResults()
{
    Ductbook::Destroy();
    Ductbook& job = Ductbook::Instance();
    QVERIFY(job.Load(m_job));
    const QList<QDomElement> sections =
        withClass(m_report.documentElement(), QStringLiteral("section"), QStringLiteral("cable"));
    for (const QDomElement& section : sections) {
        const QString id = section.attribute(QStringLiteral("data-cable"));
        const TestResults r = job.getCableTestResults(job.getCableElement(id));
        const QList<QPair<QString, LUMEN_PLOT_DATA>> plots{
            {"echo", r.echo()}, {"next", r.next()}, {"channel", r.channel()}};
        const QList<QDomElement> figures = elements(section, QStringLiteral("figure"));
        QCOMPARE(figures.size(), 3);
        for (int i = 0; i < 3; ++i) {
            const QDomElement& figure = figures.at(i);
            QCOMPARE(figure.attribute(QStringLiteral("data-plot")), plots.at(i).first);
            const LUMEN_PLOT_DATA& data = plots.at(i).second;
            const QList<QDomElement> lines = elements(figure, QStringLiteral("polyline"));
            if (data.pointCount != 257) {
                QVERIFY(lines.isEmpty());
                QVERIFY(figure.text().contains(QStringLiteral("No NEXT plot stored.")));
                continue;
            }
            QCOMPARE(lines.size(), 2);
            QCOMPARE(lines.at(0).attribute(QStringLiteral("points")),
                     seriesPoints(data.series1, 257));
            QCOMPARE(lines.at(1).attribute(QStringLiteral("points")),
                     seriesPoints(data.series2, 257));
        }
    }
    QCOMPARE(sections.last().attribute(QStringLiteral("data-cable")), QStringLiteral("Cable005"));
    Ductbook::Destroy();
}

// Each plot, cut out of the page and drawn by a real SVG renderer, shows
// its first series inside the frame and nothing of it outside.
void TestReport::plotsDrawInsideTheirFrames()
{
    const QList<QDomElement> svgs = elements(m_report.documentElement(), QStringLiteral("svg"));
    QCOMPARE(svgs.size(), 3 + 3 + 2);
    for (const QDomElement& svg : svgs) {
        QDomDocument single;
        single.appendChild(single.importNode(svg, true));
        QSvgRenderer renderer(single.toByteArray());
        QVERIFY(renderer.isValid());
        QImage image(renderer.defaultSize(), QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();

        const QDomElement frame = elements(svg, QStringLiteral("rect")).first();
        const QRect inside(frame.attribute(QStringLiteral("x")).toInt(),
                           frame.attribute(QStringLiteral("y")).toInt(),
                           frame.attribute(QStringLiteral("width")).toInt(),
                           frame.attribute(QStringLiteral("height")).toInt());
        int in = 0;
        int out = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                // Above the frame stand the title and the legend.
                if (y >= inside.top() - 2 && qAbs(c.red() - 0x1f) < 12 &&
                    qAbs(c.green() - 0x77) < 12 && qAbs(c.blue() - 0xb4) < 12)
                    (inside.adjusted(-2, -2, 2, 2).contains(x, y) ? in : out)++;
            }
        }
        QVERIFY2(in > 100, qPrintable(QString::number(in)));
        QCOMPARE(out, 0);
    }
}

QTEST_MAIN(TestReport)
#include "tst_report.moc"
