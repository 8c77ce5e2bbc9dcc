#ifndef RUNEKIT_H
#define RUNEKIT_H

/// @file
/// The static helpers of the runekit library.

#include "qvutils.h"
#include "runekit_global.h"

#include <QList>
#include <QMap>
#include <QPointF>
#include <QString>

class QDialog;
class QFont;
class QSize;

/// Static helpers shared by the job library and the host: the settings store,
/// text wrapping, rounding, units, icon scales and dialog sizing.
///
/// Every operation is a static member and keeps no state between calls; an
/// instance holds nothing. The job library itself uses readSettings(),
/// getDistance(), roundToHalf() and roundToTenths(); the other operations are
/// there for the host. None of them reports a failure: each description says
/// what comes back for input it cannot use.
class RUNEKIT_EXPORT Runekit
{
public:
    /// Constructs an object that holds nothing; every operation is static.
    Runekit();
    /// Destroys the object.
    virtual ~Runekit();

    /// @name Settings store
    /// The application's per-user settings: a QSettings store in user scope and
    /// native format for organisation "Korvex" and application "Gridwell" (the
    /// registry on Windows, `~/.config/Korvex/Gridwell.conf` on Linux). Every
    /// call opens the store and closes it, which writes it out, before it
    /// returns.
    ///@{

    /// Reads the given settings from the store.
    ///
    /// Reading QVUtils::IconPath creates the folder "My Gridwell Icons" beside
    /// the user's documents folder when it is missing.
    ///
    /// @param keys The settings wanted; a key may appear more than once and then
    ///        yields one entry.
    /// @return One entry for each distinct key of @p keys that lies within the
    ///         enumeration: the text the store holds for it, or, when it holds
    ///         none, the key's default (see QVUtils::gridwellSettings). Keys
    ///         outside the enumeration produce no entry; an empty list gives an
    ///         empty map. A store that cannot be read yields the defaults.
    static QMap<QVUtils::gridwellSettings, QString>
    readSettings(QList<QVUtils::gridwellSettings> keys);

    /// Stores each entry's text under its key, as a string.
    ///
    /// Entries whose key lies outside the enumeration are skipped; keys that
    /// are not in @p values keep what the store holds. A store that cannot be
    /// written loses the values without notice, as QSettings does.
    static void writeSettings(QMap<QVUtils::gridwellSettings, QString> values);

    /// The key string under which the store holds a setting, such as
    /// "/settings/floorceilingheight" for QVUtils::FloorCeilingHeight.
    ///
    /// @return The key, or an empty string for a value outside the enumeration.
    static QString settingsKey(QVUtils::gridwellSettings key);

    /// The family of the library's default font, the default of the floor-plan
    /// and network-view font settings: "MS Shell Dlg" on Windows, "Arial" on
    /// macOS and "Sans Serif" elsewhere.
    static QString defaultFontFamily();
    ///@}

    /// @name Text layout
    ///@{

    /// Breaks @p text into lines that fit @p width pixels in @p font.
    ///
    /// Lines are measured with QFontMetrics::horizontalAdvance(); a line fits
    /// when it is narrower than @p width minus 10 pixels. Words (the runs
    /// between spaces) are moved to a new line when they do not fit the current
    /// one. A word wider than a whole line is broken: each part but the last
    /// ends with "-" and a line break. The line breaks of the text itself are
    /// kept, spaces at a line break are dropped, and so are the spaces at the
    /// end of the text.
    ///
    /// @param text The text; may hold line breaks ("\n").
    /// @param font The font the text is shown in.
    /// @param width The width available, in pixels.
    /// @param maxLines The greatest number of lines to return: a longer result
    ///        is cut just before line break number @p maxLines. -1, or any
    ///        other value below 1, sets no limit.
    /// @return The text with line breaks inserted; an empty string for an empty
    ///         or null text. When not even one character fits, each line holds
    ///         one character.
    static QString wordWrap(const QString& text, const QFont& font, int width, int maxLines);

    /// The number of lines of wordWrap() for the same arguments: its count of
    /// line breaks plus one (so 1 for an empty text).
    static int wordWrapLines(const QString& text, const QFont& font, int width, int maxLines);
    ///@}

    /// @name Units and rounding
    ///@{

    /// Feet in one metre: the factor of every conversion between the two
    /// unit systems, in the libraries and in their hosts.
    static constexpr double FeetPerMeter = 3.2808399;

