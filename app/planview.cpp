#include "planview.h"

#include "items/itemtype.h"
#include "items/routeitem.h"

#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <QtMath>

namespace {

// How near, in pixels, a click must come to a route or a symbol to pick it.
const int PickRadius = 6;
// A press that moves less than this is a click, not a drag.
const int DragThreshold = 4;
const double ZoomStep = 1.25;

int pickRank(int type)
{
    switch (type) {
    case ItemType::Port:
    case ItemType::Riser:
    case ItemType::Device:
        return 0;
    case ItemType::Route:
        return 1;
    default:
        return -1;
    }
}

} // namespace

PlanView::PlanView(QWidget* parent) : QGraphicsView(parent)
{
    setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    // Routes are drawn with pens of a fixed width on screen and a traced
    // cable changes the look of every route, so the view repaints whole;
    // what that costs is what the levels of detail keep small.
    setViewportUpdateMode(FullViewportUpdate);
    setOptimizationFlag(DontAdjustForAntialiasing);
    setTransformationAnchor(AnchorUnderMouse);
    setResizeAnchor(AnchorViewCenter);
    setDragMode(NoDrag);
    setBackgroundBrush(Qt::white);
    viewport()->setCursor(Qt::OpenHandCursor);
}

void PlanView::showScene(QGraphicsScene* scene, const QRectF& content)
{
    setScene(scene);
    m_content = content;
    fitToWindow();
}

double PlanView::zoom() const
{
    return transform().m11();
}

void PlanView::setZoom(double zoom)
{
    zoom = qBound(MinZoom, zoom, MaxZoom);
    setTransform(QTransform::fromScale(zoom, zoom));
    emit zoomChanged(zoom);
}

void PlanView::scaleBy(double factor)
{
    const double target = qBound(MinZoom, zoom() * factor, MaxZoom);
    m_fitted = false;
    scale(target / zoom(), target / zoom());
    emit zoomChanged(zoom());
}

void PlanView::zoomIn()
{
    const ViewportAnchor anchor = transformationAnchor();
    setTransformationAnchor(AnchorViewCenter);
    scaleBy(ZoomStep);
    setTransformationAnchor(anchor);
}

void PlanView::zoomOut()
{
    const ViewportAnchor anchor = transformationAnchor();
    setTransformationAnchor(AnchorViewCenter);
    scaleBy(1 / ZoomStep);
    setTransformationAnchor(anchor);
}

void PlanView::fitToWindow()
{
    m_fitted = true;
    if (!scene() || m_content.isEmpty())
        return;
    const QRect area = viewport()->rect().adjusted(4, 4, -4, -4);
    const double zoom =
        qBound(MinZoom, qMin(area.width() / m_content.width(), area.height() / m_content.height()),
               MaxZoom);
    setTransform(QTransform::fromScale(zoom, zoom));
    centerOn(m_content.center());
    emit zoomChanged(zoom);
}

void PlanView::actualSize()
{
    m_fitted = false;
    const QPointF centre = mapToScene(viewport()->rect().center());
    setZoom(1);
    centerOn(centre);
}

void PlanView::centreOnRect(const QRectF& rect)
{
    const QRect area = viewport()->rect().adjusted(20, 20, -20, -20);
    const QRectF seen = mapToScene(area).boundingRect();
    if (rect.width() > seen.width() || rect.height() > seen.height()) {
        m_fitted = false;
        const double zoom =
            qMin(area.width() / qMax(rect.width(), 1.0), area.height() / qMax(rect.height(), 1.0));
        setZoom(zoom);
    }
    centerOn(rect.center());
}

QGraphicsItem* PlanView::itemAtPoint(const QPoint& pos) const
{
    if (!scene())
        return nullptr;
    const QRect around(pos - QPoint(PickRadius, PickRadius),
                       QSize(2 * PickRadius + 1, 2 * PickRadius + 1));
    const QPointF at = mapToScene(pos);
    const double reach = PickRadius / qMax(zoom(), 1e-6);
    QGraphicsItem* best = nullptr;
    int bestRank = 2;
    double bestDistance = qInf();
    for (QGraphicsItem* item : items(around, Qt::IntersectsItemBoundingRect)) {
        const int rank = pickRank(item->type());
        if (rank < 0 || !item->isVisible() || rank > bestRank)
            continue;
        double distance = 0;
        if (item->type() == ItemType::Route) {
            distance = static_cast<RouteItem*>(item)->distanceTo(at);
            if (distance > reach)
                continue;
        } else {
            const QRectF box = item->mapToScene(item->shape()).boundingRect();
            if (!box.adjusted(-reach, -reach, reach, reach).contains(at))
                continue;
            distance = QLineF(at, item->scenePos()).length();
        }
        // The topmost of equals wins: items() lists them top first.
        if (rank < bestRank || distance < bestDistance) {
            best = item;
            bestRank = rank;
            bestDistance = distance;
        }
    }
    return best;
}

void PlanView::wheelEvent(QWheelEvent* event)
{
    const int delta = event->angleDelta().y();
    if (delta == 0) {
        QGraphicsView::wheelEvent(event);
        return;
    }
    scaleBy(qPow(ZoomStep, delta / 120.0));
    event->accept();
}

void PlanView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QGraphicsView::mousePressEvent(event);
        return;
    }
    m_panning = true;
    m_moved = false;
    m_pressPos = event->pos();
    m_lastPos = event->pos();
    event->accept();
}

void PlanView::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_panning) {
        QGraphicsView::mouseMoveEvent(event);
        return;
    }
    if (!m_moved && (event->pos() - m_pressPos).manhattanLength() < DragThreshold)
        return;
    if (!m_moved) {
        m_moved = true;
        viewport()->setCursor(Qt::ClosedHandCursor);
    }
    const QPoint delta = event->pos() - m_lastPos;
    m_lastPos = event->pos();
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() - delta.x());
    verticalScrollBar()->setValue(verticalScrollBar()->value() - delta.y());
    event->accept();
}

void PlanView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_panning) {
        QGraphicsView::mouseReleaseEvent(event);
        return;
    }
    m_panning = false;
    viewport()->setCursor(Qt::OpenHandCursor);
    if (m_moved)
        return;
    if (QGraphicsItem* item = itemAtPoint(event->pos()))
        emit itemClicked(item);
    else
        emit emptyClicked();
}

void PlanView::resizeEvent(QResizeEvent* event)
{
    QGraphicsView::resizeEvent(event);
    if (m_fitted)
        fitToWindow();
}
