// Cables on a campus job: adding them one by one with full test results, the
// cables of every floor, and the cables of every port.
#include "jobgenerator.h"

#include <ductbook.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;

    // Ten floors of 1,000 ports in ten rooms, no cables yet; the cables are
    // added through the job, as the host adds them.
    CampusJobSize campus;
    campus.cables = 0;
    const int totalPorts = campus.floors * campus.portsPerFloor;
    const QByteArray text = generateCampusJob(campus);
    const QString path = dir.filePath(QStringLiteral("campus.job"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        return 1;
    file.close();

    out << "campus job: " << campus.floors << " floors, " << totalPorts << " ports\n";
    for (const int cables : {1000, 10000}) {
        Ductbook::Destroy();
        Ductbook& job = Ductbook::Instance();
        if (!job.Load(path)) {
            out << "load failed: " << job.error() << "\n";
            return 1;
        }

        QElapsedTimer timer;
        timer.start();
        for (int c = 0; c < cables; ++c) {
            // Both ends on one floor: ports 2c and 2c+1, wrapping.
            const QString from = QStringLiteral("P%1").arg((2 * c) % totalPorts + 1);
            const QString to = QStringLiteral("P%1").arg((2 * c + 1) % totalPorts + 1);
            TestResults results = testedResult(c);
            job.addCable(QString(), QStringLiteral("Cable"), QStringLiteral("Network"), to, from,
                         QStringLiteral("CAT6"), QString(), QString(), QString(), QString(),
                         QStringList(QString()), results, 0);
        }
        const qint64 addMs = timer.elapsed();
        const QStringList ids = job.getCables(false);

        timer.restart();
        qsizetype perFloor = 0;
        for (const QString& floor : job.getFloorTags())
            perFloor += job.getCables(floor, QStringLiteral("Show All")).size();
        const qint64 floorMs = timer.elapsed();

        timer.restart();
        qsizetype perPort = 0;
        const QStringList ports = job.getPorts(false);
        for (const QString& port : ports)
            perPort += job.getCablesConnectedToPort(port, true).size();
        const qint64 portMs = timer.elapsed();

        // Removing a floor takes its cables with it, in one pass over the lists.
        const QString firstFloor = job.getFloorTags().constFirst();
        const qsizetype before = job.getCables(true).size();
        timer.restart();
        job.removeFloor(firstFloor);
        const qint64 removeMs = timer.elapsed();
        const qsizetype removedCables = before - job.getCables(true).size();

        out << "\n" << cables << " cables (mode 0, each with three 257-point plots)\n";
        out << "  add one by one:                         " << addMs << " ms (" << ids.size()
            << " ids, last " << ids.constLast() << ")\n";
        out << "  getCables(floor, \"Show All\"), 10 floors: " << floorMs << " ms (" << perFloor
            << " cables)\n";
        out << "  getCablesConnectedToPort, " << ports.size() << " ports: " << portMs << " ms ("
            << perPort << " cable ends)\n";
        out << "  removeFloor of one floor:               " << removeMs << " ms (" << removedCables
            << " cables removed)\n";
        out.flush();
    }
    Ductbook::Destroy();
    return 0;
}
