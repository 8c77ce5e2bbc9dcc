// Rooms: generated names, refused tags, geometry storage, repairs on read,
// per-floor setters and removal with the room's contents kept.
#include "jobfixture.h"

#include <QtTest>

using namespace JobFixture;

class TestRooms : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { JobFixture::verifyAndClose(); }

    void generatedNames_data();
    void generatedNames();
    void roomIdsCountOnTheRoomsFloor();
    void suppliedTagRefused_data();
    void suppliedTagRefused();
    void recordOverloadTruncates();
    void readingRepairsDisplaySettings();
    void undefinedRoomRecords();
    void lookupAcrossFloorsFollowsFloorMap();
    void sameIdOnTwoFloors();
    void lookupsByIdTakeTheFirstInTheFile_data();
    void lookupsByIdTakeTheFirstInTheFile();
    void labelAndDisplaySetters();
    void generatedNamesAfterLoad();
    void removeRoomKeepsItsPortsAndRuns();
    void removeRoomRecreatesMissingUndefined();
    void removeRoomRefusals();

private:
    QTemporaryDir m_dir;
};

static const QString kFloor = QStringLiteral("FFloor_1");
static const QString kUndefined = QStringLiteral("Undefined");

static QString addRoom(Ductbook& job, const QString& floor, const QString& tag, const QString& id,
                       int mode)
{
    return job.addRoom(floor, 0, 0, 10, 10, tag, id, 0, 0, 3, 3, 3, mode);
}

void TestRooms::generatedNames_data()
{
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("id");
    // The number after the greatest name in string order is the start, so
    // Room2 beats Room10.
    QTest::newRow("first room") << QStringList() << "Room1"
                                << "P1";
    QTest::newRow("Room3 after Room1, Room2, Room10") << QStringList{"1", "2", "10"} << "Room3"
                                                      << "P3";
    QTest::newRow("Room10 after Room1, Room9") << QStringList{"1", "9"} << "Room10"
                                               << "P10";
    // The start is taken, so counting goes on past the names that exist.
    QTest::newRow("count past taken names") << QStringList{"9", "10", "11"} << "Room12"
                                            << "P12";
}

// A loaded job counts room names the way the same job did before it was
// saved: the "Undefined" rooms do not take part.
void TestRooms::generatedNamesAfterLoad()
{
    Ductbook& job = newJob(m_dir);
    addRoom(job, kFloor, QStringLiteral("Room1"), QStringLiteral("Lab1"), 2);
    addRoom(job, kFloor, QStringLiteral("Room9"), QStringLiteral("Lab9"), 2);
    QVERIFY(job.save());
    QVERIFY(Ductbook::Instance().Load(job.filename()));
    QCOMPARE(addRoom(job, kFloor, QString(), QStringLiteral("Lab"), 0), QStringLiteral("Room10"));
    QCOMPARE(job.getRoomByTag(kFloor, QStringLiteral("Room10")).id(), QStringLiteral("Lab10"));
}

void TestRooms::generatedNames()
{
    QFETCH(QStringList, existing);
    QFETCH(QString, tag);
    QFETCH(QString, id);
    Ductbook& job = newJob(m_dir);
    for (const QString& n : existing) {
        QCOMPARE(addRoom(job, kFloor, QStringLiteral("Room") + n, QStringLiteral("P") + n, 2),
                 QStringLiteral("Room") + n);
    }
    QCOMPARE(addRoom(job, kFloor, QString(), QStringLiteral("P"), 0), tag);
    QCOMPARE(job.getRoomByTag(kFloor, tag).id(), id);
    QVERIFY(job.roomExists(tag, true));
    QVERIFY(job.roomExists(id, false));
}

