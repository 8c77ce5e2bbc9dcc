// Loading a large job next to Qt's own parse of the same text.
#include "jobgenerator.h"

#include <ductbook.h>

#include <QCoreApplication>
#include <QDomDocument>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

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
        timer.start();
        QDomDocument bare;
        if (!bare.setContent(QString::fromLatin1(text)))
            return 1;
        const qint64 parseMs = timer.elapsed();

        timer.restart();
        Ductbook& job = Ductbook::Instance();
        if (!job.Load(path)) {
            out << "load failed: " << job.error() << "\n";
            return 1;
        }
        const qint64 loadMs = timer.elapsed();
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
        out.flush();
    }
    return 0;
}
