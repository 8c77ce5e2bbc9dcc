// The counting rules behind generated names.
#include "index/namegen_p.h"

#include <QSet>
#include <QtTest>

class TestNameGen : public QObject
{
    Q_OBJECT
private slots:
    void nextAfterGreatest_data();
    void nextAfterGreatest();
    void firstFreeFillsGaps();
    void memoGivesTheSameNames();
};

void TestNameGen::nextAfterGreatest_data()
{
    QTest::addColumn<QString>("greatest");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<bool>("padded");
    QTest::addColumn<QStringList>("taken");
    QTest::addColumn<QString>("expected");
    QTest::newRow("none yet") << ""
                              << "Room" << false << QStringList() << "Room1";
    QTest::newRow("none yet, padded") << ""
                                      << "P" << true << QStringList() << "P01";
    QTest::newRow("string order: Room2 beats Room10")
        << "Room2"
        << "Room" << false << QStringList{"Room1", "Room10"} << "Room3";
    QTest::newRow("counts on past a taken name")
        << "Room9"
        << "Room" << false << QStringList{"Room10", "Room11"} << "Room12";
    QTest::newRow("padded stays two digits") << "P09"
                                             << "P" << true << QStringList() << "P10";
    QTest::newRow("last occurrence of the prefix") << "PP7"
                                                   << "P" << false << QStringList() << "P8";
    QTest::newRow("text after prefix is no number") << "Lobby"
                                                    << "L" << false << QStringList{"L1"} << "L2";
    QTest::newRow("prefix absent") << "Undefined"
                                   << "Lab" << false << QStringList() << "Lab1";
}

void TestNameGen::nextAfterGreatest()
{
    QFETCH(QString, greatest);
    QFETCH(QString, prefix);
    QFETCH(bool, padded);
    QFETCH(QStringList, taken);
    QFETCH(QString, expected);
    const QSet<QString> takenSet(taken.cbegin(), taken.cend());
    const QString name =
        NameGen::nextAfterGreatest(greatest, prefix, padded ? NameGen::Padded : NameGen::Plain,
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

// Resuming a count must never change which name comes out: generate a long
// sequence with and without a memo, freeing names on the way.
void TestNameGen::memoGivesTheSameNames()
{
    for (const NameGen::Padding padding :
         {NameGen::Plain, NameGen::Padded, NameGen::Padding{true, false, true}}) {
        QSet<QString> taken;
        QString greatest;
        quint64 generation = 0;
        NameGen::Memo memo;
        auto exists = [&](const QString& n) { return taken.contains(n); };
        for (int i = 0; i < 400; ++i) {
            if (i % 97 == 96) {
                // Free a name in the middle: the memo must not skip it.
                taken.remove(QStringLiteral("TText%1").arg(i / 3));
                taken.remove(QStringLiteral("TText%1").arg(i / 3, 2, 10, QLatin1Char('0')));
                ++generation;
            }
            const QString plain =
                NameGen::nextAfterGreatest(greatest, QStringLiteral("TText"), padding, exists);
            const QString memoised = NameGen::nextAfterGreatest(greatest, QStringLiteral("TText"),
                                                                padding, exists, &memo, generation);
            QCOMPARE(memoised, plain);
            taken.insert(plain);
            if (plain > greatest)
                greatest = plain;
        }
    }
}

QTEST_GUILESS_MAIN(TestNameGen)
#include "tst_namegen.moc"
