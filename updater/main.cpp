// updater: asks the update server whether a newer Gridwell installer exists
// and downloads it into a folder the user picks.
#include "updatecommandline.h"
#include "updateprogram.h"
#include "updateprompts.h"

#include <translator.h>

#include <QApplication>

int main(int argc, char** argv)
{
    const Updater::Deployment builtIn = Updater::builtInDeployment();

    // Help needs no window system, so it is answered before there is one.
    QStringList raw;
    for (int i = 0; i < argc; ++i)
        raw.append(QString::fromLocal8Bit(argv[i]));
    const Updater::CommandLine early = Updater::parseCommandLine(raw, builtIn);
    if (early.error.isEmpty() && early.help) {
        QCoreApplication core(argc, argv);
        Translator::install({QStringLiteral("updater")});
        return Updater::showHelp(builtIn);
    }

    // The application takes its own options (-platform and the like) away
    // before ours are read in earnest.
    QApplication app(argc, argv);
    Translator::install({QStringLiteral("updater")});
    Updater::DialogPrompts prompts;
    return Updater::runProgram(QCoreApplication::arguments(), builtIn, &prompts);
}
