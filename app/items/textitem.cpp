#include "textitem.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStyleOptionGraphicsItem>

TextItem::TextItem(const QString& text, int size, const QFont& font) : m_text(text), m_font(font)
{
    m_font.setPixelSize(size > 0 ? size : 10);
    const QFontMetricsF metrics(m_font);
    m_rect = QRectF(0, -metrics.ascent(), metrics.horizontalAdvance(m_text), metrics.height());
    setAcceptedMouseButtons(Qt::NoButton);
}

QRectF TextItem::boundingRect() const
{
    return m_rect;
}

void TextItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    const double lod =
        QStyleOptionGraphicsItem::levelOfDetailFromTransform(painter->worldTransform());
    if (m_font.pixelSize() * lod < PlanSizes::MinLabelPixels)
        return;
    painter->setFont(m_font);
    painter->setPen(QColor(0x55, 0x55, 0x55));
    painter->drawText(QPointF(0, 0), m_text);
}
