#ifndef APPTEST_H
#define APPTEST_H

// Helpers shared by the planner's tests: the example job, windows laid out
// the same way every time, and looking at what they show.

#include "fixtures.h"

#include <floorscene.h>
#include <mainwindow.h>
#include <planview.h>
#include <screenshot.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

namespace AppTest {

inline QString exampleJob()
{
    return QStringLiteral(GRIDWELL_SOURCE_DIR "/examples/office.job");
}

inline QString defaultTemplate()
{
    return Fixtures::qvt(QStringLiteral("default.qvt"));
}

inline QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// A window that neither reads nor writes the layout settings, drawn with
// the fixed font, that records warnings instead of showing them.
struct Window
{
    MainWindow window;
    QStringList warnings;

    Window() : window(options())
    {
        window.warn = [this](const QString&, const QString& text) { warnings.append(text); };
        window.chooseTemplate = [](const QString&, const QString&) { return QString(); };
        window.resize(1400, 900);
        window.show();
        // Shortcuts reach the active window only.
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            qWarning("The test window did not become active");
        QCoreApplication::processEvents();
    }

    static MainWindow::Options options()
    {
        Screenshot::prepareApplication();
        MainWindow::Options o;
        o.rememberLayout = false;
        o.style = PlanStyle::fixed(Screenshot::fontFamily());
        return o;
    }

    // Where a point of the drawing is in the view's viewport, and in the
    // window.
    QPoint viewportPoint(const QPointF& scenePoint) const
    {
        return window.view()->mapFromScene(scenePoint);
    }
    QPoint windowPoint(const QPointF& scenePoint) const
    {
        return window.view()->viewport()->mapTo(&window, viewportPoint(scenePoint));
    }
};

// Whether a pixel is within tolerance of a colour, channel by channel.
inline bool near(const QColor& seen, const QColor& expected, int tolerance = 40)
{
    return qAbs(seen.red() - expected.red()) <= tolerance &&
           qAbs(seen.green() - expected.green()) <= tolerance &&
           qAbs(seen.blue() - expected.blue()) <= tolerance;
}

// Whether some pixel within radius of p has the colour.
inline bool colourAround(const QImage& image, const QPoint& p, const QColor& colour, int radius,
                         int tolerance = 40)
{
    for (int dx = -radius; dx <= radius; ++dx) {
        for (int dy = -radius; dy <= radius; ++dy) {
            const QPoint q = p + QPoint(dx, dy);
            if (image.rect().contains(q) && near(image.pixelColor(q), colour, tolerance))
                return true;
        }
    }
    return false;
}

} // namespace AppTest

#endif // APPTEST_H
