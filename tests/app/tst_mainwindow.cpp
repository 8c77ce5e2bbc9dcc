// The planner's window driven as a person drives it: clicking routes,
// choosing rows, filtering, finding, following a cable between floors,
// opening old and broken files, the recent files and the zoom keys.
#include "apptest.h"

#include <cablepanel.h>
#include <detailspanel.h>
#include <finddialog.h>
#include <items/deviceitem.h>
#include <items/placeitem.h>
#include <items/roomitem.h>
#include <items/routeitem.h>
#include <navigatorpanel.h>
#include <plotwidget.h>
#include <recentfiles.h>
#include <sheetscene.h>
#include <tracebar.h>

#include <ductbook.h>
#include <qvutils.h>
#include <runekit.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QListWidget>
#include <QMenu>
#include <QTableView>
#include <QToolButton>

using namespace AppTest;

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void clickingARouteSelectsItsCable_data();
    void clickingARouteSelectsItsCable();
    void choosingARowTracesTheCable();
    void filtersShowTheirCables_data();
    void filtersShowTheirCables();
    void findGoesToTheItem_data();
    void findGoesToTheItem();
    void followsACableBetweenFloors();
    void failedOpenLeavesTheWindowAsItWas();
    void olderJobsOpenConverted();
    void recentFilesKeepTheNewestTen();
    void zoomKeysAndWheel();
    void largeJobFillsTheTableAfterShowingThePlan();

private:
    static QStringList shownCables(MainWindow& window);
    QTemporaryDir m_dir;
};

void TestMainWindow::init()
{
    Runekit::writeSettings({{QVUtils::QvtFile, m_dir.filePath(QStringLiteral("none.qvt"))},
                            {QVUtils::RecentJobFileList, QString()}});
}

QStringList TestMainWindow::shownCables(MainWindow& window)
{
    QAbstractItemModel* model = window.cablePanel()->table()->model();
    QStringList ids;
    for (int row = 0; row < model->rowCount(); ++row)
        ids.append(model->index(row, 0).data().toString());
    ids.sort();
    return ids;
}

void TestMainWindow::clickingARouteSelectsItsCable_data()
{
    QTest::addColumn<int>("floor");
    QTest::addColumn<QString>("cable");
    QTest::addColumn<QPointF>("at");
    QTest::addColumn<QString>("status");
    // Points on each route where no other route runs.
    QTest::newRow("tested, between path points") << 0 << "Cable001" << QPointF(300, 110) << "PASS";
    QTest::newRow("from a path point to a port")
        << 0 << "Cable002" << QPointF(325, 180) << "untested";
    QTest::newRow("no path") << 0 << "Cable003" << QPointF(420, 60) << "untested";
    QTest::newRow("second floor of a riser cable")
        << 1 << "Cable004" << QPointF(240, 200) << "untested";
}

void TestMainWindow::clickingARouteSelectsItsCable()
{
    QFETCH(int, floor);
    QFETCH(QString, cable);
    QFETCH(QPointF, at);
    QFETCH(QString, status);
    Window w;
    QVERIFY(w.window.openFile(exampleJob()));
    w.window.showFloor(floor);
    const int index = w.window.document().cableIndex(cable);
    QTest::mouseClick(w.window.view()->viewport(), Qt::LeftButton, {}, w.viewportPoint(at));
    QCOMPARE(w.window.selectedCable(), index);
    QCOMPARE(w.window.floorScene()->tracedCable(), index);
    QCOMPARE(w.window.currentFloor(), floor); // a click does not move the plan away
    QCOMPARE(w.window.cablePanel()->selectedCable(), index);
    QCOMPARE(w.window.detailsPanel()->cable(), index);
    QCOMPARE(w.window.detailsPanel()->statusLabel()->text(), status);
    QCOMPARE(w.window.detailsPanel()->plot(1)->hasPlot(), status == QLatin1String("PASS"));
    // A click on nothing clears it all.
    QTest::mouseClick(w.window.view()->viewport(), Qt::LeftButton, {},
                      w.viewportPoint(QPointF(700, 450)));
    QCOMPARE(w.window.selectedCable(), -1);
    QCOMPARE(w.window.floorScene()->tracedCable(), -1);
    QCOMPARE(w.window.cablePanel()->selectedCable(), -1);
}

