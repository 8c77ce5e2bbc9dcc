#ifndef ELEMENTCACHE_P_H
#define ELEMENTCACHE_P_H

#include "ductbook_global.h"

#include <QDomElement>
#include <QHash>
#include <QString>

// Item tag -> the item's element, for one kind of item, so that an item is
// found without walking its list. The cache is complete: every element of
// the kind that the document holds under a tag is in it (the first one of a
// tag when a file repeats tags, which the cache remembers as irregular).
// Entries are checked on use (the element must still carry the tag and sit
// in the expected list); a miss in a regular cache is a definite miss.
class DUCTBOOK_PRIVATE_EXPORT ElementCache
{
public:
    void clear()
    {
        m_elements.clear();
        m_irregular = false;
    }

    // From a rebuild: the first element of a tag wins.
    void addFromFile(const QString& tag, const QDomElement& e)
    {
        if (m_elements.contains(tag))
            m_irregular = true;
        else
            m_elements.insert(tag, e);
    }

    // From an add operation. A second element under a tag that another list
    // still holds makes the cache irregular: lookups of that kind then walk.
    void insert(const QString& tag, const QDomElement& e)
    {
        auto it = m_elements.find(tag);
        if (it == m_elements.end()) {
            m_elements.insert(tag, e);
            return;
        }
        if (it.value() != e && !it.value().parentNode().isNull())
            m_irregular = true;
        else
            it.value() = e;
    }

    // From a remove operation: forgets tag only when it names e.
    void remove(const QString& tag, const QDomElement& e)
    {
        auto it = m_elements.find(tag);
        if (it != m_elements.end() && it.value() == e)
            m_elements.erase(it);
    }

    // The element of tag when it sits directly in list; null otherwise.
    // `definite` tells whether a null answer can be trusted without a walk.
    QDomElement find(const QString& tag, const QDomElement& list, bool* definite) const
    {
        const auto it = m_elements.constFind(tag);
        if (it != m_elements.cend() && it.value().tagName() == tag &&
            it.value().parentNode() == list) {
            *definite = true;
            return it.value();
        }
        // Another list holds the cached element, or the file repeats tags:
        // only a walk of list can tell.
        *definite = it == m_elements.cend() && !m_irregular;
        return QDomElement();
    }

    QDomElement any(const QString& tag) const { return m_elements.value(tag); }
    bool irregular() const { return m_irregular; }
    const QHash<QString, QDomElement>& elements() const { return m_elements; }
    void setIrregular() { m_irregular = true; }

private:
    QHash<QString, QDomElement> m_elements;
    bool m_irregular = false;
};

#endif // ELEMENTCACHE_P_H
