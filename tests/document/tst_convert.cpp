// Job files of every older format load converted to the current one: each
// fixture in tests/data/job beside the result expected of it, and the
// cases where a conversion must not go the way a naive one would.
#include "domcompare.h"
#include "fixtures.h"
#include "jobfixture.h"

#include <qvteditor.h>

#include <QDir>
#include <QTextDocument>
#include <QtTest>

using namespace JobFixture;

class TestConvert : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void comparisonSeesEveryKindOfDifference_data();
    void comparisonSeesEveryKindOfDifference();
    void fixtureConvertsToExpected_data();
    void fixtureConvertsToExpected();
    void mapsOfTheJobOpenBeforeDoNotLeakIn_data();
    void mapsOfTheJobOpenBeforeDoNotLeakIn();

    void lengthConstantsBefore13AreScaled_data();
    void lengthConstantsBefore13AreScaled();
    void portsOf23GetDropHeight();
    void roomsOf22GetLayer();
    void renumberedCablesKeepTheirRisers();
    void riserCablesKeepTheirOwnRoute();
    void templateTypesReachAJobWithoutLists();
    void notesBecomeRichText();
    void convertedJobSavesAsCurrentVersion();

    void unknownVersionsAreRejected_data();
    void unknownVersionsAreRejected();
    void failedConversionLeavesNothingToSave_data();
    void failedConversionLeavesNothingToSave();
    void templateJudgedByItsOwnLoad();

private:
    // Copies the fixture of version (and the template) into a fresh folder
    // and points the job at that template; returns the job file's path.
    QString stage(const QString& version);
    Ductbook& loadStaged(const QString& version);
    // The job as saved right after loading, before any read repairs it.
    QDomDocument savedCopy(Ductbook& job);

    QScopedPointer<QTemporaryDir> m_dir;
};

namespace {

// The job notes come back as the rich text of a text document, whose markup
// names the platform's fonts; the expected files hold the plain text, so the
// markup is checked and then read back to plain text.
QString plainNotes(QDomDocument& doc)
{
    QDomElement notes = doc.documentElement().firstChildElement(QStringLiteral("JobNotes_Text"));
    const QString text = notes.attribute(QStringLiteral("text"));
    if (text.isEmpty())
        return QString();
    if (!text.startsWith(QLatin1String("<!DOCTYPE HTML")) ||
        !text.contains(QLatin1String("qrichtext")))
        return QStringLiteral("notes are not rich text: ") + text.left(80);
    QTextDocument rich;
    rich.setHtml(text);
    notes.setAttribute(QStringLiteral("text"), rich.toPlainText());
    return QString();
}

// Saves the loaded job beside its fixture and compares it with the expected
// file; where they first differ, or "".
QString differenceFromExpected(Ductbook& job, const QString& version, const QString& dir)
{
    const QString saved = dir + QStringLiteral("/converted.job");
    if (!job.saveAs(saved))
        return QStringLiteral("save failed: ") + job.error();
    QString error;
    QDomDocument actual = DomCompare::parseFile(saved, &error);
    const QDomDocument expected =
        DomCompare::parseFile(Fixtures::job(QStringLiteral("job-%1.expected.job").arg(version)), &error);
    if (!error.isEmpty())
        return error;
    const QString notes = plainNotes(actual);
    if (!notes.isEmpty())
        return notes;
    return DomCompare::difference(actual.documentElement(), expected.documentElement());
}

} // namespace

void TestConvert::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
}

void TestConvert::cleanup()
{
    JobFixture::verifyAndClose();
    QvtEditor::Destroy();
}

QString TestConvert::stage(const QString& version)
{
    const QString job = m_dir->filePath(QStringLiteral("job-%1.job").arg(version));
    const QString qvt = m_dir->filePath(QStringLiteral("default.qvt"));
    QFile::remove(job);
    if (!QFile::exists(qvt) && !QFile::copy(Fixtures::qvt(QStringLiteral("default.qvt")), qvt))
        return QString();
    if (!QFile::copy(Fixtures::job(QStringLiteral("job-%1.job").arg(version)), job))
        return QString();
    Ductbook::Instance().setDefaultQvtFile(qvt);
    return job;
}

