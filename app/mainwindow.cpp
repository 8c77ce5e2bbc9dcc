#include "mainwindow.h"

#include "cablepanel.h"
#include "detailspanel.h"
#include "finddialog.h"
#include "floorexport.h"
#include "floorscene.h"
#include "items/deviceitem.h"
#include "items/placeitem.h"
#include "items/roomitem.h"
#include "items/routeitem.h"
#include "jobinfodialog.h"
#include "navigatorpanel.h"
#include "planview.h"
#include "recentfiles.h"
#include "sheetscene.h"
#include "tracebar.h"

#include <schedule_p.h>

#include <qvutils.h>
#include <runekit.h>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QSettings>
#include <QStackedWidget>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

// The window's own entries in the settings store.
const char* const LayoutGroup = "planner";

// Writes a file whole or not at all; false, with the reason.
bool writeWhole(const QString& path, const std::function<bool(QIODevice&, QString*)>& write,
                QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    if (!write(file, error)) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace

MainWindow::MainWindow() : MainWindow(Options()) {}

MainWindow::MainWindow(const Options& options)
    : m_options(options), m_view(new PlanView(this)), m_centre(new QStackedWidget(this)),
      m_traceBar(new TraceBar(this)), m_navigator(new NavigatorPanel(m_document, this)),
      m_cables(new CablePanel(m_document, this)), m_details(new DetailsPanel(m_document, this)),
      m_zoomLabel(new QLabel(this))
{
    warn = [this](const QString& title, const QString& text) {
        QMessageBox::warning(this, title, text);
    };
    chooseTemplate = [this](const QString& job, const QString& reason) {
        return defaultTemplateChooser(job, reason);
    };

    auto* welcome =
        new QLabel(tr("Open a job with File \u203a Open (%1).")
                       .arg(QKeySequence(QKeySequence::Open).toString(QKeySequence::NativeText)),
                   this);
    welcome->setAlignment(Qt::AlignCenter);
    auto* planPage = new QWidget(this);
    auto* planLayout = new QVBoxLayout(planPage);
    planLayout->setContentsMargins(0, 0, 0, 0);
    planLayout->setSpacing(0);
    planLayout->addWidget(m_traceBar);
    planLayout->addWidget(m_view, 1);
    m_traceBar->hide();
    m_centre->addWidget(welcome);
    m_centre->addWidget(planPage);
    setCentralWidget(m_centre);

    createDocks();
    createActions();
    statusBar()->addPermanentWidget(m_zoomLabel);
    setAnimated(false);

    connect(&m_document, &JobDocument::jobOpened, this, &MainWindow::jobOpened);
    connect(&m_document, &JobDocument::jobClosed, this, &MainWindow::jobClosed);
    connect(&m_document, &JobDocument::changed, this, [this] {
        // The plan is drawn from the job document: draw it again.
        if (currentFloor() >= 0)
            showFloor(currentFloor());
        else if (currentSheet() >= 0)
            showSheet(currentSheet());
        updateTitle();
    });
    connect(&m_document, &JobDocument::rowsReadUpTo, this, [this](int, int last) {
        if (m_document.allRowsRead())
            showSummary();
        else
            showStatus(tr("Reading the cables' test results: %1 of %2")
                           .arg(last + 1)
                           .arg(m_document.cableCount()));
    });
    connect(m_view, &PlanView::itemClicked, this, &MainWindow::planClicked);
    connect(m_view, &PlanView::emptyClicked, this, &MainWindow::clearSelection);
    connect(m_view, &PlanView::zoomChanged, this,
            [this](double zoom) { m_zoomLabel->setText(tr("Zoom %1 %").arg(qRound(zoom * 100))); });
    connect(m_navigator, &NavigatorPanel::floorChosen, this, &MainWindow::showFloor);
    connect(m_navigator, &NavigatorPanel::sheetChosen, this, &MainWindow::showSheet);
    connect(m_cables, &CablePanel::cableSelected, this,
            [this](int cable) { traceCable(cable, true, false); });
    connect(m_traceBar, &TraceBar::previousFloor, this, [this] { traceStep(-1); });
    connect(m_traceBar, &TraceBar::nextFloor, this, [this] { traceStep(1); });
    connect(m_traceBar, &TraceBar::closed, this, &MainWindow::clearSelection);

    resize(1400, 900);
    resizeDocks({m_navigatorDock, m_detailsDock}, {220, 400}, Qt::Horizontal);
    resizeDocks({m_cablesDock}, {260}, Qt::Vertical);
    if (m_options.rememberLayout) {
        QSettings settings(QStringLiteral("Korvex"), QStringLiteral("Gridwell"));
        settings.beginGroup(QLatin1String(LayoutGroup));
        restoreGeometry(settings.value(QStringLiteral("geometry")).toByteArray());
        restoreState(settings.value(QStringLiteral("windowState")).toByteArray());
    }
    updateTitle();
    updateActions();
}

MainWindow::~MainWindow()
{
    // The view must not paint a scene that is being deleted, and the panels,
    // which read the job document, go before it does.
    m_view->setScene(nullptr);
    delete m_find;
    delete m_navigatorDock;
    delete m_cablesDock;
    delete m_detailsDock;
}

void MainWindow::createDocks()
{
    m_navigatorDock = new QDockWidget(tr("Floors and sheets"), this);
    m_navigatorDock->setObjectName(QStringLiteral("floors"));
    m_navigatorDock->setWidget(m_navigator);
    addDockWidget(Qt::LeftDockWidgetArea, m_navigatorDock);

    m_detailsDock = new QDockWidget(tr("Cable details"), this);
    m_detailsDock->setObjectName(QStringLiteral("details"));
    m_detailsDock->setWidget(m_details);
    addDockWidget(Qt::RightDockWidgetArea, m_detailsDock);

    m_cablesDock = new QDockWidget(tr("Cables"), this);
    m_cablesDock->setObjectName(QStringLiteral("cables"));
    m_cablesDock->setWidget(m_cables);
    addDockWidget(Qt::BottomDockWidgetArea, m_cablesDock);
}

void MainWindow::createActions()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    QAction* open = file->addAction(tr("&Open\u2026"), this, &MainWindow::openDialog);
    open->setShortcut(QKeySequence::Open);
    m_recentMenu = file->addMenu(tr("Open &Recent"));
    connect(m_recentMenu, &QMenu::aboutToShow, this, &MainWindow::updateRecentMenu);
    updateRecentMenu();
    file->addSeparator();
    QMenu* exports = file->addMenu(tr("&Export"));
    m_jobActions << exports->addAction(tr("Cable &schedule (CSV)\u2026"), this,
                                       &MainWindow::exportSchedule);
    m_jobActions << exports->addAction(tr("Test &report (HTML)\u2026"), this,
                                       &MainWindow::exportReport);
    exports->addSeparator();
    m_exportSvg = exports->addAction(tr("Floor as S&VG\u2026"), this, &MainWindow::exportFloorSvg);
    m_floorActions << exports->addAction(tr("Shown plan as &PNG\u2026"), this,
                                         &MainWindow::exportFloorPng);
    QAction* pdf =
        exports->addAction(tr("Shown plan as P&DF\u2026"), this, &MainWindow::exportFloorPdf);
    m_floorActions << pdf;
    QAction* print = file->addAction(tr("&Print\u2026"), this, &MainWindow::printFloor);
    print->setShortcut(QKeySequence::Print);
    m_floorActions << print;
    file->addSeparator();
    QAction* info = file->addAction(tr("Job &information"), this, &MainWindow::showJobInfo);
    info->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    m_jobActions << info;
    QAction* close = file->addAction(tr("&Close"), &m_document, &JobDocument::close);
    close->setShortcut(QKeySequence::Close);
    m_jobActions << close;
    file->addSeparator();
    QAction* quit = file->addAction(tr("&Quit"), this, &QWidget::close);
    quit->setShortcut(QKeySequence::Quit);
    quit->setMenuRole(QAction::QuitRole);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    QAction* find = edit->addAction(tr("&Find\u2026"), this, &MainWindow::showFind);
    find->setShortcut(QKeySequence::Find);
    m_jobActions << find;
    QAction* clear = edit->addAction(tr("Clear &selection"), this, &MainWindow::clearSelection);
    clear->setShortcut(QKeySequence(Qt::Key_Escape));
    m_jobActions << clear;

    QMenu* view = menuBar()->addMenu(tr("&View"));
    QAction* zoomIn = view->addAction(tr("Zoom &in"), m_view, &PlanView::zoomIn);
    zoomIn->setShortcuts(QKeySequence::keyBindings(QKeySequence::ZoomIn)
                         << QKeySequence(Qt::CTRL | Qt::Key_Equal));
    QAction* zoomOut = view->addAction(tr("Zoom &out"), m_view, &PlanView::zoomOut);
    zoomOut->setShortcut(QKeySequence::ZoomOut);
    QAction* fit = view->addAction(tr("&Fit to window"), m_view, &PlanView::fitToWindow);
    fit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    QAction* actual = view->addAction(tr("&Actual size (100 %)"), m_view, &PlanView::actualSize);
    actual->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_1));
    m_floorActions << zoomIn << zoomOut << fit << actual;
    view->addSeparator();
    QAction* previous = view->addAction(tr("&Previous floor"), this, [this] {
        if (currentFloor() > 0)
            showFloor(currentFloor() - 1);
    });
    previous->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp));
    QAction* next = view->addAction(tr("&Next floor"), this, [this] {
        if (currentFloor() + 1 < m_document.floorCount())
            showFloor(currentFloor() + 1);
    });
    next->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown));
    m_jobActions << previous << next;
    view->addSeparator();
    QAction* names = view->addAction(tr("Show room &names"));
    names->setCheckable(true);
    names->setChecked(m_options.style.showRoomNames);
    connect(names, &QAction::toggled, this, [this](bool on) {
        m_options.style.showRoomNames = on;
        m_options.style.saveToggles();
        if (m_floorScene)
            m_floorScene->setShowRoomNames(on);
    });
    QAction* points = view->addAction(tr("Show path &points"));
    points->setCheckable(true);
    points->setChecked(m_options.style.showPathPoints);
    connect(points, &QAction::toggled, this, [this](bool on) {
        m_options.style.showPathPoints = on;
        m_options.style.saveToggles();
        if (m_floorScene)
            m_floorScene->setShowPathPoints(on);
    });
    view->addSeparator();
    for (QDockWidget* dock : {m_navigatorDock, m_cablesDock, m_detailsDock})
        view->addAction(dock->toggleViewAction());

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(tr("&About Gridwell"), this, &MainWindow::about);
}