void TestMainWindow::choosingARowTracesTheCable()
{
    Window w;
    QVERIFY(w.window.openFile(exampleJob()));
    w.window.showFloor(1);
    QTableView* table = w.window.cablePanel()->table();
    // Cable003 runs on Level 3 only: choosing it brings that floor up.
    const int row = 2;
    QCOMPARE(table->model()->index(row, 0).data().toString(), QStringLiteral("Cable003"));
    table->selectRow(row);
    const int cable = w.window.document().cableIndex(QStringLiteral("Cable003"));
    QCOMPARE(w.window.selectedCable(), cable);
    QCOMPARE(w.window.currentFloor(), 0);
    RouteItem* route = w.window.floorScene()->route(cable);
    QVERIFY(route);
    QCOMPARE(w.window.floorScene()->tracedCable(), cable);
    QVERIFY(route->zValue() > w.window.floorScene()->route(0)->zValue());
    QVERIFY(w.window.view()->viewport()->rect().contains(
        w.viewportPoint(route->boundingRect().center())));
    QCOMPARE(w.window.detailsPanel()->fact(QStringLiteral("Type")), QStringLiteral("CAT5E"));
    QVERIFY(w.window.traceBar()->isVisible());
    QVERIFY(!w.window.traceBar()->nextButton()->isVisible());
}

void TestMainWindow::filtersShowTheirCables_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("floor");
    QTest::addColumn<QStringList>("shown");
    const QStringList all{"Cable001", "Cable002", "Cable003", "Cable004", "Cable005", "Cable006"};
    QTest::newRow("nothing set") << ""
                                 << ""
                                 << ""
                                 << "" << all;
    QTest::newRow("text in an end, any case") << "mdf-02"
                                              << ""
                                              << ""
                                              << "" << QStringList{"Cable002", "Cable006"};
    QTest::newRow("passed") << ""
                            << "Passed"
                            << ""
                            << "" << QStringList{"Cable001"};
    QTest::newRow("untested") << ""
                              << "Untested"
                              << ""
                              << ""
                              << QStringList{"Cable002", "Cable003", "Cable004", "Cable005",
                                             "Cable006"};
    QTest::newRow("failed: none") << ""
                                  << "Failed"
                                  << ""
                                  << "" << QStringList();
    QTest::newRow("type") << ""
                          << ""
                          << "CAT5E"
                          << "" << QStringList{"Cable003"};
    QTest::newRow("an end on a floor")
        << ""
        << ""
        << ""
        << "Level 4" << QStringList{"Cable004", "Cable005", "Cable006"};
    QTest::newRow("all at once") << "Staff"
                                 << "Untested"
                                 << "CAT6"
                                 << "Level 4" << QStringList{"Cable004", "Cable006"};
}

void TestMainWindow::filtersShowTheirCables()
{
    QFETCH(QString, text);
    QFETCH(QString, status);
    QFETCH(QString, type);
    QFETCH(QString, floor);
    QFETCH(QStringList, shown);
    Window w;
    QVERIFY(w.window.openFile(exampleJob()));
    CablePanel* panel = w.window.cablePanel();
    QTest::keyClicks(panel->filterEdit(), text);
    auto choose = [](QComboBox* box, const QString& entry) {
        if (entry.isEmpty())
            return true;
        const int i = box->findText(entry);
        box->setCurrentIndex(i);
        return i >= 0;
    };
    QVERIFY(choose(panel->statusBox(), status));
    QVERIFY(choose(panel->typeBox(), type));
    QVERIFY(choose(panel->floorBox(), floor));
    QCOMPARE(shownCables(w.window), shown);
    QCOMPARE(panel->shownCount(), shown.size());
}

void TestMainWindow::findGoesToTheItem_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("floor");
    QTest::addColumn<int>("sheet");
    QTest::addColumn<QString>("cable");
    QTest::newRow("port on the other floor") << "P05" << 1 << -1 << "";
    QTest::newRow("room on the other floor") << "Surgery 1" << 0 << -1 << "";
    QTest::newRow("riser") << "VR01" << 0 << -1 << "";
    QTest::newRow("device on a sheet") << "SW01" << -1 << 0 << "";
    QTest::newRow("cable") << "Cable006" << 1 << -1 << "Cable006";
}

