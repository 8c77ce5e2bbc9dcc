// Copying a floor onto another floor (ids of the copies, rooms, points, texts,
// cables and the half cables through risers) and a sheet onto another sheet.
#include "jobfixture.h"

#include <QtTest>

using namespace JobFixture;

namespace {

const QString kFloor1 = QStringLiteral("FFloor_1");
const QString kUndefined = QStringLiteral("Undefined");

QString addPort(Ductbook& job, const QString& floor, const QString& room, const QString& id)
{
    return job.addPort(floor, room, 40, 50, QString(), id, QStringLiteral("Network"),
                       QStringLiteral("not_specified"), 6.5, 1);
}

QString addFloor(Ductbook& job)
{
    return job.addFloor(QString(), QStringLiteral("Floor_"), 8.0, QString(), 0);
}

QString addCable(Ductbook& job, const QString& from, const QString& to, const QString& type,
                 const QStringList& path = {QString()}, const QString& bundle = QString(),
                 const QString& group = QString())
{
    TestResults untested;
    return job.addCable(QString(), QStringLiteral("Cable"), QStringLiteral("Phone"), to, from, type,
                        bundle, QStringLiteral("2"), group, QStringLiteral("#abcdef"), path,
                        untested, 0);
}

// A cable type the job knows (the copies take only known types).
void addType(Ductbook& job, const QString& id)
{
    TestDef def(id);
    job.addTestDef(def);
}

// The port ids of a floor, all rooms.
QStringList portIds(Ductbook& job, const QString& floor)
{
    return job.getPorts(floor, false);
}

} // namespace

class TestCopyFloor : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { JobFixture::verifyAndClose(); }

    void copiesTakeLetterSuffixes();
    void suffixRule_data();
    void suffixRule();
    void roomsPointsAndTexts();
    void cablesOnTheFloor();
    void cableIdsFromCallersMap();
    void cableThroughVerticalRun();
    void missingFloorsCopyNothing();
    void copySheet();

private:
    QTemporaryDir m_dir;
};

void TestCopyFloor::copiesTakeLetterSuffixes()
{
    Ductbook& job = newJob(m_dir);
    addPort(job, kFloor1, kUndefined, QStringLiteral("P7"));
    QStringList none;
    job.addVertRun(kFloor1, kUndefined, 5, 5, none, none, QString(), QStringLiteral("VR01"),
                   QStringLiteral("vertical_run"), QStringLiteral("not_specified"), 0.0, 1);
    const QString floor2 = addFloor(job);
    const QString floor3 = addFloor(job);
    job.setDirty(false);

    job.copyFloor(kFloor1, floor2, {}, false);
    QVERIFY(job.isChanged());
    QCOMPARE(portIds(job, floor2), QStringList{"P7A"});
    QCOMPARE(job.getVertRuns(floor2, false), QStringList{"VR01A"});
    job.copyFloor(kFloor1, floor3, {}, false);
    QCOMPARE(portIds(job, floor3), QStringList{"P7B"});
    QCOMPARE(job.getVertRuns(floor3, false), QStringList{"VR01B"});

    const Port copy = job.getPortById(floor3, QStringLiteral("P7B"));
    QCOMPARE(copy.x(), 40);
    QCOMPARE(copy.y(), 50);
    QCOMPARE(copy.dropHeight(), 6.5);
    QCOMPARE(copy.use(), QStringLiteral("Network"));
    QVERIFY(copy.element() != job.getPortById(kFloor1, QStringLiteral("P7")).element());
    // Copies of runs start with empty cable lists.
    const VertRun run = job.getVertRunById(floor3, QStringLiteral("VR01B"));
    QVERIFY(run.connected().isEmpty());
    QVERIFY(run.disconnected().isEmpty());
}

void TestCopyFloor::suffixRule_data()
{
    QTest::addColumn<QStringList>("taken");
    QTest::addColumn<QString>("copy");
    QStringList upToZ;
    for (char c = 'A'; c <= 'Z'; ++c)
        upToZ.append(QStringLiteral("P7") + QLatin1Char(c));
    QStringList upToAZ = upToZ;
    for (char c = 'A'; c <= 'Z'; ++c)
        upToAZ.append(QStringLiteral("P7A") + QLatin1Char(c));
    QTest::newRow("first free letter") << QStringList{"P7A", "P7B", "P7D"} << "P7C";
    QTest::newRow("after Z the base grows by A") << upToZ << "P7AA";
    QTest::newRow("after AZ it grows again") << upToAZ << "P7AAA";
}

