#ifndef DUCTBOOK_PORT_H
#define DUCTBOOK_PORT_H

#include "ductbook_global.h"

#include <QObject>
#include <QString>

// A wall port (outlet or termination point) on a floor; cables end at ports.
class DUCTBOOK_EXPORT Port : public QObject
{
    Q_OBJECT

public:
    Port();
    Port(int x, int y, const QString& element, const QString& id, const QString& floor,
         const QString& room, const QString& use, const QString& iconScale, double dropHeight);
    Port(const Port& other);
    Port& operator=(const Port& other);
    ~Port() override;

    QString& element() { return m_element; }
    const QString& element() const { return m_element; }
    void setElement(const QString& element) { m_element = element; }

    int x() const { return m_x; }
    void setX(int x) { m_x = x; }

    int y() const { return m_y; }
    void setY(int y) { m_y = y; }

    QString& id() { return m_id; }
    const QString& id() const { return m_id; }
    void setID(const QString& id) { m_id = id; }

    QString& floor() { return m_floor; }
    const QString& floor() const { return m_floor; }
    void setFloor(const QString& floor) { m_floor = floor; }

    QString& room() { return m_room; }
    const QString& room() const { return m_room; }
    void setRoom(const QString& room) { m_room = room; }

    QString& use() { return m_use; }
    const QString& use() const { return m_use; }
    void setUse(const QString& use) { m_use = use; }

    QString& iconScale() { return m_iconScale; }
    const QString& iconScale() const { return m_iconScale; }
    void setIconScale(const QString& iconScale) { m_iconScale = iconScale; }

    double dropHeight() const { return m_dropHeight; }
    void setDropHeight(double dropHeight) { m_dropHeight = dropHeight; }

private:
    QString m_element;
    int m_x = -1;
    int m_y = -1;
    QString m_id;
    QString m_floor;
    QString m_room;
    QString m_use;
    QString m_iconScale;
    double m_dropHeight = 7.0;
};

#endif // DUCTBOOK_PORT_H
