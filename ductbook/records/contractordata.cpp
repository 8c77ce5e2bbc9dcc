#include "contractordata.h"

ContractorData::ContractorData() : QObject(nullptr) {}

ContractorData::ContractorData(const QString& tester, const QString& company, const QString& email,
                               const QString& phone, const QString& logo, const Address& address)
    : QObject(nullptr), m_tester(tester), m_company(company), m_email(email), m_phone(phone),
      m_logo(logo)
{
    // Assigned, not copy-constructed: a member must never take over the
    // QObject parent of the caller's address, or that parent would delete it.
    m_address = address;
}

ContractorData::ContractorData(const ContractorData& other)
    : QObject(other.parent()), m_tester(other.m_tester), m_company(other.m_company),
      m_email(other.m_email), m_phone(other.m_phone), m_logo(other.m_logo)
{
    m_address = other.m_address;
}

ContractorData& ContractorData::operator=(const ContractorData& other)
{
    if (this == &other)
        return *this;
    m_tester = other.m_tester;
    m_company = other.m_company;
    m_email = other.m_email;
    m_phone = other.m_phone;
    m_logo = other.m_logo;
    m_address = other.m_address;
    return *this;
}

ContractorData::~ContractorData() = default;