bool MainWindow::openFile(const QString& path)
{
    QString templateFile;
    for (;;) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const bool opened = m_document.open(path, templateFile);
        QApplication::restoreOverrideCursor();
        if (opened) {
            RecentFiles::add(path);
            updateRecentMenu();
            if (!m_document.templateNote().isEmpty())
                showStatus(m_document.templateNote());
            return true;
        }
        if (m_document.templateError().isEmpty())
            break;
        // An older job needs a template to convert, and the one tried did
        // not load: another one may.
        templateFile = chooseTemplate(path, m_document.errorString() + QLatin1Char('\n') +
                                                m_document.templateError());
        if (templateFile.isEmpty())
            return false;
    }
    warn(tr("Cannot open job"), tr("%1 could not be opened.\n\n%2")
                                    .arg(QDir::toNativeSeparators(path), m_document.errorString()));
    return false;
}

QString MainWindow::defaultTemplateChooser(const QString& job, const QString& reason)
{
    const auto answer = QMessageBox::question(
        this, tr("Template needed"),
        tr("%1 was written by an older version of Gridwell. Converting it takes the default "
           "cable types from a template, and the template could not be loaded:\n\n%2\n\n"
           "Choose another template?")
            .arg(QFileInfo(job).fileName(), reason),
        QMessageBox::Yes | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer != QMessageBox::Yes)
        return QString();
    const QString folder = Runekit::readSettings({QVUtils::QvtPath}).value(QVUtils::QvtPath);
    return QFileDialog::getOpenFileName(this, tr("Choose a template"), folder,
                                        tr("Templates (*.qvt);;All files (*)"));
}

