// updater: asks the update server whether a newer Gridwell installer exists
// and downloads it into a folder the user picks.
#include "softwareupdatedialog.h"
#include "updatecommandline.h"
#include "updateprompts.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <memory>
#include <new>

namespace {

int usageError(const QString& message)
{
    std::fprintf(stderr, "updater: %s\nTry 'updater --help' for more information.\n",
                 qUtf8Printable(message));
    return 2;
}

int showHelp(const Updater::Deployment& builtIn)
{
    std::fputs(qUtf8Printable(Updater::helpText(builtIn)), stdout);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const Updater::Deployment builtIn = Updater::builtInDeployment();

    // Help needs no window system, so it is answered before there is one.
    QStringList raw;
    for (int i = 0; i < argc; ++i)
        raw.append(QString::fromLocal8Bit(argv[i]));
    const Updater::CommandLine early = Updater::parseCommandLine(raw, builtIn);
    if (early.error.isEmpty() && early.help)
        return showHelp(builtIn);

    // The application takes its own options (-platform and the like) away
    // before ours are read in earnest.
    QApplication app(argc, argv);
    const Updater::CommandLine line =
        Updater::parseCommandLine(QCoreApplication::arguments(), builtIn);
    if (!line.error.isEmpty())
        return usageError(line.error);
    if (line.help)
        return showHelp(builtIn);

    Updater::Deployment deployment = builtIn;
    deployment.server = line.server;
    Updater::DialogPrompts prompts;
    std::unique_ptr<SoftwareUpdateDialog> dialog(new (std::nothrow)
                                                     SoftwareUpdateDialog(deployment, &prompts));
    if (!dialog) {
        QMessageBox::critical(
            nullptr, QCoreApplication::translate("main", "Error"),
            QCoreApplication::translate("main", "Could not instantiate an Instance of Dialogue"));
        return -1;
    }
    QObject::connect(&app, &QApplication::lastWindowClosed, &app, &QApplication::quit);
    dialog->exec();
    return 0;
}
