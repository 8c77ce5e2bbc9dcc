#ifndef DUCTBOOK_FLOOR_H
#define DUCTBOOK_FLOOR_H

#include "ductbook_global.h"

#include <QObject>
#include <QString>

// One storey of the building, with its background plan and ceiling height.
class DUCTBOOK_EXPORT Floor : public QObject
{
    Q_OBJECT

public:
    Floor();
    Floor(const QString& element, const QString& id, const QString& pic, double ceilingHeight);
    Floor(const Floor& other);
    Floor& operator=(const Floor& other);
    ~Floor() override;

    QString id() const { return m_id; }
    void setID(const QString& id) { m_id = id; }

    QString element() const { return m_element; }
    void setElement(const QString& element) { m_element = element; }

    QString& pic() { return m_pic; }
    const QString& pic() const { return m_pic; }
    void setPic(const QString& pic) { m_pic = pic; }

    double ceilingHeight() const { return m_ceilingHeight; }
    void setCeilingHeight(double ceilingHeight) { m_ceilingHeight = ceilingHeight; }

private:
    QString m_id;
    QString m_element;
    QString m_pic;
    double m_ceilingHeight = 8.0;
};

#endif // DUCTBOOK_FLOOR_H
