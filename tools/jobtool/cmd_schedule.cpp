// jobtool schedule: one row per cable, what runs where, of which type and
// length, as CSV or Markdown.
#include "cmdargs_p.h"
#include "jobtool_p.h"
#include "schedule_p.h"

#include <ductbook.h>

#include <QIODevice>

namespace JobTool {

const char* const scheduleHelp = QT_TRANSLATE_NOOP(
    "jobtool",
    "  schedule JOB [--format csv|md] [--excel] [--metric] [--check-factor F]\n"
    "         [-o FILE] [--template QVT] [--force]\n"
    "                          The cable schedule: one row per cable in cable order with\n"
    "                          its ends (port, room, floor), type, colour (by the name\n"
    "                          of the cable type of that colour, else #rrggbb), use,\n"
    "                          bundle, estimated and measured length (feet, or metres\n"
    "                          with --metric), test status and date, and \"check\" in the\n"
    "                          last column where the measured length is more than F\n"
    "                          times the estimate or less than 1/F of it (default 2).\n"
    "                          CSV (the default, UTF-8 with a header row; --excel adds\n"
    "                          the byte order mark by which spreadsheets recognise\n"
    "                          UTF-8) or a Markdown table; without -o it goes to\n"
    "                          standard output.\n");

namespace {

// The factor of --check-factor: a number above 1; 0 when the text is not one.
double checkFactor(const Arguments& a)
{
    const QString text = a.value(QStringLiteral("--check-factor"));
    if (text.isEmpty())
        return Plan::DefaultCheckFactor;
    bool ok = false;
    const double factor = text.toDouble(&ok);
    return ok && factor > 1 && qIsFinite(factor) ? factor : 0;
}

} // namespace

int scheduleCommand(const QStringList& args)
{
    JobCommand c;
    const int status = prepareJobCommand(
        QStringLiteral("schedule"),
        QStringLiteral("schedule JOB [--format csv|md] [--excel] [--metric] [--check-factor F] "
                       "[-o FILE]"),
        args, {QStringLiteral("--metric"), QStringLiteral("--excel")},
        {QStringLiteral("--format"), QStringLiteral("--check-factor")},
        [](const Arguments& a) {
            const QString format =
                a.values.value(QStringLiteral("--format"), QStringLiteral("csv"));
            if (format != QLatin1String("csv") && format != QLatin1String("md"))
                return QCoreApplication::translate("jobtool",
                                                   "schedule: unknown format '%1' (csv or md)")
                    .arg(format);
            if (format == QLatin1String("md") && a.has(QStringLiteral("--excel")))
                return QCoreApplication::translate("jobtool",
                                                   "schedule: --excel is for CSV, not Markdown");
            if (checkFactor(a) == 0)
                return QCoreApplication::translate(
                           "jobtool", "schedule: --check-factor needs a number above 1, not '%1'")
                    .arg(a.value(QStringLiteral("--check-factor")));
            return QString();
        },
        &c);
    if (status >= 0)
        return status;
    Plan::ScheduleOptions options;
    options.markdown = c.args.value(QStringLiteral("--format")) == QLatin1String("md");
    options.metric = c.args.has(QStringLiteral("--metric"));
    options.excel = c.args.has(QStringLiteral("--excel"));
    options.checkFactor = checkFactor(c.args);
    return c.output.write([&](QIODevice& device, QString* error) {
        return Plan::writeSchedule(Ductbook::Instance(), options, device, error);
    });
}

} // namespace JobTool
