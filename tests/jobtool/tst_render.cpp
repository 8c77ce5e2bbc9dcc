// jobtool render: floor plans and cable traces, looked at through a real
// SVG renderer, pixel by pixel where the drawing says something must be.
#include "jobfixture.h"
#include "jobtoolrun.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtTest>

using namespace JobFixture;
using namespace JobToolRun;

namespace {

// A picture rendered at one pixel per drawing unit, read in drawing units.
class Picture
{
public:
    explicit Picture(const QByteArray& svg) : m_renderer(svg)
    {
        m_view = m_renderer.viewBoxF();
        m_image = QImage(m_renderer.defaultSize(), QImage::Format_ARGB32);
        m_image.fill(Qt::transparent);
        QPainter painter(&m_image);
        m_renderer.render(&painter);
    }

    bool isValid() const { return m_renderer.isValid() && !m_image.isNull(); }

    // The colour at a point of the drawing, offset by a panel's translation.
    QColor at(const QPoint& p, const QPoint& offset = QPoint()) const
    {
        const QPointF q = QPointF(p + offset) - m_view.topLeft();
        return m_image.pixelColor(int(q.x()), int(q.y()));
    }

private:
    QSvgRenderer m_renderer;
    QRectF m_view;
    QImage m_image;
};

bool near(const QColor& seen, const QString& expected)
{
    const QColor e(expected);
    return seen.alpha() > 200 && qAbs(seen.red() - e.red()) < 24 &&
           qAbs(seen.green() - e.green()) < 24 && qAbs(seen.blue() - e.blue()) < 24;
}

#define QVERIFY_COLOR(picture, point, expected, offset)                                            \
    do {                                                                                           \
        const QColor seen_ = (picture).at(point, offset);                                          \
        QVERIFY2(near(seen_, expected), qPrintable(QStringLiteral("%1 at (%2, %3), expected %4")   \
                                                       .arg(seen_.name(QColor::HexArgb))           \
                                                       .arg((point).x())                           \
                                                       .arg((point).y())                           \
                                                       .arg(expected)));                           \
    } while (false)

// The translation of each floor's panel in a trace, by floor tag.
QMap<QString, QPoint> panels(const QByteArray& svg)
{
    QDomDocument doc;
    doc.setContent(svg);
    QMap<QString, QPoint> offsets;
    const QDomNodeList groups = doc.elementsByTagName(QStringLiteral("g"));
    const QRegularExpression translate(QStringLiteral("translate\\((-?\\d+) (-?\\d+)\\)"));
    for (int i = 0; i < groups.size(); ++i) {
        const QDomElement g = groups.at(i).toElement();
        const QRegularExpressionMatch m = translate.match(g.attribute(QStringLiteral("transform")));
        if (g.hasAttribute(QStringLiteral("data-floor")) && m.hasMatch())
            offsets.insert(g.attribute(QStringLiteral("data-floor")),
                           QPoint(m.captured(1).toInt(), m.captured(2).toInt()));
    }
    return offsets;
}

const QString ReadmePicture = QStringLiteral(GRIDWELL_SOURCE_DIR "/docs/office-floor-plan.svg");

} // namespace

class TestRender : public QObject
{
    Q_OBJECT
private slots:
    void floorPlan();
    void sameBytesEveryTime();
    void trace();
    void readmePictureIsCurrent();

private:
    QTemporaryDir m_dir;
};

