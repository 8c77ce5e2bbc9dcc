#ifndef DUCTBOOK_ROOM_H
#define DUCTBOOK_ROOM_H

#include "ductbook_global.h"

#include <QObject>
#include <QString>

// A room drawn on a floor plan. -1 in the geometry means "not drawn".
class DUCTBOOK_EXPORT Room : public QObject
{
    Q_OBJECT

public:
    Room();
    Room(const QString& element, double x, double y, double width, double height, const QString& id,
         const QString& floor, double roomNameX, double roomNameY, int showDimensions,
         int showRoomName, int layer);
    Room(const Room& other);
    Room& operator=(const Room& other);
    ~Room() override;

    QString& element() { return m_element; }
    const QString& element() const { return m_element; }
    void setElement(const QString& element) { m_element = element; }

    double x() const { return m_x; }
    void setX(double x) { m_x = x; }

    double y() const { return m_y; }
    void setY(double y) { m_y = y; }

    double width() const { return m_width; }
    void setWidth(double width) { m_width = width; }

    double height() const { return m_height; }
    void setHeight(double height) { m_height = height; }

    double roomNameX() const { return m_roomNameX; }
    void setRoomNameX(double roomNameX) { m_roomNameX = roomNameX; }

    double roomNameY() const { return m_roomNameY; }
    void setRoomNameY(double roomNameY) { m_roomNameY = roomNameY; }

    int showDimensions() const { return m_showDimensions; }
    void setShowDimensions(int showDimensions) { m_showDimensions = showDimensions; }

    int showRoomName() const { return m_showRoomName; }
    void setShowRoomName(int showRoomName) { m_showRoomName = showRoomName; }

    QString& id() { return m_id; }
    const QString& id() const { return m_id; }
    void setID(const QString& id) { m_id = id; }

    QString& floor() { return m_floor; }
    const QString& floor() const { return m_floor; }
    void setFloor(const QString& floor) { m_floor = floor; }

    int layer() const { return m_layer; }
    void setLayer(int layer) { m_layer = layer; }

private:
    QString m_element;
    double m_x = -1.0;
    double m_y = -1.0;
    double m_width = -1.0;
    double m_height = -1.0;
    double m_roomNameX = 0.0;
    double m_roomNameY = 0.0;
    int m_showDimensions = 3;
    int m_showRoomName = 3;
    QString m_id;
    QString m_floor;
    int m_layer = 3;
};

#endif // DUCTBOOK_ROOM_H
