// jobtool report as HTML: one well-formed, self-contained XHTML page with the
// certification report's contents, the cables a filter chooses, plots whose
// labels stay inside their pictures, print styles, and a size per tested
// cable that a campus job can afford.
#include "jobfixture.h"
#include "jobgenerator.h"
#include "jobtoolrun.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QSvgRenderer>
#include <QtTest>

#include <cmath>
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

QDomElement byId(const QDomElement& under, const QString& id)
{
    for (QDomElement e = under.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (e.attribute(QStringLiteral("id")) == id)
            return e;
        const QDomElement found = byId(e, id);
        if (!found.isNull())
            return found;
    }
    return {};
}

QDomElement byId(const QDomDocument& doc, const QString& id)
{
    return byId(doc.documentElement(), id);
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

// The data-cable ids of the tested cables' blocks, in page order.
QStringList blockIds(const QDomDocument& doc)
{
    QStringList ids;
    for (const QDomElement& s :
         withClass(doc.documentElement(), QStringLiteral("section"), QStringLiteral("cable")))
        ids.append(s.attribute(QStringLiteral("data-cable")));
    return ids;
}

// A response as a tester draws it: a falling curve with a ripple and a
// few per cent of noise, which leaves a compact plot little to drop.
LUMEN_PLOT_DATA noisyPlot(quint32 seed, int count = 257)
{
    QRandomGenerator random(seed);
    LUMEN_PLOT_DATA p;
    std::memset(&p, 0, sizeof(p));
    for (int i = 0; i < 257; ++i) {
        const double curve = -200.0 * i + 3000 * std::sin(i / (3.0 + seed % 5));
        p.series1[i] = qRound(curve) + random.bounded(-2000, 2000);
        p.series2[i] = qRound(curve * 0.7) - 20000 + random.bounded(-2000, 2000);
    }
    p.pointCount = count;
    return p;
}

bool load(const QString& path, QDomDocument* doc, QByteArray* raw = nullptr)
{
    const QByteArray bytes = readFile(path);
    if (raw)
        *raw = bytes;
    QString error;
    int line = 0;
    if (doc->setContent(bytes, true, &error, &line))
        return true;
    qWarning("%s on line %d", qPrintable(error), line);
    return false;
}

} // namespace

class TestReport : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void wellFormedAndSelfContained();
    void contents();
    void filters_data();
    void filters();
    void plotsStayInsideTheirPictures();
    void printStyles();
    void sizePerTestedCable();

private:
    QDomDocument report(const QStringList& extra, bool* ok);

    QTemporaryDir m_dir;
    QString m_job;
    QDomDocument m_report;
    QByteArray m_raw;
};

// The example with one failing cable (noisy plots) and one passing cable
// whose NEXT plot was cut short, which the job does not store.
void TestReport::initTestCase()
{
    Ductbook::Destroy();
    Ductbook& job = Ductbook::Instance();
    QVERIFY(job.Load(example()));
    TestResults fail = job.getCableTestResults(QStringLiteral("Cable1"));
    fail.setStatus(QStringLiteral("FAIL"));
    fail.setTime(QStringLiteral("2026-12-01 09:00"));
    fail.results().wiremap[2] = 2; // pair 3-6 found on the far end's 4-5
    fail.setEcho(noisyPlot(3));
    fail.setNEXT(noisyPlot(4));
    fail.setChannel(noisyPlot(5));
    job.setCableTestResults(QStringLiteral("Cable3"), fail);
    TestResults pass = job.getCableTestResults(QStringLiteral("Cable1"));
    pass.setNEXT(noisyPlot(6, 256));
    job.setCableTestResults(QStringLiteral("Cable5"), pass);
    m_job = m_dir.filePath(QStringLiteral("tested.job"));
    QVERIFY(job.saveAs(m_job));
    Ductbook::Destroy();

    const QString html = m_dir.filePath(QStringLiteral("report.html"));
    const Run r = jobtool({QStringLiteral("report"), m_job, QStringLiteral("-o"), html});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QVERIFY(load(html, &m_report, &m_raw));
}

