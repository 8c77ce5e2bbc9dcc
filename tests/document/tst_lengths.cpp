// Cable lengths: the estimate over one floor and through the risers between
// floors, the ceiling heights of the floors in between, the floor-plan unit,
// and the measured lengths rounded for display.
#include "jobfixture.h"

#include <QtTest>

#include <cmath>

using namespace JobFixture;

namespace {

const double kFeetPerMetre = 3.2808399;

QByteArray port(const char* tag, const char* id, int x, int y, double drop = 7.0)
{
    return QStringLiteral("<%1 id=\"%2\" x=\"%3\" y=\"%4\" use=\"Network\" drop_height=\"%5\" "
                          "icon_scale=\"not_specified\"/>")
        .arg(QLatin1String(tag), QLatin1String(id))
        .arg(x)
        .arg(y)
        .arg(drop)
        .toLatin1();
}

QByteArray riser(const char* tag, int x, int y, double drop, const char* connected,
                 const char* disconnected = "")
{
    return QStringLiteral("<%1 id=\"%1\" x=\"%2\" y=\"%3\" use=\"vertical_run\" "
                          "drop_height=\"%4\" icon_scale=\"not_specified\" connected=\"%5\" "
                          "disconnected=\"%6\"/>")
        .arg(QLatin1String(tag))
        .arg(x)
        .arg(y)
        .arg(drop)
        .arg(QLatin1String(connected), QLatin1String(disconnected))
        .toLatin1();
}

QByteArray cable(const char* tag, const char* from, const char* to, const char* path)
{
    return QStringLiteral("<%1 id=\"%1\" from=\"%2\" to=\"%3\" path=\"%4\" type=\"CAT6\" "
                          "use=\"Network\" color=\"#000000\" bundleName=\"\" bundleNum=\"\" "
                          "bundleGroupNum=\"\"/>")
        .arg(QLatin1String(tag), QLatin1String(from), QLatin1String(to), QLatin1String(path))
        .toLatin1();
}

struct FloorText
{
    QByteArray ports;
    QByteArray risers;
    QByteArray points;
    QByteArray moreRooms;
};

QByteArray floor(int n, double ceiling, const FloorText& f)
{
    const QByteArray tag = "FFloor_" + QByteArray::number(n);
    return "  <" + tag + " id=\"Level " + QByteArray::number(n) + "\" ceiling_height=\"" +
           QByteArray::number(ceiling) + "\"><Room_List><Undefined id=\"Undefined\"><Port_List>" +
           f.ports + "</Port_List><VerticalRun_List>" + f.risers +
           "</VerticalRun_List></Undefined>" + f.moreRooms + "</Room_List><Point_List>" + f.points +
           "</Point_List></" + tag + ">\n";
}

QByteArray scaleSettings(bool metric)
{
    return QByteArray(" <Settings_List><ScaleSettings_List><FloorPlan_Settings "
                      "predefined_scale=\"\" predefined_style=\"") +
           (metric ? "Metric" : "English") +
           "\" width_units=\"0\" height_units=\"0\" custom_height=\"1\" custom_width=\"1\" "
           "style=\"1\"/></ScaleSettings_List></Settings_List>\n";
}

// Three floors, numbered 1, 2 and 3 in their tags, with ceilings of 8, 9.5
// and 10. Every port and riser sits on the line x = 36 or y = 10, so most
// segments are whole units long (36 drawing units to the unit).
struct Campus
{
    FloorText f1;
    FloorText f2;
    FloorText f3;
    QByteArray cables;
    bool metric = false;
};

QByteArray campusText(const Campus& c)
{
    return jobText(" <Cable_List>" + c.cables + "</Cable_List>\n <Floor_List>\n" +
                   floor(1, 8, c.f1) + floor(2, 9.5, c.f2) + floor(3, 10, c.f3) +
                   " </Floor_List>\n <TestDef_List/>\n" + scaleSettings(c.metric));
}

} // namespace

class TestLengths : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { JobFixture::verifyAndClose(); }

    void sameFloor_data();
    void sameFloor();
    void metricFloorPlanScalesTheEstimate();
    void betweenFloors_data();
    void betweenFloors();
    void horizontalPartOnOneFloor();
    void ceilingsOfTheFloorsInBetween_data();
    void ceilingsOfTheFloorsInBetween();
    void roundedLengths_data();
    void roundedLengths();
    void zeroLengthConstantGivesNoLength();
    void testersOwnReadingInWholeMetres();

private:
    QTemporaryDir m_dir;
};

