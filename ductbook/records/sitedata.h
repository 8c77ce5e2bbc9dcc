#ifndef DUCTBOOK_SITEDATA_H
#define DUCTBOOK_SITEDATA_H

/// @file
/// The SiteData record.

#include "address.h"
#include "ductbook_global.h"

#include <QObject>
#include <QString>

/// Where and for whom the job was done: the "Site_Info" block of a job.
///
/// The job document fills one from its "Site_Info" block and writes one back,
/// the text fields to the attributes "jobid", "company", "contact", "email"
/// and "phone" and the address to the block's "Address" element. The record
/// holds its own Address; the getters return modifiable references into the
/// record, the setters replace a field, and nothing is checked.
class DUCTBOOK_EXPORT SiteData : public QObject
{
    Q_OBJECT

public:
    /// A record with every field empty and no QObject parent.
    SiteData();
    /// A record with the given contact, e-mail, phone and address; note the
    /// order, contact first. The job id and the company stay empty. The
    /// address is copied into the record; the record's own Address never takes
    /// over the QObject parent of @p address.
    SiteData(const QString& contact, const QString& email, const QString& phone,
             const Address& address);
    /// A copy of every field of @p other, the address included; the copy has
    /// the same QObject parent as @p other.
    SiteData(const SiteData& other);
    /// Copies every field of @p other, the address included; this record keeps
    /// its own QObject parent. Assigning a record to itself changes nothing.
    SiteData& operator=(const SiteData& other);
    /// Destroys the record.
    ~SiteData() override;

    /// @name jobid
    ///@{

    /// The job's id (attribute "jobid").
    QString& jobid() { return m_jobid; }
    const QString& jobid() const { return m_jobid; }
    void setJobID(const QString& jobid) { m_jobid = jobid; }
    ///@}

    /// @name company
    ///@{

    /// The customer's company (attribute "company").
    QString& company() { return m_company; }
    const QString& company() const { return m_company; }
    void setCompany(const QString& company) { m_company = company; }
    ///@}

    /// @name phone
    ///@{

    /// The site's phone number (attribute "phone").
    QString& phone() { return m_phone; }
    const QString& phone() const { return m_phone; }
    void setPhone(const QString& phone) { m_phone = phone; }
    ///@}

    /// @name email
    ///@{

    /// The site's e-mail address (attribute "email").
    QString& email() { return m_email; }
    const QString& email() const { return m_email; }
    void setEmail(const QString& email) { m_email = email; }
    ///@}

    /// @name contact
    ///@{

    /// The contact person at the site (attribute "contact").
    QString& contact() { return m_contact; }
    const QString& contact() const { return m_contact; }
    void setContact(const QString& contact) { m_contact = contact; }
    ///@}

    /// @name address
    ///@{

    /// The site's postal address. Changing the Address the getter returns
    /// changes this record; the setter copies the fields of the address given.
    Address& address() { return m_address; }
    const Address& address() const { return m_address; }
    void setAddress(const Address& address) { m_address = address; }
    ///@}

private:
    QString m_jobid;
    QString m_company;
    QString m_phone;
    QString m_email;
    QString m_contact;
    Address m_address;
};

#endif // DUCTBOOK_SITEDATA_H
