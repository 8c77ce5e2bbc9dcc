// jobtool's schedule, report, floor plan and labels on campus jobs of 1,000
// and 10,000 tested cables (10 floors, 10,000 ports), timed as a user runs
// them, with each run's peak memory where /usr/bin/time can tell it.
// Each command is set against loading the job alone, measured the same way
// in the same run: this program started again with --load JOB.
// Usage: bench_jobtool [FOLDER [CABLES]] keeps the files in FOLDER, runs one size.
#include "jobgenerator.h"

#include <ductbook.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// The peak resident memory of the last run, in MiB, and its processor time
// (user and system) in ms, which a busy machine does not inflate as it
// does the elapsed time; -1 when unknown.
qint64 lastPeak = -1;
qint64 lastCpu = -1;

qint64 timedOnce(const QStringList& args, QTextStream& out, const QString& program)
{
    const QString time = QStringLiteral("/usr/bin/time");
    const bool measureMemory = QFileInfo::exists(time);
    QElapsedTimer timer;
    timer.start();
    QProcess p;
    if (measureMemory)
        p.start(time,
                QStringList{QStringLiteral("-f"), QStringLiteral("peak %M %U %S"), program} + args);
    else
        p.start(program, args);
    if (!p.waitForFinished(-1) || p.exitCode() != 0) {
        out << "  failed: " << args.join(QLatin1Char(' ')) << "\n"
            << p.readAllStandardError() << "\n";
        return -1;
    }
    const qint64 elapsed = timer.elapsed();
    lastPeak = -1;
    lastCpu = -1;
    const QList<QByteArray> lines = p.readAllStandardError().trimmed().split('\n');
    const QList<QByteArray> fields = lines.last().split(' ');
    if (measureMemory && fields.size() == 4 && fields.first() == "peak") {
        lastPeak = fields.at(1).toLongLong() / 1024;
        lastCpu = qRound64((fields.at(2).toDouble() + fields.at(3).toDouble()) * 1000);
    }
    return elapsed;
}

// The best of three runs (the least processor time, its elapsed time and
// the largest peak): a machine's other work and a cold file cache make a
// single run of a few seconds vary by a third.
qint64 timed(const QStringList& args, QTextStream& out,
             const QString& program = QStringLiteral(GRIDWELL_JOBTOOL))
{
    qint64 bestElapsed = -1, bestCpu = -1, peak = -1;
    for (int run = 0; run < 3; ++run) {
        const qint64 elapsed = timedOnce(args, out, program);
        if (elapsed < 0)
            return -1;
        if (bestElapsed < 0 || (lastCpu >= 0 ? lastCpu < bestCpu : elapsed < bestElapsed)) {
            bestCpu = lastCpu;
            bestElapsed = elapsed;
        }
        peak = qMax(peak, lastPeak);
    }
    lastCpu = bestCpu;
    lastPeak = peak;
    return bestElapsed;
}

// The load alone's processor time and peak, which each command is set against.
qint64 baseCpu = -1;
qint64 basePeak = -1;

QString peak()
{
    if (lastPeak < 0)
        return QString();
    QString s = QStringLiteral(", processor %1 ms, peak %2 MiB").arg(lastCpu).arg(lastPeak);
    if (baseCpu > 0 && basePeak > 0)
        s += QStringLiteral(" (%1x the load's time, %2x its memory)")
                 .arg(double(lastCpu) / double(baseCpu), 0, 'f', 2)
                 .arg(double(lastPeak) / double(basePeak), 0, 'f', 2);
    return s;
}

} // namespace

int main(int argc, char** argv)
{
    // The baseline: load the job and leave as jobtool does (its allocator
    // settings, no taking the tree apart).
    if (argc == 3 && qstrcmp(argv[1], "--load") == 0) {
#ifdef __GLIBC__
        mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
        mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024);
#endif
        const bool loaded = Ductbook::Instance().Load(QString::fromLocal8Bit(argv[2]));
        std::fflush(nullptr);
        std::_Exit(loaded ? 0 : 1);
    }
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
        const QString pdf = dir.filePath(QStringLiteral("report-%1.pdf").arg(cables));
        const QString labels = dir.filePath(QStringLiteral("labels-%1.pdf").arg(cables));
        const QString labelsCsv = dir.filePath(QStringLiteral("labels-%1.csv").arg(cables));
        const QStringList force{QStringLiteral("--force")};
        baseCpu = basePeak = -1;
        const qint64 loadAlone =
            timed({QStringLiteral("--load"), job}, out, QCoreApplication::applicationFilePath());
        out << "  load alone " << loadAlone << " ms" << peak() << "\n";
        baseCpu = lastCpu;
        basePeak = lastPeak;
        const qint64 load = timed({QStringLiteral("info"), job}, out);
        out << "  info (load and summary) " << load << " ms" << peak() << "\n";
        const qint64 schedule = timed(
            QStringList{QStringLiteral("schedule"), job, QStringLiteral("-o"), csv} + force, out);
        out << "  schedule " << schedule << " ms" << peak() << "\n";
        const qint64 report = timed(
            QStringList{QStringLiteral("report"), job, QStringLiteral("-o"), html} + force, out);
        out << "  report   " << report << " ms (" << QFileInfo(html).size() / (1024 * 1024)
            << " MiB, " << QFileInfo(html).size() / cables << " bytes per tested cable)" << peak()
            << "\n";
        const qint64 reportPdf = timed(
            QStringList{QStringLiteral("report"), job, QStringLiteral("-o"), pdf} + force, out);
        out << "  report as PDF " << reportPdf << " ms (" << QFileInfo(pdf).size() / (1024 * 1024)
            << " MiB)" << peak() << "\n";
        const qint64 render =
            timed(QStringList{QStringLiteral("render"), job, QStringLiteral("--floor"),
                              QStringLiteral("FFloor_1"), QStringLiteral("-o"), svg} +
                      force,
                  out);
        out << "  render   " << render << " ms" << peak() << "\n";
        const qint64 labelsPdf = timed(
            QStringList{QStringLiteral("labels"), job, QStringLiteral("-o"), labels} + force, out);
        out << "  labels   " << labelsPdf << " ms (" << QFileInfo(labels).size() / (1024 * 1024)
            << " MiB)" << peak() << "\n";
        const qint64 labelsCsvTime = timed(
            QStringList{QStringLiteral("labels"), job, QStringLiteral("-o"), labelsCsv} + force,
            out);
        out << "  labels as CSV " << labelsCsvTime << " ms" << peak() << "\n";
        out.flush();
    }
    return 0;
}
