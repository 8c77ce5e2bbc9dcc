// A port on a floor plan, drawn with the icon of its use.
#ifndef PORTITEM_H
#define PORTITEM_H

#include "placeitem.h"

class PortItem : public PlaceItem
{
public:
    using PlaceItem::PlaceItem;
    int type() const override { return ItemType::Port; }

protected:
    void drawSymbol(QPainter* painter, const QRectF& box) const override;
};

#endif // PORTITEM_H
