// Placeholder until the job computes cable lengths: every length is unknown.
#include "cablelengths_p.h"

#include <ductbook.h>

namespace JobTool {

QString lengthUnit(bool metric)
{
    return metric ? QStringLiteral("m") : QStringLiteral("ft");
}

QString estimatedLength(Ductbook&, const QString&, bool)
{
    return QString();
}

QString measuredLength(Ductbook&, const QString&, const TestResults&, bool)
{
    return QString();
}

QString pairLength(Ductbook&, const QString&, const TestResults&, int, bool)
{
    return QString();
}

} // namespace JobTool
