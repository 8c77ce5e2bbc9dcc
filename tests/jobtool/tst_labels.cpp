// jobtool labels: one label per cable end and per port, each inside its cell
// of the label sheet as a PDF reader sees it, or one CSV row per label.
#include "csv_p.h"
#include "fixtures.h"
#include "jobfixture.h"
#include "jobtoolrun.h"
#include "labels_p.h"
#include "pdftext.h"

#include <QtTest>

using namespace JobFixture;
using namespace JobToolRun;

namespace {

const double PointsPerMm = 72 / 25.4;

struct Expected
{
    QString first;    // the label's first word
    QStringList more; // words the label must also hold
};

// The labels the example should get, straight from the job's own getters:
// per cable its "from" end then its "to" end, then every port.
QList<Expected> expectedLabels(const QString& jobPath, bool cables, bool ports,
                               const QString& floorId)
{
    Ductbook::Destroy();
    Ductbook& job = Ductbook::Instance();
    QList<Expected> labels;
    if (!job.Load(jobPath))
        return labels;
    QHash<QString, QString> floorOfPort;
    QHash<QString, QString> roomOfPort;
    QStringList portIds;
    for (const QString& floor : job.getFloorTags()) {
        const QString id = job.getFloorIdByTag(floor);
        const QStringList roomTags = job.getRooms(floor, true);
        const QStringList roomIds = job.getRooms(floor, false);
        for (int r = 0; r < roomTags.size(); ++r) {
            for (const QString& port : job.getPorts(floor, roomTags.at(r), false)) {
                floorOfPort.insert(port, id);
                roomOfPort.insert(port, roomIds.value(r));
                if (floorId.isEmpty() || id == floorId)
                    portIds.append(port);
            }
        }
    }
    if (cables) {
        for (const QString& tag : job.getCables(true)) {
            const QString ends[2] = {job.getCableFrom(tag), job.getCableTo(tag)};
            for (int e = 0; e < 2; ++e) {
                if (floorId.isEmpty() || floorOfPort.value(ends[e]) == floorId)
                    labels.append(
                        {job.getCableID(tag), {ends[e], roomOfPort.value(ends[e]), ends[1 - e]}});
            }
        }
    }
    if (ports) {
        for (const QString& port : portIds)
            labels.append({port, {roomOfPort.value(port), floorOfPort.value(port)}});
    }
    Ductbook::Destroy();
    return labels;
}

// The words of each label cell in page order; a word outside every label's
// printed area fails the test.
QList<QStringList> wordsByCell(const PdfText::Document& pdf,
                               const QList<const Plan::LabelSheet*>& sheetOfPage)
{
    QList<QStringList> cells;
    for (int page = 0; page < pdf.pages.size(); ++page) {
        const Plan::LabelSheet& sheet = *sheetOfPage.at(page);
        QMap<int, QStringList> onPage;
        for (const PdfText::Word& w : pdf.words) {
            if (w.page != page)
                continue;
            const QRectF mm(w.box.x() / PointsPerMm, w.box.y() / PointsPerMm,
                            w.box.width() / PointsPerMm, w.box.height() / PointsPerMm);
            int found = -1;
            for (int i = 0; i < sheet.perSheet() && found < 0; ++i) {
                if (sheet.printArea(i).contains(mm))
                    found = i;
            }
            if (found < 0) {
                qWarning() << "word" << w.text << "on page" << page + 1 << "at" << mm
                           << "mm is in no label of" << sheet.name;
                return {};
            }
            onPage[found].append(w.text);
        }
        // Labels fill the cells in order, so a page's cells are 0..n-1.
        const QList<int> used = onPage.keys();
        for (int i = 0; i < used.size(); ++i) {
            if (used.at(i) != i) {
                qWarning() << "page" << page + 1 << "skips cell" << i;
                return {};
            }
        }
        for (int i : used)
            cells.append(onPage.value(i));
    }
    return cells;
}

} // namespace

class TestLabels : public QObject
{
    Q_OBJECT
private slots:
    void onePerCableEndAndPortInsideTheCells_data();
    void onePerCableEndAndPortInsideTheCells();
    void longNamesStayInTheirCells();
    void csvRows();
    void oldJobWithTemplate();
    void usageErrors_data();
    void usageErrors();

private:
    QTemporaryDir m_dir;
};