QDomDocument TestReport::report(const QStringList& extra, bool* ok)
{
    const Run r = jobtool(QStringList{QStringLiteral("report"), m_job} + extra);
    QDomDocument doc;
    *ok = r.code == 0 && doc.setContent(r.bytes, true);
    if (r.code != 0)
        qWarning("%s", qPrintable(r.err));
    return doc;
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
    const QRegularExpression selfClosed(QStringLiteral(
        "<(?!meta\\b|br\\b|rect\\b|circle\\b|line\\b|polyline\\b|path\\b)(\\w+)[^<>]*/>"));
    const QRegularExpressionMatch m = selfClosed.match(QString::fromUtf8(m_raw));
    QVERIFY2(!m.hasMatch(), qPrintable(m.captured(0)));
}

// What a reader certifies from: the cover's facts and counts, the ends of
// each cable with room and floor, what it was judged against and the
// verdict per pair, the active port tests and the sign-off.
void TestReport::contents()
{
    const QDomElement body = m_report.documentElement();
    const QString text = body.text();
    for (const QString& s :
         {QStringLiteral("Harbor Point Dental"), QStringLiteral("NL-2026-118"),
          QStringLiteral("Northline Cabling Ltd"), QStringLiteral("Dana Reyes"),
          QStringLiteral("455 N Cityfront Plaza"),
          QStringLiteral("Issued") + QDate::currentDate().toString(Qt::ISODate),
          QStringLiteral("Untested cables (3)Cable002, Cable004, Cable006")})
        QVERIFY2(text.contains(s), qPrintable(s));
    QCOMPARE(
        tableText(withClass(body, QStringLiteral("table"), QStringLiteral("by-verdict")).value(0)),
        (QList<QStringList>{
            {"Verdict", "Cables"}, {"PASS", "2"}, {"FAIL", "1"}, {"UNTESTED", "3"}, {"Total", "6"}}));
    QCOMPARE(withClass(body, QStringLiteral("section"), QStringLiteral("floor")).size(), 2);

    // Failing first, then the rest in cable order; untested cables have none.
    QCOMPARE(blockIds(m_report), (QStringList{"Cable003", "Cable001", "Cable005"}));
    const QDomElement failing = byId(m_report, QStringLiteral("cable-Cable3"));
    const QString block = failing.text();
    for (const char* s : {"FAIL", "2026-12-01 09:00", "MDF-03", "P03", "CAT5E: ", "Judged against"})
        QVERIFY2(block.contains(QLatin1String(s)), s);
    // Each end with its room and floor, as the schedule has them too.
    const QList<QStringList> facts =
        tableText(withClass(failing, QStringLiteral("table"), QStringLiteral("facts")).value(0));
    QCOMPARE(facts.at(0).at(1), QStringLiteral("MDF-03 \u00b7 Comms \u00b7 Level 3"));
    QCOMPARE(facts.at(1).at(1), QStringLiteral("P03 \u00b7 Reception \u00b7 Level 3"));
    const QList<QStringList> pairs =
        tableText(withClass(failing, QStringLiteral("table"), QStringLiteral("pairs")).value(0));
    QCOMPARE(pairs.size(), 5);
    QCOMPARE(pairs.at(0), (QStringList{"Pins", "Length (ft)", "Wired to", "Verdict"}));
    QCOMPARE(pairs.at(2).at(0), QStringLiteral("3-6"));
    QVERIFY2(pairs.at(2).at(3).startsWith(QLatin1String("FAIL wired to 4-5, expected 3-6")),
             qPrintable(pairs.at(2).at(3)));
    const QDomElement passing = byId(m_report, QStringLiteral("cable-Cable1"));
    QVERIFY(passing.text().contains(QLatin1String("PASS")));
    QVERIFY(passing.text().contains(QLatin1String("No NEXT plot stored")) == false);
    QVERIFY(byId(m_report, QStringLiteral("cable-Cable5"))
                .text()
                .contains(QLatin1String("No NEXT plot stored")));

    const QList<QStringList> active = tableText(byId(m_report, QStringLiteral("active"))
                                                    .elementsByTagName(QStringLiteral("table"))
                                                    .at(0)
                                                    .toElement());
    QCOMPARE(active.size(), 4);
    QCOMPARE(active.at(1).mid(0, 2), (QStringList{"P01", "iPerf"}));
    QVERIFY(active.at(3).at(2).contains(QLatin1String("25.5 W")));
    const QString signOff = byId(m_report, QStringLiteral("signoff")).text();
    for (const char* s : {"Tested and certified by", "Dana Reyes", "Signature", "Date"})
        QVERIFY2(signOff.contains(QLatin1String(s)), s);
}