void TestLengths::sameFloor_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<double>("expected");
    // 1 unit of route and the two drops of 7.
    QTest::newRow("straight, empty path") << QByteArray() << 15.0;
    QTest::newRow("through a point on the way") << QByteArray("Pt1") << 15.0;
    // Up to (18, 46) and down again: two segments of sqrt(0.5^2 + 1^2).
    QTest::newRow("through a point off the line")
        << QByteArray("Pt2") << 14.0 + 2 * std::sqrt(1.25);
    QTest::newRow("point never placed counts -1 per segment") << QByteArray("Pt0") << 12.0;
    // A removed point left in the path is no detour to the plan's corner.
    QTest::newRow("unknown point id is skipped") << QByteArray("Ghost,Pt1") << 15.0;
    QTest::newRow("stray marker is no point") << QByteArray("end_first_floor,Pt1") << 15.0;
}

void TestLengths::sameFloor()
{
    QFETCH(QByteArray, path);
    QFETCH(double, expected);
    Campus c;
    c.f1.ports = port("Port1", "A1", 0, 10) + port("Port2", "A2", 36, 10);
    c.f1.points = "<Point1 id=\"Pt1\" x=\"18\" y=\"10\"/><Point2 id=\"Pt2\" x=\"18\" y=\"46\"/>"
                  "<Point3 id=\"Pt0\" x=\"0\" y=\"0\"/>";
    c.cables = cable("Cable1", "A1", "A2", path.constData());
    QVERIFY(loadText(m_dir, campusText(c)));
    Ductbook& job = Ductbook::Instance();
    QVERIFY(qFuzzyCompare(job.getCableEstimatedLength(QStringLiteral("Cable1")), expected));
}

void TestLengths::metricFloorPlanScalesTheEstimate()
{
    Campus c;
    c.f1.ports = port("Port1", "A1", 0, 10) + port("Port2", "A2", 36, 10);
    c.cables = cable("Cable1", "A1", "A2", "") + cable("Cable2", "A1", "Gone", "");
    c.metric = true;
    QVERIFY(loadText(m_dir, campusText(c)));
    Ductbook& job = Ductbook::Instance();
    QVERIFY(
        qFuzzyCompare(job.getCableEstimatedLength(QStringLiteral("Cable1")), 15.0 * kFeetPerMetre));
    // An end that names no port (a deleted one) gives no estimate at all.
    QCOMPARE(job.getCableEstimatedLength(QStringLiteral("Cable2")), 0.0);
    QCOMPARE(job.getCableEstimatedLength(QStringLiteral("NoSuchCable")), 0.0);
}

void TestLengths::betweenFloors_data()
{
    QTest::addColumn<QByteArray>("cableTag");
    QTest::addColumn<double>("expected");
    // A1 (36,10) on floor 1 to the riser at (36,82): 2; riser drops 2 and 3;
    // riser (36,82) on floor 2 to B1 (36,10): 2; port drops 7 + 7.
    QTest::newRow("adjacent floors") << QByteArray("Cable1") << 2 + 2 + 3 + 2 + 14.0;
    // Floor 1 to 3 through floor 2: its ceiling of 9.5 is added, the risers on
    // floors 1 and 3 drop 2 and 4, the floor 2 riser (passing) adds nothing.
    QTest::newRow("floor in between") << QByteArray("Cable2") << 2 + 2 + 9.5 + 4 + 2 + 14.0;
    // The route on floor 1 leaves the line for a point at (72,46), and on
    // floor 2 passes (72,46) too: sqrt(2) on each side of each point.
    QTest::newRow("points on both floors")
        << QByteArray("Cable3") << 4 * std::sqrt(2.0) + 2 + 3 + 14.0;
    // Only the last riser of the start floor counts, with its own drop: the
    // second riser at (36,118) is 3 away and drops 5.
    QTest::newRow("two risers on the start floor") << QByteArray("Cable4") << 3 + 5 + 3 + 2 + 14.0;
    // A riser of the end floor that lists the cable as passing through is not
    // its end: no end riser, so nothing on floor 2 but the port drops.
    QTest::newRow("end floor lists it as passing") << QByteArray("Cable5") << 2 + 2 + 14.0;
    // A start-floor riser counts from either list.
    QTest::newRow("start floor lists it as passing")
        << QByteArray("Cable6") << 2 + 2 + 3 + 2 + 14.0;
    // Path entries that name no point are skipped on both floors.
    QTest::newRow("unknown points") << QByteArray("Cable7") << 2 + 2 + 3 + 2 + 14.0;
    // Listed nowhere: only the floors in between and the drops.
    QTest::newRow("no riser at all") << QByteArray("Cable8") << 9.5 + 14.0;
}

