#ifndef TRANSLATABLEDATE_H
#define TRANSLATABLEDATE_H

#include "ductbook_global.h"

#include <QDate>
#include <QString>

// A date whose day and month names go through the translation system, so that
// printed reports follow the user's language rather than the system locale.
// Names are translated in the "QObject" context.
class DUCTBOOK_EXPORT TranslatableDate
{
public:
    TranslatableDate();
    TranslatableDate(int year, int month, int day);
    TranslatableDate(QDate date);
    TranslatableDate(const TranslatableDate& other) = default;
    TranslatableDate& operator=(const TranslatableDate& other);

    // Like QDate::toString(format), with translated names for "dddd",
    // "ddd", "MMMM" and "MMM".
    QString toString(const QString& format) const;

    static QString longMonthName(int month);
    static QString longDayName(int day);
    // The first three characters of the translated long name.
    static QString shortMonthName(int month);
    static QString shortDayName(int day);
    // 1 to 12 for an exact match of a translated short month name, else 0.
    static int shortMonthToNumber(const QString& name);

private:
    QDate m_date;
};

#endif // TRANSLATABLEDATE_H
