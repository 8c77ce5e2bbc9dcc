// The upgrade of old template files: every version on its fixture with the
// expected result beside it, and each step's rules on small templates.
#include "domcompare.h"
#include "filesizelimit.h"
#include "fixtures.h"
#include "jobfixture.h"
#include "upgrade/legacyconvert_p.h"

#include <qvteditor.h>

#include <QtTest>

using namespace JobFixture;

namespace {

class TemplateUnderTest : public QvtEditor
{
public:
    QDomDocument& dom() { return document; }
};

const char* const Straight96 = "FFFFFFFFFFFFFFFFFFFFFFFF0F00010203FFFFFFFFFFFFFFFFFFFFFFFF0FFFFFFFF"
                               "FFFFFFFFFFFFFFFFFFFFFFFFFFFFF";

// A test definition element as old writers left them: only what is given.
QByteArray def(const QByteArray& tag, const QByteArray& attributes)
{
    return "  <" + tag + " " + attributes + "/>\n";
}

QByteArray templateText(const QByteArray& version, const QByteArray& body)
{
    return "<!DOCTYPE Qvt>\n<Qvt>\n <Version number=\"" + version + "\"/>\n" + body + "</Qvt>\n";
}

QDomDocument parse(const QByteArray& bytes)
{
    QDomDocument doc;
    doc.setContent(QString::fromLatin1(bytes));
    return doc;
}

QDomElement child(const QDomElement& parent, const QString& name)
{
    return parent.firstChildElement(name);
}

QList<QDomElement> childElements(const QDomElement& parent)
{
    QList<QDomElement> list;
    for (QDomElement e = parent.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        list.append(e);
    return list;
}

QStringList tagsOf(const QDomElement& parent)
{
    QStringList tags;
    for (const QDomElement& e : childElements(parent))
        tags.append(e.tagName());
    return tags;
}

} // namespace

class TestQvtConvert : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void everyVersionUpgradesToItsExpectedFile_data();
    void everyVersionUpgradesToItsExpectedFile();
    void eachStepIsWrittenToDisk();
    void versionJudgedByHowItStarts_data();
    void versionJudgedByHowItStarts();

    void definitionsBefore14_data();
    void definitionsBefore14();
    void reworkKeepsWhatTheRecordDoesNotCarry();
    void reworkKeepsBothDefinitionsOfOneType();
    void reworkTakesExpectedFromTheTTypeElement();

    void rg59_data();
    void rg59();
    void testDefTagsRenumbered();
    void definitionAttributes_data();
    void definitionAttributes();
    void bundledCableListAlwaysAppended_data();
    void bundledCableListAlwaysAppended();
    void inventoryPrintEntry_data();
    void inventoryPrintEntry();
    void crossoverDefinitionsAdded();
    void networkDevicesEntryRenamed();
    void stepsNeedTheVersionElement();

    void tagRenumbering_data();
    void tagRenumbering();

private:
    // Writes a current template with body and loads it, so that a single
    // step can be run on it.
    QvtEditor& loadCurrent(const QByteArray& body);
    // Saves the template and parses what was written.
    QDomDocument saved(QvtEditor& t);

    QTemporaryDir m_dir;
};

void TestQvtConvert::init()
{
    QVERIFY(m_dir.isValid());
}

void TestQvtConvert::cleanup()
{
    QvtEditor::Destroy();
}

QvtEditor& TestQvtConvert::loadCurrent(const QByteArray& body)
{
    const QString path = m_dir.filePath(QStringLiteral("step.qvt"));
    writeFile(path, templateText("3.0", body));
    QvtEditor& t = QvtEditor::Instance();
    if (!t.Load(path))
        qWarning() << "could not load" << path << t.error();
    return t;
}

QDomDocument TestQvtConvert::saved(QvtEditor& t)
{
    if (!t.save())
        qWarning() << "could not save" << t.error();
    return parse(readFile(t.filename()));
}

void TestQvtConvert::everyVersionUpgradesToItsExpectedFile_data()
{
    QTest::addColumn<QString>("version");
    for (const QString& v : Fixtures::versions(QStringLiteral("template")))
        QTest::newRow(qPrintable(v)) << v;
}

