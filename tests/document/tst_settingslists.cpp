// The print, page and scale settings stored inside a job.
#include "jobfixture.h"

#include <QtTest>

using namespace JobFixture;

class TestSettingsLists : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { JobFixture::verifyAndClose(); }

    void defaultsOfANewJob();
    void everyEntryRoundTripsThroughAFile();
    void changedFlagOnlyOnRealDifference();
    void doublesKeepSixDigits();
    void missingEntryIsRecreatedUsable();
    void missingScaleEntryStaysInItsList();
    void namesOfOtherListsReadEmpty();
    void documentWithoutBlock();

private:
    QTemporaryDir m_dir;
};

void TestSettingsLists::defaultsOfANewJob()
{
    Ductbook& job = newJob(m_dir);
    PrintSettings info = job.getPrintSettings(QStringLiteral("JobInfo_Settings"));
    QCOMPARE(info.paperSize(), QStringLiteral("Letter: 8.5 in. x 11 in."));
    QCOMPARE(info.orientation(), 0);
    QCOMPARE(info.printZoom(), 100);
    QCOMPARE(info.fitToAcross(), 1);
    QCOMPARE(info.fitToDown(), 1);
    QCOMPARE(job.getPrintSettings(QStringLiteral("FloorPlan_Settings")).orientation(), 1);
    QCOMPARE(
        job.getPrintSettings(QStringLiteral("ActiveNetworkTestResults_Settings")).orientation(), 0);

    ScaleSettings scale = job.getScaleSettings(QStringLiteral("NetView_Settings"));
    QCOMPARE(scale.predefinedScaleStyle(), QStringLiteral("English"));
    QCOMPARE(scale.predefinedScale(), QStringLiteral("1\" = 20'0\""));
    QCOMPARE(scale.scale(), 20);
    QVERIFY(!scale.isMetric());

    PageSettings page = job.getPageSettings(QStringLiteral("FloorPlan_Settings"));
    QCOMPARE(page.pageStandard(), QStringLiteral("Standard"));
    QCOMPARE(page.customHeight(), 8.5);
    QCOMPARE(page.customWidth(), 11.0);
    QVERIFY(!job.isChanged());
}

void TestSettingsLists::everyEntryRoundTripsThroughAFile()
{
    Ductbook& job = newJob(m_dir);
    PrintSettings print(QStringLiteral("A4: 210 mm. x 297 mm."), 1, 75, 2, 3, 1);
    PageSettings page(QStringLiteral("A3: 297 mm. x 420 mm."), QStringLiteral("Metric (ISO)"), 0, 2,
                      1, 42.5, 29.75);
    ScaleSettings scale(QStringLiteral("Metric"), QStringLiteral("1 : 5"), 1, 2, 3.5, 12.25, 2);
    job.setPrintSettings(print, QStringLiteral("DetailedCable_Settings"));
    job.setPageSettings(page, QStringLiteral("NetView_Settings"));
    job.setScaleSettings(scale, QStringLiteral("FloorPlan_Settings"));
    QVERIFY(job.save());

    Ductbook::Destroy();
    Ductbook& again = Ductbook::Instance();
    QVERIFY(again.Load(m_dir.filePath(QStringLiteral("job.job"))));
    PrintSettings p = again.getPrintSettings(QStringLiteral("DetailedCable_Settings"));
    QCOMPARE(p.paperSize(), print.paperSize());
    QCOMPARE(p.printZoom(), 75);
    QCOMPARE(p.fitToAcross(), 2);
    QCOMPARE(p.fitToDown(), 3);
    QCOMPARE(p.printZoomStyle(), 1);
    PageSettings g = again.getPageSettings(QStringLiteral("NetView_Settings"));
    QCOMPARE(g.pageSize(), page.pageSize());
    QCOMPARE(g.pageStandard(), page.pageStandard());
    QCOMPARE(g.orientation(), 0);
    QCOMPARE(g.pageSizeStyle(), 2);
    QCOMPARE(g.pageUnits(), 1);
    QCOMPARE(g.customWidth(), 42.5);
    QCOMPARE(g.customHeight(), 29.75);
    QVERIFY(again.getScaleSettings(QStringLiteral("FloorPlan_Settings")) == scale);
    QVERIFY(again.getScaleSettings(QStringLiteral("NetView_Settings")) != scale);
}

