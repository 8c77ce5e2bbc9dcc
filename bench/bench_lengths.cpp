// Cable length estimates on a campus job: every cable estimated once, with a
// share of the cables running between floors through the risers.
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

    out << "campus job: 10 floors, 10000 ports, every 5th cable between floors "
           "through the risers\n";
    for (const int cables : {1000, 10000}) {
        CampusJobSize campus;
        campus.cables = cables;
        campus.withResults = false;
        campus.crossFloorEvery = 5;
        const QByteArray text = generateCampusJob(campus);
        const QString path = dir.filePath(QStringLiteral("campus%1.job").arg(cables));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            return 1;
        file.close();

        Ductbook::Destroy();
        Ductbook& job = Ductbook::Instance();
        if (!job.Load(path)) {
            out << "load failed: " << job.error() << "\n";
            return 1;
        }
        const QStringList tags = job.getCables(true);

        QElapsedTimer timer;
        timer.start();
        double total = 0;
        for (const QString& tag : tags)
            total += job.getCableEstimatedLength(tag);
        const qint64 allMs = timer.elapsed();

        // The two kinds apart: the cables between floors ask the risers which
        // of them list the cable; the others only follow their path.
        QStringList crossing;
        QStringList sameFloor;
        for (int c = 0; c < tags.size(); ++c)
            (c % campus.crossFloorEvery == 0 ? crossing : sameFloor).append(tags.at(c));
        const auto estimateAll = [&job](const QStringList& some, double* sum) {
            QElapsedTimer t;
            t.start();
            for (const QString& tag : some)
                *sum += job.getCableEstimatedLength(tag);
            return t.elapsed();
        };
        double between = 0;
        const qint64 crossMs = estimateAll(crossing, &between);
        double within = 0;
        const qint64 sameMs = estimateAll(sameFloor, &within);

        const auto perCable = [](qint64 ms, qsizetype n) {
            return QString::number(1000.0 * double(ms) / double(qMax<qsizetype>(1, n)), 'f', 1);
        };
        out << "\n" << cables << " cables (" << crossing.size() << " between floors)\n";
        out << "  estimate every cable:   " << allMs << " ms (" << perCable(allMs, tags.size())
            << " us per cable, total " << QString::number(total, 'f', 1) << ")\n";
        out << "  same floor only:        " << sameMs << " ms ("
            << perCable(sameMs, sameFloor.size()) << " us per cable)\n";
        out << "  between floors only:    " << crossMs << " ms ("
            << perCable(crossMs, crossing.size()) << " us per cable, total "
            << QString::number(between, 'f', 1) << ")\n";
        if (qAbs(between + within - total) > 1e-6 * qMax(1.0, total))
            out << "  (the parts do not add up to the whole)\n";
        out.flush();
    }
    Ductbook::Destroy();
    return 0;
}
