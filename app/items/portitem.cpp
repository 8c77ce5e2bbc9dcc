#include "portitem.h"

#include <QPainter>

void PortItem::drawSymbol(QPainter* painter, const QRectF& box) const
{
    QPen pen(QColor(0x11, 0x11, 0x11), 1);
    pen.setCosmetic(true);
    painter->setPen(pen);
    painter->setBrush(color());
    painter->drawEllipse(box.adjusted(1, 1, -1, -1));
}
