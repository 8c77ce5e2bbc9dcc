// The part of one cable's route that lies on a floor, in the cable's colour.
// While a cable is traced its route is drawn wide on top and every other
// route thin and grey; the scene says which cable that is.
#ifndef ROUTEITEM_H
#define ROUTEITEM_H

#include "itemtype.h"

#include <QColor>
#include <QGraphicsItem>
#include <QPolygonF>

class RouteItem : public QGraphicsItem
{
public:
    // traced points at the scene's traced cable (-1 for none).
    RouteItem(int cable, const QPolygonF& points, const QColor& color, const int* traced);

    int type() const override { return ItemType::Route; }
    int cable() const { return m_cable; }
    QPolygonF points() const { return m_points; }
    QColor color() const { return m_color; }
    // Where on the route is nearest to p, and how far that is.
    double distanceTo(const QPointF& p, QPointF* nearest = nullptr) const;

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    int m_cable;
    QPolygonF m_points;
    QColor m_color;
    QRectF m_bounds;
    const int* m_traced;
};

#endif // ROUTEITEM_H
