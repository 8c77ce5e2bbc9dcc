// Moving defaults between the job and the template: the job's imports, its
// export as a template, and the template's import from a job.
#include "jobfixture.h"

#include <qvteditor.h>

#include <QtTest>

using namespace JobFixture;

namespace {

const char* const PrintNames[] = {"JobInfo_Settings",   "NetView_Settings",
                                  "Inventory_Settings", "FloorPlan_Settings",
                                  "TestSched_Settings", "DetailedCable_Settings",
                                  "JobNotes_Settings",  "ActiveNetworkTestResults_Settings"};
const char* const ViewNames[] = {"NetView_Settings", "FloorPlan_Settings"};

// All twelve settings entries of a document as text, for comparing.
QStringList settingsText(QVXMLEditor& d)
{
    QStringList lines;
    for (const char* name : PrintNames) {
        const PrintSettings s = d.getPrintSettings(QLatin1String(name));
        lines << QStringLiteral("print %1: %2 %3 %4 %5 %6 %7")
                     .arg(QLatin1String(name), s.paperSize())
                     .arg(s.orientation())
                     .arg(s.printZoom())
                     .arg(s.fitToAcross())
                     .arg(s.fitToDown())
                     .arg(s.printZoomStyle());
    }
    for (const char* name : ViewNames) {
        const ScaleSettings s = d.getScaleSettings(QLatin1String(name));
        lines << QStringLiteral("scale %1: %2 %3 %4 %5 %6 %7 %8")
                     .arg(QLatin1String(name), s.predefinedScale(), s.predefinedScaleStyle())
                     .arg(s.widthUnits())
                     .arg(s.heightUnits())
                     .arg(s.customWidth())
                     .arg(s.customHeight())
                     .arg(s.style());
        const PageSettings p = d.getPageSettings(QLatin1String(name));
        lines << QStringLiteral("page %1: %2 %3 %4 %5 %6 %7 %8")
                     .arg(QLatin1String(name), p.pageSize(), p.pageStandard())
                     .arg(p.orientation())
                     .arg(p.pageSizeStyle())
                     .arg(p.pageUnits())
                     .arg(p.customHeight())
                     .arg(p.customWidth());
    }
    return lines;
}

QString contractorText(QVXMLEditor& d)
{
    ContractorData c = d.getContractorData();
    Address a = c.address();
    return QStringList{c.tester(),   c.company(), c.email(), c.phone(),   c.logo(),   a.address1(),
                       a.address2(), a.city(),    a.state(), a.zipcode(), a.country()}
        .join(QLatin1Char('|'));
}

TestDef testDef(const QString& id, int snr, bool isDefault)
{
    TestDef d(id);
    d.setSNR(snr);
    d.setDefaultType(isDefault);
    d.setColor(QStringLiteral("#102030"));
    d.setComment(QStringLiteral("from ") + id);
    return d;
}

void addTestDef(QVXMLEditor& d, const QString& id, int snr, bool isDefault)
{
    TestDef def = testDef(id, snr, isDefault);
    d.addTestDef(def);
}

// Settings that differ from the defaults in every list.
void customizeSettings(QVXMLEditor& d)
{
    PrintSettings print = d.getPrintSettings(QStringLiteral("FloorPlan_Settings"));
    print.setOrientation(0);
    print.setPaperSize(QStringLiteral("A3: 297 mm x 420 mm"));
    d.setPrintSettings(print, QStringLiteral("FloorPlan_Settings"));
    PrintSettings inventory = d.getPrintSettings(QStringLiteral("Inventory_Settings"));
    inventory.setPrintZoom(65);
    d.setPrintSettings(inventory, QStringLiteral("Inventory_Settings"));
    ScaleSettings scale = d.getScaleSettings(QStringLiteral("FloorPlan_Settings"));
    scale.setPredefinedScaleStyle(QStringLiteral("Metric"));
    scale.setPredefinedScale(QStringLiteral("1:100"));
    d.setScaleSettings(scale, QStringLiteral("FloorPlan_Settings"));
    PageSettings page = d.getPageSettings(QStringLiteral("NetView_Settings"));
    page.setCustomHeight(8.25);
    d.setPageSettings(page, QStringLiteral("NetView_Settings"));
}

void setContractor(QVXMLEditor& d, const QString& tester)
{
    Address a(QStringLiteral("1200 W Fulton St"), QString(), QStringLiteral("Chicago"),
              QStringLiteral("IL"), QStringLiteral("60607"), QStringLiteral("USA"));
    d.setContractorData(tester, QStringLiteral("Northline Cabling Ltd"),
                        QStringLiteral("dana@northline.example"), QStringLiteral("+1 312 555 0142"),
                        QStringLiteral("logo.png"), a);
}

} // namespace

class TestImportExport : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void importTakesTheTemplatesDefaults();
    void importLeavesTheChangedFlagAsItWas_data();
    void importLeavesTheChangedFlagAsItWas();
    void importMissingDefaultsOnly();
    void exportFailures();
    void exportLoadsBackAsATemplate();
    void templateImportsFromAJob();
    void nullDocumentsAreIgnored();

