#ifndef CABLEINDEX_P_H
#define CABLEINDEX_P_H

#include <QHash>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

#include <algorithm>

// What one current cable contributes to the port and bundle-group lookups.
struct CableEntry
{
    QString from;
    QString to;
    QString group;
    // Position in the current cable tags; later cables have greater numbers.
    qint64 seq = 0;
};

// Where the last search for a free generated cable id stopped: every number
// from start below next was taken then. Ids count up from one above the
// greatest three-digit id, and four-digit ids never raise that start, so
// without this every add would test all of Cable1000 to Cable9999 again. As
// long as no id leaves the cable map, the next search with the same prefix
// and start resumes where the last one stopped.
struct CountHint
{
    QString prefix;
    qint64 start = -1;
    qint64 next = -1;

    qint64 resume(const QString& p, qint64 s) const
    {
        return start == s && prefix == p ? std::max(s, next) : s;
    }
    void record(const QString& p, qint64 s, qint64 n)
    {
        prefix = p;
        start = s;
        next = n;
    }
    void clear() { start = -1; }
};

// Lookups derived from the cable list that the maps of the job do not offer:
// end port id -> cables, bundle groups, the distinct current ids as a set and
// the three-digit cable ids. A campus job holds ten thousand cables, and
// without these every query per port walked every cable and every generated
// id re-sorted every id.
//
// The cable operations keep it up to date; whatever rebuilds the current cable
// lists or the cable map from the document (a load, removeFloor, the riser
// repair) clears `built`, and the next query rebuilds the index in one walk.
struct CableIndex
{
    bool built = false;

    QHash<QString, CableEntry> entries;
    QHash<QString, QStringList> byEnd;
    QHash<QString, int> groups;
    QSet<QString> currentIds;
    qint64 nextSeq = 0;

    // The ids of the cable map that are the translated word "Cable" and three
    // digits, with the number of cables holding each; the word they were
    // counted with.
    QMap<QString, int> threeDigitIds;
    QString idWord;

    // Where the last search for a free generated id stopped.
    CountHint idHint;
};

#endif // CABLEINDEX_P_H