void MainWindow::openDialog()
{
    QString folder = m_document.isOpen()
                         ? QFileInfo(m_document.path()).absolutePath()
                         : Runekit::readSettings({QVUtils::JobPath}).value(QVUtils::JobPath);
    const QString path = QFileDialog::getOpenFileName(this, tr("Open job"), folder,
                                                      tr("Jobs (*.job);;All files (*)"));
    if (!path.isEmpty())
        openFile(path);
}

void MainWindow::updateRecentMenu()
{
    if (!m_recentMenu)
        return;
    m_recentMenu->clear();
    const QStringList paths = RecentFiles::list();
    for (int i = 0; i < paths.size(); ++i) {
        const QString path = paths.at(i);
        QAction* action = m_recentMenu->addAction(QStringLiteral("&%1 %2").arg(
            i + 1 < 10 ? QString::number(i + 1) : QStringLiteral("1&0"),
            QFileInfo(path).fileName()));
        action->setToolTip(QDir::toNativeSeparators(path));
        action->setStatusTip(QDir::toNativeSeparators(path));
        connect(action, &QAction::triggered, this, [this, path] {
            if (!openFile(path) && !QFileInfo::exists(path)) {
                RecentFiles::remove(path);
                updateRecentMenu();
            }
        });
    }
    if (!paths.isEmpty()) {
        m_recentMenu->addSeparator();
        m_recentMenu->addAction(tr("&Clear list"), this, [this] {
            for (const QString& path : RecentFiles::list())
                RecentFiles::remove(path);
            updateRecentMenu();
        });
    }
    m_recentMenu->setEnabled(!paths.isEmpty());
}