void TestMainWindow::findGoesToTheItem()
{
    QFETCH(QString, text);
    QFETCH(int, floor);
    QFETCH(int, sheet);
    QFETCH(QString, cable);
    Window w;
    QVERIFY(w.window.openFile(exampleJob()));
    w.window.showFloor(1);
    // Zoomed in far, so that only centring brings the item into view.
    w.window.view()->setZoom(8);
    w.window.view()->centerOn(QPointF(700, 0));

    QTest::keyClick(&w.window, Qt::Key_F, Qt::ControlModifier);
    FindDialog* find = w.window.findDialog();
    QVERIFY(find->isVisible());
    QTest::keyClicks(find->edit(), text);
    QVERIFY(find->hits()->count() > 0);
    QTest::keyClick(find->edit(), Qt::Key_Return);
    QVERIFY(!find->isVisible());

    QCOMPARE(w.window.currentFloor(), floor);
    QCOMPARE(w.window.currentSheet(), sheet);
    if (!cable.isEmpty()) {
        QCOMPARE(w.window.selectedCable(), w.window.document().cableIndex(cable));
        return;
    }
    QGraphicsScene* scene = w.window.view()->scene();
    QCOMPARE(scene->selectedItems().size(), 1);
    QGraphicsItem* item = scene->selectedItems().first();
    QString id;
    if (item->type() == ItemType::Room)
        id = static_cast<RoomItem*>(item)->id();
    else if (item->type() == ItemType::Device)
        id = static_cast<DeviceItem*>(item)->id();
    else
        id = static_cast<PlaceItem*>(item)->id();
    QCOMPARE(id, text);
    QVERIFY(w.window.view()->viewport()->rect().contains(
        w.viewportPoint(item->sceneBoundingRect().center())));
}

void TestMainWindow::followsACableBetweenFloors()
{
    Window w;
    QVERIFY(w.window.openFile(exampleJob()));
    const int cable = w.window.document().cableIndex(QStringLiteral("Cable004"));
    w.window.showFloor(1);
    w.window.selectCable(cable);
    // The shown floor is on its route, so it stays; it is the second one.
    QCOMPARE(w.window.currentFloor(), 1);
    TraceBar* bar = w.window.traceBar();
    QVERIFY(bar->isVisible());
    QVERIFY2(bar->text().contains(QStringLiteral("estimated 32.9 ft")), qPrintable(bar->text()));
    QVERIFY2(bar->text().contains(QString::fromUtf8("measured \u2014")), qPrintable(bar->text()));
    QVERIFY(bar->previousButton()->isVisible());
    QVERIFY(!bar->nextButton()->isEnabled());
    QTest::mouseClick(bar->previousButton(), Qt::LeftButton);
    QCOMPARE(w.window.currentFloor(), 0);
    QCOMPARE(w.window.floorScene()->tracedCable(), cable);
    // It leaves Level 3 through the riser VR01, which is in view.
    PlaceItem* riser = w.window.floorScene()->riserAt(0);
    QCOMPARE(riser->id(), QStringLiteral("VR01"));
    QVERIFY(w.window.view()->viewport()->rect().contains(w.viewportPoint(riser->scenePos())));
    QVERIFY(!bar->previousButton()->isEnabled());
    QTest::mouseClick(bar->nextButton(), Qt::LeftButton);
    QCOMPARE(w.window.currentFloor(), 1);
    QCOMPARE(w.window.floorScene()->riserAt(0)->id(), QStringLiteral("VR02"));
    QTest::keyClick(&w.window, Qt::Key_Escape);
    QCOMPARE(w.window.selectedCable(), -1);
    QVERIFY(!bar->isVisible());
}

