// The template document: new templates, loading, saving and the file-level
// guarantees it shares with the job.
#include "filesizelimit.h"
#include "jobfixture.h"

#include <qvteditor.h>

#include <QtTest>

using namespace JobFixture;

namespace {

// Reaches the protected constructors and the tree, as a host's subclass could.
class TemplateUnderTest : public QvtEditor
{
public:
    TemplateUnderTest() = default;
    explicit TemplateUnderTest(const QString& filename) : QvtEditor(filename) {}
    QDomDocument& dom() { return document; }
};

const QByteArray CurrentTemplate =
    "<!DOCTYPE Qvt>\n<Qvt>\n <Version number=\"3.0\"/>\n"
    " <Contractor_Info tester=\"Ann\" company=\"Acme\" email=\"\" phone=\"\" logo=\"\">\n"
    "  <Address address1=\"\" address2=\"\" city=\"Leeds\" state=\"\" zipcode=\"\" "
    "country=\"\"/>\n </Contractor_Info>\n <TestDef_List/>\n <BundledCable_List/>\n</Qvt>\n";

} // namespace

class TestQvtEditor : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void newThenSaveWritesSkeleton();
    void newWithNullName();
    void instanceIsOneObjectUntilDestroyed();

    void loadFailures();
    void loadParseErrorNamesLineAndColumn();
    void loadRejectsUnknownVersions_data();
    void loadRejectsUnknownVersions();
    void checkVersionTexts();
    void loadOfCurrentVersionWritesNothing();

    void saveFailures();
    void saveAsWritesACopy();
    void flagAndErrorAfterSaveAndLoad();
    void failedWriteKeepsPreviousFile_data();
    void failedWriteKeepsPreviousFile();
    void textBeyondLatin1SurvivesSaveAndLoad();
    void failedLoadIsNotWrittenOver_data();
    void failedLoadIsNotWrittenOver();
    void fileNameConstructorNeverEndsTheProcess_data();
    void fileNameConstructorNeverEndsTheProcess();

    void extensionCheck_data();
    void extensionCheck();

private:
    QTemporaryDir m_dir;
};

void TestQvtEditor::init()
{
    QVERIFY(m_dir.isValid());
}

void TestQvtEditor::cleanup()
{
    QvtEditor::Destroy();
}

void TestQvtEditor::newThenSaveWritesSkeleton()
{
    QvtEditor& t = QvtEditor::Instance();
    const QString path = m_dir.filePath(QStringLiteral("x.qvt"));
    QVERIFY(t.New(path));
    QCOMPARE(t.filename(), path);
    QVERIFY(!QFile::exists(path));
    QVERIFY2(t.save(), qPrintable(t.error()));

    const QByteArray bytes = readFile(path);
    QVERIFY(bytes.startsWith("<!DOCTYPE Qvt>\n<Qvt>\n <Version number=\"3.0\"/>\n"
                             " <Contractor_Info company=\"\" email=\"\" logo=\"\" phone=\"\" "
                             "tester=\"\">\n  <Address address1=\"\" address2=\"\" city=\"\" "
                             "country=\"\" state=\"\" zipcode=\"\"/>\n"));
    QVERIFY(!bytes.contains("<?xml"));
    QCOMPARE(topLevelNames(bytes),
             (QStringList{"Version", "Contractor_Info", "Settings_List", "JobNotes_Text",
                          "TestDef_List", "BundledCable_List"}));
    QVERIFY(bytes.endsWith(" <JobNotes_Text text=\"\"/>\n <TestDef_List/>\n"
                           " <BundledCable_List/>\n</Qvt>\n"));
    QCOMPARE(t.getPrintSettings(QStringLiteral("FloorPlan_Settings")).orientation(), 1);
    QCOMPARE(t.getPrintSettings(QStringLiteral("JobInfo_Settings")).orientation(), 0);

    // A second new template saves to the same bytes: nothing of the first
    // survives New, and the writer's order does not depend on the run.
    QVERIFY(t.New(m_dir.filePath(QStringLiteral("y.qvt"))));
    QVERIFY(t.save());
    QCOMPARE(readFile(m_dir.filePath(QStringLiteral("y.qvt"))), bytes);
}

void TestQvtEditor::newWithNullName()
{
    QvtEditor& t = QvtEditor::Instance();
    QVERIFY(!t.New(QString()));
    QCOMPARE(t.error(), QStringLiteral("Unable to create template with NULL filename"));
    // An empty name is a name: the skeleton is built, saving is refused.
    QVERIFY(t.New(QLatin1String("")));
    QVERIFY(!t.save());
    QCOMPARE(t.error(), QStringLiteral("Filename is empty."));
}

