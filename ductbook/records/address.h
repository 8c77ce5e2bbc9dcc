#ifndef DUCTBOOK_ADDRESS_H
#define DUCTBOOK_ADDRESS_H

#include "ductbook_global.h"

#include <QObject>
#include <QString>

// A postal address, as held by the contractor and site blocks of a job.
class DUCTBOOK_EXPORT Address : public QObject
{
    Q_OBJECT

public:
    Address();
    Address(const QString& address1, const QString& address2, const QString& city,
            const QString& state, const QString& zipcode, const QString& country);
    Address(const Address& other);
    Address& operator=(const Address& other);
    ~Address() override;

    QString& address1() { return m_address1; }
    const QString& address1() const { return m_address1; }
    void setAddress1(const QString& address1) { m_address1 = address1; }

    QString& address2() { return m_address2; }
    const QString& address2() const { return m_address2; }
    void setAddress2(const QString& address2) { m_address2 = address2; }

    QString& city() { return m_city; }
    const QString& city() const { return m_city; }
    void setCity(const QString& city) { m_city = city; }

    QString& state() { return m_state; }
    const QString& state() const { return m_state; }
    void setState(const QString& state) { m_state = state; }

    QString& zipcode() { return m_zipcode; }
    const QString& zipcode() const { return m_zipcode; }
    void setZipCode(const QString& zipcode) { m_zipcode = zipcode; }

    QString& country() { return m_country; }
    const QString& country() const { return m_country; }
    void setCountry(const QString& country) { m_country = country; }

private:
    QString m_address1;
    QString m_address2;
    QString m_city;
    QString m_state;
    QString m_zipcode;
    QString m_country;
};

#endif // DUCTBOOK_ADDRESS_H
