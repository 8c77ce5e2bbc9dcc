// Cable lengths as jobtool prints them: computed and rounded by the job,
// converted to metres when asked, with one decimal.
#ifndef CABLELENGTHS_P_H
#define CABLELENGTHS_P_H

#include <QString>

class Ductbook;
class TestDef;
class TestResults;

namespace Plan {

QString lengthUnit(bool metric);
// The estimate from the drawing; empty when an end of the cable names no
// port (the job has nothing to measure then).
QString estimatedLength(Ductbook& job, const QString& tag, bool metric);
// The length of the cable's last test (the shortest measured pair),
// rounded as the job rounds it; empty when no pair was measured.
QString measuredLength(Ductbook& job, const QString& tag, const TestResults& results, bool metric);
// The measured length of one pair (0 to 3); empty when it was not measured.
QString pairLength(Ductbook& job, const QString& tag, const TestResults& results, int pair,
                   bool metric);
// The same from the cable's test definition, already read.
QString pairLength(const TestResults& results, const TestDef& def, int pair, bool metric);

} // namespace Plan

#endif // CABLELENGTHS_P_H
