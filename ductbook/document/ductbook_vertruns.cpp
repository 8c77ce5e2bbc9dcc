// Vertical runs: the risers placed in the rooms of a floor, and the lists of
// the cables that pass through each of them (connected on this floor, or only
// passing through).
#include "ductbook.h"

#include "constants_p.h"
#include "ductbook_p.h"
#include "index/namegen_p.h"
#include "io/xmlwriter_p.h"
#include "listtext_p.h"

#include <QList>

using namespace DuctbookConstants;
using namespace ListText;

namespace {
const QString& attrId()
{
    static const QString s = QStringLiteral("id");
    return s;
}

QString heightText(double height)
{
    return QStringLiteral("%1").arg(height);
}

} // namespace

QDomElement DuctbookPrivate::roomOf(const QString& floor, const QString& roomTag)
{
    return getToRoom(floor, roomTag);
}

QDomElement DuctbookPrivate::runList(const QString& floor, const QString& roomTag)
{
    return childByTag(roomOf(floor, roomTag), name(VerticalRunList));
}

// Where run sits, when a walk from the top would reach it there: its
// floor is the one the floor map's tag names, its room the one that tag
// names on the floor, its list the room's run list. Null otherwise (a
// detached element, or one hidden behind a repeated tag).
DuctbookPrivate::Place DuctbookPrivate::placeOf(const QDomElement& run)
{
    const QDomElement list = run.parentNode().toElement();
    if (list.isNull() || list.tagName() != name(VerticalRunList))
        return {};
    const QDomElement room = list.parentNode().toElement();
    const QDomElement rooms = room.parentNode().toElement();
    if (rooms.isNull() || rooms.tagName() != name(RoomList))
        return {};
    const QDomElement floor = rooms.parentNode().toElement();
    if (floor.isNull())
        return {};
    const QString floorTag = floor.tagName();
    const QString roomTag = room.tagName();
    if (!maps.floors.containsTag(floorTag) || getToFloor(floorTag) != floor ||
        getToRoomList(floorTag) != rooms || roomOf(floorTag, roomTag) != room ||
        room.firstChildElement(name(VerticalRunList)) != list)
        return {};
    return {run, floorTag, roomTag};
}

// The run of tag anywhere in the job: the first in walk order. A regular
// cache knows the only element of the tag; a walk is needed only when the
// file repeats tags or the cached element can no longer be reached.
DuctbookPrivate::Place DuctbookPrivate::locate(const QString& tag)
{
    const ElementCache& cache = maps.vertRuns.elements();
    if (!cache.irregular()) {
        const QDomElement e = cache.any(tag);
        if (e.isNull())
            return {};
        if (e.tagName() == tag) {
            const Place p = placeOf(e);
            if (!p.isNull())
                return p;
        }
    }
    Place found;
    forEachRun([&](const Place& p) {
        if (p.run.tagName() != tag)
            return false;
        found = p;
        return true;
    });
    return found;
}

// The run of tag in the run list of floor/room.
DuctbookPrivate::Place DuctbookPrivate::inRoom(const QString& floor, const QString& room,
                                               const QString& tag)
{
    const QDomElement list = runList(floor, room);
    return {findItem(maps.vertRuns.elements(), tag, list), floor, room};
}

bool DuctbookPrivate::unplaced(const QDomElement& run)
{
    return run.attribute(QStringLiteral("x")).toInt() == -1;
}

// The run of tag on floor. Each room is asked in turn and a run stored
// at x = -1 (the "no position" of a record) does not count as an answer.
DuctbookPrivate::Place DuctbookPrivate::onFloor(const QString& floor, const QString& tag)
{
    const ElementCache& cache = maps.vertRuns.elements();
    if (!cache.irregular()) {
        const QDomElement e = cache.any(tag);
        if (e.isNull())
            return {};
        const Place p = e.tagName() == tag ? placeOf(e) : Place();
        if (!p.isNull()) {
            if (p.floor != floor || unplaced(p.run))
                return {};
            return p;
        }
    }
    const QDomElement rooms = getToRoomList(floor);
    for (QDomElement room = rooms.firstChildElement(); !room.isNull();
         room = room.nextSiblingElement()) {
        const QDomElement list = room.firstChildElement(name(VerticalRunList));
        const QDomElement run = findItem(cache, tag, list);
        if (!run.isNull() && !unplaced(run))
            return {run, floor, room.tagName()};
    }
    return {};
}

