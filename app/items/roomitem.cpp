#include "roomitem.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStyleOptionGraphicsItem>

namespace {

const QColor RoomFill(247, 247, 242, 170); // lets a plan picture show through
const QColor RoomStroke(0x33, 0x33, 0x33);
const QColor Marked(0xff, 0x8c, 0x00);

} // namespace

RoomItem::RoomItem(const QString& tag, const QString& id, const QRectF& rect, const QPointF& label,
                   const QFont& font, bool showName)
    : m_tag(tag), m_id(id), m_rect(rect), m_label(label), m_font(font), m_showName(showName)
{
    // The label position is the start of the name's baseline, as the
    // drawings have it; (0, 0) means the room was stored without one.
    if (m_label.isNull())
        m_label = m_rect.topLeft() + QPointF(6, 14);
    const QFontMetricsF metrics(m_font);
    m_labelRect = QRectF(m_label.x(), m_label.y() - metrics.ascent(),
                         metrics.horizontalAdvance(m_id), metrics.height());
    setFlag(ItemIsSelectable);
    // Clicks go to the view, which picks what was meant; a room under the
    // pointer must not take every click on the floor.
    setAcceptedMouseButtons(Qt::NoButton);
    setToolTip(m_id);
}

void RoomItem::setShowName(bool show)
{
    if (show == m_showName)
        return;
    m_showName = show;
    update();
}

QRectF RoomItem::boundingRect() const
{
    return m_rect.united(m_labelRect).adjusted(-3, -3, 3, 3);
}

void RoomItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget*)
{
    const double lod =
        QStyleOptionGraphicsItem::levelOfDetailFromTransform(painter->worldTransform());
    QPen pen(isSelected() ? Marked : RoomStroke, isSelected() ? 3 : 1.2);
    pen.setCosmetic(true);
    painter->setPen(pen);
    painter->setBrush(RoomFill);
    painter->drawRect(m_rect);
    Q_UNUSED(option);
    if (!m_showName || m_font.pixelSize() * lod < PlanSizes::MinLabelPixels)
        return;
    painter->setFont(m_font);
    painter->setPen(RoomStroke);
    painter->drawText(m_labelRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, m_id);
}
