#include "commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>

namespace CommandLine {

namespace {

struct Parser
{
    QCommandLineParser parser;
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QCoreApplication::translate("CommandLine", "Show this help and exit.")};
    QCommandLineOption version{
        QStringLiteral("version"),
        QCoreApplication::translate("CommandLine", "Show the version and exit.")};
    QCommandLineOption screenshot{
        QStringLiteral("screenshot"),
        QCoreApplication::translate("CommandLine",
                                    "Render the window with JOB open to the PNG file OUT "
                                    "without showing it, and exit."),
        QStringLiteral("OUT")};
    QCommandLineOption size{
        QStringLiteral("size"),
        QCoreApplication::translate("CommandLine",
                                    "With --screenshot: the window's size (default 1400x900)."),
        QStringLiteral("WxH")};
    QCommandLineOption floor{
        QStringLiteral("floor"),
        QCoreApplication::translate("CommandLine",
                                    "With --screenshot: show this floor (name or tag)."),
        QStringLiteral("FLOOR")};
    QCommandLineOption sheet{
        QStringLiteral("sheet"),
        QCoreApplication::translate("CommandLine",
                                    "With --screenshot: show this network sheet (name or tag)."),
        QStringLiteral("SHEET")};
    QCommandLineOption select{
        QStringLiteral("select"),
        QCoreApplication::translate("CommandLine",
                                    "With --screenshot: select the item with this id (a cable is "
                                    "traced)."),
        QStringLiteral("ID")};

    Parser()
    {
        parser.setApplicationDescription(QCoreApplication::translate(
            "CommandLine",
            "Gridwell planner: open a structured-cabling job of any version and look at its "
            "floor plans, network sheets, cables and test results."));
        parser.addOptions({help, version, screenshot, size, floor, sheet, select});
        parser.addPositionalArgument(
            QStringLiteral("JOB"),
            QCoreApplication::translate("CommandLine",
                                        "The job file to open (.job). Older versions are "
                                        "converted in memory; the file is not changed."),
            QStringLiteral("[JOB]"));
    }
};

} // namespace

bool parse(const QStringList& arguments, CommandLineOptions* options, QString* error)
{
    Parser p;
    if (!p.parser.parse(arguments)) {
        *error = p.parser.errorText();
        return false;
    }
    options->help = p.parser.isSet(p.help);
    options->version = p.parser.isSet(p.version);
    if (options->help || options->version)
        return true;
    const QStringList positional = p.parser.positionalArguments();
    if (positional.size() > 1) {
        *error =
            QCoreApplication::translate("CommandLine", "Only one job can be opened at a time.");
        return false;
    }
    options->job = positional.value(0);
    options->screenshot = p.parser.value(p.screenshot);
    options->floor = p.parser.value(p.floor);
    options->sheet = p.parser.value(p.sheet);
    options->select = p.parser.value(p.select);
    const bool withScreenshot = p.parser.isSet(p.screenshot);
    if (withScreenshot && options->screenshot.isEmpty()) {
        *error = QCoreApplication::translate(
            "CommandLine", "--screenshot needs the name of the PNG file to write.");
        return false;
    }
    if (!withScreenshot) {
        for (const QCommandLineOption* o : {&p.size, &p.floor, &p.sheet, &p.select}) {
            if (p.parser.isSet(*o)) {
                *error = QCoreApplication::translate("CommandLine", "--%1 goes with --screenshot.")
                             .arg(o->names().constFirst());
                return false;
            }
        }
        return true;
    }
    if (options->job.isEmpty()) {
        *error = QCoreApplication::translate("CommandLine", "--screenshot needs a job to open.");
        return false;
    }
    if (p.parser.isSet(p.floor) && p.parser.isSet(p.sheet)) {
        *error =
            QCoreApplication::translate("CommandLine", "--floor and --sheet cannot both be given.");
        return false;
    }
    if (p.parser.isSet(p.size)) {
        static const QRegularExpression pattern(QStringLiteral("^(\\d{2,5})x(\\d{2,5})$"));
        const QRegularExpressionMatch m = pattern.match(p.parser.value(p.size));
        const int width = m.hasMatch() ? m.captured(1).toInt() : 0;
        const int height = m.hasMatch() ? m.captured(2).toInt() : 0;
        if (width < 320 || height < 240 || width > 8000 || height > 8000) {
            *error = QCoreApplication::translate(
                "CommandLine", "--size wants WIDTHxHEIGHT in pixels, from 320x240 to 8000x8000, "
                               "such as 1400x900.");
            return false;
        }
        options->size = QSize(width, height);
    }
    return true;
}

QString helpText()
{
    Parser p;
    // Read before the application exists, the parser has no program name.
    QString text =
        p.parser.helpText().replace(QLatin1String("<executable_name>"), QLatin1String("gridwell"));
    text += QCoreApplication::translate(
        "CommandLine",
        "\nExamples:\n"
        "  gridwell site.job\n"
        "  gridwell --screenshot level3.png --floor \"Level 3\" --select Cable004 "
        "site.job\n"
        "\nExit status: 0 on success; 2 for a bad command line, or with --screenshot for a\n"
        "job that does not load (the reason is printed); 1 when the picture cannot be\n"
        "written.\n");
    return text;
}

} // namespace CommandLine
