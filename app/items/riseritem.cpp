#include "riseritem.h"

#include <QPainter>

void RiserItem::drawSymbol(QPainter* painter, const QRectF& box) const
{
    QPen pen(QColor(0x11, 0x11, 0x11), 1);
    pen.setCosmetic(true);
    painter->setPen(pen);
    painter->setBrush(color());
    painter->drawRect(box.adjusted(1, 1, -1, -1));
}
