// The small items of the two drawings: ports, cable path points and texts on
// the floor plans; devices, connection bend points and texts on the sheets.
//
// Lookups by tag go through the element caches and lookups by id through the
// id index of the kind's tag map, so that finding one item costs the same in
// a job of ten ports and in one of ten thousand. Where the index cannot give
// the document-order answer for sure (several items share the id in the
// scope searched, or the file repeats tags), the lists are walked instead.
#include "ductbook.h"

#include "constants_p.h"
#include "ductbook_p.h"
#include "namegen_p.h"
#include "xmlwriter_p.h"

#include <functional>
#include <initializer_list>
#include <utility>

using namespace DuctbookConstants;

namespace {

QString idOf(const QDomElement& e)
{
    return e.attribute(QStringLiteral("id"));
}

int intAttr(const QDomElement& e, const char* attr)
{
    return e.attribute(QLatin1String(attr)).toInt();
}

QString notSpecified()
{
    return QLatin1String(NotSpecified);
}

using Attr = std::pair<const char*, QString>;

// Appends a new element named tag to list with attrs, in the order given.
QDomElement appendItem(QDomDocument& document, QDomElement& list, const QString& tag,
                       std::initializer_list<Attr> attrs)
{
    QDomElement e = document.createElement(tag);
    list.appendChild(e);
    for (const Attr& a : attrs)
        e.setAttribute(QLatin1String(a.first), a.second);
    return e;
}

QStringList names(const QDomElement& list, bool tags)
{
    QStringList result;
    for (QDomElement e = list.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        result.append(tags ? e.tagName() : idOf(e));
    return result;
}

// The first element of list whose id is id, in document order. The id index
// names the candidates; when the cache is regular every tag stands for one
// element, so a candidate sitting in another list is no answer here.
QDomElement firstWithId(const TagIndex& index, const ElementCache& cache, const QDomElement& list,
                        const QString& id)
{
    if (list.isNull())
        return QDomElement();
    if (!cache.irregular()) {
        QDomElement hit;
        int hits = 0;
        bool sure = true;
        const QStringList candidates = index.tagsWithId(id);
        for (const QString& tag : candidates) {
            const QDomElement e = cache.any(tag);
            if (e.isNull() || e.tagName() != tag) {
                sure = false;
                break;
            }
            if (e.parentNode() != list)
                continue;
            if (idOf(e) != id) {
                sure = false;
                break;
            }
            hit = e;
            ++hits;
        }
        if (sure && hits <= 1)
            return hit;
    }
    for (QDomElement e = list.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (idOf(e) == id)
            return e;
    }
    return QDomElement();
}

// Every element of list whose id is id. A regular cache names them all
// through the id index; otherwise the list is walked.
QList<QDomElement> allWithId(const TagIndex& index, const ElementCache& cache,
                             const QDomElement& list, const QString& id)
{
    QList<QDomElement> found;
    if (list.isNull())
        return found;
    if (!cache.irregular()) {
        bool sure = true;
        const QStringList candidates = index.tagsWithId(id);
        for (const QString& tag : candidates) {
            const QDomElement e = cache.any(tag);
            if (e.isNull() || e.tagName() != tag || idOf(e) != id) {
                sure = false;
                break;
            }
            if (e.parentNode() == list)
                found.append(e);
        }
        if (sure)
            return found;
        found.clear();
    }
    for (QDomElement e = list.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (idOf(e) == id)
            found.append(e);
    }
    return found;
}

// Records a new item in its tag map and cache.
void remember(TagIndex& index, ElementCache& cache, const QString& tag, const QString& id,
              const QDomElement& e)
{
    cache.insert(tag, e);
    index.insert(tag, id);
}

// Forgets a removed item. The map entry of tag goes unless the cache still
// knows another element under that tag (a file that repeats a tag).
void forget(TagIndex& index, ElementCache& cache, const QString& tag, const QDomElement& e)
{
    cache.remove(tag, e);
    if (cache.any(tag).isNull())
        index.remove(tag);
}

} // namespace

struct DuctbookItemOps
{
    // --- items kept in one list of a floor or a sheet ---------------------------

    // One kind of item that lives directly in a list of a floor (points, floor
    // texts) or of a sheet (devices, vertices, sheet texts).
    struct ListKind
    {
        TagIndex* index;
        ElementCache* cache;
        QDomElement (Ductbook::*list)(const QString&);
        // The floor or sheet map, whose key order is the order of the
        // searches over all floors or sheets.
        const TagIndex* containers;
        std::function<bool(const QString&)> tagTaken;
    };