// The id counter starts after the greatest room name of the whole job, but a
// name is only "taken" when the room's own floor has it.
void TestRooms::roomIdsCountOnTheRoomsFloor()
{
    Ductbook& job = newJob(m_dir);
    const QString second = job.addFloor(QString(), QStringLiteral("Floor_"), 8.0, QString(), 0);
    addRoom(job, kFloor, QString(), QStringLiteral("P9"), 1);
    addRoom(job, kFloor, QString(), QStringLiteral("P10"), 1);
    const QString onSecond = addRoom(job, second, QString(), QStringLiteral("P"), 0);
    QCOMPARE(job.getRoomByTag(second, onSecond).id(), QStringLiteral("P10"));
    const QString onFirst = addRoom(job, kFloor, QString(), QStringLiteral("P"), 0);
    QCOMPARE(job.getRoomByTag(kFloor, onFirst).id(), QStringLiteral("P11"));
    QCOMPARE(job.getRooms(kFloor, true), (QStringList{"Undefined", "Room1", "Room2", onFirst}));
    QCOMPARE(job.getRooms(kFloor, false), (QStringList{"Undefined", "P9", "P10", "P11"}));
}

// A supplied tag becomes an element name; one that is not a valid name, or
// that a room of the job already has, creates nothing.
void TestRooms::suppliedTagRefused_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<int>("mode");
    QTest::newRow("space") << "Room 1" << 2;
    QTest::newRow("digit first") << "1Room" << 3;
    QTest::newRow("markup") << "R<1>" << 2;
    QTest::newRow("empty") << "" << 2;
    QTest::newRow("beyond Latin-1") << QString::fromUtf8("Room\u4e00") << 2;
    QTest::newRow("taken on another floor") << "Room1" << 2;
    QTest::newRow("the Undefined room") << "Undefined" << 3;
}

void TestRooms::suppliedTagRefused()
{
    QFETCH(QString, tag);
    QFETCH(int, mode);
    Ductbook& job = newJob(m_dir);
    const QString second = job.addFloor(QString(), QStringLiteral("Floor_"), 8.0, QString(), 0);
    QCOMPARE(addRoom(job, second, QStringLiteral("Room1"), QStringLiteral("Hall"), 2),
             QStringLiteral("Room1"));
    job.setDirty(false);

    QCOMPARE(addRoom(job, kFloor, tag, QStringLiteral("Office"), mode), tag);
    QCOMPARE(job.getRooms(kFloor, true), QStringList{kUndefined});
    QVERIFY(!job.roomExists(QStringLiteral("Office"), false));
    QVERIFY(!job.isChanged());
    QVERIFY(job.save());
    QVERIFY(Ductbook::Instance().Load(job.filename()));
}

void TestRooms::recordOverloadTruncates()
{
    Ductbook& job = newJob(m_dir);
    Room room(QString(), 10.9, -2.7, 100.5, 50.99, QStringLiteral("Lab"), kFloor, 3.9, -0.5, 1, 2,
              4);
    const QString tag = job.addRoom(room, 1);
    QCOMPARE(tag, QStringLiteral("Room1"));
    const Room back = job.getRoomByTag(kFloor, tag);
    QCOMPARE(back.x(), 10.0);
    QCOMPARE(back.y(), -2.0);
    QCOMPARE(back.width(), 100.0);
    QCOMPARE(back.height(), 50.0);
    QCOMPARE(back.roomNameX(), 3.0);
    QCOMPARE(back.roomNameY(), 0.0);
    QCOMPARE(back.showDimensions(), 1);
    QCOMPARE(back.showRoomName(), 2);
    QCOMPARE(back.layer(), 4);
    QCOMPARE(back.floor(), kFloor);
    QVERIFY(job.save());
    const QByteArray text = readFile(job.filename());
    QVERIFY(
        text.contains("<Room1 id=\"Lab\" height=\"50\" layer=\"4\" namex=\"3\" namey=\"0\" "
                      "show_dimensions=\"1\" show_name=\"2\" width=\"100\" x=\"10\" y=\"-2\">"));

    // A value no integer can hold does not wrap around.
    Room huge(QStringLiteral("Room7"), 1e12, -1e12, 0.0, 0.0, QStringLiteral("Huge"), kFloor, 0, 0,
              3, 3, 3);
    job.addRoom(huge, 2);
    QCOMPARE(job.getRoomByTag(kFloor, QStringLiteral("Room7")).x(), 2147483647.0);
    QCOMPARE(job.getRoomByTag(kFloor, QStringLiteral("Room7")).y(), -2147483648.0);
}

