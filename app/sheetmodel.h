// The network sheets of a job as the planner draws them, read once: each
// sheet's devices, connection bend points (vertices) and texts, and the
// connections that have an end on it.
#ifndef SHEETMODEL_H
#define SHEETMODEL_H

#include <QHash>
#include <QList>
#include <QPoint>
#include <QString>

class Ductbook;

struct SheetDevice
{
    QString tag;
    QString id;
    QString ip;
    QString pic;
    QString type; // one of the device types, "" for a picture of its own
    QString iconScale;
    QPoint pos;
};

struct SheetVertex
{
    QString tag;
    QString id;
    QPoint pos;
};

struct SheetText
{
    QString text;
    QPoint pos;
    int size = 10;
};

struct SheetConnection
{
    QString tag;
    QString id;
    QString from; // id of a device or vertex
    QString to;
    int type = 0;
};

struct SheetItem
{
    QString tag;
    QString id;
    QList<SheetDevice> devices;
    QList<SheetVertex> vertices;
    QList<SheetText> texts;
    QList<SheetConnection> connections;
};

class SheetModel
{
public:
    SheetModel() = default;
    explicit SheetModel(Ductbook& job);

    const QList<SheetItem>& sheets() const { return m_sheets; }
    // The sheet with this id, else with this tag; -1 when there is none.
    int sheetIndex(const QString& idOrTag) const;
    // Where a device or vertex of this id is drawn on sheet; false when the
    // sheet has none.
    bool endPosition(int sheet, const QString& id, QPoint* pos) const;

private:
    QList<SheetItem> m_sheets;
    // Per sheet, device and vertex ids to their positions.
    QList<QHash<QString, QPoint>> m_ends;
};

#endif // SHEETMODEL_H