void TestReport::filters_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QStringList>("blocks");   // tested cables' blocks
    QTest::addColumn<QStringList>("schedule"); // every chosen cable
    QTest::addColumn<int>("floors");
    QTest::newRow("failing") << QStringList{"--status", "fail"} << QStringList{"Cable003"}
                             << QStringList{"Cable003"} << 2;
    QTest::newRow("untested, any case")
        << QStringList{"--status", "UNTESTED"} << QStringList{}
        << QStringList{"Cable002", "Cable004", "Cable006"} << 2;
    QTest::newRow("two statuses") << QStringList{"--status", "pass,fail"}
                                  << QStringList{"Cable003", "Cable001", "Cable005"}
                                  << QStringList{"Cable001", "Cable003", "Cable005"} << 2;
    // A cable with an end on the floor belongs to it, risers included.
    QTest::newRow("floor by name") << QStringList{"--floor", "Level 4"} << QStringList{"Cable005"}
                                   << QStringList{"Cable004", "Cable005", "Cable006"} << 1;
    QTest::newRow("floor by tag, type") << QStringList{"--floor", "FFloor_1", "--type", "cat6"}
                                        << QStringList{"Cable001"}
                                        << QStringList{"Cable001", "Cable002", "Cable004",
                                                       "Cable006"}
                                        << 1;
}

void TestReport::filters()
{
    QFETCH(QStringList, args);
    QFETCH(QStringList, blocks);
    QFETCH(QStringList, schedule);
    QFETCH(int, floors);
    bool ok = false;
    const QDomDocument doc = report(args, &ok);
    QVERIFY(ok);
    QCOMPARE(blockIds(doc), blocks);
    QStringList rows;
    for (const QDomElement& tr : elements(byId(doc, QStringLiteral("schedule")), QStringLiteral("tr"))) {
        if (tr.hasAttribute(QStringLiteral("data-cable")))
            rows.append(tr.attribute(QStringLiteral("data-cable")));
    }
    QCOMPARE(rows, schedule);
    QCOMPARE(withClass(doc.documentElement(), QStringLiteral("section"), QStringLiteral("floor")).size(),
             floors);
    QVERIFY(doc.documentElement().text().contains(QLatin1String("Selection")));
}

// Each plot, cut out of the page: its x-axis labels, measured in a real
// sans-serif font, end inside the picture; each series has no more points
// than the frame has pixel columns; and drawn by a real SVG renderer its
// first series lies inside the frame.
void TestReport::plotsStayInsideTheirPictures()
{
    const QList<QDomElement> svgs =
        elements(byId(m_report, QStringLiteral("tested")), QStringLiteral("svg"));
    QCOMPARE(svgs.size(), 3 + 3 + 3);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(9);
    const QFontMetricsF metrics(font);
    int drawn = 0;
    for (const QDomElement& svg : svgs) {
        const double width = svg.attribute(QStringLiteral("width")).toDouble();
        QVERIFY(width > 100);
        for (const QDomElement& g : elements(svg, QStringLiteral("g"))) {
            const QString anchor = g.attribute(QStringLiteral("text-anchor"));
            for (const QDomElement& t : elements(g, QStringLiteral("text"))) {
                const double x = t.attribute(QStringLiteral("x")).toDouble();
                const double w = metrics.horizontalAdvance(t.text());
                const double left = anchor == QLatin1String("end")      ? x - w
                                    : anchor == QLatin1String("middle") ? x - w / 2
                                                                        : x;
                QVERIFY2(left >= 0 && left + w <= width,
                         qPrintable(QStringLiteral("\"%1\" from %2 to %3 in %4")
                                        .arg(t.text())
                                        .arg(left)
                                        .arg(left + w)
                                        .arg(width)));
            }
        }
        const QDomElement frame = elements(svg, QStringLiteral("rect")).first();
        const QRect inside(frame.attribute(QStringLiteral("x")).toInt(),
                           frame.attribute(QStringLiteral("y")).toInt(),
                           frame.attribute(QStringLiteral("width")).toInt(),
                           frame.attribute(QStringLiteral("height")).toInt());
        const QList<QDomElement> paths = withClass(svg, QStringLiteral("path"), QStringLiteral("series1")) +
                                         withClass(svg, QStringLiteral("path"), QStringLiteral("series2"));
        if (paths.isEmpty())
            continue;
        ++drawn;
        QCOMPARE(paths.size(), 2);
        for (const QDomElement& p : paths) {
            // "Mx y" then relative steps "dx dy".
            const int numbers = int(p.attribute(QStringLiteral("d"))
                                        .split(QRegularExpression(QStringLiteral("[^-0-9]+|(?=-)")),
                                               Qt::SkipEmptyParts)
                                        .size());
            QVERIFY2(numbers / 2 <= inside.width() + 1, qPrintable(QString::number(numbers / 2)));
            QVERIFY(numbers / 2 > 10);
        }

        // The first series alone, so that the second does not hide it.
        QDomDocument single;
        single.appendChild(single.importNode(svg, true));
        const QList<QDomElement> second = withClass(single.documentElement(), QStringLiteral("path"),
                                                    QStringLiteral("series2"));
        second.first().parentNode().removeChild(second.first());
        QSvgRenderer renderer(single.toByteArray());
        QVERIFY(renderer.isValid());
        QImage image(renderer.defaultSize(), QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        int in = 0;
        int out = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.blue() - c.red() > 40) // the blue line, antialiased or not
                    (inside.adjusted(-2, -2, 2, 2).contains(x, y) ? in : out)++;
            }
        }
        QVERIFY2(in > 100, qPrintable(QStringLiteral("%1 in %2").arg(in).arg(
                               svg.parentNode().toElement().attribute(QStringLiteral("data-plot")))));
        QCOMPARE(out, 0);
    }
    QCOMPARE(drawn, 8); // the cut-short NEXT plot is not drawn
}

