#include "floorscene.h"

#include "items/backgrounditem.h"
#include "items/labelitem.h"
#include "items/pathpointitem.h"
#include "items/portitem.h"
#include "items/riseritem.h"
#include "items/roomitem.h"
#include "items/routeitem.h"
#include "items/textitem.h"
#include "jobdocument.h"

#include <usecolors_p.h>

#include <QFileInfo>

namespace {

// Stacking order, bottom to top. A traced route lies over the other routes
// but under the symbols it joins, whose names must stay readable.
const double Rooms = 0;
const double Texts = 1;
const double Routes = 2;
const double TracedRoute = 2.5;
const double Points = 3;
const double Risers = 4;
const double Ports = 5;
const double Labels = 6;

} // namespace

FloorScene::FloorScene(const JobDocument& document, int floor, const PlanStyle& style,
                       QObject* parent)
    : QGraphicsScene(parent), m_floor(floor)
{
    // The items of a floor do not move, and at most a few thousand of them
    // are looked up by position only for a click or a find; painting walks
    // them all at fit-to-window anyway. Without an index nothing is spent on
    // keeping one while the scene is built or a route is traced.
    setItemIndexMethod(NoIndex);
    const Plan::FloorItem& f = document.floor(floor);
    m_floorRect = QRectF(document.routes().bounds(floor)).adjusted(-30, -30, 30, 30);
    addBackground(document, style);

    for (const Plan::RoomItem& r : f.rooms) {
        auto* item = new RoomItem(r.tag, r.id, QRectF(r.rect), QPointF(r.label), style.floorFont,
                                  style.showRoomNames);
        item->setZValue(Rooms);
        addItem(item);
        m_rooms.insert(r.tag, item);
    }
    for (const Plan::TextItem& t : f.texts) {
        auto* item = new TextItem(t.text, t.size, style.floorFont);
        item->setPos(t.pos);
        item->setZValue(Texts);
        addItem(item);
    }
    for (const Plan::FloorPlan::Leg& leg : document.routes().legs(floor)) {
        QPolygonF points;
        points.reserve(leg.leg.points.size());
        for (const QPoint& p : leg.leg.points)
            points.append(QPointF(p));
        auto* item =
            new RouteItem(leg.cable, points, QColor(document.cable(leg.cable).color), &m_traced);
        item->setZValue(Routes);
        item->setToolTip(document.cable(leg.cable).id);
        addItem(item);
        m_routes.insert(leg.cable, item);
    }
    for (const Plan::PointItem& p : f.points) {
        auto* item = new PathPointItem(p.tag, p.id);
        item->setPos(p.pos);
        item->setZValue(Points);
        item->setVisible(style.showPathPoints);
        addItem(item);
        m_points.append(item);
    }
    for (const Plan::PlaceItem& r : f.runs) {
        const double size =
            PlanSizes::PortIcon * PlanStyle::itemIconScale(r.iconScale, style.floorIconScale);
        auto* item = new RiserItem(r.tag, r.id, r.use, document.portIcon(r.use),
                                   QColor(Plan::useColor(r.use)), size);
        item->setPos(r.pos);
        item->setZValue(Risers);
        addItem(item);
        m_risers.insert(r.tag, item);
        m_riserList.append(item);
    }
    for (const Plan::PlaceItem& p : f.ports) {
        const double size =
            PlanSizes::PortIcon * PlanStyle::itemIconScale(p.iconScale, style.floorIconScale);
        auto* item = new PortItem(p.tag, p.id, p.use, document.portIcon(p.use),
                                  QColor(Plan::useColor(p.use)), size);
        item->setPos(p.pos);
        item->setZValue(Ports);
        addItem(item);
        m_ports.insert(p.tag, item);
        m_portList.append(item);
        if (!m_portsById.contains(p.id))
            m_portsById.insert(p.id, item);
    }
    // The ids go where the floor drawings write them, clear of each other.
    const QList<Plan::FloorPlan::LabelPlace> places = document.routes().labelPlaces(floor);
    for (int i = 0; i < places.size() && i < m_riserList.size() + m_portList.size(); ++i) {
        const PlaceItem* owner =
            i < m_riserList.size() ? m_riserList.at(i) : m_portList.at(i - m_riserList.size());
        const Plan::FloorPlan::LabelPlace& place = places.at(i);
        auto* label = new LabelItem(owner->id(), style.floorFont);
        label->place(place.at, place.anchor == Plan::SvgWriter::Middle ? Qt::AlignHCenter
                               : place.anchor == Plan::SvgWriter::End  ? Qt::AlignRight
                                                                       : Qt::AlignLeft);
        label->setZValue(Labels);
        addItem(label);
    }
    if (items().isEmpty()) {
        // A floor nobody has drawn on yet says so rather than stay blank.
        // The area of a small plan, so that the note is not blown up.
        m_floorRect = QRectF(0, 0, 800, 500);
        auto* note = new TextItem(tr("Nothing is drawn on this floor yet."), 12, style.floorFont);
        note->setPos(30, 40);
        addItem(note);
    }
    setSceneRect(m_floorRect.united(itemsBoundingRect()));
}

void FloorScene::addBackground(const JobDocument& document, const PlanStyle& style)
{
    const FloorFacts& facts = document.floorFacts(m_floor);
    if (facts.picture.isEmpty())
        return;
    QPixmap picture;
    if (QFileInfo::exists(facts.picturePath))
        picture.load(facts.picturePath);
    auto* item = new BackgroundItem(picture, QPointF(facts.pictureOrigin), m_floorRect,
                                    facts.picture, style.floorFont);
    addItem(item);
    if (item->hasPicture())
        m_floorRect |= item->boundingRect();
}

PlaceItem* FloorScene::portById(const QString& id) const
{
    return m_portsById.value(id);
}

void FloorScene::setTracedCable(int cable)
{
    if (cable == m_traced)
        return;
    if (RouteItem* before = m_routes.value(m_traced))
        before->setZValue(Routes);
    m_traced = cable;
    if (RouteItem* now = m_routes.value(m_traced))
        now->setZValue(TracedRoute);
    // Every route changes its look; the view repaints whole anyway.
    update();
}

void FloorScene::setShowRoomNames(bool show)
{
    for (RoomItem* room : std::as_const(m_rooms))
        room->setShowName(show);
}

void FloorScene::setShowPathPoints(bool show)
{
    for (PathPointItem* point : std::as_const(m_points))
        point->setVisible(show);
}
