#include "device.h"

#include "constants_p.h"

Device::Device() : QObject(nullptr), m_iconScale(QLatin1String(DuctbookConstants::NotSpecified)) {}

Device::Device(const QString& element, int x, int y, const QString& id, const QString& sheet,
               const QString& ip, const QString& pic, const QString& iconScale)
    : QObject(nullptr), m_element(element), m_x(x), m_y(y), m_sheet(sheet), m_id(id), m_ip(ip),
      m_pic(pic), m_iconScale(iconScale)
{
}

Device::Device(const Device& other)
    : QObject(other.parent()), m_element(other.m_element), m_x(other.m_x), m_y(other.m_y),
      m_sheet(other.m_sheet), m_id(other.m_id), m_ip(other.m_ip), m_pic(other.m_pic),
      m_iconScale(other.m_iconScale)
{
}

Device& Device::operator=(const Device& other)
{
    if (this == &other)
        return *this;
    m_element = other.m_element;
    m_x = other.m_x;
    m_y = other.m_y;
    m_sheet = other.m_sheet;
    m_id = other.m_id;
    m_ip = other.m_ip;
    m_pic = other.m_pic;
    m_iconScale = other.m_iconScale;
    return *this;
}

Device::~Device() = default;
