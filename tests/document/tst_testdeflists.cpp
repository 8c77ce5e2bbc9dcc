// The catalogue of cable types in a job: test definitions and bundled cable
// types, and the codec members that store the tester's records.
#include "io/textcodecs_p.h"
#include "jobfixture.h"

#include <QtTest>

#include <algorithm>
#include <cstring>

using namespace JobFixture;

namespace {

// The protected members of the base, on a document that holds nothing.
class BareDocument : public QVXMLEditor
{
public:
    BareDocument() : QVXMLEditor(QStringLiteral("Job")) {}
    using QVXMLEditor::boolArrayToString;
    using QVXMLEditor::fileChanged;
    using QVXMLEditor::getToBundledCableTypeList;
    using QVXMLEditor::getToTestDefList;
    using QVXMLEditor::stringToBoolArray;
};

const QString kTestDefKind = QStringLiteral("test definition");
const QString kBundleKind = QStringLiteral("bundled cable type");

TestDef definition(const QString& id, int category = 0,
                   const QString& color = QStringLiteral("#000000"))
{
    TestDef def(id);
    def.setCableCategory(category);
    def.setColor(color);
    return def;
}

// Every byte of the packed block differs from every other, so a swapped,
// shifted or dropped group shows up. All 16-bit values stay below 0x8000.
cable_struct distinctBlock()
{
    cable_struct block;
    std::memset(&block, 0, sizeof(block));
    int next = 1;
    auto byte = [&next]() { return static_cast<quint8>(next++); };
    auto word = [&byte]() {
        const int high = byte();
        return static_cast<qint32>((high << 8) | byte());
    };
    for (quint8& b : block.pairStatus)
        b = byte();
    for (qint32& v : block.pairValues)
        v = word();
    for (quint8& b : block.wiremap)
        b = byte();
    for (qint32& v : block.pairLength)
        v = word();
    for (quint8& b : block.farEndFlags)
        b = byte();
    for (qint32& v : block.pairExtra)
        v = word();
    return block;
}

bool sameBlock(const cable_struct& a, const cable_struct& b)
{
    return std::equal(std::begin(a.pairStatus), std::end(a.pairStatus), b.pairStatus) &&
           std::equal(std::begin(a.pairValues), std::end(a.pairValues), b.pairValues) &&
           std::equal(std::begin(a.wiremap), std::end(a.wiremap), b.wiremap) &&
           std::equal(std::begin(a.pairLength), std::end(a.pairLength), b.pairLength) &&
           std::equal(std::begin(a.farEndFlags), std::end(a.farEndFlags), b.farEndFlags) &&
           std::equal(std::begin(a.pairExtra), std::end(a.pairExtra), b.pairExtra);
}

QString flagsText(const TestDef& def)
{
    QString text;
    for (int i = 0; i < 4; ++i)
        text += def.pair_in_use()[i] ? QLatin1Char('1') : QLatin1Char('0');
    return text;
}

// One field of a definition, by its attribute name.
QVariant field(const TestDef& def, const QString& name)
{
    if (name == QLatin1String("expected"))
        return TextCodecs::encodeMeasurementBlock(def.expected());
    if (name == QLatin1String("in_use"))
        return flagsText(def);
    if (name == QLatin1String("data_rate"))
        return def.data_rate();
    if (name == QLatin1String("skew"))
        return def.skew();
    if (name == QLatin1String("shield"))
        return def.shield();
    if (name == QLatin1String("length_constant"))
        return def.length_constant();
    if (name == QLatin1String("max_length"))
        return def.max_length();
    if (name == QLatin1String("cable_category"))
        return def.cable_category();
    if (name == QLatin1String("default_type"))
        return def.default_type();
    if (name == QLatin1String("color"))
        return def.color();
    return QVariant();
}

// The list element of the file the job was last saved to.
QDomElement savedList(const QDomDocument& doc, const char* listName)
{
    return doc.documentElement().firstChildElement(QLatin1String(listName));
}

QDomDocument savedDocument(const QString& path)
{
    QDomDocument doc;
    doc.setContent(QString::fromLatin1(readFile(path)));
    return doc;
}

QStringList ids(Ductbook& job, const QString& kind)
{
    return kind == kTestDefKind ? job.getTypes() : job.getBundledCableTypeIds();
}

QStringList tags(Ductbook& job, const QString& kind)
{
    return kind == kTestDefKind ? job.getTestDefElements() : job.getBundledCableTypeTags();
}

QString colorOf(Ductbook& job, const QString& kind, const QString& id)
{
    return kind == kTestDefKind ? job.getTestDef(id).color() : job.getBundledCableType(id).color();
}

void rename(Ductbook& job, const QString& kind, const QString& oldId, const QString& newId)
{
    if (kind == kTestDefKind)
        job.renameTestDef(oldId, newId);
    else
        job.renameBundledCableType(oldId, newId);
}

// Entries A, B and C of the given kind, coloured #0000aa, #0000bb, #0000cc.
void addThree(Ductbook& job, const QString& kind)
{
    for (const char* id : {"A", "B", "C"}) {
        const QString name = QLatin1String(id);
        const QString color = QStringLiteral("#0000") + name.toLower().repeated(2);
        if (kind == kTestDefKind) {
            TestDef def = definition(name, 0, color);
            job.addTestDef(def);
        } else {
            job.addBundledCableType(name, {QStringLiteral("CAT6")}, color, false);
        }
    }
}

} // namespace

