// Floors and sheets: adds in every mode, repairs on read, renames, numbers
// and removal.
#include "jobfixture.h"

#include <QtTest>

using namespace JobFixture;

class TestFloors : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { JobFixture::verifyAndClose(); }

    void generatedTagsFillGaps();
    void suppliedNamesInModeTwo();
    void modesThreeAndOne();
    void addFailures_data();
    void addFailures();
    void sheetAdds();
    void readingRepairsMissingAttributes();
    void attributeSettersLeaveChangedFlag();
    void floorAndSheetNumbers_data();
    void floorAndSheetNumbers();
    void removeFloorAndSheet();
    void removeFloorLeavesTheMapsOfTheFile();
    void floorRecordsRoundTrip();

private:
    QTemporaryDir m_dir;
};

static const QString kPrefix = QStringLiteral("Floor_");

void TestFloors::generatedTagsFillGaps()
{
    Ductbook& job = newJob(m_dir);
    job.removeFloor(QStringLiteral("FFloor_1"));
    QCOMPARE(job.addFloor(QString(), kPrefix, 8.0, QString(), 0), QStringLiteral("FFloor_1"));
    QCOMPARE(job.addFloor(QString(), kPrefix, 8.0, QString(), 0), QStringLiteral("FFloor_2"));
    QCOMPARE(job.getFloorIds(), (QStringList{"Floor_1", "Floor_2"}));
    QCOMPARE(job.addFloor(QString(), kPrefix, 8.0, QString(), 0), QStringLiteral("FFloor_3"));

    job.removeFloor(QStringLiteral("FFloor_1"));
    QVERIFY(!job.floorExists(QStringLiteral("FFloor_1"), true));
    QCOMPARE(job.addFloor(QString(), kPrefix, 8.0, QString(), 0), QStringLiteral("FFloor_1"));
    QCOMPARE(job.getFloorIdByTag(QStringLiteral("FFloor_1")), QStringLiteral("Floor_1"));

    job.removeFloor(QStringLiteral("FFloor_2"));
    QCOMPARE(job.addFloor(QString(), kPrefix, 8.0, QString(), 0), QStringLiteral("FFloor_2"));
    QVERIFY(job.isChanged());
}

void TestFloors::suppliedNamesInModeTwo()
{
    Ductbook& job = newJob(m_dir);
    QCOMPARE(job.addFloor(QStringLiteral("FFloor_7"), QStringLiteral("Roof"), 9.5,
                          QStringLiteral("/plans/roof.png"), 2),
             QStringLiteral("FFloor_7"));
    const Floor f = job.getFloor(QStringLiteral("FFloor_7"));
    QCOMPARE(f.element(), QStringLiteral("FFloor_7"));
    QCOMPARE(f.id(), QStringLiteral("Roof"));
    QCOMPARE(f.pic(), QStringLiteral("/plans/roof.png"));
    QCOMPARE(f.ceilingHeight(), 9.5);
    QVERIFY(job.save());
    QVERIFY(readFile(job.filename()).contains("<FFloor_7 id=\"Roof\" ceiling_height=\"9.5\""));
}

void TestFloors::modesThreeAndOne()
{
    Ductbook& job = newJob(m_dir);
    // Mode 3 keeps the tag and numbers the id from the prefix; mode 1 the reverse.
    QCOMPARE(job.addFloor(QStringLiteral("FFloor_5"), kPrefix, 8.0, QString(), 3),
             QStringLiteral("FFloor_5"));
    QCOMPARE(job.getFloorIdByTag(QStringLiteral("FFloor_5")), QStringLiteral("Floor_2"));
    QCOMPARE(job.addFloor(QStringLiteral("ignored"), QStringLiteral("Attic"), 8.0, QString(), 1),
             QStringLiteral("FFloor_2"));
    QCOMPARE(job.getFloorIdByTag(QStringLiteral("FFloor_2")), QStringLiteral("Attic"));
}