void TestQvtEditor::instanceIsOneObjectUntilDestroyed()
{
    QvtEditor& first = QvtEditor::Instance();
    QCOMPARE(&QvtEditor::Instance(), &first);
    QVERIFY(first.New(m_dir.filePath(QStringLiteral("a.qvt"))));
    first.setContractorTester(QStringLiteral("Ann"));
    QvtEditor::Destroy();
    QvtEditor& second = QvtEditor::Instance();
    QCOMPARE(second.filename(), QString());
    QCOMPARE(second.getContractorTester(), QString());
    QVERIFY(!second.save());
}

void TestQvtEditor::loadFailures()
{
    QvtEditor& t = QvtEditor::Instance();
    QVERIFY(!t.Load(QString()));
    QCOMPARE(t.error(), QStringLiteral("Empty or null filename in QvtEditor::Load"));
    QVERIFY(!t.Load(QLatin1String("")));
    QCOMPARE(t.error(), QStringLiteral("Empty or null filename in QvtEditor::Load"));

    const QString missing = m_dir.filePath(QStringLiteral("missing.qvt"));
    QVERIFY(!t.Load(missing));
    QCOMPARE(t.error(), QStringLiteral("Qvt file %1 does not exist").arg(missing));
    QCOMPARE(t.filename(), missing);

    const QString folder = m_dir.filePath(QStringLiteral("folder.qvt"));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(!t.Load(folder));
    QVERIFY(!t.error().isEmpty());
    QVERIFY(!t.error().contains(QStringLiteral("does not exist")));
    QCOMPARE(t.filename(), folder);
}

void TestQvtEditor::loadParseErrorNamesLineAndColumn()
{
    const QString path = m_dir.filePath(QStringLiteral("broken.qvt"));
    QVERIFY(writeFile(path, "<!DOCTYPE Qvt>\n<Qvt>\n <Version number=\"3.0\">\n</Qvt>\n"));
    QvtEditor& t = QvtEditor::Instance();
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^errMsg = .+")));
    QTest::ignoreMessage(QtDebugMsg, "errLine = 4");
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^errColumn = \\d+$")));
    QVERIFY(!t.Load(path));
    const QRegularExpression expected(
        QStringLiteral("^Error parsing Qvt file %1\\n on line 4,\\n column \\d+,\\n.+$")
            .arg(QRegularExpression::escape(path)),
        QRegularExpression::DotMatchesEverythingOption);
    QVERIFY2(expected.match(t.error()).hasMatch(), qPrintable(t.error()));
}

void TestQvtEditor::loadRejectsUnknownVersions_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("2.0") << QByteArray("<Qvt><Version number=\"2.0\"/><TestDef_List/></Qvt>");
    QTest::newRow("no version") << QByteArray("<Qvt><TestDef_List/></Qvt>");
    QTest::newRow("empty number") << QByteArray("<Qvt><Version/></Qvt>");
    QTest::newRow("root without children") << QByteArray("<Qvt/>");
    QTest::newRow("3 without the point") << QByteArray("<Qvt><Version number=\"3\"/></Qvt>");
}

void TestQvtEditor::loadRejectsUnknownVersions()
{
    QFETCH(QByteArray, text);
    const QString path = m_dir.filePath(QStringLiteral("odd.qvt"));
    QVERIFY(writeFile(path, text));
    QvtEditor& t = QvtEditor::Instance();
    QVERIFY(!t.Load(path));
    QCOMPARE(t.error(), QStringLiteral("Incompatible version of Qvt file"));
    QCOMPARE(t.filename(), path);
    QCOMPARE(readFile(path), text);
}

// The texts checkVersion leaves when called on its own, before Load replaces
// them with the one the user sees.
void TestQvtEditor::checkVersionTexts()
{
    TemplateUnderTest t;
    QVERIFY(!t.checkVersion());
    QCOMPARE(t.error(), QStringLiteral("_doc has no child nodes in QvtEditor::checkVersion"));

    QDomElement root = t.dom().createElement(QStringLiteral("Qvt"));
    t.dom().appendChild(root);
    QVERIFY(!t.checkVersion());
    QCOMPARE(
        t.error(),
        QStringLiteral("there are no nodes below root node in _doc in QvtEditor::checkVersion"));

    root.appendChild(t.dom().createElement(QStringLiteral("TestDef_List")));
    QVERIFY(!t.checkVersion());
    QCOMPARE(t.error(), QStringLiteral("version Doesn't Exist in QvtEditor::checkVersion"));

    QDomElement version = t.dom().createElement(QStringLiteral("Version"));
    version.setAttribute(QStringLiteral("number"), QStringLiteral("9.9"));
    root.appendChild(version);
    QVERIFY(!t.checkVersion());
    QCOMPARE(t.error(), QStringLiteral("9.9 is a bad version number in QvtEditor::checkVersion."));

    version.setAttribute(QStringLiteral("number"), QStringLiteral("3.0"));
    QVERIFY(t.checkVersion());
}