class TestTestDefLists : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { JobFixture::verifyAndClose(); }

    void tagsAreFirstFree();
    void duplicateIdIsRefused();
    void lookupsAreExact_data();
    void lookupsAreExact();
    void readingAFile_data();
    void readingAFile();
    void missingColourIsRepairedQuietly();
    void fullDefinitionSurvivesSaveAndLoad();
    void typesByCategory();
    void renameMovesToTheEnd_data();
    void renameMovesToTheEnd();
    void refusedRenameKeepsEverything_data();
    void refusedRenameKeepsEverything();
    void bundledTypeIsWrittenAndReadBack();
    void bundledTypeLookups();
    void documentWithoutLists();
    void codecMembersAgreeWithTextCodecs();

private:
    QString jobPath() const { return m_dir.filePath(QStringLiteral("job.job")); }
    QTemporaryDir m_dir;
};

void TestTestDefLists::tagsAreFirstFree()
{
    Ductbook& job = newJob(m_dir);
    QVERIFY(!job.isChanged());
    TestDef cat5 = definition(QStringLiteral("CAT5"));
    TestDef cat6 = definition(QStringLiteral("CAT6"));
    job.addTestDef(cat5);
    job.addTestDef(cat6);
    QVERIFY(job.isChanged());
    QCOMPARE(job.getTestDefElements(), QStringList({"TestDef1", "TestDef2"}));
    QCOMPARE(job.getTypes(), QStringList({"CAT5", "CAT6"}));

    QVERIFY(job.save());
    job.removeTestDef(QStringLiteral("CAT5"));
    QVERIFY(job.isChanged());
    QVERIFY(!job.testDefExists(QStringLiteral("CAT5")));
    QVERIFY(!job.testDefElementExists(QStringLiteral("TestDef1")));

    job.addTestDef(cat5);
    QCOMPARE(job.getTestDefElements(), QStringList({"TestDef2", "TestDef1"}));
    QCOMPARE(job.getTypes(), QStringList({"CAT6", "CAT5"}));
    QVERIFY(job.testDefElementExists(QStringLiteral("TestDef1")));

    // Removing what is not there is not an edit.
    QVERIFY(job.save());
    job.removeTestDef(QStringLiteral("CAT7"));
    job.removeTestDef(QString());
    QVERIFY(!job.isChanged());
    QCOMPARE(job.getTypes().size(), 2);
}

