#include "bundledcable.h"

BundledCable::BundledCable() = default;

BundledCable::BundledCable(const QString& element, const QString& id, const QStringList& types,
                           const QString& color, bool defaultType)
    : m_element(element), m_id(id), m_types(types), m_color(color), m_defaultType(defaultType)
{
}

BundledCable::BundledCable(const BundledCable& other)
    : QObject(other.parent()), m_element(other.m_element), m_id(other.m_id), m_types(other.m_types),
      m_color(other.m_color), m_defaultType(other.m_defaultType)
{
}

BundledCable& BundledCable::operator=(const BundledCable& other)
{
    if (this == &other)
        return *this;
    m_element = other.m_element;
    m_id = other.m_id;
    m_types = other.m_types;
    m_color = other.m_color;
    m_defaultType = other.m_defaultType;
    return *this;
}

BundledCable::~BundledCable() = default;
