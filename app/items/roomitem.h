// A room of a floor: its outline and, when the plan is large enough on
// screen, its name.
#ifndef ROOMITEM_H
#define ROOMITEM_H

#include "itemtype.h"

#include <QFont>
#include <QGraphicsItem>
#include <QString>

class RoomItem : public QGraphicsItem
{
public:
    RoomItem(const QString& tag, const QString& id, const QRectF& rect, const QPointF& label,
             const QFont& font, bool showName);

    int type() const override { return ItemType::Room; }
    QString tag() const { return m_tag; }
    QString id() const { return m_id; }
    QRectF rect() const { return m_rect; }
    void setShowName(bool show);

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    QString m_tag;
    QString m_id;
    QRectF m_rect;
    QPointF m_label; // the baseline's start
    QFont m_font;
    QRectF m_labelRect;
    bool m_showName;
};

#endif // ROOMITEM_H
