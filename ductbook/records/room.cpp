#include "room.h"

#include "constants_p.h"

Room::Room() : QObject(nullptr) {}

QString Room::undefinedTag()
{
    return QLatin1String(DuctbookConstants::UndefinedRoom);
}

Room::Room(const QString& element, double x, double y, double width, double height,
           const QString& id, const QString& floor, double roomNameX, double roomNameY,
           int showDimensions, int showRoomName, int layer)
    : QObject(nullptr), m_element(element), m_x(x), m_y(y), m_width(width), m_height(height),
      m_roomNameX(roomNameX), m_roomNameY(roomNameY), m_showDimensions(showDimensions),
      m_showRoomName(showRoomName), m_id(id), m_floor(floor), m_layer(layer)
{
}

Room::Room(const Room& other)
    : QObject(other.parent()), m_element(other.m_element), m_x(other.m_x), m_y(other.m_y),
      m_width(other.m_width), m_height(other.m_height), m_roomNameX(other.m_roomNameX),
      m_roomNameY(other.m_roomNameY), m_showDimensions(other.m_showDimensions),
      m_showRoomName(other.m_showRoomName), m_id(other.m_id), m_floor(other.m_floor),
      m_layer(other.m_layer)
{
}

Room& Room::operator=(const Room& other)
{
    if (this == &other)
        return *this;
    m_element = other.m_element;
    m_x = other.m_x;
    m_y = other.m_y;
    m_width = other.m_width;
    m_height = other.m_height;
    m_roomNameX = other.m_roomNameX;
    m_roomNameY = other.m_roomNameY;
    m_showDimensions = other.m_showDimensions;
    m_showRoomName = other.m_showRoomName;
    m_id = other.m_id;
    m_floor = other.m_floor;
    m_layer = other.m_layer;
    return *this;
}

Room::~Room() = default;
