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
    endBatch();
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
    const bool added = r.lists[list].append(cable);
    write(r, list, true, added ? cable : QString(), QString());
    if (!added)
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
    const bool removed = r.lists[list].remove(cable);
    write(r, list, false, QString(), removed ? cable : QString());
    if (!removed)
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
    const bool added = !to.isEmpty() && r.lists[list].append(to);
    if (added)
        listed(list, to, tag);
    write(r, list, false, added ? to : QString(), from);
    return true;
}

void RiserIndex::replace(const QString& tag, List list, const QString& text)
{
    auto it = m_runs.find(tag);
    if (it == m_runs.end())
        return;
    Run& r = *it;
    writeBatched(r, list);
    const QString attr = attributeName(list);
    if (!r.element.hasAttribute(attr))
        return;
    r.element.setAttribute(attr, text);
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

void RiserIndex::load(Run& r, List list)
{
    const QString text = r.element.attribute(attributeName(list));
    const QStringList tags = splitList(text);
    r.lists[list].clear();
    for (const QString& cable : tags)
        r.lists[list].append(cable);
    r.plain[list] = r.lists[list].size() == tags.size();
    r.exact[list] = r.plain[list] && joinList(r.lists[list].list()) == text;
}

namespace {

// Where name stands as a whole entry of a list text; -1 when it does not.
qsizetype entryAt(const QString& text, const QString& name)
{
    for (qsizetype at = text.indexOf(name); at >= 0; at = text.indexOf(name, at + 1)) {
        const qsizetype end = at + name.size();
        if ((at == 0 || text.at(at - 1) == QLatin1Char(',')) &&
            (end == text.size() || text.at(end) == QLatin1Char(',')))
            return at;
    }
    return -1;
}

} // namespace

// Every edit of a plain list ends with the text written as the sequence
// joined with ",", as a whole or (while the text is exact) by cutting out the
// removed name and appending the added one. The text is taken out of the
// attribute for the edit, so that this is its only holder and it changes in
// place instead of being copied whole.
void RiserIndex::write(Run& r, List list, bool create, const QString& added,
                       const QString& removed)
{
    if (m_batch) {
        if (r.exact[list] && !create && added.isEmpty() && removed.isEmpty())
            return; // nothing to write
        if (!r.batched[Connected] && !r.batched[Disconnected])
            m_batchedRuns.append(r.element.tagName());
        r.batched[list] = true;
        r.create[list] = r.create[list] || create;
        return;
    }
    const QString attr = attributeName(list);
    QDomAttr node = r.element.attributeNode(attr);
    if (node.isNull()) {
        if (create) {
            r.element.setAttribute(attr, joinList(r.lists[list].list()));
            r.exact[list] = true;
        }
        return;
    }
    if (!r.exact[list]) {
        node.setValue(joinList(r.lists[list].list()));
        r.exact[list] = true;
        return;
    }
    if (added.isEmpty() && removed.isEmpty())
        return;
    QString text = node.value();
    node.setValue(QString());
    if (!removed.isEmpty()) {
        const qsizetype at = entryAt(text, removed);
        if (at >= 0) {
            const qsizetype end = at + removed.size();
            if (end < text.size())
                text.remove(at, removed.size() + 1);
            else if (at > 0)
                text.remove(at - 1, removed.size() + 1);
            else
                text.clear();
        }
    }
    if (!added.isEmpty()) {
        if (!text.isEmpty())
            text.append(QLatin1Char(','));
        text.append(added);
    }
    node.setValue(text);
}

void RiserIndex::writeBatched(Run& r, List list)
{
    if (!r.batched[list])
        return;
    r.batched[list] = false;
    const QString attr = attributeName(list);
    if (r.create[list] || r.element.hasAttribute(attr)) {
        r.element.setAttribute(attr, joinList(r.lists[list].list()));
        r.exact[list] = true;
    }
    r.create[list] = false;
}

void RiserIndex::endBatch()
{
    m_batch = false;
    for (const QString& tag : std::as_const(m_batchedRuns)) {
        auto it = m_runs.find(tag);
        if (it == m_runs.end())
            continue;
        for (List list : {Connected, Disconnected})
            writeBatched(*it, list);
    }
    m_batchedRuns.clear();
}

template <typename Edit>
bool RiserIndex::editText(const QString& tag, Run& r, List list, bool create, Edit edit)
{
    writeBatched(r, list);
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

#ifdef DUCTBOOK_VERIFY_INDEXES
QStringList RiserIndex::differences(const RiserIndex& fresh) const
{
    QStringList out;
    if (m_runs.size() != fresh.m_runs.size())
        out.append(QStringLiteral("the riser index holds %1 runs, a walk of the tree reaches %2")
                       .arg(m_runs.size())
                       .arg(fresh.m_runs.size()));
    for (auto it = fresh.m_runs.cbegin(); it != fresh.m_runs.cend(); ++it) {
        const auto kept = m_runs.constFind(it.key());
        if (kept == m_runs.cend()) {
            out.append(QStringLiteral("run %1 is missing from the riser index").arg(it.key()));
            continue;
        }
        if (kept->element != it->element)
            out.append(QStringLiteral("run %1: the riser index holds another element").arg(it.key()));
        for (List list : {Connected, Disconnected}) {
            if (kept->lists[list].list() != it->lists[list].list() ||
                kept->plain[list] != it->plain[list] || kept->exact[list] != it->exact[list])
                out.append(QStringLiteral("run %1: %2 list \"%3\" in the index, \"%4\" in the tree")
                               .arg(it.key(), attributeName(list),
                                    joinList(kept->lists[list].list()),
                                    it->element.attribute(attributeName(list))));
        }
    }
    for (List list : {Connected, Disconnected}) {
        if (m_byCable[list].size() != fresh.m_byCable[list].size())
            out.append(QStringLiteral("%1 lists: %2 cables listed in the index, %3 in the tree")
                           .arg(attributeName(list))
                           .arg(m_byCable[list].size())
                           .arg(fresh.m_byCable[list].size()));
        for (auto it = fresh.m_byCable[list].cbegin(); it != fresh.m_byCable[list].cend(); ++it) {
            QStringList kept = m_byCable[list].value(it.key());
            QStringList wanted = it.value();
            kept.sort();
            wanted.sort();
            if (kept != wanted)
                out.append(QStringLiteral("%1 lists: cable %2 listed by %3 in the index, by %4 in "
                                          "the tree")
                               .arg(attributeName(list), it.key(), kept.join(QLatin1Char(' ')),
                                    wanted.join(QLatin1Char(' '))));
        }
    }
    if (m_orderKnown && fresh.m_orderKnown) {
        QStringList kept = m_order.keys();
        QStringList walked = fresh.m_order.keys();
        std::sort(kept.begin(), kept.end(),
                  [this](const QString& a, const QString& b) { return m_order[a] < m_order[b]; });
        std::sort(walked.begin(), walked.end(), [&fresh](const QString& a, const QString& b) {
            return fresh.m_order[a] < fresh.m_order[b];
        });
        if (kept != walked)
            out.append(QStringLiteral("the riser index has the runs in another order than a walk"));
    }
    return out;
}
#endif
