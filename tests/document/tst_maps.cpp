// The lookup maps rebuilt from loaded files, their reverse lookups and the
// existence checks.
#include "jobfixture.h"

#include <QtTest>

using namespace JobFixture;

class TestMaps : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { JobFixture::verifyAndClose(); }

    void cablesWithRepeatedIdsAndTags();
    void roomsWithSameIdOnTwoFloors();
    void everyItemKindIsIndexedFromAFile();
    void undefinedRoomAlwaysExists();
    void floorTagsInCodeUnitOrder();
    void unknownCableTagLeavesMapsAlone();
    void directMapSetters();
    void loadingDoesNotChangeTheFile();

private:
    QTemporaryDir m_dir;
};

void TestMaps::cablesWithRepeatedIdsAndTags()
{
    QVERIFY(loadText(m_dir, jobText(" <Cable_List>\n"
                                    "  <Cable1 id=\"C001\" type=\"CAT5E\"/>\n"
                                    "  <Cable2 id=\"C001\" type=\"CAT6\"/>\n"
                                    "  <Cable3 id=\"C003\" type=\"CAT6\"/>\n"
                                    "  <Cable1 id=\"C009\" type=\"RG-6\"/>\n"
                                    " </Cable_List>\n")));
    Ductbook& job = Ductbook::Instance();
    QCOMPARE(job.getCables(false), (QStringList{"C001", "C003", "C009"}));
    QCOMPARE(job.getCables(true), (QStringList{"Cable1", "Cable2", "Cable3"}));
    // The first element of a repeated tag is the one the map knows.
    QCOMPARE(job.getCableID(QStringLiteral("Cable1")), QStringLiteral("C001"));
    QVERIFY(!job.cableExists(QStringLiteral("C009"), false));
    QCOMPARE(job.getCableElement(QStringLiteral("C001")), QStringLiteral("Cable1"));
    QCOMPARE(job.getCablesByTypeFromMap(QStringLiteral("CAT6")), (QStringList{"Cable2", "Cable3"}));
    QCOMPARE(job.getCablesByTypeFromMap(QStringLiteral("CAT5E")), QStringList{"Cable1"});
    QVERIFY(job.getCablesByTypeFromMap(QStringLiteral("RG-6")).isEmpty());
}

void TestMaps::roomsWithSameIdOnTwoFloors()
{
    QVERIFY(loadText(m_dir,
                     jobText(" <Floor_List>\n"
                             "  <FFloor_1 id=\"Ground\"><Room_List>"
                             "<Room12 id=\"Lab\"/><Room3 id=\"Office\"/></Room_List></FFloor_1>\n"
                             "  <FFloor_2 id=\"First\"><Room_List>"
                             "<Room10 id=\"Lab\"/></Room_List></FFloor_2>\n"
                             " </Floor_List>\n")));
    Ductbook& job = Ductbook::Instance();
    QVERIFY(job.roomExists(QStringLiteral("Lab"), false));
    QVERIFY(job.roomExists(QStringLiteral("Room12"), true));
    QVERIFY(!job.roomExists(QStringLiteral("Lab"), true));
    QVERIFY(job.roomExistsOnFloor(QStringLiteral("FFloor_2"), QStringLiteral("Lab"), false));
    QVERIFY(!job.roomExistsOnFloor(QStringLiteral("FFloor_2"), QStringLiteral("Office"), false));
    QVERIFY(job.roomExistsOnFloor(QStringLiteral("FFloor_1"), QStringLiteral("Room3"), true));
}

void TestMaps::everyItemKindIsIndexedFromAFile()
{
    QVERIFY(loadText(
        m_dir,
        jobText(" <Cable_List><Cable1 id=\"C1\"/></Cable_List>\n"
                " <Connection_List><Connection4 id=\"Link\"/></Connection_List>\n"
                " <Floor_List><FFloor_1 id=\"G\">"
                "<Room_List><Undefined id=\"Undefined\"><Port_List><Port7 id=\"P7\"/></Port_List>"
                "<VerticalRun_List><VerticalRun2 id=\"VR02\"/></VerticalRun_List></Undefined>"
                "<Room1 id=\"Hall\"><Port_List><Port8 id=\"P8\"/></Port_List></Room1></Room_List>"
                "<Point_List><Point1 id=\"Pt1\"/></Point_List>"
                "<FreeText_List><TText01 id=\"Exit\"/></FreeText_List></FFloor_1></Floor_List>\n"
                " <Sheet_List><SSheet_1 id=\"Net\"><Device_List><Device3 id=\"SW03\"/>"
                "</Device_List><Vertice_List><Vertice1 id=\"V1\"/></Vertice_List>"
                "<FreeText_List><TText1 id=\"Core\"/></FreeText_List></SSheet_1></Sheet_List>\n"
                " <ActiveNetworkTest_List><ActivePort_List><ActivePort1 id=\"Port01\"/>"
                "</ActivePort_List></ActiveNetworkTest_List>\n")));
    Ductbook& job = Ductbook::Instance();
    QVERIFY(job.connectionExists(QStringLiteral("Link"), false));
    QCOMPARE(job.getConnectionTagById(QStringLiteral("Link")), QStringLiteral("Connection4"));
    QCOMPARE(job.getPortId(QStringLiteral("Port8")), QStringLiteral("P8"));
    QVERIFY(job.portExists(QStringLiteral("P7"), false));
    QCOMPARE(job.getVertRunTag(QStringLiteral("VR02")), QStringLiteral("VerticalRun2"));
    QVERIFY(job.portOrVertRunExists(QStringLiteral("VerticalRun2"), true));
    QVERIFY(!job.portExists(QStringLiteral("VerticalRun2"), true));
    QVERIFY(job.pointExists(QStringLiteral("Pt1"), false));
    QVERIFY(job.floorFreeTextExists(QStringLiteral("TText01"), true));
    QVERIFY(!job.freeTextExists(QStringLiteral("TText01"), true));
    QVERIFY(job.freeTextExists(QStringLiteral("Core"), false));
    QVERIFY(job.deviceExists(QStringLiteral("SW03"), false));
    QVERIFY(job.verticeExists(QStringLiteral("Vertice1"), true));
    QCOMPARE(job.getActivePortElement(QStringLiteral("Port01")), QStringLiteral("ActivePort1"));
    QCOMPARE(job.getActivePortId(QStringLiteral("ActivePort1")), QStringLiteral("Port01"));
    const QMap<QString, int> counts = job.itemCounts();
    QCOMPARE(counts.value(QStringLiteral("ports")), 2);
    // The "Undefined" room of a floor is no drawn room and not in the map.
    QCOMPARE(counts.value(QStringLiteral("rooms")), 1);
    QCOMPARE(counts.value(QStringLiteral("vertical runs")), 1);
}

