// jobtool's template commands end to end: template new/info, export, import.
#include "fixtures.h"
#include "jobfixture.h"
#include "jobtoolrun.h"

#include <qvteditor.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

using namespace JobFixture;
using namespace JobToolRun;

namespace {

QString exampleTemplate()
{
    return QStringLiteral(GRIDWELL_SOURCE_DIR "/examples/northline.qvt");
}

QString exampleJob()
{
    return QStringLiteral(GRIDWELL_SOURCE_DIR "/examples/office.job");
}

QJsonObject json(const Run& r)
{
    return QJsonDocument::fromJson(r.out.toUtf8()).object();
}

QStringList ids(const QJsonArray& array)
{
    QStringList list;
    for (const QJsonValue& v : array)
        list.append(v.toObject().value(QStringLiteral("id")).toString());
    return list;
}

} // namespace

class TestJobtoolTemplate : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void exampleTemplateSavesBackUnchanged();
    void infoOnTheExample();
    void infoAsJson();
    void infoLeavesAnOldTemplateAsItIs();
    void infoOfBrokenFiles();
    void newWritesALoadableTemplate();
    void exportWritesTheJobsDefaults();
    void importGivesTheJobTheTemplatesDefaults();
    void usageErrors_data();
    void usageErrors();

private:
    QTemporaryDir m_dir;
};

void TestJobtoolTemplate::init()
{
    QVERIFY(m_dir.isValid());
}

// The example is written exactly as the library writes a template.
void TestJobtoolTemplate::exampleTemplateSavesBackUnchanged()
{
    QvtEditor& t = QvtEditor::Instance();
    QVERIFY2(t.Load(exampleTemplate()), qPrintable(t.error()));
    const QString copy = m_dir.filePath(QStringLiteral("copy.qvt"));
    QVERIFY(t.saveAs(copy));
    QCOMPARE(readFile(copy), readFile(exampleTemplate()));
    QvtEditor::Destroy();
}

void TestJobtoolTemplate::infoOnTheExample()
{
    const Run r = jobtool({QStringLiteral("template"), QStringLiteral("info"), exampleTemplate()});
    QCOMPARE(r.code, 0);
    QVERIFY(r.out.contains(QStringLiteral("Version       3.0\n")));
    QVERIFY(r.out.contains(QStringLiteral("Northline Cabling Ltd")));
    QVERIFY(r.out.contains(QStringLiteral("Test definitions 15\n")));
    QVERIFY(r.out.contains(QRegularExpression(
        QStringLiteral("CAT6A +6 +10000 +330 +1480 +280 +450 +1111 +yes +no +#0055aa"))));
    QVERIFY(r.out.contains(QStringLiteral("Bundled cable types 6\n")));
    QVERIFY(r.out.contains(QStringLiteral("paperSize=Tabloid: 11 in. x 17 in.")));
}

void TestJobtoolTemplate::infoAsJson()
{
    const Run r = jobtool({QStringLiteral("template"), QStringLiteral("info"), exampleTemplate(),
                           QStringLiteral("--json")});
    QCOMPARE(r.code, 0);
    const QJsonObject o = json(r);
    QCOMPARE(o.value(QStringLiteral("version")).toString(), QStringLiteral("3.0"));
    QCOMPARE(o.value(QStringLiteral("storedVersion")).toString(), QStringLiteral("3.0"));
    QCOMPARE(
        o.value(QStringLiteral("contractor")).toObject().value(QStringLiteral("city")).toString(),
        QStringLiteral("Chicago"));
    const QJsonArray defs = o.value(QStringLiteral("testDefinitions")).toArray();
    QCOMPARE(defs.size(), 15);
    const QJsonObject rg6 = defs.at(5).toObject();
    QCOMPARE(rg6.value(QStringLiteral("id")).toString(), QStringLiteral("RG-6"));
    QCOMPARE(rg6.value(QStringLiteral("maxLength")).toInt(), -1);
    QCOMPARE(rg6.value(QStringLiteral("pairsInUse")).toString(), QStringLiteral("1000"));
    const QJsonArray bundles = o.value(QStringLiteral("bundledCableTypes")).toArray();
    QCOMPARE(bundles.at(4).toObject().value(QStringLiteral("types")).toArray().size(), 2);
    QCOMPARE(bundles.at(4).toObject().value(QStringLiteral("defaultType")).toBool(), false);
    const QJsonObject settings = o.value(QStringLiteral("settings")).toObject();
    QCOMPARE(settings.value(QStringLiteral("print")).toObject().size(), 8);
    QCOMPARE(settings.value(QStringLiteral("page"))
                 .toObject()
                 .value(QStringLiteral("FloorPlan_Settings"))
                 .toObject()
                 .value(QStringLiteral("customWidth"))
                 .toDouble(),
             17.0);
}

