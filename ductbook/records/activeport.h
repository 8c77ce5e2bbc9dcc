#ifndef ACTIVEPORT_H
#define ACTIVEPORT_H

#include "activetestresult.h"
#include "ductbook_global.h"

#include <QList>
#include <QObject>
#include <QString>

// A port from which active tests were run. The result pointers are not owned:
// copies share them and no ActivePort ever deletes one. Results handed out by
// Ductbook::getActivePort belong to the caller.
class DUCTBOOK_EXPORT ActivePort : public QObject
{
    Q_OBJECT

public:
    ActivePort();
    ActivePort(const QString& element, const QString& id, const QList<ActiveTestResult*>& results);
    ActivePort(const ActivePort& other);
    ActivePort& operator=(const ActivePort& other);
    virtual ~ActivePort();

    QString& element() { return m_element; }
    const QString& element() const { return m_element; }
    void setElement(const QString& element) { m_element = element; }

    QString& id() { return m_id; }
    const QString& id() const { return m_id; }
    void setId(const QString& id) { m_id = id; }

    QList<ActiveTestResult*> activeTestResults() const { return m_results; }
    void setTestResult(QList<ActiveTestResult*> results) { m_results = results; }
    void addTestResult(ActiveTestResult* result) { m_results.append(result); }

private:
    QString m_element;
    QString m_id;
    QList<ActiveTestResult*> m_results;
};

#endif // ACTIVEPORT_H
