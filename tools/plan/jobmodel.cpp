#include "jobmodel_p.h"

#include <ductbook.h>

#include <QColor>

namespace Plan {

namespace {

PlaceItem placeOf(const Port& p, const QString& roomId, bool isRun)
{
    PlaceItem item;
    item.tag = p.element();
    item.id = p.id();
    item.floor = p.floor();
    item.room = p.room();
    item.roomId = roomId;
    item.use = p.use();
    item.pos = QPoint(p.x(), p.y());
    item.iconScale = p.iconScale();
    item.dropHeight = p.dropHeight();
    item.isRun = isRun;
    return item;
}

} // namespace

JobModel::JobModel(Ductbook& job)
{
    const QStringList tags = job.getFloorTags();
    for (const QString& tag : tags)
        readFloor(job, tag);
}

void JobModel::readFloor(Ductbook& job, const QString& tag)
{
    const int index = int(m_floors.size());
    m_floorByTag.insert(tag, index);
    m_floors.append(FloorItem());
    FloorItem& floor = m_floors.last();
    floor.tag = tag;
    floor.id = job.getFloorIdByTag(tag);

    const QStringList roomTags = job.getRooms(tag, true);
    const QStringList roomIds = job.getRooms(tag, false);
    for (int r = 0; r < roomTags.size(); ++r) {
        const QString& roomTag = roomTags.at(r);
        const QString roomId = roomIds.value(r);
        if (roomTag != Room::undefinedTag()) {
            const Room room = job.getRoomByTag(tag, roomTag);
            RoomItem item;
            item.tag = roomTag;
            item.id = room.id();
            item.rect = QRect(int(room.x()), int(room.y()), int(room.width()), int(room.height()));
            item.label = QPoint(int(room.roomNameX()), int(room.roomNameY()));
            floor.rooms.append(item);
        }
        for (const QString& portTag : job.getPorts(tag, roomTag, true)) {
            const Port p = job.getPortByTag(tag, roomTag, portTag);
            if (!m_portById.contains(p.id()))
                m_portById.insert(p.id(), {index, int(floor.ports.size())});
            floor.ports.append(placeOf(p, roomId, false));
        }
        for (const QString& runTag : job.getVertRuns(tag, roomTag, true)) {
            VertRun run = job.getVertRunByTag(tag, roomTag, runTag);
            PlaceItem item = placeOf(run, roomId, true);
            item.connected = run.connected();
            item.disconnected = run.disconnected();
            const int runIndex = int(floor.runs.size());
            for (const QString& cable : item.connected)
                m_runsByCable[cable].append({index, runIndex, true});
            for (const QString& cable : item.disconnected)
                m_runsByCable[cable].append({index, runIndex, false});
            floor.runs.append(item);
        }
    }
    for (const QString& pointTag : job.getPoints(tag, true)) {
        const Vertice v = job.getPointByTag(tag, pointTag);
        if (!m_pointById.contains(v.id()))
            m_pointById.insert(v.id(), {index, int(floor.points.size())});
        floor.points.append({v.element(), v.id(), QPoint(v.x(), v.y())});
    }
    for (const QString& textTag : job.getFloorFreeTexts(tag, true)) {
        const FreeText t = job.getFloorFreeTextByTag(tag, textTag);
        floor.texts.append({t.id(), QPoint(t.x(), t.y()), t.fontSize()});
    }
}

int JobModel::floorIndex(const QString& idOrTag) const
{
    for (int i = 0; i < m_floors.size(); ++i) {
        if (m_floors.at(i).id == idOrTag)
            return i;
    }
    return floorIndexOfTag(idOrTag);
}

const PlaceItem* JobModel::port(const QString& id) const
{
    const auto it = m_portById.constFind(id);
    if (it == m_portById.constEnd())
        return nullptr;
    return &m_floors.at(it->first).ports.at(it->second);
}

QPoint JobModel::pointOn(int floor, const QString& id, bool* found) const
{
    const auto it = m_pointById.constFind(id);
    *found = it != m_pointById.constEnd() && it->floor == floor;
    return *found ? m_floors.at(floor).points.at(it->point).pos : QPoint();
}

int JobModel::runOn(int floor, const QString& cableTag) const
{
    int disconnected = -1;
    for (const RunRef& r : m_runsByCable.value(cableTag)) {
        if (r.floor != floor)
            continue;
        if (r.connected)
            return r.run;
        if (disconnected < 0)
            disconnected = r.run;
    }
    return disconnected;
}

QList<RouteLeg> JobModel::route(const CableLine& cable) const
{
    const PlaceItem* from = port(cable.from);
    const PlaceItem* to = port(cable.to);
    const int fromFloor = from ? floorIndexOfTag(from->floor) : -1;
    const int toFloor = to ? floorIndexOfTag(to->floor) : -1;

    QStringList first;
    QStringList last;
    const QString floorChange = Cable::floorChangeMarker();
    bool changed = false;
    for (const QString& entry : cable.path) {
        if (entry == floorChange)
            changed = true;
        else if (!entry.isEmpty())
            (changed ? last : first).append(entry);
    }
    auto addPoints = [this](RouteLeg* leg, const QStringList& ids) {
        for (const QString& id : ids) {
            bool found = false;
            const QPoint p = pointOn(leg->floor, id, &found);
            if (found)
                leg->points.append(p);
        }
    };

    QList<RouteLeg> legs;
    if (from && to && fromFloor == toFloor) {
        RouteLeg leg;
        leg.floor = fromFloor;
        leg.points.append(from->pos);
        addPoints(&leg, first + last);
        leg.points.append(to->pos);
        legs.append(leg);
        return legs;
    }
    if (from) {
        RouteLeg leg;
        leg.floor = fromFloor;
        leg.points.append(from->pos);
        addPoints(&leg, first);
        leg.run = runOn(fromFloor, cable.tag);
        if (leg.run >= 0)
            leg.points.append(m_floors.at(fromFloor).runs.at(leg.run).pos);
        legs.append(leg);
    }
    // Floors the cable passes through between its ends, in floor order
    // from its "from" floor towards its "to" floor.
    QList<RouteLeg> between;
    for (int f = 0; f < m_floors.size(); ++f) {
        if (f == fromFloor || f == toFloor)
            continue;
        const int run = runOn(f, cable.tag);
        if (run < 0)
            continue;
        RouteLeg leg;
        leg.floor = f;
        leg.run = run;
        leg.points.append(m_floors.at(f).runs.at(run).pos);
        between.append(leg);
    }
    if (fromFloor > toFloor && toFloor >= 0)
        std::reverse(between.begin(), between.end());
    legs += between;
    if (to) {
        RouteLeg leg;
        leg.floor = toFloor;
        leg.run = runOn(toFloor, cable.tag);
        if (leg.run >= 0)
            leg.points.append(m_floors.at(toFloor).runs.at(leg.run).pos);
        addPoints(&leg, last);
        leg.points.append(to->pos);
        legs.append(leg);
    }
    return legs;
}

CableLine JobModel::cableLine(Ductbook& job, const QString& tag)
{
    CableLine c;
    c.tag = tag;
    c.id = job.getCableID(tag);
    c.from = job.getCableFrom(tag);
    c.to = job.getCableTo(tag);
    c.type = job.getCableType(tag);
    c.color = colorName(job.getCableColor(tag));
    c.path = job.getCablePath(tag);
    return c;
}

QString JobModel::colorName(const QString& color)
{
    const QColor c(color);
    return c.isValid() ? c.name() : QStringLiteral("#000000");
}

} // namespace Plan
