// The certification report as one self-contained XHTML page: a cover with
// the counts per verdict, a summary per type and floor, each floor's
// drawing, the schedule, a block per tested cable (ends, test definition,
// tester, verdict per pair, plots), the active network tests and a sign-off.
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

struct ReportFilter;

// The whole job's report. jobPath names the job on the cover. False, with
// the reason, when the device fails.
bool writeReport(Ductbook& job, const QString& jobPath, bool metric, QIODevice& device,
                 QString* error);
// The report of the cables the filter chooses.
bool writeReport(Ductbook& job, const QString& jobPath, bool metric, const ReportFilter& filter,
                 QIODevice& device, QString* error);

} // namespace Plan

#endif // REPORT_P_H
