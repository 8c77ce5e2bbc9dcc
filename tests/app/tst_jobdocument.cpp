// The planner's job document: opening jobs of every version, what a failed
// open leaves behind (in the document and in the job singleton), and Find.
#include "apptest.h"

#include <jobdocument.h>

#include <ductbook.h>
#include <qvutils.h>
#include <runekit.h>

#include <QSignalSpy>

using namespace AppTest;

class TestJobDocument : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void opensTheExample();
    void opensOlderVersionsWithoutWritingThem_data();
    void opensOlderVersionsWithoutWritingThem();
    void asksForATemplateWhenTheConfiguredOneFails();
    void failedOpenKeepsTheOpenJob_data();
    void failedOpenKeepsTheOpenJob();
    void failedOpenWithNothingOpen();
    void openJobThatVanishedIsClosed();
    void unsavedEditsAreNotReplaced();
    void findsItemsById_data();
    void findsItemsById();

private:
    QTemporaryDir m_dir;
};

void TestJobDocument::init()
{
    Ductbook::Destroy();
    // A template that is not there, so that nothing depends on the folder
    // the tests run in.
    Runekit::writeSettings({{QVUtils::QvtFile, m_dir.filePath(QStringLiteral("none.qvt"))}});
}

void TestJobDocument::opensTheExample()
{
    JobDocument doc;
    QSignalSpy opened(&doc, &JobDocument::jobOpened);
    QVERIFY2(doc.open(exampleJob()), qPrintable(doc.errorString()));
    QCOMPARE(opened.size(), 1);
    QVERIFY(!doc.isConverted());
    QCOMPARE(doc.floorCount(), 2);
    QCOMPARE(doc.floor(0).id, QStringLiteral("Level 3"));
    QCOMPARE(doc.floorFacts(0).ceilingHeight, 9.5);
    // Picture names are relative to the job's folder.
    QCOMPARE(doc.floorFacts(0).picturePath,
             QStringLiteral(GRIDWELL_SOURCE_DIR "/examples/plans/level3.png"));
    QCOMPARE(doc.cableCount(), 6);
    QCOMPARE(doc.sheets().sheets().size(), 1);
    QCOMPARE(doc.sheets().sheets().at(0).devices.size(), 4);
    QCOMPARE(doc.sheets().sheets().at(0).connections.size(), 2);
    const int cable = doc.cableIndex(QStringLiteral("Cable004"));
    QCOMPARE(doc.cable(cable).tag, QStringLiteral("Cable4"));
    // Through its risers, floor by floor.
    const QList<Plan::RouteLeg> legs = doc.route(cable);
    QCOMPARE(legs.size(), 2);
    QCOMPARE(legs.at(0).floor, 0);
    QCOMPARE(legs.at(1).floor, 1);
    QCOMPARE(doc.verdict(doc.cableIndex(QStringLiteral("Cable001"))), Plan::Verdict::Pass);
    QCOMPARE(doc.verdict(cable), Plan::Verdict::Untested);
    // Colours by the names the schedule gives them, not as codes.
    QCOMPARE(doc.colourName(doc.cableIndex(QStringLiteral("Cable001"))), QStringLiteral("CAT6"));
    QCOMPARE(doc.colourName(doc.cableIndex(QStringLiteral("Cable005"))), QStringLiteral("RG-6"));
    QCOMPARE(doc.cablesAtPort(QStringLiteral("MDF-02")).size(), 2);
    QVERIFY(!doc.portIcon(QStringLiteral("Network")).isNull());
    QVERIFY(doc.portIcon(QStringLiteral("NA")).isNull());
}

void TestJobDocument::opensOlderVersionsWithoutWritingThem_data()
{
    QTest::addColumn<QString>("version");
    for (const QString& v : Fixtures::versions(QStringLiteral("job")))
        QTest::newRow(qPrintable(v)) << v;
}

void TestJobDocument::opensOlderVersionsWithoutWritingThem()
{
    QFETCH(QString, version);
    const QString path = Fixtures::job(QStringLiteral("job-%1.job").arg(version));
    const QByteArray before = readFile(path);
    const QDateTime modified = QFileInfo(path).lastModified();
    JobDocument doc;
    QVERIFY2(doc.open(path, defaultTemplate()), qPrintable(doc.errorString()));
    QVERIFY(doc.isConverted());
    QCOMPARE(doc.fileVersion(), version);
    QVERIFY(doc.floorCount() > 0);
    QVERIFY(!doc.isModified());
    QCOMPARE(readFile(path), before);
    QCOMPARE(QFileInfo(path).lastModified(), modified);
}

