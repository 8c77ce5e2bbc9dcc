#include "vertrun.h"

VertRun::VertRun() = default;

VertRun::VertRun(const QStringList& connected, const QStringList& disconnected)
    : m_connected(connected), m_disconnected(disconnected)
{
}

VertRun::VertRun(int x, int y, const QString& element, const QString& id, const QString& floor,
                 const QString& room, const QString& use, const QString& iconScale,
                 const QStringList& connected, const QStringList& disconnected, double dropHeight)
    : Port(x, y, element, id, floor, room, use, iconScale, dropHeight), m_connected(connected),
      m_disconnected(disconnected)
{
}

VertRun::VertRun(const VertRun& other)
    : Port(other), m_connected(other.m_connected), m_disconnected(other.m_disconnected)
{
}

VertRun& VertRun::operator=(const VertRun& other)
{
    if (this == &other)
        return *this;
    Port::operator=(other);
    m_connected = other.m_connected;
    m_disconnected = other.m_disconnected;
    return *this;
}

VertRun::~VertRun() = default;

void VertRun::setConnected(const QString& connected)
{
    m_connected = connected.split(QLatin1Char(','), Qt::SkipEmptyParts);
}

void VertRun::setDisconnected(const QString& disconnected)
{
    m_disconnected = disconnected.split(QLatin1Char(','), Qt::SkipEmptyParts);
}