    static ListKind devices(Ductbook& d)
    {
        return {&d.m_maps->devices, &d.m_maps->deviceElements, &Ductbook::getToDeviceList,
                &d.m_maps->sheets, [&d](const QString& t) { return d.deviceExists(t, true); }};
    }
    static ListKind vertices(Ductbook& d)
    {
        return {&d.m_maps->vertices, &d.m_maps->verticeElements, &Ductbook::getToVerticeList,
                &d.m_maps->sheets, [&d](const QString& t) { return d.verticeExists(t, true); }};
    }
    static ListKind sheetTexts(Ductbook& d)
    {
        return {&d.m_maps->freeTexts, &d.m_maps->freeTextElements, &Ductbook::getToFreeTextList,
                &d.m_maps->sheets, [&d](const QString& t) { return d.freeTextExists(t, true); }};
    }
    static ListKind points(Ductbook& d)
    {
        return {&d.m_maps->points, &d.m_maps->pointElements, &Ductbook::getToPointList,
                &d.m_maps->floors, [&d](const QString& t) { return d.pointExists(t, true); }};
    }
    static ListKind floorTexts(Ductbook& d)
    {
        return {&d.m_maps->floorFreeTexts, &d.m_maps->floorFreeTextElements,
                &Ductbook::getToFloorFreeTextList, &d.m_maps->floors,
                [&d](const QString& t) { return d.floorFreeTextExists(t, true); }};
    }

    // The navigation takes an empty name for "any element" (the first child
    // whatever its name); no floor, sheet, room or item is named "", so such
    // a name finds nothing here.
    static QDomElement listOf(Ductbook& d, const ListKind& k, const QString& container)
    {
        return container.isEmpty() ? QDomElement() : (d.*k.list)(container);
    }

    static QDomElement find(Ductbook& d, const ElementCache& cache, const QString& tag,
                            const QDomElement& list)
    {
        return tag.isEmpty() ? QDomElement() : d.findItem(cache, tag, list);
    }

    static QDomElement byTag(Ductbook& d, const ListKind& k, const QString& container,
                             const QString& tag)
    {
        return find(d, *k.cache, tag, listOf(d, k, container));
    }

    static QDomElement byId(Ductbook& d, const ListKind& k, const QString& container,
                            const QString& id)
    {
        return firstWithId(*k.index, *k.cache, listOf(d, k, container), id);
    }

    // The floor or sheet holding e, when it is in the map and e sits in the
    // list a search of that floor or sheet reads.
    static bool locate(Ductbook& d, const ListKind& k, const QDomElement& e, QString* container)
    {
        const QDomNode list = e.parentNode();
        *container = list.parentNode().toElement().tagName();
        return !container->isEmpty() && k.containers->containsTag(*container) &&
               listOf(d, k, *container) == list;
    }

    // The item of tag on any floor or sheet, searched in map order.
    static QDomElement anyByTag(Ductbook& d, const ListKind& k, const QString& tag,
                                QString* container)
    {
        if (!k.cache->irregular()) {
            const QDomElement e = k.cache->any(tag);
            if (e.isNull())
                return e;
            if (e.tagName() == tag && locate(d, k, e, container))
                return e;
        }
        const QStringList all = k.containers->tags();
        for (const QString& c : all) {
            const QDomElement e = byTag(d, k, c, tag);
            if (!e.isNull()) {
                *container = c;
                return e;
            }
        }
        return QDomElement();
    }

    // The first item with id on any floor or sheet, searched in map order.
    static QDomElement anyById(Ductbook& d, const ListKind& k, const QString& id,
                               QString* container)
    {
        if (!k.cache->irregular()) {
            QDomElement hit;
            int hits = 0;
            bool sure = true;
            const QStringList candidates = k.index->tagsWithId(id);
            for (const QString& tag : candidates) {
                const QDomElement e = k.cache->any(tag);
                QString c;
                if (e.isNull() || e.tagName() != tag || idOf(e) != id || !locate(d, k, e, &c)) {
                    sure = false;
                    break;
                }
                hit = e;
                *container = c;
                ++hits;
            }
            if (sure && hits <= 1)
                return hit;
        }
        const QStringList all = k.containers->tags();
        for (const QString& c : all) {
            const QDomElement e = byId(d, k, c, id);
            if (!e.isNull()) {
                *container = c;
                return e;
            }
        }
        return QDomElement();
    }

    // Whether an item may be created under tag in list: the list exists and
    // holds no element of that name, and a tag the caller supplied is a valid
    // element name that no item of the kind has anywhere in the job (the file
    // could not be read back, or one of two namesakes would be unreachable).
    static bool canAdd(Ductbook& d, const ElementCache& cache, const QDomElement& list,
                       const QString& tag, bool supplied,
                       const std::function<bool(const QString&)>& taken)
    {
        if (list.isNull())
            return false;
        if (tag.isEmpty() || (supplied && (!XmlWriter::isValidName(tag) || taken(tag))))
            return false;
        return d.findItem(cache, tag, list).isNull();
    }

    static QString add(Ductbook& d, const ListKind& k, const QString& container, const QString& tag,
                       const QString& id, bool supplied, std::initializer_list<Attr> attrs)
    {
        QDomElement list = listOf(d, k, container);
        if (!canAdd(d, *k.cache, list, tag, supplied, k.tagTaken))
            return tag;
        const QDomElement e = appendItem(d.document, list, tag, attrs);
        remember(*k.index, *k.cache, tag, id, e);
        d.setChanged(true);
        return tag;
    }

    static void setPos(Ductbook& d, const ListKind& k, const QString& container, const QString& tag,
                       int x, int y)
    {
        QDomElement e = byTag(d, k, container, tag);
        if (e.isNull())
            return;
        d.setChildAttr(QStringLiteral("x"), QString::number(x), e);
        d.setChildAttr(QStringLiteral("y"), QString::number(y), e);
        d.setChanged(true);
    }

