#ifndef ITEMINDEX_P_H
#define ITEMINDEX_P_H

#include "ductbook_global.h"
#include "index/elementcache_p.h"
#include "index/tagindex_p.h"

#include <QDomElement>
#include <QList>
#include <QMap>
#include <QString>

// What the job keeps about one kind of item: its tag map (tag -> id, and the
// reverse by id) and its element cache (tag -> element). The two halves are
// changed only through the hooks below, which the operations call after
// changing the tree, so they cannot drift apart; everything else reads.
class DUCTBOOK_PRIVATE_EXPORT ItemIndex
{
public:
    const TagIndex& names() const { return m_names; }
    const ElementCache& elements() const { return m_elements; }

    // The reads of the tag map, for short.
    bool containsTag(const QString& tag) const { return m_names.containsTag(tag); }
    bool containsId(const QString& id) const { return m_names.containsId(id); }
    QString id(const QString& tag) const { return m_names.id(tag); }
    QString firstTag(const QString& id) const { return m_names.firstTag(id); }
    QStringList tagsWithId(const QString& id) const { return m_names.tagsWithId(id); }
    QStringList tags() const { return m_names.tags(); }
    QStringList ids() const { return m_names.ids(); }
    QString lastTag() const { return m_names.lastTag(); }
    QString greatestId() const { return m_names.greatestId(); }
    quint64 generation() const { return m_names.generation(); }
    int size() const { return m_names.size(); }

    // The elements of the items whose id is id, each still carrying its tag
    // and that id. False when the index cannot tell for sure (a file that
    // repeats tags, or an element that no longer carries what the index
    // says); the caller then walks the tree instead.
    bool elementsWithId(const QString& id, QList<QDomElement>* out) const
    {
        if (m_elements.irregular())
            return false;
        for (const QString& tag : m_names.tagsWithId(id)) {
            const QDomElement e = m_elements.any(tag);
            if (e.isNull() || e.tagName() != tag || e.attribute(QStringLiteral("id")) != id)
                return false;
            out->append(e);
        }
        return true;
    }

    // --- rebuilding from the tree ---
    void clear()
    {
        m_names.clear();
        m_elements.clear();
        m_namesFromHost = false;
    }
    // An element met by the walk; the first element of a tag wins.
    void fromFile(const QString& tag, const QString& id, const QDomElement& e)
    {
        m_names.insertIfAbsent(tag, id);
        m_elements.addFromFile(tag, e);
    }
    // The walk met an element that lookups cannot find through the cache.
    void setIrregular() { m_elements.setIrregular(); }

    // --- the hooks of the operations ---
    // A new item e of tag and id is in the tree.
    void added(const QString& tag, const QString& id, const QDomElement& e)
    {
        m_elements.insert(tag, e);
        m_names.insert(tag, id);
    }
    // The item e of tag has left the tree. Its map entry goes unless the
    // cache still knows another element under tag (a file that repeats it).
    void removed(const QString& tag, const QDomElement& e)
    {
        m_elements.remove(tag, e);
        if (m_elements.any(tag).isNull())
            m_names.remove(tag);
    }
    // The item e has a new id in the tree. The map follows when e is the
    // element its tag stands for; another element under a repeated tag
    // leaves the map alone.
    void renamed(const QDomElement& e, const QString& id)
    {
        if (m_elements.any(e.tagName()) == e)
            m_names.insert(e.tagName(), id);
    }
    // The host's own tag map for the kind (floors and sheets): the job then
    // answers with it, and walks the floors it names, until the next rebuild.
    void assignNames(const QMap<QString, QString>& tagToId)
    {
        m_names.assign(tagToId);
        m_namesFromHost = true;
    }
    bool namesFromHost() const { return m_namesFromHost; }

private:
    TagIndex m_names;
    ElementCache m_elements;
    bool m_namesFromHost = false;
};

#endif // ITEMINDEX_P_H
