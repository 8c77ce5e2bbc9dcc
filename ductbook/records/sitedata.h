#ifndef DUCTBOOK_SITEDATA_H
#define DUCTBOOK_SITEDATA_H

#include "address.h"
#include "ductbook_global.h"

#include <QObject>
#include <QString>

// Where and for whom the job was done: the "Site_Info" block of a job.
class DUCTBOOK_EXPORT SiteData : public QObject
{
    Q_OBJECT

public:
    SiteData();
    // Contact comes first; the job id and the company stay empty.
    SiteData(const QString& contact, const QString& email, const QString& phone,
             const Address& address);
    SiteData(const SiteData& other);
    SiteData& operator=(const SiteData& other);
    ~SiteData() override;

    QString& jobid() { return m_jobid; }
    const QString& jobid() const { return m_jobid; }
    void setJobID(const QString& jobid) { m_jobid = jobid; }

    QString& company() { return m_company; }
    const QString& company() const { return m_company; }
    void setCompany(const QString& company) { m_company = company; }

    QString& phone() { return m_phone; }
    const QString& phone() const { return m_phone; }
    void setPhone(const QString& phone) { m_phone = phone; }

    QString& email() { return m_email; }
    const QString& email() const { return m_email; }
    void setEmail(const QString& email) { m_email = email; }

    QString& contact() { return m_contact; }
    const QString& contact() const { return m_contact; }
    void setContact(const QString& contact) { m_contact = contact; }

    Address& address() { return m_address; }
    const Address& address() const { return m_address; }
    void setAddress(const Address& address) { m_address = address; }

private:
    QString m_jobid;
    QString m_company;
    QString m_phone;
    QString m_email;
    QString m_contact;
    Address m_address;
};

#endif // DUCTBOOK_SITEDATA_H
