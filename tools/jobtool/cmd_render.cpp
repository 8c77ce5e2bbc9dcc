// jobtool render: a floor plan, or the route of one cable floor by floor,
// as an SVG picture, a PDF page or a PNG image.
#include "cmdargs_p.h"
#include "drawings_p.h"
#include "floorplan_p.h"
#include "jobtool_p.h"
#include "pdfpages_p.h"

#include <ductbook.h>

#include <QBuffer>
#include <QDomDocument>
#include <QFontMetricsF>
#include <QFileInfo>
#include <QIODevice>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSvgRenderer>

#include <functional>

namespace JobTool {

const char* const renderHelp = QT_TRANSLATE_NOOP(
    "jobtool",
    "  render JOB --floor FLOOR [--format svg|pdf|png] [-o FILE] [--force]\n"
    "                          Draw one floor (FLOOR is its name or tag): rooms, ports\n"
    "                          and vertical runs coloured by use with their ids, path\n"
    "                          points, every cable route in the cable's colour with its\n"
    "                          id, a scale bar and a legend.\n"
    "  render JOB --trace CABLE [--metric] [--format svg|pdf|png] [-o FILE] [--force]\n"
    "                          Draw the route of one cable (its id or tag) floor by floor\n"
    "                          through the vertical runs, with its ends and length.\n"
    "                          The format is SVG unless --format or the extension of\n"
    "                          -o says otherwise; a PDF is one page on the job's paper.\n"
    "                          Without -o an SVG goes to standard output.\n");

namespace {

QString formatOf(const Arguments& a)
{
    return a.format({QStringLiteral("pdf"), QStringLiteral("png")}, QStringLiteral("svg"));
}

// PNG images have two pixels per drawing unit, so ids stay legible zoomed in.
const int PngScale = 2;

// A text of the drawing, drawn by hand: the SVG renderer would draw letters
// as outlines, which a PDF reader can neither search nor copy.
struct Text
{
    QTransform transform; // of its groups and its own turn
    QPointF at;
    QString text;
    int size;
    QColor color;
    QString anchor;
};

// "translate(x y)" and "rotate(a x y)", the transforms the drawings write.
QTransform transformOf(const QString& value)
{
    QTransform t;
    static const QRegularExpression part(
        QStringLiteral("(translate|rotate)\\(([-0-9.e ]+)\\)"));
    for (auto it = part.globalMatch(value); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QStringList n = m.captured(2).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (m.captured(1) == QLatin1String("translate") && n.size() == 2) {
            t = QTransform::fromTranslate(n.at(0).toDouble(), n.at(1).toDouble()) * t;
        } else if (n.size() == 3) {
            QTransform r;
            r.translate(n.at(1).toDouble(), n.at(2).toDouble());
            r.rotate(n.at(0).toDouble());
            r.translate(-n.at(1).toDouble(), -n.at(2).toDouble());
            t = r * t;
        }
    }
    return t;
}

// Takes the texts out of the drawing below e, with the transforms they are
// drawn under.
void takeTexts(QDomElement e, const QTransform& outer, QList<Text>* texts)
{
    for (QDomElement c = e.firstChildElement(); !c.isNull();) {
        const QDomElement next = c.nextSiblingElement();
        const QTransform t = transformOf(c.attribute(QStringLiteral("transform"))) * outer;
        if (c.tagName() == QLatin1String("text")) {
            texts->append({t,
                           QPointF(c.attribute(QStringLiteral("x")).toDouble(),
                                   c.attribute(QStringLiteral("y")).toDouble()),
                           c.text(), qRound(c.attribute(QStringLiteral("font-size")).toDouble()),
                           QColor(c.attribute(QStringLiteral("fill"))),
                           c.attribute(QStringLiteral("text-anchor"))});
            e.removeChild(c);
        } else {
            takeTexts(c, t, texts);
        }
        c = next;
    }
}

// Draws the drawing into target, letters as text in the PDF font.
bool paint(const QByteArray& svg, QPainter& painter, const QRectF& target, QString* error)
{
    QDomDocument doc;
    QList<Text> texts;
    if (doc.setContent(svg))
        takeTexts(doc.documentElement(), QTransform(), &texts);
    QSvgRenderer renderer(doc.toByteArray(-1));
    if (!renderer.isValid()) {
        *error = QCoreApplication::translate("jobtool", "the drawing could not be read back");
        return false;
    }
    const QRectF view = renderer.viewBoxF();
    const QSizeF size = view.size().scaled(target.size(), Qt::KeepAspectRatio);
    const QRectF placed(target.topLeft(), size);
    renderer.render(&painter, placed);
    QTransform base;
    base.translate(placed.left(), placed.top());
    base.scale(size.width() / view.width(), size.height() / view.height());
    base.translate(-view.left(), -view.top());
    for (const Text& t : texts) {
        QFont font = Plan::pdfFont(10);
        font.setPixelSize(qMax(1, t.size));
        painter.setTransform(t.transform * base);
        painter.setFont(font);
        painter.setPen(t.color);
        const double w = QFontMetricsF(font, painter.device()).horizontalAdvance(t.text);
        const double shift = t.anchor == QLatin1String("middle") ? w / 2
                             : t.anchor == QLatin1String("end")  ? w
                                                                 : 0;
        painter.drawText(t.at - QPointF(shift, 0), t.text);
    }
    painter.resetTransform();
    return true;
}

// The SVG drawing as a PDF page (on the job's paper, turned to suit the
// drawing) or as a PNG image.
bool convert(const QByteArray& svg, const QString& format, bool a4, QIODevice& device,
             QString* error)
{
    const QRectF view = QSvgRenderer(svg).viewBoxF();
    if (view.isEmpty()) {
        *error = QCoreApplication::translate("jobtool", "the drawing could not be read back");
        return false;
    }
    if (format == QLatin1String("png")) {
        QImage image((view.size() * PngScale).toSize(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        if (!paint(svg, painter, QRectF(QPointF(0, 0), image.size()), error))
            return false;
        painter.end();
        if (!image.save(&device, "PNG")) {
            *error = device.errorString();
            return false;
        }
        return true;
    }
    QPdfWriter pdf(&device);
    pdf.setCreator(QStringLiteral("Gridwell jobtool"));
    pdf.setPageSize(QPageSize(a4 ? QPageSize::A4 : QPageSize::Letter));
    pdf.setPageOrientation(view.width() > view.height() ? QPageLayout::Landscape
                                                        : QPageLayout::Portrait);
    pdf.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    // One device unit a point, so that lines drawn at a fixed width keep it.
    pdf.setResolution(72);
    QPainter painter;
    if (!painter.begin(&pdf)) {
        *error = device.errorString();
        return false;
    }
    const bool painted = paint(svg, painter, QRectF(0, 0, pdf.width(), pdf.height()), error);
    painter.end();
    return painted;
}

} // namespace

int renderCommand(const QStringList& args)
{
    JobCommand c;
    const int status = prepareJobCommand(
        QStringLiteral("render"),
        QStringLiteral("render JOB (--floor FLOOR | --trace CABLE) [--format svg|pdf|png] [-o FILE]"),
        args, {QStringLiteral("--metric")},
        {QStringLiteral("--floor"), QStringLiteral("--trace"), QStringLiteral("--format")},
        [](const Arguments& a) {
            if (a.values.contains(QStringLiteral("--floor")) ==
                a.values.contains(QStringLiteral("--trace")))
                return QCoreApplication::translate(
                    "jobtool", "render: give either --floor FLOOR or --trace CABLE");
            const QString format = formatOf(a);
            if (format != QLatin1String("svg") && format != QLatin1String("pdf") &&
                format != QLatin1String("png"))
                return QCoreApplication::translate(
                           "jobtool", "render: unknown format '%1' (svg, pdf or png)")
                    .arg(format);
            // Pages and images on a terminal are of no use to anyone.
            if (format != QLatin1String("svg") && a.value(QStringLiteral("-o")).isEmpty())
                return QCoreApplication::translate(
                           "jobtool", "render: name the %1 file with -o FILE")
                    .arg(format.toUpper());
            return QString();
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
    const QString format = formatOf(a);
    const bool a4 = Plan::jobPaperIsA4(job);
    // SVG straight to the output; other formats drawn from it.
    auto write = [&](const std::function<bool(QIODevice&, QString*)>& drawing) {
        if (format == QLatin1String("svg"))
            return output.write(drawing);
        return output.write([&](QIODevice& device, QString* error) {
            QBuffer svg;
            svg.open(QIODevice::WriteOnly);
            return drawing(svg, error) && convert(svg.data(), format, a4, device, error);
        });
    };

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
        return write([&](QIODevice& device, QString* error) {
            return Plan::writeFloorSvg(job, plan, floor, device, error);
        });
    }
    const QString name = a.value(QStringLiteral("--trace"));
    const int cable = Plan::findCable(job, cables, name);
    if (cable < 0)
        return usageError(QCoreApplication::translate("jobtool", "render: no cable '%1' in %2")
                              .arg(name, jobPath));
    const bool metric = a.has(QStringLiteral("--metric"));
    return write([&](QIODevice& device, QString* error) {
        return Plan::writeTraceSvg(job, plan, cable, metric, device, error);
    });
}

} // namespace JobTool
