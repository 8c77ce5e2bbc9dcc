// Ports, devices, vertices, points and texts: generated names, refused tags,
// repairs on read, the x = -1 rule of the per-floor port lookups, moves
// between rooms, lists, removal without cascades and a save/load round trip.
#include "jobfixture.h"

#include <QtTest>

using namespace JobFixture;

class TestItems : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { JobFixture::verifyAndClose(); }

    void generatedNames_data();
    void generatedNames();
    void sheetAndFloorTextsCountApart();
    void portNamesSkipVerticalRunNames();
    void suppliedTagRefused_data();
    void suppliedTagRefused();
    void repairsOnRead();
    void dropHeightText_data();
    void dropHeightText();
    void movesGoByTag();
    void setPortRoom();
    void removalDoesNotCascade();
    void perFloorPortLookups_data();
    void perFloorPortLookups();
    void repeatedTagsInFile();
    void lookupsAcrossFloorsAndSheets();
    void listsUsesAndDeviceTypes();
    void settersAndRemovals();
    void roundTripOfEveryKind();
    void manyPortsStayReachable();

private:
    QTemporaryDir m_dir;
};

static const QString kFloor = QStringLiteral("FFloor_1");
static const QString kSheet = QStringLiteral("SSheet_1");
static const QString kUndefined = QStringLiteral("Undefined");

// The attributes of the first element named tag in the saved file.
static QMap<QString, QString> savedAttrs(Ductbook& job, const QString& tag)
{
    QMap<QString, QString> attrs;
    if (!job.save())
        return attrs;
    QDomDocument doc;
    if (!doc.setContent(QString::fromLatin1(readFile(job.filename()))))
        return attrs;
    const QDomNamedNodeMap map = doc.elementsByTagName(tag).at(0).attributes();
    for (int i = 0; i < map.count(); ++i)
        attrs.insert(map.item(i).nodeName(), map.item(i).nodeValue());
    return attrs;
}

// One add in mode 0 (texts: their only form) of the named kind.
static QString addOne(Ductbook& job, const QString& kind, const QString& prefix)
{
    if (kind == QLatin1String("port"))
        return job.addPort(kFloor, kUndefined, 1, 2, QString(), prefix, QStringLiteral("Network"),
                           QStringLiteral("not_specified"), 7.0, 0);
    if (kind == QLatin1String("device"))
        return job.addDevice(kSheet, 1, 2, QString(), prefix, QString(), QString(), QString(), 0);
    if (kind == QLatin1String("vertice"))
        return job.addVertice(kSheet, 1, 2, QString(), prefix, 0);
    if (kind == QLatin1String("point"))
        return job.addPoint(kFloor, 1, 2, QString(), prefix, 0);
    if (kind == QLatin1String("sheet text"))
        return job.addFreeText(kSheet, 1, 2, prefix, 10);
    return job.addFloorFreeText(kFloor, 1, 2, prefix, 10);
}

static QString idOf(Ductbook& job, const QString& kind, const QString& tag)
{
    if (kind == QLatin1String("port"))
        return job.getPortId(tag);
    if (kind == QLatin1String("device"))
        return job.getDevice(tag).id();
    if (kind == QLatin1String("vertice"))
        return job.getVertice(tag).id();
    if (kind == QLatin1String("point"))
        return job.getPointByTag(kFloor, tag).id();
    if (kind == QLatin1String("sheet text"))
        return job.getFreeText(tag).id();
    return job.getFloorFreeText(tag).id();
}

void TestItems::generatedNames_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QStringList>("tags");
    QTest::addColumn<QStringList>("ids");
    QTest::newRow("port ids padded")
        << "port"
        << "P" << QStringList{"Port1", "Port2"} << QStringList{"P01", "P02"};
    QTest::newRow("device ids padded")
        << "device"
        << "D" << QStringList{"Device1", "Device2"} << QStringList{"D01", "D02"};
    QTest::newRow("vertex ids plain")
        << "vertice"
        << "V" << QStringList{"Vertice1", "Vertice2"} << QStringList{"V1", "V2"};
    QTest::newRow("point ids plain")
        << "point"
        << "Pt" << QStringList{"Point1", "Point2"} << QStringList{"Pt1", "Pt2"};
    // The first sheet text of a job is padded, the next ones are not.
    QTest::newRow("sheet text tags")
        << "sheet text"
        << "hello" << QStringList{"TText01", "TText2"} << QStringList{"hello", "hello"};
    QTest::newRow("floor text tags")
        << "floor text"
        << "hi" << QStringList{"TText1", "TText2"} << QStringList{"hi", "hi"};
}

void TestItems::generatedNames()
{
    QFETCH(QString, kind);
    QFETCH(QString, prefix);
    QFETCH(QStringList, tags);
    QFETCH(QStringList, ids);
    Ductbook& job = newJob(m_dir);
    for (int i = 0; i < tags.size(); ++i) {
        const QString tag = addOne(job, kind, prefix);
        QCOMPARE(tag, tags.at(i));
        QCOMPARE(idOf(job, kind, tag), ids.at(i));
    }
    QVERIFY(job.isChanged());
}

void TestItems::sheetAndFloorTextsCountApart()
{
    Ductbook& job = newJob(m_dir);
    QCOMPARE(job.addFreeText(kSheet, 0, 0, QStringLiteral("a"), 10), QStringLiteral("TText01"));
    QCOMPARE(job.addFloorFreeText(kFloor, 0, 0, QStringLiteral("b"), 10), QStringLiteral("TText1"));
    // The record overloads ignore the mode: the tag is always generated.
    FreeText t(QStringLiteral("Mine"), 5, 6, QStringLiteral("c"), kSheet, 12);
    QCOMPARE(job.addFreeText(t, 2), QStringLiteral("TText2"));
    FreeText f(QStringLiteral("Mine"), 5, 6, QStringLiteral("d"), kFloor, 12);
    QCOMPARE(job.addFloorFreeText(f, 2), QStringLiteral("TText2"));
    QCOMPARE(job.getFreeTexts(kSheet, false), (QStringList{"a", "c"}));
    QCOMPARE(job.getFloorFreeTexts(kFloor, true), (QStringList{"TText1", "TText2"}));
}

