// jobtool render: floor plans and cable traces, looked at through a real
// SVG renderer, pixel by pixel where the drawing says something must be.
#include "jobfixture.h"
#include "jobtoolrun.h"
#include "pdftext.h"

#include <drawings_p.h>
#include <floorplan_p.h>

#include <ductbook.h>

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtTest>

#include <tuple>

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

// A floor crowded as a comms room is: a patch panel row of twelve ports a
// symbol apart, a block of forty outlets as closely packed, and a riser
// among them.
QByteArray crowdedJob()
{
    QByteArray ports;
    int n = 0;
    auto port = [&](int x, int y, const char* use) {
        ++n;
        ports += QStringLiteral("<Port%1 id=\"PP-%2\" drop_height=\"1\" icon_scale=\"not_specified\" "
                                "use=\"%3\" x=\"%4\" y=\"%5\"/>\n")
                     .arg(n)
                     .arg(n, 2, 10, QLatin1Char('0'))
                     .arg(QLatin1String(use))
                     .arg(x)
                     .arg(y)
                     .toUtf8();
    };
    for (int i = 0; i < 12; ++i)
        port(120 + 16 * i, 60, "PatchPanel");
    for (int i = 0; i < 40; ++i)
        port(120 + 16 * (i % 8), 100 + 16 * (i / 8), "Network");
    return JobFixture::jobText(
        "<Floor_List><FFloor_1 id=\"Ground\" ceiling_height=\"9\">\n<Room_List>\n"
        "<Room1 id=\"Comms\" height=\"140\" width=\"260\" x=\"100\" y=\"40\" "
        "namex=\"110\" namey=\"54\">\n<Port_List>\n" +
        ports +
        "</Port_List>\n<VerticalRun_List><VerticalRun1 id=\"VR-A\" connected=\"\" "
        "disconnected=\"\" drop_height=\"0\" icon_scale=\"not_specified\" "
        "use=\"vertical_run\" x=\"170\" y=\"90\"/></VerticalRun_List>\n</Room1>\n"
        "</Room_List>\n</FFloor_1></Floor_List>\n");
}

// The boxes of a floor's placed texts and symbols, overlaps listed.
QStringList overlaps(const Plan::FloorPlan::Layout& layout)
{
    QStringList found;
    const auto& labels = layout.labels;
    for (int i = 0; i < labels.size(); ++i) {
        const QRect& box = labels.at(i).box;
        for (int j = i + 1; j < labels.size(); ++j) {
            if (box.intersects(labels.at(j).box))
                found.append(labels.at(i).text + QStringLiteral(" / ") + labels.at(j).text);
        }
        for (const QRect& s : layout.symbols) {
            if (box.intersects(s))
                found.append(labels.at(i).text + QStringLiteral(" on a symbol"));
        }
        for (const QRect& w : layout.walls) {
            if (box.intersects(w))
                found.append(labels.at(i).text + QStringLiteral(" on a wall"));
        }
    }
    return found;
}

const QString ReadmePicture = QStringLiteral(GRIDWELL_SOURCE_DIR "/docs/office-floor-plan.svg");

} // namespace

class TestRender : public QObject
{
    Q_OBJECT
private slots:
    void floorPlan();
    void labelsKeepClear_data();
    void labelsKeepClear();
    void unroutedCablesShow();
    void formats_data();
    void formats();
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
    // Cable003 has no path: a stub from each end towards the other, in the
    // colour of its type, and no line through the walls between.
    QVERIFY_COLOR(picture, QPoint(610, 60), "#ff00ff", QPoint());
    QVERIFY_COLOR(picture, QPoint(345, 60), "#ff00ff", QPoint());
    QVERIFY_COLOR(picture, QPoint(470, 60), "#ffffff", QPoint());

    // Names as users know them, one font family, a scale bar.
    const QString& text = r.out;
    for (const char* label : {">Reception<", ">P01<", ">VR01<", ">Main entrance<", ">Level 3<",
                              ">CAT5E cable<", ">Vertical run<", ">to P03<", ">Cable001<",
                              ">5 ft<", "font-family=\"DejaVu Sans, sans-serif\""})
        QVERIFY2(text.contains(QLatin1String(label)), label);
    for (const char* tag : {"FFloor_1", ">vertical_run<", ">Cable Cable"})
        QVERIFY2(!text.contains(QLatin1String(tag)), tag);
    // The two cables of one colour that share a stretch differ in dashes.
    QVERIFY(text.contains(QRegularExpression(
        QStringLiteral("data-cable=\"Cable002\" stroke-dasharray=\"10 4\""))));
}

// Every text placed beside the floor's items keeps clear of the others, of
// every symbol and of the walls: on the example's floors (the Comms room's
// patch panel row under the room's name) and on a crowded comms room.
void TestRender::labelsKeepClear_data()
{
    QTest::addColumn<QByteArray>("job");
    QTest::addColumn<int>("floor");
    QTest::addColumn<int>("leaders");
    QTest::newRow("Level 3") << readFile(example()) << 0 << 2;
    QTest::newRow("Level 4") << readFile(example()) << 1 << 0;
    QTest::newRow("crowded") << crowdedJob() << 0 << 10;
}

