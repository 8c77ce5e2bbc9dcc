// What a floor shows: one item per room, port, riser and route; port icons
// by the library's rule (the user's own icon, the built-in one, or a symbol
// in the use's colour); the background picture or a quiet placeholder; and
// the pixels of the window where a room, a port and a cable are.
#include "apptest.h"

#include <items/backgrounditem.h>
#include <items/labelitem.h>
#include <items/placeitem.h>
#include <items/roomitem.h>
#include <items/routeitem.h>

#include <qvutils.h>
#include <runekit.h>

#include <QPainter>
#include <QStyleOptionGraphicsItem>

using namespace AppTest;

class TestFloorScene : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void holdsOneItemPerModelItem_data();
    void holdsOneItemPerModelItem();
    void portIconsFollowTheLibrarysRule();
    void backgroundPictureOrQuietPlaceholder();
    void windowShowsRoomsPortsAndCables();
    void labelsOnlyWhenLargeEnoughToRead();

private:
    // The example job copied into the test folder, with edits to its text.
    QString exampleCopy(const QString& name,
                        const QList<QPair<QByteArray, QByteArray>>& edits = {});
    QTemporaryDir m_dir;
};

void TestFloorScene::init()
{
    Runekit::writeSettings({{QVUtils::IconPath, m_dir.filePath(QStringLiteral("icons"))},
                            {QVUtils::FloorNetworkIcon, QString()}});
}

QString TestFloorScene::exampleCopy(const QString& name,
                                    const QList<QPair<QByteArray, QByteArray>>& edits)
{
    QByteArray text = readFile(exampleJob());
    for (const auto& e : edits) {
        if (!text.contains(e.first))
            qFatal("the example job no longer holds %s", e.first.constData());
        text.replace(e.first, e.second);
    }
    const QString path = m_dir.filePath(name);
    return writeFile(path, text) ? path : QString();
}

void TestFloorScene::holdsOneItemPerModelItem_data()
{
    QTest::addColumn<int>("floor");
    QTest::addColumn<int>("rooms");
    QTest::addColumn<int>("ports");
    QTest::addColumn<int>("risers");
    QTest::addColumn<int>("routes");
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("texts");
    // Level 3: Cable005 leaves it without a riser and has no route drawn
    // there; every other cable starts on it.
    QTest::newRow("Level 3") << 0 << 3 << 8 << 1 << 5 << 2 << 1;
    QTest::newRow("Level 4") << 1 << 2 << 3 << 1 << 2 << 1 << 0;
}

void TestFloorScene::holdsOneItemPerModelItem()
{
    QFETCH(int, floor);
    QFETCH(int, rooms);
    QFETCH(int, ports);
    QFETCH(int, risers);
    QFETCH(int, routes);
    QFETCH(int, points);
    QFETCH(int, texts);
    JobDocument doc;
    QVERIFY(doc.open(exampleJob()));
    FloorScene scene(doc, floor, Window::options().style);
    QMap<int, int> count;
    QSet<int> cables;
    for (QGraphicsItem* item : scene.items()) {
        ++count[item->type()];
        if (item->type() == ItemType::Route)
            cables.insert(static_cast<RouteItem*>(item)->cable());
    }
    QCOMPARE(count.value(ItemType::Room), rooms);
    QCOMPARE(count.value(ItemType::Port), ports);
    QCOMPARE(count.value(ItemType::Riser), risers);
    QCOMPARE(count.value(ItemType::Route), routes);
    QCOMPARE(int(cables.size()), routes); // one route item per cable
    QCOMPARE(count.value(ItemType::PathPoint), points);
    QCOMPARE(count.value(ItemType::Text), texts);
    // The example names plan pictures that it does not ship.
    QCOMPARE(count.value(ItemType::Background), 1);
}

void TestFloorScene::portIconsFollowTheLibrarysRule()
{
    // P04 gets a use without icon, P02 a word that is no use at all.
    const QString job = exampleCopy(
        QStringLiteral("uses.job"),
        {{"id=\"P04\" drop_height=\"5.5\" icon_scale=\"not_specified\" use=\"TV\"",
          "id=\"P04\" drop_height=\"5.5\" icon_scale=\"not_specified\" use=\"NA\""},
         {"id=\"P02\" drop_height=\"1.5\" icon_scale=\"not_specified\" use=\"Network\"",
          "id=\"P02\" drop_height=\"1.5\" icon_scale=\"not_specified\" use=\"Bogus\""}});
    // The user's own Network icon: plain red.
    QVERIFY(QDir().mkpath(m_dir.filePath(QStringLiteral("icons"))));
    QImage red(32, 32, QImage::Format_ARGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(m_dir.filePath(QStringLiteral("icons/mine.png"))));
    Runekit::writeSettings({{QVUtils::FloorNetworkIcon, QStringLiteral("mine.png")}});

    Window w;
    QVERIFY(w.window.openFile(job));
    w.window.view()->setZoom(3);
    FloorScene* scene = w.window.floorScene();
    auto portNamed = [scene](const QString& id) { return scene->portById(id); };
    QVERIFY(portNamed(QStringLiteral("P01"))->hasIcon());
    QVERIFY(portNamed(QStringLiteral("P03"))->hasIcon());
    QVERIFY(!portNamed(QStringLiteral("P04"))->hasIcon());
    QVERIFY(!portNamed(QStringLiteral("P02"))->hasIcon());
    const struct
    {
        const char* port;
        QColor colour;
    } expected[] = {
        {"P01", QColor(Qt::red)},          // the user's own icon
        {"P03", QColor(0x2c, 0xa0, 0x2c)}, // the built-in Phone icon
        {"P04", QColor(0xc7, 0xc7, 0xc7)}, // NA: a symbol in its colour
        {"P02", QColor(Qt::white)},        // no use: a white symbol
    };
    for (const auto& e : expected) {
        PlaceItem* port = portNamed(QLatin1String(e.port));
        w.window.view()->centerOn(port);
        const QImage shot = Screenshot::render(w.window, w.window.size());
        // A little off the middle, clear of the words on the icons.
        const QPoint at = w.windowPoint(port->scenePos() + QPointF(-5, -5));
        QVERIFY2(colourAround(shot, at, e.colour, 2, 24),
                 qPrintable(QStringLiteral("%1 at %2,%3 is %4")
                                .arg(QLatin1String(e.port))
                                .arg(at.x())
                                .arg(at.y())
                                .arg(shot.pixelColor(at).name())));
    }
}

