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
    "  schedule JOB [--format csv|md] [--metric] [-o FILE] [--force]\n"
    "                          The cable schedule: one row per cable in cable order with\n"
    "                          its ends (port, room, floor), type, colour, use, bundle,\n"
    "                          estimated and measured length (feet, or metres with\n"
    "                          --metric), test status and date. CSV (the default, UTF-8\n"
    "                          with a header row) or a Markdown table; without -o it goes\n"
    "                          to standard output.\n");

int scheduleCommand(const QStringList& args)
{
    JobCommand c;
    const int status = prepareJobCommand(
        QStringLiteral("schedule"),
        QStringLiteral("schedule JOB [--format csv|md] [--metric] [-o FILE]"), args,
        {QStringLiteral("--metric")}, {QStringLiteral("--format")},
        [](const Arguments& a) {
            const QString format =
                a.values.value(QStringLiteral("--format"), QStringLiteral("csv"));
            if (format == QLatin1String("csv") || format == QLatin1String("md"))
                return QString();
            return QCoreApplication::translate("jobtool",
                                               "schedule: unknown format '%1' (csv or md)")
                .arg(format);
        },
        &c);
    if (status >= 0)
        return status;
    const bool markdown = c.args.value(QStringLiteral("--format")) == QLatin1String("md");
    const bool metric = c.args.has(QStringLiteral("--metric"));
    return c.output.write([&](QIODevice& device, QString* error) {
        return Plan::writeSchedule(Ductbook::Instance(), markdown, metric, device, error);
    });
}

} // namespace JobTool
