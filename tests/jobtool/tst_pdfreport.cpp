// jobtool report as a PDF, read back by poppler's reader: the job's facts in
// its text, "Page N of M" true to the page count, fonts embedded, no cable
// block split over two pages, and a plot's frame where the layout puts it.
#include "jobfixture.h"
#include "jobtoolrun.h"
#include "pdfreport_p.h"
#include "pdftext.h"

#include <QImage>
#include <QtTest>

#include <cstring>

using namespace JobFixture;
using namespace JobToolRun;

namespace {

const double PointsPerMm = 72 / 25.4;

LUMEN_PLOT_DATA plot(int seed)
{
    LUMEN_PLOT_DATA p;
    std::memset(&p, 0, sizeof(p));
    for (int i = 0; i < 257; ++i) {
        p.series1[i] = -20 - (seed * 7 + i) % 60;
        p.series2[i] = -40 - (seed + i / 4) % 30;
    }
    p.pointCount = 257;
    return p;
}

TestResults result(int seed, bool pass)
{
    cable_struct block;
    std::memset(&block, 0xFF, sizeof(block));
    for (int p = 0; p < 4; ++p) {
        block.pairLength[p] = 1800 + p;
        block.wiremap[1 + p] = quint8(p);
    }
    if (!pass) // pair 3-6 found on the far end's 4-5
        block.wiremap[2] = 2;
    TestResults r(QStringLiteral("2026-11-%1 10:00").arg(10 + seed % 20),
                  pass ? QStringLiteral("PASS") : QStringLiteral("FAIL"), QStringLiteral("4.2.1"),
                  QStringLiteral("LX2-0%1").arg(seed), block, 0);
    r.setEcho(plot(seed));
    r.setNEXT(plot(seed + 1));
    r.setChannel(plot(seed + 2));
    return r;
}

} // namespace

class TestPdfReport : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void textOfTheReport();
    void blocksNeverSplit();
    void plotFrameAtItsPixels();
    void paperOfTheJobUnlessTold();
    void floorTextNeverOverlaps();
    void filterChoosesCables();
    void usageErrors_data();
    void usageErrors();

private:
    QTemporaryDir m_dir;
    QString m_job;        // the example with many tested cables
    QString m_pdf;        // its report
    QStringList m_tested; // the ids of its tested cables
    QStringList m_ids;
};

// The example job with 23 more cables, every one tested, one in five failing.
void TestPdfReport::initTestCase()
{
    QVERIFY(m_dir.isValid());
    Ductbook::Destroy();
    Ductbook& job = Ductbook::Instance();
    QVERIFY(job.Load(example()));
    const QStringList from{"MDF-01", "MDF-02", "MDF-03", "MDF-04"};
    const QStringList to{"P01", "P02", "P03", "P05", "P07"};
    for (int i = 0; i < 23; ++i) {
        TestResults r = result(i, i % 5 != 3);
        job.addCable(QString(), QStringLiteral("Extra%1").arg(i + 1, 3, 10, QLatin1Char('0')),
                     QStringLiteral("Network"), to.at(i % to.size()), from.at(i % from.size()),
                     QStringLiteral("CAT6"), r, 1);
    }
    m_job = m_dir.filePath(QStringLiteral("tested.job"));
    QVERIFY(job.saveAs(m_job));
    for (const QString& tag : job.getCables(true)) {
        m_ids.append(job.getCableID(tag));
        if (job.getCableTestResults(tag).status() != QLatin1String("UNTESTED"))
            m_tested.append(job.getCableID(tag));
    }
    Ductbook::Destroy();
    QCOMPARE(m_tested.size(), 24);

    m_pdf = m_dir.filePath(QStringLiteral("report.pdf"));
    const Run r = jobtool({QStringLiteral("report"), m_job, QStringLiteral("-o"), m_pdf,
                           QStringLiteral("--paper"), QStringLiteral("a4")});
    QVERIFY2(r.code == 0, qPrintable(r.err));
}

void TestPdfReport::textOfTheReport()
{
    const PdfText::Document doc = PdfText::read(m_pdf);
    QVERIFY2(doc.ok, "pdftotext (poppler-utils) could not read the PDF");
    const QString text = doc.text();
    for (const QString& id : m_ids)
        QVERIFY2(text.contains(id), qPrintable(id));
    for (const char* word : {"Harbor Point Dental", "Northline Cabling Ltd", "Dana Reyes",
                             "NL-2026-118", "PASS", "FAIL", "UNTESTED", "941 Mbit/s", "PoE",
                             "wired to 4-5, expected 3-6", "Sign-off", "Issued"})
        QVERIFY2(text.contains(QLatin1String(word)), word);
    // Every page says which it is of how many, and the count is right.
    for (int p = 0; p < doc.pages.size(); ++p)
        QVERIFY2(doc.pageText(p).contains(
                     QStringLiteral("Page %1 of %2").arg(p + 1).arg(doc.pages.size())),
                 qPrintable(QString::number(p + 1)));
    for (const QSizeF& page : doc.pages) {
        QCOMPARE(qRound(page.width() / PointsPerMm), 210);
        QCOMPARE(qRound(page.height() / PointsPerMm), 297);
    }
    const QStringList fonts = PdfText::fonts(m_pdf);
    QVERIFY(!fonts.isEmpty());
    for (const QString& font : fonts)
        QVERIFY2(font.contains(QLatin1String(" yes ")), qPrintable(font)); // embedded
}