void TestLabels::onePerCableEndAndPortInsideTheCells_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("floor");
    QTest::addColumn<QStringList>("sheets"); // the layouts in page order
    // The example asks for Letter paper.
    QTest::newRow("both kinds on the job's paper")
        << QStringList() << QString() << QStringList{"wrap-letter", "ports-letter"};
    QTest::newRow("cable ends on A4 wrap-around stock")
        << QStringList{"--sheet", "WRAP-A4"} << QString() << QStringList{"wrap-a4"};
    QTest::newRow("one floor's ports") << QStringList{"--sheet", "ports-a4", "--floor", "Level 4"}
                                       << QStringLiteral("Level 4") << QStringList{"ports-a4"};
    QTest::newRow("one floor's cable ends and ports, outlined")
        << QStringList{"--floor", "Level 3", "--outlines"} << QStringLiteral("Level 3")
        << QStringList{"wrap-letter", "ports-letter"};
}

void TestLabels::onePerCableEndAndPortInsideTheCells()
{
    QFETCH(QStringList, options);
    QFETCH(QString, floor);
    QFETCH(QStringList, sheets);
    const QString pdf = m_dir.filePath(QStringLiteral("%1.pdf").arg(QTest::currentDataTag()));
    const Run r = jobtool(
        QStringList{QStringLiteral("labels"), example(), QStringLiteral("-o"), pdf} + options);
    QVERIFY2(r.code == 0, qPrintable(r.err));

    const bool cables = sheets.first().startsWith(QLatin1String("wrap"));
    const bool ports = sheets.last().startsWith(QLatin1String("ports"));
    const QList<Expected> expected = expectedLabels(example(), cables, ports, floor);
    QVERIFY(!expected.isEmpty());

    const PdfText::Document doc = PdfText::read(pdf);
    QVERIFY2(doc.ok, "pdftotext (poppler-utils) could not read the PDF");
    // The example fits on one sheet of each kind.
    QCOMPARE(doc.pages.size(), sheets.size());
    QList<const Plan::LabelSheet*> sheetOfPage;
    for (int p = 0; p < sheets.size(); ++p) {
        const Plan::LabelSheet* sheet = Plan::labelSheet(sheets.at(p));
        QVERIFY(sheet);
        QCOMPARE(qRound(doc.pages.at(p).width() / PointsPerMm), qRound(sheet->paper.width()));
        QCOMPARE(qRound(doc.pages.at(p).height() / PointsPerMm), qRound(sheet->paper.height()));
        sheetOfPage.append(sheet);
    }
    const QList<QStringList> cells = wordsByCell(doc, sheetOfPage);
    QCOMPARE(cells.size(), expected.size());
    for (int i = 0; i < cells.size(); ++i) {
        QCOMPARE(cells.at(i).value(0), expected.at(i).first);
        for (const QString& word : expected.at(i).more)
            QVERIFY2(cells.at(i).join(' ').contains(word),
                     qPrintable(QStringLiteral("label %1 (%2) lacks %3")
                                    .arg(i + 1)
                                    .arg(cells.at(i).join(' '), word)));
    }
}

// A name longer than the label is wide is made smaller, then cut short,
// but never printed over the next label.
void TestLabels::longNamesStayInTheirCells()
{
    QByteArray text = readFile(example());
    QVERIFY(text.contains("id=\"Reception\""));
    text.replace("id=\"Reception\"",
                 "id=\"Reception and waiting area beside the main entrance, ground side\"");
    text.replace("id=\"P01\"", "id=\"P01-PATCH-A-0001-LONG\"");
    text.replace("to=\"P01\"", "to=\"P01-PATCH-A-0001-LONG\"");
    const QString job = m_dir.filePath(QStringLiteral("long.job"));
    QVERIFY(writeFile(job, text));
    for (const char* sheet : {"wrap-a4", "wrap-letter", "ports-a4", "ports-letter"}) {
        const QString pdf = m_dir.filePath(QStringLiteral("long-%1.pdf").arg(sheet));
        const Run r = jobtool({QStringLiteral("labels"), job, QStringLiteral("--sheet"),
                               QLatin1String(sheet), QStringLiteral("-o"), pdf});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        const PdfText::Document doc = PdfText::read(pdf);
        QVERIFY(doc.ok);
        const QList<QStringList> cells =
            wordsByCell(doc, QList<const Plan::LabelSheet*>(
                                 doc.pages.size(), Plan::labelSheet(QLatin1String(sheet))));
        QVERIFY2(!cells.isEmpty(), sheet);
        // The port id is the large first line of a port label and is
        // shrunk, not cut.
        if (QByteArray(sheet).startsWith("ports"))
            QVERIFY(doc.text().contains(QLatin1String("P01-PATCH-A-0001-LONG")));
    }
}

