#include "floorplan_p.h"

#include "boxgrid_p.h"

#include "usecolors_p.h"

#include <QLineF>
#include <QMap>
#include <QSet>

#include <algorithm>
#include <cmath>

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

// An upright text of size at its box: where its baseline goes.
QPointF baselineOf(const QRect& box, SvgWriter::Anchor anchor, int size)
{
    const double y = box.top() + size;
    switch (anchor) {
    case SvgWriter::Start:
        return QPointF(box.left(), y);
    case SvgWriter::Middle:
        return QPointF(box.left() + box.width() / 2.0, y);
    case SvgWriter::End:
        break;
    }
    return QPointF(box.left() + box.width(), y);
}

// The point of box nearest to p.
QPointF nearestOn(const QRect& box, const QPointF& p)
{
    return QPointF(qBound(double(box.left()), p.x(), double(box.left() + box.width())),
                   qBound(double(box.top()), p.y(), double(box.top() + box.height())));
}

// Puts the label of an item of half size r at p next to it where it covers
// nothing placed before: beside, below, above, then at a corner; when all
// of those are taken, further out in rings with a leader line back to the
// item. Returns false, with the first place beside the item, when no place
// is free.
bool placeNear(BoxGrid& grid, const QPoint& p, int r, const QString& text, int size,
               Plan::FloorPlan::PlacedLabel* label)
{
    const int w = textWidth(text, size);
    const int h = size + 1;
    struct Candidate
    {
        QRect box;
        SvgWriter::Anchor anchor;
    };
    auto around = [&](int d, QList<Candidate>* out) {
        const int gap = d + 3;
        out->append({QRect(p.x() + gap, p.y() - h / 2 - 1, w, h), SvgWriter::Start});
        out->append({QRect(p.x() - w / 2, p.y() + gap - 1, w, h), SvgWriter::Middle});
        out->append({QRect(p.x() - w / 2, p.y() - gap - h + 1, w, h), SvgWriter::Middle});
        out->append({QRect(p.x() - gap - w, p.y() - h / 2 - 1, w, h), SvgWriter::End});
        out->append({QRect(p.x() + d, p.y() - gap - h + 1, w, h), SvgWriter::Start});
        out->append({QRect(p.x() + d, p.y() + gap - 1, w, h), SvgWriter::Start});
        out->append({QRect(p.x() - d - w, p.y() - gap - h + 1, w, h), SvgWriter::End});
        out->append({QRect(p.x() - d - w, p.y() + gap - 1, w, h), SvgWriter::End});
    };
    QList<Candidate> candidates;
    candidates.reserve(104);
    around(r, &candidates);
    const int near = int(candidates.size());
    // Out to a dozen rings: a patch panel field of a hundred ports a
    // symbol apart still finds room for every id around its edge.
    for (int ring = 1; ring <= 12; ++ring)
        around(r + ring * (h + 3), &candidates);
    for (int i = 0; i < candidates.size(); ++i) {
        const Candidate& c = candidates.at(i);
        if (!grid.isFree(c.box))
            continue;
        grid.take(c.box);
        label->box = c.box;
        label->anchor = c.anchor;
        label->at = baselineOf(c.box, c.anchor, size);
        label->leader = i >= near;
        if (label->leader) {
            label->leaderTo = nearestOn(c.box, p);
            const QPointF v = label->leaderTo - QPointF(p);
            const double length = std::hypot(v.x(), v.y());
            label->leaderFrom = QPointF(p) + (length > 0 ? v * (r / length) : QPointF());
        }
        return true;
    }
    const Candidate& c = candidates.first();
    grid.take(c.box);
    label->box = c.box;
    label->anchor = c.anchor;
    label->at = baselineOf(c.box, c.anchor, size);
    return false;
}

// Where a room's name goes: where the job puts it when that covers nothing,
// else lower down the room's left side, then down its right side.
QPair<QRect, QPointF> placeRoomName(BoxGrid& grid, const RoomItem& room)
{
    const QPoint at = roomLabel(room);
    const int w = textWidth(room.id, 12);
    const QRect stored(at.x(), at.y() - 11, w, 13);
    QList<QRect> candidates{stored};
    const int right = room.rect.right() - 6 - w;
    for (int dy = 0; stored.bottom() + dy < room.rect.bottom() - 2 && candidates.size() < 40;
         dy += 14) {
        if (dy > 0)
            candidates.append(stored.translated(0, dy));
        if (right > stored.right())
            candidates.append(QRect(right, stored.top() + dy, w, 13));
    }
    for (const QRect& c : candidates) {
        if (grid.isFree(c)) {
            grid.take(c);
            return {c, QPointF(c.left(), c.top() + 11)};
        }
    }
    grid.take(stored);
    return {stored, QPointF(at)};
}

