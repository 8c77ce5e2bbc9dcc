#ifndef ACTIVETESTRESULT_H
#define ACTIVETESTRESULT_H

/// @file
/// The ActiveTestResult record.

#include "ductbook_global.h"

#include <QObject>
#include <QString>

/// One active network test run from a port.
///
/// The test was run against the live network from the port of an ActivePort,
/// which holds its results. All four fields are text; the library stores them
/// as given and interprets none of them.
class DUCTBOOK_EXPORT ActiveTestResult : public QObject
{
    Q_OBJECT

public:
    /// A result with all four fields empty and no QObject parent.
    ActiveTestResult();
    /// A result with the given fields (no QObject parent).
    ActiveTestResult(const QString& element, const QString& testType, const QString& testResult,
                     const QString& dateTime);
    /// A copy of every field of @p other; the copy has the same QObject parent
    /// as @p other.
    ActiveTestResult(const ActiveTestResult& other);
    /// Copies every field of @p other; this record keeps its own QObject
    /// parent. Assigning a record to itself changes nothing.
    ActiveTestResult& operator=(const ActiveTestResult& other);
    /// Destroys the record.
    virtual ~ActiveTestResult();

    /// @name element
    ///@{

    /// The tag of the result's element inside its port ("ActiveTest_Result"
    /// followed by a number). When the job adds a port with its results, it
    /// numbers them itself and ignores this field.
    QString& element() { return m_element; }
    const QString& element() const { return m_element; }
    void setElement(const QString& element) { m_element = element; }
    ///@}

    /// @name testType
    ///@{

    /// The kind of test: "iPerf", "LLDP", "PING", "PoE" or "Port Discovery".
    QString& testType() { return m_testType; }
    const QString& testType() const { return m_testType; }
    void setTestType(const QString& type) { m_testType = type; }
    ///@}

    /// @name testResult
    ///@{

    /// The result, as text supplied by the host.
    QString& testResult() { return m_testResult; }
    const QString& testResult() const { return m_testResult; }
    void setTestResult(const QString& result) { m_testResult = result; }
    ///@}

    /// @name dateTime
    ///@{

    /// When the test ran, as text supplied by the host.
    QString& dateTime() { return m_dateTime; }
    const QString& dateTime() const { return m_dateTime; }
    void setDateTime(const QString& dateTime) { m_dateTime = dateTime; }
    ///@}

private:
    QString m_element;
    QString m_testType;
    QString m_testResult;
    QString m_dateTime;
};

#endif // ACTIVETESTRESULT_H
