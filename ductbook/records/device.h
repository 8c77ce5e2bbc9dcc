#ifndef DUCTBOOK_DEVICE_H
#define DUCTBOOK_DEVICE_H

/// @file
/// The Device record.

#include "ductbook_global.h"

#include <QObject>
#include <QString>

/// A network device placed on a sheet of the network view; its picture tells
/// its type.
///
/// Connections (DeviceConnection) join devices by their ids. The record is a
/// snapshot of the device as the job document reported it, or the device a
/// host hands to the document to add.
class DUCTBOOK_EXPORT Device : public QObject
{
    Q_OBJECT

public:
    /// A device that is not placed: position (-1, -1), icon scale
    /// "not_specified", empty strings and no QObject parent.
    Device();
    /// A device with the given fields (no QObject parent). Note the order: the
    /// id comes before the sheet.
    Device(const QString& element, int x, int y, const QString& id, const QString& sheet,
           const QString& ip, const QString& pic, const QString& iconScale);
    /// A copy of every field of @p other; the copy has the same QObject parent
    /// as @p other.
    Device(const Device& other);
    /// Copies every field of @p other; this record keeps its own QObject
    /// parent. Assigning a record to itself changes nothing.
    Device& operator=(const Device& other);
    /// Destroys the record.
    ~Device() override;

    /// @name element
    ///@{

    /// The device's tag, the name of its XML element (normally "Device"
    /// followed by a number).
    QString& element() { return m_element; }
    const QString& element() const { return m_element; }
    void setElement(const QString& element) { m_element = element; }
    ///@}

    /// @name x
    ///@{

    /// The horizontal position on the sheet, in drawing coordinates; -1 when
    /// not placed.
    int x() const { return m_x; }
    void setX(int x) { m_x = x; }
    ///@}

    /// @name y
    ///@{

    /// The vertical position on the sheet, in drawing coordinates; -1 when not
    /// placed.
    int y() const { return m_y; }
    void setY(int y) { m_y = y; }
    ///@}

    /// @name sheet
    ///@{

    /// The tag of the sheet the device is on.
    QString& sheet() { return m_sheet; }
    const QString& sheet() const { return m_sheet; }
    void setSheet(const QString& sheet) { m_sheet = sheet; }
    ///@}

    /// @name id
    ///@{

    /// The device's name.
    QString& id() { return m_id; }
    const QString& id() const { return m_id; }
    void setID(const QString& id) { m_id = id; }
    ///@}

    /// @name ip
    ///@{

    /// The device's IP address as entered; not checked.
    QString& ip() { return m_ip; }
    const QString& ip() const { return m_ip; }
    void setIP(const QString& ip) { m_ip = ip; }
    ///@}

    /// @name pic
    ///@{

    /// The picture of the device's type, one of the device images such as
    /// ":/images/router.png" (resources the host provides).
    QString& pic() { return m_pic; }
    const QString& pic() const { return m_pic; }
    void setPic(const QString& pic) { m_pic = pic; }
    ///@}

    /// @name iconScale
    ///@{

    /// The size of the device's icon as text; "not_specified" (the default)
    /// for the application's default size.
    QString& iconScale() { return m_iconScale; }
    const QString& iconScale() const { return m_iconScale; }
    void setIconScale(const QString& iconScale) { m_iconScale = iconScale; }
    ///@}

private:
    QString m_element;
    int m_x = -1;
    int m_y = -1;
    QString m_sheet;
    QString m_id;
    QString m_ip;
    QString m_pic;
    QString m_iconScale;
};

#endif // DUCTBOOK_DEVICE_H