// The first run in document order whose id is id: in one room (room
// given), on one floor (floor given), or anywhere (neither). On one floor
// each room answers with its first run of that id, and an answer at
// x = -1 passes the question on to the next room.
DuctbookPrivate::Place DuctbookPrivate::byId(const QString& id, const QString& floor,
                                             const QString& room)
{
    const bool floorRule = !floor.isEmpty() && room.isEmpty();
    const auto inScope = [&](const Place& p) {
        return (floor.isEmpty() || p.floor == floor) && (room.isEmpty() || p.room == room);
    };

    // The map names every run that has id; with at most one of them in
    // scope the answer needs no walk.
    QList<QDomElement> candidates;
    if (maps.vertRuns.elementsWithId(id, &candidates)) {
        bool sure = true;
        QList<Place> hits;
        for (const QDomElement& e : std::as_const(candidates)) {
            const Place p = placeOf(e);
            if (p.isNull()) {
                sure = false;
                break;
            }
            if (inScope(p))
                hits.append(p);
        }
        if (sure && hits.size() <= 1) {
            if (hits.isEmpty() || (floorRule && unplaced(hits.first().run)))
                return {};
            return hits.first();
        }
    }

    Place found;
    QDomNode passedList; // the room list whose answer was at x = -1
    auto visit = [&](const Place& p) {
        if (p.run.attribute(attrId()) != id)
            return false;
        if (floorRule) {
            if (p.run.parentNode() == passedList)
                return false;
            if (unplaced(p.run)) {
                passedList = p.run.parentNode();
                return false;
            }
        }
        found = p;
        return true;
    };
    if (floor.isEmpty())
        forEachRun(visit);
    else if (room.isEmpty())
        walkFloor(floor, visit);
    else
        walkList(runList(floor, room), floor, room, visit);
    return found;
}

// The record of a run; reading repairs the attributes that older files
// lack (without marking the document changed).
VertRun DuctbookPrivate::read(Place p)
{
    if (p.isNull())
        return VertRun();
    QDomElement& e = p.run;
    VertRun r;
    r.setElement(e.tagName());
    r.setX(e.attribute(QStringLiteral("x")).toInt());
    r.setY(e.attribute(QStringLiteral("y")).toInt());
    r.setID(e.attribute(attrId()));
    r.setFloor(p.floor);
    r.setRoom(p.room);
    r.setUse(e.attribute(QStringLiteral("use")));
    r.setIconScale(repairedAttr(e, QStringLiteral("icon_scale"), name(NotSpecified)));
    r.setDropHeight(
        repairedAttr(e, QStringLiteral("drop_height"), name(DefaultRunDropHeight)).toDouble());
    r.setConnected(e.attribute(attrConnected()));
    r.setDisconnected(e.attribute(attrDisconnected()));
    return r;
}

// The map and the cache stop naming run (about to leave the document).
void DuctbookPrivate::forgetRun(const QString& tag, const QDomElement& run)
{
    maps.vertRuns.removed(tag, run);
}

QStringList DuctbookPrivate::tagsOrIds(const QDomElement& list, bool tags)
{
    QStringList out;
    for (QDomElement run = list.firstChildElement(); !run.isNull(); run = run.nextSiblingElement())
        out.append(tags ? run.tagName() : run.attribute(attrId()));
    return out;
}

// --- adding ---------------------------------------------------------------------------

