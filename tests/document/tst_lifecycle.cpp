// New jobs, loading, saving and the file-level guarantees of the job document.
#include "jobfixture.h"

#include <qvutils.h>
#include <runekit.h>

#include <QProcess>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

using namespace JobFixture;

class TestLifecycle : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void newJobSkeleton();
    void newJobSavedReloadsToSameBytes();
    void newJobTakesCeilingHeightFromSettings();
    void newUntitledSearchesJobFolder();
    void newWithNameAddsExtension_data();
    void newWithNameAddsExtension();
    void newWithNullName();
    void newReplacesLoadedJob();

    void loadFailures();
    void loadParseErrorNamesLineAndColumn();
    void loadRejectsUnknownVersions_data();
    void loadRejectsUnknownVersions();
    void loadToleratesDeclarationAndComment();
    void loadKeepsTopLevelOrderIndependent();

    void saveFailures();
    void saveAsReplacesExistingFile();
    void failedWriteKeepsPreviousFile();
    void failedLoadIsNotWrittenOver();
    void unloadEmptiesDocumentAndMaps();

    void textBeyondLatin1SurvivesSaveAndLoad();
    void sameDocumentSavesToSameBytesInAnotherProcess();

    void fileNameChecks_data();
    void fileNameChecks();

private:
    QTemporaryDir m_dir;
};

void TestLifecycle::init()
{
    QVERIFY(m_dir.isValid());
}

void TestLifecycle::cleanup()
{
    JobFixture::verifyAndClose();
}

void TestLifecycle::newJobSkeleton()
{
    Ductbook& job = newJob(m_dir, QStringLiteral("skeleton.job"));
    QCOMPARE(job.isChanged(), false);
    QVERIFY(job.save());
    const QByteArray bytes = readFile(job.filename());
    QVERIFY(bytes.startsWith("<!DOCTYPE Job>\n<Job>\n <Release/>\n"));
    QVERIFY(!bytes.contains("<?xml"));
    QCOMPARE(topLevelNames(bytes),
             (QStringList{"Release", "Version", "Contractor_Info", "Site_Info", "Cable_List",
                          "Connection_List", "Floor_List", "Sheet_List", "TestDef_List",
                          "BundledCable_List", "Settings_List", "JobNotes_Text",
                          "ActiveNetworkTest_List"}));
    QVERIFY(bytes.contains("<Version number=\"3.0\"/>"));
    QCOMPARE(job.getFloorTags(), QStringList{"FFloor_1"});
    QCOMPARE(job.getFloorIds(), QStringList{"Floor_1"});
    QCOMPARE(job.getSheetTags(), QStringList{"SSheet_1"});
    QCOMPARE(job.getSheetIds(), QStringList{"Sheet_1"});
    QVERIFY(bytes.contains("<ActiveNetworkTest_List>\n  <ActivePort_List/>\n"));
    QVERIFY(bytes.contains("<Undefined id=\"Undefined\">\n     <Port_List/>\n"
                           "     <VerticalRun_List/>\n"));
}

void TestLifecycle::newJobSavedReloadsToSameBytes()
{
    Ductbook& job = newJob(m_dir, QStringLiteral("roundtrip.job"));
    QVERIFY(job.save());
    const QByteArray first = readFile(job.filename());

    Ductbook::Destroy();
    Ductbook& again = Ductbook::Instance();
    QVERIFY2(again.Load(m_dir.filePath(QStringLiteral("roundtrip.job"))),
             qPrintable(again.error()));
    QCOMPARE(again.isChanged(), false);
    QCOMPARE(again.getFloorTags(), QStringList{"FFloor_1"});
    QVERIFY(again.saveAs(m_dir.filePath(QStringLiteral("roundtrip2.job"))));
    QCOMPARE(readFile(m_dir.filePath(QStringLiteral("roundtrip2.job"))), first);
}

void TestLifecycle::newJobTakesCeilingHeightFromSettings()
{
    Runekit::writeSettings({{QVUtils::FloorCeilingHeight, QStringLiteral("9.5")}});
    Ductbook& job = newJob(m_dir);
    QCOMPARE(job.getFloorCeilingHeight(QStringLiteral("FFloor_1")), 9.5);
    Runekit::writeSettings({{QVUtils::FloorCeilingHeight, QStringLiteral("8")}});
}

void TestLifecycle::newUntitledSearchesJobFolder()
{
    const QString folder = m_dir.filePath(QStringLiteral("jobs"));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(writeFile(folder + QStringLiteral("/Untitled1.job"), "x"));
    QVERIFY(writeFile(folder + QStringLiteral("/Untitled2.job"), "x"));
    // Without a trailing slash: New() adds it.
    Runekit::writeSettings({{QVUtils::JobPath, folder}});

    Ductbook& job = Ductbook::Instance();
    const QString name = job.New();
    QCOMPARE(name, folder + QStringLiteral("/Untitled3.job"));
    QCOMPARE(job.filename(), name);
    QVERIFY(!QFile::exists(name));
    QVERIFY(Ductbook::checkUntitledJob(name));
}