// A tag supplied by the caller is an element name: an invalid one, or one that
// is taken, would leave a file that cannot be read back or a floor that cannot
// be reached, so the add fails with its usual result and creates nothing.
void TestFloors::addFailures_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<int>("mode");
    QTest::newRow("space in tag") << "Floor 1" << 2;
    QTest::newRow("digit first") << "1st" << 3;
    QTest::newRow("markup") << "a<b>" << 2;
    QTest::newRow("empty tag") << "" << 2;
    QTest::newRow("tag taken") << "FFloor_1" << 2;
}

void TestFloors::addFailures()
{
    QFETCH(QString, tag);
    QFETCH(int, mode);
    Ductbook& job = newJob(m_dir);
    QCOMPARE(job.addFloor(tag, QStringLiteral("X"), 8.0, QString(), mode),
             QStringLiteral("Bad Floor"));
    QCOMPARE(job.addSheet(tag.replace(QStringLiteral("FFloor_"), QStringLiteral("SSheet_")),
                          QStringLiteral("X"), mode),
             QStringLiteral("Bad Sheet"));
    QCOMPARE(job.getFloorTags(), QStringList{"FFloor_1"});
    QCOMPARE(job.getSheetTags(), QStringList{"SSheet_1"});
    QVERIFY(!job.isChanged());
    QVERIFY(job.save());
    QVERIFY(Ductbook::Instance().Load(job.filename()));

    // No floor list at all: every add fails.
    job.Unload();
    QCOMPARE(job.addFloor(QString(), kPrefix, 8.0, QString(), 0), QStringLiteral("Bad Floor"));
    QCOMPARE(job.addSheet(QString(), QStringLiteral("Sheet_"), 0), QStringLiteral("Bad Sheet"));
}

void TestFloors::sheetAdds()
{
    Ductbook& job = newJob(m_dir);
    QCOMPARE(job.addSheet(QString(), QStringLiteral("Sheet_"), 0), QStringLiteral("SSheet_2"));
    QCOMPARE(job.getSheetIdByTag(QStringLiteral("SSheet_2")), QStringLiteral("Sheet_2"));
    QCOMPARE(job.addSheet(Sheet(QStringLiteral("SSheet_9"), QStringLiteral("Core")), 2),
             QStringLiteral("SSheet_9"));
    QCOMPARE(job.getSheet(QStringLiteral("SSheet_9")).id(), QStringLiteral("Core"));
    QVERIFY(job.save());
    QVERIFY(readFile(job.filename())
                .contains("<SSheet_9 id=\"Core\">\n   <Device_List/>\n   <Vertice_List/>\n"
                          "   <FreeText_List/>\n  </SSheet_9>"));
}

void TestFloors::readingRepairsMissingAttributes()
{
    QVERIFY(loadText(m_dir, jobText(" <Floor_List><FFloor_1 id=\"Old\"/></Floor_List>\n")));
    Ductbook& job = Ductbook::Instance();
    const QString tag = QStringLiteral("FFloor_1");
    QCOMPARE(job.getBackgroundOption(tag), QStringLiteral("Center"));
    QCOMPARE(job.getFloorBackgroundOrigin(tag), QPoint(0, 0));
    QCOMPARE(job.getFloorCeilingHeight(tag), 8.0);
    QCOMPARE(job.getFloorBackgroundPic(tag), QString(""));
    QVERIFY(!job.isChanged());
    QVERIFY(job.save());
    QVERIFY(readFile(job.filename())
                .contains("<FFloor_1 id=\"Old\" ceiling_height=\"8\" option=\"Center\" pic=\"\" "
                          "pic_x=\"0\" pic_y=\"0\"/>"));
    QCOMPARE(job.getFloorCeilingHeight(QStringLiteral("FFloor_9")), 8.0);
    QCOMPARE(job.getFloor(QStringLiteral("FFloor_9")).element(), QString());
}

