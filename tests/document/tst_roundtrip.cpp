// Edits that the fuzzers found to answer differently after a save and load,
// or to crash: what a job answers in memory is what it answers from its file.
#include "jobfixture.h"

#include <QtTest>

using namespace JobFixture;

class TestRoundTrip : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { Ductbook::Destroy(); }

    void renamingAMissingFloorOrSheet();

private:
    // Saves the job and loads it again into the same object.
    static bool reload(Ductbook& job) { return job.save() && job.Load(job.filename()); }

    QTemporaryDir m_dir;
};

// A rename of a floor or sheet the job does not have must not make one up
// in the maps: from the file it would be gone again.
void TestRoundTrip::renamingAMissingFloorOrSheet()
{
    Ductbook& job = newJob(m_dir);
    job.setSheetID(QStringLiteral("Show None"), QStringLiteral("A"));
    job.setSheetID(QStringLiteral("SSheet_7"), QStringLiteral("Ghost"));
    job.setFloorId(QStringLiteral("FFloor_7"), QStringLiteral("Ghost"));
    for (int round = 0; round < 2; ++round) {
        QCOMPARE(job.getSheetTags(), QStringList{"SSheet_1"});
        QCOMPARE(job.getFloorTags(), QStringList{"FFloor_1"});
        QVERIFY(!job.sheetExists(QStringLiteral("Ghost"), false));
        QVERIFY(!job.floorExists(QStringLiteral("Ghost"), false));
        QVERIFY(reload(job));
    }
}

QTEST_GUILESS_MAIN(TestRoundTrip)
#include "tst_roundtrip.moc"