void TestCopyFloor::suffixRule()
{
    QFETCH(QStringList, taken);
    QFETCH(QString, copy);
    Ductbook& job = newJob(m_dir);
    addPort(job, kFloor1, kUndefined, QStringLiteral("P7"));
    const QString other = addFloor(job);
    for (const QString& id : taken)
        addPort(job, other, kUndefined, id);
    const QString target = addFloor(job);
    job.copyFloor(kFloor1, target, {}, false);
    QCOMPARE(portIds(job, target), QStringList{copy});
}

void TestCopyFloor::roomsPointsAndTexts()
{
    Ductbook& job = newJob(m_dir);
    const QString office = job.addRoom(kFloor1, 100, 200, 300, 150, QString(),
                                       QStringLiteral("Office"), 110, 210, 1, 2, 4, 1);
    addPort(job, kFloor1, office, QStringLiteral("P1"));
    addPort(job, kFloor1, kUndefined, QStringLiteral("P2"));
    job.addPoint(kFloor1, 7, 8, QString(), QStringLiteral("Point"), 0);
    job.addFloorFreeText(kFloor1, 60, 70, QStringLiteral("Riser closet"), 14);
    const QString floor2 = addFloor(job);

    job.copyFloor(kFloor1, floor2, {}, false);

    const QStringList rooms = job.getRooms(floor2, true);
    QCOMPARE(rooms.size(), 2);
    QCOMPARE(rooms.first(), kUndefined);
    QVERIFY(rooms.last() != office);
    const Room room = job.getRoomByTag(floor2, rooms.last());
    QCOMPARE(room.id(), QStringLiteral("Office"));
    QCOMPARE(room.x(), 100.0);
    QCOMPARE(room.height(), 150.0);
    QCOMPARE(room.roomNameX(), 110.0);
    QCOMPARE(room.showDimensions(), 1);
    QCOMPARE(room.showRoomName(), 2);
    QCOMPARE(room.layer(), 4);
    // Each port went into the copy of its room.
    QCOMPARE(job.getPorts(floor2, rooms.last(), false), QStringList{"P1A"});
    QCOMPARE(job.getPorts(floor2, kUndefined, false), QStringList{"P2A"});

    const QStringList points = job.getPoints(floor2, true);
    QCOMPARE(points.size(), 1);
    const Vertice point = job.getPointByTag(floor2, points.first());
    QCOMPARE(point.x(), 7);
    QCOMPARE(point.y(), 8);
    QVERIFY(point.id() != job.getPoints(kFloor1, false).first());

    const QStringList texts = job.getFloorFreeTexts(floor2, true);
    QCOMPARE(texts.size(), 1);
    const FreeText text = job.getFloorFreeTextByTag(floor2, texts.first());
    QCOMPARE(text.id(), QStringLiteral("Riser closet"));
    QCOMPARE(text.fontSize(), 14);
    QCOMPARE(text.x(), 60);
}