    static void move(Ductbook& d, const ListKind& k, const QString& container, const QString& tag,
                     int dx, int dy)
    {
        const QDomElement e = byTag(d, k, container, tag);
        if (e.isNull())
            return;
        setPos(d, k, container, tag, movedBy(intAttr(e, "x"), dx), movedBy(intAttr(e, "y"), dy));
    }

    static void setAttr(Ductbook& d, const ListKind& k, const QString& container,
                        const QString& tag, const QString& attr, const QString& value)
    {
        QDomElement e = byTag(d, k, container, tag);
        if (e.isNull())
            return;
        d.setChildAttr(attr, value, e);
        d.setChanged(true);
    }

    // A new id for the item of tag, in the element and in the tag map.
    static void rename(Ductbook& d, const ListKind& k, const QString& container, const QString& tag,
                       const QString& id)
    {
        QDomElement e = byTag(d, k, container, tag);
        if (e.isNull())
            return;
        renameElement(d, *k.index, *k.cache, e, id);
        d.setChanged(true);
    }

    static void renameElement(Ductbook& d, TagIndex& index, const ElementCache& cache,
                              QDomElement& e, const QString& id)
    {
        if (!e.hasAttribute(QStringLiteral("id")))
            return;
        d.setElementId(id, e);
        if (cache.any(e.tagName()) == e)
            index.insert(e.tagName(), id);
    }

    static void remove(Ductbook& d, const ListKind& k, const QString& container, const QString& tag)
    {
        QDomElement list = listOf(d, k, container);
        const QDomElement e = find(d, *k.cache, tag, list);
        if (e.isNull())
            return;
        list.removeChild(e);
        forget(*k.index, *k.cache, tag, e);
        d.setChanged(true);
    }

    static Device readDevice(Ductbook& d, QDomElement e, const QString& sheet)
    {
        if (e.isNull())
            return Device();
        const QString iconScale = d.repairedAttr(e, QStringLiteral("icon_scale"), notSpecified());
        return Device(e.tagName(), intAttr(e, "x"), intAttr(e, "y"), idOf(e), sheet,
                      e.attribute(QStringLiteral("ip")), e.attribute(QStringLiteral("pic")),
                      iconScale);
    }

    static Vertice readVertice(const QDomElement& e, const QString& container)
    {
        if (e.isNull())
            return Vertice();
        return Vertice(e.tagName(), intAttr(e, "x"), intAttr(e, "y"), container, idOf(e));
    }

    static FreeText readText(const QDomElement& e, const QString& container)
    {
        if (e.isNull())
            return FreeText();
        return FreeText(e.tagName(), intAttr(e, "x"), intAttr(e, "y"), idOf(e), container,
                        intAttr(e, "fontSize"));
    }

    static QString deviceType(const QString& pic)
    {
        const int row = deviceTypeIndexByImage(pic);
        return row < 0 ? QString() : QLatin1String(DeviceTypes[row].type);
    }

    // --- ports -------------------------------------------------------------------

    static QDomElement room(Ductbook& d, const QString& floor, const QString& tag)
    {
        return d.getToRoom(floor, tag);
    }

    static QDomElement portList(Ductbook& d, const QString& floor, const QString& roomTag)
    {
        return d.childByTag(room(d, floor, roomTag), QLatin1String(PortList));
    }

    static QDomElement roomList(Ductbook& d, const QString& floor)
    {
        return floor.isEmpty() ? QDomElement() : d.getToRoomList(floor);
    }

    static QDomElement portByTag(Ductbook& d, const QString& tag, const QDomElement& list)
    {
        return find(d, d.m_maps->portElements, tag, list);
    }

    // The floor and room of a port element, when a search by those tags
    // reaches the list that holds it.
    static bool locatePort(Ductbook& d, const QDomElement& e, QString* floor, QString* roomTag)
    {
        const QDomNode list = e.parentNode();
        const QDomElement roomElement = list.parentNode().toElement();
        const QDomElement floorElement = roomElement.parentNode().parentNode().toElement();
        if (floorElement.isNull())
            return false;
        *floor = floorElement.tagName();
        *roomTag = roomElement.tagName();
        return portList(d, *floor, *roomTag) == list;
    }

    struct Located
    {
        QDomElement element;
        QString floor;
        QString room;
    };

    // Every port whose id is id, from the id index. False when the index
    // cannot answer for sure, and the lists must be walked.
    static bool portsWithId(Ductbook& d, const QString& id, QList<Located>* out)
    {
        const ElementCache& cache = d.m_maps->portElements;
        if (cache.irregular())
            return false;
        const QStringList candidates = d.m_maps->ports.tagsWithId(id);
        for (const QString& tag : candidates) {
            Located l;
            l.element = cache.any(tag);
            if (l.element.isNull() || l.element.tagName() != tag || idOf(l.element) != id ||
                !locatePort(d, l.element, &l.floor, &l.room))
                return false;
            out->append(l);
        }
        return true;
    }

