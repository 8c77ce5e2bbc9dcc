#include "sitedata.h"

SiteData::SiteData() : QObject(nullptr) {}

SiteData::SiteData(const QString& contact, const QString& email, const QString& phone,
                   const Address& address)
    : QObject(nullptr), m_phone(phone), m_email(email), m_contact(contact)
{
    // Assigned, not copy-constructed: a member must never take over the
    // QObject parent of the caller's address, or that parent would delete it.
    m_address = address;
}

SiteData::SiteData(const SiteData& other)
    : QObject(other.parent()), m_jobid(other.m_jobid), m_company(other.m_company),
      m_phone(other.m_phone), m_email(other.m_email), m_contact(other.m_contact)
{
    m_address = other.m_address;
}

SiteData& SiteData::operator=(const SiteData& other)
{
    if (this == &other)
        return *this;
    m_jobid = other.m_jobid;
    m_company = other.m_company;
    m_phone = other.m_phone;
    m_email = other.m_email;
    m_contact = other.m_contact;
    m_address = other.m_address;
    return *this;
}

SiteData::~SiteData() = default;