void TestCopyFloor::cablesOnTheFloor()
{
    Ductbook& job = newJob(m_dir);
    addType(job, QStringLiteral("CAT6"));
    job.addPort(kFloor1, kUndefined, 1, 1, QString(), QStringLiteral("P1"),
                QStringLiteral("Network"), QStringLiteral("not_specified"), 7.0, 1);
    job.addPort(kFloor1, kUndefined, 2, 2, QString(), QStringLiteral("P2"),
                QStringLiteral("Network"), QStringLiteral("not_specified"), 7.0, 1);
    const QString p1Tag = job.addPoint(kFloor1, 5, 5, QString(), QStringLiteral("Point"), 0);
    const QString p1 = job.getPointByTag(kFloor1, p1Tag).id();
    const QString p2Tag = job.addPoint(kFloor1, 6, 6, QString(), QStringLiteral("Point"), 0);
    const QString p2 = job.getPointByTag(kFloor1, p2Tag).id();
    TestResults tested;
    tested.setStatus(QStringLiteral("PASS"));

    addCable(job, QStringLiteral("P1"), QStringLiteral("P2"), QStringLiteral("CAT6"), {p1, p2});
    job.setCableTestResults(QStringLiteral("Cable1"), tested);
    addCable(job, QStringLiteral("P1"), QStringLiteral("P2"), QStringLiteral("CAT9")); // no type
    // One bundle of two cables in group 4; group 5 is taken elsewhere.
    addCable(job, QStringLiteral("P2"), QStringLiteral("P1"), QStringLiteral("CAT6"), {},
             QStringLiteral("Quad"), QStringLiteral("4"));
    addCable(job, QStringLiteral("P1"), QStringLiteral("P2"), QStringLiteral("CAT6"), {},
             QStringLiteral("Quad"), QStringLiteral("4"));
    addCable(job, QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("CAT6"), {},
             QStringLiteral("Quad"), QStringLiteral("5"));
    const QString floor2 = addFloor(job);

    job.copyFloor(kFloor1, floor2, {}, false);

    QCOMPARE(job.getCables(true).size(), 8);
    const QStringList copies = job.getCables(floor2, QStringLiteral("Show All"));
    QCOMPARE(copies, (QStringList{"Cable6", "Cable7", "Cable8"}));
    const Cable first = job.getCable(QStringLiteral("Cable6"));
    QCOMPARE(first.id(), QStringLiteral("Cable006"));
    QCOMPARE(first.from(), QStringLiteral("P1A"));
    QCOMPARE(first.to(), QStringLiteral("P2A"));
    QCOMPARE(first.use(), QStringLiteral("Phone"));
    QCOMPARE(first.type(), QStringLiteral("CAT6"));
    QCOMPARE(first.color(), QStringLiteral("#abcdef"));
    QCOMPARE(first.bundleNum(), QStringLiteral("2"));
    QCOMPARE(first.testResults().status(), QStringLiteral("UNTESTED"));
    const QStringList newPoints = job.getPoints(floor2, false);
    QCOMPARE(newPoints.size(), 2);
    QCOMPARE(first.path(), newPoints);
    QVERIFY(!newPoints.contains(p1));

    // The copies of one bundle stay together in the first free group.
    QCOMPARE(job.getCableBundleGroupNum(QStringLiteral("Cable7")), QStringLiteral("6"));
    QCOMPARE(job.getCableBundleGroupNum(QStringLiteral("Cable8")), QStringLiteral("6"));
    QCOMPARE(job.getCableFrom(QStringLiteral("Cable7")), QStringLiteral("P2A"));
}

void TestCopyFloor::cableIdsFromCallersMap()
{
    Ductbook& job = newJob(m_dir);
    addType(job, QStringLiteral("CAT6"));
    addPort(job, kFloor1, kUndefined, QStringLiteral("P1"));
    addCable(job, QStringLiteral("P1"), QStringLiteral("P1"), QStringLiteral("CAT6"));
    addCable(job, QStringLiteral("P1"), QStringLiteral("P1"), QStringLiteral("CAT6"));
    const QString floor2 = addFloor(job);
    QMap<QString, QString> ids{{QStringLiteral("Cable001"), QStringLiteral("B-001")}};
    job.copyFloor(kFloor1, floor2, ids, true);
    // The id the caller chose; a cable the map lacks is numbered as usual.
    QCOMPARE(job.getCables(false), (QStringList{"Cable001", "Cable002", "B-001", "Cable003"}));
    QCOMPARE(job.getCables(floor2, QStringList{"CAT6"}), (QStringList{"Cable3", "Cable4"}));
}

// Only this floor's half of a cable between floors is copied: its end on the
// floor, the path points before the floor marker (for the "from" end) or
// after it (for the "to" end), and a place in the disconnected list of the
// copy of the run it uses here.
void TestCopyFloor::cableThroughVerticalRun()
{
    Ductbook& job = newJob(m_dir);
    addType(job, QStringLiteral("CAT6"));
    const QString floor2 = addFloor(job);
    addPort(job, kFloor1, kUndefined, QStringLiteral("P1"));
    addPort(job, floor2, kUndefined, QStringLiteral("Q1"));
    const QString lower = job.getPointByTag(kFloor1, job.addPoint(kFloor1, 1, 1, QString(),
                                                                  QStringLiteral("Point"), 0))
                              .id();
    const QString upper =
        job.getPointByTag(floor2, job.addPoint(floor2, 2, 2, QString(), QStringLiteral("Point"), 0))
            .id();
    addCable(job, QStringLiteral("P1"), QStringLiteral("Q1"), QStringLiteral("CAT6"),
             {lower, QStringLiteral("end_first_floor"), upper});
    QStringList cable{QStringLiteral("Cable1")};
    QStringList none;
    job.addVertRun(kFloor1, kUndefined, 5, 5, cable, none, QString(), QStringLiteral("VR01"),
                   QStringLiteral("vertical_run"), QStringLiteral("not_specified"), 0.0, 1);
    job.addVertRun(floor2, kUndefined, 5, 5, cable, none, QString(), QStringLiteral("VR02"),
                   QStringLiteral("vertical_run"), QStringLiteral("not_specified"), 0.0, 1);

    const QString floor3 = addFloor(job);
    job.copyFloor(kFloor1, floor3, {}, false);
    QCOMPARE(job.getCables(true), (QStringList{"Cable1", "Cable2"}));
    QCOMPARE(job.getCableFrom(QStringLiteral("Cable2")), QStringLiteral("P1A"));
    QCOMPARE(job.getCableTo(QStringLiteral("Cable2")), QString(""));
    QCOMPARE(job.getCablePath(QStringLiteral("Cable2")), job.getPoints(floor3, false));
    const VertRun runCopy = job.getVertRunById(floor3, QStringLiteral("VR01A"));
    QCOMPARE(runCopy.disconnected(), QStringList{"Cable2"});
    QVERIFY(runCopy.connected().isEmpty());
    // The original and its runs are untouched.
    QCOMPARE(job.getVertRunById(kFloor1, QStringLiteral("VR01")).connected(),
             QStringList{"Cable1"});
    QCOMPARE(job.getCableTo(QStringLiteral("Cable1")), QStringLiteral("Q1"));

    const QString floor4 = addFloor(job);
    job.copyFloor(floor2, floor4, {}, false);
    QCOMPARE(job.getCables(true), (QStringList{"Cable1", "Cable2", "Cable3"}));
    QCOMPARE(job.getCableFrom(QStringLiteral("Cable3")), QString(""));
    QCOMPARE(job.getCableTo(QStringLiteral("Cable3")), QStringLiteral("Q1A"));
    const QStringList upperCopy = job.getCablePath(QStringLiteral("Cable3"));
    QCOMPARE(upperCopy, job.getPoints(floor4, false));
    QCOMPARE(upperCopy.size(), 1);
    QCOMPARE(job.getVertRunById(floor4, QStringLiteral("VR02A")).disconnected(),
             QStringList{"Cable3"});
}

