// How the conversion of older jobs computes and writes coordinates.
#include "upgrade/convertrules_p.h"

#include <QtTest>

class TestConvertRules : public QObject
{
    Q_OBJECT
private slots:
    void coordinates_data();
    void coordinates();
    void notANumberIsLeftAlone();
};

void TestConvertRules::coordinates_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("old");
    QTest::addColumn<QString>("converted");

    QTest::newRow("room x 300 keeps its digits") << "room position"
                                                 << "300"
                                                 << "1000000";
    QTest::newRow("room x 0") << "room position"
                              << "0"
                              << "100000";
    QTest::newRow("room x 12345") << "room position"
                                  << "12345"
                                  << "37135000";
    QTest::newRow("negative room x") << "room position"
                                     << "-40"
                                     << "-20000";
    QTest::newRow("room width 300") << "room size"
                                    << "300"
                                    << "900000";
    QTest::newRow("room width 7") << "room size"
                                  << "7"
                                  << "21000";
    QTest::newRow("port x 12") << "point position"
                               << "12"
                               << "136";
    QTest::newRow("port x 400000") << "point position"
                                   << "400000"
                                   << "1200100";
    QTest::newRow("padded text") << "point position"
                                 << " 5 "
                                 << "115";
    QTest::newRow("decimal input rounds to a whole unit") << "point position"
                                                          << "12.5"
                                                          << "138";
}

void TestConvertRules::coordinates()
{
    QFETCH(QString, kind);
    QFETCH(QString, old);
    QFETCH(QString, converted);
    QString out;
    bool ok = false;
    if (kind == QLatin1String("room position"))
        ok = ConvertRules::roomPosition(old, &out);
    else if (kind == QLatin1String("room size"))
        ok = ConvertRules::roomSize(old, &out);
    else if (kind == QLatin1String("sheet position"))
        ok = ConvertRules::sheetPosition(old, &out);
    else
        ok = ConvertRules::pointPosition(old, &out);
    QVERIFY(ok);
    QCOMPARE(out, converted);
    QVERIFY(!out.contains(QLatin1Char('e')));
}

void TestConvertRules::notANumberIsLeftAlone()
{
    QString out = QStringLiteral("unchanged");
    QVERIFY(!ConvertRules::roomPosition(QString(), &out));
    QVERIFY(!ConvertRules::roomSize(QStringLiteral("wide"), &out));
    QVERIFY(!ConvertRules::pointPosition(QStringLiteral("nan"), &out));
    QCOMPARE(out, QStringLiteral("unchanged"));
    QCOMPARE(ConvertRules::coordinateText(1e30), QStringLiteral("9000000000000000000"));
}

QTEST_APPLESS_MAIN(TestConvertRules)
#include "tst_convertrules.moc"
