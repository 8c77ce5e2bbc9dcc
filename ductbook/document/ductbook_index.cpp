// The lookup maps of the job, their rebuilding from the tree, the existence
// checks, and the navigation from the root to each item list.
#include "ductbook.h"

#include "constants_p.h"
#include "ductbook_p.h"

#include <QSet>

using namespace DuctbookConstants;

namespace {


// Enters every child element of list into index and cache; the first element
// of a tag wins when a file repeats one.
void indexChildren(TagIndex& index, const QDomElement& list, ElementCache* cache = nullptr,
                   bool rooms = false)
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
            if (cache && e != list.firstChildElement())
                cache->setIrregular();
            continue;
        }
        index.insertIfAbsent(tag, e.attribute(QStringLiteral("id")));
        if (cache)
            cache->addFromFile(tag, e);
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
QDomElement Ductbook::childByTag(const QDomElement& parent, const QString& tag)
{
    if (parent.isNull() || tag.isEmpty() || !parent.hasChildNodes())
        return QDomElement();
    return parent.firstChildElement(tag);
}

QDomElement Ductbook::getToFloorList()
{
    return getElement(name(FloorList));
}

QDomElement Ductbook::getToSheetList()
{
    return getElement(name(SheetList));
}

QDomElement Ductbook::getToFloor(const QString& floorTag)
{
    return childByTag(getToFloorList(), floorTag);
}

QDomElement Ductbook::getToSheet(const QString& sheetTag)
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

QDomElement Ductbook::getToCableList()
{
    QDomElement list = getElement(name(CableList));
    return list.isNull() ? createTopLevelList(document, CableList) : list;
}

QDomElement Ductbook::getToConnectionList()
{
    QDomElement list = getElement(name(ConnectionList));
    return list.isNull() ? createTopLevelList(document, ConnectionList) : list;
}

QDomElement Ductbook::getToJobNotesList()
{
    return getToConnectionList();
}

QDomElement Ductbook::getToActivePortList()
{
    return childByTag(getElement(name(ActiveNetworkTestList)), name(ActivePortList));
}

QDomElement Ductbook::getToRoomList(const QString& floorTag)
{
    return childByTag(getToFloor(floorTag), name(RoomList));
}

QDomElement Ductbook::getToRoom(const QString& floorTag, const QString& roomTag)
{
    const QDomElement rooms = getToRoomList(floorTag);
    if (roomTag == name(UndefinedRoom))
        return childByTag(rooms, roomTag);
    return findItem(m_maps->roomElements, roomTag, rooms);
}

