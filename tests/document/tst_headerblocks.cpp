// The contractor and site blocks, release entries, job notes and the
// navigation helpers of the document base.
#include "jobfixture.h"

#include <QtTest>

using namespace JobFixture;

class TestHeaderBlocks : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { JobFixture::verifyAndClose(); }

    void headerBlocksRoundTrip();
    void siteRecordOrder();
    void emptyDocumentReadsNothingAndStaysClean();
    void setterOnMissingAttributeStillMarksChanged();
    void valueLessAttributeReadsEmpty();
    void releaseEntries();
    void jobNotesOnlyChangeOnDifference();
    void copySharesTheTree();

private:
    QTemporaryDir m_dir;
};

void TestHeaderBlocks::headerBlocksRoundTrip()
{
    Ductbook& job = newJob(m_dir);
    Address contractorAddress(QStringLiteral("5 Wire Way"), QString(), QStringLiteral("Leeds"),
                              QStringLiteral("WY"), QStringLiteral("LS1"), QStringLiteral("UK"));
    ContractorData contractor(QStringLiteral("Tess"), QStringLiteral("CableCo"),
                              QStringLiteral("t@cable.co"), QStringLiteral("0113"),
                              QStringLiteral("logo.png"), contractorAddress);
    job.setContractorData(contractor);
    Address siteAddress(QStringLiteral("1 Main"), QStringLiteral("Floor 3"),
                        QString::fromUtf8("Z\u00fcrich"), QStringLiteral("ZH"),
                        QStringLiteral("8001"), QStringLiteral("CH"));
    job.setSiteData(QStringLiteral("J-42"), QStringLiteral("Bank"), QStringLiteral("Ann"),
                    QStringLiteral("ann@bank.ch"), QStringLiteral("044"), siteAddress);
    job.addRelease(QStringLiteral("build"), QStringLiteral("3.0.17"));
    job.setJobNotesText(QStringLiteral("Riser B is\nlocked"));
    QVERIFY(job.isChanged());
    QVERIFY(job.save());

    Ductbook::Destroy();
    Ductbook& again = Ductbook::Instance();
    QVERIFY(again.Load(m_dir.filePath(QStringLiteral("job.job"))));
    ContractorData c = again.getContractorData();
    QCOMPARE(c.tester(), QStringLiteral("Tess"));
    QCOMPARE(c.company(), QStringLiteral("CableCo"));
    QCOMPARE(c.email(), QStringLiteral("t@cable.co"));
    QCOMPARE(c.phone(), QStringLiteral("0113"));
    QCOMPARE(c.logo(), QStringLiteral("logo.png"));
    QCOMPARE(c.address().city(), QStringLiteral("Leeds"));
    QCOMPARE(c.address().zipcode(), QStringLiteral("LS1"));
    SiteData s = again.getSiteData();
    QCOMPARE(s.jobid(), QStringLiteral("J-42"));
    QCOMPARE(s.company(), QStringLiteral("Bank"));
    QCOMPARE(s.contact(), QStringLiteral("Ann"));
    QCOMPARE(s.email(), QStringLiteral("ann@bank.ch"));
    QCOMPARE(s.phone(), QStringLiteral("044"));
    QCOMPARE(s.address().city(), QString::fromUtf8("Z\u00fcrich"));
    QCOMPARE(s.address().address2(), QStringLiteral("Floor 3"));
    QCOMPARE(s.address().country(), QStringLiteral("CH"));
    QCOMPARE(again.getRelease(QStringLiteral("build")), QStringLiteral("3.0.17"));
    QCOMPARE(again.getJobNotesText(), QStringLiteral("Riser B is\nlocked"));
}

void TestHeaderBlocks::siteRecordOrder()
{
    Ductbook& job = newJob(m_dir);
    SiteData data(QStringLiteral("contact"), QStringLiteral("mail"), QStringLiteral("phone"),
                  Address());
    data.setJobID(QStringLiteral("id"));
    data.setCompany(QStringLiteral("company"));
    job.setSiteData(data);
    QCOMPARE(job.getSiteContact(), QStringLiteral("contact"));
    QCOMPARE(job.getSiteEmail(), QStringLiteral("mail"));
    QCOMPARE(job.getSitePhone(), QStringLiteral("phone"));
    QCOMPARE(job.getSiteJobID(), QStringLiteral("id"));
    QCOMPARE(job.getSiteCompany(), QStringLiteral("company"));
}

