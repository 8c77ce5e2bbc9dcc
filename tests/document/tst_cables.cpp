// Cables and connections: naming, colours and uses on add, repairs on read,
// the list queries and their orders, removal, test results, and the cable
// pass of the vertical-run repair.
#include "jobfixture.h"

#include <QtTest>

#include <cstring>

using namespace JobFixture;

namespace {

const QString kFloor = QStringLiteral("FFloor_1");
const QString kRoom = QStringLiteral("Undefined");

QString addPort(Ductbook& job, const QString& id, const QString& floor = kFloor)
{
    return job.addPort(floor, kRoom, 10, 10, QString(), id, QStringLiteral("Network"),
                       QStringLiteral("not_specified"), 7.0, 1);
}

// A cable of the given type between two port ids, named by mode 0.
QString addCable(Ductbook& job, const QString& from, const QString& to,
                 const QString& type = QStringLiteral("CAT6"), const QString& group = QString(),
                 const QString& bundle = QString(), const QStringList& path = {QString()})
{
    TestResults untested;
    return job.addCable(QString(), QStringLiteral("Cable"), QStringLiteral("Network"), to, from,
                        type, bundle, QString(), group, QStringLiteral("#112233"), path, untested,
                        0);
}

// The tag of the cable most recently added.
QString lastTag(Ductbook& job)
{
    return job.getCables(true).constLast();
}

LUMEN_PLOT_DATA plot(int seed)
{
    LUMEN_PLOT_DATA p;
    std::memset(&p, 0, sizeof(p));
    for (int i = 0; i < 257; ++i) {
        p.series1[i] = (seed * 37 + i * 11) % 3000 - 1500;
        p.series2[i] = (seed * 13 + i * 7) % 2000 - 900;
    }
    p.pointCount = 257;
    return p;
}

bool sameBlock(const cable_struct& a, const cable_struct& b)
{
    // Field by field: the padding bytes of a copied block are unspecified.
    return std::memcmp(a.pairStatus, b.pairStatus, sizeof(a.pairStatus)) == 0 &&
           std::memcmp(a.pairValues, b.pairValues, sizeof(a.pairValues)) == 0 &&
           std::memcmp(a.wiremap, b.wiremap, sizeof(a.wiremap)) == 0 &&
           std::memcmp(a.pairLength, b.pairLength, sizeof(a.pairLength)) == 0 &&
           std::memcmp(a.farEndFlags, b.farEndFlags, sizeof(a.farEndFlags)) == 0 &&
           std::memcmp(a.pairExtra, b.pairExtra, sizeof(a.pairExtra)) == 0;
}

bool samePlot(const LUMEN_PLOT_DATA& a, const LUMEN_PLOT_DATA& b)
{
    return a.pointCount == b.pointCount &&
           std::memcmp(a.series1, b.series1, sizeof(a.series1)) == 0 &&
           std::memcmp(a.series2, b.series2, sizeof(a.series2)) == 0;
}

TestResults fullResult()
{
    cable_struct block;
    std::memset(&block, 0, sizeof(block));
    for (int i = 0; i < 4; ++i) {
        block.pairStatus[i] = quint8(0x10 + i);
        block.pairValues[i] = 1000 + i;
        block.pairLength[i] = 1500 + 3 * i;
    }
    for (int i = 0; i < 10; ++i)
        block.wiremap[i] = quint8(i * 17);
    block.farEndFlags[0] = 0x0F;
    block.farEndFlags[1] = 0xA0;
    for (int i = 0; i < 8; ++i)
        block.pairExtra[i] = i == 5 ? -1 : 20 * i;
    TestResults r(QStringLiteral("2026-11-30 10:15"), QStringLiteral("PASS"),
                  QStringLiteral("4.2.1"), QStringLiteral("LX-1042"), block, 3);
    r.setEcho(plot(1));
    r.setNEXT(plot(2));
    r.setChannel(plot(3));
    return r;
}

} // namespace

class TestCables : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { JobFixture::verifyAndClose(); }

    void firstCableNames();
    void tagCounting_data();
    void tagCounting();
    void idCounting_data();
    void idCounting();
    void freedIdIsFoundAgain();
    void freedTagIsFoundAgain();
    void refusedSuppliedTags_data();
    void refusedSuppliedTags();
    void forwardingOverloads();
    void cableBoxIsStoredAsTv();
    void colourOnAdd_data();
    void colourOnAdd();
    void setCableColor();
    void settersNeedTheCable();
    void repairsOnRead();
    void cablePath_data();
    void cablePath();
    void getCableByIdTakesFirstInDocumentOrder();
    void idAndTypeChangesKeepListsInStep();
    void removeCable();
    void removeCableKeepsSharedId();
    void removeCableWithoutChildren();
    void portQueries();
    void floorQueries();
    void bundleQueries();
    void pointAndCategoryQueries();
    void lookupsKeepCableOrderThroughEdits();
    void connections();
    void connectionsOfSheet();
    void testResultsSurviveSaveAndLoad();
    void testResultsRepairOnRead();
    void removeFloorRemovesItsCables();
    void vertRunMembership();

private:
    QTemporaryDir m_dir;
};

void TestCables::firstCableNames()
{
    Ductbook& job = newJob(m_dir);
    QCOMPARE(job.addCable(QString(), QStringLiteral("Cable"), 0), QStringLiteral("Cable001"));
    QCOMPARE(job.getCables(true), QStringList{"Cable1"});
    QCOMPARE(job.getCables(false), QStringList{"Cable001"});
    QCOMPARE(job.getCableID(QStringLiteral("Cable1")), QStringLiteral("Cable001"));
    QCOMPARE(job.getCableElement(QStringLiteral("Cable001")), QStringLiteral("Cable1"));
    QVERIFY(job.isChanged());
    // Mode 1 keeps the caller's id unchecked, mode 3 numbers from the prefix.
    QCOMPARE(job.addCable(QString(), QStringLiteral("Riser A"), 1), QStringLiteral("Riser A"));
    QCOMPARE(job.addCable(QStringLiteral("Mine"), QStringLiteral("Trunk"), 3),
             QStringLiteral("Trunk001"));
    QCOMPARE(job.getCables(true), (QStringList{"Cable1", "Cable2", "Mine"}));

    // Without a document there is no list to add to.
    job.Unload();
    QCOMPARE(job.addCable(QString(), QStringLiteral("Cable"), 0), QString());
    QCOMPARE(job.addConnection(QString(), QString(), QString(), QString(), QString(), 0),
             QString());
    QVERIFY(job.getCables(true).isEmpty());
    QVERIFY(!job.isChanged());
}

void TestCables::tagCounting_data()
{
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("next");
    QTest::newRow("counts above the last tag, gaps stay")
        << QStringList{"Cable1", "Cable3"} << "Cable4";
    QTest::newRow("last tag in string order") << QStringList{"Cable10", "Cable9"} << "Cable11";
    QTest::newRow("last tag not a number") << QStringList{"Cable2", "CableX"} << "Cable1";
}