void TestLifecycle::newWithNameAddsExtension_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no extension") << "site"
                                  << "site.job";
    QTest::newRow("upper-case extension kept") << "site.JOB"
                                               << "site.JOB";
    QTest::newRow("other extension") << "site.txt"
                                     << "site.txt.job";
    QTest::newRow("empty name") << ""
                                << ".job";
}

void TestLifecycle::newWithNameAddsExtension()
{
    QFETCH(QString, given);
    QFETCH(QString, expected);
    Ductbook& job = Ductbook::Instance();
    QVERIFY(job.New(given));
    QCOMPARE(job.filename(), expected);
    if (expected == QLatin1String(".job")) {
        QVERIFY(!job.save());
        QCOMPARE(job.error(), QStringLiteral("Filename is Empty"));
    }
}

void TestLifecycle::newWithNullName()
{
    Ductbook& job = Ductbook::Instance();
    QVERIFY(!job.New(QString()));
    QCOMPARE(job.error(), QStringLiteral("Null filename given to New(const &Qstring)"));
}

void TestLifecycle::newReplacesLoadedJob()
{
    Ductbook& job = newJob(m_dir);
    QCOMPARE(job.addFloor(QString(), QStringLiteral("Floor_"), 8.0, QString(), 0),
             QStringLiteral("FFloor_2"));
    QVERIFY(job.New(m_dir.filePath(QStringLiteral("second.job"))));
    QCOMPARE(job.getFloorTags(), QStringList{"FFloor_1"});
    QVERIFY(job.save());
    QCOMPARE(topLevelNames(readFile(job.filename())).count(QStringLiteral("Floor_List")), 1);
}

void TestLifecycle::loadFailures()
{
    Ductbook& job = newJob(m_dir, QStringLiteral("before.job"));
    const QString before = job.filename();

    QVERIFY(!job.Load(QString()));
    QCOMPARE(job.error(), QStringLiteral("Empty or null filename in Ductbook::Load"));
    QCOMPARE(job.filename(), before);

    const QString missing = m_dir.filePath(QStringLiteral("missing.job"));
    QVERIFY(!job.Load(missing));
    QCOMPARE(job.error(), QStringLiteral("Job file %1 does not exist").arg(missing));
    QCOMPARE(job.filename(), missing);

    // A folder exists but cannot be opened as a file: the file's own error text.
    const QString folder = m_dir.filePath(QStringLiteral("folder.job"));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(!job.Load(folder));
    QVERIFY(!job.error().isEmpty());
    QVERIFY(!job.error().contains(QStringLiteral("does not exist")));
}

void TestLifecycle::loadParseErrorNamesLineAndColumn()
{
    const QString path = m_dir.filePath(QStringLiteral("broken.job"));
    QVERIFY(writeFile(path, "<!DOCTYPE Job>\n<Job>\n <Version number=\"3.0\">\n</Job>\n"));
    Ductbook& job = Ductbook::Instance();
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^errMsg =")));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^errLine =")));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^errColumn =")));
    QVERIFY(!job.Load(path));
    const QRegularExpression expected(
        QStringLiteral("^Error parsing job file %1\\n on line 4,\\n column \\d+,\\n.+$")
            .arg(QRegularExpression::escape(path)),
        QRegularExpression::DotMatchesEverythingOption);
    QVERIFY2(expected.match(job.error()).hasMatch(), qPrintable(job.error()));

    QVERIFY(writeFile(path, ""));
    QVERIFY(!job.Load(path));
    QVERIFY2(job.error() == QStringLiteral("Unable to parse job file %1").arg(path) ||
                 job.error().startsWith(QStringLiteral("Error parsing job file")),
             qPrintable(job.error()));
}

void TestLifecycle::loadRejectsUnknownVersions_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("2.0") << QByteArray("<Job><Version number=\"2.0\"/></Job>");
    QTest::newRow("no version") << QByteArray("<Job><Floor_List/></Job>");
    QTest::newRow("empty number") << QByteArray("<Job><Version/></Job>");
}

void TestLifecycle::loadRejectsUnknownVersions()
{
    QFETCH(QByteArray, text);
    const QString path = m_dir.filePath(QStringLiteral("old.job"));
    QVERIFY(writeFile(path, text));
    Ductbook& job = Ductbook::Instance();
    QVERIFY(!job.Load(path));
    QCOMPARE(job.error(), QStringLiteral("Incompatible version of job file %1").arg(path));
    QCOMPARE(job.filename(), path);
}

