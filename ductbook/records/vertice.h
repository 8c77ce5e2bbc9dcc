#ifndef DUCTBOOK_VERTICE_H
#define DUCTBOOK_VERTICE_H

/// @file
/// The Vertice record.

#include "ductbook_global.h"

#include <QObject>
#include <QString>

/// A bend point of a connection line on a sheet, or a cable path point on a
/// floor.
///
/// On a sheet, connections between devices bend at vertices. The same record
/// carries a path point of a floor plan, through which cable routes run (a
/// Cable lists the ids of its path points); then sheet() holds the floor's tag.
/// The record is a snapshot of the point as the job document reported it, or
/// the point a host hands to the document to add.
class DUCTBOOK_EXPORT Vertice : public QObject
{
    Q_OBJECT

public:
    /// A point that is not placed: position (-1, -1), empty strings and no
    /// QObject parent.
    Vertice();
    /// A point with the given fields (no QObject parent). Note the order: the
    /// sheet comes before the id here, unlike Device and FreeText.
    Vertice(const QString& element, int x, int y, const QString& sheet, const QString& id);
    /// A copy of every field of @p other; the copy has the same QObject parent
    /// as @p other.
    Vertice(const Vertice& other);
    /// Copies every field of @p other; this record keeps its own QObject
    /// parent. Assigning a record to itself changes nothing.
    Vertice& operator=(const Vertice& other);
    /// Destroys the record.
    ~Vertice() override;

    /// True when the two points have the same tag, position, sheet and id.
    bool operator==(const Vertice& other) const;
    /// True when the two points differ in tag, position, sheet or id.
    bool operator!=(const Vertice& other) const { return !(*this == other); }

    /// @name element
    ///@{

    /// The point's tag, the name of its XML element.
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

    /// The tag of the sheet the point is on; for a path point, the tag of its
    /// floor.
    QString& sheet() { return m_sheet; }
    const QString& sheet() const { return m_sheet; }
    void setSheet(const QString& sheet) { m_sheet = sheet; }
    ///@}

    /// @name id
    ///@{

    /// The point's name.
    QString& id() { return m_id; }
    const QString& id() const { return m_id; }
    void setID(const QString& id) { m_id = id; }
    ///@}

private:
    QString m_element;
    int m_x = -1;
    int m_y = -1;
    QString m_sheet;
    QString m_id;
};

#endif // DUCTBOOK_VERTICE_H
