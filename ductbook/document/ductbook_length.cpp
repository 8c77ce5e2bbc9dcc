// Cable lengths: the estimate drawn from the floor plan before a cable is
// tested, and the measured length of a tested cable rounded for display.
#include "ductbook.h"

#include "constants_p.h"
#include "ductbook_p.h"

#include <runekit.h>

#include <QHash>
#include <QPointF>
#include <QSet>

#include <algorithm>
#include <cmath>

using namespace DuctbookConstants;

namespace {

// Drawing positions are scaled by ten before the distance is taken; the
// distance helper then counts 36 drawing units to the length unit, and
// reports -1 for a segment that touches the origin (a point never placed).
class Route
{
public:
    explicit Route(const Port& start) : m_at(scaled(start.x(), start.y())) {}

    void to(const Port& next) { step(scaled(next.x(), next.y())); }
    void to(const Vertice& next) { step(scaled(next.x(), next.y())); }
    double length() const { return m_length; }

private:
    static QPointF scaled(int x, int y) { return QPointF(x * 10.0, y * 10.0); }

    void step(QPointF next)
    {
        m_length += Runekit::getDistance(&m_at, &next);
        m_at = next;
    }

    QPointF m_at;
    double m_length = 0.0;
};

// The path of a cable between floors holds the points of the start floor, the
// marker, then the points of the end floor. A path without the marker has no
// points on the end floor.
QStringList pointsBeforeMarker(const QStringList& path)
{
    const qsizetype marker = path.indexOf(QLatin1String(EndFirstFloor));
    return marker < 0 ? path : path.first(marker);
}

QStringList pointsAfterMarker(const QStringList& path)
{
    const qsizetype marker = path.indexOf(QLatin1String(EndFirstFloor));
    return marker < 0 ? QStringList() : path.sliced(marker + 1);
}

// A path entry that names no point (the marker, or a point removed since) is
// no place the cable passes; reading it as a point would send the route to
// the corner of the plan and back.
void routeThroughPoints(Ductbook& job, Route& route, const QStringList& pointIds)
{
    for (const QString& id : pointIds) {
        if (job.pointExists(id, false))
            route.to(job.getPointById(id));
    }
}

// Length constants are hundredths of pF per foot. A definition whose constant
// is 0 gives no length at all rather than an infinity or a NaN.
float perLengthConstant(double value, int lengthConstant)
{
    if (lengthConstant == 0)
        return 0.0f;
    return float(value / (lengthConstant / 100.0));
}

bool validPair(int pair)
{
    return pair >= 0 && pair < 4;
}

} // namespace

double Ductbook::getCableEstimatedLength(const QString& tag)
{
    const QString fromId = getCableFrom(tag);
    const QString toId = getCableTo(tag);
    if (!portExists(fromId, false) || !portExists(toId, false))
        return 0.0;
    const Port from = getPortById(fromId);
    const Port to = getPortById(toId);

    double total = 0.0;
    if (from.floor() == to.floor()) {
        Route route(from);
        routeThroughPoints(*this, route, getCablePath(tag));
        route.to(to);
        total = route.length();
    } else {
        // The runs that list the cable, from the riser lookups, rather than
        // every run of both floors read for every cable.
        const QStringList connected = getVertRunsWithCableInConnectedList(tag);
        const QStringList listing = connected + getVertRunsWithCableInDisconnectedList(tag);
        if (floorExists(from.floor(), true)) {
            // Only the last run on the start floor counts: each one found
            // replaces what the ones before it gave.
            QList<VertRun> runs = d->runsOnFloor(from.floor(), listing);
            if (!runs.isEmpty())
                total = getCableEstimatedLength(tag, runs.last()) + runs.last().dropHeight();
        }
        if (floorExists(to.floor(), true)) {
            QList<VertRun> runs = d->runsOnFloor(to.floor(), connected);
            VertRun endRun;
            for (const VertRun& run : std::as_const(runs))
                total += run.dropHeight();
            if (!runs.isEmpty())
                endRun = runs.last();
            total += getCableEstimatedLength(from.floor(), to.floor());
            total += getCableEstimatedLength(tag, endRun);
        }
    }
    total += from.dropHeight() + to.dropHeight();
    if (getScaleSettings(QLatin1String(FloorPlanSettings)).isMetric())
        total *= Runekit::FeetPerMeter;
    return total;
}

QList<VertRun> DuctbookPrivate::runsOnFloor(const QString& floor, const QStringList& candidates)
{
    QList<VertRun> runs;
    QSet<QString> seen;
    for (const QString& runTag : candidates) {
        if (seen.contains(runTag))
            continue;
        seen.insert(runTag);
        VertRun run;
        if (placedRunOnFloor(floor, runTag, &run))
            runs.append(run);
    }
    if (runs.size() < 2)
        return runs;
    // Several runs of one floor list the cable (rare): put them in the
    // floor's order, which decides which one is last.
    QHash<QString, qsizetype> order;
    const QStringList onFloor = q->getVertRuns(floor, true);
    for (qsizetype i = onFloor.size() - 1; i >= 0; --i)
        order.insert(onFloor.at(i), i);
    std::stable_sort(runs.begin(), runs.end(), [&order](const VertRun& a, const VertRun& b) {
        return order.value(a.element()) < order.value(b.element());
    });
    return runs;
}

