// jobtool schedule: the rows say what the job says, in CSV a spreadsheet
// reads back field for field, or as a Markdown table.
#include "jobfixture.h"
#include "jobtoolrun.h"

#include <csv_p.h>

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
                          "Estimated length (ft)", "Measured length (ft)", "Status", "Tested"}));

    Ductbook::Destroy();
    Ductbook& job = Ductbook::Instance();
    QVERIFY(job.Load(example()));
    const QStringList tags = job.getCables(true);
    QCOMPARE(rows.size(), tags.size() + 1);
    for (int i = 0; i < tags.size(); ++i) {
        const QStringList& row = rows.at(i + 1);
        QCOMPARE(row.size(), 16);
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
        QCOMPARE(row.mid(7, 5), (QStringList{c.type(), c.color(), c.use(), c.bundleName(),
                                             c.inBundle() ? c.bundleGroupNum() : QString()}));
        QCOMPARE(row.at(14), c.testResults().status());
        QCOMPARE(row.at(15), c.testResults().time());
    }
    Ductbook::Destroy();

    // Spot checks against the drawing: Cable004 runs from Level 3 to Level 4.
    QCOMPARE(rows.at(4).mid(0, 7), (QStringList{"Cable004", "MDF-04", "Comms", "Level 3", "P05",
                                                "Staff room", "Level 4"}));
    QCOMPARE(rows.at(1).mid(10, 2), (QStringList{"Desk pair", "1"}));
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
    QVERIFY(job.save());
    Ductbook::Destroy();
    const QString path = m_dir.filePath(QStringLiteral("awkward.job"));

    Run r = jobtool({QStringLiteral("schedule"), path});
    QCOMPARE(r.code, 0);
    const QList<QStringList> rows = csvRows(r.bytes);
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows.at(1).mid(0, 8), (QStringList{id, "A|1", "Lab, \"North\"", "Floor_1", "B,2",
                                                "Lab, \"North\"", "Floor_1", "CAT6"}));

    const QString md = m_dir.filePath(QStringLiteral("awkward.md"));
    r = jobtool({QStringLiteral("schedule"), path, QStringLiteral("--format=md"),
                 QStringLiteral("-o"), md});
    QCOMPARE(r.code, 0);
    QVERIFY(r.out.isEmpty());
    const QStringList lines = QString::fromUtf8(readFile(md)).split(QLatin1Char('\n'));
    const QStringList table = lines.filter(QRegularExpression(QStringLiteral("^\\|")));
    QCOMPARE(table.size(), 3); // header, separator, one cable on one line
    QVERIFY(table.at(1).startsWith(QStringLiteral("|---|---|")));
    QVERIFY2(
        table.at(2).startsWith(QStringLiteral("| Run \"1\" spare\\|x | A\\|1 | Lab, \"North\" |")),
        qPrintable(table.at(2)));
    // Every row has as many cells as the header.
    const QRegularExpression unescapedPipe(QStringLiteral("(?<!\\\\)\\|"));
    QCOMPARE(table.at(2).count(unescapedPipe), table.at(0).count(unescapedPipe));
}

QTEST_GUILESS_MAIN(TestSchedule)
#include "tst_schedule.moc"