private:
    // A new template in the singleton, with contractor, settings, two test
    // definitions (one not a default) and two bundled cable types.
    QvtEditor& richTemplate();

    QTemporaryDir m_dir;
};

void TestImportExport::init()
{
    QVERIFY(m_dir.isValid());
}

void TestImportExport::cleanup()
{
    QvtEditor::Destroy();
    JobFixture::verifyAndClose();
}

QvtEditor& TestImportExport::richTemplate()
{
    QvtEditor& t = QvtEditor::Instance();
    t.New(m_dir.filePath(QStringLiteral("rich.qvt")));
    setContractor(t, QStringLiteral("Dana Reyes"));
    customizeSettings(t);
    addTestDef(t, QStringLiteral("CAT6"), 250, true);
    addTestDef(t, QStringLiteral("Doorbell"), 10, false);
    addTestDef(t, QStringLiteral("Shared"), 1, true);
    t.addBundledCableType(QStringLiteral("Desk pair"),
                          {QStringLiteral("CAT6"), QStringLiteral("CAT6")},
                          QStringLiteral("#2222dd"), true);
    t.addBundledCableType(QStringLiteral("Lab"), {QStringLiteral("Doorbell")},
                          QStringLiteral("#00ff00"), false);
    return t;
}

void TestImportExport::importTakesTheTemplatesDefaults()
{
    QvtEditor& t = richTemplate();
    Ductbook& job = newJob(m_dir);
    addTestDef(job, QStringLiteral("Shared"), 99, false);
    job.addBundledCableType(QStringLiteral("Lab"), {QStringLiteral("CAT5E")},
                            QStringLiteral("#123456"), false);
    QVERIFY(job.save());
    QCOMPARE(job.isChanged(), false);

    job.Import(&t);
    QCOMPARE(contractorText(job), contractorText(t));
    QCOMPARE(settingsText(job), settingsText(t));
    QCOMPARE(job.getPrintSettings(QStringLiteral("FloorPlan_Settings")).orientation(), 0);
    QCOMPARE(job.getTypes(), (QStringList{"Shared", "CAT6", "Doorbell"}));
    QCOMPARE(job.getTestDef(QStringLiteral("Shared")).SNR(), 99);
    QCOMPARE(job.getTestDef(QStringLiteral("CAT6")).SNR(), 250);
    QCOMPARE(job.getTestDef(QStringLiteral("CAT6")).comment(), QStringLiteral("from CAT6"));
    QCOMPARE(job.getBundledCableTypeIds(), (QStringList{"Lab", "Desk pair"}));
    QCOMPARE(job.getBundledCableType(QStringLiteral("Lab")).color(), QStringLiteral("#123456"));
    QCOMPARE(job.getBundledCableType(QStringLiteral("Desk pair")).types(),
             (QStringList{"CAT6", "CAT6"}));
    QCOMPARE(job.isChanged(), false);
}

void TestImportExport::importLeavesTheChangedFlagAsItWas_data()
{
    QTest::addColumn<bool>("defaultsOnly");
    QTest::addColumn<bool>("edited");
    QTest::newRow("import, new job") << false << false;
    QTest::newRow("import, unsaved edits") << false << true;
    QTest::newRow("defaults, new job") << true << false;
    QTest::newRow("defaults, unsaved edits") << true << true;
}

// A job with edits not yet on disk must still say so after an import, or
// the host would let the user close it without asking to save.
void TestImportExport::importLeavesTheChangedFlagAsItWas()
{
    QFETCH(bool, defaultsOnly);
    QFETCH(bool, edited);
    QvtEditor& t = richTemplate();
    Ductbook& job = newJob(m_dir);
    if (edited)
        job.setSiteCompany(QStringLiteral("Harbor Point Dental"));
    if (defaultsOnly)
        job.ImportMissingDefaultCableTypes(&t);
    else
        job.Import(&t);
    QVERIFY(job.testDefExists(QStringLiteral("CAT6")));
    QCOMPARE(job.isChanged(), edited);
}

void TestImportExport::importMissingDefaultsOnly()
{
    QvtEditor& t = richTemplate();
    Ductbook& job = newJob(m_dir);
    addTestDef(job, QStringLiteral("Shared"), 99, false);
    const QStringList settingsBefore = settingsText(job);

    job.ImportMissingDefaultCableTypes(&t);
    QCOMPARE(job.getTypes(), (QStringList{"Shared", "CAT6"}));
    QCOMPARE(job.getTestDef(QStringLiteral("Shared")).SNR(), 99);
    QCOMPARE(job.getBundledCableTypeIds(), QStringList{"Desk pair"});
    // Nothing but the cable types moves.
    QCOMPARE(job.getContractorTester(), QString());
    QCOMPARE(settingsText(job), settingsBefore);
}