void TestJobDocument::asksForATemplateWhenTheConfiguredOneFails()
{
    JobDocument doc;
    const QString path = Fixtures::job(QStringLiteral("job-2.1.job"));
    // The configured template is missing (a fresh installation): the default
    // template converts the job, and the document says so.
    QVERIFY2(doc.open(path), qPrintable(doc.errorString()));
    QCOMPARE(doc.fileVersion(), QStringLiteral("2.1"));
    QVERIFY2(doc.templateNote().contains(QStringLiteral("none.qvt")) &&
                 doc.templateNote().contains(QStringLiteral("northline.qvt")),
             qPrintable(doc.templateNote()));
    // A current job reads no template: nothing to say.
    doc.close();
    QVERIFY(doc.open(exampleJob()));
    QVERIFY(doc.templateNote().isEmpty());
    doc.close();

    // A configured template that exists but does not load is no reason to
    // take another one unasked.
    const QString badTemplate = m_dir.filePath(QStringLiteral("bad.qvt"));
    QVERIFY(writeFile(badTemplate, "not a template"));
    Runekit::writeSettings({{QVUtils::QvtFile, badTemplate}});
    QVERIFY(!doc.open(path));
    QVERIFY(!doc.isOpen());
    // The library's reason and the template's.
    QVERIFY2(doc.errorString().contains(QStringLiteral("job-2.1.job")),
             qPrintable(doc.errorString()));
    QVERIFY2(doc.templateError().contains(QStringLiteral("bad.qvt")),
             qPrintable(doc.templateError()));
    QVERIFY2(doc.open(path, defaultTemplate()), qPrintable(doc.errorString()));
    QCOMPARE(doc.fileVersion(), QStringLiteral("2.1"));
    QVERIFY(doc.templateError().isEmpty());
    QVERIFY(doc.templateNote().isEmpty());
    // A current job that fails for its own reasons blames no template.
    const QString broken = m_dir.filePath(QStringLiteral("broken.job"));
    QVERIFY(writeFile(broken, "<Job><Version number=\"9.9\"/></Job>"));
    QVERIFY(!doc.open(broken));
    QVERIFY(doc.templateError().isEmpty());
}

void TestJobDocument::failedOpenKeepsTheOpenJob_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    // The first two fail before the library reads anything, the others
    // after it has emptied its document.
    QTest::newRow("missing file") << QStringLiteral("missing.job") << QByteArray();
    QTest::newRow("a folder") << QStringLiteral("folder.job") << QByteArray();
    QTest::newRow("not XML") << QStringLiteral("text.job") << QByteArray("no job in here");
    QTest::newRow("cut short") << QStringLiteral("short.job") << readFile(exampleJob()).left(4000);
    QTest::newRow("unknown version")
        << QStringLiteral("future.job")
        << QByteArray("<!DOCTYPE Job>\n<Job>\n <Version number=\"9.9\"/>\n</Job>\n");
}

void TestJobDocument::failedOpenKeepsTheOpenJob()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    const QString path = m_dir.filePath(name);
    if (name == QLatin1String("folder.job"))
        QVERIFY(QDir(m_dir.path()).mkpath(name));
    else if (!content.isEmpty())
        QVERIFY(writeFile(path, content));

    JobDocument doc;
    QVERIFY(doc.open(exampleJob()));
    Ductbook& job = Ductbook::Instance();
    const QMap<QString, int> counts = job.itemCounts();
    QSignalSpy opened(&doc, &JobDocument::jobOpened);
    QSignalSpy closed(&doc, &JobDocument::jobClosed);

    QVERIFY(!doc.open(path));
    QVERIFY(!doc.errorString().isEmpty());
    QCOMPARE(opened.size(), 0);
    QCOMPARE(closed.size(), 0);
    QVERIFY(doc.isOpen());
    QCOMPARE(doc.path(), exampleJob());
    QCOMPARE(doc.cableCount(), 6);
    // The singleton holds the example again, under its own name, so that
    // what is read later (test results) and a later save are of that job.
    QCOMPARE(job.filename(), exampleJob());
    QCOMPARE(job.itemCounts(), counts);
    QCOMPARE(job.getCableID(QStringLiteral("Cable4")), QStringLiteral("Cable004"));
    QCOMPARE(doc.details(doc.cableIndex(QStringLiteral("Cable001"))).status,
             QStringLiteral("PASS"));
    QVERIFY(!job.isChanged());
}

