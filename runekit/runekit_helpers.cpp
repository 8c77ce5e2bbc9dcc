#include "runekit.h"

#include <QDialog>
#include <QGuiApplication>
#include <QLineF>
#include <QScreen>
#include <QSize>

#include <climits>
#include <cmath>

namespace {

// Drawing coordinates per length unit as the distance is reported.
const double kDrawingUnitsPerLength = 360.0;

// The rounding helpers work on whole hundredths. Beyond the range of int a
// float has no fractional digits left (its spacing there is well above one),
// so such a value is already a multiple of a tenth and of a half; the caller
// gets it back unchanged rather than an undefined conversion.
bool toHundredths(float value, int* hundredths)
{
    const double scaled = double(value) * 100.0;
    if (!std::isfinite(scaled) || std::fabs(scaled) >= double(INT_MAX))
        return false;
    *hundredths = static_cast<int>(scaled);
    return true;
}

struct IconScale
{
    int index;
    double factor;
};

constexpr IconScale kIconScales[] = {{0, 2.0}, {1, 1.0}, {2, 0.75}, {3, 0.5}, {4, 0.25}};

struct DialogScale
{
    double width;
    double height;
};

DialogScale dialogScaleFor(int w, int h)
{
    if ((w == 1152 || w == 1280) && (h == 720 || h == 768 || h == 800 || h == 864 || h == 960))
        return {0.9, 0.84375};
    if ((w == 1024 || w == 1088) && (h == 768 || h == 612))
        return {0.8, 0.75};
    if ((w == 800 || w == 960) && h == 600)
        return {0.625, 0.5859375};
    if (w == 640 && h == 480)
        return {0.5, 0.46875};
    return {1.0, 1.0};
}

} // namespace

Runekit::Runekit() = default;

Runekit::~Runekit() = default;

double Runekit::convertFeetToMeters(double feet, bool roundDownToHalf)
{
    const double meters = feet / FeetPerMeter;
    if (!roundDownToHalf)
        return meters;
    const double whole = std::trunc(meters);
    return meters - whole >= 0.5 ? whole + 0.5 : whole;
}

double Runekit::getDistance(QPointF* a, QPointF* b)
{
    // A point at the origin means "not placed yet"; so does a missing one.
    if (!a || !b || a->isNull() || b->isNull())
        return -1.0;
    return QLineF(*a, *b).length() / kDrawingUnitsPerLength;
}

float Runekit::roundToHalf(float value)
{
    int n = 0;
    if (!toHundredths(value, &n))
        return value;
    const int r = n % 100;
    // Deliberately 24, not 25: the lengths in existing jobs were rounded this
    // way, and a new estimate must agree with them.
    if (r < 24 || (r >= 50 && r < 75))
        n -= n % 50;
    else
        n += 50 - n % 50;
    return float(n / 100.0);
}

float Runekit::roundToHalf(QString value)
{
    return roundToHalf(value.toFloat());
}

float Runekit::roundToTenths(float value)
{
    int n = 0;
    if (!toHundredths(value, &n))
        return value;
    if (n % 10 > 5)
        n += 10;
    return float((n / 10) / 10.0);
}

float Runekit::roundToTenths(QString value)
{
    return roundToTenths(value.toFloat());
}

int Runekit::floatToIntRound(float value)
{
    // Out-of-range and NaN inputs would make the conversion undefined.
    if (std::isnan(value))
        return 0;
    if (value >= float(INT_MAX))
        return INT_MAX;
    if (value <= float(INT_MIN))
        return INT_MIN;
    const int whole = static_cast<int>(value);
    return value - float(whole) >= 0.5f ? whole + 1 : whole;
}

int Runekit::iconScalePercentToIndex(double percent)
{
    for (const IconScale& scale : kIconScales) {
        if (percent == scale.factor)
            return scale.index;
    }
    return 0;
}

double Runekit::iconScaleIndexToPercent(int index)
{
    for (const IconScale& scale : kIconScales) {
        if (index == scale.index)
            return scale.factor;
    }
    return 1.0;
}

QSize Runekit::dialogSizeForScreen(const QSize& screen)
{
    const DialogScale scale = dialogScaleFor(screen.width(), screen.height());
    return QSize(static_cast<int>(600 * scale.width), static_cast<int>(300 * scale.height));
}

void Runekit::resizeDialogScale(QDialog* dialog)
{
    if (!dialog)
        return;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    dialog->resize(dialogSizeForScreen(screen->size()));
}

QString Runekit::appendPathSeparator(QString path)
{
    if (!path.endsWith(QLatin1Char('\\')))
        path.append(QLatin1Char('\\'));
    return path;
}
