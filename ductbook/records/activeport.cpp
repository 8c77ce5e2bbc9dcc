#include "activeport.h"

ActivePort::ActivePort() = default;

ActivePort::ActivePort(const QString& element, const QString& id,
                       const QList<ActiveTestResult*>& results)
    : m_element(element), m_id(id), m_results(results)
{
}

ActivePort::ActivePort(const ActivePort& other)
    : QObject(other.parent()), m_element(other.m_element), m_id(other.m_id),
      m_results(other.m_results)
{
}

ActivePort& ActivePort::operator=(const ActivePort& other)
{
    if (this == &other)
        return *this;
    m_element = other.m_element;
    m_id = other.m_id;
    m_results = other.m_results;
    return *this;
}

// The results are the caller's; see the class comment.
ActivePort::~ActivePort() = default;
