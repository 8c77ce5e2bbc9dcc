#include "cablelengths_p.h"

#include <ductbook.h>
#include <runekit.h>

namespace Plan {

namespace {

QString oneDecimal(double value)
{
    return QString::number(value, 'f', 1);
}

bool pairMeasured(const TestResults& results, int pair)
{
    return pair >= 0 && pair <= 3 &&
           TestResults::isMeasuredLength(results.results().pairLength[pair]);
}

} // namespace

QString lengthUnit(bool metric)
{
    return metric ? QStringLiteral("m") : QStringLiteral("ft");
}

QString estimatedLength(Ductbook& job, const QString& tag, bool metric)
{
    if (!job.portExists(job.getCableFrom(tag), false) ||
        !job.portExists(job.getCableTo(tag), false))
        return QString();
    const double feet = job.getCableEstimatedLength(tag);
    return oneDecimal(metric ? Runekit::convertFeetToMeters(feet, false) : feet);
}

QString measuredLength(Ductbook& job, const QString& tag, const TestResults& results, bool metric)
{
    if (results.cableLength() < 0)
        return QString();
    return oneDecimal(job.getMaxRoundedCableLength(tag, metric, false));
}

QString pairLength(Ductbook& job, const QString& tag, const TestResults& results, int pair,
                   bool metric)
{
    if (!pairMeasured(results, pair))
        return QString();
    return oneDecimal(job.getRoundedCableLength(tag, pair, metric));
}

QString pairLength(const TestResults& results, const TestDef& def, int pair, bool metric)
{
    if (!pairMeasured(results, pair))
        return QString();
    return oneDecimal(Ductbook::roundedPairLength(results.results(), def, pair, metric));
}

} // namespace Plan