void TestJobDocument::failedOpenWithNothingOpen()
{
    JobDocument doc;
    QSignalSpy opened(&doc, &JobDocument::jobOpened);
    QVERIFY(!doc.open(m_dir.filePath(QStringLiteral("nothing.job"))));
    QVERIFY(!doc.isOpen());
    QCOMPARE(opened.size(), 0);
    // The failed name is not left in the singleton for a later save.
    QVERIFY(Ductbook::Instance().filename().isEmpty());
}

void TestJobDocument::openJobThatVanishedIsClosed()
{
    const QString copy = m_dir.filePath(QStringLiteral("vanishing.job"));
    QFile::remove(copy);
    QVERIFY(QFile::copy(exampleJob(), copy));
    const QString broken = m_dir.filePath(QStringLiteral("broken2.job"));
    QVERIFY(writeFile(broken, "<Job>"));
    JobDocument doc;
    QVERIFY(doc.open(copy));
    QVERIFY(QFile::remove(copy));
    QSignalSpy closed(&doc, &JobDocument::jobClosed);
    QVERIFY(!doc.open(broken));
    // Nothing is left to show: the window must not keep a job the library
    // no longer holds.
    QCOMPARE(closed.size(), 1);
    QVERIFY(!doc.isOpen());
    QVERIFY2(doc.errorString().contains(QStringLiteral("vanishing.job")),
             qPrintable(doc.errorString()));
}

void TestJobDocument::unsavedEditsAreNotReplaced()
{
    JobDocument doc;
    QVERIFY(doc.open(exampleJob()));
    Ductbook::Instance().setDirty(true);
    QVERIFY(!doc.open(Fixtures::job(QStringLiteral("job-2.3.job"))));
    QVERIFY(!doc.errorString().isEmpty());
    QCOMPARE(doc.path(), exampleJob());
    QVERIFY(Ductbook::Instance().isChanged());
    Ductbook::Instance().setDirty(false);
}

void TestJobDocument::findsItemsById_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("where");
    QTest::newRow("port on the second floor") << "P05" << int(JobLocation::Port) << "P05"
                                              << "Level 4 / Staff room";
    QTest::newRow("cable, any case") << "cable004" << int(JobLocation::Cable) << "Cable004"
                                     << QString::fromUtf8("MDF-04 \u2192 P05");
    QTest::newRow("riser") << "VR02" << int(JobLocation::Riser) << "VR02"
                           << "Level 4 / Riser";
    QTest::newRow("room") << "Surgery 1" << int(JobLocation::Room) << "Surgery 1"
                          << "Level 3";
    QTest::newRow("device") << "sw01" << int(JobLocation::Device) << "SW01"
                            << "Core network";
    QTest::newRow("floor") << "Level 4" << int(JobLocation::Floor) << "Level 4" << QString();
    QTest::newRow("the start of an id") << "P0" << int(JobLocation::Port) << "P01"
                                        << "Level 3 / Reception";
}

void TestJobDocument::findsItemsById()
{
    QFETCH(QString, text);
    QFETCH(int, kind);
    QFETCH(QString, id);
    QFETCH(QString, where);
    JobDocument doc;
    QVERIFY(doc.open(exampleJob()));
    const QList<JobLocation> hits = doc.find(text);
    QVERIFY(!hits.isEmpty());
    QCOMPARE(int(hits.first().kind), kind);
    QCOMPARE(hits.first().id, id);
    QCOMPARE(hits.first().where, where);
    if (text == QLatin1String("P0")) {
        // Seven ports, and the access point AP01 after them: it only holds
        // the text.
        QCOMPARE(hits.size(), 8);
        QCOMPARE(hits.last().id, QStringLiteral("AP01"));
        QCOMPARE(doc.find(text, 3).size(), 3);
    }
    QVERIFY(doc.find(QStringLiteral("no such thing")).isEmpty());
}

QTEST_MAIN(TestJobDocument)
#include "tst_jobdocument.moc"
