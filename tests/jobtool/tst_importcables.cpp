// jobtool import-cables: a spreadsheet's cable list goes into the job whole
// or not at all.
#include "jobfixture.h"
#include "jobtoolrun.h"

#include <QtTest>

using namespace JobFixture;
using namespace JobToolRun;

class TestImportCables : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void goodFileAddsEveryRow();
    void badLastRowAddsNothing();
    void everyProblemIsListed_data();
    void everyProblemIsListed();
    void dryRunWritesNothing();
    void generatedIdTakenByALaterRow();

private:
    QString writeCsv(const QByteArray& text);
    QTemporaryDir m_dir;
    QString m_job;
};

void TestImportCables::init()
{
    m_job = m_dir.filePath(QStringLiteral("%1.job").arg(QTest::currentTestFunction()));
    QFile::remove(m_job);
    QVERIFY(QFile::copy(example(), m_job));
    QFile::setPermissions(m_job, QFile::ReadOwner | QFile::WriteOwner);
}

QString TestImportCables::writeCsv(const QByteArray& text)
{
    const QString path = m_dir.filePath(QStringLiteral("%1.csv").arg(QTest::currentTestFunction()));
    writeFile(path, text);
    return path;
}

void TestImportCables::goodFileAddsEveryRow()
{
    // What a spreadsheet writes: a byte order mark, CRLF, columns in its own
    // order and case, quoted fields with commas and quotes, an extra column.
    const QString csv =
        writeCsv("\xEF\xBB\xBF"
                 "Type,From,To,ID,Use,Bundle,Notes\r\n"
                 "CAT6,MDF-03,P05,\"Riser, spare\",Network,,\"left \"\"as is\"\"\"\r\n"
                 "CAT5E,MDF-04,P03,,Phone,,\r\n"
                 "CAT6,MDF-01,P02,,Network,Desk pair,\r\n"
                 "CAT6,MDF-02,P01,,Network,Desk pair,\"two\r\nlines\"\r\n");
    const QByteArray before = readFile(m_job);
    const Run r = jobtool({QStringLiteral("import-cables"), m_job, csv});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QVERIFY(r.out.contains(QStringLiteral("Added 4 cables")));
    QVERIFY(r.out.contains(QStringLiteral("Ignored columns: Notes")));
    QVERIFY(readFile(m_job) != before);

    Ductbook::Destroy();
    Ductbook& job = Ductbook::Instance();
    QVERIFY(job.Load(m_job));
    QCOMPARE(job.getCables(true).size(), 6 + 4);
    const Cable spare = job.getCableById(QStringLiteral("Riser, spare"));
    QCOMPARE(spare.from(), QStringLiteral("MDF-03"));
    QCOMPARE(spare.to(), QStringLiteral("P05"));
    QCOMPARE(spare.type(), QStringLiteral("CAT6"));
    QCOMPARE(spare.use(), QStringLiteral("Network"));
    QCOMPARE(spare.color(), job.getTestDef(QStringLiteral("CAT6")).color());
    QCOMPARE(spare.testResults().status(), QStringLiteral("UNTESTED"));
    // Rows without an id get the job's next ones, in file order.
    const QStringList ids = job.getCables(false);
    QCOMPARE(ids.mid(6), (QStringList{"Riser, spare", "Cable007", "Cable008", "Cable009"}));
    const Cable phone = job.getCableById(QStringLiteral("Cable007"));
    QCOMPARE(phone.type(), QStringLiteral("CAT5E"));
    QCOMPARE(phone.color(), QStringLiteral("#ff00ff"));
    // The two rows of one bundle form one new group, after the job's group 1.
    const Cable a = job.getCableById(QStringLiteral("Cable008"));
    const Cable b = job.getCableById(QStringLiteral("Cable009"));
    QCOMPARE(a.bundleName(), QStringLiteral("Desk pair"));
    QCOMPARE(a.bundleGroupNum(), QStringLiteral("2"));
    QCOMPARE(b.bundleGroupNum(), QStringLiteral("2"));
    QCOMPARE(a.bundleNum(), QStringLiteral("2"));
    QVERIFY(!phone.inBundle());
    Ductbook::Destroy();
}

void TestImportCables::badLastRowAddsNothing()
{
    const QString csv = writeCsv("from,to,type\n"
                                 "MDF-03,P05,CAT6\n"
                                 "MDF-04,P03,CAT5E\n"
                                 "MDF-01,P99,CAT6\n");
    const QByteArray before = readFile(m_job);
    const QDateTime modified = QFileInfo(m_job).lastModified();
    const Run r = jobtool({QStringLiteral("import-cables"), m_job, csv});
    QCOMPARE(r.code, 2);
    QVERIFY(r.out.isEmpty());
    QVERIFY2(r.err.contains(QStringLiteral("1 problem; nothing was added")), qPrintable(r.err));
    QVERIFY2(r.err.contains(QStringLiteral("line 4: unknown port 'P99'")), qPrintable(r.err));
    QCOMPARE(readFile(m_job), before);
    QCOMPARE(QFileInfo(m_job).lastModified(), modified);
}