// The floor, position and drop height of a run, read from its element: the
// record would also split the run's cable lists, which name every cable
// through the riser, once for every cable estimated. A run stored at x = -1
// has no place on the plan and is not found, as with getVertRunByTag.
bool DuctbookPrivate::placedRunOnFloor(const QString& floor, const QString& tag, VertRun* run)
{
    const ElementCache& cache = maps.vertRuns.elements();
    const QDomElement e = cache.any(tag);
    if (!cache.irregular() && e.isNull())
        return false;
    if (cache.irregular() || e.tagName() != tag) {
        // A file that repeats run tags: the full lookup tells which run.
        *run = q->getVertRunByTag(floor, tag);
        return !run->element().isEmpty();
    }
    // run -> VerticalRun_List -> room -> Room_List -> floor
    const QDomNode list = e.parentNode();
    const QDomElement floorElement = list.parentNode().parentNode().parentNode().toElement();
    if (list.nodeName() != QLatin1String(VerticalRunList) || floorElement.isNull() ||
        floorElement.tagName() != floor || getToFloor(floor) != floorElement)
        return false;
    const int x = e.attribute(QStringLiteral("x")).toInt();
    if (x == -1)
        return false;
    run->setElement(tag);
    run->setFloor(floor);
    run->setX(x);
    run->setY(e.attribute(QStringLiteral("y")).toInt());
    run->setDropHeight(
        e.attribute(QStringLiteral("drop_height"), name(DefaultRunDropHeight)).toDouble());
    return true;
}

// A run that is no run (no floor) gives nothing, whatever the cable.
double Ductbook::getCableEstimatedLength(const QString& tag, VertRun& run)
{
    if (run.floor().isEmpty())
        return 0.0;
    const Port from = getPortById(getCableFrom(tag));
    const Port to = getPortById(getCableTo(tag));
    const QStringList path = getCablePath(tag);

    if (run.floor() == from.floor()) {
        Route route(from);
        routeThroughPoints(*this, route, pointsBeforeMarker(path));
        route.to(run);
        return route.length();
    }
    if (run.floor() == to.floor()) {
        Route route(run);
        routeThroughPoints(*this, route, pointsAfterMarker(path));
        route.to(to);
        return route.length();
    }
    return 0.0;
}

double Ductbook::getCableEstimatedLength(const QString& floorA, const QString& floorB)
{
    if (floorA == floorB)
        return 0.0;
    double height = 0.0;
    for (const QString& floor : d->getFloorsInBetween(floorA, floorB))
        height += getFloorCeilingHeight(floor);
    return height;
}

// Floors are told apart by the number in their tag; the end floors never
// count, so adjacent floors have nothing in between.
QStringList DuctbookPrivate::getFloorsInBetween(const QString& floorA, const QString& floorB)
{
    const int a = q->getFloorNumber(floorA).toInt();
    const int b = q->getFloorNumber(floorB).toInt();
    const int lo = qMin(a, b);
    const int hi = qMax(a, b);
    QStringList between;
    for (const QString& floor : q->getFloorTags()) {
        const int n = q->getFloorNumber(floor).toInt();
        if (lo < n && n < hi)
            between.append(floor);
    }
    return between;
}

float Ductbook::getRoundedCableLength(const QString& tag, int pair, bool metric)
{
    if (!validPair(pair))
        return 0.0f;
    return roundedPairLength(d->getCableMeasurements(tag), getTestDef(getCableType(tag)), pair,
                             metric);
}

float Ductbook::roundedPairLength(const cable_struct& measurements, const TestDef& def, int pair,
                                  bool metric)
{
    if (!validPair(pair))
        return 0.0f;
    float x = perLengthConstant(measurements.pairLength[pair], def.length_constant());
    if (metric) {
        x = float(x / Runekit::FeetPerMeter);
        return Runekit::roundToHalf(x);
    }
    return Runekit::roundToTenths(x);
}

float Ductbook::getMaxRoundedCableLength(const QString& tag, bool metric, bool direct)
{
    const TestResults results(QString(), QString(), d->getCableMeasurements(tag), 0);
    const TestDef def = getTestDef(getCableType(tag));
    const int length = results.cableLength();
    if (direct) {
        // The tester's own reading, shown as whole metres when metric.
        double v = qMax(length, 0);
        if (metric)
            v = std::trunc(v / Runekit::FeetPerMeter);
        return float(v);
    }
    float v = perLengthConstant(length, def.length_constant());
    if (metric) {
        v = float(v / Runekit::FeetPerMeter);
        return Runekit::roundToHalf(v);
    }
    return Runekit::roundToTenths(v);
}
