#include "sheet.h"

Sheet::Sheet() : QObject(nullptr) {}

Sheet::Sheet(const QString& element, const QString& id)
    : QObject(nullptr), m_element(element), m_id(id)
{
}

Sheet::Sheet(const Sheet& other)
    : QObject(other.parent()), m_element(other.m_element), m_id(other.m_id)
{
}

Sheet& Sheet::operator=(const Sheet& other)
{
    if (this == &other)
        return *this;
    m_element = other.m_element;
    m_id = other.m_id;
    return *this;
}

Sheet::~Sheet() = default;
