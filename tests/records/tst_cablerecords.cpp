#include "activeport.h"
#include "activetestresult.h"
#include "bundledcable.h"
#include "cable.h"
#include "deviceconnection.h"

#include <QtTest>

#include <memory>

namespace {
TestResults resultsWithNextPoints(int points)
{
    TestResults results;
    LUMEN_PLOT_DATA plot = results.next();
    plot.pointCount = points;
    results.setNEXT(plot);
    return results;
}

Cable fullCable(const QString& color)
{
    TestResults results(QStringLiteral("t"), QStringLiteral("PASS"), TestResults().results(), 0);
    return Cable(QStringLiteral("Cable12"), QStringLiteral("C012"), QStringLiteral("Network"),
                 QStringLiteral("P-to"), QStringLiteral("P-from"), QStringLiteral("CAT6"), results,
                 QStringList{QStringLiteral("V1"), QStringLiteral("V2")}, QStringLiteral("Trunk"),
                 QStringLiteral("3"), QStringLiteral("7"), color);
}
} // namespace

class TestCableRecords : public QObject
{
    Q_OBJECT

private slots:
    void defaultCable();
    void fullConstructorArgumentOrder();
    void fullConstructorColor_data();
    void fullConstructorColor();
    void inBundle_data();
    void inBundle();
    void hasResponseDataLooksAtNextOnly_data();
    void hasResponseDataLooksAtNextOnly();
    void cableCopyAndAssignment();
    void deviceConnection();
    void bundledCable();
    void activePortCopiesSharePointers();
    void activePortAssignment();
};

void TestCableRecords::defaultCable()
{
    const Cable cable;
    QVERIFY(!cable.inBundle());
    QVERIFY(!cable.hasResponseData());
    QCOMPARE(cable.color(), QStringLiteral("#000000"));
    QCOMPARE(cable.path(), QStringList{QString()});
    QCOMPARE(cable.testResults().status(), QStringLiteral("UNTESTED"));
    QVERIFY(cable.parent() == nullptr);
}

void TestCableRecords::fullConstructorArgumentOrder()
{
    const Cable cable = fullCable(QStringLiteral("#00ff00"));
    QCOMPARE(cable.element(), QStringLiteral("Cable12"));
    QCOMPARE(cable.id(), QStringLiteral("C012"));
    QCOMPARE(cable.use(), QStringLiteral("Network"));
    QCOMPARE(cable.to(), QStringLiteral("P-to"));
    QCOMPARE(cable.from(), QStringLiteral("P-from"));
    QCOMPARE(cable.type(), QStringLiteral("CAT6"));
    QCOMPARE(cable.testResults().status(), QStringLiteral("PASS"));
    QCOMPARE(cable.path(), (QStringList{QStringLiteral("V1"), QStringLiteral("V2")}));
    QCOMPARE(cable.bundleName(), QStringLiteral("Trunk"));
    QCOMPARE(cable.bundleNum(), QStringLiteral("3"));
    QCOMPARE(cable.bundleGroupNum(), QStringLiteral("7"));
    QCOMPARE(cable.color(), QStringLiteral("#00ff00"));
}

void TestCableRecords::fullConstructorColor_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("expected");
    QTest::newRow("null colour falls back to black") << QString() << QStringLiteral("#000000");
    QTest::newRow("empty colour falls back to black")
        << QStringLiteral("") << QStringLiteral("#000000");
    QTest::newRow("valid colour kept") << QStringLiteral("#ff0000") << QStringLiteral("#ff0000");
    QTest::newRow("invalid colour kept, the job checks it")
        << QStringLiteral("not a colour") << QStringLiteral("not a colour");
}

void TestCableRecords::fullConstructorColor()
{
    QFETCH(QString, given);
    QFETCH(QString, expected);
    QCOMPARE(fullCable(given).color(), expected);
}

void TestCableRecords::inBundle_data()
{
    QTest::addColumn<QString>("bundleName");
    QTest::addColumn<bool>("expected");
    QTest::newRow("empty name") << QString() << false;
    QTest::newRow("single space counts") << QStringLiteral(" ") << true;
    QTest::newRow("named bundle") << QStringLiteral("Trunk") << true;
}

void TestCableRecords::inBundle()
{
    QFETCH(QString, bundleName);
    QFETCH(bool, expected);
    Cable cable;
    cable.setBundleName(bundleName);
    QCOMPARE(cable.inBundle(), expected);
}

void TestCableRecords::hasResponseDataLooksAtNextOnly_data()
{
    QTest::addColumn<int>("nextPoints");
    QTest::addColumn<int>("echoPoints");
    QTest::addColumn<bool>("expected");
    QTest::newRow("complete NEXT plot") << 257 << 0 << true;
    QTest::newRow("partial NEXT plot") << 1 << 0 << true;
    QTest::newRow("only an echo plot") << 0 << 257 << false;
}

void TestCableRecords::hasResponseDataLooksAtNextOnly()
{
    QFETCH(int, nextPoints);
    QFETCH(int, echoPoints);
    QFETCH(bool, expected);
    TestResults results = resultsWithNextPoints(nextPoints);
    LUMEN_PLOT_DATA echo = results.echo();
    echo.pointCount = echoPoints;
    results.setEcho(echo);
    Cable cable;
    cable.setTestResults(results);
    QCOMPARE(cable.hasResponseData(), expected);
}