// Run tags and ids share one name space with ports. A tag the caller supplies
// becomes an element name: one that is not a valid name, or that a port or
// run already has, is refused, since the run could not be read back by it.
QString Ductbook::addVertRun(const QString& floor, const QString& room, int x, int y,
                             QStringList& connected, QStringList& disconnected, const QString& tag,
                             const QString& id, const QString& use, const QString& iconScale,
                             double dropHeight, int mode)
{
    const bool tagGiven = AddMode::tagSupplied(mode);
    const QString runTag = tagGiven ? tag : d->generateTag(ItemKind::VertRun);
    if (tagGiven && (!XmlWriter::isValidName(runTag) || portOrVertRunExists(runTag, true)))
        return runTag;
    const QString runId = AddMode::idSupplied(mode) ? id : d->generateId(ItemKind::VertRun, id);

    QDomElement list = d->runList(floor, room);
    if (list.isNull() || !d->findItem(d->maps.vertRuns.elements(), runTag, list).isNull())
        return runTag;

    QDomElement run = document.createElement(runTag);
    run.setAttribute(QStringLiteral("x"), QString::number(x));
    run.setAttribute(QStringLiteral("y"), QString::number(y));
    run.setAttribute(attrId(), runId);
    run.setAttribute(QStringLiteral("use"), use);
    run.setAttribute(QStringLiteral("icon_scale"), iconScale);
    run.setAttribute(QStringLiteral("drop_height"), heightText(dropHeight));
    run.setAttribute(attrConnected(), joinList(connected));
    run.setAttribute(attrDisconnected(), joinList(disconnected));
    list.appendChild(run);

    d->maps.vertRuns.added(runTag, runId, run);
    RiserIndex& risers = d->maps.risers;
    if (risers.isBuilt()) {
        if (!d->placeOf(run).isNull())
            risers.addRun(runTag, run);
        risers.forgetOrder();
    }
    setChanged(true);
    return runTag;
}

QString Ductbook::addVertRun(VertRun& run, int mode)
{
    return addVertRun(run.floor(), run.room(), run.x(), run.y(), run.connected(),
                      run.disconnected(), run.element(), run.id(), run.use(), run.iconScale(),
                      run.dropHeight(), mode);
}

// --- reading --------------------------------------------------------------------------

VertRun Ductbook::getVertRunByTag(const QString& floor, const QString& room, const QString& tag)
{
    return d->read(d->inRoom(floor, room, tag));
}

VertRun Ductbook::getVertRunById(const QString& floor, const QString& room, const QString& id)
{
    if (floor.isEmpty() || room.isEmpty())
        return VertRun();
    return d->read(d->byId(id, floor, room));
}

VertRun Ductbook::getVertRunByTag(const QString& floor, const QString& tag)
{
    return d->read(d->onFloor(floor, tag));
}

VertRun Ductbook::getVertRunById(const QString& floor, const QString& id)
{
    if (floor.isEmpty())
        return VertRun();
    return d->read(d->byId(id, floor, QString()));
}

VertRun Ductbook::getVertRunByTag(const QString& tag)
{
    return d->read(d->locate(tag));
}

VertRun Ductbook::getVertRunById(const QString& id)
{
    return d->read(d->byId(id, QString(), QString()));
}

QString Ductbook::getVertRunFloor(const QString& tag)
{
    return d->locate(tag).floor;
}

QString Ductbook::getVertRunRoom(const QString& tag)
{
    return d->locate(tag).room;
}

QString Ductbook::getVertRunUse(const QString& tag)
{
    return getVertRunByTag(tag).use();
}

QString Ductbook::getVertRunIconScale(const QString& tag)
{
    return getVertRunByTag(tag).iconScale();
}

QStringList Ductbook::getVertRuns()
{
    QStringList tags;
    d->forEachRun([&](const DuctbookPrivate::Place& p) {
        tags.append(p.run.tagName());
        return false;
    });
    return tags;
}

