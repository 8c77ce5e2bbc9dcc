// A cable path point: a small dot where routes bend.
#ifndef PATHPOINTITEM_H
#define PATHPOINTITEM_H

#include "itemtype.h"

#include <QGraphicsItem>
#include <QString>

class PathPointItem : public QGraphicsItem
{
public:
    PathPointItem(const QString& tag, const QString& id);

    int type() const override { return ItemType::PathPoint; }
    QString tag() const { return m_tag; }
    QString id() const { return m_id; }

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    QString m_tag;
    QString m_id;
};

#endif // PATHPOINTITEM_H
