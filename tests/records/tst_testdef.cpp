#include "testdef.h"

#include <QtTest>

namespace {
const QString kGood = QStringLiteral("GOOD");
const QString kLongWarning =
    QStringLiteral("SNR and BERT tests may fail with\ncable length greater than 330ft (100m).");
const QString kDuplicateMapping =
    QStringLiteral("Can't map 2 pairs on near end to\nsame pair on far end.");

cable_struct unmeasured()
{
    return TestDef(QStringLiteral("x")).expected();
}

// pairs: "1" per pair in use. mapping: the far pair per near pair, "x" for an
// unmapped byte (0xFF). splits: far-end high bits, one per pair.
TestDef makeDef(int rate, const QString& pairs, int splits, const QString& mapping,
                float lengthConstant, int skew, int snr, float maxLength, const QString& color)
{
    cable_struct block = unmeasured();
    block.wiremap[0] = 0x0F;
    block.farEndFlags[0] = static_cast<quint8>(0x0F | (splits << 4));
    for (int pair = 0; pair < 4; ++pair) {
        const QChar to = mapping.at(pair);
        block.wiremap[1 + pair] = to == QLatin1Char('x') ? 0xFF : quint8(to.digitValue());
    }
    TestDef def(QStringLiteral("T"), block);
    bool inUse[4];
    for (int pair = 0; pair < 4; ++pair)
        inUse[pair] = pairs.at(pair) == QLatin1Char('1');
    def.setPairInUse(inUse);
    def.setDataRate(rate);
    def.setLengthConstant(lengthConstant);
    def.setSkew(skew);
    def.setSNR(snr);
    def.setMaxLength(maxLength);
    def.setColor(color);
    return def;
}
} // namespace

class TestTestDef : public QObject
{
    Q_OBJECT

private slots:
    void constructorDefaults();
    void nameOnlyDefinitionIsGood();
    void copyIsDeep();
    void validDef_data();
    void validDef();
    void carePair_data();
    void carePair();
    void setPairCare_data();
    void setPairCare();
    void pairMapping_data();
    void pairMapping();
    void setPairMappingStaysInTheMappingBytes();
};

void TestTestDef::constructorDefaults()
{
    const TestDef named(QStringLiteral("CAT5E"));
    QCOMPARE(named.id(), QStringLiteral("CAT5E"));
    QCOMPARE(named.length_constant(), 15000);
    QCOMPARE(named.cable_category(), -1);
    QCOMPARE(named.max_length(), 330);
    QCOMPARE(named.color(), QStringLiteral("#000000"));
    QCOMPARE(named.data_rate(), 0);
    QCOMPARE(named.SNR(), 0);
    QCOMPARE(named.skew(), 0);
    QVERIFY(!named.shield());
    QVERIFY(!named.default_type());
    QVERIFY(named.comment().isEmpty());
    for (int pair = 0; pair < 4; ++pair)
        QVERIFY(named.pair_in_use()[pair]);
    QCOMPARE(named.expected().wiremap[0], quint8(0xFF));
    QCOMPARE(named.expected().pairLength[2], -1);

    cable_struct block = unmeasured();
    block.wiremap[0] = 0x03;
    const TestDef withBlock(QStringLiteral("CAT6"), block);
    QCOMPARE(withBlock.length_constant(), 1500);
    QCOMPARE(withBlock.cable_category(), 0);
    QCOMPARE(withBlock.max_length(), 330);
    QCOMPARE(withBlock.expected().wiremap[0], quint8(0x03));
    QCOMPARE(withBlock.color(), QStringLiteral("#000000"));

    const TestDef plain;
    QVERIFY(plain.id().isEmpty());
    QCOMPARE(plain.length_constant(), 15000);
    QCOMPARE(plain.cable_category(), -1);
}

void TestTestDef::nameOnlyDefinitionIsGood()
{
    // Unmapped pairs count as straight and 330 ft is not above the limit.
    QCOMPARE(TestDef(QStringLiteral("CAT5E")).validDef(), kGood);
}