QStringList Ductbook::getVertRuns(const QString& floor, bool tags)
{
    QStringList out;
    const QDomElement rooms = d->getToRoomList(floor);
    for (QDomElement room = rooms.firstChildElement(); !room.isNull();
         room = room.nextSiblingElement())
        out += DuctbookPrivate::tagsOrIds(room.firstChildElement(name(VerticalRunList)), tags);
    return out;
}

QStringList Ductbook::getVertRuns(const QString& floor, const QString& room, bool tags)
{
    return DuctbookPrivate::tagsOrIds(d->runList(floor, room), tags);
}

QStringList Ductbook::getVertRunConnectedList(const QString& tag)
{
    return getVertRunByTag(tag).connected();
}

QStringList Ductbook::getVertRunDisconnectedList(const QString& tag)
{
    return getVertRunByTag(tag).disconnected();
}

// --- changing -------------------------------------------------------------------------

void Ductbook::setVertRunPos(const QString& floor, const QString& room, const QString& tag, int x,
                             int y)
{
    DuctbookPrivate::Place p = d->inRoom(floor, room, tag);
    if (p.isNull())
        return;
    setChildAttr(QStringLiteral("x"), QString::number(x), p.run);
    setChildAttr(QStringLiteral("y"), QString::number(y), p.run);
    setChanged(true);
}

void Ductbook::moveVertRun(const QString& floor, const QString& room, const QString& tag, int dx,
                           int dy)
{
    const VertRun run = getVertRunByTag(floor, room, tag);
    if (run.element().isEmpty())
        return;
    setVertRunPos(floor, room, tag, movedBy(run.x(), dx), movedBy(run.y(), dy));
}

void Ductbook::renameVertRun(const QString& floor, const QString& room, const QString& tag,
                             const QString& newId)
{
    DuctbookPrivate::Place p = d->inRoom(floor, room, tag);
    if (p.isNull())
        return;
    setChildAttr(attrId(), newId, p.run);
    d->maps.vertRuns.renamed(p.run, p.run.attribute(attrId()));
    setChanged(true);
}

void Ductbook::setVertRunIconScale(const QString& floor, const QString& room, const QString& id,
                                   const QString& scale)
{
    if (floor.isEmpty() || room.isEmpty())
        return;
    DuctbookPrivate::Place p = d->byId(id, floor, room);
    if (p.isNull())
        return;
    p.run.setAttribute(QStringLiteral("icon_scale"), scale);
    setChanged(true);
}

void Ductbook::setVertRunDropHeight(const QString& floor, const QString& room, const QString& id,
                                    double height)
{
    if (floor.isEmpty() || room.isEmpty())
        return;
    DuctbookPrivate::Place p = d->byId(id, floor, room);
    if (p.isNull())
        return;
    p.run.setAttribute(QStringLiteral("drop_height"), heightText(height));
    setChanged(true);
}

// Run ids are unique across ports and runs together, so a new id that a port
// already has is refused as well: a cable end naming it would be ambiguous.
void Ductbook::setVertRunId(const QString& floor, const QString& room, const QString& id,
                            const QString& newId)
{
    if (floor.isEmpty() || room.isEmpty() || portOrVertRunExists(newId, false))
        return;
    DuctbookPrivate::Place p = d->byId(id, floor, room);
    if (p.isNull())
        return;
    const QString tag = p.run.tagName();
    setChildAttr(attrId(), newId, p.run);
    d->maps.vertRuns.renamed(p.run, p.run.attribute(attrId()));
    setChanged(true);
}

