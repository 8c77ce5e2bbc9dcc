#include "index/tagindex_p.h"

#include <algorithm>

void TagIndex::clear()
{
    m_tagToId.clear();
    m_idToTags.clear();
    ++m_generation;
}

void TagIndex::assign(const QMap<QString, QString>& tagToId)
{
    clear();
    for (auto it = tagToId.cbegin(); it != tagToId.cend(); ++it)
        insert(it.key(), it.value());
}

void TagIndex::insert(const QString& tag, const QString& id)
{
    auto it = m_tagToId.find(tag);
    if (it != m_tagToId.end()) {
        if (it.value() == id)
            return;
        unlinkId(tag, it.value());
        ++m_generation;
        it.value() = id;
    } else {
        m_tagToId.insert(tag, id);
    }
    QStringList& tags = m_idToTags[id];
    tags.insert(std::lower_bound(tags.begin(), tags.end(), tag), tag);
}

bool TagIndex::insertIfAbsent(const QString& tag, const QString& id)
{
    if (m_tagToId.contains(tag))
        return false;
    insert(tag, id);
    return true;
}

void TagIndex::remove(const QString& tag)
{
    auto it = m_tagToId.find(tag);
    if (it == m_tagToId.end())
        return;
    unlinkId(tag, it.value());
    m_tagToId.erase(it);
    ++m_generation;
}

QString TagIndex::firstTag(const QString& id) const
{
    auto it = m_idToTags.constFind(id);
    return it == m_idToTags.cend() ? QString() : it.value().constFirst();
}

QString TagIndex::lastTag() const
{
    return m_tagToId.isEmpty() ? QString() : m_tagToId.lastKey();
}

QString TagIndex::greatestId() const
{
    return m_idToTags.isEmpty() ? QString() : m_idToTags.lastKey();
}

void TagIndex::unlinkId(const QString& tag, const QString& id)
{
    auto it = m_idToTags.find(id);
    if (it == m_idToTags.end())
        return;
    QStringList& tags = it.value();
    auto pos = std::lower_bound(tags.begin(), tags.end(), tag);
    if (pos != tags.end() && *pos == tag)
        tags.erase(pos);
    if (tags.isEmpty())
        m_idToTags.erase(it);
}
