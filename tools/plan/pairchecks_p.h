// A verdict per pair of a tested cable, from what the job holds: whether
// its test definition uses the pair, the far-end pair the tester found it
// wired to against the one the definition expects, and its measured length
// against the definition's maximum. The tester's own per-pair status bytes
// are not documented and are not read.
#ifndef PAIRCHECKS_P_H
#define PAIRCHECKS_P_H

#include <QList>
#include <QString>

class TestDef;
class TestResults;

namespace Plan {

struct PairCheck
{
    enum Result { Pass, Fail, NotInUse, NotMeasured };
    QString pins;    // "1-2", "3-6", "4-5", "7-8"
    QString length;  // in the job's unit, rounded as the job rounds it; empty: not measured
    QString wiredTo; // the pins of the far-end pair; empty when the tester gave none
    Result result = NotMeasured;
    QString reason; // why a pair failed
};

// The pins of pair 0 to 3.
QString pairPins(int pair);
QString pairResultText(PairCheck::Result result);

// Each pair of a cable's last test judged against its test definition.
QList<PairCheck> pairChecks(const TestResults& results, const TestDef& def, bool metric);

// The test definition in words: "4 pairs, 1 Gbit/s, skew ≤ 45 ns,
// SNR ≥ 25 dB, length ≤ 330.0 ft".
QString testDefSummary(const TestDef& def, bool metric);

} // namespace Plan

#endif // PAIRCHECKS_P_H
