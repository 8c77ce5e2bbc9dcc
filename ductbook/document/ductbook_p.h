#ifndef DUCTBOOK_P_H
#define DUCTBOOK_P_H

#include "ductbook.h"

#include "constants_p.h"
#include "listtext_p.h"

#include "index/cableindex_p.h"
#include "index/elementcache_p.h"
#include "index/itemindex_p.h"
#include "index/namegen_p.h"
#include "index/namesequence_p.h"
#include "index/riserindex_p.h"
#include "index/tagindex_p.h"

#include <QHash>
#include <QMap>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <functional>
#include <limits>
#include <utility>

// The derived state of a job: what it keeps beside its tree so that a lookup
// needs no walk. One contract holds for all of it.
//
// What is derived: per kind of item, its tag map and element cache
// (ItemIndex); the current cable tags and ids and the cables of each type;
// and, built on demand, the cable index (ends, bundle groups, path points,
// three-digit ids), the connection index (ends) and the riser index (which
// runs list each cable, the order of the runs). The tree alone is the job:
// nothing here is ever written back to it later, and the riser lists in the
// tree are complete after every edit.
//
// When it is up to date: whenever a public call returns, each structure is
// what a rebuild from the tree would give, with three allowances: the
// current cables and the cables of a type keep the order of the edits; a
// structure built on demand may instead be dropped (built = false, or the
// riser index reset), to be built in one walk at its next use; and floor
// and sheet maps that the host set itself (setAllFloorIds, setAllSheetIDs)
// stand until the next rebuild. verifyIndexes() checks exactly this; the
// tests and the edit fuzzer call it after their edits.
//
// What an edit must call, after changing the tree: for an item of a kind,
// the hook of its ItemIndex (added, removed, renamed; an element moved to
// another list stays the element its entries name, and needs none); for a
// cable, cableAdded, cableRemoved or cableChanged (which keep every cable
// structure); for a connection, connectionAdded or connectionRemoved, and
// refileConnection when its ends change; for a riser list, addToList,
// removeFromList or replaceList, which edit list and tree together; for a
// run that arrives or leaves, RiserIndex::addRun or removeRun, or
// forgetOrder when one moves. An edit that rewrites more than it can report
// item by item (a load, a conversion, a file that repeats tags) rebuilds
// instead: updateAllInternalLists() or the populate...() of the kinds it
// touched, which drop what depends on them.
//
// The name memos are no derived state but hints, each checked against the
// generation of its map before use.
struct DuctbookIndexes
{
    // One index per kind of item: tag map and element cache (index/itemindex_p.h).
    ItemIndex cables;
    ItemIndex connections;
    ItemIndex sheets;
    ItemIndex devices;
    ItemIndex vertices;
    ItemIndex freeTexts;
    ItemIndex floors;
    ItemIndex rooms;
    ItemIndex ports;
    ItemIndex activePorts;
    ItemIndex vertRuns;
    ItemIndex points;
    ItemIndex floorFreeTexts;
    CableTypeMap cableTypes;
    // The distinct tags and ids of "Cable_List", in document order and then
    // in the order of the edits.
    NameSequence currentCableTags;
    NameSequence currentCableIds;

    // End ports, bundle groups, path points and ids of the current cables;
    // the ends of the connections; the cable lists of the vertical runs.
    CableIndex cableIndex;
    ConnectionIndex connectionIndex;
    RiserIndex risers;

    // The last count of each name sequence (kind, tag or id, prefix, floor).
    QHash<QString, NameGen::Memo> nameMemos;
};

// A coordinate moved by delta. Positions are stored as int, and the sum of
// two ints may pass the end of that range: the move stops there rather than
// wrapping round to the other side of the drawing.
inline int movedBy(int value, int delta)
{
    const qint64 moved = qint64(value) + delta;
    const qint64 lowest = std::numeric_limits<int>::min();
    const qint64 highest = std::numeric_limits<int>::max();
    return int(std::clamp(moved, lowest, highest));
}

