#include "index/riserindex_p.h"

#include <algorithm>

namespace {

QStringList splitList(const QString& text)
{
    return text.split(QLatin1Char(','), Qt::SkipEmptyParts);
}

QString joinList(const QStringList& list)
{
    return list.join(QLatin1Char(','));
}

} // namespace

QString RiserIndex::attributeName(List list)
{
    return list == Connected ? QStringLiteral("connected") : QStringLiteral("disconnected");
}

void RiserIndex::reset()
{
    flushAll();
    m_runs.clear();
    m_byCable[Connected].clear();
    m_byCable[Disconnected].clear();
    m_order.clear();
    m_orderKnown = false;
    m_built = false;
}

void RiserIndex::startBuild()
{
    reset();
    m_built = true;
}

void RiserIndex::addRun(const QString& tag, const QDomElement& run)
{
    if (m_runs.contains(tag))
        return;
    Run& r = m_runs[tag];
    r.element = run;
    for (List list : {Connected, Disconnected}) {
        load(r, list);
        for (const QString& cable : r.lists[list].list())
            listed(list, cable, tag);
    }
}

void RiserIndex::removeRun(const QString& tag)
{
    auto it = m_runs.find(tag);
    if (it == m_runs.end())
        return;
    for (List list : {Connected, Disconnected}) {
        for (const QString& cable : it->lists[list].list())
            unlisted(list, cable, tag);
    }
    m_runs.erase(it);
    m_order.remove(tag);
}

bool RiserIndex::holds(const QString& tag, const QDomElement& run) const
{
    const auto it = m_runs.constFind(tag);
    return it != m_runs.cend() && it->element == run;
}

bool RiserIndex::add(const QString& tag, List list, const QString& cable)
{
    auto it = m_runs.find(tag);
    if (it == m_runs.end())
        return false;
    Run& r = *it;
    // A name with a comma in it is more than one name once stored.
    if (!r.plain[list] || cable.contains(QLatin1Char(','))) {
        return editText(tag, r, list, true, [&cable](QStringList& tags) {
            if (tags.contains(cable))
                return false;
            tags.append(cable);
            return true;
        });
    }
    r.pending[list] = true;
    r.create[list] = true;
    if (!r.lists[list].append(cable))
        return false;
    listed(list, cable, tag);
    return true;
}

bool RiserIndex::remove(const QString& tag, List list, const QString& cable)
{
    auto it = m_runs.find(tag);
    if (it == m_runs.end())
        return false;
    Run& r = *it;
    if (!r.plain[list]) {
        return editText(tag, r, list, false,
                        [&cable](QStringList& tags) { return tags.removeAll(cable) > 0; });
    }
    r.pending[list] = true;
    if (!r.lists[list].remove(cable))
        return false;
    unlisted(list, cable, tag);
    return true;
}

bool RiserIndex::rename(const QString& tag, List list, const QString& from, const QString& to)
{
    auto it = m_runs.find(tag);
    if (it == m_runs.end())
        return false;
    Run& r = *it;
    if (!r.plain[list] || to.contains(QLatin1Char(','))) {
        return editText(tag, r, list, false, [&](QStringList& tags) {
            if (tags.removeAll(from) == 0)
                return false;
            if (!to.isEmpty() && !tags.contains(to))
                tags.append(to);
            return true;
        });
    }
    if (!r.lists[list].remove(from))
        return false;
    unlisted(list, from, tag);
    if (!to.isEmpty() && r.lists[list].append(to))
        listed(list, to, tag);
    r.pending[list] = true;
    return true;
}

void RiserIndex::replace(const QString& tag, List list, const QString& text)
{
    auto it = m_runs.find(tag);
    if (it == m_runs.end())
        return;
    Run& r = *it;
    const QString attr = attributeName(list);
    if (!r.element.hasAttribute(attr) && !r.create[list])
        return;
    r.element.setAttribute(attr, text);
    r.pending[list] = false;
    r.create[list] = false;
    for (const QString& cable : r.lists[list].list())
        unlisted(list, cable, tag);
    load(r, list);
    for (const QString& cable : r.lists[list].list())
        listed(list, cable, tag);
}

QStringList RiserIndex::runsListing(List list, const QString& cable) const
{
    QStringList runs = m_byCable[list].value(cable);
    if (runs.size() > 1 && m_orderKnown) {
        std::sort(runs.begin(), runs.end(), [this](const QString& a, const QString& b) {
            return m_order.value(a) < m_order.value(b);
        });
    }
    return runs;
}

bool RiserIndex::isListed(const QString& cable) const
{
    return m_byCable[Connected].contains(cable) || m_byCable[Disconnected].contains(cable);
}

void RiserIndex::setOrder(const QStringList& tagsInWalkOrder)
{
    m_order.clear();
    for (qsizetype i = 0; i < tagsInWalkOrder.size(); ++i)
        m_order.insert(tagsInWalkOrder.at(i), i);
    m_orderKnown = true;
}

void RiserIndex::flush(const QString& tag)
{
    auto it = m_runs.find(tag);
    if (it == m_runs.end())
        return;
    for (List list : {Connected, Disconnected})
        write(*it, list);
}

void RiserIndex::flushAll()
{
    for (auto it = m_runs.begin(); it != m_runs.end(); ++it) {
        for (List list : {Connected, Disconnected})
            write(*it, list);
    }
}

void RiserIndex::load(Run& r, List list)
{
    const QStringList tags = splitList(r.element.attribute(attributeName(list)));
    r.lists[list].clear();
    for (const QString& cable : tags)
        r.lists[list].append(cable);
    r.plain[list] = r.lists[list].size() == tags.size();
}

void RiserIndex::write(Run& r, List list)
{
    if (!r.pending[list])
        return;
    const QString attr = attributeName(list);
    if (r.create[list] || r.element.hasAttribute(attr))
        r.element.setAttribute(attr, joinList(r.lists[list].list()));
    r.pending[list] = false;
    r.create[list] = false;
}

template <typename Edit>
bool RiserIndex::editText(const QString& tag, Run& r, List list, bool create, Edit edit)
{
    const QString attr = attributeName(list);
    QStringList tags = splitList(r.element.attribute(attr));
    const bool changed = edit(tags);
    if (create || r.element.hasAttribute(attr))
        r.element.setAttribute(attr, joinList(tags));
    for (const QString& cable : r.lists[list].list())
        unlisted(list, cable, tag);
    load(r, list);
    for (const QString& cable : r.lists[list].list())
        listed(list, cable, tag);
    return changed;
}

void RiserIndex::listed(List list, const QString& cable, const QString& run)
{
    QStringList& runs = m_byCable[list][cable];
    if (!runs.contains(run))
        runs.append(run);
}

void RiserIndex::unlisted(List list, const QString& cable, const QString& run)
{
    auto it = m_byCable[list].find(cable);
    if (it == m_byCable[list].end())
        return;
    it->removeOne(run);
    if (it->isEmpty())
        m_byCable[list].erase(it);
}