void MainWindow::jobOpened()
{
    m_cable = -1;
    m_centre->setCurrentIndex(1);
    if (m_document.floorCount() > 0)
        showFloor(0);
    else if (!m_document.sheets().sheets().isEmpty())
        showSheet(0);
    updateTitle();
    updateActions();
    updateTrace();
    if (m_document.allRowsRead())
        showSummary();
}

void MainWindow::showSummary()
{
    showStatus(tr("Floors: %1 \u00b7 network sheets: %2 \u00b7 cables: %3")
                   .arg(m_document.floorCount())
                   .arg(m_document.sheets().sheets().size())
                   .arg(m_document.cableCount()));
}

void MainWindow::jobClosed()
{
    m_cable = -1;
    m_view->setScene(nullptr);
    delete m_floorScene;
    delete m_sheetScene;
    m_floorScene = nullptr;
    m_sheetScene = nullptr;
    m_centre->setCurrentIndex(0);
    m_details->showCable(-1);
    updateTitle();
    updateActions();
    updateTrace();
    showStatus(QString());
}

void MainWindow::updateTitle()
{
    if (!m_document.isOpen()) {
        setWindowTitle(tr("Gridwell"));
        return;
    }
    QString name = m_document.fileName();
    if (m_document.isConverted())
        name = tr("%1 (converted from version %2)").arg(name, m_document.fileVersion());
    setWindowTitle(tr("%1[*] \u2014 Gridwell").arg(name));
    setWindowModified(m_document.isModified());
}

void MainWindow::updateActions()
{
    const bool open = m_document.isOpen();
    for (QAction* a : std::as_const(m_jobActions))
        a->setEnabled(open);
    const bool plan = open && (m_floorScene || m_sheetScene);
    for (QAction* a : std::as_const(m_floorActions))
        a->setEnabled(plan);
    m_exportSvg->setEnabled(open && m_floorScene);
}

void MainWindow::showStatus(const QString& text)
{
    statusBar()->showMessage(text);
}

int MainWindow::currentFloor() const
{
    return m_floorScene ? m_floorScene->floor() : -1;
}

int MainWindow::currentSheet() const
{
    return m_sheetScene ? m_sheetScene->sheet() : -1;
}

FloorScene* MainWindow::floorScene() const
{
    return m_floorScene;
}

SheetScene* MainWindow::sheetScene() const
{
    return m_sheetScene;
}