void TestLifecycle::loadToleratesDeclarationAndComment()
{
    const QByteArray text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                            "<!-- written by hand -->\n<!DOCTYPE Job>\n<Job>\n"
                            " <Version number=\"3.0\"/>\n"
                            " <Site_Info company=\"M\xfcller\" jobid=\"\" contact=\"\" email=\"\""
                            " phone=\"\"/>\n"
                            " <Floor_List><FFloor_1 id=\"Ground\"/></Floor_List>\n</Job>\n";
    QVERIFY(loadText(m_dir, text));
    Ductbook& job = Ductbook::Instance();
    QCOMPARE(job.getSiteCompany(), QString::fromUtf8("M\u00fcller"));
    QCOMPARE(job.getFloorIds(), QStringList{"Ground"});
    // Written back without the declaration, which would claim the wrong encoding.
    QVERIFY(job.save());
    const QByteArray saved = readFile(job.filename());
    QVERIFY(!saved.contains("<?xml"));
    QVERIFY(saved.contains("<!-- written by hand -->"));
}

void TestLifecycle::loadKeepsTopLevelOrderIndependent()
{
    QVERIFY(loadText(m_dir, "<Job><Floor_List><FFloor_2 id=\"Two\"/></Floor_List>"
                            "<Sheet_List><SSheet_1 id=\"Net\"/></Sheet_List>"
                            "<Version number=\"3.0\"/></Job>"));
    Ductbook& job = Ductbook::Instance();
    QCOMPARE(job.getFloorTagById(QStringLiteral("Two")), QStringLiteral("FFloor_2"));
    QCOMPARE(job.getSheetIdByTag(QStringLiteral("SSheet_1")), QStringLiteral("Net"));
}

void TestLifecycle::saveFailures()
{
    Ductbook& job = newJob(m_dir);
    job.Unload();
    QVERIFY(!job.save());
    QCOMPARE(job.error(), QStringLiteral("Filename is Empty"));

    job.New(m_dir.filePath(QStringLiteral("named.job")));
    QVERIFY(!job.saveAs(QStringLiteral(".job")));
    QCOMPARE(job.error(), QStringLiteral("Filename is Empty"));

    QTest::ignoreMessage(QtDebugMsg, "Filename given to Ductbook is a directory");
    QVERIFY(!job.saveAs(m_dir.path()));
    QCOMPARE(job.error(), QStringLiteral("Filename given is a directory"));

    // A parent that is a file: the open fails with the file's own text and the
    // name stays what it was.
    const QString notAFolder = m_dir.filePath(QStringLiteral("plain"));
    QVERIFY(writeFile(notAFolder, "x"));
    QVERIFY(!job.saveAs(notAFolder + QStringLiteral("/child.job")));
    QVERIFY(!job.error().isEmpty());
    QCOMPARE(job.filename(), m_dir.filePath(QStringLiteral("named.job")));
}

void TestLifecycle::saveAsReplacesExistingFile()
{
    const QString target = m_dir.filePath(QStringLiteral("existing.job"));
    QVERIFY(writeFile(target, "old contents"));
    Ductbook& job = newJob(m_dir);
    job.setSiteCompany(QStringLiteral("Acme"));
    QTest::ignoreMessage(QtDebugMsg, "Overwriting in Ductbook::saveAs");
    QVERIFY(job.saveAs(target));
    QCOMPARE(job.filename(), target);
    QCOMPARE(job.isChanged(), false);
    QVERIFY(readFile(target).contains("company=\"Acme\""));
}

// A write that cannot complete (here: the file size limit, which stands for a
// full disk and holds for root too) reports failure and leaves the old file.
void TestLifecycle::failedWriteKeepsPreviousFile()
{
    QTemporaryDir dir;
    Ductbook& job = newJob(dir, QStringLiteral("keep.job"));
    QVERIFY(job.save());
    const QByteArray before = readFile(job.filename());
    job.setJobNotesText(QString(20000, QLatin1Char('n')));

    struct rlimit old;
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 4096;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = job.save();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previousHandler);

    QVERIFY(!saved);
    QVERIFY(!job.error().isEmpty());
    QCOMPARE(job.isChanged(), true);
    QCOMPARE(readFile(job.filename()), before);
    const QStringList leftovers = QDir(dir.path()).entryList(QDir::Files);
    QCOMPARE(leftovers, QStringList{"keep.job"});
}