void TestRooms::readingRepairsDisplaySettings()
{
    QVERIFY(loadText(m_dir, jobText(" <Floor_List><FFloor_1 id=\"G\"><Room_List>"
                                    "<Undefined id=\"Undefined\"><Port_List/><VerticalRun_List/>"
                                    "</Undefined><Room4 id=\"Old\" x=\"5\"/>"
                                    "</Room_List></FFloor_1></Floor_List>\n")));
    Ductbook& job = Ductbook::Instance();
    const Room r = job.getRoomByTag(kFloor, QStringLiteral("Room4"));
    QCOMPARE(r.id(), QStringLiteral("Old"));
    QCOMPARE(r.x(), 5.0);
    QCOMPARE(r.width(), 0.0); // missing geometry reads as 0
    QCOMPARE(r.layer(), 3);
    QCOMPARE(r.showRoomName(), 3);
    QCOMPARE(r.showDimensions(), 3);
    QVERIFY(!job.isChanged());
    QVERIFY(job.save());
    QVERIFY(readFile(job.filename())
                .contains("<Room4 id=\"Old\" layer=\"3\" show_dimensions=\"3\" show_name=\"3\" "
                          "x=\"5\"/>"));
    // The lookup by id repairs the same way and finds the same room.
    QCOMPARE(job.getRoomById(kFloor, QStringLiteral("Old")).element(), QStringLiteral("Room4"));
    QCOMPARE(job.getRoomById(kFloor, QStringLiteral("Nope")).element(), QString());
    QCOMPARE(job.getRoomByTag(kFloor, QStringLiteral("Room9")).x(), -1.0);
}

void TestRooms::undefinedRoomRecords()
{
    Ductbook& job = newJob(m_dir);
    for (const Room& r : {job.getRoomByTag(kFloor, kUndefined), job.getRoomByTag(kUndefined),
                          job.getRoomById(kFloor, kUndefined)}) {
        QCOMPARE(r.element(), kUndefined);
        QCOMPARE(r.id(), kUndefined);
        QCOMPARE(r.x(), -1.0);
        QCOMPARE(r.width(), -1.0);
        QCOMPARE(r.floor(), QString());
        QCOMPARE(r.layer(), 3);
    }
    QCOMPARE(job.getRooms(kFloor, false), QStringList{kUndefined});
    QCOMPARE(job.getRooms(QStringLiteral("FFloor_9"), true), QStringList());
}

// Tags are unique in a job, but a file may repeat one; then the floor that
// comes first in the floor map's key order answers, not the first in the file.
void TestRooms::lookupAcrossFloorsFollowsFloorMap()
{
    QVERIFY(loadText(m_dir, jobText(" <Floor_List>"
                                    "<FFloor_2 id=\"B\"><Room_List><Room5 id=\"second\"/>"
                                    "<Room6 id=\"only\"/></Room_List></FFloor_2>"
                                    "<FFloor_10 id=\"A\"><Room_List><Room5 id=\"tenth\"/>"
                                    "</Room_List></FFloor_10></Floor_List>\n")));
    Ductbook& job = Ductbook::Instance();
    const Room r = job.getRoomByTag(QStringLiteral("Room5"));
    QCOMPARE(r.id(), QStringLiteral("tenth"));
    QCOMPARE(r.floor(), QStringLiteral("FFloor_10"));
    QCOMPARE(job.getRoomByTag(QStringLiteral("Room6")).floor(), QStringLiteral("FFloor_2"));
    QCOMPARE(job.getRoomByTag(QStringLiteral("Room7")).element(), QString());

    // In a job built by the add operations every tag is unique.
    Ductbook& fresh = newJob(m_dir);
    const QString second = fresh.addFloor(QString(), QStringLiteral("Floor_"), 8.0, QString(), 0);
    const QString tag = addRoom(fresh, second, QString(), QStringLiteral("Roof"), 1);
    QCOMPARE(fresh.getRoomByTag(tag).floor(), second);
    QCOMPARE(fresh.getRoomByTag(kFloor, tag).element(), QString());
}

