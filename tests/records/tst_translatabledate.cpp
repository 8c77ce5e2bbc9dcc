#include "translatabledate.h"

#include <QtTest>

namespace {
// A small Italian catalogue, keyed the way the names are looked up.
class ItalianNames : public QTranslator
{
public:
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override
    {
        Q_UNUSED(n);
        if (qstrcmp(context, "QObject") != 0)
            return QString();
        const QByteArray source(sourceText);
        const QByteArray comment(disambiguation);
        if (comment == "TranslatableDate::longMonthName()" && source == "September")
            return QStringLiteral("Settembre");
        if (comment == "TranslatableDate::longDayName()" && source == "Monday")
            return QStringLiteral("Lunedì");
        if (comment.isEmpty() && source == "Sep")
            return QStringLiteral("Set");
        return QString();
    }
    bool isEmpty() const override { return false; }
};
} // namespace

class TestTranslatableDate : public QObject
{
    Q_OBJECT

private slots:
    void toString_data();
    void toString();
    void nullDateLikeQDate();
    void names_data();
    void names();
    void shortMonthToNumber_data();
    void shortMonthToNumber();
    void translatedNames();
};

void TestTranslatableDate::toString_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("expected");

    const QDate seventh(2026, 12, 7);
    QTest::newRow("long names") << seventh << "dddd d MMMM yyyy"
                                << "Monday 7 December 2026";
    QTest::newRow("short names") << seventh << "ddd d MMM"
                                 << "Mon 7 Dec";
    QTest::newRow("long day is not read as short day plus d") << seventh << "ddddd"
                                                              << "Monday7";
    QTest::newRow("numeric patterns untouched") << seventh << "dd/MM/yy"
                                                << "07/12/26";
    QTest::newRow("every name twice") << QDate(2027, 2, 28) << "ddd dddd MMM MMMM dddd"
                                      << "Sun Sunday Feb February Sunday";
    QTest::newRow("no pattern") << seventh << "report" << seventh.toString("report");
}

void TestTranslatableDate::toString()
{
    QFETCH(QDate, date);
    QFETCH(QString, format);
    QFETCH(QString, expected);
    QCOMPARE(TranslatableDate(date).toString(format), expected);
    QCOMPARE(TranslatableDate(date.year(), date.month(), date.day()).toString(format), expected);
}

void TestTranslatableDate::nullDateLikeQDate()
{
    const TranslatableDate empty;
    QCOMPARE(empty.toString(QStringLiteral("dddd d MMMM yyyy")),
             QDate().toString(QStringLiteral("dddd d MMMM yyyy")));
    TranslatableDate assigned(2026, 12, 7);
    const TranslatableDate copy(assigned);
    assigned = empty;
    QCOMPARE(copy.toString(QStringLiteral("ddd")), QStringLiteral("Mon"));
    QCOMPARE(assigned.toString(QStringLiteral("MMM")), QDate().toString(QStringLiteral("MMM")));
}

void TestTranslatableDate::names_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("expected");
    QTest::newRow("long month 1") << "longMonth" << 1 << "January";
    QTest::newRow("long month 12") << "longMonth" << 12 << "December";
    QTest::newRow("long month 13") << "longMonth" << 13 << "";
    QTest::newRow("long month 0") << "longMonth" << 0 << "";
    QTest::newRow("long day 1") << "longDay" << 1 << "Monday";
    QTest::newRow("long day 7") << "longDay" << 7 << "Sunday";
    QTest::newRow("long day 0") << "longDay" << 0 << "";
    QTest::newRow("long day 8") << "longDay" << 8 << "";
    QTest::newRow("short month 9") << "shortMonth" << 9 << "Sep";
    QTest::newRow("short month 13") << "shortMonth" << 13 << "";
    QTest::newRow("short day 4") << "shortDay" << 4 << "Thu";
    QTest::newRow("short day -1") << "shortDay" << -1 << "";
}

void TestTranslatableDate::names()
{
    QFETCH(QString, which);
    QFETCH(int, number);
    QFETCH(QString, expected);
    QString name;
    if (which == QLatin1String("longMonth"))
        name = TranslatableDate::longMonthName(number);
    else if (which == QLatin1String("longDay"))
        name = TranslatableDate::longDayName(number);
    else if (which == QLatin1String("shortMonth"))
        name = TranslatableDate::shortMonthName(number);
    else
        name = TranslatableDate::shortDayName(number);
    QCOMPARE(name, expected);
}

void TestTranslatableDate::shortMonthToNumber_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("expected");
    QTest::newRow("Jan") << "Jan" << 1;
    QTest::newRow("Dec") << "Dec" << 12;
    QTest::newRow("lower case is no match") << "jan" << 0;
    QTest::newRow("long name is no match") << "January" << 0;
    QTest::newRow("empty") << "" << 0;
}

void TestTranslatableDate::shortMonthToNumber()
{
    QFETCH(QString, name);
    QFETCH(int, expected);
    QCOMPARE(TranslatableDate::shortMonthToNumber(name), expected);
}

void TestTranslatableDate::translatedNames()
{
    ItalianNames italian;
    QCoreApplication::installTranslator(&italian);

    QCOMPARE(TranslatableDate::longMonthName(9), QStringLiteral("Settembre"));
    // Short names follow the long ones, not the short-name table.
    QCOMPARE(TranslatableDate::shortMonthName(9), QStringLiteral("Set"));
    QCOMPARE(TranslatableDate::shortDayName(1), QStringLiteral("Lun"));
    QCOMPARE(TranslatableDate(2025, 9, 1).toString(QStringLiteral("dddd d MMMM, ddd d MMM")),
             QStringLiteral("Lunedì 1 Settembre, Lun 1 Set"));
    // Parsing uses the short-name table.
    QCOMPARE(TranslatableDate::shortMonthToNumber(QStringLiteral("Set")), 9);
    QCOMPARE(TranslatableDate::shortMonthToNumber(QStringLiteral("Sep")), 0);
    QCOMPARE(TranslatableDate::longMonthName(10), QStringLiteral("October"));

    QCoreApplication::removeTranslator(&italian);
    QCOMPARE(TranslatableDate::shortMonthName(9), QStringLiteral("Sep"));
}

QTEST_GUILESS_MAIN(TestTranslatableDate)
#include "tst_translatabledate.moc"
