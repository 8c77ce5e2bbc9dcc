// Active network tests in the job: ports and their results added in every
// mode, the block they live in, reading them back as owned objects, renaming,
// removing, and the round trip through a saved file.
#include "jobfixture.h"

#include <QtTest>

#include <memory>
#include <vector>

using namespace JobFixture;

namespace {

const QString AP1 = QStringLiteral("ActivePort1");
const QString AP2 = QStringLiteral("ActivePort2");

// Results owned by the test; the job only reads them.
struct Results
{
    std::vector<std::unique_ptr<ActiveTestResult>> owned;

    ActiveTestResult* add(const char* type, const char* result, const char* when)
    {
        owned.push_back(std::make_unique<ActiveTestResult>(
            QString(), QLatin1String(type), QLatin1String(result), QLatin1String(when)));
        return owned.back().get();
    }
};

// The results of a port read through getActivePort, deleted on the way out.
struct ReadPort
{
    ActivePort port;
    explicit ReadPort(const ActivePort& p) : port(p) {}
    ~ReadPort() { qDeleteAll(port.activeTestResults()); }
    Q_DISABLE_COPY(ReadPort)

    QStringList describe() const
    {
        QStringList out;
        for (const ActiveTestResult* r : port.activeTestResults())
            out.append(r->element() + QLatin1Char('|') + r->testType() + QLatin1Char('|') +
                       r->testResult() + QLatin1Char('|') + r->dateTime());
        return out;
    }
};

int count(const QByteArray& text, const QByteArray& what)
{
    return int(text.count(what));
}

} // namespace

class TestActiveTests : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { JobFixture::verifyAndClose(); }

    void addModes_data();
    void addModes();
    void generatedNamesCountOn();
    void duplicateTagAddsNothing();
    void suppliedTagMustBeAnElementName_data();
    void suppliedTagMustBeAnElementName();
    void missingBlocks_data();
    void missingBlocks();
    void resultsAreNumberedAndMarkTheJobChanged();
    void getActivePortHandsOutNewObjects();
    void renameAndRemove();
    void roundTripWithResults();

private:
    QTemporaryDir m_dir;
};

void TestActiveTests::addModes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("expectedTag");
    QTest::addColumn<QString>("expectedId");
    QTest::newRow("0: both generated, id as prefix") << 0 << AP1 << "Port01";
    QTest::newRow("1: tag generated, id kept") << 1 << AP1 << "Port";
    QTest::newRow("2: both kept") << 2 << "Lobby"
                                  << "Port";
    QTest::newRow("3: tag kept, id generated") << 3 << "Lobby"
                                               << "Port01";
}

void TestActiveTests::addModes()
{
    QFETCH(int, mode);
    QFETCH(QString, expectedTag);
    QFETCH(QString, expectedId);
    Ductbook& job = newJob(m_dir);
    QCOMPARE(job.addActivePort(QStringLiteral("Lobby"), QStringLiteral("Port"), {}, mode),
             expectedId);
    QCOMPARE(job.getActivePorts(true), QStringList{expectedTag});
    QCOMPARE(job.getActivePorts(false), QStringList{expectedId});
    QCOMPARE(job.getActivePortId(expectedTag), expectedId);
    QVERIFY(job.activePortExists(expectedId, false));
    QVERIFY(job.isChanged());
}

