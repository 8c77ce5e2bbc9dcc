// The planner on campus jobs of N and 10·N (10 floors; 1,000 and 10,000
// ports and tested cables, every fifth cable between floors through the
// risers), against the library's bare load of the same file: opening the job
// and showing its first floor, switching floors, one full repaint of a floor
// at fit-to-window, selecting a cable in the table until its route is drawn
// highlighted, and the memory the process holds at its peak.
// Usage: bench_planner [RUNS]     (a Release build; QT_QPA_PLATFORM is offscreen)
// Times are processor time of this process, so that other work on the
// machine disturbs them less; each is the best of RUNS (default 3) unless
// it says otherwise.
// The load, the open and the memory figures come from processes of their
// own (bench_planner --load JOB or --planner JOB).
#include "jobgenerator.h"

#include <cablepanel.h>
#include <floorscene.h>
#include <mainwindow.h>
#include <planview.h>
#include <schedule_p.h>
#include <screenshot.h>

#include <ductbook.h>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QProcess>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextStream>

#include <ctime>

namespace {

QTextStream& out()
{
    static QTextStream s(stdout);
    return s;
}

// Peak resident set of this process, in KiB.
qint64 peakKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// Processor time of this process, in milliseconds.
class CpuTimer
{
public:
    void start() { m_start = now(); }
    double elapsed() const { return now() - m_start; }

private:
    static double now()
    {
        timespec t{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
    }
    double m_start = 0;
};

double ms(const CpuTimer& t)
{
    return t.elapsed();
}

MainWindow::Options windowOptions()
{
    MainWindow::Options o;
    o.rememberLayout = false;
    o.style = PlanStyle::fixed(Screenshot::fontFamily());
    return o;
}

// Paints what the view shows into an image of the viewport's size, as a
// repaint of the window would.
void paintView(PlanView* view, QImage* image)
{
    image->fill(Qt::white);
    QPainter painter(image);
    view->render(&painter, QRectF(image->rect()), view->viewport()->rect());
}

// Runs this program in mode on job; its output, one figure a line.
QStringList child(const QString& mode, const QString& job)
{
    QProcess p;
    p.start(QCoreApplication::applicationFilePath(), {mode, job});
    if (!p.waitForFinished(-1) || p.exitCode() != 0)
        qFatal("%s failed: %s", qPrintable(mode), p.readAllStandardError().constData());
    return QString::fromLatin1(p.readAllStandardOutput()).split(QLatin1Char('\n'));
}

// A child: the bare load, or the planner opening the job; prints the peak
// resident size (KiB), then the time until the first floor is painted and,
// for the planner, until the whole table is read (ms).
int runChild(const QString& mode, const QString& job)
{
    CpuTimer t;
    if (mode == QLatin1String("--load")) {
        t.start();
        if (!Ductbook::Instance().Load(job))
            return 1;
        const double load = ms(t);
        out() << peakKiB() << "\n" << load << "\n";
        return 0;
    }
    MainWindow window(windowOptions());
    window.resize(1400, 900);
    window.show();
    QApplication::processEvents();
    t.start();
    if (!window.openFile(job))
        return 1;
    window.view()->viewport()->repaint();
    const double open = ms(t);
    window.document().readAllRows();
    QApplication::processEvents();
    window.cablePanel()->table()->viewport()->repaint();
    const double table = ms(t);
    out() << peakKiB() << "\n" << open << "\n" << table << "\n";
    return 0;
}

struct Figures
{
    qint64 fileKiB = 0;
    double bareLoad = 0;
    double open = 0;  // open the job and show the first floor, painted
    double table = 0; // ... and read every row of the cable table
    double floorSwitchMean = 0;
    double floorSwitchMax = 0;
    double repaintBest = 0;
    int ports = 0;
    int routes = 0;
    double selectBest = 0;
    double selectMax = 0;
    double selectOtherFloor = 0;
    qint64 loadPeak = 0; // KiB
    qint64 plannerPeak = 0;
    double filter = 0; // type a text into the table's filter
    double sort = 0;   // sort the table by its estimated length
};

Figures measure(const QString& job, int runs)
{
    Figures f;
    f.fileKiB = QFileInfo(job).size() / 1024;
    // Each load and open runs in a fresh process, as a user meets them: in
    // one process the second load finds memory the first one freed.
    f.bareLoad = 1e12;
    f.open = 1e12;
    f.table = 1e12;
    for (int r = 0; r < runs; ++r) {
        const QStringList load = child(QStringLiteral("--load"), job);
        const QStringList open = child(QStringLiteral("--planner"), job);
        f.bareLoad = qMin(f.bareLoad, load.value(1).toDouble());
        f.open = qMin(f.open, open.value(1).toDouble());
        f.table = qMin(f.table, open.value(2).toDouble());
        f.loadPeak = qMax(f.loadPeak, load.value(0).toLongLong());
        f.plannerPeak = qMax(f.plannerPeak, open.value(0).toLongLong());
    }

    MainWindow window(windowOptions());
    window.resize(1400, 900);
    window.show();
    QApplication::processEvents();
    window.openFile(job);
    window.document().readAllRows();
    PlanView* view = window.view();
    QImage image(view->viewport()->size(), QImage::Format_ARGB32_Premultiplied);

    const int floors = window.document().floorCount();
    double total = 0;
    for (int i = 1; i < floors; ++i) {
        CpuTimer t;
        t.start();
        window.showFloor(i);
        view->viewport()->repaint();
        const double took = ms(t);
        total += took;
        f.floorSwitchMax = qMax(f.floorSwitchMax, took);
    }
    f.floorSwitchMean = total / qMax(1, floors - 1);

    window.showFloor(0);
    view->fitToWindow();
    f.ports = int(window.document().floor(0).ports.size());
    f.routes = int(window.document().routes().legs(0).size());
    f.repaintBest = 1e12;
    for (int r = 0; r < 10; ++r) {
        CpuTimer t;
        t.start();
        paintView(view, &image);
        f.repaintBest = qMin(f.repaintBest, ms(t));
    }

    // Cables of the first floor, chosen in the table; then one whose route
    // starts on another floor, which brings that floor up.
    QTableView* table = window.cablePanel()->table();
    f.selectBest = 1e12;
    const QList<Plan::FloorPlan::Leg>& legs = window.document().routes().legs(0);
    for (int i = 0; i < 10 && i < legs.size(); ++i) {
        const int cable = legs.at(i * legs.size() / 10).cable;
        CpuTimer t;
        t.start();
        table->selectRow(cable);
        paintView(view, &image);
        const double took = ms(t);
        f.selectBest = qMin(f.selectBest, took);
        f.selectMax = qMax(f.selectMax, took);
        if (window.selectedCable() != cable)
            qFatal("the table did not select cable %d", cable);
    }
    const QList<Plan::FloorPlan::Leg>& last = window.document().routes().legs(floors - 1);
    if (!last.isEmpty()) {
        CpuTimer t;
        t.start();
        table->selectRow(last.constLast().cable);
        paintView(view, &image);
        f.selectOtherFloor = ms(t);
    }

    CpuTimer t;
    t.start();
    window.cablePanel()->filterEdit()->setText(QStringLiteral("Cable09"));
    f.filter = ms(t);
    window.cablePanel()->filterEdit()->clear();
    t.start();
    table->sortByColumn(Plan::EstimatedLengthColumn, Qt::DescendingOrder);
    f.sort = ms(t);
    return f;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Screenshot::prepareApplication();
    const QStringList args = QApplication::arguments();
    if (args.size() == 3 && args.at(1).startsWith(QLatin1String("--")))
        return runChild(args.at(1), args.at(2));
    const int runs = args.size() > 1 ? qMax(1, args.at(1).toInt()) : 3;

    QTemporaryDir dir;
    QList<Figures> sizes;
    for (int n : {1000, 10000}) {
        CampusJobSize size;
        size.portsPerFloor = n / size.floors;
        size.cables = n;
        size.crossFloorEvery = 5;
        const QString job = dir.filePath(QStringLiteral("campus-%1.job").arg(n));
        QFile file(job);
        if (!file.open(QIODevice::WriteOnly) || file.write(generateCampusJob(size)) < 0)
            return 1;
        file.close();
        const Figures f = measure(job, runs);
        const qint64 loadPeak = f.loadPeak;
        const qint64 plannerPeak = f.plannerPeak;
        out() << "campus job: " << size.floors << " floors, " << n << " ports, " << n
              << " tested cables (" << f.fileKiB / 1024 << " MiB)\n"
              << QStringLiteral("  bare Ductbook::Load                 %1 ms\n")
                     .arg(f.bareLoad, 8, 'f', 1)
              << QStringLiteral(
                     "  open and show the first floor       %1 ms  (%2 x the bare load)\n")
                     .arg(f.open, 8, 'f', 1)
                     .arg(f.open / f.bareLoad, 0, 'f', 2)
              << QStringLiteral("  ... and the whole cable table read  %1 ms  (%2 x)\n")
                     .arg(f.table, 8, 'f', 1)
                     .arg(f.table / f.bareLoad, 0, 'f', 2)
              << QStringLiteral("  switch floor, mean / max            %1 / %2 ms\n")
                     .arg(f.floorSwitchMean, 0, 'f', 1)
                     .arg(f.floorSwitchMax, 0, 'f', 1)
              << QStringLiteral("  repaint a floor of %1 ports and %2 routes at fit-to-window, "
                                "best of 10: %3 ms\n")
                     .arg(f.ports)
                     .arg(f.routes)
                     .arg(f.repaintBest, 0, 'f', 2)
              << QStringLiteral(
                     "  select a cable in the table and draw its route: best %1 ms, max %2 ms; "
                     "on another floor %3 ms\n")
                     .arg(f.selectBest, 0, 'f', 1)
                     .arg(f.selectMax, 0, 'f', 1)
                     .arg(f.selectOtherFloor, 0, 'f', 1)
              << QStringLiteral("  filter the table by a text %1 ms, sort it by length %2 ms\n")
                     .arg(f.filter, 0, 'f', 1)
                     .arg(f.sort, 0, 'f', 1)
              << QStringLiteral(
                     "  peak memory: the job loaded alone %1 MiB, the planner %2 MiB (%3 x)\n")
                     .arg(loadPeak / 1024)
                     .arg(plannerPeak / 1024)
                     .arg(double(plannerPeak) / qMax<qint64>(1, loadPeak), 0, 'f', 2);
        out().flush();
        sizes.append(f);
    }
    const Figures& a = sizes.at(0);
    const Figures& b = sizes.at(1);
    out() << "growth from N to 10 N: bare load " << QString::number(b.bareLoad / a.bareLoad, 'f', 1)
          << "x, open " << QString::number(b.open / a.open, 'f', 1) << "x, floor switch "
          << QString::number(b.floorSwitchMean / qMax(0.001, a.floorSwitchMean), 'f', 1)
          << "x, repaint " << QString::number(b.repaintBest / qMax(0.001, a.repaintBest), 'f', 1)
          << "x, select " << QString::number(b.selectBest / qMax(0.001, a.selectBest), 'f', 1)
          << "x\n";
    return 0;
}