// Ports and vertical runs share one name space, tags and ids alike.
void TestItems::portNamesSkipVerticalRunNames()
{
    QVERIFY(loadText(m_dir, jobText(" <Floor_List><FFloor_1 id=\"G\"><Room_List>"
                                    "<Undefined id=\"Undefined\"><Port_List>"
                                    "<Port1 id=\"P01\" x=\"1\" y=\"1\"/></Port_List>"
                                    "<VerticalRun_List><Port2 id=\"P02\" x=\"2\" y=\"2\"/>"
                                    "</VerticalRun_List></Undefined>"
                                    "</Room_List></FFloor_1></Floor_List>\n")));
    Ductbook& job = Ductbook::Instance();
    const QString tag = job.addPort(kFloor, kUndefined, 0, 0, QString(), QStringLiteral("P"),
                                    QString(), QString(), 7.0, 0);
    QCOMPARE(tag, QStringLiteral("Port3"));
    QCOMPARE(job.getPortId(tag), QStringLiteral("P03"));
    // Nor may a caller hand a port the run's tag.
    QCOMPARE(job.addPort(kFloor, kUndefined, 0, 0, QStringLiteral("Port2"), QStringLiteral("X"),
                         QString(), QString(), 7.0, 2),
             QStringLiteral("Port2"));
    QCOMPARE(job.getPorts(kFloor, kUndefined, true), (QStringList{"Port1", "Port3"}));
    QVERIFY(!job.portExists(QStringLiteral("X"), false));
}

void TestItems::suppliedTagRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<int>("mode");
    const QList<QPair<const char*, QString>> badNames = {
        {"space", QStringLiteral("A B")},
        {"digit first", QStringLiteral("9A")},
        {"markup", QStringLiteral("a&b")},
        {"empty", QString()},
        {"beyond Latin-1", QString::fromUtf8("P\u4e00")},
    };
    for (const char* kind : {"port", "device", "vertice", "point"}) {
        for (const auto& bad : badNames) {
            QTest::addRow("%s, %s", kind, bad.first) << kind << bad.second << 2;
            QTest::addRow("%s, %s, mode 3", kind, bad.first) << kind << bad.second << 3;
        }
    }
    // Taken by an item of the kind in another room, sheet or floor.
    QTest::newRow("port tag in another room") << "port"
                                              << "Port1" << 2;
    QTest::newRow("device tag on another sheet") << "device"
                                                 << "Device1" << 2;
    QTest::newRow("vertex tag on another sheet") << "vertice"
                                                 << "Vertice1" << 3;
    QTest::newRow("point tag on another floor") << "point"
                                                << "Point1" << 2;
}

void TestItems::suppliedTagRefused()
{
    QFETCH(QString, kind);
    QFETCH(QString, tag);
    QFETCH(int, mode);
    Ductbook& job = newJob(m_dir);
    const QString floor2 = job.addFloor(QString(), QStringLiteral("Floor_"), 8.0, QString(), 0);
    const QString sheet2 = job.addSheet(QString(), QStringLiteral("Sheet_"), 0);
    const QString room =
        job.addRoom(floor2, 0, 0, 5, 5, QString(), QStringLiteral("R"), 0, 0, 3, 3, 3, 0);
    job.addPort(floor2, room, 1, 1, QString(), QStringLiteral("P"), QString(), QString(), 7.0, 0);
    job.addDevice(sheet2, 1, 1, QString(), QStringLiteral("D"), QString(), QString(), QString(), 0);
    job.addVertice(sheet2, 1, 1, QString(), QStringLiteral("V"), 0);
    job.addPoint(floor2, 1, 1, QString(), QStringLiteral("Pt"), 0);
    const QMap<QString, int> before = job.itemCounts();
    job.setDirty(false);

    QString result;
    if (kind == QLatin1String("port"))
        result = job.addPort(kFloor, kUndefined, 1, 1, tag, QStringLiteral("New"), QString(),
                             QString(), 7.0, mode);
    else if (kind == QLatin1String("device"))
        result = job.addDevice(kSheet, 1, 1, tag, QStringLiteral("New"), QString(), QString(),
                               QString(), mode);
    else if (kind == QLatin1String("vertice"))
        result = job.addVertice(kSheet, 1, 1, tag, QStringLiteral("New"), mode);
    else
        result = job.addPoint(kFloor, 1, 1, tag, QStringLiteral("New"), mode);
    QCOMPARE(result, tag);
    QCOMPARE(job.itemCounts(), before);
    QVERIFY(job.getPorts(kFloor, true).isEmpty());
    QVERIFY(job.getDevices(kSheet, true).isEmpty());
    QVERIFY(job.getVertices(kSheet, true).isEmpty());
    QVERIFY(job.getPoints(kFloor, true).isEmpty());
    QVERIFY(!job.isChanged());
    QVERIFY(job.save());
    QVERIFY(Ductbook::Instance().Load(job.filename()));
}

