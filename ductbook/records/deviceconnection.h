#ifndef DEVICECONNECTION_H
#define DEVICECONNECTION_H

#include "ductbook_global.h"

#include <QObject>
#include <QString>

// One logical link between two devices of a network sheet.
class DUCTBOOK_EXPORT DeviceConnection : public QObject
{
    Q_OBJECT

public:
    DeviceConnection();
    DeviceConnection(const QString& element, const QString& id, const QString& to,
                     const QString& from, const QString& type);
    DeviceConnection(const DeviceConnection& other);
    DeviceConnection& operator=(const DeviceConnection& other);
    virtual ~DeviceConnection();

    QString& element() { return m_element; }
    const QString& element() const { return m_element; }
    void setElement(const QString& element) { m_element = element; }

    QString& id() { return m_id; }
    const QString& id() const { return m_id; }
    void setID(const QString& id) { m_id = id; }

    QString& from() { return m_from; }
    const QString& from() const { return m_from; }
    void setFrom(const QString& from) { m_from = from; }

    QString& to() { return m_to; }
    const QString& to() const { return m_to; }
    void setTo(const QString& to) { m_to = to; }

    // The connection type is a decimal number held as text.
    QString& type() { return m_type; }
    const QString& type() const { return m_type; }
    void setType(QString type) { m_type = type; }

private:
    QString m_element;
    QString m_id;
    QString m_from;
    QString m_to;
    QString m_type;
};

#endif // DEVICECONNECTION_H
