#include "pagesettings.h"
#include "papersizes_p.h"
#include "printsettings.h"
#include "scalesettings.h"

#include <QObject>
#include <QSet>
#include <QtTest>

#include <cmath>
#include <iterator>
#include <limits>

namespace {

QString s(const char* text)
{
    return QString::fromLatin1(text);
}

QString describe(const PrintSettings& p)
{
    return QStringLiteral("paper=%1 orientation=%2 zoom=%3 across=%4 down=%5 style=%6")
        .arg(p.paperSize())
        .arg(p.orientation())
        .arg(p.printZoom())
        .arg(p.fitToAcross())
        .arg(p.fitToDown())
        .arg(p.printZoomStyle());
}

QString describe(const PageSettings& p)
{
    return QStringLiteral("page=%1 standard=%2 orientation=%3 style=%4 units=%5 h=%6 w=%7")
        .arg(p.pageSize(), p.pageStandard())
        .arg(p.orientation())
        .arg(p.pageSizeStyle())
        .arg(p.pageUnits())
        .arg(p.customHeight())
        .arg(p.customWidth());
}

QString describe(const ScaleSettings& p)
{
    return QStringLiteral("family=%1 scale=%2 wu=%3 hu=%4 w=%5 h=%6 style=%7")
        .arg(p.predefinedScaleStyle(), p.predefinedScale())
        .arg(p.widthUnits())
        .arg(p.heightUnits())
        .arg(p.customWidth())
        .arg(p.customHeight())
        .arg(p.style());
}

PrintSettings samplePrint()
{
    return PrintSettings(s("A3: 297 mm. x 420 mm."), 0, 75, 2, 3, 1);
}
PageSettings samplePage()
{
    return PageSettings(s("B5: 182 mm. x 257 mm."), s("Metric (ISO)"), 0, 2, 1, 20.5, 30.25);
}
ScaleSettings sampleScale()
{
    return ScaleSettings(s("Metric"), s("1 : 5"), 1, 2, 3.5, 12.75, 1);
}

template <typename T>
void checkCopySemantics(const T& filled)
{
    QObject sourceParent;
    QObject targetParent;
    T source(filled);
    source.setParent(&sourceParent);

    T copy(source);
    QCOMPARE(copy.parent(), &sourceParent);
    QCOMPARE(describe(copy), describe(filled));

    T assigned;
    assigned.setParent(&targetParent);
    assigned = source;
    QCOMPARE(assigned.parent(), &targetParent);
    QCOMPARE(describe(assigned), describe(filled));

    T& alias = assigned;
    assigned = alias;
    QCOMPARE(describe(assigned), describe(filled));
    QCOMPARE(T(filled).parent(), nullptr);
}

} // namespace

class TestSettingsRecords : public QObject
{
    Q_OBJECT

private slots:
    void records_data();
    void records();
    void copySemantics();
    void paperDimensions_data();
    void paperDimensions();
    void paperTable();
    void pageDimensions_data();
    void pageDimensions();
    void scaleFactor_data();
    void scaleFactor();
    void isMetric_data();
    void isMetric();
    void scaleEquality_data();
    void scaleEquality();
};

void TestSettingsRecords::records_data()
{
    QTest::addColumn<QString>("actual");
    QTest::addColumn<QString>("expected");

    QTest::newRow("default PrintSettings is landscape letter at 100%")
        << describe(PrintSettings())
        << s("paper=Letter: 8.5 in. x 11 in. orientation=1 zoom=100 across=1 down=1 style=0");
    QTest::newRow("PrintSettings fields in argument order")
        << describe(samplePrint())
        << s("paper=A3: 297 mm. x 420 mm. orientation=0 zoom=75 across=2 down=3 style=1");
    QTest::newRow("default PageSettings has no fixed size, 11 x 8.5 custom")
        << describe(PageSettings())
        << s("page=Letter: 8.5 in. x 11 in. standard=Standard orientation=1 style=0 units=0 "
             "h=8.5 w=11");
    QTest::newRow("PageSettings takes width before height")
        << describe(samplePage())
        << s("page=B5: 182 mm. x 257 mm. standard=Metric (ISO) orientation=0 style=2 units=1 "
             "h=30.25 w=20.5");
    QTest::newRow("default ScaleSettings is English 1\" = 20'0\"")
        << describe(ScaleSettings())
        << s("family=English scale=1\" = 20'0\" wu=0 hu=0 w=1 h=1 style=0");
    QTest::newRow("ScaleSettings fields in argument order")
        << describe(sampleScale())
        << s("family=Metric scale=1 : 5 wu=1 hu=2 w=3.5 h=12.75 style=1");
}

