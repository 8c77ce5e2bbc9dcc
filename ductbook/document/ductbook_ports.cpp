// Ports: the outlets placed in the rooms of a floor plan, each with its use,
// drop height and icon. Lookups go through the port cache and the id index
// of the port map as the other items' do (see ductbook_items.cpp).
#include "ductbook.h"

#include "constants_p.h"
#include "ductbook_p.h"
#include "index/namegen_p.h"
#include "itemlookup_p.h"

using namespace DuctbookConstants;
using namespace ItemLookup;

// --- ports -------------------------------------------------------------------

QDomElement DuctbookPrivate::portList(const QString& floor, const QString& roomTag)
{
    return childByTag(room(floor, roomTag), QLatin1String(PortList));
}

QDomElement DuctbookPrivate::portByTag(const QString& tag, const QDomElement& list)
{
    return find(maps.ports.elements(), tag, list);
}

// The floor and room of a port element, when a search by those tags
// reaches the list that holds it.
bool DuctbookPrivate::locatePort(const QDomElement& e, QString* floor, QString* roomTag)
{
    const QDomNode list = e.parentNode();
    const QDomElement roomElement = list.parentNode().toElement();
    const QDomElement floorElement = roomElement.parentNode().parentNode().toElement();
    if (floorElement.isNull())
        return false;
    *floor = floorElement.tagName();
    *roomTag = roomElement.tagName();
    return portList(*floor, *roomTag) == list;
}

// Every port whose id is id, from the id index. False when the index
// cannot answer for sure, and the lists must be walked.
bool DuctbookPrivate::portsWithId(const QString& id, QList<Located>* out)
{
    QList<QDomElement> candidates;
    if (!maps.ports.elementsWithId(id, &candidates))
        return false;
    for (const QDomElement& e : std::as_const(candidates)) {
        Located l;
        l.element = e;
        if (!locatePort(l.element, &l.floor, &l.room))
            return false;
        out->append(l);
    }
    return true;
}

Port DuctbookPrivate::readPort(QDomElement e, const QString& floor, const QString& roomTag)
{
    if (e.isNull())
        return Port();
    const double dropHeight =
        repairedAttr(e, QStringLiteral("drop_height"), name(DefaultPortDropHeight)).toDouble();
    const QString iconScale = repairedAttr(e, QStringLiteral("icon_scale"), notSpecified());
    return Port(intAttr(e, "x"), intAttr(e, "y"), e.tagName(), idOf(e), floor, roomTag,
                e.attribute(QStringLiteral("use")), iconScale, dropHeight);
}

// The per-floor search: each room in document order answers with its
// first matching port, and the first answer not at x = -1 wins.
Port DuctbookPrivate::searchFloor(const QString& floor,
                                  const std::function<QDomElement(const QDomElement&)>& firstIn)
{
    const QDomElement rooms = roomList(floor);
    for (QDomElement r = rooms.firstChildElement(); !r.isNull(); r = r.nextSiblingElement()) {
        const QString roomTag = r.tagName();
        const QDomElement e = firstIn(portList(floor, roomTag));
        if (e.isNull())
            continue;
        const Port p = readPort(e, floor, roomTag);
        if (p.x() != -1)
            return p;
    }
    return Port();
}

// The answer of the per-floor search when the only port in question is l.
Port DuctbookPrivate::onlyAnswer(const Located& l)
{
    const Port p = readPort(l.element, l.floor, l.room);
    return p.x() != -1 ? p : Port();
}

// The attributes of a port, written as every add writes them.
void DuctbookPrivate::createPort(QDomElement& list, const QString& tag, const QString& id, int x,
                                 int y, const QString& use, const QString& iconScale,
                                 double dropHeight)
{
    const QDomElement e = appendItem(q->document, list, tag,
                                     {{"x", QString::number(x)},
                                      {"y", QString::number(y)},
                                      {"id", id},
                                      {"use", use},
                                      {"drop_height", QStringLiteral("%1").arg(dropHeight)},
                                      {"icon_scale", iconScale}});
    maps.ports.added(tag, id, e);
    q->setChanged(true);
}

void DuctbookPrivate::portTagsOfFloor(const QString& floor, const QString* use, bool tags,
                                      QStringList* out)
{
    const QDomElement rooms = roomList(floor);
    for (QDomElement r = rooms.firstChildElement(); !r.isNull(); r = r.nextSiblingElement()) {
        const QDomElement list = r.firstChildElement(QLatin1String(PortList));
        for (QDomElement e = list.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
            if (use && e.attribute(QStringLiteral("use")) != *use)
                continue;
            out->append(tags ? e.tagName() : idOf(e));
        }
    }
}

