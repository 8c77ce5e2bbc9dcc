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
    const QMap<QString, QString>& map = maps.cables.names().map();
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
        const QDomElement e = findItem(maps.connections.elements(), tag, list);
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

// --- the hooks of the cable and connection operations ------------------------

// A new cable e of tag is in the tree, last in its list.
void DuctbookPrivate::cableAdded(const QString& tag, const QDomElement& e)
{
    const QString id = e.attribute(QStringLiteral("id"));
    maps.cables.added(tag, id, e);
    maps.cableTypes.add(e.attribute(QStringLiteral("type")), tag);
    maps.currentCableIds.append(id);
    maps.currentCableTags.append(tag);
    CableIndex& idx = maps.cableIndex;
    if (!idx.built)
        return;
    addEntry(idx, tag,
             CableEntry{e.attribute(QStringLiteral("from")), e.attribute(QStringLiteral("to")),
                        e.attribute(QStringLiteral("bundleGroupNum")),
                        pointsOf(e.attribute(QStringLiteral("path"))), 0});
    countId(idx, id, 1);
}

// The cable e of tag has left the tree. The current ids lose its id when no
// other cable has it.
void DuctbookPrivate::cableRemoved(const QString& tag, const QDomElement& e)
{
    const bool mapped = maps.cables.containsTag(tag);
    const QString id = mapped ? maps.cables.id(tag) : e.attribute(QStringLiteral("id"));
    maps.cables.removed(tag, e);
    maps.cableTypes.remove(tag);
    maps.currentCableTags.remove(tag);
    if (!maps.cables.containsId(id))
        maps.currentCableIds.remove(id);
    CableIndex& idx = maps.cableIndex;
    if (!idx.built)
        return;
    if (mapped)
        countId(idx, id, -1);
    removeEntry(idx, tag);
    idx.idHint.clear();
}

// One field of the cable e of tag changed in the tree; what is derived from
// that field follows the element.
void DuctbookPrivate::cableChanged(const QString& tag, const QDomElement& e, CableField field)
{
    CableIndex& idx = maps.cableIndex;
    switch (field) {
    case CableField::Ends: {
        const QString from = e.attribute(QStringLiteral("from"));
        const QString to = e.attribute(QStringLiteral("to"));
        refile(idx, tag, [&](CableEntry& entry) {
            entry.from = from;
            entry.to = to;
        });
        break;
    }
    case CableField::Group: {
        const QString group = e.attribute(QStringLiteral("bundleGroupNum"));
        refile(idx, tag, [&group](CableEntry& entry) { entry.group = group; });
        break;
    }
    case CableField::Path: {
        const QStringList points = pointsOf(e.attribute(QStringLiteral("path")));
        refile(idx, tag, [&points](CableEntry& entry) { entry.points = points; });
        break;
    }
    case CableField::Type:
        // The cable goes last among the cables of its type, even when the
        // type is the one it had.
        maps.cableTypes.add(e.attribute(QStringLiteral("type")), tag);
        break;
    case CableField::Id: {
        const QString oldId = maps.cables.id(tag);
        const QString newId = e.attribute(QStringLiteral("id"));
        if (idx.built && maps.cables.containsTag(tag))
            countId(idx, oldId, -1);
        maps.cables.renamed(e, newId);
        if (idx.built && maps.cables.containsTag(tag))
            countId(idx, maps.cables.id(tag), 1);
        if (!maps.cables.containsId(oldId))
            maps.currentCableIds.remove(oldId);
        maps.currentCableIds.append(newId);
        idx.idHint.clear();
        break;
    }
    }
}

void DuctbookPrivate::connectionAdded(const QString& tag, const QDomElement& e)
{
    maps.connections.added(tag, e.attribute(QStringLiteral("id")), e);
    refileConnection(tag);
}

void DuctbookPrivate::connectionRemoved(const QString& tag, const QDomElement& e)
{
    maps.connections.removed(tag, e);
    refileConnection(tag);
}
