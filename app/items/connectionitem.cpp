#include "connectionitem.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStyleOptionGraphicsItem>

ConnectionItem::ConnectionItem(const QString& tag, const QString& id, const QLineF& line,
                               const QString& stubLabel, const QFont& font)
    : m_tag(tag), m_id(id), m_line(line), m_stubLabel(stubLabel), m_font(font)
{
    setAcceptedMouseButtons(Qt::NoButton);
    setToolTip(id);
    setZValue(-1); // under the devices it joins
}

QRectF ConnectionItem::boundingRect() const
{
    QRectF r = QRectF(m_line.p1(), m_line.p2()).normalized().adjusted(-4, -4, 4, 4);
    if (!m_stubLabel.isEmpty()) {
        const QFontMetricsF metrics(m_font);
        r |= QRectF(m_line.p2() + QPointF(4, -metrics.ascent()),
                    QSizeF(metrics.horizontalAdvance(m_stubLabel), metrics.height()));
    }
    return r;
}

void ConnectionItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    QPen pen(QColor(0x44, 0x55, 0x66), 2);
    pen.setCosmetic(true);
    if (!m_stubLabel.isEmpty())
        pen.setStyle(Qt::DashLine);
    painter->setPen(pen);
    painter->drawLine(m_line);
    if (m_stubLabel.isEmpty())
        return;
    const double lod =
        QStyleOptionGraphicsItem::levelOfDetailFromTransform(painter->worldTransform());
    if (m_font.pixelSize() * lod < PlanSizes::MinLabelPixels)
        return;
    painter->setFont(m_font);
    painter->drawText(m_line.p2() + QPointF(4, 0), m_stubLabel);
}