void TestFloors::attributeSettersLeaveChangedFlag()
{
    Ductbook& job = newJob(m_dir);
    const QString tag = QStringLiteral("FFloor_1");
    job.setFloorBackgroundPic(tag, QStringLiteral("a.png"), 10, 20);
    job.setFloorBackgroundPic(tag, QStringLiteral("b.png"), 30, 40);
    job.setBackgroundOption(tag, QStringLiteral("Tile"));
    job.setFloorCeilingHeight(tag, 10.25);
    QVERIFY(!job.isChanged());
    QCOMPARE(job.getFloorBackgroundOrigin(tag), QPoint(30, 40));
    QCOMPARE(job.getFloorBackgroundPic(tag), QStringLiteral("b.png"));
    QCOMPARE(job.getBackgroundOption(tag), QStringLiteral("Tile"));
    QCOMPARE(job.getFloorCeilingHeight(tag), 10.25);
    // Heights keep six significant digits, as they always have been written.
    job.setFloorCeilingHeight(tag, 1.0000001);
    QVERIFY(job.save());
    QVERIFY(readFile(job.filename()).contains("ceiling_height=\"1\""));
}

void TestFloors::floorAndSheetNumbers_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("floorNumber");
    QTest::addColumn<QString>("sheetNumber");
    QTest::newRow("single digit") << "FFloor_3"
                                  << "03"
                                  << "03";
    QTest::newRow("two digits") << "FFloor_12"
                                << "12"
                                << "12";
    QTest::newRow("three digits") << "SSheet_105"
                                  << "105"
                                  << "105";
    QTest::newRow("empty tag") << ""
                               << "1"
                               << "00";
    QTest::newRow("no underscore") << "Basement"
                                   << "00"
                                   << "00";
}

void TestFloors::floorAndSheetNumbers()
{
    QFETCH(QString, tag);
    QFETCH(QString, floorNumber);
    QFETCH(QString, sheetNumber);
    Ductbook& job = Ductbook::Instance();
    QCOMPARE(job.getFloorNumber(tag), floorNumber);
    QCOMPARE(job.getSheetNumber(tag), sheetNumber);
}

void TestFloors::removeFloorAndSheet()
{
    Ductbook& job = newJob(m_dir);
    job.addSheet(QString(), QStringLiteral("Sheet_"), 0);
    job.setDirty(false);
    job.removeSheet(QStringLiteral("SSheet_1"));
    QVERIFY(job.isChanged());
    QCOMPARE(job.getSheetTags(), QStringList{"SSheet_2"});
    QCOMPARE(job.getSheet(QStringLiteral("SSheet_1")).element(), QString());

    Floor first = job.getFloor(QStringLiteral("FFloor_1"));
    job.addFloor(QString(), kPrefix, 8.0, QString(), 0);
    job.removeFloor(first); // found by its id
    QCOMPARE(job.getFloorTags(), QStringList{"FFloor_2"});

    job.setDirty(false);
    job.removeFloor(QStringLiteral("FFloor_9"));
    QVERIFY(!job.isChanged());
}

void TestFloors::floorRecordsRoundTrip()
{
    Ductbook& job = newJob(m_dir);
    Floor f(QStringLiteral("ignored"), QStringLiteral("Mezzanine"), QStringLiteral("m.png"), 12.5);
    const QString tag = job.addFloor(f, 1);
    QCOMPARE(tag, QStringLiteral("FFloor_2"));
    QVERIFY(job.save());
    Ductbook::Destroy();
    Ductbook& again = Ductbook::Instance();
    QVERIFY(again.Load(m_dir.filePath(QStringLiteral("job.job"))));
    const Floor back = again.getFloor(tag);
    QCOMPARE(back.id(), QStringLiteral("Mezzanine"));
    QCOMPARE(back.pic(), QStringLiteral("m.png"));
    QCOMPARE(back.ceilingHeight(), 12.5);
    QCOMPARE(again.getFloorTagById(QStringLiteral("Mezzanine")), tag);
}

