#include "deviceconnection.h"

DeviceConnection::DeviceConnection() = default;

DeviceConnection::DeviceConnection(const QString& element, const QString& id, const QString& to,
                                   const QString& from, const QString& type)
    : m_element(element), m_id(id), m_from(from), m_to(to), m_type(type)
{
}

DeviceConnection::DeviceConnection(const DeviceConnection& other)
    : QObject(other.parent()), m_element(other.m_element), m_id(other.m_id), m_from(other.m_from),
      m_to(other.m_to), m_type(other.m_type)
{
}

DeviceConnection& DeviceConnection::operator=(const DeviceConnection& other)
{
    if (this == &other)
        return *this;
    m_element = other.m_element;
    m_id = other.m_id;
    m_from = other.m_from;
    m_to = other.m_to;
    m_type = other.m_type;
    return *this;
}

DeviceConnection::~DeviceConnection() = default;
