#include "vertice.h"

Vertice::Vertice() : QObject(nullptr) {}

Vertice::Vertice(const QString& element, int x, int y, const QString& sheet, const QString& id)
    : QObject(nullptr), m_element(element), m_x(x), m_y(y), m_sheet(sheet), m_id(id)
{
}

Vertice::Vertice(const Vertice& other)
    : QObject(other.parent()), m_element(other.m_element), m_x(other.m_x), m_y(other.m_y),
      m_sheet(other.m_sheet), m_id(other.m_id)
{
}

Vertice& Vertice::operator=(const Vertice& other)
{
    if (this == &other)
        return *this;
    m_element = other.m_element;
    m_x = other.m_x;
    m_y = other.m_y;
    m_sheet = other.m_sheet;
    m_id = other.m_id;
    return *this;
}

Vertice::~Vertice() = default;

bool Vertice::operator==(const Vertice& other) const
{
    return m_element == other.m_element && m_x == other.m_x && m_y == other.m_y &&
           m_id == other.m_id && m_sheet == other.m_sheet;
}