void TestRooms::sameIdOnTwoFloors()
{
    Ductbook& job = newJob(m_dir);
    const QString second = job.addFloor(QString(), QStringLiteral("Floor_"), 8.0, QString(), 0);
    const QString a = addRoom(job, kFloor, QString(), QStringLiteral("Office"), 1);
    const QString b = addRoom(job, second, QString(), QStringLiteral("Office"), 1);
    job.setDirty(false);

    job.setRoomPos(second, QStringLiteral("Office"), 1, 2, 3, 4);
    QVERIFY(job.isChanged());
    const Room moved = job.getRoomByTag(second, b);
    QCOMPARE(QList<double>({moved.x(), moved.y(), moved.width(), moved.height()}),
             QList<double>({1, 2, 3, 4}));
    const Room kept = job.getRoomByTag(kFloor, a);
    QCOMPARE(QList<double>({kept.x(), kept.y(), kept.width(), kept.height()}),
             QList<double>({0, 0, 10, 10}));

    job.setRoomName(second, QStringLiteral("Office"), QStringLiteral("Lab"));
    QCOMPARE(job.getRoomByTag(second, b).id(), QStringLiteral("Lab"));
    QCOMPARE(job.getRoomByTag(kFloor, a).id(), QStringLiteral("Office"));
    QVERIFY(job.roomExists(QStringLiteral("Office"), false));
    QVERIFY(job.roomExists(QStringLiteral("Lab"), false));
    job.setRoomName(kFloor, QStringLiteral("Office"), QStringLiteral("Kitchen"));
    QVERIFY(!job.roomExists(QStringLiteral("Office"), false));
    QVERIFY(job.roomExists(QStringLiteral("Kitchen"), false));

    // Unknown names change nothing.
    job.setDirty(false);
    job.setRoomPos(second, QStringLiteral("Office"), 9, 9, 9, 9);
    job.setRoomName(second, QStringLiteral("Office"), QStringLiteral("X"));
    QVERIFY(!job.isChanged());
    QVERIFY(!job.roomExists(QStringLiteral("X"), false));
}

// Lookups by id answer with the first room of the floor in document order,
// whatever the tags' order and wherever the "Undefined" room stands.
void TestRooms::lookupsByIdTakeTheFirstInTheFile_data()
{
    QTest::addColumn<QByteArray>("rooms");
    QTest::addColumn<QString>("first");
    QTest::addColumn<int>("count");
    QTest::newRow("later tag first in the file")
        << QByteArray("<Undefined id=\"Undefined\"/><Room3 id=\"Lab\"/><Room1 id=\"Lab\"/>")
        << "Room3" << 2;
    QTest::newRow("one of its name") << QByteArray("<Undefined id=\"Undefined\"/>"
                                                   "<Room3 id=\"Store\"/><Room1 id=\"Lab\"/>")
                                     << "Room1" << 1;
    QTest::newRow("\"Undefined\" named like a room")
        << QByteArray("<Undefined id=\"Lab\"/><Room1 id=\"Lab\"/>") << "Undefined" << 2;
    QTest::newRow("\"Undefined\" not first")
        << QByteArray("<Room1 id=\"Store\"/><Undefined id=\"Lab\"/><Room2 id=\"Lab\"/>")
        << "Undefined" << 2;
    QTest::newRow("none of that name")
        << QByteArray("<Undefined id=\"Undefined\"/><Room1 id=\"Store\"/>") << "" << 0;
}

void TestRooms::lookupsByIdTakeTheFirstInTheFile()
{
    QFETCH(QByteArray, rooms);
    QFETCH(QString, first);
    QFETCH(int, count);
    rooms.replace("id=", "x=\"0\" y=\"0\" width=\"1\" height=\"1\" id=");
    // A room of that name on another floor must not answer for this one.
    QVERIFY(loadText(m_dir, jobText(" <Floor_List><FFloor_1 id=\"G\"><Room_List>" + rooms +
                                    "</Room_List></FFloor_1><FFloor_2 id=\"U\"><Room_List>"
                                    "<Room9 id=\"Lab\"/></Room_List></FFloor_2></Floor_List>\n")));
    Ductbook& job = Ductbook::Instance();
    const QString lab = QStringLiteral("Lab");
    QCOMPARE(job.getRoomById(kFloor, lab).element(), first);
    QCOMPARE(job.roomExistsOnFloor(kFloor, lab, false), count > 0);
    job.setRoomPos(kFloor, lab, 7, 7, 7, 7);
    int moved = 0;
    for (const QString& tag : job.getRooms(kFloor, true))
        moved += job.getRoomByTag(kFloor, tag).x() == 7.0 ? 1 : 0;
    // The "Undefined" room reads as a fixed record, so it is counted apart.
    if (first == kUndefined)
        QVERIFY(job.save() &&
                readFile(job.filename()).contains("<Undefined id=\"Lab\" height=\"7\""));
    QCOMPARE(moved + (first == kUndefined ? 1 : 0), count);
    QCOMPARE(job.getRoomById(QStringLiteral("FFloor_2"), lab).element(), QStringLiteral("Room9"));
}

