#ifndef DUCTBOOK_P_H
#define DUCTBOOK_P_H

#include "tagindex_p.h"

#include <QHash>
#include <QMap>
#include <QString>
#include <QStringList>

// The lookup maps a job keeps beside its tree (tag -> id per kind of item, and
// cable type -> cable tags). They follow the document through the item
// operations and are rebuilt from it after a load.
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
};

#endif // DUCTBOOK_P_H