void TestTestDef::copyIsDeep()
{
    QObject owner;
    TestDef source(QStringLiteral("COAX"));
    source.setParent(&owner);
    bool pairs[4] = {true, false, false, false};
    source.setPairInUse(pairs);
    pairs[0] = false; // setPairInUse copied the values
    source.setComment(QStringLiteral("one pair"));
    source.setShield(true);
    source.setDefaultType(true);
    source.setCableCategory(5);
    source.setLengthConstant(1234.9f);
    source.setPairMapping(0, 2);

    TestDef copy(source);
    QCOMPARE(copy.parent(), &owner);
    QVERIFY(copy.pair_in_use()[0]);
    QVERIFY(!copy.pair_in_use()[1]);
    QCOMPARE(copy.length_constant(), 1234);
    QCOMPARE(copy.comment(), QStringLiteral("one pair"));
    QVERIFY(copy.shield() && copy.default_type());
    QCOMPARE(copy.cable_category(), 5);
    QCOMPARE(copy.getPairTo(0), 2);

    copy.pair_in_use()[0] = false;
    QVERIFY(source.pair_in_use()[0]);

    TestDef assigned;
    assigned = source;
    QVERIFY(assigned.parent() == nullptr);
    QCOMPARE(assigned.id(), QStringLiteral("COAX"));
    QCOMPARE(assigned.getPairTo(0), 2);
    TestDef& alias = assigned;
    assigned = alias;
    QCOMPARE(assigned.comment(), QStringLiteral("one pair"));
    source.setParent(nullptr);
}

