#include "planstyle.h"

#include <qvutils.h>
#include <runekit.h>

namespace {

// The plans are drawn in their own units, so a font of size 10 is ten
// drawing units tall whatever the screen.
QFont fontOf(const QString& family, const QString& size)
{
    QFont font(family);
    const int units = size.toInt();
    font.setPixelSize(units > 0 ? units : 10);
    return font;
}

bool isTrue(const QString& value)
{
    return value.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
}

} // namespace

PlanStyle PlanStyle::fromSettings()
{
    using S = QVUtils;
    const auto s = Runekit::readSettings(
        {S::FloorPlanFontFamily, S::FloorPlanFontSize, S::FloorPlanIconScale, S::NetworkFontFamily,
         S::NetworkFontSize, S::NetworkIconScale, S::ShowRoomNames, S::Points});
    PlanStyle style;
    style.floorFont = fontOf(s.value(S::FloorPlanFontFamily), s.value(S::FloorPlanFontSize));
    style.sheetFont = fontOf(s.value(S::NetworkFontFamily), s.value(S::NetworkFontSize));
    style.floorIconScale = Runekit::iconScaleIndexToPercent(s.value(S::FloorPlanIconScale).toInt());
    style.sheetIconScale = Runekit::iconScaleIndexToPercent(s.value(S::NetworkIconScale).toInt());
    style.showRoomNames = isTrue(s.value(S::ShowRoomNames));
    style.showPathPoints = isTrue(s.value(S::Points));
    return style;
}

PlanStyle PlanStyle::fixed(const QString& family)
{
    PlanStyle style;
    style.floorFont = fontOf(family, QStringLiteral("10"));
    style.sheetFont = style.floorFont;
    return style;
}

void PlanStyle::saveToggles() const
{
    const QString yes = QStringLiteral("true");
    const QString no = QStringLiteral("false");
    Runekit::writeSettings({{QVUtils::ShowRoomNames, showRoomNames ? yes : no},
                            {QVUtils::Points, showPathPoints ? yes : no}});
}

double PlanStyle::itemIconScale(const QString& own, double planScale)
{
    bool ok = false;
    const int index = own.toInt(&ok);
    return ok && index >= 0 && index <= 4 ? Runekit::iconScaleIndexToPercent(index) : planScale;
}

QFont scaledFont(const QFont& font, double factor)
{
    QFont scaled = font;
    if (font.pointSizeF() > 0)
        scaled.setPointSizeF(qMax(1.0, font.pointSizeF() * factor));
    else
        scaled.setPixelSize(qMax(1, qRound(font.pixelSize() * factor)));
    return scaled;
}
