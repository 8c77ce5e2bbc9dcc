// jobtool end to end: the commands a user types, their output and exit codes.
#include "jobfixture.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

using namespace JobFixture;

namespace {

struct Run
{
    int code = -1;
    QString out;
    QString err;
};

Run jobtool(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(GRIDWELL_JOBTOOL), args);
    Run r;
    if (!p.waitForFinished(60000))
        return r;
    r.code = p.exitCode();
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

QString example()
{
    return QStringLiteral(GRIDWELL_SOURCE_DIR "/examples/office.job");
}

} // namespace

class TestJobtool : public QObject
{
    Q_OBJECT
private slots:
    void infoOnTheExample();
    void infoAsJson();
    void infoOfABrokenFile();
    void newWritesALoadableJob();
    void settingsListGetSet();
    void usageErrors_data();
    void usageErrors();
    void exampleSavesBackUnchanged();

private:
    QTemporaryDir m_dir;
};

void TestJobtool::infoOnTheExample()
{
    const Run r = jobtool({QStringLiteral("info"), example()});
    QCOMPARE(r.code, 0);
    QVERIFY(r.out.contains(QStringLiteral("Version    3.0")));
    QVERIFY(r.out.contains(QStringLiteral("Harbor Point Dental")));
    QVERIFY(r.out.contains(QStringLiteral("Northline Cabling Ltd")));
    QVERIFY(r.out.contains(QRegularExpression(QStringLiteral("floors\\s+2\\n"))));
    QVERIFY(r.out.contains(QRegularExpression(QStringLiteral("cables\\s+6\\n"))));
    // Per type: count and estimated length; the cables between the two floors
    // one by one; the active port with its three results.
    QVERIFY(r.out.contains(QRegularExpression(QStringLiteral("type   CAT6\\s+4\\s+95.5 ft"))));
    QVERIFY(r.out.contains(QRegularExpression(QStringLiteral("type   CAT5E\\s+1\\s+15.8 ft"))));
    QVERIFY(
        r.out.contains(QStringLiteral("Cable006   MDF-02 (Level 3) -> P07 (Level 4)  20.5 ft\n")));
    QVERIFY(
        r.out.contains(QStringLiteral("Cable004   MDF-04 (Level 3) -> P05 (Level 4)  32.9 ft\n")));
    QVERIFY(r.out.contains(QStringLiteral("Active ports 1\n  P01 (ActivePort1)\n")));
    QVERIFY(r.out.contains(QRegularExpression(QStringLiteral("iPerf\\s+941 Mbit/s"))));
    QVERIFY(r.out.contains(QRegularExpression(QStringLiteral("PING\\s+10.20.0.1: 0% loss"))));
    QVERIFY(r.out.contains(QRegularExpression(QStringLiteral("PoE\\s+802.3at class 4, 25.5 W"))));
}