void TestCables::tagCounting()
{
    QFETCH(QStringList, existing);
    QFETCH(QString, next);
    Ductbook& job = newJob(m_dir);
    for (const QString& tag : existing)
        QVERIFY(!job.addCable(tag, QStringLiteral("x") + tag, 2).isNull());
    job.addCable(QString(), QStringLiteral("Cable"), 0);
    QCOMPARE(lastTag(job), next);
}

void TestCables::idCounting_data()
{
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QStringList>("next");
    QTest::newRow("after Cable001 to Cable004")
        << QStringList{"Cable001", "Cable002", "Cable003", "Cable004"} << "Cable"
        << QStringList{"Cable005", "Cable006"};
    QTest::newRow("four digits do not raise the start")
        << QStringList{"Cable001", "Cable1000", "Cable2000"} << "Cable" << QStringList{"Cable002"};
    QTest::newRow("above the greatest three-digit id, taken numbers skipped")
        << QStringList{"Cable998", "Cable999", "Cable1000", "Cable1001"} << "Cable"
        << QStringList{"Cable1002", "Cable1003", "Cable1004"};
    QTest::newRow("no three-digit id starts at one")
        << QStringList{"Riser", "Cable01"} << "Cable" << QStringList{"Cable001", "Cable002"};
    QTest::newRow("other prefix counts from the pattern's ids")
        << QStringList{"Cable007"} << "Fibre" << QStringList{"Fibre001", "Fibre002"};
    QTest::newRow("pattern is case-sensitive")
        << QStringList{"cable050"} << "Cable" << QStringList{"Cable001"};
}

void TestCables::idCounting()
{
    QFETCH(QStringList, existing);
    QFETCH(QString, prefix);
    QFETCH(QStringList, next);
    Ductbook& job = newJob(m_dir);
    for (const QString& id : existing)
        job.addCable(QString(), id, 1);
    for (const QString& expected : next)
        QCOMPARE(job.addCable(QString(), prefix, 0), expected);
}

// Counting resumes where the last search stopped only while no id has left
// the job; a removed or renamed id must be found again.
void TestCables::freedIdIsFoundAgain()
{
    Ductbook& job = newJob(m_dir);
    job.addCable(QString(), QStringLiteral("Cable999"), 1);
    job.addCable(QString(), QStringLiteral("Cable1000"), 1);
    QCOMPARE(job.addCable(QString(), QStringLiteral("Cable"), 0), QStringLiteral("Cable1001"));
    QCOMPARE(job.addCable(QString(), QStringLiteral("Cable"), 0), QStringLiteral("Cable1002"));
    job.removeCable(job.getCableElement(QStringLiteral("Cable1000")));
    QCOMPARE(job.addCable(QString(), QStringLiteral("Cable"), 0), QStringLiteral("Cable1000"));
    job.setCableID(job.getCableElement(QStringLiteral("Cable1001")), QStringLiteral("Spare"));
    QCOMPARE(job.addCable(QString(), QStringLiteral("Cable"), 0), QStringLiteral("Cable1001"));

    // A job loaded from a file counts from its own ids.
    QVERIFY(job.save());
    QVERIFY(job.Load(job.filename()));
    QCOMPARE(job.addCable(QString(), QStringLiteral("Cable"), 0), QStringLiteral("Cable1003"));
}

// The last key in string order can lie far below the first free number.
void TestCables::freedTagIsFoundAgain()
{
    Ductbook& job = newJob(m_dir);
    for (const char* tag : {"Cable9", "Cable10", "Cable11"})
        job.addCable(QLatin1String(tag), QStringLiteral("Cable"), 3);
    job.addCable(QString(), QStringLiteral("Cable"), 0);
    QCOMPARE(lastTag(job), QStringLiteral("Cable12"));
    job.addCable(QString(), QStringLiteral("Cable"), 0);
    QCOMPARE(lastTag(job), QStringLiteral("Cable13"));
    job.removeCable(QStringLiteral("Cable10"));
    job.addCable(QString(), QStringLiteral("Cable"), 0);
    QCOMPARE(lastTag(job), QStringLiteral("Cable10"));
    // A rebuild of the maps in between gives the same answer.
    job.removeCable(QStringLiteral("Cable11"));
    job.updateAllInternalLists();
    job.addCable(QString(), QStringLiteral("Cable"), 0);
    QCOMPARE(lastTag(job), QStringLiteral("Cable11"));
}

// A tag the caller supplies becomes an element name: one that is not a valid
// name, or one a cable already has, is refused and nothing is created.
void TestCables::refusedSuppliedTags_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<int>("mode");
    QTest::newRow("space in tag") << "Cable 7" << 2;
    QTest::newRow("digit first") << "7Cable" << 3;
    QTest::newRow("markup") << "a<b" << 2;
    QTest::newRow("empty tag") << "" << 3;
    QTest::newRow("tag taken, mode 2") << "Cable1" << 2;
    QTest::newRow("tag taken, mode 3") << "Cable1" << 3;
}

void TestCables::refusedSuppliedTags()
{
    QFETCH(QString, tag);
    QFETCH(int, mode);
    Ductbook& job = newJob(m_dir);
    job.addCable(QString(), QStringLiteral("Cable"), 0);
    job.addConnection(QStringLiteral("Cable1"), QStringLiteral("Link"), QString(), QString(),
                      QStringLiteral("0"), 2);
    job.setDirty(false);

    QCOMPARE(job.addCable(tag, QStringLiteral("Cable777"), mode), QString());
    QCOMPARE(job.addConnection(tag, QStringLiteral("Link"), QString(), QString(),
                               QStringLiteral("0"), mode),
             QString());
    QCOMPARE(job.getCables(true), QStringList{"Cable1"});
    QCOMPARE(job.getCables(false), QStringList{"Cable001"});
    QCOMPARE(job.getConnections(true), QStringList{"Cable1"});
    QVERIFY(!job.isChanged());
    // Nothing half-made reached the file either.
    QVERIFY(job.save());
    QVERIFY(job.Load(job.filename()));
    QCOMPARE(job.getCables(true), QStringList{"Cable1"});
    QCOMPARE(job.getCableUse(QStringLiteral("Cable1")), QString(""));
}

