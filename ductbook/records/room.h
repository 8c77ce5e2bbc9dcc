#ifndef DUCTBOOK_ROOM_H
#define DUCTBOOK_ROOM_H

/// @file
/// The Room record.

#include "ductbook_global.h"

#include <QObject>
#include <QString>

/// A room drawn on a floor plan: a rectangle with a name label.
///
/// Rooms hold the ports and vertical runs of a floor; a Port names its room
/// by the room's tag. The geometry is in drawing coordinates of the floor
/// plan; -1 in it means "not drawn". The record is a snapshot of the room as
/// the job document reported it, or the room a host hands to the document to
/// add.
class DUCTBOOK_EXPORT Room : public QObject
{
    Q_OBJECT

public:
    /// A room that is not drawn: position and size -1.0, name label at
    /// (0, 0), showDimensions(), showRoomName() and layer() 3, empty strings
    /// and no QObject parent.
    Room();
    /// A room with the given fields (no QObject parent). Note the order: the
    /// geometry comes between the tag and the id.
    Room(const QString& element, double x, double y, double width, double height, const QString& id,
         const QString& floor, double roomNameX, double roomNameY, int showDimensions,
         int showRoomName, int layer);
    /// A copy of every field of @p other; the copy has the same QObject parent
    /// as @p other.
    Room(const Room& other);
    /// Copies every field of @p other; this record keeps its own QObject
    /// parent. Assigning a record to itself changes nothing.
    Room& operator=(const Room& other);
    /// Destroys the record.
    ~Room() override;

    /// The tag (and id) of the room every floor keeps for what stands in no
    /// room: "Undefined". It is never removed, a removed room's ports and
    /// vertical runs move into it, and the room lists leave it out.
    static QString undefinedTag();

    /// @name element
    ///@{

    /// The room's tag, the name of its XML element (normally "Room" followed
    /// by a number). Every floor also has a room tagged "Undefined" (its id is
    /// "Undefined" too) that holds the ports placed in no drawn room.
    QString& element() { return m_element; }
    const QString& element() const { return m_element; }
    void setElement(const QString& element) { m_element = element; }
    ///@}

    /// @name x
    ///@{

    /// The left edge of the room's rectangle; -1.0 when not drawn.
    double x() const { return m_x; }
    void setX(double x) { m_x = x; }
    ///@}

    /// @name y
    ///@{

    /// The top edge of the room's rectangle; -1.0 when not drawn.
    double y() const { return m_y; }
    void setY(double y) { m_y = y; }
    ///@}

    /// @name width
    ///@{

    /// The width of the room's rectangle; -1.0 when not drawn.
    double width() const { return m_width; }
    void setWidth(double width) { m_width = width; }
    ///@}

    /// @name height
    ///@{

    /// The height of the room's rectangle; -1.0 when not drawn.
    double height() const { return m_height; }
    void setHeight(double height) { m_height = height; }
    ///@}

    /// @name roomNameX
    ///@{

    /// The horizontal position of the room's name label; 0.0 by default.
    double roomNameX() const { return m_roomNameX; }
    void setRoomNameX(double roomNameX) { m_roomNameX = roomNameX; }
    ///@}

    /// @name roomNameY
    ///@{

    /// The vertical position of the room's name label; 0.0 by default.
    double roomNameY() const { return m_roomNameY; }
    void setRoomNameY(double roomNameY) { m_roomNameY = roomNameY; }
    ///@}

    /// @name showDimensions
    ///@{

    /// Whether and how the host shows the room's dimensions; 3 by default. The
    /// library stores the value in the attribute "show_dimensions" without
    /// reading it.
    int showDimensions() const { return m_showDimensions; }
    void setShowDimensions(int showDimensions) { m_showDimensions = showDimensions; }
    ///@}

    /// @name showRoomName
    ///@{

    /// Whether and how the host shows the room's name; 3 by default. The
    /// library stores the value in the attribute "show_name" without reading
    /// it.
    int showRoomName() const { return m_showRoomName; }
    void setShowRoomName(int showRoomName) { m_showRoomName = showRoomName; }
    ///@}

    /// @name id
    ///@{

    /// The room's name as the user sees it.
    QString& id() { return m_id; }
    const QString& id() const { return m_id; }
    void setID(const QString& id) { m_id = id; }
    ///@}

    /// @name floor
    ///@{

    /// The tag of the floor that holds the room.
    QString& floor() { return m_floor; }
    const QString& floor() const { return m_floor; }
    void setFloor(const QString& floor) { m_floor = floor; }
    ///@}

    /// @name layer
    ///@{

    /// The drawing layer of the room; 3 by default.
    int layer() const { return m_layer; }
    void setLayer(int layer) { m_layer = layer; }
    ///@}

private:
    QString m_element;
    double m_x = -1.0;
    double m_y = -1.0;
    double m_width = -1.0;
    double m_height = -1.0;
    double m_roomNameX = 0.0;
    double m_roomNameY = 0.0;
    int m_showDimensions = 3;
    int m_showRoomName = 3;
    QString m_id;
    QString m_floor;
    int m_layer = 3;
};

#endif // DUCTBOOK_ROOM_H
