#include "testresults.h"

#include <QtTest>

#include <cstring>

namespace {
cable_struct blockWithLengths(qint32 a, qint32 b, qint32 c, qint32 d)
{
    TestResults fresh;
    cable_struct block = fresh.results();
    block.pairLength[0] = a;
    block.pairLength[1] = b;
    block.pairLength[2] = c;
    block.pairLength[3] = d;
    return block;
}

LUMEN_PLOT_DATA fullPlot(qint32 seed)
{
    LUMEN_PLOT_DATA plot{};
    for (int i = 0; i < 321; ++i)
        plot.header[i] = seed + i;
    for (int i = 0; i < 257; ++i) {
        plot.series1[i] = seed * 2 + i;
        plot.series2[i] = seed * 3 - i;
    }
    plot.pointCount = 257;
    return plot;
}

bool samePlot(const LUMEN_PLOT_DATA& a, const LUMEN_PLOT_DATA& b)
{
    return std::memcmp(&a, &b, sizeof(LUMEN_PLOT_DATA)) == 0;
}
} // namespace

class TestTestResults : public QObject
{
    Q_OBJECT

private slots:
    void defaultsAreUnmeasured();
    void constructorsKeepTheirArguments();
    void copyTakesPlotsWholeAndSourceParent();
    void selfAssignmentKeepsEverything();
    void plotInitialisationLeavesHeaderAlone();
    void gettersAreModifiable();
    void cableLength_data();
    void cableLength();
};

void TestTestResults::defaultsAreUnmeasured()
{
    const TestResults results;
    QCOMPARE(results.status(), QStringLiteral("UNTESTED"));
    QCOMPARE(results.BERTResults(), -1);
    QCOMPARE(results.cableLength(), -1);
    QVERIFY(results.time().isEmpty());
    QVERIFY(results.softwareVersion().isEmpty());
    QVERIFY(results.serialNumber().isEmpty());
    QVERIFY(results.parent() == nullptr);

    const cable_struct& block = results.results();
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(block.pairStatus[i], quint8(0xFF));
        QCOMPARE(block.pairValues[i], -1);
        QCOMPARE(block.pairLength[i], -1);
    }
    for (quint8 wire : block.wiremap)
        QCOMPARE(wire, quint8(0xFF));
    QCOMPARE(block.farEndFlags[0], quint8(0xFF));
    QCOMPARE(block.farEndFlags[1], quint8(0xFF));
    for (qint32 extra : block.pairExtra)
        QCOMPARE(extra, -1);

    const LUMEN_PLOT_DATA empty{};
    QVERIFY(samePlot(results.next(), empty));
    QVERIFY(samePlot(results.echo(), empty));
    QVERIFY(samePlot(results.channel(), empty));
}

void TestTestResults::constructorsKeepTheirArguments()
{
    const cable_struct block = blockWithLengths(120, 121, 122, 123);

    const TestResults four(QStringLiteral("2026-12-07 10:00"), QStringLiteral("PASS"), block, 3);
    QCOMPARE(four.time(), QStringLiteral("2026-12-07 10:00"));
    QCOMPARE(four.status(), QStringLiteral("PASS"));
    QVERIFY(four.softwareVersion().isEmpty());
    QVERIFY(four.serialNumber().isEmpty());
    QCOMPARE(four.BERTResults(), 3);
    QCOMPARE(four.results().pairLength[3], 123);
    QCOMPARE(four.next().pointCount, 0);

    const TestResults six(QStringLiteral("t"), QStringLiteral("FAIL"), QStringLiteral("2.1"),
                          QStringLiteral("SN42"), block, 0);
    QCOMPARE(six.time(), QStringLiteral("t"));
    QCOMPARE(six.status(), QStringLiteral("FAIL"));
    QCOMPARE(six.softwareVersion(), QStringLiteral("2.1"));
    QCOMPARE(six.serialNumber(), QStringLiteral("SN42"));
    QCOMPARE(six.BERTResults(), 0);
    QCOMPARE(six.cableLength(), 120);
    QCOMPARE(six.channel().pointCount, 0);
}

