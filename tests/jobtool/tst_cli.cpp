// What every jobtool command shares: its own --help, usage errors that write
// nothing, no file replaced unless asked, the library's diagnostics only
// with --verbose.
#include "fixtures.h"
#include "jobfixture.h"
#include "jobtoolrun.h"

#include <QtTest>

using namespace JobFixture;
using namespace JobToolRun;

class TestCli : public QObject
{
    Q_OBJECT
private slots:
    void everyCommandHasItsHelp();
    void usageErrorsWriteNothing_data();
    void usageErrorsWriteNothing();
    void existingOutputIsKept_data();
    void existingOutputIsKept();
    void outputNeverReplacesTheJob();
    void diagnosticsOnlyWhenVerbose();
    void everyJobCommandTakesTemplate();
    void missingTemplateFallsBackToTheDefault();

private:
    QTemporaryDir m_dir;
};

namespace {

// The commands as the global help lists them, in its order.
QStringList listedCommands()
{
    const Run help = jobtool({QStringLiteral("--help")});
    QStringList listed;
    const QRegularExpression commandLine(QStringLiteral("^  ([a-z][a-z-]*)[ ,]"));
    for (const QString& line : help.out.split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch m = commandLine.match(line);
        if (m.hasMatch() && !listed.contains(m.captured(1)))
            listed.append(m.captured(1));
    }
    return listed;
}

} // namespace

// Walks the command table through the global help: every command answers
// --help (or -h, wherever it stands) with its own lines of that help and
// nothing on stderr, without running.
void TestCli::everyCommandHasItsHelp()
{
    const Run global = jobtool({QStringLiteral("--help")});
    QCOMPARE(global.code, 0);
    const QStringList commands = listedCommands();
    QVERIFY2(commands.size() > 1, qPrintable(global.out));
    for (const QString& command : commands) {
        if (command == QLatin1String("help"))
            continue;
        for (const QStringList& args : {QStringList{command, "--help"},
                                        QStringList{command, "no-such.job", "-h"}}) {
            const Run r = jobtool(args);
            const QString what = args.join(QLatin1Char(' ')) + QStringLiteral(": ") + r.err;
            QVERIFY2(r.code == 0 && r.err.isEmpty(), qPrintable(what));
            QVERIFY2(r.out.startsWith(QStringLiteral("Usage: jobtool\n  ") + command),
                     qPrintable(r.out));
            const QString lines = r.out.mid(r.out.indexOf(QLatin1Char('\n')) + 1);
            QVERIFY2(global.out.contains(lines), qPrintable(lines));
        }
    }
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

// Walks the commands of the global help: each one that reads a job must take
// --template and convert an old job with it, so a template that is not there
// fails every one of them with the same reason (export and import once said
// only "Incompatible version"). A new command needs a row here.
void TestCli::everyJobCommandTakesTemplate()
{
    const QString old = m_dir.filePath(QStringLiteral("old-2.1.job"));
    QFile::remove(old);
    QVERIFY(QFile::copy(Fixtures::job(QStringLiteral("job-2.1.job")), old));
    const QByteArray before = readFile(old);
    const QString csv = m_dir.filePath(QStringLiteral("cables.csv"));
    QVERIFY(writeFile(csv, "from,to,type\r\nP01,P02,CAT6\r\n"));
    const QString out = m_dir.filePath(QStringLiteral("out"));
    const QMap<QString, QStringList> jobCommands{
        {"info", {old}},
        {"convert", {old, out}},
        {"schedule", {old}},
        {"report", {old}},
        {"render", {old, "--floor", "Floor_1"}},
        {"labels", {old, "--format", "csv"}},
        {"import-cables", {old, csv}},
        {"export", {old, out + QStringLiteral(".qvt")}},
        {"import", {old, Fixtures::qvt(QStringLiteral("default.qvt"))}},
    };
    const QStringList others{"new", "settings", "template", "help"};

    QStringList listed = listedCommands();
    QStringList expected = jobCommands.keys() + others;
    expected.sort();
    listed.sort();
    QCOMPARE(listed, expected);

    const QString missing = m_dir.filePath(QStringLiteral("no-such.qvt"));
    for (auto it = jobCommands.cbegin(); it != jobCommands.cend(); ++it) {
        const Run r =
            jobtool(QStringList{it.key()} + it.value() + QStringList{"--template", missing});
        QVERIFY2(r.code == 2, qPrintable(it.key() + QStringLiteral(": ") + r.err));
        QVERIFY2(r.err.contains(QStringLiteral("version 2.1 needs the default template")) &&
                     r.err.contains(missing),
                 qPrintable(it.key() + QStringLiteral(": ") + r.err));
        QVERIFY(r.out.isEmpty());
    }
    QCOMPARE(readFile(old), before);
    QVERIFY(!QFile::exists(out));
    QVERIFY(!QFile::exists(out + QStringLiteral(".qvt")));
}

// A fresh installation has no template at the configured place: an old job
// is converted with the default template and a line on stderr says so, while
// the output stays clean; a current job needs no template and hears nothing.
void TestCli::missingTemplateFallsBackToTheDefault()
{
    const QString old = Fixtures::job(QStringLiteral("job-2.1.job"));
    const QString configured = m_dir.filePath(QStringLiteral("gone.qvt"));
    QCOMPARE(jobtool({QStringLiteral("settings"), QStringLiteral("set"), QStringLiteral("QvtFile"),
                      configured})
                 .code,
             0);
    Run r = jobtool({QStringLiteral("info"), old, QStringLiteral("--json")});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QVERIFY2(r.err.contains(QStringLiteral("the configured template '%1' does not exist; "
                                           "converting with the default template")
                                .arg(configured)),
             qPrintable(r.err));
    QVERIFY(r.err.contains(QStringLiteral(".qvt'")));
    QVERIFY(r.out.startsWith(QLatin1Char('{')));
    QVERIFY(r.out.contains(QStringLiteral("\"convertedFrom\": \"2.1\"")));

    r = jobtool({QStringLiteral("schedule"), example()});
    QCOMPARE(r.code, 0);
    QCOMPARE(r.err, QString());

    // A template named on the command line is used as named, never replaced.
    r = jobtool({QStringLiteral("info"), old, QStringLiteral("--template"), configured});
    QCOMPARE(r.code, 2);
    QVERIFY(!r.err.contains(QStringLiteral("converting with the default template")));
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
