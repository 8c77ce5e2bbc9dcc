// Loading a campus job written in the 2.3 format (converted while it loads)
// next to loading the same job written in the current format, at two sizes.
#include "jobgenerator.h"

#include <ductbook.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>

namespace {

bool writeText(const QString& path, const QByteArray& text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

// The best of a few loads, in milliseconds; -1 when a load fails.
qint64 bestLoad(const QString& path, int rounds)
{
    qint64 best = -1;
    for (int i = 0; i < rounds; ++i) {
        Ductbook::Destroy();
        QElapsedTimer timer;
        timer.start();
        if (!Ductbook::Instance().Load(path))
            return -1;
        const qint64 ms = timer.elapsed();
        best = best < 0 ? ms : std::min(best, ms);
    }
    return best;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;

    for (const int n : {1000, 10000}) {
        CampusJobSize size;
        size.portsPerFloor = n / size.floors;
        size.cables = n;
        CampusJobSize old = size;
        old.format23 = true;

        const QString current = dir.filePath(QStringLiteral("current.job"));
        const QString older = dir.filePath(QStringLiteral("older.job"));
        if (!writeText(current, generateCampusJob(size)) ||
            !writeText(older, generateCampusJob(old)))
            return 1;

        const qint64 loadMs = bestLoad(current, 3);
        const qint64 convertMs = bestLoad(older, 3);
        Ductbook& job = Ductbook::Instance();
        if (loadMs < 0 || convertMs < 0 || job.getFileVersion() != QLatin1String("2.3")) {
            out << "load failed: " << job.error() << "\n";
            return 1;
        }
        const auto counts = job.itemCounts();
        out << size.floors << " floors, " << counts.value(QStringLiteral("ports")) << " ports, "
            << counts.value(QStringLiteral("cables")) << " tested cables\n"
            << "  load of the 3.0 file      " << loadMs << " ms\n"
            << "  load of the 2.3 file      " << convertMs << " ms (converted)\n"
            << "  ratio                     "
            << QString::number(double(convertMs) / double(std::max<qint64>(1, loadMs)), 'f', 2)
            << "\n";
        out.flush();
        Ductbook::Destroy();
    }
    return 0;
}
