#ifndef DUCTBOOK_ADDRESS_H
#define DUCTBOOK_ADDRESS_H

/// @file
/// The Address record.

#include "ductbook_global.h"

#include <QObject>
#include <QString>

/// A postal address, as held by the contractor and site blocks of a job.
///
/// ContractorData and SiteData each carry one; the documents read it from and
/// write it to the "Address" element of the "Contractor_Info" and "Site_Info"
/// blocks, one attribute per field. Like every record it is a plain value: the
/// getters return modifiable references into the record, the setters replace a
/// field, and nothing is checked.
class DUCTBOOK_EXPORT Address : public QObject
{
    Q_OBJECT

public:
    /// An address with all six fields empty and no QObject parent.
    Address();
    /// An address with the given fields (no QObject parent).
    Address(const QString& address1, const QString& address2, const QString& city,
            const QString& state, const QString& zipcode, const QString& country);
    /// A copy of every field of @p other; the copy has the same QObject parent
    /// as @p other.
    Address(const Address& other);
    /// Copies every field of @p other; this record keeps its own QObject
    /// parent. Assigning a record to itself changes nothing.
    Address& operator=(const Address& other);
    /// Destroys the record.
    ~Address() override;

    /// @name address1
    ///@{

    /// The first address line (attribute "address1").
    QString& address1() { return m_address1; }
    const QString& address1() const { return m_address1; }
    void setAddress1(const QString& address1) { m_address1 = address1; }
    ///@}

    /// @name address2
    ///@{

    /// The second address line (attribute "address2").
    QString& address2() { return m_address2; }
    const QString& address2() const { return m_address2; }
    void setAddress2(const QString& address2) { m_address2 = address2; }
    ///@}

    /// @name city
    ///@{

    /// The city (attribute "city").
    QString& city() { return m_city; }
    const QString& city() const { return m_city; }
    void setCity(const QString& city) { m_city = city; }
    ///@}

    /// @name state
    ///@{

    /// The state or province (attribute "state").
    QString& state() { return m_state; }
    const QString& state() const { return m_state; }
    void setState(const QString& state) { m_state = state; }
    ///@}

    /// @name zipcode
    ///@{

    /// The postal code (attribute "zipcode").
    QString& zipcode() { return m_zipcode; }
    const QString& zipcode() const { return m_zipcode; }
    void setZipCode(const QString& zipcode) { m_zipcode = zipcode; }
    ///@}

    /// @name country
    ///@{

    /// The country (attribute "country").
    QString& country() { return m_country; }
    const QString& country() const { return m_country; }
    void setCountry(const QString& country) { m_country = country; }
    ///@}

private:
    QString m_address1;
    QString m_address2;
    QString m_city;
    QString m_state;
    QString m_zipcode;
    QString m_country;
};

#endif // DUCTBOOK_ADDRESS_H
