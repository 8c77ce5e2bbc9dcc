#include "upgrade/convertrules_p.h"

#include <cmath>

namespace ConvertRules {

QString coordinateText(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral("0");
    // Beyond what a 64-bit count holds the value is not a drawing position
    // any more; it is pinned rather than overflowed.
    const double limit = 9.0e18;
    const double rounded = std::round(std::fmax(-limit, std::fmin(limit, value)));
    return QString::number(qint64(rounded));
}

namespace {

// Old values are whole numbers; a hand-edited one with decimals is taken as
// it stands rather than dropped.
bool readNumber(const QString& text, double* value)
{
    bool ok = false;
    const qint64 whole = text.trimmed().toLongLong(&ok);
    if (ok) {
        *value = double(whole);
        return true;
    }
    const double decimal = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(decimal))
        return false;
    *value = decimal;
    return true;
}

template <typename Formula>
bool convert(const QString& old, QString* converted, Formula formula)
{
    double value = 0;
    if (!readNumber(old, &value))
        return false;
    *converted = coordinateText(formula(value));
    return true;
}

} // namespace

// Drawings before format 2.1 were at another scale and origin: a position
// becomes old x 360 / 12 / 10 + 100, and a room's geometry is kept in
// thousandths of that.
bool roomPosition(const QString& old, QString* converted)
{
    return convert(old, converted, [](double v) { return (v * 360 / 12 / 10 + 100) * 1000; });
}

bool roomSize(const QString& old, QString* converted)
{
    return convert(old, converted, [](double v) { return v * 360 / 12 * 1000 / 10; });
}

bool pointPosition(const QString& old, QString* converted)
{
    return convert(old, converted, [](double v) { return v * 360 / 12 / 10 + 100; });
}

bool sheetPosition(const QString& old, QString* converted)
{
    return convert(old, converted, [](double v) { return v + 100; });
}

} // namespace ConvertRules