void TestActiveTests::generatedNamesCountOn()
{
    Ductbook& job = newJob(m_dir);
    Results r;
    QCOMPARE(job.addActivePort(QString(), QStringLiteral("Port"), {r.add("PING", "ok", "t1")}, 0),
             QStringLiteral("Port01"));
    QCOMPARE(job.addActivePort(QString(), QStringLiteral("Port"), {}, 0), QStringLiteral("Port02"));
    QCOMPARE(job.getActivePorts(true), (QStringList{AP1, AP2}));
    // Generated tags count on from the greatest tag, whoever chose it.
    job.addActivePort(QStringLiteral("ActivePort7"), QStringLiteral("Desk"), {}, 2);
    QCOMPARE(job.addActivePort(QString(), QStringLiteral("Port"), {}, 0), QStringLiteral("Port03"));
    QCOMPARE(job.getActivePorts(true).constLast(), QStringLiteral("ActivePort8"));

    // Past nine the greatest tag is still "ActivePort9", and the count goes
    // on above every tag taken; a tag that becomes free is found again.
    for (int i = 0; i < 4; ++i)
        job.addActivePort(QString(), QStringLiteral("Port"), {}, 0);
    QCOMPARE(job.getActivePorts(true).constLast(), QStringLiteral("ActivePort12"));
    job.removeActivePort(QStringLiteral("ActivePort11"));
    job.addActivePort(QString(), QStringLiteral("Port"), {}, 0);
    QCOMPARE(job.getActivePorts(true).constLast(), QStringLiteral("ActivePort11"));
    job.addActivePort(QString(), QStringLiteral("Port"), {}, 0);
    QCOMPARE(job.getActivePorts(true).constLast(), QStringLiteral("ActivePort13"));
}

void TestActiveTests::duplicateTagAddsNothing()
{
    Ductbook& job = newJob(m_dir);
    Results r;
    QCOMPARE(job.addActivePort(AP1, QStringLiteral("A"), {}, 2), QStringLiteral("A"));
    QCOMPARE(job.addActivePort(AP1, QStringLiteral("B"), {r.add("PoE", "30 W", "t")}, 2),
             QString());
    QCOMPARE(job.getActivePorts(false), QStringList{QStringLiteral("A")});
    QVERIFY(job.getActivePortTestResults(AP1).isEmpty());
    QCOMPARE(job.getActivePortId(AP1), QStringLiteral("A"));
}

// A tag becomes an element name; one that cannot be would make the saved job
// unreadable, so it is refused before anything is created.
void TestActiveTests::suppliedTagMustBeAnElementName_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<int>("mode");
    QTest::newRow("empty, mode 2") << QString() << 2;
    QTest::newRow("starts with a digit, mode 2") << "1stFloor" << 2;
    QTest::newRow("has a space, mode 3") << "Lobby port" << 3;
    QTest::newRow("markup, mode 3") << "a<b" << 3;
}

void TestActiveTests::suppliedTagMustBeAnElementName()
{
    QFETCH(QString, tag);
    QFETCH(int, mode);
    // A job without the block: a refused add must not create it either.
    QVERIFY(loadText(m_dir, jobText(" <Cable_List/>\n")));
    Ductbook& job = Ductbook::Instance();
    QCOMPARE(job.addActivePort(tag, QStringLiteral("P"), {}, mode), QString());
    QVERIFY(!job.isChanged());
    QVERIFY(job.getActivePorts(true).isEmpty());
    QVERIFY(job.saveAs(m_dir.filePath(QStringLiteral("refused.job"))));
    QVERIFY(!readFile(m_dir.filePath(QStringLiteral("refused.job")))
                 .contains("ActiveNetworkTest_List"));
}

void TestActiveTests::missingBlocks_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("no block at all") << QByteArray(" <Cable_List/>\n");
    // Read literally, the add would append a second block, and the next
    // load would look in the first one and lose the port.
    QTest::newRow("block without its port list") << QByteArray(" <ActiveNetworkTest_List/>\n");
    QTest::newRow("block holding something else")
        << QByteArray(" <ActiveNetworkTest_List><Note/></ActiveNetworkTest_List>\n");
}

void TestActiveTests::missingBlocks()
{
    QFETCH(QByteArray, content);
    QVERIFY(loadText(m_dir, jobText(content)));
    Ductbook& job = Ductbook::Instance();
    Results r;
    QCOMPARE(job.addActivePort(QString(), QStringLiteral("Port"), {r.add("LLDP", "sw1", "t")}, 0),
             QStringLiteral("Port01"));
    const QString path = m_dir.filePath(QStringLiteral("blocks.job"));
    QVERIFY(job.saveAs(path));
    const QByteArray saved = readFile(path);
    QCOMPARE(count(saved, "<ActiveNetworkTest_List"), 1);
    QCOMPARE(count(saved, "<ActivePort_List"), 1);

    Ductbook::Destroy();
    QVERIFY(Ductbook::Instance().Load(path));
    Ductbook& again = Ductbook::Instance();
    QCOMPARE(again.getActivePorts(true), QStringList{AP1});
    QCOMPARE(again.getActivePortTestResults(AP1),
             QStringList{QStringLiteral("ActiveTest_Result1")});
}

