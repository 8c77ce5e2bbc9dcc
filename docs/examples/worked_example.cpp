// A host's round trip through a job: open it, add a floor, a room with a wall
// port and a cable to that port, rename the port, save the job under a new
// name, and open the saved file again to see every edit in it. Each call's
// result is checked the way a host checks it.
//
// Usage: worked_example SOURCE.job TARGET.job
// SOURCE is only read; TARGET is written (and replaced when it exists).

#include <ductbook.h>

#include <QCoreApplication>
#include <QTextStream>

namespace {

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

// Every failure ends the program with a reason; a host would show it instead.
int fail(const QString& what, const QString& why = QString())
{
    QTextStream err(stderr);
    err << "worked_example: " << what;
    if (!why.isEmpty())
        err << ": " << why;
    err << Qt::endl;
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        QTextStream(stderr) << "usage: worked_example SOURCE.job TARGET.job" << Qt::endl;
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    const QString target = QString::fromLocal8Bit(argv[2]);

    //! [open]
    Ductbook& job = Ductbook::Instance();
    if (!job.Load(source))
        return fail(QStringLiteral("cannot open the job"), job.error());
    // An older file is converted in memory; the file on disk stays as it was.
    out() << "Opened " << source << " (format " << job.getFileVersion() << "), "
          << job.getFloorTags().size() << " floors, " << job.getCables(true).size()
          << " cables" << Qt::endl;
    //! [open]

    //! [floor]
    // Mode 0: the tag and the id are generated; the id argument is the prefix.
    const QString floor = job.addFloor(QString(), QStringLiteral("Floor_"), 9.5, QString(), 0);
    if (floor == QLatin1String("Bad Floor"))
        return fail(QStringLiteral("the job has no floor list"));
    out() << "Added floor " << floor << " named " << job.getFloorIdByTag(floor) << Qt::endl;
    //! [floor]

    //! [port]
    // The new port goes into a new room on the floor of the job's first port,
    // so that the cable below stays on one floor.
    const QStringList ports = job.getPorts(true);
    if (ports.isEmpty())
        return fail(QStringLiteral("the job has no port to start a cable from"));
    const Port start = job.getPortByTag(ports.first());

    // Mode 1: the tag is generated, the id is the caller's. addRoom returns the
    // tag even when it could not add the room, so the room is looked up.
    const QString room =
        job.addRoom(start.floor(), 40, 300, 200, 160, QString(), QStringLiteral("Reception"),
                    60, 310, 1, 1, 3, 1);
    if (!job.roomExistsOnFloor(start.floor(), room, true))
        return fail(QStringLiteral("the room was not added"));

    // Mode 0 again: "P" is the prefix of the generated id.
    const QString portTag = job.addPort(start.floor(), room, 120, 380, QString(),
                                        QStringLiteral("P"), QStringLiteral("Network"),
                                        QStringLiteral("not_specified"), 1.5, 0);
    if (!job.portExists(portTag, true))
        return fail(QStringLiteral("the port was not added"));
    const QString portId = job.getPortId(portTag);
    out() << "Added port " << portId << " in room " << room << Qt::endl;
    //! [port]

    //! [cable]
    // A cable names its ends by port id. addCable returns the new cable's id
    // (empty on failure); its tag comes from the cable map.
    const QStringList types = job.getTypes();
    const QString cableId =
        job.addCable(QString(), QStringLiteral("Cable"), QStringLiteral("Network"), portId,
                     start.id(), types.value(0), 0);
    if (cableId.isEmpty())
        return fail(QStringLiteral("the cable was not added"));
    const QString cableTag = job.getCableElement(cableId);
    out() << "Added cable " << cableId << " (" << cableTag << ") of type "
          << job.getCableType(cableTag) << " from " << start.id() << " to " << portId
          << Qt::endl;
    //! [cable]

    //! [rename]
    // Renaming changes the id, never the tag. Cables name their ends by id, so
    // the cable's end is renamed with the port.
    const QString newPortId = QStringLiteral("RCP-01");
    if (job.portOrVertRunExists(newPortId, false))
        return fail(QStringLiteral("the name is taken"), newPortId);
    job.renamePort(start.floor(), room, portTag, newPortId);
    job.setCableTo(cableTag, newPortId);
    if (job.getCables(portTag) != QStringList{cableTag})
        return fail(QStringLiteral("the cable lost its end"));
    //! [rename]

    //! [save]
    // Every edit above set the changed flag; saving clears it, and saveAs
    // makes the new file the job's file name.
    if (!job.isChanged())
        return fail(QStringLiteral("the edits did not mark the job changed"));
    if (!job.saveAs(target))
        return fail(QStringLiteral("cannot save the job"), job.error());
    if (job.isChanged() || job.filename() != target)
        return fail(QStringLiteral("the saved job is not the one on disk"));
    out() << "Saved " << target << Qt::endl;
    //! [save]

    //! [check]
    // The saved file holds every edit.
    job.Unload();
    if (!job.Load(target))
        return fail(QStringLiteral("cannot open the saved job"), job.error());
    const Cable cable = job.getCableById(cableId);
    const Port end = job.getPortById(newPortId);
    if (!job.floorExists(floor, true) || cable.element() != cableTag ||
        cable.to() != newPortId || cable.from() != start.id() || end.room() != room)
        return fail(QStringLiteral("the saved job lacks an edit"));
    out() << "Reopened " << target << ": " << job.getFloorTags().size() << " floors, "
          << job.getCables(true).size() << " cables" << Qt::endl;
    //! [check]

    Ductbook::Destroy();
    return 0;
}