// The dash pattern and sideways offset that tell apart the cables of one
// colour on a floor: the n-th cable of a colour gets pattern n % 4 and
// offset n % 3, so the first twelve of a colour all differ.
const char* const Dashes[] = {"", "10 4", "3 3", "10 3 3 3"};
const int Offsets[] = {0, 3, -3};

// The polyline moved sideways by offset, its corners mitred.
QVector<QPoint> offsetLine(const QVector<QPoint>& points, int offset)
{
    if (offset == 0 || points.size() < 2)
        return points;
    auto normal = [&](int i) {
        const QPointF d = QPointF(points.at(i + 1) - points.at(i));
        const double l = std::hypot(d.x(), d.y());
        return l > 0 ? QPointF(-d.y() / l, d.x() / l) : QPointF();
    };
    QVector<QPoint> out;
    out.reserve(points.size());
    for (int i = 0; i < points.size(); ++i) {
        QPointF n;
        if (i == 0)
            n = normal(0);
        else if (i == points.size() - 1)
            n = normal(i - 1);
        else {
            const QPointF a = normal(i - 1);
            const QPointF b = normal(i);
            const QPointF m = a + b;
            const double dot = m.x() * a.x() + m.y() * a.y();
            // Sharp turns would send the mitre far off; cap it.
            n = dot > 0.5 ? m / dot : a;
        }
        out.append((QPointF(points.at(i)) + n * offset).toPoint());
    }
    return out;
}

QString dimmedOr(const QString& color, bool dim)
{
    return dim ? Dimmed : color;
}

} // namespace

FloorPlan::FloorPlan(const JobModel& model, const QList<CableLine>& cables)
    : m_model(model), m_cables(cables)
{
    const QList<FloorItem>& floors = model.floors();
    // Where the far end of a cable is, in the words its users know.
    auto farFloor = [&](const PlaceItem* port, const QString& id) {
        if (!port)
            return QStringLiteral("to ") + id;
        const int f = model.floorIndexOfTag(port->floor);
        return QStringLiteral("to ") + (f >= 0 ? floors.at(f).id : id);
    };
    for (int i = 0; i < m_cables.size(); ++i) {
        const CableLine& c = m_cables.at(i);
        const QList<RouteLeg> route = model.route(c);
        const PlaceItem* from = model.port(c.from);
        const PlaceItem* to = model.port(c.to);
        for (int n = 0; n < route.size(); ++n) {
            const RouteLeg& leg = route.at(n);
            const bool sameFloor = from && to && from->floor == to->floor;
            if (sameFloor && leg.points.size() == 2) {
                // No path: where the cable runs is unknown. Close ends are
                // still joined; others get a stub at each end.
                const QPoint d = leg.points.last() - leg.points.first();
                const bool direct = std::hypot(d.x(), d.y()) > 100;
                m_legs[leg.floor].append({i, leg, direct});
                if (direct) {
                    m_loose[leg.floor].append({i, leg.points.first(), leg.points.last(), true,
                                               QStringLiteral("to ") + to->id});
                    m_loose[leg.floor].append({i, leg.points.last(), leg.points.first(), true,
                                               QStringLiteral("to ") + from->id});
                }
                continue;
            }
            if (leg.points.size() > 1)
                m_legs[leg.floor].append({i, leg});
            if (sameFloor || leg.run >= 0 || leg.points.isEmpty() || leg.floor < 0)
                continue;
            // A leg that stops short of a vertical run: the first leaves the
            // floor at its last point, the last joins it at its first.
            const bool first = n == 0 && from && model.floorIndexOfTag(from->floor) == leg.floor;
            const QPoint at = first ? leg.points.last() : leg.points.first();
            const QString mark = first ? farFloor(to, c.to) : farFloor(from, c.from);
            m_loose[leg.floor].append({i, at, QPoint(), leg.points.size() == 1, mark});
        }
    }
}