    static Port readPort(Ductbook& d, QDomElement e, const QString& floor, const QString& roomTag)
    {
        if (e.isNull())
            return Port();
        const double dropHeight =
            d.repairedAttr(e, QStringLiteral("drop_height"), name(DefaultPortDropHeight)).toDouble();
        const QString iconScale = d.repairedAttr(e, QStringLiteral("icon_scale"), notSpecified());
        return Port(intAttr(e, "x"), intAttr(e, "y"), e.tagName(), idOf(e), floor, roomTag,
                    e.attribute(QStringLiteral("use")), iconScale, dropHeight);
    }

    // The per-floor search: each room in document order answers with its
    // first matching port, and the first answer not at x = -1 wins.
    static Port searchFloor(Ductbook& d, const QString& floor,
                            const std::function<QDomElement(const QDomElement&)>& firstIn)
    {
        const QDomElement rooms = roomList(d, floor);
        for (QDomElement r = rooms.firstChildElement(); !r.isNull(); r = r.nextSiblingElement()) {
            const QString roomTag = r.tagName();
            const QDomElement e = firstIn(portList(d, floor, roomTag));
            if (e.isNull())
                continue;
            const Port p = readPort(d, e, floor, roomTag);
            if (p.x() != -1)
                return p;
        }
        return Port();
    }

    // The answer of the per-floor search when the only port in question is l.
    static Port onlyAnswer(Ductbook& d, const Located& l)
    {
        const Port p = readPort(d, l.element, l.floor, l.room);
        return p.x() != -1 ? p : Port();
    }

    // The attributes of a port, written as every add writes them.
    static void createPort(Ductbook& d, QDomElement& list, const QString& tag, const QString& id,
                           int x, int y, const QString& use, const QString& iconScale,
                           double dropHeight)
    {
        const QDomElement e = appendItem(d.document, list, tag,
                                         {{"x", QString::number(x)},
                                          {"y", QString::number(y)},
                                          {"id", id},
                                          {"use", use},
                                          {"drop_height", QStringLiteral("%1").arg(dropHeight)},
                                          {"icon_scale", iconScale}});
        remember(d.m_maps->ports, d.m_maps->portElements, tag, id, e);
        d.setChanged(true);
    }