// Label and display setters add a missing attribute; setRoomPos only
// overwrites, and a room without children is left alone by the others.
void TestRooms::labelAndDisplaySetters()
{
    QVERIFY(loadText(m_dir, jobText(" <Floor_List><FFloor_1 id=\"G\"><Room_List>"
                                    "<Room1 id=\"Bare\" x=\"1\"><Port_List/></Room1>"
                                    "<Room2 id=\"Empty\"/>"
                                    "</Room_List></FFloor_1></Floor_List>\n")));
    Ductbook& job = Ductbook::Instance();
    job.setRoomNamePos(kFloor, QStringLiteral("Bare"), QPoint(7, 8));
    job.setRoomLayer(kFloor, QStringLiteral("Bare"), 5);
    job.setShowRoomName(kFloor, QStringLiteral("Bare"), 0);
    job.setShowRoomDimensions(kFloor, QStringLiteral("Bare"), 1);
    job.setRoomPos(kFloor, QStringLiteral("Bare"), 2, 3, 4, 5);
    QVERIFY(job.isChanged());
    const Room r = job.getRoomById(kFloor, QStringLiteral("Bare"));
    QCOMPARE(r.roomNameX(), 7.0);
    QCOMPARE(r.roomNameY(), 8.0);
    QCOMPARE(r.layer(), 5);
    QCOMPARE(r.showRoomName(), 0);
    QCOMPARE(r.showDimensions(), 1);
    QCOMPARE(r.x(), 2.0);
    QCOMPARE(r.width(), 0.0); // not created by setRoomPos

    job.setDirty(false);
    job.setRoomNamePos(kFloor, QStringLiteral("Empty"), QPoint(1, 1));
    job.setRoomLayer(kFloor, QStringLiteral("Empty"), 1);
    job.setShowRoomName(kFloor, QStringLiteral("Empty"), 1);
    job.setShowRoomDimensions(kFloor, QStringLiteral("Empty"), 1);
    QVERIFY(!job.isChanged());
    QVERIFY(job.save());
    QVERIFY(readFile(job.filename()).contains("<Room2 id=\"Empty\"/>"));
}

