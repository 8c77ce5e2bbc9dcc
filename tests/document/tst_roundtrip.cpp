// Edits that the fuzzers found to answer differently after a save and load,
// or to crash: what a job answers in memory is what it answers from its file.
#include "jobfixture.h"

#include <QtTest>

#include <limits>

using namespace JobFixture;

class TestRoundTrip : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { JobFixture::verifyAndClose(); }

    void renamingAMissingFloorOrSheet();
    void renamingTheUndefinedRoomLeavesOtherRooms();
    void renamingACableWithoutAnIdAttribute();
    void movesStopAtTheEndOfTheCoordinateRange_data();
    void movesStopAtTheEndOfTheCoordinateRange();

private:
    // Saves the job and loads it again into the same object.
    static bool reload(Ductbook& job) { return job.save() && job.Load(job.filename()); }

    QTemporaryDir m_dir;
};

// A rename of a floor or sheet the job does not have must not make one up
// in the maps: from the file it would be gone again.
void TestRoundTrip::renamingAMissingFloorOrSheet()
{
    Ductbook& job = newJob(m_dir);
    job.setSheetID(QStringLiteral("Show None"), QStringLiteral("A"));
    job.setSheetID(QStringLiteral("SSheet_7"), QStringLiteral("Ghost"));
    job.setFloorId(QStringLiteral("FFloor_7"), QStringLiteral("Ghost"));
    for (int round = 0; round < 2; ++round) {
        QCOMPARE(job.getSheetTags(), QStringList{"SSheet_1"});
        QCOMPARE(job.getFloorTags(), QStringList{"FFloor_1"});
        QVERIFY(!job.sheetExists(QStringLiteral("Ghost"), false));
        QVERIFY(!job.floorExists(QStringLiteral("Ghost"), false));
        QVERIFY(reload(job));
    }
}

// The "Undefined" room is in no map. Renaming it (here to the name of a drawn
// room, which it then shadows) must not change the map entry of another room
// that carries the old name: that room's own element keeps its name.
void TestRoundTrip::renamingTheUndefinedRoomLeavesOtherRooms()
{
    Ductbook& job = newJob(m_dir);
    const QString floor = job.getFloorTags().constFirst();
    const QString lab = QStringLiteral("Lab");
    const QString room = job.addRoom(floor, 0, 0, 5, 5, QString(), lab, 0, 0, 3, 3, 3, 1);
    job.setRoomName(floor, QStringLiteral("Undefined"), lab);
    job.setRoomName(floor, lab, QStringLiteral("Office"));
    for (int round = 0; round < 2; ++round) {
        QCOMPARE(job.getRoomByTag(floor, room).id(), lab);
        QVERIFY(job.roomExists(lab, false));
        QVERIFY(!job.roomExists(QStringLiteral("Office"), false));
        QCOMPARE(job.getRooms(floor, false), (QStringList{QStringLiteral("Office"), lab}));
        QVERIFY(reload(job));
    }
}

// A cable element without an "id" attribute (an older or damaged file) gets
// none from setCableID, which only overwrites; the maps must then not claim
// the new id either.
void TestRoundTrip::renamingACableWithoutAnIdAttribute()
{
    QVERIFY(loadText(m_dir, jobText(" <Cable_List><Cable1 from=\"P1\"/><Cable2 id=\"B\"/>"
                                    "</Cable_List>\n")));
    Ductbook& job = Ductbook::Instance();
    job.setCableID(QStringLiteral("Cable1"), QStringLiteral("X"));
    job.setCableID(QStringLiteral("Cable2"), QStringLiteral("Y"));
    for (int round = 0; round < 2; ++round) {
        QCOMPARE(job.getCableID(QStringLiteral("Cable1")), QString());
        QVERIFY(!job.cableExists(QStringLiteral("X"), false));
        QCOMPARE(job.getCableElement(QStringLiteral("Y")), QStringLiteral("Cable2"));
        QCOMPARE(job.getCables(false), (QStringList{QString(), QStringLiteral("Y")}));
        QVERIFY(reload(job));
    }
}

// Positions are stored as int; a move that would pass the end of that range
// (which the sum of two ints can) stops at the end instead of wrapping round
// to the other side of the drawing.
void TestRoundTrip::movesStopAtTheEndOfTheCoordinateRange_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("delta");
    QTest::addColumn<int>("end");
    const int top = std::numeric_limits<int>::max();
    const int bottom = std::numeric_limits<int>::min();
    for (const char* kind : {"device", "vertex", "point", "run"}) {
        QTest::addRow("%s past the top", kind) << kind << 889 << top << top;
        QTest::addRow("%s past the bottom", kind) << kind << -5 << bottom << bottom;
        QTest::addRow("%s within the range", kind) << kind << 10 << -3 << 7;
    }
}

void TestRoundTrip::movesStopAtTheEndOfTheCoordinateRange()
{
    QFETCH(QString, kind);
    QFETCH(int, start);
    QFETCH(int, delta);
    QFETCH(int, end);
    Ductbook& job = newJob(m_dir);
    const QString floor = job.getFloorTags().constFirst();
    const QString sheet = job.getSheetTags().constFirst();
    const QString undefined = QStringLiteral("Undefined");
    int x = 0;
    int y = 0;
    if (kind == QLatin1String("device")) {
        const QString tag = job.addDevice(sheet, start, start, QString(), QStringLiteral("D"),
                                          QString(), QString(), QString(), 0);
        job.moveDevice(sheet, tag, delta, delta);
        x = job.getDevice(tag).x();
        y = job.getDevice(tag).y();
    } else if (kind == QLatin1String("vertex")) {
        const QString tag = job.addVertice(sheet, start, start, QString(), QStringLiteral("V"), 0);
        job.moveVertice(sheet, tag, delta, delta);
        x = job.getVertice(tag).x();
        y = job.getVertice(tag).y();
    } else if (kind == QLatin1String("point")) {
        const QString tag = job.addPoint(floor, start, start, QString(), QStringLiteral("Pt"), 0);
        job.movePoint(floor, tag, delta, delta);
        x = job.getPointByTag(floor, tag).x();
        y = job.getPointByTag(floor, tag).y();
    } else {
        QStringList none;
        QStringList noneEither;
        const QString tag =
            job.addVertRun(floor, undefined, start, start, none, noneEither, QString(),
                           QStringLiteral("VR"), QStringLiteral("vertical_run"), QString(), 0.0, 0);
        job.moveVertRun(floor, undefined, tag, delta, delta);
        x = job.getVertRunByTag(tag).x();
        y = job.getVertRunByTag(tag).y();
    }
    QCOMPARE(x, end);
    QCOMPARE(y, end);
}

QTEST_GUILESS_MAIN(TestRoundTrip)
#include "tst_roundtrip.moc"
