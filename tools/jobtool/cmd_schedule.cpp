// jobtool schedule: one row per cable, what runs where, of which type and
// length, as CSV or Markdown.
#include "cablelengths_p.h"
#include "cmdargs_p.h"
#include "csv_p.h"
#include "jobmodel_p.h"
#include "jobtool_p.h"

#include <ductbook.h>

#include <QIODevice>

namespace JobTool {

const char* const scheduleHelp =
    "  schedule JOB [--format csv|md] [--metric] [-o FILE] [--force]\n"
    "                          The cable schedule: one row per cable in cable order with\n"
    "                          its ends (port, room, floor), type, colour, use, bundle,\n"
    "                          estimated and measured length (feet, or metres with\n"
    "                          --metric), test status and date. CSV (the default, UTF-8\n"
    "                          with a header row) or a Markdown table; without -o it goes\n"
    "                          to standard output.\n";

namespace {

QStringList header(bool metric)
{
    const QString unit = lengthUnit(metric);
    return {QStringLiteral("Cable"),
            QStringLiteral("From port"),
            QStringLiteral("From room"),
            QStringLiteral("From floor"),
            QStringLiteral("To port"),
            QStringLiteral("To room"),
            QStringLiteral("To floor"),
            QStringLiteral("Type"),
            QStringLiteral("Colour"),
            QStringLiteral("Use"),
            QStringLiteral("Bundle"),
            QStringLiteral("Bundle group"),
            QStringLiteral("Estimated length (%1)").arg(unit),
            QStringLiteral("Measured length (%1)").arg(unit),
            QStringLiteral("Status"),
            QStringLiteral("Tested")};
}

QStringList row(Ductbook& job, const JobModel& model, const QString& tag, bool metric)
{
    const Cable c = job.getCable(tag);
    QStringList fields{c.id()};
    for (const QString& end : {c.from(), c.to()}) {
        const PlaceItem* port = model.port(end);
        const int floor = port ? model.floorIndexOfTag(port->floor) : -1;
        fields << end << (port ? port->roomId : QString())
               << (floor >= 0 ? model.floors().at(floor).id : QString());
    }
    const TestResults& results = c.testResults();
    fields << c.type() << c.color() << c.use() << c.bundleName()
           << (c.inBundle() ? c.bundleGroupNum() : QString()) << estimatedLength(job, tag, metric)
           << measuredLength(job, tag, results, metric) << results.status() << results.time();
    return fields;
}

// A Markdown table cell: pipes escaped, line breaks as spaces.
QString cell(QString text)
{
    text.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    text.replace(QLatin1Char('|'), QLatin1String("\\|"));
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return text;
}

QString markdownRow(const QStringList& fields)
{
    QString line = QStringLiteral("|");
    for (const QString& f : fields)
        line += QLatin1Char(' ') + cell(f) + QLatin1String(" |");
    return line + QLatin1Char('\n');
}

bool writeSchedule(Ductbook& job, bool markdown, bool metric, QIODevice& device, QString* error)
{
    const JobModel model(job);
    const QStringList head = header(metric);
    QString text;
    if (markdown) {
        const SiteData site = job.getSiteData();
        text += QStringLiteral("# Cable schedule");
        if (!site.company().isEmpty() || !site.jobid().isEmpty())
            text += QStringLiteral(": ") +
                    QStringList{site.company(), site.jobid()}.join(QStringLiteral(" \u00b7 "));
        text += QStringLiteral("\n\n") + markdownRow(head);
        text +=
            QStringLiteral("|") + QStringLiteral("---|").repeated(head.size()) + QLatin1Char('\n');
    } else {
        text += Csv::record(head);
    }
    // Written in pieces so that a campus job is not held in memory twice.
    auto flush = [&]() {
        const QByteArray bytes = text.toUtf8();
        text.clear();
        if (device.write(bytes) == bytes.size())
            return true;
        *error = QStringLiteral("cannot write the schedule: %1").arg(device.errorString());
        return false;
    };
    const QStringList tags = job.getCables(true);
    for (const QString& tag : tags) {
        const QStringList fields = row(job, model, tag, metric);
        text += markdown ? markdownRow(fields) : Csv::record(fields);
        if (text.size() > (1 << 20) && !flush())
            return false;
    }
    if (!flush())
        return false;
    return true;
}

} // namespace

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
            return QStringLiteral("schedule: unknown format '%1' (csv or md)").arg(format);
        },
        &c);
    if (status >= 0)
        return status;
    const bool markdown = c.args.value(QStringLiteral("--format")) == QLatin1String("md");
    const bool metric = c.args.has(QStringLiteral("--metric"));
    return c.output.write([&](QIODevice& device, QString* error) {
        return writeSchedule(Ductbook::Instance(), markdown, metric, device, error);
    });
}

} // namespace JobTool