void TestQvtConvert::everyVersionUpgradesToItsExpectedFile()
{
    QFETCH(QString, version);
    const QString path = m_dir.filePath(QStringLiteral("template-%1.qvt").arg(version));
    QFile::remove(path);
    QVERIFY(QFile::copy(Fixtures::qvt(QStringLiteral("template-%1.qvt").arg(version)), path));
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));

    QvtEditor& t = QvtEditor::Instance();
    QVERIFY2(t.Load(path), qPrintable(t.error()));
    QCOMPARE(t.isChanged(), false);
    const QByteArray upgraded = readFile(path);
    QVERIFY(upgraded.contains(" <Version number=\"3.0\"/>\n"));
    const QString difference = DomCompare::fileDifference(
        path, Fixtures::qvt(QStringLiteral("template-%1.expected.qvt").arg(version)));
    QVERIFY2(difference.isEmpty(), qPrintable(difference));

    // Upgraded once: loading it again finds "3.0" and writes nothing.
    QvtEditor::Destroy();
    QVERIFY(QvtEditor::Instance().Load(path));
    QCOMPARE(readFile(path), upgraded);
}

// The file is written after every step: when a later step cannot be written
// the file holds the last version reached, and the next load carries on
// from there to the same result.
void TestQvtConvert::eachStepIsWrittenToDisk()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("stepwise.qvt"));
    QVERIFY(QFile::copy(Fixtures::qvt(QStringLiteral("template-1.2.qvt")), path));
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
    // 1.4 still fits; 2.1 adds the settings block and does not.
    const rlim_t limit = 3000;
    QVERIFY(QFileInfo(path).size() < qint64(limit));

    QvtEditor& t = QvtEditor::Instance();
    bool loaded = false;
    {
        FileSizeLimit disk(limit);
        QVERIFY(disk.isActive());
        loaded = t.Load(path);
    }

    QVERIFY(!loaded);
    QCOMPARE(t.error(), QStringLiteral("Incompatible version of Qvt file"));
    const QByteArray stepOne = readFile(path);
    QVERIFY(stepOne.contains("<Version number=\"1.4\"/>"));
    QVERIFY(!stepOne.contains("Settings_List"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"stepwise.qvt"});

    QVERIFY2(t.Load(path), qPrintable(t.error()));
    const QString difference =
        DomCompare::fileDifference(path, Fixtures::qvt(QStringLiteral("template-1.2.expected.qvt")));
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void TestQvtConvert::versionJudgedByHowItStarts_data()
{
    QTest::addColumn<QByteArray>("version");
    QTest::addColumn<bool>("loads");
    // Later 2.3 releases wrote their own digits after "2.3", and 3.0 ones
    // after "3.0"; the older numbers count only as they are.
    QTest::newRow("2.3.1 is 2.3") << QByteArray("2.3.1") << true;
    QTest::newRow("3.0.2 is current") << QByteArray("3.0.2") << true;
    QTest::newRow("2.2.1 is unknown") << QByteArray("2.2.1") << false;
    QTest::newRow("1.4.1 is unknown") << QByteArray("1.4.1") << false;
    QTest::newRow("2.0 is unknown") << QByteArray("2.0") << false;
}

// A refused template is left on disk as it was; an accepted 2.3 one gets the
// 3.0 step.
void TestQvtConvert::versionJudgedByHowItStarts()
{
    QFETCH(QByteArray, version);
    QFETCH(bool, loads);
    const QString path = m_dir.filePath(QStringLiteral("numbered.qvt"));
    const QByteArray text = templateText(version, " <TestDef_List/>\n");
    QVERIFY(writeFile(path, text));
    QvtEditor& t = QvtEditor::Instance();
    QCOMPARE(t.Load(path), loads);
    if (!loads) {
        QCOMPARE(t.error(), QStringLiteral("Incompatible version of Qvt file"));
        QCOMPARE(readFile(path), text);
        return;
    }
    const bool from23 = version.startsWith("2.3");
    QCOMPARE(t.testDefExists(QStringLiteral("CAT5-X")), from23);
    QCOMPARE(readFile(path).contains("<Version number=\"3.0\"/>"), from23);
}

