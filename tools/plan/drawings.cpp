// The floor plan and the cable trace as SVG pictures.
#include "drawings_p.h"

#include "cablelengths_p.h"
#include "floorplan_p.h"
#include "pdfpages_p.h"
#include "usecolors_p.h"
#include "xmloutput_p.h"

#include <ductbook.h>
#include <scalesettings.h>

#include <QIODevice>
#include <QXmlStreamWriter>

namespace Plan {

namespace {

const QString Ink = QStringLiteral("#000000");
const int HeaderHeight = 46;
const int MinimumWidth = 480;
const int PanelTitle = 24;
const int ScaleBarHeight = 16;

QString siteLine(Ductbook& job)
{
    const SiteData site = job.getSiteData();
    QStringList parts;
    for (const QString& p : {site.company(), site.jobid()}) {
        if (!p.isEmpty())
            parts.append(p);
    }
    return parts.join(QStringLiteral(" \u00b7 "));
}

// A floor by the name its users gave it; the tag is the file's business.
QString floorTitle(const FloorItem& f)
{
    return f.id.isEmpty() ? f.tag : f.id;
}

// The stored use keys that are no words.
const struct
{
    const char* key;
    const char* name;
} UseNames[] = {
    {"PatchPanel", "Patch panel"},      {"NA", "Not assigned"},
    {"1Wall", "Wall plate, 1 jack"},    {"2Wall", "Wall plate, 2 jacks"},
    {"3Wall", "Wall plate, 3 jacks"},   {"4Wall", "Wall plate, 4 jacks"},
    {"6Wall", "Wall plate, 6 jacks"},   {"custom_port", "Custom port"},
    {"vertical_run", "Vertical run"},   {"comm_center", "Comms centre"},
    {"cable_box", "Cable box"},
};

// A use in the legend: its name, and the short label the host prints beside
// its icon where that says something more ("Network (Net)").
QHash<QString, QString> useLabels(Ductbook& job)
{
    QHash<QString, QString> names;
    for (const auto& u : UseNames)
        names.insert(QLatin1String(u.key), words(u.name));
    QHash<QString, QString> labels;
    for (const QString& use : useKeys()) {
        const QString name = names.value(use, use);
        const QString label = job.getReverseUse(use);
        labels.insert(use, label == use || name.startsWith(label, Qt::CaseInsensitive)
                               ? name
                               : QStringLiteral("%1 (%2)").arg(name, label));
    }
    return labels;
}

// Drawing units per foot, or per metre on a metric plan: the job's length
// estimate counts 36 units as one.
const double UnitsPerLength = 36;

bool planIsMetric(Ductbook& job)
{
    return job.getScaleSettings(QStringLiteral("FloorPlan_Settings"))
        .predefinedScaleStyle()
        .startsWith(QLatin1Char('M'), Qt::CaseInsensitive);
}

// A bar of a round length no longer than room, its right end at (right, y),
// in two halves, with its length written over it.
void scaleBar(SvgWriter& svg, bool metric, double right, double y, double room)
{
    double length = 1;
    for (double l : {1, 2, 5, 10, 20, 25, 50, 100, 200, 250, 500, 1000, 2000, 5000}) {
        if (l * UnitsPerLength <= room)
            length = l;
    }
    const double w = length * UnitsPerLength;
    const double left = right - w;
    svg.beginGroup({{QStringLiteral("class"), QStringLiteral("scale")}});
    svg.rect(QRectF(left, y, w / 2, 5), Ink, Ink, 1);
    svg.rect(QRectF(left + w / 2, y, w / 2, 5), QStringLiteral("#ffffff"), Ink, 1);
    svg.text(QPointF(left, y - 4), QStringLiteral("0"), 10, Ink, SvgWriter::Middle);
    svg.text(QPointF(right, y - 4),
             QStringLiteral("%1 %2").arg(length).arg(metric ? QStringLiteral("m")
                                                             : QStringLiteral("ft")),
             10, Ink, SvgWriter::Middle);
    svg.endGroup();
}

void beginDocument(XmlOutput& output, SvgWriter& svg, const QRect& view)
{
    // Written into a string, the writer's own declaration names no
    // encoding; the file is UTF-8.
    output.raw(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"));
    output.xml().setAutoFormatting(true);
    output.xml().setAutoFormattingIndent(1);
    // One named family, so that every renderer sets the same letters; the
    // generic name stands in where it is missing.
    svg.beginSvg(view, view.size(),
                 {{QStringLiteral("font-family"), QStringLiteral("DejaVu Sans, sans-serif")}});
    svg.rect(view, QStringLiteral("#ffffff"), QStringLiteral("none"), 0);
}

bool finish(XmlOutput& output, QString* error)
{
    output.xml().writeEndDocument();
    return output.flush(true, error);
}

void endMarker(SvgWriter& svg, const QPoint& at, const QString& color, const QString& label)
{
    svg.circle(at, 13, QStringLiteral("none"), color, 3,
               {{QStringLiteral("class"), QStringLiteral("end")}});
    // On a ground of its own: it is written over whatever the floor has there.
    svg.rect(QRectF(at.x() - 15, at.y() - 28, label.size() * 11 * 0.65 + 6, 14),
             QStringLiteral("#ffffff"), color, 1, {{QStringLiteral("fill-opacity"), QStringLiteral("0.9")}});
    svg.text(QPointF(at.x() - 13, at.y() - 17), label, 11, Ink);
}

} // namespace

QList<CableLine> allCables(Ductbook& job)
{
    QList<CableLine> cables;
    const QStringList tags = job.getCables(true);
    cables.reserve(tags.size());
    for (const QString& tag : tags)
        cables.append(JobModel::cableLine(job, tag));
    return cables;
}

bool writeFloorSvg(Ductbook& job, const FloorPlan& plan, int floor, QIODevice& device,
                   QString* error)
{
    const QRect b = plan.bounds(floor);
    const int width = qMax(b.width() + 2 * Plan::Margin, MinimumWidth);
    const int legend = plan.legendHeight(floor, width - 2 * Plan::Margin);
    const QRect view(b.left() - Plan::Margin, b.top() - Plan::Margin - HeaderHeight, width,
                     b.height() + 2 * Plan::Margin + HeaderHeight + legend);

    XmlOutput output(device);
    QXmlStreamWriter& xml = output.xml();
    SvgWriter svg(xml);
    beginDocument(output, svg, view);
    const QPoint origin = view.topLeft() + QPoint(Plan::Margin, 0);
    svg.text(origin + QPoint(0, 26), floorTitle(plan.model().floors().at(floor)), 18, Ink);
    svg.text(origin + QPoint(0, 42), siteLine(job), 11, QStringLiteral("#444444"));
    scaleBar(svg, planIsMetric(job), view.right() - Plan::Margin, origin.y() + 34,
             qMin(200.0, (width - 2 * Plan::Margin) / 3.0));
    plan.draw(svg, floor);
    plan.drawLegend(svg, floor, QPoint(origin.x(), b.bottom() + Plan::Margin),
                    width - 2 * Plan::Margin, useLabels(job));
    svg.endSvg();
    return finish(output, error);
}

bool writeTraceSvg(Ductbook& job, const FloorPlan& plan, int cableIndex, bool metric,
                   QIODevice& device, QString* error)
{
    const JobModel& model = plan.model();
    const CableLine& cable = plan.cable(cableIndex);
    const QList<RouteLeg> legs = model.route(cable);

    // The floors share one horizontal origin, so that risers stacked in the
    // building stand above one another in the picture.
    int height = HeaderHeight;
    QList<QRect> bounds;
    QRect across;
    for (const RouteLeg& leg : legs) {
        bounds.append(plan.bounds(leg.floor));
        across = across.isNull() ? bounds.last() : across.united(bounds.last());
        height += PanelTitle + bounds.last().height() + 2 * Plan::Margin;
    }
    const int width = qMax(MinimumWidth, across.width() + 2 * Plan::Margin);
    if (legs.isEmpty())
        height += PanelTitle;

    XmlOutput output(device);
    QXmlStreamWriter& xml = output.xml();
    SvgWriter svg(xml);
    beginDocument(output, svg, QRect(0, 0, width, height + Plan::Margin + ScaleBarHeight));
    // The floors share one scale: one bar under the last.
    scaleBar(svg, planIsMetric(job), width - Plan::Margin, height + Plan::Margin,
             qMin(200.0, (width - 2 * Plan::Margin) / 3.0));

    const QString unit = lengthUnit(metric);
    const QString estimated = estimatedLength(job, cable.tag, metric);
    const QString measured =
        measuredLength(job, cable.tag, job.getCableTestSummary(cable.tag), metric);
    svg.text(QPointF(Plan::Margin, 26),
             QStringLiteral("%1: %2 \u2192 %3").arg(cable.id, cable.from, cable.to), 18, Ink);
    svg.text(QPointF(Plan::Margin, 42),
             QStringLiteral("%1 \u00b7 estimated %2 \u00b7 measured %3")
                 .arg(cable.type.isEmpty() ? QStringLiteral("no type") : cable.type,
                      estimated.isEmpty() ? QStringLiteral("\u2014")
                                          : estimated + QLatin1Char(' ') + unit,
                      measured.isEmpty() ? QStringLiteral("\u2014")
                                         : measured + QLatin1Char(' ') + unit),
             11, QStringLiteral("#444444"));
    if (legs.isEmpty())
        svg.text(QPointF(Plan::Margin, HeaderHeight + 18),
                 QStringLiteral("Neither end of this cable is a port of the job."), 12, Ink);

    const PlaceItem* from = model.port(cable.from);
    const PlaceItem* to = model.port(cable.to);
    int y = HeaderHeight;
    QList<QPoint> runs; // where the route meets a vertical run, in picture units
    for (int i = 0; i < legs.size(); ++i) {
        const RouteLeg& leg = legs.at(i);
        const FloorItem& floor = model.floors().at(leg.floor);
        const QRect& b = bounds.at(i);
        svg.text(QPointF(Plan::Margin, y + 18), floorTitle(floor), 14, Ink);
        const QPoint offset(Plan::Margin - across.left(), y + PanelTitle + Plan::Margin - b.top());
        svg.beginGroup({{QStringLiteral("transform"),
                         QStringLiteral("translate(%1 %2)").arg(offset.x()).arg(offset.y())},
                        {QStringLiteral("data-floor"), floor.tag}});
        plan.draw(svg, leg.floor, cable.tag);
        if (from && from->floor == floor.tag)
            endMarker(svg, from->pos, cable.color, QStringLiteral("from ") + from->id);
        if (to && to->floor == floor.tag)
            endMarker(svg, to->pos, cable.color, QStringLiteral("to ") + to->id);
        svg.endGroup();
        runs.append(leg.run >= 0 ? floor.runs.at(leg.run).pos + offset : QPoint());
        y += PanelTitle + b.height() + 2 * Plan::Margin;
    }
    // The riser between two floors, from run to run.
    for (int i = 0; i + 1 < runs.size(); ++i) {
        if (!runs.at(i).isNull() && !runs.at(i + 1).isNull())
            svg.line(runs.at(i), runs.at(i + 1), cable.color, 3,
                     {{QStringLiteral("stroke-dasharray"), QStringLiteral("8 6")},
                      {QStringLiteral("class"), QStringLiteral("riser")}});
    }
    svg.endSvg();
    return finish(output, error);
}

// The cable with this id, else with this tag; -1 when there is none.
int findCable(Ductbook& job, const QList<CableLine>& cables, const QString& name)
{
    QString tag = job.getCableElement(name);
    if (tag.isEmpty() && job.cableExists(name, true))
        tag = name;
    for (int i = 0; i < cables.size(); ++i) {
        if (cables.at(i).tag == tag)
            return i;
    }
    return -1;
}

} // namespace Plan