    static void portTagsOfFloor(Ductbook& d, const QString& floor, const QString* use, bool tags,
                                QStringList* out)
    {
        const QDomElement rooms = roomList(d, floor);
        for (QDomElement r = rooms.firstChildElement(); !r.isNull(); r = r.nextSiblingElement()) {
            const QDomElement list = r.firstChildElement(QLatin1String(PortList));
            for (QDomElement e = list.firstChildElement(); !e.isNull();
                 e = e.nextSiblingElement()) {
                if (use && e.attribute(QStringLiteral("use")) != *use)
                    continue;
                out->append(tags ? e.tagName() : idOf(e));
            }
        }
    }
};

using Ops = DuctbookItemOps;

// --- adding ------------------------------------------------------------------------

QString Ductbook::addPort(const QString& floor, const QString& room, int x, int y,
                          const QString& tag, const QString& id, const QString& use,
                          const QString& iconScale, double dropHeight, int mode)
{
    const bool supplied = AddMode::tagSupplied(mode);
    const QString portTag = supplied ? tag : generateTag(ItemKind::Port);
    const QString portId = AddMode::idSupplied(mode) ? id : generateId(ItemKind::Port, id);
    QDomElement list = Ops::portList(*this, floor, room);
    if (!Ops::canAdd(*this, m_maps->portElements, list, portTag, supplied,
                     [this](const QString& t) { return portOrVertRunExists(t, true); }))
        return portTag;
    Ops::createPort(*this, list, portTag, portId, x, y, use, iconScale, dropHeight);
    return portTag;
}

QString Ductbook::addPort(Port& port, int mode)
{
    const QString tag = addPort(port.floor(), port.room(), port.x(), port.y(), port.element(),
                                port.id(), port.use(), port.iconScale(), port.dropHeight(), mode);
    setChanged(true);
    return tag;
}

QString Ductbook::addDevice(const QString& sheet, int x, int y, const QString& tag,
                            const QString& id, const QString& ip, const QString& pic,
                            const QString& iconScale, int mode)
{
    const bool supplied = AddMode::tagSupplied(mode);
    const QString deviceTag = supplied ? tag : generateTag(ItemKind::Device);
    const QString deviceId = AddMode::idSupplied(mode) ? id : generateId(ItemKind::Device, id);
    return Ops::add(*this, Ops::devices(*this), sheet, deviceTag, deviceId, supplied,
                    {{"x", QString::number(x)},
                     {"y", QString::number(y)},
                     {"id", deviceId},
                     {"ip", ip},
                     {"pic", pic},
                     {"icon_scale", iconScale}});
}

QString Ductbook::addDevice(Device& device, int mode)
{
    const QString tag = addDevice(device.sheet(), device.x(), device.y(), device.element(),
                                  device.id(), device.ip(), device.pic(), device.iconScale(), mode);
    setChanged(true);
    return tag;
}

QString Ductbook::addVertice(const QString& sheet, int x, int y, const QString& tag,
                             const QString& id, int mode)
{
    const bool supplied = AddMode::tagSupplied(mode);
    const QString verticeTag = supplied ? tag : generateTag(ItemKind::Vertice);
    const QString verticeId = AddMode::idSupplied(mode) ? id : generateId(ItemKind::Vertice, id);
    return Ops::add(*this, Ops::vertices(*this), sheet, verticeTag, verticeId, supplied,
                    {{"x", QString::number(x)}, {"y", QString::number(y)}, {"id", verticeId}});
}

QString Ductbook::addVertice(Vertice& vertice, int mode)
{
    return addVertice(vertice.sheet(), vertice.x(), vertice.y(), vertice.element(), vertice.id(),
                      mode);
}

QString Ductbook::addPoint(const QString& floor, int x, int y, const QString& tag,
                           const QString& id, int mode)
{
    const bool supplied = AddMode::tagSupplied(mode);
    const QString pointTag = supplied ? tag : generateTag(ItemKind::Point);
    const QString pointId = AddMode::idSupplied(mode) ? id : generateId(ItemKind::Point, id);
    return Ops::add(*this, Ops::points(*this), floor, pointTag, pointId, supplied,
                    {{"x", QString::number(x)}, {"y", QString::number(y)}, {"id", pointId}});
}

QString Ductbook::addPoint(Vertice& point, int mode)
{
    return addPoint(point.sheet(), point.x(), point.y(), point.element(), point.id(), mode);
}

// A text always gets a generated tag and is its own id.
QString Ductbook::addFreeText(const QString& sheet, int x, int y, const QString& text, int fontSize)
{
    const QString tag = generateTag(ItemKind::SheetText);
    return Ops::add(*this, Ops::sheetTexts(*this), sheet, tag, text, false,
                    {{"x", QString::number(x)},
                     {"y", QString::number(y)},
                     {"id", text},
                     {"fontSize", QString::number(fontSize)}});
}

QString Ductbook::addFreeText(FreeText text, int mode)
{
    Q_UNUSED(mode);
    return addFreeText(text.sheet(), text.x(), text.y(), text.id(), text.fontSize());
}

QString Ductbook::addFloorFreeText(const QString& floor, int x, int y, const QString& text,
                                   int fontSize)
{
    const QString tag = generateTag(ItemKind::FloorText);
    return Ops::add(*this, Ops::floorTexts(*this), floor, tag, text, false,
                    {{"x", QString::number(x)},
                     {"y", QString::number(y)},
                     {"id", text},
                     {"fontSize", QString::number(fontSize)}});
}

QString Ductbook::addFloorFreeText(FreeText text, int mode)
{
    Q_UNUSED(mode);
    return addFloorFreeText(text.sheet(), text.x(), text.y(), text.id(), text.fontSize());
}

// --- reading ports ------------------------------------------------------------------

Port Ductbook::getPortByTag(const QString& floor, const QString& room, const QString& tag)
{
    const QDomElement e = Ops::portByTag(*this, tag, Ops::portList(*this, floor, room));
    return Ops::readPort(*this, e, floor, room);
}

Port Ductbook::getPortById(const QString& floor, const QString& room, const QString& id)
{
    const QDomElement e =
        firstWithId(m_maps->ports, m_maps->portElements, Ops::portList(*this, floor, room), id);
    return Ops::readPort(*this, e, floor, room);
}

Port Ductbook::getPortByTag(const QString& floor, const QString& tag)
{
    const ElementCache& cache = m_maps->portElements;
    if (!cache.irregular()) {
        Ops::Located l;
        l.element = cache.any(tag);
        if (l.element.isNull())
            return Port();
        if (l.element.tagName() == tag && Ops::locatePort(*this, l.element, &l.floor, &l.room))
            return l.floor == floor ? Ops::onlyAnswer(*this, l) : Port();
    }
    return Ops::searchFloor(*this, floor, [this, &tag](const QDomElement& list) {
        return Ops::portByTag(*this, tag, list);
    });
}

Port Ductbook::getPortById(const QString& floor, const QString& id)
{
    QList<Ops::Located> all;
    if (Ops::portsWithId(*this, id, &all)) {
        QList<Ops::Located> here;
        for (const Ops::Located& l : all) {
            if (l.floor == floor)
                here.append(l);
        }
        if (here.isEmpty())
            return Port();
        if (here.size() == 1)
            return Ops::onlyAnswer(*this, here.constFirst());
    }
    return Ops::searchFloor(*this, floor, [this, &id](const QDomElement& list) {
        return firstWithId(m_maps->ports, m_maps->portElements, list, id);
    });
}

Port Ductbook::getPortByTag(const QString& tag)
{
    const ElementCache& cache = m_maps->portElements;
    if (!cache.irregular()) {
        Ops::Located l;
        l.element = cache.any(tag);
        if (l.element.isNull())
            return Port();
        if (l.element.tagName() == tag && Ops::locatePort(*this, l.element, &l.floor, &l.room) &&
            floorExists(l.floor, true))
            return Ops::readPort(*this, l.element, l.floor, l.room);
    }
    const QStringList floors = getFloorTags();
    for (const QString& floor : floors) {
        const QDomElement rooms = Ops::roomList(*this, floor);
        for (QDomElement r = rooms.firstChildElement(); !r.isNull(); r = r.nextSiblingElement()) {
            const QDomElement e =
                Ops::portByTag(*this, tag, Ops::portList(*this, floor, r.tagName()));
            if (!e.isNull())
                return Ops::readPort(*this, e, floor, r.tagName());
        }
    }
    return Port();
}

Port Ductbook::getPortById(const QString& id)
{
    QList<Ops::Located> all;
    if (Ops::portsWithId(*this, id, &all)) {
        QList<Ops::Located> mapped;
        for (const Ops::Located& l : all) {
            if (floorExists(l.floor, true))
                mapped.append(l);
        }
        if (mapped.isEmpty())
            return Port();
        if (mapped.size() == 1) {
            const Ops::Located& l = mapped.constFirst();
            return Ops::readPort(*this, l.element, l.floor, l.room);
        }
    }
    const QStringList floors = getFloorTags();
    for (const QString& floor : floors) {
        const QDomElement rooms = Ops::roomList(*this, floor);
        for (QDomElement r = rooms.firstChildElement(); !r.isNull(); r = r.nextSiblingElement()) {
            const QDomElement e = firstWithId(m_maps->ports, m_maps->portElements,
                                              Ops::portList(*this, floor, r.tagName()), id);
            if (!e.isNull())
                return Ops::readPort(*this, e, floor, r.tagName());
        }
    }
    return Port();
}

// --- reading sheet and floor items --------------------------------------------------

Device Ductbook::getDeviceByTag(const QString& sheet, const QString& tag)
{
    return Ops::readDevice(*this, Ops::byTag(*this, Ops::devices(*this), sheet, tag), sheet);
}

Device Ductbook::getDeviceById(const QString& sheet, const QString& id)
{
    return Ops::readDevice(*this, Ops::byId(*this, Ops::devices(*this), sheet, id), sheet);
}

Device Ductbook::getDeviceById(const QString& id)
{
    QString sheet;
    const QDomElement e = Ops::anyById(*this, Ops::devices(*this), id, &sheet);
    return Ops::readDevice(*this, e, sheet);
}

Device Ductbook::getDevice(const QString& tag)
{
    QString sheet;
    const QDomElement e = Ops::anyByTag(*this, Ops::devices(*this), tag, &sheet);
    return Ops::readDevice(*this, e, sheet);
}

Vertice Ductbook::getVerticeByTag(const QString& sheet, const QString& tag)
{
    return Ops::readVertice(Ops::byTag(*this, Ops::vertices(*this), sheet, tag), sheet);
}

Vertice Ductbook::getVerticeById(const QString& sheet, const QString& id)
{
    return Ops::readVertice(Ops::byId(*this, Ops::vertices(*this), sheet, id), sheet);
}

Vertice Ductbook::getVertice(const QString& tag)
{
    QString sheet;
    const QDomElement e = Ops::anyByTag(*this, Ops::vertices(*this), tag, &sheet);
    return Ops::readVertice(e, sheet);
}

Vertice Ductbook::getPointByTag(const QString& floor, const QString& tag)
{
    return Ops::readVertice(Ops::byTag(*this, Ops::points(*this), floor, tag), floor);
}

Vertice Ductbook::getPointById(const QString& floor, const QString& id)
{
    return Ops::readVertice(Ops::byId(*this, Ops::points(*this), floor, id), floor);
}

Vertice Ductbook::getPointById(const QString& id)
{
    QString floor;
    const QDomElement e = Ops::anyById(*this, Ops::points(*this), id, &floor);
    return Ops::readVertice(e, floor);
}

FreeText Ductbook::getFreeTextByTag(const QString& sheet, const QString& tag)
{
    return Ops::readText(Ops::byTag(*this, Ops::sheetTexts(*this), sheet, tag), sheet);
}

FreeText Ductbook::getFreeText(const QString& tag)
{
    QString sheet;
    const QDomElement e = Ops::anyByTag(*this, Ops::sheetTexts(*this), tag, &sheet);
    return Ops::readText(e, sheet);
}

FreeText Ductbook::getFloorFreeTextByTag(const QString& floor, const QString& tag)
{
    return Ops::readText(Ops::byTag(*this, Ops::floorTexts(*this), floor, tag), floor);
}

FreeText Ductbook::getFloorFreeText(const QString& tag)
{
    QString floor;
    const QDomElement e = Ops::anyByTag(*this, Ops::floorTexts(*this), tag, &floor);
    return Ops::readText(e, floor);
}

// --- lists --------------------------------------------------------------------------

QStringList Ductbook::getPorts(const QString& floor, const QString& room, bool tags)
{
    return names(Ops::portList(*this, floor, room), tags);
}

QStringList Ductbook::getPorts(const QString& floor, bool tags)
{
    QStringList result;
    Ops::portTagsOfFloor(*this, floor, nullptr, tags, &result);
    return result;
}

QStringList Ductbook::getPorts(bool tags)
{
    QStringList result;
    const QStringList floors = getFloorTags();
    for (const QString& floor : floors)
        Ops::portTagsOfFloor(*this, floor, nullptr, tags, &result);
    return result;
}

QStringList Ductbook::getDevices(const QString& sheet, bool tags)
{
    return names(Ops::listOf(*this, Ops::devices(*this), sheet), tags);
}

QStringList Ductbook::getDevices(bool tags)
{
    QStringList result;
    const QStringList sheets = getSheetTags();
    for (const QString& sheet : sheets)
        result += getDevices(sheet, tags);
    return result;
}

QStringList Ductbook::getVertices(const QString& sheet, bool tags)
{
    return names(Ops::listOf(*this, Ops::vertices(*this), sheet), tags);
}

QStringList Ductbook::getPoints(const QString& floor, bool tags)
{
    return names(Ops::listOf(*this, Ops::points(*this), floor), tags);
}

QStringList Ductbook::getFreeTexts(const QString& sheet, bool tags)
{
    return names(Ops::listOf(*this, Ops::sheetTexts(*this), sheet), tags);
}

QStringList Ductbook::getFloorFreeTexts(const QString& floor, bool tags)
{
    return names(Ops::listOf(*this, Ops::floorTexts(*this), floor), tags);
}

QStringList Ductbook::getPortsByUse(const QString& use)
{
    QStringList result;
    const QStringList floors = getFloorTags();
    for (const QString& floor : floors)
        Ops::portTagsOfFloor(*this, floor, &use, true, &result);
    return result;
}

QStringList Ductbook::getPortsByUse(const QString& floor, const QString& use)
{
    QStringList result;
    Ops::portTagsOfFloor(*this, floor, &use, true, &result);
    return result;
}

QStringList Ductbook::getDeviceTypes()
{
    QStringList types;
    for (const DeviceTypeEntry& entry : DeviceTypes)
        types.append(QLatin1String(entry.type));
    return types;
}

QString Ductbook::getDeviceType(const QString& deviceTag)
{
    return Ops::deviceType(getDevice(deviceTag).pic());
}

QStringList Ductbook::getDevicesByType(const QString& type)
{
    QStringList result;
    const QStringList sheets = getSheetTags();
    for (const QString& sheet : sheets)
        result += getDevicesByType(sheet, type);
    return result;
}

QStringList Ductbook::getDevicesByType(const QString& sheet, const QString& type)
{
    QStringList result;
    const QDomElement list = Ops::listOf(*this, Ops::devices(*this), sheet);
    for (QDomElement e = list.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (Ops::deviceType(e.attribute(QStringLiteral("pic"))) == type)
            result.append(e.tagName());
    }
    return result;
}

// --- changing ports -----------------------------------------------------------------

void Ductbook::setPortPos(const QString& floor, const QString& room, const QString& tag, int x,
                          int y)
{
    QDomElement e = Ops::portByTag(*this, tag, Ops::portList(*this, floor, room));
    if (e.isNull())
        return;
    setChildAttr(QStringLiteral("x"), QString::number(x), e);
    setChildAttr(QStringLiteral("y"), QString::number(y), e);
    setChanged(true);
}

void Ductbook::setPortDropHeight(const QString& floor, const QString& room, const QString& tag,
                                 double height)
{
    QDomElement e = Ops::portByTag(*this, tag, Ops::portList(*this, floor, room));
    if (e.isNull())
        return;
    setChildAttr(QStringLiteral("drop_height"), QString::number(height, 'g', 6), e);
    setChanged(true);
}

void Ductbook::renamePort(const QString& floor, const QString& room, const QString& tag,
                          const QString& newId)
{
    QDomElement e = Ops::portByTag(*this, tag, Ops::portList(*this, floor, room));
    if (e.isNull())
        return;
    Ops::renameElement(*this, m_maps->ports, m_maps->portElements, e, newId);
    setChanged(true);
}

void Ductbook::setPortIconScale(const QString& floor, const QString& room, const QString& id,
                                const QString& scale)
{
    QDomElement e =
        firstWithId(m_maps->ports, m_maps->portElements, Ops::portList(*this, floor, room), id);
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
    QDomElement target = Ops::portList(*this, floor, newRoom);
    if (target.isNull() || !Ops::portByTag(*this, port.element(), target).isNull())
        return;
    QDomElement source = Ops::portList(*this, floor, port.room());
    const QDomElement e = Ops::portByTag(*this, port.element(), source);
    if (e.isNull())
        return;
    source.removeChild(e);
    forget(m_maps->ports, m_maps->portElements, port.element(), e);
    Ops::createPort(*this, target, port.element(), port.id(), port.x(), port.y(), port.use(),
                    port.iconScale(), port.dropHeight());
}

// --- changing sheet and floor items -------------------------------------------------

// Every device of the sheet that carries the id moves.
void Ductbook::setDevicePos(const QString& sheet, const QString& id, int x, int y)
{
    const QList<QDomElement> found = allWithId(m_maps->devices, m_maps->deviceElements,
                                               Ops::listOf(*this, Ops::devices(*this), sheet), id);
    for (QDomElement e : found) {
        setChildAttr(QStringLiteral("x"), QString::number(x), e);
        setChildAttr(QStringLiteral("y"), QString::number(y), e);
    }
    if (!found.isEmpty())
        setChanged(true);
}

void Ductbook::setDeviceID(const QString& sheet, const QString& tag, const QString& id)
{
    Ops::rename(*this, Ops::devices(*this), sheet, tag, id);
}

void Ductbook::setDeviceIP(const QString& sheet, const QString& tag, const QString& ip)
{
    Ops::setAttr(*this, Ops::devices(*this), sheet, tag, QStringLiteral("ip"), ip);
}

void Ductbook::setDeviceProperties(const QString& sheet, const QString& tag, const QString& id,
                                   const QString& ip)
{
    QDomElement e = Ops::byTag(*this, Ops::devices(*this), sheet, tag);
    if (e.isNull())
        return;
    Ops::renameElement(*this, m_maps->devices, m_maps->deviceElements, e, id);
    setChildAttr(QStringLiteral("ip"), ip, e);
    setChanged(true);
}

void Ductbook::setDeviceIconScale(const QString& sheet, const QString& tag, const QString& scale)
{
    QDomElement e = Ops::byTag(*this, Ops::devices(*this), sheet, tag);
    if (e.isNull())
        return;
    e.setAttribute(QStringLiteral("icon_scale"), scale);
    setChanged(true);
}

void Ductbook::setVerticePos(const QString& sheet, const QString& tag, int x, int y)
{
    Ops::setPos(*this, Ops::vertices(*this), sheet, tag, x, y);
}

void Ductbook::setPointPos(const QString& floor, const QString& tag, int x, int y)
{
    Ops::setPos(*this, Ops::points(*this), floor, tag, x, y);
}

void Ductbook::setFreeTextPos(const QString& sheet, const QString& tag, int x, int y)
{
    Ops::setPos(*this, Ops::sheetTexts(*this), sheet, tag, x, y);
}

void Ductbook::setFloorFreeTextPos(const QString& floor, const QString& tag, int x, int y)
{
    Ops::setPos(*this, Ops::floorTexts(*this), floor, tag, x, y);
}

void Ductbook::setFreeTextID(const QString& sheet, const QString& tag, const QString& text)
{
    Ops::rename(*this, Ops::sheetTexts(*this), sheet, tag, text);
}

void Ductbook::setFloorFreeTextID(const QString& floor, const QString& tag, const QString& text)
{
    Ops::rename(*this, Ops::floorTexts(*this), floor, tag, text);
}

void Ductbook::setFreeTextFontSize(const QString& sheet, const QString& tag, int size)
{
    Ops::setAttr(*this, Ops::sheetTexts(*this), sheet, tag, QStringLiteral("fontSize"),
                 QString::number(size));
}

void Ductbook::setFloorFreeTextFontSize(const QString& floor, const QString& tag, int size)
{
    Ops::setAttr(*this, Ops::floorTexts(*this), floor, tag, QStringLiteral("fontSize"),
                 QString::number(size));
}

// Moves go by tag: setting the position by id would also move every other
// item of the sheet that happens to share the id.
void Ductbook::moveDevice(const QString& sheet, const QString& tag, int dx, int dy)
{
    Ops::move(*this, Ops::devices(*this), sheet, tag, dx, dy);
}

void Ductbook::moveVertice(const QString& sheet, const QString& tag, int dx, int dy)
{
    Ops::move(*this, Ops::vertices(*this), sheet, tag, dx, dy);
}

void Ductbook::movePoint(const QString& floor, const QString& tag, int dx, int dy)
{
    Ops::move(*this, Ops::points(*this), floor, tag, dx, dy);
}

// --- removing -----------------------------------------------------------------------
// Nothing cascades: cables and connections that name a removed item stay, and
// the caller removes them first.

void Ductbook::removePort(const QString& floor, const QString& room, const QString& tag)
{
    QDomElement list = Ops::portList(*this, floor, room);
    const QDomElement e = Ops::portByTag(*this, tag, list);
    if (e.isNull())
        return;
    list.removeChild(e);
    forget(m_maps->ports, m_maps->portElements, tag, e);
    setChanged(true);
}

void Ductbook::removePort(Port& port)
{
    removePort(port.floor(), port.room(), port.element());
}

void Ductbook::removeDevice(const QString& sheet, const QString& tag)
{
    Ops::remove(*this, Ops::devices(*this), sheet, tag);
}

void Ductbook::removeDevice(Device& device)
{
    removeDevice(device.sheet(), device.element());
}

void Ductbook::removeVertice(const QString& sheet, const QString& tag)
{
    Ops::remove(*this, Ops::vertices(*this), sheet, tag);
}

void Ductbook::removeVertice(Vertice& vertice)
{
    removeVertice(vertice.sheet(), vertice.element());
}

void Ductbook::removePoint(const QString& floor, const QString& tag)
{
    Ops::remove(*this, Ops::points(*this), floor, tag);
}

void Ductbook::removePoint(Vertice& point)
{
    removePoint(point.sheet(), point.element());
}

void Ductbook::removeFreeText(const QString& sheet, const QString& tag)
{
    Ops::remove(*this, Ops::sheetTexts(*this), sheet, tag);
}

void Ductbook::removeFreeText(FreeText& text)
{
    removeFreeText(text.sheet(), text.element());
}

void Ductbook::removeFloorFreeText(const QString& floor, const QString& tag)
{
    Ops::remove(*this, Ops::floorTexts(*this), floor, tag);
}

void Ductbook::removeFloorFreeText(FreeText& text)
{
    removeFloorFreeText(text.sheet(), text.element());
}
