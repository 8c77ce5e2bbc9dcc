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
#include "index/namegen_p.h"
#include "io/xmlwriter_p.h"
#include "itemlookup_p.h"

#include <functional>
#include <initializer_list>
#include <utility>

using namespace DuctbookConstants;

using namespace ItemLookup;

DuctbookPrivate::ListKind DuctbookPrivate::devices()
{
    return {&maps.devices, &DuctbookPrivate::getToDeviceList, &maps.sheets,
            [this](const QString& t) { return q->deviceExists(t, true); }};
}

DuctbookPrivate::ListKind DuctbookPrivate::vertices()
{
    return {&maps.vertices, &DuctbookPrivate::getToVerticeList, &maps.sheets,
            [this](const QString& t) { return q->verticeExists(t, true); }};
}

DuctbookPrivate::ListKind DuctbookPrivate::sheetTexts()
{
    return {&maps.freeTexts, &DuctbookPrivate::getToFreeTextList,
            &maps.sheets, [this](const QString& t) { return q->freeTextExists(t, true); }};
}

DuctbookPrivate::ListKind DuctbookPrivate::points()
{
    return {&maps.points, &DuctbookPrivate::getToPointList, &maps.floors,
            [this](const QString& t) { return q->pointExists(t, true); }};
}

DuctbookPrivate::ListKind DuctbookPrivate::floorTexts()
{
    return {&maps.floorFreeTexts, &DuctbookPrivate::getToFloorFreeTextList, &maps.floors,
            [this](const QString& t) { return q->floorFreeTextExists(t, true); }};
}

// The navigation takes an empty name for "any element" (the first child
// whatever its name); no floor, sheet, room or item is named "", so such
// a name finds nothing here.
QDomElement DuctbookPrivate::listOf(const ListKind& k, const QString& container)
{
    return container.isEmpty() ? QDomElement() : (this->*k.list)(container);
}

QDomElement DuctbookPrivate::find(const ElementCache& cache, const QString& tag,
                                  const QDomElement& list)
{
    return tag.isEmpty() ? QDomElement() : findItem(cache, tag, list);
}

QDomElement DuctbookPrivate::byTag(const ListKind& k, const QString& container, const QString& tag)
{
    return find(k.items->elements(), tag, listOf(k, container));
}

QDomElement DuctbookPrivate::byId(const ListKind& k, const QString& container, const QString& id)
{
    return firstWithId(*k.items, listOf(k, container), id);
}

// The floor or sheet holding e, when it is in the map and e sits in the
// list a search of that floor or sheet reads.
bool DuctbookPrivate::locate(const ListKind& k, const QDomElement& e, QString* container)
{
    const QDomNode list = e.parentNode();
    *container = list.parentNode().toElement().tagName();
    return !container->isEmpty() && k.containers->containsTag(*container) &&
           listOf(k, *container) == list;
}

// The item of tag on any floor or sheet, searched in map order.
QDomElement DuctbookPrivate::anyByTag(const ListKind& k, const QString& tag, QString* container)
{
    if (!k.items->elements().irregular()) {
        const QDomElement e = k.items->elements().any(tag);
        if (e.isNull())
            return e;
        if (e.tagName() == tag && locate(k, e, container))
            return e;
    }
    const QStringList all = k.containers->tags();
    for (const QString& c : all) {
        const QDomElement e = byTag(k, c, tag);
        if (!e.isNull()) {
            *container = c;
            return e;
        }
    }
    return QDomElement();
}

