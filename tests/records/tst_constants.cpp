#include "constants_p.h"

#include <QCoreApplication>
#include <QHash>
#include <QObject>
#include <QRegularExpression>
#include <QSet>
#include <QTranslator>
#include <QtTest>

#include <iterator>

using namespace DuctbookConstants;

namespace {

QString s(const char* text)
{
    return QString::fromLatin1(text);
}

QStringList words(const char* text)
{
    return s(text).split(QLatin1Char('|'));
}

// Stands for the host's translator, which it installs after the library has
// been loaded.
class FakeTranslator : public QTranslator
{
public:
    QHash<QString, QString> map;

    QString translate(const char* context, const char* sourceText, const char* = nullptr,
                      int = -1) const override
    {
        if (qstrcmp(context, "QObject") != 0)
            return QString();
        return map.value(QString::fromLatin1(sourceText));
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class TestConstants : public QObject
{
    Q_OBJECT

private slots:
    void tableSizes_data();
    void tableSizes();
    void fixedTablesInOrder();
    void cableColoursAreColourCodes();
    void useTable();
    void useLookups_data();
    void useLookups();
    void everyItalianNameLeadsToItsUse();
    void deviceTypes();
    void jobFileNames();
    void translationFollowsInstalledTranslator();
};

void TestConstants::tableSizes_data()
{
    QTest::addColumn<int>("actual");
    QTest::addColumn<int>("expected");

    QTest::newRow("item kinds") << int(std::size(ItemKinds)) << 8;
    QTest::newRow("languages") << int(std::size(Languages)) << 9;
    QTest::newRow("cable types") << int(std::size(CableTypes)) << 22;
    QTest::newRow("cable colours") << int(std::size(CableColours)) << 23;
    QTest::newRow("use keys") << int(std::size(UseKeys)) << 21;
    QTest::newRow("use table rows") << int(std::size(UseTable)) << 21;
    QTest::newRow("Italian names") << int(std::size(ItalianNames)) << 21;
    QTest::newRow("device types") << int(std::size(DeviceTypes)) << 12;
    QTest::newRow("active test names") << int(std::size(ActiveTestNames)) << 5;
    QTest::newRow("job element names") << int(std::size(JobElementNames)) << 51;
    QTest::newRow("test result fields") << int(std::size(TestResultFields)) << 9;
    QTest::newRow("settings names") << int(std::size(SettingsNames)) << 8;
    QTest::newRow("job versions") << int(std::size(JobVersions)) << 8;
    QTest::newRow("paper sizes") << int(std::size(PaperSizes)) << 38;
    QTest::newRow("page standards") << int(std::size(PageStandards)) << 4;
    QTest::newRow("drawing scales") << int(std::size(DrawingScales)) << 9;
}

void TestConstants::tableSizes()
{
    QFETCH(int, actual);
    QFETCH(int, expected);
    QCOMPARE(actual, expected);
}

void TestConstants::fixedTablesInOrder()
{
    QCOMPARE(toStringList(ItemKinds),
             words("Cable|DeviceConnection|Device|FreeText|Port|Room|VertRun|Vertice"));
    QCOMPARE(toStringList(Languages),
             words("English|German|Italian|French|Portuguese|Spanish|Chinese|Korean|Czech"));
    QCOMPARE(toStringList(CableTypes),
             words("CAT5|CAT5E|CAT6|CAT3_4P|CAT3|CAT3_2P|RG-6|Fire|Security|RG-58|RG-59|Audio|"
                   "Tel_Cord|CAT5STP|CAT5ESTP|CAT6STP|CAT5-X|CAT5E-X|CAT6-X|CAT5-XX|CAT5E-XX|"
                   "CAT6-XX"));
    QCOMPARE(toStringList(UseKeys),
             words("Network|TV|Phone|CCTV|Intercom|Speaker|Control|Security|Fire|PatchPanel|NA|"
                   "Satellite|1Wall|2Wall|3Wall|4Wall|6Wall|custom_port|vertical_run|comm_center|"
                   "cable_box"));
    QCOMPARE(toStringList(ItalianNames),
             words("Rete|Dati|Telefono|TVCC|Interfono|Altoparlante|Controllo|Sicurezza|"
                   "Antincendio|Permutatore|Singola|Doppia|Tripla|Quadrupla|Quad|Sestupla|"
                   "presa_speciale|Dors_Vert|Centrale|TVCC|TVCA"));
    QCOMPARE(toStringList(ActiveTestNames), words("iPerf|LLDP|PING|PoE|Port Discovery"));
    QCOMPARE(s(DefaultTemplateFile), s("Default.qvt"));
    QCOMPARE(s(EndFirstFloor), s("end_first_floor"));
    QCOMPARE(s(NotSpecified), s("not_specified"));
    QCOMPARE(s(UnitsEnglish), s("English"));
    QCOMPARE(s(UnitsMetric), s("Metric"));
}

void TestConstants::cableColoursAreColourCodes()
{
    const QRegularExpression code(QStringLiteral("^#[0-9a-f]{6}$"));
    const QStringList colours = toStringList(CableColours);
    for (const QString& colour : colours)
        QVERIFY2(code.match(colour).hasMatch(), qPrintable(colour));
    QCOMPARE(colours.first(), s("#000000"));
    QCOMPARE(colours.at(11), s("#3388ee"));
    QCOMPARE(colours.last(), s("#aaaaff"));
    QCOMPARE(QSet<QString>(colours.begin(), colours.end()).size(), 23);
}

void TestConstants::useTable()
{
    // The table's rows follow the key order, so list operations keep it.
    for (int row = 0; row < int(std::size(UseTable)); ++row)
        QCOMPARE(s(UseTable[row].key), s(UseKeys[row]));

    QStringList icons;
    QStringList shortForms;
    for (const UseEntry& use : UseTable) {
        icons.append(use.icon ? s(use.icon) : s("-"));
        shortForms.append(use.shortForm ? shortForm(use) : s("-"));
    }
    QCOMPARE(icons,
             words(":/images/network_icon.png|:/images/tv_icon.png|:/images/phone_icon.png|"
                   ":/images/cctv_icon.png|:/images/intercom_icon.png|:/images/speaker_icon.png|"
                   ":/images/control_icon.png|:/images/security_icon.png|:/images/fire_icon.png|"
                   ":/images/patch_panel.png|-|:/images/satellite.png|:/images/port_one.png|"
                   ":/images/port_two.png|:/images/port_three.png|:/images/port_four.png|"
                   ":/images/port_six.png|:/images/custom_port.png|:/images/vertical_run.png|"
                   ":/images/media_panel.png|:/images/cable_box.png"));
    QCOMPARE(shortForms, words("Net|TV|Phone|CCTV|Intr|Spkr|Ctrl|Sec|Fire|Panel|-|Sat|Plate|Plate|"
                               "Plate|Plate|Plate|-|-|Comm|TV"));
    QCOMPARE(shortForm(UseTable[useIndexByKey(s("NA"))]), QString());

    // Untranslated, the displayed name of a use is its key.
    QCOMPARE(displayedUses(), toStringList(UseKeys));
}

void TestConstants::useLookups_data()
{
    QTest::addColumn<QString>("italian");
    QTest::addColumn<QString>("key");

    QTest::newRow("Rete is Network") << s("Rete") << s("Network");
    QTest::newRow("Dati is Network too") << s("Dati") << s("Network");
    QTest::newRow("Quadrupla is 4Wall") << s("Quadrupla") << s("4Wall");
    QTest::newRow("Quad is 4Wall too") << s("Quad") << s("4Wall");
    QTest::newRow("TVCC is CCTV, never cable_box") << s("TVCC") << s("CCTV");
    QTest::newRow("TVCA is cable_box") << s("TVCA") << s("cable_box");
    QTest::newRow("Dors_Vert is vertical_run") << s("Dors_Vert") << s("vertical_run");
    QTest::newRow("unknown word") << s("Cucina") << QString();
    QTest::newRow("empty text matches no missing name") << QString() << QString();
    QTest::newRow("case matters") << s("rete") << QString();
}

void TestConstants::useLookups()
{
    QFETCH(QString, italian);
    QFETCH(QString, key);

    const int row = useIndexByItalianName(italian);
    QCOMPARE(row < 0 ? QString() : s(UseTable[row].key), key);
    if (!key.isEmpty()) {
        QCOMPARE(useIndexByKey(key), row);
        QCOMPARE(useIndexByDisplayedName(key), row);
    }
}

void TestConstants::everyItalianNameLeadsToItsUse()
{
    QStringList keys;
    for (const char* name : ItalianNames) {
        const int row = useIndexByItalianName(s(name));
        QVERIFY2(row >= 0, name);
        keys.append(s(UseTable[row].key));
    }
    QCOMPARE(keys, words("Network|Network|Phone|CCTV|Intercom|Speaker|Control|Security|Fire|"
                         "PatchPanel|1Wall|2Wall|3Wall|4Wall|4Wall|6Wall|custom_port|"
                         "vertical_run|comm_center|CCTV|cable_box"));
    QCOMPARE(useIndexByKey(s("Kitchen")), -1);
    QCOMPARE(useIndexByKey(QString()), -1);
}

void TestConstants::deviceTypes()
{
    QStringList types;
    for (const DeviceTypeEntry& device : DeviceTypes) {
        types.append(s(device.type));
        QCOMPARE(s(DeviceTypes[deviceTypeIndexByImage(s(device.image))].type), s(device.type));
    }
    QCOMPARE(types, words("Router|Hub|Phone|Printer|Access Point|Bridge|Firewall|Server|Switch|"
                          "Fax|Computer|Internet"));
    QCOMPARE(s(DeviceTypes[4].image), s(":/images/access_point.png"));
    QCOMPARE(deviceTypeIndexByImage(s(":/images/switch.png")), 8);
    QCOMPARE(deviceTypeIndexByImage(s("/home/me/my_switch.png")), -1);
    QCOMPARE(deviceTypeIndexByImage(QString()), -1);
}

void TestConstants::jobFileNames()
{
    const QStringList names = toStringList(JobElementNames);
    QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
    QCOMPARE(names.first(), s("FFloor_"));
    QCOMPARE(names.at(22), s("number"));
    QCOMPARE(names.at(27), s("Cable_List"));
    QCOMPARE(names.last(), s("BundledCableType_List"));
    QCOMPARE(s(CableList), s("Cable_List"));
    QCOMPARE(s(TestResultsElement), s("Test_Results"));
    QCOMPARE(s(ActiveTestResultElement), s("ActiveTest_Result"));
    QCOMPARE(s(SSheetElement), s("SSheet_"));

    QCOMPARE(toStringList(TestResultFields),
             words("software_version|serial|status|time|bert_errors|data|echo|next|chan"));
    QCOMPARE(toStringList(SettingsNames),
             words("JobInfo_Settings|NetView_Settings|Inventory_Settings|FloorPlan_Settings|"
                   "TestSched_Settings|DetailedCable_Settings|JobNotes_Settings|"
                   "ActiveNetworkTestResults_Settings"));
    QCOMPARE(toStringList(JobVersions), words("1.1|1.2|1.3|1.4|2.1|2.2|2.3|3.0"));
    QCOMPARE(s(CurrentJobVersion), s("3.0"));
}

void TestConstants::translationFollowsInstalledTranslator()
{
    QCOMPARE(floorIdPrefix(), s("Floor_"));
    QCOMPARE(sheetIdPrefix(), s("Sheet_"));

    FakeTranslator translator;
    translator.map.insert(s("Floor_"), s("Piano_"));
    translator.map.insert(s("Sheet_"), s("Foglio_"));
    translator.map.insert(s("Network"), s("Rete"));
    translator.map.insert(s("Plate"), s("Placca"));
    translator.map.insert(s("English"), s("Inglese"));
    QVERIFY(QCoreApplication::installTranslator(&translator));

    QCOMPARE(floorIdPrefix(), s("Piano_"));
    QCOMPARE(sheetIdPrefix(), s("Foglio_"));
    QCOMPARE(englishUnitsName(), s("Inglese"));
    QCOMPARE(metricUnitsName(), s("Metric"));

    // The displayed name and short form change; the stored key does not.
    const int network = useIndexByKey(s("Network"));
    QCOMPARE(displayedUse(UseTable[network]), s("Rete"));
    QCOMPARE(displayedUses().first(), s("Rete"));
    QCOMPARE(useIndexByDisplayedName(s("Rete")), network);
    QCOMPARE(useIndexByDisplayedName(s("Network")), -1);
    QCOMPARE(shortForm(UseTable[useIndexByKey(s("4Wall"))]), s("Placca"));
    QCOMPARE(s(UseNetwork), s("Network"));

    QVERIFY(QCoreApplication::removeTranslator(&translator));
    QCOMPARE(floorIdPrefix(), s("Floor_"));
    QCOMPARE(displayedUse(UseNetwork), s("Network"));
}

QTEST_GUILESS_MAIN(TestConstants)
#include "tst_constants.moc"
