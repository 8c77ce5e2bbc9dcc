#include "labelitem.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStyleOptionGraphicsItem>

LabelItem::LabelItem(const QString& text, const QFont& font) : m_text(text), m_font(font)
{
    setAcceptedMouseButtons(Qt::NoButton);
    place(QPointF(), Qt::AlignLeft);
}

void LabelItem::place(const QPointF& at, Qt::Alignment alignment)
{
    prepareGeometryChange();
    const QFontMetricsF metrics(m_font);
    const double width = metrics.horizontalAdvance(m_text);
    double left = 0;
    if (alignment & Qt::AlignHCenter)
        left = -width / 2;
    else if (alignment & Qt::AlignRight)
        left = -width;
    m_rect = QRectF(left, -metrics.ascent(), width, metrics.height());
    setPos(at);
}

QRectF LabelItem::boundingRect() const
{
    return m_rect;
}

void LabelItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    const double lod =
        QStyleOptionGraphicsItem::levelOfDetailFromTransform(painter->worldTransform());
    if (m_font.pixelSize() * lod < PlanSizes::MinLabelPixels)
        return;
    painter->setFont(m_font);
    painter->setPen(QColor(0x11, 0x11, 0x11));
    painter->drawText(QPointF(m_rect.left(), 0), m_text);
}
