// The CSV reader and writer behind the cable schedule and the cable import.
#include <csv_p.h>

#include <QtTest>

class TestCsv : public QObject
{
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
    void malformedRecords_data();
    void malformedRecords();
    void writtenFieldsReadBack();
    void utf8();
};

using Records = QList<QStringList>;
Q_DECLARE_METATYPE(Records)

void TestCsv::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Records>("records");
    QTest::addColumn<QList<int>>("lines");

    QTest::newRow("plain, LF") << QStringLiteral("a,b\n1,2\n") << Records{{"a", "b"}, {"1", "2"}}
                               << QList<int>{1, 2};
    QTest::newRow("CRLF, no final line end")
        << QStringLiteral("a,b\r\n1,2") << Records{{"a", "b"}, {"1", "2"}} << QList<int>{1, 2};
    QTest::newRow("quoted comma and doubled quote")
        << QStringLiteral("\"x, y\",\"say \"\"hi\"\"\"\n") << Records{{"x, y", "say \"hi\""}}
        << QList<int>{1};
    QTest::newRow("line break inside quotes moves the next record's line")
        << QStringLiteral("h\n\"two\r\nlines\"\nnext\n")
        << Records{{"h"}, {"two\r\nlines"}, {"next"}} << QList<int>{1, 2, 4};
    QTest::newRow("empty fields kept, empty rows dropped")
        << QStringLiteral("a,,c\n\n,,\n,x,\n") << Records{{"a", "", "c"}, {"", "x", ""}}
        << QList<int>{1, 4};
    QTest::newRow("quoted empty field")
        << QStringLiteral("\"\",b\n") << Records{{"", "b"}} << QList<int>{1};
    QTest::newRow("spaces are data")
        << QStringLiteral(" a , b \n") << Records{{" a ", " b "}} << QList<int>{1};
}

void TestCsv::parse()
{
    QFETCH(QString, text);
    QFETCH(Records, records);
    QFETCH(QList<int>, lines);
    const QList<Csv::Record> parsed = Csv::parse(text);
    Records fields;
    QList<int> starts;
    for (const Csv::Record& r : parsed) {
        QVERIFY2(r.problem.isEmpty(), qPrintable(r.problem));
        fields.append(r.fields);
        starts.append(r.line);
    }
    QCOMPARE(fields, records);
    QCOMPARE(starts, lines);
}

void TestCsv::malformedRecords_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("badLine");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<QStringList>("next"); // the record read after the bad one

    QTest::newRow("quote inside an unquoted field")
        << QStringLiteral("a,b\nx\"y,z\nok,1\n") << 2 << QStringLiteral("a quote inside field 1")
        << QStringList{"ok", "1"};
    QTest::newRow("text after the closing quote")
        << QStringLiteral("a,b\n1,\"q\"x\nok,2\n") << 2
        << QStringLiteral("text after the closing quote of field 2") << QStringList{"ok", "2"};
    QTest::newRow("quote never closed") << QStringLiteral("a\n\"open\nstill open\n") << 2
                                        << QStringLiteral("never ends") << QStringList();
}

void TestCsv::malformedRecords()
{
    QFETCH(QString, text);
    QFETCH(int, badLine);
    QFETCH(QString, problem);
    QFETCH(QStringList, next);
    const QList<Csv::Record> parsed = Csv::parse(text);
    int bad = -1;
    for (int i = 0; i < parsed.size(); ++i) {
        if (!parsed.at(i).problem.isEmpty()) {
            QCOMPARE(bad, -1);
            bad = i;
        }
    }
    QVERIFY(bad >= 0);
    QCOMPARE(parsed.at(bad).line, badLine);
    QVERIFY2(parsed.at(bad).problem.contains(problem), qPrintable(parsed.at(bad).problem));
    if (next.isEmpty()) {
        QCOMPARE(bad, parsed.size() - 1);
    } else {
        QVERIFY(bad + 1 < parsed.size());
        QCOMPARE(parsed.at(bad + 1).fields, next);
        QCOMPARE(parsed.at(bad + 1).line, badLine + 1);
    }
}

void TestCsv::writtenFieldsReadBack()
{
    const QStringList awkward{QStringLiteral("plain"),
                              QStringLiteral("comma, inside"),
                              QStringLiteral("\"quoted\""),
                              QStringLiteral("two\nlines"),
                              QString(),
                              QStringLiteral("Caf\u00e9 \u2192 \u5ba4"),
                              QStringLiteral("=HYPERLINK(\"http://x.invalid\",\"Room\")"),
                              QStringLiteral("@SUM(A1)"),
                              QStringLiteral("-"),
                              QStringLiteral("\tTab"),
                              QStringLiteral("-3.5"),
                              QStringLiteral("+12")};
    const QString text = Csv::record({QStringLiteral("h1"), QStringLiteral("h2")}) +
                         Csv::record(awkward) + Csv::record(awkward);
    // Spreadsheets expect CRLF record ends and quotes only where needed.
    QVERIFY(text.startsWith(QStringLiteral("h1,h2\r\nplain,\"comma, inside\",\"\"\"quoted\"\"\"")));
    // Formula-like text goes out as text; numbers stay numbers.
    QVERIFY(text.contains(
        QStringLiteral(",\"'=HYPERLINK(\"\"http://x.invalid\"\",\"\"Room\"\")\",'@SUM(A1),'-,'\tTab,-3.5,+12\r\n")));
    const QList<Csv::Record> parsed = Csv::parse(text);
    QCOMPARE(parsed.size(), 3);
    QCOMPARE(parsed.at(1).fields, awkward);
    QCOMPARE(parsed.at(2).fields, awkward);
    QCOMPARE(parsed.at(2).line, 4); // the record above spans two lines
}

void TestCsv::utf8()
{
    QString text;
    int line = 0;
    QVERIFY(Csv::decodeUtf8("\xEF\xBB\xBF"
                            "a,b\nCaf\xC3\xA9,1\n",
                            &text, &line));
    QCOMPARE(text, QStringLiteral("a,b\nCaf\u00e9,1\n"));
    // Latin-1 bytes are not UTF-8: the reader says where.
    QVERIFY(!Csv::decodeUtf8("a,b\nok,1\nCaf\xE9,2\n", &text, &line));
    QCOMPARE(line, 3);
}

QTEST_GUILESS_MAIN(TestCsv)
#include "tst_csv.moc"
