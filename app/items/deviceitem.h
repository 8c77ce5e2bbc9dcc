// A network device on a sheet: its picture with its name and address below.
#ifndef DEVICEITEM_H
#define DEVICEITEM_H

#include "itemtype.h"

#include <QFont>
#include <QGraphicsItem>
#include <QPixmap>
#include <QString>

class DeviceItem : public QGraphicsItem
{
public:
    // The item sits at the picture's centre; size is its width in drawing
    // units. Without a picture a plain box stands in.
    DeviceItem(const QString& tag, const QString& id, const QString& ip, const QString& type,
               const QPixmap& picture, double size, const QFont& font);

    int type() const override { return ItemType::Device; }
    QString tag() const { return m_tag; }
    QString id() const { return m_id; }
    bool hasPicture() const { return !m_picture.isNull(); }

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    QString m_tag;
    QString m_id;
    QString m_ip;
    QPixmap m_picture;
    double m_size;
    QFont m_font;
    QRectF m_labels;
};

#endif // DEVICEITEM_H