void TestCables::forwardingOverloads()
{
    Ductbook& job = newJob(m_dir);
    TestDef cat6(QStringLiteral("CAT6"));
    cat6.setColor(QStringLiteral("#3399ff"));
    job.addTestDef(cat6);

    job.addCable(QString(), QStringLiteral("Cable"), QStringLiteral("Phone"), QStringLiteral("P2"),
                 QStringLiteral("P1"), QStringLiteral("CAT6"), 0);
    const Cable c = job.getCable(QStringLiteral("Cable1"));
    QCOMPARE(c.use(), QStringLiteral("Phone"));
    QCOMPARE(c.to(), QStringLiteral("P2"));
    QCOMPARE(c.from(), QStringLiteral("P1"));
    QCOMPARE(c.type(), QStringLiteral("CAT6"));
    QCOMPARE(c.color(), QStringLiteral("#3399ff"));
    QCOMPARE(c.bundleName(), QString(""));
    QCOMPARE(c.path(), QStringList());
    QCOMPARE(c.testResults().status(), QStringLiteral("UNTESTED"));

    Cable record(QStringLiteral("Cable9"), QStringLiteral("Uplink"), QStringLiteral("Network"),
                 QStringLiteral("B"), QStringLiteral("A"), QStringLiteral("CAT5"), fullResult(),
                 QStringList{"Point1", "Point2"}, QStringLiteral("Quad"), QStringLiteral("2"),
                 QStringLiteral("5"), QStringLiteral("#aabbcc"));
    QCOMPARE(job.addCable(record, 2), QStringLiteral("Uplink"));
    const Cable back = job.getCableById(QStringLiteral("Uplink"));
    QCOMPARE(back.element(), QStringLiteral("Cable9"));
    QCOMPARE(back.path(), (QStringList{"Point1", "Point2"}));
    QCOMPARE(back.bundleName(), QStringLiteral("Quad"));
    QCOMPARE(back.bundleNum(), QStringLiteral("2"));
    QCOMPARE(back.bundleGroupNum(), QStringLiteral("5"));
    QCOMPARE(back.color(), QStringLiteral("#aabbcc"));
    QCOMPARE(back.testResults().serialNumber(), QStringLiteral("LX-1042"));
    QCOMPARE(job.getCablesByTypeFromMap(QStringLiteral("CAT5")), QStringList{"Cable9"});
}

void TestCables::cableBoxIsStoredAsTv()
{
    Ductbook& job = newJob(m_dir);
    job.addCable(QString(), QStringLiteral("Cable"), QStringLiteral("cable_box"), 0);
    QCOMPARE(job.getCableUse(QStringLiteral("Cable1")), QStringLiteral("TV"));
    job.setCableUse(QStringLiteral("Cable1"), QStringLiteral("cable_box"));
    QCOMPARE(job.getCableUse(QStringLiteral("Cable1")), QStringLiteral("cable_box"));
}

void TestCables::colourOnAdd_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("stored");
    QTest::newRow("valid colour kept") << "#123456"
                                       << "CAT6"
                                       << "#123456";
    QTest::newRow("colour name kept") << "red"
                                      << "CAT6"
                                      << "red";
    QTest::newRow("invalid colour takes the type's") << "#12345z"
                                                     << "CAT6"
                                                     << "#3399ff";
    QTest::newRow("empty colour takes the type's") << ""
                                                   << "CAT6"
                                                   << "#3399ff";
    QTest::newRow("unknown type gives black") << "nonsense"
                                              << "CAT9"
                                              << "#000000";
}

void TestCables::colourOnAdd()
{
    QFETCH(QString, given);
    QFETCH(QString, type);
    QFETCH(QString, stored);
    Ductbook& job = newJob(m_dir);
    TestDef cat6(QStringLiteral("CAT6"));
    cat6.setColor(QStringLiteral("#3399ff"));
    job.addTestDef(cat6);
    TestResults untested;
    job.addCable(QString(), QStringLiteral("Cable"), QStringLiteral("Network"), QString(),
                 QString(), type, QString(), QString(), QString(), given, QStringList(), untested,
                 0);
    QCOMPARE(job.getCableColor(QStringLiteral("Cable1")), stored);
}

void TestCables::setCableColor()
{
    Ductbook& job = newJob(m_dir);
    addCable(job, QString(), QString());
    job.setDirty(false);
    job.setCableColor(QStringLiteral("Cable1"), QStringLiteral("not a colour"));
    QCOMPARE(job.getCableColor(QStringLiteral("Cable1")), QStringLiteral("#112233"));
    QVERIFY(!job.isChanged());
    job.setCableColor(QStringLiteral("Cable1"), QStringLiteral("#00ff00"));
    QCOMPARE(job.getCableColor(QStringLiteral("Cable1")), QStringLiteral("#00ff00"));
    QVERIFY(job.isChanged());

    // An old cable without the attribute gains it.
    QVERIFY(loadText(m_dir, jobText(" <Cable_List><Cable1 id=\"A\"><Test_Results/></Cable1>"
                                    "</Cable_List>\n")));
    Ductbook& old = Ductbook::Instance();
    old.setCableColor(QStringLiteral("Cable1"), QStringLiteral("blue"));
    QCOMPARE(old.getCableColor(QStringLiteral("Cable1")), QStringLiteral("blue"));
}

// Setters find the cable first: an unknown tag changes nothing, flag included;
// a known cable marks the document changed even when the attribute is missing,
// which they never create.
void TestCables::settersNeedTheCable()
{
    QVERIFY(loadText(m_dir, jobText(" <Cable_List><Cable1 id=\"A\" to=\"P1\"><Test_Results/>"
                                    "</Cable1></Cable_List>\n")));
    Ductbook& job = Ductbook::Instance();
    const QString unknown = QStringLiteral("Cable5");
    job.setCableUse(unknown, QStringLiteral("Phone"));
    job.setCableTo(unknown, QStringLiteral("P9"));
    job.setCableBundleGroupNum(unknown, QStringLiteral("4"));
    job.setCablePath(unknown, {QStringLiteral("Point1")});
    job.setCableDefaultType(unknown, true);
    job.setConnectionTo(unknown, QStringLiteral("D1"));
    job.removeConnection(unknown);
    QVERIFY(!job.isChanged());

    job.setCableUse(QStringLiteral("Cable1"), QStringLiteral("Phone"));
    QVERIFY(job.isChanged());
    QCOMPARE(job.getCableUse(QStringLiteral("Cable1")), QString());
    job.setCableTo(QStringLiteral("Cable1"), QStringLiteral("P2"));
    QCOMPARE(job.getCableTo(QStringLiteral("Cable1")), QStringLiteral("P2"));
    QCOMPARE(job.getCablesConnectedToPort(QStringLiteral("P2"), true), QStringList{"Cable1"});
    QVERIFY(job.getCablesConnectedToPort(QStringLiteral("P1"), true).isEmpty());
    job.setCableDefaultType(QStringLiteral("Cable1"), true);
    QVERIFY(!job.getCableDefaultType(QStringLiteral("Cable1")));
}

