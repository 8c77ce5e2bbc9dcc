// The floor's background picture, placed at its origin; when the file is
// missing, a quiet grey area under the plan that names it.
#ifndef BACKGROUNDITEM_H
#define BACKGROUNDITEM_H

#include "itemtype.h"

#include <QFont>
#include <QGraphicsItem>
#include <QPixmap>
#include <QString>

class BackgroundItem : public QGraphicsItem
{
public:
    // A picture that loads is drawn at origin; otherwise placeholder covers
    // the floor and the item names the file it looked for.
    BackgroundItem(const QPixmap& picture, const QPointF& origin, const QRectF& placeholder,
                   const QString& name, const QFont& font);

    int type() const override { return ItemType::Background; }
    bool hasPicture() const { return !m_picture.isNull(); }

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    QPixmap m_picture;
    QRectF m_rect;
    QString m_note;
    QFont m_font;
};

#endif // BACKGROUNDITEM_H