void TestSettingsRecords::records()
{
    QFETCH(QString, actual);
    QFETCH(QString, expected);
    QCOMPARE(actual, expected);
}

void TestSettingsRecords::copySemantics()
{
    checkCopySemantics(samplePrint());
    checkCopySemantics(samplePage());
    checkCopySemantics(sampleScale());
}

void TestSettingsRecords::paperDimensions_data()
{
    QTest::addColumn<QString>("paper");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");

    QTest::newRow("letter landscape") << s("Letter: 8.5 in. x 11 in.") << 1 << 11.0 << 8.5;
    QTest::newRow("letter portrait") << s("Letter: 8.5 in. x 11 in.") << 0 << 8.5 << 11.0;
    QTest::newRow("A4 portrait keeps 8.26") << s("A4: 210 mm. x 297 mm.") << 0 << 8.26 << 11.692;
    QTest::newRow("A5 short side 5.826, long side 8.267")
        << s("A5: 148 mm. x 210 mm.") << 0 << 5.826 << 8.267;
    QTest::newRow("A6 long side 5.827") << s("A6: 105 mm. x 148 mm.") << 1 << 5.827 << 4.134;
    QTest::newRow("A9 with four decimals") << s("A9: 37 mm. x 52 mm.") << 0 << 1.4567 << 2.047;
    QTest::newRow("B0 landscape") << s("B0: 1030 mm. x 1456 mm.") << 1 << 57.323 << 40.551;
    QTest::newRow("DLE envelope") << s("DLE: 110 mm. x 220 mm.") << 0 << 4.331 << 8.661;
    QTest::newRow("ANSI A is not letter by name") << s("A: 8.5 in. x 11 in.") << 0 << 8.5 << 11.0;
    QTest::newRow("last architectural size") << s("30 in. x 42 in.") << 1 << 42.0 << 30.0;
    QTest::newRow("unknown name") << s("A4") << 0 << -1.0 << -1.0;
    QTest::newRow("names compare exactly") << s("letter: 8.5 in. x 11 in.") << 1 << -1.0 << -1.0;
    QTest::newRow("empty name") << QString() << 0 << -1.0 << -1.0;
    QTest::newRow("orientation 2") << s("Letter: 8.5 in. x 11 in.") << 2 << -1.0 << -1.0;
    QTest::newRow("orientation -1") << s("A4: 210 mm. x 297 mm.") << -1 << -1.0 << -1.0;
}

void TestSettingsRecords::paperDimensions()
{
    QFETCH(QString, paper);
    QFETCH(int, orientation);
    QFETCH(double, width);
    QFETCH(double, height);

    PrintSettings print;
    print.setPaperSize(paper);
    print.setOrientation(orientation);
    QCOMPARE(print.getPageWidthDimension(), width);
    QCOMPARE(print.getPageHeightDimension(), height);

    // A predefined page size follows the same table.
    PageSettings page(paper, QString(), orientation, 1, 0, 99.0, 77.0);
    QCOMPARE(page.getPageWidthDimension(), width);
    QCOMPARE(page.getPageHeightDimension(), height);
}

