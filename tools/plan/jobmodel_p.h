// What jobtool's schedule and pictures need of a job, read once: the floors
// with their rooms, ports, vertical runs, path points and texts, maps from
// port and point ids to them, and the vertical runs that list each cable.
// Commands look items up here instead of searching the job per cable.
#ifndef JOBMODEL_P_H
#define JOBMODEL_P_H

#include <QHash>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QVector>

class Ductbook;

namespace Plan {

struct RoomItem
{
    QString tag;
    QString id;
    QRect rect;
    QPoint label;
};

// A port or a vertical run.
struct PlaceItem
{
    QString tag;
    QString id;
    QString floor;
    QString room;
    QString roomId;
    QString use;
    QPoint pos;
    QString iconScale; // "not_specified" or the item's own icon size
    double dropHeight = 0;
    bool isRun = false;
    QStringList connected;
    QStringList disconnected;
};

struct PointItem
{
    QString tag;
    QString id;
    QPoint pos;
};

struct TextItem
{
    QString text;
    QPoint pos;
    int size = 10;
};

struct FloorItem
{
    QString tag;
    QString id;
    QList<RoomItem> rooms; // drawn rooms only, not "Undefined"
    QList<PlaceItem> ports;
    QList<PlaceItem> runs;
    QList<PointItem> points;
    QList<TextItem> texts;
};

// A cable as pictures need it: no test results, which are costly to read.
struct CableLine
{
    QString tag;
    QString id;
    QString from;
    QString to;
    QString type;
    QString color; // "#rrggbb"
    QStringList path;
};

// The part of a cable's route that lies on one floor, in drawing units.
struct RouteLeg
{
    int floor = -1; // index into JobModel::floors()
    QVector<QPoint> points;
    // Where the route leaves or joins the floor at a vertical run (-1: none).
    int run = -1;
};

class JobModel
{
public:
    explicit JobModel(Ductbook& job);

    const QList<FloorItem>& floors() const { return m_floors; }
    // The floor with this id, else with this tag; -1 when there is none.
    int floorIndex(const QString& idOrTag) const;
    int floorIndexOfTag(const QString& tag) const { return m_floorByTag.value(tag, -1); }

    // The port with this id (the first in floor and room order when ids
    // repeat); null when no port has it.
    const PlaceItem* port(const QString& id) const;

    // The route of a cable, floor by floor from its "from" end to its "to"
    // end: on the first floor from the port through the path points before
    // the floor-change marker to the vertical run that lists the cable; on
    // the last floor from the run through the remaining points to the port;
    // on each floor between, the run it passes. A cable on one floor runs
    // from port through every path point to port. Unknown ends and points
    // are left out.
    QList<RouteLeg> route(const CableLine& cable) const;

    static CableLine cableLine(Ductbook& job, const QString& tag);
    // The colour name of a cable as "#rrggbb"; black when it is no colour.
    static QString colorName(const QString& color);

private:
    struct RunRef
    {
        int floor;
        int run;
        bool connected;
    };
    struct PointRef
    {
        int floor;
        int point;
    };

    void readFloor(Ductbook& job, const QString& tag);
    QPoint pointOn(int floor, const QString& id, bool* found) const;
    // The run on floor that lists the cable, connected ones first; -1.
    int runOn(int floor, const QString& cableTag) const;

    QList<FloorItem> m_floors;
    QHash<QString, int> m_floorByTag;
    QHash<QString, QPair<int, int>> m_portById;
    QHash<QString, PointRef> m_pointById;
    QHash<QString, QList<RunRef>> m_runsByCable;
};

} // namespace Plan

#endif // JOBMODEL_P_H
