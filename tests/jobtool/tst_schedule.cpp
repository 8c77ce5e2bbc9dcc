// jobtool schedule: the rows say what the job says, in CSV a spreadsheet
// reads back field for field, or as a Markdown table.
#include "jobfixture.h"
#include "jobtoolrun.h"

#include <csv_p.h>
#include <schedule_p.h>

#include <QtTest>

using namespace JobFixture;
using namespace JobToolRun;

namespace {

QList<QStringList> csvRows(const QByteArray& bytes)
{
    QList<QStringList> rows;
    for (const Csv::Record& r : Csv::parse(QString::fromUtf8(bytes))) {
        if (!r.problem.isEmpty())
            return {{QStringLiteral("malformed: ") + r.problem}};
        rows.append(r.fields);
    }
    return rows;
}

} // namespace

class TestSchedule : public QObject
{
    Q_OBJECT
private slots:
    void rowsMatchTheJob();
    void lengths_data();
    void lengths();
    void awkwardTextSurvives();
    void excelGetsAByteOrderMark();
    void lengthCheckBoundary_data();
    void lengthCheckBoundary();
    void lengthCheckColumn_data();
    void lengthCheckColumn();

private:
    QTemporaryDir m_dir;
};

void TestSchedule::rowsMatchTheJob()
{
    const Run r = jobtool({QStringLiteral("schedule"), example()});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    const QList<QStringList> rows = csvRows(r.bytes);
    QVERIFY(!rows.isEmpty());
    QCOMPARE(rows.first(),
             (QStringList{"Cable", "From port", "From room", "From floor", "To port", "To room",
                          "To floor", "Type", "Colour", "Use", "Bundle", "Bundle group",
                          "Estimated length (ft)", "Measured length (ft)", "Status", "Tested",
                          "Check length"}));

    Ductbook::Destroy();
    Ductbook& job = Ductbook::Instance();
    QVERIFY(job.Load(example()));
    const QStringList tags = job.getCables(true);
    QCOMPARE(rows.size(), tags.size() + 1);
    for (int i = 0; i < tags.size(); ++i) {
        const QStringList& row = rows.at(i + 1);
        QCOMPARE(row.size(), 17);
        const Cable c = job.getCable(tags.at(i));
        QCOMPARE(row.at(0), c.id());
        int column = 1;
        for (const QString& end : {c.from(), c.to()}) {
            const Port p = job.getPortById(end);
            QCOMPARE(row.at(column), end);
            QCOMPARE(row.at(column + 1), job.getRoomByTag(p.floor(), p.room()).id());
            QCOMPARE(row.at(column + 2), job.getFloorIdByTag(p.floor()));
            column += 3;
        }
        QCOMPARE(row.at(7), c.type());
        QCOMPARE(row.mid(9, 3), (QStringList{c.use(), c.bundleName(),
                                             c.inBundle() ? c.bundleGroupNum() : QString()}));
        QCOMPARE(row.at(14), c.testResults().status());
        QCOMPARE(row.at(15), c.testResults().time());
    }
    Ductbook::Destroy();

    // Spot checks against the drawing: Cable004 runs from Level 3 to Level 4.
    QCOMPARE(rows.at(4).mid(0, 7), (QStringList{"Cable004", "MDF-04", "Comms", "Level 3", "P05",
                                                "Staff room", "Level 4"}));
    QCOMPARE(rows.at(1).mid(10, 2), (QStringList{"Desk pair", "1"}));
    // Colours by the name the job's types give them (#3399ff is CAT6's,
    // #777777 RG-6's).
    QCOMPARE(rows.at(1).at(8), QStringLiteral("CAT6"));
    QCOMPARE(rows.at(5).at(8), QStringLiteral("RG-6"));
}

void TestSchedule::lengths_data()
{
    QTest::addColumn<bool>("metric");
    QTest::addColumn<QString>("cable");
    QTest::addColumn<QString>("estimated");
    QTest::addColumn<QString>("measured");
    // Cable003 runs straight along y = 60 from x = 620 to x = 320: 300
    // drawing units, 36 to the foot, plus drop heights 6 and 1.5.
    QTest::newRow("estimate, feet") << false << "Cable003"
                                    << "15.8"
                                    << "";
    QTest::newRow("estimate, metres") << true << "Cable003"
                                      << "4.8"
                                      << "";
    // Cable001's shortest pair reads 1869 at 15.00 pF/ft.
    QTest::newRow("measured, feet") << false << "Cable001"
                                    << ""
                                    << "124.6";
    QTest::newRow("measured, metres") << true << "Cable001"
                                      << ""
                                      << "38.0";
}