void TestItems::repairsOnRead()
{
    QVERIFY(loadText(m_dir, jobText(" <Floor_List><FFloor_1 id=\"G\"><Room_List>"
                                    "<Undefined id=\"Undefined\"><Port_List>"
                                    "<Port1 id=\"P01\" x=\"1\" y=\"2\" use=\"Network\"/>"
                                    "</Port_List><VerticalRun_List/></Undefined>"
                                    "</Room_List></FFloor_1></Floor_List>\n"
                                    " <Sheet_List><SSheet_1 id=\"S\"><Device_List>"
                                    "<Device1 id=\"D01\" x=\"3\" y=\"4\" ip=\"\" pic=\"\"/>"
                                    "</Device_List></SSheet_1></Sheet_List>\n")));
    Ductbook& job = Ductbook::Instance();
    const Port p = job.getPortById(kFloor, QStringLiteral("P01"));
    QCOMPARE(p.element(), QStringLiteral("Port1"));
    QCOMPARE(p.dropHeight(), 7.0);
    QCOMPARE(p.iconScale(), QStringLiteral("not_specified"));
    QCOMPARE(p.room(), kUndefined);
    QCOMPARE(p.floor(), kFloor);
    const Device d = job.getDeviceByTag(kSheet, QStringLiteral("Device1"));
    QCOMPARE(d.iconScale(), QStringLiteral("not_specified"));
    QCOMPARE(d.sheet(), kSheet);
    QVERIFY(!job.isChanged());

    const QMap<QString, QString> port = savedAttrs(job, QStringLiteral("Port1"));
    QCOMPARE(port.value(QStringLiteral("drop_height")), QStringLiteral("7"));
    QCOMPARE(port.value(QStringLiteral("icon_scale")), QStringLiteral("not_specified"));
    const QMap<QString, QString> device = savedAttrs(job, QStringLiteral("Device1"));
    QCOMPARE(device.value(QStringLiteral("icon_scale")), QStringLiteral("not_specified"));
}

void TestItems::dropHeightText_data()
{
    QTest::addColumn<double>("height");
    QTest::addColumn<QString>("text");
    QTest::newRow("quarter") << 7.25 << "7.25";
    QTest::newRow("whole number") << 1.0 << "1";
    QTest::newRow("six significant digits") << 1.23456789 << "1.23457";
    QTest::newRow("zero") << 0.0 << "0";
}

void TestItems::dropHeightText()
{
    QFETCH(double, height);
    QFETCH(QString, text);
    Ductbook& job = newJob(m_dir);
    const QString tag = job.addPort(kFloor, kUndefined, 0, 0, QString(), QStringLiteral("P"),
                                    QString(), QString(), 8.0, 0);
    QCOMPARE(savedAttrs(job, tag).value(QStringLiteral("drop_height")), QStringLiteral("8"));
    job.setPortDropHeight(kFloor, kUndefined, tag, height);
    QVERIFY(job.isChanged());
    QCOMPARE(savedAttrs(job, tag).value(QStringLiteral("drop_height")), text);
    QCOMPARE(job.getPortByTag(kFloor, kUndefined, tag).dropHeight(), text.toDouble());
}

// A move shifts the one item named by its tag, even when others share its id.
void TestItems::movesGoByTag()
{
    Ductbook& job = newJob(m_dir);
    const QString dev = job.addDevice(kSheet, 100, 40, QString(), QStringLiteral("SW"), QString(),
                                      QString(), QString(), 1);
    const QString twin = job.addDevice(kSheet, 100, 40, QString(), QStringLiteral("SW"), QString(),
                                       QString(), QString(), 1);
    const QString v = job.addVertice(kSheet, 10, 10, QString(), QStringLiteral("V"), 0);
    const QString pt = job.addPoint(kFloor, -5, 0, QString(), QStringLiteral("Pt"), 0);
    job.setDirty(false);

    job.moveDevice(kSheet, dev, 5, -3);
    QVERIFY(job.isChanged());
    const Device moved = job.getDeviceByTag(kSheet, dev);
    QCOMPARE(QPoint(moved.x(), moved.y()), QPoint(105, 37));
    const Device still = job.getDeviceByTag(kSheet, twin);
    QCOMPARE(QPoint(still.x(), still.y()), QPoint(100, 40));

    job.moveVertice(kSheet, v, -10, 2);
    QCOMPARE(QPoint(job.getVertice(v).x(), job.getVertice(v).y()), QPoint(0, 12));
    job.movePoint(kFloor, pt, 5, 5);
    const Vertice p = job.getPointByTag(kFloor, pt);
    QCOMPARE(QPoint(p.x(), p.y()), QPoint(0, 5));

    // setDevicePos, by contrast, places every device of the sheet with the id.
    job.setDevicePos(kSheet, QStringLiteral("SW"), 1, 1);
    QCOMPARE(job.getDeviceByTag(kSheet, dev).x(), 1);
    QCOMPARE(job.getDeviceByTag(kSheet, twin).x(), 1);

    job.setDirty(false);
    job.moveDevice(kSheet, QStringLiteral("Device9"), 1, 1);
    job.moveDevice(QStringLiteral("SSheet_9"), dev, 1, 1);
    job.movePoint(kFloor, QString(), 1, 1);
    job.setDevicePos(kSheet, QStringLiteral("none"), 1, 1);
    QVERIFY(!job.isChanged());
}

void TestItems::setPortRoom()
{
    Ductbook& job = newJob(m_dir);
    const QString room =
        job.addRoom(kFloor, 0, 0, 9, 9, QString(), QStringLiteral("Lab"), 0, 0, 3, 3, 3, 1);
    const QString other = job.addPort(kFloor, room, 1, 1, QString(), QStringLiteral("P"), QString(),
                                      QString(), 7.0, 0);
    const QString tag = job.addPort(kFloor, kUndefined, 3, 4, QString(), QStringLiteral("P"),
                                    QStringLiteral("Phone"), QStringLiteral("1.5"), 2.5, 0);
    const QString id = job.getPortId(tag);
    job.setDirty(false);

    job.setPortRoom(kFloor, id, kUndefined);
    QVERIFY(!job.isChanged());
    QCOMPARE(job.getPorts(kFloor, kUndefined, true), QStringList{tag});

    // A room the floor does not have: the port stays where it is.
    job.setPortRoom(kFloor, id, QStringLiteral("Room9"));
    QVERIFY(!job.isChanged());
    QCOMPARE(job.getPorts(kFloor, kUndefined, true), QStringList{tag});

    job.setPortRoom(kFloor, id, room);
    QVERIFY(job.isChanged());
    QVERIFY(job.getPorts(kFloor, kUndefined, true).isEmpty());
    QCOMPARE(job.getPorts(kFloor, room, true), (QStringList{other, tag}));
    const Port p = job.getPortById(kFloor, id);
    QCOMPARE(p.element(), tag);
    QCOMPARE(p.room(), room);
    QCOMPARE(QPoint(p.x(), p.y()), QPoint(3, 4));
    QCOMPARE(p.use(), QStringLiteral("Phone"));
    QCOMPARE(p.iconScale(), QStringLiteral("1.5"));
    QCOMPARE(p.dropHeight(), 2.5);
    QCOMPARE(job.getPortByTag(tag).room(), room);
    QCOMPARE(job.getPortId(tag), id);
    QVERIFY(job.portExists(tag, true));

    // Removal through the new room works, and the name is free again.
    job.removePort(kFloor, room, tag);
    QVERIFY(!job.portExists(tag, true));
    QVERIFY(!job.portExists(id, false));
}