void TestQvtEditor::loadOfCurrentVersionWritesNothing()
{
    const QString path = m_dir.filePath(QStringLiteral("current.qvt"));
    QVERIFY(writeFile(path, CurrentTemplate));
    QvtEditor& t = QvtEditor::Instance();
    QVERIFY2(t.Load(path), qPrintable(t.error()));
    QCOMPARE(t.getContractorCompany(), QStringLiteral("Acme"));
    QCOMPARE(t.getContractorAddress().city(), QStringLiteral("Leeds"));
    QCOMPARE(readFile(path), CurrentTemplate);
}

void TestQvtEditor::saveFailures()
{
    QvtEditor& t = QvtEditor::Instance();
    QVERIFY(t.New(QStringLiteral(".qvt")));
    QVERIFY(!t.save());
    QCOMPARE(t.error(), QStringLiteral("Filename is empty."));
    QVERIFY(!QFile::exists(QStringLiteral(".qvt")));

    const QString named = m_dir.filePath(QStringLiteral("named.qvt"));
    QVERIFY(t.New(named));
    for (const QString& bad : {QString(), QStringLiteral(""), QStringLiteral(".qvt")}) {
        QVERIFY(!t.saveAs(bad));
        QCOMPARE(t.error(), QStringLiteral("Unable to Save file (NULL)"));
    }

    // A parent that is a file: the file's own error text, nothing written.
    const QString notAFolder = m_dir.filePath(QStringLiteral("plain"));
    QVERIFY(writeFile(notAFolder, "x"));
    QVERIFY(!t.saveAs(notAFolder + QStringLiteral("/child.qvt")));
    QVERIFY(!t.error().isEmpty());
    QCOMPARE(t.filename(), named);
}

void TestQvtEditor::saveAsWritesACopy()
{
    QvtEditor& t = QvtEditor::Instance();
    const QString original = m_dir.filePath(QStringLiteral("original.qvt"));
    const QString copy = m_dir.filePath(QStringLiteral("copy.qvt"));
    QVERIFY(t.New(original));
    t.setContractorCompany(QStringLiteral("Acme"));
    QVERIFY(t.saveAs(copy));
    QCOMPARE(t.filename(), original);
    QVERIFY(!QFile::exists(original));
    // The copy is not the template's own file: its edits are still unsaved.
    QCOMPARE(t.isChanged(), true);

    QvtEditor::Destroy();
    QVERIFY(QvtEditor::Instance().Load(copy));
    QCOMPARE(QvtEditor::Instance().getContractorCompany(), QStringLiteral("Acme"));
}

// The flag says whether the template holds edits that are not in its own
// file: a template just saved or loaded has none.
void TestQvtEditor::flagAndErrorAfterSaveAndLoad()
{
    QvtEditor& t = QvtEditor::Instance();
    const QString path = m_dir.filePath(QStringLiteral("flag.qvt"));
    QVERIFY(t.New(path));
    QCOMPARE(t.isChanged(), true);
    QVERIFY(t.save());
    QCOMPARE(t.isChanged(), false);
    t.setContractorTester(QStringLiteral("Ann"));
    QCOMPARE(t.isChanged(), true);
    QVERIFY(t.Load(path));
    QCOMPARE(t.isChanged(), false);
    QCOMPARE(t.getContractorTester(), QString());

    // Nor does an earlier failure's text outlive a good load: callers that
    // judge a load by error() would take it for a failure.
    QVERIFY(!t.Load(m_dir.filePath(QStringLiteral("missing.qvt"))));
    QVERIFY(t.Load(path));
    QCOMPARE(t.error(), QString());
}

void TestQvtEditor::failedWriteKeepsPreviousFile_data()
{
    QTest::addColumn<int>("companyLength");
    QTest::newRow("cut at commit") << 2000;
    QTest::newRow("cut while writing") << 40000;
}

// A write that cannot complete (the file size limit stands for a full disk)
// reports failure and leaves the old file, wherever the disk cuts it.
void TestQvtEditor::failedWriteKeepsPreviousFile()
{
    QFETCH(int, companyLength);
    QTemporaryDir dir;
    QvtEditor& t = QvtEditor::Instance();
    QVERIFY(t.New(dir.filePath(QStringLiteral("keep.qvt"))));
    QVERIFY(t.save());
    const QByteArray before = readFile(t.filename());
    t.setContractorCompany(QString(companyLength, QLatin1Char('c')));

    bool saved = false;
    {
        FileSizeLimit disk(rlim_t(before.size()) + 100);
        QVERIFY(disk.isActive());
        saved = t.save();
    }
    QVERIFY(!saved);
    QVERIFY(!t.error().isEmpty());
    QCOMPARE(t.isChanged(), true);
    QCOMPARE(readFile(t.filename()), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"keep.qvt"});
}