void TestQvtConvert::definitionsBefore14_data()
{
    QTest::addColumn<QByteArray>("version");
    QTest::addColumn<QByteArray>("lengthConstant");
    QTest::addColumn<int>("expectedConstant");
    QTest::newRow("1.1 divides by ten") << QByteArray("1.1") << QByteArray("14800") << 1480;
    QTest::newRow("1.2 divides by ten") << QByteArray("1.2") << QByteArray("15000") << 1500;
    QTest::newRow("1.2 truncates first, stores whole numbers")
        << QByteArray("1.2") << QByteArray("15.7") << 1;
    QTest::newRow("1.3 keeps it") << QByteArray("1.3") << QByteArray("1500") << 1500;
}

// The definition is stored again: new tag, end of the list, the expected
// block completed with zeros.
void TestQvtConvert::definitionsBefore14()
{
    QFETCH(QByteArray, version);
    QFETCH(QByteArray, lengthConstant);
    QFETCH(int, expectedConstant);
    const QByteArray shortBlock = QByteArray(Straight96).left(72);
    const QByteArray body =
        " <Contractor_Info company=\"Acme\" email=\"\" phone=\"\" tester=\"\"><Address/>"
        "</Contractor_Info>\n <TestDef_List>\n" +
        def("TCAT5", "id=\"CAT5\" expected=\"" + shortBlock + "\" length_constant=\"" +
                         lengthConstant + "\" default_type=\"1\" in_use=\"1111\"") +
        def("Other", "id=\"\" expected=\"\"") + " </TestDef_List>\n";
    const QString path = m_dir.filePath(QStringLiteral("old.qvt"));
    QVERIFY(writeFile(path, templateText(version, body)));

    QvtEditor& t = QvtEditor::Instance();
    QVERIFY2(t.Load(path), qPrintable(t.error()));
    QCOMPARE(t.getTestDef(QStringLiteral("CAT5")).length_constant(), expectedConstant);
    QCOMPARE(t.getContractorCompany(), QStringLiteral("Acme"));

    const QDomDocument doc = parse(readFile(path));
    const QDomElement list =
        doc.documentElement().firstChildElement(QStringLiteral("TestDef_List"));
    // The definition without an id is no type and is not reworked; the
    // reworked one follows it.
    const QList<QDomElement> defs = childElements(list);
    QCOMPARE(defs.at(0).attribute(QStringLiteral("expected")), QString());
    const QDomElement cat5 = defs.at(1);
    QCOMPARE(cat5.attribute(QStringLiteral("id")), QStringLiteral("CAT5"));
    QCOMPARE(cat5.attribute(QStringLiteral("expected")),
             QString::fromLatin1(shortBlock + "000000000000000000000000"));
    const QDomElement contractor =
        doc.documentElement().firstChildElement(QStringLiteral("Contractor_Info"));
    QCOMPARE(contractor.hasAttribute(QStringLiteral("logo")), version == "1.1");
}

// The rework stores each definition again; what the record has no field for
// must not be lost on the way, and "color" and "comment" must still be
// missing when the 2.2 step looks for them.
void TestQvtConvert::reworkKeepsWhatTheRecordDoesNotCarry()
{
    const QByteArray body =
        " <TestDef_List>\n" +
        def("TCAT5",
            "id=\"CAT5\" connector=\"RJ45\" default_type=\"1\" length_constant=\"15000\"") +
        def("TCoax", "id=\"Coax\" default_type=\"0\" vendor=\"Belden\"") + " </TestDef_List>\n";
    const QString path = m_dir.filePath(QStringLiteral("old.qvt"));
    QVERIFY(writeFile(path, templateText("1.1", body)));
    QvtEditor& t = QvtEditor::Instance();
    QVERIFY2(t.Load(path), qPrintable(t.error()));

    const QDomElement list =
        parse(readFile(path)).documentElement().firstChildElement(QStringLiteral("TestDef_List"));
    const QDomElement cat5 = child(list, QStringLiteral("TestDef1"));
    QCOMPARE(cat5.attribute(QStringLiteral("id")), QStringLiteral("CAT5"));
    QCOMPARE(cat5.attribute(QStringLiteral("comment")), QStringLiteral("RJ45"));
    QVERIFY(!cat5.hasAttribute(QStringLiteral("connector")));
    QCOMPARE(cat5.attribute(QStringLiteral("color")), QStringLiteral("#11ff11"));
    const QDomElement coax = child(list, QStringLiteral("TestDef2"));
    QCOMPARE(coax.attribute(QStringLiteral("vendor")), QStringLiteral("Belden"));
    QCOMPARE(coax.attribute(QStringLiteral("color")), QStringLiteral("#000000"));
    QCOMPARE(coax.attribute(QStringLiteral("comment")), QString());
}