void TestCables::repairsOnRead()
{
    QVERIFY(loadText(m_dir, jobText(" <Cable_List><Cable1 id=\"Old\" type=\"CAT5\" to=\"P2\" "
                                    "from=\"P1\" use=\"Network\" default_type=\"1\">"
                                    "<Test_Results status=\"PASS\"/></Cable1></Cable_List>\n")));
    Ductbook& job = Ductbook::Instance();
    const QString tag = QStringLiteral("Cable1");
    QCOMPARE(job.getCableBundleNum(tag), QString(""));
    QCOMPARE(job.getCableBundleName(tag), QString(""));
    QCOMPARE(job.getCableBundleGroupNum(tag), QString(""));
    QCOMPARE(job.getCableColor(tag), QString(""));
    QCOMPARE(job.getCablePath(tag), QStringList());
    QVERIFY(job.getCableDefaultType(tag));
    QVERIFY(!job.isChanged());
    QVERIFY(!job.cableIsInBundle(tag));
    QVERIFY(job.save());
    const QByteArray text = readFile(job.filename());
    QVERIFY(text.contains("<Cable1 id=\"Old\" bundleGroupNum=\"\" bundleName=\"\" bundleNum=\"\" "
                          "color=\"\" default_type=\"1\" from=\"P1\" path=\"\""));
    // Repaired before the plain getter ran: bundleNum is now an attribute the
    // setter can write.
    job.setCableBundleNum(tag, QStringLiteral("3"));
    QCOMPARE(job.getCableBundleNum(tag), QStringLiteral("3"));
}

void TestCables::cablePath_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("path");
    QTest::newRow("empty path") << "" << QStringList();
    QTest::newRow("empty parts dropped") << ",Point1,,Point2," << QStringList{"Point1", "Point2"};
    QTest::newRow("marker kept") << "Point1,end_first_floor,Point7"
                                 << QStringList{"Point1", "end_first_floor", "Point7"};
}

void TestCables::cablePath()
{
    QFETCH(QString, stored);
    QFETCH(QStringList, path);
    Ductbook& job = newJob(m_dir);
    addCable(job, QString(), QString());
    job.setCablePath(QStringLiteral("Cable1"), stored.split(QLatin1Char(',')));
    QCOMPARE(job.getCablePath(QStringLiteral("Cable1")), path);
    QCOMPARE(job.getCablePath(QString()), QStringList(QString()));
    QCOMPARE(job.getCablePath(QStringLiteral("Cable2")), QStringList(QString()));
}

void TestCables::getCableByIdTakesFirstInDocumentOrder()
{
    QVERIFY(loadText(
        m_dir, jobText(" <Cable_List>\n"
                       "  <Cable9 id=\"Dup\" to=\"B\"><Test_Results status=\"FAIL\"/></Cable9>\n"
                       "  <Cable2 id=\"Dup\" to=\"C\" color=\"#ffffff\"><Test_Results/></Cable2>\n"
                       "  <Cable3 id=\"Solo\" path=\"x,,y\"><Test_Results/></Cable3>\n"
                       " </Cable_List>\n")));
    Ductbook& job = Ductbook::Instance();
    // The cable map gives the smaller tag; the first element is Cable9.
    QCOMPARE(job.getCableElement(QStringLiteral("Dup")), QStringLiteral("Cable2"));
    const Cable dup = job.getCableById(QStringLiteral("Dup"));
    QCOMPARE(dup.element(), QStringLiteral("Cable9"));
    QCOMPARE(dup.to(), QStringLiteral("B"));
    QCOMPARE(dup.color(), QStringLiteral("#000000"));
    QCOMPARE(dup.testResults().status(), QStringLiteral("FAIL"));
    QCOMPARE(dup.testResults().BERTResults(), -1);
    QCOMPARE(job.getCableById(QStringLiteral("Solo")).path(), (QStringList{"x", "y"}));
    QCOMPARE(job.getCableById(QStringLiteral("None")).element(), QString());
    QCOMPARE(job.getCables(false), (QStringList{"Dup", "Solo"}));
    QVERIFY(!job.isChanged());
    // color, bundleName and bundleNum were repaired, "data" was not.
    QVERIFY(job.save());
    const QByteArray text = readFile(job.filename());
    QVERIFY(
        text.contains("<Cable9 id=\"Dup\" bundleName=\"\" bundleNum=\"\" color=\"#000000\" to"));
    QVERIFY(!text.contains("data="));
}

void TestCables::idAndTypeChangesKeepListsInStep()
{
    Ductbook& job = newJob(m_dir);
    addCable(job, QString(), QString(), QStringLiteral("CAT5"));
    addCable(job, QString(), QString(), QStringLiteral("CAT5"));
    job.setCableType(QStringLiteral("Cable1"), QStringLiteral("CAT6"));
    QCOMPARE(job.getCablesByTypeFromMap(QStringLiteral("CAT5")), QStringList{"Cable2"});
    QCOMPARE(job.getCablesByTypeFromMap(QStringLiteral("CAT6")), QStringList{"Cable1"});
    QCOMPARE(job.getCableType(QStringLiteral("Cable1")), QStringLiteral("CAT6"));

    job.setCableID(QStringLiteral("Cable1"), QStringLiteral("Uplink"));
    QCOMPARE(job.getCableID(QStringLiteral("Cable1")), QStringLiteral("Uplink"));
    QCOMPARE(job.getCables(false), (QStringList{"Cable002", "Uplink"}));
    QVERIFY(!job.cableExists(QStringLiteral("Cable001"), false));
    // Renaming to an id another cable has is allowed; the list keeps it once.
    job.setCableID(QStringLiteral("Cable1"), QStringLiteral("Cable002"));
    QCOMPARE(job.getCables(false), QStringList{"Cable002"});
    QCOMPARE(job.getCableById(QStringLiteral("Cable002")).element(), QStringLiteral("Cable1"));
    QCOMPARE(job.getCablesConnectedToPort(QString(), false), (QStringList{"Cable002", "Cable002"}));
}

void TestCables::removeCable()
{
    Ductbook& job = newJob(m_dir);
    addCable(job, QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("CAT5"), "7");
    addCable(job, QStringLiteral("A"), QStringLiteral("C"), QStringLiteral("CAT6"), "8");
    addCable(job, QStringLiteral("C"), QStringLiteral("A"), QStringLiteral("CAT5"), "9");
    QVERIFY(job.save());

    job.removeCable(QStringLiteral("Cable9"));
    QVERIFY(!job.isChanged());
    job.removeCable(QString());
    QVERIFY(!job.isChanged());

    job.removeCable(QStringLiteral("Cable2"));
    QVERIFY(job.isChanged());
    QCOMPARE(job.getCables(true), (QStringList{"Cable1", "Cable3"}));
    QCOMPARE(job.getCables(false), (QStringList{"Cable001", "Cable003"}));
    QVERIFY(!job.cableExists(QStringLiteral("Cable2"), true));
    QVERIFY(job.getCablesByTypeFromMap(QStringLiteral("CAT6")).isEmpty());
    QCOMPARE(job.getCablesConnectedToPort(QStringLiteral("A"), true),
             (QStringList{"Cable1", "Cable3"}));
    QVERIFY(job.getCablesConnectedToPort(QStringLiteral("C"), false) == QStringList{"Cable003"});
    QVERIFY(!job.bundleGroupNumExists(QStringLiteral("8")));
    QVERIFY(job.bundleGroupNumExists(QStringLiteral("9")));

    Cable third = job.getCable(QStringLiteral("Cable3"));
    job.removeCable(third);
    QCOMPARE(job.getCables(true), QStringList{"Cable1"});
    QVERIFY(job.save());
    QVERIFY(job.Load(job.filename()));
    QCOMPARE(job.getCables(true), QStringList{"Cable1"});
    // The tag counter starts above the last remaining tag.
    addCable(job, QString(), QString());
    QCOMPARE(lastTag(job), QStringLiteral("Cable2"));
}

