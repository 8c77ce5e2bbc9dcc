#include "updateprogram.h"

#include "softwareupdatedialog.h"
#include "updatecommandline.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <memory>
#include <new>

namespace Updater {

namespace {

int usageError(const QString& message)
{
    std::fprintf(stderr, "updater: %s\n%s\n", qUtf8Printable(message),
                 qUtf8Printable(QCoreApplication::translate(
                     "main", "Try 'updater --help' for more information.")));
    return 2;
}

} // namespace

int showHelp(const Deployment& builtIn)
{
    std::fputs(qUtf8Printable(helpText(builtIn)), stdout);
    return 0;
}

int runProgram(const QStringList& arguments, const Deployment& builtIn, UpdatePrompts* prompts)
{
    const CommandLine line = parseCommandLine(arguments, builtIn);
    if (!line.error.isEmpty())
        return usageError(line.error);
    if (line.help)
        return showHelp(builtIn);

    Deployment deployment = builtIn;
    deployment.server = line.server;
    std::unique_ptr<SoftwareUpdateDialog> dialog(new (std::nothrow)
                                                     SoftwareUpdateDialog(deployment, prompts));
    if (!dialog) {
        QMessageBox::critical(
            nullptr, QCoreApplication::translate("main", "Error"),
            QCoreApplication::translate("main", "Could not instantiate an Instance of Dialogue"));
        return -1;
    }
    QObject::connect(qApp, &QApplication::lastWindowClosed, qApp, &QApplication::quit);
    dialog->exec();
    return 0;
}

} // namespace Updater
