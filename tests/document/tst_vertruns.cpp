// Vertical runs: adds and the name space they share with ports, the cable
// lists and their repair, lookups by tag and id, moves between rooms and the
// round trip through a saved file.
#include "jobfixture.h"

#include <QtTest>

using namespace JobFixture;

namespace {

const QString F1 = QStringLiteral("FFloor_1");
const QString F2 = QStringLiteral("FFloor_2");
const QString Undef = QStringLiteral("Undefined");
const QString Room1 = QStringLiteral("Room1");
const QString Room2 = QStringLiteral("Room2");
const QString VR1 = QStringLiteral("VerticalRun1");
const QString VR2 = QStringLiteral("VerticalRun2");

// One run element; connected or disconnected given as nullptr leaves that
// attribute out, as some older writers did.
QByteArray run(const char* tag, const char* id, const char* connected, const char* disconnected,
               const QByteArray& more = "x=\"10\" y=\"20\" use=\"vertical_run\" "
                                        "icon_scale=\"not_specified\" drop_height=\"0\"")
{
    QByteArray e = QByteArray("<") + tag + " id=\"" + id + "\" " + more;
    if (connected)
        e += QByteArray(" connected=\"") + connected + "\"";
    if (disconnected)
        e += QByteArray(" disconnected=\"") + disconnected + "\"";
    return e + "/>";
}

// Two floors. The ground floor has the room "Undefined", Room1 (with the port
// Port7/P07) and Room2; the first floor only "Undefined".
struct Layout
{
    QByteArray cables = "<Cable1 id=\"C001\"/><Cable2 id=\"C002\"/><Cable3 id=\"C003\"/>"
                        "<Cable4 id=\"C004\"/>";
    QByteArray groundUndefined;
    QByteArray room1;
    QByteArray room2;
    QByteArray firstUndefined;
    QByteArray room1Ports = "<Port7 id=\"P07\" x=\"1\" y=\"1\" use=\"Network\"/>";
};

QByteArray room(const char* tag, const char* id, const QByteArray& ports, const QByteArray& runs)
{
    return QByteArray("<") + tag + " id=\"" + id + "\"><Port_List>" + ports +
           "</Port_List><VerticalRun_List>" + runs + "</VerticalRun_List></" + tag + ">";
}

QByteArray layoutText(const Layout& l)
{
    return jobText(" <Cable_List>" + l.cables + "</Cable_List>\n <Floor_List>\n" +
                   "  <FFloor_1 id=\"Ground\" ceiling_height=\"8\"><Room_List>" +
                   room("Undefined", "Undefined", "", l.groundUndefined) +
                   room("Room1", "Hall", l.room1Ports, l.room1) +
                   room("Room2", "Store", "", l.room2) + "</Room_List></FFloor_1>\n" +
                   "  <FFloor_2 id=\"First\" ceiling_height=\"8\"><Room_List>" +
                   room("Undefined", "Undefined", "", l.firstUndefined) +
                   "</Room_List></FFloor_2>\n </Floor_List>\n");
}

// The attribute of the element named tag in the file as last saved.
QString savedAttr(const QString& path, const QString& tag, const QString& attr)
{
    QDomDocument doc;
    if (!doc.setContent(QString::fromLatin1(readFile(path))))
        return QStringLiteral("<unparsable>");
    const QDomElement e = doc.elementsByTagName(tag).at(0).toElement();
    if (e.isNull())
        return QStringLiteral("<no element>");
    if (!e.hasAttribute(attr))
        return QStringLiteral("<no attribute>");
    return e.attribute(attr);
}

} // namespace

class TestVertRuns : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { JobFixture::verifyAndClose(); }

    void addWritesListsJoinedByOneComma();
    void runsAndPortsShareOneNameSpace();
    void refusedSuppliedTags_data();
    void refusedSuppliedTags();
    void listEdits_data();
    void listEdits();
    void fixBrokenDropsDeletedCables();
    void renameAndRemoveCableInAllRuns();
    void setVertRunIdKeepsIdsUnique_data();
    void setVertRunIdKeepsIdsUnique();
    void readingRepairsOldRuns();
    void settersByIdAddMissingAttributes();
    void setVertRunRoomMovesTheElement();
    void lookupsOnAFloorSkipUnplacedRuns();
    void repeatedTagsInAFile();
    void removeAndRoundTrip();
    void listEditsReachTheFileWithoutARead_data();
    void listEditsReachTheFileWithoutARead();
    void riserQueriesFollowFloorAndRoomOrder();