// A block's heading (the cable id, large) and its last part (the three
// plots) are on one page.
void TestPdfReport::blocksNeverSplit()
{
    const PdfText::Document doc = PdfText::read(m_pdf);
    QVERIFY(doc.ok);
    struct Heading
    {
        int page;
        double y;
        QString id;
    };
    QList<Heading> headings;
    for (const PdfText::Word& w : doc.words) {
        if (m_tested.contains(w.text) && w.box.height() > 10)
            headings.append({w.page, w.box.top(), w.text});
    }
    QCOMPARE(headings.size(), m_tested.size());
    QSet<int> pages;
    for (int i = 0; i < headings.size(); ++i) {
        const Heading& h = headings.at(i);
        pages.insert(h.page);
        const bool lastOnPage = i + 1 == headings.size() || headings.at(i + 1).page != h.page;
        const double end = lastOnPage ? 1e9 : headings.at(i + 1).y;
        int plotTitles = 0;
        for (const PdfText::Word& w : doc.words) {
            if (w.page == h.page && w.box.top() > h.y && w.box.top() < end &&
                (w.text == QLatin1String("Echo") || w.text == QLatin1String("Channel")))
                ++plotTitles;
        }
        QVERIFY2(plotTitles == 2, qPrintable(QStringLiteral("%1 on page %2: %3 plot titles")
                                                 .arg(h.id)
                                                 .arg(h.page + 1)
                                                 .arg(plotTitles)));
    }
    // 24 blocks take several pages: the page breaks were exercised.
    QVERIFY(pages.size() >= 6);
}

void TestPdfReport::plotFrameAtItsPixels()
{
    const PdfText::Document doc = PdfText::read(m_pdf);
    QVERIFY(doc.ok);
    const PdfText::Word* heading = nullptr;
    for (const PdfText::Word& w : doc.words) {
        if (w.text == m_tested.first() && w.box.height() > 10) {
            heading = &w;
            break;
        }
    }
    QVERIFY(heading);
    const int dpi = 100;
    const QString prefix = m_dir.filePath(QStringLiteral("page"));
    const QString page = QString::number(heading->page + 1);
    PdfText::run(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"), page,
                  QStringLiteral("-l"), page, QStringLiteral("-png"), QStringLiteral("-singlefile"),
                  m_pdf, prefix});
    const QImage image(prefix + QStringLiteral(".png"));
    QVERIFY(!image.isNull());

    // The heading's text is centred in the block's bar.
    const double barTopMm =
        (heading->box.center().y() / PointsPerMm) - 7.0 / 2; // the bar is 7 mm tall
    const double leftMm = 18;                                // the page margin
    const QRectF frame = Plan::pdfReportPlotFrame(0, true).translated(leftMm, barTopMm);
    const double px = dpi / 25.4;
    auto darkest = [&](double xMm, double yMm) {
        int dark = 255;
        for (int dx = -2; dx <= 2; ++dx) {
            for (int dy = -2; dy <= 2; ++dy)
                dark = qMin(dark, qGray(image.pixel(qRound(xMm * px) + dx, qRound(yMm * px) + dy)));
        }
        return dark;
    };
    const QPointF c = frame.center();
    QVERIFY2(darkest(frame.left(), c.y()) < 80, "left edge");
    QVERIFY2(darkest(frame.right(), c.y()) < 80, "right edge");
    QVERIFY2(darkest(c.x(), frame.top()) < 80, "top edge");
    QVERIFY2(darkest(c.x(), frame.bottom()) < 80, "bottom edge");
    // Outside the frame's left edge, between it and the tick labels: paper.
    QVERIFY2(qGray(image.pixel(qRound((frame.left() - 0.6) * px), qRound((c.y() + 3) * px))) > 200,
             "beside the frame");
}

// The example's report settings ask for Letter; --paper overrides them.
void TestPdfReport::paperOfTheJobUnlessTold()
{
    const QString pdf = m_dir.filePath(QStringLiteral("letter.pdf"));
    const Run r = jobtool({QStringLiteral("report"), example(), QStringLiteral("-o"), pdf});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    const PdfText::Document doc = PdfText::read(pdf);
    QVERIFY(doc.ok && !doc.pages.isEmpty());
    for (const QSizeF& page : doc.pages)
        QCOMPARE(page.toSize(), QSize(612, 792));
}