void TestLengths::betweenFloors()
{
    QFETCH(QByteArray, cableTag);
    QFETCH(double, expected);
    Campus c;
    c.f1.ports = port("Port1", "A1", 36, 10);
    c.f1.risers =
        riser("VerticalRun1", 36, 82, 2, "Cable1,Cable2,Cable3,Cable4,Cable5,Cable7", "Cable6");
    c.f1.points = "<Point1 id=\"Pt1\" x=\"72\" y=\"46\"/>";
    // Cable4 leaves through a second riser, later in the floor's order.
    c.f1.moreRooms = "<Room1 id=\"Closet\"><Port_List/><VerticalRun_List>" +
                     riser("VerticalRun4", 36, 118, 5, "Cable4") + "</VerticalRun_List></Room1>";
    c.f2.ports = port("Port2", "B1", 36, 10);
    c.f2.risers =
        riser("VerticalRun2", 36, 82, 3, "Cable1,Cable3,Cable4,Cable6,Cable7", "Cable2,Cable5");
    c.f2.points = "<Point2 id=\"Pt2\" x=\"72\" y=\"46\"/>";
    c.f3.ports = port("Port3", "C1", 36, 10);
    c.f3.risers = riser("VerticalRun3", 36, 82, 4, "Cable2");
    c.cables = cable("Cable1", "A1", "B1", "end_first_floor") +
               cable("Cable2", "A1", "C1", "end_first_floor") +
               cable("Cable3", "A1", "B1", "Pt1,end_first_floor,Pt2") +
               cable("Cable4", "A1", "B1", "end_first_floor") +
               cable("Cable5", "A1", "B1", "end_first_floor") +
               cable("Cable6", "A1", "B1", "end_first_floor") +
               cable("Cable7", "A1", "B1", "Ghost,end_first_floor,Ghost") +
               cable("Cable8", "A1", "C1", "");
    QVERIFY(loadText(m_dir, campusText(c)));
    Ductbook& job = Ductbook::Instance();
    const double length = job.getCableEstimatedLength(QString::fromLatin1(cableTag));
    QVERIFY2(qFuzzyCompare(length, expected),
             qPrintable(QStringLiteral("%1 != %2").arg(length).arg(expected)));
}

void TestLengths::horizontalPartOnOneFloor()
{
    Campus c;
    c.f1.ports = port("Port1", "A1", 36, 10);
    c.f1.risers = riser("VerticalRun1", 36, 82, 2, "Cable1");
    c.f2.ports = port("Port2", "B1", 36, 10);
    c.f2.risers = riser("VerticalRun2", 36, 154, 3, "Cable1");
    c.f3.risers = riser("VerticalRun3", 36, 82, 4, "");
    c.cables = cable("Cable1", "A1", "B1", "end_first_floor");
    QVERIFY(loadText(m_dir, campusText(c)));
    Ductbook& job = Ductbook::Instance();
    const QString tag = QStringLiteral("Cable1");
    VertRun start = job.getVertRunByTag(QStringLiteral("VerticalRun1"));
    VertRun end = job.getVertRunByTag(QStringLiteral("VerticalRun2"));
    VertRun elsewhere = job.getVertRunByTag(QStringLiteral("VerticalRun3"));
    VertRun none;
    QCOMPARE(job.getCableEstimatedLength(tag, start), 2.0);
    QCOMPARE(job.getCableEstimatedLength(tag, end), 4.0);
    QCOMPARE(job.getCableEstimatedLength(tag, elsewhere), 0.0);
    QCOMPARE(job.getCableEstimatedLength(tag, none), 0.0);
}

void TestLengths::ceilingsOfTheFloorsInBetween_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<double>("expected");
    QTest::newRow("1 and 3: floor 2 only") << "FFloor_1"
                                           << "FFloor_3" << 9.5;
    QTest::newRow("3 and 1: either way round") << "FFloor_3"
                                               << "FFloor_1" << 9.5;
    QTest::newRow("1 and 2: adjacent") << "FFloor_1"
                                       << "FFloor_2" << 0.0;
    QTest::newRow("same floor") << "FFloor_2"
                                << "FFloor_2" << 0.0;
    // Floor 10 is after floor 1 in the map's string order, not after 9.
    QTest::newRow("1 and 10: by number, not by tag order") << "FFloor_1"
                                                           << "FFloor_10" << 19.5;
}

void TestLengths::ceilingsOfTheFloorsInBetween()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(double, expected);
    Campus c;
    QByteArray text = campusText(c);
    text.replace("</Floor_List>", floor(10, 12, FloorText()) + " </Floor_List>");
    QVERIFY(loadText(m_dir, text));
    QCOMPARE(Ductbook::Instance().getCableEstimatedLength(a, b), expected);
}

