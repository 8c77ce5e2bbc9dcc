#ifndef DUCTBOOK_PORT_H
#define DUCTBOOK_PORT_H

/// @file
/// The Port record.

#include "ductbook_global.h"

#include <QObject>
#include <QString>

/// A wall port (an outlet or termination point) on a floor; cables end at
/// ports.
///
/// The port stands in a room of a floor, and names both by their tags. Cables
/// name the ports at their ends by the ports' ids. The record is a snapshot of
/// the port as the job document reported it, or the port a host hands to the
/// document to add. VertRun, the record of a riser, derives from it.
class DUCTBOOK_EXPORT Port : public QObject
{
    Q_OBJECT

public:
    /// A port that is not placed: position (-1, -1), icon scale
    /// "not_specified", drop height 7.0, empty strings and no QObject parent.
    Port();
    /// A port with the given fields (no QObject parent). Note the order: the
    /// position comes first.
    Port(int x, int y, const QString& element, const QString& id, const QString& floor,
         const QString& room, const QString& use, const QString& iconScale, double dropHeight);
    /// A copy of every field of @p other; the copy has the same QObject parent
    /// as @p other.
    Port(const Port& other);
    /// Copies every field of @p other; this record keeps its own QObject
    /// parent. Assigning a record to itself changes nothing.
    Port& operator=(const Port& other);
    /// Destroys the record.
    ~Port() override;

    /// @name element
    ///@{

    /// The port's tag, the name of its XML element (normally "Port" followed by
    /// a number).
    QString& element() { return m_element; }
    const QString& element() const { return m_element; }
    void setElement(const QString& element) { m_element = element; }
    ///@}

    /// @name x
    ///@{

    /// The horizontal position on the floor plan, in drawing coordinates; -1
    /// when not placed.
    int x() const { return m_x; }
    void setX(int x) { m_x = x; }
    ///@}

    /// @name y
    ///@{

    /// The vertical position on the floor plan, in drawing coordinates; -1 when
    /// not placed.
    int y() const { return m_y; }
    void setY(int y) { m_y = y; }
    ///@}

    /// @name id
    ///@{

    /// The port's name as labelled on site, such as "P07".
    QString& id() { return m_id; }
    const QString& id() const { return m_id; }
    void setID(const QString& id) { m_id = id; }
    ///@}

    /// @name floor
    ///@{

    /// The tag of the floor the port is on.
    QString& floor() { return m_floor; }
    const QString& floor() const { return m_floor; }
    void setFloor(const QString& floor) { m_floor = floor; }
    ///@}

    /// @name room
    ///@{

    /// The tag of the room the port is in; "Undefined" for a port in no drawn
    /// room.
    QString& room() { return m_room; }
    const QString& room() const { return m_room; }
    void setRoom(const QString& room) { m_room = room; }
    ///@}

    /// @name use
    ///@{

    /// The port's use, one of the use keys such as "Network", "Phone" or
    /// "1Wall".
    QString& use() { return m_use; }
    const QString& use() const { return m_use; }
    void setUse(const QString& use) { m_use = use; }
    ///@}

    /// @name iconScale
    ///@{

    /// The size of the port's icon as text; "not_specified" (the default) for
    /// the application's default size.
    QString& iconScale() { return m_iconScale; }
    const QString& iconScale() const { return m_iconScale; }
    void setIconScale(const QString& iconScale) { m_iconScale = iconScale; }
    ///@}

    /// @name dropHeight
    ///@{

    /// The port's drop height in the job's length unit (feet); 7.0 by default.
    /// The length estimate of every cable that ends at the port adds it.
    double dropHeight() const { return m_dropHeight; }
    void setDropHeight(double dropHeight) { m_dropHeight = dropHeight; }
    ///@}

private:
    QString m_element;
    int m_x = -1;
    int m_y = -1;
    QString m_id;
    QString m_floor;
    QString m_room;
    QString m_use;
    QString m_iconScale;
    double m_dropHeight = 7.0;
};

#endif // DUCTBOOK_PORT_H
