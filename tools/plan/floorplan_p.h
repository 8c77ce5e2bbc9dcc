// Drawing one floor of a job as SVG: rooms with their names, ports and
// vertical runs as symbols in the colour of their use with their ids, path
// points, floor texts, and the route of every cable on the floor in the
// cable's colour. The floor plan and the cable trace both draw with it.
#ifndef FLOORPLAN_P_H
#define FLOORPLAN_P_H

#include "jobmodel_p.h"
#include "svgwriter_p.h"

#include <QHash>
#include <QList>
#include <QRect>

#include <memory>

namespace Plan {

class FloorPlan
{
public:
    // Routes every cable of cables once and files its legs by floor.
    FloorPlan(const JobModel& model, const QList<CableLine>& cables);

    const JobModel& model() const { return m_model; }

    // What the floor's drawing covers, in drawing units.
    QRect bounds(int floor) const;

    // Draws the floor in its own drawing units. With a highlighted cable
    // tag, that cable is drawn wide on top and every other cable thin and
    // grey.
    void draw(SvgWriter& svg, int floor, const QString& highlight = QString()) const;

    // A row of legend entries (the uses of the floor's ports and runs, then
    // the cable types with their colours) from (x, y), wrapped at width;
    // returns the height used. useLabels gives the text shown for a use.
    int drawLegend(SvgWriter& svg, int floor, const QPoint& at, int width,
                   const QHash<QString, QString>& useLabels) const;
    int legendHeight(int floor, int width) const;

    // Where draw() writes the id of each vertical run and port of the floor
    // (the runs first, then the ports, each in floor order), clear of the
    // other symbols, walls and labels: the start, middle or end of the
    // text's baseline, as anchor says, and the box the text covers.
    struct LabelPlace
    {
        QPointF at;
        SvgWriter::Anchor anchor;
        QRect box;
    };
    QList<LabelPlace> labelPlaces(int floor) const;

    // Every text draw() writes beside the floor's items, placed once.
    struct PlacedLabel
    {
        enum Kind { Room, Place, Mark, CableId } kind;
        QString text;
        int size = 10;
        QPointF at;
        SvgWriter::Anchor anchor = SvgWriter::Start;
        QRect box; // what the text covers, upright or turned
        double angle = 0; // degrees; cable ids turn with their route
        bool leader = false; // placed away from its item, with a line to it
        QPointF leaderFrom;
        QPointF leaderTo;
        int cable = -1; // for marks and cable ids
    };
    // A cable's end drawn without a route: a short line from a port towards
    // where the cable goes (its other end on this floor, else the floor's
    // nearest edge).
    struct Stub
    {
        int cable;
        QPoint from;
        QPoint to;
    };
    struct Layout
    {
        QList<PlacedLabel> labels; // rooms, runs, ports, marks, cable ids
        QList<Stub> stubs;
        QList<QRect> symbols; // ports, runs and path points
        QList<QRect> walls;
        QRect extent; // everything drawn, labels included
    };
    // Computed on first use and kept.
    const Layout& layout(int floor) const;

    struct Leg
    {
        int cable; // index into the cable list
        RouteLeg leg;
        // A cable on one floor with no path points: its route is unknown,
        // so drawings show a stub at each end instead of a straight line.
        bool direct = false;
    };
    const QList<Leg>& legs(int floor) const;
    const CableLine& cable(int index) const { return m_cables.at(index); }
    int cableCount() const { return int(m_cables.size()); }

private:
    struct LegendEntry
    {
        QString key;
        QString color;
        enum Kind { Port, Run, Cable } kind;
    };
    QList<LegendEntry> legendEntries(int floor) const;

    // An end of a cable whose route stops on this floor short of a port
    // or vertical run, with the words that say where the cable goes.
    struct LooseEnd
    {
        int cable;
        QPoint at;
        QPoint toward; // the far end on this floor; null: the nearest edge
        bool stub;     // draw a short line from at
        QString mark;
    };
    Layout makeLayout(int floor) const;

    const JobModel& m_model;
    QList<CableLine> m_cables;
    QHash<int, QList<Leg>> m_legs;
    QHash<int, QList<LooseEnd>> m_loose;
    mutable QHash<int, std::shared_ptr<const Layout>> m_layouts;
};

// Sizes shared by the pictures, in drawing units.
const int Margin = 30;
const double PortRadius = 7;
const double RunSize = 14;
const int LabelSize = 10;

} // namespace Plan

#endif // FLOORPLAN_P_H