void TestSchedule::lengths()
{
    QFETCH(bool, metric);
    QFETCH(QString, cable);
    QFETCH(QString, estimated);
    QFETCH(QString, measured);
    QStringList args{QStringLiteral("schedule"), example()};
    if (metric)
        args.append(QStringLiteral("--metric"));
    const Run r = jobtool(args);
    QCOMPARE(r.code, 0);
    const QList<QStringList> rows = csvRows(r.bytes);
    QVERIFY(rows.first().at(12).endsWith(metric ? QStringLiteral("(m)") : QStringLiteral("(ft)")));
    for (const QStringList& row : rows) {
        if (row.first() != cable)
            continue;
        if (!estimated.isEmpty())
            QCOMPARE(row.at(12), estimated);
        if (!measured.isEmpty())
            QCOMPARE(row.at(13), measured);
        // An untested cable has no measured length.
        if (row.at(14) == QLatin1String("UNTESTED"))
            QCOMPARE(row.at(13), QString());
        return;
    }
    QFAIL("cable not in the schedule");
}

// Names with commas, quotes, pipes and line breaks reach the spreadsheet
// unchanged, and do not break the Markdown table.
void TestSchedule::awkwardTextSurvives()
{
    Ductbook& job = newJob(m_dir, QStringLiteral("awkward.job"));
    const QString floor = job.getFloorTags().first();
    const QString room = job.addRoom(floor, 10, 10, 200, 100, QString(),
                                     QStringLiteral("Lab, \"North\""), 0, 0, 3, 3, 3, 1);
    job.addPort(floor, room, 20, 20, QString(), QStringLiteral("A|1"), QStringLiteral("Network"),
                QStringLiteral("not_specified"), 7, 1);
    job.addPort(floor, room, 120, 20, QString(), QStringLiteral("B,2"), QStringLiteral("Phone"),
                QStringLiteral("not_specified"), 7, 1);
    TestDef def(QStringLiteral("CAT6"));
    job.addTestDef(def);
    const QString id = QStringLiteral("Run \"1\"\nspare|x");
    QCOMPARE(job.addCable(QString(), id, QStringLiteral("Network"), QStringLiteral("B,2"),
                          QStringLiteral("A|1"), QStringLiteral("CAT6"), 1),
             id);
    // A colour no type of the job has keeps its code.
    const QString odd = job.addCable(QString(), QStringLiteral("Odd"), QStringLiteral("Network"),
                                     QStringLiteral("B,2"), QStringLiteral("A|1"),
                                     QStringLiteral("CAT6"), 1);
    job.setCableColor(job.getCableById(odd).element(), QStringLiteral("#123456"));
    job.setSiteCompany(QStringLiteral("<b>Lab</b> *one*"));
    QVERIFY(job.save());
    Ductbook::Destroy();
    const QString path = m_dir.filePath(QStringLiteral("awkward.job"));

    Run r = jobtool({QStringLiteral("schedule"), path});
    QCOMPARE(r.code, 0);
    const QList<QStringList> rows = csvRows(r.bytes);
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows.at(1).mid(0, 9), (QStringList{id, "A|1", "Lab, \"North\"", "Floor_1", "B,2",
                                                "Lab, \"North\"", "Floor_1", "CAT6", "CAT6"}));
    QCOMPARE(rows.at(2).mid(7, 2), (QStringList{"CAT6", "#123456"}));

    const QString md = m_dir.filePath(QStringLiteral("awkward.md"));
    r = jobtool({QStringLiteral("schedule"), path, QStringLiteral("--format=md"),
                 QStringLiteral("-o"), md});
    QCOMPARE(r.code, 0);
    QVERIFY(r.out.isEmpty());
    const QStringList lines = QString::fromUtf8(readFile(md)).split(QLatin1Char('\n'));
    const QStringList table = lines.filter(QRegularExpression(QStringLiteral("^\\|")));
    // The heading shows the site's name as typed, not as markup.
    QCOMPARE(lines.first(), QStringLiteral("# Cable schedule: \\<b\\>Lab\\</b\\> \\*one\\*"));
    QCOMPARE(table.size(), 4); // header, separator, each cable on one line
    QVERIFY(table.at(1).startsWith(QStringLiteral("|---|---|")));
    QVERIFY2(
        table.at(2).startsWith(QStringLiteral("| Run \"1\" spare\\|x | A\\|1 | Lab, \"North\" |")),
        qPrintable(table.at(2)));
    // Every row has as many cells as the header.
    const QRegularExpression unescapedPipe(QStringLiteral("(?<!\\\\)\\|"));
    QCOMPARE(table.at(2).count(unescapedPipe), table.at(0).count(unescapedPipe));
}

