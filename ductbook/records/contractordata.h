#ifndef DUCTBOOK_CONTRACTORDATA_H
#define DUCTBOOK_CONTRACTORDATA_H

#include "address.h"
#include "ductbook_global.h"

#include <QObject>
#include <QString>

// Who did the work: the "Contractor_Info" block of a job.
class DUCTBOOK_EXPORT ContractorData : public QObject
{
    Q_OBJECT

public:
    ContractorData();
    ContractorData(const QString& tester, const QString& company, const QString& email,
                   const QString& phone, const QString& logo, const Address& address);
    ContractorData(const ContractorData& other);
    ContractorData& operator=(const ContractorData& other);
    ~ContractorData() override;

    QString& tester() { return m_tester; }
    const QString& tester() const { return m_tester; }
    void setTester(const QString& tester) { m_tester = tester; }

    QString& company() { return m_company; }
    const QString& company() const { return m_company; }
    void setCompany(const QString& company) { m_company = company; }

    QString& email() { return m_email; }
    const QString& email() const { return m_email; }
    void setEmail(const QString& email) { m_email = email; }

    QString& phone() { return m_phone; }
    const QString& phone() const { return m_phone; }
    void setPhone(const QString& phone) { m_phone = phone; }

    QString& logo() { return m_logo; }
    const QString& logo() const { return m_logo; }
    void setLogo(const QString& logo) { m_logo = logo; }

    Address& address() { return m_address; }
    const Address& address() const { return m_address; }
    void setAddress(const Address& address) { m_address = address; }

private:
    QString m_tester;
    QString m_company;
    QString m_email;
    QString m_phone;
    QString m_logo;
    Address m_address;
};

#endif // DUCTBOOK_CONTRACTORDATA_H
