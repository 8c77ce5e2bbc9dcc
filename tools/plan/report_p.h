// The test report: one self-contained XHTML page with the site and
// contractor, a summary per status and type, every tested cable's pair
// values and response plots, and the untested cables.
#ifndef REPORT_P_H
#define REPORT_P_H

#include <QString>

class Ductbook;
class QIODevice;

namespace Plan {

// How a cable's test status reads: the job keeps "UNTESTED" (or nothing)
// until a result is stored, then the tester's own word.
enum class Verdict { Fail, Pass, Untested };
Verdict verdictOf(const QString& status);
inline QString untestedStatus()
{
    return QStringLiteral("UNTESTED");
}

// jobPath names the job in the page's heading. False, with the reason,
// when the device fails.
bool writeReport(Ductbook& job, const QString& jobPath, bool metric, QIODevice& device,
                 QString* error);

} // namespace Plan

#endif // REPORT_P_H
