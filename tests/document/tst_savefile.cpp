// The file writer shared by the job and the template: a write the disk cuts
// short, wherever it is cut, leaves the previous file as it was.
#include "filesizelimit.h"
#include "io/savefile_p.h"
#include "io/xmlwriter_p.h"
#include "jobfixture.h"

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
    void documentStreamedInPieces_data();
    void documentStreamedInPieces();
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

namespace {

// A document of more than bytes bytes in the file layout: one element per line.
QDomDocument documentOfSize(int bytes)
{
    QDomDocument doc(QStringLiteral("Job"));
    QDomElement root = doc.createElement(QStringLiteral("Job"));
    doc.appendChild(root);
    for (int i = 0; i * 20 < bytes; ++i) {
        QDomElement e = doc.createElement(QStringLiteral("Cable%1").arg(i));
        // One Latin-1 letter and one that becomes a reference.
        e.setAttribute(QStringLiteral("id"),
                       QStringLiteral("C-%1 ").arg(i) + QChar(0xE9) + QChar(0x4E2D));
        root.appendChild(e);
    }
    return doc;
}

} // namespace

// A document too large to be held as one piece is written a megabyte at a
// time; a cut in any piece, or at the end of the last one, fails the whole
// save, and a save with room gives the same bytes as the whole text.
void TestSaveFile::documentStreamedInPieces_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("limit");
    QTest::newRow("small, no limit") << 2000 << -1;
    QTest::newRow("three pieces, no limit") << 2500000 << -1;
    QTest::newRow("small, cut in its one piece") << 2000 << 1000;
    QTest::newRow("cut in the first piece") << 2500000 << 500000;
    QTest::newRow("cut just after the first piece") << 2500000 << (1 << 20) + 10;
    QTest::newRow("cut in the last piece") << 2500000 << 2400000;
}

void TestSaveFile::documentStreamedInPieces()
{
    QFETCH(int, size);
    QFETCH(int, limit);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.job"));
    const QByteArray before = "previous contents";
    QVERIFY(writeFile(path, before));
    const QDomDocument doc = documentOfSize(size);
    const QByteArray whole = XmlWriter::toLatin1(doc, QStringLiteral("Job"));
    QVERIFY(whole.size() > size);

    QString error;
    bool written = false;
    if (limit < 0) {
        written = SaveFile::replaceContents(path, doc, QStringLiteral("Job"), &error);
    } else {
        QVERIFY(limit < whole.size());
        FileSizeLimit disk{rlim_t(limit)};
        QVERIFY(disk.isActive());
        written = SaveFile::replaceContents(path, doc, QStringLiteral("Job"), &error);
    }
    QCOMPARE(written, limit < 0);
    QCOMPARE(readFile(path), limit < 0 ? whole : before);
    QCOMPARE(error.isEmpty(), limit < 0);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"a.job"});
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
