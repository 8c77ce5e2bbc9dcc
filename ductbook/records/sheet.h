#ifndef DUCTBOOK_SHEET_H
#define DUCTBOOK_SHEET_H

#include "ductbook_global.h"

#include <QObject>
#include <QString>

// One drawing sheet of the network view.
class DUCTBOOK_EXPORT Sheet : public QObject
{
    Q_OBJECT

public:
    Sheet();
    Sheet(const QString& element, const QString& id);
    Sheet(const Sheet& other);
    Sheet& operator=(const Sheet& other);
    ~Sheet() override;

    QString element() const { return m_element; }
    void setElement(const QString& element) { m_element = element; }

    QString id() const { return m_id; }
    void setID(const QString& id) { m_id = id; }

private:
    QString m_element;
    QString m_id;
};

#endif // DUCTBOOK_SHEET_H
