// What every jobtool command shares: its own --help, usage errors that write
// nothing, no file replaced unless asked, the library's diagnostics only
// with --verbose.
#include "jobfixture.h"
#include "jobtoolrun.h"

#include <QtTest>

using namespace JobFixture;
using namespace JobToolRun;

class TestCli : public QObject
{
    Q_OBJECT
private slots:
    void commandHelp_data();
    void commandHelp();
    void usageErrorsWriteNothing_data();
    void usageErrorsWriteNothing();
    void existingOutputIsKept_data();
    void existingOutputIsKept();
    void outputNeverReplacesTheJob();
    void diagnosticsOnlyWhenVerbose();

private:
    QTemporaryDir m_dir;
};

void TestCli::commandHelp_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("expected");
    QTest::newRow("schedule") << QStringList{"schedule", "--help"}
                              << QStringLiteral("schedule JOB [--format csv|md]");
    QTest::newRow("report") << QStringList{"report", "x.job", "-h"}
                            << QStringLiteral("report JOB [--metric] [-o FILE]");
    QTest::newRow("render") << QStringList{"render", "--help"}
                            << QStringLiteral("render JOB --trace CABLE");
    QTest::newRow("import-cables") << QStringList{"import-cables", "--help"}
                                   << QStringLiteral("import-cables JOB CABLES.csv [--dry-run]");
    QTest::newRow("new") << QStringList{"new", "--help"} << QStringLiteral("new FILE [--force]");
    QTest::newRow("info") << QStringList{"info", "--help"} << QStringLiteral("info FILE");
    QTest::newRow("global help lists the new commands")
        << QStringList{"--help"} << QStringLiteral("import-cables JOB CABLES.csv");
}

void TestCli::commandHelp()
{
    QFETCH(QStringList, args);
    QFETCH(QString, expected);
    const Run r = jobtool(args);
    QCOMPARE(r.code, 0);
    QVERIFY2(r.out.contains(expected), qPrintable(r.out));
    QVERIFY(r.err.isEmpty());
}

void TestCli::usageErrorsWriteNothing_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    const QString job = example();
    QTest::newRow("schedule without job") << QStringList{"schedule"} << QStringLiteral("usage");
    QTest::newRow("schedule bad format")
        << QStringList{"schedule", job, "--format", "xls", "-o", "OUT"}
        << QStringLiteral("unknown format 'xls'");
    QTest::newRow("schedule -o without value")
        << QStringList{"schedule", job, "-o"} << QStringLiteral("needs a value");
    QTest::newRow("report unknown option")
        << QStringList{"report", job, "--pdf", "-o", "OUT"} << QStringLiteral("unknown option");
    QTest::newRow("render without a view")
        << QStringList{"render", job, "-o", "OUT"} << QStringLiteral("either --floor");
    QTest::newRow("render both views")
        << QStringList{"render", job, "--floor", "FFloor_1", "--trace", "Cable001", "-o", "OUT"}
        << QStringLiteral("either --floor");
    QTest::newRow("render unknown floor")
        << QStringList{"render", job, "--floor", "Roof", "-o", "OUT"}
        << QStringLiteral("no floor 'Roof'");
    QTest::newRow("render unknown cable")
        << QStringList{"render", job, "--trace", "Cable999", "-o", "OUT"}
        << QStringLiteral("no cable 'Cable999'");
    QTest::newRow("report of a missing job")
        << QStringList{"report", "/nonexistent/x.job", "-o", "OUT"}
        << QStringLiteral("does not exist");
    QTest::newRow("import without csv")
        << QStringList{"import-cables", job} << QStringLiteral("usage");
    QTest::newRow("import of a missing csv")
        << QStringList{"import-cables", job, "/nonexistent/c.csv"} << QStringLiteral("cannot read");
}

void TestCli::usageErrorsWriteNothing()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    const QString out = m_dir.filePath(QStringLiteral("usage-out"));
    args.replaceInStrings(QStringLiteral("OUT"), out);
    const QByteArray before = readFile(example());
    const Run r = jobtool(args);
    QCOMPARE(r.code, 2);
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    QVERIFY(r.out.isEmpty());
    QVERIFY(!QFile::exists(out));
    QCOMPARE(readFile(example()), before);
}

void TestCli::existingOutputIsKept_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("new") << QStringList{"new", "OUT"};
    QTest::newRow("schedule") << QStringList{"schedule", example(), "-o", "OUT"};
    QTest::newRow("report") << QStringList{"report", example(), "-o", "OUT"};
    QTest::newRow("render") << QStringList{"render", example(), "--floor", "Level 3", "-o", "OUT"};
}

// A user who names an existing file gets it back untouched unless --force
// says otherwise; with --force it is replaced.
void TestCli::existingOutputIsKept()
{
    QFETCH(QStringList, args);
    const QString out = m_dir.filePath(QStringLiteral("existing.job"));
    const QByteArray precious("the user's own work\n");
    QVERIFY(writeFile(out, precious));
    args.replaceInStrings(QStringLiteral("OUT"), out);

    Run r = jobtool(args);
    QCOMPARE(r.code, 2);
    QVERIFY2(r.err.contains(QStringLiteral("already exists; give --force")), qPrintable(r.err));
    QCOMPARE(readFile(out), precious);

    r = jobtool(args + QStringList{QStringLiteral("--force")});
    QCOMPARE(r.code, 0);
    QVERIFY(readFile(out) != precious);
    QVERIFY(readFile(out).size() > 100);
}

void TestCli::outputNeverReplacesTheJob()
{
    const QString job = m_dir.filePath(QStringLiteral("own.job"));
    QVERIFY(QFile::copy(example(), job));
    const QByteArray before = readFile(job);
    const Run r = jobtool(
        {QStringLiteral("report"), job, QStringLiteral("-o"), job, QStringLiteral("--force")});
    QCOMPARE(r.code, 2);
    QVERIFY(r.err.contains(QStringLiteral("is the job being read")));
    QCOMPARE(readFile(job), before);
}

// A damaged file: the library's parse diagnostics ("errMsg = ...") stay off
// the terminal, jobtool's own message says what is wrong; --verbose shows
// them, wherever it stands on the line.
void TestCli::diagnosticsOnlyWhenVerbose()
{
    const QString broken = m_dir.filePath(QStringLiteral("damaged.job"));
    QByteArray text = readFile(example());
    text.truncate(text.size() / 2);
    QVERIFY(writeFile(broken, text));

    for (const QString& command : {QStringLiteral("info"), QStringLiteral("schedule")}) {
        Run r = jobtool({command, broken});
        QCOMPARE(r.code, 2);
        QVERIFY2(r.err.startsWith(QStringLiteral("jobtool: Error parsing job file")),
                 qPrintable(r.err));
        QVERIFY2(!r.err.contains(QStringLiteral("errMsg")), qPrintable(r.err));

        r = jobtool({command, broken, QStringLiteral("--verbose")});
        QCOMPARE(r.code, 2);
        QVERIFY2(r.err.contains(QStringLiteral("errMsg =")), qPrintable(r.err));
        QVERIFY(r.err.contains(QStringLiteral("jobtool: Error parsing job file")));
    }
    const Run r = jobtool({QStringLiteral("--verbose"), QStringLiteral("info"), broken});
    QCOMPARE(r.code, 2);
    QVERIFY(r.err.contains(QStringLiteral("errLine =")));
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
