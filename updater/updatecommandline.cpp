#include "updatecommandline.h"

#include "updatesettings.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace Updater {

Deployment builtInDeployment()
{
    Deployment deployment;
    deployment.server = QStringLiteral(GRIDWELL_UPDATE_URL);
    deployment.account = QStringLiteral(GRIDWELL_UPDATE_ACCOUNT);
    deployment.password = QStringLiteral(GRIDWELL_UPDATE_PASSWORD);
    deployment.email = QStringLiteral(GRIDWELL_UPDATE_EMAIL);
    deployment.operatingSystem = hostOperatingSystem();
    return deployment;
}

CommandLine parseCommandLine(const QStringList& arguments, const Deployment& builtIn)
{
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption server(QStringLiteral("server"), QString(), QStringLiteral("URL"));
    parser.addOption(help);
    parser.addOption(server);

    CommandLine line;
    line.server = builtIn.server;
    if (!parser.parse(arguments)) {
        line.error = parser.errorText();
        return line;
    }
    if (!parser.positionalArguments().isEmpty()) {
        line.error =
            QCoreApplication::translate("Updater::CommandLine", "Unexpected argument '%1'.")
                .arg(parser.positionalArguments().constFirst());
        return line;
    }
    line.help = parser.isSet(help);
    if (parser.isSet(server)) {
        line.server = parser.value(server);
        QString reason;
        if (serverUrl(line.server, &reason).isEmpty())
            line.error = reason;
    }
    return line;
}

QString helpText(const Deployment& builtIn)
{
    return QCoreApplication::translate(
               "Updater::CommandLine",
               "Usage: updater [--server URL]\n"
               "\n"
               "Asks the Gridwell update server whether a newer installer exists and, if one\n"
               "does, downloads it into a folder you choose, with its progress and a log of\n"
               "what happened.\n"
               "\n"
               "Options:\n"
               "  --server URL   Ask this update server instead of the built-in one, for a\n"
               "                 private mirror or a test server (https://host or\n"
               "                 https://host:port). A plain http:// address is used too,\n"
               "                 but then the download is not protected and the log says so.\n"
               "  -h, --help     Show this text.\n"
               "\n"
               "Built in when the program was built, from the CMake cache variables\n"
               "GRIDWELL_UPDATE_URL, GRIDWELL_UPDATE_ACCOUNT, GRIDWELL_UPDATE_PASSWORD and\n"
               "GRIDWELL_UPDATE_EMAIL:\n"
               "  update server    %1\n"
               "  service account  %2 <%3> (and its password)\n"
               "\n"
               "Where the rest comes from:\n"
               "  The Gridwell installation folder is \"/installpath\" in the settings of\n"
               "  Gridwell (organisation \"Korvex\", application \"Gridwell\"):\n"
               "    %4\n"
               "  Its file \"gridwell.cfg\", written by the installer, gives the installed\n"
               "  edition and version.\n"
               "  The download folder is \"/location\" in the settings of organisation\n"
               "  \"Almaren\", application \"Support\"; when it is missing the updater asks\n"
               "  for one and remembers it:\n"
               "    %5\n"
               "\n"
               "The program ends with status 0 when its window is closed, whatever the log\n"
               "says, and with status 2 on a bad command line.\n")
        .arg(builtIn.server, builtIn.account, builtIn.email, applicationStoreLocation(),
             downloadStoreLocation());
}

} // namespace Updater
