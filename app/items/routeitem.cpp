#include "routeitem.h"

#include <QPainter>
#include <QtMath>

namespace {

const QColor Dimmed(0xc8, 0xc8, 0xc8);

// Widths on screen, in pixels, whatever the zoom.
const double Normal = 2.5;
const double Traced = 6;
const double Faint = 1.5;

} // namespace

RouteItem::RouteItem(int cable, const QPolygonF& points, const QColor& color, const int* traced)
    : m_cable(cable), m_points(points), m_color(color), m_traced(traced)
{
    // The pens are cosmetic, so how far they reach past the line depends on
    // the zoom; the view repaints whole, so a generous margin is enough.
    m_bounds = m_points.boundingRect().adjusted(-4, -4, 4, 4);
    setAcceptedMouseButtons(Qt::NoButton);
}

QRectF RouteItem::boundingRect() const
{
    return m_bounds;
}

double RouteItem::distanceTo(const QPointF& p, QPointF* nearest) const
{
    double best = qInf();
    QPointF at;
    for (int i = 0; i + 1 < m_points.size(); ++i) {
        const QPointF a = m_points.at(i);
        const QPointF d = m_points.at(i + 1) - a;
        const double length2 = QPointF::dotProduct(d, d);
        double t = length2 > 0 ? QPointF::dotProduct(p - a, d) / length2 : 0;
        t = qBound(0.0, t, 1.0);
        const QPointF q = a + t * d;
        const double distance = QLineF(p, q).length();
        if (distance < best) {
            best = distance;
            at = q;
        }
    }
    if (nearest)
        *nearest = at;
    return best;
}

void RouteItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    const int traced = m_traced ? *m_traced : -1;
    QPen pen;
    pen.setCosmetic(true);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    if (traced < 0) {
        pen.setColor(m_color);
        pen.setWidthF(isSelected() ? Traced : Normal);
    } else if (traced == m_cable) {
        pen.setColor(m_color);
        pen.setWidthF(Traced);
    } else {
        pen.setColor(Dimmed);
        pen.setWidthF(Faint);
    }
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawPolyline(m_points);
}
