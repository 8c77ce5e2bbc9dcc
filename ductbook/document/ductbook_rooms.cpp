// Rooms drawn on a floor plan, and the fixed room "Undefined" of every floor
// that holds the ports and vertical runs lying in no drawn room.
#include "ductbook.h"

#include "constants_p.h"
#include "ductbook_p.h"
#include "index/namegen_p.h"
#include "io/xmlwriter_p.h"

#include <cmath>
#include <limits>

using namespace DuctbookConstants;

namespace {

QString undefinedRoom()
{
    return name(UndefinedRoom);
}

QString idOf(const QDomElement& e)
{
    return e.attribute(QStringLiteral("id"));
}

// Room geometry is stored as integers. The cast alone is undefined for NaN
// and for values beyond int, so those are pinned first.
int truncated(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (value <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return int(value);
}

} // namespace

// The navigation takes an empty name for "any element" (the first child
// whatever its name); no floor or room is named "", so such a name finds
// nothing here.
QDomElement DuctbookPrivate::roomList(const QString& floor)
{
    return floor.isEmpty() ? QDomElement() : getToRoomList(floor);
}

QDomElement DuctbookPrivate::room(const QString& floor, const QString& tag)
{
    return getToRoom(floor, tag);
}

// The rooms of the list whose id is id, in document order, found through
// the room map when it can answer for sure: its cache is regular (which
// also means the list's one "Undefined" room, not in the map, leads it),
// and at most one mapped room of the list has the id. False when the list
// has to be walked instead.
bool DuctbookPrivate::indexedRoomsWithId(const QDomElement& rooms, const QString& id,
                                         QList<QDomElement>* found)
{
    QList<QDomElement> candidates;
    if (!maps.rooms.elementsWithId(id, &candidates))
        return false;
    QList<QDomElement> hits;
    const QDomElement first = rooms.firstChildElement();
    if (!first.isNull() && first.tagName() == undefinedRoom() && idOf(first) == id)
        hits.append(first);
    int mapped = 0;
    for (const QDomElement& e : std::as_const(candidates)) {
        if (e.parentNode() == rooms) {
            hits.append(e);
            ++mapped;
        }
    }
    if (mapped > 1)
        return false;
    *found = hits;
    return true;
}

QList<QDomElement> DuctbookPrivate::roomsWithId(const QDomElement& rooms, const QString& id)
{
    QList<QDomElement> found;
    if (rooms.isNull() || indexedRoomsWithId(rooms, id, &found))
        return found;
    for (QDomElement e = rooms.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (idOf(e) == id)
            found.append(e);
    }
    return found;
}

// The first room of floor whose id is id, in document order.
QDomElement DuctbookPrivate::roomById(const QString& floor, const QString& id)
{
    const QList<QDomElement> found = roomsWithId(roomList(floor), id);
    return found.isEmpty() ? QDomElement() : found.constFirst();
}

Room DuctbookPrivate::undefinedRecord()
{
    Room r;
    r.setElement(undefinedRoom());
    r.setID(undefinedRoom());
    return r;
}

Room DuctbookPrivate::read(QDomElement e, const QString& floor)
{
    auto number = [&e](const char* attr) { return e.attribute(QLatin1String(attr)).toInt(); };
    Room r;
    r.setElement(e.tagName());
    r.setFloor(floor);
    r.setID(idOf(e));
    r.setX(number("x"));
    r.setY(number("y"));
    r.setWidth(number("width"));
    r.setHeight(number("height"));
    r.setRoomNameX(number("namex"));
    r.setRoomNameY(number("namey"));
    const QString three = QStringLiteral("3");
    r.setLayer(repairedAttr(e, QStringLiteral("layer"), three).toInt());
    r.setShowRoomName(repairedAttr(e, QStringLiteral("show_name"), three).toInt());
    r.setShowDimensions(repairedAttr(e, QStringLiteral("show_dimensions"), three).toInt());
    return r;
}

// The list listName of the floor's "Undefined" room, creating the room or
// the list when a damaged file lacks them: the contents of a removed room
// must have somewhere to go.
QDomElement DuctbookPrivate::undefinedList(const QString& floor, const char* listName)
{
    QDomElement rooms = roomList(floor);
    if (rooms.isNull())
        return QDomElement();
    QDomElement undefined = room(floor, undefinedRoom());
    if (undefined.isNull()) {
        undefined = q->document.createElement(undefinedRoom());
        undefined.setAttribute(QStringLiteral("id"), undefinedRoom());
        rooms.insertBefore(undefined, rooms.firstChild());
    }
    QDomElement list = undefined.firstChildElement(name(listName));
    if (list.isNull()) {
        list = q->document.createElement(name(listName));
        undefined.appendChild(list);
    }
    return list;
}

QList<QDomElement> DuctbookPrivate::children(const QDomElement& list)
{
    QList<QDomElement> result;
    for (QDomElement e = list.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        result.append(e);
    return result;
}

// Sets attr on the first room of floor with id, adding it when missing;
// rooms without children are not touched.
void DuctbookPrivate::setRoomAttr(const QString& floor, const QString& id, const QString& attr,
                                  int value)
{
    QDomElement e = roomById(floor, id);
    if (e.isNull() || !e.hasChildNodes())
        return;
    e.setAttribute(attr, QString::number(value));
    q->setChanged(true);
}

QString Ductbook::addRoom(const QString& floor, int x, int y, int width, int height,
                          const QString& tag, const QString& id, int nameX, int nameY,
                          int showDimensions, int showRoomName, int layer, int mode)
{
    const bool tagSupplied = AddMode::tagSupplied(mode);
    const QString roomTag = tagSupplied ? tag : d->generateTag(ItemKind::Room);
    const QString roomId =
        AddMode::idSupplied(mode) ? id : d->generateId(ItemKind::Room, id, floor);

    QDomElement list = d->roomList(floor);
    if (list.isNull() || roomTag.isEmpty())
        return roomTag;
    // A supplied tag becomes an element name and must name one room in the
    // whole job: an invalid name would make the file unreadable, a taken one
    // would hide one of the two rooms from every lookup.
    if (tagSupplied && (!XmlWriter::isValidName(roomTag) || roomExists(roomTag, true)))
        return roomTag;
    if (!d->findItem(d->maps.rooms.elements(), roomTag, list).isNull())
        return roomTag;

    QDomElement e = document.createElement(roomTag);
    list.appendChild(e);
    e.setAttribute(QStringLiteral("x"), QString::number(x));
    e.setAttribute(QStringLiteral("y"), QString::number(y));
    e.setAttribute(QStringLiteral("width"), QString::number(width));
    e.setAttribute(QStringLiteral("height"), QString::number(height));
    e.setAttribute(QStringLiteral("id"), roomId);
    e.appendChild(document.createElement(QLatin1String(PortList)));
    e.appendChild(document.createElement(QLatin1String(VerticalRunList)));
    e.setAttribute(QStringLiteral("namex"), QString::number(nameX));
    e.setAttribute(QStringLiteral("namey"), QString::number(nameY));
    e.setAttribute(QStringLiteral("layer"), QString::number(layer));
    e.setAttribute(QStringLiteral("show_name"), QString::number(showRoomName));
    e.setAttribute(QStringLiteral("show_dimensions"), QString::number(showDimensions));

    d->maps.rooms.added(roomTag, roomId, e);
    setChanged(true);
    return roomTag;
}

QString Ductbook::addRoom(Room& room, int mode)
{
    return addRoom(room.floor(), truncated(room.x()), truncated(room.y()), truncated(room.width()),
                   truncated(room.height()), room.element(), room.id(), truncated(room.roomNameX()),
                   truncated(room.roomNameY()), room.showDimensions(), room.showRoomName(),
                   room.layer(), mode);
}

Room Ductbook::getRoomByTag(const QString& floor, const QString& tag)
{
    if (tag == undefinedRoom())
        return DuctbookPrivate::undefinedRecord();
    QDomElement e = d->room(floor, tag);
    return e.isNull() ? Room() : d->read(e, floor);
}

Room Ductbook::getRoomByTag(const QString& tag)
{
    if (tag == undefinedRoom())
        return DuctbookPrivate::undefinedRecord();
    if (tag.isEmpty())
        return Room();
    const ElementCache& cache = d->maps.rooms.elements();
    QDomElement cached = cache.any(tag);
    if (!cache.irregular()) {
        if (cached.isNull())
            return Room();
        // Tags are unique, so the cached element is the room when it still
        // sits where a search by floor would find it.
        const QString floor = cached.parentNode().parentNode().toElement().tagName();
        if (floorExists(floor, true) && d->room(floor, tag) == cached)
            return d->read(cached, floor);
    }
    const QStringList floors = getFloorTags();
    for (const QString& floor : floors) {
        QDomElement e = d->room(floor, tag);
        if (!e.isNull())
            return d->read(e, floor);
    }
    return Room();
}

Room Ductbook::getRoomById(const QString& floor, const QString& id)
{
    QDomElement e = d->roomById(floor, id);
    if (e.isNull())
        return Room();
    if (id == undefinedRoom()) {
        Room r;
        r.setElement(e.tagName());
        r.setID(id);
        return r;
    }
    return d->read(e, floor);
}

// "Undefined" is on every floor, whether or not the file has it.
bool Ductbook::roomExistsOnFloor(const QString& floorTag, const QString& name, bool byTag)
{
    if (name == undefinedRoom())
        return true;
    const QDomElement rooms = d->roomList(floorTag);
    if (byTag)
        return !d->findItem(d->maps.rooms.elements(), name, rooms).isNull();
    return !d->roomsWithId(rooms, name).isEmpty();
}

QStringList Ductbook::getRooms(const QString& floor, bool tags)
{
    QStringList result;
    const QDomElement rooms = d->roomList(floor);
    for (QDomElement e = rooms.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        result.append(tags ? e.tagName() : idOf(e));
    return result;
}

void Ductbook::setRoomPos(const QString& floor, const QString& id, int x, int y, int width,
                          int height)
{
    const QList<QDomElement> rooms = d->roomsWithId(d->roomList(floor), id);
    for (QDomElement e : rooms) {
        setChildAttr(QStringLiteral("x"), QString::number(x), e);
        setChildAttr(QStringLiteral("y"), QString::number(y), e);
        setChildAttr(QStringLiteral("width"), QString::number(width), e);
        setChildAttr(QStringLiteral("height"), QString::number(height), e);
    }
    if (!rooms.isEmpty())
        setChanged(true);
}

// Room names are unique per floor only, so the old name may stand in the map
// for rooms of other floors too: the entry to change is the renamed room's
// own. A room the map does not hold (the "Undefined" room) changes no entry;
// taking the first entry with the old name instead would give another room
// a name its element does not have.
void Ductbook::setRoomName(const QString& floor, const QString& id, const QString& newId)
{
    QDomElement e = d->roomById(floor, id);
    if (e.isNull())
        return;
    setElementId(newId, e);
    const QString tag = e.tagName();
    d->maps.rooms.renamed(e, idOf(e));
    setChanged(true);
}

void Ductbook::setRoomNamePos(const QString& floor, const QString& id, const QPoint& pos)
{
    QDomElement e = d->roomById(floor, id);
    if (e.isNull() || !e.hasChildNodes())
        return;
    e.setAttribute(QStringLiteral("namex"), QString::number(pos.x()));
    e.setAttribute(QStringLiteral("namey"), QString::number(pos.y()));
    setChanged(true);
}

void Ductbook::setRoomLayer(const QString& floor, const QString& id, int layer)
{
    d->setRoomAttr(floor, id, QStringLiteral("layer"), layer);
}

void Ductbook::setShowRoomName(const QString& floor, const QString& id, int value)
{
    d->setRoomAttr(floor, id, QStringLiteral("show_name"), value);
}

void Ductbook::setShowRoomDimensions(const QString& floor, const QString& id, int value)
{
    d->setRoomAttr(floor, id, QStringLiteral("show_dimensions"), value);
}

// The ports and vertical runs of the room move to "Undefined" element by
// element, keeping tag, id and every attribute (as a re-add under the same
// names would): looking them up by id instead could pick a namesake in
// another room, or miss a port placed at x = -1, and the item left behind
// would go with the room. The element caches keep pointing at the moved
// elements. "Undefined" itself is never removed, since its contents would
// have nowhere to go.
void Ductbook::removeRoom(const QString& floor, const QString& tag)
{
    if (tag == undefinedRoom())
        return;
    QDomElement rooms = d->roomList(floor);
    QDomElement e = d->room(floor, tag);
    if (e.isNull())
        return;

    for (const char* listName : {PortList, VerticalRunList}) {
        const QDomElement items = e.firstChildElement(QLatin1String(listName));
        if (items.firstChildElement().isNull())
            continue;
        QDomElement target = d->undefinedList(floor, listName);
        for (const QDomElement& item : DuctbookPrivate::children(items))
            target.appendChild(item);
        if (listName == VerticalRunList)
            d->maps.risers.forgetOrder();
    }

    rooms.removeChild(e);
    d->maps.rooms.removed(tag, e);
    setChanged(true);
}

void Ductbook::removeRoom(Room& room)
{
    removeRoom(room.floor(), room.element());
}
