// jobtool's schedule, report and floor plan on campus jobs of 1,000 and
// 10,000 tested cables (10 floors, 10,000 ports), timed as a user runs them.
// Usage: bench_jobtool [FOLDER [CABLES]] keeps the files in FOLDER, runs one size.
#include "jobgenerator.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

qint64 timed(const QStringList& args, QTextStream& out)
{
    QElapsedTimer timer;
    timer.start();
    QProcess p;
    p.start(QStringLiteral(GRIDWELL_JOBTOOL), args);
    if (!p.waitForFinished(-1) || p.exitCode() != 0) {
        out << "  failed: " << args.join(QLatin1Char(' ')) << "\n"
            << p.readAllStandardError() << "\n";
        return -1;
    }
    return timer.elapsed();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    // With a folder argument the generated jobs and outputs are kept there.
    QTemporaryDir temporary;
    const QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path());
    for (int cables : {1000, 10000}) {
        if (argc > 2 && QString::number(cables) != QLatin1String(argv[2]))
            continue;
        CampusJobSize size;
        size.cables = cables;
        const QString job = dir.filePath(QStringLiteral("campus-%1.job").arg(cables));
        QFile file(job);
        if (!file.open(QIODevice::WriteOnly) || file.write(generateCampusJob(size)) < 0)
            return 1;
        file.close();
        out << cables << " tested cables, " << size.floors * size.portsPerFloor << " ports ("
            << QFileInfo(job).size() / 1024 << " KiB)\n";
        const QString csv = dir.filePath(QStringLiteral("schedule-%1.csv").arg(cables));
        const QString html = dir.filePath(QStringLiteral("report-%1.html").arg(cables));
        const QString svg = dir.filePath(QStringLiteral("floor-%1.svg").arg(cables));
        const qint64 load = timed({QStringLiteral("info"), job}, out);
        const qint64 schedule =
            timed({QStringLiteral("schedule"), job, QStringLiteral("-o"), csv}, out);
        const qint64 report =
            timed({QStringLiteral("report"), job, QStringLiteral("-o"), html}, out);
        const qint64 render = timed({QStringLiteral("render"), job, QStringLiteral("--floor"),
                                     QStringLiteral("FFloor_1"), QStringLiteral("-o"), svg},
                                    out);
        out << "  info (load and summary) " << load << " ms\n"
            << "  schedule " << schedule << " ms\n"
            << "  report   " << report << " ms (" << QFileInfo(html).size() / (1024 * 1024)
            << " MiB)\n"
            << "  render   " << render << " ms\n";
        out.flush();
    }
    return 0;
}
