// Cable and port labels on sheets of label stock, drawn with Qt's PDF
// writer, or as CSV rows for label-printer software.
#include "labels_p.h"

#include "csv_p.h"
#include "jobmodel_p.h"
#include "pdfpages_p.h"

#include <ductbook.h>

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QIODevice>
#include <QPainter>
#include <QPdfWriter>

namespace Plan {

namespace {

const double Inch = 25.4;

// The layouts, their sizes in millimetres. The wrap-around stock prints on
// the label's top part; the rest is the clear tail that wraps over the text.
// Port stock is printed all over.
const QList<LabelSheet> Sheets = {
    {"wrap-a4", Label::CableEnd, false, {210, 297}, 6, 6, {30, 40}, 14, 7.5, 16, 33, 45},
    {"wrap-letter",
     Label::CableEnd,
     true,
     {8.5 * Inch, 11 * Inch},
     7,
     6,
     {1 * Inch, 1.5 * Inch},
     0.5 * Inch,
     0.375 * Inch,
     0.6875 * Inch,
     1.125 * Inch,
     1.625 * Inch},
    {"ports-a4", Label::Port, false, {210, 297}, 5, 13, {38.1, 21.2}, 21.2, 4.75, 10.7, 40.6, 21.2},
    {"ports-letter",
     Label::Port,
     true,
     {8.5 * Inch, 11 * Inch},
     4,
     20,
     {1.75 * Inch, 0.5 * Inch},
     0.5 * Inch,
     0.3 * Inch,
     0.5 * Inch,
     2.05 * Inch,
     0.5 * Inch},
};

QString size(double mm, bool inches)
{
    return inches ? QString::number(mm / Inch, 'g', 4) : QString::number(mm, 'g', 4);
}

QString sizePair(double w, double h, bool inches)
{
    return QStringLiteral("%1 \u00d7 %2 %3")
        .arg(size(w, inches), size(h, inches),
             inches ? QStringLiteral("in") : QStringLiteral("mm"));
}

QString floorId(const JobModel& model, const PlaceItem* port)
{
    const int f = port ? model.floorIndexOfTag(port->floor) : -1;
    return f >= 0 ? model.floors().at(f).id : QString();
}

// Millimetres on the page to the PDF writer's device units.
class PageUnits
{
public:
    explicit PageUnits(int dpi) : m_scale(dpi / Inch) {}
    double operator()(double mm) const { return mm * m_scale; }
    QRectF operator()(const QRectF& r) const
    {
        return {r.x() * m_scale, r.y() * m_scale, r.width() * m_scale, r.height() * m_scale};
    }

private:
    double m_scale;
};

// The fonts of one layout: the first line of a label large and bold, the
// others smaller, as large as the printed area's height lets them be.
struct LabelFonts
{
    QFont first;
    QFont other;
    double firstHeight = 0;
    double otherHeight = 0;
    double firstAscent = 0;
    double otherAscent = 0;
};

const double Padding = 0.8; // mm inside the printed area
const double SmallestText = 4.5;

LabelFonts fontsFor(const QRectF& area, int lineCount, QPaintDevice* device)
{
    LabelFonts f;
    for (double points = 12; points >= SmallestText; points -= 0.25) {
        f.first = pdfFont(points, true);
        f.other = pdfFont(points * 0.75, false);
        const QFontMetricsF big(f.first, device);
        const QFontMetricsF small(f.other, device);
        f.firstHeight = big.height();
        f.otherHeight = small.height();
        f.firstAscent = big.ascent();
        f.otherAscent = small.ascent();
        if (f.firstHeight + (lineCount - 1) * f.otherHeight <= area.height())
            break;
    }
    return f;
}

// Draws text with its baseline at y in width, left-aligned or centred,
// shrinking the font until it fits and eliding what still does not at the
// smallest size.
void fittedText(QPainter& p, QFont font, double x, double y, double width, const QString& text,
                bool centred)
{
    QFontMetricsF metrics(font, p.device());
    const double advance = metrics.horizontalAdvance(text);
    QString shown = text;
    if (advance > width) {
        const double points =
            qMax(SmallestText, std::floor(font.pointSizeF() * width / advance * 10) / 10);
        font.setPointSizeF(points);
        metrics = QFontMetricsF(font, p.device());
        if (metrics.horizontalAdvance(text) > width)
            shown = metrics.elidedText(text, Qt::ElideRight, width);
    }
    if (centred)
        x += qMax(0.0, (width - metrics.horizontalAdvance(shown)) / 2);
    p.setFont(font);
    p.drawText(QPointF(x, y), shown);
}

void drawLabel(QPainter& p, const PageUnits& units, const QRectF& areaMm, const Label& label,
               const LabelFonts& fonts)
{
    const QRectF area = units(areaMm.adjusted(Padding, Padding, -Padding, -Padding));
    const QStringList lines = label.lines();
    // Port labels go on faceplates, centred; cable labels read from the
    // edge where the wrap starts.
    const double height = fonts.firstHeight + (lines.size() - 1) * fonts.otherHeight;
    double top = area.top() + qMax(0.0, (area.height() - height) / 2);
    for (int i = 0; i < lines.size(); ++i) {
        const bool first = i == 0;
        fittedText(p, first ? fonts.first : fonts.other, area.left(),
                   top + (first ? fonts.firstAscent : fonts.otherAscent), area.width(), lines.at(i),
                   label.kind == Label::Port);
        top += first ? fonts.firstHeight : fonts.otherHeight;
    }
}

} // namespace

QStringList Label::lines() const
{
    const QString place = room.isEmpty() ? port : port + QStringLiteral(" \u00b7 ") + room;
    if (kind == Port)
        return {port, floor.isEmpty() ? room : room + QStringLiteral(" \u00b7 ") + floor};
    return {cable, place, words("to %1").arg(farPort)};
}

QRectF LabelSheet::cell(int index) const
{
    const int i = index % perSheet();
    return {left + (i % columns) * pitchX, top + (i / columns) * pitchY, label.width(),
            label.height()};
}

QRectF LabelSheet::printArea(int index) const
{
    QRectF r = cell(index);
    r.setHeight(qMin(printHeight, label.height()));
    return r;
}

QString LabelSheet::description() const
{
    const QString paperName = inches ? words("Letter") : words("A4");
    const QString grid = QStringLiteral("%1 \u00d7 %2").arg(columns).arg(rows);
    const QString labelSize = sizePair(label.width(), label.height(), inches);
    if (holds == Label::Port)
        return words("%1 sheet, %2 port labels of %3").arg(paperName, grid, labelSize);
    return words("%1 sheet, %2 wrap-around cable labels of %3, printed %4")
        .arg(paperName, grid, labelSize, sizePair(label.width(), printHeight, inches));
}

const QList<LabelSheet>& labelSheets()
{
    return Sheets;
}

const LabelSheet* labelSheet(const QString& name)
{
    for (const LabelSheet& s : Sheets) {
        if (name.compare(QLatin1String(s.name), Qt::CaseInsensitive) == 0)
            return &s;
    }
    return nullptr;
}

QStringList labelSheetList()
{
    QStringList lines;
    for (const LabelSheet& s : Sheets)
        lines.append(QStringLiteral("%1  %2").arg(QLatin1String(s.name), -12).arg(s.description()));
    return lines;
}

const LabelSheet& defaultLabelSheet(Label::Kind kind, bool a4)
{
    for (const LabelSheet& s : Sheets) {
        if (s.holds == kind && s.inches != a4)
            return s;
    }
    return Sheets.first();
}

QList<Label> cableEndLabels(Ductbook& job, const JobModel& model, int floor)
{
    QList<Label> labels;
    const QStringList tags = job.getCables(true);
    labels.reserve(tags.size() * 2);
    for (const QString& tag : tags) {
        const QString ends[2] = {job.getCableFrom(tag), job.getCableTo(tag)};
        const PlaceItem* ports[2] = {model.port(ends[0]), model.port(ends[1])};
        const QString id = job.getCableID(tag);
        const QString use = job.getCableUse(tag);
        for (int e = 0; e < 2; ++e) {
            const PlaceItem* here = ports[e];
            const PlaceItem* far = ports[1 - e];
            if (floor >= 0 && (!here || model.floorIndexOfTag(here->floor) != floor))
                continue;
            Label l;
            l.kind = Label::CableEnd;
            l.cable = id;
            l.port = ends[e];
            l.room = here ? here->roomId : QString();
            l.floor = floorId(model, here);
            l.farPort = ends[1 - e];
            l.farRoom = far ? far->roomId : QString();
            l.farFloor = floorId(model, far);
            l.use = use;
            labels.append(l);
        }
    }
    return labels;
}

QList<Label> portLabels(const JobModel& model, int floor)
{
    QList<Label> labels;
    for (int f = 0; f < model.floors().size(); ++f) {
        if (floor >= 0 && f != floor)
            continue;
        const FloorItem& item = model.floors().at(f);
        for (const PlaceItem& port : item.ports) {
            Label l;
            l.kind = Label::Port;
            l.port = port.id;
            l.room = port.roomId;
            l.floor = item.id;
            l.use = port.use;
            labels.append(l);
        }
    }
    return labels;
}

bool writeLabelsPdf(const QList<LabelRun>& runs, const QString& title, bool outlines,
                    QIODevice& device, QString* error)
{
    QPdfWriter writer(&device);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("jobtool"));
    const PageUnits units(writer.resolution());
    QPainter painter;
    bool firstPage = true;
    for (const LabelRun& run : runs) {
        if (run.labels.isEmpty())
            continue;
        const LabelSheet& sheet = *run.sheet;
        writer.setPageSize(QPageSize(sheet.paper, QPageSize::Millimeter, QString(),
                                     QPageSize::FuzzyOrientationMatch));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        if (firstPage) {
            if (!painter.begin(&writer)) {
                *error = words("cannot write the labels: %1").arg(device.errorString());
                return false;
            }
            firstPage = false;
        } else {
            writer.newPage();
        }
        const int lineCount = run.labels.first().lines().size();
        const LabelFonts fonts =
            fontsFor(units(sheet.printArea(0).adjusted(Padding, Padding, -Padding, -Padding)),
                     lineCount, &writer);
        painter.setPen(Qt::black);
        for (int i = 0; i < run.labels.size(); ++i) {
            if (i > 0 && i % sheet.perSheet() == 0)
                writer.newPage();
            if (outlines) {
                painter.save();
                painter.setPen(QPen(QColor(0xbb, 0xbb, 0xbb), units(0.1)));
                painter.drawRect(units(sheet.cell(i)));
                if (sheet.printHeight < sheet.label.height())
                    painter.drawRect(units(sheet.printArea(i)));
                painter.restore();
            }
            drawLabel(painter, units, sheet.printArea(i), run.labels.at(i), fonts);
        }
    }
    if (firstPage) {
        *error = words("there are no labels to print");
        return false;
    }
    if (!painter.end()) {
        *error = words("cannot write the labels: %1").arg(device.errorString());
        return false;
    }
    return true;
}

bool writeLabelsCsv(const QList<Label>& labels, QIODevice& device, QString* error)
{
    QString text = Csv::record({words("Kind"), words("Cable"), words("Port"), words("Room"), words("Floor"),
                                words("Far port"), words("Far room"), words("Far floor"), words("Use"),
                                words("Line 1"), words("Line 2"), words("Line 3")});
    const QString cableEnd = words("cable end");
    const QString port = words("port");
    for (const Label& l : labels) {
        const QStringList lines = l.lines();
        text += Csv::record({l.kind == Label::Port ? port : cableEnd, l.cable, l.port, l.room,
                             l.floor, l.farPort, l.farRoom, l.farFloor, l.use, lines.value(0),
                             lines.value(1), lines.value(2)});
    }
    const QByteArray bytes = text.toUtf8();
    if (device.write(bytes) == bytes.size())
        return true;
    *error = words("cannot write the labels: %1").arg(device.errorString());
    return false;
}

} // namespace Plan
