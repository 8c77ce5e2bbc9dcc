#ifndef DUCTBOOK_VERTRUN_H
#define DUCTBOOK_VERTRUN_H

/// @file
/// The VertRun record.

#include "ductbook_global.h"
#include "port.h"

#include <QString>
#include <QStringList>

/// A vertical run (a riser) on a floor, through which cables pass between
/// floors.
///
/// Besides its place, inherited from Port (floor, room, position, use, icon
/// scale, drop height), a vertical run keeps two lists of cable tags: the
/// cables that pass through it and are connected on this floor, and the cables
/// that pass through it without a connection on this floor. The job stores
/// each list as its tags joined with "," (the attributes "connected" and
/// "disconnected"). The length estimate of a cable between floors adds drop
/// heights of the runs it passes through on its two floors.
class DUCTBOOK_EXPORT VertRun : public Port
{
    Q_OBJECT

public:
    /// A run with the defaults of Port and two empty lists.
    VertRun();
    /// A run with the defaults of Port and the given lists.
    VertRun(const QStringList& connected, const QStringList& disconnected);
    /// A run with the given place and lists (no QObject parent). Note the
    /// order: the drop height comes last, after the lists.
    VertRun(int x, int y, const QString& element, const QString& id, const QString& floor,
            const QString& room, const QString& use, const QString& iconScale,
            const QStringList& connected, const QStringList& disconnected, double dropHeight);
    /// A copy of the Port part and both lists of @p other; the copy has the
    /// same QObject parent as @p other.
    VertRun(const VertRun& other);
    /// Copies the Port part and both lists of @p other; this record keeps its
    /// own QObject parent. Assigning a record to itself changes nothing.
    VertRun& operator=(const VertRun& other);
    /// Destroys the record.
    ~VertRun() override;

    /// @name connected
    ///@{

    /// The tags of the cables that pass through this run and are connected on
    /// this floor, in order.
    QStringList& connected() { return m_connected; }
    const QStringList& connected() const { return m_connected; }
    void setConnected(const QStringList& connected) { m_connected = connected; }
    /// Replaces the list from its stored form: @p connected is split at ","
    /// and empty parts are dropped, so an empty text, or one of commas only,
    /// gives an empty list.
    void setConnected(const QString& connected);
    /// Appends a cable tag; a tag already in the list is appended again.
    void addToConnected(const QString& cable) { m_connected.append(cable); }
    /// Removes every occurrence of a cable tag; nothing when it is not there.
    void removeFromConnected(const QString& cable) { m_connected.removeAll(cable); }
    ///@}

    /// @name disconnected
    ///@{

    /// The tags of the cables that pass through this run without a connection
    /// on this floor, in order.
    QStringList& disconnected() { return m_disconnected; }
    const QStringList& disconnected() const { return m_disconnected; }
    void setDisconnected(const QStringList& disconnected) { m_disconnected = disconnected; }
    /// Replaces the list from its stored form: @p disconnected is split at ","
    /// and empty parts are dropped, so an empty text, or one of commas only,
    /// gives an empty list.
    void setDisconnected(const QString& disconnected);
    /// Appends a cable tag; a tag already in the list is appended again.
    void addToDisconnected(const QString& cable) { m_disconnected.append(cable); }
    /// Removes every occurrence of a cable tag; nothing when it is not there.
    void removeFromDisconnected(const QString& cable) { m_disconnected.removeAll(cable); }
    ///@}

private:
    QStringList m_connected;
    QStringList m_disconnected;
};

#endif // DUCTBOOK_VERTRUN_H