void TestQvtConvert::reworkKeepsBothDefinitionsOfOneType()
{
    const QByteArray body = " <TestDef_List>\n" + def("TCAT5", "id=\"CAT5\" SNR=\"180\"") +
                            def("TCAT6", "id=\"CAT6\" SNR=\"250\"") +
                            def("TCAT5", "id=\"CAT5\" SNR=\"190\"") + " </TestDef_List>\n";
    const QString path = m_dir.filePath(QStringLiteral("old.qvt"));
    QVERIFY(writeFile(path, templateText("1.3", body)));
    QvtEditor& t = QvtEditor::Instance();
    QVERIFY2(t.Load(path), qPrintable(t.error()));
    const QDomElement list =
        parse(readFile(path)).documentElement().firstChildElement(QStringLiteral("TestDef_List"));
    QStringList seen;
    for (const QDomElement& e : childElements(list).mid(0, 3))
        seen.append(e.attribute(QStringLiteral("id")) + QLatin1Char('/') +
                    e.attribute(QStringLiteral("SNR")));
    QCOMPARE(seen, (QStringList{"CAT5/180", "CAT6/250", "CAT5/190"}));
}

// Old writers kept a type's definition under "T" + the type; where another
// element of the type comes first, the expected block is still that one's.
void TestQvtConvert::reworkTakesExpectedFromTheTTypeElement()
{
    const QByteArray own = QByteArray(Straight96).left(72);
    const QByteArray other(72, 'F');
    const QByteArray body = " <TestDef_List>\n" +
                            def("Cat5Spare", "id=\"CAT5\" SNR=\"180\" expected=\"" + other + "\"") +
                            def("TCAT5", "id=\"CAT5\" SNR=\"190\" expected=\"" + own + "\"") +
                            " </TestDef_List>\n";
    const QString path = m_dir.filePath(QStringLiteral("old.qvt"));
    QVERIFY(writeFile(path, templateText("1.3", body)));
    QvtEditor& t = QvtEditor::Instance();
    QVERIFY2(t.Load(path), qPrintable(t.error()));
    const QDomElement list =
        parse(readFile(path)).documentElement().firstChildElement(QStringLiteral("TestDef_List"));
    // Both come first, in their order; later steps add their own after them.
    const QList<QDomElement> defs = childElements(list).mid(0, 2);
    QCOMPARE(defs.size(), 2);
    for (const QDomElement& e : defs) {
        QCOMPARE(e.attribute(QStringLiteral("id")), QStringLiteral("CAT5"));
        QCOMPARE(e.attribute(QStringLiteral("expected")),
                 QString::fromLatin1(own + "000000000000000000000000"));
    }
    QCOMPARE(defs.at(0).attribute(QStringLiteral("SNR")), QStringLiteral("180"));
}

void TestQvtConvert::rg59_data()
{
    QTest::addColumn<QByteArray>("definitions");
    QTest::addColumn<QString>("expectedColor");
    QTest::addColumn<QStringList>("expectedTags");
    QTest::newRow("added at the end") << def("TestDef1", "id=\"CAT5\" color=\"#11ff11\"")
                                      << "#3388ee" << QStringList{"TestDef1", "TestDef2"};
    QTest::newRow("the template's own one stays")
        << def("TestDef1", "id=\"RG-59\" color=\"#010101\" default_type=\"1\"") << "#010101"
        << QStringList{"TestDef1"};
}