void MainWindow::showFloor(int floor)
{
    if (floor < 0 || floor >= m_document.floorCount())
        return;
    auto* scene = new FloorScene(m_document, floor, m_options.style, this);
    scene->setTracedCable(m_cable);
    m_view->showScene(scene, scene->floorRect());
    delete m_floorScene;
    delete m_sheetScene;
    m_floorScene = scene;
    m_sheetScene = nullptr;
    m_navigator->setCurrentFloor(floor);
    updateActions();
    updateTrace();
}

void MainWindow::showSheet(int sheet)
{
    if (sheet < 0 || sheet >= m_document.sheets().sheets().size())
        return;
    auto* scene = new SheetScene(m_document, sheet, m_options.style, this);
    m_view->showScene(scene, scene->sheetRect());
    delete m_floorScene;
    delete m_sheetScene;
    m_floorScene = nullptr;
    m_sheetScene = scene;
    m_navigator->setCurrentSheet(sheet);
    updateActions();
    updateTrace();
}

void MainWindow::selectCable(int cable)
{
    traceCable(cable, true, true);
}

void MainWindow::traceCable(int cable, bool centre, bool syncTable)
{
    if (cable < 0 || cable >= m_document.cableCount())
        cable = -1;
    m_cable = cable;
    if (cable >= 0) {
        // Stay on the shown floor when the cable runs on it, else go to the
        // first floor of its route.
        int first = -1;
        bool here = false;
        for (const Plan::RouteLeg& leg : m_document.route(cable)) {
            if (leg.floor < 0)
                continue;
            if (first < 0)
                first = leg.floor;
            here = here || leg.floor == currentFloor();
        }
        if (!here && first >= 0)
            showFloor(first);
    }
    if (m_floorScene) {
        m_floorScene->clearSelection();
        m_floorScene->setTracedCable(cable);
        if (cable >= 0 && centre) {
            if (RouteItem* route = m_floorScene->route(cable))
                m_view->centreOnRect(route->sceneBoundingRect());
        }
    }
    if (m_sheetScene)
        m_sheetScene->clearSelection();
    if (syncTable)
        m_cables->selectCable(cable);
    m_details->showCable(cable);
    updateTrace();
    if (cable >= 0)
        showStatus(tr("Tracing %1").arg(m_document.cable(cable).id));
}

void MainWindow::clearSelection()
{
    selectCable(-1);
    if (m_floorScene)
        m_floorScene->clearSelection();
    if (m_sheetScene)
        m_sheetScene->clearSelection();
    showStatus(QString());
}

void MainWindow::planClicked(QGraphicsItem* item)
{
    if (item->type() == ItemType::Route) {
        // A click on the plan shows where it is already: the view stays.
        traceCable(static_cast<RouteItem*>(item)->cable(), false, true);
        return;
    }
    selectPlanItem(item, false);
}

void MainWindow::selectPlanItem(QGraphicsItem* item, bool centre)
{
    if (m_cable >= 0)
        selectCable(-1);
    QGraphicsScene* scene = item->scene();
    scene->clearSelection();
    item->setSelected(true);
    if (centre)
        m_view->centreOnRect(item->sceneBoundingRect());
    switch (item->type()) {
    case ItemType::Port:
    case ItemType::Riser: {
        const auto* place = static_cast<PlaceItem*>(item);
        describePort(m_document.floor(currentFloor()).tag, place->id(),
                     item->type() == ItemType::Riser);
        break;
    }
    case ItemType::Room:
        showStatus(
            tr("Room %1 on %2")
                .arg(static_cast<RoomItem*>(item)->id(), m_document.floor(currentFloor()).id));
        break;
    case ItemType::Device: {
        const auto* device = static_cast<DeviceItem*>(item);
        showStatus(tr("Device %1").arg(device->id()));
        break;
    }
    default:
        break;
    }
}

