#include "runekit.h"

#include <QApplication>
#include <QDialog>
#include <QFont>
#include <QFontMetrics>
#include <QPointF>
#include <QScreen>
#include <QTest>

#include <climits>
#include <cmath>
#include <limits>

namespace {

const QString kLongWord = QStringLiteral("abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyz");

QFont testFont()
{
    QFont font;
    font.setPixelSize(14);
    return font;
}

int advance(const QString& s)
{
    return QFontMetrics(testFont()).horizontalAdvance(s);
}

} // namespace

class TestHelpers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The wrapping checks mean nothing without a font that has widths.
        QVERIFY(advance(QStringLiteral("abc")) > 0);
        QVERIFY(advance(kLongWord) > advance(QStringLiteral("abc")));
    }

    void roundToHalf_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<float>("expected");
        QTest::newRow("just under the 24 threshold goes down") << 1.23f << 1.0f;
        QTest::newRow("24 hundredths already goes up") << 1.24f << 1.5f;
        QTest::newRow("just under three quarters goes down") << 1.74f << 1.5f;
        QTest::newRow("three quarters goes up") << 1.75f << 2.0f;
        QTest::newRow("just under a half goes up") << 3.49f << 3.5f;
        QTest::newRow("a half stays") << 3.5f << 3.5f;
        QTest::newRow("above three quarters goes up") << 3.76f << 4.0f;
        QTest::newRow("whole stays") << 2.0f << 2.0f;
        QTest::newRow("zero") << 0.0f << 0.0f;
    }
    void roundToHalf()
    {
        QFETCH(float, value);
        QFETCH(float, expected);
        QCOMPARE(Runekit::roundToHalf(value), expected);
        QCOMPARE(Runekit::roundToHalf(QString::number(double(value))), expected);
    }

    void roundToTenths_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<float>("expected");
        QTest::newRow("five hundredths goes down") << 1.25f << 1.2f;
        QTest::newRow("six hundredths goes up") << 2.46f << 2.5f;
        QTest::newRow("float just under 1.26 goes down") << 1.26f << 1.2f;
        QTest::newRow("2.25 goes down") << 2.25f << 2.2f;
        QTest::newRow("thousandths are cut before rounding") << 2.375f << 2.4f;
        QTest::newRow("nine hundredths carries") << 1.99f << 2.0f;
        QTest::newRow("tenth stays") << 0.7f << 0.7f;
    }
    void roundToTenths()
    {
        QFETCH(float, value);
        QFETCH(float, expected);
        QCOMPARE(Runekit::roundToTenths(value), expected);
    }

    void roundingFromText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<float>("half");
        QTest::addColumn<float>("tenths");
        QTest::newRow("number") << QStringLiteral("2.46") << 2.5f << 2.5f;
        QTest::newRow("not a number") << QStringLiteral("x") << 0.0f << 0.0f;
        QTest::newRow("empty") << QString() << 0.0f << 0.0f;
    }
    void roundingFromText()
    {
        QFETCH(QString, text);
        QFETCH(float, half);
        QFETCH(float, tenths);
        QCOMPARE(Runekit::roundToHalf(text), half);
        QCOMPARE(Runekit::roundToTenths(text), tenths);
    }

    void roundingBeyondHundredths()
    {
        // No fractional digits left at this size: the value is already round.
        const float huge = 3.0e10f;
        QCOMPARE(Runekit::roundToHalf(huge), huge);
        QCOMPARE(Runekit::roundToTenths(-huge), -huge);
        const float inf = std::numeric_limits<float>::infinity();
        QCOMPARE(Runekit::roundToHalf(inf), inf);
        QVERIFY(std::isnan(Runekit::roundToTenths(std::nanf(""))));
    }

    void floatToIntRound_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("half goes up") << 2.5f << 3;
        QTest::newRow("below half goes down") << 2.49f << 2;
        QTest::newRow("negative truncates") << -1.7f << -1;
        QTest::newRow("zero") << 0.0f << 0;
        QTest::newRow("too large clamps") << 3.0e9f << INT_MAX;
        QTest::newRow("too small clamps") << -3.0e9f << INT_MIN;
        QTest::newRow("not a number") << std::nanf("") << 0;
    }
    void floatToIntRound()
    {
        QFETCH(float, value);
        QFETCH(int, expected);
        QCOMPARE(Runekit::floatToIntRound(value), expected);
    }

    void convertFeetToMeters_data()
    {
        QTest::addColumn<double>("feet");
        QTest::addColumn<bool>("roundDown");
        QTest::addColumn<double>("expected");
        QTest::newRow("10 ft rounds down to 3") << 10.0 << true << 3.0;
        QTest::newRow("10 ft exact") << 10.0 << false << 10.0 / 3.2808399;
        QTest::newRow("2 ft rounds down to a half") << 2.0 << true << 0.5;
        QTest::newRow("4 ft rounds down to 1") << 4.0 << true << 1.0;
        QTest::newRow("zero") << 0.0 << true << 0.0;
    }
    void convertFeetToMeters()
    {
        QFETCH(double, feet);
        QFETCH(bool, roundDown);
        QFETCH(double, expected);
        QCOMPARE(Runekit::convertFeetToMeters(feet, roundDown), expected);
    }

    void convertFeetToMetersValue()
    {
        QVERIFY(qAbs(Runekit::convertFeetToMeters(10, false) - 3.048) < 1e-6);
    }

    void getDistance_data()
    {
        QTest::addColumn<QPointF>("a");
        QTest::addColumn<QPointF>("b");
        QTest::addColumn<double>("expected");
        QTest::newRow("first point unplaced") << QPointF(0, 0) << QPointF(360, 0) << -1.0;
        QTest::newRow("second point unplaced") << QPointF(360, 0) << QPointF(0, 0) << -1.0;
        QTest::newRow("negative zero is unplaced") << QPointF(-0.0, 0) << QPointF(5, 5) << -1.0;
        QTest::newRow("one unit along x") << QPointF(1, 0) << QPointF(361, 0) << 1.0;
        QTest::newRow("diagonal") << QPointF(1, 1) << QPointF(217, 289) << 1.0;
        QTest::newRow("same point") << QPointF(7, 7) << QPointF(7, 7) << 0.0;
        QTest::newRow("on an axis but not the origin")
            << QPointF(0, 720) << QPointF(0, 1080) << 1.0;
    }
    void getDistance()
    {
        QFETCH(QPointF, a);
        QFETCH(QPointF, b);
        QFETCH(double, expected);
        QCOMPARE(Runekit::getDistance(&a, &b), expected);
        QCOMPARE(Runekit::getDistance(&b, &a), expected);
    }

    void getDistanceMissingPoint()
    {
        QPointF p(10, 10);
        QCOMPARE(Runekit::getDistance(nullptr, &p), -1.0);
        QCOMPARE(Runekit::getDistance(&p, nullptr), -1.0);
        QCOMPARE(Runekit::getDistance(nullptr, nullptr), -1.0);
    }

    void iconScale_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<double>("percent");
        QTest::newRow("largest") << 0 << 2.0;
        QTest::newRow("normal") << 1 << 1.0;
        QTest::newRow("three quarters") << 2 << 0.75;
        QTest::newRow("half") << 3 << 0.5;
        QTest::newRow("quarter") << 4 << 0.25;
    }
    void iconScale()
    {
        QFETCH(int, index);
        QFETCH(double, percent);
        QCOMPARE(Runekit::iconScaleIndexToPercent(index), percent);
        QCOMPARE(Runekit::iconScalePercentToIndex(percent), index);
    }

    void iconScaleUnknown()
    {
        QCOMPARE(Runekit::iconScaleIndexToPercent(7), 1.0);
        QCOMPARE(Runekit::iconScaleIndexToPercent(-1), 1.0);
        QCOMPARE(Runekit::iconScalePercentToIndex(0.6), 0);
        QCOMPARE(Runekit::iconScalePercentToIndex(0.7500001), 0);
    }

    void appendPathSeparator_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
        QTest::newRow("forward slash does not count")
            << QStringLiteral("C:/jobs/") << QStringLiteral("C:/jobs/\\");
        QTest::newRow("backslash already there")
            << QStringLiteral("C:\\jobs\\") << QStringLiteral("C:\\jobs\\");
        QTest::newRow("no separator") << QStringLiteral("C:\\jobs") << QStringLiteral("C:\\jobs\\");
        QTest::newRow("empty") << QString() << QStringLiteral("\\");
    }
    void appendPathSeparator()
    {
        QFETCH(QString, path);
        QFETCH(QString, expected);
        QCOMPARE(Runekit::appendPathSeparator(path), expected);
    }

    void dialogSizeForScreen_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("1280x1024 is no listed screen") << QSize(1280, 1024) << QSize(600, 300);
        QTest::newRow("1152x864") << QSize(1152, 864) << QSize(540, 253);
        QTest::newRow("1280x720") << QSize(1280, 720) << QSize(540, 253);
        QTest::newRow("1280x960") << QSize(1280, 960) << QSize(540, 253);
        QTest::newRow("1024x768") << QSize(1024, 768) << QSize(480, 225);
        QTest::newRow("1088x612") << QSize(1088, 612) << QSize(480, 225);
        QTest::newRow("1024x600 is no listed screen") << QSize(1024, 600) << QSize(600, 300);
        QTest::newRow("800x600") << QSize(800, 600) << QSize(375, 175);
        QTest::newRow("960x600") << QSize(960, 600) << QSize(375, 175);
        QTest::newRow("640x480") << QSize(640, 480) << QSize(300, 140);
        QTest::newRow("640x600 is no listed screen") << QSize(640, 600) << QSize(600, 300);
        QTest::newRow("full hd is no listed screen") << QSize(1920, 1080) << QSize(600, 300);
    }
    void dialogSizeForScreen()
    {
        QFETCH(QSize, screen);
        QFETCH(QSize, expected);
        QCOMPARE(Runekit::dialogSizeForScreen(screen), expected);
    }

    void resizeDialogScale()
    {
        const QScreen* screen = QGuiApplication::primaryScreen();
        QVERIFY(screen);
        QDialog dialog;
        dialog.resize(10, 10);
        Runekit::resizeDialogScale(&dialog);
        QCOMPARE(dialog.size(), Runekit::dialogSizeForScreen(screen->size()));
        Runekit::resizeDialogScale(nullptr);
    }

    void wrapKeepsTextThatFits_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("one word") << QStringLiteral("hi") << QStringLiteral("hi");
        QTest::newRow("two words") << QStringLiteral("hi there") << QStringLiteral("hi there");
        QTest::newRow("inner spaces kept") << QStringLiteral("a  b") << QStringLiteral("a  b");
        QTest::newRow("line break kept")
            << QStringLiteral("one\ntwo") << QStringLiteral("one\ntwo");
        QTest::newRow("blank line kept") << QStringLiteral("a\n\nb") << QStringLiteral("a\n\nb");
        QTest::newRow("trailing spaces dropped")
            << QStringLiteral("end  ") << QStringLiteral("end");
        QTest::newRow("spaces before a break dropped")
            << QStringLiteral("a \nb") << QStringLiteral("a\nb");
    }
    void wrapKeepsTextThatFits()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(Runekit::wordWrap(text, testFont(), 1000, -1), expected);
    }

    void wrapBreaksBetweenWords_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("firstLine");
        QTest::addColumn<QString>("expected");
        QTest::newRow("third word moves down")
            << QStringLiteral("aaa bbb ccc") << QStringLiteral("aaa bbb")
            << QStringLiteral("aaa bbb\nccc");
        QTest::newRow("spaces at the break dropped")
            << QStringLiteral("bbb    aaa") << QStringLiteral("bbb") << QStringLiteral("bbb\naaa");
        QTest::newRow("own break starts a fresh line")
            << QStringLiteral("aa\nbbb ccc ddd") << QStringLiteral("bbb ccc")
            << QStringLiteral("aa\nbbb ccc\nddd");
    }
    void wrapBreaksBetweenWords()
    {
        QFETCH(QString, text);
        QFETCH(QString, firstLine);
        QFETCH(QString, expected);
        // Just wide enough for the widest line: a line fits below width - 10.
        const int width = advance(firstLine) + 11;
        QCOMPARE(Runekit::wordWrap(text, testFont(), width, -1), expected);
    }

    void wrapBreaksLongWord_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::newRow("word alone") << QString();
        QTest::newRow("word after a short one") << QStringLiteral("ab ");
    }
    void wrapBreaksLongWord()
    {
        QFETCH(QString, prefix);
        const int limit = advance(QStringLiteral("abcdefghij"));
        const QString wrapped = Runekit::wordWrap(prefix + kLongWord, testFont(), limit + 10, -1);
        const QStringList lines = wrapped.split(QLatin1Char('\n'));
        QVERIFY2(lines.size() >= 3, qPrintable(wrapped));
        QVERIFY2(lines.first().startsWith(prefix + QLatin1Char('a')), qPrintable(wrapped));

        QString rebuilt;
        for (int i = 0; i < lines.size(); ++i) {
            QString part = lines.at(i);
            const bool last = i == lines.size() - 1;
            QCOMPARE(part.endsWith(QLatin1Char('-')), !last);
            if (!last)
                part.chop(1);
            QVERIFY2(!part.isEmpty(), qPrintable(wrapped));
            QVERIFY2(advance(part) <= limit, qPrintable(part));
            if (!last) {
                // Each part is the longest that fits: one more letter would not.
                const QChar next = lines.at(i + 1).at(0);
                QVERIFY2(advance(part + next) > limit, qPrintable(part));
            }
            rebuilt += part;
        }
        QCOMPARE(rebuilt, prefix + kLongWord);
        QCOMPARE(Runekit::wordWrapLines(prefix + kLongWord, testFont(), limit + 10, -1),
                 int(lines.size()));
    }

    void wrapNarrowerThanOneLetter()
    {
        QCOMPARE(Runekit::wordWrap(QStringLiteral("abc"), testFont(), 0, -1),
                 QStringLiteral("a-\nb-\nc"));
        QCOMPARE(Runekit::wordWrap(QStringLiteral("ab cd"), testFont(), -50, -1),
                 QStringLiteral("a-\nb\nc-\nd"));
    }

    void wrapMaxLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("maxLines");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("lines");
        const QString four = QStringLiteral("a\nb\nc\nd");
        QTest::newRow("no limit") << four << -1 << four << 4;
        QTest::newRow("zero sets no limit") << four << 0 << four << 4;
        QTest::newRow("cut to one line") << four << 1 << QStringLiteral("a") << 1;
        QTest::newRow("cut to two lines") << four << 2 << QStringLiteral("a\nb") << 2;
        QTest::newRow("one line over the limit is cut")
            << four << 3 << QStringLiteral("a\nb\nc") << 3;
        QTest::newRow("exactly at the limit") << four << 4 << four << 4;
        QTest::newRow("under the limit") << four << 9 << four << 4;
        QTest::newRow("empty text is one line") << QString() << 2 << QString() << 1;
    }
    void wrapMaxLines()
    {
        QFETCH(QString, text);
        QFETCH(int, maxLines);
        QFETCH(QString, expected);
        QFETCH(int, lines);
        QCOMPARE(Runekit::wordWrap(text, testFont(), 1000, maxLines), expected);
        QCOMPARE(Runekit::wordWrapLines(text, testFont(), 1000, maxLines), lines);
    }

    void wrapMaxLinesCutsInsertedBreaks()
    {
        const int limit = advance(QStringLiteral("abcdefghij"));
        const QString all = Runekit::wordWrap(kLongWord, testFont(), limit + 10, -1);
        const QString two = Runekit::wordWrap(kLongWord, testFont(), limit + 10, 2);
        QCOMPARE(two.count(QLatin1Char('\n')), 1);
        QVERIFY(all.startsWith(two + QLatin1Char('\n')));
        QVERIFY(two.endsWith(QLatin1Char('-')));
    }
};

QTEST_MAIN(TestHelpers)
#include "tst_helpers.moc"