private:
    QTemporaryDir m_dir;
};

void TestVertRuns::addWritesListsJoinedByOneComma()
{
    // A new job: its floor's "Undefined" room holds the run.
    Ductbook& job = newJob(m_dir);
    QStringList connected{QStringLiteral("Cable1"), QStringLiteral("Cable2")};
    QStringList disconnected;
    const QString tag =
        job.addVertRun(F1, Undef, 10, 20, connected, disconnected, QString(), QStringLiteral("VR"),
                       QStringLiteral("vertical_run"), QStringLiteral("not_specified"), 0.0, 0);
    QCOMPARE(tag, VR1);
    QCOMPARE(job.getVertRunId(tag), QStringLiteral("VR01"));
    QVERIFY(job.isChanged());
    QCOMPARE(job.getVertRunConnectedList(tag), connected);
    QVERIFY(job.getVertRunDisconnectedList(tag).isEmpty());

    QVERIFY(job.save());
    QCOMPARE(savedAttr(job.filename(), tag, QStringLiteral("connected")),
             QStringLiteral("Cable1,Cable2"));
    QCOMPARE(savedAttr(job.filename(), tag, QStringLiteral("disconnected")), QString(""));
    QVERIFY(Ductbook::Instance().Load(job.filename()));
    const VertRun back = Ductbook::Instance().getVertRunByTag(tag);
    QCOMPARE(back.connected(), connected);
    QVERIFY(back.disconnected().isEmpty());
}

// The generated names step over the tags and ids that ports hold, and a run's
// names count as taken for the port generator, which asks the same test.
void TestVertRuns::runsAndPortsShareOneNameSpace()
{
    Layout l;
    l.room1 = run("VerticalRun1", "P06", "", "");
    // A port whose tag reads like a run tag, as a hand-edited file may have.
    l.room1Ports += "<VerticalRun2 id=\"X1\" x=\"1\" y=\"1\" use=\"Network\"/>";
    QVERIFY(loadText(m_dir, layoutText(l)));
    Ductbook& job = Ductbook::Instance();

    QStringList none;
    const QString tag =
        job.addVertRun(F1, Room1, 5, 5, none, none, QString(), QStringLiteral("P"),
                       QStringLiteral("vertical_run"), QStringLiteral("not_specified"), 0.0, 0);
    QCOMPARE(tag, QStringLiteral("VerticalRun3"));
    QCOMPARE(job.getVertRunId(tag), QStringLiteral("P08"));
    QCOMPARE(job.getVertRuns(F1, Room1, false), (QStringList{"P06", "P08"}));

    QVERIFY(job.portOrVertRunExists(tag, true));
    QVERIFY(job.portOrVertRunExists(QStringLiteral("P08"), false));
    QVERIFY(!job.portExists(tag, true));
    job.removeVertRun(F1, Room1, tag);
    QVERIFY(!job.portOrVertRunExists(tag, true));
    QVERIFY(!job.portOrVertRunExists(QStringLiteral("P08"), false));
}

// A supplied tag becomes an element name: one that is not a valid name, or
// that a port or run already holds, creates nothing and comes back as given.
void TestVertRuns::refusedSuppliedTags_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<int>("mode");
    QTest::newRow("space in tag") << "Vertical Run" << 2;
    QTest::newRow("digit first") << "1Riser" << 3;
    QTest::newRow("beyond Latin-1") << QString::fromUtf8("Riser\u0416") << 2;
    QTest::newRow("empty tag") << "" << 2;
    QTest::newRow("tag of a port") << "Port7" << 2;
    QTest::newRow("tag of a run in another room") << "VerticalRun1" << 3;
}

void TestVertRuns::refusedSuppliedTags()
{
    QFETCH(QString, tag);
    QFETCH(int, mode);
    Layout l;
    l.groundUndefined = run("VerticalRun1", "VR01", "Cable1", "");
    QVERIFY(loadText(m_dir, layoutText(l)));
    Ductbook& job = Ductbook::Instance();
    QStringList none;
    QCOMPARE(job.addVertRun(F1, Room2, 1, 2, none, none, tag, QStringLiteral("VR"),
                            QStringLiteral("vertical_run"), QStringLiteral("not_specified"), 0.0,
                            mode),
             tag);
    QVERIFY(job.getVertRuns(F1, Room2, true).isEmpty());
    QCOMPARE(job.getVertRuns(), QStringList{VR1});
    QCOMPARE(job.getVertRunRoom(VR1), Undef);
    QVERIFY(!job.isChanged());
}

