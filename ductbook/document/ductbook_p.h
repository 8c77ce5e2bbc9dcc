#ifndef DUCTBOOK_P_H
#define DUCTBOOK_P_H

#include "cableindex_p.h"
#include "elementcache_p.h"
#include "namegen_p.h"
#include "tagindex_p.h"

#include <QHash>
#include <QMap>
#include <QString>
#include <QStringList>

// The lookup maps a job keeps beside its tree (tag -> id per kind of item, and
// cable type -> cable tags), and the element caches that find an item's
// element by tag without walking its list. They follow the document through
// the item operations and are rebuilt from it after a load.
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
    QMap<QString, QStringList> cableTypes;

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

    // End ports, bundle groups and ids of the current cables.
    CableIndex cableIndex;

    // The last count of each name sequence (kind, tag or id, prefix, floor).
    QHash<QString, NameGen::Memo> nameMemos;
};

// The kinds of item named by the counting rule of the floor and sheet items.
enum class ItemKind { Room, Port, VertRun, Device, Vertice, Point, SheetText, FloorText };

#endif // DUCTBOOK_P_H