// Printed, a cable's block stays on one page, and the pages are numbered.
void TestReport::printStyles()
{
    const QString style =
        m_report.documentElement().elementsByTagName(QStringLiteral("style")).at(0).toElement().text();
    const QRegularExpression print(QStringLiteral("@media print\\s*\\{(.*)\\}\\s*$"),
                                   QRegularExpression::DotMatchesEverythingOption);
    const QString printed = print.match(style).captured(1);
    QVERIFY2(QRegularExpression(QStringLiteral("section\\.cable[^{]*\\{[^}]*break-inside:\\s*avoid"))
                 .match(printed)
                 .hasMatch(),
             qPrintable(style));
    QVERIFY(QRegularExpression(QStringLiteral("h2, h3 \\{[^}]*break-after:\\s*avoid"))
                .match(printed)
                .hasMatch());
    QVERIFY(style.contains(QLatin1String("counter(page)")));
}

// A generated job whose every cable has noisy plots: the report costs at
// most 8 KiB per tested cable, everything else included.
void TestReport::sizePerTestedCable()
{
    CampusJobSize size;
    size.floors = 2;
    size.roomsPerFloor = 4;
    size.portsPerFloor = 200;
    size.cables = 300;
    size.devices = 5;
    const QString path = m_dir.filePath(QStringLiteral("campus.job"));
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(generateCampusJob(size));
    }
    Ductbook::Destroy();
    Ductbook& job = Ductbook::Instance();
    QVERIFY(job.Load(path));
    int n = 0;
    for (const QString& tag : job.getCables(true)) {
        TestResults r = job.getCableTestResults(tag);
        r.setEcho(noisyPlot(3 * n));
        r.setNEXT(noisyPlot(3 * n + 1));
        r.setChannel(noisyPlot(3 * n + 2));
        job.setCableTestResults(tag, r);
        ++n;
    }
    QVERIFY(job.saveAs(path));
    Ductbook::Destroy();
    QCOMPARE(n, size.cables);

    const QString html = m_dir.filePath(QStringLiteral("campus.html"));
    const Run r = jobtool({QStringLiteral("report"), path, QStringLiteral("-o"), html});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QDomDocument doc;
    QVERIFY(load(html, &doc));
    QCOMPARE(blockIds(doc).size(), size.cables);
    const qint64 perCable = QFileInfo(html).size() / size.cables;
    QVERIFY2(perCable <= 8 * 1024, qPrintable(QString::number(perCable)));
}

QTEST_MAIN(TestReport)
#include "tst_report.moc"