void TestQvtConvert::rg59()
{
    QFETCH(QByteArray, definitions);
    QFETCH(QString, expectedColor);
    QFETCH(QStringList, expectedTags);
    QvtEditor& t = loadCurrent(" <TestDef_List>\n" + definitions + " </TestDef_List>\n");
    QDomElement element;
    QDomNode node;
    QVERIFY(t.convert14To21(&element, &node));
    QCOMPARE(element.attribute(QStringLiteral("number")), QStringLiteral("2.1"));
    QVERIFY(node.isNull());
    QCOMPARE(t.getTestDefElements(), expectedTags);
    const TestDef rg59 = t.getTestDef(QStringLiteral("RG-59"));
    QCOMPARE(rg59.color(), expectedColor);
    if (expectedTags.size() == 2) {
        QCOMPARE(rg59.cable_category(), 2);
        QCOMPARE(rg59.length_constant(), 1630);
        QCOMPARE(rg59.max_length(), -1);
        QCOMPARE(rg59.default_type(), true);
        QCOMPARE(t.dataToString(rg59.expected()),
                 QStringLiteral("FFFFFFFFFFFFFFFFFFFFFFFFEEFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF"
                                "00000000000000000000000000000000"));
    }
    // The settings block and the notes are appended with their defaults.
    const QDomDocument doc = saved(t);
    QCOMPARE(topLevelNames(readFile(t.filename())).mid(2),
             (QStringList{"Settings_List", "JobNotes_Text"}));
    QVERIFY(!doc.isNull());
    QCOMPARE(t.getPrintSettings(QStringLiteral("Inventory_Settings")).orientation(), 0);
}

void TestQvtConvert::testDefTagsRenumbered()
{
    QvtEditor& t = loadCurrent(" <TestDef_List>\n" + def("CAT5", "id=\"CAT5\"") +
                               def("TestDef3", "id=\"CAT5E\"") + def("TestDef3", "id=\"CAT6\"") +
                               def("T_TestDef12x", "id=\"Audio\"") + " </TestDef_List>\n");
    QDomElement element;
    QDomNode node;
    QVERIFY(t.convert21To22(&element, &node));
    QCOMPARE(element.attribute(QStringLiteral("number")), QStringLiteral("2.2"));
    // A name that holds "TestDef" and a number anywhere counts as numbered.
    QCOMPARE(t.getTestDefElements(),
             (QStringList{"TestDef1", "TestDef3", "TestDef2", "T_TestDef12x"}));
    QCOMPARE(t.getTypes(), (QStringList{"CAT5", "CAT5E", "CAT6", "Audio"}));
}

// Colour by default type, and the connector moved into the comment.
void TestQvtConvert::definitionAttributes_data()
{
    QTest::addColumn<QByteArray>("attributes");
    QTest::addColumn<QString>("color");
    QTest::addColumn<QString>("comment");
    QTest::addColumn<bool>("connectorLeft");
    QTest::newRow("default RG-6") << QByteArray("id=\"RG-6\" default_type=\"1\"") << "#66ffaa"
                                  << "" << false;
    QTest::newRow("default CAT6STP") << QByteArray("id=\"CAT6STP\" default_type=\"1\"") << "#444444"
                                     << "" << false;
    QTest::newRow("RG-6 not default") << QByteArray("id=\"RG-6\" default_type=\"0\"") << "#000000"
                                      << "" << false;
    QTest::newRow("default flag missing") << QByteArray("id=\"RG-6\"") << "#000000"
                                          << "" << false;
    QTest::newRow("unknown default type")
        << QByteArray("id=\"Fibre\" default_type=\"1\"") << "#000000"
        << "" << false;
    QTest::newRow("own colour stays")
        << QByteArray("id=\"RG-6\" default_type=\"1\" color=\"#abcdef\"") << "#abcdef"
        << "" << false;
    QTest::newRow("connector moves to the comment")
        << QByteArray("id=\"A\" connector=\"RJ45\"") << "#000000"
        << "RJ45" << false;
    QTest::newRow("comment wins over the connector")
        << QByteArray("id=\"A\" connector=\"RJ45\" comment=\"Riser\"") << "#000000"
        << "Riser" << true;
}