void TestLengths::roundedLengths_data()
{
    QTest::addColumn<int>("lengthConstant");
    QTest::addColumn<int>("pairLength");
    QTest::addColumn<int>("pair");
    QTest::addColumn<bool>("metric");
    QTest::addColumn<float>("expected");
    // 1500 at 15.00 pF/ft is 100 ft, or 30.48 m shown as 30.5.
    QTest::newRow("feet") << 1500 << 1500 << 0 << false << 100.0f;
    QTest::newRow("metric, rounded to the half") << 1500 << 1500 << 0 << true << 30.5f;
    // 15.50 pF/ft: the hundredths of the constant count.
    QTest::newRow("constant with hundredths") << 1550 << 1550 << 2 << false << 100.0f;
    QTest::newRow("rounded to the tenth") << 1500 << 1234 << 1 << false << 82.3f;
    QTest::newRow("pair beyond the four") << 1500 << 1500 << 4 << false << 0.0f;
    QTest::newRow("negative pair") << 1500 << 1500 << -1 << false << 0.0f;
}

void TestLengths::roundedLengths()
{
    QFETCH(int, lengthConstant);
    QFETCH(int, pairLength);
    QFETCH(int, pair);
    QFETCH(bool, metric);
    QFETCH(float, expected);
    Ductbook& job = newJob(m_dir);
    TestDef def(QStringLiteral("CAT6"));
    def.setLengthConstant(float(lengthConstant));
    job.addTestDef(def);
    const QString id = job.addCable(QString(), QStringLiteral("Cable"), QStringLiteral("Network"),
                                    QString(), QString(), QStringLiteral("CAT6"), 0);
    const QString cableTag = job.getCableElement(id);
    TestResults results;
    for (int p = 0; p < 4; ++p)
        results.results().pairLength[p] = pairLength;
    job.setCableTestResults(cableTag, results);
    QCOMPARE(job.getRoundedCableLength(cableTag, pair, metric), expected);
    // A report's way: from the result and the definition as read back.
    QCOMPARE(Ductbook::roundedPairLength(job.getCableTestResults(cableTag).results(),
                                         job.getTestDef(QStringLiteral("CAT6")), pair, metric),
             expected);
}

// A definition whose length constant is 0 (a file edited by hand, or one the
// validation let through because it tests nothing) must give a length the
// host can show, not an infinity.
void TestLengths::zeroLengthConstantGivesNoLength()
{
    Ductbook& job = newJob(m_dir);
    TestDef zero(QStringLiteral("Odd"));
    zero.setLengthConstant(0.5f); // stored and read back as 0
    job.addTestDef(zero);
    TestDef cat6(QStringLiteral("CAT6"));
    cat6.setLengthConstant(1500.0f);
    job.addTestDef(cat6);
    const QString odd =
        job.getCableElement(job.addCable(QString(), QStringLiteral("Cable"), QString(), QString(),
                                         QString(), QStringLiteral("Odd"), 0));
    const QString untested =
        job.getCableElement(job.addCable(QString(), QStringLiteral("Cable"), QString(), QString(),
                                         QString(), QStringLiteral("CAT6"), 0));
    TestResults results;
    for (int p = 0; p < 4; ++p)
        results.results().pairLength[p] = 1500;
    job.setCableTestResults(odd, results);

    QCOMPARE(job.getRoundedCableLength(odd, 0, false), 0.0f);
    QCOMPARE(job.getRoundedCableLength(odd, 0, true), 0.0f);
    QCOMPARE(job.getMaxRoundedCableLength(odd, false, false), 0.0f);
    QCOMPARE(job.getMaxRoundedCableLength(odd, true, false), 0.0f);
    // The tester's own reading needs no constant.
    QCOMPARE(job.getMaxRoundedCableLength(odd, false, true), 1500.0f);
    QCOMPARE(job.getMaxRoundedCableLength(odd, true, true), 457.0f);

    // Untested: no reading is 0, and -1 through the constant rounds to 0.
    QCOMPARE(job.getMaxRoundedCableLength(untested, false, true), 0.0f);
    QCOMPARE(job.getMaxRoundedCableLength(untested, true, true), 0.0f);
    QCOMPARE(job.getMaxRoundedCableLength(untested, false, false), 0.0f);
}

// The tester's own reading shown in metres is cut to the whole metre, not
// rounded: 1600 ft is 487.68 m, shown as 487.
void TestLengths::testersOwnReadingInWholeMetres()
{
    Ductbook& job = newJob(m_dir);
    TestDef cat6(QStringLiteral("CAT6"));
    cat6.setLengthConstant(1500.0f);
    job.addTestDef(cat6);
    const QString tag =
        job.getCableElement(job.addCable(QString(), QStringLiteral("Cable"), QString(), QString(),
                                         QString(), QStringLiteral("CAT6"), 0));
    TestResults results;
    for (int p = 0; p < 4; ++p)
        results.results().pairLength[p] = 1600;
    job.setCableTestResults(tag, results);
    QCOMPARE(job.getMaxRoundedCableLength(tag, false, true), 1600.0f);
    QCOMPARE(job.getMaxRoundedCableLength(tag, true, true), 487.0f);
}

QTEST_GUILESS_MAIN(TestLengths)
#include "tst_lengths.moc"
