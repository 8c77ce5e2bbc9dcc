#ifndef DUCTBOOK_SHEET_H
#define DUCTBOOK_SHEET_H

/// @file
/// The Sheet record.

#include "ductbook_global.h"

#include <QObject>
#include <QString>

/// One drawing sheet of the network view.
///
/// A sheet holds devices, the bend points of their connections and free texts;
/// those records name their sheet by its tag ("SSheet_" followed by a number).
/// The record is a snapshot of the sheet as the job document reported it.
class DUCTBOOK_EXPORT Sheet : public QObject
{
    Q_OBJECT

public:
    /// A sheet with empty tag and id and no QObject parent.
    Sheet();
    /// A sheet with the given tag and id (no QObject parent).
    Sheet(const QString& element, const QString& id);
    /// A copy of both fields of @p other; the copy has the same QObject parent
    /// as @p other.
    Sheet(const Sheet& other);
    /// Copies both fields of @p other; this record keeps its own QObject
    /// parent. Assigning a record to itself changes nothing.
    Sheet& operator=(const Sheet& other);
    /// Destroys the record.
    ~Sheet() override;

    /// @name element
    ///@{

    /// The sheet's tag, the name of its XML element ("SSheet_" followed by a
    /// number). The getter returns a copy.
    QString element() const { return m_element; }
    void setElement(const QString& element) { m_element = element; }
    ///@}

    /// @name id
    ///@{

    /// The sheet's display name. The getter returns a copy.
    QString id() const { return m_id; }
    void setID(const QString& id) { m_id = id; }
    ///@}

private:
    QString m_element;
    QString m_id;
};

#endif // DUCTBOOK_SHEET_H