// Looking at a template must not change it, whatever its version.
void TestJobtoolTemplate::infoLeavesAnOldTemplateAsItIs()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("old.qvt"));
    QVERIFY(QFile::copy(Fixtures::qvt(QStringLiteral("template-1.2.qvt")), path));
    const QByteArray before = readFile(path);
    Run r = jobtool({QStringLiteral("template"), QStringLiteral("info"), path});
    QCOMPARE(r.code, 0);
    QVERIFY(r.out.contains(QStringLiteral("Version       3.0 (the file is version 1.2;")));
    QVERIFY(r.out.contains(QStringLiteral("Brightwire Installations")));
    r = jobtool(
        {QStringLiteral("template"), QStringLiteral("info"), QStringLiteral("--json"), path});
    QCOMPARE(r.code, 0);
    const QJsonObject o = json(r);
    QCOMPARE(o.value(QStringLiteral("storedVersion")).toString(), QStringLiteral("1.2"));
    QCOMPARE(ids(o.value(QStringLiteral("testDefinitions")).toArray()).mid(0, 4),
             (QStringList{"CAT5", "CAT3", "SiteCoax", "RG-59"}));
    QCOMPARE(readFile(path), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"old.qvt"});
}

void TestJobtoolTemplate::infoOfBrokenFiles()
{
    Run r = jobtool({QStringLiteral("template"), QStringLiteral("info"),
                     m_dir.filePath(QStringLiteral("none.qvt"))});
    QCOMPARE(r.code, 2);
    QVERIFY2(r.err.contains(QStringLiteral("does not exist")), qPrintable(r.err));

    const QString path = m_dir.filePath(QStringLiteral("odd.qvt"));
    QVERIFY(writeFile(path, "<Qvt><Version number=\"2.0\"/></Qvt>"));
    r = jobtool({QStringLiteral("template"), QStringLiteral("info"), path});
    QCOMPARE(r.code, 2);
    QVERIFY2(r.err.contains(QStringLiteral("Incompatible version of Qvt file")), qPrintable(r.err));
}

void TestJobtoolTemplate::newWritesALoadableTemplate()
{
    const QString path = m_dir.filePath(QStringLiteral("fresh"));
    Run r = jobtool({QStringLiteral("template"), QStringLiteral("new"), path});
    QCOMPARE(r.code, 0);
    QVERIFY(readFile(path + QStringLiteral(".qvt")).startsWith("<!DOCTYPE Qvt>\n<Qvt>\n"));
    r = jobtool(
        {QStringLiteral("template"), QStringLiteral("info"), path + QStringLiteral(".qvt")});
    QCOMPARE(r.code, 0);
    QVERIFY(r.out.contains(QStringLiteral("Test definitions 0\n")));

    r = jobtool({QStringLiteral("template"), QStringLiteral("new"),
                 m_dir.filePath(QStringLiteral("no/such/folder/x.qvt"))});
    QCOMPARE(r.code, 1);
    QVERIFY(!r.err.isEmpty());
}