void TestVertRuns::listEdits_data()
{
    QTest::addColumn<bool>("connectedList");
    QTest::addColumn<bool>("add");
    QTest::addColumn<QString>("stored"); // "<missing>": the element lacks the attribute
    QTest::addColumn<QString>("cable");
    QTest::addColumn<QStringList>("expected");

    for (const bool connectedList : {true, false}) {
        const char* which = connectedList ? "connected: " : "disconnected: ";
        const auto row = [&](const char* name) {
            return &QTest::newRow((QByteArray(which) + name).constData());
        };
        *row("adding a listed tag leaves the list unchanged")
            << connectedList << true << "Cable1,Cable2"
            << "Cable1" << QStringList{"Cable1", "Cable2"};
        *row("adding a new tag appends it") << connectedList << true << "Cable1"
                                            << "Cable3" << QStringList{"Cable1", "Cable3"};
        *row("adding to an empty list") << connectedList << true << ""
                                        << "Cable3" << QStringList{"Cable3"};
        *row("adding to a run without the attribute creates it")
            << connectedList << true << "<missing>"
            << "Cable3" << QStringList{"Cable3"};
        *row("removing a tag that stands twice removes both")
            << connectedList << false << "Cable1,Cable2,Cable1"
            << "Cable1" << QStringList{"Cable2"};
        *row("removing matches whole tags only") << connectedList << false << "Cable10,Cable1"
                                                 << "Cable1" << QStringList{"Cable10"};
        *row("removing an unlisted tag") << connectedList << false << "Cable2"
                                         << "Cable9" << QStringList{"Cable2"};
    }
}

void TestVertRuns::listEdits()
{
    QFETCH(bool, connectedList);
    QFETCH(bool, add);
    QFETCH(QString, stored);
    QFETCH(QString, cable);
    QFETCH(QStringList, expected);

    const QByteArray text = stored.toLatin1();
    const char* value = stored == QLatin1String("<missing>") ? nullptr : text.constData();
    Layout l;
    // The other list holds the cable too and must not be touched.
    l.firstUndefined = connectedList ? run("VerticalRun1", "VR01", value, "Cable1,Cable3")
                                     : run("VerticalRun1", "VR01", "Cable1,Cable3", value);
    QVERIFY(loadText(m_dir, layoutText(l)));
    Ductbook& job = Ductbook::Instance();

    if (connectedList && add)
        job.addConnectedCableToVertRun(VR1, cable);
    else if (connectedList)
        job.removeConnectedCableFromVertRun(VR1, cable);
    else if (add)
        job.addDisconnectedCableToVertRun(VR1, cable);
    else
        job.removeDisconnectedCableFromVertRun(VR1, cable);

    const VertRun r = job.getVertRunByTag(VR1);
    QCOMPARE(connectedList ? r.connected() : r.disconnected(), expected);
    QCOMPARE(connectedList ? r.disconnected() : r.connected(), (QStringList{"Cable1", "Cable3"}));
    QVERIFY(job.save());
    QCOMPARE(
        savedAttr(job.filename(), VR1,
                  connectedList ? QStringLiteral("connected") : QStringLiteral("disconnected")),
        expected.join(QLatin1Char(',')));
}

// Cables removed without telling the runs: the repair takes their tags out of
// every list on every floor and keeps the cables that still exist.
void TestVertRuns::fixBrokenDropsDeletedCables()
{
    Layout l;
    l.cables = "<Cable1 id=\"C001\"/><Cable2 id=\"C002\"/>";
    l.groundUndefined = run("VerticalRun1", "VR01", "Cable1,Cable9", "Cable10");
    l.room2 = run("VerticalRun3", "VR03", "Cable2", "Cable1");
    l.firstUndefined = run("VerticalRun2", "VR02", "Cable9,Cable2,Cable9", "Cable9,Cable1");
    QVERIFY(loadText(m_dir, layoutText(l)));
    Ductbook& job = Ductbook::Instance();

    QVERIFY(job.fixBrokenVerticalRunCables());
    QVERIFY(job.isChanged());
    QCOMPARE(job.getVertRunConnectedList(VR1), QStringList{"Cable1"});
    QVERIFY(job.getVertRunDisconnectedList(VR1).isEmpty());
    QCOMPARE(job.getVertRunConnectedList(VR2), QStringList{"Cable2"});
    QCOMPARE(job.getVertRunDisconnectedList(VR2), QStringList{"Cable1"});
    QCOMPARE(job.getVertRunConnectedList(QStringLiteral("VerticalRun3")), QStringList{"Cable2"});
    QVERIFY(job.findCableConnectedLists(QStringLiteral("Cable9")).isEmpty());
    QVERIFY(job.findCableDisconnectedLists(QStringLiteral("Cable9")).isEmpty());

    // Nothing left to repair: still true, and the document stays as it is.
    job.setDirty(false);
    QVERIFY(job.fixBrokenVerticalRunCables());
    QVERIFY(!job.isChanged());
    QCOMPARE(job.getVertRunDisconnectedList(VR2), QStringList{"Cable1"});
}