void TestTestDefLists::duplicateIdIsRefused()
{
    Ductbook& job = newJob(m_dir);
    TestDef first = definition(QStringLiteral("CAT6"), 6, QStringLiteral("#112233"));
    job.addTestDef(first);
    QVERIFY(job.save());
    TestDef second = definition(QStringLiteral("CAT6"), 9, QStringLiteral("#445566"));
    job.addTestDef(second);
    QVERIFY(!job.isChanged());
    QCOMPARE(job.getTestDefElements(), QStringList({"TestDef1"}));
    QCOMPARE(job.getTestDef(QStringLiteral("CAT6")).color(), QStringLiteral("#112233"));

    job.addBundledCableType(QStringLiteral("Trunk"), {QStringLiteral("CAT6")},
                            QStringLiteral("#010203"), false);
    QVERIFY(job.save());
    job.addBundledCableType(QStringLiteral("Trunk"), {QStringLiteral("CAT5")},
                            QStringLiteral("#040506"), true);
    QVERIFY(!job.isChanged());
    QCOMPARE(job.getBundledCableTypeTags(), QStringList({"BundledCable1"}));
    QCOMPARE(job.getBundledCableType(QStringLiteral("Trunk")).types(), QStringList({"CAT6"}));
}

void TestTestDefLists::lookupsAreExact_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("expectedId");
    QTest::addColumn<QString>("expectedColor");
    QTest::addColumn<bool>("exists");

    QTest::newRow("existing id") << "CAT5"
                                 << "CAT5"
                                 << "#112233" << true;
    QTest::newRow("missing id gives the error record") << "CAT7"
                                                       << "error"
                                                       << "#000000" << false;
    QTest::newRow("other case is another id") << "cat5"
                                              << "error"
                                              << "#000000" << false;
    QTest::newRow("trailing space is another id") << "CAT5 "
                                                  << "error"
                                                  << "#000000" << false;
    QTest::newRow("empty id gives an unnamed record") << ""
                                                      << ""
                                                      << "#000000" << false;
}

void TestTestDefLists::lookupsAreExact()
{
    QFETCH(QString, id);
    QFETCH(QString, expectedId);
    QFETCH(QString, expectedColor);
    QFETCH(bool, exists);

    Ductbook& job = newJob(m_dir);
    TestDef def = definition(QStringLiteral("CAT5"), 5, QStringLiteral("#112233"));
    job.addTestDef(def);
    const TestDef found = job.getTestDef(id);
    QCOMPARE(found.id(), expectedId);
    QCOMPARE(found.color(), expectedColor);
    QCOMPARE(job.testDefExists(id), exists);
    // Neither sentinel record is a definition of the document.
    QCOMPARE(found.cable_category(), exists ? 5 : -1);
}

void TestTestDefLists::readingAFile_data()
{
    QTest::addColumn<QByteArray>("attributes");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QVariant>("expected");

    const QString unmeasured(96, QLatin1Char('F'));
    QTest::newRow("shield \"true\" is not shielded")
        << QByteArray("shield=\"true\"") << "shield" << QVariant(false);
    QTest::newRow("shield \"1\" is shielded")
        << QByteArray("shield=\"1\"") << "shield" << QVariant(true);
    QTest::newRow("default_type \"yes\" is not a default type")
        << QByteArray("default_type=\"yes\"") << "default_type" << QVariant(false);
    QTest::newRow("unreadable data rate reads 0")
        << QByteArray("data_rate=\"fast\"") << "data_rate" << QVariant(0);
    QTest::newRow("missing category reads 0") << QByteArray() << "cable_category" << QVariant(0);
    QTest::newRow("fractional length constant is truncated")
        << QByteArray("length_constant=\"1499.9\"") << "length_constant" << QVariant(1499);
    QTest::newRow("infinite length constant reads 0")
        << QByteArray("length_constant=\"inf\"") << "length_constant" << QVariant(0);
    QTest::newRow("out-of-range max length reads 0")
        << QByteArray("max_length=\"1e30\"") << "max_length" << QVariant(0);
    QTest::newRow("missing colour reads empty") << QByteArray() << "color" << QVariant(QString());
    QTest::newRow("in_use stops at a bad character, the rest stay in use")
        << QByteArray("in_use=\"0x00\"") << "in_use" << QVariant(QStringLiteral("0111"));
    QTest::newRow("short in_use keeps the missing pairs in use")
        << QByteArray("in_use=\"00\"") << "in_use" << QVariant(QStringLiteral("0011"));
    QTest::newRow("missing expected is unmeasured")
        << QByteArray() << "expected" << QVariant(unmeasured);
    QTest::newRow("short expected reads F for the missing digits")
        << QByteArray("expected=\"0102\"") << "expected"
        << QVariant(QStringLiteral("0102") + unmeasured.left(92));
}

