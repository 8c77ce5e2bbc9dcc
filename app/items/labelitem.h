// The id of a port or riser on a floor plan. Labels lie above every symbol,
// as in the floor drawings, so that one placed over a neighbour's symbol
// (when no free place was left) can still be read; they are drawn only once
// the plan is large enough on screen for them to be read at all.
#ifndef LABELITEM_H
#define LABELITEM_H

#include "itemtype.h"

#include <QFont>
#include <QGraphicsItem>
#include <QString>

class LabelItem : public QGraphicsItem
{
public:
    LabelItem(const QString& text, const QFont& font);

    int type() const override { return ItemType::Label; }
    QString text() const { return m_text; }
    // Puts the text's baseline at at (scene coordinates), starting, centred
    // or ending there as alignment says.
    void place(const QPointF& at, Qt::Alignment alignment);

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    QString m_text;
    QFont m_font;
    QRectF m_rect;
};

#endif // LABELITEM_H