void TestJobtoolTemplate::exportWritesTheJobsDefaults()
{
    const QByteArray jobBefore = readFile(exampleJob());
    const QString path = m_dir.filePath(QStringLiteral("from-job.qvt"));
    Run r = jobtool({QStringLiteral("export"), exampleJob(), path});
    QCOMPARE(r.code, 0);
    QVERIFY(r.out.contains(QStringLiteral("3 test definitions, 1 bundled cable types")));
    QCOMPARE(readFile(exampleJob()), jobBefore);

    r = jobtool(
        {QStringLiteral("template"), QStringLiteral("info"), QStringLiteral("--json"), path});
    QCOMPARE(r.code, 0);
    const QJsonObject o = json(r);
    QCOMPARE(
        o.value(QStringLiteral("contractor")).toObject().value(QStringLiteral("tester")).toString(),
        QStringLiteral("Dana Reyes"));
    QCOMPARE(ids(o.value(QStringLiteral("testDefinitions")).toArray()),
             (QStringList{"CAT6", "CAT5E", "RG-6"}));
    QCOMPARE(ids(o.value(QStringLiteral("bundledCableTypes")).toArray()), QStringList{"Desk pair"});

    r = jobtool({QStringLiteral("export"), exampleJob(), m_dir.path()});
    QCOMPARE(r.code, 1);
    QVERIFY(r.err.contains(QStringLiteral("Filename given is a directory")));
}

void TestJobtoolTemplate::importGivesTheJobTheTemplatesDefaults()
{
    const QString job = m_dir.filePath(QStringLiteral("office.job"));
    QVERIFY(QFile::copy(exampleJob(), job));
    QVERIFY(QFile::setPermissions(job, QFile::ReadOwner | QFile::WriteOwner));
    const QByteArray templateBefore = readFile(exampleTemplate());
    Run r = jobtool({QStringLiteral("info"), QStringLiteral("--json"), job});
    QCOMPARE(r.code, 0);
    const int cablesBefore =
        json(r).value(QStringLiteral("cables")).toObject().value(QStringLiteral("total")).toInt();
    QVERIFY(cablesBefore > 0);

    r = jobtool({QStringLiteral("import"), job, exampleTemplate()});
    QCOMPARE(r.code, 0);
    QVERIFY2(r.out.contains(QStringLiteral("12 new test definitions (CAT6A, CAT6STP, CAT3,")),
             qPrintable(r.out));
    QVERIFY(r.out.contains(QStringLiteral("5 new bundled cable types")));
    QCOMPARE(readFile(exampleTemplate()), templateBefore);

    r = jobtool({QStringLiteral("info"), QStringLiteral("--json"), job});
    QCOMPARE(r.code, 0);
    const QJsonObject cables = json(r).value(QStringLiteral("cables")).toObject();
    const QJsonArray types = cables.value(QStringLiteral("testDefinitions")).toArray();
    QCOMPARE(types.size(), 15);
    QCOMPARE(types.at(0).toString(), QStringLiteral("CAT6"));
    // The job's own CAT6 stays: the template's has a comment.
    QVERIFY(readFile(job).contains("<TestDef1 id=\"CAT6\" SNR=\"250\" cable_category=\"6\" "
                                   "color=\"#3399ff\" comment=\"\""));
    // The import takes defaults; it never touches the job's cables.
    QCOMPARE(cables.value(QStringLiteral("total")).toInt(), cablesBefore);

    r = jobtool({QStringLiteral("import"), job, m_dir.filePath(QStringLiteral("none.qvt"))});
    QCOMPARE(r.code, 2);
    QVERIFY(r.err.contains(QStringLiteral("does not exist")));
}

void TestJobtoolTemplate::usageErrors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("template alone") << QStringList{"template"};
    QTest::newRow("unknown subcommand") << QStringList{"template", "show", "a.qvt"};
    QTest::newRow("info without file") << QStringList{"template", "info"};
    QTest::newRow("info with two files") << QStringList{"template", "info", "a.qvt", "b.qvt"};
    QTest::newRow("info, unknown option") << QStringList{"template", "info", "--xml", "a.qvt"};
    QTest::newRow("new without file") << QStringList{"template", "new"};
    QTest::newRow("export, one file") << QStringList{"export", "a.job"};
    QTest::newRow("import, three files") << QStringList{"import", "a.job", "b.qvt", "c"};
}

void TestJobtoolTemplate::usageErrors()
{
    QFETCH(QStringList, args);
    const Run r = jobtool(args);
    QCOMPARE(r.code, 2);
    QVERIFY(r.out.isEmpty());
    QVERIFY(r.err.contains(QStringLiteral("jobtool --help")));
}

QTEST_GUILESS_MAIN(TestJobtoolTemplate)
#include "tst_jobtool_template.moc"
