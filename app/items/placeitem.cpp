#include "placeitem.h"

#include <QPainter>
#include <QStyleOptionGraphicsItem>

namespace {

const QColor Marked(0xff, 0x8c, 0x00);

} // namespace

PlaceItem::PlaceItem(const QString& tag, const QString& id, const QString& use, const QPixmap& icon,
                     const QColor& color, double size)
    : m_tag(tag), m_id(id), m_use(use), m_icon(icon), m_color(color), m_size(size)
{
    setFlag(ItemIsSelectable);
    setAcceptedMouseButtons(Qt::NoButton);
    setToolTip(use.isEmpty() ? id : QStringLiteral("%1 (%2)").arg(id, use));
}

QRectF PlaceItem::boundingRect() const
{
    const double half = m_size / 2 + 4; // the selection ring
    return QRectF(-half, -half, 2 * half, 2 * half);
}

QPainterPath PlaceItem::shape() const
{
    QPainterPath path;
    path.addRect(QRectF(-m_size / 2, -m_size / 2, m_size, m_size));
    return path;
}

void PlaceItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    const double lod =
        QStyleOptionGraphicsItem::levelOfDetailFromTransform(painter->worldTransform());
    const QRectF box(-m_size / 2, -m_size / 2, m_size, m_size);
    if (!m_icon.isNull() && m_size * lod >= PlanSizes::MinIconPixels) {
        painter->setRenderHint(QPainter::SmoothPixmapTransform);
        painter->drawPixmap(box, m_icon, QRectF(m_icon.rect()));
    } else if (m_size * lod < 3) {
        // A few pixels: one dab of the use's colour says enough.
        painter->fillRect(box, m_color);
    } else {
        drawSymbol(painter, box);
    }
    if (isSelected()) {
        QPen ring(Marked, 3);
        ring.setCosmetic(true);
        painter->setPen(ring);
        painter->setBrush(Qt::NoBrush);
        painter->drawEllipse(box.adjusted(-3, -3, 3, 3));
    }
}