void TestRender::floorPlan()
{
    const Run r = jobtool({QStringLiteral("render"), example(), QStringLiteral("--floor"),
                           QStringLiteral("Level 3")});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    const Picture picture(r.bytes);
    QVERIFY(picture.isValid());

    // Rooms: the outline of Reception, its inside, and the corridor between
    // rooms, where nothing is drawn.
    QVERIFY_COLOR(picture, QPoint(190, 40), "#333333", QPoint());
    QVERIFY_COLOR(picture, QPoint(340, 150), "#333333", QPoint());
    QVERIFY_COLOR(picture, QPoint(150, 200), "#f7f7f2", QPoint());
    QVERIFY_COLOR(picture, QPoint(150, 280), "#ffffff", QPoint());
    // Ports and the riser in the colours of their uses.
    QVERIFY_COLOR(picture, QPoint(60, 120), "#1f77b4", QPoint()); // P01, Network
    QVERIFY_COLOR(picture, QPoint(320, 60), "#2ca02c", QPoint()); // P03, Phone
    QVERIFY_COLOR(picture, QPoint(60, 480), "#8c564b", QPoint()); // P04, TV
    QVERIFY_COLOR(picture, QPoint(580, 60), "#17becf", QPoint()); // MDF-01, PatchPanel
    QVERIFY_COLOR(picture, QPoint(610, 90), "#e7ba52", QPoint()); // VR01, vertical run
    // Cable001 between its two path points, in its own colour; the point.
    QVERIFY_COLOR(picture, QPoint(285, 110), "#3399ff", QPoint());
    QVERIFY_COLOR(picture, QPoint(120, 110), "#888888", QPoint());
    // Cable003 runs straight from MDF-03 to P03, in the colour of its type.
    QVERIFY_COLOR(picture, QPoint(470, 60), "#ff00ff", QPoint());

    const QString& text = r.out;
    for (const char* label : {">Reception<", ">P01<", ">VR01<", ">Main entrance<",
                              ">Level 3 (FFloor_1)<", ">cable CAT5E<"})
        QVERIFY2(text.contains(QLatin1String(label)), label);
}

void TestRender::sameBytesEveryTime()
{
    const QStringList args{QStringLiteral("render"), example(), QStringLiteral("--trace"),
                           QStringLiteral("Cable004")};
    const Run a = jobtool(args);
    const Run b = jobtool(args);
    QCOMPARE(a.code, 0);
    QVERIFY(a.bytes.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg "));
    QCOMPARE(a.bytes, b.bytes);
}

// Cable004 leaves Level 3 at riser VR01 and reaches P05 on Level 4 from
// riser VR02: both floors are drawn, the cable wide in its colour, the
// other cables thin and grey, its ends ringed.
void TestRender::trace()
{
    const QString path = m_dir.filePath(QStringLiteral("trace.svg"));
    const Run r = jobtool({QStringLiteral("render"), example(), QStringLiteral("--trace"),
                           QStringLiteral("Cable004"), QStringLiteral("-o"), path});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    const QByteArray svg = readFile(path);
    const Picture picture(svg);
    QVERIFY(picture.isValid());
    const QMap<QString, QPoint> offsets = panels(svg);
    QCOMPARE(offsets.keys(), (QStringList{"FFloor_1", "FFloor_2"}));
    const QPoint level3 = offsets.value(QStringLiteral("FFloor_1"));
    const QPoint level4 = offsets.value(QStringLiteral("FFloor_2"));
    QVERIFY(level4.y() > level3.y());

    // Level 3: MDF-04 -> Point1 -> VR01.
    QVERIFY_COLOR(picture, QPoint(530, 100), "#3399ff", level3);
    QVERIFY_COLOR(picture, QPoint(653, 60), "#3399ff", level3);  // ring around MDF-04
    QVERIFY_COLOR(picture, QPoint(285, 110), "#c8c8c8", level3); // Cable001, dimmed
    // Level 4: VR02 -> Point3 -> P05.
    QVERIFY_COLOR(picture, QPoint(240, 200), "#3399ff", level4);
    QVERIFY_COLOR(picture, QPoint(80, 213), "#3399ff", level4); // ring around P05
    QVERIFY_COLOR(picture, QPoint(610, 90), "#e7ba52", level4);

    const QString text = QString::fromUtf8(svg);
    QVERIFY(text.contains(QStringLiteral("Cable Cable004: MDF-04 \u2192 P05")));
    QVERIFY2(text.contains(QRegularExpression(QStringLiteral("estimated \\d+\\.\\d ft"))),
             qPrintable(text.left(2000)));
    QVERIFY(text.contains(QStringLiteral("class=\"riser\"")));
}

// README shows the example's first floor from docs/; when the drawing
// changes, this test writes the new picture there and fails until it is
// committed.
void TestRender::readmePictureIsCurrent()
{
    const Run r = jobtool({QStringLiteral("render"), example(), QStringLiteral("--floor"),
                           QStringLiteral("FFloor_1")});
    QCOMPARE(r.code, 0);
    if (readFile(ReadmePicture) == r.bytes)
        return;
    QVERIFY(QDir().mkpath(QFileInfo(ReadmePicture).path()));
    QVERIFY(writeFile(ReadmePicture, r.bytes));
    QFAIL("docs/office-floor-plan.svg was stale and has been written again; review and commit it");
}

QTEST_MAIN(TestRender)
#include "tst_render.moc"
