// Vertical runs: the risers placed in the rooms of a floor, and the lists of
// the cables that pass through each of them (connected on this floor, or only
// passing through).
#include "ductbook.h"

#include "constants_p.h"
#include "ductbook_p.h"
#include "namegen_p.h"
#include "xmlwriter_p.h"

#include <QList>

using namespace DuctbookConstants;

namespace {

const QString& attrId()
{
    static const QString s = QStringLiteral("id");
    return s;
}

const QString& attrConnected()
{
    static const QString s = QStringLiteral("connected");
    return s;
}

const QString& attrDisconnected()
{
    static const QString s = QStringLiteral("disconnected");
    return s;
}

QString heightText(double height)
{
    return QStringLiteral("%1").arg(height);
}

// The stored form of a cable list is the tags joined with ","; empty parts
// (left by older writers) are not cable tags.
QStringList splitList(const QString& text)
{
    return text.split(QLatin1Char(','), Qt::SkipEmptyParts);
}

QString joinList(const QStringList& list)
{
    return list.join(QLatin1Char(','));
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

// Visits the runs of one room's list in document order; f returns true
// to stop. Returns whether f stopped the walk.
template <typename F>
bool DuctbookPrivate::walkList(const QDomElement& list, const QString& floor, const QString& room,
                               F& f)
{
    for (QDomElement run = list.firstChildElement(); !run.isNull();
         run = run.nextSiblingElement()) {
        if (f(Place{run, floor, room}))
            return true;
    }
    return false;
}

template <typename F>
bool DuctbookPrivate::walkFloor(const QString& floor, F& f)
{
    const QDomElement rooms = getToRoomList(floor);
    for (QDomElement room = rooms.firstChildElement(); !room.isNull();
         room = room.nextSiblingElement()) {
        if (walkList(room.firstChildElement(name(VerticalRunList)), floor, room.tagName(), f))
            return true;
    }
    return false;
}

// Every run of the job once: floors in the order of the floor map, rooms
// and runs in document order.
template <typename F>
void DuctbookPrivate::forEachRun(F f)
{
    const QStringList floors = maps.floors.tags();
    for (const QString& floor : floors) {
        if (walkFloor(floor, f))
            return;
    }
}

// The run of tag anywhere in the job: the first in walk order. A regular
// cache knows the only element of the tag; a walk is needed only when the
// file repeats tags or the cached element can no longer be reached.
DuctbookPrivate::Place DuctbookPrivate::locate(const QString& tag)
{
    const ElementCache& cache = maps.vertRunElements;
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
    return {findItem(maps.vertRunElements, tag, list), floor, room};
}

bool DuctbookPrivate::unplaced(const QDomElement& run)
{
    return run.attribute(QStringLiteral("x")).toInt() == -1;
}

// The run of tag on floor. Each room is asked in turn and a run stored
// at x = -1 (the "no position" of a record) does not count as an answer.
DuctbookPrivate::Place DuctbookPrivate::onFloor(const QString& floor, const QString& tag)
{
    const ElementCache& cache = maps.vertRunElements;
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
    const ElementCache& cache = maps.vertRunElements;
    if (!cache.irregular()) {
        bool sure = true;
        QList<Place> hits;
        const QStringList tags = maps.vertRuns.tagsWithId(id);
        for (const QString& tag : tags) {
            const QDomElement e = cache.any(tag);
            const Place p = !e.isNull() && e.tagName() == tag ? placeOf(e) : Place();
            if (p.isNull() || p.run.attribute(attrId()) != id) {
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
    if (maps.risers.holds(e.tagName(), e))
        maps.risers.flush(e.tagName());
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

// The riser index, built on first use; null while the file repeats run
// tags, since then only a walk tells which element a lookup finds.
RiserIndex* DuctbookPrivate::risers()
{
    RiserIndex& idx = maps.risers;
    if (maps.vertRunElements.irregular()) {
        idx.reset();
        return nullptr;
    }
    if (!idx.isBuilt()) {
        idx.startBuild();
        forEachRun([&idx](const Place& p) {
            idx.addRun(p.run.tagName(), p.run);
            return false;
        });
    }
    return &idx;
}

// The index with the walk order of its runs known, for answers that list
// runs in that order.
RiserIndex* DuctbookPrivate::orderedRisers()
{
    RiserIndex* idx = risers();
    if (idx && !idx->orderKnown()) {
        QStringList order;
        forEachRun([&order](const Place& p) {
            order.append(p.run.tagName());
            return false;
        });
        idx->setOrder(order);
    }
    return idx;
}

RiserIndex::List DuctbookPrivate::listOf(const QString& attr)
{
    return attr == attrConnected() ? RiserIndex::Connected : RiserIndex::Disconnected;
}

// The index that holds the run at p; null (and the index dropped) when it
// does not: every run a walk reaches is held, and a run edited outside it
// would leave it stale.
RiserIndex* DuctbookPrivate::holding(const Place& p)
{
    RiserIndex* idx = risers();
    if (idx && !idx->holds(p.run.tagName(), p.run)) {
        idx->reset();
        return nullptr;
    }
    return idx;
}

// Adds cable to one list of the run of runTag, once. A run element that
// lacks the list attribute gets it: dropping the cable would lose the
// route without a word to the caller.
void DuctbookPrivate::addToList(const QString& runTag, const QString& attr, const QString& cable)
{
    Place p = locate(runTag);
    if (p.isNull() || cable.isEmpty())
        return;
    if (RiserIndex* idx = holding(p)) {
        idx->add(p.run.tagName(), listOf(attr), cable);
    } else {
        QStringList list = splitList(p.run.attribute(attr));
        if (!list.contains(cable))
            list.append(cable);
        p.run.setAttribute(attr, joinList(list));
    }
    q->setChanged(true);
}

void DuctbookPrivate::removeFromList(const QString& runTag, const QString& attr,
                                     const QString& cable)
{
    Place p = locate(runTag);
    if (p.isNull())
        return;
    if (RiserIndex* idx = holding(p)) {
        idx->remove(p.run.tagName(), listOf(attr), cable);
    } else {
        QStringList list = splitList(p.run.attribute(attr));
        list.removeAll(cable);
        q->setChildAttr(attr, joinList(list), p.run);
    }
    q->setChanged(true);
}

// A whole list overwritten (only when the element has the attribute). The
// index holds every run a walk reaches; one it does not hold (on a floor
// the floor map does not name) is written directly.
void DuctbookPrivate::replaceList(const QString& floor, const QString& room, const QString& tag,
                                  const QString& attr, const QString& joined)
{
    Place p = inRoom(floor, room, tag);
    if (p.isNull())
        return;
    RiserIndex& idx = maps.risers;
    if (idx.holds(p.run.tagName(), p.run))
        idx.replace(p.run.tagName(), listOf(attr), joined);
    else
        q->setChildAttr(attr, joined, p.run);
    q->setChanged(true);
}

// The tags of the runs whose list attr holds cable, in walk order.
QStringList DuctbookPrivate::runsListing(const QString& attr, const QString& cable)
{
    if (const RiserIndex* idx = orderedRisers())
        return idx->runsListing(listOf(attr), cable);
    QStringList tags;
    forEachRun([&](const Place& p) {
        if (splitList(p.run.attribute(attr)).contains(cable) && !tags.contains(p.run.tagName()))
            tags.append(p.run.tagName());
        return false;
    });
    return tags;
}

// Applies edit (which changes one list of one run and says whether it
// did) to every list that names one of cables; marks the document changed
// when some list changed.
template <typename Edit>
void DuctbookPrivate::editListsNaming(RiserIndex& idx, const QStringList& cables, Edit edit)
{
    bool changed = false;
    for (RiserIndex::List list : {RiserIndex::Disconnected, RiserIndex::Connected}) {
        for (const QString& cable : cables) {
            for (const QString& run : idx.runsListing(list, cable))
                changed = edit(run, list, cable) || changed;
        }
    }
    if (changed)
        q->setChanged(true);
}

// Rewrites both lists of every run through edit (which changes the list
// in place and says whether it did) in one walk; marks the document
// changed when some list changed. For a file that repeats run tags, where
// the index is not kept.
template <typename Edit>
void DuctbookPrivate::editAllLists(Edit edit)
{
    bool changed = false;
    forEachRun([&](Place p) {
        for (const QString& attr : {attrDisconnected(), attrConnected()}) {
            QStringList list = splitList(p.run.attribute(attr));
            if (edit(list)) {
                q->setChildAttr(attr, joinList(list), p.run);
                changed = true;
            }
        }
        return false;
    });
    if (changed)
        q->setChanged(true);
}

// The map and the cache stop naming run (about to leave the document).
void DuctbookPrivate::forgetRun(const QString& tag, const QDomElement& run)
{
    ElementCache& cache = maps.vertRunElements;
    const bool mapped = cache.any(tag) == run;
    if (!mapped && cache.irregular())
        return; // a repeated tag the map never knew
    cache.remove(tag, run);
    maps.vertRuns.remove(tag);
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
    if (list.isNull() || !d->findItem(d->maps.vertRunElements, runTag, list).isNull())
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

    d->maps.vertRunElements.insert(runTag, run);
    d->maps.vertRuns.insert(runTag, runId);
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

// --- the cable lists ------------------------------------------------------------------

void Ductbook::setVertRunConnectedList(const QString& floor, const QString& room,
                                       const QString& tag, const QString& joined)
{
    d->replaceList(floor, room, tag, attrConnected(), joined);
}

void Ductbook::setVertRunDisconnectedList(const QString& floor, const QString& room,
                                          const QString& tag, const QString& joined)
{
    d->replaceList(floor, room, tag, attrDisconnected(), joined);
}

void Ductbook::addConnectedCableToVertRun(const QString& runTag, const QString& cableTag)
{
    d->addToList(runTag, attrConnected(), cableTag);
}

void Ductbook::addDisconnectedCableToVertRun(const QString& runTag, const QString& cableTag)
{
    d->addToList(runTag, attrDisconnected(), cableTag);
}

void Ductbook::removeConnectedCableFromVertRun(const QString& runTag, const QString& cableTag)
{
    d->removeFromList(runTag, attrConnected(), cableTag);
}

void Ductbook::removeDisconnectedCableFromVertRun(const QString& runTag, const QString& cableTag)
{
    d->removeFromList(runTag, attrDisconnected(), cableTag);
}

QStringList Ductbook::findCableConnectedLists(const QString& cableTag)
{
    return d->runsListing(attrConnected(), cableTag);
}

QStringList Ductbook::findCableDisconnectedLists(const QString& cableTag)
{
    return d->runsListing(attrDisconnected(), cableTag);
}

QStringList Ductbook::getVertRunsWithCableInConnectedList(const QString& cableTag)
{
    return d->runsListing(attrConnected(), cableTag);
}

QStringList Ductbook::getVertRunsWithCableInDisconnectedList(const QString& cableTag)
{
    return d->runsListing(attrDisconnected(), cableTag);
}

void Ductbook::removeCableFromAllVRLists(const QString& cableTag)
{
    d->removeCablesFromAllVRLists({cableTag});
}

void DuctbookPrivate::removeCablesFromAllVRLists(const QSet<QString>& cableTags)
{
    if (cableTags.isEmpty())
        return;
    if (RiserIndex* idx = risers()) {
        editListsNaming(*idx, cableTags.values(),
                        [idx](const QString& run, RiserIndex::List list, const QString& cable) {
                            return idx->remove(run, list, cable);
                        });
        return;
    }
    editAllLists([&](QStringList& list) {
        return list.removeIf([&](const QString& t) { return cableTags.contains(t); }) > 0;
    });
}

// The new tag takes the old one's place at the end of each list that held the
// old one, once.
void Ductbook::renameCableInAllVertRuns(const QString& oldTag, const QString& newTag)
{
    if (oldTag == newTag)
        return;
    if (RiserIndex* idx = d->risers()) {
        d->editListsNaming(
            *idx, {oldTag},
            [idx, &newTag](const QString& run, RiserIndex::List list, const QString& cable) {
                return idx->rename(run, list, cable, newTag);
            });
        return;
    }
    d->editAllLists([&](QStringList& list) {
        if (list.removeAll(oldTag) == 0)
            return false;
        if (!newTag.isEmpty() && !list.contains(newTag))
            list.append(newTag);
        return true;
    });
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
    if (d->maps.vertRunElements.any(tag) == p.run)
        d->maps.vertRuns.insert(tag, p.run.attribute(attrId()));
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
    if (d->maps.vertRunElements.any(tag) == p.run)
        d->maps.vertRuns.insert(tag, p.run.attribute(attrId()));
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
    if (target.isNull() || !d->findItem(d->maps.vertRunElements, tag, target).isNull())
        return;
    p.run.parentNode().removeChild(p.run);
    target.appendChild(p.run);
    d->maps.vertRunElements.insert(tag, p.run);
    d->maps.risers.forgetOrder();
    setChanged(true);
}

// --- removing -------------------------------------------------------------------------

// Cables that pass through the run keep their lists and paths; the caller
// reroutes them.
void Ductbook::removeVertRun(const QString& floor, const QString& room, const QString& tag)
{
    QDomElement list = d->runList(floor, room);
    const QDomElement run = d->findItem(d->maps.vertRunElements, tag, list);
    if (run.isNull())
        return;
    const bool wasMapped = d->maps.vertRunElements.any(tag) == run;
    if (d->maps.risers.holds(tag, run))
        d->maps.risers.removeRun(tag);
    d->forgetRun(tag, run);
    list.removeChild(run);
    // A file that repeats the tag elsewhere: the next element of the tag
    // takes over the map entry.
    if (wasMapped && d->maps.vertRunElements.irregular())
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
        idx->flushAll(); // the walk below reads the lists from the elements
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
