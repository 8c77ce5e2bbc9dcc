#ifndef NAMESEQUENCE_P_H
#define NAMESEQUENCE_P_H

#include "ductbook_global.h"

#include <QHash>
#include <QString>
#include <QStringList>

// Names in the order they were appended, each at most once: the current cable
// tags and ids, and the cable tags under each type of the cable type map. A
// campus job holds ten thousand names in them, and a plain list made every
// removal walk them all. Here appending, removing and asking for a name cost
// one hash search (amortised): a removed name only leaves a hole, and the
// holes are squeezed out in one pass once they outnumber the names, or when
// the whole list is asked for. The hash is built on the first edit or
// question after assign(), so a job that is only loaded and read does not
// carry it.
class DUCTBOOK_PRIVATE_EXPORT NameSequence
{
public:
    // Replaces the names with names, which must be distinct.
    void assign(const QStringList& names);
    // Appends name unless it is already there; returns whether it did.
    bool append(const QString& name);
    // Returns whether name was there.
    bool remove(const QString& name);
    void clear();

    bool contains(const QString& name) const { return positions().contains(name); }
    qsizetype size() const { return m_names.size() - m_holes; }
    bool isEmpty() const { return size() == 0; }
    // The last name appended that is still there; empty when none.
    QString last() const { return m_names.isEmpty() ? QString() : m_names.constLast(); }
    // The names in order.
    const QStringList& list() const;

private:
    const QHash<QString, qsizetype>& positions() const;
    bool isLive(qsizetype i) const { return m_position.value(m_names.at(i), -1) == i; }
    void compact() const;

    // Every name appended, holes included; position i holds a live name when
    // m_position maps that name to i. The last entry is always live.
    mutable QStringList m_names;
    mutable QHash<QString, qsizetype> m_position;
    mutable qsizetype m_holes = 0;
    // m_position is built (there are no holes while it is not).
    mutable bool m_indexed = true;
};

#endif // NAMESEQUENCE_P_H
