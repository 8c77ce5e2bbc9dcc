// A vertical run (riser) on a floor plan, through which cables pass to
// other floors.
#ifndef RISERITEM_H
#define RISERITEM_H

#include "placeitem.h"

class RiserItem : public PlaceItem
{
public:
    using PlaceItem::PlaceItem;
    int type() const override { return ItemType::Riser; }

protected:
    void drawSymbol(QPainter* painter, const QRectF& box) const override;
};

#endif // RISERITEM_H
