// The job's cables listed and searched: by floor, type, port, point, bundle
// group and vertical run, answered from the cable index where it can.
#include "ductbook.h"

#include "constants_p.h"
#include "ductbook_p.h"
#include "index/namegen_p.h"

#include <QSet>

#include <algorithm>

using namespace DuctbookConstants;

// --- lists ----------------------------------------------------------------------------

QStringList Ductbook::getConnections(bool tags)
{
    return tags ? d->maps.connections.tags() : d->maps.connections.ids();
}

// A cable names its ports by id. When several ports share the id of portTag,
// the cable belongs to the one a lookup by id finds first, which need not be
// portTag.
QStringList Ductbook::getCables(const QString& portTag)
{
    if (!d->maps.ports.containsTag(portTag))
        return QStringList();
    const QString portId = d->maps.ports.id(portTag);
    if (d->maps.ports.tagsWithId(portId).size() > 1 && getPortById(portId).element() != portTag)
        return QStringList();
    return DuctbookPrivate::inOrder(d->state().byEnd, portId);
}

QStringList Ductbook::getCables(const QString& floor, const QString& typeFilter)
{
    if (typeFilter == tr("Show None"))
        return QStringList();
    const bool all = typeFilter == tr("Show All");
    const QString attr = !all && bundledCableTypeIdExists(typeFilter) ? QStringLiteral("bundleName")
                                                                      : QStringLiteral("type");
    const QDomElement list = d->getToCableList();
    QStringList found;
    QSet<QString> seen;
    for (const QString& port : getPorts(floor, true)) {
        for (const QString& tag : getCables(port)) {
            if (seen.contains(tag))
                continue;
            if (!all) {
                const QDomElement e = d->findItem(d->maps.cables.elements(), tag, list);
                if (e.attribute(attr) != typeFilter)
                    continue;
            }
            seen.insert(tag);
            found.append(tag);
        }
    }
    return found;
}

// The cables of the floor's ports, gathered port by port and then put in
// cable order, so that the cost follows the floor rather than the job.
QStringList Ductbook::getCables(const QString& floor, const QStringList& types)
{
    if (types.isEmpty())
        return QStringList();
    const QSet<QString> wanted(types.cbegin(), types.cend());
    const CableIndex& idx = d->state();
    CablesInOrder onFloor;
    for (const QString& port : getPorts(floor, false)) {
        const auto it = idx.byEnd.constFind(port);
        if (it == idx.byEnd.cend())
            continue;
        for (auto c = it->cbegin(); c != it->cend(); ++c)
            onFloor.insert(c.key(), c.value());
    }
    const QDomElement list = d->getToCableList();
    QStringList found;
    for (const QString& tag : std::as_const(onFloor)) {
        const QDomElement e = d->findItem(d->maps.cables.elements(), tag, list);
        if (wanted.contains(e.attribute(QStringLiteral("bundleName"))) ||
            wanted.contains(e.attribute(QStringLiteral("type"))))
            found.append(tag);
    }
    return found;
}

QStringList Ductbook::getCablesByType(const QString& type)
{
    const QString attr =
        bundledCableTypeIdExists(type) ? QStringLiteral("bundleName") : QStringLiteral("type");
    return d->withAttribute(attr, type);
}

QStringList Ductbook::getCablesByCategory(int category)
{
    // Each type's definition is read once, not once per cable.
    QHash<QString, int> categoryOf;
    const QDomElement list = d->getToCableList();
    QStringList found;
    for (const QString& tag : d->maps.currentCableTags.list()) {
        const QDomElement e = d->findItem(d->maps.cables.elements(), tag, list);
        if (e.isNull())
            continue;
        const QString type = e.attribute(QStringLiteral("type"));
        auto it = categoryOf.constFind(type);
        if (it == categoryOf.cend())
            it = categoryOf.insert(type, getTestDef(type).cable_category());
        if (it.value() == category)
            found.append(tag);
    }
    return found;
}

QStringList Ductbook::getCablesInSameBundleGroup(const QString& groupNum, bool tags)
{
    if (!bundleGroupNumExists(groupNum))
        return QStringList();
    return d->named(DuctbookPrivate::inOrder(d->state().byGroup, groupNum), tags);
}

QStringList Ductbook::getCablesWithBundleName(const QString& name, bool tags)
{
    if (!bundledCableTypeIdExists(name))
        return QStringList();
    return d->named(d->withAttribute(QStringLiteral("bundleName"), name), tags);
}

QStringList Ductbook::getCablesConnectedToPort(const QString& portId, bool tags)
{
    return d->named(DuctbookPrivate::inOrder(d->state().byEnd, portId), tags);
}

QStringList Ductbook::getCablesWithPoint(const QString& pointId, bool tags)
{
    return d->named(DuctbookPrivate::inOrder(d->state().byPoint, pointId), tags);
}

// In the order of the connection map, that is by tag.
QStringList Ductbook::getConnections(const QString& deviceId, int unused)
{
    Q_UNUSED(unused)
    return d->connectionState().byEnd.value(deviceId).keys();
}

// The connections of every device and then every vertex of the sheet, each
// once.
QStringList Ductbook::getConnections(const QString& sheet)
{
    const ConnectionIndex& idx = d->connectionState();
    QStringList found;
    QSet<QString> seen;
    const QStringList items = getDevices(sheet, false) + getVertices(sheet, false);
    for (const QString& id : items) {
        const auto it = idx.byEnd.constFind(id);
        if (it == idx.byEnd.cend())
            continue;
        for (auto c = it->cbegin(); c != it->cend(); ++c) {
            if (!seen.contains(c.key())) {
                seen.insert(c.key());
                found.append(c.key());
            }
        }
    }
    return found;
}

bool Ductbook::bundleGroupNumExists(const QString& groupNum)
{
    return d->state().byGroup.contains(groupNum);
}

bool Ductbook::cableIsInBundle(const QString& tag)
{
    const QString name = getCableBundleName(tag);
    return !name.isNull() && !name.isEmpty();
}

// --- cables and vertical runs ---------------------------------------------------------

// A cable whose two end ports are found on one floor needs no riser: it
// leaves every run list and loses its path. A cable with an end that names no
// port is left alone; nothing says where it runs.
void DuctbookPrivate::detachSameFloorCables()
{
    const QSet<QString> listed = cablesInVertRuns();
    if (listed.isEmpty())
        return;
    const QStringList tags = q->getCables(true);
    QSet<QString> detached;
    for (const QString& tag : tags) {
        if (!listed.contains(tag))
            continue;
        const Port from = q->getPortById(q->getCableFrom(tag));
        const Port to = q->getPortById(q->getCableTo(tag));
        if (from.element().isEmpty() || to.element().isEmpty() || from.floor() != to.floor())
            continue;
        detached.insert(tag);
        q->setCablePath(tag, QStringList());
    }
    removeCablesFromAllVRLists(detached);
}