void TestSettingsRecords::paperTable()
{
    using namespace DuctbookConstants;
    const QStringList names = paperSizeNames();
    QCOMPARE(names.size(), 38);
    QCOMPARE(names.first(), s("Letter: 8.5 in. x 11 in."));
    QCOMPARE(names.last(), s("30 in. x 42 in."));
    QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), 38);

    QCOMPARE(pageStandardNames(), QStringList({s("Standard"), s("Metric (ISO)"),
                                               s("ANSI Engineering"), s("ANSI Architectural")}));
    QCOMPARE(paperSizeNames(s("Standard")).size(), 5);
    QCOMPARE(paperSizeNames(s("Metric (ISO)")).size(), 23);
    QCOMPARE(paperSizeNames(s("ANSI Engineering")).size(), 5);
    QCOMPARE(paperSizeNames(s("ANSI Architectural")).size(), 5);
    QCOMPARE(paperSizeNames(s("Metric (ISO)")).first(), s("DLE: 110 mm. x 220 mm."));

    // A swapped pair in the table would turn portrait into landscape.
    for (int row = 0; row < int(std::size(PaperSizes)); ++row) {
        const PaperSize& paper = PaperSizes[row];
        QVERIFY2(paper.shortSide > 0 && paper.shortSide < paper.longSide, paper.name);
        QCOMPARE(paperSizeIndex(QLatin1String(paper.name)), row);
    }
    QCOMPARE(paperSizeIndex(s("Letter")), -1);
    QCOMPARE(drawingScaleIndex(s("1 : 10")), 8);
    QCOMPARE(drawingScaleIndex(QString()), -1);
    QCOMPARE(PrintSettings().paperSize(), s(DefaultPaperSize));

    QCOMPARE(
        drawingScaleNames(),
        QStringList({s("1\" = 5'0\""), s("1\" = 10'0\""), s("1\" = 20'0\""), s("1\" = 30'0\""),
                     s("1\" = 40'0\""), s("1\" = 50'0\""), s("1 : 2"), s("1 : 5"), s("1 : 10")}));
}

void TestSettingsRecords::pageDimensions_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");

    QTest::newRow("style 0 has no fixed size") << 0 << 1 << -1.0 << -1.0;
    QTest::newRow("style 3 has no fixed size") << 3 << 0 << -1.0 << -1.0;
    QTest::newRow("negative style has no fixed size") << -1 << 0 << -1.0 << -1.0;
    QTest::newRow("style 1 uses the paper, portrait") << 1 << 0 << 11.692 << 16.535;
    QTest::newRow("style 1 uses the paper, landscape") << 1 << 1 << 16.535 << 11.692;
    QTest::newRow("style 1 with orientation 2") << 1 << 2 << -1.0 << -1.0;
    QTest::newRow("style 2 custom size, landscape unchanged") << 2 << 1 << 6.5 << 9.25;
    QTest::newRow("style 2 custom size, portrait unchanged") << 2 << 0 << 6.5 << 9.25;
    QTest::newRow("style 2 ignores a bad orientation") << 2 << 7 << 6.5 << 9.25;
}

void TestSettingsRecords::pageDimensions()
{
    QFETCH(int, style);
    QFETCH(int, orientation);
    QFETCH(double, width);
    QFETCH(double, height);

    const PageSettings page(s("A3: 297 mm. x 420 mm."), s("Metric (ISO)"), orientation, style, 0,
                            6.5, 9.25);
    QCOMPARE(page.getPageWidthDimension(), width);
    QCOMPARE(page.getPageHeightDimension(), height);
}

void TestSettingsRecords::scaleFactor_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("style");
    QTest::addColumn<double>("customHeight");
    QTest::addColumn<int>("expected");

    QTest::newRow("default 1\" = 20'0\"") << s("1\" = 20'0\"") << 0 << 1.0 << 20;
    QTest::newRow("1\" = 5'0\"") << s("1\" = 5'0\"") << 0 << 1.0 << 5;
    QTest::newRow("1\" = 10'0\"") << s("1\" = 10'0\"") << 1 << 1.0 << 10;
    QTest::newRow("1\" = 30'0\"") << s("1\" = 30'0\"") << 0 << 1.0 << 30;
    QTest::newRow("1\" = 40'0\"") << s("1\" = 40'0\"") << 0 << 1.0 << 40;
    QTest::newRow("1\" = 50'0\"") << s("1\" = 50'0\"") << 1 << 1.0 << 50;
    QTest::newRow("1 : 2") << s("1 : 2") << 1 << 1.0 << 2;
    QTest::newRow("1 : 5") << s("1 : 5") << 0 << 1.0 << 5;
    QTest::newRow("1 : 10") << s("1 : 10") << 1 << 1.0 << 10;
    QTest::newRow("unknown name gives 10") << s("1 : 100") << 0 << 33.0 << 10;
    QTest::newRow("empty name gives 10") << QString() << 1 << 33.0 << 10;
    QTest::newRow("style 3 is predefined") << s("1 : 2") << 3 << 33.0 << 2;
    QTest::newRow("custom 12.9 truncates to 12") << s("1 : 2") << 2 << 12.9 << 12;
    QTest::newRow("custom ignores the name") << QString() << 2 << 40.0 << 40;
    QTest::newRow("custom truncates toward zero") << s("1 : 2") << 2 << -3.7 << -3;
    QTest::newRow("custom below one gives 0") << s("1 : 2") << 2 << 0.5 << 0;
    QTest::newRow("custom beyond int saturates")
        << s("1 : 2") << 2 << 1e12 << std::numeric_limits<int>::max();
    QTest::newRow("custom far below int saturates")
        << s("1 : 2") << 2 << -1e12 << std::numeric_limits<int>::min();
    QTest::newRow("custom NaN counts as unknown")
        << s("1 : 2") << 2 << std::numeric_limits<double>::quiet_NaN() << 10;
}