// Removing a port or a device leaves the cables and connections that name it.
void TestItems::removalDoesNotCascade()
{
    QVERIFY(loadText(
        m_dir, jobText(" <Cable_List><Cable1 id=\"C1\" to=\"P01\" from=\"P02\" type=\"CAT6\">"
                       "<Test_Results status=\"UNTESTED\"/></Cable1></Cable_List>\n"
                       " <Connection_List><Connection1 id=\"K1\" to=\"D01\" from=\"D02\"/>"
                       "</Connection_List>\n"
                       " <Floor_List><FFloor_1 id=\"G\"><Room_List>"
                       "<Undefined id=\"Undefined\"><Port_List>"
                       "<Port1 id=\"P01\" x=\"1\" y=\"2\"/><Port2 id=\"P02\" x=\"1\" y=\"2\"/>"
                       "</Port_List><VerticalRun_List/></Undefined>"
                       "</Room_List></FFloor_1></Floor_List>\n"
                       " <Sheet_List><SSheet_1 id=\"S\"><Device_List>"
                       "<Device1 id=\"D01\" x=\"3\" y=\"4\"/></Device_List>"
                       "</SSheet_1></Sheet_List>\n")));
    Ductbook& job = Ductbook::Instance();
    Port port = job.getPortById(QStringLiteral("P01"));
    job.removePort(port);
    job.removeDevice(kSheet, QStringLiteral("Device1"));
    QVERIFY(job.isChanged());
    QVERIFY(!job.portExists(QStringLiteral("P01"), false));
    QVERIFY(!job.deviceExists(QStringLiteral("Device1"), true));
    QCOMPARE(job.getPorts(true), QStringList{"Port2"});
    QCOMPARE(job.getCables(true), QStringList{"Cable1"});

    const QMap<QString, QString> cable = savedAttrs(job, QStringLiteral("Cable1"));
    QCOMPARE(cable.value(QStringLiteral("to")), QStringLiteral("P01"));
    QCOMPARE(cable.value(QStringLiteral("from")), QStringLiteral("P02"));
    const QMap<QString, QString> connection = savedAttrs(job, QStringLiteral("Connection1"));
    QCOMPARE(connection.value(QStringLiteral("to")), QStringLiteral("D01"));
}

// Rooms are asked in document order; a room's answer at x = -1 does not end
// the search of the per-floor lookups. The per-room and all-floor lookups
// have no such rule.
void TestItems::perFloorPortLookups_data()
{
    QTest::addColumn<QString>("lookup");
    QTest::addColumn<QString>("room");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("namesake in a later room answers") << "floor id"
                                                      << ""
                                                      << "A"
                                                      << "Port2";
    QTest::newRow("lone port at x = -1 by id") << "floor id"
                                               << ""
                                               << "B"
                                               << "";
    QTest::newRow("lone port at x = -1 by tag") << "floor tag"
                                                << ""
                                                << "Port3"
                                                << "";
    QTest::newRow("port placed by tag") << "floor tag"
                                        << ""
                                        << "Port2"
                                        << "Port2";
    QTest::newRow("unknown id") << "floor id"
                                << ""
                                << "Z"
                                << "";
    QTest::newRow("room lookup by id sees x = -1") << "room id"
                                                   << "Room1"
                                                   << "A"
                                                   << "Port1";
    QTest::newRow("room lookup by tag sees x = -1") << "room tag"
                                                    << "Room2"
                                                    << "Port3"
                                                    << "Port3";
    QTest::newRow("room lookup in the wrong room") << "room tag"
                                                   << "Room1"
                                                   << "Port3"
                                                   << "";
    QTest::newRow("all floors by id sees x = -1") << "job id"
                                                  << ""
                                                  << "B"
                                                  << "Port3";
    QTest::newRow("all floors by tag") << "job tag"
                                       << ""
                                       << "Port1"
                                       << "Port1";
}

void TestItems::perFloorPortLookups()
{
    QFETCH(QString, lookup);
    QFETCH(QString, room);
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QVERIFY(loadText(m_dir, jobText(" <Floor_List><FFloor_1 id=\"G\"><Room_List>"
                                    "<Undefined id=\"Undefined\"><Port_List/></Undefined>"
                                    "<Room1 id=\"R1\"><Port_List>"
                                    "<Port1 id=\"A\" x=\"-1\" y=\"0\"/></Port_List></Room1>"
                                    "<Room2 id=\"R2\"><Port_List>"
                                    "<Port2 id=\"A\" x=\"5\" y=\"0\"/>"
                                    "<Port3 id=\"B\" x=\"-1\" y=\"0\"/></Port_List></Room2>"
                                    "</Room_List></FFloor_1></Floor_List>\n")));
    Ductbook& job = Ductbook::Instance();
    Port p;
    if (lookup == QLatin1String("floor id"))
        p = job.getPortById(kFloor, name);
    else if (lookup == QLatin1String("floor tag"))
        p = job.getPortByTag(kFloor, name);
    else if (lookup == QLatin1String("room id"))
        p = job.getPortById(kFloor, room, name);
    else if (lookup == QLatin1String("room tag"))
        p = job.getPortByTag(kFloor, room, name);
    else if (lookup == QLatin1String("job id"))
        p = job.getPortById(name);
    else
        p = job.getPortByTag(name);
    QCOMPARE(p.element(), expected);
    if (expected.isEmpty()) {
        QCOMPARE(p.x(), -1);
        QCOMPARE(p.floor(), QString());
    } else {
        QCOMPARE(p.floor(), kFloor);
    }
}