Ductbook& TestConvert::loadStaged(const QString& version)
{
    Ductbook& job = Ductbook::Instance();
    const QString path = stage(version);
    if (!job.Load(path))
        qWarning() << "load of" << path << "failed:" << job.error();
    return job;
}

QDomDocument TestConvert::savedCopy(Ductbook& job)
{
    const QString path = m_dir->filePath(QStringLiteral("saved-copy.job"));
    if (!job.saveAs(path))
        return QDomDocument();
    QString error;
    return DomCompare::parseFile(path, &error);
}

void TestConvert::comparisonSeesEveryKindOfDifference_data()
{
    QTest::addColumn<QString>("actual");
    QTest::addColumn<bool>("alike");
    QTest::newRow("attribute order and layout") << "<J><A y=\"2\"   x=\"1\"/><B/></J>" << true;
    QTest::newRow("attribute value") << "<J><A x=\"1\" y=\"3\"/><B/></J>" << false;
    QTest::newRow("missing attribute") << "<J><A x=\"1\"/><B/></J>" << false;
    QTest::newRow("extra attribute") << "<J><A x=\"1\" y=\"2\" z=\"\"/><B/></J>" << false;
    QTest::newRow("child order") << "<J><B/><A x=\"1\" y=\"2\"/></J>" << false;
    QTest::newRow("missing child") << "<J><A x=\"1\" y=\"2\"/></J>" << false;
    QTest::newRow("extra child") << "<J><A x=\"1\" y=\"2\"/><B/><C/></J>" << false;
    QTest::newRow("renamed child") << "<J><A x=\"1\" y=\"2\"/><C/></J>" << false;
}

// The fixtures are judged by a structural comparison; it must see what a
// conversion can get wrong.
void TestConvert::comparisonSeesEveryKindOfDifference()
{
    QFETCH(QString, actual);
    QFETCH(bool, alike);
    QDomDocument want;
    QDomDocument have;
    QVERIFY(want.setContent(QStringLiteral("<J>\n <A x=\"1\" y=\"2\"/>\n <B/>\n</J>\n")));
    QVERIFY(have.setContent(actual));
    QCOMPARE(DomCompare::difference(have.documentElement(), want.documentElement()).isEmpty(),
             alike);
}

void TestConvert::fixtureConvertsToExpected_data()
{
    QTest::addColumn<QString>("version");
    for (const QString& v : Fixtures::versions(QStringLiteral("job")))
        QTest::newRow(qPrintable(v)) << v;
}

