#include "jobsnapshot.h"

#include <ductbook.h>

#include <QSet>

#include <algorithm>

namespace {

QString joined(const QStringList& list)
{
    // A separator no test name uses, so that ["a,b"] and ["a", "b"] differ.
    return QLatin1Char('[') + list.join(QChar(0x1F)) + QLatin1Char(']');
}

QString sortedJoined(QStringList list)
{
    std::sort(list.begin(), list.end());
    return joined(list);
}

QString number(double value)
{
    return QString::number(value, 'g', 17);
}

QString port(const Port& p)
{
    return joined({p.element(), p.id(), QString::number(p.x()), QString::number(p.y()), p.floor(),
                   p.room(), p.use(), p.iconScale(), number(p.dropHeight())});
}

QString room(const Room& r)
{
    return joined({r.element(), r.id(), r.floor(), number(r.x()), number(r.y()), number(r.width()),
                   number(r.height()), number(r.roomNameX()), number(r.roomNameY()),
                   QString::number(r.showDimensions()), QString::number(r.showRoomName()),
                   QString::number(r.layer())});
}

QString vertRun(const VertRun& r)
{
    return port(r) + joined(r.connected()) + joined(r.disconnected());
}

QString device(const Device& d)
{
    return joined({d.element(), d.id(), QString::number(d.x()), QString::number(d.y()), d.sheet(),
                   d.ip(), d.pic(), d.iconScale()});
}

QString vertice(const Vertice& v)
{
    return joined({v.element(), v.id(), QString::number(v.x()), QString::number(v.y()), v.sheet()});
}

QString text(const FreeText& t)
{
    return joined({t.element(), t.id(), QString::number(t.x()), QString::number(t.y()), t.sheet(),
                   QString::number(t.fontSize())});
}

QString results(Ductbook& job, const TestResults& r)
{
    return joined({r.status(), r.serialNumber(), r.softwareVersion(), r.time(),
                   QString::number(r.BERTResults()), job.dataToString(r.results()),
                   job.responseDataToString(r.echo()), job.responseDataToString(r.next()),
                   job.responseDataToString(r.channel())});
}

QString cable(Ductbook& job, const Cable& c)
{
    return joined({c.element(), c.id(), c.from(), c.to(), c.type(), c.use(), c.bundleName(),
                   c.bundleNum(), c.bundleGroupNum(), c.color(), joined(c.path())}) +
           results(job, c.testResults());
}

QString connection(const DeviceConnection& c)
{
    return joined({c.element(), c.id(), c.from(), c.to(), c.type()});
}

QString testDef(const TestDef& t)
{
    QStringList fields{t.id(),
                       t.comment(),
                       t.color(),
                       QString::number(t.data_rate()),
                       QString::number(t.SNR()),
                       QString::number(t.skew()),
                       QString::number(t.shield()),
                       QString::number(t.length_constant()),
                       QString::number(t.max_length()),
                       QString::number(t.cable_category()),
                       QString::number(t.default_type())};
    for (int i = 0; i < 4; ++i)
        fields.append(QString::number(t.pair_in_use()[i]));
    return joined(fields);
}

struct Lines
{
    QStringList lines;
    void add(const QString& key, const QString& value)
    {
        lines.append(key + QLatin1String(": ") + value);
    }
};

void floors(Ductbook& job, Lines& out)
{
    for (const QString& floor : job.getFloorTags()) {
        const Floor f = job.getFloor(floor);
        out.add(QStringLiteral("floor ") + floor,
                joined({f.element(), f.id(), f.pic(), number(f.ceilingHeight()),
                        job.getBackgroundOption(floor),
                        QString::number(job.getFloorBackgroundOrigin(floor).x()),
                        QString::number(job.getFloorBackgroundOrigin(floor).y()),
                        job.getFloorIdByTag(floor), job.getFloorNumber(floor)}));
        const QStringList rooms = job.getRooms(floor, true);
        out.add(QStringLiteral("rooms"), joined(rooms) + joined(job.getRooms(floor, false)));
        for (const QString& r : rooms) {
            out.add(QStringLiteral("room"), room(job.getRoomByTag(floor, r)));
            const QStringList ports = job.getPorts(floor, r, true);
            out.add(QStringLiteral("ports"), joined(ports) + joined(job.getPorts(floor, r, false)));
            for (const QString& p : ports)
                out.add(QStringLiteral("port"), port(job.getPortByTag(floor, r, p)));
            const QStringList runs = job.getVertRuns(floor, r, true);
            out.add(QStringLiteral("runs"),
                    joined(runs) + joined(job.getVertRuns(floor, r, false)));
            for (const QString& v : runs)
                out.add(QStringLiteral("run"), vertRun(job.getVertRunByTag(floor, r, v)));
        }
        out.add(QStringLiteral("floor ports"), joined(job.getPorts(floor, false)));
        out.add(QStringLiteral("floor runs"), joined(job.getVertRuns(floor, false)));
        out.add(QStringLiteral("floor cables"),
                joined(job.getCables(floor, QStringLiteral("Show All"))));
        const QStringList points = job.getPoints(floor, true);
        out.add(QStringLiteral("points"), joined(points) + joined(job.getPoints(floor, false)));
        for (const QString& p : points)
            out.add(QStringLiteral("point"), vertice(job.getPointByTag(floor, p)));
        const QStringList texts = job.getFloorFreeTexts(floor, true);
        out.add(QStringLiteral("floor texts"), joined(texts));
        for (const QString& t : texts)
            out.add(QStringLiteral("floor text"), text(job.getFloorFreeTextByTag(floor, t)));
    }
}

void sheets(Ductbook& job, Lines& out)
{
    for (const QString& sheet : job.getSheetTags()) {
        const Sheet s = job.getSheet(sheet);
        out.add(QStringLiteral("sheet ") + sheet,
                joined({s.element(), s.id(), job.getSheetIdByTag(sheet)}));
        const QStringList devices = job.getDevices(sheet, true);
        out.add(QStringLiteral("devices"), joined(devices) + joined(job.getDevices(sheet, false)));
        for (const QString& d : devices)
            out.add(QStringLiteral("device"), device(job.getDeviceByTag(sheet, d)));
        const QStringList vertices = job.getVertices(sheet, true);
        out.add(QStringLiteral("vertices"), joined(vertices));
        for (const QString& v : vertices)
            out.add(QStringLiteral("vertex"), vertice(job.getVerticeByTag(sheet, v)));
        const QStringList texts = job.getFreeTexts(sheet, true);
        out.add(QStringLiteral("texts"), joined(texts));
        for (const QString& t : texts)
            out.add(QStringLiteral("text"), text(job.getFreeTextByTag(sheet, t)));
        out.add(QStringLiteral("sheet connections"), joined(job.getConnections(sheet)));
    }
}

// The job-wide lookups of every item by tag and by id.
void jobWide(Ductbook& job, Lines& out)
{
    const QStringList ports = job.getPorts(true);
    out.add(QStringLiteral("all ports"), joined(ports));
    for (const QString& p : ports) {
        const Port byTag = job.getPortByTag(p);
        out.add(QStringLiteral("port by tag"), port(byTag) + job.getPortId(p));
        out.add(QStringLiteral("port by id"), port(job.getPortById(byTag.id())));
        out.add(QStringLiteral("port cables"),
                joined(job.getCables(p)) + joined(job.getCablesConnectedToPort(byTag.id(), false)));
    }
    const QStringList runs = job.getVertRuns();
    out.add(QStringLiteral("all runs"), joined(runs));
    for (const QString& r : runs) {
        const VertRun byTag = job.getVertRunByTag(r);
        out.add(QStringLiteral("run by tag"), vertRun(byTag) + job.getVertRunId(r) +
                                                  job.getVertRunFloor(r) + job.getVertRunRoom(r));
        out.add(QStringLiteral("run by id"),
                vertRun(job.getVertRunById(byTag.id())) + job.getVertRunTag(byTag.id()));
    }
    for (const QString& d : job.getDevices(true)) {
        const Device byTag = job.getDevice(d);
        out.add(QStringLiteral("device by tag"), device(byTag));
        out.add(QStringLiteral("device by id"), device(job.getDeviceById(byTag.id())));
        out.add(QStringLiteral("device connections"), joined(job.getConnections(byTag.id(), 0)));
    }
    for (const QString& floor : job.getFloorTags()) {
        for (const QString& p : job.getPoints(floor, true)) {
            const Vertice point = job.getPointByTag(floor, p);
            out.add(QStringLiteral("point by id"), vertice(job.getPointById(point.id())));
            out.add(QStringLiteral("point cables"),
                    joined(job.getCablesWithPoint(point.id(), true)));
        }
        for (const QString& t : job.getFloorFreeTexts(floor, true))
            out.add(QStringLiteral("floor text by tag"), text(job.getFloorFreeText(t)));
    }
    for (const QString& sheet : job.getSheetTags()) {
        for (const QString& v : job.getVertices(sheet, true))
            out.add(QStringLiteral("vertex by tag"), vertice(job.getVertice(v)));
        for (const QString& t : job.getFreeTexts(sheet, true))
            out.add(QStringLiteral("text by tag"), text(job.getFreeText(t)));
    }
    const QMap<QString, int> counts = job.itemCounts();
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        out.add(QStringLiteral("count ") + it.key(), QString::number(it.value()));
}

void cables(Ductbook& job, Lines& out, bool editOrderAsSets)
{
    const QStringList tags = job.getCables(true);
    out.add(QStringLiteral("cable tags"), joined(tags));
    out.add(QStringLiteral("cable ids"),
            editOrderAsSets ? sortedJoined(job.getCables(false)) : joined(job.getCables(false)));
    QSet<QString> types;
    QSet<QString> groups;
    for (const QString& tag : tags) {
        const Cable c = job.getCable(tag);
        types.insert(c.type());
        groups.insert(c.bundleGroupNum());
        out.add(QStringLiteral("cable"), cable(job, c));
        out.add(QStringLiteral("cable by id"), cable(job, job.getCableById(c.id())));
        out.add(QStringLiteral("cable extra"),
                joined({job.getCableID(tag), job.getCableElement(c.id()),
                        QString::number(job.getCableDefaultType(tag)),
                        QString::number(job.cableIsInBundle(tag)),
                        QString::number(job.isCableInVertRun(tag))}));
        // The estimate reads the ends, the path, the risers, the floors in
        // between and the plan's units; the measured lengths the results and
        // the type's length constant.
        QStringList lengths{number(job.getCableEstimatedLength(tag))};
        for (const bool metric : {false, true}) {
            for (int pair = -1; pair <= 4; ++pair)
                lengths.append(number(job.getRoundedCableLength(tag, pair, metric)));
            lengths.append(number(job.getMaxRoundedCableLength(tag, metric, false)));
            lengths.append(number(job.getMaxRoundedCableLength(tag, metric, true)));
        }
        out.add(QStringLiteral("cable lengths"), joined(lengths));
        out.add(QStringLiteral("cable runs"),
                joined(job.getVertRunsWithCableInConnectedList(tag)) +
                    joined(job.getVertRunsWithCableInDisconnectedList(tag)) +
                    joined(job.findCableConnectedLists(tag)) +
                    joined(job.findCableDisconnectedLists(tag)));
    }
    QStringList typeList = types.values();
    std::sort(typeList.begin(), typeList.end());
    for (const QString& type : std::as_const(typeList)) {
        const QStringList inMap = job.getCablesByTypeFromMap(type);
        out.add(QStringLiteral("type ") + type,
                (editOrderAsSets ? sortedJoined(inMap) : joined(inMap)) +
                    joined(job.getCablesByType(type)));
    }
    QStringList groupList = groups.values();
    std::sort(groupList.begin(), groupList.end());
    for (const QString& group : std::as_const(groupList))
        out.add(QStringLiteral("group ") + group,
                joined(job.getCablesInSameBundleGroup(group, true)) +
                    QString::number(job.bundleGroupNumExists(group)));

    const QStringList connections = job.getConnections(true);
    out.add(QStringLiteral("connections"), joined(connections) + joined(job.getConnections(false)));
    for (const QString& c : connections)
        out.add(QStringLiteral("connection"),
                connection(job.getConnection(c)) +
                    job.getConnectionTagById(job.getConnection(c).id()));
}

void activePorts(Ductbook& job, Lines& out)
{
    const QStringList tags = job.getActivePorts(true);
    out.add(QStringLiteral("active ports"), joined(tags) + joined(job.getActivePorts(false)));
    for (const QString& tag : tags) {
        const ActivePort port = job.getActivePort(tag);
        QStringList fields{port.element(),
                           port.id(),
                           job.getActivePortId(tag),
                           job.getActivePortElement(port.id()),
                           QString::number(job.activePortExists(tag, true)),
                           QString::number(job.activePortExists(port.id(), false))};
        const QList<ActiveTestResult*> results = port.activeTestResults();
        for (const ActiveTestResult* r : results)
            fields.append(
                joined({r->element(), r->testType(), r->testResult(), r->dateTime(),
                        QString::number(job.activePortTestResultExists(tag, r->element()))}));
        qDeleteAll(results);
        out.add(QStringLiteral("active port"),
                joined(fields) + joined(job.getActivePortTestResults(tag)));
    }
}

void definitions(Ductbook& job, Lines& out)
{
    const QStringList types = job.getTypes();
    out.add(QStringLiteral("types"), joined(types));
    for (const QString& t : types)
        out.add(QStringLiteral("test definition"), testDef(job.getTestDef(t)));
    for (const QString& id : job.getBundledCableTypeIds()) {
        const BundledCable b = job.getBundledCableType(id);
        out.add(QStringLiteral("bundled type"),
                joined({b.element(), b.id(), joined(b.types()), b.color(),
                        QString::number(b.defaultType())}));
    }
}

void headers(Ductbook& job, Lines& out)
{
    const SiteData site = job.getSiteData();
    const Address a = site.address();
    out.add(QStringLiteral("site"),
            joined({site.jobid(), site.company(), site.contact(), site.email(), site.phone(),
                    a.address1(), a.address2(), a.city(), a.state(), a.zipcode(), a.country()}));
    const ContractorData c = job.getContractorData();
    const Address ca = c.address();
    out.add(QStringLiteral("contractor"),
            joined({c.tester(), c.company(), c.email(), c.phone(), c.logo(), ca.address1(),
                    ca.address2(), ca.city(), ca.state(), ca.zipcode(), ca.country()}));
    const QMap<QString, QString> releases = job.getReleases();
    for (auto it = releases.cbegin(); it != releases.cend(); ++it)
        out.add(QStringLiteral("release ") + it.key(), it.value());
    out.add(QStringLiteral("notes"), job.getJobNotesText());
}

} // namespace

namespace JobSnapshot {

QStringList take(Ductbook& job, bool editOrderAsSets)
{
    Lines out;
    out.add(QStringLiteral("floors"), joined(job.getFloorTags()) + joined(job.getFloorIds()));
    out.add(QStringLiteral("sheets"), joined(job.getSheetTags()) + joined(job.getSheetIds()));
    floors(job, out);
    sheets(job, out);
    jobWide(job, out);
    cables(job, out, editOrderAsSets);
    activePorts(job, out);
    definitions(job, out);
    headers(job, out);
    return out.lines;
}

QString firstDifference(const QStringList& a, const QStringList& b)
{
    const qsizetype n = std::min(a.size(), b.size());
    qsizetype i = 0;
    while (i < n && a.at(i) == b.at(i))
        ++i;
    if (i == a.size() && i == b.size())
        return QString();
    return QStringLiteral("line %1 of %2/%3\n  before: %4\n  after:  %5")
        .arg(i)
        .arg(a.size())
        .arg(b.size())
        .arg(i < a.size() ? a.at(i) : QStringLiteral("<none>"),
             i < b.size() ? b.at(i) : QStringLiteral("<none>"));
}

} // namespace JobSnapshot
