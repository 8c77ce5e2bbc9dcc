// Cable and port labels: what each label says, the label sheets they are
// printed on, and the sheets as a PDF or the labels as CSV for label-printer
// software.
#ifndef LABELS_P_H
#define LABELS_P_H

#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

class Ductbook;
class QIODevice;

namespace Plan {

class JobModel;

// One label. A cable end names the cable, the port at this end with its
// room and floor, and the port at the far end; a port label names the port
// with its room and floor.
struct Label
{
    enum Kind { CableEnd, Port };
    Kind kind = CableEnd;
    QString cable;
    QString port;
    QString room;
    QString floor;
    QString farPort;
    QString farRoom;
    QString farFloor;
    QString use;

    // The text lines printed on the label, the first one large.
    QStringList lines() const;
};

// A sheet of labels as the stock is sold: the paper, the grid of labels on
// it, and, for wrap-around cable labels, the part of each label that is
// printed on (the rest is the clear tail that wraps over it). Sizes in
// millimetres.
struct LabelSheet
{
    const char* name;
    Label::Kind holds; // the kind of label the stock is made for
    bool inches;       // whether the stock is sold in inch sizes
    QSizeF paper;
    int columns;
    int rows;
    QSizeF label;
    double printHeight; // from the label's top edge
    double left;        // the first label's left edge from the paper's
    double top;
    double pitchX; // from one label's left edge to the next one's
    double pitchY;

    int perSheet() const { return columns * rows; }
    // The label at index on its sheet (index modulo perSheet), and the
    // part of it that is printed on.
    QRectF cell(int index) const;
    QRectF printArea(int index) const;
    // "A4, 6 × 6 wrap-around cable labels 30 × 40 mm, printed 30 × 14 mm".
    QString description() const;
};

// Every layout, in the order help and errors list them.
const QList<LabelSheet>& labelSheets();
// The layout of that name (case-insensitive); null when there is none.
const LabelSheet* labelSheet(const QString& name);
// The layouts as "name  description" lines.
QStringList labelSheetList();
// The layout for a kind of label on the job's paper (A4 or Letter).
const LabelSheet& defaultLabelSheet(Label::Kind kind, bool a4);

// The labels of the job: each cable's two ends in cable order (the "from"
// end first); every port in floor and room order. With floor >= 0 only what
// lies on that floor: the cable ends at its ports, its ports.
QList<Label> cableEndLabels(Ductbook& job, const JobModel& model, int floor);
QList<Label> portLabels(const JobModel& model, int floor);

// Labels on the sheets of a layout, one PDF page per sheet; each run starts
// on a fresh page. With outlines each label's edge and printed area are
// drawn thinly, for a trial print on plain paper held against the stock.
// False, with the reason, when the device fails.
struct LabelRun
{
    const LabelSheet* sheet;
    QList<Label> labels;
};
bool writeLabelsPdf(const QList<LabelRun>& runs, const QString& title, bool outlines,
                    QIODevice& device, QString* error);

// One row per label with a header row, for label-printer software.
bool writeLabelsCsv(const QList<Label>& labels, QIODevice& device, QString* error);

} // namespace Plan

#endif // LABELS_P_H
