#ifndef CABLEINDEX_P_H
#define CABLEINDEX_P_H

#include "index/namesequence_p.h"

#include <QHash>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

#include <algorithm>

// Tags in the order of the current cable tags: position -> tag. A cable that
// changes its port, group or path is filed again at its own position, and a
// removal is one search, however many cables share the key (every cable not
// yet connected shares the end "").
using CablesInOrder = QMap<qint64, QString>;

// What one current cable contributes to the port, bundle-group and point
// lookups.
struct CableEntry
{
    QString from;
    QString to;
    QString group;
    // The path's points, each once.
    QStringList points;
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
// end port id -> cables, bundle group -> cables, path point -> cables, and the
// three-digit cable ids. A campus job holds ten thousand cables, and without
// these every query per port, group or point walked every cable and every
// generated id re-sorted every id.
//
// The cable operations keep it up to date; whatever rebuilds the current cable
// lists or the cable map from the document (a load, removeFloor, the riser
// repair) clears `built`, and the next query rebuilds the index in one walk.
struct CableIndex
{
    bool built = false;

    QHash<QString, CableEntry> entries;
    QHash<QString, CablesInOrder> byEnd;
    QHash<QString, CablesInOrder> byGroup;
    QHash<QString, CablesInOrder> byPoint;
    qint64 nextSeq = 0;

    // The ids of the cable map that are the translated word "Cable" and three
    // digits, with the number of cables holding each; the word they were
    // counted with.
    QMap<QString, int> threeDigitIds;
    QString idWord;

    // Where the last search for a free generated id stopped.
    CountHint idHint;
};

// Connection ends: device or vertex id -> the connections with that end, in
// the order of the connection map (by tag). Built on the first query, like
// the cable index, and cleared whenever the connection map is rebuilt.
struct ConnectionIndex
{
    bool built = false;
    QHash<QString, QStringList> ends; // tag -> to, from
    QHash<QString, QMap<QString, bool>> byEnd;
};

// Cable type -> the current cables of that type, each in the order it came
// to the type (a cable whose type changes goes last in its new type), with
// the type each cable is filed under, so that a cable leaves its list
// without a search of every list. That reverse is built on the first edit
// after assign().
class CableTypeMap
{
public:
    void clear()
    {
        m_byType.clear();
        m_typeOf.clear();
        m_indexed = true;
    }

    // Replaces the map; each tag stands in one list only.
    void assign(const QMap<QString, QStringList>& byType)
    {
        clear();
        for (auto it = byType.cbegin(); it != byType.cend(); ++it)
            m_byType[it.key()].assign(it.value());
        m_indexed = false;
    }

    // Files tag last under type, taking it from wherever it was.
    void add(const QString& type, const QString& tag)
    {
        remove(tag);
        m_byType[type].append(tag);
        m_typeOf.insert(tag, type);
    }

    void remove(const QString& tag)
    {
        index();
        const auto it = m_typeOf.constFind(tag);
        if (it == m_typeOf.cend())
            return;
        auto list = m_byType.find(it.value());
        if (list != m_byType.end()) {
            list->remove(tag);
            if (list->isEmpty())
                m_byType.erase(list);
        }
        m_typeOf.erase(it);
    }

    QStringList types() const { return m_byType.keys(); }
    QStringList cables(const QString& type) const
    {
        const auto it = m_byType.constFind(type);
        return it == m_byType.cend() ? QStringList() : it->list();
    }

private:
    void index()
    {
        if (m_indexed)
            return;
        for (auto it = m_byType.cbegin(); it != m_byType.cend(); ++it) {
            for (const QString& tag : it->list())
                m_typeOf.insert(tag, it.key());
        }
        m_indexed = true;
    }

    QMap<QString, NameSequence> m_byType;
    QHash<QString, QString> m_typeOf;
    bool m_indexed = true;
};

#endif // CABLEINDEX_P_H