void TestTestDefLists::readingAFile()
{
    QFETCH(QByteArray, attributes);
    QFETCH(QString, field);
    QFETCH(QVariant, expected);

    const QByteArray text =
        jobText(" <TestDef_List>\n  <TestDef1 id=\"OLD\" " + attributes + "/>\n </TestDef_List>\n");
    QVERIFY(loadText(m_dir, text));
    const TestDef def = Ductbook::Instance().getTestDef(QStringLiteral("OLD"));
    QCOMPARE(def.id(), QStringLiteral("OLD"));
    QCOMPARE(::field(def, field), expected);
}

void TestTestDefLists::missingColourIsRepairedQuietly()
{
    const QByteArray text = jobText(" <TestDef_List>\n  <TestDef1 id=\"OLD\" shield=\"1\"/>\n"
                                    " </TestDef_List>\n");
    QVERIFY(loadText(m_dir, text));
    Ductbook& job = Ductbook::Instance();
    QCOMPARE(job.getTestDef(QStringLiteral("OLD")).color(), QString());
    QVERIFY(!job.isChanged());
    QVERIFY(job.save());
    const QDomElement e = savedList(savedDocument(job.filename()), "TestDef_List")
                              .firstChildElement(QStringLiteral("TestDef1"));
    QVERIFY(e.hasAttribute(QStringLiteral("color")));
    QCOMPARE(e.attribute(QStringLiteral("color")), QString());
}

void TestTestDefLists::fullDefinitionSurvivesSaveAndLoad()
{
    Ductbook& job = newJob(m_dir);
    TestDef def(QStringLiteral("CAT6A"), distinctBlock());
    bool pairs[4] = {true, false, true, false};
    def.setPairInUse(pairs);
    def.setDataRate(1000);
    def.setSNR(250);
    def.setSkew(450);
    def.setShield(true);
    def.setLengthConstant(1500.75f);
    def.setMaxLength(295.5f);
    def.setComment(QStringLiteral("Riser <&> \"quoted\" caf\u00e9"));
    def.setCableCategory(7);
    def.setDefaultType(true);
    def.setColor(QStringLiteral("#123456"));
    job.addTestDef(def);
    QVERIFY(job.save());

    const QDomElement e = savedList(savedDocument(jobPath()), "TestDef_List")
                              .firstChildElement(QStringLiteral("TestDef1"));
    QVERIFY(!e.isNull());
    QCOMPARE(e.attribute(QStringLiteral("expected")),
             TextCodecs::encodeMeasurementBlock(distinctBlock()));
    QCOMPARE(e.attribute(QStringLiteral("in_use")), QStringLiteral("1010"));
    QCOMPARE(e.attribute(QStringLiteral("shield")), QStringLiteral("1"));
    QCOMPARE(e.attribute(QStringLiteral("default_type")), QStringLiteral("1"));
    QCOMPARE(e.attribute(QStringLiteral("length_constant")), QStringLiteral("1500"));
    QCOMPARE(e.attribute(QStringLiteral("max_length")), QStringLiteral("295"));
    QCOMPARE(e.attributes().count(), 13);

    Ductbook::Destroy();
    Ductbook& again = Ductbook::Instance();
    QVERIFY(again.Load(jobPath()));
    const TestDef read = again.getTestDef(QStringLiteral("CAT6A"));
    QCOMPARE(read.id(), QStringLiteral("CAT6A"));
    QVERIFY(sameBlock(read.expected(), distinctBlock()));
    QCOMPARE(flagsText(read), QStringLiteral("1010"));
    QCOMPARE(read.data_rate(), 1000);
    QCOMPARE(read.SNR(), 250);
    QCOMPARE(read.skew(), 450);
    QVERIFY(read.shield());
    QCOMPARE(read.length_constant(), 1500);
    QCOMPARE(read.max_length(), 295);
    QCOMPARE(read.comment(), def.comment());
    QCOMPARE(read.cable_category(), 7);
    QVERIFY(read.default_type());
    QCOMPARE(read.color(), QStringLiteral("#123456"));
    QVERIFY(!again.isChanged());
}