// The fields of a cable that something derived depends on.
enum class CableField { Ends, Group, Path, Type, Id };

// The kinds of item named by the counting rule of the floor and sheet items.
enum class ItemKind { Room, Port, VertRun, Device, Vertice, Point, SheetText, FloorText };

// The private implementation of Ductbook: the lookup maps, the state of the
// open job and every helper of the operations. Ductbook holds one and reaches
// it through its d pointer; the helpers reach the public operations and the
// tree through q.
class DuctbookPrivate
{
public:
    explicit DuctbookPrivate(Ductbook* owner) : q(owner) {}
    Q_DISABLE_COPY(DuctbookPrivate)

    Ductbook* const q;
    DuctbookIndexes maps;
    int m_release = 0;

    // The private side of the open job (Ductbook::Instance()); null when
    // there is none.
    static DuctbookPrivate* current()
    {
        return Ductbook::s_instance ? Ductbook::s_instance->d.get() : nullptr;
    }
#ifdef DUCTBOOK_VERIFY_INDEXES
    // Rebuilds every derived structure from the tree and compares it with
    // maps (index/verifyindexes.cpp); returns what differs.
    QStringList verifyIndexes();
#endif
    QString m_defaultQvtFile;
    // The version the loaded file was written in.
    QString m_fileVersion;

    // Brings a loaded file of an older format up to the current one, in
    // memory, step by step (ductbook_convert.cpp).
    bool checkVersion();
    bool convert11to14(QDomElement* version, QDomNode* node);
    bool convert14to21(QDomElement* version, QDomNode* node);
    bool convert21to22(QDomElement* version, QDomNode* node);
    bool convert22to23(QDomElement* version, QDomNode* node);
    bool convert23to30(QDomElement* version, QDomNode* node);
    void convertFloorDrawings14();
    void convertNetworkDrawings14();
    void convertCables21();
    void convertSubRooms22();
    void convertInventorySettings23();
    // The cable pass of fixBrokenVerticalRunCables: cables listed in a vertical
    // run whose two end ports lie on one floor need no riser.
    void detachSameFloorCables();
    // Several cables at once, each list of the job filtered once rather than
    // once per cable (removing a floor removes thousands).
    void removeCables(const QStringList& tags);
    void removeCablesFromAllVRLists(const QSet<QString>& cableTags);
    // Every cable some vertical run lists, connected or not.
    QSet<QString> cablesInVertRuns();
    // The first run of floor, in document order, whose connected (or else
    // disconnected) list holds cable; a run stored at x = -1 does not count.
    QString firstRunListing(const QString& floor, const QString& cable, bool connected);
    // The measurement block of getCableTestResults(tag), read with the same
    // repairs but without decoding the response plots.
    cable_struct getCableMeasurements(const QString& tag);
    // Empties the tree (keeping its document type), the maps and the lists.
    void clearDocument();
    bool writeTo(const QString& path);
    void buildSkeleton(double ceilingHeight);

    // Partial rebuilds of the lookup maps.
    void populateCurrentCablesLists();
    void populateCableMap();
    void populateCableTypeMap();
    void populateConnectionMap();
    void populateSheetMap();
    void populateDeviceMap();
    void populateVerticeMap();
    void populateFreeTextMap();
    void populateFloorMap();
    void populateRoomMap();
    void populatePortMap();
    void populateActivePortMap();
    void populateVerticalRunMap();
    void populatePointMap();
    void populateFloorFreeTextMap();
    void populateFloorLevelMaps();
    void populateSheetLevelMaps();