void TestVertRuns::renameAndRemoveCableInAllRuns()
{
    Layout l;
    l.groundUndefined = run("VerticalRun1", "VR01", "Cable1,Cable2", "Cable3");
    l.firstUndefined = run("VerticalRun2", "VR02", "Cable2,Cable1,Cable4", "Cable1");
    QVERIFY(loadText(m_dir, layoutText(l)));
    Ductbook& job = Ductbook::Instance();

    job.renameCableInAllVertRuns(QStringLiteral("Cable1"), QStringLiteral("Cable4"));
    QVERIFY(job.isChanged());
    QCOMPARE(job.getVertRunConnectedList(VR1), (QStringList{"Cable2", "Cable4"}));
    QCOMPARE(job.getVertRunDisconnectedList(VR1), QStringList{"Cable3"});
    // The new tag is listed once even where it already stood.
    QCOMPARE(job.getVertRunConnectedList(VR2), (QStringList{"Cable2", "Cable4"}));
    QCOMPARE(job.getVertRunDisconnectedList(VR2), QStringList{"Cable4"});

    QCOMPARE(job.findCableConnectedLists(QStringLiteral("Cable4")), (QStringList{VR1, VR2}));
    QCOMPARE(job.getVertRunsWithCableInConnectedList(QStringLiteral("Cable2")),
             (QStringList{VR1, VR2}));
    QCOMPARE(job.getVertRunsWithCableInDisconnectedList(QStringLiteral("Cable4")),
             QStringList{VR2});
    QVERIFY(job.findCableConnectedLists(QStringLiteral("Cable1")).isEmpty());

    job.setDirty(false);
    job.removeCableFromAllVRLists(QStringLiteral("Cable7"));
    QVERIFY(!job.isChanged());
    job.removeCableFromAllVRLists(QStringLiteral("Cable4"));
    QVERIFY(job.isChanged());
    QCOMPARE(job.getVertRunConnectedList(VR1), QStringList{"Cable2"});
    QCOMPARE(job.getVertRunConnectedList(VR2), QStringList{"Cable2"});
    QVERIFY(job.getVertRunDisconnectedList(VR2).isEmpty());
    QCOMPARE(job.getVertRunDisconnectedList(VR1), QStringList{"Cable3"});
}

void TestVertRuns::setVertRunIdKeepsIdsUnique_data()
{
    QTest::addColumn<QString>("newId");
    QTest::addColumn<bool>("renamed");
    QTest::newRow("id of another run") << "VR02" << false;
    QTest::newRow("id of a port") << "P07" << false;
    QTest::newRow("its own id") << "VR01" << false;
    QTest::newRow("free id") << "Riser A" << true;
}

void TestVertRuns::setVertRunIdKeepsIdsUnique()
{
    QFETCH(QString, newId);
    QFETCH(bool, renamed);
    Layout l;
    l.room1 = run("VerticalRun1", "VR01", "", "");
    l.firstUndefined = run("VerticalRun2", "VR02", "", "");
    QVERIFY(loadText(m_dir, layoutText(l)));
    Ductbook& job = Ductbook::Instance();

    job.setVertRunId(F1, Room1, QStringLiteral("VR01"), newId);
    QCOMPARE(job.isChanged(), renamed);
    const QString expected = renamed ? newId : QStringLiteral("VR01");
    QCOMPARE(job.getVertRunByTag(VR1).id(), expected);
    QCOMPARE(job.getVertRunId(VR1), expected);
    QCOMPARE(job.getVertRunTag(expected), VR1);
    QCOMPARE(job.getVertRunById(F1, Room1, expected).element(), VR1);
    QCOMPARE(job.getVertRunByTag(VR2).id(), QStringLiteral("VR02"));
    QCOMPARE(job.vertRunExists(QStringLiteral("VR01"), false), !renamed);
}