void TestCableRecords::cableCopyAndAssignment()
{
    QObject owner;
    Cable source = fullCable(QStringLiteral("#123456"));
    source.setTestResults(resultsWithNextPoints(257));
    source.setParent(&owner);

    const Cable copy(source);
    QCOMPARE(copy.parent(), &owner);
    QCOMPARE(copy.id(), QStringLiteral("C012"));
    QVERIFY(copy.hasResponseData());

    Cable assigned;
    assigned = source;
    QVERIFY(assigned.parent() == nullptr);
    QCOMPARE(assigned.from(), QStringLiteral("P-from"));
    QCOMPARE(assigned.color(), QStringLiteral("#123456"));
    QVERIFY(assigned.hasResponseData());

    Cable& alias = assigned;
    assigned = alias;
    QCOMPARE(assigned.bundleGroupNum(), QStringLiteral("7"));
    QCOMPARE(assigned.path().size(), 2);
    QVERIFY(assigned.hasResponseData());

    assigned.path().append(QStringLiteral("V3"));
    QCOMPARE(assigned.path().size(), 3);
    QCOMPARE(source.path().size(), 2);
    source.setParent(nullptr);
}

void TestCableRecords::deviceConnection()
{
    const DeviceConnection empty;
    QVERIFY(empty.element().isEmpty() && empty.id().isEmpty() && empty.type().isEmpty());

    DeviceConnection link(QStringLiteral("Connection4"), QStringLiteral("Link4"),
                          QStringLiteral("Switch1"), QStringLiteral("Router1"),
                          QStringLiteral("2"));
    QCOMPARE(link.to(), QStringLiteral("Switch1"));
    QCOMPARE(link.from(), QStringLiteral("Router1"));
    QCOMPARE(link.type(), QStringLiteral("2"));
    link.setID(QStringLiteral("Link5"));
    link.setType(QStringLiteral("3"));

    DeviceConnection assigned;
    assigned = link;
    QCOMPARE(assigned.element(), QStringLiteral("Connection4"));
    QCOMPARE(assigned.id(), QStringLiteral("Link5"));
    QCOMPARE(assigned.type(), QStringLiteral("3"));
}

void TestCableRecords::bundledCable()
{
    const BundledCable empty;
    QVERIFY(empty.types().isEmpty());
    QVERIFY(empty.color().isEmpty());
    QVERIFY(!empty.defaultType());

    const QStringList types{QStringLiteral("CAT6"), QStringLiteral("CAT6"), QStringLiteral("COAX")};
    BundledCable bundle(QStringLiteral("BundledCable2"), QStringLiteral("Desk bundle"), types,
                        QStringLiteral("#0000ff"), true);
    bundle.setId(QStringLiteral("Desk bundle 2"));
    const BundledCable copy(bundle);
    QCOMPARE(copy.element(), QStringLiteral("BundledCable2"));
    QCOMPARE(copy.id(), QStringLiteral("Desk bundle 2"));
    QCOMPARE(copy.types(), types);
    QCOMPARE(copy.color(), QStringLiteral("#0000ff"));
    QVERIFY(copy.defaultType());

    bundle.defaultType() = false;
    QVERIFY(!bundle.defaultType());
    QVERIFY(copy.defaultType());
}

void TestCableRecords::activePortCopiesSharePointers()
{
    auto ping = std::make_unique<ActiveTestResult>(QStringLiteral("ActiveTest_Result1"),
                                                   QStringLiteral("PING"), QStringLiteral("ok"),
                                                   QStringLiteral("2026-12-07"));
    auto lldp = std::make_unique<ActiveTestResult>();
    QCOMPARE(ping->testType(), QStringLiteral("PING"));
    QCOMPARE(ping->testResult(), QStringLiteral("ok"));
    QCOMPARE(ping->dateTime(), QStringLiteral("2026-12-07"));

    ActivePort port(QStringLiteral("ActivePort1"), QStringLiteral("P101"), {ping.get()});
    port.addTestResult(lldp.get());

    {
        const ActivePort copy(port);
        QCOMPARE(copy.activeTestResults().size(), 2);
        QCOMPARE(copy.activeTestResults().at(0), ping.get());
        QCOMPARE(copy.activeTestResults().at(1), lldp.get());
        copy.activeTestResults().at(1)->setTestType(QStringLiteral("LLDP"));
    }
    // The copy is gone; the results it pointed at are still the caller's.
    QCOMPARE(port.activeTestResults().at(1)->testType(), QStringLiteral("LLDP"));
    QCOMPARE(lldp->testType(), QStringLiteral("LLDP"));
}

void TestCableRecords::activePortAssignment()
{
    ActiveTestResult first(QStringLiteral("ActiveTest_Result1"), QStringLiteral("PoE"),
                           QStringLiteral("15.4W"), QStringLiteral("now"));
    ActiveTestResult second(first);
    QCOMPARE(second.testResult(), QStringLiteral("15.4W"));

    ActivePort port(QStringLiteral("ActivePort2"), QStringLiteral("P102"), {&first});
    ActivePort assigned;
    assigned = port;
    QCOMPARE(assigned.element(), QStringLiteral("ActivePort2"));
    QCOMPARE(assigned.id(), QStringLiteral("P102"));
    QCOMPARE(assigned.activeTestResults(), QList<ActiveTestResult*>{&first});

    assigned.setTestResult({&second});
    QCOMPARE(port.activeTestResults(), QList<ActiveTestResult*>{&first});

    ActivePort& alias = assigned;
    assigned = alias;
    QCOMPARE(assigned.activeTestResults(), QList<ActiveTestResult*>{&second});
}

QTEST_APPLESS_MAIN(TestCableRecords)
#include "tst_cablerecords.moc"
