#include "sheetmodel.h"

#include <ductbook.h>

#include <QSet>

SheetModel::SheetModel(Ductbook& job)
{
    QHash<QString, int> sheetOfEnd; // device or vertex id -> first sheet holding it
    for (const QString& tag : job.getSheetTags()) {
        SheetItem sheet;
        sheet.tag = tag;
        sheet.id = job.getSheetIdByTag(tag);
        QHash<QString, QPoint> ends;
        for (const QString& deviceTag : job.getDevices(tag, true)) {
            const Device d = job.getDeviceByTag(tag, deviceTag);
            SheetDevice device;
            device.tag = d.element();
            device.id = d.id();
            device.ip = d.ip();
            device.pic = d.pic();
            device.type = job.getDeviceType(deviceTag);
            device.iconScale = d.iconScale();
            device.pos = QPoint(d.x(), d.y());
            ends.insert(device.id, device.pos);
            sheet.devices.append(device);
        }
        for (const QString& vertexTag : job.getVertices(tag, true)) {
            const Vertice v = job.getVerticeByTag(tag, vertexTag);
            sheet.vertices.append({v.element(), v.id(), QPoint(v.x(), v.y())});
            ends.insert(v.id(), QPoint(v.x(), v.y()));
        }
        for (const QString& textTag : job.getFreeTexts(tag, true)) {
            const FreeText t = job.getFreeTextByTag(tag, textTag);
            sheet.texts.append({t.id(), QPoint(t.x(), t.y()), t.fontSize()});
        }
        for (auto it = ends.cbegin(); it != ends.cend(); ++it) {
            if (!sheetOfEnd.contains(it.key()))
                sheetOfEnd.insert(it.key(), int(m_sheets.size()));
        }
        m_sheets.append(sheet);
        m_ends.append(ends);
    }
    // Each connection is filed once with every sheet that holds one of its
    // ends, so that the connections are read once rather than once per device.
    for (const QString& tag : job.getConnections(true)) {
        const DeviceConnection c = job.getConnection(tag);
        SheetConnection connection;
        connection.tag = c.element();
        connection.id = c.id();
        connection.from = c.from();
        connection.to = c.to();
        connection.type = c.type().toInt();
        QSet<int> sheets;
        for (const QString& end : {connection.from, connection.to}) {
            const int sheet = sheetOfEnd.value(end, -1);
            if (sheet >= 0 && !sheets.contains(sheet)) {
                sheets.insert(sheet);
                m_sheets[sheet].connections.append(connection);
            }
        }
    }
}

int SheetModel::sheetIndex(const QString& idOrTag) const
{
    for (int i = 0; i < m_sheets.size(); ++i) {
        if (m_sheets.at(i).id == idOrTag)
            return i;
    }
    for (int i = 0; i < m_sheets.size(); ++i) {
        if (m_sheets.at(i).tag == idOrTag)
            return i;
    }
    return -1;
}

bool SheetModel::endPosition(int sheet, const QString& id, QPoint* pos) const
{
    if (sheet < 0 || sheet >= m_ends.size())
        return false;
    const auto it = m_ends.at(sheet).constFind(id);
    if (it == m_ends.at(sheet).constEnd())
        return false;
    *pos = *it;
    return true;
}