QDomElement Ductbook::findItem(const ElementCache& cache, const QString& tag,
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

QDomElement Ductbook::getToPortList(const QString& floorTag, const QString& roomTag)
{
    return childByTag(getToRoom(floorTag, roomTag), name(PortList));
}

QDomElement Ductbook::getToVertRunList(const QString& floorTag, const QString& roomTag)
{
    return childByTag(getToRoom(floorTag, roomTag), name(VerticalRunList));
}

QDomElement Ductbook::getOrCreateChildList(QDomElement container, const QString& listName)
{
    if (container.isNull() || !container.hasChildNodes())
        return QDomElement();
    QDomElement list = container.firstChildElement(listName);
    if (list.isNull()) {
        list = document.createElement(listName);
        container.appendChild(list);
    }
    return list;
}

QDomElement Ductbook::getToPointList(const QString& floorTag)
{
    return getOrCreateChildList(getToFloor(floorTag), name(PointList));
}

QDomElement Ductbook::getToFloorFreeTextList(const QString& floorTag)
{
    return getOrCreateChildList(getToFloor(floorTag), name(FreeTextList));
}

QDomElement Ductbook::getToDeviceList(const QString& sheetTag)
{
    return getOrCreateChildList(getToSheet(sheetTag), name(DeviceList));
}

QDomElement Ductbook::getToVerticeList(const QString& sheetTag)
{
    return getOrCreateChildList(getToSheet(sheetTag), name(VerticeList));
}

QDomElement Ductbook::getToFreeTextList(const QString& sheetTag)
{
    return getOrCreateChildList(getToSheet(sheetTag), name(FreeTextList));
}

// --- rebuilding -------------------------------------------------------------------
// Rebuilding only reads: lists a floor or sheet lacks are not created here, so
// loading a job and saving it again gives back the same file.

void Ductbook::populateCurrentCablesLists()
{
    m_maps->cableIndex.built = false;
    QStringList tags;
    QStringList ids;
    QSet<QString> seenTags;
    QSet<QString> seenIds;
    forEachChildElement(getElement(name(CableList)), [&](const QDomElement& e) {
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
    m_maps->currentCableTags.assign(tags);
    m_maps->currentCableIds.assign(ids);
}

void Ductbook::populateCableMap()
{
    m_maps->cableIndex.built = false;
    m_maps->cables.clear();
    m_maps->cableElements.clear();
    indexChildren(m_maps->cables, getElement(name(CableList)), &m_maps->cableElements);
}

// Each current cable tag under its type; one walk of the cable list, taking
// the type of the first element of each tag as a lookup by tag would.
void Ductbook::populateCableTypeMap()
{
    QMap<QString, QStringList> byType;
    QSet<QString> seen;
    forEachChildElement(getElement(name(CableList)), [&](const QDomElement& e) {
        const QString tag = e.tagName();
        if (seen.contains(tag))
            return;
        seen.insert(tag);
        byType[e.attribute(QStringLiteral("type"))].append(tag);
    });
    m_maps->cableTypes.assign(byType);
}

void Ductbook::populateConnectionMap()
{
    m_maps->connectionIndex.built = false;
    m_maps->connections.clear();
    m_maps->connectionElements.clear();
    indexChildren(m_maps->connections, getElement(name(ConnectionList)),
                  &m_maps->connectionElements);
}

void Ductbook::populateSheetMap()
{
    m_maps->sheets.clear();
    indexChildren(m_maps->sheets, getToSheetList());
}

void Ductbook::populateFloorMap()
{
    // Which floors are walked decides which runs the riser index holds.
    m_maps->risers.reset();
    m_maps->floors.clear();
    indexChildren(m_maps->floors, getToFloorList());
}

void Ductbook::populateActivePortMap()
{
    m_maps->activePorts.clear();
    m_maps->activePortElements.clear();
    indexChildren(m_maps->activePorts, getToActivePortList(), &m_maps->activePortElements);
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

void Ductbook::populateDeviceMap()
{
    m_maps->devices.clear();
    m_maps->deviceElements.clear();
    forEachSubList(getToSheetList(), DeviceList, [&](const QDomElement& list) {
        indexChildren(m_maps->devices, list, &m_maps->deviceElements);
    });
}

void Ductbook::populateVerticeMap()
{
    m_maps->vertices.clear();
    m_maps->verticeElements.clear();
    forEachSubList(getToSheetList(), VerticeList, [&](const QDomElement& list) {
        indexChildren(m_maps->vertices, list, &m_maps->verticeElements);
    });
}

void Ductbook::populateFreeTextMap()
{
    m_maps->freeTexts.clear();
    m_maps->freeTextElements.clear();
    forEachSubList(getToSheetList(), FreeTextList, [&](const QDomElement& list) {
        indexChildren(m_maps->freeTexts, list, &m_maps->freeTextElements);
    });
}

void Ductbook::populateRoomMap()
{
    m_maps->rooms.clear();
    m_maps->roomElements.clear();
    forEachSubList(getToFloorList(), RoomList, [&](const QDomElement& list) {
        indexChildren(m_maps->rooms, list, &m_maps->roomElements, true);
    });
}

void Ductbook::populatePointMap()
{
    m_maps->points.clear();
    m_maps->pointElements.clear();
    forEachSubList(getToFloorList(), PointList, [&](const QDomElement& list) {
        indexChildren(m_maps->points, list, &m_maps->pointElements);
    });
}

void Ductbook::populateFloorFreeTextMap()
{
    m_maps->floorFreeTexts.clear();
    m_maps->floorFreeTextElements.clear();
    forEachSubList(getToFloorList(), FreeTextList, [&](const QDomElement& list) {
        indexChildren(m_maps->floorFreeTexts, list, &m_maps->floorFreeTextElements);
    });
}

void Ductbook::populatePortMap()
{
    m_maps->ports.clear();
    m_maps->portElements.clear();
    forEachSubList(getToFloorList(), RoomList, [&](const QDomElement& rooms) {
        forEachSubList(rooms, PortList, [&](const QDomElement& list) {
            indexChildren(m_maps->ports, list, &m_maps->portElements);
        });
    });
}

void Ductbook::populateVerticalRunMap()
{
    m_maps->risers.reset();
    m_maps->vertRuns.clear();
    m_maps->vertRunElements.clear();
    forEachSubList(getToFloorList(), RoomList, [&](const QDomElement& rooms) {
        forEachSubList(rooms, VerticalRunList, [&](const QDomElement& list) {
            indexChildren(m_maps->vertRuns, list, &m_maps->vertRunElements);
        });
    });
}

void Ductbook::populateFloorLevelMaps()
{
    populateRoomMap();
    populatePortMap();
    populateVerticalRunMap();
    populatePointMap();
    populateFloorFreeTextMap();
}

void Ductbook::populateSheetLevelMaps()
{
    populateDeviceMap();
    populateVerticeMap();
    populateFreeTextMap();
}

void Ductbook::updateAllInternalLists()
{
    populateCurrentCablesLists();
    populateCableMap();
    populateCableTypeMap();
    populateConnectionMap();
    populateSheetMap();
    populateDeviceMap();
    populateVerticeMap();
    populateFreeTextMap();
    populateFloorMap();
    populateRoomMap();
    populatePortMap();
    populateActivePortMap();
    populateVerticalRunMap();
    populatePointMap();
    populateFloorFreeTextMap();
}

// --- map reads ----------------------------------------------------------------------

QStringList Ductbook::getFloorTags()
{
    return m_maps->floors.tags();
}

QStringList Ductbook::getFloorIds()
{
    return m_maps->floors.ids();
}

QString Ductbook::getFloorIdByTag(const QString& tag)
{
    return m_maps->floors.id(tag);
}

QString Ductbook::getFloorTagById(const QString& id)
{
    return m_maps->floors.firstTag(id);
}

QStringList Ductbook::getSheetTags()
{
    return m_maps->sheets.tags();
}

QStringList Ductbook::getSheetIds()
{
    return m_maps->sheets.ids();
}

QString Ductbook::getSheetIdByTag(const QString& tag)
{
    return m_maps->sheets.id(tag);
}

QString Ductbook::getSheetTagById(const QString& id)
{
    return m_maps->sheets.firstTag(id);
}

QStringList Ductbook::getCables(bool byTag)
{
    return byTag ? m_maps->currentCableTags.list() : m_maps->currentCableIds.list();
}

QString Ductbook::getCableID(const QString& tag)
{
    return m_maps->cables.id(tag);
}

QString Ductbook::getCableElement(const QString& id)
{
    return m_maps->cables.firstTag(id);
}

QStringList Ductbook::getCablesByTypeFromMap(const QString& type)
{
    return m_maps->cableTypes.cables(type);
}

QString Ductbook::getConnectionTagById(const QString& id)
{
    return m_maps->connections.firstTag(id);
}

QString Ductbook::getPortId(const QString& tag)
{
    return m_maps->ports.id(tag);
}

QString Ductbook::getActivePortId(const QString& tag)
{
    return m_maps->activePorts.id(tag);
}

QString Ductbook::getVertRunId(const QString& tag)
{
    return m_maps->vertRuns.id(tag);
}

QString Ductbook::getActivePortElement(const QString& id)
{
    return m_maps->activePorts.firstTag(id);
}

QString Ductbook::getVertRunTag(const QString& id)
{
    return m_maps->vertRuns.firstTag(id);
}

void Ductbook::setAllSheetIDs(QMap<QString, QString> tagToId)
{
    m_maps->sheets.assign(tagToId);
}

// A rename: a tag that names no sheet gets no map entry, which would list a
// sheet the file does not have.
void Ductbook::setSheetID(const QString& tag, const QString& id)
{
    QDomElement list = getToSheetList();
    if (list.isNull() || !list.hasChildNodes())
        return;
    QDomElement sheet = childByTag(list, tag);
    if (sheet.isNull())
        return;
    setElementId(id, sheet);
    m_maps->sheets.insert(tag, id);
}

void Ductbook::setAllFloorIds(QMap<QString, QString> tagToId)
{
    m_maps->risers.reset();
    m_maps->floors.assign(tagToId);
}

void Ductbook::setFloorId(const QString& tag, const QString& id)
{
    QDomElement list = getToFloorList();
    if (list.isNull() || !list.hasChildNodes())
        return;
    QDomElement floor = childByTag(list, tag);
    if (floor.isNull())
        return; // as for sheets
    setElementId(id, floor);
    if (!m_maps->floors.containsTag(tag))
        m_maps->risers.reset(); // a floor the walks did not see before
    m_maps->floors.insert(tag, id);
}

// --- existence checks -------------------------------------------------------------

namespace {
bool exists(const TagIndex& index, const QString& name, bool byTag)
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
    return exists(m_maps->floors, name, byTag);
}

bool Ductbook::sheetExists(const QString& name, bool byTag)
{
    return exists(m_maps->sheets, name, byTag);
}

bool Ductbook::cableExists(const QString& name, bool byTag)
{
    return exists(m_maps->cables, name, byTag);
}

bool Ductbook::connectionExists(const QString& name, bool byTag)
{
    return exists(m_maps->connections, name, byTag);
}

bool Ductbook::portExists(const QString& name, bool byTag)
{
    return exists(m_maps->ports, name, byTag);
}

bool Ductbook::activePortExists(const QString& name, bool byTag)
{
    return exists(m_maps->activePorts, name, byTag);
}

bool Ductbook::deviceExists(const QString& name, bool byTag)
{
    return exists(m_maps->devices, name, byTag);
}

bool Ductbook::verticeExists(const QString& name, bool byTag)
{
    return exists(m_maps->vertices, name, byTag);
}

bool Ductbook::pointExists(const QString& name, bool byTag)
{
    return exists(m_maps->points, name, byTag);
}

bool Ductbook::freeTextExists(const QString& name, bool byTag)
{
    return exists(m_maps->freeTexts, name, byTag);
}

bool Ductbook::floorFreeTextExists(const QString& name, bool byTag)
{
    return exists(m_maps->floorFreeTexts, name, byTag);
}

bool Ductbook::vertRunExists(const QString& name, bool byTag)
{
    return exists(m_maps->vertRuns, name, byTag);
}

bool Ductbook::portOrVertRunExists(const QString& name, bool byTag)
{
    return portExists(name, byTag) || vertRunExists(name, byTag);
}

bool Ductbook::roomExists(const QString& name, bool byTag)
{
    return isUndefinedRoom(name) || exists(m_maps->rooms, name, byTag);
}

QMap<QString, int> Ductbook::itemCounts() const
{
    const DuctbookIndexes& m = *m_maps;
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
