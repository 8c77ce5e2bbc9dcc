#ifndef TRANSLATABLEDATE_H
#define TRANSLATABLEDATE_H

/// @file
/// The TranslatableDate class.

#include "ductbook_global.h"

#include <QDate>
#include <QString>

/// A date whose day and month names go through the translation system, so
/// that printed reports follow the user's language rather than the system's
/// locale.
///
/// The names are translated with QObject::tr(), in the context "QObject": the
/// long month names under the comment "TranslatableDate::longMonthName()", the
/// long day names under "TranslatableDate::longDayName()", and the short month
/// names that shortMonthToNumber() reads ("Jan" to "Dec") without a comment.
/// The short names written are always the first three characters of the
/// translated long names. A plain value class (not a QObject); nothing in the
/// library uses it, it is there for the host's reports.
class DUCTBOOK_EXPORT TranslatableDate
{
public:
    /// A null date.
    TranslatableDate();
    /// The date QDate(@p year, @p month, @p day); invalid numbers give an
    /// invalid date.
    TranslatableDate(int year, int month, int day);
    /// The same date as @p date.
    TranslatableDate(QDate date);
    /// A copy of @p other.
    TranslatableDate(const TranslatableDate& other) = default;
    /// Copies the date of @p other.
    TranslatableDate& operator=(const TranslatableDate& other);

    /// The date formatted like QDate::toString(@p format), but with translated
    /// names for "dddd" (long day name), "ddd" (short day name), "MMMM" (long
    /// month name) and "MMM" (short month name).
    ///
    /// For 7 December 2026, "dddd d MMMM yyyy" gives "Monday 7 December 2026"
    /// in English. A format without name patterns gives exactly what
    /// QDate::toString() gives.
    /// @return The formatted date; an empty string for a null or invalid date.
    QString toString(const QString& format) const;

    /// The translated name of a month, 1 for January to 12 for December.
    /// @return The name, or an empty string for a number outside 1 to 12.
    static QString longMonthName(int month);
    /// The translated name of a day of the week, 1 for Monday to 7 for Sunday.
    /// @return The name, or an empty string for a number outside 1 to 7.
    static QString longDayName(int day);
    /// The first three characters of longMonthName(@p month); so a translation
    /// of "September" as "Settembre" gives "Set".
    /// @return The short name, or an empty string for a number outside 1 to
    ///         12.
    static QString shortMonthName(int month);
    /// The first three characters of longDayName(@p day).
    /// @return The short name, or an empty string for a number outside 1 to 7.
    static QString shortDayName(int day);
    /// The number of the month whose translated short name ("Jan" to "Dec")
    /// equals @p name exactly, case included.
    /// @return 1 to 12, or 0 when no short name matches ("jan" gives 0).
    static int shortMonthToNumber(const QString& name);

private:
    QDate m_date;
};

#endif // TRANSLATABLEDATE_H
