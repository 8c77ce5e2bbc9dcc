// The cable index and the connection index: what the job knows of its
// current cables (end ports, bundle groups, path points, ids) and of the ends
// of its connections without reading the tree, built on first use and kept
// in step by every cable and connection operation.
#include "ductbook.h"

#include "constants_p.h"
#include "ductbook_p.h"
#include "listtext_p.h"

#include <QHash>

using namespace DuctbookConstants;
using namespace ListText;

namespace {
bool isThreeDigitId(const QString& id, const QString& word)
{
    // The pattern is the word followed by exactly three ASCII digits, matched
    // case-sensitively; spelt out instead of a regular expression so that a
    // translated word is taken literally.
    if (id.size() != word.size() + 3 || !id.startsWith(word))
        return false;
    for (qsizetype i = word.size(); i < id.size(); ++i) {
        const char16_t c = id.at(i).unicode();
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

} // namespace

// --- the cable index --------------------------------------------------------

void DuctbookPrivate::countThreeDigitIds(CableIndex& idx, const QString& word)
{
    idx.threeDigitIds.clear();
    idx.idWord = word;
    const QMap<QString, QString>& map = maps.cables.map();
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        if (isThreeDigitId(it.value(), word))
            ++idx.threeDigitIds[it.value()];
    }
}

void DuctbookPrivate::rebuild(CableIndex& idx)
{
    idx = CableIndex();
    // One walk of the list: the first element of a tag is the cable of
    // that tag, as every lookup by tag finds it.
    QHash<QString, QDomElement> first;
    const QDomElement list = q->getElement(name(CableList));
    for (QDomElement e = list.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (!first.contains(e.tagName()))
            first.insert(e.tagName(), e);
    }
    for (const QString& tag : maps.currentCableTags.list()) {
        const QDomElement e = first.value(tag);
        CableEntry entry{e.attribute(QStringLiteral("from")), e.attribute(QStringLiteral("to")),
                         e.attribute(QStringLiteral("bundleGroupNum")),
                         pointsOf(e.attribute(QStringLiteral("path"))), 0};
        addEntry(idx, tag, entry);
    }
    countThreeDigitIds(idx, Ductbook::tr("Cable"));
    idx.built = true;
}

CableIndex& DuctbookPrivate::state()
{
    CableIndex& idx = maps.cableIndex;
    if (!idx.built)
        rebuild(idx);
    return idx;
}

// The distinct points of a path text, as getCablesWithPoint matches them.
QStringList DuctbookPrivate::pointsOf(const QString& path)
{
    QStringList points = splitPath(path);
    points.removeDuplicates();
    return points;
}

void DuctbookPrivate::file(QHash<QString, CablesInOrder>& index, const QString& key, qint64 seq,
                           const QString& tag)
{
    index[key].insert(seq, tag);
}

void DuctbookPrivate::unfile(QHash<QString, CablesInOrder>& index, const QString& key, qint64 seq)
{
    auto it = index.find(key);
    if (it == index.end())
        return;
    it->remove(seq);
    if (it->isEmpty())
        index.erase(it);
}

void DuctbookPrivate::fileEntry(CableIndex& idx, const QString& tag, const CableEntry& e)
{
    file(idx.byEnd, e.from, e.seq, tag);
    if (e.to != e.from)
        file(idx.byEnd, e.to, e.seq, tag);
    file(idx.byGroup, e.group, e.seq, tag);
    for (const QString& point : e.points)
        file(idx.byPoint, point, e.seq, tag);
}

void DuctbookPrivate::unfileEntry(CableIndex& idx, const CableEntry& e)
{
    unfile(idx.byEnd, e.from, e.seq);
    if (e.to != e.from)
        unfile(idx.byEnd, e.to, e.seq);
    unfile(idx.byGroup, e.group, e.seq);
    for (const QString& point : e.points)
        unfile(idx.byPoint, point, e.seq);
}

// A new current cable: it comes after every other one.
void DuctbookPrivate::addEntry(CableIndex& idx, const QString& tag, CableEntry entry)
{
    entry.seq = ++idx.nextSeq;
    fileEntry(idx, tag, entry);
    idx.entries.insert(tag, entry);
}

void DuctbookPrivate::removeEntry(CableIndex& idx, const QString& tag)
{
    auto it = idx.entries.find(tag);
    if (it == idx.entries.end())
        return;
    unfileEntry(idx, *it);
    idx.entries.erase(it);
}

void DuctbookPrivate::refileEnds(const QString& tag, const QDomElement& e)
{
    const QString from = e.attribute(QStringLiteral("from"));
    const QString to = e.attribute(QStringLiteral("to"));
    refile(state(), tag, [&](CableEntry& entry) {
        entry.from = from;
        entry.to = to;
    });
}

QStringList DuctbookPrivate::inOrder(const QHash<QString, CablesInOrder>& index, const QString& key)
{
    const auto it = index.constFind(key);
    return it == index.cend() ? QStringList() : it->values();
}

void DuctbookPrivate::countId(CableIndex& idx, const QString& id, int delta)
{
    if (!isThreeDigitId(id, idx.idWord))
        return;
    auto it = idx.threeDigitIds.find(id);
    if (it == idx.threeDigitIds.end()) {
        if (delta > 0)
            idx.threeDigitIds.insert(id, delta);
        return;
    }
    it.value() += delta;
    if (it.value() <= 0)
        idx.threeDigitIds.erase(it);
}

// --- the connection index ---------------------------------------------------

ConnectionIndex& DuctbookPrivate::connectionState()
{
    ConnectionIndex& idx = maps.connectionIndex;
    if (idx.built)
        return idx;
    idx = ConnectionIndex();
    const QDomElement list = getToConnectionList();
    for (const QString& tag : maps.connections.tags()) {
        const QDomElement e = findItem(maps.connectionElements, tag, list);
        if (!e.isNull())
            fileConnection(idx, tag, e);
    }
    idx.built = true;
    return idx;
}

void DuctbookPrivate::fileConnection(ConnectionIndex& idx, const QString& tag, const QDomElement& e)
{
    const QString to = e.attribute(QStringLiteral("to"));
    const QString from = e.attribute(QStringLiteral("from"));
    idx.ends.insert(tag, {to, from});
    idx.byEnd[to].insert(tag, true);
    idx.byEnd[from].insert(tag, true);
}

void DuctbookPrivate::unfileConnection(ConnectionIndex& idx, const QString& tag)
{
    const auto it = idx.ends.constFind(tag);
    if (it == idx.ends.cend())
        return;
    for (const QString& end : it.value()) {
        auto list = idx.byEnd.find(end);
        if (list == idx.byEnd.end())
            continue;
        list->remove(tag);
        if (list->isEmpty())
            idx.byEnd.erase(list);
    }
    idx.ends.erase(it);
}

// The connection of tag changed its ends (or left): filed again from its
// element when the index is built; the map entry decides whether the
// connection is listed at all, as a rebuild would.
void DuctbookPrivate::refileConnection(const QString& tag)
{
    ConnectionIndex& idx = maps.connectionIndex;
    if (!idx.built)
        return;
    unfileConnection(idx, tag);
    if (!maps.connections.containsTag(tag))
        return;
    const QDomElement e = connection(tag);
    if (!e.isNull())
        fileConnection(idx, tag, e);
}