void TestSettingsLists::changedFlagOnlyOnRealDifference()
{
    Ductbook& job = newJob(m_dir);
    PageSettings page = job.getPageSettings(QStringLiteral("NetView_Settings"));
    job.setPageSettings(page, QStringLiteral("NetView_Settings"));
    QVERIFY(!job.isChanged());
    PrintSettings print = job.getPrintSettings(QStringLiteral("Inventory_Settings"));
    job.setPrintSettings(print, QStringLiteral("Inventory_Settings"));
    QVERIFY(!job.isChanged());
    print.setPrintZoom(90);
    job.setPrintSettings(print, QStringLiteral("Inventory_Settings"));
    QVERIFY(job.isChanged());

    // The scale setter marks the document whatever it writes.
    job.setDirty(false);
    ScaleSettings scale = job.getScaleSettings(QStringLiteral("NetView_Settings"));
    job.setScaleSettings(scale, QStringLiteral("NetView_Settings"));
    QVERIFY(job.isChanged());
}

void TestSettingsLists::doublesKeepSixDigits()
{
    Ductbook& job = newJob(m_dir);
    PageSettings page = job.getPageSettings(QStringLiteral("FloorPlan_Settings"));
    page.setCustomHeight(8.25);
    page.setCustomWidth(1.0000001);
    job.setPageSettings(page, QStringLiteral("FloorPlan_Settings"));
    QVERIFY(job.save());
    QVERIFY(readFile(job.filename())
                .contains("<FloorPlan_Settings custom_height=\"8.25\" custom_width=\"1\""));
}

// An entry missing from a file is recreated with all its attributes, so the
// defaults read back and later changes are really stored.
void TestSettingsLists::missingEntryIsRecreatedUsable()
{
    QVERIFY(loadText(m_dir, jobText(" <Settings_List><PrintSettings_List>"
                                    "<JobInfo_Settings orientation=\"0\"/>"
                                    "</PrintSettings_List></Settings_List>\n")));
    Ductbook& job = Ductbook::Instance();
    const QString name = QStringLiteral("TestSched_Settings");
    PrintSettings first = job.getPrintSettings(name);
    QCOMPARE(first.paperSize(), QStringLiteral("Letter: 8.5 in. x 11 in."));
    PrintSettings second = job.getPrintSettings(name);
    QCOMPARE(second.paperSize(), QStringLiteral("Letter: 8.5 in. x 11 in."));
    QCOMPARE(second.printZoom(), 100);
    second.setPrintZoom(50);
    job.setPrintSettings(second, name);
    QCOMPARE(job.getPrintSettings(name).printZoom(), 50);

    // An entry from an older file that lacks attributes gains them when set.
    PrintSettings info = job.getPrintSettings(QStringLiteral("JobInfo_Settings"));
    info.setPaperSize(QStringLiteral("Legal: 8.5 in. x 14 in."));
    job.setPrintSettings(info, QStringLiteral("JobInfo_Settings"));
    QCOMPARE(job.getPrintSettings(QStringLiteral("JobInfo_Settings")).paperSize(),
             QStringLiteral("Legal: 8.5 in. x 14 in."));
}

void TestSettingsLists::missingScaleEntryStaysInItsList()
{
    QVERIFY(loadText(m_dir, jobText(" <Settings_List><PrintSettings_List>"
                                    "<NetView_Settings/></PrintSettings_List>"
                                    "<ScaleSettings_List><NetView_Settings style=\"0\"/>"
                                    "</ScaleSettings_List></Settings_List>\n")));
    Ductbook& job = Ductbook::Instance();
    QCOMPARE(job.getScaleSettings(QStringLiteral("FloorPlan_Settings")).scale(), 20);
    QVERIFY(job.save());
    const QByteArray saved = readFile(job.filename());
    const int scaleList = saved.indexOf("<ScaleSettings_List>");
    QVERIFY(scaleList > 0);
    QCOMPARE(saved.count("<FloorPlan_Settings"), 1);
    QVERIFY(saved.indexOf("<FloorPlan_Settings") > scaleList);
}

void TestSettingsLists::namesOfOtherListsReadEmpty()
{
    Ductbook& job = newJob(m_dir);
    PageSettings page = job.getPageSettings(QStringLiteral("JobInfo_Settings"));
    QCOMPARE(page.pageSize(), QString());
    QCOMPARE(page.orientation(), 0);
    QCOMPARE(page.customHeight(), 0.0);
    // Writing under such a name changes nothing in the file.
    job.setPageSettings(page, QStringLiteral("JobInfo_Settings"));
    QVERIFY(!job.isChanged());
    QVERIFY(job.save());
    QCOMPARE(readFile(job.filename()).count("JobInfo_Settings"), 1);
}

void TestSettingsLists::documentWithoutBlock()
{
    Ductbook& job = Ductbook::Instance();
    QCOMPARE(job.getPrintSettings(QStringLiteral("NetView_Settings")).printZoom(), 100);
    PrintSettings p;
    job.setPrintSettings(p, QStringLiteral("NetView_Settings"));
    ScaleSettings s;
    job.setScaleSettings(s, QStringLiteral("NetView_Settings"));
    QVERIFY(!job.isChanged());
}

QTEST_GUILESS_MAIN(TestSettingsLists)
#include "tst_settingslists.moc"
