#include "pairchecks_p.h"

#include "cablelengths_p.h"
#include "pdfpages_p.h"

#include <ductbook.h>
#include <runekit.h>
#include <testdef.h>
#include <testresults.h>

#include <QCoreApplication>

namespace Plan {

namespace {

// The far-end pair the tester found, or -1 when it left the byte unset.
int measuredPairTo(const cable_struct& block, int pair)
{
    const qint8 to = qint8(block.wiremap[1 + pair]);
    return to >= 0 && to <= 3 ? to : -1;
}

QString lengthText(double feet, bool metric)
{
    return QStringLiteral("%1 %2").arg(
        QString::number(metric ? Runekit::convertFeetToMeters(feet, false) : feet, 'f', 1),
        lengthUnit(metric));
}

} // namespace

QString pairPins(int pair)
{
    static const char* const pins[4] = {"1-2", "3-6", "4-5", "7-8"};
    return pair >= 0 && pair < 4 ? QLatin1String(pins[pair]) : QString();
}

QString pairResultText(PairCheck::Result result)
{
    switch (result) {
    case PairCheck::Pass:
        return words("PASS");
    case PairCheck::Fail:
        return words("FAIL");
    case PairCheck::NotInUse:
        return words("not in use");
    case PairCheck::NotMeasured:
        break;
    }
    return words("not measured");
}

QList<PairCheck> pairChecks(const TestResults& results, const TestDef& def, bool metric)
{
    const cable_struct& block = results.results();
    QList<PairCheck> checks;
    for (int p = 0; p < 4; ++p) {
        PairCheck c;
        c.pins = pairPins(p);
        c.length = pairLength(results, def, p, metric);
        const int to = measuredPairTo(block, p);
        if (to >= 0)
            c.wiredTo = pairPins(to);
        if (!def.pair_in_use()[p]) {
            c.result = PairCheck::NotInUse;
        } else if (c.length.isEmpty() && to < 0) {
            c.result = PairCheck::NotMeasured;
        } else {
            QStringList faults;
            const int expected = def.getPairTo(p);
            if (to >= 0 && to != expected)
                faults.append(
                    words("wired to %1, expected %2").arg(pairPins(to), pairPins(expected)));
            const double maxFeet = def.max_length();
            if (!c.length.isEmpty() && maxFeet > 0) {
                const double feet = Ductbook::roundedPairLength(block, def, p, false);
                if (feet > maxFeet)
                    faults.append(words("longer than %1").arg(lengthText(maxFeet, metric)));
            }
            c.result = faults.isEmpty() ? PairCheck::Pass : PairCheck::Fail;
            c.reason = faults.join(QStringLiteral("; "));
        }
        checks.append(c);
    }
    return checks;
}

QString testDefSummary(const TestDef& def, bool metric)
{
    int pairs = 0;
    for (int p = 0; p < 4; ++p)
        pairs += def.pair_in_use()[p] ? 1 : 0;
    QStringList parts{pairs == 1 ? words("1 pair") : words("%1 pairs").arg(pairs)};
    if (def.data_rate() == 1000)
        parts.append(words("1 Gbit/s"));
    else if (def.data_rate() == 100)
        parts.append(words("100 Mbit/s"));
    if (def.skew() > 0)
        parts.append(words("skew ≤ %1 ns").arg(def.skew() / 10.0));
    if (def.SNR() > 0)
        parts.append(words("SNR ≥ %1 dB").arg(def.SNR() / 10.0));
    if (def.max_length() > 0)
        parts.append(words("length ≤ %1").arg(lengthText(def.max_length(), metric)));
    if (def.shield())
        parts.append(words("shielded"));
    return parts.join(QStringLiteral(", "));
}

} // namespace Plan
