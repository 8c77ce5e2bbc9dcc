// A bend point of the connections on a network sheet.
#ifndef VERTEXITEM_H
#define VERTEXITEM_H

#include "itemtype.h"

#include <QGraphicsItem>
#include <QString>

class VertexItem : public QGraphicsItem
{
public:
    VertexItem(const QString& tag, const QString& id);

    int type() const override { return ItemType::Vertex; }
    QString id() const { return m_id; }

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    QString m_tag;
    QString m_id;
};

#endif // VERTEXITEM_H