void TestSettingsRecords::scaleFactor()
{
    QFETCH(QString, name);
    QFETCH(int, style);
    QFETCH(double, customHeight);
    QFETCH(int, expected);

    ScaleSettings scale;
    scale.setPredefinedScale(name);
    scale.setStyle(style);
    scale.setCustomHeight(customHeight);
    QCOMPARE(scale.scale(), expected);
}

void TestSettingsRecords::isMetric_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("heightUnits");
    QTest::addColumn<bool>("metric");

    QTest::newRow("default is not metric") << s("English") << 0 << 0 << false;
    QTest::newRow("style 0 ignores the Metric family") << s("Metric") << 0 << 1 << false;
    QTest::newRow("style 1 Metric family") << s("Metric") << 1 << 0 << true;
    QTest::newRow("style 1 English family") << s("English") << 1 << 1 << false;
    QTest::newRow("style 1 anything but English is metric") << QString() << 1 << 0 << true;
    QTest::newRow("style 1 English compares exactly") << s("english") << 1 << 0 << true;
    QTest::newRow("style 2 height unit 1") << s("English") << 2 << 1 << true;
    QTest::newRow("style 2 height unit 2") << s("English") << 2 << 2 << true;
    QTest::newRow("style 2 height unit 0") << s("Metric") << 2 << 0 << false;
    QTest::newRow("style 2 height unit 3") << s("Metric") << 2 << 3 << false;
    QTest::newRow("style 3 is never metric") << s("Metric") << 3 << 1 << false;
}

void TestSettingsRecords::isMetric()
{
    QFETCH(QString, family);
    QFETCH(int, style);
    QFETCH(int, heightUnits);
    QFETCH(bool, metric);

    const ScaleSettings scale(family, s("1 : 5"), 0, heightUnits, 1.0, 12.9, style);
    QCOMPARE(scale.isMetric(), metric);
}

void TestSettingsRecords::scaleEquality_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<bool>("equal");

    QTest::newRow("identical") << -1 << true;
    QTest::newRow("family differs") << 0 << false;
    QTest::newRow("scale name differs") << 1 << false;
    QTest::newRow("width units differ") << 2 << false;
    QTest::newRow("height units differ") << 3 << false;
    QTest::newRow("custom width alone differs") << 4 << false;
    QTest::newRow("custom height differs in the last digit") << 5 << false;
    QTest::newRow("style differs") << 6 << false;
    QTest::newRow("parent alone differs") << 7 << true;
}

void TestSettingsRecords::scaleEquality()
{
    QFETCH(int, field);
    QFETCH(bool, equal);

    QObject parent;
    const ScaleSettings a = sampleScale();
    ScaleSettings b = sampleScale();
    switch (field) {
    case 0:
        b.setPredefinedScaleStyle(s("English"));
        break;
    case 1:
        b.setPredefinedScale(s("1 : 10"));
        break;
    case 2:
        b.setWidthUnits(0);
        break;
    case 3:
        b.setHeightUnits(1);
        break;
    case 4:
        b.setCustomWidth(3.6);
        break;
    case 5:
        b.setCustomHeight(std::nextafter(b.customHeight(), 100.0));
        break;
    case 6:
        b.setStyle(2);
        break;
    case 7:
        b.setParent(&parent);
        break;
    default:
        break;
    }
    QCOMPARE(a == b, equal);
    QCOMPARE(b == a, equal);
    QCOMPARE(a != b, !equal);
    QCOMPARE(b != a, !equal);
}

QTEST_GUILESS_MAIN(TestSettingsRecords)
#include "tst_settingsrecords.moc"