    /// Converts a length in feet to metres (one metre is #FeetPerMeter feet).
    ///
    /// @param feet The length in feet.
    /// @param roundDownToHalf When true, the result is rounded down to a
    ///        multiple of 0.5: 10 ft (3.048 m) gives 3.0. A negative result is
    ///        cut to its whole part instead.
    /// @return The length in metres.
    static double convertFeetToMeters(double feet, bool roundDownToHalf);

    /// The straight-line distance between two drawing positions, divided by
    /// 360.
    ///
    /// A position at the origin (0, 0) counts as never placed.
    /// @return The distance, or -1 when either pointer is null or either
    ///         position is at the origin.
    static double getDistance(QPointF* a, QPointF* b);

    /// Rounds a length to a multiple of 0.5, the way job lengths have always
    /// been rounded.
    ///
    /// The value is first cut to whole hundredths. Hundredths .00 to .23 round
    /// down to .0, .24 to .49 up to .5, .50 to .74 down to .5 and .75 to .99 up
    /// to the next whole number: 1.23 gives 1.0, 1.24 gives 1.5, 1.74 gives 1.5,
    /// 1.75 gives 2.0. Negative values go toward zero. A value too large for
    /// whole hundredths, or one that is not a number, comes back unchanged.
    static float roundToHalf(float value);
    /// Rounds the number in @p value like roundToHalf(float); text that is not
    /// a number counts as 0.
    static float roundToHalf(QString value);

    /// Rounds a length to a multiple of 0.1, the way job lengths have always
    /// been rounded.
    ///
    /// The value is first cut to whole hundredths; hundredths 6 to 9 round up,
    /// 0 to 5 down: 2.25 gives 2.2, 2.26 gives 2.3. Because the value is a
    /// float, one just below a boundary stays below it (1.26 is stored as a
    /// little less and gives 1.2). Negative values go toward zero. A value
    /// too large for whole hundredths, or one that is not a number, comes back
    /// unchanged.
    static float roundToTenths(float value);
    /// Rounds the number in @p value like roundToTenths(float); text that is
    /// not a number counts as 0.
    static float roundToTenths(QString value);

    /// Rounds to a whole number: the whole part (cut toward zero), plus one when
    /// the value exceeds it by 0.5 or more. 2.5 gives 3 and 2.4 gives 2;
    /// negative values go toward zero (-1.7 gives -1).
    ///
    /// @return The rounded value; 0 for a value that is not a number, and the
    ///         largest or smallest int for a value beyond the range of int.
    static int floatToIntRound(float value);
    ///@}

    /// @name Icon scales
    /// The settings QVUtils::FloorPlanIconScale and QVUtils::NetworkIconScale
    /// store an icon size as an index: 0 is the factor 2.0, 1 is 1.0, 2 is 0.75,
    /// 3 is 0.5 and 4 is 0.25.
    ///@{

    /// The index of an icon size factor (2.0, 1.0, 0.75, 0.5 or 0.25, compared
    /// exactly).
    ///
    /// @return The index from 0 to 4; 0, the largest icons, for any other
    ///         factor.
    static int iconScalePercentToIndex(double percent);
    /// The icon size factor of an index.
    ///
    /// @return The factor; 1.0 for an index outside 0 to 4.
    static double iconScaleIndexToPercent(int index);
    ///@}

    /// @name Dialogs and paths
    ///@{

    /// Resizes a dialog to suit the primary screen, as dialogSizeForScreen()
    /// chooses. Does nothing when @p dialog is null or there is no screen.
    static void resizeDialogScale(QDialog* dialog);

    /// The dialog size chosen for a screen of the given size.
    ///
    /// The size is 600 by 300 pixels, scaled down on the small screens of old:
    ///
    /// | screen | size |
    /// |---|---|
    /// | 1152 or 1280 wide and 720, 768, 800, 864 or 960 high | 540 by 253 |
    /// | 1024 or 1088 wide and 768 or 612 high | 480 by 225 |
    /// | 800 or 960 wide and 600 high | 375 by 175 |
    /// | 640 by 480 | 300 by 140 |
    /// | any other | 600 by 300 |
    static QSize dialogSizeForScreen(const QSize& screen);

    /// Returns @p path ending in one backslash: one is appended unless the path
    /// already ends with a backslash (a final forward slash does not count).
    static QString appendPathSeparator(QString path);
    ///@}
};

#endif // RUNEKIT_H
