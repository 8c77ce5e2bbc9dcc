// What the PDF outputs (labels, the test report) share: the font they name,
// so that every reader shows the same letters, and the paper a job asks for.
#ifndef PDFPAGES_P_H
#define PDFPAGES_P_H

#include <QFont>

class Ductbook;

namespace Plan {

// The sans-serif family the PDFs embed, at a size in points.
QFont pdfFont(double points, bool bold = false);

// Whether the job's printed reports are on A4 (else on Letter): the paper
// of its detailed cable report settings.
bool jobPaperIsA4(Ductbook& job);

} // namespace Plan

#endif // PDFPAGES_P_H
