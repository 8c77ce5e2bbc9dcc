// Cables on a campus job: adding them one by one with full test results, the
// cables of every floor, and the cables of every port.
#include "jobgenerator.h"

#include <ductbook.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstring>

namespace {

LUMEN_PLOT_DATA plot(int seed)
{
    LUMEN_PLOT_DATA p;
    std::memset(&p, 0, sizeof(p));
    for (int i = 0; i < 257; ++i) {
        p.series1[i] = (seed * 31 + i * 7) % 2000 - 1000;
        p.series2[i] = (seed * 17 + i * 3) % 1500 - 700;
    }
    p.pointCount = 257;
    return p;
}

TestResults fullResult(int seed)
{
    cable_struct block;
    std::memset(&block, 0, sizeof(block));
    for (int i = 0; i < 4; ++i) {
        block.pairStatus[i] = quint8(i);
        block.pairValues[i] = seed % 1000 + i;
        block.pairLength[i] = 1500 + i;
    }
    TestResults r(QStringLiteral("2026-11-30 10:15"), QStringLiteral("PASS"),
                  QStringLiteral("4.2.1"), QStringLiteral("LX-1042"), block, 0);
    r.setEcho(plot(seed));
    r.setNEXT(plot(seed + 1));
    r.setChannel(plot(seed + 2));
    return r;
}

} // namespace

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
            TestResults results = fullResult(c);
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
