#include "io/textcodecs_p.h"

#include <QtTest>

#include <cstring>

namespace {
cable_struct unmeasured()
{
    return TestResults().results();
}

// Every group holds a distinct value, so a swapped or shifted group shows up.
cable_struct patternedBlock()
{
    cable_struct block;
    std::memset(&block, 0, sizeof(block));
    const quint8 status[4] = {0x01, 0x02, 0x03, 0x04};
    std::memcpy(block.pairStatus, status, 4);
    const qint32 values[4] = {0x1234, 0xABCD, 0, -1};
    std::memcpy(block.pairValues, values, sizeof(values));
    const quint8 wires[10] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 0x9A};
    std::memcpy(block.wiremap, wires, 10);
    const qint32 lengths[4] = {250, 70000, 0x7FFF, -1};
    std::memcpy(block.pairLength, lengths, sizeof(lengths));
    block.farEndFlags[0] = 0x0F;
    block.farEndFlags[1] = 0xF0;
    const qint32 extras[8] = {1, 2, 3, 4, 5, 6, 0xFFFF, -1};
    std::memcpy(block.pairExtra, extras, sizeof(extras));
    return block;
}

const char kPatternedText[] = "01020304"                          // pairStatus
                              "1234ABCD0000FFFF"                  // pairValues
                              "0001020304050607089A"              // wiremap
                              "00FA11707FFFFFFF"                  // pairLength
                              "0FF0"                              // farEndFlags
                              "000100020003000400050006FFFFFFFF"; // pairExtra

LUMEN_PLOT_DATA plotWithPoints(int points)
{
    LUMEN_PLOT_DATA plot{};
    for (int i = 0; i < 257; ++i) {
        plot.series1[i] = i * 3;
        plot.series2[i] = -i * 1000;
    }
    plot.pointCount = points;
    return plot;
}

QString repeated(const QString& part, int times)
{
    QString text;
    for (int i = 0; i < times; ++i)
        text += part;
    return text;
}
} // namespace

class TestTextCodecs : public QObject
{
    Q_OBJECT

private slots:
    void defaultBlockIsAllF();
    void blockLayoutAndByteOrder();
    void blockKeepsLow16Bits();
    void shortOrLongBlockText_data();
    void shortOrLongBlockText();
    void zeroPlotText();
    void incompletePlotIsEmptyText_data();
    void incompletePlotIsEmptyText();
    void plotRoundTrip();
    void plotDecoding_data();
    void plotDecoding();
    void hugePlotTextIsCut();
    void flagsEncode();
    void flagsDecode_data();
    void flagsDecode();
};

void TestTextCodecs::defaultBlockIsAllF()
{
    const QString text = TextCodecs::encodeMeasurementBlock(unmeasured());
    QCOMPARE(text, QString(96, QLatin1Char('F')));

    const cable_struct block = TextCodecs::decodeMeasurementBlock(text);
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(block.pairStatus[i], quint8(0xFF));
        QCOMPARE(block.pairValues[i], 65535);
        QCOMPARE(block.pairLength[i], 65535);
    }
    for (quint8 wire : block.wiremap)
        QCOMPARE(wire, quint8(0xFF));
    QCOMPARE(block.farEndFlags[0], quint8(0xFF));
    QCOMPARE(block.farEndFlags[1], quint8(0xFF));
    for (qint32 extra : block.pairExtra)
        QCOMPARE(extra, -1);
}

void TestTextCodecs::blockLayoutAndByteOrder()
{
    const QString expected = QString::fromLatin1(kPatternedText);
    QCOMPARE(expected.size(), 96);
    QCOMPARE(TextCodecs::encodeMeasurementBlock(patternedBlock()), expected);

    const cable_struct block = TextCodecs::decodeMeasurementBlock(expected);
    QCOMPARE(block.pairStatus[3], quint8(0x04));
    QCOMPARE(block.pairValues[0], 0x1234);
    QCOMPARE(block.pairValues[1], 0xABCD);
    QCOMPARE(block.pairValues[3], 65535);
    QCOMPARE(block.wiremap[9], quint8(0x9A));
    QCOMPARE(block.pairLength[0], 250);
    QCOMPARE(block.pairLength[3], 65535);
    QCOMPARE(block.farEndFlags[1], quint8(0xF0));
    QCOMPARE(block.pairExtra[5], 6);
    QCOMPARE(block.pairExtra[6], -1);
    QCOMPARE(block.pairExtra[7], -1);
}

void TestTextCodecs::blockKeepsLow16Bits()
{
    cable_struct block = unmeasured();
    block.pairLength[2] = 70000;
    block.pairValues[1] = 0x12345;
    const cable_struct back =
        TextCodecs::decodeMeasurementBlock(TextCodecs::encodeMeasurementBlock(block));
    QCOMPARE(back.pairLength[2], 4464);
    QCOMPARE(back.pairValues[1], 0x2345);
}

void TestTextCodecs::shortOrLongBlockText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("firstStatus");
    QTest::addColumn<int>("lastExtra");

    QTest::newRow("empty reads as unmeasured") << QString() << 0xFF << -1;
    QTest::newRow("two digits then unmeasured") << "01" << 0x01 << -1;
    QTest::newRow("odd length fills the low nibble") << "0" << 0x0F << -1;
    QTest::newRow("95 digits") << QString::fromLatin1(kPatternedText).left(95) << 0x01 << -1;
    QTest::newRow("characters after 96 ignored")
        << (QString(92, QLatin1Char('0')) + QStringLiteral("00070000")) << 0x00 << 7;
}