void TestTestDefLists::typesByCategory()
{
    Ductbook& job = newJob(m_dir);
    const std::pair<const char*, int> categories[] = {
        {"CAT5", 5}, {"CAT6", 6}, {"CAT5E", 5}, {"RG-6", -1}};
    for (const auto& [id, category] : categories) {
        TestDef def = definition(QLatin1String(id), category);
        job.addTestDef(def);
    }
    QCOMPARE(job.getTypes(5), QStringList({"CAT5", "CAT5E"}));
    QCOMPARE(job.getTypes(6), QStringList({"CAT6"}));
    QCOMPARE(job.getTypes(-1), QStringList({"RG-6"}));
    QVERIFY(job.getTypes(7).isEmpty());

    // A definition without a category reads 0; one without an id is not a type.
    const QByteArray text = jobText(
        " <TestDef_List>\n  <TestDef1 id=\"X\"/>\n  <TestDef2 id=\"\" cable_category=\"0\"/>"
        "\n  <TestDef3 id=\"Y\" cable_category=\"zero\"/>\n </TestDef_List>\n");
    QVERIFY(loadText(m_dir, text));
    QCOMPARE(Ductbook::Instance().getTypes(0), QStringList({"X", "Y"}));
}

void TestTestDefLists::renameMovesToTheEnd_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("newId");
    QTest::addColumn<QStringList>("expectedTags");

    for (const QString& kind : {kTestDefKind, kBundleKind}) {
        const QString prefix =
            kind == kTestDefKind ? QStringLiteral("TestDef") : QStringLiteral("BundledCable");
        // The freed tag is the first free one again, so the tag is reused
        // while the entry moves.
        const QStringList expected = {prefix + "2", prefix + "3", prefix + "1"};
        QTest::addRow("%s to a new id", qPrintable(kind)) << kind << "Z" << expected;
        QTest::addRow("%s to its own id", qPrintable(kind)) << kind << "A" << expected;
    }
}

void TestTestDefLists::renameMovesToTheEnd()
{
    QFETCH(QString, kind);
    QFETCH(QString, newId);
    QFETCH(QStringList, expectedTags);

    Ductbook& job = newJob(m_dir);
    addThree(job, kind);
    QVERIFY(job.save());
    rename(job, kind, QStringLiteral("A"), newId);
    QVERIFY(job.isChanged());
    QCOMPARE(ids(job, kind), QStringList({"B", "C", newId}));
    QCOMPARE(tags(job, kind), expectedTags);
    QCOMPARE(colorOf(job, kind, newId), QStringLiteral("#0000aa"));
    if (kind == kBundleKind)
        QCOMPARE(job.getBundledCableType(newId).types(), QStringList({"CAT6"}));
}

void TestTestDefLists::refusedRenameKeepsEverything_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("oldId");
    QTest::addColumn<QString>("newId");

    for (const QString& kind : {kTestDefKind, kBundleKind}) {
        const QByteArray name = kind.toLatin1();
        const char* k = name.constData();
        QTest::addRow("%s onto another entry's id", k) << kind << "A"
                                                       << "B";
        QTest::addRow("%s of an id that does not exist", k) << kind << "Q"
                                                            << "R";
        QTest::addRow("%s of the empty id", k) << kind << ""
                                               << "R";
        QTest::addRow("%s onto the empty id", k) << kind << "A"
                                                 << "";
    }
}

void TestTestDefLists::refusedRenameKeepsEverything()
{
    QFETCH(QString, kind);
    QFETCH(QString, oldId);
    QFETCH(QString, newId);

    Ductbook& job = newJob(m_dir);
    addThree(job, kind);
    const QStringList tagsBefore = tags(job, kind);
    QVERIFY(job.save());
    rename(job, kind, oldId, newId);
    QCOMPARE(ids(job, kind), QStringList({"A", "B", "C"}));
    QCOMPARE(tags(job, kind), tagsBefore);
    QCOMPARE(colorOf(job, kind, QStringLiteral("A")), QStringLiteral("#0000aa"));
    QCOMPARE(colorOf(job, kind, QStringLiteral("B")), QStringLiteral("#0000bb"));
    QVERIFY(!job.isChanged());
}