// The whole chain from each version, judged on the saved file. Loading
// changes nothing on disk: the old job and the template stay as they were.
void TestConvert::fixtureConvertsToExpected()
{
    QFETCH(QString, version);
    const QString path = stage(version);
    QVERIFY(!path.isEmpty());
    const QByteArray before = readFile(path);
    const QByteArray templateBefore = readFile(m_dir->filePath(QStringLiteral("default.qvt")));

    Ductbook& job = Ductbook::Instance();
    QVERIFY2(job.Load(path), qPrintable(job.error()));
    QCOMPARE(job.isChanged(), false);
    QCOMPARE(job.getFileVersion(), version);
    QCOMPARE(readFile(path), before);
    QCOMPARE(readFile(m_dir->filePath(QStringLiteral("default.qvt"))), templateBefore);

    const QString difference = differenceFromExpected(job, version, m_dir->path());
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void TestConvert::mapsOfTheJobOpenBeforeDoNotLeakIn_data()
{
    QTest::addColumn<QString>("version");
    // 1.1 adds a floor, 1.4 checks riser lists against the cables, 2.2 turns
    // sub-rooms into rooms: each asks the maps for names.
    for (const char* v : {"1.1", "1.4", "2.2"})
        QTest::newRow(v) << QString::fromLatin1(v);
}

// A job with floors, rooms and cables of the same names is open when the old
// file loads; the conversion must see the old file's names, not those.
void TestConvert::mapsOfTheJobOpenBeforeDoNotLeakIn()
{
    QFETCH(QString, version);
    Ductbook& job = Ductbook::Instance();
    QVERIFY(job.Load(QStringLiteral(GRIDWELL_SOURCE_DIR "/examples/office.job")));
    QVERIFY(!job.getFloorTags().isEmpty());
    QVERIFY2(job.Load(stage(version)), qPrintable(job.error()));
    const QString difference = differenceFromExpected(job, version, m_dir->path());
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void TestConvert::lengthConstantsBefore13AreScaled_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("lengthConstant");
    QTest::newRow("1.1 divided by 10") << "1.1"
                                       << "CAT5" << 1500;
    QTest::newRow("1.2 divided by 10") << "1.2"
                                       << "CAT5" << 1500;
    QTest::newRow("1.2 divided by 10, truncated") << "1.2"
                                                  << "CAT3" << 1655;
    QTest::newRow("1.3 kept") << "1.3"
                              << "CAT5" << 1500;
}

void TestConvert::lengthConstantsBefore13AreScaled()
{
    QFETCH(QString, version);
    QFETCH(QString, type);
    QFETCH(int, lengthConstant);
    Ductbook& job = loadStaged(version);
    const TestDef def = job.getTestDef(type);
    QCOMPARE(def.id(), type);
    QCOMPARE(def.length_constant(), lengthConstant);
    // The expected block was 24 digits short; the missing pair extras are 0.
    const cable_struct expected = def.expected();
    QCOMPARE(expected.pairExtra[2], 0);
    QCOMPARE(expected.pairExtra[7], 0);
    QCOMPARE(expected.wiremap[1], quint8(0));
}

// Reading a port adds a missing drop height, so the saved file is what shows
// that the conversion wrote it.
void TestConvert::portsOf23GetDropHeight()
{
    Ductbook& job = loadStaged(QStringLiteral("2.3"));
    const QDomDocument saved = savedCopy(job);
    const QDomNodeList ports = saved.elementsByTagName(QStringLiteral("Port_List"));
    int count = 0;
    for (int i = 0; i < ports.count(); ++i) {
        for (QDomElement port = ports.item(i).firstChildElement(); !port.isNull();
             port = port.nextSiblingElement(), ++count)
            QCOMPARE(port.attribute(QStringLiteral("drop_height")),
                     port.attribute(QStringLiteral("id")) == QLatin1String("LIB-02")
                         ? QStringLiteral("4.5")
                         : QStringLiteral("7"));
    }
    QCOMPARE(count, 12);
    const QDomNodeList runs = saved.elementsByTagName(QStringLiteral("VerticalRun1"));
    QCOMPARE(runs.item(0).toElement().attribute(QStringLiteral("drop_height")),
             QStringLiteral("0"));
    QCOMPARE(job.getPortByTag(QStringLiteral("Port1")).dropHeight(), 7.0);
}

void TestConvert::roomsOf22GetLayer()
{
    Ductbook& job = loadStaged(QStringLiteral("2.2"));
    const QDomDocument saved = savedCopy(job);
    QCOMPARE(saved.elementsByTagName(QStringLiteral("Room1"))
                 .item(0)
                 .toElement()
                 .attribute(QStringLiteral("layer")),
             QStringLiteral("3"));
    QCOMPARE(job.getRoomByTag(QStringLiteral("FFloor_1"), QStringLiteral("Room2")).layer(), 1);
    // The sub-rooms are rooms now, with what they held.
    const Room store = job.getRoomById(QStringLiteral("FFloor_1"), QStringLiteral("Store"));
    QCOMPARE(store.element(), QStringLiteral("Room4"));
    QCOMPARE(store.layer(), 2);
    QCOMPARE(job.getPorts(QStringLiteral("FFloor_1"), QStringLiteral("Room4"), false),
             QStringList{"OF-04"});
    QCOMPARE(
        job.getRoomById(QStringLiteral("FFloor_2"), QStringLiteral("Comms cupboard")).element(),
        QStringLiteral("Room5"));
}

// In the 2.1 file "C1" comes before a cable already tagged "Cable1": C1
// becomes Cable1 and that one Cable2. A riser listing "C1" must end listing
// the cable that was C1, one listing "Cable1" the cable that was Cable1.
void TestConvert::renumberedCablesKeepTheirRisers()
{
    Ductbook& job = loadStaged(QStringLiteral("2.1"));
    QCOMPARE(job.getCableID(QStringLiteral("Cable1")), QStringLiteral("Cable001"));
    QCOMPARE(job.getCableID(QStringLiteral("Cable2")), QStringLiteral("Cable002"));
    const QString groundRiser = job.getVertRunTag(QStringLiteral("VR-A"));
    QCOMPARE(job.getVertRunConnectedList(groundRiser), QStringList{"Cable1"});
    QCOMPARE(job.getVertRunDisconnectedList(groundRiser), QStringList{"Cable2"});
    QCOMPARE(job.getVertRunConnectedList(job.getVertRunTag(QStringLiteral("VR-B"))),
             (QStringList{"Cable1", "Cable2"}));
    QCOMPARE(job.getCableID(QStringLiteral("Cable9")), QStringLiteral("Cable005"));
}

// A cable connected at a riser is given the floor marker as its route only
// when it has none: "C1" (connected at both risers) comes with a route of
// its own, "Cable1" (connected at one) without.
void TestConvert::riserCablesKeepTheirOwnRoute()
{
    const QString path = stage(QStringLiteral("2.1"));
    QByteArray text = readFile(path);
    QVERIFY(text.contains("<C1 id=\"Cable001\" from="));
    text.replace("<C1 id=\"Cable001\" from=", "<C1 id=\"Cable001\" path=\"Point1\" from=");
    QVERIFY(writeFile(path, text));
    Ductbook& job = Ductbook::Instance();
    QVERIFY2(job.Load(path), qPrintable(job.error()));
    const QDomElement cables =
        savedCopy(job).documentElement().firstChildElement(QStringLiteral("Cable_List"));
    QCOMPARE(cables.firstChildElement(QStringLiteral("Cable1")).attribute(QStringLiteral("path")),
             QStringLiteral("Point1"));
    QCOMPARE(cables.firstChildElement(QStringLiteral("Cable2")).attribute(QStringLiteral("path")),
             QStringLiteral("end_first_floor"));
}

// The 2.1 file has neither list; the template's default types and bundles
// must still arrive, and the cables take their colours from them.
void TestConvert::templateTypesReachAJobWithoutLists()
{
    Ductbook& job = loadStaged(QStringLiteral("2.1"));
    QCOMPARE(job.getTypes().mid(0, 3), (QStringList{"CAT5", "CAT6", "RG-6"}));
    QVERIFY(!job.testDefExists(QStringLiteral("Fibre-OM3")));
    QCOMPARE(job.getBundledCableTypeIds(), QStringList{"MMCombo2"});
    QCOMPARE(job.getCableColor(QStringLiteral("Cable1")), QStringLiteral("#333333"));
    QCOMPARE(job.getCableColor(QStringLiteral("Cable4")), QStringLiteral("#abcdef"));
}

void TestConvert::notesBecomeRichText()
{
    Ductbook& job = loadStaged(QStringLiteral("2.3"));
    const QString notes = job.getJobNotesText();
    QVERIFY(notes.startsWith(QLatin1String("<!DOCTYPE HTML")));
    QTextDocument rich;
    rich.setHtml(notes);
    QCOMPARE(rich.toPlainText(),
             QStringLiteral("Ask the caretaker for the riser cupboard key.\n"
                            "Library ceiling void: surveyed 2010, clear & safe."));
}

void TestConvert::convertedJobSavesAsCurrentVersion()
{
    Ductbook& job = loadStaged(QStringLiteral("2.3"));
    QCOMPARE(job.isChanged(), false);
    QVERIFY(job.save());
    const QByteArray saved = readFile(job.filename());
    QVERIFY(saved.contains("<Version number=\"3.0\"/>"));
    // A current file loads as it is.
    const QString path = job.filename();
    Ductbook::Destroy();
    QVERIFY(Ductbook::Instance().Load(path));
    QCOMPARE(Ductbook::Instance().getFileVersion(), QStringLiteral("3.0"));
}

void TestConvert::unknownVersionsAreRejected_data()
{
    QTest::addColumn<QByteArray>("number");
    QTest::newRow("2.0") << QByteArray("2.0");
    QTest::newRow("1.0") << QByteArray("1.0");
    QTest::newRow("3.1") << QByteArray("3.1");
    QTest::newRow("2.3 with a space") << QByteArray("2.3 ");
    QTest::newRow("empty") << QByteArray("");
}

void TestConvert::unknownVersionsAreRejected()
{
    QFETCH(QByteArray, number);
    const QString path = m_dir->filePath(QStringLiteral("old.job"));
    const QByteArray text =
        "<!DOCTYPE Job>\n<Job>\n <Revision/>\n <Version number=\"" + number + "\"/>\n</Job>\n";
    QVERIFY(writeFile(path, text));
    Ductbook& job = Ductbook::Instance();
    QVERIFY(!job.Load(path));
    QCOMPARE(job.error(), QStringLiteral("Incompatible version of job file %1").arg(path));
    QCOMPARE(readFile(path), text);
}

void TestConvert::failedConversionLeavesNothingToSave_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QByteArray>("damage");
    // Jobs of 2.1 and older need the default template to convert.
    QTest::newRow("2.1 without template") << "2.1" << QByteArray();
    QTest::newRow("1.1 without template") << "1.1" << QByteArray();
    QTest::newRow("1.4 without Revision") << "1.4" << QByteArray("Revision");
}