// A file that repeats a tag: every lookup still answers in document order.
void TestItems::repeatedTagsInFile()
{
    QVERIFY(loadText(m_dir, jobText(" <Floor_List><FFloor_1 id=\"G\"><Room_List>"
                                    "<Room1 id=\"R1\"><Port_List>"
                                    "<Port1 id=\"P01\" x=\"1\" y=\"0\"/></Port_List></Room1>"
                                    "<Room2 id=\"R2\"><Port_List>"
                                    "<Port1 id=\"P02\" x=\"2\" y=\"0\"/></Port_List></Room2>"
                                    "</Room_List></FFloor_1></Floor_List>\n"
                                    " <Sheet_List><SSheet_1 id=\"S\"><Device_List>"
                                    "<Device1 id=\"D1\"/><Device1 id=\"D2\"/></Device_List>"
                                    "</SSheet_1></Sheet_List>\n")));
    Ductbook& job = Ductbook::Instance();
    QCOMPARE(job.getPortByTag(kFloor, QStringLiteral("Port1")).id(), QStringLiteral("P01"));
    QCOMPARE(job.getPortByTag(kFloor, QStringLiteral("Room2"), QStringLiteral("Port1")).id(),
             QStringLiteral("P02"));
    const Port second = job.getPortById(kFloor, QStringLiteral("P02"));
    QCOMPARE(second.element(), QStringLiteral("Port1"));
    QCOMPARE(second.room(), QStringLiteral("Room2"));
    QCOMPARE(job.getPortById(QStringLiteral("P02")).room(), QStringLiteral("Room2"));
    QCOMPARE(job.getDeviceById(QStringLiteral("D2")).element(), QStringLiteral("Device1"));
    QCOMPARE(job.getDevice(QStringLiteral("Device1")).id(), QStringLiteral("D1"));
    QCOMPARE(job.getPorts(kFloor, false), (QStringList{"P01", "P02"}));
}

// The all-floor lookups search the floors in the key order of the floor map
// (FFloor_1, FFloor_10, FFloor_2), not in document order.
void TestItems::lookupsAcrossFloorsAndSheets()
{
    Ductbook& job = newJob(m_dir);
    const QString f2 =
        job.addFloor(QStringLiteral("FFloor_2"), QStringLiteral("Two"), 8.0, QString(), 2);
    const QString f10 =
        job.addFloor(QStringLiteral("FFloor_10"), QStringLiteral("Ten"), 8.0, QString(), 2);
    const QString s2 = job.addSheet(QString(), QStringLiteral("Sheet_"), 0);
    const QString onTwo = job.addPort(f2, kUndefined, 1, 1, QString(), QStringLiteral("Twin"),
                                      QString(), QString(), 7.0, 1);
    const QString onTen = job.addPort(f10, kUndefined, 2, 2, QString(), QStringLiteral("Twin"),
                                      QString(), QString(), 7.0, 1);
    const QString lone = job.addPort(f2, kUndefined, 3, 3, QString(), QStringLiteral("Lone"),
                                     QString(), QString(), 7.0, 1);
    QCOMPARE(job.getPortById(QStringLiteral("Twin")).element(), onTen);
    QCOMPARE(job.getPortById(QStringLiteral("Twin")).floor(), f10);
    QCOMPARE(job.getPortById(f2, QStringLiteral("Twin")).element(), onTwo);
    QCOMPARE(job.getPortById(QStringLiteral("Lone")).floor(), f2);
    QCOMPARE(job.getPortByTag(onTwo).floor(), f2);
    QCOMPARE(job.getPortByTag(kFloor, onTwo).element(), QString());
    QCOMPARE(job.getPortByTag(lone).id(), QStringLiteral("Lone"));
    QCOMPARE(job.getPorts(false), (QStringList{"Twin", "Twin", "Lone"}));

    const QString d = job.addDevice(s2, 9, 9, QString(), QStringLiteral("Core"),
                                    QStringLiteral("10.0.0.1"), QString(), QString(), 1);
    QCOMPARE(job.getDevice(d).sheet(), s2);
    QCOMPARE(job.getDeviceById(QStringLiteral("Core")).element(), d);
    QCOMPARE(job.getDeviceById(kSheet, QStringLiteral("Core")).element(), QString());
    QCOMPARE(job.getDeviceById(s2, QStringLiteral("Core")).ip(), QStringLiteral("10.0.0.1"));
    const QString v = job.addVertice(s2, 1, 1, QString(), QStringLiteral("V"), 0);
    QCOMPARE(job.getVertice(v).sheet(), s2);
    QCOMPARE(job.getVerticeByTag(kSheet, v).element(), QString());
    QCOMPARE(job.getVerticeById(s2, QStringLiteral("V1")).element(), v);
    const QString pt = job.addPoint(f10, 1, 1, QString(), QStringLiteral("Pt"), 0);
    QCOMPARE(job.getPointById(QStringLiteral("Pt1")).sheet(), f10);
    QCOMPARE(job.getPointById(f10, QStringLiteral("Pt1")).element(), pt);
    QCOMPARE(job.getPointById(f2, QStringLiteral("Pt1")).element(), QString());
    const QString st = job.addFreeText(s2, 1, 1, QStringLiteral("note"), 11);
    QCOMPARE(job.getFreeText(st).sheet(), s2);
    QCOMPARE(job.getFreeText(st).fontSize(), 11);
    const QString ft = job.addFloorFreeText(f2, 1, 1, QStringLiteral("label"), 13);
    QCOMPARE(job.getFloorFreeText(ft).sheet(), f2);
    QCOMPARE(job.getFloorFreeTextByTag(kFloor, ft).element(), QString());
    QCOMPARE(job.getDevice(QStringLiteral("Device9")).x(), -1);
    QCOMPARE(job.getPortById(QStringLiteral("nobody")).element(), QString());
}