    // Navigation from the root to each item list; null when a step is missing.
    QDomElement getToCableList();
    QDomElement getToConnectionList();
    QDomElement getToActivePortList();
    QDomElement getToFloorList();
    QDomElement getToSheetList();
    QDomElement getToFloor(const QString& floorTag);
    QDomElement getToSheet(const QString& sheetTag);
    QDomElement getToRoom(const QString& floorTag, const QString& roomTag);
    QDomElement getToRoomList(const QString& floorTag);
    QDomElement getToPortList(const QString& floorTag, const QString& roomTag);
    QDomElement getToVertRunList(const QString& floorTag, const QString& roomTag);
    QDomElement getToPointList(const QString& floorTag);
    QDomElement getToFloorFreeTextList(const QString& floorTag);
    QDomElement getToDeviceList(const QString& sheetTag);
    QDomElement getToVerticeList(const QString& sheetTag);
    QDomElement getToFreeTextList(const QString& sheetTag);
    // The element of tag directly in list, found through cache; null when
    // list is null or holds no such element.
    QDomElement findItem(const ElementCache& cache, const QString& tag, const QDomElement& list);
    // Names for a new item of the floor and sheet kinds: the greatest tag (or
    // id) of the kind's map plus one, counted up while taken. The id of a room
    // is tested on the room's floor.
    QString generateTag(ItemKind kind);
    QString generateId(ItemKind kind, const QString& prefix, const QString& floor = QString());
    quint64 freedGeneration(ItemKind kind) const;
    const ItemIndex& mapOf(ItemKind kind) const;
    std::function<bool(const QString&)> existsTest(ItemKind kind, bool byTag, const QString& floor);
    // The list element named listName below container, created and appended
    // when container exists, has children and lacks it.
    QDomElement getOrCreateChildList(QDomElement container, const QString& listName);
    // The first child element of parent whose tag name is name.
    QDomElement childByTag(const QDomElement& parent, const QString& name);

    // Adds attr with value when the element lacks it (a repair on read, which
    // does not mark the document changed), then returns the attribute's value.
    QString repairedAttr(QDomElement& e, const QString& attr, const QString& defaultValue);

    // --- cable lengths (internal) ---
    QStringList getFloorsInBetween(const QString& floorA, const QString& floorB);
    // The runs of candidates (tags) placed on floor, in the floor's order.
    QList<VertRun> runsOnFloor(const QString& floor, const QStringList& candidates);
    bool placedRunOnFloor(const QString& floor, const QString& tag, VertRun* run);

    // --- active network tests (internal) ---
    // The element of the active port of tag in list; null when there is none.
    QDomElement activePortElement(const QString& tag, const QDomElement& list);

    // --- rooms (ductbook_rooms.cpp) ---

    QDomElement roomList(const QString& floor);
    QDomElement room(const QString& floor, const QString& tag);
    bool indexedRoomsWithId(const QDomElement& rooms, const QString& id, QList<QDomElement>* found);
    QList<QDomElement> roomsWithId(const QDomElement& rooms, const QString& id);
    QDomElement roomById(const QString& floor, const QString& id);
    static Room undefinedRecord();
    Room read(QDomElement e, const QString& floor);
    QDomElement undefinedList(const QString& floor, const char* listName);
    static QList<QDomElement> children(const QDomElement& list);
    void setRoomAttr(const QString& floor, const QString& id, const QString& attr, int value);

    // --- the small items of the two drawings (ductbook_items.cpp, ductbook_ports.cpp) ---

    // An attribute of a new element and its value.
    using Attr = std::pair<const char*, QString>;

    // --- items kept in one list of a floor or a sheet ---------------------------

    // One kind of item that lives directly in a list of a floor (points, floor
    // texts) or of a sheet (devices, vertices, sheet texts).
    struct ListKind
    {
        ItemIndex* items;
        QDomElement (DuctbookPrivate::*list)(const QString&);
        // The floor or sheet index, whose key order is the order of the
        // searches over all floors or sheets.
        const ItemIndex* containers;
        std::function<bool(const QString&)> tagTaken;
    };

    struct Located
    {
        QDomElement element;
        QString floor;
        QString room;
    };

