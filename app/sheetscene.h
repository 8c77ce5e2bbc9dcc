// One network sheet as graphics items: its devices with their pictures and
// names, the bend points, texts, and the connections between them.
#ifndef SHEETSCENE_H
#define SHEETSCENE_H

#include "planstyle.h"

#include <QGraphicsScene>
#include <QHash>

class DeviceItem;
class JobDocument;

class SheetScene : public QGraphicsScene
{
    Q_OBJECT
public:
    SheetScene(const JobDocument& document, int sheet, const PlanStyle& style,
               QObject* parent = nullptr);

    int sheet() const { return m_sheet; }
    QRectF sheetRect() const { return m_sheetRect; }
    DeviceItem* device(const QString& tag) const { return m_devices.value(tag); }

private:
    int m_sheet;
    QRectF m_sheetRect;
    QHash<QString, DeviceItem*> m_devices;
};

#endif // SHEETSCENE_H