void MainWindow::describePort(const QString& floorTag, const QString& portId, bool riser)
{
    const int f = m_document.floorIndex(floorTag);
    if (f < 0)
        return;
    const Plan::FloorItem& floor = m_document.floor(f);
    const QString unit = m_document.metric() ? tr("m") : tr("ft");
    for (const Plan::PlaceItem& p : riser ? floor.runs : floor.ports) {
        if (p.id != portId)
            continue;
        double drop = p.dropHeight;
        if (m_document.metric())
            drop = Runekit::convertFeetToMeters(drop, false);
        QStringList cables;
        if (riser) {
            cables = p.connected + p.disconnected;
            for (QString& tag : cables) {
                const int c = m_document.cableIndex(tag);
                if (c >= 0)
                    tag = m_document.cable(c).id;
            }
        } else {
            for (int c : m_document.cablesAtPort(p.id))
                cables.append(m_document.cable(c).id);
        }
        const QString cableText =
            cables.isEmpty()
                ? tr("no cables")
                : tr("cables: %1")
                      .arg(cables.mid(0, 8).join(QStringLiteral(", ")) +
                           (cables.size() > 8 ? QStringLiteral(", \u2026") : QString()));
        showStatus(tr("%1 %2 (%3) in %4 on %5 \u00b7 drop %6 %7 \u00b7 %8")
                       .arg(riser ? tr("Riser") : tr("Port"), p.id, p.use, p.roomId, floor.id)
                       .arg(QLocale().toString(drop, 'g', 4), unit, cableText));
        return;
    }
}

bool MainWindow::goTo(const JobLocation& location)
{
    switch (location.kind) {
    case JobLocation::Floor:
        clearSelection();
        showFloor(location.floor);
        return currentFloor() == location.floor;
    case JobLocation::Sheet:
        clearSelection();
        showSheet(location.sheet);
        return currentSheet() == location.sheet;
    case JobLocation::Cable:
        selectCable(location.cable);
        return m_cable == location.cable;
    case JobLocation::Room:
    case JobLocation::Port:
    case JobLocation::Riser: {
        if (currentFloor() != location.floor)
            showFloor(location.floor);
        if (!m_floorScene)
            return false;
        QGraphicsItem* item = nullptr;
        if (location.kind == JobLocation::Room)
            item = m_floorScene->room(location.tag);
        else if (location.kind == JobLocation::Port)
            item = m_floorScene->port(location.tag);
        else
            item = m_floorScene->riser(location.tag);
        if (!item)
            return false;
        selectPlanItem(item, true);
        return true;
    }
    case JobLocation::Device: {
        if (currentSheet() != location.sheet)
            showSheet(location.sheet);
        DeviceItem* item = m_sheetScene ? m_sheetScene->device(location.tag) : nullptr;
        if (!item)
            return false;
        selectPlanItem(item, true);
        return true;
    }
    case JobLocation::None:
        break;
    }
    return false;
}

bool MainWindow::goToId(const QString& id)
{
    for (const JobLocation& hit : m_document.find(id)) {
        if (hit.id == id)
            return goTo(hit);
    }
    return false;
}

void MainWindow::updateTrace()
{
    if (m_cable < 0) {
        m_traceBar->hide();
        return;
    }
    const Plan::CableLine& cable = m_document.cable(m_cable);
    const QStringList& row = m_document.scheduleRow(m_cable);
    const QString unit = m_document.metric() ? tr("m") : tr("ft");
    auto length = [&](int column) {
        const QString value = row.value(column);
        return value.isEmpty() ? QStringLiteral("\u2014") : value + QLatin1Char(' ') + unit;
    };
    auto end = [&](int port, int floor) {
        const QString where = row.value(floor);
        return where.isEmpty() ? row.value(port)
                               : QStringLiteral("%1 (%2)").arg(row.value(port), where);
    };
    const QString text =
        tr("%1: %2 \u2192 %3 \u00b7 estimated %4 \u00b7 measured %5")
            .arg(cable.id, end(Plan::FromPortColumn, Plan::FromFloorColumn),
                 end(Plan::ToPortColumn, Plan::ToFloorColumn), length(Plan::EstimatedLengthColumn),
                 length(Plan::MeasuredLengthColumn));
    QStringList floors;
    int current = -1;
    for (const Plan::RouteLeg& leg : m_document.route(m_cable)) {
        if (leg.floor < 0)
            continue;
        if (leg.floor == currentFloor())
            current = int(floors.size());
        floors.append(m_document.floor(leg.floor).id);
    }
    m_traceBar->setTrace(text, floors, current);
    m_traceBar->show();
}