void TestMaps::undefinedRoomAlwaysExists()
{
    Ductbook& job = Ductbook::Instance();
    QVERIFY(job.roomExists(QStringLiteral("Undefined"), true));
    QVERIFY(job.roomExists(QStringLiteral("Undefined"), false));
    QVERIFY(job.roomExistsOnFloor(QStringLiteral("nowhere"), QStringLiteral("Undefined"), true));
    QVERIFY(!job.roomExists(QStringLiteral("undefined"), true));
}

void TestMaps::floorTagsInCodeUnitOrder()
{
    QVERIFY(loadText(m_dir, jobText(" <Floor_List><FFloor_2 id=\"B\"/><FFloor_10 id=\"C\"/>"
                                    "<FFloor_1 id=\"A\"/></Floor_List>\n")));
    Ductbook& job = Ductbook::Instance();
    QCOMPARE(job.getFloorTags(), (QStringList{"FFloor_1", "FFloor_10", "FFloor_2"}));
    QCOMPARE(job.getFloorIds(), (QStringList{"A", "C", "B"}));
}

void TestMaps::unknownCableTagLeavesMapsAlone()
{
    Ductbook& job = newJob(m_dir);
    QCOMPARE(job.getCableID(QStringLiteral("Cable99")), QString());
    QVERIFY(!job.cableExists(QStringLiteral("Cable99"), true));
    QVERIFY(job.getCables(true).isEmpty());
}

void TestMaps::directMapSetters()
{
    Ductbook& job = newJob(m_dir);
    job.setSheetID(QStringLiteral("SSheet_1"), QStringLiteral("Backbone"));
    QCOMPARE(job.getSheet(QStringLiteral("SSheet_1")).id(), QStringLiteral("Backbone"));
    QCOMPARE(job.getSheetTagById(QStringLiteral("Backbone")), QStringLiteral("SSheet_1"));
    QVERIFY(!job.sheetExists(QStringLiteral("Sheet_1"), false));
    QVERIFY(!job.isChanged());

    // Wholesale replacement touches the map only, not the document.
    job.setAllSheetIDs({{QStringLiteral("SSheet_9"), QStringLiteral("Ghost")}});
    QCOMPARE(job.getSheetTags(), QStringList{"SSheet_9"});
    QCOMPARE(job.getSheet(QStringLiteral("SSheet_1")).id(), QStringLiteral("Backbone"));

    job.setFloorId(QStringLiteral("FFloor_1"), QStringLiteral("Basement"));
    QCOMPARE(job.getFloorTagById(QStringLiteral("Basement")), QStringLiteral("FFloor_1"));
    QCOMPARE(job.getFloor(QStringLiteral("FFloor_1")).id(), QStringLiteral("Basement"));
    QVERIFY(!job.isChanged());
}

// Rebuilding the maps only reads: a file whose floors lack their point and
// text lists is written back exactly as it was read.
void TestMaps::loadingDoesNotChangeTheFile()
{
    const QByteArray text = "<!DOCTYPE Job>\n<Job>\n <Version number=\"3.0\"/>\n <Floor_List>\n"
                            "  <FFloor_1 id=\"G\" ceiling_height=\"8\" pic=\"\">\n"
                            "   <Room_List/>\n  </FFloor_1>\n </Floor_List>\n"
                            " <Sheet_List>\n  <SSheet_1 id=\"S\"/>\n </Sheet_List>\n</Job>\n";
    QVERIFY(loadText(m_dir, text, QStringLiteral("bare.job")));
    Ductbook& job = Ductbook::Instance();
    QVERIFY(!job.isChanged());
    QVERIFY(job.save());
    QCOMPARE(readFile(job.filename()), text);
}

QTEST_GUILESS_MAIN(TestMaps)
#include "tst_maps.moc"