void TestMainWindow::failedOpenLeavesTheWindowAsItWas()
{
    const QString broken = m_dir.filePath(QStringLiteral("broken.job"));
    QVERIFY(writeFile(broken, "<!DOCTYPE Job>\n<Job>\n <Version number=\"3.0\"/>\n <Cable_List>"));
    Window w;
    QVERIFY(w.window.openFile(exampleJob()));
    w.window.showFloor(1);
    const int cable = w.window.document().cableIndex(QStringLiteral("Cable006"));
    w.window.selectCable(cable);
    const QString title = w.window.windowTitle();
    FloorScene* scene = w.window.floorScene();
    const int items = int(scene->items().size());
    const QRectF seen =
        w.window.view()->mapToScene(w.window.view()->viewport()->rect()).boundingRect();

    QVERIFY(!w.window.openFile(broken));
    QCOMPARE(w.warnings.size(), 1);
    QVERIFY2(w.warnings.first().contains(QStringLiteral("Error parsing job file")),
             qPrintable(w.warnings.first()));
    QCOMPARE(w.window.windowTitle(), title);
    QCOMPARE(w.window.floorScene(), scene);
    QCOMPARE(int(scene->items().size()), items);
    QCOMPARE(w.window.currentFloor(), 1);
    QCOMPARE(w.window.selectedCable(), cable);
    QCOMPARE(w.window.cablePanel()->selectedCable(), cable);
    QCOMPARE(w.window.cablePanel()->shownCount(), 6);
    QCOMPARE(w.window.detailsPanel()->cable(), cable);
    QCOMPARE(w.window.view()->mapToScene(w.window.view()->viewport()->rect()).boundingRect(), seen);
    // And it still reads the job: the details of another cable come from it.
    w.window.selectCable(w.window.document().cableIndex(QStringLiteral("Cable001")));
    QCOMPARE(w.window.detailsPanel()->statusLabel()->text(), QStringLiteral("PASS"));
}

void TestMainWindow::olderJobsOpenConverted()
{
    Window w;
    QVERIFY(w.window.openFile(Fixtures::job(QStringLiteral("job-2.3.job"))));
    QVERIFY2(w.window.windowTitle().contains(QStringLiteral("converted from version 2.3")),
             qPrintable(w.window.windowTitle()));
    QVERIFY(w.window.floorScene());

    // The configured template is missing: the default template converts the
    // job unasked, and the status bar says so.
    QStringList reasons;
    w.window.chooseTemplate = [&reasons](const QString&, const QString& reason) {
        reasons.append(reason);
        return reasons.size() == 1 ? defaultTemplate() : QString();
    };
    QVERIFY(w.window.openFile(Fixtures::job(QStringLiteral("job-2.1.job"))));
    QVERIFY(reasons.isEmpty());
    const QString said = w.window.statusBar()->currentMessage();
    QVERIFY2(said.contains(QStringLiteral("none.qvt")) && said.contains(QStringLiteral("default")),
             qPrintable(said));

    // One that exists but does not load: the window asks for another one,
    // with the reason, and converts with it.
    const QString badTemplate = m_dir.filePath(QStringLiteral("bad.qvt"));
    QVERIFY(writeFile(badTemplate, "not a template"));
    Runekit::writeSettings({{QVUtils::QvtFile, badTemplate}});
    QVERIFY(w.window.openFile(Fixtures::job(QStringLiteral("job-1.4.job"))));
    QCOMPARE(reasons.size(), 1);
    QVERIFY2(reasons.first().contains(QStringLiteral("bad.qvt")), qPrintable(reasons.first()));
    QVERIFY2(w.window.windowTitle().contains(QStringLiteral("converted from version 1.4")),
             qPrintable(w.window.windowTitle()));
    // Giving up leaves the job that was open.
    reasons.clear();
    w.window.chooseTemplate = [&reasons](const QString&, const QString& reason) {
        reasons.append(reason);
        return QString();
    };
    QVERIFY(!w.window.openFile(Fixtures::job(QStringLiteral("job-2.1.job"))));
    QCOMPARE(reasons.size(), 1);
    QVERIFY(w.window.windowTitle().contains(QStringLiteral("job-1.4.job")));
    QVERIFY(w.warnings.isEmpty());
}

