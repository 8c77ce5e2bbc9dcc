#ifndef RUNEKIT_H
#define RUNEKIT_H

#include "qvutils.h"
#include "runekit_global.h"

#include <QList>
#include <QMap>
#include <QPointF>
#include <QString>

class QDialog;
class QFont;
class QSize;

// Static helpers shared by the job library and the host: the settings store,
// text wrapping, rounding, units, icon scales and dialog sizing.
class RUNEKIT_EXPORT Runekit
{
public:
    Runekit();
    virtual ~Runekit();

    // Settings store (organisation "Korvex", application "Gridwell").
    static QMap<QVUtils::gridwellSettings, QString>
    readSettings(QList<QVUtils::gridwellSettings> keys);
    static void writeSettings(QMap<QVUtils::gridwellSettings, QString> values);

    // The store's key string of a setting ("/settings/floorceilingheight"); empty
    // for a value outside the enumeration.
    static QString settingsKey(QVUtils::gridwellSettings key);
    // Family of the library's default font.
    static QString defaultFontFamily();

    static QString wordWrap(const QString& text, const QFont& font, int width, int maxLines);
    static int wordWrapLines(const QString& text, const QFont& font, int width, int maxLines);

    static double convertFeetToMeters(double feet, bool roundDownToHalf);
    static double getDistance(QPointF* a, QPointF* b);
    static float roundToHalf(float value);
    static float roundToHalf(QString value);
    static float roundToTenths(float value);
    static float roundToTenths(QString value);
    static int floatToIntRound(float value);

    static int iconScalePercentToIndex(double percent);
    static double iconScaleIndexToPercent(int index);

    static void resizeDialogScale(QDialog* dialog);
    // The dialog size chosen for a desktop of the given size; what
    // resizeDialogScale applies to the primary screen.
    static QSize dialogSizeForScreen(const QSize& screen);

    static QString appendPathSeparator(QString path);
};

#endif // RUNEKIT_H
