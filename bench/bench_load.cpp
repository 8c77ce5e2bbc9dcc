// Loading a large job next to Qt's own parse of the same text: the time, and
// the memory the loaded job holds against Qt's bare tree of the same text.
#include "jobgenerator.h"

#include <ductbook.h>

#include <QCoreApplication>
#include <QDomDocument>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// Bytes allocated from the heap and not yet freed; -1 where unknown.
qint64 heapInUse()
{
#ifdef __GLIBC__
    const struct mallinfo2 info = mallinfo2();
    return qint64(info.uordblks + info.hblkhd);
#else
    return -1;
#endif
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;

    struct Case
    {
        const char* name;
        CampusJobSize size;
    };
    CampusJobSize tested;
    tested.portsPerFloor = 500;
    tested.cables = 5000;
    CampusJobSize untested = tested;
    untested.withResults = false;
    const Case cases[] = {{"10,000 items, cables tested", tested},
                          {"10,000 items, cables untested", untested}};

    for (const Case& c : cases) {
        const QByteArray text = generateCampusJob(c.size);
        const QString path = dir.filePath(QStringLiteral("campus.job"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            return 1;
        file.close();

        QElapsedTimer timer;
        qint64 parseMs = 0;
        qint64 bareBytes = 0;
        {
            const qint64 before = heapInUse();
            timer.start();
            QDomDocument bare;
            if (!bare.setContent(QString::fromLatin1(text)))
                return 1;
            parseMs = timer.elapsed();
            bareBytes = heapInUse() - before;
        }

        const qint64 before = heapInUse();
        timer.restart();
        Ductbook& job = Ductbook::Instance();
        if (!job.Load(path)) {
            out << "load failed: " << job.error() << "\n";
            return 1;
        }
        const qint64 loadMs = timer.elapsed();
        const qint64 jobBytes = heapInUse() - before;
        const auto counts = job.itemCounts();

        timer.restart();
        if (!job.saveAs(dir.filePath(QStringLiteral("saved.job"))))
            return 1;
        const qint64 saveMs = timer.elapsed();
        Ductbook::Destroy();

        out << c.name << " (" << text.size() / 1024 << " KiB, "
            << counts.value(QStringLiteral("ports")) << " ports, "
            << counts.value(QStringLiteral("cables")) << " cables)\n"
            << "  QDomDocument::setContent " << parseMs << " ms\n"
            << "  Ductbook::Load           " << loadMs << " ms\n"
            << "  Ductbook::saveAs         " << saveMs << " ms\n";
        if (before >= 0) {
            out << "  memory: bare tree " << bareBytes / 1024 << " KiB, loaded job "
                << jobBytes / 1024 << " KiB ("
                << QString::number(100.0 * double(jobBytes - bareBytes) / double(bareBytes), 'f', 2)
                << " % more)\n";
        }
        out.flush();
    }
    return 0;
}
