// Ports on one floor: adding N ports one by one in mode 0 to one room, then
// finding each of them by id on the floor, for a small and a large N. The
// same adds with names supplied (mode 2) show how much of the adding time is
// the name generator's. A generated campus job shows the lookups on a job
// that was loaded rather than built.
#include "jobgenerator.h"

#include <ductbook.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

const QString kFloor = QStringLiteral("FFloor_1");
const QString kUndefined = QStringLiteral("Undefined");

struct Timing
{
    qint64 addMs = 0;
    qint64 lookupMs = 0;
    int found = 0;
};

Timing run(const QTemporaryDir& dir, int n, int mode)
{
    Ductbook::Destroy();
    Ductbook& job = Ductbook::Instance();
    job.New(dir.filePath(QStringLiteral("bench.job")));
    const QString room =
        job.addRoom(kFloor, 0, 0, 100, 100, QString(), QStringLiteral("Lab"), 0, 0, 3, 3, 3, 1);
    Timing t;
    QElapsedTimer timer;
    timer.start();
    for (int i = 1; i <= n; ++i) {
        // Mode 0 takes the id as the prefix of the generated one; mode 2
        // takes the names that mode 0 would have generated.
        const QString tag = mode == 0 ? QString() : QStringLiteral("Port%1").arg(i);
        const QString id =
            mode == 0 ? QStringLiteral("P") : QStringLiteral("P%1").arg(i, 2, 10, QLatin1Char('0'));
        job.addPort(kFloor, room, i, i, tag, id, QStringLiteral("Network"),
                    QStringLiteral("not_specified"), 7.0, mode);
    }
    t.addMs = timer.elapsed();

    const QStringList ids = job.getPorts(kFloor, room, false);
    timer.restart();
    for (const QString& id : ids) {
        if (job.getPortById(kFloor, id).x() != -1)
            ++t.found;
    }
    t.lookupMs = timer.elapsed();
    return t;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;

    out << "ports on one floor, one room\n";
    out << "       N   add mode 0 (ms)   getPortById(floor, id) x N (ms)   found"
           "   add mode 2 (ms)\n";
    for (int n : {200, 2000}) {
        const Timing generated = run(dir, n, 0);
        const Timing supplied = run(dir, n, 2);
        out << QStringLiteral("%1   %2   %3   %4   %5\n")
                   .arg(n, 6)
                   .arg(generated.addMs, 15)
                   .arg(generated.lookupMs, 31)
                   .arg(generated.found, 5)
                   .arg(supplied.addMs, 15);
        out.flush();
    }

    // A loaded campus job: every port found by id on its floor, by id over
    // all floors, and by tag.
    CampusJobSize size;
    size.cables = 0;
    const QString path = dir.filePath(QStringLiteral("campus.job"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(generateCampusJob(size)) < 0)
        return 1;
    file.close();
    Ductbook::Destroy();
    Ductbook& job = Ductbook::Instance();
    if (!job.Load(path)) {
        out << "campus job did not load: " << job.error() << "\n";
        return 1;
    }
    const QStringList floors = job.getFloorTags();
    QElapsedTimer timer;
    int found = 0;
    int total = 0;
    timer.start();
    for (const QString& floor : floors) {
        const QStringList ids = job.getPorts(floor, false);
        total += ids.size();
        for (const QString& id : ids)
            found += job.getPortById(floor, id).element().isEmpty() ? 0 : 1;
    }
    const qint64 perFloorMs = timer.elapsed();
    const QStringList allIds = job.getPorts(false);
    timer.restart();
    int foundAll = 0;
    for (const QString& id : allIds)
        foundAll += job.getPortById(id).element().isEmpty() ? 0 : 1;
    const qint64 allFloorsMs = timer.elapsed();
    const QStringList allTags = job.getPorts(true);
    timer.restart();
    int foundTags = 0;
    for (const QString& tag : allTags)
        foundTags += job.getPortByTag(tag).element().isEmpty() ? 0 : 1;
    const qint64 byTagMs = timer.elapsed();

    out << QStringLiteral("campus job, %1 floors, %2 ports:\n").arg(floors.size()).arg(total);
    out << QStringLiteral("  getPortById(floor, id) for every port: %1 ms (%2 found)\n")
               .arg(perFloorMs)
               .arg(found);
    out << QStringLiteral("  getPortById(id) for every port:        %1 ms (%2 found)\n")
               .arg(allFloorsMs)
               .arg(foundAll);
    out << QStringLiteral("  getPortByTag(tag) for every port:      %1 ms (%2 found)\n")
               .arg(byTagMs)
               .arg(foundTags);
    Ductbook::Destroy();
    return 0;
}