void TestFloorScene::backgroundPictureOrQuietPlaceholder()
{
    const QString job = exampleCopy(QStringLiteral("pictured.job"));
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("plans")));
    QImage plan(800, 600, QImage::Format_RGB32);
    plan.fill(QColor(0x80, 0xc0, 0xff));
    QVERIFY(plan.save(m_dir.filePath(QStringLiteral("plans/level3.png"))));

    Window w;
    QVERIFY(w.window.openFile(job));
    auto background = [&w]() -> BackgroundItem* {
        for (QGraphicsItem* item : w.window.floorScene()->items()) {
            if (item->type() == ItemType::Background)
                return static_cast<BackgroundItem*>(item);
        }
        return nullptr;
    };
    QVERIFY(background() && background()->hasPicture());
    QCOMPARE(background()->boundingRect(), QRectF(0, 0, 800, 600));
    const QImage shot = Screenshot::render(w.window, w.window.size());
    // Between the rooms the picture shows.
    QVERIFY(near(shot.pixelColor(w.windowPoint(QPointF(450, 400))), QColor(0x80, 0xc0, 0xff)));
    // Level 4's picture is not there: a grey area, and no message.
    w.window.showFloor(1);
    QVERIFY(background() && !background()->hasPicture());
    QVERIFY(w.warnings.isEmpty());
    const QImage missing = Screenshot::render(w.window, w.window.size());
    QVERIFY(
        near(missing.pixelColor(w.windowPoint(QPointF(450, 250))), QColor(0xec, 0xec, 0xea), 6));
}

void TestFloorScene::windowShowsRoomsPortsAndCables()
{
    Window w;
    QVERIFY(w.window.openFile(exampleJob()));
    const QImage shot = Screenshot::render(w.window, w.window.size());
    // Reception's left wall, the Network icon of P01 (left of its word),
    // and the magenta phone cable Cable003 between P03 and MDF-03.
    QVERIFY(colourAround(shot, w.windowPoint(QPointF(40, 200)), QColor(0x33, 0x33, 0x33), 1));
    QVERIFY(colourAround(shot, w.windowPoint(QPointF(55, 115)), QColor(0x1f, 0x77, 0xb4), 2, 24));
    QVERIFY(colourAround(shot, w.windowPoint(QPointF(420, 60)), QColor(0xff, 0x00, 0xff), 1, 24));
    QVERIFY(colourAround(shot, w.windowPoint(QPointF(300, 110)), QColor(0x33, 0x99, 0xff), 1, 24));

    // Traced, Cable003 stays magenta and the other routes turn grey.
    w.window.selectCable(w.window.document().cableIndex(QStringLiteral("Cable003")));
    const QImage traced = Screenshot::render(w.window, w.window.size());
    QVERIFY(colourAround(traced, w.windowPoint(QPointF(420, 60)), QColor(0xff, 0x00, 0xff), 1, 24));
    QVERIFY(
        !colourAround(traced, w.windowPoint(QPointF(300, 110)), QColor(0x33, 0x99, 0xff), 2, 40));
    QVERIFY(
        colourAround(traced, w.windowPoint(QPointF(300, 110)), QColor(0xc8, 0xc8, 0xc8), 1, 24));
}

void TestFloorScene::labelsOnlyWhenLargeEnoughToRead()
{
    LabelItem label(QStringLiteral("LONGLABEL"), Window::options().style.floorFont);
    label.place(QPointF(0, 0), Qt::AlignLeft);
    // Dark pixels where the label goes, drawn at a scale.
    auto inked = [&](double scale) {
        QImage image(400, 100, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.translate(20, 50);
        painter.scale(scale, scale);
        QStyleOptionGraphicsItem option;
        label.paint(&painter, &option, nullptr);
        painter.end();
        int dark = 0;
        for (int x = 0; x < image.width(); ++x) {
            for (int y = 0; y < image.height(); ++y)
                dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
        }
        return dark;
    };
    QCOMPARE(inked(0.3), 0); // a whole campus floor in view: symbols only
    QVERIFY(inked(1.0) > 20);
}

QTEST_MAIN(TestFloorScene)
#include "tst_floorscene.moc"
