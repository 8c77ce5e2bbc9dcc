// The counting rules behind generated names.
#include "namegen_p.h"

#include <QSet>
#include <QtTest>

class TestNameGen : public QObject
{
    Q_OBJECT
private slots:
    void nextAfterGreatest_data();
    void nextAfterGreatest();
    void firstFreeFillsGaps();
};

void TestNameGen::nextAfterGreatest_data()
{
    QTest::addColumn<QString>("greatest");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<bool>("padded");
    QTest::addColumn<QStringList>("taken");
    QTest::addColumn<QString>("expected");
    QTest::newRow("none yet") << "" << "Room" << false << QStringList() << "Room1";
    QTest::newRow("none yet, padded") << "" << "P" << true << QStringList() << "P01";
    QTest::newRow("string order: Room2 beats Room10")
        << "Room2" << "Room" << false << QStringList{"Room1", "Room10"} << "Room3";
    QTest::newRow("counts on past a taken name")
        << "Room9" << "Room" << false << QStringList{"Room10", "Room11"} << "Room12";
    QTest::newRow("padded stays two digits") << "P09" << "P" << true << QStringList() << "P10";
    QTest::newRow("last occurrence of the prefix")
        << "PP7" << "P" << false << QStringList() << "P8";
    QTest::newRow("text after prefix is no number")
        << "Lobby" << "L" << false << QStringList{"L1"} << "L2";
    QTest::newRow("prefix absent") << "Undefined" << "Lab" << false << QStringList() << "Lab1";
}

void TestNameGen::nextAfterGreatest()
{
    QFETCH(QString, greatest);
    QFETCH(QString, prefix);
    QFETCH(bool, padded);
    QFETCH(QStringList, taken);
    QFETCH(QString, expected);
    const QSet<QString> takenSet(taken.cbegin(), taken.cend());
    const QString name = NameGen::nextAfterGreatest(
        greatest, prefix, padded ? NameGen::Padded : NameGen::Plain,
        [&](const QString& n) { return takenSet.contains(n); });
    QCOMPARE(name, expected);
}

void TestNameGen::firstFreeFillsGaps()
{
    const QSet<QString> taken{QStringLiteral("FFloor_1"), QStringLiteral("FFloor_3")};
    QCOMPARE(NameGen::firstFree(QStringLiteral("FFloor_"),
                                [&](const QString& n) { return taken.contains(n); }),
             QStringLiteral("FFloor_2"));
    QCOMPARE(NameGen::firstFree(QStringLiteral("Floor_"), [](const QString&) { return false; }),
             QStringLiteral("Floor_1"));
}

QTEST_GUILESS_MAIN(TestNameGen)
#include "tst_namegen.moc"