// Two cables may share an id; removing one leaves the other's id listed.
void TestCables::removeCableKeepsSharedId()
{
    Ductbook& job = newJob(m_dir);
    job.addCable(QString(), QStringLiteral("Shared"), 1);
    job.addCable(QString(), QStringLiteral("Shared"), 1);
    QCOMPARE(job.getCables(false), QStringList{"Shared"});
    job.removeCable(QStringLiteral("Cable1"));
    QCOMPARE(job.getCables(false), QStringList{"Shared"});
    QCOMPARE(job.getCableElement(QStringLiteral("Shared")), QStringLiteral("Cable2"));
    job.removeCable(QStringLiteral("Cable2"));
    QCOMPARE(job.getCables(false), QStringList());
}

// A cable element without its results is removed like any other, so that it
// does not come back at the next load.
void TestCables::removeCableWithoutChildren()
{
    QVERIFY(loadText(m_dir, jobText(" <Cable_List><Cable1 id=\"Bare\" type=\"CAT5\"/>"
                                    "<Cable2 id=\"Kept\"><Test_Results/></Cable2>"
                                    "</Cable_List>\n")));
    Ductbook& job = Ductbook::Instance();
    job.removeCable(QStringLiteral("Cable1"));
    QVERIFY(job.isChanged());
    QVERIFY(job.save());
    QVERIFY(job.Load(job.filename()));
    QCOMPARE(job.getCables(true), QStringList{"Cable2"});
    QCOMPARE(job.getCables(false), QStringList{"Kept"});
}

void TestCables::portQueries()
{
    Ductbook& job = newJob(m_dir);
    const QString p1 = addPort(job, QStringLiteral("P1"));
    const QString p2 = addPort(job, QStringLiteral("P2"));
    addCable(job, QStringLiteral("P1"), QStringLiteral("P2")); // Cable1
    addCable(job, QStringLiteral("P2"), QStringLiteral("P3")); // Cable2
    addCable(job, QStringLiteral("P1"), QStringLiteral("P1")); // Cable3, both ends at P1
    addCable(job, QStringLiteral("P3"), QStringLiteral("P1")); // Cable4

    QCOMPARE(job.getCables(p1), (QStringList{"Cable1", "Cable3", "Cable4"}));
    QCOMPARE(job.getCables(p2), (QStringList{"Cable1", "Cable2"}));
    QCOMPARE(job.getCables(QStringLiteral("Port99")), QStringList());
    // A port on another floor with the same id: a lookup by id finds the first
    // floor's port, so the cables belong to that one.
    const QString floor2 = job.addFloor(QString(), QStringLiteral("Floor_"), 8.0, QString(), 0);
    const QString twin = addPort(job, QStringLiteral("P1"), floor2);
    QVERIFY(!twin.isEmpty() && twin != p1);
    QCOMPARE(job.getCables(twin), QStringList());
    QCOMPARE(job.getCables(p1).size(), 3);
    QCOMPARE(job.getCablesConnectedToPort(QStringLiteral("P1"), false),
             (QStringList{"Cable001", "Cable003", "Cable004"}));

    // A changed end moves the cable between ports, keeping cable order.
    job.setCableFrom(QStringLiteral("Cable2"), QStringLiteral("P1"));
    QCOMPARE(job.getCablesConnectedToPort(QStringLiteral("P1"), true),
             (QStringList{"Cable1", "Cable2", "Cable3", "Cable4"}));
    QCOMPARE(job.getCablesConnectedToPort(QStringLiteral("P2"), true), QStringList{"Cable1"});

    // The answer follows a reload and a rebuild of the maps.
    QVERIFY(job.save());
    QVERIFY(job.Load(job.filename()));
    QCOMPARE(job.getCables(p1), (QStringList{"Cable1", "Cable2", "Cable3", "Cable4"}));
    job.updateAllInternalLists();
    job.removeCable(QStringLiteral("Cable3"));
    QCOMPARE(job.getCablesConnectedToPort(QStringLiteral("P1"), true),
             (QStringList{"Cable1", "Cable2", "Cable4"}));
}

void TestCables::floorQueries()
{
    Ductbook& job = newJob(m_dir);
    job.addBundledCableType(QStringLiteral("Quad"), {QStringLiteral("CAT6")}, QStringLiteral("red"),
                            false);
    const QString floor2 = job.addFloor(QString(), QStringLiteral("Floor_"), 8.0, QString(), 0);
    addPort(job, QStringLiteral("P1"));
    addPort(job, QStringLiteral("P2"));
    addPort(job, QStringLiteral("Q1"), floor2);
    addCable(job, QStringLiteral("Q1"), QStringLiteral("P2"), QStringLiteral("CAT5")); // Cable1
    addCable(job, QStringLiteral("P1"), QStringLiteral("P2"), QStringLiteral("CAT6"), "1",
             QStringLiteral("Quad"));                                                  // Cable2
    addCable(job, QStringLiteral("Q1"), QStringLiteral("Q1"), QStringLiteral("CAT6")); // Cable3
    addCable(job, QStringLiteral("P1"), QStringLiteral("X"), QStringLiteral("CAT5"));  // Cable4

    // By port of the floor, then cable order; each cable once.
    QCOMPARE(job.getCables(kFloor, QStringLiteral("Show All")),
             (QStringList{"Cable2", "Cable4", "Cable1"}));
    QCOMPARE(job.getCables(kFloor, QStringLiteral("CAT5")), (QStringList{"Cable4", "Cable1"}));
    QCOMPARE(job.getCables(kFloor, QStringLiteral("Quad")), QStringList{"Cable2"});
    QCOMPARE(job.getCables(kFloor, QStringLiteral("CAT6")), QStringList{"Cable2"});
    QCOMPARE(job.getCables(kFloor, QStringLiteral("Show None")), QStringList());
    QCOMPARE(job.getCables(floor2, QStringLiteral("Show All")), (QStringList{"Cable1", "Cable3"}));

    QCOMPARE(job.getCables(kFloor, QStringList()), QStringList());
    QCOMPARE(job.getCables(kFloor, QStringList{"CAT5"}), (QStringList{"Cable1", "Cable4"}));
    QCOMPARE(job.getCables(kFloor, QStringList{"Quad", "CAT9"}), QStringList{"Cable2"});
    QCOMPARE(job.getCables(floor2, QStringList{"CAT5", "CAT6"}), (QStringList{"Cable1", "Cable3"}));
    QCOMPARE(job.getCables(QStringLiteral("FFloor_9"), QStringLiteral("Show All")), QStringList());
}