// The conversion stops part-way; what it left must not be saved over the
// user's file, and nothing may be written anywhere.
void TestConvert::failedConversionLeavesNothingToSave()
{
    QFETCH(QString, version);
    QFETCH(QByteArray, damage);
    const QString path = stage(version);
    if (damage.isEmpty()) {
        Ductbook::Instance().setDefaultQvtFile(m_dir->filePath(QStringLiteral("missing.qvt")));
    } else {
        QByteArray text = readFile(path);
        text.replace("<" + damage + " ", "<Other ").replace("<" + damage + "/>", "<Other/>");
        QVERIFY(writeFile(path, text));
    }
    const QByteArray before = readFile(path);
    const QStringList filesBefore = QDir(m_dir->path()).entryList(QDir::Files);

    Ductbook& job = Ductbook::Instance();
    QVERIFY(!job.Load(path));
    QCOMPARE(job.error(), QStringLiteral("Incompatible version of job file %1").arg(path));
    QCOMPARE(job.getFileVersion(), version);
    QVERIFY(job.getFloorTags().isEmpty());
    QVERIFY(job.getCables(true).isEmpty());
    QVERIFY(!job.save());
    QVERIFY(!job.saveAs(m_dir->filePath(QStringLiteral("elsewhere.job"))));
    QCOMPARE(readFile(path), before);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), filesBefore);
}

// A template that failed to load earlier leaves its error text behind; a
// later job must convert once the template does load.
void TestConvert::templateJudgedByItsOwnLoad()
{
    QvtEditor& tmpl = QvtEditor::Instance();
    QVERIFY(!tmpl.Load(m_dir->filePath(QStringLiteral("missing.qvt"))));
    QVERIFY(!tmpl.error().isEmpty());
    Ductbook& job = Ductbook::Instance();
    QVERIFY2(job.Load(stage(QStringLiteral("2.1"))), qPrintable(job.error()));
    QVERIFY(job.testDefExists(QStringLiteral("CAT6")));
}

QTEST_GUILESS_MAIN(TestConvert)
#include "tst_convert.moc"