void TestImportCables::everyProblemIsListed_data()
{
    QTest::addColumn<QByteArray>("rows"); // below the header "from,to,type,id,use,bundle"
    QTest::addColumn<QStringList>("problems");

    QTest::newRow("unknown ports and type")
        << QByteArray("MDF-01,P01,CAT6,,,\nMDF-09,P01,CAT6,,,\nMDF-01,P01,CAT7,,,\n")
        << QStringList{"line 3: unknown port 'MDF-09'", "line 4: unknown cable type 'CAT7'"};
    QTest::newRow("missing fields")
        << QByteArray(",P01,CAT6,,,\nMDF-01,P01,,,,\nMDF-01,,CAT6,,,\n")
        << QStringList{"line 2: no 'from' port", "line 3: no cable type", "line 4: no 'to' port"};
    QTest::newRow("malformed records, counted by physical line")
        << QByteArray("MDF-01,P01,CAT6,\"two\nlines\",,\nMDF-01,P01,CA\"T6,,,\nMDF-01,P01\n")
        << QStringList{"line 4: a quote inside field 3", "line 5: 2 fields where the header has 6"};
    QTest::newRow("duplicate ids")
        << QByteArray("MDF-01,P01,CAT6,Cable003,,\nMDF-01,P01,CAT6,X1,,\nMDF-02,P02,CAT6,X1,,\n")
        << QStringList{"line 2: the job already has a cable 'Cable003'",
                       "line 4: cable 'X1' is also on line 3"};
    QTest::newRow("use and ends") << QByteArray("MDF-01,P01,CAT6,,Telex,\nP01,P01,CAT6,,,\n")
                                  << QStringList{"line 2: unknown use 'Telex'",
                                                 "line 3: both ends are port 'P01'"};
    QTest::newRow("bundles")
        << QByteArray("MDF-01,P01,CAT6,,,Trunk\nMDF-01,P01,CAT5E,,,Desk pair\n")
        << QStringList{"line 2: unknown bundle 'Trunk'",
                       "line 3: type 'CAT5E' is not part of bundle 'Desk pair' (CAT6, CAT6)"};
    QTest::newRow("text a job file cannot hold")
        << QByteArray("MDF-01,P01,CAT6,\xE5\xAE\xA4"
                      "1,,\n")
        << QStringList{"line 2: '\xE5\xAE\xA4"
                       "1' has characters that a job file cannot hold"};
}

void TestImportCables::everyProblemIsListed()
{
    QFETCH(QByteArray, rows);
    QFETCH(QStringList, problems);
    const QString csv = writeCsv("from,to,type,id,use,bundle\n" + rows);
    const QByteArray before = readFile(m_job);
    const Run r = jobtool({QStringLiteral("import-cables"), m_job, csv});
    QCOMPARE(r.code, 2);
    QVERIFY2(r.err.contains(QStringLiteral("%1 problem").arg(problems.size())), qPrintable(r.err));
    for (const QString& p : problems)
        QVERIFY2(r.err.contains(p), qPrintable(r.err + QStringLiteral("\nmissing: ") + p));
    QCOMPARE(readFile(m_job), before);
}

void TestImportCables::dryRunWritesNothing()
{
    const QString csv = writeCsv("from,to,type\nMDF-03,P05,CAT6\nMDF-04,P03,CAT5E\n");
    const QByteArray before = readFile(m_job);
    const Run r =
        jobtool({QStringLiteral("import-cables"), m_job, csv, QStringLiteral("--dry-run")});
    QCOMPARE(r.code, 0);
    QVERIFY(r.out.contains(QStringLiteral("Cable007  MDF-03 -> P05  CAT6")));
    QVERIFY(r.out.contains(QStringLiteral("Would add 2 cables")));
    QCOMPARE(readFile(m_job), before);

    // The header alone, or a header without the needed columns, is refused.
    for (const QByteArray& text :
         {QByteArray("from,to,type\n"), QByteArray("from,type\nP01,CAT6\n")}) {
        const Run bad = jobtool({QStringLiteral("import-cables"), m_job, writeCsv(text)});
        QCOMPARE(bad.code, 2);
        QVERIFY(bad.err.contains(QStringLiteral("line 1:")));
    }
    QCOMPARE(readFile(m_job), before);
}

// A row without an id takes the job's next free one when it is added; a
// later row that asks for that same id cannot have it, and the import stops
// before anything is saved.
void TestImportCables::generatedIdTakenByALaterRow()
{
    const QString csv = writeCsv("from,to,type,id\nMDF-03,P05,CAT6,\nMDF-04,P03,CAT5E,Cable007\n");
    const QByteArray before = readFile(m_job);
    const Run r = jobtool({QStringLiteral("import-cables"), m_job, csv});
    QCOMPARE(r.code, 2);
    QVERIFY2(r.err.contains(QStringLiteral("line 3: cable 'Cable007' was given to an earlier row")),
             qPrintable(r.err));
    QCOMPARE(readFile(m_job), before);
}

QTEST_GUILESS_MAIN(TestImportCables)
#include "tst_importcables.moc"