void TestQvtConvert::definitionAttributes()
{
    QFETCH(QByteArray, attributes);
    QFETCH(QString, color);
    QFETCH(QString, comment);
    QFETCH(bool, connectorLeft);
    QvtEditor& t =
        loadCurrent(" <TestDef_List>\n" + def("TestDef1", attributes) + " </TestDef_List>\n");
    QDomElement element;
    QDomNode node;
    QVERIFY(t.convert21To22(&element, &node));
    const QDomElement e = saved(t)
                              .documentElement()
                              .firstChildElement(QStringLiteral("TestDef_List"))
                              .firstChildElement();
    QCOMPARE(e.attribute(QStringLiteral("color")), color);
    QVERIFY(e.hasAttribute(QStringLiteral("comment")));
    QCOMPARE(e.attribute(QStringLiteral("comment")), comment);
    QCOMPARE(e.hasAttribute(QStringLiteral("connector")), connectorLeft);
}

void TestQvtConvert::bundledCableListAlwaysAppended_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QStringList>("firstList");
    QTest::addColumn<int>("lists");
    const QStringList defaults{"HTheatre", "MMCombo2", "MMCombo4", "ProFlex"};
    QTest::newRow("none before") << QByteArray(" <TestDef_List/>\n") << defaults << 1;
    QTest::newRow("one before, with an own bundle and one of the defaults")
        << QByteArray(" <BundledCable_List>\n"
                      "  <BundledCable1 id=\"Desk\" color=\"#000001\" default_type=\"0\">"
                      "<BundledCableType_List><BundledCableType1 id=\"CAT6\"/>"
                      "</BundledCableType_List></BundledCable1>\n"
                      "  <BundledCable2 id=\"ProFlex\" color=\"#000002\" default_type=\"0\">"
                      "<BundledCableType_List/></BundledCable2>\n"
                      " </BundledCable_List>\n")
        << QStringList{"Desk", "ProFlex", "HTheatre", "MMCombo2", "MMCombo4"} << 2;
}

// The 2.2 writer appended the list whatever the file held; a second, empty
// list at the end is what such files look like, and it is kept.
void TestQvtConvert::bundledCableListAlwaysAppended()
{
    QFETCH(QByteArray, body);
    QFETCH(QStringList, firstList);
    QFETCH(int, lists);
    QvtEditor& t = loadCurrent(body);
    QDomElement element;
    QDomNode node;
    QVERIFY(t.convert21To22(&element, &node));
    QCOMPARE(t.getBundledCableTypeIds(), firstList);
    QVERIFY(t.save());
    const QByteArray bytes = readFile(t.filename());
    QCOMPARE(topLevelNames(bytes).count(QStringLiteral("BundledCable_List")), lists);
    QCOMPARE(topLevelNames(bytes).last(), QStringLiteral("BundledCable_List"));
    QVERIFY(bytes.endsWith(" <BundledCable_List/>\n</Qvt>\n") == (lists == 2));

    const BundledCable theatre = t.getBundledCableType(QStringLiteral("HTheatre"));
    QCOMPARE(theatre.types(), (QStringList{"CAT5E", "Audio", "Audio", "Audio", "Audio"}));
    QCOMPARE(theatre.color(), QStringLiteral("#ffaa7f"));
    QCOMPARE(theatre.defaultType(), true);
    const QStringList proFlex =
        lists == 2 ? QStringList() : QStringList{"CAT5E", "RG-59", "Audio", "Audio"};
    QCOMPARE(t.getBundledCableType(QStringLiteral("ProFlex")).types(), proFlex);
}

