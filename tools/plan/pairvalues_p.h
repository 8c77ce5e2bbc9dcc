// A cable's measured values pair by pair, as the test report and the
// planner's cable details show them.
#ifndef PAIRVALUES_P_H
#define PAIRVALUES_P_H

#include <QList>
#include <QString>

class Ductbook;
class TestResults;

namespace Plan {

struct PairValues
{
    QString pins;      // "1-2", "3-6", "4-5", "7-8"
    QString length;    // in the job's unit, rounded as the job rounds it
    QString rawLength; // the tester's own number
    QString value;
    QString statusCode; // "0x.." ; empty when the tester left it unset
};

// The four pairs of a cable's result; a field is empty where the tester
// measured nothing.
QList<PairValues> pairValues(Ductbook& job, const QString& tag, const TestResults& results,
                             bool metric);

} // namespace Plan

#endif // PAIRVALUES_P_H