// Removing a floor or sheet takes its items out of the maps one by one; what the job
// answers afterwards must be what it answers from the saved file.
void TestFloors::removeFloorLeavesTheMapsOfTheFile()
{
    Ductbook& job = newJob(m_dir);
    const QString ground = job.getFloorTags().constFirst();
    const QString upper = job.addFloor(QString(), QStringLiteral("Floor_"), 8.0, QString(), 0);
    for (const QString& floor : {ground, upper}) {
        const QString room =
            job.addRoom(floor, 0, 0, 9, 9, QString(), QStringLiteral("R"), 0, 0, 3, 3, 3, 0);
        for (int i = 0; i < 3; ++i)
            job.addPort(floor, room, i, i, QString(), QStringLiteral("P"),
                        QStringLiteral("Network"), QString(), 7.0, 0);
        QStringList none;
        QStringList noneEither;
        job.addVertRun(floor, QStringLiteral("Undefined"), 1, 1, none, noneEither, QString(),
                       QStringLiteral("VR"), QStringLiteral("vertical_run"), QString(), 0.0, 0);
        job.addPoint(floor, 2, 2, QString(), QStringLiteral("Pt"), 0);
        job.addFloorFreeText(floor, 3, 3, QStringLiteral("note"), 9);
    }
    const QStringList ports = job.getPorts(false);
    job.addCable(QString(), QStringLiteral("Cable"), QStringLiteral("Network"), ports.at(0),
                 ports.at(1), 0);
    job.addCable(QString(), QStringLiteral("Cable"), QStringLiteral("Network"), ports.at(4),
                 ports.at(0), 0);
    job.addCable(QString(), QStringLiteral("Cable"), QStringLiteral("Network"), ports.at(4),
                 ports.at(5), 0);
    job.addConnectedCableToVertRun(job.getVertRuns().constFirst(), QStringLiteral("Cable1"));
    // The riser index is built before the floor goes.
    QVERIFY(job.isCableInVertRun(QStringLiteral("Cable1")));

    job.removeFloor(upper);
    const auto answers = [&job] {
        return QStringList{job.getPorts(true).join(QLatin1Char(',')),
                           job.getVertRuns().join(QLatin1Char(',')),
                           job.getCables(true).join(QLatin1Char(',')),
                           job.getFloorTags().join(QLatin1Char(','))} +
               QStringList{QString::number(job.itemCounts().value(QStringLiteral("rooms"))),
                           QString::number(job.itemCounts().value(QStringLiteral("points"))),
                           QString::number(job.itemCounts().value(QStringLiteral("floor texts"))),
                           QString::number(job.portExists(QStringLiteral("P04"), false)),
                           QString::number(job.roomExists(QStringLiteral("R2"), false)),
                           job.getVertRunsWithCableInConnectedList(QStringLiteral("Cable1"))
                               .join(QLatin1Char(','))};
    };
    // And a sheet with its items.
    const QString sheet = job.addSheet(QString(), QStringLiteral("Sheet_"), 0);
    job.addDevice(sheet, 1, 1, QString(), QStringLiteral("D"), QString(), QString(), QString(), 0);
    job.addVertice(sheet, 1, 1, QString(), QStringLiteral("V"), 0);
    job.addFreeText(sheet, 1, 1, QStringLiteral("t"), 9);
    job.addDevice(job.getSheetTags().constFirst(), 1, 1, QString(), QStringLiteral("D"), QString(),
                  QString(), QString(), 0);
    job.removeSheet(sheet);
    const auto allAnswers = [&job, &answers] {
        return answers() +
               QStringList{job.getDevices(false).join(QLatin1Char(',')),
                           QString::number(job.verticeExists(QStringLiteral("V1"), false)),
                           QString::number(job.itemCounts().value(QStringLiteral("sheet texts")))};
    };
    const QStringList inMemory = allAnswers();
    QCOMPARE(inMemory.at(2), QStringLiteral("Cable1"));
    QVERIFY(job.save());
    QVERIFY(job.Load(job.filename()));
    QCOMPARE(allAnswers(), inMemory);
}

QTEST_GUILESS_MAIN(TestFloors)
#include "tst_floors.moc"
