#include "pairvalues_p.h"

#include "cablelengths_p.h"

#include <testresults.h>

namespace Plan {

namespace {

const char* const PairPins[4] = {"1-2", "3-6", "4-5", "7-8"};
// A 16-bit value the tester left unmeasured reads back as this.
const qint32 Unmeasured = 65535;

QString pairNumber(qint32 value)
{
    return value == Unmeasured || value < 0 ? QString() : QString::number(value);
}

} // namespace

QList<PairValues> pairValues(Ductbook& job, const QString& tag, const TestResults& results,
                             bool metric)
{
    const cable_struct& block = results.results();
    QList<PairValues> pairs;
    for (int p = 0; p < 4; ++p) {
        pairs.append(
            {QLatin1String(PairPins[p]), pairLength(job, tag, results, p, metric),
             pairNumber(block.pairLength[p]), pairNumber(block.pairValues[p]),
             block.pairStatus[p] == 0xFF
                 ? QString()
                 : QStringLiteral("0x%1").arg(block.pairStatus[p], 2, 16, QLatin1Char('0'))});
    }
    return pairs;
}

} // namespace Plan
