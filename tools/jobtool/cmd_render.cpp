// jobtool render: a floor plan, or the route of one cable floor by floor,
// as an SVG picture.
#include "cmdargs_p.h"
#include "drawings_p.h"
#include "floorplan_p.h"
#include "jobtool_p.h"

#include <ductbook.h>

#include <QIODevice>

namespace JobTool {

const char* const renderHelp = QT_TRANSLATE_NOOP(
    "jobtool",
    "  render JOB --floor FLOOR [-o FILE] [--force]\n"
    "                          Draw one floor (FLOOR is its name or tag) as SVG: rooms,\n"
    "                          ports and vertical runs coloured by use with their ids,\n"
    "                          path points and every cable route in the cable's colour.\n"
    "  render JOB --trace CABLE [--metric] [-o FILE] [--force]\n"
    "                          Draw the route of one cable (its id or tag) floor by floor\n"
    "                          through the vertical runs, with its ends and length.\n"
    "                          Without -o the picture goes to standard output.\n");

int renderCommand(const QStringList& args)
{
    JobCommand c;
    const int status = prepareJobCommand(
        QStringLiteral("render"),
        QStringLiteral("render JOB (--floor FLOOR | --trace CABLE) [-o FILE]"), args,
        {QStringLiteral("--metric")}, {QStringLiteral("--floor"), QStringLiteral("--trace")},
        [](const Arguments& a) {
            if (a.values.contains(QStringLiteral("--floor")) !=
                a.values.contains(QStringLiteral("--trace")))
                return QString();
            return QCoreApplication::translate(
                "jobtool", "render: give either --floor FLOOR or --trace CABLE");
        },
        &c);
    if (status >= 0)
        return status;
    Ductbook& job = Ductbook::Instance();
    const QString& jobPath = c.jobPath;
    const Arguments& a = c.args;
    const Output& output = c.output;
    const bool floorPlan = a.values.contains(QStringLiteral("--floor"));
    const Plan::JobModel model(job);
    const QList<Plan::CableLine> cables = Plan::allCables(job);
    const Plan::FloorPlan plan(model, cables);

    if (floorPlan) {
        const QString name = a.value(QStringLiteral("--floor"));
        const int floor = model.floorIndex(name);
        if (floor < 0) {
            QStringList names;
            for (const Plan::FloorItem& f : model.floors())
                names.append(f.id);
            return usageError(
                QCoreApplication::translate("jobtool", "render: no floor '%1' in %2 (floors: %3)")
                    .arg(name, jobPath, names.join(QStringLiteral(", "))));
        }
        return output.write([&](QIODevice& device, QString* error) {
            return Plan::writeFloorSvg(job, plan, floor, device, error);
        });
    }
    const QString name = a.value(QStringLiteral("--trace"));
    const int cable = Plan::findCable(job, cables, name);
    if (cable < 0)
        return usageError(QCoreApplication::translate("jobtool", "render: no cable '%1' in %2")
                              .arg(name, jobPath));
    const bool metric = a.has(QStringLiteral("--metric"));
    return output.write([&](QIODevice& device, QString* error) {
        return Plan::writeTraceSvg(job, plan, cable, metric, device, error);
    });
}

} // namespace JobTool
