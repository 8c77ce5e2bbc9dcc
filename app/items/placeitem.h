// What ports and vertical runs share on a floor plan: the icon of their use
// (or a symbol in the use's colour where there is no icon, or where the
// icon would be too small to read) and a ring when it is selected. Their ids
// are label items of their own.
#ifndef PLACEITEM_H
#define PLACEITEM_H

#include "itemtype.h"

#include <QColor>
#include <QGraphicsItem>
#include <QPixmap>
#include <QString>

class PlaceItem : public QGraphicsItem
{
public:
    // size: the icon's width in drawing units; the item sits at its centre.
    PlaceItem(const QString& tag, const QString& id, const QString& use, const QPixmap& icon,
              const QColor& color, double size);

    QString tag() const { return m_tag; }
    QString id() const { return m_id; }
    QString use() const { return m_use; }
    bool hasIcon() const { return !m_icon.isNull(); }

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

protected:
    // The symbol drawn without an icon: a port is round, a run square.
    virtual void drawSymbol(QPainter* painter, const QRectF& box) const = 0;

    QColor color() const { return m_color; }

private:
    QString m_tag;
    QString m_id;
    QString m_use;
    QPixmap m_icon;
    QColor m_color;
    double m_size;
};

#endif // PLACEITEM_H
