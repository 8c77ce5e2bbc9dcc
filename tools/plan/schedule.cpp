// The cable schedule: one row per cable in cable order, as jobtool's
// schedule writes it and the planner's cable table shows it.
#include "schedule_p.h"

#include "cablelengths_p.h"
#include "csv_p.h"
#include "jobmodel_p.h"

#include <ductbook.h>

#include <QIODevice>

namespace Plan {

namespace {

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

} // namespace

QStringList scheduleHeader(bool metric)
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

QStringList scheduleRow(Ductbook& job, const JobModel& model, const QString& tag, bool metric)
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

bool writeSchedule(Ductbook& job, bool markdown, bool metric, QIODevice& device, QString* error)
{
    const JobModel model(job);
    const QStringList head = scheduleHeader(metric);
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
        const QStringList fields = scheduleRow(job, model, tag, metric);
        text += markdown ? markdownRow(fields) : Csv::record(fields);
        if (text.size() > (1 << 20) && !flush())
            return false;
    }
    if (!flush())
        return false;
    return true;
}

} // namespace Plan