void TestCopyFloor::missingFloorsCopyNothing()
{
    Ductbook& job = newJob(m_dir);
    addPort(job, kFloor1, kUndefined, QStringLiteral("P1"));
    job.setDirty(false);
    job.copyFloor(kFloor1, QStringLiteral("FFloor_9"), {}, false);
    job.copyFloor(QStringLiteral("FFloor_9"), kFloor1, {}, false);
    job.copySheet(QStringLiteral("SSheet_1"), QStringLiteral("SSheet_9"));
    QVERIFY(!job.isChanged());
    QCOMPARE(job.getPorts(true), QStringList{"Port1"});
}

void TestCopyFloor::copySheet()
{
    Ductbook& job = newJob(m_dir);
    const QString sheet1 = QStringLiteral("SSheet_1");
    job.addDevice(sheet1, 10, 20, QString(), QStringLiteral("SW"), QStringLiteral("10.0.0.1"),
                  QStringLiteral(":/images/switch.png"), QStringLiteral("not_specified"), 1);
    job.addVertice(sheet1, 30, 40, QString(), QStringLiteral("Bend"), 1);
    job.addFreeText(sheet1, 50, 60, QStringLiteral("Core"), 12);
    job.addConnection(QString(), QString(), QStringLiteral("SW"), QStringLiteral("Bend"),
                      QStringLiteral("0"), 0);
    const QString sheet2 = job.addSheet(QString(), QStringLiteral("Sheet_"), 0);
    job.setDirty(false);

    job.copySheet(sheet1, sheet2);
    QVERIFY(job.isChanged());
    const QStringList devices = job.getDevices(sheet2, true);
    QCOMPARE(devices.size(), 1);
    const Device device = job.getDeviceByTag(sheet2, devices.first());
    QVERIFY(device.element() != job.getDevices(sheet1, true).first());
    QVERIFY(device.id().startsWith(QStringLiteral("SW")));
    QVERIFY(device.id() != QStringLiteral("SW"));
    QCOMPARE(device.ip(), QStringLiteral("10.0.0.1"));
    QCOMPARE(device.x(), 10);
    const QStringList vertices = job.getVertices(sheet2, false);
    QCOMPARE(vertices.size(), 1);
    QVERIFY(vertices.first().startsWith(QStringLiteral("Bend")));
    const QStringList texts = job.getFreeTexts(sheet2, true);
    QCOMPARE(texts.size(), 1);
    QCOMPARE(job.getFreeTextByTag(sheet2, texts.first()).id(), QStringLiteral("Core"));
    QCOMPARE(job.getFreeTextByTag(sheet2, texts.first()).fontSize(), 12);
    // Connections stay with the original devices.
    QCOMPARE(job.getConnections(true), QStringList{"Connection1"});
    QCOMPARE(job.getConnections(sheet2), QStringList());
}

QTEST_MAIN(TestCopyFloor)
#include "tst_copyfloor.moc"