void TestTestDef::validDef_data()
{
    QTest::addColumn<int>("rate");
    QTest::addColumn<QString>("pairs");
    QTest::addColumn<int>("splits");
    QTest::addColumn<QString>("mapping");
    QTest::addColumn<float>("lengthConstant");
    QTest::addColumn<int>("skew");
    QTest::addColumn<int>("snr");
    QTest::addColumn<float>("maxLength");
    QTest::addColumn<QString>("color");
    QTest::addColumn<QString>("expected");

    const QString all = QStringLiteral("1111");
    const QString straight = QStringLiteral("0123");
    const QString black = QStringLiteral("#000000");

    QTest::newRow("no pair in use")
        << 0 << QStringLiteral("0000") << 0 << straight << 1500.0f << 0 << 0 << 330.0f << black
        << QStringLiteral("Cable has no pairs please\n specify which pairs are in use.");

    // 1 Gbit/s
    QTest::newRow("1G complete definition")
        << 1000 << all << 0 << straight << 1500.0f << 450 << 250 << 330.0f << black << kGood;
    QTest::newRow("1G crossover keeping 2 and 3")
        << 1000 << all << 0 << QStringLiteral("1023") << 1500.0f << 450 << 250 << 330.0f << black
        << kGood;
    QTest::newRow("1G crossover swapping 2 and 3")
        << 1000 << all << 0 << QStringLiteral("1032") << 1500.0f << 450 << 250 << 330.0f << black
        << kGood;
    QTest::newRow("1G range edges are inclusive")
        << 1000 << all << 0 << straight << 6500.0f << 500 << 200 << 330.0f << black << kGood;
    QTest::newRow("1G three pairs")
        << 1000 << QStringLiteral("1110") << 0 << straight << 1500.0f << 450 << 250 << 330.0f
        << black << QStringLiteral("1 Gbit/s requires\nall 4 pairs be in use.");
    QTest::newRow("1G split on pair 3")
        << 1000 << all << 8 << straight << 1500.0f << 450 << 250 << 330.0f << black
        << QStringLiteral("1 Gbit/s requires\nno splits.");
    QTest::newRow("1G pairs 0 and 2 swapped")
        << 1000 << all << 0 << QStringLiteral("2103") << 1500.0f << 450 << 250 << 330.0f << black
        << QStringLiteral("Invalid pair-mapping\nnot a valid straight through or\ncrossover "
                          "cable can't run 1 Gbit/s.");
    QTest::newRow("1G half a crossover")
        << 1000 << all << 0 << QStringLiteral("1033") << 1500.0f << 450 << 250 << 330.0f << black
        << QStringLiteral("Invalid pair-mapping\nnot a valid straight through or\ncrossover "
                          "cable can't run 1 Gbit/s.");
    QTest::newRow("1G length constant below range")
        << 1000 << all << 0 << straight << 999.0f << 450 << 250 << 330.0f << black
        << QStringLiteral("1 Gbit/s requires that length constant\nis between 10.0 and 65.0 "
                          "(pF/ft) or 32.8 and 213.2 (pF/m)");
    QTest::newRow("1G skew off")
        << 1000 << all << 0 << straight << 1500.0f << 0 << 250 << 330.0f << black
        << QStringLiteral("1 Gbit/s requires that skew must be measured\nand be at most 50ns.");
    QTest::newRow("1G skew 501")
        << 1000 << all << 0 << straight << 1500.0f << 501 << 250 << 330.0f << black
        << QStringLiteral("1 Gbit/s requires that skew must be measured\nand be at most 50ns.");
    QTest::newRow("1G SNR 199")
        << 1000 << all << 0 << straight << 1500.0f << 450 << 199 << 330.0f << black
        << QStringLiteral("1 Gbit/s requires that SNR must be measured\nand be at least 20dB.");

    // 100 Mbit/s, skew off so that only the rate's own rules speak
    const QString firstTwo = QStringLiteral("1100");
    QTest::newRow("100M pairs 0 and 1 swapped, 2 and 3 unused")
        << 100 << firstTwo << 0 << QStringLiteral("10xx") << 1500.0f << 0 << 250 << 330.0f << black
        << kGood;
    QTest::newRow("100M split on pair 2 is allowed")
        << 100 << all << 4 << straight << 1500.0f << 0 << 250 << 330.0f << black << kGood;
    QTest::newRow("100M pair 1 unused")
        << 100 << QStringLiteral("1011") << 0 << straight << 1500.0f << 0 << 250 << 330.0f << black
        << QStringLiteral("100 Mbits/s requires pairs\n 1-2 and 3-6 be in use.");
    QTest::newRow("100M split on pair 1")
        << 100 << firstTwo << 2 << straight << 1500.0f << 0 << 250 << 330.0f << black
        << QStringLiteral("100 Mbits/s requires no \nsplits on pairs 1-2 and 3-6.");
    QTest::newRow("100M pair 0 wired to pair 2")
        << 100 << firstTwo << 0 << QStringLiteral("2xx3") << 1500.0f << 0 << 250 << 330.0f << black
        << QStringLiteral("Invalid pair-mapping\nnot a valid straight through or\ncrossover "
                          "cable can't run 100 Mbits/s.");
    QTest::newRow("100M length constant above range")
        << 100 << firstTwo << 0 << straight << 6501.0f << 0 << 250 << 330.0f << black
        << QStringLiteral("100 Mbits/s requires that length constant\nis between 10.0 and "
                          "65.0(pF/ft) or 32.8 and 213.2 (pF/m)");
    QTest::newRow("100M SNR off")
        << 100 << firstTwo << 0 << straight << 1500.0f << 0 << 0 << 330.0f << black
        << QStringLiteral("100 Mbits/s requires that SNR must be measured\nand be at least 20dB.");

    // skew test on its own
    QTest::newRow("skew test with pair 2 unused")
        << 0 << QStringLiteral("1101") << 0 << straight << 1500.0f << 450 << 0 << 330.0f << black
        << QStringLiteral("Skew test requires\nall 4 pairs be in use.");
    QTest::newRow("skew test with split on pair 2")
        << 0 << all << 4 << straight << 1500.0f << 450 << 0 << 330.0f << black
        << QStringLiteral("Skew test requires\nno splits.");
    QTest::newRow("skew test with pairs 2 and 3 swapped only")
        << 0 << all << 0 << QStringLiteral("0132") << 1500.0f << 450 << 0 << 330.0f << black
        << QStringLiteral("Invalid pair-mapping\nnot a valid straight through or\ncrossover "
                          "cable can't run Skew test.");
    QTest::newRow("skew test with default length constant")
        << 0 << all << 0 << straight << 15000.0f << 450 << 0 << 330.0f << black
        << QStringLiteral("Skew test requires that length constant\nis between 10.0 and "
                          "65.0(pF/ft) or 32.8 and 213.2 (pF/m)");

    // SNR test on its own
    QTest::newRow("SNR test with pair 0 unused")
        << 0 << QStringLiteral("0111") << 0 << straight << 1500.0f << 0 << 250 << 330.0f << black
        << QStringLiteral("SNR test requires pairs\n 1-2 and 3-6 be in use.");
    QTest::newRow("SNR test with split on pair 0")
        << 0 << all << 1 << straight << 1500.0f << 0 << 250 << 330.0f << black
        << QStringLiteral("SNR test requires no \nsplits on pairs 1-2 and 3-6.");
    QTest::newRow("SNR test with pair 0 wired to pair 1 only")
        << 0 << all << 0 << QStringLiteral("1123") << 1500.0f << 0 << 250 << 330.0f << black
        << QStringLiteral("Invalid pair-mapping\nnot a valid straight through or\ncrossover "
                          "cable can't run SNR test.");
    QTest::newRow("SNR test with length constant below range")
        << 0 << all << 0 << straight << 500.0f << 0 << 250 << 330.0f << black
        << QStringLiteral("SNR test requires that length constant\nis between 10.0 and "
                          "65.0(pF/ft) or 32.8 and 213.2 (pF/m).");
    QTest::newRow("SNR test ignores splits on pairs 2 and 3")
        << 0 << all << 12 << straight << 1500.0f << 0 << 250 << 330.0f << black << kGood;

    // warning, mapping and colour
    QTest::newRow("max length 331 warns")
        << 0 << all << 0 << straight << 1500.0f << 0 << 0 << 331.0f << black << kLongWarning;
    QTest::newRow("max length 330.5 warns although it reads 330")
        << 0 << all << 0 << straight << 1500.0f << 0 << 0 << 330.5f << black << kLongWarning;
    QTest::newRow("unset max length warns")
        << 0 << all << 0 << straight << 1500.0f << 0 << 0 << -1.0f << black << kLongWarning;
    QTest::newRow("two near pairs on one far pair")
        << 0 << all << 0 << QStringLiteral("1123") << 1500.0f << 0 << 0 << 330.0f << black
        << kDuplicateMapping;
    QTest::newRow("unmapped pair 2 collides with pair 3 mapped to 2")
        << 0 << all << 0 << QStringLiteral("01x2") << 1500.0f << 0 << 0 << 330.0f << black
        << kDuplicateMapping;
    QTest::newRow("warning does not stop the mapping check")
        << 0 << all << 0 << QStringLiteral("1123") << 1500.0f << 0 << 0 << 331.0f << black
        << kDuplicateMapping;
    QTest::newRow("warning then invalid colour")
        << 0 << all << 0 << straight << 1500.0f << 0 << 0 << 331.0f << QStringLiteral("#12345")
        << QStringLiteral("Invalid color.");
    QTest::newRow("empty colour") << 0 << all << 0 << straight << 1500.0f << 0 << 0 << 330.0f
                                  << QString() << QStringLiteral("Invalid color.");
    QTest::newRow("colour name accepted") << 0 << all << 0 << straight << 1500.0f << 0 << 0
                                          << 330.0f << QStringLiteral("red") << kGood;
}