void TestItems::listsUsesAndDeviceTypes()
{
    Ductbook& job = newJob(m_dir);
    const QString room =
        job.addRoom(kFloor, 0, 0, 9, 9, QString(), QStringLiteral("Lab"), 0, 0, 3, 3, 3, 1);
    const QString a = job.addPort(kFloor, room, 0, 0, QString(), QStringLiteral("P"),
                                  QStringLiteral("Network"), QString(), 7.0, 0);
    const QString b = job.addPort(kFloor, kUndefined, 0, 0, QString(), QStringLiteral("P"),
                                  QStringLiteral("Phone"), QString(), 7.0, 0);
    const QString c = job.addPort(kFloor, room, 0, 0, QString(), QStringLiteral("P"),
                                  QStringLiteral("Network"), QString(), 7.0, 0);
    const QString f2 = job.addFloor(QString(), QStringLiteral("Floor_"), 8.0, QString(), 0);
    const QString d = job.addPort(f2, kUndefined, 0, 0, QString(), QStringLiteral("P"),
                                  QStringLiteral("Network"), QString(), 7.0, 0);
    QCOMPARE(job.getPorts(kFloor, room, false), (QStringList{"P01", "P03"}));
    QCOMPARE(job.getPorts(kFloor, true), (QStringList{b, a, c})); // "Undefined" comes first
    QCOMPARE(job.getPorts(true), (QStringList{b, a, c, d}));
    QCOMPARE(job.getPortsByUse(QStringLiteral("Network")), (QStringList{a, c, d}));
    QCOMPARE(job.getPortsByUse(kFloor, QStringLiteral("Phone")), QStringList{b});
    QCOMPARE(job.getPortsByUse(f2, QStringLiteral("Phone")), QStringList());
    QCOMPARE(job.getPorts(QString(), true), QStringList());

    const QStringList types = job.getDeviceTypes();
    QCOMPARE(types.size(), 12);
    QCOMPARE(types.constFirst(), QStringLiteral("Router"));
    QCOMPARE(types.at(8), QStringLiteral("Switch"));
    QCOMPARE(types.constLast(), QStringLiteral("Internet"));

    const QString s2 = job.addSheet(QString(), QStringLiteral("Sheet_"), 0);
    const QString sw = job.addDevice(kSheet, 0, 0, QString(), QStringLiteral("D"), QString(),
                                     QStringLiteral(":/images/switch.png"), QString(), 0);
    const QString own = job.addDevice(kSheet, 0, 0, QString(), QStringLiteral("D"), QString(),
                                      QStringLiteral("/home/me/switch.png"), QString(), 0);
    const QString sw2 = job.addDevice(s2, 0, 0, QString(), QStringLiteral("D"), QString(),
                                      QStringLiteral(":/images/switch.png"), QString(), 0);
    const QString fax = job.addDevice(s2, 0, 0, QString(), QStringLiteral("D"), QString(),
                                      QStringLiteral(":/images/fax.png"), QString(), 0);
    QCOMPARE(job.getDeviceType(sw), QStringLiteral("Switch"));
    QCOMPARE(job.getDeviceType(own), QString());
    QCOMPARE(job.getDeviceType(fax), QStringLiteral("Fax"));
    QCOMPARE(job.getDeviceType(QStringLiteral("Device99")), QString());
    QCOMPARE(job.getDevicesByType(QStringLiteral("Switch")), (QStringList{sw, sw2}));
    QCOMPARE(job.getDevicesByType(s2, QStringLiteral("Switch")), QStringList{sw2});
    QCOMPARE(job.getDevicesByType(kSheet, QString()), QStringList{own});
    QCOMPARE(job.getDevices(false), (QStringList{"D01", "D02", "D03", "D04"}));
    QCOMPARE(job.getDevices(s2, true), (QStringList{sw2, fax}));
}

