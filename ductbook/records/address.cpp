#include "address.h"

Address::Address() : QObject(nullptr) {}

Address::Address(const QString& address1, const QString& address2, const QString& city,
                 const QString& state, const QString& zipcode, const QString& country)
    : QObject(nullptr), m_address1(address1), m_address2(address2), m_city(city), m_state(state),
      m_zipcode(zipcode), m_country(country)
{
}

Address::Address(const Address& other)
    : QObject(other.parent()), m_address1(other.m_address1), m_address2(other.m_address2),
      m_city(other.m_city), m_state(other.m_state), m_zipcode(other.m_zipcode),
      m_country(other.m_country)
{
}

Address& Address::operator=(const Address& other)
{
    if (this == &other)
        return *this;
    m_address1 = other.m_address1;
    m_address2 = other.m_address2;
    m_city = other.m_city;
    m_state = other.m_state;
    m_zipcode = other.m_zipcode;
    m_country = other.m_country;
    return *this;
}

Address::~Address() = default;