void TestActiveTests::resultsAreNumberedAndMarkTheJobChanged()
{
    QVERIFY(loadText(m_dir, jobText(" <ActiveNetworkTest_List><ActivePort_List>"
                                    "<ActivePort1 id=\"Port01\"/>"
                                    "<ActivePort2 id=\"Port02\"><ActiveTest_Result2 type=\"PING\" "
                                    "result=\"ok\" dateTime=\"t\"/></ActivePort2>"
                                    "</ActivePort_List></ActiveNetworkTest_List>\n")));
    Ductbook& job = Ductbook::Instance();
    QVERIFY(!job.isChanged());
    const ActiveTestResult iperf(QString(), QStringLiteral("iPerf"), QStringLiteral("941 Mbit/s"),
                                 QStringLiteral("2026-12-01 09:14"));
    QCOMPARE(job.addActivePortTestResult(AP1, iperf), QStringLiteral("ActiveTest_Result1"));
    // Without the flag the host could close the job without asking, and the
    // result would be lost.
    QVERIFY(job.isChanged());
    QCOMPARE(job.addActivePortTestResult(AP1, iperf), QStringLiteral("ActiveTest_Result2"));
    QCOMPARE(
        job.getActivePortTestResults(AP1),
        (QStringList{QStringLiteral("ActiveTest_Result1"), QStringLiteral("ActiveTest_Result2")}));
    QVERIFY(job.activePortTestResultExists(AP1, QStringLiteral("ActiveTest_Result2")));
    QVERIFY(!job.activePortTestResultExists(AP1, QStringLiteral("ActiveTest_Result3")));
    // The first free number, below one already taken.
    QCOMPARE(job.addActivePortTestResult(AP2, iperf), QStringLiteral("ActiveTest_Result1"));

    job.setDirty(false);
    QCOMPARE(job.addActivePortTestResult(QStringLiteral("ActivePort9"), iperf), QString());
    QVERIFY(!job.isChanged());
}

void TestActiveTests::getActivePortHandsOutNewObjects()
{
    Ductbook& job = newJob(m_dir);
    Results r;
    ActivePort given(QString(), QStringLiteral("Port"),
                     {r.add("iPerf", "941 Mbit/s", "2026-12-01 09:14"),
                      nullptr, // a hole in the caller's list is skipped, not a crash
                      r.add("PING", "0% loss, 1.2 ms", "2026-12-01 09:15"),
                      r.add("PoE", "802.3at, 25.5 W", "2026-12-01 09:16")});
    QCOMPARE(job.addActivePort(given, 0), QStringLiteral("Port01"));

    const ReadPort first(job.getActivePort(AP1));
    const ReadPort second(job.getActivePort(AP1));
    QCOMPARE(first.port.element(), AP1);
    QCOMPARE(first.port.id(), QStringLiteral("Port01"));
    QCOMPARE(first.describe(),
             (QStringList{"ActiveTest_Result1|iPerf|941 Mbit/s|2026-12-01 09:14",
                          "ActiveTest_Result2|PING|0% loss, 1.2 ms|2026-12-01 09:15",
                          "ActiveTest_Result3|PoE|802.3at, 25.5 W|2026-12-01 09:16"}));
    QCOMPARE(second.describe(), first.describe());
    const QList<ActiveTestResult*> a = first.port.activeTestResults();
    const QList<ActiveTestResult*> b = second.port.activeTestResults();
    QSet<ActiveTestResult*> distinct(a.cbegin(), a.cend());
    distinct.unite(QSet<ActiveTestResult*>(b.cbegin(), b.cend()));
    for (const auto& own : r.owned)
        distinct.insert(own.get());
    QCOMPARE(distinct.size(), 9);

    const ActivePort unknown = job.getActivePort(QStringLiteral("ActivePort5"));
    QVERIFY(unknown.element().isEmpty());
    QVERIFY(unknown.activeTestResults().isEmpty());
}

