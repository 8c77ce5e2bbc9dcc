// An outside program that links the installed libraries the way a host does.
#include <ductbook.h>
#include <qvutils.h>
#include <runekit.h>

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (Runekit::roundToHalf(1.24f) != 1.5f) {
        std::fprintf(stderr, "runekit gave a wrong rounding\n");
        return 1;
    }
    QTemporaryDir dir;
    Ductbook& job = Ductbook::Instance();
    if (!job.New(dir.filePath(QStringLiteral("consumer.job"))) || !job.save()) {
        std::fprintf(stderr, "ductbook could not create and save a job\n");
        return 1;
    }
    Ductbook::Destroy();
    std::printf("consumer linked runekit and ductbook\n");
    return 0;
}
