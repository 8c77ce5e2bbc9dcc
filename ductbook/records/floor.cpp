#include "floor.h"

Floor::Floor() : QObject(nullptr) {}

Floor::Floor(const QString& element, const QString& id, const QString& pic, double ceilingHeight)
    : QObject(nullptr), m_id(id), m_element(element), m_pic(pic), m_ceilingHeight(ceilingHeight)
{
}

Floor::Floor(const Floor& other)
    : QObject(other.parent()), m_id(other.m_id), m_element(other.m_element), m_pic(other.m_pic),
      m_ceilingHeight(other.m_ceilingHeight)
{
}

Floor& Floor::operator=(const Floor& other)
{
    if (this == &other)
        return *this;
    m_id = other.m_id;
    m_element = other.m_element;
    m_pic = other.m_pic;
    m_ceilingHeight = other.m_ceilingHeight;
    return *this;
}

Floor::~Floor() = default;
