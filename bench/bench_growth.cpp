// How the cost of every whole-job pass of the job's interface grows with the
// job: a campus job is built through the public operations at N and at 10 N
// (10 floors and 10 sheets; N ports and N cables with complete test results;
// N/10 rooms, points, floor texts, devices, vertices, sheet texts and
// connections and active ports; N/100 vertical runs, the first of each floor a
// riser that lists every cable between floors, a tenth of all cables), and
// each pass is timed at both sizes. The conversion of a job written in the 2.3
// format while it loads is timed on a generated job of the same size. A pass that repeats a
// single-item operation over the job should grow about tenfold; a ratio near 100 means each
// operation walks the job.
//
// Times are the processor time of the process (on Unix), so that other work
// on the machine disturbs them less than it would wall-clock times.
//
// Usage: bench_growth [N [RUNS]]   (N default 1000; RUNS default 1: with more,
// each pass is timed RUNS times at each size and the least time kept)
#include "jobgenerator.h"

#include <ductbook.h>

#include <QCoreApplication>
#include <QDomDocument>
#include <QElapsedTimer>
#include <QFile>
#include <QList>
#include <QMap>
#include <QTemporaryDir>
#include <QTextStream>

#include <functional>
#include <utility>

#ifdef Q_OS_UNIX
#include <ctime>
#endif

namespace {

const int Floors = 10;
const int Sheets = 10;

// The names of everything the builder created, as the job answered them.
struct Campus
{
    QStringList floors;
    QStringList sheets;
    struct Item
    {
        QString tag;
        QString id;
        QString container; // floor or sheet tag
        QString room;
    };
    QList<Item> rooms;
    QList<Item> ports;
    QList<Item> runs;
    QList<Item> points;
    QList<Item> floorTexts;
    QList<Item> devices;
    QList<Item> vertices;
    QList<Item> sheetTexts;
    QList<Item> connections;
    QList<Item> activePorts;
    QList<Item> cables; // tag, id
    QStringList riserCables;
    QStringList bundleGroups;
    QStringList risers; // the first run of each floor
};

// One row of the table: the operation, its item count and time at each size.
struct Row
{
    QString name;
    qint64 count[2] = {0, 0};
    double ms[2] = {-1, -1};
};

class Table
{
public:
    void record(int size, const QString& name, qint64 count, double ms)
    {
        auto it = m_index.constFind(name);
        if (it == m_index.cend()) {
            it = m_index.insert(name, int(m_rows.size()));
            m_rows.append(Row{name, {0, 0}, {-1, -1}});
        }
        Row& row = m_rows[it.value()];
        row.count[size] = count;
        if (row.ms[size] < 0 || ms < row.ms[size])
            row.ms[size] = ms;
    }

    void print(QTextStream& out, int n) const
    {
        const int width = 62;
        out << QStringLiteral("%1 %2 %3 %4 %5 %6\n")
                   .arg(QStringLiteral("operation"), -width)
                   .arg(QStringLiteral("count"), 7)
                   .arg(QStringLiteral("N=%1 ms").arg(n), 12)
                   .arg(QStringLiteral("count"), 7)
                   .arg(QStringLiteral("N=%1 ms").arg(10 * n), 13)
                   .arg(QStringLiteral("ratio"), 7);
        for (const Row& row : m_rows) {
            const bool both = row.ms[0] >= 0 && row.ms[1] >= 0;
            // Below a few hundredths of a millisecond the ratio is noise.
            const QString ratio = both && row.ms[0] >= 0.05
                                      ? QString::number(row.ms[1] / row.ms[0], 'f', 1)
                                      : QStringLiteral("-");
            out << QStringLiteral("%1 %2 %3 %4 %5 %6\n")
                       .arg(row.name, -width)
                       .arg(row.count[0], 7)
                       .arg(row.ms[0], 12, 'f', 2)
                       .arg(row.count[1], 7)
                       .arg(row.ms[1], 13, 'f', 2)
                       .arg(ratio, 7);
        }
    }

private:
    QList<Row> m_rows;
    QMap<QString, int> m_index;
};

// Milliseconds of processor time used so far (wall-clock time where there is
// no such clock).
double nowMs()
{
#ifdef Q_OS_UNIX
    timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
#else
    static QElapsedTimer timer;
    if (!timer.isValid())
        timer.start();
    return double(timer.nsecsElapsed()) / 1e6;
#endif
}

class Bench
{
public:
    Bench(Table& table, int size) : m_table(table), m_size(size) {}

