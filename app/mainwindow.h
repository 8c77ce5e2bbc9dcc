// The planner's window: the floors and sheets on the left, the plan in the
// middle (with the trace bar over it while a cable is traced), the cable
// details on the right and the cable table below. It keeps what is selected
// in step across them: a cable chosen in the table is traced on the plan and
// shown in the details, and a route clicked on the plan selects its row.
#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include "jobdocument.h"
#include "planstyle.h"

#include <QMainWindow>

#include <functional>

class CablePanel;
class DetailsPanel;
class FindDialog;
class FloorScene;
class NavigatorPanel;
class PlanView;
class QDockWidget;
class QGraphicsItem;
class QLabel;
class QMenu;
class QStackedWidget;
class SheetScene;
class TraceBar;

class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    struct Options
    {
        // Restore and keep the window's size and dock layout in the
        // settings; pictures that must come out the same every time do not.
        bool rememberLayout = true;
        // The drawing style; by default the settings' fonts and toggles.
        PlanStyle style = PlanStyle::fromSettings();
    };

    MainWindow();
    explicit MainWindow(const Options& options);
    ~MainWindow() override;

    JobDocument& document() { return m_document; }

    // Opens a job; a job of an older version whose template cannot be
    // loaded asks for another template. A file that does not open is
    // reported and leaves the window as it was. True when the job is open.
    bool openFile(const QString& path);

    // What the central view shows.
    void showFloor(int floor);
    void showSheet(int sheet);
    int currentFloor() const;
    int currentSheet() const;
    FloorScene* floorScene() const;
    SheetScene* sheetScene() const;

    // The cable traced on the plan, shown in the details and selected in
    // the table; -1 for none.
    void selectCable(int cable);
    int selectedCable() const { return m_cable; }
    // Shows where an item lies and selects it (a cable is traced).
    bool goTo(const JobLocation& location);
    // goTo() for the first item whose id is exactly id; false for none.
    bool goToId(const QString& id);
    // Shows the previous or next floor of the traced cable's route.
    void traceStep(int step);

    PlanView* view() const { return m_view; }
    CablePanel* cablePanel() const { return m_cables; }
    DetailsPanel* detailsPanel() const { return m_details; }
    NavigatorPanel* navigator() const { return m_navigator; }
    TraceBar* traceBar() const { return m_traceBar; }
    FindDialog* findDialog();
    QMenu* recentMenu() const { return m_recentMenu; }

    // How failures reach the user; tests and scripts may answer instead of
    // a person.
    std::function<void(const QString& title, const QString& text)> warn;
    // Asked for a template when a job needs one to convert and the one
    // tried could not be loaded; the reason is given. Empty: give up.
    std::function<QString(const QString& job, const QString& reason)> chooseTemplate;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createActions();
    void createDocks();
    void jobOpened();
    void jobClosed();
    void updateTitle();
    void updateActions();
    void updateRecentMenu();
    void updateTrace();
    void showStatus(const QString& text);
    void showSummary();
    // Traces the cable (-1: none), showing a floor of its route when the
    // shown one has none; centre brings its route into view, syncTable
    // selects its row.
    void traceCable(int cable, bool centre, bool syncTable);
    void planClicked(QGraphicsItem* item);
    void clearSelection();
    void selectPlanItem(QGraphicsItem* item, bool centre);
    void describePort(const QString& floorTag, const QString& portId, bool riser);

    void openDialog();
    void exportSchedule();
    void exportReport();
    void exportFloorSvg();
    void exportFloorPng();
    void exportFloorPdf();
    void printFloor();
    void showJobInfo();
    void showFind();
    void about();
    // Asks where to write; empty when the user cancels.
    QString askSavePath(const QString& title, const QString& suggested, const QString& filter);
    QString pageTitle() const;
    QString pageSubtitle() const;

    QString defaultTemplateChooser(const QString& job, const QString& reason);

    Options m_options;
    JobDocument m_document;
    PlanView* m_view;
    QStackedWidget* m_centre;
    TraceBar* m_traceBar;
    NavigatorPanel* m_navigator;
    CablePanel* m_cables;
    DetailsPanel* m_details;
    QDockWidget* m_navigatorDock;
    QDockWidget* m_cablesDock;
    QDockWidget* m_detailsDock;
    FindDialog* m_find = nullptr;
    QLabel* m_zoomLabel;
    QMenu* m_recentMenu = nullptr;
    QList<QAction*> m_jobActions;
    QList<QAction*> m_floorActions;
    QAction* m_exportSvg = nullptr;

    FloorScene* m_floorScene = nullptr;
    SheetScene* m_sheetScene = nullptr;
    int m_cable = -1;
};

#endif // MAINWINDOW_H