void TestCables::bundleQueries()
{
    Ductbook& job = newJob(m_dir);
    job.addBundledCableType(QStringLiteral("Quad"), {QStringLiteral("CAT6")}, QStringLiteral("red"),
                            false);
    addCable(job, QString(), QString(), QStringLiteral("CAT6"), "4", QStringLiteral("Quad"));
    addCable(job, QString(), QString(), QStringLiteral("Quad"), "5");
    addCable(job, QString(), QString(), QStringLiteral("CAT6"), "4", QStringLiteral("Quad"));
    addCable(job, QString(), QString(), QStringLiteral("CAT5"), "04", QStringLiteral(" "));

    QVERIFY(job.bundleGroupNumExists(QStringLiteral("4")));
    QVERIFY(!job.bundleGroupNumExists(QStringLiteral("6")));
    QCOMPARE(job.getCablesInSameBundleGroup(QStringLiteral("4"), true),
             (QStringList{"Cable1", "Cable3"}));
    QCOMPARE(job.getCablesInSameBundleGroup(QStringLiteral("04"), false), QStringList{"Cable004"});
    QCOMPARE(job.getCablesInSameBundleGroup(QStringLiteral("6"), true), QStringList());
    // A bundled type name filters by bundle name, anything else by type.
    QCOMPARE(job.getCablesByType(QStringLiteral("Quad")), (QStringList{"Cable1", "Cable3"}));
    QCOMPARE(job.getCablesByType(QStringLiteral("CAT6")), (QStringList{"Cable1", "Cable3"}));
    QCOMPARE(job.getCablesWithBundleName(QStringLiteral("Quad"), false),
             (QStringList{"Cable001", "Cable003"}));
    QCOMPARE(job.getCablesWithBundleName(QStringLiteral(" "), true), QStringList());
    QVERIFY(job.cableIsInBundle(QStringLiteral("Cable1")));
    QVERIFY(job.cableIsInBundle(QStringLiteral("Cable4")));
    QVERIFY(!job.cableIsInBundle(QStringLiteral("Cable2")));

    job.setCableBundleGroupNum(QStringLiteral("Cable1"), QStringLiteral("6"));
    QVERIFY(job.bundleGroupNumExists(QStringLiteral("6")));
    QCOMPARE(job.getCablesInSameBundleGroup(QStringLiteral("4"), true), QStringList{"Cable3"});
}

void TestCables::pointAndCategoryQueries()
{
    Ductbook& job = newJob(m_dir);
    TestDef cat5(QStringLiteral("CAT5"));
    cat5.setCableCategory(5);
    job.addTestDef(cat5);
    TestDef cat6(QStringLiteral("CAT6"));
    cat6.setCableCategory(6);
    job.addTestDef(cat6);
    addCable(job, QString(), QString(), QStringLiteral("CAT6"), QString(), QString(),
             {QStringLiteral("Point1"), QStringLiteral("Point12")});
    addCable(job, QString(), QString(), QStringLiteral("CAT5"), QString(), QString(),
             {QStringLiteral("Point12"), QStringLiteral("end_first_floor")});
    addCable(job, QString(), QString(), QStringLiteral("CAT6"));
    addCable(job, QString(), QString(), QStringLiteral("CAT9"));

    QCOMPARE(job.getCablesWithPoint(QStringLiteral("Point1"), true), QStringList{"Cable1"});
    QCOMPARE(job.getCablesWithPoint(QStringLiteral("Point12"), false),
             (QStringList{"Cable001", "Cable002"}));
    QCOMPARE(job.getCablesWithPoint(QStringLiteral("Point"), true), QStringList());
    QCOMPARE(job.getCablesByCategory(6), (QStringList{"Cable1", "Cable3"}));
    QCOMPARE(job.getCablesByCategory(5), QStringList{"Cable2"});
    // A type without definition reads as the "error" definition's category.
    QCOMPARE(job.getCablesByCategory(job.getTestDef(QStringLiteral("CAT9")).cable_category()),
             QStringList{"Cable4"});
}

// The lookups by port, group and point list cables in cable order, also
// after a cable left a port, group or point and came back to it, and after a
// save and load.
void TestCables::lookupsKeepCableOrderThroughEdits()
{
    Ductbook& job = newJob(m_dir);
    const QStringList path{QStringLiteral("Pt1")};
    for (int i = 0; i < 3; ++i)
        addCable(job, QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("CAT6"),
                 QStringLiteral("7"), QString(), path);
    const QString first = QStringLiteral("Cable1");
    job.setCableFrom(first, QStringLiteral("C"));
    job.setCableBundleGroupNum(first, QStringLiteral("8"));
    job.setCablePath(first, {QStringLiteral("Pt2")});
    QCOMPARE(job.getCablesConnectedToPort(QStringLiteral("A"), true),
             (QStringList{"Cable2", "Cable3"}));
    QCOMPARE(job.getCablesConnectedToPort(QStringLiteral("C"), true), QStringList{first});
    job.setCableFrom(first, QStringLiteral("A"));
    job.setCableBundleGroupNum(first, QStringLiteral("7"));
    job.setCablePath(first, {QStringLiteral("Pt2"), QStringLiteral("Pt1"), QStringLiteral("Pt1")});
    // The id leaves and comes back too: the current ids keep edit order.
    job.setCableID(first, QStringLiteral("Z"));

    for (int round = 0; round < 2; ++round) {
        const QStringList all{"Cable1", "Cable2", "Cable3"};
        QCOMPARE(job.getCablesConnectedToPort(QStringLiteral("A"), true), all);
        QVERIFY(job.getCablesConnectedToPort(QStringLiteral("C"), true).isEmpty());
        QCOMPARE(job.getCablesInSameBundleGroup(QStringLiteral("7"), true), all);
        QVERIFY(!job.bundleGroupNumExists(QStringLiteral("8")));
        QCOMPARE(job.getCablesWithPoint(QStringLiteral("Pt1"), true), all);
        QCOMPARE(job.getCablesWithPoint(QStringLiteral("Pt2"), false), QStringList{"Z"});
        QCOMPARE(job.getCables(false), round == 0 ? (QStringList{"Cable002", "Cable003", "Z"})
                                                  : (QStringList{"Z", "Cable002", "Cable003"}));
        QVERIFY(job.save());
        QVERIFY(job.Load(job.filename()));
    }
}

