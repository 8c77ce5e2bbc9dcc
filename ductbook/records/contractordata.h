#ifndef DUCTBOOK_CONTRACTORDATA_H
#define DUCTBOOK_CONTRACTORDATA_H

/// @file
/// The ContractorData record.

#include "address.h"
#include "ductbook_global.h"

#include <QObject>
#include <QString>

/// Who did the work: the "Contractor_Info" block of a job or template.
///
/// QVXMLEditor::getContractorData() fills one from the document and
/// QVXMLEditor::setContractorData() writes one back, each field to the
/// attribute of the same name and the address to the block's "Address"
/// element. The record holds its own Address; the getters return modifiable
/// references into the record, the setters replace a field, and nothing is
/// checked.
class DUCTBOOK_EXPORT ContractorData : public QObject
{
    Q_OBJECT

public:
    /// A record with every field empty and no QObject parent.
    ContractorData();
    /// A record with the given fields (no QObject parent). The address is
    /// copied into the record; the record's own Address never takes over the
    /// QObject parent of @p address.
    ContractorData(const QString& tester, const QString& company, const QString& email,
                   const QString& phone, const QString& logo, const Address& address);
    /// A copy of every field of @p other, the address included; the copy has
    /// the same QObject parent as @p other.
    ContractorData(const ContractorData& other);
    /// Copies every field of @p other, the address included; this record keeps
    /// its own QObject parent. Assigning a record to itself changes nothing.
    ContractorData& operator=(const ContractorData& other);
    /// Destroys the record.
    ~ContractorData() override;

    /// @name tester
    ///@{

    /// The person who tested the cables (attribute "tester").
    QString& tester() { return m_tester; }
    const QString& tester() const { return m_tester; }
    void setTester(const QString& tester) { m_tester = tester; }
    ///@}

    /// @name company
    ///@{

    /// The contractor's company (attribute "company").
    QString& company() { return m_company; }
    const QString& company() const { return m_company; }
    void setCompany(const QString& company) { m_company = company; }
    ///@}

    /// @name email
    ///@{

    /// The contractor's e-mail address (attribute "email").
    QString& email() { return m_email; }
    const QString& email() const { return m_email; }
    void setEmail(const QString& email) { m_email = email; }
    ///@}

    /// @name phone
    ///@{

    /// The contractor's phone number (attribute "phone").
    QString& phone() { return m_phone; }
    const QString& phone() const { return m_phone; }
    void setPhone(const QString& phone) { m_phone = phone; }
    ///@}

    /// @name logo
    ///@{

    /// The path of the contractor's logo picture (attribute "logo").
    QString& logo() { return m_logo; }
    const QString& logo() const { return m_logo; }
    void setLogo(const QString& logo) { m_logo = logo; }
    ///@}

    /// @name address
    ///@{

    /// The contractor's postal address. Changing the Address the getter
    /// returns changes this record; the setter copies the fields of the
    /// address given.
    Address& address() { return m_address; }
    const Address& address() const { return m_address; }
    void setAddress(const Address& address) { m_address = address; }
    ///@}

private:
    QString m_tester;
    QString m_company;
    QString m_email;
    QString m_phone;
    QString m_logo;
    Address m_address;
};

#endif // DUCTBOOK_CONTRACTORDATA_H