void TestMainWindow::recentFilesKeepTheNewestTen()
{
    QStringList paths;
    for (int i = 1; i <= 12; ++i) {
        const QString path = m_dir.filePath(QStringLiteral("recent%1.job").arg(i));
        QFile::remove(path);
        QVERIFY(QFile::copy(exampleJob(), path));
        paths.append(path);
    }
    {
        Window w;
        for (const QString& path : paths)
            QVERIFY(w.window.openFile(path));
        QVERIFY(w.window.openFile(paths.at(5))); // again: moves to the front
    }
    // Kept in the settings: a new window has them.
    Window w;
    QMenu* menu = w.window.recentMenu();
    emit menu->aboutToShow();
    QStringList names;
    for (QAction* a : menu->actions()) {
        if (!a->isSeparator())
            names.append(a->text());
    }
    QCOMPARE(names.size(), 11); // ten jobs and "Clear list"
    QCOMPARE(names.first(), QStringLiteral("&1 recent6.job"));
    QCOMPARE(names.at(1), QStringLiteral("&2 recent12.job"));
    QVERIFY(!names.join(QLatin1Char(' ')).contains(QStringLiteral("recent2.job")));

    // A job that went away is dropped when it is chosen.
    QVERIFY(QFile::remove(paths.at(5)));
    menu->actions().first()->trigger();
    QCOMPARE(w.warnings.size(), 1);
    QCOMPARE(RecentFiles::list().size(), 9);
    QCOMPARE(QFileInfo(RecentFiles::list().first()).fileName(), QStringLiteral("recent12.job"));
}

void TestMainWindow::zoomKeysAndWheel()
{
    Window w;
    QVERIFY(w.window.openFile(exampleJob()));
    PlanView* view = w.window.view();
    const double fitted = view->zoom();
    QTest::keyClick(&w.window, Qt::Key_Plus, Qt::ControlModifier);
    QVERIFY(view->zoom() > fitted * 1.2);
    QTest::keyClick(&w.window, Qt::Key_1, Qt::ControlModifier);
    QCOMPARE(view->zoom(), 1.0);
    QWheelEvent wheel(QPointF(100, 100), view->viewport()->mapToGlobal(QPointF(100, 100)), QPoint(),
                      QPoint(0, -240), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view->viewport(), &wheel);
    QVERIFY(view->zoom() < 0.7);
    QTest::keyClick(&w.window, Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(view->zoom(), fitted);
    QVERIFY(view->isFitted());
}

void TestMainWindow::largeJobFillsTheTableAfterShowingThePlan()
{
    // The example with three hundred more cables: enough for the window to
    // show the plan first and read the table's rows afterwards.
    const QString path = m_dir.filePath(QStringLiteral("large.job"));
    {
        Ductbook::Destroy();
        Ductbook& job = Ductbook::Instance();
        QVERIFY(job.Load(exampleJob()));
        for (int i = 0; i < 300; ++i)
            job.addCable(QString(), QStringLiteral("Bulk%1").arg(i, 3, 10, QLatin1Char('0')),
                         QStringLiteral("Network"), QStringLiteral("P02"), QStringLiteral("P01"),
                         QStringLiteral("CAT6"), 1);
        QVERIFY(job.saveAs(path));
        Ductbook::Destroy();
    }
    Window w;
    QVERIFY(w.window.openFile(path));
    JobDocument& doc = w.window.document();
    QCOMPARE(doc.cableCount(), 306);
    QVERIFY(!doc.allRowsRead());
    QVERIFY(w.window.floorScene());
    QVERIFY(w.window.cablePanel()->shownCount() < 306);

    // A cable chosen before its row was read: its details read it now, and
    // its row is selected once the table has it.
    const int last = doc.cableIndex(QStringLiteral("Bulk299"));
    w.window.selectCable(last);
    QCOMPARE(w.window.detailsPanel()->cable(), last);
    QVERIFY(
        w.window.detailsPanel()->fact(QStringLiteral("From")).startsWith(QStringLiteral("P01")));
    QTRY_VERIFY(doc.allRowsRead());
    QTRY_COMPARE(w.window.cablePanel()->shownCount(), 306);
    QCOMPARE(w.window.cablePanel()->selectedCable(), last);
    QTest::keyClicks(w.window.cablePanel()->filterEdit(), QStringLiteral("Bulk29"));
    QCOMPARE(w.window.cablePanel()->shownCount(), 10);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
