// gridwell as a program: its command line, --screenshot and its exit
// statuses, and README's picture of the example, which must show what the
// planner shows today.
#include "apptest.h"

#include <commandline.h>

#include <QProcess>

using namespace AppTest;

namespace {

struct Run
{
    int status = -1;
    QString out;
    QString err;
};

Run planner(const QStringList& arguments)
{
    QProcess p;
    p.start(QStringLiteral(GRIDWELL_PLANNER), arguments);
    Run r;
    if (!p.waitForFinished(60000))
        return r;
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

const char* const ReadmePicture = GRIDWELL_SOURCE_DIR "/docs/planner-office.png";

QStringList readmePictureArguments(const QString& out)
{
    return {QStringLiteral("--screenshot"),
            out,
            QStringLiteral("--floor"),
            QStringLiteral("Level 3"),
            QStringLiteral("--select"),
            QStringLiteral("Cable004"),
            exampleJob()};
}

} // namespace

class TestScreenshot : public QObject
{
    Q_OBJECT

private slots:
    void commandLine_data();
    void commandLine();
    void exitStatus_data();
    void exitStatus();
    void readmePictureIsCurrent();

private:
    QTemporaryDir m_dir;
};

void TestScreenshot::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("error"); // a part of it; empty when the line is valid
    QTest::addColumn<QString>("job");
    QTest::addColumn<QSize>("size");
    const QSize standard(1400, 900);
    QTest::newRow("a job") << QStringList{"a.job"} << ""
                           << "a.job" << standard;
    QTest::newRow("nothing") << QStringList{} << ""
                             << "" << standard;
    QTest::newRow("screenshot with size")
        << QStringList{"--screenshot", "o.png", "--size", "800x600", "a.job"} << ""
        << "a.job" << QSize(800, 600);
    QTest::newRow("two jobs") << QStringList{"a.job", "b.job"} << "one job"
                              << "" << QSize();
    QTest::newRow("floor without screenshot")
        << QStringList{"--floor", "F", "a.job"} << "--floor goes with --screenshot"
        << "" << QSize();
    QTest::newRow("screenshot without job") << QStringList{"--screenshot", "o.png"} << "needs a job"
                                            << "" << QSize();
    QTest::newRow("floor and sheet")
        << QStringList{"--screenshot", "o.png", "--floor", "F", "--sheet", "S", "a.job"}
        << "cannot both"
        << "" << QSize();
    QTest::newRow("size without x")
        << QStringList{"--screenshot", "o.png", "--size", "800", "a.job"} << "--size"
        << "" << QSize();
    QTest::newRow("size too small")
        << QStringList{"--screenshot", "o.png", "--size", "100x100", "a.job"} << "--size"
        << "" << QSize();
    QTest::newRow("unknown option") << QStringList{"--fly"} << "fly"
                                    << "" << QSize();
}

void TestScreenshot::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, error);
    QFETCH(QString, job);
    QFETCH(QSize, size);
    CommandLineOptions options;
    QString said;
    QCOMPARE(CommandLine::parse(QStringList{"gridwell"} + arguments, &options, &said),
             error.isEmpty());
    if (!error.isEmpty()) {
        QVERIFY2(said.contains(error), qPrintable(said));
        return;
    }
    QCOMPARE(options.job, job);
    QCOMPARE(options.size, size);
}

void TestScreenshot::exitStatus_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("says");
    QTest::addColumn<QSize>("size"); // of the picture written
    const QString out = m_dir.filePath(QStringLiteral("shot.png"));
    QTest::newRow("help") << QStringList{"--help"} << 0 << "--screenshot" << QSize();
    QTest::newRow("a sheet at a size")
        << QStringList{"--screenshot", out,         "--size", "900x600", "--sheet",
                       "Core network", exampleJob()}
        << 0 << "" << QSize(900, 600);
    QTest::newRow("missing job") << QStringList{"--screenshot", out,
                                                m_dir.filePath(QStringLiteral("none.job"))}
                                 << 2 << "does not exist" << QSize();
    QTest::newRow("no such floor")
        << QStringList{"--screenshot", out, "--floor", "Roof", exampleJob()} << 2 << "no floor Roof"
        << QSize();
    QTest::newRow("nothing to select")
        << QStringList{"--screenshot", out, "--select", "Cable999", exampleJob()} << 2 << "Cable999"
        << QSize();
    QTest::newRow("bad command line") << QStringList{"--size", "10x10"} << 2 << "--size" << QSize();
    QTest::newRow("picture cannot be written")
        << QStringList{"--screenshot", m_dir.filePath(QStringLiteral("no/such/folder/x.png")),
                       exampleJob()}
        << 1 << "cannot write" << QSize();
}

void TestScreenshot::exitStatus()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, says);
    QFETCH(QSize, size);
    const QString out = m_dir.filePath(QStringLiteral("shot.png"));
    QFile::remove(out);
    const Run r = planner(arguments);
    QCOMPARE(r.status, status);
    QVERIFY2((r.out + r.err).contains(says), qPrintable(r.out + r.err));
    if (size.isValid())
        QCOMPARE(QImage(out).size(), size);
    else if (status != 0)
        QVERIFY(!QFile::exists(out));
}

// Fonts may be drawn a little differently on another machine, so the
// pictures are compared pixel by pixel with a tolerance; a picture that
// shows something else (another layout, colour or item) differs in far more
// pixels than that.
void TestScreenshot::readmePictureIsCurrent()
{
    const QString out = m_dir.filePath(QStringLiteral("readme.png"));
    const Run r = planner(readmePictureArguments(out));
    QVERIFY2(r.status == 0, qPrintable(r.err));
    const QImage now = QImage(out).convertToFormat(QImage::Format_RGB32);
    const QImage committed =
        QImage(QLatin1String(ReadmePicture)).convertToFormat(QImage::Format_RGB32);
    const QString regenerate =
        QStringLiteral("docs/planner-office.png does not show what the planner shows now. "
                       "Look at %1 and, when it is right, regenerate the picture with:\n"
                       "  build/app/gridwell --screenshot docs/planner-office.png "
                       "--floor \"Level 3\" --select Cable004 examples/office.job")
            .arg(out);
    QVERIFY2(committed.size() == now.size(), qPrintable(regenerate));
    qint64 differing = 0;
    for (int y = 0; y < now.height(); ++y) {
        const QRgb* a = reinterpret_cast<const QRgb*>(now.constScanLine(y));
        const QRgb* b = reinterpret_cast<const QRgb*>(committed.constScanLine(y));
        for (int x = 0; x < now.width(); ++x) {
            if (qAbs(qRed(a[x]) - qRed(b[x])) > 64 || qAbs(qGreen(a[x]) - qGreen(b[x])) > 64 ||
                qAbs(qBlue(a[x]) - qBlue(b[x])) > 64)
                ++differing;
        }
    }
    const double share = double(differing) / (double(now.width()) * now.height());
    QVERIFY2(share <= 0.005,
             qPrintable(QStringLiteral("%1 % of the pixels differ. ").arg(share * 100, 0, 'f', 2) +
                        regenerate));
}

QTEST_MAIN(TestScreenshot)
#include "tst_screenshot.moc"