void TestLabels::csvRows()
{
    const Run r = jobtool(
        {QStringLiteral("labels"), example(), QStringLiteral("--format"), QStringLiteral("csv")});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    const QList<Csv::Record> records = Csv::parse(r.out);
    QVERIFY(!records.isEmpty());
    const QStringList header = records.first().fields;
    QCOMPARE(header.mid(0, 9), (QStringList{"Kind", "Cable", "Port", "Room", "Floor", "Far port",
                                            "Far room", "Far floor", "Use"}));
    const QList<Expected> expected = expectedLabels(example(), true, true, QString());
    QCOMPARE(records.size() - 1, expected.size());
    QMap<QString, QStringList> rows; // by cable and port
    for (const Csv::Record& rec : records.mid(1)) {
        QVERIFY2(rec.problem.isEmpty(), qPrintable(rec.problem));
        QCOMPARE(rec.fields.size(), header.size());
        rows.insert(rec.fields.at(1) + QLatin1Char('/') + rec.fields.at(2), rec.fields);
    }
    // A cable between floors: each end names its own room and floor and
    // the other end's.
    QCOMPARE(rows.value(QStringLiteral("Cable004/MDF-04")).mid(0, 9),
             (QStringList{"cable end", "Cable004", "MDF-04", "Comms", "Level 3", "P05",
                          "Staff room", "Level 4", "Network"}));
    QCOMPARE(rows.value(QStringLiteral("Cable004/P05")).mid(0, 8),
             (QStringList{"cable end", "Cable004", "P05", "Staff room", "Level 4", "MDF-04",
                          "Comms", "Level 3"}));
    QCOMPARE(rows.value(QStringLiteral("/P04")).mid(0, 5),
             (QStringList{"port", "", "P04", "Surgery 1", "Level 3"}));
    // The printed lines, for software that takes the text as it stands.
    QCOMPARE(rows.value(QStringLiteral("Cable004/MDF-04")).mid(9),
             (QStringList{"Cable004", QStringLiteral("MDF-04 \u00b7 Comms"), "to P05"}));
}

// An old job opens with the template named on the command line, as with
// convert; without one (a fresh home has none configured) with the default
// template.
void TestLabels::oldJobWithTemplate()
{
    const QString old = Fixtures::job(QStringLiteral("job-2.1.job"));
    const QString qvt = Fixtures::qvt(QStringLiteral("default.qvt"));
    Run r = jobtool({QStringLiteral("labels"), old, QStringLiteral("--format"),
                     QStringLiteral("csv"), QStringLiteral("--template"), qvt});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QVERIFY(r.out.count(QLatin1String("\r\n")) > 1);
    r = jobtool({QStringLiteral("labels"), old, QStringLiteral("--format"), QStringLiteral("csv")});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QVERIFY(r.err.contains(QStringLiteral("default template")));
}

void TestLabels::usageErrors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QStringList>("message"); // words the error must hold
    const QString job = example();
    QTest::newRow("unknown sheet lists the layouts")
        << QStringList{"labels", job, "-o", "x.pdf", "--sheet", "avery-9999"}
        << QStringList{"avery-9999", "wrap-a4",      "wrap-letter",
                       "ports-a4",   "ports-letter", "30 \u00d7 40 mm"};
    QTest::newRow("unknown floor lists the floors")
        << QStringList{"labels", job, "-o", "x.pdf", "--floor", "Roof"}
        << QStringList{"Roof", "Level 3", "Level 4"};
    QTest::newRow("unknown format")
        << QStringList{"labels", job, "--format", "svg"} << QStringList{"svg", "pdf or csv"};
    QTest::newRow("a PDF needs a file") << QStringList{"labels", job} << QStringList{"-o"};
    QTest::newRow("no sheet for CSV")
        << QStringList{"labels", job, "--format", "csv", "--sheet", "wrap-a4"}
        << QStringList{"--sheet"};
}

void TestLabels::usageErrors()
{
    QFETCH(QStringList, args);
    QFETCH(QStringList, message);
    QDir::setCurrent(m_dir.path());
    const Run r = jobtool(args);
    QCOMPARE(r.code, 2);
    for (const QString& word : message)
        QVERIFY2(r.err.contains(word), qPrintable(r.err));
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("x.pdf"))));
}

QTEST_GUILESS_MAIN(TestLabels)
#include "tst_labels.moc"
