// The lookup maps of the job, their rebuilding from the tree, the existence
// checks, and the navigation from the root to each item list.
#include "ductbook.h"

#include "constants_p.h"
#include "ductbook_p.h"

#include <QSet>

using namespace DuctbookConstants;

namespace {

// Enters every child element of list into index; the first element of a tag
// wins when a file repeats one.
void indexChildren(ItemIndex& index, const QDomElement& list, bool rooms = false)
{
    for (QDomElement e = list.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        const QString tag = e.tagName();
        // Every floor has its own "Undefined" room under the same tag. It is
        // no drawn room: kept out of the room map (roomExists answers for it
        // anyway), the map of a loaded job is the map the same job had when
        // it was built, and generated room names count the same way in both.
        // It is found directly (it leads its list), not through the cache; a
        // list where it does not lead is walked instead.
        if (rooms && tag == name(UndefinedRoom)) {
            if (e != list.firstChildElement())
                index.setIrregular();
            continue;
        }
        index.fromFile(tag, e.attribute(QStringLiteral("id")), e);
    }
}

template <typename F>
void forEachChildElement(const QDomElement& parent, F f)
{
    for (QDomElement e = parent.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        f(e);
}

} // namespace

// --- navigation -------------------------------------------------------------------

// An empty name is no tag: QDom would take it as "any element".
QDomElement DuctbookPrivate::childByTag(const QDomElement& parent, const QString& tag)
{
    if (parent.isNull() || tag.isEmpty() || !parent.hasChildNodes())
        return QDomElement();
    return parent.firstChildElement(tag);
}

QDomElement DuctbookPrivate::getToFloorList()
{
    return q->getElement(name(FloorList));
}

QDomElement DuctbookPrivate::getToSheetList()
{
    return q->getElement(name(SheetList));
}

QDomElement DuctbookPrivate::getToFloor(const QString& floorTag)
{
    return childByTag(getToFloorList(), floorTag);
}

QDomElement DuctbookPrivate::getToSheet(const QString& sheetTag)
{
    return childByTag(getToSheetList(), sheetTag);
}

namespace {
QDomElement createTopLevelList(QDomDocument& document, const char* listName)
{
    QDomElement root = document.documentElement();
    if (root.isNull())
        return QDomElement();
    QDomElement list = document.createElement(QLatin1String(listName));
    root.appendChild(list);
    return list;
}
} // namespace

QDomElement DuctbookPrivate::getToCableList()
{
    QDomElement list = q->getElement(name(CableList));
    return list.isNull() ? createTopLevelList(q->document, CableList) : list;
}

QDomElement DuctbookPrivate::getToConnectionList()
{
    QDomElement list = q->getElement(name(ConnectionList));
    return list.isNull() ? createTopLevelList(q->document, ConnectionList) : list;
}

QDomElement Ductbook::getToJobNotesList()
{
    return d->getToConnectionList();
}

QDomElement DuctbookPrivate::getToActivePortList()
{
    return childByTag(q->getElement(name(ActiveNetworkTestList)), name(ActivePortList));
}

QDomElement DuctbookPrivate::getToRoomList(const QString& floorTag)
{
    return childByTag(getToFloor(floorTag), name(RoomList));
}

QDomElement DuctbookPrivate::getToRoom(const QString& floorTag, const QString& roomTag)
{
    const QDomElement rooms = getToRoomList(floorTag);
    if (roomTag == name(UndefinedRoom))
        return childByTag(rooms, roomTag);
    return findItem(maps.rooms.elements(), roomTag, rooms);
}

QDomElement DuctbookPrivate::findItem(const ElementCache& cache, const QString& tag,
                                      const QDomElement& list)
{
    if (list.isNull() || tag.isEmpty() || !list.hasChildNodes())
        return QDomElement();
    bool definite = false;
    const QDomElement e = cache.find(tag, list, &definite);
    if (!e.isNull() || definite)
        return e;
    return list.firstChildElement(tag);
}

QDomElement DuctbookPrivate::getToPortList(const QString& floorTag, const QString& roomTag)
{
    return childByTag(getToRoom(floorTag, roomTag), name(PortList));
}

QDomElement DuctbookPrivate::getToVertRunList(const QString& floorTag, const QString& roomTag)
{
    return childByTag(getToRoom(floorTag, roomTag), name(VerticalRunList));
}

QDomElement DuctbookPrivate::getOrCreateChildList(QDomElement container, const QString& listName)
{
    if (container.isNull() || !container.hasChildNodes())
        return QDomElement();
    QDomElement list = container.firstChildElement(listName);
    if (list.isNull()) {
        list = q->document.createElement(listName);
        container.appendChild(list);
    }
    return list;
}

QDomElement DuctbookPrivate::getToPointList(const QString& floorTag)
{
    return getOrCreateChildList(getToFloor(floorTag), name(PointList));
}

QDomElement DuctbookPrivate::getToFloorFreeTextList(const QString& floorTag)
{
    return getOrCreateChildList(getToFloor(floorTag), name(FreeTextList));
}

QDomElement DuctbookPrivate::getToDeviceList(const QString& sheetTag)
{
    return getOrCreateChildList(getToSheet(sheetTag), name(DeviceList));
}

QDomElement DuctbookPrivate::getToVerticeList(const QString& sheetTag)
{
    return getOrCreateChildList(getToSheet(sheetTag), name(VerticeList));
}

QDomElement DuctbookPrivate::getToFreeTextList(const QString& sheetTag)
{
    return getOrCreateChildList(getToSheet(sheetTag), name(FreeTextList));
}

// --- rebuilding -------------------------------------------------------------------

// Rebuilding only reads: lists a floor or sheet lacks are not created here, so
// loading a job and saving it again gives back the same file.

void DuctbookPrivate::populateCurrentCablesLists()
{
    maps.cableIndex.built = false;
    QStringList tags;
    QStringList ids;
    QSet<QString> seenTags;
    QSet<QString> seenIds;
    forEachChildElement(q->getElement(name(CableList)), [&](const QDomElement& e) {
        const QString tag = e.tagName();
        const QString id = e.attribute(QStringLiteral("id"));
        if (!seenTags.contains(tag)) {
            seenTags.insert(tag);
            tags.append(tag);
        }
        if (!seenIds.contains(id)) {
            seenIds.insert(id);
            ids.append(id);
        }
    });
    maps.currentCableTags.assign(tags);
    maps.currentCableIds.assign(ids);
}

void DuctbookPrivate::populateCableMap()
{
    maps.cableIndex.built = false;
    maps.cables.clear();
    indexChildren(maps.cables, q->getElement(name(CableList)));
}

// Each current cable tag under its type; one walk of the cable list, taking
// the type of the first element of each tag as a lookup by tag would.
void DuctbookPrivate::populateCableTypeMap()
{
    QMap<QString, QStringList> byType;
    QSet<QString> seen;
    forEachChildElement(q->getElement(name(CableList)), [&](const QDomElement& e) {
        const QString tag = e.tagName();
        if (seen.contains(tag))
            return;
        seen.insert(tag);
        byType[e.attribute(QStringLiteral("type"))].append(tag);
    });
    maps.cableTypes.assign(byType);
}

void DuctbookPrivate::populateConnectionMap()
{
    maps.connectionIndex.built = false;
    maps.connections.clear();
    indexChildren(maps.connections, q->getElement(name(ConnectionList)));
}

void DuctbookPrivate::populateSheetMap()
{
    maps.sheets.clear();
    indexChildren(maps.sheets, getToSheetList());
}

void DuctbookPrivate::populateFloorMap()
{
    // Which floors are walked decides which runs the riser index holds.
    maps.risers.reset();
    maps.floors.clear();
    indexChildren(maps.floors, getToFloorList());
}

void DuctbookPrivate::populateActivePortMap()
{
    maps.activePorts.clear();
    indexChildren(maps.activePorts, getToActivePortList());
}

namespace {
// The list named listName of every child of a top-level list, in document order.
template <typename F>
void forEachSubList(const QDomElement& topList, const char* listName, F f)
{
    forEachChildElement(topList, [&](const QDomElement& item) {
        const QDomElement list = item.firstChildElement(QLatin1String(listName));
        if (!list.isNull())
            f(list);
    });
}
} // namespace

void DuctbookPrivate::populateDeviceMap()
{
    maps.devices.clear();
    forEachSubList(getToSheetList(), DeviceList, [&](const QDomElement& list) {
        indexChildren(maps.devices, list);
    });
}

void DuctbookPrivate::populateVerticeMap()
{
    maps.vertices.clear();
    forEachSubList(getToSheetList(), VerticeList, [&](const QDomElement& list) {
        indexChildren(maps.vertices, list);
    });
}

void DuctbookPrivate::populateFreeTextMap()
{
    maps.freeTexts.clear();
    forEachSubList(getToSheetList(), FreeTextList, [&](const QDomElement& list) {
        indexChildren(maps.freeTexts, list);
    });
}

void DuctbookPrivate::populateRoomMap()
{
    maps.rooms.clear();
    forEachSubList(getToFloorList(), RoomList, [&](const QDomElement& list) {
        indexChildren(maps.rooms, list, true);
    });
}

void DuctbookPrivate::populatePointMap()
{
    maps.points.clear();
    forEachSubList(getToFloorList(), PointList, [&](const QDomElement& list) {
        indexChildren(maps.points, list);
    });
}

void DuctbookPrivate::populateFloorFreeTextMap()
{
    maps.floorFreeTexts.clear();
    forEachSubList(getToFloorList(), FreeTextList, [&](const QDomElement& list) {
        indexChildren(maps.floorFreeTexts, list);
    });
}

void DuctbookPrivate::populatePortMap()
{
    maps.ports.clear();
    forEachSubList(getToFloorList(), RoomList, [&](const QDomElement& rooms) {
        forEachSubList(rooms, PortList, [&](const QDomElement& list) {
            indexChildren(maps.ports, list);
        });
    });
}

void DuctbookPrivate::populateVerticalRunMap()
{
    maps.risers.reset();
    maps.vertRuns.clear();
    forEachSubList(getToFloorList(), RoomList, [&](const QDomElement& rooms) {
        forEachSubList(rooms, VerticalRunList, [&](const QDomElement& list) {
            indexChildren(maps.vertRuns, list);
        });
    });
}

void DuctbookPrivate::populateFloorLevelMaps()
{
    populateRoomMap();
    populatePortMap();
    populateVerticalRunMap();
    populatePointMap();
    populateFloorFreeTextMap();
}

void DuctbookPrivate::populateSheetLevelMaps()
{
    populateDeviceMap();
    populateVerticeMap();
    populateFreeTextMap();
}

void Ductbook::updateAllInternalLists()
{
    d->populateCurrentCablesLists();
    d->populateCableMap();
    d->populateCableTypeMap();
    d->populateConnectionMap();
    d->populateSheetMap();
    d->populateDeviceMap();
    d->populateVerticeMap();
    d->populateFreeTextMap();
    d->populateFloorMap();
    d->populateRoomMap();
    d->populatePortMap();
    d->populateActivePortMap();
    d->populateVerticalRunMap();
    d->populatePointMap();
    d->populateFloorFreeTextMap();
}

// --- map reads ----------------------------------------------------------------------

QStringList Ductbook::getFloorTags()
{
    return d->maps.floors.tags();
}

QStringList Ductbook::getFloorIds()
{
    return d->maps.floors.ids();
}

QString Ductbook::getFloorIdByTag(const QString& tag)
{
    return d->maps.floors.id(tag);
}

QString Ductbook::getFloorTagById(const QString& id)
{
    return d->maps.floors.firstTag(id);
}

QStringList Ductbook::getSheetTags()
{
    return d->maps.sheets.tags();
}

QStringList Ductbook::getSheetIds()
{
    return d->maps.sheets.ids();
}

QString Ductbook::getSheetIdByTag(const QString& tag)
{
    return d->maps.sheets.id(tag);
}

QString Ductbook::getSheetTagById(const QString& id)
{
    return d->maps.sheets.firstTag(id);
}

QStringList Ductbook::getCables(bool byTag)
{
    return byTag ? d->maps.currentCableTags.list() : d->maps.currentCableIds.list();
}

QString Ductbook::getCableID(const QString& tag)
{
    return d->maps.cables.id(tag);
}

QString Ductbook::getCableElement(const QString& id)
{
    return d->maps.cables.firstTag(id);
}

QStringList Ductbook::getCablesByTypeFromMap(const QString& type)
{
    return d->maps.cableTypes.cables(type);
}

QString Ductbook::getConnectionTagById(const QString& id)
{
    return d->maps.connections.firstTag(id);
}

QString Ductbook::getPortId(const QString& tag)
{
    return d->maps.ports.id(tag);
}

QString Ductbook::getActivePortId(const QString& tag)
{
    return d->maps.activePorts.id(tag);
}

QString Ductbook::getVertRunId(const QString& tag)
{
    return d->maps.vertRuns.id(tag);
}

QString Ductbook::getActivePortElement(const QString& id)
{
    return d->maps.activePorts.firstTag(id);
}

QString Ductbook::getVertRunTag(const QString& id)
{
    return d->maps.vertRuns.firstTag(id);
}

void Ductbook::setAllSheetIDs(QMap<QString, QString> tagToId)
{
    d->maps.sheets.assignNames(tagToId);
}

// A rename: a tag that names no sheet gets no map entry, which would list a
// sheet the file does not have.
void Ductbook::setSheetID(const QString& tag, const QString& id)
{
    QDomElement list = d->getToSheetList();
    if (list.isNull() || !list.hasChildNodes())
        return;
    QDomElement sheet = d->childByTag(list, tag);
    if (sheet.isNull())
        return;
    setElementId(id, sheet);
    d->maps.sheets.renamed(sheet, getElementId(sheet));
}

void Ductbook::setAllFloorIds(QMap<QString, QString> tagToId)
{
    d->maps.risers.reset();
    d->maps.floors.assignNames(tagToId);
}

void Ductbook::setFloorId(const QString& tag, const QString& id)
{
    QDomElement list = d->getToFloorList();
    if (list.isNull() || !list.hasChildNodes())
        return;
    QDomElement floor = d->childByTag(list, tag);
    if (floor.isNull())
        return; // as for sheets
    setElementId(id, floor);
    if (!d->maps.floors.containsTag(tag))
        d->maps.risers.reset(); // a floor the walks did not see before
    d->maps.floors.renamed(floor, getElementId(floor));
}

// --- existence checks -------------------------------------------------------------

namespace {
bool exists(const ItemIndex& index, const QString& name, bool byTag)
{
    return byTag ? index.containsTag(name) : index.containsId(name);
}

bool isUndefinedRoom(const QString& tag)
{
    return tag == name(UndefinedRoom);
}
} // namespace

bool Ductbook::floorExists(const QString& name, bool byTag)
{
    return exists(d->maps.floors, name, byTag);
}

bool Ductbook::sheetExists(const QString& name, bool byTag)
{
    return exists(d->maps.sheets, name, byTag);
}

bool Ductbook::cableExists(const QString& name, bool byTag)
{
    return exists(d->maps.cables, name, byTag);
}

bool Ductbook::connectionExists(const QString& name, bool byTag)
{
    return exists(d->maps.connections, name, byTag);
}

bool Ductbook::portExists(const QString& name, bool byTag)
{
    return exists(d->maps.ports, name, byTag);
}

bool Ductbook::activePortExists(const QString& name, bool byTag)
{
    return exists(d->maps.activePorts, name, byTag);
}

bool Ductbook::deviceExists(const QString& name, bool byTag)
{
    return exists(d->maps.devices, name, byTag);
}

bool Ductbook::verticeExists(const QString& name, bool byTag)
{
    return exists(d->maps.vertices, name, byTag);
}

bool Ductbook::pointExists(const QString& name, bool byTag)
{
    return exists(d->maps.points, name, byTag);
}

bool Ductbook::freeTextExists(const QString& name, bool byTag)
{
    return exists(d->maps.freeTexts, name, byTag);
}

bool Ductbook::floorFreeTextExists(const QString& name, bool byTag)
{
    return exists(d->maps.floorFreeTexts, name, byTag);
}

bool Ductbook::vertRunExists(const QString& name, bool byTag)
{
    return exists(d->maps.vertRuns, name, byTag);
}

bool Ductbook::portOrVertRunExists(const QString& name, bool byTag)
{
    return portExists(name, byTag) || vertRunExists(name, byTag);
}

bool Ductbook::roomExists(const QString& name, bool byTag)
{
    return isUndefinedRoom(name) || exists(d->maps.rooms, name, byTag);
}

QMap<QString, int> Ductbook::itemCounts() const
{
    const DuctbookIndexes& m = d->maps;
    return {{QStringLiteral("floors"), m.floors.size()},
            {QStringLiteral("sheets"), m.sheets.size()},
            {QStringLiteral("rooms"), m.rooms.size()},
            {QStringLiteral("ports"), m.ports.size()},
            {QStringLiteral("vertical runs"), m.vertRuns.size()},
            {QStringLiteral("points"), m.points.size()},
            {QStringLiteral("floor texts"), m.floorFreeTexts.size()},
            {QStringLiteral("devices"), m.devices.size()},
            {QStringLiteral("vertices"), m.vertices.size()},
            {QStringLiteral("sheet texts"), m.freeTexts.size()},
            {QStringLiteral("cables"), m.cables.size()},
            {QStringLiteral("connections"), m.connections.size()},
            {QStringLiteral("active ports"), m.activePorts.size()}};
}
