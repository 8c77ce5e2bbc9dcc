#include "floorplan_p.h"

#include "usecolors_p.h"

#include <QMap>
#include <QSet>

namespace Plan {

namespace {

const QString RoomFill = QStringLiteral("#f7f7f2");
const QString RoomStroke = QStringLiteral("#333333");
const QString PointFill = QStringLiteral("#888888");
const QString Dimmed = QStringLiteral("#c8c8c8");
const QString Ink = QStringLiteral("#000000");
const int LegendItemWidth = 150;
const int LegendRowHeight = 18;

// Text is not measured (that would make the bytes depend on the fonts of
// the machine); this is wide enough for the common sans-serif faces.
int textWidth(const QString& text, int size)
{
    return int(text.size()) * size * 65 / 100 + 2;
}

QPoint roomLabel(const RoomItem& room)
{
    if (room.label.isNull())
        return room.rect.topLeft() + QPoint(6, 14);
    return room.label;
}

SvgWriter::Attributes dataAttributes(const QString& cls, const QString& name, const QString& id)
{
    return {{QStringLiteral("class"), cls}, {name, id}};
}

// Puts each label of a port or run next to its symbol where it covers no
// other symbol or label: to the right, else below, above, left or at a
// corner; to the right when no place is free. Boxes are filed in a grid of
// cells, so a crowded floor costs no more per label than an empty one.
class LabelPlacer
{
public:
    void take(const QRect& box)
    {
        forCells(box, [&](quint64 cell) {
            m_cells[cell].append(box);
            return false;
        });
    }

    // Where the label of a symbol of half size r at p goes: the text's
    // position and anchor.
    QPair<QPointF, SvgWriter::Anchor> place(const QPoint& p, int r, const QString& text)
    {
        const int w = textWidth(text, Plan::LabelSize);
        const int h = Plan::LabelSize + 1;
        const struct
        {
            QRect box;
            QPointF at;
            SvgWriter::Anchor anchor;
        } candidates[] = {
            {QRect(p.x() + r + 3, p.y() - 6, w, h), QPointF(p.x() + r + 3, p.y() + 4),
             SvgWriter::Start},
            {QRect(p.x() - w / 2, p.y() + r + 2, w, h), QPointF(p.x(), p.y() + r + 11),
             SvgWriter::Middle},
            {QRect(p.x() - w / 2, p.y() - r - 12, w, h), QPointF(p.x(), p.y() - r - 3),
             SvgWriter::Middle},
            {QRect(p.x() - r - 3 - w, p.y() - 6, w, h), QPointF(p.x() - r - 3, p.y() + 4),
             SvgWriter::End},
            {QRect(p.x() + r, p.y() - r - 12, w, h), QPointF(p.x() + r, p.y() - r - 3),
             SvgWriter::Start},
            {QRect(p.x() + r, p.y() + r + 2, w, h), QPointF(p.x() + r, p.y() + r + 11),
             SvgWriter::Start},
        };
        for (const auto& c : candidates) {
            if (isFree(c.box)) {
                take(c.box);
                return {c.at, c.anchor};
            }
        }
        take(candidates[0].box);
        return {candidates[0].at, candidates[0].anchor};
    }

private:
    static const int Cell = 64;

    template <typename F>
    bool forCells(const QRect& box, F f) const
    {
        for (int cx = box.left() / Cell - 1; cx <= box.right() / Cell + 1; ++cx) {
            for (int cy = box.top() / Cell - 1; cy <= box.bottom() / Cell + 1; ++cy) {
                if (f((quint64(quint32(cx)) << 32) | quint32(cy)))
                    return true;
            }
        }
        return false;
    }

    bool isFree(const QRect& box) const
    {
        return !forCells(box, [&](quint64 cell) {
            const auto it = m_cells.constFind(cell);
            if (it == m_cells.constEnd())
                return false;
            for (const QRect& r : *it) {
                if (r.intersects(box))
                    return true;
            }
            return false;
        });
    }

