// What the PDF outputs (labels, the test report) share: the font they name,
// so that every reader shows the same letters, and the paper a job asks for.
#ifndef PDFPAGES_P_H
#define PDFPAGES_P_H

#include <QFont>
#include <QString>

class Ductbook;

namespace Plan {

// The sans-serif family the PDFs embed, at a size in points.
QFont pdfFont(double points, bool bold = false);

// Whether the job's printed reports are on A4 (else on Letter): the paper
// of its detailed cable report settings.
bool jobPaperIsA4(Ductbook& job);

// The wording of the printed documents. Like the HTML report they are in
// English for now; jobtool's messages to the user go through the translator.
inline QString words(const char* text)
{
    return QString::fromUtf8(text);
}

} // namespace Plan

#endif // PDFPAGES_P_H
