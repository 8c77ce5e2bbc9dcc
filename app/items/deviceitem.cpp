#include "deviceitem.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStyleOptionGraphicsItem>

namespace {

const QColor Marked(0xff, 0x8c, 0x00);
const QColor Ink(0x11, 0x11, 0x11);

} // namespace

DeviceItem::DeviceItem(const QString& tag, const QString& id, const QString& ip,
                       const QString& type, const QPixmap& picture, double size, const QFont& font)
    : m_tag(tag), m_id(id), m_ip(ip), m_picture(picture), m_size(size), m_font(font)
{
    const QFontMetricsF metrics(m_font);
    const double width = qMax(metrics.horizontalAdvance(m_id), metrics.horizontalAdvance(m_ip));
    const int lines = m_ip.isEmpty() ? 1 : 2;
    m_labels = QRectF(-width / 2, m_size / 2 + 2, width, lines * metrics.height());
    setFlag(ItemIsSelectable);
    setAcceptedMouseButtons(Qt::NoButton);
    QStringList tip{id};
    for (const QString& more : {type, ip}) {
        if (!more.isEmpty())
            tip.append(more);
    }
    setToolTip(tip.join(QStringLiteral(" \u00b7 ")));
}

QRectF DeviceItem::boundingRect() const
{
    const double half = m_size / 2 + 4;
    return QRectF(-half, -half, 2 * half, 2 * half).united(m_labels);
}

QPainterPath DeviceItem::shape() const
{
    QPainterPath path;
    path.addRect(QRectF(-m_size / 2, -m_size / 2, m_size, m_size));
    return path;
}

void DeviceItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    const double lod =
        QStyleOptionGraphicsItem::levelOfDetailFromTransform(painter->worldTransform());
    const QRectF box(-m_size / 2, -m_size / 2, m_size, m_size);
    if (!m_picture.isNull()) {
        painter->setRenderHint(QPainter::SmoothPixmapTransform);
        painter->drawPixmap(box, m_picture, QRectF(m_picture.rect()));
    } else {
        QPen pen(Ink, 1);
        pen.setCosmetic(true);
        painter->setPen(pen);
        painter->setBrush(QColor(0xee, 0xf2, 0xf5));
        painter->drawRoundedRect(box.adjusted(4, 8, -4, -8), 4, 4);
    }
    if (isSelected()) {
        QPen ring(Marked, 3);
        ring.setCosmetic(true);
        painter->setPen(ring);
        painter->setBrush(Qt::NoBrush);
        painter->drawRoundedRect(box.adjusted(-3, -3, 3, 3), 6, 6);
    }
    if (m_font.pixelSize() * lod < PlanSizes::MinLabelPixels)
        return;
    painter->setFont(m_font);
    painter->setPen(Ink);
    const QString text = m_ip.isEmpty() ? m_id : m_id + QLatin1Char('\n') + m_ip;
    painter->drawText(m_labels, Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip, text);
}
