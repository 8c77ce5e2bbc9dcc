#ifndef TAGINDEX_P_H
#define TAGINDEX_P_H

#include "ductbook_global.h"

#include <QMap>
#include <QString>
#include <QStringList>

// One lookup map of the job: item tag -> item id, ordered by tag. Beside it an
// index id -> tags (each tag list ascending) answers the reverse lookups and
// id existence tests in one search instead of a scan over every value.
class DUCTBOOK_PRIVATE_EXPORT TagIndex
{
public:
    void clear();
    // Replaces the whole map.
    void assign(const QMap<QString, QString>& tagToId);

    // Inserts or replaces the id of tag.
    void insert(const QString& tag, const QString& id);
    // Inserts only when tag is not a key yet (the first item of a tag wins when
    // a map is rebuilt from a file that repeats a tag). Returns whether it did.
    bool insertIfAbsent(const QString& tag, const QString& id);
    void remove(const QString& tag);

    bool containsTag(const QString& tag) const { return m_tagToId.contains(tag); }
    bool containsId(const QString& id) const { return m_idToTags.contains(id); }
    // The id of tag; an empty string when tag is not a key.
    QString id(const QString& tag) const { return m_tagToId.value(tag); }
    // The smallest tag (in key order) whose id is id; empty when none.
    QString firstTag(const QString& id) const;
    // All tags whose id is id, ascending.
    QStringList tagsWithId(const QString& id) const { return m_idToTags.value(id); }

    QStringList tags() const { return m_tagToId.keys(); }
    QStringList ids() const { return m_tagToId.values(); }
    // The greatest key / the greatest id in code-unit order; empty when none.
    QString lastTag() const;
    QString greatestId() const;

    // Changes whenever a tag or an id may have become free again (a removal, a
    // changed id, a rebuild); additions alone leave it as it is.
    quint64 generation() const { return m_generation; }

    int size() const { return int(m_tagToId.size()); }
    bool isEmpty() const { return m_tagToId.isEmpty(); }
    const QMap<QString, QString>& map() const { return m_tagToId; }
    // The same entries both ways (the generations may differ).
    bool sameEntries(const TagIndex& other) const
    {
        return m_tagToId == other.m_tagToId && m_idToTags == other.m_idToTags;
    }

private:
    void unlinkId(const QString& tag, const QString& id);

    QMap<QString, QString> m_tagToId;
    QMap<QString, QStringList> m_idToTags;
    quint64 m_generation = 0;
};

#endif // TAGINDEX_P_H