const QList<FloorPlan::Leg>& FloorPlan::legs(int floor) const
{
    static const QList<Leg> none;
    const auto it = m_legs.constFind(floor);
    return it == m_legs.constEnd() ? none : *it;
}

const FloorPlan::Layout& FloorPlan::layout(int floor) const
{
    auto it = m_layouts.constFind(floor);
    if (it == m_layouts.constEnd())
        it = m_layouts.insert(floor, std::make_shared<const Layout>(makeLayout(floor)));
    return **it;
}

FloorPlan::Layout FloorPlan::makeLayout(int floor) const
{
    const FloorItem& f = m_model.floors().at(floor);
    Layout out;
    BoxGrid grid;
    QRect core; // the rooms and items, which stubs head out of
    auto add = [&core](const QRect& r) { core = core.isNull() ? r : core.united(r); };

    // What labels must keep clear of: walls, symbols, path points and the
    // floor's own texts.
    for (const RoomItem& r : f.rooms) {
        const QRect& q = r.rect;
        const QRect walls[] = {QRect(q.left() - 1, q.top() - 1, q.width() + 2, 3),
                               QRect(q.left() - 1, q.bottom() - 1, q.width() + 2, 3),
                               QRect(q.left() - 1, q.top() - 1, 3, q.height() + 2),
                               QRect(q.right() - 1, q.top() - 1, 3, q.height() + 2)};
        for (const QRect& w : walls) {
            grid.take(w);
            out.walls.append(w);
        }
        add(q);
    }
    const int half = int(Plan::RunSize) / 2;
    const int radius = int(Plan::PortRadius);
    for (const PlaceItem& r : f.runs)
        out.symbols.append(QRect(r.pos.x() - half, r.pos.y() - half, 2 * half, 2 * half));
    for (const PlaceItem& p : f.ports)
        out.symbols.append(QRect(p.pos.x() - radius, p.pos.y() - radius, 2 * radius, 2 * radius));
    for (const PointItem& p : f.points)
        out.symbols.append(QRect(p.pos.x() - 3, p.pos.y() - 3, 6, 6));
    for (const QRect& s : out.symbols) {
        grid.take(s);
        add(s);
    }
    for (const TextItem& t : f.texts) {
        const QRect box(t.pos.x(), t.pos.y() - t.size, textWidth(t.text, t.size), t.size + 4);
        grid.take(box);
        add(box);
    }

    for (const RoomItem& r : f.rooms) {
        const auto placed = placeRoomName(grid, r);
        PlacedLabel label;
        label.kind = PlacedLabel::Room;
        label.text = r.id;
        label.size = 12;
        label.box = placed.first;
        label.at = placed.second;
        out.labels.append(label);
    }
    for (const QList<PlaceItem>* items : {&f.runs, &f.ports}) {
        for (const PlaceItem& p : *items) {
            PlacedLabel label;
            label.kind = PlacedLabel::Place;
            label.text = p.id;
            label.size = Plan::LabelSize;
            placeNear(grid, p.pos, p.isRun ? half : radius, p.id, label.size, &label);
            out.labels.append(label);
        }
    }

    // Cable ends without a route: a stub, then where the cable goes.
    const int StubLength = 40;
    for (const LooseEnd& e : m_loose.value(floor)) {
        QPoint end = e.at;
        if (e.stub) {
            QPointF dir;
            if (!e.toward.isNull()) {
                dir = QPointF(e.toward - e.at);
            } else {
                // Out of the floor by its nearest side.
                const int left = e.at.x() - core.left();
                const int right = core.right() - e.at.x();
                const int top = e.at.y() - core.top();
                const int bottom = core.bottom() - e.at.y();
                const int least = qMin(qMin(left, right), qMin(top, bottom));
                dir = least == left    ? QPointF(-1, 0)
                      : least == right ? QPointF(1, 0)
                      : least == top   ? QPointF(0, -1)
                                       : QPointF(0, 1);
            }
            const double l = std::hypot(dir.x(), dir.y());
            if (l > 0)
                end = e.at + (dir * (StubLength / l)).toPoint();
            out.stubs.append({e.cable, e.at, end});
        }
        PlacedLabel label;
        label.kind = PlacedLabel::Mark;
        label.text = e.mark;
        label.size = 9;
        label.cable = e.cable;
        placeNear(grid, end, 3, e.mark, label.size, &label);
        out.labels.append(label);
    }

    // Each route's cable id along its longest straight stretches, where
    // one is long enough and the place is free.
    const int IdSize = 8;
    auto placeId = [&](int cable, const QVector<QPoint>& points) {
        const QString& id = m_cables.at(cable).id;
        const double w = textWidth(id, IdSize);
        QList<QPair<double, int>> segments;
        for (int i = 0; i + 1 < points.size(); ++i) {
            const QPoint d = points.at(i + 1) - points.at(i);
            segments.append({std::hypot(d.x(), d.y()), i});
        }
        std::sort(segments.begin(), segments.end(),
                  [](const auto& a, const auto& b) { return a.first > b.first; });
        for (int s = 0; s < qMin(3, int(segments.size())); ++s) {
            const double length = segments.at(s).first;
            if (length < w + 2 * radius + 8)
                break;
            const QPointF a = points.at(segments.at(s).second);
            const QPointF b = points.at(segments.at(s).second + 1);
            double angle = std::atan2(b.y() - a.y(), b.x() - a.x());
            if (angle > M_PI / 2 + 1e-9)
                angle -= M_PI;
            else if (angle <= -M_PI / 2 + 1e-9)
                angle += M_PI;
            const QPointF along(std::cos(angle), std::sin(angle));
            const QPointF up(std::sin(angle), -std::cos(angle));
            for (double t : {0.5, 0.3, 0.7}) {
                const QPointF mid = a + (b - a) * t;
                if (QLineF(mid, a).length() < w / 2 + radius + 2 ||
                    QLineF(mid, b).length() < w / 2 + radius + 2)
                    continue;
                const QPointF base = mid + up * 4;
                const QPointF corners[] = {base - along * (w / 2), base + along * (w / 2),
                                           base - along * (w / 2) + up * IdSize,
                                           base + along * (w / 2) + up * IdSize};
                QRectF bounds(corners[0], QSizeF(0, 0));
                for (const QPointF& c : corners)
                    bounds = bounds.united(QRectF(c, QSizeF(0, 0)));
                const QRect box = bounds.toAlignedRect();
                if (!grid.isFree(box))
                    continue;
                grid.take(box);
                PlacedLabel label;
                label.kind = PlacedLabel::CableId;
                label.text = id;
                label.size = IdSize;
                label.at = base;
                label.anchor = SvgWriter::Middle;
                label.box = box;
                label.angle = qRound(angle * 1800 / M_PI) / 10.0;
                label.cable = cable;
                out.labels.append(label);
                return;
            }
        }
    };
    for (const Leg& l : legs(floor)) {
        if (!l.direct)
            placeId(l.cable, l.leg.points);
    }
    for (const Stub& s : out.stubs)
        placeId(s.cable, {s.from, s.to});

    QRect extent = core;
    auto grow = [&extent](const QRect& r) { extent = extent.isNull() ? r : extent.united(r); };
    for (const PlacedLabel& l : out.labels)
        grow(l.box);
    for (const Stub& s : out.stubs)
        grow(QRect(s.to - QPoint(2, 2), QSize(4, 4)));
    for (const Leg& l : legs(floor)) {
        for (const QPoint& p : l.leg.points)
            grow(QRect(p, QSize(1, 1)));
    }
    out.extent = extent.isNull() ? QRect(0, 0, 200, 100) : extent;
    return out;
}

