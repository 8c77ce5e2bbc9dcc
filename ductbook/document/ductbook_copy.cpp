// Copying everything that lies on one floor onto another floor, and
// everything on one sheet onto another sheet.
#include "ductbook.h"

#include "constants_p.h"
#include "ductbook_p.h"

#include <QHash>
#include <QSet>

#include <functional>

using namespace DuctbookConstants;

namespace {

// The id a copy gets: the old id when it is free, else the old id followed by
// the first free letter A to Z; when all 26 are taken the base grows by "A"
// and the letters start again (P7, P7A ... P7Z, P7AA, P7AB ...).
QString copiedId(const QString& id, const std::function<bool(const QString&)>& exists)
{
    if (!exists(id))
        return id;
    QString base = id;
    for (;;) {
        for (char16_t letter = u'A'; letter <= u'Z'; ++letter) {
            const QString candidate = base + QChar(letter);
            if (!exists(candidate))
                return candidate;
        }
        base += QLatin1Char('A');
    }
}

QString undefinedRoom()
{
    return name(UndefinedRoom);
}

} // namespace

void Ductbook::copyFloor(const QString& fromTag, const QString& toTag,
                         QMap<QString, QString> cableIds, bool useCableIds)
{
    if (d->getToFloor(fromTag).isNull() || d->getToFloor(toTag).isNull())
        return;

    // Old point id -> new point id; the paths of cables hold point ids.
    QHash<QString, QString> pointIds;
    for (const QString& tag : getPoints(fromTag, true)) {
        const Vertice point = getPointByTag(fromTag, tag);
        const QString newTag =
            addPoint(toTag, point.x(), point.y(), QString(), QLatin1String(PointElement), 0);
        pointIds.insert(point.id(), d->maps.points.id(newTag));
    }

    for (const QString& tag : getFloorFreeTexts(fromTag, true)) {
        const FreeText text = getFloorFreeTextByTag(fromTag, tag);
        addFloorFreeText(toTag, text.x(), text.y(), text.id(), text.fontSize());
    }

    // Old room tag -> new room tag.
    const QStringList rooms = getRooms(fromTag, true);
    QHash<QString, QString> roomTags;
    for (const QString& tag : rooms) {
        if (tag == undefinedRoom()) {
            roomTags.insert(tag, undefinedRoom());
            continue;
        }
        const Room room = getRoomByTag(fromTag, tag);
        roomTags.insert(tag, addRoom(toTag, int(room.x()), int(room.y()), int(room.width()),
                                     int(room.height()), QString(), room.id(),
                                     int(room.roomNameX()), int(room.roomNameY()),
                                     room.showDimensions(), room.showRoomName(), room.layer(), 1));
    }

    // Old port or vertical-run id -> new id: the ends of cables; and old run
    // tag -> new run tag for the run lists of cables through the risers.
    QHash<QString, QString> endIds;
    QHash<QString, QString> runTags;
    QSet<QString> portIdsOnFloor;
    for (const QString& roomTag : rooms) {
        const QString newRoom = roomTags.value(roomTag);
        for (const QString& tag : getPorts(fromTag, roomTag, true)) {
            const Port port = getPortByTag(fromTag, roomTag, tag);
            const QString newId =
                copiedId(port.id(), [this](const QString& id) { return portExists(id, false); });
            addPort(toTag, newRoom, port.x(), port.y(), QString(), newId, port.use(),
                    port.iconScale(), port.dropHeight(), 1);
            endIds.insert(port.id(), newId);
            portIdsOnFloor.insert(port.id());
        }
    }
    for (const QString& roomTag : rooms) {
        const QString newRoom = roomTags.value(roomTag);
        for (const QString& tag : getVertRuns(fromTag, roomTag, true)) {
            const VertRun run = getVertRunByTag(fromTag, roomTag, tag);
            const QString newId =
                copiedId(run.id(), [this](const QString& id) { return vertRunExists(id, false); });
            QStringList noCables;
            QStringList noCablesEither;
            runTags.insert(tag, addVertRun(toTag, newRoom, run.x(), run.y(), noCables,
                                           noCablesEither, QString(), newId, run.use(),
                                           run.iconScale(), run.dropHeight(), 1));
            endIds.insert(run.id(), newId);
        }
    }

    // Every cable any run of the job lists.
    const QSet<QString> inRuns = d->cablesInVertRuns();

    const QStringList types = getTypes();
    const QSet<QString> knownTypes(types.cbegin(), types.cend());
    // The copies of one bundle share their new group as the originals share
    // the old one: the new number is found once per old group.
    QHash<QString, QString> groupNums;
    const QString pointMarker = QLatin1String(EndFirstFloor);

    const QStringList floorCables = getCables(fromTag, types);
    for (const QString& tag : floorCables) {
        const Cable cable = getCable(tag);
        if (!knownTypes.contains(cable.type()))
            continue;

        QString from = endIds.value(cable.from());
        QString to = endIds.value(cable.to());
        QStringList path;
        QString runTag;
        if (inRuns.contains(tag)) {
            // Only this floor's half of a cable between floors is copied. Its
            // path lists the points of the start floor, the marker, then the
            // points of the end floor: the points before the marker belong to
            // this floor when the kept end is the start ("from"), the points
            // after it when the kept end is "to". An end on this floor at both
            // ends keeps all points.
            const bool keepFrom = portIdsOnFloor.contains(cable.from());
            const bool keepTo = portIdsOnFloor.contains(cable.to());
            if (!keepFrom)
                from.clear();
            if (!keepTo)
                to.clear();
            const QStringList oldPath = cable.path();
            const qsizetype marker = oldPath.indexOf(pointMarker);
            qsizetype first = 0;
            qsizetype last = oldPath.size();
            if (marker >= 0 && keepFrom && !keepTo)
                last = marker;
            else if (marker >= 0 && keepTo && !keepFrom)
                first = marker + 1;
            for (qsizetype i = first; i < last; ++i) {
                const QString mapped = pointIds.value(oldPath.at(i));
                if (!mapped.isEmpty() && !path.contains(mapped))
                    path.append(mapped);
            }
            const QString run = d->firstRunListing(fromTag, tag, !cable.to().isEmpty());
            if (!run.isEmpty())
                runTag = runTags.value(run);
        } else {
            for (const QString& point : cable.path()) {
                const QString mapped = pointIds.value(point);
                if (!mapped.isEmpty())
                    path.append(mapped);
            }
        }

        QString group = cable.bundleGroupNum();
        if (cableIsInBundle(tag)) {
            auto known = groupNums.constFind(group);
            if (known != groupNums.cend()) {
                group = known.value();
            } else {
                qint64 n = group.toLongLong();
                do {
                    ++n;
                } while (bundleGroupNumExists(QString::number(n)));
                groupNums.insert(group, QString::number(n));
                group = QString::number(n);
            }
        }

        // A caller's id map that lacks the cable would give the copy an empty
        // id; such a copy is numbered instead.
        const bool mapped = useCableIds && cableIds.contains(cable.id());
        const QString id = mapped ? cableIds.value(cable.id()) : tr("Cable");
        TestResults untested;
        const qsizetype before = d->maps.currentCableTags.size();
        addCable(QString(), id, cable.use(), to, from, cable.type(), cable.bundleName(),
                 cable.bundleNum(), group, cable.color(), path, untested, mapped ? 1 : 0);
        if (d->maps.currentCableTags.size() == before)
            continue;
        if (!runTag.isEmpty())
            addDisconnectedCableToVertRun(runTag, d->maps.currentCableTags.last());
    }
    setChanged(true);
}

void Ductbook::copySheet(const QString& fromTag, const QString& toTag)
{
    if (d->getToSheet(fromTag).isNull() || d->getToSheet(toTag).isNull())
        return;
    for (const QString& tag : getDevices(fromTag, true)) {
        Device device = getDeviceByTag(fromTag, tag);
        device.setSheet(toTag);
        addDevice(device, 0);
    }
    for (const QString& tag : getVertices(fromTag, true)) {
        Vertice vertice = getVerticeByTag(fromTag, tag);
        vertice.setSheet(toTag);
        addVertice(vertice, 0);
    }
    for (const QString& tag : getFreeTexts(fromTag, true)) {
        FreeText text = getFreeTextByTag(fromTag, tag);
        text.setSheet(toTag);
        addFreeText(text, 0);
    }
    setChanged(true);
}