// A floor's names and ids are printed no smaller than 3 pt; on a floor drawn
// small they would pile up, so those that would cover others are left out
// and the page says so. The example's floor, drawn large, keeps them all.
void TestPdfReport::floorTextNeverOverlaps()
{
    Ductbook::Destroy();
    Ductbook& job = Ductbook::Instance();
    QVERIFY(job.Load(example()));
    const QString floor = job.getFloorTags().first();
    // A wide room far off makes the drawing's scale small; a field of ports
    // a symbol apart crowds its ids.
    const QString room =
        job.addRoom(floor, 0, 900, 6000, 400, QString(), QStringLiteral("Hall"), 0, 0, 3, 3, 3, 1);
    for (int i = 0; i < 200; ++i)
        job.addPort(floor, room, 40 + (i % 40) * 16, 940 + (i / 40) * 16, QString(),
                    QStringLiteral("H%1").arg(i), QStringLiteral("Network"),
                    QStringLiteral("not_specified"), 7, 1);
    const QString crowded = m_dir.filePath(QStringLiteral("crowded.job"));
    QVERIFY(job.saveAs(crowded));
    Ductbook::Destroy();
    const QString pdf = m_dir.filePath(QStringLiteral("crowded.pdf"));
    const Run r = jobtool({QStringLiteral("report"), crowded, QStringLiteral("-o"), pdf});
    QVERIFY2(r.code == 0, qPrintable(r.err));

    for (const QString& file : {m_pdf, pdf}) {
        const PdfText::Document doc = PdfText::read(file);
        QVERIFY(doc.ok);
        int floorPage = -1;
        for (int p = 0; p < doc.pages.size() && floorPage < 0; ++p) {
            if (doc.pageText(p).contains(QLatin1String("Floor Level 3")))
                floorPage = p;
        }
        QVERIFY(floorPage >= 0);
        QList<QRectF> boxes;
        for (const PdfText::Word& w : doc.words) {
            if (w.page == floorPage)
                boxes.append(w.box.adjusted(0.3, 0.3, -0.3, -0.3));
        }
        for (int i = 0; i < boxes.size(); ++i) {
            for (int j = i + 1; j < boxes.size(); ++j)
                QVERIFY2(!boxes.at(i).intersects(boxes.at(j)),
                         qPrintable(
                             QStringLiteral("%1: word %2 covers word %3").arg(file).arg(i).arg(j)));
        }
        QCOMPARE(doc.pageText(floorPage).contains(QLatin1String("left out")), file == pdf);
    }
}

// The filter the HTML report has chooses the PDF's cables too.
void TestPdfReport::filterChoosesCables()
{
    const QString pdf = m_dir.filePath(QStringLiteral("failing.pdf"));
    const Run r = jobtool({QStringLiteral("report"), m_job, QStringLiteral("-o"), pdf,
                           QStringLiteral("--status"), QStringLiteral("fail")});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    const PdfText::Document doc = PdfText::read(pdf);
    QVERIFY(doc.ok);
    const QString text = doc.text();
    QVERIFY(text.contains(QLatin1String("Selection")));
    int failing = 0;
    for (int i = 0; i < 23; ++i) {
        const QString id = QStringLiteral("Extra%1").arg(i + 1, 3, 10, QLatin1Char('0'));
        QVERIFY2(text.contains(id) == (i % 5 == 3), qPrintable(id));
        failing += i % 5 == 3;
    }
    QVERIFY(failing > 3);
    QVERIFY(!text.contains(QLatin1String("Cable001")));
}

void TestPdfReport::usageErrors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown paper")
        << QStringList{"report", example(), "-o", "r.pdf", "--paper", "A3"}
        << QStringLiteral("a4 or letter");
    QTest::newRow("unknown format")
        << QStringList{"report", example(), "--format", "docx"} << QStringLiteral("html or pdf");
    QTest::newRow("a PDF needs a file")
        << QStringList{"report", example(), "--format", "pdf"} << QStringLiteral("-o");
    // A filter's bad value is named with the values the job accepts.
    QTest::newRow("unknown floor")
        << QStringList{"report", example(), "-o", "r.pdf", "--floor", "Level 9"}
        << QStringLiteral("no floor 'Level 9' in the job (floors: Level 3, Level 4)");
    QTest::newRow("unknown status")
        << QStringList{"report", example(), "-o", "r.pdf", "--status", "pass,ok"}
        << QStringLiteral("unknown status 'ok' (pass, fail or untested)");
    QTest::newRow("unknown type")
        << QStringList{"report", example(), "-o", "r.html", "--type", "CAT7"}
        << QStringLiteral("no cable of type 'CAT7' in the job (types: CAT5E, CAT6, RG-6)");
}

void TestPdfReport::usageErrors()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    QDir::setCurrent(m_dir.path());
    const Run r = jobtool(args);
    QCOMPARE(r.code, 2);
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("r.pdf"))));
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("r.html"))));
}

QTEST_GUILESS_MAIN(TestPdfReport)
#include "tst_pdfreport.moc"
