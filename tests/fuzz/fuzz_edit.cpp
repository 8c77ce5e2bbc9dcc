// A fuzzer-chosen sequence of edits applied to a new job. Afterwards the job
// is read through every kind of item, saved and loaded again: what the job
// answers after the load must be what it answered in memory (the lists that
// keep edit order in memory by design are compared as sets).
//
// The input is read as a program: each operation is one byte (its number),
// followed by the bytes its arguments take. A name argument takes one byte:
// below 160 it picks an item of the kind the job already has, else a name
// from a fixed pool of ordinary and awkward texts. Missing bytes read as 0.
#include "fuzzsupport.h"
#include "jobsnapshot.h"

#include <ductbook.h>
#include <index/verifyindexes_p.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>

using namespace FuzzSupport;

namespace {

// Texts for names, ids, uses and other values: generated-looking names, the
// names of the file's own lists, empty and separator texts, markup,
// characters beyond Latin-1. Characters that XML cannot carry at all (C0
// controls other than tab, newline and return; lone surrogates) are left
// out: no file can hold them, and the writer drops them on purpose.
const QStringList& pool()
{
    static const QStringList names = {
        QString(),
        QStringLiteral("A"),
        QStringLiteral("Port1"),
        QStringLiteral("P01"),
        QStringLiteral("Cable1"),
        QStringLiteral("Cable001"),
        QStringLiteral("Cable"),
        QStringLiteral("Room1"),
        QStringLiteral("Room"),
        QStringLiteral("VerticalRun1"),
        QStringLiteral("Device1"),
        QStringLiteral("Point1"),
        QStringLiteral("TText1"),
        QStringLiteral("Connection1"),
        QStringLiteral("FFloor_1"),
        QStringLiteral("FFloor_2"),
        QStringLiteral("SSheet_1"),
        QStringLiteral("Floor_"),
        QStringLiteral("Sheet_"),
        QStringLiteral("Undefined"),
        QStringLiteral("Port_List"),
        QStringLiteral("Test_Results"),
        QStringLiteral("Cable_List"),
        QStringLiteral("id"),
        QStringLiteral("CAT6"),
        QStringLiteral("CAT5e"),
        QStringLiteral("Quad"),
        QStringLiteral("Network"),
        QStringLiteral("end_first_floor"),
        QStringLiteral("Show All"),
        QStringLiteral("Show None"),
        QStringLiteral("a,b"),
        QStringLiteral(","),
        QStringLiteral(" x "),
        QStringLiteral("<&\"'>]]>"),
        QStringLiteral("tab\tline\nreturn\r"),
        QString::fromUtf8("Caf\u00e9 \u00c5"),
        QString::fromUtf8("\u6771\u4eac \U0001F600"),
        QStringLiteral("1"),
        QStringLiteral("-1"),
        QStringLiteral("007"),
        QStringLiteral("1e3"),
        QStringLiteral("#123456"),
        QStringLiteral("red"),
        QStringLiteral("xml:lang"),
        QStringLiteral("_"),
        QStringLiteral("9lives"),
        QStringLiteral("\u00ff\u00c0"),
    };
    return names;
}

const double Heights[] = {0.0,        1.0,   7.0,  7.25, 8.0, 9.5, -1.0, 1e-7,
                          123456.789, 1e300, -0.0, 0.1,  2.5, 1e6, 3.0,  42.0};

class Program
{
public:
    Program(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    bool atEnd() const { return m_at >= m_size; }
    std::uint8_t byte() { return m_at < m_size ? m_data[m_at++] : 0; }
    int below(int n) { return n <= 0 ? 0 : byte() % n; }
    bool flag() { return byte() & 1; }
    int mode() { return below(5); } // 4 is no mode at all
    int coordinate()
    {
        const std::uint8_t b = byte();
        if (b == 255)
            return -1; // a record's "no position"
        if (b == 254)
            return std::numeric_limits<int>::max();
        return (int(b) - 100) * 7;
    }
    double height()
    {
        const std::uint8_t b = byte();
        if (b == 255)
            return std::numeric_limits<double>::quiet_NaN();
        if (b == 254)
            return std::numeric_limits<double>::infinity();
        return Heights[b % (sizeof(Heights) / sizeof(Heights[0]))];
    }

    // An existing name of the kind, or a name from the pool.
    QString name(const QStringList& existing)
    {
        const std::uint8_t b = byte();
        if (!existing.isEmpty() && b < 160)
            return existing.at(b % existing.size());
        return pool().at(b % pool().size());
    }
    QString text() { return name(QStringList()); }
    QStringList names(const QStringList& existing)
    {
        QStringList list;
        for (int n = below(4); n > 0; --n)
            list.append(name(existing));
        return list;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

LUMEN_PLOT_DATA plot(Program& p)
{
    LUMEN_PLOT_DATA d;
    std::memset(&d, 0, sizeof(d));
    if (!p.flag())
        return d;
    const int seed = p.byte();
    for (int i = 0; i < 257; ++i) {
        d.series1[i] = (seed * 31 + i * 7) % 2000 - 1000;
        d.series2[i] = -(seed * 13 + i);
    }
    d.pointCount = p.flag() ? 257 : 256;
    return d;
}

TestResults results(Program& p)
{
    TestResults r;
    if (!p.flag())
        return r;
    cable_struct block;
    std::memset(&block, 0xFF, sizeof(block));
    for (int i = 0; i < 4; ++i) {
        block.pairStatus[i] = p.byte();
        block.pairValues[i] = p.byte() * 300 - 1;
        block.pairLength[i] = p.flag() ? 70000 : p.byte();
    }
    r.setResults(block);
    r.setStatus(p.flag() ? QStringLiteral("PASS") : p.text());
    r.setSerialNumber(p.text());
    r.setSoftwareVersion(p.text());
    r.setTime(p.text());
    r.setBERTResults(int(p.byte()) - 1);
    r.setEcho(plot(p));
    r.setNEXT(plot(p));
    r.setChannel(plot(p));
    return r;
}

// The names the job holds now, to pick arguments from.
// The copy steps are skipped once the job holds this many items of the kinds
// they copy.
constexpr qsizetype CopyLimit = 500;

struct Names
{
    QStringList floors, sheets, rooms, ports, portIds, runs, runIds, points, pointIds, floorTexts,
        devices, deviceIds, vertices, sheetTexts, cables, cableIds, connections, types, activePorts,
        activePortIds;

    explicit Names(Ductbook& d)
    {
        floors = d.getFloorTags();
        sheets = d.getSheetTags();
        for (const QString& f : floors) {
            rooms += d.getRooms(f, true);
            points += d.getPoints(f, true);
            pointIds += d.getPoints(f, false);
            floorTexts += d.getFloorFreeTexts(f, true);
        }
        ports = d.getPorts(true);
        portIds = d.getPorts(false);
        runs = d.getVertRuns();
        for (const QString& f : floors)
            runIds += d.getVertRuns(f, false);
        devices = d.getDevices(true);
        deviceIds = d.getDevices(false);
        for (const QString& s : sheets) {
            vertices += d.getVertices(s, true);
            sheetTexts += d.getFreeTexts(s, true);
        }
        cables = d.getCables(true);
        cableIds = d.getCables(false);
        connections = d.getConnections(true);
        types = d.getTypes();
        activePorts = d.getActivePorts(true);
        activePortIds = d.getActivePorts(false);
    }
};

// One operation with its arguments.
void step(Ductbook& d, Program& p)
{
    const Names n(d);
    switch (p.byte() % 50) {
    case 0:
        d.addFloor(p.name(n.floors), p.text(), p.height(), p.text(), p.mode());
        break;
    case 1:
        d.addSheet(p.name(n.sheets), p.text(), p.mode());
        break;
    case 2:
        d.addRoom(p.name(n.floors), p.coordinate(), p.coordinate(), p.coordinate(), p.coordinate(),
                  p.name(n.rooms), p.text(), p.coordinate(), p.coordinate(), p.below(4), p.below(4),
                  p.below(4), p.mode());
        break;
    case 3:
        d.addPort(p.name(n.floors), p.name(n.rooms), p.coordinate(), p.coordinate(),
                  p.name(n.ports), p.name(n.portIds), p.text(), p.text(), p.height(), p.mode());
        break;
    case 4: {
        QStringList connected = p.names(n.cables);
        QStringList disconnected = p.names(n.cables);
        d.addVertRun(p.name(n.floors), p.name(n.rooms), p.coordinate(), p.coordinate(), connected,
                     disconnected, p.name(n.runs), p.name(n.runIds), p.text(), p.text(), p.height(),
                     p.mode());
        break;
    }
    case 5:
        d.addPoint(p.name(n.floors), p.coordinate(), p.coordinate(), p.name(n.points),
                   p.name(n.pointIds), p.mode());
        break;
    case 6:
        d.addFloorFreeText(p.name(n.floors), p.coordinate(), p.coordinate(), p.text(), p.byte());
        break;
    case 7:
        d.addDevice(p.name(n.sheets), p.coordinate(), p.coordinate(), p.name(n.devices),
                    p.name(n.deviceIds), p.text(),
                    p.flag() ? QStringLiteral(":/images/switch.png") : p.text(), p.text(),
                    p.mode());
        break;
    case 8:
        d.addVertice(p.name(n.sheets), p.coordinate(), p.coordinate(), p.name(n.vertices), p.text(),
                     p.mode());
        break;
    case 9:
        d.addFreeText(p.name(n.sheets), p.coordinate(), p.coordinate(), p.text(), p.byte());
        break;
    case 10: {
        TestResults r = results(p);
        d.addCable(p.name(n.cables), p.name(n.cableIds), p.text(), p.name(n.portIds),
                   p.name(n.portIds), p.name(n.types), p.text(), p.text(), p.text(), p.text(),
                   p.names(n.pointIds), r, p.mode());
        break;
    }
    case 11:
        d.addCable(p.name(n.cables), p.name(n.cableIds), p.text(), p.name(n.portIds),
                   p.name(n.portIds), p.name(n.types), p.mode());
        break;
    case 12:
        d.addConnection(p.name(n.connections), p.text(), p.name(n.deviceIds), p.name(n.deviceIds),
                        p.text(), p.mode());
        break;
    case 13:
        d.setCableID(p.name(n.cables), p.name(n.cableIds));
        break;
    case 14:
        d.setCableType(p.name(n.cables), p.name(n.types));
        break;
    case 15:
        if (p.flag())
            d.setCableTo(p.name(n.cables), p.name(n.portIds));
        else
            d.setCableFrom(p.name(n.cables), p.name(n.portIds));
        break;
    case 16:
        d.setCablePath(p.name(n.cables), p.names(n.pointIds));
        break;
    case 17: {
        const QString cable = p.name(n.cables);
        switch (p.below(5)) {
        case 0:
            d.setCableBundleName(cable, p.text());
            break;
        case 1:
            d.setCableBundleNum(cable, p.text());
            break;
        case 2:
            d.setCableBundleGroupNum(cable, p.text());
            break;
        case 3:
            d.setCableUse(cable, p.text());
            break;
        default:
            d.setCableDefaultType(cable, p.flag());
            break;
        }
        break;
    }
    case 18: {
        TestResults r = results(p);
        d.setCableTestResults(p.name(n.cables), r);
        break;
    }
    case 19:
        d.setCableColor(p.name(n.cables), p.text());
        break;
    case 20:
        d.removeCable(p.name(n.cables));
        break;
    case 21: {
        const QString c = p.name(n.connections);
        switch (p.below(4)) {
        case 0:
            d.setConnectionTo(c, p.name(n.deviceIds));
            break;
        case 1:
            d.setConnectionFrom(c, p.name(n.deviceIds));
            break;
        case 2:
            d.setConnectionType(c, p.text());
            break;
        default:
            d.removeConnection(c);
            break;
        }
        break;
    }
    case 22: {
        const QString floor = p.name(n.floors);
        const QString room = p.name(n.rooms);
        switch (p.below(5)) {
        case 0:
            d.renamePort(floor, room, p.name(n.ports), p.name(n.portIds));
            break;
        case 1:
            d.setPortPos(floor, room, p.name(n.ports), p.coordinate(), p.coordinate());
            break;
        case 2:
            d.setPortDropHeight(floor, room, p.name(n.ports), p.height());
            break;
        case 3:
            d.setPortIconScale(floor, room, p.name(n.portIds), p.text());
            break;
        default:
            d.removePort(floor, room, p.name(n.ports));
            break;
        }
        break;
    }
    case 23:
        d.setPortRoom(p.name(n.floors), p.name(n.portIds), p.name(n.rooms));
        break;
    case 24: {
        const QString floor = p.name(n.floors);
        const QString room = p.name(d.getRooms(floor, false));
        switch (p.below(6)) {
        case 0:
            d.setRoomName(floor, room, p.text());
            break;
        case 1:
            d.setRoomPos(floor, room, p.coordinate(), p.coordinate(), p.coordinate(),
                         p.coordinate());
            break;
        case 2:
            d.setRoomNamePos(floor, room, QPoint(p.coordinate(), p.coordinate()));
            break;
        case 3:
            d.setRoomLayer(floor, room, p.below(5));
            break;
        case 4:
            d.setShowRoomName(floor, room, p.below(5));
            break;
        default:
            d.setShowRoomDimensions(floor, room, p.below(5));
            break;
        }
        break;
    }
    case 25:
        d.removeRoom(p.name(n.floors), p.name(n.rooms));
        break;
    case 26: {
        const QString floor = p.name(n.floors);
        const QString room = p.name(n.rooms);
        switch (p.below(6)) {
        case 0:
            d.renameVertRun(floor, room, p.name(n.runs), p.name(n.runIds));
            break;
        case 1:
            d.setVertRunId(floor, room, p.name(n.runIds), p.name(n.runIds));
            break;
        case 2:
            d.setVertRunPos(floor, room, p.name(n.runs), p.coordinate(), p.coordinate());
            break;
        case 3:
            d.moveVertRun(floor, room, p.name(n.runs), p.coordinate(), p.coordinate());
            break;
        case 4:
            d.setVertRunIconScale(floor, room, p.name(n.runIds), p.text());
            break;
        default:
            d.setVertRunDropHeight(floor, room, p.name(n.runIds), p.height());
            break;
        }
        break;
    }
    case 27:
        d.setVertRunRoom(p.name(n.floors), p.name(n.runIds), p.name(n.rooms));
        break;
    case 28:
        d.removeVertRun(p.name(n.floors), p.name(n.rooms), p.name(n.runs));
        break;
    case 29: {
        const QString run = p.name(n.runs);
        const QString cable = p.name(n.cables);
        switch (p.below(4)) {
        case 0:
            d.addConnectedCableToVertRun(run, cable);
            break;
        case 1:
            d.addDisconnectedCableToVertRun(run, cable);
            break;
        case 2:
            d.removeConnectedCableFromVertRun(run, cable);
            break;
        default:
            d.removeDisconnectedCableFromVertRun(run, cable);
            break;
        }
        break;
    }
    case 30: {
        const QString floor = p.name(n.floors);
        const QString room = p.name(n.rooms);
        const QString run = p.name(n.runs);
        const QString joined =
            p.names(n.cables).join(p.flag() ? QStringLiteral(",") : QStringLiteral(",,"));
        if (p.flag())
            d.setVertRunConnectedList(floor, room, run, joined);
        else
            d.setVertRunDisconnectedList(floor, room, run, joined);
        break;
    }
    case 31:
        if (p.flag())
            d.removeCableFromAllVRLists(p.name(n.cables));
        else
            d.renameCableInAllVertRuns(p.name(n.cables), p.name(n.cables));
        break;
    case 32:
        d.fixBrokenVerticalRunCables();
        break;
    case 33: {
        const QString sheet = p.name(n.sheets);
        const QString device = p.name(n.devices);
        switch (p.below(7)) {
        case 0:
            d.setDeviceID(sheet, device, p.name(n.deviceIds));
            break;
        case 1:
            d.setDeviceIP(sheet, device, p.text());
            break;
        case 2:
            d.setDeviceProperties(sheet, device, p.name(n.deviceIds), p.text());
            break;
        case 3:
            d.setDeviceIconScale(sheet, device, p.text());
            break;
        case 4:
            d.setDevicePos(sheet, p.name(n.deviceIds), p.coordinate(), p.coordinate());
            break;
        case 5:
            d.moveDevice(sheet, device, p.coordinate(), p.coordinate());
            break;
        default:
            d.removeDevice(sheet, device);
            break;
        }
        break;
    }
    case 34: {
        const QString sheet = p.name(n.sheets);
        switch (p.below(7)) {
        case 0:
            d.setVerticePos(sheet, p.name(n.vertices), p.coordinate(), p.coordinate());
            break;
        case 1:
            d.moveVertice(sheet, p.name(n.vertices), p.coordinate(), p.coordinate());
            break;
        case 2:
            d.removeVertice(sheet, p.name(n.vertices));
            break;
        case 3:
            d.setFreeTextPos(sheet, p.name(n.sheetTexts), p.coordinate(), p.coordinate());
            break;
        case 4:
            d.setFreeTextID(sheet, p.name(n.sheetTexts), p.text());
            break;
        case 5:
            d.setFreeTextFontSize(sheet, p.name(n.sheetTexts), p.byte());
            break;
        default:
            d.removeFreeText(sheet, p.name(n.sheetTexts));
            break;
        }
        break;
    }
    case 35: {
        const QString floor = p.name(n.floors);
        switch (p.below(8)) {
        case 0:
            d.setPointPos(floor, p.name(n.points), p.coordinate(), p.coordinate());
            break;
        case 1:
            d.movePoint(floor, p.name(n.points), p.coordinate(), p.coordinate());
            break;
        case 2:
            d.removePoint(floor, p.name(n.points));
            break;
        case 3:
            d.setFloorFreeTextPos(floor, p.name(n.floorTexts), p.coordinate(), p.coordinate());
            break;
        case 4:
            d.setFloorFreeTextID(floor, p.name(n.floorTexts), p.text());
            break;
        case 5:
            d.setFloorFreeTextFontSize(floor, p.name(n.floorTexts), p.byte());
            break;
        case 6:
            d.removeFloorFreeText(floor, p.name(n.floorTexts));
            break;
        default:
            d.setFloorCeilingHeight(floor, p.height());
            break;
        }
        break;
    }
    case 36: {
        // A floor copied onto itself doubles it; a program of copies alone
        // would grow the job exponentially, which tests nothing but patience.
        if (n.ports.size() + n.rooms.size() + n.runs.size() + n.points.size() +
                n.floorTexts.size() + n.cables.size() >
            CopyLimit)
            break;
        QMap<QString, QString> ids;
        for (const QString& id : n.cableIds)
            if (p.flag())
                ids.insert(id, p.text());
        d.copyFloor(p.name(n.floors), p.name(n.floors), ids, p.flag());
        break;
    }
    case 37:
        if (n.devices.size() + n.vertices.size() + n.sheetTexts.size() > CopyLimit)
            break;
        d.copySheet(p.name(n.sheets), p.name(n.sheets));
        break;
    case 38:
        d.removeFloor(p.name(n.floors));
        break;
    case 39:
        d.removeSheet(p.name(n.sheets));
        break;
    case 40:
        if (p.flag())
            d.setFloorId(p.name(n.floors), p.text());
        else
            d.setSheetID(p.name(n.sheets), p.text());
        break;
    case 41: {
        const QString floor = p.name(n.floors);
        if (p.flag())
            d.setFloorBackgroundPic(floor, p.text(), p.coordinate(), p.coordinate());
        else
            d.setBackgroundOption(floor, p.text());
        break;
    }
    case 42: {
        Address a(p.text(), p.text(), p.text(), p.text(), p.text(), p.text());
        if (p.flag())
            d.setSiteData(p.text(), p.text(), p.text(), p.text(), p.text(), a);
        else
            d.setContractorData(p.text(), p.text(), p.text(), p.text(), p.text(), a);
        break;
    }
    case 43:
        switch (p.below(3)) {
        case 0:
            d.addRelease(p.text(), p.text());
            break;
        case 1:
            d.removeRelease(p.text());
            break;
        default:
            d.setJobNotesText(p.text());
            break;
        }
        break;
    case 44: {
        TestDef def(p.text());
        def.setColor(p.text());
        def.setCableCategory(p.below(8));
        def.setComment(p.text());
        d.addTestDef(def);
        break;
    }
    case 45:
        d.addBundledCableType(p.text(), p.names(n.types), p.text(), p.flag());
        break;
    case 46: {
        // Reads in the middle of the edits: some operations keep work for
        // later, and a read must see it done.
        const QString run = p.name(n.runs);
        d.getVertRunByTag(run);
        d.getVertRunsWithCableInConnectedList(p.name(n.cables));
        d.getCable(p.name(n.cables));
        d.getCables(p.name(n.ports));
        d.getCablesWithPoint(p.name(n.pointIds), true);
        d.getCableEstimatedLength(p.name(n.cables));
        break;
    }
    case 47: {
        const QString port = p.name(n.activePorts);
        switch (p.below(4)) {
        case 0: {
            // The job copies the results; a null one is skipped.
            QList<ActiveTestResult*> results;
            for (int k = p.below(4); k > 0; --k)
                results.append(p.flag()
                                   ? nullptr
                                   : new ActiveTestResult(p.text(), p.text(), p.text(), p.text()));
            d.addActivePort(port, p.name(n.activePortIds), results, p.mode());
            qDeleteAll(results);
            break;
        }
        case 1:
            d.addActivePortTestResult(port,
                                      ActiveTestResult(p.text(), p.text(), p.text(), p.text()));
            break;
        case 2:
            d.renameActivePort(port, p.name(n.activePortIds));
            break;
        default:
            d.removeActivePort(port);
            break;
        }
        break;
    }
    case 48: {
        // The units of the floor plan, which the length estimate follows.
        const QString settings = QStringLiteral("FloorPlan_Settings");
        ScaleSettings scale = d.getScaleSettings(settings);
        scale.setPredefinedScaleStyle(p.flag() ? QStringLiteral("English") : p.text());
        scale.setHeightUnits(p.below(4));
        d.setScaleSettings(scale, settings);
        break;
    }
    default: {
        // A save and load in the middle, without reading first.
        const QString file = path(QStringLiteral("middle.job"));
        if (!d.saveAs(file))
            finding(QStringLiteral("a job could not be saved in the middle: ") + d.error());
        if (!d.Load(file))
            finding(QStringLiteral("a job saved in the middle could not be loaded: ") + d.error());
        break;
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    initialize(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Ductbook::Destroy();
    Ductbook& job = Ductbook::Instance();
    const QString file = path(QStringLiteral("edited.job"));
    job.New(file);
    Program program(data, size);
    for (int steps = 0; !program.atEnd() && steps < 200; ++steps) {
        step(job, program);
        // What the job keeps beside its tree must agree with the tree after
        // every operation, not only once it has been saved and loaded.
        const QStringList problems = verifyJobIndexes();
        if (!problems.isEmpty())
            finding(QStringLiteral("after operation %1 the derived state differs from the tree: ")
                        .arg(steps) +
                    problems.join(QStringLiteral("; ")));
    }

    const QStringList inMemory = JobSnapshot::take(job, true);
    if (!job.saveAs(file))
        finding(QStringLiteral("an edited job could not be saved: ") + job.error());
    Ductbook::Destroy();
    Ductbook& loaded = Ductbook::Instance();
    if (!loaded.Load(file))
        finding(QStringLiteral("an edited job could not be loaded: ") + loaded.error());
    const QString difference =
        JobSnapshot::firstDifference(inMemory, JobSnapshot::take(loaded, true));
    if (!difference.isEmpty())
        finding(QStringLiteral("the job answers differently after a save and load, ") + difference);
    Ductbook::Destroy();
    return 0;
}
