// Damaged and unusual files: every operation answers with its default or does
// nothing; none crashes (the sanitizer build runs this too).
#include "jobfixture.h"

#include <QtTest>

using namespace JobFixture;

class TestRobustness : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { JobFixture::verifyAndClose(); }

    void operationsOnDamagedFiles_data();
    void operationsOnDamagedFiles();
    void operationsOnAnEmptyDocument();

private:
    void exercise(Ductbook& job);
    QTemporaryDir m_dir;
};

void TestRobustness::operationsOnDamagedFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("no lists at all") << QByteArray();
    QTest::newRow("floor without room list")
        << QByteArray(" <Floor_List><FFloor_1 id=\"G\"/></Floor_List>\n"
                      " <Sheet_List><SSheet_1 id=\"S\"/></Sheet_List>\n");
    QTest::newRow("rooms without item lists")
        << QByteArray(" <Floor_List><FFloor_1 id=\"G\"><Room_List><Undefined id=\"Undefined\"/>"
                      "<Room1 id=\"Hall\"/></Room_List></FFloor_1></Floor_List>\n");
    QTest::newRow("cables without results or attributes")
        << QByteArray(" <Cable_List><Cable1/><Cable2 id=\"C2\" from=\"P1\" to=\"P1\"/>"
                      "<Cable2 id=\"dup\"/></Cable_List>\n"
                      " <Floor_List><FFloor_1 id=\"G\"><Room_List><Undefined id=\"Undefined\">"
                      "<Port_List><Port1 id=\"P1\"/><Port1 id=\"P1\"/></Port_List>"
                      "<VerticalRun_List><VerticalRun1 connected=\",,Cable1,,\"/>"
                      "</VerticalRun_List></Undefined></Room_List></FFloor_1></Floor_List>\n");
    QTest::newRow("text and odd nodes") << QByteArray(
        " <Floor_List>stray text<FFloor_1 id=\"G\"><!-- c --><Room_List>"
        "<Undefined id=\"Undefined\"><Port_List><Port1 id=\"P1\" x=\"abc\" "
        "drop_height=\"x\"/></Port_List></Undefined></Room_List></FFloor_1>"
        "</Floor_List>\n <Settings_List/>\n <TestDef_List><TestDef1/></TestDef_List>\n");
}

void TestRobustness::operationsOnDamagedFiles()
{
    QFETCH(QByteArray, content);
    QVERIFY(loadText(m_dir, jobText(content)));
    exercise(Ductbook::Instance());
}

void TestRobustness::operationsOnAnEmptyDocument()
{
    Ductbook& job = Ductbook::Instance();
    exercise(job);
    QVERIFY(!job.isChanged());
    QVERIFY(!job.save());
}

// Reads, writes and removals with names that exist in some of the files and
// with names that exist nowhere, and the empty name.
void TestRobustness::exercise(Ductbook& job)
{
    const QString floor = QStringLiteral("FFloor_1");
    const QString sheet = QStringLiteral("SSheet_1");
    for (const QString& name : {QStringLiteral("P1"), QStringLiteral("Port1"),
                                QStringLiteral("Cable1"), QStringLiteral("Cable2"), QString()}) {
        QCOMPARE(job.getPortById(QStringLiteral("nowhere"), name).x(), -1);
        job.getPortById(floor, name);
        job.getPortByTag(name);
        job.getRoomByTag(floor, name);
        job.getVertRunByTag(name);
        job.getDevice(name);
        job.getCable(name);
        job.getCableById(name);
        job.getCableTestResults(name);
        job.getCablePath(name);
        job.getCables(name);
        job.getCablesConnectedToPort(name, true);
        job.getConnection(name);
        job.getVertRunConnectedList(name);
        job.setCableUse(name, QStringLiteral("Phone"));
        job.setPortPos(floor, QStringLiteral("Undefined"), name, 1, 2);
        job.renamePort(floor, QStringLiteral("Undefined"), name, QStringLiteral("Q1"));
        job.setVertRunRoom(floor, name, QStringLiteral("Room1"));
        job.setPortRoom(floor, name, QStringLiteral("Room1"));
        job.removeConnection(name);
    }
    job.getCables(floor, QStringLiteral("Show All"));
    job.getCables(floor, QStringList{QStringLiteral("CAT6")});
    job.getPorts(true);
    job.getVertRuns();
    job.getRooms(floor, true);
    job.getDevices(true);
    job.getFreeTexts(sheet, true);
    job.getFloorFreeTexts(floor, true);
    job.getPoints(floor, true);
    job.getPrintSettings(QStringLiteral("NetView_Settings"));
    job.getTestDef(QStringLiteral("CAT6"));
    job.getTypes();
    job.fixBrokenVerticalRunCables();
    job.addPort(floor, QStringLiteral("Undefined"), 1, 1, QString(), QStringLiteral("P"),
                QStringLiteral("Network"), QString(), 7.0, 0);
    job.addRoom(floor, 0, 0, 1, 1, QString(), QStringLiteral("R"), 0, 0, 3, 3, 3, 0);
    job.addCable(QString(), QStringLiteral("Cable"), QStringLiteral("Network"),
                 QStringLiteral("P1"), QStringLiteral("P2"), 0);
    job.addDevice(sheet, 1, 1, QString(), QStringLiteral("D"), QString(), QString(), QString(), 0);
    job.copyFloor(floor, floor, {}, false);
    job.copySheet(sheet, sheet);
    job.removeRoom(floor, QStringLiteral("Room1"));
    job.removeCable(QStringLiteral("Cable1"));
    job.removeFloor(floor);
    job.removeSheet(sheet);
    QVERIFY(job.getFloorTags().isEmpty() || !job.getFloorTags().contains(floor));
    QVERIFY(job.getPortById(floor, QStringLiteral("P1")).element().isEmpty());
}

QTEST_GUILESS_MAIN(TestRobustness)
#include "tst_robustness.moc"
