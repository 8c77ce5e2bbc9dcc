// One floor of the job as graphics items, one per model item: the
// background picture, rooms, ports, vertical runs, path points, texts and
// the leg of every cable route that lies on the floor. Built from the job
// document when the floor is shown; the scene keeps which cable is traced,
// and the route items read it when they paint.
#ifndef FLOORSCENE_H
#define FLOORSCENE_H

#include "planstyle.h"

#include <QGraphicsScene>
#include <QHash>

class JobDocument;
class PlaceItem;
class RoomItem;
class RouteItem;
class PathPointItem;

class FloorScene : public QGraphicsScene
{
    Q_OBJECT
public:
    FloorScene(const JobDocument& document, int floor, const PlanStyle& style,
               QObject* parent = nullptr);

    int floor() const { return m_floor; }
    // What the floor's drawing covers, with a margin.
    QRectF floorRect() const { return m_floorRect; }

    // The items of the floor's model items; null when the floor has none.
    RouteItem* route(int cable) const { return m_routes.value(cable); }
    PlaceItem* port(const QString& tag) const { return m_ports.value(tag); }
    PlaceItem* portById(const QString& id) const;
    PlaceItem* riser(const QString& tag) const { return m_risers.value(tag); }
    PlaceItem* riserAt(int runIndex) const { return m_riserList.value(runIndex); }
    RoomItem* room(const QString& tag) const { return m_rooms.value(tag); }

    // The traced cable's route is drawn wide on top, every other route thin
    // and grey; -1 draws every route in its own colour.
    int tracedCable() const { return m_traced; }
    void setTracedCable(int cable);

    void setShowRoomNames(bool show);
    void setShowPathPoints(bool show);

private:
    void addBackground(const JobDocument& document, const PlanStyle& style);

    int m_floor;
    QRectF m_floorRect;
    int m_traced = -1;
    QHash<int, RouteItem*> m_routes;
    QHash<QString, PlaceItem*> m_ports;
    QHash<QString, PlaceItem*> m_portsById;
    QHash<QString, PlaceItem*> m_risers;
    QList<PlaceItem*> m_riserList;
    QList<PlaceItem*> m_portList;
    QHash<QString, RoomItem*> m_rooms;
    QList<PathPointItem*> m_points;
};

#endif // FLOORSCENE_H
