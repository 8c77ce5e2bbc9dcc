#ifndef DUCTBOOK_VERTRUN_H
#define DUCTBOOK_VERTRUN_H

#include "ductbook_global.h"
#include "port.h"

#include <QString>
#include <QStringList>

// A vertical run (riser) on a floor. Besides its place, it knows which cables
// pass through it and whether each is connected on this floor.
class DUCTBOOK_EXPORT VertRun : public Port
{
    Q_OBJECT

public:
    VertRun();
    VertRun(const QStringList& connected, const QStringList& disconnected);
    VertRun(int x, int y, const QString& element, const QString& id, const QString& floor,
            const QString& room, const QString& use, const QString& iconScale,
            const QStringList& connected, const QStringList& disconnected, double dropHeight);
    VertRun(const VertRun& other);
    VertRun& operator=(const VertRun& other);
    ~VertRun() override;

    QStringList& connected() { return m_connected; }
    const QStringList& connected() const { return m_connected; }
    void setConnected(const QStringList& connected) { m_connected = connected; }
    // The comma-joined form stored in the job; empty parts are dropped.
    void setConnected(const QString& connected);
    void addToConnected(const QString& cable) { m_connected.append(cable); }
    void removeFromConnected(const QString& cable) { m_connected.removeAll(cable); }

    QStringList& disconnected() { return m_disconnected; }
    const QStringList& disconnected() const { return m_disconnected; }
    void setDisconnected(const QStringList& disconnected) { m_disconnected = disconnected; }
    void setDisconnected(const QString& disconnected);
    void addToDisconnected(const QString& cable) { m_disconnected.append(cable); }
    void removeFromDisconnected(const QString& cable) { m_disconnected.removeAll(cable); }

private:
    QStringList m_connected;
    QStringList m_disconnected;
};

#endif // DUCTBOOK_VERTRUN_H
