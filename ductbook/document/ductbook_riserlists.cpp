// The cable lists of the vertical runs: which cables pass through each riser
// (connected on its floor, or only passing through), read and edited through
// the riser index, which answers "which runs list this cable" without
// walking every run.
#include "ductbook.h"

#include "constants_p.h"
#include "ductbook_p.h"
#include "listtext_p.h"

using namespace DuctbookConstants;
using namespace ListText;

// The riser index, built on first use; null while the file repeats run
// tags, since then only a walk tells which element a lookup finds.
RiserIndex* DuctbookPrivate::risers()
{
    RiserIndex& idx = maps.risers;
    if (maps.vertRuns.elements().irregular()) {
        idx.reset();
        return nullptr;
    }
    if (!idx.isBuilt()) {
        idx.startBuild();
        forEachRun([&idx](const Place& p) {
            idx.addRun(p.run.tagName(), p.run);
            return false;
        });
    }
    return &idx;
}

// The index with the walk order of its runs known, for answers that list
// runs in that order.
RiserIndex* DuctbookPrivate::orderedRisers()
{
    RiserIndex* idx = risers();
    if (idx && !idx->orderKnown()) {
        QStringList order;
        forEachRun([&order](const Place& p) {
            order.append(p.run.tagName());
            return false;
        });
        idx->setOrder(order);
    }
    return idx;
}

RiserIndex::List DuctbookPrivate::listOf(const QString& attr)
{
    return attr == attrConnected() ? RiserIndex::Connected : RiserIndex::Disconnected;
}

// The index that holds the run at p; null (and the index dropped) when it
// does not: every run a walk reaches is held, and a run edited outside it
// would leave it stale.
RiserIndex* DuctbookPrivate::holding(const Place& p)
{
    RiserIndex* idx = risers();
    if (idx && !idx->holds(p.run.tagName(), p.run)) {
        idx->reset();
        return nullptr;
    }
    return idx;
}

// Adds cable to one list of the run of runTag, once. A run element that
// lacks the list attribute gets it: dropping the cable would lose the
// route without a word to the caller.
void DuctbookPrivate::addToList(const QString& runTag, const QString& attr, const QString& cable)
{
    Place p = locate(runTag);
    if (p.isNull() || cable.isEmpty())
        return;
    if (RiserIndex* idx = holding(p)) {
        idx->add(p.run.tagName(), listOf(attr), cable);
    } else {
        QStringList list = splitList(p.run.attribute(attr));
        if (!list.contains(cable))
            list.append(cable);
        p.run.setAttribute(attr, joinList(list));
    }
    q->setChanged(true);
}

void DuctbookPrivate::removeFromList(const QString& runTag, const QString& attr,
                                     const QString& cable)
{
    Place p = locate(runTag);
    if (p.isNull())
        return;
    if (RiserIndex* idx = holding(p)) {
        idx->remove(p.run.tagName(), listOf(attr), cable);
    } else {
        QStringList list = splitList(p.run.attribute(attr));
        list.removeAll(cable);
        q->setChildAttr(attr, joinList(list), p.run);
    }
    q->setChanged(true);
}

// A whole list overwritten (only when the element has the attribute). The
// index holds every run a walk reaches; one it does not hold (on a floor
// the floor map does not name) is written directly.
void DuctbookPrivate::replaceList(const QString& floor, const QString& room, const QString& tag,
                                  const QString& attr, const QString& joined)
{
    Place p = inRoom(floor, room, tag);
    if (p.isNull())
        return;
    RiserIndex& idx = maps.risers;
    if (idx.holds(p.run.tagName(), p.run))
        idx.replace(p.run.tagName(), listOf(attr), joined);
    else
        q->setChildAttr(attr, joined, p.run);
    q->setChanged(true);
}

// The tags of the runs whose list attr holds cable, in walk order.
QStringList DuctbookPrivate::runsListing(const QString& attr, const QString& cable)
{
    if (const RiserIndex* idx = orderedRisers())
        return idx->runsListing(listOf(attr), cable);
    QStringList tags;
    forEachRun([&](const Place& p) {
        if (splitList(p.run.attribute(attr)).contains(cable) && !tags.contains(p.run.tagName()))
            tags.append(p.run.tagName());
        return false;
    });
    return tags;
}

// --- the cable lists ------------------------------------------------------------------

void Ductbook::setVertRunConnectedList(const QString& floor, const QString& room,
                                       const QString& tag, const QString& joined)
{
    d->replaceList(floor, room, tag, attrConnected(), joined);
}

void Ductbook::setVertRunDisconnectedList(const QString& floor, const QString& room,
                                          const QString& tag, const QString& joined)
{
    d->replaceList(floor, room, tag, attrDisconnected(), joined);
}

void Ductbook::addConnectedCableToVertRun(const QString& runTag, const QString& cableTag)
{
    d->addToList(runTag, attrConnected(), cableTag);
}

void Ductbook::addDisconnectedCableToVertRun(const QString& runTag, const QString& cableTag)
{
    d->addToList(runTag, attrDisconnected(), cableTag);
}

void Ductbook::removeConnectedCableFromVertRun(const QString& runTag, const QString& cableTag)
{
    d->removeFromList(runTag, attrConnected(), cableTag);
}

void Ductbook::removeDisconnectedCableFromVertRun(const QString& runTag, const QString& cableTag)
{
    d->removeFromList(runTag, attrDisconnected(), cableTag);
}

QStringList Ductbook::findCableConnectedLists(const QString& cableTag)
{
    return d->runsListing(attrConnected(), cableTag);
}

QStringList Ductbook::findCableDisconnectedLists(const QString& cableTag)
{
    return d->runsListing(attrDisconnected(), cableTag);
}

QStringList Ductbook::getVertRunsWithCableInConnectedList(const QString& cableTag)
{
    return d->runsListing(attrConnected(), cableTag);
}

QStringList Ductbook::getVertRunsWithCableInDisconnectedList(const QString& cableTag)
{
    return d->runsListing(attrDisconnected(), cableTag);
}

void Ductbook::removeCableFromAllVRLists(const QString& cableTag)
{
    d->removeCablesFromAllVRLists({cableTag});
}

void DuctbookPrivate::removeCablesFromAllVRLists(const QSet<QString>& cableTags)
{
    if (cableTags.isEmpty())
        return;
    if (RiserIndex* idx = risers()) {
        editListsNaming(*idx, cableTags.values(),
                        [idx](const QString& run, RiserIndex::List list, const QString& cable) {
                            return idx->remove(run, list, cable);
                        });
        return;
    }
    editAllLists([&](QStringList& list) {
        return list.removeIf([&](const QString& t) { return cableTags.contains(t); }) > 0;
    });
}

// The new tag takes the old one's place at the end of each list that held the
// old one, once.
void Ductbook::renameCableInAllVertRuns(const QString& oldTag, const QString& newTag)
{
    if (oldTag == newTag)
        return;
    if (RiserIndex* idx = d->risers()) {
        d->editListsNaming(
            *idx, {oldTag},
            [idx, &newTag](const QString& run, RiserIndex::List list, const QString& cable) {
                return idx->rename(run, list, cable, newTag);
            });
        return;
    }
    d->editAllLists([&](QStringList& list) {
        if (list.removeAll(oldTag) == 0)
            return false;
        if (!newTag.isEmpty() && !list.contains(newTag))
            list.append(newTag);
        return true;
    });
}