void TestVertRuns::readingRepairsOldRuns()
{
    Layout l;
    l.room1 =
        run("VerticalRun1", "VR01", "Cable1", nullptr, "x=\"30\" y=\"40\" use=\"vertical_run\"");
    QVERIFY(loadText(m_dir, layoutText(l)));
    Ductbook& job = Ductbook::Instance();

    const VertRun r = job.getVertRunByTag(F1, Room1, VR1);
    QCOMPARE(r.dropHeight(), 0.0);
    QCOMPARE(r.iconScale(), QStringLiteral("not_specified"));
    QVERIFY(r.disconnected().isEmpty());
    QCOMPARE(job.getVertRunIconScale(VR1), QStringLiteral("not_specified"));
    QVERIFY(!job.isChanged());
    QVERIFY(job.save());
    QCOMPARE(savedAttr(job.filename(), VR1, QStringLiteral("drop_height")), QStringLiteral("0"));
    QCOMPARE(savedAttr(job.filename(), VR1, QStringLiteral("icon_scale")),
             QStringLiteral("not_specified"));
    // The list setter overwrites only a list the element has.
    job.setVertRunDisconnectedList(F1, Room1, VR1, QStringLiteral("Cable2"));
    job.setVertRunConnectedList(F1, Room1, VR1, QStringLiteral("Cable3,Cable4"));
    QVERIFY(job.getVertRunDisconnectedList(VR1).isEmpty());
    QCOMPARE(job.getVertRunConnectedList(VR1), (QStringList{"Cable3", "Cable4"}));
}

void TestVertRuns::settersByIdAddMissingAttributes()
{
    Layout l;
    l.room2 = run("VerticalRun1", "VR01", "", "", "x=\"30\" y=\"40\" use=\"vertical_run\"");
    QVERIFY(loadText(m_dir, layoutText(l)));
    Ductbook& job = Ductbook::Instance();
    const QString path = job.filename();

    job.setVertRunDropHeight(F1, Room2, QStringLiteral("VR01"), 7.25);
    job.setVertRunIconScale(F1, Room2, QStringLiteral("VR01"), QStringLiteral("2"));
    QVERIFY(job.isChanged());
    QVERIFY(job.save());
    QCOMPARE(savedAttr(path, VR1, QStringLiteral("drop_height")), QStringLiteral("7.25"));
    QCOMPARE(savedAttr(path, VR1, QStringLiteral("icon_scale")), QStringLiteral("2"));
    job.setVertRunDropHeight(F1, Room2, QStringLiteral("VR01"), 1.0);
    // The wrong room finds nothing.
    job.setVertRunDropHeight(F1, Room1, QStringLiteral("VR01"), 3.0);
    job.moveVertRun(F1, Room2, VR1, 5, -3);
    QVERIFY(job.save());
    QCOMPARE(savedAttr(path, VR1, QStringLiteral("drop_height")), QStringLiteral("1"));
    const VertRun r = job.getVertRunByTag(VR1);
    QCOMPARE(QPoint(r.x(), r.y()), QPoint(35, 37));

    job.renameVertRun(F1, Room2, VR1, QStringLiteral("Shaft"));
    QCOMPARE(job.getVertRunId(VR1), QStringLiteral("Shaft"));
    QCOMPARE(job.getVertRunById(QStringLiteral("Shaft")).element(), VR1);
    QVERIFY(job.getVertRunById(QStringLiteral("VR01")).element().isEmpty());
}

void TestVertRuns::setVertRunRoomMovesTheElement()
{
    Layout l;
    l.groundUndefined = run("VerticalRun1", "VR01", "Cable1,Cable2", "Cable3",
                            "x=\"15\" y=\"25\" use=\"vertical_run\" icon_scale=\"1.5\" "
                            "drop_height=\"2.5\" legacy=\"kept\"");
    QVERIFY(loadText(m_dir, layoutText(l)));
    Ductbook& job = Ductbook::Instance();

    job.setVertRunRoom(F1, QStringLiteral("VR01"), Undef);
    QVERIFY(!job.isChanged());
    // A room without a run list cannot take the run; it stays where it is.
    job.setVertRunRoom(F1, QStringLiteral("VR01"), QStringLiteral("Room9"));
    QCOMPARE(job.getVertRuns(F1, Undef, true), QStringList{VR1});
    QVERIFY(!job.isChanged());

    job.setVertRunRoom(F1, QStringLiteral("VR01"), Room1);
    QVERIFY(job.isChanged());
    QVERIFY(job.getVertRuns(F1, Undef, true).isEmpty());
    QCOMPARE(job.getVertRuns(F1, Room1, true), QStringList{VR1});
    const VertRun r = job.getVertRunByTag(F1, Room1, VR1);
    QCOMPARE(r.room(), Room1);
    QCOMPARE(r.id(), QStringLiteral("VR01"));
    QCOMPARE(r.connected(), (QStringList{"Cable1", "Cable2"}));
    QCOMPARE(r.disconnected(), QStringList{"Cable3"});
    QCOMPARE(QPoint(r.x(), r.y()), QPoint(15, 25));
    QCOMPARE(r.dropHeight(), 2.5);
    QCOMPARE(job.getVertRunRoom(VR1), Room1);
    QCOMPARE(job.getVertRunId(VR1), QStringLiteral("VR01"));
    QVERIFY(job.getVertRunByTag(F1, Undef, VR1).element().isEmpty());

    QVERIFY(job.save());
    QCOMPARE(savedAttr(job.filename(), VR1, QStringLiteral("legacy")), QStringLiteral("kept"));
    QVERIFY(Ductbook::Instance().Load(job.filename()));
    QCOMPARE(Ductbook::Instance().getVertRunRoom(VR1), Room1);
}

