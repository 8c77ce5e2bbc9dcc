#include "port.h"

#include "constants_p.h"

Port::Port() : QObject(nullptr), m_iconScale(QLatin1String(DuctbookConstants::NotSpecified)) {}

Port::Port(int x, int y, const QString& element, const QString& id, const QString& floor,
           const QString& room, const QString& use, const QString& iconScale, double dropHeight)
    : QObject(nullptr), m_element(element), m_x(x), m_y(y), m_id(id), m_floor(floor), m_room(room),
      m_use(use), m_iconScale(iconScale), m_dropHeight(dropHeight)
{
}

Port::Port(const Port& other)
    : QObject(other.parent()), m_element(other.m_element), m_x(other.m_x), m_y(other.m_y),
      m_id(other.m_id), m_floor(other.m_floor), m_room(other.m_room), m_use(other.m_use),
      m_iconScale(other.m_iconScale), m_dropHeight(other.m_dropHeight)
{
}

Port& Port::operator=(const Port& other)
{
    if (this == &other)
        return *this;
    m_element = other.m_element;
    m_x = other.m_x;
    m_y = other.m_y;
    m_id = other.m_id;
    m_floor = other.m_floor;
    m_room = other.m_room;
    m_use = other.m_use;
    m_iconScale = other.m_iconScale;
    m_dropHeight = other.m_dropHeight;
    return *this;
}

Port::~Port() = default;
