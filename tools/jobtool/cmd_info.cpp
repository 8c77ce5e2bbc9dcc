// jobtool info: a readable (or JSON) summary of one job.
#include "cmdargs_p.h"
#include "jobtool_p.h"

#include <ductbook.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QHash>
#include <QSet>

#include <cmath>

namespace JobTool {

const char* const infoHelp = QT_TRANSLATE_NOOP(
    "jobtool", "  info FILE [--json] [--template QVT]\n"
               "                          Load FILE and print its version, header blocks (site,\n"
               "                          contractor, release entries, notes), floors, sheets,\n"
               "                          cables with their estimated length per type and of\n"
               "                          each cable between floors, the active ports with their\n"
               "                          test results, and the number of items of each kind;\n"
               "                          --json prints the same as JSON.\n");

namespace {

struct RoomSummary
{
    QString tag;
    QString id;
    int ports = 0;
    int vertRuns = 0;
};

struct FloorSummary
{
    QString tag;
    QString id;
    double ceilingHeight = 0;
    QList<RoomSummary> rooms;
};

struct SheetSummary
{
    QString tag;
    QString id;
    QList<QPair<QString, QString>> devices; // id, type
};

// A cable whose ends lie on two floors, with its estimate through the risers.
struct CrossFloorCable
{
    QString tag;
    QString id;
    QString from;
    QString to;
    QString fromFloor;
    QString toFloor;
    double estimate = 0;
};

struct CableSummary
{
    int total = 0;
    QMap<QString, int> byType;
    QMap<QString, double> lengthByType;
    QList<CrossFloorCable> betweenFloors;
    QMap<QString, int> byStatus;
    int bundled = 0;
    int bundleGroups = 0;
    int connections = 0;
    QStringList testDefinitions;
};

struct ActivePortSummary
{
    QString tag;
    QString id;
    QList<ActiveTestResult> results;
};

struct JobSummary
{
    QString file;
    QString version;
    QString convertedFrom; // the file's own version when it was older
    QList<QPair<QString, QString>> site;
    QList<QPair<QString, QString>> contractor;
    QList<QPair<QString, QString>> release;
    QString notes;
    QMap<QString, int> counts;
    QList<FloorSummary> floors;
    QList<SheetSummary> sheets;
    CableSummary cables;
    QList<ActivePortSummary> activePorts;
};

// portFloors receives the floor (tag) of every port id, the first floor
// where an id stands twice, as the job looks ports up.
QList<FloorSummary> summarizeFloors(Ductbook& job, QHash<QString, QString>* portFloors)
{
    QList<FloorSummary> floors;
    for (const QString& tag : job.getFloorTags()) {
        FloorSummary f;
        f.tag = tag;
        f.id = job.getFloorIdByTag(tag);
        f.ceilingHeight = job.getFloorCeilingHeight(tag);
        const QStringList roomTags = job.getRooms(tag, true);
        const QStringList roomIds = job.getRooms(tag, false);
        for (int i = 0; i < roomTags.size(); ++i) {
            RoomSummary r;
            r.tag = roomTags.at(i);
            r.id = roomIds.value(i);
            const QStringList ports = job.getPorts(tag, r.tag, false);
            r.ports = int(ports.size());
            for (const QString& port : ports)
                portFloors->insert(port, portFloors->value(port, tag));
            r.vertRuns = int(job.getVertRuns(tag, r.tag, true).size());
            f.rooms.append(r);
        }
        floors.append(f);
    }
    return floors;
}

QList<SheetSummary> summarizeSheets(Ductbook& job)
{
    QList<SheetSummary> sheets;
    for (const QString& tag : job.getSheetTags()) {
        SheetSummary s;
        s.tag = tag;
        s.id = job.getSheetIdByTag(tag);
        for (const QString& device : job.getDevices(tag, true))
            s.devices.append({job.getDevice(device).id(), job.getDeviceType(device)});
        sheets.append(s);
    }
    return sheets;
}

CableSummary summarizeCables(Ductbook& job, const QHash<QString, QString>& portFloors)
{
    CableSummary c;
    QSet<QString> groups;
    const QStringList tags = job.getCables(true);
    c.total = int(tags.size());
    for (const QString& tag : tags) {
        const QString type = job.getCableType(tag);
        const double estimate = job.getCableEstimatedLength(tag);
        ++c.byType[type];
        c.lengthByType[type] += estimate;
        const QString from = job.getCableFrom(tag);
        const QString to = job.getCableTo(tag);
        const QString fromFloor = portFloors.value(from);
        const QString toFloor = portFloors.value(to);
        if (!fromFloor.isEmpty() && !toFloor.isEmpty() && fromFloor != toFloor)
            c.betweenFloors.append({tag, job.getCableID(tag), from, to,
                                    job.getFloorIdByTag(fromFloor), job.getFloorIdByTag(toFloor),
                                    estimate});
        ++c.byStatus[job.getCableTestSummary(tag).status()];
        if (job.cableIsInBundle(tag)) {
            ++c.bundled;
            groups.insert(job.getCableBundleGroupNum(tag));
        }
    }
    c.bundleGroups = int(groups.size());
    c.connections = int(job.getConnections(true).size());
    c.testDefinitions = job.getTypes();
    return c;
}

// getActivePort hands out results that the caller deletes; the summary
// keeps copies.
QList<ActivePortSummary> summarizeActivePorts(Ductbook& job)
{
    QList<ActivePortSummary> ports;
    for (const QString& tag : job.getActivePorts(true)) {
        const ActivePort port = job.getActivePort(tag);
        ActivePortSummary p{port.element(), port.id(), {}};
        const QList<ActiveTestResult*> results = port.activeTestResults();
        for (const ActiveTestResult* r : results)
            p.results.append(*r);
        qDeleteAll(results);
        ports.append(p);
    }
    return ports;
}

// Lengths to a hundredth: what a reader can use, and stable in the output.
double rounded(double length)
{
    return std::round(length * 100.0) / 100.0;
}

QString lengthText(double length)
{
    return QString::number(length, 'f', 1) + QStringLiteral(" ft");
}

QList<QPair<QString, QString>> addressFields(Address a)
{
    return {{QStringLiteral("address1"), a.address1()}, {QStringLiteral("address2"), a.address2()},
            {QStringLiteral("city"), a.city()},         {QStringLiteral("state"), a.state()},
            {QStringLiteral("zipcode"), a.zipcode()},   {QStringLiteral("country"), a.country()}};
}

JobSummary summarize(Ductbook& job, const QString& file)
{
    JobSummary s;
    s.file = file;
    s.version = QStringLiteral("3.0");
    if (job.getFileVersion() != s.version)
        s.convertedFrom = job.getFileVersion();
    SiteData site = job.getSiteData();
    s.site = {{QStringLiteral("jobid"), site.jobid()},
              {QStringLiteral("company"), site.company()},
              {QStringLiteral("contact"), site.contact()},
              {QStringLiteral("email"), site.email()},
              {QStringLiteral("phone"), site.phone()}};
    s.site += addressFields(site.address());
    ContractorData c = job.getContractorData();
    s.contractor = {{QStringLiteral("tester"), c.tester()},
                    {QStringLiteral("company"), c.company()},
                    {QStringLiteral("email"), c.email()},
                    {QStringLiteral("phone"), c.phone()},
                    {QStringLiteral("logo"), c.logo()}};
    s.contractor += addressFields(c.address());
    const QMap<QString, QString> releases = job.getReleases();
    for (auto it = releases.cbegin(); it != releases.cend(); ++it)
        s.release.append({it.key(), it.value()});
    s.notes = job.getJobNotesText();
    s.counts = job.itemCounts();
    QHash<QString, QString> portFloors;
    s.floors = summarizeFloors(job, &portFloors);
    s.sheets = summarizeSheets(job);
    s.cables = summarizeCables(job, portFloors);
    s.activePorts = summarizeActivePorts(job);
    return s;
}

QJsonObject pairsToJson(const QList<QPair<QString, QString>>& pairs)
{
    QJsonObject o;
    for (const auto& p : pairs)
        o.insert(p.first, p.second);
    return o;
}

void printBlock(const QString& title, const QList<QPair<QString, QString>>& pairs)
{
    out() << title << "\n";
    for (const auto& p : pairs) {
        if (!p.second.isEmpty())
            out() << "  " << qSetFieldWidth(10) << Qt::left << p.first << qSetFieldWidth(0) << " "
                  << p.second << "\n";
    }
}

} // namespace

int infoCommand(const QStringList& args)
{
    Arguments parsed;
    QString error;
    if (!parseArguments(QStringLiteral("info"), args, {QStringLiteral("--json")},
                        {QStringLiteral("--template")}, &parsed, &error))
        return usageError(error);
    const QStringList& files = parsed.positional;
    const bool json = parsed.has(QStringLiteral("--json"));
    if (files.size() != 1)
        return usageError(
            QCoreApplication::translate("jobtool", "usage: jobtool info FILE [--json] [--template QVT]"));

    Ductbook& job = Ductbook::Instance();
    if (!loadJob(job, files.at(0), parsed.value(QStringLiteral("--template"))))
        return Usage;
    const JobSummary s = summarize(job, files.at(0));
    if (json) {
        QJsonObject counts;
        for (auto it = s.counts.cbegin(); it != s.counts.cend(); ++it)
            counts.insert(it.key(), it.value());
        QJsonArray floors;
        for (const FloorSummary& f : s.floors) {
            QJsonArray rooms;
            for (const RoomSummary& r : f.rooms)
                rooms.append(QJsonObject{{QStringLiteral("tag"), r.tag},
                                         {QStringLiteral("id"), r.id},
                                         {QStringLiteral("ports"), r.ports},
                                         {QStringLiteral("verticalRuns"), r.vertRuns}});
            floors.append(QJsonObject{{QStringLiteral("tag"), f.tag},
                                      {QStringLiteral("id"), f.id},
                                      {QStringLiteral("ceilingHeight"), f.ceilingHeight},
                                      {QStringLiteral("rooms"), rooms}});
        }
        QJsonArray sheets;
        for (const SheetSummary& sh : s.sheets) {
            QJsonArray devices;
            for (const auto& d : sh.devices)
                devices.append(QJsonObject{{QStringLiteral("id"), d.first},
                                           {QStringLiteral("type"), d.second}});
            sheets.append(QJsonObject{{QStringLiteral("tag"), sh.tag},
                                      {QStringLiteral("id"), sh.id},
                                      {QStringLiteral("devices"), devices}});
        }
        auto countsToJson = [](const QMap<QString, int>& m) {
            QJsonObject o;
            for (auto it = m.cbegin(); it != m.cend(); ++it)
                o.insert(it.key(), it.value());
            return o;
        };
        QJsonObject lengths;
        for (auto it = s.cables.lengthByType.cbegin(); it != s.cables.lengthByType.cend(); ++it)
            lengths.insert(it.key(), rounded(it.value()));
        QJsonArray betweenFloors;
        for (const CrossFloorCable& x : s.cables.betweenFloors)
            betweenFloors.append(
                QJsonObject{{QStringLiteral("tag"), x.tag},
                            {QStringLiteral("id"), x.id},
                            {QStringLiteral("from"), x.from},
                            {QStringLiteral("to"), x.to},
                            {QStringLiteral("fromFloor"), x.fromFloor},
                            {QStringLiteral("toFloor"), x.toFloor},
                            {QStringLiteral("estimatedLength"), rounded(x.estimate)}});
        QJsonArray activePorts;
        for (const ActivePortSummary& p : s.activePorts) {
            QJsonArray results;
            for (const ActiveTestResult& r : p.results)
                results.append(QJsonObject{{QStringLiteral("tag"), r.element()},
                                           {QStringLiteral("type"), r.testType()},
                                           {QStringLiteral("result"), r.testResult()},
                                           {QStringLiteral("dateTime"), r.dateTime()}});
            activePorts.append(QJsonObject{{QStringLiteral("tag"), p.tag},
                                           {QStringLiteral("id"), p.id},
                                           {QStringLiteral("results"), results}});
        }
        const QJsonObject cables{{QStringLiteral("total"), s.cables.total},
                                 {QStringLiteral("byType"), countsToJson(s.cables.byType)},
                                 {QStringLiteral("estimatedLengthByType"), lengths},
                                 {QStringLiteral("betweenFloors"), betweenFloors},
                                 {QStringLiteral("byStatus"), countsToJson(s.cables.byStatus)},
                                 {QStringLiteral("bundled"), s.cables.bundled},
                                 {QStringLiteral("bundleGroups"), s.cables.bundleGroups},
                                 {QStringLiteral("connections"), s.cables.connections},
                                 {QStringLiteral("testDefinitions"),
                                  QJsonArray::fromStringList(s.cables.testDefinitions)}};
        QJsonObject o{{QStringLiteral("file"), s.file},
                      {QStringLiteral("version"), s.version},
                      {QStringLiteral("convertedFrom"), s.convertedFrom},
                      {QStringLiteral("site"), pairsToJson(s.site)},
                      {QStringLiteral("contractor"), pairsToJson(s.contractor)},
                      {QStringLiteral("release"), pairsToJson(s.release)},
                      {QStringLiteral("notes"), s.notes},
                      {QStringLiteral("counts"), counts},
                      {QStringLiteral("floors"), floors},
                      {QStringLiteral("sheets"), sheets},
                      {QStringLiteral("cables"), cables},
                      {QStringLiteral("activePorts"), activePorts}};
        out() << QJsonDocument(o).toJson(QJsonDocument::Indented);
        return Ok;
    }
    // Headings are for people and follow the user's language; keys, ids and
    // the JSON above stay as the job has them.
    const auto label = [](const char* text) {
        return QCoreApplication::translate("jobtool", text).leftJustified(10) + QLatin1Char(' ');
    };
    out() << label(QT_TRANSLATE_NOOP("jobtool", "Job file")) << s.file << "\n";
    out() << label(QT_TRANSLATE_NOOP("jobtool", "Version")) << s.version;
    if (!s.convertedFrom.isEmpty())
        out() << " "
              << QCoreApplication::translate("jobtool", "(converted from version %1)")
                     .arg(s.convertedFrom);
    out() << "\n\n";
    printBlock(QCoreApplication::translate("jobtool", "Site"), s.site);
    printBlock(QCoreApplication::translate("jobtool", "Contractor"), s.contractor);
    printBlock(QCoreApplication::translate("jobtool", "Release"), s.release);
    if (!s.notes.isEmpty())
        out() << QCoreApplication::translate("jobtool", "Notes") << "\n  " << s.notes << "\n";
    for (const FloorSummary& f : s.floors) {
        out() << "\n"
              << QCoreApplication::translate("jobtool", "Floor %1 (%2, ceiling %3)")
                     .arg(f.id, f.tag)
                     .arg(f.ceilingHeight, 0, 'g', 6)
              << "\n";
        out() << "  " << qSetFieldWidth(24) << Qt::left
              << QCoreApplication::translate("jobtool", "room") << qSetFieldWidth(7) << Qt::right
              << QCoreApplication::translate("jobtool", "ports") << qSetFieldWidth(8)
              << QCoreApplication::translate("jobtool", "risers") << qSetFieldWidth(0) << "\n";
        for (const RoomSummary& r : f.rooms)
            out() << "  " << qSetFieldWidth(24) << Qt::left << r.id << qSetFieldWidth(7)
                  << Qt::right << r.ports << qSetFieldWidth(8) << r.vertRuns << qSetFieldWidth(0)
                  << "\n";
    }
    for (const SheetSummary& sh : s.sheets) {
        out() << "\n"
              << QCoreApplication::translate("jobtool", "Sheet %1 (%2)").arg(sh.id, sh.tag) << "\n";
        for (const auto& d : sh.devices)
            out() << "  " << qSetFieldWidth(24) << Qt::left << d.first << qSetFieldWidth(0)
                  << (d.second.isEmpty() ? QCoreApplication::translate("jobtool", "(own picture)")
                                         : d.second)
                  << "\n";
    }
    out() << "\n"
          << QCoreApplication::translate("jobtool", "Cables %1").arg(s.cables.total) << "\n";
    const QString typeLabel = QCoreApplication::translate("jobtool", "type").leftJustified(6);
    const QString statusLabel = QCoreApplication::translate("jobtool", "status").leftJustified(6);
    for (auto it = s.cables.byType.cbegin(); it != s.cables.byType.cend(); ++it)
        out() << "  " << typeLabel << " " << qSetFieldWidth(16) << Qt::left << it.key()
              << qSetFieldWidth(6) << Qt::right << it.value() << qSetFieldWidth(12)
              << lengthText(s.cables.lengthByType.value(it.key())) << qSetFieldWidth(0) << " "
              << QCoreApplication::translate("jobtool", "estimated") << "\n";
    for (auto it = s.cables.byStatus.cbegin(); it != s.cables.byStatus.cend(); ++it)
        out() << "  " << statusLabel << " " << qSetFieldWidth(16) << Qt::left << it.key()
              << qSetFieldWidth(6) << Qt::right << it.value() << qSetFieldWidth(0) << "\n";
    out() << "  "
          << QCoreApplication::translate("jobtool", "in bundles %1 (%n bundle groups)", nullptr,
                                         s.cables.bundleGroups)
                 .arg(s.cables.bundled)
          << "\n";
    out() << "  "
          << QCoreApplication::translate("jobtool", "connections %1").arg(s.cables.connections)
          << "\n";
    out() << "  "
          << QCoreApplication::translate("jobtool", "test definitions %1")
                 .arg(s.cables.testDefinitions.join(QStringLiteral(", ")))
          << "\n";
    if (!s.cables.betweenFloors.isEmpty())
        out() << "  " << QCoreApplication::translate("jobtool", "between floors") << "\n";
    for (const CrossFloorCable& x : s.cables.betweenFloors)
        out() << "    " << qSetFieldWidth(10) << Qt::left << x.id << qSetFieldWidth(0) << " "
              << x.from << " (" << x.fromFloor << ") -> " << x.to << " (" << x.toFloor << ")  "
              << lengthText(x.estimate) << "\n";
    out() << "\n"
          << QCoreApplication::translate("jobtool", "Active ports %1").arg(s.activePorts.size())
          << "\n";
    for (const ActivePortSummary& p : s.activePorts) {
        out() << "  " << p.id << " (" << p.tag << ")\n";
        for (const ActiveTestResult& r : p.results)
            out() << "    " << r.dateTime() << "  " << qSetFieldWidth(16) << Qt::left
                  << r.testType() << qSetFieldWidth(0) << r.testResult() << "\n";
    }
    out() << "\n" << QCoreApplication::translate("jobtool", "Items") << "\n";
    for (auto it = s.counts.cbegin(); it != s.counts.cend(); ++it)
        out() << "  " << qSetFieldWidth(14) << Qt::left << it.key() << qSetFieldWidth(0) << " "
              << qSetFieldWidth(6) << Qt::right << it.value() << qSetFieldWidth(0) << "\n";
    return Ok;
}

} // namespace JobTool