void TestItems::settersAndRemovals()
{
    QVERIFY(loadText(m_dir, jobText(" <Floor_List><FFloor_1 id=\"G\"><Room_List>"
                                    "<Undefined id=\"Undefined\"><Port_List>"
                                    "<Port1 id=\"P01\" x=\"1\" y=\"2\" use=\"Network\"/>"
                                    "</Port_List><VerticalRun_List/></Undefined>"
                                    "</Room_List></FFloor_1></Floor_List>\n"
                                    " <Sheet_List><SSheet_1 id=\"S\"><Device_List>"
                                    "<Device1 id=\"D01\" x=\"3\" y=\"4\" ip=\"\" pic=\"\"/>"
                                    "</Device_List></SSheet_1></Sheet_List>\n")));
    Ductbook& job = Ductbook::Instance();
    // Attributes a setter adds when missing.
    job.setPortIconScale(kFloor, kUndefined, QStringLiteral("P01"), QStringLiteral("2"));
    job.setDeviceIconScale(kSheet, QStringLiteral("Device1"), QStringLiteral("0.5"));
    QVERIFY(job.isChanged());
    QCOMPARE(savedAttrs(job, QStringLiteral("Port1")).value(QStringLiteral("icon_scale")),
             QStringLiteral("2"));
    QCOMPARE(savedAttrs(job, QStringLiteral("Device1")).value(QStringLiteral("icon_scale")),
             QStringLiteral("0.5"));

    // The id follows in the lookup map.
    job.renamePort(kFloor, kUndefined, QStringLiteral("Port1"), QStringLiteral("Q7"));
    QCOMPARE(job.getPortId(QStringLiteral("Port1")), QStringLiteral("Q7"));
    QVERIFY(!job.portExists(QStringLiteral("P01"), false));
    QCOMPARE(job.getPortById(kFloor, QStringLiteral("Q7")).element(), QStringLiteral("Port1"));
    job.setPortPos(kFloor, kUndefined, QStringLiteral("Port1"), 8, 9);
    QCOMPARE(job.getPortByTag(QStringLiteral("Port1")).y(), 9);

    job.setDeviceProperties(kSheet, QStringLiteral("Device1"), QStringLiteral("Edge"),
                            QStringLiteral("10.1.1.1"));
    QCOMPARE(job.getDeviceById(QStringLiteral("Edge")).ip(), QStringLiteral("10.1.1.1"));
    QVERIFY(!job.deviceExists(QStringLiteral("D01"), false));
    job.setDeviceID(kSheet, QStringLiteral("Device1"), QStringLiteral("Core"));
    job.setDeviceIP(kSheet, QStringLiteral("Device1"), QStringLiteral("10.2.2.2"));
    QCOMPARE(job.getDevice(QStringLiteral("Device1")).id(), QStringLiteral("Core"));
    QVERIFY(job.deviceExists(QStringLiteral("Core"), false));
    QCOMPARE(job.getDevice(QStringLiteral("Device1")).ip(), QStringLiteral("10.2.2.2"));

    const QString text = job.addFreeText(kSheet, 0, 0, QStringLiteral("old"), 10);
    job.setFreeTextID(kSheet, text, QStringLiteral("new"));
    job.setFreeTextFontSize(kSheet, text, 16);
    job.setFreeTextPos(kSheet, text, 4, 5);
    const FreeText t = job.getFreeTextByTag(kSheet, text);
    QCOMPARE(t.id(), QStringLiteral("new"));
    QCOMPARE(t.fontSize(), 16);
    QCOMPARE(QPoint(t.x(), t.y()), QPoint(4, 5));
    QVERIFY(job.freeTextExists(QStringLiteral("new"), false));
    const QString label = job.addFloorFreeText(kFloor, 0, 0, QStringLiteral("old"), 10);
    job.setFloorFreeTextID(kFloor, label, QStringLiteral("renamed"));
    job.setFloorFreeTextFontSize(kFloor, label, 20);
    job.setFloorFreeTextPos(kFloor, label, 6, 7);
    const FreeText ft = job.getFloorFreeTextByTag(kFloor, label);
    QCOMPARE(ft.id(), QStringLiteral("renamed"));
    QCOMPARE(ft.fontSize(), 20);
    QCOMPARE(QPoint(ft.x(), ft.y()), QPoint(6, 7));
    QVERIFY(job.floorFreeTextExists(QStringLiteral("renamed"), false));
    const QString v = job.addVertice(kSheet, 0, 0, QString(), QStringLiteral("V"), 0);
    job.setVerticePos(kSheet, v, 3, 3);
    QCOMPARE(job.getVerticeByTag(kSheet, v).x(), 3);
    const QString pt = job.addPoint(kFloor, 0, 0, QString(), QStringLiteral("Pt"), 0);
    job.setPointPos(kFloor, pt, 2, 2);
    QCOMPARE(job.getPointById(kFloor, QStringLiteral("Pt1")).y(), 2);

    // Setters and removals aimed at nothing change nothing.
    job.setDirty(false);
    job.setPortPos(kFloor, kUndefined, QStringLiteral("Port9"), 1, 1);
    job.setPortDropHeight(kFloor, QStringLiteral("Room9"), QStringLiteral("Port1"), 1.0);
    job.renamePort(kFloor, kUndefined, QString(), QStringLiteral("X"));
    job.setPortIconScale(kFloor, kUndefined, QStringLiteral("nobody"), QStringLiteral("1"));
    job.setDeviceIP(kSheet, QStringLiteral("Device9"), QStringLiteral("1"));
    job.setFreeTextID(kSheet, QStringLiteral("TText9"), QStringLiteral("x"));
    job.removePort(kFloor, kUndefined, QStringLiteral("Port9"));
    job.removeDevice(kSheet, QString());
    job.removeVertice(QStringLiteral("SSheet_9"), v);
    job.removePoint(kFloor, QStringLiteral("Point9"));
    QVERIFY(!job.isChanged());

    // Each removal takes the element and the map entry.
    Vertice vr = job.getVerticeByTag(kSheet, v);
    job.removeVertice(vr);
    Vertice pr = job.getPointByTag(kFloor, pt);
    job.removePoint(pr);
    FreeText textRecord = job.getFreeTextByTag(kSheet, text);
    job.removeFreeText(textRecord);
    FreeText fr = job.getFloorFreeTextByTag(kFloor, label);
    job.removeFloorFreeText(fr);
    Device dr = job.getDevice(QStringLiteral("Device1"));
    job.removeDevice(dr);
    QVERIFY(job.isChanged());
    QVERIFY(!job.verticeExists(v, true));
    QVERIFY(!job.pointExists(pt, true));
    QVERIFY(!job.freeTextExists(text, true));
    QVERIFY(!job.floorFreeTextExists(label, true));
    QVERIFY(!job.deviceExists(QStringLiteral("Device1"), true));
    QVERIFY(job.getVertices(kSheet, true).isEmpty());
    QVERIFY(job.getPoints(kFloor, true).isEmpty());
    QVERIFY(job.getFreeTexts(kSheet, true).isEmpty());
    QVERIFY(job.getFloorFreeTexts(kFloor, true).isEmpty());
    QVERIFY(job.getDevices(kSheet, true).isEmpty());
}