void TestActiveTests::renameAndRemove()
{
    Ductbook& job = newJob(m_dir);
    Results r;
    job.addActivePort(QString(), QStringLiteral("Port"), {r.add("PING", "ok", "t")}, 0);
    job.addActivePort(QString(), QStringLiteral("Port"), {}, 0);
    job.setDirty(false);

    job.renameActivePort(AP1, QStringLiteral("Lobby"));
    QVERIFY(job.isChanged());
    QCOMPARE(job.getActivePorts(true), (QStringList{AP1, AP2}));
    QCOMPARE(job.getActivePorts(false), (QStringList{QStringLiteral("Lobby"), "Port02"}));
    QCOMPARE(job.getActivePortElement(QStringLiteral("Lobby")), AP1);
    QVERIFY(!job.activePortExists(QStringLiteral("Port01"), false));

    job.setDirty(false);
    job.renameActivePort(QStringLiteral("ActivePort9"), QStringLiteral("X"));
    job.removeActivePort(QStringLiteral("ActivePort9"));
    QVERIFY(!job.isChanged());

    job.removeActivePort(AP1);
    QVERIFY(job.isChanged());
    QCOMPARE(job.getActivePorts(true), QStringList{AP2});
    QVERIFY(!job.activePortExists(AP1, true));
    QVERIFY(job.getActivePortTestResults(AP1).isEmpty());
    QCOMPARE(job.addActivePortTestResult(AP1, ActiveTestResult()), QString());
}

void TestActiveTests::roundTripWithResults()
{
    const QString path = m_dir.filePath(QStringLiteral("active.job"));
    {
        Ductbook& job = newJob(m_dir, QStringLiteral("active.job"));
        Results r;
        job.addActivePort(QString(), QStringLiteral("Port"),
                          {r.add("iPerf", "941 Mbit/s", "2026-12-01 09:14"),
                           r.add("Port Discovery", "sw-3f/Gi1/0/12", "2026-12-01 09:20")},
                          0);
        job.addActivePort(QStringLiteral("Reception"), QStringLiteral("R1"), {}, 2);
        job.addActivePortTestResult(QStringLiteral("Reception"),
                                    ActiveTestResult(QString(), QStringLiteral("PoE"),
                                                     QStringLiteral("none"),
                                                     QStringLiteral("2026-12-01 09:30")));
        QVERIFY(job.save());
    }
    const QByteArray saved = readFile(path);
    QVERIFY(saved.contains("<ActiveTest_Result1 dateTime=\"2026-12-01 09:14\" "
                           "result=\"941 Mbit/s\" type=\"iPerf\"/>"));

    Ductbook::Destroy();
    QVERIFY(Ductbook::Instance().Load(path));
    Ductbook& job = Ductbook::Instance();
    QCOMPARE(job.getActivePorts(true), (QStringList{AP1, "Reception"}));
    QCOMPARE(job.getActivePorts(false), (QStringList{"Port01", "R1"}));
    const ReadPort first(job.getActivePort(AP1));
    QCOMPARE(first.describe(),
             (QStringList{"ActiveTest_Result1|iPerf|941 Mbit/s|2026-12-01 09:14",
                          "ActiveTest_Result2|Port Discovery|sw-3f/Gi1/0/12|2026-12-01 09:20"}));
    const ReadPort reception(job.getActivePort(QStringLiteral("Reception")));
    QCOMPARE(reception.describe(), QStringList{"ActiveTest_Result1|PoE|none|2026-12-01 09:30"});
    // Counting goes on from the loaded names.
    QCOMPARE(job.addActivePort(QString(), QStringLiteral("Port"), {}, 0), QStringLiteral("Port02"));
    QVERIFY(job.activePortExists(AP2, true));
}

QTEST_GUILESS_MAIN(TestActiveTests)
#include "tst_activetests.moc"