void TestTestResults::copyTakesPlotsWholeAndSourceParent()
{
    QObject owner;
    TestResults source(QStringLiteral("t"), QStringLiteral("PASS"), QStringLiteral("v"),
                       QStringLiteral("s"), blockWithLengths(1, 2, 3, 4), 7);
    source.setParent(&owner);
    source.setNEXT(fullPlot(1));
    source.setEcho(fullPlot(2));
    source.setChannel(fullPlot(3));

    const TestResults copy(source);
    QCOMPARE(copy.parent(), &owner);
    QVERIFY(samePlot(copy.next(), fullPlot(1)));
    QVERIFY(samePlot(copy.echo(), fullPlot(2)));
    QVERIFY(samePlot(copy.channel(), fullPlot(3)));
    QCOMPARE(copy.serialNumber(), QStringLiteral("s"));
    QCOMPARE(copy.BERTResults(), 7);

    TestResults assigned;
    assigned = source;
    QVERIFY(assigned.parent() == nullptr);
    QVERIFY(samePlot(assigned.echo(), fullPlot(2)));
    QCOMPARE(assigned.status(), QStringLiteral("PASS"));
    QCOMPARE(assigned.results().pairLength[2], 3);
    source.setParent(nullptr);
}

void TestTestResults::selfAssignmentKeepsEverything()
{
    TestResults results(QStringLiteral("t"), QStringLiteral("PASS"), blockWithLengths(9, 8, 7, 6),
                        5);
    results.setNEXT(fullPlot(4));
    TestResults& alias = results;
    results = alias;
    QCOMPARE(results.status(), QStringLiteral("PASS"));
    QCOMPARE(results.cableLength(), 6);
    QVERIFY(samePlot(results.next(), fullPlot(4)));
}

void TestTestResults::plotInitialisationLeavesHeaderAlone()
{
    TestResults results;
    results.setEcho(fullPlot(10));
    results.initializeResponsePlotData();
    const LUMEN_PLOT_DATA echo = results.echo();
    QCOMPARE(echo.pointCount, 0);
    QCOMPARE(echo.series1[0], 0);
    QCOMPARE(echo.series2[256], 0);
    QCOMPARE(echo.header[0], 10);
    QCOMPARE(echo.header[320], 330);
}

void TestTestResults::gettersAreModifiable()
{
    TestResults results;
    results.status() = QStringLiteral("PASS");
    results.results().pairLength[1] = 400;
    QCOMPARE(results.status(), QStringLiteral("PASS"));
    QCOMPARE(results.cableLength(), 400);

    results.initializeCableStruct();
    QCOMPARE(results.results().pairLength[1], -1);
    QCOMPARE(results.cableLength(), -1);
}

void TestTestResults::cableLength_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("c");
    QTest::addColumn<int>("d");
    QTest::addColumn<int>("expected");

    QTest::newRow("unmeasured and zero pairs are skipped") << 250 << -1 << 0 << 65535 << 250;
    QTest::newRow("60000 and above are no reading") << 60000 << 65535 << -1 << 0 << -1;
    QTest::newRow("shortest measured pair wins") << 300 << 299 << 310 << 305 << 299;
    QTest::newRow("shortest may be the last pair") << 59999 << 500 << 400 << 1 << 1;
    QTest::newRow("59999 still counts") << 59999 << -1 << -1 << -1 << 59999;
    QTest::newRow("all zero") << 0 << 0 << 0 << 0 << -1;
}

void TestTestResults::cableLength()
{
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, c);
    QFETCH(int, d);
    QFETCH(int, expected);

    const TestResults results(QString(), QStringLiteral("PASS"), blockWithLengths(a, b, c, d), 0);
    QCOMPARE(results.cableLength(), expected);
}

QTEST_APPLESS_MAIN(TestTestResults)
#include "tst_testresults.moc"