// With --excel the CSV starts with UTF-8's byte order mark and is otherwise
// the same; without it there is none, as before.
void TestSchedule::excelGetsAByteOrderMark()
{
    const Run plain = jobtool({QStringLiteral("schedule"), example()});
    const Run excel = jobtool({QStringLiteral("schedule"), example(), QStringLiteral("--excel")});
    QCOMPARE(plain.code, 0);
    QCOMPARE(excel.code, 0);
    QVERIFY(plain.bytes.startsWith("Cable,"));
    QCOMPARE(excel.bytes, QByteArray("\xef\xbb\xbf") + plain.bytes);
    const Run markdown = jobtool({QStringLiteral("schedule"), example(), QStringLiteral("--excel"),
                                  QStringLiteral("--format"), QStringLiteral("md")});
    QCOMPARE(markdown.code, 2);
    QVERIFY(markdown.bytes.isEmpty());
}

void TestSchedule::lengthCheckBoundary_data()
{
    QTest::addColumn<QString>("estimated");
    QTest::addColumn<QString>("measured");
    QTest::addColumn<double>("factor");
    QTest::addColumn<bool>("check");
    QTest::newRow("exactly the factor") << "10.0" << "20.0" << 2.0 << false;
    QTest::newRow("just over") << "10.0" << "20.1" << 2.0 << true;
    QTest::newRow("just under") << "10.0" << "19.9" << 2.0 << false;
    QTest::newRow("estimate the longer") << "20.1" << "10.0" << 2.0 << true;
    QTest::newRow("other factor, at it") << "10.0" << "30.0" << 3.0 << false;
    QTest::newRow("other factor, over") << "10.0" << "30.1" << 3.0 << true;
    QTest::newRow("nothing estimated") << "0.0" << "4.5" << 2.0 << true;
    QTest::newRow("both zero") << "0.0" << "0.0" << 2.0 << false;
    QTest::newRow("untested") << "10.0" << "" << 2.0 << false;
    QTest::newRow("no estimate") << "" << "50.0" << 2.0 << false;
}

void TestSchedule::lengthCheckBoundary()
{
    QFETCH(QString, estimated);
    QFETCH(QString, measured);
    QFETCH(double, factor);
    QFETCH(bool, check);
    QCOMPARE(Plan::lengthNeedsCheck(estimated, measured, factor), check);
}

// Cable001 measures 124.6 ft against an estimate of 22.2 ft (5.6 times):
// flagged at the default factor, not at 6; a factor that is no number above 1
// is refused.
void TestSchedule::lengthCheckColumn_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("cable001");
    QTest::newRow("default") << QStringList{} << 0 << "check";
    QTest::newRow("factor 5.5") << QStringList{"--check-factor", "5.5"} << 0 << "check";
    QTest::newRow("factor 6") << QStringList{"--check-factor=6"} << 0 << "";
    QTest::newRow("factor 1") << QStringList{"--check-factor", "1"} << 2 << "";
    QTest::newRow("not a number") << QStringList{"--check-factor", "two"} << 2 << "";
}

void TestSchedule::lengthCheckColumn()
{
    QFETCH(QStringList, options);
    QFETCH(int, code);
    QFETCH(QString, cable001);
    const Run r = jobtool(QStringList{QStringLiteral("schedule"), example()} + options);
    QCOMPARE(r.code, code);
    if (code != 0) {
        QVERIFY(r.err.contains(QStringLiteral("--check-factor")));
        return;
    }
    const QList<QStringList> rows = csvRows(r.bytes);
    QCOMPARE(rows.at(1).first(), QStringLiteral("Cable001"));
    QCOMPARE(rows.at(1).last(), cable001);
    // Untested cables have nothing to check.
    for (const QStringList& row : rows.mid(1)) {
        if (row.at(14) == QLatin1String("UNTESTED"))
            QCOMPARE(row.last(), QString());
    }
}

QTEST_GUILESS_MAIN(TestSchedule)
#include "tst_schedule.moc"
