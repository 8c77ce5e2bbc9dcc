// jobtool: the job library from the command line, for inspecting, creating
// and reporting on jobs without the host application.
#include "jobtool_p.h"

#include <ductbook.h>
#include <qvteditor.h>

#include <QCoreApplication>

using namespace JobTool;

namespace {

// Each command's help lines appear in this order.
const Command commands[] = {
    {"convert", convertHelp, convertCommand},
    {"info", infoHelp, infoCommand},
    {"new", newHelp, newCommand},
    {"settings", settingsHelp, settingsCommand},
    {"template", templateHelp, templateCommand},
    {"export", exportHelp, exportCommand},
    {"import", importHelp, importCommand},
};

QString helpText()
{
    QString text = QStringLiteral("Usage: jobtool <command> [arguments]\n"
                                  "\n"
                                  "Inspect, create and report on Gridwell job files (.job).\n"
                                  "\n"
                                  "Commands:\n");
    for (const Command& c : commands)
        text += QLatin1String(c.help);
    text += QStringLiteral(
        "  help, --help, -h        Show this text.\n"
        "\n"
        "Exit status: 0 on success, 1 when an operation fails (a file cannot be written),\n"
        "2 on a usage error or a file that cannot be loaded.\n");
    return text;
}

int dispatch(QStringList args)
{
    if (args.isEmpty())
        return usageError(QStringLiteral("missing command"));
    const QString command = args.takeFirst();
    if (command == QLatin1String("help") || command == QLatin1String("--help") ||
        command == QLatin1String("-h")) {
        out() << helpText();
        return Ok;
    }
    for (const Command& c : commands) {
        if (command == QLatin1String(c.name))
            return c.run(args);
    }
    return usageError(QStringLiteral("unknown command '%1'").arg(command));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int rc = dispatch(QCoreApplication::arguments().mid(1));
    out().flush();
    err().flush();
    Ductbook::Destroy();
    QvtEditor::Destroy();
    return rc;
}