void TestHeaderBlocks::emptyDocumentReadsNothingAndStaysClean()
{
    Ductbook& job = Ductbook::Instance();
    job.setContractorTester(QStringLiteral("x"));
    job.setSiteCompany(QStringLiteral("x"));
    Address a(QStringLiteral("a"), QString(), QString(), QString(), QString(), QString());
    job.setSiteAddress(a);
    job.addRelease(QStringLiteral("r"), QStringLiteral("1"));
    job.setJobNotesText(QStringLiteral("n"));
    QVERIFY(!job.isChanged());
    QCOMPARE(job.getContractorTester(), QString(""));
    QCOMPARE(job.getSiteAddress().address1(), QString(""));
    QCOMPARE(job.getRelease(QStringLiteral("r")), QString(""));
    QCOMPARE(job.getJobNotesText(), QString(""));
}

void TestHeaderBlocks::setterOnMissingAttributeStillMarksChanged()
{
    QVERIFY(loadText(m_dir,
                     jobText(" <Contractor_Info company=\"Old\"><Address/></Contractor_Info>\n")));
    Ductbook& job = Ductbook::Instance();
    job.setContractorTester(QStringLiteral("Tess"));
    QVERIFY(job.isChanged());
    QCOMPARE(job.getContractorTester(), QString(""));
    QVERIFY(job.save());
    QVERIFY(!readFile(job.filename()).contains("tester"));
}

void TestHeaderBlocks::valueLessAttributeReadsEmpty()
{
    // An attribute created without a value reads as "" and is stored so.
    Ductbook& job = newJob(m_dir);
    job.setSiteCompany(QString());
    QCOMPARE(job.getSiteCompany(), QString(""));
    QVERIFY(!job.getSiteCompany().isNull());
    QVERIFY(job.save());
    QVERIFY(readFile(job.filename()).contains("<Site_Info jobid=\"\" company=\"\"") ||
            readFile(job.filename()).contains("company=\"\""));
}

void TestHeaderBlocks::releaseEntries()
{
    Ductbook& job = newJob(m_dir);
    job.addRelease(QStringLiteral("alpha"), QStringLiteral("1"));
    job.addRelease(QStringLiteral("alpha"), QStringLiteral("2"));
    QCOMPARE(job.getRelease(QStringLiteral("alpha")), QStringLiteral("2"));
    job.removeRelease(QStringLiteral("alpha"));
    QCOMPARE(job.getRelease(QStringLiteral("alpha")), QString(""));

    // A name that cannot be an attribute is refused: the file stays loadable.
    job.setDirty(false);
    job.addRelease(QStringLiteral("not a name"), QStringLiteral("x"));
    QVERIFY(!job.isChanged());
    QVERIFY(job.getReleases().isEmpty());
    QVERIFY(job.save());
    QVERIFY(Ductbook::Instance().Load(job.filename()));

    job.setRelease(7);
    QCOMPARE(job.getRelease(), 7);
}

void TestHeaderBlocks::jobNotesOnlyChangeOnDifference()
{
    Ductbook& job = newJob(m_dir);
    job.setJobNotesText(QString());
    QVERIFY(!job.isChanged());
    job.setJobNotesText(QStringLiteral("note"));
    QVERIFY(job.isChanged());
    job.setDirty(false);
    job.setJobNotesText(QStringLiteral("note"));
    QVERIFY(!job.isChanged());
}

void TestHeaderBlocks::copySharesTheTree()
{
    Ductbook& job = newJob(m_dir);
    QVXMLEditor copy(job);
    copy.setContractorCompany(QStringLiteral("Shared"));
    QCOMPARE(job.getContractorCompany(), QStringLiteral("Shared"));
    QCOMPARE(copy.filename(), job.filename());
    QVERIFY(!job.isChanged());
    QVERIFY(copy.isChanged());
}

QTEST_GUILESS_MAIN(TestHeaderBlocks)
#include "tst_headerblocks.moc"
