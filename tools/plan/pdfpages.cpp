#include "pdfpages_p.h"

#include <ductbook.h>
#include <printsettings.h>

namespace Plan {

QFont pdfFont(double points, bool bold)
{
    // DejaVu Sans covers the accents and signs of the job's names; where it
    // is missing, the sans-serif hint picks the nearest family.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    // No ligatures: with them a PDF reader finds "Sta\uFB00" where "Staff"
    // is printed, and searching and copying fail.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

bool jobPaperIsA4(Ductbook& job)
{
    const PrintSettings settings = job.getPrintSettings(QStringLiteral("DetailedCable_Settings"));
    return settings.paperSize().startsWith(QLatin1String("A4"));
}

} // namespace Plan