// The first item with id on any floor or sheet, searched in map order.
QDomElement DuctbookPrivate::anyById(const ListKind& k, const QString& id, QString* container)
{
    QList<QDomElement> candidates;
    if (k.items->elementsWithId(id, &candidates)) {
        QDomElement hit;
        int hits = 0;
        bool sure = true;
        for (const QDomElement& e : std::as_const(candidates)) {
            QString c;
            if (!locate(k, e, &c)) {
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
        const QDomElement e = byId(k, c, id);
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
bool DuctbookPrivate::canAdd(const ElementCache& cache, const QDomElement& list, const QString& tag,
                             bool supplied, const std::function<bool(const QString&)>& taken)
{
    if (list.isNull())
        return false;
    if (tag.isEmpty() || (supplied && (!XmlWriter::isValidName(tag) || taken(tag))))
        return false;
    return findItem(cache, tag, list).isNull();
}

QString DuctbookPrivate::add(const ListKind& k, const QString& container, const QString& tag,
                             const QString& id, bool supplied, std::initializer_list<Attr> attrs)
{
    QDomElement list = listOf(k, container);
    if (!canAdd(k.items->elements(), list, tag, supplied, k.tagTaken))
        return tag;
    const QDomElement e = appendItem(q->document, list, tag, attrs);
    k.items->added(tag, id, e);
    q->setChanged(true);
    return tag;
}

void DuctbookPrivate::setPos(const ListKind& k, const QString& container, const QString& tag, int x,
                             int y)
{
    QDomElement e = byTag(k, container, tag);
    if (e.isNull())
        return;
    q->setChildAttr(QStringLiteral("x"), QString::number(x), e);
    q->setChildAttr(QStringLiteral("y"), QString::number(y), e);
    q->setChanged(true);
}

void DuctbookPrivate::move(const ListKind& k, const QString& container, const QString& tag, int dx,
                           int dy)
{
    const QDomElement e = byTag(k, container, tag);
    if (e.isNull())
        return;
    setPos(k, container, tag, movedBy(intAttr(e, "x"), dx), movedBy(intAttr(e, "y"), dy));
}

void DuctbookPrivate::setAttr(const ListKind& k, const QString& container, const QString& tag,
                              const QString& attr, const QString& value)
{
    QDomElement e = byTag(k, container, tag);
    if (e.isNull())
        return;
    q->setChildAttr(attr, value, e);
    q->setChanged(true);
}

// A new id for the item of tag, in the element and in the tag map.
void DuctbookPrivate::rename(const ListKind& k, const QString& container, const QString& tag,
                             const QString& id)
{
    QDomElement e = byTag(k, container, tag);
    if (e.isNull())
        return;
    renameElement(*k.items, e, id);
    q->setChanged(true);
}

void DuctbookPrivate::renameElement(ItemIndex& index, QDomElement& e, const QString& id)
{
    if (!e.hasAttribute(QStringLiteral("id")))
        return;
    q->setElementId(id, e);
    index.renamed(e, id);
}

void DuctbookPrivate::remove(const ListKind& k, const QString& container, const QString& tag)
{
    QDomElement list = listOf(k, container);
    const QDomElement e = find(k.items->elements(), tag, list);
    if (e.isNull())
        return;
    list.removeChild(e);
    k.items->removed(tag, e);
    q->setChanged(true);
}

Device DuctbookPrivate::readDevice(QDomElement e, const QString& sheet)
{
    if (e.isNull())
        return Device();
    const QString iconScale = repairedAttr(e, QStringLiteral("icon_scale"), notSpecified());
    return Device(e.tagName(), intAttr(e, "x"), intAttr(e, "y"), idOf(e), sheet,
                  e.attribute(QStringLiteral("ip")), e.attribute(QStringLiteral("pic")), iconScale);
}

Vertice DuctbookPrivate::readVertice(const QDomElement& e, const QString& container)
{
    if (e.isNull())
        return Vertice();
    return Vertice(e.tagName(), intAttr(e, "x"), intAttr(e, "y"), container, idOf(e));
}

FreeText DuctbookPrivate::readText(const QDomElement& e, const QString& container)
{
    if (e.isNull())
        return FreeText();
    return FreeText(e.tagName(), intAttr(e, "x"), intAttr(e, "y"), idOf(e), container,
                    intAttr(e, "fontSize"));
}

QString DuctbookPrivate::deviceType(const QString& pic)
{
    const int row = deviceTypeIndexByImage(pic);
    return row < 0 ? QString() : QLatin1String(DeviceTypes[row].type);
}

QString Ductbook::addDevice(const QString& sheet, int x, int y, const QString& tag,
                            const QString& id, const QString& ip, const QString& pic,
                            const QString& iconScale, int mode)
{
    const bool supplied = AddMode::tagSupplied(mode);
    const QString deviceTag = supplied ? tag : d->generateTag(ItemKind::Device);
    const QString deviceId = AddMode::idSupplied(mode) ? id : d->generateId(ItemKind::Device, id);
    return d->add(d->devices(), sheet, deviceTag, deviceId, supplied,
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
    const QString verticeTag = supplied ? tag : d->generateTag(ItemKind::Vertice);
    const QString verticeId = AddMode::idSupplied(mode) ? id : d->generateId(ItemKind::Vertice, id);
    return d->add(d->vertices(), sheet, verticeTag, verticeId, supplied,
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
    const QString pointTag = supplied ? tag : d->generateTag(ItemKind::Point);
    const QString pointId = AddMode::idSupplied(mode) ? id : d->generateId(ItemKind::Point, id);
    return d->add(d->points(), floor, pointTag, pointId, supplied,
                  {{"x", QString::number(x)}, {"y", QString::number(y)}, {"id", pointId}});
}

QString Ductbook::addPoint(Vertice& point, int mode)
{
    return addPoint(point.sheet(), point.x(), point.y(), point.element(), point.id(), mode);
}

// A text always gets a generated tag and is its own id.
QString Ductbook::addFreeText(const QString& sheet, int x, int y, const QString& text, int fontSize)
{
    const QString tag = d->generateTag(ItemKind::SheetText);
    return d->add(d->sheetTexts(), sheet, tag, text, false,
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
    const QString tag = d->generateTag(ItemKind::FloorText);
    return d->add(d->floorTexts(), floor, tag, text, false,
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

// --- reading sheet and floor items --------------------------------------------------

Device Ductbook::getDeviceByTag(const QString& sheet, const QString& tag)
{
    return d->readDevice(d->byTag(d->devices(), sheet, tag), sheet);
}

Device Ductbook::getDeviceById(const QString& sheet, const QString& id)
{
    return d->readDevice(d->byId(d->devices(), sheet, id), sheet);
}

Device Ductbook::getDeviceById(const QString& id)
{
    QString sheet;
    const QDomElement e = d->anyById(d->devices(), id, &sheet);
    return d->readDevice(e, sheet);
}

Device Ductbook::getDevice(const QString& tag)
{
    QString sheet;
    const QDomElement e = d->anyByTag(d->devices(), tag, &sheet);
    return d->readDevice(e, sheet);
}

Vertice Ductbook::getVerticeByTag(const QString& sheet, const QString& tag)
{
    return DuctbookPrivate::readVertice(d->byTag(d->vertices(), sheet, tag), sheet);
}

Vertice Ductbook::getVerticeById(const QString& sheet, const QString& id)
{
    return DuctbookPrivate::readVertice(d->byId(d->vertices(), sheet, id), sheet);
}

Vertice Ductbook::getVertice(const QString& tag)
{
    QString sheet;
    const QDomElement e = d->anyByTag(d->vertices(), tag, &sheet);
    return DuctbookPrivate::readVertice(e, sheet);
}

Vertice Ductbook::getPointByTag(const QString& floor, const QString& tag)
{
    return DuctbookPrivate::readVertice(d->byTag(d->points(), floor, tag), floor);
}

Vertice Ductbook::getPointById(const QString& floor, const QString& id)
{
    return DuctbookPrivate::readVertice(d->byId(d->points(), floor, id), floor);
}

Vertice Ductbook::getPointById(const QString& id)
{
    QString floor;
    const QDomElement e = d->anyById(d->points(), id, &floor);
    return DuctbookPrivate::readVertice(e, floor);
}

FreeText Ductbook::getFreeTextByTag(const QString& sheet, const QString& tag)
{
    return DuctbookPrivate::readText(d->byTag(d->sheetTexts(), sheet, tag), sheet);
}

FreeText Ductbook::getFreeText(const QString& tag)
{
    QString sheet;
    const QDomElement e = d->anyByTag(d->sheetTexts(), tag, &sheet);
    return DuctbookPrivate::readText(e, sheet);
}

FreeText Ductbook::getFloorFreeTextByTag(const QString& floor, const QString& tag)
{
    return DuctbookPrivate::readText(d->byTag(d->floorTexts(), floor, tag), floor);
}

FreeText Ductbook::getFloorFreeText(const QString& tag)
{
    QString floor;
    const QDomElement e = d->anyByTag(d->floorTexts(), tag, &floor);
    return DuctbookPrivate::readText(e, floor);
}

QStringList Ductbook::getDevices(const QString& sheet, bool tags)
{
    return names(d->listOf(d->devices(), sheet), tags);
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
    return names(d->listOf(d->vertices(), sheet), tags);
}

QStringList Ductbook::getPoints(const QString& floor, bool tags)
{
    return names(d->listOf(d->points(), floor), tags);
}

QStringList Ductbook::getFreeTexts(const QString& sheet, bool tags)
{
    return names(d->listOf(d->sheetTexts(), sheet), tags);
}

QStringList Ductbook::getFloorFreeTexts(const QString& floor, bool tags)
{
    return names(d->listOf(d->floorTexts(), floor), tags);
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
    return DuctbookPrivate::deviceType(getDevice(deviceTag).pic());
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
    const QDomElement list = d->listOf(d->devices(), sheet);
    for (QDomElement e = list.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (DuctbookPrivate::deviceType(e.attribute(QStringLiteral("pic"))) == type)
            result.append(e.tagName());
    }
    return result;
}

// --- changing sheet and floor items -------------------------------------------------

// Every device of the sheet that carries the id moves.
void Ductbook::setDevicePos(const QString& sheet, const QString& id, int x, int y)
{
    const QList<QDomElement> found =
        allWithId(d->maps.devices, d->listOf(d->devices(), sheet), id);
    for (QDomElement e : found) {
        setChildAttr(QStringLiteral("x"), QString::number(x), e);
        setChildAttr(QStringLiteral("y"), QString::number(y), e);
    }
    if (!found.isEmpty())
        setChanged(true);
}

void Ductbook::setDeviceID(const QString& sheet, const QString& tag, const QString& id)
{
    d->rename(d->devices(), sheet, tag, id);
}

void Ductbook::setDeviceIP(const QString& sheet, const QString& tag, const QString& ip)
{
    d->setAttr(d->devices(), sheet, tag, QStringLiteral("ip"), ip);
}

void Ductbook::setDeviceProperties(const QString& sheet, const QString& tag, const QString& id,
                                   const QString& ip)
{
    QDomElement e = d->byTag(d->devices(), sheet, tag);
    if (e.isNull())
        return;
    d->renameElement(d->maps.devices, e, id);
    setChildAttr(QStringLiteral("ip"), ip, e);
    setChanged(true);
}

void Ductbook::setDeviceIconScale(const QString& sheet, const QString& tag, const QString& scale)
{
    QDomElement e = d->byTag(d->devices(), sheet, tag);
    if (e.isNull())
        return;
    e.setAttribute(QStringLiteral("icon_scale"), scale);
    setChanged(true);
}

void Ductbook::setVerticePos(const QString& sheet, const QString& tag, int x, int y)
{
    d->setPos(d->vertices(), sheet, tag, x, y);
}

void Ductbook::setPointPos(const QString& floor, const QString& tag, int x, int y)
{
    d->setPos(d->points(), floor, tag, x, y);
}

void Ductbook::setFreeTextPos(const QString& sheet, const QString& tag, int x, int y)
{
    d->setPos(d->sheetTexts(), sheet, tag, x, y);
}

void Ductbook::setFloorFreeTextPos(const QString& floor, const QString& tag, int x, int y)
{
    d->setPos(d->floorTexts(), floor, tag, x, y);
}

void Ductbook::setFreeTextID(const QString& sheet, const QString& tag, const QString& text)
{
    d->rename(d->sheetTexts(), sheet, tag, text);
}

void Ductbook::setFloorFreeTextID(const QString& floor, const QString& tag, const QString& text)
{
    d->rename(d->floorTexts(), floor, tag, text);
}

void Ductbook::setFreeTextFontSize(const QString& sheet, const QString& tag, int size)
{
    d->setAttr(d->sheetTexts(), sheet, tag, QStringLiteral("fontSize"), QString::number(size));
}

void Ductbook::setFloorFreeTextFontSize(const QString& floor, const QString& tag, int size)
{
    d->setAttr(d->floorTexts(), floor, tag, QStringLiteral("fontSize"), QString::number(size));
}

// Moves go by tag: setting the position by id would also move every other
// item of the sheet that happens to share the id.
void Ductbook::moveDevice(const QString& sheet, const QString& tag, int dx, int dy)
{
    d->move(d->devices(), sheet, tag, dx, dy);
}

void Ductbook::moveVertice(const QString& sheet, const QString& tag, int dx, int dy)
{
    d->move(d->vertices(), sheet, tag, dx, dy);
}

void Ductbook::movePoint(const QString& floor, const QString& tag, int dx, int dy)
{
    d->move(d->points(), floor, tag, dx, dy);
}

void Ductbook::removeDevice(const QString& sheet, const QString& tag)
{
    d->remove(d->devices(), sheet, tag);
}

void Ductbook::removeDevice(Device& device)
{
    removeDevice(device.sheet(), device.element());
}

void Ductbook::removeVertice(const QString& sheet, const QString& tag)
{
    d->remove(d->vertices(), sheet, tag);
}

void Ductbook::removeVertice(Vertice& vertice)
{
    removeVertice(vertice.sheet(), vertice.element());
}

void Ductbook::removePoint(const QString& floor, const QString& tag)
{
    d->remove(d->points(), floor, tag);
}

void Ductbook::removePoint(Vertice& point)
{
    removePoint(point.sheet(), point.element());
}

void Ductbook::removeFreeText(const QString& sheet, const QString& tag)
{
    d->remove(d->sheetTexts(), sheet, tag);
}

void Ductbook::removeFreeText(FreeText& text)
{
    removeFreeText(text.sheet(), text.element());
}

void Ductbook::removeFloorFreeText(const QString& floor, const QString& tag)
{
    d->remove(d->floorTexts(), floor, tag);
}

void Ductbook::removeFloorFreeText(FreeText& text)
{
    removeFloorFreeText(text.sheet(), text.element());
}
