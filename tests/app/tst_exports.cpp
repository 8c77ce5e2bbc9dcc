// What the planner writes: the cable schedule, the test report and a floor
// as SVG are the files jobtool writes; a floor as PDF is a vector page that
// poppler reads back, with its title and the plan's words as text.
#include "apptest.h"

#include <floorexport.h>

#include <QBuffer>
#include <QProcess>

using namespace AppTest;

namespace {

QByteArray run(const QString& program, const QStringList& arguments, int* status = nullptr)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(60000)) {
        if (status)
            *status = -1;
        return QByteArray();
    }
    if (status)
        *status = p.exitCode();
    return p.readAllStandardOutput();
}

} // namespace

class TestExports : public QObject
{
    Q_OBJECT

private slots:
    void writesWhatJobtoolWrites_data();
    void writesWhatJobtoolWrites();
    void floorAsPdf();
    void floorAsPng();

private:
    QTemporaryDir m_dir;
};

void TestExports::writesWhatJobtoolWrites_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<QStringList>("jobtool");
    QTest::newRow("schedule") << "schedule" << QStringList{"schedule", exampleJob()};
    QTest::newRow("report") << "report" << QStringList{"report", exampleJob()};
    QTest::newRow("floor") << "floor" << QStringList{"render", exampleJob(), "--floor", "FFloor_2"};
}

void TestExports::writesWhatJobtoolWrites()
{
    QFETCH(QString, what);
    QFETCH(QStringList, jobtool);
    int status = 0;
    const QByteArray expected = run(QStringLiteral(GRIDWELL_JOBTOOL), jobtool, &status);
    QCOMPARE(status, 0);
    JobDocument doc;
    QVERIFY(doc.open(exampleJob()));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QString error;
    bool written = false;
    if (what == QLatin1String("schedule"))
        written = doc.writeSchedule(buffer, &error);
    else if (what == QLatin1String("report"))
        written = doc.writeReport(buffer, &error);
    else
        written = doc.writeFloorSvg(1, buffer, &error);
    QVERIFY2(written, qPrintable(error));
    QCOMPARE(buffer.data(), expected);
}

void TestExports::floorAsPdf()
{
    JobDocument doc;
    QVERIFY(doc.open(exampleJob()));
    FloorScene scene(doc, 0, Window::options().style);
    const QString pdf = m_dir.filePath(QStringLiteral("level3.pdf"));
    QString error;
    QVERIFY2(FloorExport::writePdf(scene, scene.floorRect(), QStringLiteral("Level 3 plan"),
                                   QStringLiteral("Harbor Point Dental"), pdf, &error),
             qPrintable(error));
    int status = 0;
    const QString info = QString::fromLatin1(run(QStringLiteral("pdfinfo"), {pdf}, &status));
    QCOMPARE(status, 0);
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(info));
    // Landscape, for a plan wider than it is tall.
    const QRegularExpressionMatch page =
        QRegularExpression(QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+)")).match(info);
    QVERIFY(page.hasMatch());
    QVERIFY(page.captured(1).toDouble() > page.captured(2).toDouble());
    // Text stays text: the title, the rooms and the ports can be read back.
    const QString text =
        QString::fromUtf8(run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}, &status));
    QCOMPARE(status, 0);
    for (const char* word : {"Level 3 plan", "Harbor Point Dental", "Reception", "Surgery 1",
                             "MDF-01", "P04", "Main entrance"})
        QVERIFY2(text.contains(QLatin1String(word)), qPrintable(word + (": " + text)));
    // And the magenta phone cable is on the page.
    const QString prefix = m_dir.filePath(QStringLiteral("page"));
    run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"), pdf, prefix}, &status);
    QCOMPARE(status, 0);
    const QImage rendered(prefix + QStringLiteral("-1.png"));
    QVERIFY(!rendered.isNull());
    bool magenta = false;
    for (int y = 0; y < rendered.height() && !magenta; ++y) {
        for (int x = 0; x < rendered.width() && !magenta; ++x)
            magenta = near(rendered.pixelColor(x, y), QColor(0xff, 0x00, 0xff), 30);
    }
    QVERIFY(magenta);
}

void TestExports::floorAsPng()
{
    JobDocument doc;
    QVERIFY(doc.open(exampleJob()));
    FloorScene scene(doc, 1, Window::options().style);
    const QString png = m_dir.filePath(QStringLiteral("level4.png"));
    QString error;
    QVERIFY2(FloorExport::writePng(scene, scene.floorRect(), png, &error), qPrintable(error));
    const QImage image(png);
    // Two pixels to the drawing unit.
    QCOMPARE(image.size(), (scene.floorRect().size() * 2).toSize());
    // A file that cannot be written is reported, and nothing is left.
    const QString nowhere = m_dir.filePath(QStringLiteral("no/folder/x.png"));
    QVERIFY(!FloorExport::writePng(scene, scene.floorRect(), nowhere, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!QFile::exists(nowhere));
}

QTEST_MAIN(TestExports)
#include "tst_exports.moc"
