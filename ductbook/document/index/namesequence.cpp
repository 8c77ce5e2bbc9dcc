#include "index/namesequence_p.h"

void NameSequence::assign(const QStringList& names)
{
    m_names = names;
    m_position.clear();
    m_holes = 0;
    m_indexed = false;
}

bool NameSequence::append(const QString& name)
{
    if (positions().contains(name))
        return false;
    m_position.insert(name, m_names.size());
    m_names.append(name);
    return true;
}

bool NameSequence::remove(const QString& name)
{
    positions();
    const auto it = m_position.constFind(name);
    if (it == m_position.cend())
        return false;
    const qsizetype at = it.value();
    m_position.erase(it);
    if (at == m_names.size() - 1) {
        // Trailing holes go at once, so that last() stays a lookup.
        m_names.removeLast();
        while (!m_names.isEmpty() && !isLive(m_names.size() - 1)) {
            m_names.removeLast();
            --m_holes;
        }
    } else if (++m_holes > m_position.size()) {
        compact();
    }
    return true;
}

void NameSequence::clear()
{
    m_names.clear();
    m_position.clear();
    m_holes = 0;
    m_indexed = true;
}

const QStringList& NameSequence::list() const
{
    if (m_holes > 0)
        compact();
    return m_names;
}

const QHash<QString, qsizetype>& NameSequence::positions() const
{
    if (!m_indexed) {
        m_position.reserve(m_names.size());
        for (qsizetype i = 0; i < m_names.size(); ++i)
            m_position.insert(m_names.at(i), i);
        m_indexed = true;
    }
    return m_position;
}

void NameSequence::compact() const
{
    QStringList live;
    live.reserve(m_position.size());
    for (qsizetype i = 0; i < m_names.size(); ++i) {
        if (isLive(i)) {
            m_position[m_names.at(i)] = live.size();
            live.append(m_names.at(i));
        }
    }
    m_names = live;
    m_holes = 0;
}
