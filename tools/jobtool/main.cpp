// jobtool: the job library from the command line, for inspecting, creating
// and reporting on jobs without the host application.
#include "jobtool_p.h"

#include <ductbook.h>
#include <qvteditor.h>
#include <translator.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageLogContext>

#include <cstdio>
#include <cstdlib>
#include <memory>

#ifdef __GLIBC__
#include <malloc.h>
#endif

using namespace JobTool;

// Clang says so through __has_feature; GCC defines __SANITIZE_ADDRESS__.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define JOBTOOL_UNDER_ASAN 1
#endif
#endif
#ifndef JOBTOOL_UNDER_ASAN
#define JOBTOOL_UNDER_ASAN 0
#endif

namespace {

// Each command's help lines appear in this order.
const Command commands[] = {
    {"convert", convertHelp, convertCommand},
    {"info", infoHelp, infoCommand},
    {"new", newHelp, newCommand},
    {"schedule", scheduleHelp, scheduleCommand},
    {"report", reportHelp, reportCommand},
    {"render", renderHelp, renderCommand},
    {"labels", labelsHelp, labelsCommand},
    {"import-cables", importCablesHelp, importCablesCommand},
    {"settings", settingsHelp, settingsCommand},
    {"template", templateHelp, templateCommand},
    {"export", exportHelp, exportCommand},
    {"import", importHelp, importCommand},
};

bool verbose = false;

// The library writes diagnostics (the position of a parse error, "Overwriting
// in ...") to the debug stream; jobtool reports the failure in its own words,
// so those lines only show with --verbose. Warnings always show.
void messageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!verbose && (type == QtDebugMsg || type == QtInfoMsg))
        return;
    // Drawing pages offscreen needs no runtime folder; Qt's note that there
    // is none would only puzzle the user.
    if (!verbose && message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
        return;
    err() << qFormatLogMessage(type, context, message) << "\n";
    err().flush();
}

QString helpText()
{
    QString text = QCoreApplication::translate(
        "jobtool", "Usage: jobtool <command> [arguments]\n"
                   "\n"
                   "Inspect, create and report on Gridwell job files (.job).\n"
                   "\n"
                   "Commands:\n");
    for (const Command& c : commands)
        text += QCoreApplication::translate("jobtool", c.help);
    text += QCoreApplication::translate(
        "jobtool",
        "  help, --help, -h        Show this text.\n"
        "\n"
        "Every command also takes --help (its own usage) and --verbose (show the job\n"
        "library's diagnostic lines, which are hidden otherwise). Every command that\n"
        "reads a job takes --template QVT: the template a job of version 2.1 or older is\n"
        "converted with. Without it the configured template (setting QvtFile) is used,\n"
        "or, when that file does not exist, the default template installed with jobtool.\n"
        "\n"
        "Exit status: 0 on success, 1 when an operation fails (a file cannot be written),\n"
        "2 on a usage error or a file that cannot be loaded.\n");
    return text;
}

int dispatch(QStringList args)
{
    if (args.isEmpty())
        return usageError(QCoreApplication::translate("jobtool", "missing command"));
    const QString command = args.takeFirst();
    if (command == QLatin1String("help") || command == QLatin1String("--help") ||
        command == QLatin1String("-h")) {
        out() << helpText();
        return Ok;
    }
    for (const Command& c : commands) {
        if (command != QLatin1String(c.name))
            continue;
        if (args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"))) {
            out() << QCoreApplication::translate("jobtool", "Usage: jobtool\n")
                  << QCoreApplication::translate("jobtool", c.help);
            return Ok;
        }
        return c.run(args);
    }
    return usageError(QCoreApplication::translate("jobtool", "unknown command '%1'").arg(command));
}

// Commands that lay out text on pages need fonts, hence a GUI application.
// jobtool never opens a window, so it draws offscreen unless told otherwise.
std::unique_ptr<QCoreApplication> application(int& argc, char** argv)
{
    const bool drawsPages =
        argc > 1 && (qstrcmp(argv[1], "labels") == 0 || qstrcmp(argv[1], "report") == 0 ||
                     qstrcmp(argv[1], "render") == 0);
    if (!drawsPages)
        return std::make_unique<QCoreApplication>(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

int main(int argc, char** argv)
{
#ifdef __GLIBC__
    // A PDF report of a campus job writes thousands of pages, each through
    // buffers of a few hundred kilobytes (a page's content, the compressor's
    // state). By default glibc maps and unmaps buffers that size, or trims
    // them off the heap, every time, and the page faults of touching them
    // afresh cost a quarter of the report's time. Keep them on the heap: the
    // peak stays the loaded job's.
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024);
#endif
    for (int i = 1; i < argc; ++i)
        verbose = verbose || qstrcmp(argv[i], "--verbose") == 0;
    qInstallMessageHandler(messageHandler);
    const std::unique_ptr<QCoreApplication> app = application(argc, argv);
    Translator::install(
        {QStringLiteral("jobtool"), QStringLiteral("ductbook"), QStringLiteral("runekit")});
    QStringList args = QCoreApplication::arguments().mid(1);
    args.removeAll(QStringLiteral("--verbose"));
    const int rc = dispatch(args);
    out().flush();
    err().flush();
#if !defined(__SANITIZE_ADDRESS__) && !JOBTOOL_UNDER_ASAN
    // A campus job's tree is hundreds of megabytes in a million nodes, and
    // taking it apart node by node only to exit costs a tenth of a command's
    // time; the system takes the memory back at once. Every file the command
    // wrote is closed by now. A sanitizer build tears down, so that its leak
    // check still sees everything.
    std::fflush(nullptr);
    std::_Exit(rc);
#else
    Ductbook::Destroy();
    QvtEditor::Destroy();
    return rc;
#endif
}
