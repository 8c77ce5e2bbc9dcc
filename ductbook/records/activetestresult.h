#ifndef ACTIVETESTRESULT_H
#define ACTIVETESTRESULT_H

#include "ductbook_global.h"

#include <QObject>
#include <QString>

// One active network test run from a port.
class DUCTBOOK_EXPORT ActiveTestResult : public QObject
{
    Q_OBJECT

public:
    ActiveTestResult();
    ActiveTestResult(const QString& element, const QString& testType, const QString& testResult,
                     const QString& dateTime);
    ActiveTestResult(const ActiveTestResult& other);
    ActiveTestResult& operator=(const ActiveTestResult& other);
    virtual ~ActiveTestResult();

    QString& element() { return m_element; }
    const QString& element() const { return m_element; }
    void setElement(const QString& element) { m_element = element; }

    QString& testType() { return m_testType; }
    const QString& testType() const { return m_testType; }
    void setTestType(const QString& type) { m_testType = type; }

    QString& testResult() { return m_testResult; }
    const QString& testResult() const { return m_testResult; }
    void setTestResult(const QString& result) { m_testResult = result; }

    QString& dateTime() { return m_dateTime; }
    const QString& dateTime() const { return m_dateTime; }
    void setDateTime(const QString& dateTime) { m_dateTime = dateTime; }

private:
    QString m_element;
    QString m_testType;
    QString m_testResult;
    QString m_dateTime;
};

#endif // ACTIVETESTRESULT_H