void TestCables::connections()
{
    Ductbook& job = newJob(m_dir);
    QCOMPARE(job.addConnection(QString(), QStringLiteral("ignored"), QStringLiteral("D2"),
                               QStringLiteral("D1"), QStringLiteral("3"), 0),
             QStringLiteral("Connection1"));
    QCOMPARE(job.addConnection(QString(), QStringLiteral("Link9"), QStringLiteral("D3"),
                               QStringLiteral("D2"), QStringLiteral("1"), 1),
             QStringLiteral("Link9"));
    // The id counts from the greatest id; "Link9" has no number after
    // "Connection", so the count restarts and skips the taken Connection1.
    QCOMPARE(job.addConnection(QString(), QString(), QStringLiteral("D1"), QStringLiteral("D3"),
                               QStringLiteral("2"), 0),
             QStringLiteral("Connection2"));
    DeviceConnection record(QStringLiteral("Wan"), QStringLiteral("Uplink"), QStringLiteral("D9"),
                            QStringLiteral("D1"), QStringLiteral("7"));
    QCOMPARE(job.addConnection(record, 2), QStringLiteral("Uplink"));
    QCOMPARE(job.getConnections(true),
             (QStringList{"Connection1", "Connection2", "Connection3", "Wan"}));
    QCOMPARE(job.getConnections(false),
             (QStringList{"Connection1", "Link9", "Connection2", "Uplink"}));

    const DeviceConnection c = job.getConnection(QStringLiteral("Connection1"));
    QCOMPARE(c.id(), QStringLiteral("Connection1"));
    QCOMPARE(c.to(), QStringLiteral("D2"));
    QCOMPARE(c.from(), QStringLiteral("D1"));
    QCOMPARE(job.getConnectionType(QStringLiteral("Connection1")), 3);
    QCOMPARE(job.getConnection(QStringLiteral("Nope")).element(), QString());
    QCOMPARE(job.getConnectionType(QStringLiteral("Nope")), 0);
    QCOMPARE(job.getConnectionTagById(QStringLiteral("Link9")), QStringLiteral("Connection2"));

    QCOMPARE(job.getConnections(QStringLiteral("D1"), 0),
             (QStringList{"Connection1", "Connection3", "Wan"}));
    job.setConnectionTo(QStringLiteral("Wan"), QStringLiteral("D2"));
    job.setConnectionFrom(QStringLiteral("Wan"), QStringLiteral("D4"));
    job.setConnectionType(QStringLiteral("Wan"), QStringLiteral("11"));
    QCOMPARE(job.getConnectionTo(QStringLiteral("Wan")), QStringLiteral("D2"));
    QCOMPARE(job.getConnectionFrom(QStringLiteral("Wan")), QStringLiteral("D4"));
    QCOMPARE(job.getConnectionType(QStringLiteral("Wan")), 11);
    QCOMPARE(job.getConnections(QStringLiteral("D1"), 0),
             (QStringList{"Connection1", "Connection3"}));

    job.setDirty(false);
    job.removeConnection(record);
    QVERIFY(job.isChanged());
    QVERIFY(!job.connectionExists(QStringLiteral("Wan"), true));
    QVERIFY(job.save());
    QVERIFY(job.Load(job.filename()));
    QCOMPARE(job.getConnections(true), (QStringList{"Connection1", "Connection2", "Connection3"}));
    QCOMPARE(job.addConnection(QString(), QString(), QString(), QString(), QStringLiteral("0"), 0),
             QStringLiteral("Connection3"));
    QVERIFY(job.getCables(true).isEmpty()); // no cables were touched
}

void TestCables::connectionsOfSheet()
{
    Ductbook& job = newJob(m_dir);
    const QString sheet = QStringLiteral("SSheet_1");
    job.addDevice(sheet, 10, 10, QString(), QStringLiteral("SW1"), QString(), QString(),
                  QStringLiteral("not_specified"), 1);
    job.addDevice(sheet, 20, 10, QString(), QStringLiteral("SW2"), QString(), QString(),
                  QStringLiteral("not_specified"), 1);
    job.addVertice(sheet, 30, 30, QString(), QStringLiteral("V1"), 1);
    job.addConnection(QString(), QString(), QStringLiteral("V1"), QStringLiteral("X"),
                      QStringLiteral("0"), 0); // Connection1
    job.addConnection(QString(), QString(), QStringLiteral("SW2"), QStringLiteral("SW1"),
                      QStringLiteral("0"), 0); // Connection2
    job.addConnection(QString(), QString(), QStringLiteral("Y"), QStringLiteral("SW2"),
                      QStringLiteral("0"), 0); // Connection3
    job.addConnection(QString(), QString(), QStringLiteral("Y"), QStringLiteral("Z"),
                      QStringLiteral("0"), 0); // Connection4
    QCOMPARE(job.getConnections(sheet), (QStringList{"Connection2", "Connection3", "Connection1"}));
    QCOMPARE(job.getConnections(QStringLiteral("SSheet_9")), QStringList());
}

void TestCables::testResultsSurviveSaveAndLoad()
{
    Ductbook& job = newJob(m_dir);
    TestResults full = fullResult();
    TestResults untested;
    job.addCable(QString(), QStringLiteral("Cable"), QStringLiteral("Network"),
                 QStringLiteral("P2"), QStringLiteral("P1"), QStringLiteral("CAT6"), untested, 0);
    QCOMPARE(job.getCableTestResults(QStringLiteral("Cable1")).status(),
             QStringLiteral("UNTESTED"));
    job.setDirty(false);
    job.setCableTestResults(QStringLiteral("Cable1"), full);
    QVERIFY(job.isChanged());
    job.addCable(QString(), QStringLiteral("Cable"), QStringLiteral("Network"),
                 QStringLiteral("P2"), QStringLiteral("P1"), QStringLiteral("CAT6"), full, 0);
    QVERIFY(job.save());
    QVERIFY(job.Load(job.filename()));

    for (const QString& tag : {QStringLiteral("Cable1"), QStringLiteral("Cable2")}) {
        const TestResults back = job.getCableTestResults(tag);
        QCOMPARE(back.status(), QStringLiteral("PASS"));
        QCOMPARE(back.time(), QStringLiteral("2026-11-30 10:15"));
        QCOMPARE(back.serialNumber(), QStringLiteral("LX-1042"));
        QCOMPARE(back.softwareVersion(), QStringLiteral("4.2.1"));
        QCOMPARE(back.BERTResults(), 3);
        QVERIFY(sameBlock(back.results(), full.results()));
        QVERIFY(samePlot(back.echo(), full.echo()));
        QVERIFY(samePlot(back.next(), full.next()));
        QVERIFY(samePlot(back.channel(), full.channel()));
        QCOMPARE(back.cableLength(), 1500);
        QVERIFY(job.getCable(tag).hasResponseData());
        // The summary holds everything but the plots.
        const TestResults summary = job.getCableTestSummary(tag);
        QCOMPARE(summary.status(), back.status());
        QCOMPARE(summary.time(), back.time());
        QCOMPARE(summary.serialNumber(), back.serialNumber());
        QCOMPARE(summary.softwareVersion(), back.softwareVersion());
        QCOMPARE(summary.BERTResults(), back.BERTResults());
        QVERIFY(sameBlock(summary.results(), full.results()));
        QVERIFY(samePlot(summary.next(), untested.next()));
        QVERIFY(samePlot(summary.echo(), untested.echo()));
    }
    QVERIFY(!job.isChanged());

    // Writing an untested result back clears the plots again.
    job.setCableTestResults(QStringLiteral("Cable2"), untested);
    QCOMPARE(job.getCableTestResults(QStringLiteral("Cable2")).next().pointCount, 0);
    QCOMPARE(job.getCableTestResults(QStringLiteral("Cable2")).BERTResults(), -1);
    // An unknown cable: nothing is written, the default is read.
    job.setDirty(false);
    job.setCableTestResults(QStringLiteral("Cable7"), full);
    QVERIFY(!job.isChanged());
    QCOMPARE(job.getCableTestResults(QStringLiteral("Cable7")).status(),
             QStringLiteral("UNTESTED"));
}