void TestJobtool::infoAsJson()
{
    const Run r = jobtool({QStringLiteral("info"), QStringLiteral("--json"), example()});
    QCOMPARE(r.code, 0);
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(r.out.toUtf8(), &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    const QJsonObject o = doc.object();
    QCOMPARE(o.value(QStringLiteral("version")).toString(), QStringLiteral("3.0"));
    QCOMPARE(o.value(QStringLiteral("site")).toObject().value(QStringLiteral("jobid")).toString(),
             QStringLiteral("NL-2026-118"));
    const QJsonObject counts = o.value(QStringLiteral("counts")).toObject();
    QCOMPARE(counts.value(QStringLiteral("floors")).toInt(), 2);
    QCOMPARE(counts.value(QStringLiteral("devices")).toInt(), 4);
    QCOMPARE(counts.value(QStringLiteral("connections")).toInt(), 2);

    const QJsonArray floors = o.value(QStringLiteral("floors")).toArray();
    QCOMPARE(floors.size(), 2);
    const QJsonArray rooms = floors.at(0).toObject().value(QStringLiteral("rooms")).toArray();
    QJsonObject comms;
    for (const QJsonValue& r : rooms) {
        if (r.toObject().value(QStringLiteral("id")).toString() == QLatin1String("Comms"))
            comms = r.toObject();
    }
    QCOMPARE(comms.value(QStringLiteral("ports")).toInt(), 4);
    QCOMPARE(comms.value(QStringLiteral("verticalRuns")).toInt(), 1);
    const QJsonArray devices = o.value(QStringLiteral("sheets"))
                                   .toArray()
                                   .at(0)
                                   .toObject()
                                   .value(QStringLiteral("devices"))
                                   .toArray();
    QCOMPARE(devices.at(1).toObject().value(QStringLiteral("type")).toString(),
             QStringLiteral("Switch"));
    const QJsonObject cables = o.value(QStringLiteral("cables")).toObject();
    QCOMPARE(cables.value(QStringLiteral("total")).toInt(), 6);
    QCOMPARE(
        cables.value(QStringLiteral("byStatus")).toObject().value(QStringLiteral("PASS")).toInt(),
        1);
    QCOMPARE(
        cables.value(QStringLiteral("byType")).toObject().value(QStringLiteral("CAT6")).toInt(), 4);
    QCOMPARE(cables.value(QStringLiteral("bundled")).toInt(), 2);
    QCOMPARE(cables.value(QStringLiteral("bundleGroups")).toInt(), 1);

    const QJsonObject lengths = cables.value(QStringLiteral("estimatedLengthByType")).toObject();
    QCOMPARE(lengths.value(QStringLiteral("CAT6")).toDouble(), 95.53);
    QCOMPARE(lengths.value(QStringLiteral("CAT5E")).toDouble(), 15.83);
    // P04 to P06 changes floor without a riser: only the two drops.
    QCOMPARE(lengths.value(QStringLiteral("RG-6")).toDouble(), 11.0);
    const QJsonArray between = cables.value(QStringLiteral("betweenFloors")).toArray();
    QCOMPARE(between.size(), 3);
    const QJsonObject cable6 = between.at(2).toObject();
    QCOMPARE(cable6.value(QStringLiteral("id")).toString(), QStringLiteral("Cable006"));
    QCOMPARE(cable6.value(QStringLiteral("fromFloor")).toString(), QStringLiteral("Level 3"));
    QCOMPARE(cable6.value(QStringLiteral("toFloor")).toString(), QStringLiteral("Level 4"));
    QCOMPARE(cable6.value(QStringLiteral("estimatedLength")).toDouble(), 20.55);

    const QJsonArray active = o.value(QStringLiteral("activePorts")).toArray();
    QCOMPARE(active.size(), 1);
    QCOMPARE(active.at(0).toObject().value(QStringLiteral("id")).toString(), QStringLiteral("P01"));
    QStringList types;
    for (const QJsonValue& v : active.at(0).toObject().value(QStringLiteral("results")).toArray())
        types.append(v.toObject().value(QStringLiteral("type")).toString());
    QCOMPARE(types, (QStringList{"iPerf", "PING", "PoE"}));
}

void TestJobtool::infoOfABrokenFile()
{
    const QString path = m_dir.filePath(QStringLiteral("broken.job"));
    QVERIFY(writeFile(path, "<Job><Version number=\"1.0\"/></Job>"));
    Run r = jobtool({QStringLiteral("info"), path});
    QCOMPARE(r.code, 2);
    QVERIFY(r.err.contains(QStringLiteral("Incompatible version of job file")));

    r = jobtool({QStringLiteral("info"), m_dir.filePath(QStringLiteral("none.job"))});
    QCOMPARE(r.code, 2);
    QVERIFY(r.err.contains(QStringLiteral("does not exist")));
}

void TestJobtool::newWritesALoadableJob()
{
    const QString path = m_dir.filePath(QStringLiteral("fresh"));
    Run r = jobtool({QStringLiteral("new"), path});
    QCOMPARE(r.code, 0);
    QVERIFY(QFile::exists(path + QStringLiteral(".job")));
    r = jobtool({QStringLiteral("info"), path + QStringLiteral(".job")});
    QCOMPARE(r.code, 0);
    QVERIFY(r.out.contains(QRegularExpression(QStringLiteral("sheets\\s+1\\n"))));

    r = jobtool({QStringLiteral("new"), m_dir.filePath(QStringLiteral("no/such/folder/x.job"))});
    QCOMPARE(r.code, 1);
    QVERIFY(!r.err.isEmpty());
}

void TestJobtool::settingsListGetSet()
{
    Run r = jobtool({QStringLiteral("settings"), QStringLiteral("list")});
    QCOMPARE(r.code, 0);
    QCOMPARE(r.out.count(QLatin1Char('\n')), 81);
    QVERIFY(r.out.contains(QStringLiteral("FloorCeilingHeight = 8\n")));
    QVERIFY(r.out.contains(QStringLiteral("NetworkSwitchIcon = \n")));

    r = jobtool({QStringLiteral("settings"), QStringLiteral("set"),
                 QStringLiteral("FloorCeilingHeight"), QStringLiteral("9.5")});
    QCOMPARE(r.code, 0);
    r = jobtool(
        {QStringLiteral("settings"), QStringLiteral("get"), QStringLiteral("FloorCeilingHeight")});
    QCOMPARE(r.code, 0);
    QCOMPARE(r.out, QStringLiteral("9.5\n"));
    r = jobtool({QStringLiteral("settings"), QStringLiteral("set"),
                 QStringLiteral("FloorCeilingHeight"), QStringLiteral("8")});
    QCOMPARE(r.code, 0);
}

void TestJobtool::usageErrors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("no command") << QStringList();
    QTest::newRow("unknown command") << QStringList{"frobnicate"};
    QTest::newRow("unknown setting") << QStringList{"settings", "get", "NoSuchKey"};
    QTest::newRow("set without value") << QStringList{"settings", "set", "Metric"};
    QTest::newRow("unknown setting on set") << QStringList{"settings", "set", "NoSuchKey", "1"};
    QTest::newRow("info without file") << QStringList{"info"};
    QTest::newRow("info bad option") << QStringList{"info", "--yaml", "x.job"};
    QTest::newRow("new without file") << QStringList{"new"};
}

void TestJobtool::usageErrors()
{
    QFETCH(QStringList, args);
    const QByteArray before =
        readFile(QDir::homePath() + QStringLiteral("/.config/Korvex/Gridwell.conf"));
    const Run r = jobtool(args);
    QCOMPARE(r.code, 2);
    QVERIFY(!r.err.isEmpty());
    QVERIFY(r.out.isEmpty());
    // A refused command writes nothing.
    QCOMPARE(readFile(QDir::homePath() + QStringLiteral("/.config/Korvex/Gridwell.conf")), before);
}

// The bundled example is written the way the library writes jobs: loading it
// and saving it again gives back the same bytes.
void TestJobtool::exampleSavesBackUnchanged()
{
    Ductbook::Destroy();
    Ductbook& job = Ductbook::Instance();
    QVERIFY2(job.Load(example()), qPrintable(job.error()));
    const QString copy = m_dir.filePath(QStringLiteral("office-copy.job"));
    QVERIFY(job.saveAs(copy));
    QCOMPARE(readFile(copy), readFile(example()));
    Ductbook::Destroy();
}

QTEST_GUILESS_MAIN(TestJobtool)
#include "tst_jobtool.moc"
