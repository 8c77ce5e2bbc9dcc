// The file writer shared by the job and the template: a write the disk cuts
// short, wherever it is cut, leaves the previous file as it was.
#include "filesizelimit.h"
#include "jobfixture.h"
#include "savefile_p.h"

#include <QtTest>

using namespace JobFixture;

class TestSaveFile : public QObject
{
    Q_OBJECT
private slots:
    void replacesTheWholeFile();
    void cutShortKeepsThePreviousFile_data();
    void cutShortKeepsThePreviousFile();
    void folderThatDoesNotExist();
    void jobCutShortKeepsThePreviousFile();
};

void TestSaveFile::replacesTheWholeFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.job"));
    QVERIFY(writeFile(path, QByteArray(5000, 'o')));
    QString error;
    QVERIFY(SaveFile::replaceContents(path, "new", &error));
    QCOMPARE(readFile(path), QByteArray("new"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"a.job"});
}

void TestSaveFile::cutShortKeepsThePreviousFile_data()
{
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("size");
    // Qt keeps small writes in a buffer and writes them at commit, where a
    // partial write used to pass for a complete one.
    QTest::newRow("small file, cut at commit") << 3000 << 4000;
    QTest::newRow("large file, cut while writing") << 4096 << 100000;
    QTest::newRow("nothing fits") << 0 << 10;
}

void TestSaveFile::cutShortKeepsThePreviousFile()
{
    QFETCH(int, limit);
    QFETCH(int, size);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.qvt"));
    const QByteArray before = "previous contents";
    QVERIFY(writeFile(path, before));

    QString error;
    bool written = false;
    {
        FileSizeLimit disk{rlim_t(limit)};
        QVERIFY(disk.isActive());
        written = SaveFile::replaceContents(path, QByteArray(size, 'x'), &error);
    }
    QVERIFY(!written);
    QVERIFY(!error.isEmpty());
    QCOMPARE(readFile(path), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"a.qvt"});
}

void TestSaveFile::folderThatDoesNotExist()
{
    QTemporaryDir dir;
    QString error;
    QVERIFY(!SaveFile::replaceContents(dir.filePath(QStringLiteral("no/such/a.job")), "x", &error));
    QVERIFY(!error.isEmpty());
}

// The job's own save goes through the same writer.
void TestSaveFile::jobCutShortKeepsThePreviousFile()
{
    QTemporaryDir dir;
    Ductbook& job = newJob(dir, QStringLiteral("keep.job"));
    QVERIFY(job.save());
    const QByteArray before = readFile(job.filename());
    job.setJobNotesText(QString(1000, QLatin1Char('n')));

    bool saved = false;
    {
        FileSizeLimit disk(rlim_t(before.size()) + 200);
        QVERIFY(disk.isActive());
        saved = job.save();
    }
    QVERIFY(!saved);
    QVERIFY(!job.error().isEmpty());
    QCOMPARE(job.isChanged(), true);
    QCOMPARE(readFile(job.filename()), before);
    Ductbook::Destroy();
}

QTEST_GUILESS_MAIN(TestSaveFile)
#include "tst_savefile.moc"