void MainWindow::traceStep(int step)
{
    if (m_cable < 0)
        return;
    QList<Plan::RouteLeg> legs;
    for (const Plan::RouteLeg& leg : m_document.route(m_cable)) {
        if (leg.floor >= 0)
            legs.append(leg);
    }
    int at = -1;
    for (int i = 0; i < legs.size(); ++i) {
        if (legs.at(i).floor == currentFloor())
            at = i;
    }
    const int target = at < 0 ? (step > 0 ? 0 : int(legs.size()) - 1) : at + step;
    if (target < 0 || target >= legs.size())
        return;
    const Plan::RouteLeg& leg = legs.at(target);
    showFloor(leg.floor);
    // Where the route comes into this floor: the riser it passes.
    if (PlaceItem* riser = m_floorScene->riserAt(leg.run))
        m_view->centreOnRect(riser->sceneBoundingRect().adjusted(-200, -200, 200, 200));
    else if (RouteItem* route = m_floorScene->route(m_cable))
        m_view->centreOnRect(route->sceneBoundingRect());
}

FindDialog* MainWindow::findDialog()
{
    if (!m_find) {
        m_find = new FindDialog(m_document, this);
        connect(m_find, &FindDialog::locationChosen, this, &MainWindow::goTo);
    }
    return m_find;
}

void MainWindow::showFind()
{
    FindDialog* find = findDialog();
    find->show();
    find->raise();
    find->activateWindow();
    find->edit()->setFocus();
    find->edit()->selectAll();
}

void MainWindow::showJobInfo()
{
    JobInfoDialog dialog(m_document.info(), this);
    dialog.exec();
}

void MainWindow::about()
{
    QMessageBox::about(
        this, tr("About Gridwell"),
        tr("<p><b>Gridwell planner</b> %1</p><p>Floor plans, network sheets, cables and their "
           "test results of structured-cabling jobs.</p>")
            .arg(QCoreApplication::applicationVersion().toHtmlEscaped()));
}

QString MainWindow::askSavePath(const QString& title, const QString& suggested,
                                const QString& filter)
{
    return QFileDialog::getSaveFileName(this, title, suggested, filter);
}

QString MainWindow::pageTitle() const
{
    if (m_floorScene)
        return tr("%1 \u2014 %2").arg(m_document.floor(currentFloor()).id, m_document.fileName());
    if (m_sheetScene)
        return tr("%1 \u2014 %2")
            .arg(m_document.sheets().sheets().at(currentSheet()).id, m_document.fileName());
    return m_document.fileName();
}

QString MainWindow::pageSubtitle() const
{
    const JobInfo info = m_document.info();
    QStringList parts;
    for (const auto& fact : info.site.mid(0, 2)) {
        if (!fact.second.isEmpty())
            parts.append(fact.second);
    }
    return parts.join(QStringLiteral(" \u00b7 "));
}

void MainWindow::exportSchedule()
{
    const QFileInfo job(m_document.path());
    const QString path = askSavePath(
        tr("Export cable schedule"),
        job.absoluteDir().filePath(job.completeBaseName() + QStringLiteral("-schedule.csv")),
        tr("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!writeWhole(
            path, [this](QIODevice& d, QString* e) { return m_document.writeSchedule(d, e); },
            &error))
        warn(tr("Export failed"), tr("The cable schedule could not be written:\n%1").arg(error));
    else
        showStatus(tr("Wrote %1").arg(QDir::toNativeSeparators(path)));
}

void MainWindow::exportReport()
{
    const QFileInfo job(m_document.path());
    const QString path = askSavePath(
        tr("Export test report"),
        job.absoluteDir().filePath(job.completeBaseName() + QStringLiteral("-report.html")),
        tr("HTML files (*.html *.xhtml)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!writeWhole(
            path, [this](QIODevice& d, QString* e) { return m_document.writeReport(d, e); },
            &error))
        warn(tr("Export failed"), tr("The test report could not be written:\n%1").arg(error));
    else
        showStatus(tr("Wrote %1").arg(QDir::toNativeSeparators(path)));
}