void TestImportExport::exportFailures()
{
    Ductbook& job = newJob(m_dir);
    QVERIFY(job.save());
    for (const QString& bad : {QString(), QStringLiteral(""), QStringLiteral(".qvt")}) {
        QVERIFY(!job.Export(bad));
        QCOMPARE(job.error(), QStringLiteral("Filename is Empty"));
    }
    QTest::ignoreMessage(QtDebugMsg, "Filename given to Ductbook is a directory");
    QVERIFY(!job.Export(m_dir.path()));
    QCOMPARE(job.error(), QStringLiteral("Filename given is a directory"));

    // A template that cannot be written: the job reports the reason.
    const QString notAFolder = m_dir.filePath(QStringLiteral("plain"));
    QVERIFY(writeFile(notAFolder, "x"));
    QVERIFY(!job.Export(notAFolder + QStringLiteral("/t.qvt")));
    QVERIFY(!job.error().isEmpty());
    QCOMPARE(job.error(), QvtEditor::Instance().error());
    QCOMPARE(job.isChanged(), false);
}

void TestImportExport::exportLoadsBackAsATemplate()
{
    Ductbook& job = newJob(m_dir);
    setContractor(job, QStringLiteral("Dana Reyes"));
    customizeSettings(job);
    addTestDef(job, QStringLiteral("CAT6"), 250, true);
    addTestDef(job, QStringLiteral("Doorbell"), 10, false);
    job.addBundledCableType(QStringLiteral("Desk pair"), {QStringLiteral("CAT6")},
                            QStringLiteral("#2222dd"), false);
    job.setSiteCompany(QStringLiteral("Not in a template"));
    QVERIFY(job.save());
    const QStringList jobSettings = settingsText(job);
    const QByteArray jobBytes = readFile(job.filename());

    // The template singleton held something else before; export replaces it.
    QvtEditor::Instance().New(m_dir.filePath(QStringLiteral("other.qvt")));
    addTestDef(QvtEditor::Instance(), QStringLiteral("Stale"), 1, true);

    const QString path = m_dir.filePath(QStringLiteral("a.qvt"));
    QVERIFY2(job.Export(path), qPrintable(job.error()));
    QCOMPARE(QvtEditor::Instance().filename(), path);
    QCOMPARE(job.isChanged(), false);
    QCOMPARE(settingsText(job), jobSettings);
    QVERIFY(job.save());
    QCOMPARE(readFile(job.filename()), jobBytes);

    QvtEditor::Destroy();
    QvtEditor& t = QvtEditor::Instance();
    QVERIFY2(t.Load(path), qPrintable(t.error()));
    QCOMPARE(contractorText(t), contractorText(job));
    QCOMPARE(settingsText(t), jobSettings);
    QCOMPARE(t.getTypes(), (QStringList{"CAT6", "Doorbell"}));
    QCOMPARE(t.getTestDef(QStringLiteral("Doorbell")).SNR(), 10);
    QCOMPARE(t.getTestDef(QStringLiteral("Doorbell")).default_type(), false);
    QCOMPARE(t.getBundledCableType(QStringLiteral("Desk pair")).types(), QStringList{"CAT6"});
    QVERIFY(!readFile(path).contains("Not in a template"));
}

void TestImportExport::templateImportsFromAJob()
{
    QvtEditor& t = richTemplate();
    QVERIFY(t.save());
    const QStringList templateSettings = settingsText(t);
    Ductbook& job = newJob(m_dir);
    setContractor(job, QStringLiteral("Sam Okafor"));
    PrintSettings print = job.getPrintSettings(QStringLiteral("JobInfo_Settings"));
    print.setPrintZoom(10);
    job.setPrintSettings(print, QStringLiteral("JobInfo_Settings"));
    addTestDef(job, QStringLiteral("CAT6"), 1, false);
    addTestDef(job, QStringLiteral("Fibre"), 5, false);
    job.addBundledCableType(QStringLiteral("Backbone"), {QStringLiteral("Fibre")},
                            QStringLiteral("#0000ff"), false);

    t.Import(&job);
    QCOMPARE(t.getContractorTester(), QStringLiteral("Sam Okafor"));
    QCOMPARE(contractorText(t), contractorText(job));
    QCOMPARE(settingsText(t), templateSettings);
    QCOMPARE(t.getTypes(), (QStringList{"CAT6", "Doorbell", "Shared", "Fibre"}));
    QCOMPARE(t.getTestDef(QStringLiteral("CAT6")).SNR(), 250);
    QCOMPARE(t.getBundledCableTypeIds(), (QStringList{"Desk pair", "Lab", "Backbone"}));
    // Not saved yet.
    QCOMPARE(t.isChanged(), true);
}

void TestImportExport::nullDocumentsAreIgnored()
{
    QvtEditor& t = richTemplate();
    Ductbook& job = newJob(m_dir);
    job.Import(nullptr);
    job.ImportMissingDefaultCableTypes(nullptr);
    t.Import(nullptr);
    QVERIFY(job.getTypes().isEmpty());
    QCOMPARE(job.isChanged(), false);
    QCOMPARE(t.getTypes().size(), 3);
}

QTEST_GUILESS_MAIN(TestImportExport)
#include "tst_importexport.moc"
