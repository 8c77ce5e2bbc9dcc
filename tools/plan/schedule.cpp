// The cable schedule: one row per cable in cable order, as jobtool's
// schedule writes it and the planner's cable table shows it.
#include "schedule_p.h"

#include "cablelengths_p.h"
#include "csv_p.h"
#include "jobmodel_p.h"

#include <ductbook.h>

#include <QColor>
#include <QIODevice>

#include <algorithm>

namespace Plan {

namespace {

// Text in Markdown as it stands: the characters that would start markup
// (a table's pipe, emphasis, code, links, HTML tags) escaped with a
// backslash, line breaks as spaces.
QString cell(const QString& text)
{
    QString escaped;
    escaped.reserve(text.size() + 8);
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        switch (c.unicode()) {
        case '\\':
        case '|':
        case '<':
        case '>':
        case '*':
        case '_':
        case '`':
        case '[':
        case ']':
            escaped += QLatin1Char('\\');
            escaped += c;
            break;
        case '\r':
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            escaped += QLatin1Char(' ');
            break;
        case '\n':
            escaped += QLatin1Char(' ');
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

// Colours compare by their "#rrggbb" form, whatever case the job wrote.
QString colourKey(const QString& colour)
{
    const QColor c(colour);
    return c.isValid() ? c.name() : colour;
}

QString markdownRow(const QStringList& fields)
{
    QString line = QStringLiteral("|");
    for (const QString& f : fields)
        line += QLatin1Char(' ') + cell(f) + QLatin1String(" |");
    return line + QLatin1Char('\n');
}

} // namespace

ColourNames::ColourNames(Ductbook& job)
{
    auto add = [this](const QString& name, const QString& colour) {
        const QString key = colourKey(colour);
        if (name.isEmpty() || key.isEmpty())
            return;
        m_typeColours.insert(name, key);
        if (!m_names.contains(key))
            m_names.insert(key, name);
    };
    for (const QString& type : job.getTypes())
        add(type, job.getTestDef(type).color());
    for (const QString& id : job.getBundledCableTypeIds())
        add(id, job.getBundledCableType(id).color());
}

QString ColourNames::name(const QString& colour, const QString& type) const
{
    const QString key = colourKey(colour);
    if (!type.isEmpty() && m_typeColours.value(type) == key)
        return type;
    return m_names.value(key, colour);
}

bool lengthNeedsCheck(const QString& estimated, const QString& measured, double factor)
{
    bool estimatedOk = false;
    bool measuredOk = false;
    const double e = estimated.toDouble(&estimatedOk);
    const double m = measured.toDouble(&measuredOk);
    if (!estimatedOk || !measuredOk)
        return false;
    return std::max(e, m) > factor * std::min(e, m);
}

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
    // The cable as getCable() reads it, but without decoding its plots.
    const Cable c(tag, job.getCableID(tag), job.getCableUse(tag), job.getCableTo(tag),
                  job.getCableFrom(tag), job.getCableType(tag), job.getCableTestSummary(tag),
                  job.getCablePath(tag), job.getCableBundleName(tag), job.getCableBundleNum(tag),
                  job.getCableBundleGroupNum(tag), job.getCableColor(tag));
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

bool writeSchedule(Ductbook& job, const ScheduleOptions& options, QIODevice& device,
                   QString* error)
{
    const JobModel model(job);
    const ColourNames colours(job);
    QStringList head = scheduleHeader(options.metric);
    head.append(QStringLiteral("Check length"));
    QString text;
    if (options.markdown) {
        const SiteData site = job.getSiteData();
        QString heading = QStringLiteral("Cable schedule");
        QStringList names{site.company(), site.jobid()};
        names.removeAll(QString());
        if (!names.isEmpty())
            heading += QStringLiteral(": ") + names.join(QStringLiteral(" \u00b7 "));
        text += QStringLiteral("# ") + cell(heading) + QStringLiteral("\n\n") + markdownRow(head);
        text +=
            QStringLiteral("|") + QStringLiteral("---|").repeated(head.size()) + QLatin1Char('\n');
    } else {
        if (options.excel)
            text += QChar(0xfeff);
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
        QStringList fields = scheduleRow(job, model, tag, options.metric);
        fields[ColourColumn] = colours.name(fields.at(ColourColumn), fields.at(TypeColumn));
        fields.append(lengthNeedsCheck(fields.at(EstimatedLengthColumn),
                                       fields.at(MeasuredLengthColumn), options.checkFactor)
                          ? QStringLiteral("check")
                          : QString());
        text += options.markdown ? markdownRow(fields) : Csv::record(fields);
        if (text.size() > (1 << 20) && !flush())
            return false;
    }
    return flush();
}

bool writeSchedule(Ductbook& job, bool markdown, bool metric, QIODevice& device, QString* error)
{
    ScheduleOptions options;
    options.markdown = markdown;
    options.metric = metric;
    return writeSchedule(job, options, device, error);
}

} // namespace Plan