void TestRender::labelsKeepClear()
{
    QFETCH(QByteArray, job);
    QFETCH(int, floor);
    QFETCH(int, leaders);
    QVERIFY(loadText(m_dir, job));
    Ductbook& doc = Ductbook::Instance();
    const Plan::JobModel model(doc);
    const Plan::FloorPlan plan(model, Plan::allCables(doc));
    const Plan::FloorPlan::Layout& layout = plan.layout(floor);
    const Plan::FloorItem& f = model.floors().at(floor);
    // Every room, run and port has its label.
    QCOMPARE(layout.labels.size() >= f.rooms.size() + f.runs.size() + f.ports.size(), true);
    const QStringList found = overlaps(layout);
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral("; "))));
    // Crowded labels go further out, with a line back to their item.
    int withLeader = 0;
    for (const Plan::FloorPlan::PlacedLabel& l : layout.labels) {
        if (l.leader) {
            ++withLeader;
            QVERIFY(QLineF(l.leaderFrom, l.leaderTo).length() > 2);
        }
    }
    QVERIFY2(withLeader >= leaders, qPrintable(QString::number(withLeader)));
    // And the drawing holds them all.
    for (const Plan::FloorPlan::PlacedLabel& l : layout.labels)
        QVERIFY(plan.bounds(floor).contains(l.box));
}

// Cable005 runs from P04 on Level 3 to P06 on Level 4 with no path and no
// riser: each floor shows a stub out of its port, marked with the other
// floor, in the colour of the cable.
void TestRender::unroutedCablesShow()
{
    for (const auto& [floor, port, mark] :
         {std::tuple<QString, QPoint, QString>{"Level 3", {60, 480}, "to Level 4"},
          std::tuple<QString, QPoint, QString>{"Level 4", {300, 60}, "to Level 3"}}) {
        const Run r = jobtool({QStringLiteral("render"), example(), QStringLiteral("--floor"), floor});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QDomDocument doc;
        QVERIFY(doc.setContent(r.bytes));
        QPoint end;
        QString marked;
        const QDomNodeList lines = doc.elementsByTagName(QStringLiteral("line"));
        for (int i = 0; i < lines.size(); ++i) {
            const QDomElement e = lines.at(i).toElement();
            if (e.attribute(QStringLiteral("data-cable")) == QLatin1String("Cable005")) {
                QCOMPARE(QPoint(e.attribute(QStringLiteral("x1")).toInt(),
                                e.attribute(QStringLiteral("y1")).toInt()),
                         port);
                end = QPoint(e.attribute(QStringLiteral("x2")).toInt(),
                             e.attribute(QStringLiteral("y2")).toInt());
            }
        }
        const QDomNodeList texts = doc.elementsByTagName(QStringLiteral("text"));
        for (int i = 0; i < texts.size(); ++i) {
            const QDomElement e = texts.at(i).toElement();
            if (e.attribute(QStringLiteral("data-cable")) == QLatin1String("Cable005") &&
                e.text().startsWith(QLatin1String("to ")))
                marked = e.text();
        }
        QVERIFY2(!end.isNull(), qPrintable(floor));
        QCOMPARE(marked, mark);
        const Picture picture(r.bytes);
        QVERIFY_COLOR(picture, port + (end - port) * 3 / 4, "#777777", QPoint());
    }
}

// PDF and PNG besides SVG, by --format or the extension; a format jobtool
// does not write is refused before anything is written.
void TestRender::formats_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("code");
    QTest::newRow("pdf by extension") << QStringList() << "plan.pdf" << 0;
    QTest::newRow("pdf by format") << QStringList{"--format", "pdf"} << "plan.out" << 0;
    // Every command reads its format the same way, whatever the case.
    QTest::newRow("pdf by format in capitals") << QStringList{"--format", "PDF"} << "plan.out" << 0;
    QTest::newRow("pdf by extension in capitals") << QStringList() << "plan.PDF" << 0;
    QTest::newRow("png by extension") << QStringList() << "plan.png" << 0;
    QTest::newRow("unknown format") << QStringList{"--format", "gif"} << "plan.gif" << 2;
    QTest::newRow("pdf to terminal") << QStringList{"--format", "pdf"} << QString() << 2;
}

void TestRender::formats()
{
    QFETCH(QStringList, options);
    QFETCH(QString, file);
    QFETCH(int, code);
    const QString path = file.isEmpty() ? QString() : m_dir.filePath(file);
    QFile::remove(path);
    QStringList args{QStringLiteral("render"), example(), QStringLiteral("--floor"),
                     QStringLiteral("Level 3")};
    args += options;
    if (!path.isEmpty())
        args += {QStringLiteral("-o"), path};
    const Run r = jobtool(args);
    QCOMPARE(r.code, code);
    if (code != 0) {
        QVERIFY2(r.err.contains(QLatin1String("render: ")), qPrintable(r.err));
        QVERIFY(path.isEmpty() || !QFile::exists(path));
        return;
    }
    if (path.endsWith(QLatin1String(".png"))) {
        const QImage image(path);
        QVERIFY(!image.isNull());
        const Run svg = jobtool({QStringLiteral("render"), example(), QStringLiteral("--floor"),
                                 QStringLiteral("Level 3")});
        QCOMPARE(image.size(), QSvgRenderer(svg.bytes).viewBox().size() * 2);
        return;
    }
    // One landscape Letter page (the job's paper), the words as text.
    const PdfText::Document pdf = PdfText::read(path);
    QVERIFY(pdf.ok);
    QCOMPARE(pdf.pages.size(), 1);
    QCOMPARE(pdf.pages.first().toSize(), QSize(792, 612));
    const QString text = pdf.text();
    for (const char* word : {"Level", "Reception", "MDF-01", "Cable001", "5 ft", "Vertical run"})
        QVERIFY2(text.contains(QLatin1String(word)), qPrintable(word + (": " + text)));
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
    QVERIFY(text.contains(QStringLiteral(">Cable004: MDF-04 \u2192 P05<")));
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