void TestItems::roundTripOfEveryKind()
{
    Ductbook& job = newJob(m_dir);
    const QString floor = QStringLiteral("FFloor_1");
    QCOMPARE(job.addRoom(floor, 10, 20, 300, 400, QStringLiteral("Room5"),
                         QString::fromUtf8("Salle \u00e9t\u00e9"), 15, 25, 1, 2, 4, 2),
             QStringLiteral("Room5"));
    QCOMPARE(job.addPort(floor, QStringLiteral("Room5"), 12, 34, QStringLiteral("Port9"),
                         QStringLiteral("W-1"), QStringLiteral("4Wall"), QStringLiteral("1.5"),
                         2.75, 2),
             QStringLiteral("Port9"));
    QCOMPARE(job.addDevice(kSheet, -7, 70, QStringLiteral("Device3"), QStringLiteral("Core"),
                           QStringLiteral("10.0.0.1"), QStringLiteral(":/images/switch.png"),
                           QStringLiteral("0.8"), 2),
             QStringLiteral("Device3"));
    Vertice bend(QStringLiteral("Vertice4"), 7, 8, kSheet, QStringLiteral("V9"));
    QCOMPARE(job.addVertice(bend, 2), QStringLiteral("Vertice4"));
    Vertice point(QStringLiteral("Point6"), -3, 11, floor, QStringLiteral("Pt"));
    QCOMPARE(job.addPoint(point, 2), QStringLiteral("Point6"));
    const QString floorText =
        job.addFloorFreeText(floor, 1, 2, QString::fromUtf8("Caf\u00e9 & \"bar\" <1>"), 14);
    const QString sheetText = job.addFreeText(kSheet, 3, 4, QStringLiteral("Rack\nA"), 9);
    QVERIFY(job.save());

    Ductbook::Destroy();
    Ductbook& back = Ductbook::Instance();
    QVERIFY(back.Load(m_dir.filePath(QStringLiteral("job.job"))));

    const Room r = back.getRoomByTag(floor, QStringLiteral("Room5"));
    QCOMPARE(r.element(), QStringLiteral("Room5"));
    QCOMPARE(r.floor(), floor);
    QCOMPARE(r.id(), QString::fromUtf8("Salle \u00e9t\u00e9"));
    QCOMPARE(QList<double>({r.x(), r.y(), r.width(), r.height(), r.roomNameX(), r.roomNameY()}),
             QList<double>({10, 20, 300, 400, 15, 25}));
    QCOMPARE(QList<int>({r.showDimensions(), r.showRoomName(), r.layer()}), QList<int>({1, 2, 4}));
    QVERIFY(back.roomExists(QString::fromUtf8("Salle \u00e9t\u00e9"), false));

    const Port p = back.getPortById(floor, QStringLiteral("W-1"));
    QCOMPARE(p.element(), QStringLiteral("Port9"));
    QCOMPARE(p.floor(), floor);
    QCOMPARE(p.room(), QStringLiteral("Room5"));
    QCOMPARE(QPoint(p.x(), p.y()), QPoint(12, 34));
    QCOMPARE(p.use(), QStringLiteral("4Wall"));
    QCOMPARE(p.iconScale(), QStringLiteral("1.5"));
    QCOMPARE(p.dropHeight(), 2.75);
    QCOMPARE(back.getPortId(QStringLiteral("Port9")), QStringLiteral("W-1"));

    const Device d = back.getDeviceById(kSheet, QStringLiteral("Core"));
    QCOMPARE(d.element(), QStringLiteral("Device3"));
    QCOMPARE(d.sheet(), kSheet);
    QCOMPARE(QPoint(d.x(), d.y()), QPoint(-7, 70));
    QCOMPARE(d.ip(), QStringLiteral("10.0.0.1"));
    QCOMPARE(d.pic(), QStringLiteral(":/images/switch.png"));
    QCOMPARE(d.iconScale(), QStringLiteral("0.8"));

    QVERIFY(back.getVerticeByTag(kSheet, QStringLiteral("Vertice4")) == bend);
    QVERIFY(back.getPointByTag(floor, QStringLiteral("Point6")) == point);

    const FreeText ft = back.getFloorFreeTextByTag(floor, floorText);
    QCOMPARE(ft.element(), floorText);
    QCOMPARE(ft.sheet(), floor);
    QCOMPARE(ft.id(), QString::fromUtf8("Caf\u00e9 & \"bar\" <1>"));
    QCOMPARE(QPoint(ft.x(), ft.y()), QPoint(1, 2));
    QCOMPARE(ft.fontSize(), 14);
    const FreeText st = back.getFreeTextByTag(kSheet, sheetText);
    QCOMPARE(st.element(), sheetText);
    QCOMPARE(st.sheet(), kSheet);
    QCOMPARE(st.id(), QStringLiteral("Rack\nA"));
    QCOMPARE(QPoint(st.x(), st.y()), QPoint(3, 4));
    QCOMPARE(st.fontSize(), 9);

    const QMap<QString, int> counts = back.itemCounts();
    QCOMPARE(counts.value(QStringLiteral("ports")), 1);
    QCOMPARE(counts.value(QStringLiteral("devices")), 1);
    QCOMPARE(counts.value(QStringLiteral("vertices")), 1);
    QCOMPARE(counts.value(QStringLiteral("points")), 1);
    QCOMPARE(counts.value(QStringLiteral("floor texts")), 1);
    QCOMPARE(counts.value(QStringLiteral("sheet texts")), 1);
}

// Past 99 the generated numbers leave the two-digit padding behind, and the
// greatest name in string order (P99) sits below the newest ones; every port
// must still get a fresh name and be found by it.
void TestItems::manyPortsStayReachable()
{
    Ductbook& job = newJob(m_dir);
    QStringList tags;
    for (int i = 0; i < 250; ++i)
        tags.append(job.addPort(kFloor, kUndefined, i, i, QString(), QStringLiteral("P"), QString(),
                                QString(), 7.0, 0));
    QCOMPARE(tags.last(), QStringLiteral("Port250"));
    QCOMPARE(job.getPortId(tags.last()), QStringLiteral("P250"));
    QCOMPARE(job.itemCounts().value(QStringLiteral("ports")), 250);
    for (int i = 0; i < tags.size(); ++i) {
        const Port p = job.getPortById(kFloor, job.getPortId(tags.at(i)));
        QCOMPARE(p.element(), tags.at(i));
        QCOMPARE(p.x(), i);
    }
}

QTEST_GUILESS_MAIN(TestItems)
#include "tst_items.moc"
