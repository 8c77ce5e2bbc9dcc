// The certification report as a PDF drawn with Qt's own PDF writer: a
// cover, a summary, each floor's drawing, the cable schedule, a block per
// tested cable that never splits across pages, the active network tests and
// a sign-off box, every page with a header and "Page N of M".
#ifndef PDFREPORT_P_H
#define PDFREPORT_P_H

#include <QRectF>
#include <QString>

class Ductbook;
class QIODevice;

namespace Plan {

struct ReportFilter;

// jobPath names the job on the cover; a4 chooses A4 paper over Letter;
// filter chooses the cables. False, with the reason, when the device fails.
bool writePdfReport(Ductbook& job, const QString& jobPath, bool metric, bool a4,
                    const ReportFilter& filter, QIODevice& device, QString* error);

// Where a tested cable's block puts its parts, in millimetres from the
// block's top left corner (the top of its heading bar), so that a reader of
// the PDF can find them: the frame of plot 0 to 2 (echo, NEXT, channel).
QRectF pdfReportPlotFrame(int plot, bool a4);
// The block's height, heading bar included.
double pdfReportBlockHeight();

} // namespace Plan

#endif // PDFREPORT_P_H