void TestTestDefLists::bundledTypeIsWrittenAndReadBack()
{
    Ductbook& job = newJob(m_dir);
    const QStringList types = {"CAT5E", "CAT5E", "CAT6"};
    BundledCable record(QStringLiteral("ignored"), QStringLiteral("Trunk"), types,
                        QStringLiteral("#336699"), true);
    job.addBundledCableType(record);
    QVERIFY(job.isChanged());
    QVERIFY(job.save());

    const QDomElement bundle = savedList(savedDocument(jobPath()), "BundledCable_List")
                                   .firstChildElement(QStringLiteral("BundledCable1"));
    QVERIFY(!bundle.isNull());
    QCOMPARE(bundle.attribute(QStringLiteral("id")), QStringLiteral("Trunk"));
    QCOMPARE(bundle.attribute(QStringLiteral("color")), QStringLiteral("#336699"));
    QCOMPARE(bundle.attribute(QStringLiteral("default_type")), QStringLiteral("1"));
    const QDomElement typeList = bundle.firstChildElement();
    QCOMPARE(typeList.tagName(), QStringLiteral("BundledCableType_List"));
    QStringList childTags;
    QStringList childIds;
    for (QDomElement t = typeList.firstChildElement(); !t.isNull(); t = t.nextSiblingElement()) {
        childTags.append(t.tagName());
        childIds.append(t.attribute(QStringLiteral("id")));
    }
    QCOMPARE(childTags,
             QStringList({"BundledCableType1", "BundledCableType2", "BundledCableType3"}));
    QCOMPARE(childIds, types);

    Ductbook::Destroy();
    Ductbook& again = Ductbook::Instance();
    QVERIFY(again.Load(jobPath()));
    const BundledCable read = again.getBundledCableType(QStringLiteral("Trunk"));
    QCOMPARE(read.element(), QStringLiteral("BundledCable1"));
    QCOMPARE(read.id(), QStringLiteral("Trunk"));
    QCOMPARE(read.types(), types);
    QCOMPARE(read.color(), QStringLiteral("#336699"));
    QVERIFY(read.defaultType());
}

void TestTestDefLists::bundledTypeLookups()
{
    Ductbook& job = newJob(m_dir);
    job.addBundledCableType(QStringLiteral("Pair"), {"CAT5", "CAT5"}, QStringLiteral("#000001"),
                            false);
    job.addBundledCableType(QStringLiteral("Trio"), {"CAT6", "CAT6", "RG-6"},
                            QStringLiteral("#000002"), false);
    QCOMPARE(job.getBundledCableTypeTags(), QStringList({"BundledCable1", "BundledCable2"}));
    QCOMPARE(job.getBundledCableTypeIds(), QStringList({"Pair", "Trio"}));
    QCOMPARE(job.getBundledCableTypeTagById(QStringLiteral("Trio")),
             QStringLiteral("BundledCable2"));
    QCOMPARE(job.getBundledCableTypeIdByTag(QStringLiteral("BundledCable1")),
             QStringLiteral("Pair"));
    QCOMPARE(job.getBundledCableTypeTagById(QStringLiteral("trio")), QString());
    QCOMPARE(job.getBundledCableTypeIdByTag(QStringLiteral("BundledCable9")), QString());
    QVERIFY(job.bundledCableTypeIdExists(QStringLiteral("Pair")));
    QVERIFY(!job.bundledCableTypeIdExists(QStringLiteral("PAIR")));
    QVERIFY(job.bundledCableTypeTagExists(QStringLiteral("BundledCable2")));
    QVERIFY(!job.bundledCableTypeTagExists(QStringLiteral("BundledCable3")));

    const BundledCable missing = job.getBundledCableType(QStringLiteral("Quad"));
    QCOMPARE(missing.id(), QStringLiteral("error"));
    QVERIFY(missing.types().isEmpty());
    QCOMPARE(job.getBundledCableType(QString()).id(), QString());

    QVERIFY(job.save());
    job.removeBundledCableTypeByTag(QStringLiteral("BundledCable7"));
    QVERIFY(!job.isChanged());
    job.removeBundledCableTypeByTag(QStringLiteral("BundledCable1"));
    QVERIFY(job.isChanged());
    QCOMPARE(job.getBundledCableTypeIds(), QStringList({"Trio"}));
    job.addBundledCableType(QStringLiteral("Quad"), {"CAT6"}, QStringLiteral("#000003"), false);
    QCOMPARE(job.getBundledCableTypeTags(), QStringList({"BundledCable2", "BundledCable1"}));
}