void TestQvtConvert::inventoryPrintEntry_data()
{
    QTest::addColumn<QByteArray>("entries");
    QTest::addColumn<QStringList>("order");
    QTest::addColumn<QString>("paper");
    QTest::addColumn<int>("orientation");
    const QByteArray jobInfo = "   <JobInfo_Settings fit_to_across=\"1\" fit_to_down=\"1\" "
                               "orientation=\"0\" paper_size=\"A4\" print_zoom=\"90\" "
                               "print_zoom_style=\"0\"/>\n";
    QTest::newRow("missing: added with the defaults, portrait")
        << jobInfo << QStringList{"JobInfo_Settings", "Inventory_Settings"}
        << "Letter: 8.5 in. x 11 in." << 0;
    QTest::newRow("present: left alone")
        << QByteArray(jobInfo + "   <Inventory_Settings fit_to_across=\"2\" fit_to_down=\"1\" "
                                "orientation=\"1\" paper_size=\"A3\" print_zoom=\"50\" "
                                "print_zoom_style=\"1\"/>\n")
        << QStringList{"JobInfo_Settings", "Inventory_Settings"} << "A3" << 1;
}

void TestQvtConvert::inventoryPrintEntry()
{
    QFETCH(QByteArray, entries);
    QFETCH(QStringList, order);
    QFETCH(QString, paper);
    QFETCH(int, orientation);
    QvtEditor& t = loadCurrent(" <Settings_List>\n  <PrintSettings_List>\n" + entries +
                               "  </PrintSettings_List>\n </Settings_List>\n");
    QDomElement element;
    QDomNode node;
    QVERIFY(t.convert21To22(&element, &node));
    const QDomElement print = saved(t)
                                  .documentElement()
                                  .firstChildElement(QStringLiteral("Settings_List"))
                                  .firstChildElement(QStringLiteral("PrintSettings_List"));
    QCOMPARE(tagsOf(print), order);
    const PrintSettings s = t.getPrintSettings(QStringLiteral("Inventory_Settings"));
    QCOMPARE(s.paperSize(), paper);
    QCOMPARE(s.orientation(), orientation);
    QCOMPARE(t.getPrintSettings(QStringLiteral("JobInfo_Settings")).printZoom(), 90);
}

void TestQvtConvert::crossoverDefinitionsAdded()
{
    QvtEditor& t = loadCurrent(
        " <TestDef_List>\n" +
        def("TestDef1", "id=\"CAT6-X\" color=\"#010203\" data_rate=\"10\" default_type=\"0\"") +
        " </TestDef_List>\n");
    QDomElement element;
    QDomNode node;
    QVERIFY(t.convert23To30(&element, &node));
    QCOMPARE(element.attribute(QStringLiteral("number")), QStringLiteral("3.0"));
    QCOMPARE(t.getTypes(),
             (QStringList{"CAT6-X", "CAT5-X", "CAT5E-X", "CAT5-XX", "CAT5E-XX", "CAT6-XX"}));
    QCOMPARE(t.getTestDef(QStringLiteral("CAT6-X")).color(), QStringLiteral("#010203"));
    QCOMPARE(t.getTestDef(QStringLiteral("CAT6-X")).data_rate(), 10);

    struct Expected
    {
        const char* id;
        const char* color;
        int dataRate;
        int skew;
        const char* pairs; // the mapping part of the expected block
    };
    const Expected rows[] = {{"CAT5-X", "#ffaa00", 100, 0, "0001000203"},
                             {"CAT5E-X", "#ffaa7f", 1000, 350, "0001000203"},
                             {"CAT5-XX", "#aa00ff", 100, 0, "0001000302"},
                             {"CAT5E-XX", "#aa55ff", 1000, 350, "0001000302"},
                             {"CAT6-XX", "#aaaaff", 1000, 350, "0001000302"}};
    for (const Expected& row : rows) {
        const TestDef d = t.getTestDef(QLatin1String(row.id));
        QCOMPARE(d.color(), QLatin1String(row.color));
        QCOMPARE(d.data_rate(), row.dataRate);
        QCOMPARE(d.skew(), row.skew);
        QCOMPARE(d.SNR(), 200);
        QCOMPARE(d.length_constant(), 1500);
        QCOMPARE(d.max_length(), 300);
        QCOMPARE(d.cable_category(), 0);
        QCOMPARE(d.default_type(), true);
        QCOMPARE(d.shield(), false);
        QCOMPARE(t.dataToString(d.expected()),
                 QStringLiteral("FFFFFFFFFFFFFFFFFFFFFFFF%1FFFFFFFFFFFFFFFFFFFFFFFFFF0FFF"
                                "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF")
                     .arg(QLatin1String(row.pairs)));
    }
}

