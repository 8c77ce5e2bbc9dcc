#include "backgrounditem.h"

#include <QCoreApplication>
#include <QPainter>
#include <QStyleOptionGraphicsItem>

BackgroundItem::BackgroundItem(const QPixmap& picture, const QPointF& origin,
                               const QRectF& placeholder, const QString& name, const QFont& font)
    : m_picture(picture), m_font(font)
{
    if (m_picture.isNull()) {
        m_rect = placeholder;
        if (!name.isEmpty())
            m_note = QCoreApplication::translate("BackgroundItem", "Plan picture not found: %1")
                         .arg(name);
    } else {
        m_rect = QRectF(origin, QSizeF(m_picture.size()));
    }
    setAcceptedMouseButtons(Qt::NoButton);
    setZValue(-1000);
}

QRectF BackgroundItem::boundingRect() const
{
    return m_rect;
}

void BackgroundItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    if (!m_picture.isNull()) {
        painter->drawPixmap(m_rect.topLeft(), m_picture);
        return;
    }
    painter->fillRect(m_rect, QColor(0xec, 0xec, 0xea));
    const double lod =
        QStyleOptionGraphicsItem::levelOfDetailFromTransform(painter->worldTransform());
    if (m_note.isEmpty() || m_font.pixelSize() * lod < PlanSizes::MinLabelPixels)
        return;
    painter->setFont(m_font);
    painter->setPen(QColor(0x99, 0x99, 0x99));
    painter->drawText(m_rect.adjusted(6, 4, -6, -4), Qt::AlignLeft | Qt::AlignBottom, m_note);
}