void TestTestDef::validDef()
{
    QFETCH(int, rate);
    QFETCH(QString, pairs);
    QFETCH(int, splits);
    QFETCH(QString, mapping);
    QFETCH(float, lengthConstant);
    QFETCH(int, skew);
    QFETCH(int, snr);
    QFETCH(float, maxLength);
    QFETCH(QString, color);
    QFETCH(QString, expected);

    const TestDef def =
        makeDef(rate, pairs, splits, mapping, lengthConstant, skew, snr, maxLength, color);
    QCOMPARE(def.validDef(), expected);
}

void TestTestDef::carePair_data()
{
    QTest::addColumn<int>("nearFlags");
    QTest::addColumn<int>("farFlags");
    QTest::addColumn<int>("pair");
    QTest::addColumn<int>("end");
    QTest::addColumn<int>("expected");

    QTest::newRow("near high bit wins over low") << 0x11 << 0 << 0 << 0 << 2;
    QTest::newRow("near low bit only") << 0x04 << 0 << 2 << 0 << 1;
    QTest::newRow("near neither bit") << 0x77 << 0 << 3 << 0 << 0;
    QTest::newRow("far high bit is a split") << 0 << 0x20 << 1 << 1 << 1;
    QTest::newRow("far low bit only") << 0 << 0x08 << 3 << 1 << 0;
    QTest::newRow("far neither bit") << 0 << 0xEE << 0 << 1 << -1;
    QTest::newRow("pair 4") << 0xFF << 0xFF << 4 << 0 << -1;
    QTest::newRow("pair -1") << 0xFF << 0xFF << -1 << 1 << -1;
    QTest::newRow("end 2") << 0xFF << 0xFF << 0 << 2 << -1;
}

void TestTestDef::carePair()
{
    QFETCH(int, nearFlags);
    QFETCH(int, farFlags);
    QFETCH(int, pair);
    QFETCH(int, end);
    QFETCH(int, expected);

    TestDef def(QStringLiteral("T"));
    def.expected().wiremap[0] = quint8(nearFlags);
    def.expected().farEndFlags[0] = quint8(farFlags);
    QCOMPARE(def.carePair(pair, end), expected);
}

