// How the plans are drawn, from the application settings: the fonts and
// icon sizes of floor plans and network sheets, and which floor details are
// shown. Read once when a window opens; the View menu writes the toggles back.
#ifndef PLANSTYLE_H
#define PLANSTYLE_H

#include <QFont>
#include <QString>

struct PlanStyle
{
    QFont floorFont;
    double floorIconScale = 1.0;
    QFont sheetFont;
    double sheetIconScale = 1.0;
    bool showRoomNames = true;
    bool showPathPoints = true;

    // The settings of the store.
    static PlanStyle fromSettings();
    // A fixed style for pictures that must come out the same everywhere.
    static PlanStyle fixed(const QString& family);
    void saveToggles() const;

    // The size factor of an item's own icon scale ("not_specified" or an
    // index as the settings store keeps it), else of the plan's.
    static double itemIconScale(const QString& own, double planScale);
};

// font made factor times as large, whether its size is in points or pixels.
QFont scaledFont(const QFont& font, double factor);

#endif // PLANSTYLE_H
