#ifndef DEVICECONNECTION_H
#define DEVICECONNECTION_H

/// @file
/// The DeviceConnection record.

#include "ductbook_global.h"

#include <QObject>
#include <QString>

/// One logical link between two devices of a network sheet.
///
/// A connection names the devices at its ends by their ids. The record is a
/// detached copy of the connection as the job document reported it, or the
/// connection a host hands to the document to add.
class DUCTBOOK_EXPORT DeviceConnection : public QObject
{
    Q_OBJECT

public:
    /// A connection with all five fields empty and no QObject parent.
    DeviceConnection();
    /// A connection with the given fields (no QObject parent). Note the order:
    /// the end comes before the start.
    DeviceConnection(const QString& element, const QString& id, const QString& to,
                     const QString& from, const QString& type);
    /// A copy of every field of @p other; the copy has the same QObject parent
    /// as @p other.
    DeviceConnection(const DeviceConnection& other);
    /// Copies every field of @p other; this record keeps its own QObject
    /// parent. Assigning a record to itself changes nothing.
    DeviceConnection& operator=(const DeviceConnection& other);
    /// Destroys the record.
    virtual ~DeviceConnection();

    /// @name element
    ///@{

    /// The connection's tag, the name of its XML element (normally
    /// "Connection" followed by a number).
    QString& element() { return m_element; }
    const QString& element() const { return m_element; }
    void setElement(const QString& element) { m_element = element; }
    ///@}

    /// @name id
    ///@{

    /// The connection's label.
    QString& id() { return m_id; }
    const QString& id() const { return m_id; }
    void setID(const QString& id) { m_id = id; }
    ///@}

    /// @name from
    ///@{

    /// The id of the device at one end.
    QString& from() { return m_from; }
    const QString& from() const { return m_from; }
    void setFrom(const QString& from) { m_from = from; }
    ///@}

    /// @name to
    ///@{

    /// The id of the device at the other end.
    QString& to() { return m_to; }
    const QString& to() const { return m_to; }
    void setTo(const QString& to) { m_to = to; }
    ///@}

    /// @name type
    ///@{

    /// The connection type, a decimal number held as text; the record does not
    /// check it.
    QString& type() { return m_type; }
    const QString& type() const { return m_type; }
    void setType(QString type) { m_type = type; }
    ///@}

private:
    QString m_element;
    QString m_id;
    QString m_from;
    QString m_to;
    QString m_type;
};

#endif // DEVICECONNECTION_H
