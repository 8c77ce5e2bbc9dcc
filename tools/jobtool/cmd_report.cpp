// jobtool report: the certification report as one self-contained XHTML
// page or as a PDF, of the whole job or of the cables a filter chooses.
#include "cmdargs_p.h"
#include "jobtool_p.h"
#include "pdfpages_p.h"
#include "pdfreport_p.h"
#include "jobmodel_p.h"
#include "report_p.h"
#include "reportdata_p.h"

#include <ductbook.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QIODevice>

namespace JobTool {

const char* const reportHelp = QT_TRANSLATE_NOOP(
    "jobtool",
    "  report JOB [--metric] [-o FILE] [--force] [FILTERS]\n"
    "                          The certification report as one self-contained HTML file\n"
    "                          with the contents of the PDF below, styled for printing\n"
    "                          (a cable's block kept on one page, pages numbered where\n"
    "                          the browser can). Without -o it goes to standard output.\n"
    "  report JOB -o FILE.pdf [--format pdf] [--paper a4|letter] [--metric]\n"
    "         [FILTERS] [--template QVT] [--force]\n"
    "                          The certification report as a PDF (chosen by the .pdf\n"
    "                          extension or --format pdf): a cover with the counts per\n"
    "                          verdict, a summary per type and floor, each floor's\n"
    "                          drawing, the cable schedule, a block per tested cable\n"
    "                          (ends, test definition, tester, verdict per pair, plots),\n"
    "                          the active network tests and a sign-off box. The paper\n"
    "                          is the job's (detailed cable report settings) unless\n"
    "                          --paper says otherwise.\n"
    "                          FILTERS choose the cables of either report; each takes\n"
    "                          one value or several separated by commas:\n"
    "                          --floor FLOOR  cables with an end on the floor (its name\n"
    "                                         or tag); only its drawing and active tests\n"
    "                          --status pass|fail|untested\n"
    "                          --type TYPE    cables of the type (as the job names it)\n");

namespace {

QString formatOf(const Arguments& a)
{
    return a.format({QStringLiteral("pdf")}, QStringLiteral("html"));
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

QStringList listOf(const QString& value)
{
    QStringList items;
    for (const QString& item : value.split(QLatin1Char(','))) {
        if (!item.trimmed().isEmpty())
            items.append(item.trimmed());
    }
    return items;
}

// The filter the options name, checked against the loaded job. Returns an
// error naming the accepted values when one is unknown.
QString readFilter(const Arguments& a, Ductbook& job, Plan::ReportFilter* filter)
{
    const QString floors = a.value(QStringLiteral("--floor"));
    const QString types = a.value(QStringLiteral("--type"));
    for (const QString& status : listOf(a.value(QStringLiteral("--status")))) {
        const QString word = status.toLower();
        const Plan::Verdict v = word == QLatin1String("pass")   ? Plan::Verdict::Pass
                                : word == QLatin1String("fail") ? Plan::Verdict::Fail
                                                                : Plan::Verdict::Untested;
        if (v == Plan::Verdict::Untested && word != QLatin1String("untested"))
            return QCoreApplication::translate(
                       "jobtool", "report: unknown status '%1' (pass, fail or untested)")
                .arg(status);
        filter->verdicts.append(v);
    }
    if (floors.isEmpty() && types.isEmpty())
        return QString();
    const Plan::JobModel model(job);
    const Plan::ReportChoices choices = Plan::reportChoices(job, model);
    for (const QString& floor : listOf(floors)) {
        int index = model.floorIndex(floor);
        for (int f = 0; index < 0 && f < choices.floorIds.size(); ++f) {
            if (choices.floorIds.at(f).compare(floor, Qt::CaseInsensitive) == 0)
                index = f;
        }
        if (index < 0)
            return QCoreApplication::translate("jobtool", "report: no floor '%1' in the job (floors: %2)")
                .arg(floor, choices.floorIds.join(QStringLiteral(", ")));
        filter->floors.insert(index);
    }
    for (const QString& type : listOf(types)) {
        QString found;
        for (const QString& t : choices.types) {
            if (t == type || (found.isEmpty() && t.compare(type, Qt::CaseInsensitive) == 0))
                found = t;
        }
        if (found.isEmpty())
            return QCoreApplication::translate("jobtool",
                                               "report: no cable of type '%1' in the job (types: %2)")
                .arg(type, choices.types.join(QStringLiteral(", ")));
        filter->types.insert(found);
    }
    return QString();
}

} // namespace

int reportCommand(const QStringList& args)
{
    JobCommand c;
    const int status = prepareJobCommand(
        QStringLiteral("report"),
        QStringLiteral("report JOB [--format html|pdf] [--paper a4|letter] [--metric] "
                       "[--floor FLOOR] [--status STATUS] [--type TYPE] [-o FILE]"),
        args, {QStringLiteral("--metric")},
        {QStringLiteral("--format"), QStringLiteral("--paper"), QStringLiteral("--floor"),
         QStringLiteral("--status"), QStringLiteral("--type")},
        checkReport, &c);
    if (status >= 0)
        return status;
    Plan::ReportFilter filter;
    const QString filterError = readFilter(c.args, Ductbook::Instance(), &filter);
    if (!filterError.isEmpty())
        return usageError(filterError);
    const bool metric = c.args.has(QStringLiteral("--metric"));
    if (formatOf(c.args) == QLatin1String("pdf")) {
        const QString paper = c.args.value(QStringLiteral("--paper")).toLower();
        const bool a4 = paper.isEmpty() ? Plan::jobPaperIsA4(Ductbook::Instance())
                                        : paper == QLatin1String("a4");
        return c.output.write([&](QIODevice& device, QString* error) {
            return Plan::writePdfReport(Ductbook::Instance(), c.jobPath, metric, a4, filter, device,
                                        error);
        });
    }
    return c.output.write([&](QIODevice& device, QString* error) {
        return Plan::writeReport(Ductbook::Instance(), c.jobPath, metric, filter, device, error);
    });
}

} // namespace JobTool
