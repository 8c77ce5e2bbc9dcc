// A free text on a floor plan or a network sheet.
#ifndef TEXTITEM_H
#define TEXTITEM_H

#include "itemtype.h"

#include <QFont>
#include <QGraphicsItem>
#include <QString>

class TextItem : public QGraphicsItem
{
public:
    // The item's position is the start of the text's baseline; size is the
    // text's height in drawing units.
    TextItem(const QString& text, int size, const QFont& font);

    int type() const override { return ItemType::Text; }
    QString text() const { return m_text; }

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    QString m_text;
    QFont m_font;
    QRectF m_rect;
};

#endif // TEXTITEM_H