// A run stored at x = -1 does not answer the per-floor lookups, which then
// ask the next room; the per-room and all-floor lookups still find it.
void TestVertRuns::lookupsOnAFloorSkipUnplacedRuns()
{
    Layout l;
    l.room1 = run("VerticalRun1", "Shaft", "", "", "x=\"-1\" y=\"-1\" use=\"vertical_run\"");
    l.room2 = run("VerticalRun3", "Shaft", "", "", "x=\"7\" y=\"8\" use=\"vertical_run\"");
    l.firstUndefined = run("VerticalRun2", "Lone", "", "", "x=\"-1\" y=\"4\" use=\"vertical_run\"");
    QVERIFY(loadText(m_dir, layoutText(l)));
    Ductbook& job = Ductbook::Instance();
    const QString shaft = QStringLiteral("Shaft");

    QCOMPARE(job.getVertRunById(F1, shaft).element(), QStringLiteral("VerticalRun3"));
    QCOMPARE(job.getVertRunById(shaft).element(), VR1);
    QCOMPARE(job.getVertRunById(F1, Room1, shaft).element(), VR1);
    QVERIFY(job.getVertRunByTag(F1, VR1).element().isEmpty());
    QCOMPARE(job.getVertRunByTag(F1, Room1, VR1).x(), -1);
    QCOMPARE(job.getVertRunByTag(VR1).room(), Room1);

    QVERIFY(job.getVertRunById(F2, QStringLiteral("Lone")).element().isEmpty());
    QCOMPARE(job.getVertRunById(QStringLiteral("Lone")).floor(), F2);
    QVERIFY(job.getVertRunByTag(F1, VR2).element().isEmpty());
    QCOMPARE(job.getVertRunByTag(F2, QStringLiteral("VerticalRun3")).element(), QString());
    QCOMPARE(job.getVertRuns(F1, false), (QStringList{"Shaft", "Shaft"}));
    QCOMPARE(job.getVertRuns(), (QStringList{VR1, "VerticalRun3", VR2}));

    // The run moved by id on the floor is the one the floor lookup finds.
    job.setVertRunRoom(F1, shaft, Undef);
    QCOMPARE(job.getVertRuns(F1, Undef, true), QStringList{"VerticalRun3"});
}

// A file that gives two runs the same tag: lookups by tag take floor-map
// order, and removing the mapped one hands the map entry to the other.
void TestVertRuns::repeatedTagsInAFile()
{
    const QByteArray text =
        jobText(" <Floor_List>\n"
                "  <FFloor_2 id=\"First\"><Room_List>" +
                room("Undefined", "Undefined", "", run("VerticalRun1", "Upper", "Cable1", "")) +
                "</Room_List></FFloor_2>\n"
                "  <FFloor_1 id=\"Ground\"><Room_List>" +
                room("Undefined", "Undefined", "", run("VerticalRun1", "Lower", "", "Cable1")) +
                "</Room_List></FFloor_1>\n </Floor_List>\n");
    QVERIFY(loadText(m_dir, text));
    Ductbook& job = Ductbook::Instance();

    QCOMPARE(job.getVertRunId(VR1), QStringLiteral("Upper"));
    QCOMPARE(job.getVertRunByTag(VR1).id(), QStringLiteral("Lower"));
    QCOMPARE(job.getVertRunByTag(F2, VR1).id(), QStringLiteral("Upper"));
    QCOMPARE(job.getVertRunFloor(VR1), F1);
    QCOMPARE(job.getVertRunById(QStringLiteral("Upper")).floor(), F2);
    QCOMPARE(job.getVertRuns(), (QStringList{VR1, VR1}));
    QCOMPARE(job.getVertRunsWithCableInConnectedList(QStringLiteral("Cable1")), QStringList{VR1});

    job.removeVertRun(F2, Undef, VR1);
    QCOMPARE(job.getVertRunId(VR1), QStringLiteral("Lower"));
    QCOMPARE(job.getVertRuns(), QStringList{VR1});
    QCOMPARE(job.getVertRunFloor(VR1), F1);
}