void TestTestDefLists::documentWithoutLists()
{
    BareDocument bare;
    QVERIFY(bare.getToTestDefList().isNull());
    QVERIFY(bare.getToBundledCableTypeList().isNull());
    TestDef def = definition(QStringLiteral("CAT5"));
    bare.addTestDef(def);
    bare.addBundledCableType(QStringLiteral("Pair"), {"CAT5"}, QString(), false);
    QVERIFY(!bare.fileChanged());
    QVERIFY(bare.getTypes().isEmpty());
    QCOMPARE(bare.getTestDef(QStringLiteral("CAT5")).id(), QStringLiteral("error"));
    QCOMPARE(bare.getBundledCableType(QStringLiteral("Pair")).id(), QStringLiteral("error"));

    // A job file written without the lists: nothing can be added to them.
    QVERIFY(loadText(m_dir, jobText(QByteArray())));
    Ductbook& job = Ductbook::Instance();
    job.addTestDef(def);
    job.addBundledCableType(QStringLiteral("Pair"), {"CAT5"}, QString(), false);
    QVERIFY(!job.isChanged());
    QVERIFY(job.getTestDefElements().isEmpty());
    QVERIFY(job.getBundledCableTypeTags().isEmpty());
}

void TestTestDefLists::codecMembersAgreeWithTextCodecs()
{
    Ductbook& job = newJob(m_dir);
    const cable_struct unmeasured = TestResults().results();
    const QString defaultText = job.dataToString(unmeasured);
    QCOMPARE(defaultText, QString(96, QLatin1Char('F')));
    QCOMPARE(defaultText, TextCodecs::encodeMeasurementBlock(unmeasured));
    QVERIFY(
        sameBlock(job.stringToData(defaultText), TextCodecs::decodeMeasurementBlock(defaultText)));
    // Pair values and lengths keep their 16 bits; only the extra values get
    // their "not measured" -1 back.
    cable_struct expected = unmeasured;
    std::fill(std::begin(expected.pairValues), std::end(expected.pairValues), 0xFFFF);
    std::fill(std::begin(expected.pairLength), std::end(expected.pairLength), 0xFFFF);
    QVERIFY(sameBlock(job.stringToData(defaultText), expected));
    QVERIFY(sameBlock(job.stringToData(job.dataToString(distinctBlock())), distinctBlock()));

    LUMEN_PLOT_DATA plot;
    std::memset(&plot, 0, sizeof(plot));
    for (int i = 0; i < 257; ++i) {
        plot.series1[i] = i;
        plot.series2[i] = -i;
    }
    plot.pointCount = 257;
    const QString plotText = job.responseDataToString(plot);
    QCOMPARE(plotText, TextCodecs::encodePlot(plot));
    QVERIFY(plotText.endsWith(QStringLiteral(",257,")));
    const LUMEN_PLOT_DATA read = job.responseStringToData(plotText);
    QCOMPARE(read.pointCount, 257);
    QCOMPARE(read.series1[256], 256);
    QCOMPARE(read.series2[256], -256);

    BareDocument bare;
    bool flags[4] = {true, false, true, false};
    QCOMPARE(bare.boolArrayToString(flags), QStringLiteral("1010"));
    bool decoded[4] = {false, true, false, true};
    QVERIFY(bare.stringToBoolArray(QStringLiteral("1010"), decoded));
    QVERIFY(std::equal(flags, flags + 4, decoded));
    bool partial[4] = {false, false, false, false};
    QVERIFY(!bare.stringToBoolArray(QStringLiteral("1x11"), partial));
    QCOMPARE(QVector<bool>(partial, partial + 4), QVector<bool>({true, false, false, false}));
}

QTEST_MAIN(TestTestDefLists)
#include "tst_testdeflists.moc"