void TestTextCodecs::shortOrLongBlockText()
{
    QFETCH(QString, text);
    QFETCH(int, firstStatus);
    QFETCH(int, lastExtra);
    const cable_struct block = TextCodecs::decodeMeasurementBlock(text);
    QCOMPARE(int(block.pairStatus[0]), firstStatus);
    QCOMPARE(block.pairExtra[7], lastExtra);
}

void TestTextCodecs::zeroPlotText()
{
    LUMEN_PLOT_DATA plot{};
    plot.pointCount = 257;
    const QString expected = repeated(QStringLiteral("0,"), 514) + QStringLiteral("257,");
    QCOMPARE(TextCodecs::encodePlot(plot), expected);
}

void TestTextCodecs::incompletePlotIsEmptyText_data()
{
    QTest::addColumn<int>("points");
    QTest::newRow("256 points") << 256;
    QTest::newRow("258 points") << 258;
    QTest::newRow("no points") << 0;
}

void TestTextCodecs::incompletePlotIsEmptyText()
{
    QFETCH(int, points);
    const QString text = TextCodecs::encodePlot(plotWithPoints(points));
    QVERIFY(text.isEmpty());
    QCOMPARE(TextCodecs::decodePlot(text).pointCount, 0);
}

void TestTextCodecs::plotRoundTrip()
{
    LUMEN_PLOT_DATA plot = plotWithPoints(257);
    plot.header[0] = 77; // never written
    const QString text = TextCodecs::encodePlot(plot);
    QVERIFY(text.endsWith(QStringLiteral(",-256000,257,")));

    const LUMEN_PLOT_DATA back = TextCodecs::decodePlot(text);
    plot.header[0] = 0;
    QVERIFY(std::memcmp(&back, &plot, sizeof(plot)) == 0);
}

void TestTextCodecs::plotDecoding_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("index"); // 0..256 series1, 257..513 series2, 514 point count
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("pointCount");

    QTest::newRow("few parts") << "5,6,7" << 2 << 7 << 0;
    QTest::newRow("later values stay 0") << "5,6,7" << 3 << 0 << 0;
    QTest::newRow("no trailing comma") << "42" << 0 << 42 << 0;
    QTest::newRow("bad number reads 0") << "x,9" << 0 << 0 << 0;
    QTest::newRow("after a bad number") << "x,9" << 1 << 9 << 0;
    QTest::newRow("empty part reads 0") << "1,,3" << 1 << 0 << 0;
    QTest::newRow("number too big for 32 bits") << "99999999999,1" << 0 << 0 << 0;
    QTest::newRow("negative") << "-12" << 0 << -12 << 0;
    QTest::newRow("second series")
        << (repeated(QStringLiteral("1,"), 257) + QStringLiteral("-4,")) << 257 << -4 << 0;
    QTest::newRow("point count is the 515th number")
        << (repeated(QStringLiteral("0,"), 514) + QStringLiteral("12,")) << 514 << 12 << 12;
    QTest::newRow("parts after 514 ignored")
        << (repeated(QStringLiteral("2,"), 514) + QStringLiteral("257,3,4,5,")) << 513 << 2 << 257;
}

void TestTextCodecs::plotDecoding()
{
    QFETCH(QString, text);
    QFETCH(int, index);
    QFETCH(int, value);
    QFETCH(int, pointCount);

    const LUMEN_PLOT_DATA plot = TextCodecs::decodePlot(text);
    const qint32 got = index < 257   ? plot.series1[index]
                       : index < 514 ? plot.series2[index - 257]
                                     : plot.pointCount;
    QCOMPARE(got, value);
    QCOMPARE(plot.pointCount, pointCount);
    QCOMPARE(plot.header[0], 0);
    QCOMPARE(plot.header[320], 0);
}

void TestTextCodecs::hugePlotTextIsCut()
{
    const QString text = TextCodecs::encodePlot(plotWithPoints(257)) +
                         repeated(QStringLiteral("123456789,"), 1000000);
    const LUMEN_PLOT_DATA plot = TextCodecs::decodePlot(text);
    QCOMPARE(plot.pointCount, 257);
    QCOMPARE(plot.series1[256], 256 * 3);
    QCOMPARE(plot.series2[256], -256000);
}

void TestTextCodecs::flagsEncode()
{
    const bool flags[4] = {true, false, true, false};
    QCOMPARE(TextCodecs::encodeFlags(flags), QStringLiteral("1010"));
    const bool none[4] = {false, false, false, false};
    QCOMPARE(TextCodecs::encodeFlags(none), QStringLiteral("0000"));
    QVERIFY(TextCodecs::encodeFlags(nullptr).isEmpty());
}

void TestTextCodecs::flagsDecode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("after"); // flags after the call, from a start of "0101"

    QTest::newRow("four valid flags") << "1010" << true << "1010";
    QTest::newRow("letter stops at position 1") << "1x.." << false << "1101";
    QTest::newRow("bad first character changes nothing") << "x111" << false << "0101";
    QTest::newRow("two characters rejected") << "10" << false << "1001";
    QTest::newRow("empty rejected") << "" << false << "0101";
    QTest::newRow("only four read") << "00001" << true << "0000";
}

void TestTextCodecs::flagsDecode()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(QString, after);

    bool flags[4] = {false, true, false, true};
    QCOMPARE(TextCodecs::decodeFlags(text, flags), ok);
    QCOMPARE(TextCodecs::encodeFlags(flags), after);
    QVERIFY(!TextCodecs::decodeFlags(QStringLiteral("1111"), nullptr));
}

QTEST_APPLESS_MAIN(TestTextCodecs)
#include "tst_textcodecs.moc"