void TestVertRuns::removeAndRoundTrip()
{
    // A new job: its floor's "Undefined" room holds the run.
    Ductbook& job = newJob(m_dir);
    QStringList connected{QStringLiteral("Cable1"), QStringLiteral("Cable2")};
    QStringList disconnected{QStringLiteral("Cable3")};
    VertRun in(120, 45, QStringLiteral("VerticalRun5"), QString::fromLatin1("Riser \xc9st"), F1,
               Undef, QStringLiteral("vertical_run"), QStringLiteral("1.5"), connected,
               disconnected, 2.25);
    QCOMPARE(job.addVertRun(in, 2), QStringLiteral("VerticalRun5"));
    // The same tag again is refused.
    QCOMPARE(job.addVertRun(in, 2), QStringLiteral("VerticalRun5"));
    QCOMPARE(job.getVertRuns(), QStringList{"VerticalRun5"});
    QVERIFY(job.save());

    QVERIFY(Ductbook::Instance().Load(job.filename()));
    Ductbook& loaded = Ductbook::Instance();
    const VertRun out = loaded.getVertRunByTag(QStringLiteral("VerticalRun5"));
    QCOMPARE(out.element(), in.element());
    QCOMPARE(out.x(), 120);
    QCOMPARE(out.y(), 45);
    QCOMPARE(out.id(), in.id());
    QCOMPARE(out.floor(), F1);
    QCOMPARE(out.room(), Undef);
    QCOMPARE(out.use(), QStringLiteral("vertical_run"));
    QCOMPARE(out.iconScale(), QStringLiteral("1.5"));
    QCOMPARE(out.dropHeight(), 2.25);
    QCOMPARE(out.connected(), connected);
    QCOMPARE(out.disconnected(), disconnected);
    QCOMPARE(loaded.getVertRunUse(in.element()), QStringLiteral("vertical_run"));
    QCOMPARE(loaded.getVertRunTag(in.id()), in.element());

    VertRun gone = out;
    loaded.removeVertRun(gone);
    QVERIFY(loaded.isChanged());
    QVERIFY(loaded.getVertRuns().isEmpty());
    QVERIFY(!loaded.vertRunExists(in.element(), true));
    QVERIFY(loaded.getVertRunByTag(in.element()).element().isEmpty());
    QVERIFY(loaded.getVertRunById(in.id()).element().isEmpty());
    // Its tag is free again.
    QCOMPARE(loaded.addVertRun(in, 2), in.element());
    QCOMPARE(loaded.getVertRunFloor(in.element()), F1);
}

// Edits of the cable lists are kept in memory until the run is read or the
// job saved; a save right after the edits must still write them.
void TestVertRuns::listEditsReachTheFileWithoutARead_data()
{
    QTest::addColumn<int>("edit");
    QTest::addColumn<QString>("connected");
    QTest::addColumn<QString>("disconnected");
    QTest::newRow("add to a list") << 0 << "Cable1,Cable2,Cable4"
                                   << "Cable3";
    QTest::newRow("remove from a list") << 1 << "Cable2"
                                        << "Cable3";
    QTest::newRow("rename in every run") << 2 << "Cable2,Cable4"
                                         << "Cable3";
    QTest::newRow("remove from every run") << 3 << "Cable1,Cable2"
                                           << "";
    QTest::newRow("replace after an add") << 4 << "Cable3"
                                          << "Cable3";
    QTest::newRow("remove several at once by the repair") << 5 << "Cable1"
                                                          << "Cable3";
}