// --- adding ------------------------------------------------------------------------

QString Ductbook::addPort(const QString& floor, const QString& room, int x, int y,
                          const QString& tag, const QString& id, const QString& use,
                          const QString& iconScale, double dropHeight, int mode)
{
    const bool supplied = AddMode::tagSupplied(mode);
    const QString portTag = supplied ? tag : d->generateTag(ItemKind::Port);
    const QString portId = AddMode::idSupplied(mode) ? id : d->generateId(ItemKind::Port, id);
    QDomElement list = d->portList(floor, room);
    if (!d->canAdd(d->maps.ports.elements(), list, portTag, supplied,
                   [this](const QString& t) { return portOrVertRunExists(t, true); }))
        return portTag;
    d->createPort(list, portTag, portId, x, y, use, iconScale, dropHeight);
    return portTag;
}

QString Ductbook::addPort(Port& port, int mode)
{
    const QString tag = addPort(port.floor(), port.room(), port.x(), port.y(), port.element(),
                                port.id(), port.use(), port.iconScale(), port.dropHeight(), mode);
    setChanged(true);
    return tag;
}

// --- reading ports ------------------------------------------------------------------

Port Ductbook::getPortByTag(const QString& floor, const QString& room, const QString& tag)
{
    const QDomElement e = d->portByTag(tag, d->portList(floor, room));
    return d->readPort(e, floor, room);
}

Port Ductbook::getPortById(const QString& floor, const QString& room, const QString& id)
{
    const QDomElement e =
        firstWithId(d->maps.ports, d->portList(floor, room), id);
    return d->readPort(e, floor, room);
}

Port Ductbook::getPortByTag(const QString& floor, const QString& tag)
{
    const ElementCache& cache = d->maps.ports.elements();
    if (!cache.irregular()) {
        DuctbookPrivate::Located l;
        l.element = cache.any(tag);
        if (l.element.isNull())
            return Port();
        if (l.element.tagName() == tag && d->locatePort(l.element, &l.floor, &l.room))
            return l.floor == floor ? d->onlyAnswer(l) : Port();
    }
    return d->searchFloor(
        floor, [this, &tag](const QDomElement& list) { return d->portByTag(tag, list); });
}

Port Ductbook::getPortById(const QString& floor, const QString& id)
{
    QList<DuctbookPrivate::Located> all;
    if (d->portsWithId(id, &all)) {
        QList<DuctbookPrivate::Located> here;
        for (const DuctbookPrivate::Located& l : all) {
            if (l.floor == floor)
                here.append(l);
        }
        if (here.isEmpty())
            return Port();
        if (here.size() == 1)
            return d->onlyAnswer(here.constFirst());
    }
    return d->searchFloor(floor, [this, &id](const QDomElement& list) {
        return firstWithId(d->maps.ports, list, id);
    });
}

Port Ductbook::getPortByTag(const QString& tag)
{
    const ElementCache& cache = d->maps.ports.elements();
    if (!cache.irregular()) {
        DuctbookPrivate::Located l;
        l.element = cache.any(tag);
        if (l.element.isNull())
            return Port();
        if (l.element.tagName() == tag && d->locatePort(l.element, &l.floor, &l.room) &&
            floorExists(l.floor, true))
            return d->readPort(l.element, l.floor, l.room);
    }
    const QStringList floors = getFloorTags();
    for (const QString& floor : floors) {
        const QDomElement rooms = d->roomList(floor);
        for (QDomElement r = rooms.firstChildElement(); !r.isNull(); r = r.nextSiblingElement()) {
            const QDomElement e = d->portByTag(tag, d->portList(floor, r.tagName()));
            if (!e.isNull())
                return d->readPort(e, floor, r.tagName());
        }
    }
    return Port();
}

Port Ductbook::getPortById(const QString& id)
{
    QList<DuctbookPrivate::Located> all;
    if (d->portsWithId(id, &all)) {
        QList<DuctbookPrivate::Located> mapped;
        for (const DuctbookPrivate::Located& l : all) {
            if (floorExists(l.floor, true))
                mapped.append(l);
        }
        if (mapped.isEmpty())
            return Port();
        if (mapped.size() == 1) {
            const DuctbookPrivate::Located& l = mapped.constFirst();
            return d->readPort(l.element, l.floor, l.room);
        }
    }
    const QStringList floors = getFloorTags();
    for (const QString& floor : floors) {
        const QDomElement rooms = d->roomList(floor);
        for (QDomElement r = rooms.firstChildElement(); !r.isNull(); r = r.nextSiblingElement()) {
            const QDomElement e = firstWithId(d->maps.ports, d->portList(floor, r.tagName()), id);
            if (!e.isNull())
                return d->readPort(e, floor, r.tagName());
        }
    }
    return Port();
}

