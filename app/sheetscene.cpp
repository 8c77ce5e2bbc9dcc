#include "sheetscene.h"

#include "items/connectionitem.h"
#include "items/deviceitem.h"
#include "items/textitem.h"
#include "items/vertexitem.h"
#include "jobdocument.h"

#include <QCoreApplication>

SheetScene::SheetScene(const JobDocument& document, int sheet, const PlanStyle& style,
                       QObject* parent)
    : QGraphicsScene(parent), m_sheet(sheet)
{
    setItemIndexMethod(NoIndex);
    const SheetModel& model = document.sheets();
    const SheetItem& s = model.sheets().at(sheet);
    for (const SheetConnection& c : s.connections) {
        QPoint from;
        QPoint to;
        const bool hasFrom = model.endPosition(sheet, c.from, &from);
        const bool hasTo = model.endPosition(sheet, c.to, &to);
        QLineF line;
        QString stub;
        if (hasFrom && hasTo) {
            line = QLineF(from, to);
        } else {
            // One end lies on another sheet (or nowhere): a short line from
            // the end that is here, named after the one that is not.
            const QPointF here = hasFrom ? from : to;
            line = QLineF(here, here + QPointF(0, -60));
            stub = QCoreApplication::translate("SheetScene", "to %1").arg(hasFrom ? c.to : c.from);
        }
        auto* item = new ConnectionItem(c.tag, c.id, line, stub, style.sheetFont);
        item->setToolTip(QStringLiteral("%1: %2 \u2013 %3").arg(c.id, c.from, c.to));
        addItem(item);
    }
    for (const SheetVertex& v : s.vertices) {
        auto* item = new VertexItem(v.tag, v.id);
        item->setPos(v.pos);
        addItem(item);
    }
    for (const SheetText& t : s.texts) {
        auto* item = new TextItem(t.text, t.size, style.sheetFont);
        item->setPos(t.pos);
        addItem(item);
    }
    for (const SheetDevice& d : s.devices) {
        const double size =
            PlanSizes::DeviceIcon * PlanStyle::itemIconScale(d.iconScale, style.sheetIconScale);
        auto* item = new DeviceItem(d.tag, d.id, d.ip, d.type, document.devicePicture(d), size,
                                    style.sheetFont);
        item->setPos(d.pos);
        item->setZValue(1);
        addItem(item);
        m_devices.insert(d.tag, item);
    }
    m_sheetRect = itemsBoundingRect().adjusted(-30, -30, 30, 30);
    if (m_sheetRect.isEmpty())
        m_sheetRect = QRectF(0, 0, 400, 300);
    setSceneRect(m_sheetRect);
}