void MainWindow::exportFloorSvg()
{
    if (!m_floorScene)
        return;
    const int floor = currentFloor();
    const QFileInfo job(m_document.path());
    const QString path = askSavePath(
        tr("Export floor as SVG"),
        job.absoluteDir().filePath(job.completeBaseName() + QLatin1Char('-') +
                                   m_document.floor(floor).tag + QStringLiteral(".svg")),
        tr("SVG pictures (*.svg)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!writeWhole(
            path,
            [this, floor](QIODevice& d, QString* e) {
                return m_document.writeFloorSvg(floor, d, e);
            },
            &error))
        warn(tr("Export failed"), tr("The floor plan could not be written:\n%1").arg(error));
    else
        showStatus(tr("Wrote %1").arg(QDir::toNativeSeparators(path)));
}

void MainWindow::exportFloorPng()
{
    QGraphicsScene* scene = m_view->scene();
    if (!scene)
        return;
    const QFileInfo job(m_document.path());
    const QString path =
        askSavePath(tr("Export plan as PNG"),
                    job.absoluteDir().filePath(job.completeBaseName() + QStringLiteral(".png")),
                    tr("PNG pictures (*.png)"));
    if (path.isEmpty())
        return;
    QString error;
    const QRectF source = m_floorScene ? m_floorScene->floorRect() : m_sheetScene->sheetRect();
    if (!FloorExport::writePng(*scene, source, path, &error))
        warn(tr("Export failed"), tr("The picture could not be written:\n%1").arg(error));
    else
        showStatus(tr("Wrote %1").arg(QDir::toNativeSeparators(path)));
}

void MainWindow::exportFloorPdf()
{
    QGraphicsScene* scene = m_view->scene();
    if (!scene)
        return;
    // PDFs go to the folder the print settings name, and the last one used
    // is remembered there.
    QString folder = Runekit::readSettings({QVUtils::ExportPdfPath}).value(QVUtils::ExportPdfPath);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QFileInfo(m_document.path()).absolutePath();
    const QString path =
        askSavePath(tr("Export plan as PDF"),
                    QDir(folder).filePath(QFileInfo(m_document.path()).completeBaseName() +
                                          QStringLiteral(".pdf")),
                    tr("PDF files (*.pdf)"));
    if (path.isEmpty())
        return;
    QString error;
    const QRectF source = m_floorScene ? m_floorScene->floorRect() : m_sheetScene->sheetRect();
    if (!FloorExport::writePdf(*scene, source, pageTitle(), pageSubtitle(), path, &error)) {
        warn(tr("Export failed"), tr("The PDF could not be written:\n%1").arg(error));
        return;
    }
    Runekit::writeSettings({{QVUtils::ExportPdfPath, QFileInfo(path).absolutePath()}});
    showStatus(tr("Wrote %1").arg(QDir::toNativeSeparators(path)));
}

void MainWindow::printFloor()
{
    QGraphicsScene* scene = m_view->scene();
    if (!scene)
        return;
    QPrinter printer;
    // The plans' lines have their weight in device pixels; at screen
    // resolution they print as they look.
    printer.setResolution(96);
    const QRectF source = m_floorScene ? m_floorScene->floorRect() : m_sheetScene->sheetRect();
    printer.setPageOrientation(source.width() >= source.height() ? QPageLayout::Landscape
                                                                 : QPageLayout::Portrait);
    printer.setDocName(pageTitle());
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    FloorExport::print(*scene, source, pageTitle(), pageSubtitle(), &printer);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (m_options.rememberLayout) {
        QSettings settings(QStringLiteral("Korvex"), QStringLiteral("Gridwell"));
        settings.beginGroup(QLatin1String(LayoutGroup));
        settings.setValue(QStringLiteral("geometry"), saveGeometry());
        settings.setValue(QStringLiteral("windowState"), saveState());
    }
    if (m_find)
        m_find->close();
    event->accept();
}