QRect FloorPlan::bounds(int floor) const
{
    return layout(floor).extent;
}

void FloorPlan::draw(SvgWriter& svg, int floor, const QString& highlight) const
{
    const FloorItem& f = m_model.floors().at(floor);
    const Layout& placed = layout(floor);

    svg.beginGroup({{QStringLiteral("class"), QStringLiteral("rooms")}});
    for (const RoomItem& r : f.rooms)
        svg.rect(r.rect, RoomFill, RoomStroke, 2, {{QStringLiteral("data-room"), r.id}});
    for (const TextItem& t : f.texts)
        svg.text(t.pos, t.text, t.size, QStringLiteral("#666666"));
    svg.endGroup();

    // The n-th cable of each colour on the floor, for its dashes and offset.
    QHash<QString, int> ofColor;
    QHash<int, int> styleOf;
    auto style = [&](int cable) {
        auto it = styleOf.constFind(cable);
        if (it == styleOf.constEnd())
            it = styleOf.insert(cable, ofColor[m_cables.at(cable).color]++);
        return *it;
    };
    auto lineAttributes = [&](int cable, const QString& cls) {
        SvgWriter::Attributes a =
            dataAttributes(cls, QStringLiteral("data-cable"), m_cables.at(cable).id);
        const char* dash = Dashes[style(cable) % 4];
        if (*dash)
            a.append({QStringLiteral("stroke-dasharray"), QLatin1String(dash)});
        return a;
    };

    svg.beginGroup({{QStringLiteral("class"), QStringLiteral("cables")}});
    const Leg* highlighted = nullptr;
    const bool dim = !highlight.isEmpty();
    for (const Leg& l : legs(floor)) {
        const CableLine& c = m_cables.at(l.cable);
        if (l.direct)
            continue;
        if (dim && c.tag == highlight) {
            highlighted = &l;
            continue;
        }
        svg.polyline(offsetLine(l.leg.points, Offsets[style(l.cable) % 3]), dimmedOr(c.color, dim),
                     dim ? 1.5 : 3, lineAttributes(l.cable, QStringLiteral("cable")));
    }
    for (const Stub& s : placed.stubs) {
        const CableLine& c = m_cables.at(s.cable);
        const bool traced = dim && c.tag == highlight;
        svg.line(s.from, s.to, traced ? c.color : dimmedOr(c.color, dim),
                 traced ? 5
                 : dim  ? 1.5
                        : 3,
                 lineAttributes(s.cable, QStringLiteral("cable stub")));
        svg.circle(s.to, traced ? 4 : 3, traced ? c.color : dimmedOr(c.color, dim),
                   QStringLiteral("none"), 0);
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

    // Labels last, over the routes, each on a pale ground so that a route
    // passing under it does not strike its letters through.
    svg.beginGroup({{QStringLiteral("class"), QStringLiteral("labels")}});
    for (const PlacedLabel& l : placed.labels) {
        if (l.leader)
            svg.line(l.leaderFrom, l.leaderTo, QStringLiteral("#555555"), 0.75);
    }
    for (const PlacedLabel& l : placed.labels) {
        const bool turned = l.angle != 0;
        SvgWriter::Attributes turn;
        if (turned)
            turn.append({QStringLiteral("transform"),
                         QStringLiteral("rotate(%1 %2 %3)")
                             .arg(SvgWriter::number(l.angle), SvgWriter::number(l.at.x()),
                                  SvgWriter::number(l.at.y()))});
        if (l.kind != PlacedLabel::Room) {
            const double w = textWidth(l.text, l.size);
            QRectF ground =
                turned ? QRectF(l.at.x() - w / 2, l.at.y() - l.size, w, l.size + 2) : QRectF(l.box);
            SvgWriter::Attributes a = turn;
            a.append({QStringLiteral("fill-opacity"), QStringLiteral("0.8")});
            svg.rect(ground, QStringLiteral("#ffffff"), QStringLiteral("none"), 0, a);
        }
        QString color = Ink;
        if (l.kind == PlacedLabel::Room)
            color = RoomStroke;
        else if (l.kind == PlacedLabel::CableId && dim && m_cables.at(l.cable).tag != highlight)
            color = QStringLiteral("#999999");
        SvgWriter::Attributes a = turn;
        if (l.kind == PlacedLabel::CableId || l.kind == PlacedLabel::Mark)
            a.append({QStringLiteral("data-cable"), m_cables.at(l.cable).id});
        svg.text(l.at, l.text, l.size, color, l.anchor, a);
    }
    svg.endGroup();
}

QList<FloorPlan::LabelPlace> FloorPlan::labelPlaces(int floor) const
{
    QList<LabelPlace> places;
    for (const PlacedLabel& l : layout(floor).labels) {
        if (l.kind == PlacedLabel::Place)
            places.append({l.at, l.anchor, l.box});
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
    auto addType = [&](int cable) {
        const CableLine& c = m_cables.at(cable);
        if (!types.contains(c.type))
            types.insert(c.type, c.color);
    };
    for (const Leg& l : legs(floor))
        addType(l.cable);
    for (const LooseEnd& e : m_loose.value(floor))
        addType(e.cable);
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
            label = QStringLiteral("%1 cable").arg(e.key);
            break;
        }
        svg.text(origin + QPointF(18, 4), label, Plan::LabelSize, Ink);
    }
    svg.endGroup();
    return legendHeight(floor, width);
}

} // namespace Plan