void TestVertRuns::listEditsReachTheFileWithoutARead()
{
    QFETCH(int, edit);
    QFETCH(QString, connected);
    QFETCH(QString, disconnected);
    Layout l;
    l.cables = "<Cable1 id=\"C001\"/><Cable3 id=\"C003\"/><Cable4 id=\"C004\"/>";
    l.firstUndefined = run("VerticalRun1", "VR01", "Cable1,Cable2", "Cable3");
    QVERIFY(loadText(m_dir, layoutText(l)));
    Ductbook& job = Ductbook::Instance();
    // The queries build the index the edits then go through.
    QCOMPARE(job.getVertRunsWithCableInConnectedList(QStringLiteral("Cable1")), QStringList{VR1});

    switch (edit) {
    case 0:
        job.addConnectedCableToVertRun(VR1, QStringLiteral("Cable4"));
        break;
    case 1:
        job.removeConnectedCableFromVertRun(VR1, QStringLiteral("Cable1"));
        break;
    case 2:
        job.renameCableInAllVertRuns(QStringLiteral("Cable1"), QStringLiteral("Cable4"));
        break;
    case 3:
        job.removeCableFromAllVRLists(QStringLiteral("Cable3"));
        break;
    case 4:
        job.addConnectedCableToVertRun(VR1, QStringLiteral("Cable4"));
        job.setVertRunConnectedList(F2, Undef, VR1, QStringLiteral("Cable3"));
        break;
    default:
        // Cable2 has no element: the repair drops it without reading the run.
        job.fixBrokenVerticalRunCables();
        break;
    }
    QVERIFY(job.isChanged());
    QVERIFY(job.save());
    QCOMPARE(savedAttr(job.filename(), VR1, QStringLiteral("connected")), connected);
    QCOMPARE(savedAttr(job.filename(), VR1, QStringLiteral("disconnected")), disconnected);
    QVERIFY(Ductbook::Instance().Load(job.filename()));
    QCOMPARE(Ductbook::Instance().getVertRunConnectedList(VR1).join(QLatin1Char(',')), connected);
}

// The runs that list a cable come floor by floor in the order of the floor
// map, and room by room in document order on each floor, however the runs
// were added or moved.
void TestVertRuns::riserQueriesFollowFloorAndRoomOrder()
{
    Layout l;
    l.room2 = run("VerticalRun1", "VR01", "Cable1", "Cable2");
    l.firstUndefined = run("VerticalRun2", "VR02", "Cable1", "Cable2");
    QVERIFY(loadText(m_dir, layoutText(l)));
    Ductbook& job = Ductbook::Instance();
    const QString cable1 = QStringLiteral("Cable1");
    QCOMPARE(job.getVertRunsWithCableInConnectedList(cable1), (QStringList{VR1, VR2}));

    // A new run in Room1, ahead of Room2, comes before VR01.
    QStringList listed{cable1};
    QStringList none;
    const QString vr3 =
        job.addVertRun(F1, Room1, 1, 1, listed, none, QString(), QStringLiteral("VR"),
                       QStringLiteral("vertical_run"), QString(), 0.0, 0);
    QCOMPARE(job.getVertRunsWithCableInConnectedList(cable1), (QStringList{vr3, VR1, VR2}));
    QVERIFY(job.isCableInVertRun(cable1));

    // VR01 moves into "Undefined", the first room of the floor.
    job.setVertRunRoom(F1, QStringLiteral("VR01"), Undef);
    QCOMPARE(job.getVertRunsWithCableInConnectedList(cable1), (QStringList{VR1, vr3, VR2}));
    // Room1 goes; its run moves to the end of "Undefined".
    job.removeRoom(F1, Room1);
    QCOMPARE(job.getVertRunsWithCableInConnectedList(cable1), (QStringList{VR1, vr3, VR2}));
    job.addDisconnectedCableToVertRun(vr3, QStringLiteral("Cable2"));
    QCOMPARE(job.getVertRunsWithCableInDisconnectedList(QStringLiteral("Cable2")),
             (QStringList{VR1, vr3, VR2}));

    job.removeVertRun(F1, Undef, VR1);
    QCOMPARE(job.findCableConnectedLists(cable1), (QStringList{vr3, VR2}));
    job.removeConnectedCableFromVertRun(vr3, cable1);
    job.removeConnectedCableFromVertRun(VR2, cable1);
    QVERIFY(!job.isCableInVertRun(cable1));
    QVERIFY(job.isCableInVertRun(QStringLiteral("Cable2")));

    // A floor map without the first floor: its run is no longer walked.
    job.setAllFloorIds({{F1, QStringLiteral("Ground")}});
    QCOMPARE(job.getVertRunsWithCableInDisconnectedList(QStringLiteral("Cable2")),
             QStringList{vr3});
}

QTEST_GUILESS_MAIN(TestVertRuns)
#include "tst_vertruns.moc"
