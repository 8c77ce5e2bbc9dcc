// jobtool labels: a label for each end of each cable and for each port, on
// sheets of label stock as a PDF, or as CSV for label-printer software.
#include "cmdargs_p.h"
#include "jobmodel_p.h"
#include "jobtool_p.h"
#include "labels_p.h"
#include "pdfpages_p.h"

#include <ductbook.h>
#include <sitedata.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QIODevice>

namespace JobTool {

const char* const labelsHelp = QT_TRANSLATE_NOOP(
    "jobtool",
    "  labels JOB -o FILE [--sheet NAME] [--floor FLOOR] [--format pdf|csv]\n"
    "         [--outlines] [--template QVT] [--force]\n"
    "                          Labels for the job: one for each end of each cable (its\n"
    "                          id, this end's port and room, the far end's port) and one\n"
    "                          for each port (its id, room and floor). As a PDF the cable\n"
    "                          labels are laid out on wrap-around cable label sheets and\n"
    "                          the port labels on port label sheets of the job's paper\n"
    "                          (A4 or Letter); --sheet NAME prints only the labels its\n"
    "                          stock is made for. --outlines draws each label's edge for\n"
    "                          a trial print on plain paper. --floor keeps the labels of\n"
    "                          one floor. CSV (chosen by the extension or --format) has\n"
    "                          one row per label. Sheets:\n"
    "                            wrap-a4, wrap-letter   wrap-around cable labels\n"
    "                            ports-a4, ports-letter port labels\n");

namespace {

QString formatOf(const Arguments& a)
{
    return a.format({QStringLiteral("csv")}, QStringLiteral("pdf"));
}

QString sheetError(const QString& name)
{
    return QCoreApplication::translate("jobtool", "labels: no sheet '%1'; the sheets are:\n  %2")
        .arg(name, Plan::labelSheetList().join(QStringLiteral("\n  ")));
}

} // namespace

int labelsCommand(const QStringList& args)
{
    JobCommand c;
    const int status = prepareJobCommand(
        QStringLiteral("labels"),
        QCoreApplication::translate("jobtool", "labels JOB -o FILE [--sheet NAME] [--floor FLOOR] [--format pdf|csv]"), args,
        {QStringLiteral("--outlines")},
        {QStringLiteral("--sheet"), QStringLiteral("--floor"), QStringLiteral("--format")},
        [](const Arguments& a) {
            const QString format = formatOf(a);
            if (format != QLatin1String("pdf") && format != QLatin1String("csv"))
                return QCoreApplication::translate("jobtool", "labels: unknown format '%1' (pdf or csv)").arg(format);
            // A PDF on a terminal is of no use to anyone.
            if (format == QLatin1String("pdf") && a.value(QStringLiteral("-o")).isEmpty())
                return QCoreApplication::translate("jobtool", "labels: name the PDF file with -o FILE");
            if (a.values.contains(QStringLiteral("--sheet"))) {
                if (format == QLatin1String("csv"))
                    return QCoreApplication::translate("jobtool", "labels: --sheet is for the PDF; CSV rows have no sheet");
                const QString name = a.value(QStringLiteral("--sheet"));
                if (!Plan::labelSheet(name))
                    return sheetError(name);
            }
            return QString();
        },
        &c);
    if (status >= 0)
        return status;

    Ductbook& job = Ductbook::Instance();
    const Plan::JobModel model(job);
    int floor = -1;
    if (c.args.values.contains(QStringLiteral("--floor"))) {
        const QString name = c.args.value(QStringLiteral("--floor"));
        floor = model.floorIndex(name);
        if (floor < 0) {
            QStringList names;
            for (const Plan::FloorItem& f : model.floors())
                names.append(f.id);
            return usageError(QCoreApplication::translate("jobtool", "labels: no floor '%1' in %2 (floors: %3)")
                                  .arg(name, c.jobPath, names.join(QStringLiteral(", "))));
        }
    }

    const Plan::LabelSheet* chosen = Plan::labelSheet(c.args.value(QStringLiteral("--sheet")));
    const bool cables = !chosen || chosen->holds == Plan::Label::CableEnd;
    const bool ports = !chosen || chosen->holds == Plan::Label::Port;
    QList<Plan::Label> cableLabels;
    QList<Plan::Label> portLabels;
    if (cables)
        cableLabels = Plan::cableEndLabels(job, model, floor);
    if (ports)
        portLabels = Plan::portLabels(model, floor);
    if (cableLabels.isEmpty() && portLabels.isEmpty()) {
        err() << QCoreApplication::translate("jobtool", "jobtool: labels: %1 has nothing to label there: no cables and no ports")
                     .arg(c.jobPath)
              << "\n";
        return Failure;
    }

    if (formatOf(c.args) == QLatin1String("csv")) {
        return c.output.write([&](QIODevice& device, QString* error) {
            return Plan::writeLabelsCsv(cableLabels + portLabels, device, error);
        });
    }
    const bool a4 = Plan::jobPaperIsA4(job);
    QList<Plan::LabelRun> runs;
    if (!cableLabels.isEmpty())
        runs.append(
            {chosen ? chosen : &Plan::defaultLabelSheet(Plan::Label::CableEnd, a4), cableLabels});
    if (!portLabels.isEmpty())
        runs.append(
            {chosen ? chosen : &Plan::defaultLabelSheet(Plan::Label::Port, a4), portLabels});
    const SiteData site = job.getSiteData();
    QStringList titleParts{QCoreApplication::translate("jobtool", "Cable labels")};
    for (const QString& part : {site.company(), site.jobid()}) {
        if (!part.isEmpty())
            titleParts.append(part);
    }
    const QString title = titleParts.join(QStringLiteral(" \u00b7 "));
    const bool outlines = c.args.has(QStringLiteral("--outlines"));
    return c.output.write([&](QIODevice& device, QString* error) {
        return Plan::writeLabelsPdf(runs, title, outlines, device, error);
    });
}

} // namespace JobTool