void TestQvtConvert::networkDevicesEntryRenamed()
{
    QvtEditor& t = loadCurrent(" <Settings_List>\n  <PrintSettings_List>\n"
                               "   <NetworkDevices_Settings fit_to_across=\"3\" fit_to_down=\"2\" "
                               "orientation=\"0\" paper_size=\"A4\" print_zoom=\"40\"/>\n"
                               "  </PrintSettings_List>\n </Settings_List>\n");
    QDomElement element;
    QDomNode node;
    QVERIFY(t.convert23To30(&element, &node));
    const QDomElement entry = saved(t)
                                  .documentElement()
                                  .firstChildElement(QStringLiteral("Settings_List"))
                                  .firstChildElement(QStringLiteral("PrintSettings_List"))
                                  .firstChildElement();
    QCOMPARE(entry.tagName(), QStringLiteral("Inventory_Settings"));
    QCOMPARE(entry.attribute(QStringLiteral("paper_size")),
             QStringLiteral("Letter: 8.5 in. x 11 in."));
    QCOMPARE(entry.attribute(QStringLiteral("orientation")), QStringLiteral("1"));
    QCOMPARE(entry.attribute(QStringLiteral("print_zoom")), QStringLiteral("100"));
    QCOMPARE(entry.attribute(QStringLiteral("fit_to_across")), QStringLiteral("1"));
    QCOMPARE(entry.attribute(QStringLiteral("fit_to_down")), QStringLiteral("1"));
    // Written only where the entry had the attribute.
    QVERIFY(!entry.hasAttribute(QStringLiteral("print_zoom_style")));
}

void TestQvtConvert::stepsNeedTheVersionElement()
{
    TemplateUnderTest t;
    QDomElement root = t.dom().createElement(QStringLiteral("Qvt"));
    t.dom().appendChild(root);
    root.appendChild(t.dom().createElement(QStringLiteral("TestDef_List")));
    QDomElement element;
    QDomNode node;
    QVERIFY(!t.convert14To21(&element, &node));
    QVERIFY(!t.convert21To22(&element, &node));
    QVERIFY(!t.convert22To23(&element, &node));
    QVERIFY(!t.convert23To30(&element, &node));
    QVERIFY(t.getTypes().isEmpty());
    QCOMPARE(root.childNodes().count(), 1);
}

void TestQvtConvert::tagRenumbering_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("free name, kept, twice alike")
        << "TestDef" << QStringList{"CAT5", "TestDef3", "TestDef3"}
        << QStringList{"TestDef1", "TestDef3", "TestDef2"};
    QTest::newRow("a name given out earlier is not kept later")
        << "Room" << QStringList{"Lobby", "Room1", "Room01"}
        << QStringList{"Room1", "Room2", "Room3"};
    QTest::newRow("zero is no number")
        << "Cable" << QStringList{"Cable0", "Cable"} << QStringList{"Cable1", "Cable2"};
    QTest::newRow("prefix is literal text")
        << "FFloor_" << QStringList{"FFloor_2", "FFloor.3"} << QStringList{"FFloor_2", "FFloor_1"};
}

void TestQvtConvert::tagRenumbering()
{
    QFETCH(QString, prefix);
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    LegacyConvert::TagRenumbering renumbering(prefix);
    QStringList result;
    for (const QString& tag : before)
        result.append(renumbering.tagFor(tag));
    QCOMPARE(result, after);
}

QTEST_GUILESS_MAIN(TestQvtConvert)
#include "tst_qvtconvert.moc"