    // Times f, which returns how many items it handled.
    void time(const QString& name, const std::function<qint64()>& f)
    {
        const double start = nowMs();
        const qint64 count = f();
        m_table.record(m_size, name, count, nowMs() - start);
    }

private:
    Table& m_table;
    int m_size;
};

Ductbook& job()
{
    return Ductbook::Instance();
}

bool reload(const QString& path)
{
    Ductbook::Destroy();
    return job().Load(path);
}

QString number(int n)
{
    return QString::number(n);
}

void build(Bench& bench, Campus& c, int n)
{
    Ductbook& d = job();
    TestDef cat6(QStringLiteral("CAT6"));
    cat6.setColor(QStringLiteral("#3399ff"));
    cat6.setCableCategory(6);
    d.addTestDef(cat6);
    TestDef cat5(QStringLiteral("CAT5e"));
    cat5.setColor(QStringLiteral("#33ff99"));
    cat5.setCableCategory(5);
    d.addTestDef(cat5);

    c.floors = d.getFloorTags();
    bench.time(QStringLiteral("addFloor (fixed count)"), [&] {
        for (int f = 1; f < Floors; ++f)
            c.floors.append(d.addFloor(QString(), QStringLiteral("Floor_"), 9.0, QString(), 0));
        return Floors - 1;
    });
    c.sheets = d.getSheetTags();
    bench.time(QStringLiteral("addSheet (fixed count)"), [&] {
        for (int s = 1; s < Sheets; ++s)
            c.sheets.append(d.addSheet(QString(), QStringLiteral("Sheet_"), 0));
        return Sheets - 1;
    });

    const int roomsPerFloor = n / 10 / Floors;
    bench.time(QStringLiteral("addRoom"), [&] {
        for (int f = 0; f < Floors; ++f) {
            for (int r = 0; r < roomsPerFloor; ++r) {
                const QString id = QStringLiteral("R%1-%2").arg(f + 1).arg(r + 1);
                const QString tag = d.addRoom(c.floors[f], 100 + r * 420, 100, 400, 300, QString(),
                                              id, 10, 10, 3, 3, 3, 1);
                c.rooms.append({tag, id, c.floors[f], QString()});
            }
        }
        return c.rooms.size();
    });

    // Ports numbered floor by floor, spread over the rooms of their floor.
    const int portsPerFloor = n / Floors;
    bench.time(QStringLiteral("addPort"), [&] {
        for (int p = 0; p < n; ++p) {
            const int f = p / portsPerFloor;
            const Campus::Item& room = c.rooms[f * roomsPerFloor + (p % roomsPerFloor)];
            const QString id = QStringLiteral("P%1").arg(p + 1);
            const QString tag =
                d.addPort(c.floors[f], room.tag, 110 + (p % 20) * 18, 110 + (p / 20 % 20) * 18,
                          QString(), id, QStringLiteral("Network"), QString(), 7.0, 1);
            c.ports.append({tag, id, c.floors[f], room.tag});
        }
        return c.ports.size();
    });

    const int runsPerFloor = qMax(1, n / 100 / Floors);
    bench.time(QStringLiteral("addVertRun"), [&] {
        for (int f = 0; f < Floors; ++f) {
            for (int r = 0; r < runsPerFloor; ++r) {
                const QString room =
                    r == 0 ? QStringLiteral("Undefined") : c.rooms[f * roomsPerFloor + r].tag;
                const QString id = QStringLiteral("VR%1-%2").arg(f + 1).arg(r + 1);
                QStringList none;
                QStringList noneEither;
                const QString tag =
                    d.addVertRun(c.floors[f], room, 40 + r, 40, none, noneEither, QString(), id,
                                 QStringLiteral("vertical_run"), QString(), 0.0, 1);
                c.runs.append({tag, id, c.floors[f], room});
                if (r == 0)
                    c.risers.append(tag);
            }
        }
        return c.runs.size();
    });

    const int pointsPerFloor = n / 10 / Floors;
    bench.time(QStringLiteral("addPoint"), [&] {
        for (int f = 0; f < Floors; ++f) {
            for (int p = 0; p < pointsPerFloor; ++p) {
                const QString id = QStringLiteral("Pt%1-%2").arg(f + 1).arg(p + 1);
                const QString tag = d.addPoint(c.floors[f], 60 + p, 60, QString(), id, 1);
                c.points.append({tag, id, c.floors[f], QString()});
            }
        }
        return c.points.size();
    });

    bench.time(QStringLiteral("addFloorFreeText"), [&] {
        for (int f = 0; f < Floors; ++f) {
            for (int t = 0; t < n / 10 / Floors; ++t) {
                const QString text = QStringLiteral("Label %1-%2").arg(f + 1).arg(t + 1);
                const QString tag = d.addFloorFreeText(c.floors[f], 20 + t, 20, text, 10);
                c.floorTexts.append({tag, text, c.floors[f], QString()});
            }
        }
        return c.floorTexts.size();
    });

    const int perSheet = n / 10 / Sheets;
    bench.time(QStringLiteral("addDevice"), [&] {
        for (int s = 0; s < Sheets; ++s) {
            for (int i = 0; i < perSheet; ++i) {
                const QString id = QStringLiteral("SW%1-%2").arg(s + 1).arg(i + 1);
                const QString tag =
                    d.addDevice(c.sheets[s], i * 60, 50, QString(), id, QStringLiteral("10.0.0.1"),
                                QStringLiteral(":/images/switch.png"), QString(), 1);
                c.devices.append({tag, id, c.sheets[s], QString()});
            }
        }
        return c.devices.size();
    });
    bench.time(QStringLiteral("addVertice"), [&] {
        for (int s = 0; s < Sheets; ++s) {
            for (int i = 0; i < perSheet; ++i) {
                const QString id = QStringLiteral("V%1-%2").arg(s + 1).arg(i + 1);
                const QString tag = d.addVertice(c.sheets[s], i * 60, 90, QString(), id, 1);
                c.vertices.append({tag, id, c.sheets[s], QString()});
            }
        }
        return c.vertices.size();
    });
    bench.time(QStringLiteral("addFreeText"), [&] {
        for (int s = 0; s < Sheets; ++s) {
            for (int i = 0; i < perSheet; ++i) {
                const QString text = QStringLiteral("Note %1-%2").arg(s + 1).arg(i + 1);
                const QString tag = d.addFreeText(c.sheets[s], i * 60, 130, text, 10);
                c.sheetTexts.append({tag, text, c.sheets[s], QString()});
            }
        }
        return c.sheetTexts.size();
    });
    // Each device to the next one on its sheet.
    bench.time(QStringLiteral("addConnection"), [&] {
        for (int i = 0; i < c.devices.size(); ++i) {
            const Campus::Item& from = c.devices[i];
            const Campus::Item& to = c.devices[(i + 1) % c.devices.size()];
            const QString id =
                d.addConnection(QString(), QString(), to.id, from.id, QStringLiteral("1"), 0);
            c.connections.append({d.getConnectionTagById(id), id, QString(), QString()});
        }
        return c.connections.size();
    });

    // Active ports, each with the two results of a test run.
    bench.time(QStringLiteral("addActivePort (with results)"), [&] {
        for (int i = 0; i < n / 10; ++i) {
            ActiveTestResult ping(QString(), QStringLiteral("PING"), QStringLiteral("0% loss"),
                                  QStringLiteral("2026-12-01 09:14"));
            ActiveTestResult poe(QString(), QStringLiteral("PoE"), QStringLiteral("802.3at"),
                                 QStringLiteral("2026-12-01 09:15"));
            const QString id = d.addActivePort(QString(), c.ports[i].id, {&ping, &poe}, 1);
            c.activePorts.append({d.getActivePortElement(id), id, QString(), QString()});
        }
        return c.activePorts.size();
    });

    // Cable k joins ports 2k and 2k+1 of one floor; every tenth cable goes to
    // the next floor up instead and passes the risers. A fifth of the cables
    // are bundled in fours.
    bench.time(QStringLiteral("addCable (with test results)"), [&] {
        for (int k = 0; k < n; ++k) {
            const bool riser = k % 10 == 0;
            const int from = (2 * k) % n;
            const int to = riser ? (2 * k + 1 + portsPerFloor) % n : (2 * k + 1) % n;
            const int f = from / portsPerFloor;
            const int g = to / portsPerFloor;
            QStringList path{c.points[f * pointsPerFloor + k % pointsPerFloor].id};
            if (riser) {
                path << QStringLiteral("end_first_floor")
                     << c.points[g * pointsPerFloor + k % pointsPerFloor].id;
            }
            const QString group = k % 5 == 1 ? number(k / 20 + 1) : QString();
            const QString bundle = group.isEmpty() ? QString() : QStringLiteral("Quad");
            TestResults results = testedResult(k);
            const QString id = d.addCable(
                QString(), QStringLiteral("Cable"), QStringLiteral("Network"), c.ports[to].id,
                c.ports[from].id, k % 3 == 0 ? QStringLiteral("CAT5e") : QStringLiteral("CAT6"),
                bundle, group.isEmpty() ? QString() : number(k % 4 + 1), group, QString(), path,
                results, 0);
            c.cables.append({d.getCableElement(id), id, QString(), QString()});
            if (riser)
                c.riserCables.append(c.cables.constLast().tag);
            if (!group.isEmpty() && !c.bundleGroups.contains(group))
                c.bundleGroups.append(group);
        }
        return c.cables.size();
    });

    // A riser cable is connected at the risers of its two floors and passes
    // those of the other floors.
    bench.time(QStringLiteral("add(Dis)ConnectedCableToVertRun"), [&] {
        qint64 count = 0;
        for (int i = 0; i < c.riserCables.size(); ++i) {
            const int k = i * 10;
            const int f = (2 * k) % n / portsPerFloor;
            const int g = (f + 1) % Floors;
            for (int r = 0; r < Floors; ++r) {
                if (r == f || r == g)
                    d.addConnectedCableToVertRun(c.risers[r], c.riserCables[i]);
                else
                    d.addDisconnectedCableToVertRun(c.risers[r], c.riserCables[i]);
                ++count;
            }
        }
        return count;
    });
}

// Reads and lists on the loaded job; nothing changes.
void readPasses(Bench& bench, const Campus& c)
{
    Ductbook& d = job();
    qint64 sink = 0;
    // A yardstick: one search of the cable map per cable. What this grows by
    // is what memory, not the algorithm, adds to a single-item operation at
    // the larger size.
    bench.time(QStringLiteral("cableExists(tag, true) of every cable (yardstick)"), [&] {
        for (const auto& i : c.cables)
            sink += d.cableExists(i.tag, true);
        return c.cables.size();
    });
    bench.time(QStringLiteral("getPortByTag(tag) of every port"), [&] {
        for (const auto& p : c.ports)
            sink += d.getPortByTag(p.tag).x();
        return c.ports.size();
    });
    bench.time(QStringLiteral("getPortById(id) of every port"), [&] {
        for (const auto& p : c.ports)
            sink += d.getPortById(p.id).x();
        return c.ports.size();
    });
    bench.time(QStringLiteral("getPortById(floor, id) of every port"), [&] {
        for (const auto& p : c.ports)
            sink += d.getPortById(p.container, p.id).x();
        return c.ports.size();
    });
    bench.time(QStringLiteral("getPortByTag(floor, room, tag) of every port"), [&] {
        for (const auto& p : c.ports)
            sink += d.getPortByTag(p.container, p.room, p.tag).x();
        return c.ports.size();
    });
    bench.time(QStringLiteral("getRoomByTag(tag) of every room"), [&] {
        for (const auto& r : c.rooms)
            sink += qint64(d.getRoomByTag(r.tag).x());
        return c.rooms.size();
    });
    bench.time(QStringLiteral("getRoomById(floor, id) of every room"), [&] {
        for (const auto& r : c.rooms)
            sink += qint64(d.getRoomById(r.container, r.id).x());
        return c.rooms.size();
    });
    bench.time(QStringLiteral("roomExistsOnFloor(floor, id) of every room"), [&] {
        for (const auto& r : c.rooms)
            sink += d.roomExistsOnFloor(r.container, r.id, false);
        return c.rooms.size();
    });
    bench.time(QStringLiteral("getVertRunByTag(tag) of every run"), [&] {
        for (const auto& r : c.runs)
            sink += d.getVertRunByTag(r.tag).x();
        return c.runs.size();
    });
    bench.time(QStringLiteral("getVertRunById(floor, id) of every run"), [&] {
        for (const auto& r : c.runs)
            sink += d.getVertRunById(r.container, r.id).x();
        return c.runs.size();
    });
    bench.time(QStringLiteral("getDevice(tag) of every device"), [&] {
        for (const auto& i : c.devices)
            sink += d.getDevice(i.tag).x();
        return c.devices.size();
    });
    bench.time(QStringLiteral("getDeviceById(id) of every device"), [&] {
        for (const auto& i : c.devices)
            sink += d.getDeviceById(i.id).x();
        return c.devices.size();
    });
    bench.time(QStringLiteral("getVertice(tag) of every vertex"), [&] {
        for (const auto& i : c.vertices)
            sink += d.getVertice(i.tag).x();
        return c.vertices.size();
    });
    bench.time(QStringLiteral("getPointById(id) of every point"), [&] {
        for (const auto& i : c.points)
            sink += d.getPointById(i.id).x();
        return c.points.size();
    });
    bench.time(QStringLiteral("getFreeText(tag) of every sheet text"), [&] {
        for (const auto& i : c.sheetTexts)
            sink += d.getFreeText(i.tag).x();
        return c.sheetTexts.size();
    });
    bench.time(QStringLiteral("getFloorFreeText(tag) of every floor text"), [&] {
        for (const auto& i : c.floorTexts)
            sink += d.getFloorFreeText(i.tag).x();
        return c.floorTexts.size();
    });
    bench.time(QStringLiteral("getConnection(tag) of every connection"), [&] {
        for (const auto& i : c.connections)
            sink += d.getConnection(i.tag).id().size();
        return c.connections.size();
    });
    bench.time(QStringLiteral("getCable(tag) of every cable"), [&] {
        for (const auto& i : c.cables)
            sink += d.getCable(i.tag).id().size();
        return c.cables.size();
    });
    bench.time(QStringLiteral("getCableById(id) of every cable"), [&] {
        for (const auto& i : c.cables)
            sink += d.getCableById(i.id).id().size();
        return c.cables.size();
    });
    bench.time(QStringLiteral("isCableInVertRun of every cable"), [&] {
        for (const auto& i : c.cables)
            sink += d.isCableInVertRun(i.tag);
        return c.cables.size();
    });
    bench.time(QStringLiteral("getVertRunsWithCableInConnectedList of every cable"), [&] {
        for (const auto& i : c.cables)
            sink += d.getVertRunsWithCableInConnectedList(i.tag).size();
        return c.cables.size();
    });
    bench.time(QStringLiteral("getVertRunsWithCableInDisconnectedList of every cable"), [&] {
        for (const auto& i : c.cables)
            sink += d.getVertRunsWithCableInDisconnectedList(i.tag).size();
        return c.cables.size();
    });

    // A tenth of the cables run between floors: their estimate asks the
    // risers which runs list them.
    double metres = 0;
    bench.time(QStringLiteral("getCableEstimatedLength of every cable"), [&] {
        for (const auto& i : c.cables)
            metres += d.getCableEstimatedLength(i.tag);
        return c.cables.size();
    });
    bench.time(QStringLiteral("getMaxRoundedCableLength of every cable"), [&] {
        for (const auto& i : c.cables)
            metres += d.getMaxRoundedCableLength(i.tag, true, false);
        return c.cables.size();
    });
    sink += qint64(metres);
    bench.time(QStringLiteral("getActivePort(tag) of every active port"), [&] {
        for (const auto& i : c.activePorts) {
            const ActivePort port = d.getActivePort(i.tag);
            sink += port.activeTestResults().size();
            qDeleteAll(port.activeTestResults());
        }
        return c.activePorts.size();
    });
    bench.time(QStringLiteral("getActivePortTestResults of every active port"), [&] {
        for (const auto& i : c.activePorts)
            sink += d.getActivePortTestResults(i.tag).size() + d.activePortExists(i.id, false);
        return c.activePorts.size();
    });

    bench.time(QStringLiteral("getPorts(true), getVertRuns(), getCables(true)"), [&] {
        sink += d.getPorts(true).size() + d.getVertRuns().size() + d.getCables(true).size();
        return c.ports.size();
    });
    bench.time(QStringLiteral("getPorts, getRooms, getPoints of every floor"), [&] {
        for (const QString& f : c.floors)
            sink += d.getPorts(f, true).size() + d.getRooms(f, true).size() +
                    d.getPoints(f, false).size() + d.getFloorFreeTexts(f, true).size();
        return c.floors.size();
    });
    bench.time(QStringLiteral("getDevices, getVertices, getFreeTexts of every sheet"), [&] {
        for (const QString& s : c.sheets)
            sink += d.getDevices(s, true).size() + d.getVertices(s, true).size() +
                    d.getFreeTexts(s, true).size();
        return c.sheets.size();
    });
    bench.time(QStringLiteral("getCables(floor, \"Show All\") of every floor"), [&] {
        for (const QString& f : c.floors)
            sink += d.getCables(f, QStringLiteral("Show All")).size();
        return c.floors.size();
    });
    bench.time(QStringLiteral("getCables(floor, types) of every floor"), [&] {
        for (const QString& f : c.floors)
            sink += d.getCables(f, QStringList{QStringLiteral("CAT6")}).size();
        return c.floors.size();
    });
    bench.time(QStringLiteral("getCables(portTag) of every port"), [&] {
        for (const auto& p : c.ports)
            sink += d.getCables(p.tag).size();
        return c.ports.size();
    });
    bench.time(QStringLiteral("getCablesConnectedToPort(id) of every port"), [&] {
        for (const auto& p : c.ports)
            sink += d.getCablesConnectedToPort(p.id, false).size();
        return c.ports.size();
    });
    bench.time(QStringLiteral("getCablesWithPoint(id) of every point"), [&] {
        for (const auto& p : c.points)
            sink += d.getCablesWithPoint(p.id, true).size();
        return c.points.size();
    });
    bench.time(QStringLiteral("getCablesInSameBundleGroup of every group"), [&] {
        for (const QString& g : c.bundleGroups)
            sink += d.getCablesInSameBundleGroup(g, true).size();
        return c.bundleGroups.size();
    });
    bench.time(QStringLiteral("getConnections(deviceId, 0) of every device"), [&] {
        for (const auto& i : c.devices)
            sink += d.getConnections(i.id, 0).size();
        return c.devices.size();
    });
    bench.time(QStringLiteral("getConnections(sheet) of every sheet"), [&] {
        for (const QString& s : c.sheets)
            sink += d.getConnections(s).size();
        return c.sheets.size();
    });
    bench.time(QStringLiteral("getCablesByType, ByCategory, ByTypeFromMap"), [&] {
        sink += d.getCablesByType(QStringLiteral("CAT6")).size() + d.getCablesByCategory(5).size() +
                d.getCablesByTypeFromMap(QStringLiteral("CAT6")).size();
        return c.cables.size();
    });
    bench.time(QStringLiteral("getPortsByUse(floor, use) of every floor"), [&] {
        for (const QString& f : c.floors)
            sink += d.getPortsByUse(f, QStringLiteral("Network")).size();
        return c.floors.size();
    });
    if (sink == -1)
        qWarning("unreachable");
}

void cableSetPasses(Bench& bench, const Campus& c)
{
    Ductbook& d = job();
    bench.time(QStringLiteral("setCableTestResults of every cable"), [&] {
        int seed = 7;
        for (const auto& i : c.cables) {
            TestResults r = testedResult(++seed);
            d.setCableTestResults(i.tag, r);
        }
        return c.cables.size();
    });
    bench.time(QStringLiteral("setCablePath of every cable"), [&] {
        for (const auto& i : c.cables)
            d.setCablePath(i.tag, QStringList{c.points.constFirst().id});
        return c.cables.size();
    });
    bench.time(QStringLiteral("setCableType of every cable"), [&] {
        for (const auto& i : c.cables)
            d.setCableType(i.tag, QStringLiteral("CAT6"));
        return c.cables.size();
    });
    bench.time(QStringLiteral("setCableBundleGroupNum of every cable"), [&] {
        for (int k = 0; k < c.cables.size(); ++k)
            d.setCableBundleGroupNum(c.cables[k].tag, number(k / 3));
        return c.cables.size();
    });
    bench.time(QStringLiteral("setCableTo and setCableFrom of every cable"), [&] {
        for (int k = 0; k < c.cables.size(); ++k) {
            d.setCableTo(c.cables[k].tag, c.ports[(k + 7) % c.ports.size()].id);
            d.setCableFrom(c.cables[k].tag, c.ports[(k + 3) % c.ports.size()].id);
        }
        return c.cables.size();
    });
    bench.time(QStringLiteral("setCableID of every cable"), [&] {
        for (const auto& i : c.cables)
            d.setCableID(i.tag, i.id + QLatin1Char('x'));
        return c.cables.size();
    });
    bench.time(QStringLiteral("setConnectionTo of every connection"), [&] {
        for (const auto& i : c.connections)
            d.setConnectionTo(i.tag, c.devices.constFirst().id);
        return c.connections.size();
    });
    bench.time(QStringLiteral("addActivePortTestResult to every active port"), [&] {
        for (const auto& i : c.activePorts)
            d.addActivePortTestResult(i.tag, ActiveTestResult(QString(), QStringLiteral("iPerf"),
                                                              QStringLiteral("941 Mbit/s"),
                                                              QStringLiteral("2026-12-01 09:16")));
        return c.activePorts.size();
    });
    bench.time(QStringLiteral("renameActivePort of every active port"), [&] {
        for (const auto& i : c.activePorts)
            d.renameActivePort(i.tag, i.id + QLatin1Char('a'));
        return c.activePorts.size();
    });
}

void floorSetPasses(Bench& bench, const Campus& c)
{
    Ductbook& d = job();
    bench.time(QStringLiteral("setPortPos and setPortDropHeight of every port"), [&] {
        for (const auto& p : c.ports) {
            d.setPortPos(p.container, p.room, p.tag, 5, 5);
            d.setPortDropHeight(p.container, p.room, p.tag, 6.5);
        }
        return c.ports.size();
    });
    bench.time(QStringLiteral("setPortIconScale(floor, room, id) of every port"), [&] {
        for (const auto& p : c.ports)
            d.setPortIconScale(p.container, p.room, p.id, QStringLiteral("2"));
        return c.ports.size();
    });
    bench.time(QStringLiteral("renamePort of every port"), [&] {
        for (const auto& p : c.ports)
            d.renamePort(p.container, p.room, p.tag, p.id + QLatin1Char('r'));
        return c.ports.size();
    });
    // Every tenth port into the next room of its floor.
    bench.time(QStringLiteral("setPortRoom of every tenth port"), [&] {
        qint64 count = 0;
        for (int i = 0; i < c.ports.size(); i += 10) {
            const auto& p = c.ports[i];
            const QString next = c.ports[i + 1 < c.ports.size() ? i + 1 : i - 1].room;
            d.setPortRoom(p.container, p.id + QLatin1Char('r'), next);
            ++count;
        }
        return count;
    });
    bench.time(QStringLiteral("setRoomPos and setRoomLayer of every room"), [&] {
        for (const auto& r : c.rooms) {
            d.setRoomPos(r.container, r.id, 1, 2, 3, 4);
            d.setRoomLayer(r.container, r.id, 2);
        }
        return c.rooms.size();
    });
    bench.time(QStringLiteral("setRoomName of every room"), [&] {
        for (const auto& r : c.rooms)
            d.setRoomName(r.container, r.id, r.id + QLatin1Char('n'));
        return c.rooms.size();
    });
    bench.time(QStringLiteral("setPointPos and movePoint of every point"), [&] {
        for (const auto& p : c.points) {
            d.setPointPos(p.container, p.tag, 3, 3);
            d.movePoint(p.container, p.tag, 1, 1);
        }
        return c.points.size();
    });
    bench.time(QStringLiteral("setFloorFreeTextID of every floor text"), [&] {
        for (const auto& t : c.floorTexts)
            d.setFloorFreeTextID(t.container, t.tag, t.id + QLatin1Char('!'));
        return c.floorTexts.size();
    });
    bench.time(QStringLiteral("setFloorId of every floor"), [&] {
        for (const QString& f : c.floors)
            d.setFloorId(f, f + QLatin1Char('x'));
        return c.floors.size();
    });
}

void runSetPasses(Bench& bench, const Campus& c)
{
    Ductbook& d = job();
    bench.time(QStringLiteral("setVertRunPos and renameVertRun of every run"), [&] {
        for (const auto& r : c.runs) {
            d.setVertRunPos(r.container, r.room, r.tag, 9, 9);
            d.renameVertRun(r.container, r.room, r.tag, r.id + QLatin1Char('r'));
        }
        return c.runs.size();
    });
    bench.time(QStringLiteral("setVertRunId of every run"), [&] {
        for (const auto& r : c.runs)
            d.setVertRunId(r.container, r.room, r.id + QLatin1Char('r'), r.id);
        return c.runs.size();
    });
    bench.time(QStringLiteral("setVertRunRoom of every run"), [&] {
        for (const auto& r : c.runs) {
            const QString target =
                r.room == QLatin1String("Undefined")
                    ? c.rooms[c.floors.indexOf(r.container) * (c.rooms.size() / Floors)].tag
                    : QStringLiteral("Undefined");
            d.setVertRunRoom(r.container, r.id, target);
        }
        return c.runs.size();
    });
    bench.time(QStringLiteral("renameCableInAllVertRuns of every riser cable"), [&] {
        for (const QString& t : c.riserCables)
            d.renameCableInAllVertRuns(t, t + QLatin1Char('x'));
        return c.riserCables.size();
    });
    bench.time(QStringLiteral("removeCableFromAllVRLists of every riser cable"), [&] {
        for (const QString& t : c.riserCables)
            d.removeCableFromAllVRLists(t + QLatin1Char('x'));
        return c.riserCables.size();
    });
}

void sheetSetPasses(Bench& bench, const Campus& c)
{
    Ductbook& d = job();
    bench.time(QStringLiteral("setDevicePos(sheet, id) of every device"), [&] {
        for (const auto& i : c.devices)
            d.setDevicePos(i.container, i.id, 1, 1);
        return c.devices.size();
    });
    bench.time(QStringLiteral("setDeviceID and moveDevice of every device"), [&] {
        for (const auto& i : c.devices) {
            d.setDeviceID(i.container, i.tag, i.id + QLatin1Char('d'));
            d.moveDevice(i.container, i.tag, 1, 1);
        }
        return c.devices.size();
    });
    bench.time(QStringLiteral("setVerticePos of every vertex"), [&] {
        for (const auto& i : c.vertices)
            d.setVerticePos(i.container, i.tag, 2, 2);
        return c.vertices.size();
    });
    bench.time(QStringLiteral("setFreeTextID of every sheet text"), [&] {
        for (const auto& i : c.sheetTexts)
            d.setFreeTextID(i.container, i.tag, i.id + QLatin1Char('!'));
        return c.sheetTexts.size();
    });
    bench.time(QStringLiteral("setSheetID of every sheet"), [&] {
        for (const QString& s : c.sheets)
            d.setSheetID(s, s + QLatin1Char('x'));
        return c.sheets.size();
    });
}

// Every second item of each kind, one by one.
void removePasses(Bench& bench, const Campus& c)
{
    Ductbook& d = job();
    bench.time(QStringLiteral("removeCable of every second cable"), [&] {
        qint64 count = 0;
        for (int i = 0; i < c.cables.size(); i += 2, ++count)
            d.removeCable(c.cables[i].tag);
        return count;
    });
    bench.time(QStringLiteral("removeConnection of every second connection"), [&] {
        qint64 count = 0;
        for (int i = 0; i < c.connections.size(); i += 2, ++count)
            d.removeConnection(c.connections[i].tag);
        return count;
    });
    bench.time(QStringLiteral("removePort of every second port"), [&] {
        qint64 count = 0;
        for (int i = 0; i < c.ports.size(); i += 2, ++count)
            d.removePort(c.ports[i].container, c.ports[i].room, c.ports[i].tag);
        return count;
    });
    bench.time(QStringLiteral("removeRoom of every second room (ports move)"), [&] {
        qint64 count = 0;
        for (int i = 0; i < c.rooms.size(); i += 2, ++count)
            d.removeRoom(c.rooms[i].container, c.rooms[i].tag);
        return count;
    });
    bench.time(QStringLiteral("removeVertRun of every second run"), [&] {
        qint64 count = 0;
        for (int i = 0; i < c.runs.size(); i += 2, ++count)
            d.removeVertRun(c.runs[i].container, c.runs[i].room, c.runs[i].tag);
        return count;
    });
    const auto removeEverySecond = [&](const QString& name, const QList<Campus::Item>& items,
                                       void (Ductbook::*remove)(const QString&, const QString&)) {
        bench.time(name, [&] {
            qint64 count = 0;
            for (int i = 0; i < items.size(); i += 2, ++count)
                (d.*remove)(items[i].container, items[i].tag);
            return count;
        });
    };
    bench.time(QStringLiteral("removeActivePort of every second active port"), [&] {
        qint64 count = 0;
        for (int i = 0; i < c.activePorts.size(); i += 2, ++count)
            d.removeActivePort(c.activePorts[i].tag);
        return count;
    });
    removeEverySecond(QStringLiteral("removePoint of every second point"), c.points,
                      &Ductbook::removePoint);
    removeEverySecond(QStringLiteral("removeFloorFreeText of every second floor text"),
                      c.floorTexts, &Ductbook::removeFloorFreeText);
    removeEverySecond(QStringLiteral("removeDevice of every second device"), c.devices,
                      &Ductbook::removeDevice);
    removeEverySecond(QStringLiteral("removeVertice of every second vertex"), c.vertices,
                      &Ductbook::removeVertice);
    removeEverySecond(QStringLiteral("removeFreeText of every second sheet text"), c.sheetTexts,
                      &Ductbook::removeFreeText);
}

// Qt's own writer on a tree of the same text, for comparison with save.
void qtWriterPass(Bench& bench, const QString& path, const QString& target, qint64 count)
{
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return;
    QDomDocument bare;
    if (!bare.setContent(QString::fromLatin1(in.readAll())))
        return;
    bench.time(QStringLiteral("QDomDocument::toString(1) and write (Qt, for comparison)"), [&] {
        QFile out(target);
        if (!out.open(QIODevice::WriteOnly))
            return qint64(0);
        out.write(bare.toString(1).toLatin1());
        return count;
    });
}

// A generated job of n ports and n tested cables on 10 floors (a tenth of
// them between floors, through the risers), loaded in the current format and
// in the 2.3 format, which converts while it loads.
bool conversionPasses(Bench& bench, int n, const QTemporaryDir& dir)
{
    CampusJobSize size;
    size.floors = Floors;
    size.portsPerFloor = n / Floors;
    size.cables = n;
    size.crossFloorEvery = 10;
    const QString current = dir.filePath(QStringLiteral("generated-%1.job").arg(n));
    const QString older = dir.filePath(QStringLiteral("generated-2.3-%1.job").arg(n));
    CampusJobSize old = size;
    old.format23 = true;
    for (const auto& [path, jobSize] : {std::pair{current, size}, std::pair{older, old}}) {
        QFile file(path);
        const QByteArray text = generateCampusJob(jobSize);
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            return false;
    }
    bool ok = true;
    bench.time(QStringLiteral("Load of a generated job"), [&] {
        ok = reload(current) && ok;
        return qint64(n);
    });
    bench.time(QStringLiteral("Load of the same job in the 2.3 format (converts)"), [&] {
        ok = reload(older) && ok;
        return qint64(n);
    });
    Ductbook::Destroy();
    return ok;
}

// One room per floor holding every port of the floor: removing it moves all
// of them to the floor's "Undefined" room, so the removal should cost about
// ten times as much at ten times the ports.
void bigRoomPass(Bench& bench, int n, const QTemporaryDir& dir)
{
    Ductbook::Destroy();
    Ductbook& d = job();
    d.New(dir.filePath(QStringLiteral("big-rooms-%1.job").arg(n)));
    QStringList floors = d.getFloorTags();
    for (int f = 1; f < Floors; ++f)
        floors.append(d.addFloor(QString(), QStringLiteral("Floor_"), 9.0, QString(), 0));
    QStringList rooms;
    const int portsPerRoom = n / Floors;
    for (int f = 0; f < Floors; ++f) {
        const QString room = d.addRoom(floors[f], 100, 100, 4000, 4000, QString(),
                                       QStringLiteral("Hall %1").arg(f + 1), 10, 10, 3, 3, 3, 1);
        rooms.append(room);
        for (int p = 0; p < portsPerRoom; ++p)
            d.addPort(floors[f], room, 110 + (p % 200) * 18, 110 + (p / 200) * 18, QString(),
                      QStringLiteral("P%1-%2").arg(f + 1).arg(p + 1), QStringLiteral("Network"),
                      QString(), 7.0, 1);
    }
    bench.time(QStringLiteral("removeRoom of each floor's one room (all ports move)"), [&] {
        for (int f = 0; f < Floors; ++f)
            d.removeRoom(floors[f], rooms[f]);
        return qint64(n);
    });
    Ductbook::Destroy();
}

bool runSize(Table& table, int sizeIndex, int n, const QTemporaryDir& dir)
{
    Bench bench(table, sizeIndex);
    const QString path = dir.filePath(QStringLiteral("growth-%1.job").arg(n));
    Campus c;

    Ductbook::Destroy();
    job().New(path);
    build(bench, c, n);
    bench.time(QStringLiteral("save"), [&] { return job().save() ? c.cables.size() : -1; });
    qtWriterPass(bench, path, dir.filePath(QStringLiteral("qt.job")), c.cables.size());
    bench.time(QStringLiteral("Load"), [&] { return reload(path) ? c.cables.size() : -1; });

    readPasses(bench, c);
    cableSetPasses(bench, c);
    if (!reload(path))
        return false;
    floorSetPasses(bench, c);
    if (!reload(path))
        return false;
    runSetPasses(bench, c);
    sheetSetPasses(bench, c);
    if (!reload(path))
        return false;
    removePasses(bench, c);

    if (!reload(path))
        return false;
    bench.time(QStringLiteral("removeFloor of 9 of 10 floors"), [&] {
        for (int f = 1; f < Floors; ++f)
            job().removeFloor(c.floors[f]);
        return Floors - 1;
    });
    bench.time(QStringLiteral("removeSheet of 9 of 10 sheets"), [&] {
        for (int s = 1; s < Sheets; ++s)
            job().removeSheet(c.sheets[s]);
        return Sheets - 1;
    });

    // The repair after every fourth riser cable was removed behind the
    // runs' backs.
    if (!reload(path))
        return false;
    for (int i = 0; i < c.riserCables.size(); i += 4)
        job().removeCable(c.riserCables[i]);
    bench.time(QStringLiteral("fixBrokenVerticalRunCables, once"), [&] {
        job().fixBrokenVerticalRunCables();
        return c.cables.size();
    });

    if (!reload(path))
        return false;
    const QString newFloor = job().addFloor(QString(), QStringLiteral("Floor_"), 9.0, QString(), 0);
    const QString newSheet = job().addSheet(QString(), QStringLiteral("Sheet_"), 0);
    bench.time(QStringLiteral("copyFloor of one floor (its ports)"), [&] {
        job().copyFloor(c.floors.constFirst(), newFloor, {}, false);
        return c.ports.size() / Floors;
    });
    bench.time(QStringLiteral("copySheet of one sheet (its devices)"), [&] {
        job().copySheet(c.sheets.constFirst(), newSheet);
        return c.devices.size() / Sheets;
    });
    bigRoomPass(bench, n, dir);
    return conversionPasses(bench, n, dir);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const int n = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 1000;
    const int runs = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 1;
    if (n < 100 || n % 100 != 0 || runs < 1) {
        QTextStream(stderr) << "usage: bench_growth [N [RUNS]], N a multiple of 100 (default "
                               "1000), RUNS at least 1 (default 1)\n";
        return 2;
    }
    QTemporaryDir dir;
    Table table;
    for (int run = 0; run < runs; ++run) {
        for (int i = 0; i < 2; ++i) {
            if (!runSize(table, i, i == 0 ? n : 10 * n, dir)) {
                out << "load failed: " << job().error() << "\n";
                return 1;
            }
        }
    }
    out << "Campus job: " << Floors << " floors, " << Sheets
        << " sheets, N ports and N tested cables; milliseconds of processor time\n";
    table.print(out, n);
    return 0;
}
