// jobtool report: the test report as one self-contained XHTML page, with
// each tested cable's pair values and its response plots drawn inline, or
// as a PDF certification report.
#include "cmdargs_p.h"
#include "jobtool_p.h"
#include "pdfpages_p.h"
#include "pdfreport_p.h"
#include "report_p.h"

#include <ductbook.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QIODevice>

namespace JobTool {

const char* const reportHelp = QT_TRANSLATE_NOOP(
    "jobtool",
    "  report JOB [--metric] [-o FILE] [--force]\n"
    "                          The test report as one self-contained HTML file: the job's\n"
    "                          site and contractor, a summary (cables per status and\n"
    "                          type, failing cables first), then per tested cable its\n"
    "                          values per pair and its echo, NEXT and channel plots, and\n"
    "                          the untested cables. Without -o it goes to standard output.\n"
    "  report JOB -o FILE.pdf [--format pdf] [--paper a4|letter] [--metric]\n"
    "         [--template QVT] [--force]\n"
    "                          The certification report as a PDF (chosen by the .pdf\n"
    "                          extension or --format pdf): a cover with the counts per\n"
    "                          verdict, a summary per type and floor, each floor's\n"
    "                          drawing, the cable schedule, a block per tested cable\n"
    "                          (ends, test definition, tester, verdict per pair, plots),\n"
    "                          the active network tests and a sign-off box. The paper\n"
    "                          is the job's (detailed cable report settings) unless\n"
    "                          --paper says otherwise.\n");

namespace {

QString formatOf(const Arguments& a)
{
    const QString format = a.value(QStringLiteral("--format"));
    if (!format.isEmpty())
        return format;
    return QFileInfo(a.value(QStringLiteral("-o"))).suffix().toLower() == QLatin1String("pdf")
               ? QStringLiteral("pdf")
               : QStringLiteral("html");
}

QString checkReport(const Arguments& a)
{
    const QString format = formatOf(a);
    if (format != QLatin1String("html") && format != QLatin1String("pdf"))
        return QCoreApplication::translate("jobtool", "report: unknown format '%1' (html or pdf)").arg(format);
    const QString paper = a.value(QStringLiteral("--paper")).toLower();
    if (!paper.isEmpty() && paper != QLatin1String("a4") && paper != QLatin1String("letter"))
        return QCoreApplication::translate("jobtool", "report: unknown paper '%1' (a4 or letter)")
            .arg(a.value(QStringLiteral("--paper")));
    if (format == QLatin1String("pdf") && a.value(QStringLiteral("-o")).isEmpty())
        return QCoreApplication::translate("jobtool", "report: name the PDF file with -o FILE");
    return QString();
}

} // namespace

int reportCommand(const QStringList& args)
{
    JobCommand c;
    const int status = prepareJobCommand(
        QStringLiteral("report"),
        QStringLiteral("report JOB [--format html|pdf] [--paper a4|letter] [--metric] [-o FILE]"),
        args, {QStringLiteral("--metric")}, {QStringLiteral("--format"), QStringLiteral("--paper")},
        checkReport, &c);
    if (status >= 0)
        return status;
    const bool metric = c.args.has(QStringLiteral("--metric"));
    if (formatOf(c.args) == QLatin1String("pdf")) {
        const QString paper = c.args.value(QStringLiteral("--paper")).toLower();
        const bool a4 = paper.isEmpty() ? Plan::jobPaperIsA4(Ductbook::Instance())
                                        : paper == QLatin1String("a4");
        return c.output.write([&](QIODevice& device, QString* error) {
            return Plan::writePdfReport(Ductbook::Instance(), c.jobPath, metric, a4, device, error);
        });
    }
    return c.output.write([&](QIODevice& device, QString* error) {
        return Plan::writeReport(Ductbook::Instance(), c.jobPath, metric, device, error);
    });
}

} // namespace JobTool
