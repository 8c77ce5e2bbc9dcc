#ifndef DUCTBOOK_FREETEXT_H
#define DUCTBOOK_FREETEXT_H

/// @file
/// The FreeText record.

#include "ductbook_global.h"

#include <QObject>
#include <QString>

/// A text label placed on a sheet of the network view, or on a floor plan.
///
/// The id of a free text is the text itself. For a text on a floor plan,
/// sheet() holds the floor's tag. The record is a snapshot of the text as the
/// job document reported it, or the text a host hands to the document to add.
class DUCTBOOK_EXPORT FreeText : public QObject
{
    Q_OBJECT

public:
    /// A text that is not placed: position (-1, -1), font size 10, empty
    /// strings and no QObject parent.
    FreeText();
    /// A text with the given fields (no QObject parent). Note the order: the
    /// id (the text) comes before the sheet.
    FreeText(const QString& element, int x, int y, const QString& id, const QString& sheet,
             int fontSize);
    /// A copy of every field of @p other; the copy has the same QObject parent
    /// as @p other.
    FreeText(const FreeText& other);
    /// Copies every field of @p other; this record keeps its own QObject
    /// parent. Assigning a record to itself changes nothing.
    FreeText& operator=(const FreeText& other);
    /// Destroys the record.
    ~FreeText() override;

    /// @name element
    ///@{

    /// The text's tag, the name of its XML element.
    QString& element() { return m_element; }
    const QString& element() const { return m_element; }
    void setElement(const QString& element) { m_element = element; }
    ///@}

    /// @name x
    ///@{

    /// The horizontal position, in drawing coordinates; -1 when not placed.
    int x() const { return m_x; }
    void setX(int x) { m_x = x; }
    ///@}

    /// @name y
    ///@{

    /// The vertical position, in drawing coordinates; -1 when not placed.
    int y() const { return m_y; }
    void setY(int y) { m_y = y; }
    ///@}

    /// @name sheet
    ///@{

    /// The tag of the sheet the text is on; for a text on a floor plan, the
    /// tag of its floor.
    QString& sheet() { return m_sheet; }
    const QString& sheet() const { return m_sheet; }
    void setSheet(const QString& sheet) { m_sheet = sheet; }
    ///@}

    /// @name id
    ///@{

    /// The text shown.
    QString& id() { return m_id; }
    const QString& id() const { return m_id; }
    void setID(const QString& id) { m_id = id; }
    ///@}

    /// @name fontSize
    ///@{

    /// The font size of the text; 10 by default.
    int fontSize() const { return m_fontSize; }
    void setFontSize(int fontSize) { m_fontSize = fontSize; }
    ///@}

private:
    QString m_element;
    int m_x = -1;
    int m_y = -1;
    QString m_sheet;
    QString m_id;
    int m_fontSize = 10;
};

#endif // DUCTBOOK_FREETEXT_H