// Ports move by element, so a port at x = -1 and a port whose id another
// room's port shares both end up in "Undefined"; the namesake stays put.
void TestRooms::removeRoomKeepsItsPortsAndRuns()
{
    Ductbook& job = newJob(m_dir);
    const QString hall = addRoom(job, kFloor, QString(), QStringLiteral("Hall"), 1);
    const QString lab = addRoom(job, kFloor, QString(), QStringLiteral("Lab"), 1);
    const QString namesake = job.addPort(kFloor, hall, 5, 5, QString(), QStringLiteral("P7"),
                                         QStringLiteral("Network"), QString(), 7.0, 1);
    const QString p1 = job.addPort(kFloor, lab, 5, 5, QString(), QStringLiteral("P7"),
                                   QStringLiteral("Network"), QString(), 7.0, 1);
    const QString p2 = job.addPort(kFloor, lab, -1, -1, QString(), QStringLiteral("P8"),
                                   QStringLiteral("Phone"), QStringLiteral("2"), 3.5, 1);
    QStringList connected{QStringLiteral("Cable1")};
    QStringList disconnected;
    // The hall's run shares the id of the lab's run; it must stay in the hall.
    const QString hallRun =
        job.addVertRun(kFloor, hall, 3, 3, connected, disconnected, QString(),
                       QStringLiteral("VR01"), QStringLiteral("vertical_run"), QString(), 0.0, 1);
    const QString run =
        job.addVertRun(kFloor, lab, 9, 9, connected, disconnected, QString(),
                       QStringLiteral("VR01"), QStringLiteral("vertical_run"), QString(), 0.0, 1);
    QCOMPARE(job.getVertRuns(kFloor, lab, true), QStringList{run});
    job.setDirty(false);

    job.removeRoom(kFloor, lab);
    QVERIFY(job.isChanged());
    QCOMPARE(job.getRooms(kFloor, true), (QStringList{kUndefined, hall}));
    QVERIFY(!job.roomExists(lab, true));
    QVERIFY(!job.roomExists(QStringLiteral("Lab"), false));
    QCOMPARE(job.getPorts(kFloor, kUndefined, true), (QStringList{p1, p2}));
    QCOMPARE(job.getPorts(kFloor, hall, true), QStringList{namesake});
    QCOMPARE(job.getVertRuns(kFloor, kUndefined, true), QStringList{run});
    QCOMPARE(job.getVertRuns(kFloor, hall, true), QStringList{hallRun});
    QCOMPARE(job.getVertRunConnectedList(run), QStringList{"Cable1"});

    const Port moved = job.getPortByTag(kFloor, kUndefined, p2);
    QCOMPARE(moved.id(), QStringLiteral("P8"));
    QCOMPARE(moved.use(), QStringLiteral("Phone"));
    QCOMPARE(moved.iconScale(), QStringLiteral("2"));
    QCOMPARE(moved.dropHeight(), 3.5);
    QCOMPARE(job.getPortByTag(p1).room(), kUndefined);
    QCOMPARE(job.getPortId(p1), QStringLiteral("P7"));

    // What was moved survives a save and a load.
    QVERIFY(job.save());
    QVERIFY(Ductbook::Instance().Load(job.filename()));
    QCOMPARE(job.getPorts(kFloor, kUndefined, true), (QStringList{p1, p2}));
}

void TestRooms::removeRoomRecreatesMissingUndefined()
{
    QVERIFY(loadText(m_dir, jobText(" <Floor_List><FFloor_1 id=\"G\"><Room_List>"
                                    "<Room1 id=\"Hall\"><Port_List><Port1 id=\"P01\" x=\"1\"/>"
                                    "</Port_List><VerticalRun_List/></Room1>"
                                    "</Room_List></FFloor_1></Floor_List>\n")));
    Ductbook& job = Ductbook::Instance();
    job.removeRoom(kFloor, QStringLiteral("Room1"));
    QCOMPARE(job.getRooms(kFloor, true), QStringList{kUndefined});
    QCOMPARE(job.getPorts(kFloor, kUndefined, true), QStringList{"Port1"});
    QCOMPARE(job.getPortById(kFloor, QStringLiteral("P01")).room(), kUndefined);
}

void TestRooms::removeRoomRefusals()
{
    Ductbook& job = newJob(m_dir);
    job.addPort(kFloor, kUndefined, 1, 1, QString(), QStringLiteral("P"), QString(), QString(), 7.0,
                0);
    job.setDirty(false);
    // "Undefined" holds whatever lies in no room; it cannot go.
    job.removeRoom(kFloor, kUndefined);
    job.removeRoom(kFloor, QStringLiteral("Room4"));
    job.removeRoom(QStringLiteral("FFloor_8"), QStringLiteral("Room1"));
    Room unknown;
    job.removeRoom(unknown);
    QVERIFY(!job.isChanged());
    QCOMPARE(job.getRooms(kFloor, true), QStringList{kUndefined});
    QCOMPARE(job.getPorts(kFloor, kUndefined, true), QStringList{"Port1"});

    // The record overload goes by floor and tag.
    const QString tag = addRoom(job, kFloor, QString(), QStringLiteral("Lab"), 1);
    Room r = job.getRoomByTag(kFloor, tag);
    job.removeRoom(r);
    QCOMPARE(job.getRooms(kFloor, true), QStringList{kUndefined});
}

QTEST_GUILESS_MAIN(TestRooms)
#include "tst_rooms.moc"