void TestQvtEditor::textBeyondLatin1SurvivesSaveAndLoad()
{
    const QString company = QString::fromUtf8("\u0141\u00f3d\u017a Kabel \u6771\u4eac \u20ac <&>");
    QvtEditor& t = QvtEditor::Instance();
    const QString path = m_dir.filePath(QStringLiteral("unicode.qvt"));
    QVERIFY(t.New(path));
    t.setContractorCompany(company);
    QVERIFY(t.save());
    const QByteArray bytes = readFile(path);
    QVERIFY(bytes.contains("company=\"&#321;\xf3"
                           "d&#378; Kabel &#26481;&#20140; &#8364; &lt;&amp;"));

    QvtEditor::Destroy();
    QVERIFY(QvtEditor::Instance().Load(path));
    QCOMPARE(QvtEditor::Instance().getContractorCompany(), company);
}

void TestQvtEditor::failedLoadIsNotWrittenOver_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("cut short") << QByteArray("<!DOCTYPE Qvt>\n<Qvt>\n <Version number=\"3.0\">\n");
    QTest::newRow("unknown version")
        << QByteArray("<Qvt><Version number=\"2.0\"/><TestDef_List/></Qvt>");
}

// A template that failed to load is empty: neither the fragment the parser
// left nor the template held before is written over the file.
void TestQvtEditor::failedLoadIsNotWrittenOver()
{
    QFETCH(QByteArray, text);
    const QString path = m_dir.filePath(QStringLiteral("damaged.qvt"));
    QVERIFY(writeFile(path, text));
    QvtEditor& t = QvtEditor::Instance();
    QVERIFY(t.New(m_dir.filePath(QStringLiteral("previous.qvt"))));
    t.setContractorTester(QStringLiteral("Previous"));

    QVERIFY(!t.Load(path));
    QCOMPARE(t.filename(), path);
    QCOMPARE(t.getContractorTester(), QString());
    QVERIFY(t.getTypes().isEmpty());
    QVERIFY(!t.save());
    QCOMPARE(t.error(), QStringLiteral("There is no template to save"));
    QCOMPARE(readFile(path), text);

    // The same for a name that does not exist: the previous template is not
    // saved under it.
    const QString missing = m_dir.filePath(QStringLiteral("none.qvt"));
    QVERIFY(t.New(m_dir.filePath(QStringLiteral("previous.qvt"))));
    QVERIFY(!t.Load(missing));
    QVERIFY(!t.save());
    QVERIFY(!QFile::exists(missing));
}

void TestQvtEditor::fileNameConstructorNeverEndsTheProcess_data()
{
    QTest::addColumn<QByteArray>("text"); // empty: no file
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<QString>("company");
    QTest::newRow("no file: a new template") << QByteArray() << true << QString();
    QTest::newRow("current file: loaded") << CurrentTemplate << true << QStringLiteral("Acme");
    QTest::newRow("damaged file: empty, with the reason")
        << QByteArray("<Qvt><Version number=\"2.0\"/></Qvt>") << false << QString();
}

void TestQvtEditor::fileNameConstructorNeverEndsTheProcess()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, loaded);
    QFETCH(QString, company);
    const QString path = m_dir.filePath(QStringLiteral("ctor.qvt"));
    QFile::remove(path);
    if (!text.isEmpty())
        QVERIFY(writeFile(path, text));
    if (!loaded)
        QTest::ignoreMessage(QtDebugMsg,
                             "Load failed in QvtEditor::QvtEditor(const QString &filename)");

    TemplateUnderTest t(path);
    QCOMPARE(t.filename(), path);
    QCOMPARE(t.getContractorCompany(), company);
    QCOMPARE(t.dom().documentElement().isNull(), !loaded);
    QCOMPARE(t.error().isEmpty(), loaded);
    if (!loaded) {
        QCOMPARE(t.error(), QStringLiteral("Incompatible version of Qvt file"));
        QVERIFY(!t.save());
        QCOMPARE(readFile(path), text);
    }
}

void TestQvtEditor::extensionCheck_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("qvt");
    QTest::newRow("lower case") << "a.qvt" << true;
    QTest::newRow("upper case") << "A.QVT" << true;
    QTest::newRow("in a folder") << "/x.y/Default.Qvt" << true;
    QTest::newRow("backup of a template") << "a.qvt.bak" << false;
    QTest::newRow("no extension") << "qvt" << false;
    QTest::newRow("a job") << "a.job" << false;
}

void TestQvtEditor::extensionCheck()
{
    QFETCH(QString, name);
    QFETCH(bool, qvt);
    QCOMPARE(QvtEditor::checkQvtExtension(name), qvt);
}

QTEST_GUILESS_MAIN(TestQvtEditor)
#include "tst_qvteditor.moc"
