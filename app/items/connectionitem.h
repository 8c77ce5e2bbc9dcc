// A connection between two devices (or bend points) of a network sheet. An
// end that lies on another sheet is drawn as a short stub named after it.
#ifndef CONNECTIONITEM_H
#define CONNECTIONITEM_H

#include "itemtype.h"

#include <QFont>
#include <QGraphicsItem>
#include <QLineF>
#include <QString>

class ConnectionItem : public QGraphicsItem
{
public:
    ConnectionItem(const QString& tag, const QString& id, const QLineF& line,
                   const QString& stubLabel, const QFont& font);

    int type() const override { return ItemType::Connection; }
    QString id() const { return m_id; }
    QLineF line() const { return m_line; }

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    QString m_tag;
    QString m_id;
    QLineF m_line;
    QString m_stubLabel;
    QFont m_font;
};

#endif // CONNECTIONITEM_H