    QHash<quint64, QList<QRect>> m_cells;
};

} // namespace

FloorPlan::FloorPlan(const JobModel& model, const QList<CableLine>& cables)
    : m_model(model), m_cables(cables)
{
    for (int i = 0; i < m_cables.size(); ++i) {
        for (const RouteLeg& leg : model.route(m_cables.at(i))) {
            if (leg.points.size() > 1)
                m_legs[leg.floor].append({i, leg});
        }
    }
}

const QList<FloorPlan::Leg>& FloorPlan::legs(int floor) const
{
    static const QList<Leg> none;
    const auto it = m_legs.constFind(floor);
    return it == m_legs.constEnd() ? none : *it;
}

QRect FloorPlan::bounds(int floor) const
{
    const FloorItem& f = m_model.floors().at(floor);
    QRect box;
    auto add = [&box](const QRect& r) { box = box.isNull() ? r : box.united(r); };
    for (const RoomItem& r : f.rooms) {
        add(r.rect);
        const QPoint label = roomLabel(r);
        add(QRect(label.x(), label.y() - 12, textWidth(r.id, 12), 14));
    }
    // A label may go on any side of its symbol.
    const int reach = int(Plan::RunSize) / 2 + 3;
    for (const QList<PlaceItem>* places : {&f.ports, &f.runs}) {
        for (const PlaceItem& p : *places) {
            const int w = textWidth(p.id, Plan::LabelSize);
            add(QRect(p.pos.x() - reach - w, p.pos.y() - reach - Plan::LabelSize, 2 * (reach + w),
                      2 * (reach + Plan::LabelSize)));
        }
    }
    for (const PointItem& p : f.points)
        add(QRect(p.pos.x() - 4, p.pos.y() - 4, 8, 8));
    for (const TextItem& t : f.texts)
        add(QRect(t.pos.x(), t.pos.y() - t.size, textWidth(t.text, t.size), t.size + 4));
    for (const Leg& l : legs(floor)) {
        for (const QPoint& p : l.leg.points)
            add(QRect(p, QSize(1, 1)));
    }
    if (box.isNull())
        box = QRect(0, 0, 200, 100);
    return box;
}

void FloorPlan::draw(SvgWriter& svg, int floor, const QString& highlight) const
{
    const FloorItem& f = m_model.floors().at(floor);

    svg.beginGroup({{QStringLiteral("class"), QStringLiteral("rooms")}});
    for (const RoomItem& r : f.rooms) {
        svg.rect(r.rect, RoomFill, RoomStroke, 2, {{QStringLiteral("data-room"), r.id}});
        svg.text(roomLabel(r), r.id, 12, RoomStroke);
    }
    for (const TextItem& t : f.texts)
        svg.text(t.pos, t.text, t.size, QStringLiteral("#666666"));
    svg.endGroup();

    svg.beginGroup({{QStringLiteral("class"), QStringLiteral("cables")}});
    const Leg* highlighted = nullptr;
    for (const Leg& l : legs(floor)) {
        const CableLine& c = m_cables.at(l.cable);
        if (!highlight.isEmpty() && c.tag == highlight) {
            highlighted = &l;
            continue;
        }
        const bool dim = !highlight.isEmpty();
        svg.polyline(l.leg.points, dim ? Dimmed : c.color, dim ? 1.5 : 3,
                     dataAttributes(QStringLiteral("cable"), QStringLiteral("data-cable"), c.id));
    }
    if (highlighted) {
        const CableLine& c = m_cables.at(highlighted->cable);
        svg.polyline(
            highlighted->leg.points, c.color, 5,
            dataAttributes(QStringLiteral("cable traced"), QStringLiteral("data-cable"), c.id));
    }
    svg.endGroup();

    svg.beginGroup({{QStringLiteral("class"), QStringLiteral("points")}});
    for (const PointItem& p : f.points)
        svg.circle(p.pos, 3, PointFill, QStringLiteral("none"), 0,
                   {{QStringLiteral("data-point"), p.id}});
    svg.endGroup();

    svg.beginGroup({{QStringLiteral("class"), QStringLiteral("places")}});
    const int half = int(Plan::RunSize) / 2;
    for (const PlaceItem& r : f.runs)
        svg.rect(QRectF(r.pos.x() - half, r.pos.y() - half, Plan::RunSize, Plan::RunSize),
                 useColor(r.use), Ink, 1,
                 dataAttributes(QStringLiteral("run"), QStringLiteral("data-use"), r.use));
    for (const PlaceItem& p : f.ports)
        svg.circle(p.pos, Plan::PortRadius, useColor(p.use), Ink, 1,
                   dataAttributes(QStringLiteral("port"), QStringLiteral("data-use"), p.use));
    svg.endGroup();

    // Labels last, placed around what is already drawn.
    const QList<LabelPlace> places = labelPlaces(floor);
    svg.beginGroup({{QStringLiteral("class"), QStringLiteral("labels")}});
    int n = 0;
    for (const QList<PlaceItem>* items : {&f.runs, &f.ports}) {
        for (const PlaceItem& p : *items) {
            const LabelPlace& placed = places.at(n++);
            svg.text(placed.at, p.id, Plan::LabelSize, Ink, placed.anchor);
        }
    }
    svg.endGroup();
}

QList<FloorPlan::LabelPlace> FloorPlan::labelPlaces(int floor) const
{
    const FloorItem& f = m_model.floors().at(floor);
    const int half = int(Plan::RunSize) / 2;
    const int radius = int(Plan::PortRadius);
    LabelPlacer labels;
    for (const RoomItem& r : f.rooms) {
        const QPoint at = roomLabel(r);
        labels.take(QRect(at.x(), at.y() - 11, textWidth(r.id, 12), 13));
    }
    for (const PlaceItem& r : f.runs)
        labels.take(QRect(r.pos.x() - half, r.pos.y() - half, 2 * half, 2 * half));
    for (const PlaceItem& p : f.ports)
        labels.take(QRect(p.pos.x() - radius, p.pos.y() - radius, 2 * radius, 2 * radius));
    QList<LabelPlace> places;
    places.reserve(f.runs.size() + f.ports.size());
    for (const QList<PlaceItem>* items : {&f.runs, &f.ports}) {
        for (const PlaceItem& p : *items) {
            const auto placed = labels.place(p.pos, p.isRun ? half : radius, p.id);
            places.append({placed.first, placed.second});
        }
    }
    return places;
}

QList<FloorPlan::LegendEntry> FloorPlan::legendEntries(int floor) const
{
    const FloorItem& f = m_model.floors().at(floor);
    QSet<QString> portUses;
    QSet<QString> runUses;
    for (const PlaceItem& p : f.ports)
        portUses.insert(p.use);
    for (const PlaceItem& r : f.runs)
        runUses.insert(r.use);
    QList<LegendEntry> entries;
    QStringList order = useKeys();
    // Words that are no use key come last, in their own order.
    QStringList others = QStringList(portUses.cbegin(), portUses.cend()) +
                         QStringList(runUses.cbegin(), runUses.cend());
    others.sort();
    order += others;
    QSet<QString> done;
    for (const QString& use : order) {
        if (done.contains(use))
            continue;
        done.insert(use);
        if (portUses.contains(use))
            entries.append({use, useColor(use), LegendEntry::Port});
        else if (runUses.contains(use))
            entries.append({use, useColor(use), LegendEntry::Run});
    }
    QMap<QString, QString> types; // type -> colour of its first cable here
    for (const Leg& l : legs(floor)) {
        const CableLine& c = m_cables.at(l.cable);
        if (!types.contains(c.type))
            types.insert(c.type, c.color);
    }
    for (auto it = types.cbegin(); it != types.cend(); ++it)
        entries.append({it.key(), it.value(), LegendEntry::Cable});
    return entries;
}

int FloorPlan::legendHeight(int floor, int width) const
{
    const int perRow = qMax(1, width / LegendItemWidth);
    const int count = int(legendEntries(floor).size());
    return ((count + perRow - 1) / perRow) * LegendRowHeight;
}

int FloorPlan::drawLegend(SvgWriter& svg, int floor, const QPoint& at, int width,
                          const QHash<QString, QString>& useLabels) const
{
    const QList<LegendEntry> entries = legendEntries(floor);
    const int perRow = qMax(1, width / LegendItemWidth);
    svg.beginGroup({{QStringLiteral("class"), QStringLiteral("legend")}});
    for (int i = 0; i < entries.size(); ++i) {
        const LegendEntry& e = entries.at(i);
        const QPointF origin(at.x() + (i % perRow) * LegendItemWidth,
                             at.y() + (i / perRow) * LegendRowHeight + LegendRowHeight / 2);
        QString label = e.key;
        switch (e.kind) {
        case LegendEntry::Port:
            svg.circle(origin + QPointF(6, 0), 5, e.color, Ink, 1);
            label = useLabels.value(e.key, e.key);
            break;
        case LegendEntry::Run:
            svg.rect(QRectF(origin.x() + 1, origin.y() - 5, 10, 10), e.color, Ink, 1);
            label = useLabels.value(e.key, e.key);
            break;
        case LegendEntry::Cable:
            svg.line(origin, origin + QPointF(12, 0), e.color, 3);
            label = QStringLiteral("cable %1").arg(e.key);
            break;
        }
        svg.text(origin + QPointF(18, 4), label, Plan::LabelSize, Ink);
    }
    svg.endGroup();
    return legendHeight(floor, width);
}

} // namespace Plan