// --- lists --------------------------------------------------------------------------

QStringList Ductbook::getPorts(const QString& floor, const QString& room, bool tags)
{
    return names(d->portList(floor, room), tags);
}

QStringList Ductbook::getPorts(const QString& floor, bool tags)
{
    QStringList result;
    d->portTagsOfFloor(floor, nullptr, tags, &result);
    return result;
}

QStringList Ductbook::getPorts(bool tags)
{
    QStringList result;
    const QStringList floors = getFloorTags();
    for (const QString& floor : floors)
        d->portTagsOfFloor(floor, nullptr, tags, &result);
    return result;
}

QStringList Ductbook::getPortsByUse(const QString& use)
{
    QStringList result;
    const QStringList floors = getFloorTags();
    for (const QString& floor : floors)
        d->portTagsOfFloor(floor, &use, true, &result);
    return result;
}

QStringList Ductbook::getPortsByUse(const QString& floor, const QString& use)
{
    QStringList result;
    d->portTagsOfFloor(floor, &use, true, &result);
    return result;
}

// --- changing ports -----------------------------------------------------------------

void Ductbook::setPortPos(const QString& floor, const QString& room, const QString& tag, int x,
                          int y)
{
    QDomElement e = d->portByTag(tag, d->portList(floor, room));
    if (e.isNull())
        return;
    setChildAttr(QStringLiteral("x"), QString::number(x), e);
    setChildAttr(QStringLiteral("y"), QString::number(y), e);
    setChanged(true);
}

void Ductbook::setPortDropHeight(const QString& floor, const QString& room, const QString& tag,
                                 double height)
{
    QDomElement e = d->portByTag(tag, d->portList(floor, room));
    if (e.isNull())
        return;
    setChildAttr(QStringLiteral("drop_height"), QString::number(height, 'g', 6), e);
    setChanged(true);
}

void Ductbook::renamePort(const QString& floor, const QString& room, const QString& tag,
                          const QString& newId)
{
    QDomElement e = d->portByTag(tag, d->portList(floor, room));
    if (e.isNull())
        return;
    d->renameElement(d->maps.ports, e, newId);
    setChanged(true);
}

void Ductbook::setPortIconScale(const QString& floor, const QString& room, const QString& id,
                                const QString& scale)
{
    QDomElement e = firstWithId(d->maps.ports, d->portList(floor, room), id);
    if (e.isNull())
        return;
    e.setAttribute(QStringLiteral("icon_scale"), scale);
    setChanged(true);
}

// The port leaves its room and is created again at the end of the new
// room's list under the same tag and id, as an add in mode 2 would. The new
// room is checked first, so that a port is never taken out of one room
// without arriving in another.
void Ductbook::setPortRoom(const QString& floor, const QString& id, const QString& newRoom)
{
    const Port port = getPortById(floor, id);
    if (port.element().isEmpty() || port.room() == newRoom)
        return;
    QDomElement target = d->portList(floor, newRoom);
    if (target.isNull() || !d->portByTag(port.element(), target).isNull())
        return;
    QDomElement source = d->portList(floor, port.room());
    const QDomElement e = d->portByTag(port.element(), source);
    if (e.isNull())
        return;
    source.removeChild(e);
    d->maps.ports.removed(port.element(), e);
    d->createPort(target, port.element(), port.id(), port.x(), port.y(), port.use(),
                  port.iconScale(), port.dropHeight());
}

// --- removing -----------------------------------------------------------------------

// Nothing cascades: cables and connections that name a removed item stay, and
// the caller removes them first.

void Ductbook::removePort(const QString& floor, const QString& room, const QString& tag)
{
    QDomElement list = d->portList(floor, room);
    const QDomElement e = d->portByTag(tag, list);
    if (e.isNull())
        return;
    list.removeChild(e);
    d->maps.ports.removed(tag, e);
    setChanged(true);
}

void Ductbook::removePort(Port& port)
{
    removePort(port.floor(), port.room(), port.element());
}
