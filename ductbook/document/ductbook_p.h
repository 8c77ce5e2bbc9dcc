#ifndef DUCTBOOK_P_H
#define DUCTBOOK_P_H

#include "cableindex_p.h"
#include "elementcache_p.h"
#include "namegen_p.h"
#include "namesequence_p.h"
#include "riserindex_p.h"
#include "tagindex_p.h"

#include <QHash>
#include <QMap>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <limits>

// The lookup maps a job keeps beside its tree (tag -> id per kind of item,
// cable type -> cable tags, the current cable tags and ids), and the element
// caches that find an item's element by tag without walking its list. They
// follow the document through the item operations and are rebuilt from it
// after a load.
struct DuctbookIndexes
{
    TagIndex cables;
    TagIndex connections;
    TagIndex sheets;
    TagIndex devices;
    TagIndex vertices;
    TagIndex freeTexts;
    TagIndex floors;
    TagIndex rooms;
    TagIndex ports;
    TagIndex activePorts;
    TagIndex vertRuns;
    TagIndex points;
    TagIndex floorFreeTexts;
    CableTypeMap cableTypes;
    // The distinct tags and ids of "Cable_List", in document order and then
    // in the order of the edits.
    NameSequence currentCableTags;
    NameSequence currentCableIds;

    ElementCache cableElements;
    ElementCache connectionElements;
    ElementCache deviceElements;
    ElementCache verticeElements;
    ElementCache freeTextElements;
    ElementCache roomElements;
    ElementCache portElements;
    ElementCache vertRunElements;
    ElementCache pointElements;
    ElementCache floorFreeTextElements;
    ElementCache activePortElements;

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

// The kinds of item named by the counting rule of the floor and sheet items.
enum class ItemKind { Room, Port, VertRun, Device, Vertice, Point, SheetText, FloorText };

#endif // DUCTBOOK_P_H