    ListKind devices();
    ListKind vertices();
    ListKind sheetTexts();
    ListKind points();
    ListKind floorTexts();
    QDomElement listOf(const ListKind& k, const QString& container);
    QDomElement find(const ElementCache& cache, const QString& tag, const QDomElement& list);
    QDomElement byTag(const ListKind& k, const QString& container, const QString& tag);
    QDomElement byId(const ListKind& k, const QString& container, const QString& id);
    bool locate(const ListKind& k, const QDomElement& e, QString* container);
    QDomElement anyByTag(const ListKind& k, const QString& tag, QString* container);
    QDomElement anyById(const ListKind& k, const QString& id, QString* container);
    bool canAdd(const ElementCache& cache, const QDomElement& list, const QString& tag,
                bool supplied, const std::function<bool(const QString&)>& taken);
    QString add(const ListKind& k, const QString& container, const QString& tag, const QString& id,
                bool supplied, std::initializer_list<Attr> attrs);
    void setPos(const ListKind& k, const QString& container, const QString& tag, int x, int y);
    void move(const ListKind& k, const QString& container, const QString& tag, int dx, int dy);
    void setAttr(const ListKind& k, const QString& container, const QString& tag,
                 const QString& attr, const QString& value);
    void rename(const ListKind& k, const QString& container, const QString& tag, const QString& id);
    void renameElement(ItemIndex& index, QDomElement& e, const QString& id);
    void remove(const ListKind& k, const QString& container, const QString& tag);
    Device readDevice(QDomElement e, const QString& sheet);
    static Vertice readVertice(const QDomElement& e, const QString& container);
    static FreeText readText(const QDomElement& e, const QString& container);
    static QString deviceType(const QString& pic);
    QDomElement portList(const QString& floor, const QString& roomTag);
    QDomElement portByTag(const QString& tag, const QDomElement& list);
    bool locatePort(const QDomElement& e, QString* floor, QString* roomTag);
    bool portsWithId(const QString& id, QList<Located>* out);
    Port readPort(QDomElement e, const QString& floor, const QString& roomTag);
    Port searchFloor(const QString& floor,
                     const std::function<QDomElement(const QDomElement&)>& firstIn);
    Port onlyAnswer(const Located& l);
    void createPort(QDomElement& list, const QString& tag, const QString& id, int x, int y,
                    const QString& use, const QString& iconScale, double dropHeight);
    void portTagsOfFloor(const QString& floor, const QString* use, bool tags, QStringList* out);

    // --- vertical runs and their riser lists (ductbook_vertruns.cpp, ductbook_riserlists.cpp) ---

    // A run element together with the floor and room tags it is reached by.
    struct Place
    {
        QDomElement run;
        QString floor;
        QString room;
        bool isNull() const { return run.isNull(); }
    };

    QDomElement roomOf(const QString& floor, const QString& roomTag);
    QDomElement runList(const QString& floor, const QString& roomTag);
    Place placeOf(const QDomElement& run);
    template <typename F>
    static bool walkList(const QDomElement& list, const QString& floor, const QString& room, F& f);
    template <typename F>
    bool walkFloor(const QString& floor, F& f);
    template <typename F>
    void forEachRun(F f);
    Place locate(const QString& tag);
    Place inRoom(const QString& floor, const QString& room, const QString& tag);
    static bool unplaced(const QDomElement& run);
    Place onFloor(const QString& floor, const QString& tag);
    Place byId(const QString& id, const QString& floor, const QString& room);
    VertRun read(Place p);
    RiserIndex* risers();
    RiserIndex* orderedRisers();
    static RiserIndex::List listOf(const QString& attr);
    RiserIndex* holding(const Place& p);
    void addToList(const QString& runTag, const QString& attr, const QString& cable);
    void removeFromList(const QString& runTag, const QString& attr, const QString& cable);
    void replaceList(const QString& floor, const QString& room, const QString& tag,
                     const QString& attr, const QString& joined);
    QStringList runsListing(const QString& attr, const QString& cable);
    template <typename Edit>
    void editListsNaming(RiserIndex& idx, const QStringList& cables, Edit edit);
    template <typename Edit>
    void editAllLists(Edit edit);
    void forgetRun(const QString& tag, const QDomElement& run);
    static QStringList tagsOrIds(const QDomElement& list, bool tags);

    // --- cables, connections and their index (ductbook_cables.cpp, index/ductbook_cableindex.cpp) ---