void TestLifecycle::failedLoadIsNotWrittenOver()
{
    const QString path = m_dir.filePath(QStringLiteral("damaged.job"));
    const QByteArray damaged = "<!DOCTYPE Job>\n<Job>\n <Version number=\"3.0\">\n";
    QVERIFY(writeFile(path, damaged));
    Ductbook& job = Ductbook::Instance();
    QVERIFY(!job.Load(path));
    QVERIFY(!job.save());
    QCOMPARE(readFile(path), damaged);

    // The same for a file that parses but cannot be converted.
    const QByteArray old = "<Job><Version number=\"2.0\"/><Floor_List/></Job>";
    QVERIFY(writeFile(path, old));
    QVERIFY(!job.Load(path));
    QVERIFY(!job.save());
    QCOMPARE(readFile(path), old);
}

void TestLifecycle::unloadEmptiesDocumentAndMaps()
{
    Ductbook& job = newJob(m_dir);
    job.setDirty(true);
    job.Unload();
    QCOMPARE(job.filename(), QString());
    QCOMPARE(job.error(), QStringLiteral("Unloading"));
    QCOMPARE(job.isChanged(), false);
    QVERIFY(job.getFloorTags().isEmpty());
    QCOMPARE(job.getSiteCompany(), QString());
    // A new job after Unload starts from FFloor_1 and keeps its document type.
    QVERIFY(job.New(m_dir.filePath(QStringLiteral("after.job"))));
    QCOMPARE(job.getFloorTags(), QStringList{"FFloor_1"});
    QVERIFY(job.save());
    QVERIFY(readFile(job.filename()).startsWith("<!DOCTYPE Job>\n"));
}

void TestLifecycle::textBeyondLatin1SurvivesSaveAndLoad()
{
    const QString company = QString::fromUtf8("\u0141\u00f3d\u017a Kabel \u6771\u4eac \u20ac");
    const QString notes = QString::fromUtf8("Line one\nLine two \U0001F50C <&> \"quoted\"");
    Ductbook& job = newJob(m_dir, QStringLiteral("unicode.job"));
    job.setSiteCompany(company);
    job.setJobNotesText(notes);
    QVERIFY(job.save());

    const QByteArray bytes = readFile(job.filename());
    QVERIFY(!bytes.contains('?'));

    Ductbook::Destroy();
    Ductbook& again = Ductbook::Instance();
    QVERIFY(again.Load(m_dir.filePath(QStringLiteral("unicode.job"))));
    QCOMPARE(again.getSiteCompany(), company);
    QCOMPARE(again.getJobNotesText(), notes);
}

// QDom keeps attributes in a hash seeded per process: the same document must
// still give the same bytes when another process saves it.
void TestLifecycle::sameDocumentSavesToSameBytesInAnotherProcess()
{
    Ductbook& job = newJob(m_dir, QStringLiteral("mine.job"));
    Address a(QStringLiteral("1 Main St"), QStringLiteral("Suite 2"), QStringLiteral("Springfield"),
              QStringLiteral("IL"), QStringLiteral("62701"), QStringLiteral("USA"));
    job.setSiteData(QStringLiteral("J-17"), QStringLiteral("Acme"), QStringLiteral("Ann"),
                    QStringLiteral("ann@example.com"), QStringLiteral("555"), a);
    QVERIFY(job.save());

    const QString copy = m_dir.filePath(QStringLiteral("theirs.job"));
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("GRIDWELL_RESAVE_FROM"), job.filename());
    env.insert(QStringLiteral("GRIDWELL_RESAVE_TO"), copy);
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), QStringList());
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitCode(), 0);
    QCOMPARE(readFile(copy), readFile(job.filename()));
}

void TestLifecycle::fileNameChecks_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("isJob");
    QTest::addColumn<bool>("isUntitled");
    QTest::newRow("upper-case untitled") << "C:/jobs/UNTITLED12.job" << true << true;
    QTest::newRow("untitled with letter") << "untitledX.job" << true << true;
    QTest::newRow("too short") << "Untitle.job" << true << false;
    QTest::newRow("backup copy") << "a.job.bak" << false << false;
    QTest::newRow("extension case") << "/x/site.JoB" << true << false;
}

void TestLifecycle::fileNameChecks()
{
    QFETCH(QString, name);
    QFETCH(bool, isJob);
    QFETCH(bool, isUntitled);
    QCOMPARE(Ductbook::checkJobExtension(name), isJob);
    QCOMPARE(Ductbook::checkUntitledJob(name), isUntitled);
}

// Run as a child process by sameDocumentSavesToSameBytesInAnotherProcess.
static int resaveAndExit()
{
    Ductbook& job = Ductbook::Instance();
    const bool ok = job.Load(qEnvironmentVariable("GRIDWELL_RESAVE_FROM")) &&
                    job.saveAs(qEnvironmentVariable("GRIDWELL_RESAVE_TO"));
    Ductbook::Destroy();
    return ok ? 0 : 1;
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsSet("GRIDWELL_RESAVE_FROM"))
        return resaveAndExit();
    TestLifecycle tc;
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_lifecycle.moc"
