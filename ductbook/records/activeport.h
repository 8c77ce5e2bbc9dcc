#ifndef ACTIVEPORT_H
#define ACTIVEPORT_H

/// @file
/// The ActivePort record.

#include "activetestresult.h"
#include "ductbook_global.h"

#include <QList>
#include <QObject>
#include <QString>

/// A port from which active network tests were run, with the results of those
/// tests.
///
/// The results are held as pointers that the ActivePort does not own: copying
/// or assigning an ActivePort copies the pointers, not the results, so copies
/// share them, and destroying an ActivePort deletes none of them. Whoever
/// allocated the results deletes them once no copy of the port needs them any
/// more. The results in the port that Ductbook::getActivePort() returns are
/// allocated there and belong to the caller, who deletes them, for instance
/// with `qDeleteAll(port.activeTestResults())`.
class DUCTBOOK_EXPORT ActivePort : public QObject
{
    Q_OBJECT

public:
    /// A port with empty tag and id, no results and no QObject parent.
    ActivePort();
    /// A port with the given tag, id and results (no QObject parent). The
    /// pointers are copied; the results stay the caller's.
    ActivePort(const QString& element, const QString& id, const QList<ActiveTestResult*>& results);
    /// A copy of the tag, the id and the result pointers of @p other (the
    /// results themselves are shared); the copy has the same QObject parent as
    /// @p other.
    ActivePort(const ActivePort& other);
    /// Copies the tag, the id and the result pointers of @p other; this record
    /// keeps its own QObject parent. Assigning a record to itself changes
    /// nothing.
    ActivePort& operator=(const ActivePort& other);
    /// Destroys the record; the results it points to are left alone.
    virtual ~ActivePort();

    /// @name element
    ///@{

    /// The active port's tag, the name of its XML element (normally
    /// "ActivePort" followed by a number).
    QString& element() { return m_element; }
    const QString& element() const { return m_element; }
    void setElement(const QString& element) { m_element = element; }
    ///@}

    /// @name id
    ///@{

    /// The label of the port the tests were run from.
    QString& id() { return m_id; }
    const QString& id() const { return m_id; }
    void setId(const QString& id) { m_id = id; }
    ///@}

    /// @name Test results
    ///@{

    /// The results of the port's tests, in order. The getter returns a copy of
    /// the list of pointers; the results it points to are the ones this record
    /// holds.
    QList<ActiveTestResult*> activeTestResults() const { return m_results; }
    /// Replaces the list of result pointers; the results of the old list are
    /// not deleted.
    void setTestResult(QList<ActiveTestResult*> results) { m_results = results; }
    /// Appends one result pointer; the record does not take ownership.
    void addTestResult(ActiveTestResult* result) { m_results.append(result); }
    ///@}

private:
    QString m_element;
    QString m_id;
    QList<ActiveTestResult*> m_results;
};

#endif // ACTIVEPORT_H
