#include "translatabledate.h"

#include <QObject>

namespace {
struct TranslatableName
{
    const char* source;
    const char* comment;
};

const TranslatableName kLongMonths[] = {
    QT_TRANSLATE_NOOP3("QObject", "January", "TranslatableDate::longMonthName()"),
    QT_TRANSLATE_NOOP3("QObject", "February", "TranslatableDate::longMonthName()"),
    QT_TRANSLATE_NOOP3("QObject", "March", "TranslatableDate::longMonthName()"),
    QT_TRANSLATE_NOOP3("QObject", "April", "TranslatableDate::longMonthName()"),
    QT_TRANSLATE_NOOP3("QObject", "May", "TranslatableDate::longMonthName()"),
    QT_TRANSLATE_NOOP3("QObject", "June", "TranslatableDate::longMonthName()"),
    QT_TRANSLATE_NOOP3("QObject", "July", "TranslatableDate::longMonthName()"),
    QT_TRANSLATE_NOOP3("QObject", "August", "TranslatableDate::longMonthName()"),
    QT_TRANSLATE_NOOP3("QObject", "September", "TranslatableDate::longMonthName()"),
    QT_TRANSLATE_NOOP3("QObject", "October", "TranslatableDate::longMonthName()"),
    QT_TRANSLATE_NOOP3("QObject", "November", "TranslatableDate::longMonthName()"),
    QT_TRANSLATE_NOOP3("QObject", "December", "TranslatableDate::longMonthName()"),
};

const TranslatableName kLongDays[] = {
    QT_TRANSLATE_NOOP3("QObject", "Monday", "TranslatableDate::longDayName()"),
    QT_TRANSLATE_NOOP3("QObject", "Tuesday", "TranslatableDate::longDayName()"),
    QT_TRANSLATE_NOOP3("QObject", "Wednesday", "TranslatableDate::longDayName()"),
    QT_TRANSLATE_NOOP3("QObject", "Thursday", "TranslatableDate::longDayName()"),
    QT_TRANSLATE_NOOP3("QObject", "Friday", "TranslatableDate::longDayName()"),
    QT_TRANSLATE_NOOP3("QObject", "Saturday", "TranslatableDate::longDayName()"),
    QT_TRANSLATE_NOOP3("QObject", "Sunday", "TranslatableDate::longDayName()"),
};

// Only used to read month names back, so they carry no comment.
const char* const kShortMonths[] = {
    QT_TRANSLATE_NOOP("QObject", "Jan"), QT_TRANSLATE_NOOP("QObject", "Feb"),
    QT_TRANSLATE_NOOP("QObject", "Mar"), QT_TRANSLATE_NOOP("QObject", "Apr"),
    QT_TRANSLATE_NOOP("QObject", "May"), QT_TRANSLATE_NOOP("QObject", "Jun"),
    QT_TRANSLATE_NOOP("QObject", "Jul"), QT_TRANSLATE_NOOP("QObject", "Aug"),
    QT_TRANSLATE_NOOP("QObject", "Sep"), QT_TRANSLATE_NOOP("QObject", "Oct"),
    QT_TRANSLATE_NOOP("QObject", "Nov"), QT_TRANSLATE_NOOP("QObject", "Dec"),
};

// Stand-ins for the name patterns while QDate formats the rest; QDate copies
// characters it does not know straight through.
const QChar kShortDay(0x0001);
const QChar kLongDay(0x0002);
const QChar kShortMonth(0x0003);
const QChar kLongMonth(0x0004);

QString translatedName(const TranslatableName* table, int count, int number)
{
    if (number < 1 || number > count)
        return QString();
    const TranslatableName& name = table[number - 1];
    return QObject::tr(name.source, name.comment);
}

const int kShortNameLength = 3;
} // namespace

TranslatableDate::TranslatableDate() = default;

TranslatableDate::TranslatableDate(int year, int month, int day) : m_date(year, month, day) {}

TranslatableDate::TranslatableDate(QDate date) : m_date(date) {}

TranslatableDate& TranslatableDate::operator=(const TranslatableDate& other)
{
    m_date = other.m_date;
    return *this;
}

QString TranslatableDate::toString(const QString& format) const
{
    QString pattern = format;
    // Longer patterns first, so that "dddd" is not taken for "ddd".
    pattern.replace(QStringLiteral("dddd"), QString(kLongDay));
    pattern.replace(QStringLiteral("ddd"), QString(kShortDay));
    pattern.replace(QStringLiteral("MMMM"), QString(kLongMonth));
    pattern.replace(QStringLiteral("MMM"), QString(kShortMonth));

    QString text = m_date.toString(pattern);
    text.replace(kShortDay, shortDayName(m_date.dayOfWeek()));
    text.replace(kLongDay, longDayName(m_date.dayOfWeek()));
    text.replace(kShortMonth, shortMonthName(m_date.month()));
    text.replace(kLongMonth, longMonthName(m_date.month()));
    return text;
}

QString TranslatableDate::longMonthName(int month)
{
    return translatedName(kLongMonths, 12, month);
}

QString TranslatableDate::longDayName(int day)
{
    return translatedName(kLongDays, 7, day);
}

QString TranslatableDate::shortMonthName(int month)
{
    return longMonthName(month).left(kShortNameLength);
}

QString TranslatableDate::shortDayName(int day)
{
    return longDayName(day).left(kShortNameLength);
}

int TranslatableDate::shortMonthToNumber(const QString& name)
{
    for (int month = 1; month <= 12; ++month) {
        if (name == QObject::tr(kShortMonths[month - 1]))
            return month;
    }
    return 0;
}
