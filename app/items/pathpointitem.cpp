#include "pathpointitem.h"

#include <QPainter>

PathPointItem::PathPointItem(const QString& tag, const QString& id) : m_tag(tag), m_id(id)
{
    setAcceptedMouseButtons(Qt::NoButton);
    setToolTip(id);
}

QRectF PathPointItem::boundingRect() const
{
    const double r = PlanSizes::PathPoint;
    return QRectF(-r, -r, 2 * r, 2 * r);
}

void PathPointItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    painter->setPen(Qt::NoPen);
    painter->setBrush(QColor(0x88, 0x88, 0x88));
    painter->drawEllipse(boundingRect());
}