// The element itself moves, so tag, id, lists and every other attribute stay
// as they were. A target room without a run list (or one that already holds
// the tag) leaves the run where it is instead of losing it.
void Ductbook::setVertRunRoom(const QString& floor, const QString& id, const QString& newRoom)
{
    if (floor.isEmpty())
        return;
    DuctbookPrivate::Place p = d->byId(id, floor, QString());
    if (p.isNull() || p.room == newRoom)
        return;
    QDomElement target = d->runList(floor, newRoom);
    const QString tag = p.run.tagName();
    if (target.isNull() || !d->findItem(d->maps.vertRuns.elements(), tag, target).isNull())
        return;
    p.run.parentNode().removeChild(p.run);
    target.appendChild(p.run);
    d->maps.risers.forgetOrder();
    setChanged(true);
}

// --- removing -------------------------------------------------------------------------

// Cables that pass through the run keep their lists and paths; the caller
// reroutes them.
void Ductbook::removeVertRun(const QString& floor, const QString& room, const QString& tag)
{
    QDomElement list = d->runList(floor, room);
    const QDomElement run = d->findItem(d->maps.vertRuns.elements(), tag, list);
    if (run.isNull())
        return;
    const bool wasMapped = d->maps.vertRuns.elements().any(tag) == run;
    if (d->maps.risers.holds(tag, run))
        d->maps.risers.removeRun(tag);
    d->forgetRun(tag, run);
    list.removeChild(run);
    // A file that repeats the tag elsewhere: the next element of the tag
    // takes over the map entry.
    if (wasMapped && d->maps.vertRuns.elements().irregular())
        d->populateVerticalRunMap();
    setChanged(true);
}

void Ductbook::removeVertRun(VertRun& run)
{
    removeVertRun(run.floor(), run.room(), run.element());
}

// --- cables in the runs ---------------------------------------------------------------

bool Ductbook::isCableInVertRun(const QString& tag)
{
    if (const RiserIndex* idx = d->risers())
        return idx->isListed(tag);
    return d->cablesInVertRuns().contains(tag);
}

QSet<QString> DuctbookPrivate::cablesInVertRuns()
{
    QSet<QString> listed;
    if (const RiserIndex* idx = risers()) {
        for (RiserIndex::List list : {RiserIndex::Connected, RiserIndex::Disconnected}) {
            for (const QString& cable : idx->listedCables(list))
                listed.insert(cable);
        }
        return listed;
    }
    forEachRun([&listed](const Place& p) {
        for (const QString& attr : {attrConnected(), attrDisconnected()}) {
            for (const QString& cable : splitList(p.run.attribute(attr)))
                listed.insert(cable);
        }
        return false;
    });
    return listed;
}

// The runs of the floor are asked in document order; a run stored at x = -1
// is not found on its floor and does not count.
QString DuctbookPrivate::firstRunListing(const QString& floor, const QString& cable, bool connected)
{
    const QString attr = connected ? attrConnected() : attrDisconnected();
    if (RiserIndex* idx = orderedRisers()) {
        if (maps.floors.containsTag(floor)) {
            for (const QString& run : idx->runsListing(listOf(attr), cable)) {
                const Place p = onFloor(floor, run);
                if (!p.isNull())
                    return run;
            }
            return QString();
        }
    }
    for (const QString& run : q->getVertRuns(floor, true)) {
        const Place p = onFloor(floor, run);
        if (!p.isNull() && splitList(p.run.attribute(attr)).contains(cable))
            return run;
    }
    return QString();
}

// --- repair ---------------------------------------------------------------------------

bool Ductbook::fixBrokenVerticalRunCables()
{
    updateAllInternalLists();
    if (RiserIndex* idx = d->risers()) {
        QSet<QString> gone;
        for (RiserIndex::List list : {RiserIndex::Disconnected, RiserIndex::Connected}) {
            for (const QString& cable : idx->listedCables(list)) {
                if (!cableExists(cable, true))
                    gone.insert(cable);
            }
        }
        d->removeCablesFromAllVRLists(gone);
    } else {
        d->editAllLists([this](QStringList& list) {
            const qsizetype before = list.size();
            list.removeIf([this](const QString& cable) { return !cableExists(cable, true); });
            return list.size() != before;
        });
    }
    d->detachSameFloorCables();
    return true;
}