void TestTestDef::setPairCare_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("pair");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("end");
    QTest::addColumn<int>("expectedNear");
    QTest::addColumn<int>("expectedFar");

    // The starting byte goes into both ends so that a write to the wrong end
    // shows up.
    QTest::newRow("near 0 clears both bits") << 0x33 << 1 << 0 << 0 << 0x11 << 0x33;
    QTest::newRow("near 1 sets low, clears high") << 0x10 << 0 << 1 << 0 << 0x01 << 0x10;
    QTest::newRow("near 2 sets high, keeps low set") << 0x04 << 2 << 2 << 0 << 0x44 << 0x04;
    QTest::newRow("near 2 sets high, keeps low clear") << 0x00 << 3 << 2 << 0 << 0x80 << 0x00;
    QTest::newRow("far 0 sets low, clears high") << 0x20 << 1 << 0 << 1 << 0x20 << 0x02;
    QTest::newRow("far 1 sets high, keeps low") << 0x01 << 0 << 1 << 1 << 0x01 << 0x11;
    QTest::newRow("far 1 sets high, keeps low clear") << 0x00 << 2 << 1 << 1 << 0x00 << 0x40;

    QTest::newRow("near 3 changes nothing") << 0x5A << 1 << 3 << 0 << 0x5A << 0x5A;
    QTest::newRow("near -1 changes nothing") << 0x5A << 1 << -1 << 0 << 0x5A << 0x5A;
    QTest::newRow("far -1 cannot clear") << 0x5A << 1 << -1 << 1 << 0x5A << 0x5A;
    QTest::newRow("far 2 changes nothing") << 0x5A << 1 << 2 << 1 << 0x5A << 0x5A;
    QTest::newRow("end 2 changes nothing") << 0x5A << 1 << 0 << 2 << 0x5A << 0x5A;
    QTest::newRow("pair 4 changes nothing") << 0x5A << 4 << 0 << 0 << 0x5A << 0x5A;
    QTest::newRow("pair -1 changes nothing") << 0x5A << -1 << 1 << 1 << 0x5A << 0x5A;
}

void TestTestDef::setPairCare()
{
    QFETCH(int, flags);
    QFETCH(int, pair);
    QFETCH(int, value);
    QFETCH(int, end);
    QFETCH(int, expectedNear);
    QFETCH(int, expectedFar);

    TestDef def(QStringLiteral("T"));
    def.expected().wiremap[0] = quint8(flags);
    def.expected().farEndFlags[0] = quint8(flags);
    const int before = def.carePair(pair, end);
    def.setPairCare(pair, value, end);

    QCOMPARE(int(def.expected().wiremap[0]), expectedNear);
    QCOMPARE(int(def.expected().farEndFlags[0]), expectedFar);
    const bool changed = expectedNear != flags || expectedFar != flags;
    QCOMPARE(def.carePair(pair, end), changed ? value : before);
}

void TestTestDef::pairMapping_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("expected");
    QTest::newRow("0xFF is unmapped") << 0xFF << 2;
    QTest::newRow("0x80 is negative, unmapped") << 0x80 << 2;
    QTest::newRow("4 is out of range") << 4 << 2;
    QTest::newRow("mapped to 0") << 0 << 0;
    QTest::newRow("mapped to 3") << 3 << 3;
}

void TestTestDef::pairMapping()
{
    QFETCH(int, stored);
    QFETCH(int, expected);
    TestDef def(QStringLiteral("T"));
    def.setPairMapping(2, stored);
    QCOMPARE(int(def.expected().wiremap[3]), stored);
    QCOMPARE(def.getPairTo(2), expected);
}

void TestTestDef::setPairMappingStaysInTheMappingBytes()
{
    TestDef def(QStringLiteral("T"));
    def.expected().wiremap[0] = 0x0F;
    def.setPairMapping(-1, 0); // would land on the near-end flags
    def.setPairMapping(4, 0);  // would land on a byte of the tester's
    QCOMPARE(def.expected().wiremap[0], quint8(0x0F));
    QCOMPARE(def.expected().wiremap[5], quint8(0xFF));
    QCOMPARE(def.getPairTo(4), 4);
    QCOMPARE(def.getPairTo(-1), -1);
}

QTEST_APPLESS_MAIN(TestTestDef)
#include "tst_testdef.moc"
