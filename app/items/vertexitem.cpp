#include "vertexitem.h"

#include <QPainter>

VertexItem::VertexItem(const QString& tag, const QString& id) : m_tag(tag), m_id(id)
{
    setAcceptedMouseButtons(Qt::NoButton);
    setToolTip(id);
}

QRectF VertexItem::boundingRect() const
{
    return QRectF(-4, -4, 8, 8);
}

void VertexItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    painter->setPen(Qt::NoPen);
    painter->setBrush(QColor(0x55, 0x55, 0x55));
    painter->drawEllipse(boundingRect());
}
