// jobtool report: the test report as one self-contained XHTML page, with
// each tested cable's pair values and its response plots drawn inline.
#include "cmdargs_p.h"
#include "jobtool_p.h"
#include "report_p.h"

#include <ductbook.h>

#include <QIODevice>

namespace JobTool {

const char* const reportHelp = QT_TRANSLATE_NOOP(
    "jobtool",
    "  report JOB [--metric] [-o FILE] [--force]\n"
    "                          The test report as one self-contained HTML file: the job's\n"
    "                          site and contractor, a summary (cables per status and\n"
    "                          type, failing cables first), then per tested cable its\n"
    "                          values per pair and its echo, NEXT and channel plots, and\n"
    "                          the untested cables. Without -o it goes to standard output.\n");

int reportCommand(const QStringList& args)
{
    JobCommand c;
    const int status = prepareJobCommand(
        QStringLiteral("report"), QStringLiteral("report JOB [--metric] [-o FILE]"), args,
        {QStringLiteral("--metric")}, {}, [](const Arguments&) { return QString(); }, &c);
    if (status >= 0)
        return status;
    const bool metric = c.args.has(QStringLiteral("--metric"));
    return c.output.write([&](QIODevice& device, QString* error) {
        return Plan::writeReport(Ductbook::Instance(), c.jobPath, metric, device, error);
    });
}

} // namespace JobTool