void TestCables::testResultsRepairOnRead()
{
    QVERIFY(
        loadText(m_dir, jobText(" <Cable_List><Cable1 id=\"A\"><Test_Results "
                                "status=\"PASS\" bert_errors=\"0\"/></Cable1></Cable_List>\n")));
    Ductbook& job = Ductbook::Instance();
    TestResults r = job.getCableTestResults(QStringLiteral("Cable1"));
    QCOMPARE(r.status(), QStringLiteral("PASS"));
    QVERIFY(r.time().isNull());
    QCOMPARE(r.BERTResults(), 0);
    QCOMPARE(r.cableLength(), -1);
    QCOMPARE(r.results().pairExtra[0], -1);
    QVERIFY(!job.isChanged());
    QVERIFY(job.save());
    QVERIFY(readFile(job.filename())
                .contains("<Test_Results bert_errors=\"0\" chan=\"\" data=\"" +
                          QByteArray(96, 'F') +
                          "\" echo=\"\" next=\"\" serial=\"\" software_version=\"\" "
                          "status=\"PASS\"/>"));

    // A length query or a summary reads only the measurements, but repairs
    // the same attributes, so the saved file does not depend on which was
    // asked.
    for (int summary = 0; summary < 2; ++summary) {
        QVERIFY(loadText(m_dir,
                         jobText(" <Cable_List><Cable1 id=\"A\"><Test_Results status=\"PASS\" "
                                 "bert_errors=\"0\"/></Cable1></Cable_List>\n")));
        Ductbook& lengths = Ductbook::Instance();
        if (summary) {
            QCOMPARE(lengths.getCableTestSummary(QStringLiteral("Cable1")).status(),
                     QStringLiteral("PASS"));
        } else {
            QCOMPARE(lengths.getMaxRoundedCableLength(QStringLiteral("Cable1"), false, true),
                     0.0f);
            lengths.getRoundedCableLength(QStringLiteral("Cable1"), 0, false);
        }
        QVERIFY(!lengths.isChanged());
        QVERIFY(lengths.save());
        QVERIFY(readFile(lengths.filename())
                    .contains("<Test_Results bert_errors=\"0\" chan=\"\" data=\"" +
                              QByteArray(96, 'F') +
                              "\" echo=\"\" next=\"\" serial=\"\" software_version=\"\" "
                              "status=\"PASS\"/>"));
    }

    // The setter adds serial and software version, and only sets the others.
    QVERIFY(loadText(m_dir, jobText(" <Cable_List><Cable1 id=\"A\"><Test_Results status=\"X\"/>"
                                    "</Cable1></Cable_List>\n")));
    Ductbook& again = Ductbook::Instance();
    TestResults full = fullResult();
    again.setCableTestResults(QStringLiteral("Cable1"), full);
    QVERIFY(again.save());
    QVERIFY(readFile(again.filename())
                .contains("<Test_Results serial=\"LX-1042\" software_version=\"4.2.1\" "
                          "status=\"PASS\"/>"));
}

void TestCables::removeFloorRemovesItsCables()
{
    Ductbook& job = newJob(m_dir);
    const QString floor2 = job.addFloor(QString(), QStringLiteral("Floor_"), 8.0, QString(), 0);
    addPort(job, QStringLiteral("P1"));
    addPort(job, QStringLiteral("Q1"), floor2);
    addPort(job, QStringLiteral("Q2"), floor2);
    addCable(job, QStringLiteral("P1"), QStringLiteral("Q1")); // Cable1, between the floors
    addCable(job, QStringLiteral("Q1"), QStringLiteral("Q2")); // Cable2
    addCable(job, QStringLiteral("P1"), QStringLiteral("P1")); // Cable3
    job.removeFloor(floor2);
    QCOMPARE(job.getCables(true), QStringList{"Cable3"});
    QCOMPARE(job.getCables(false), QStringList{"Cable003"});
    QCOMPARE(job.getCablesConnectedToPort(QStringLiteral("P1"), true), QStringList{"Cable3"});
    QVERIFY(job.getCablesByTypeFromMap(QStringLiteral("CAT6")) == QStringList{"Cable3"});
}

void TestCables::vertRunMembership()
{
    Ductbook& job = newJob(m_dir);
    const QString floor2 = job.addFloor(QString(), QStringLiteral("Floor_"), 8.0, QString(), 0);
    addPort(job, QStringLiteral("P1"));
    addPort(job, QStringLiteral("P2"));
    addPort(job, QStringLiteral("Q1"), floor2);
    addCable(job, QStringLiteral("P1"), QStringLiteral("P2"), QStringLiteral("CAT6"), QString(),
             QString(), {QStringLiteral("Point1")}); // Cable1: one floor
    addCable(job, QStringLiteral("P1"), QStringLiteral("Q1"), QStringLiteral("CAT6"), QString(),
             QString(), {QStringLiteral("Point1"), QStringLiteral("end_first_floor")}); // Cable2
    addCable(job, QStringLiteral("P2"), QStringLiteral("P1")); // Cable3: in no run
    QStringList connected{QStringLiteral("Cable1"), QStringLiteral("Cable2")};
    QStringList none;
    const QString run1 =
        job.addVertRun(kFloor, kRoom, 5, 5, connected, none, QString(), QStringLiteral("VR"),
                       QStringLiteral("vertical_run"), QStringLiteral("not_specified"), 0.0, 0);
    QStringList passing{QStringLiteral("Cable2")};
    const QString run2 =
        job.addVertRun(floor2, kRoom, 5, 5, none, passing, QString(), QStringLiteral("VR"),
                       QStringLiteral("vertical_run"), QStringLiteral("not_specified"), 0.0, 0);
    QVERIFY(job.isCableInVertRun(QStringLiteral("Cable1")));
    QVERIFY(job.isCableInVertRun(QStringLiteral("Cable2")));
    QVERIFY(!job.isCableInVertRun(QStringLiteral("Cable3")));

    // The repair takes the one-floor cable out of every run and clears its
    // path; the cable between floors stays as it is.
    QVERIFY(job.fixBrokenVerticalRunCables());
    QVERIFY(!job.isCableInVertRun(QStringLiteral("Cable1")));
    QCOMPARE(job.getCablePath(QStringLiteral("Cable1")), QStringList());
    QCOMPARE(job.getVertRunConnectedList(run1), QStringList{"Cable2"});
    QCOMPARE(job.getVertRunDisconnectedList(run2), QStringList{"Cable2"});
    QCOMPARE(job.getCablePath(QStringLiteral("Cable2")),
             (QStringList{"Point1", "end_first_floor"}));
}

QTEST_MAIN(TestCables)
#include "tst_cables.moc"