    QDomElement cable(const QString& tag);
    QDomElement connection(const QString& tag);
    void countThreeDigitIds(CableIndex& idx, const QString& word);
    void rebuild(CableIndex& idx);
    CableIndex& state();
    static QStringList pointsOf(const QString& path);
    static void file(QHash<QString, CablesInOrder>& index, const QString& key, qint64 seq,
                     const QString& tag);
    static void unfile(QHash<QString, CablesInOrder>& index, const QString& key, qint64 seq);
    static void fileEntry(CableIndex& idx, const QString& tag, const CableEntry& e);
    static void unfileEntry(CableIndex& idx, const CableEntry& e);
    static void addEntry(CableIndex& idx, const QString& tag, CableEntry entry);
    static void removeEntry(CableIndex& idx, const QString& tag);
    template <typename Change>
    static void refile(CableIndex& idx, const QString& tag, Change change);
    // The hooks through which the cable and connection operations report
    // their changes of the tree (index/ductbook_cableindex.cpp).
    void cableAdded(const QString& tag, const QDomElement& e);
    void cableRemoved(const QString& tag, const QDomElement& e);
    void cableChanged(const QString& tag, const QDomElement& e, CableField field);
    void connectionAdded(const QString& tag, const QDomElement& e);
    void connectionRemoved(const QString& tag, const QDomElement& e);
    static QStringList inOrder(const QHash<QString, CablesInOrder>& index, const QString& key);
    static void countId(CableIndex& idx, const QString& id, int delta);
    ConnectionIndex& connectionState();
    static void fileConnection(ConnectionIndex& idx, const QString& tag, const QDomElement& e);
    static void unfileConnection(ConnectionIndex& idx, const QString& tag);
    void refileConnection(const QString& tag);
    static qint64 startAfter(const QString& greatest, const QString& prefix);
    QString generateCableTag();
    QString generateCableId(CableIndex& idx, const QString& prefix);
    QString generateConnectionTag();
    QString generateConnectionId();
    static void writeNewResults(QDomElement& results, const TestResults& r);
    void repairResults(QDomElement& e, bool repairData);
    TestResults readResults(const QDomElement& cableElement, bool repairData,
                            bool withPlots = true);
    cable_struct readMeasurements(const QDomElement& cableElement);
    QStringList named(const QStringList& tags, bool asTags);
    QStringList withAttribute(const QString& attr, const QString& value);
};

// Files the cable of tag again after change edited its entry in place.
template <typename Change>
void DuctbookPrivate::refile(CableIndex& idx, const QString& tag, Change change)
{
    auto it = idx.entries.find(tag);
    if (it == idx.entries.end())
        return;
    unfileEntry(idx, *it);
    change(*it);
    fileEntry(idx, tag, *it);
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
        if (walkList(
                room.firstChildElement(DuctbookConstants::name(DuctbookConstants::VerticalRunList)),
                floor, room.tagName(), f))
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

// Applies edit (which changes one list of one run and says whether it
// did) to every list that names one of cables; marks the document changed
// when some list changed. Several cables are edited as one batch, which
// writes each list it changed once.
template <typename Edit>
void DuctbookPrivate::editListsNaming(RiserIndex& idx, const QStringList& cables, Edit edit)
{
    bool changed = false;
    if (cables.size() > 1)
        idx.beginBatch();
    for (RiserIndex::List list : {RiserIndex::Disconnected, RiserIndex::Connected}) {
        for (const QString& cable : cables) {
            for (const QString& run : idx.runsListing(list, cable))
                changed = edit(run, list, cable) || changed;
        }
    }
    idx.endBatch();
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
        for (const QString& attr : {ListText::attrDisconnected(), ListText::attrConnected()}) {
            QStringList list = ListText::splitList(p.run.attribute(attr));
            if (edit(list)) {
                q->setChildAttr(attr, ListText::joinList(list), p.run);
                changed = true;
            }
        }
        return false;
    });
    if (changed)
        q->setChanged(true);
}

#endif // DUCTBOOK_P_H
