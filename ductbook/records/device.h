#ifndef DUCTBOOK_DEVICE_H
#define DUCTBOOK_DEVICE_H

#include "ductbook_global.h"

#include <QObject>
#include <QString>

// A network device placed on a sheet; its picture tells its type.
class DUCTBOOK_EXPORT Device : public QObject
{
    Q_OBJECT

public:
    Device();
    Device(const QString& element, int x, int y, const QString& id, const QString& sheet,
           const QString& ip, const QString& pic, const QString& iconScale);
    Device(const Device& other);
    Device& operator=(const Device& other);
    ~Device() override;

    QString& element() { return m_element; }
    const QString& element() const { return m_element; }
    void setElement(const QString& element) { m_element = element; }

    int x() const { return m_x; }
    void setX(int x) { m_x = x; }

    int y() const { return m_y; }
    void setY(int y) { m_y = y; }

    QString& sheet() { return m_sheet; }
    const QString& sheet() const { return m_sheet; }
    void setSheet(const QString& sheet) { m_sheet = sheet; }

    QString& id() { return m_id; }
    const QString& id() const { return m_id; }
    void setID(const QString& id) { m_id = id; }

    QString& ip() { return m_ip; }
    const QString& ip() const { return m_ip; }
    void setIP(const QString& ip) { m_ip = ip; }

    QString& pic() { return m_pic; }
    const QString& pic() const { return m_pic; }
    void setPic(const QString& pic) { m_pic = pic; }

    QString& iconScale() { return m_iconScale; }
    const QString& iconScale() const { return m_iconScale; }
    void setIconScale(const QString& iconScale) { m_iconScale = iconScale; }

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
