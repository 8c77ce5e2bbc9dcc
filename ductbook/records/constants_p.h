#ifndef DUCTBOOK_CONSTANTS_P_H
#define DUCTBOOK_CONSTANTS_P_H

// The fixed words of the job format and the tables every part of ductbook
// shares. Fixed words are plain 8-bit strings so that they can sit in constant
// tables; words the user sees are translated by the functions at the end, at
// each call, so that a translator the host installs after loading the library
// still takes effect.

#include "ductbook_global.h"
#include "papersizes_p.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <iterator>

namespace DuctbookConstants {

// Item kinds, as the name generator and the tag maps know them.
inline constexpr const char* KindCable = "Cable";
inline constexpr const char* KindDeviceConnection = "DeviceConnection";
inline constexpr const char* KindDevice = "Device";
inline constexpr const char* KindFreeText = "FreeText";
inline constexpr const char* KindPort = "Port";
inline constexpr const char* KindRoom = "Room";
inline constexpr const char* KindVertRun = "VertRun";
inline constexpr const char* KindVertice = "Vertice";
inline constexpr const char* ItemKinds[] = {
    KindCable, KindDeviceConnection, KindDevice, KindFreeText, KindPort,
    KindRoom,  KindVertRun,          KindVertice};

inline constexpr const char* DefaultTemplateFile = "Default.qvt";
// Path entry that separates the points of the first floor from those of the
// second in a cable that changes floor; it is not a point id.
inline constexpr const char* EndFirstFloor = "end_first_floor";
// Icon scale of an item that uses the application's default icon size.
inline constexpr const char* NotSpecified = "not_specified";
// The room of each floor that holds what stands in no room: its tag and id
// are both "Undefined". It is never removed (a removed room's ports and
// vertical runs move into it) and it is not in the room map.
inline constexpr const char* UndefinedRoom = "Undefined";
// The drop heights (feet) of a port and of a vertical run whose file has none.
inline constexpr const char* DefaultPortDropHeight = "7";
inline constexpr const char* DefaultRunDropHeight = "0";

// A fixed word as a Qt string, for comparisons and attribute names.
inline QLatin1String name(const char* text)
{
    return QLatin1String(text);
}

inline constexpr const char* Languages[] = {"English", "German",  "Italian", "French", "Portuguese",
                                            "Spanish", "Chinese", "Korean",  "Czech"};

// Unit systems. These exact words are stored in files ("predefined_style") and
// compared when reading, so they are never translated; englishUnitsName() and
// metricUnitsName() give the words to show.
inline constexpr const char* UnitsEnglish = QT_TRANSLATE_NOOP("QObject", "English");
inline constexpr const char* UnitsMetric = QT_TRANSLATE_NOOP("QObject", "Metric");

inline constexpr const char* CableTypes[] = {
    "CAT5",     "CAT5E",   "CAT6",   "CAT3_4P", "CAT3",     "CAT3_2P", "RG-6",     "Fire",
    "Security", "RG-58",   "RG-59",  "Audio",   "Tel_Cord", "CAT5STP", "CAT5ESTP", "CAT6STP",
    "CAT5-X",   "CAT5E-X", "CAT6-X", "CAT5-XX", "CAT5E-XX", "CAT6-XX"};

inline constexpr const char* CableColours[] = {
    "#000000", "#11ff11", "#2222dd", "#333333", "#ff00ff", "#ee11dd", "#448855", "#66ffaa",
    "#8800ff", "#22dd88", "#3399ff", "#3388ee", "#777777", "#888888", "#22ee22", "#33dd33",
    "#444444", "#ffaa00", "#ffaa7f", "#ff557f", "#aa00ff", "#aa55ff", "#aaaaff"};

// Use keys. The key is what the job stores, whatever the interface language;
// the same word is the source text of the displayed use name.
inline constexpr const char* UseNetwork = QT_TRANSLATE_NOOP("QObject", "Network");
inline constexpr const char* UseTV = QT_TRANSLATE_NOOP("QObject", "TV");
inline constexpr const char* UsePhone = QT_TRANSLATE_NOOP("QObject", "Phone");
inline constexpr const char* UseCCTV = QT_TRANSLATE_NOOP("QObject", "CCTV");
inline constexpr const char* UseIntercom = QT_TRANSLATE_NOOP("QObject", "Intercom");
inline constexpr const char* UseSpeaker = QT_TRANSLATE_NOOP("QObject", "Speaker");
inline constexpr const char* UseControl = QT_TRANSLATE_NOOP("QObject", "Control");
inline constexpr const char* UseSecurity = QT_TRANSLATE_NOOP("QObject", "Security");
inline constexpr const char* UseFire = QT_TRANSLATE_NOOP("QObject", "Fire");
inline constexpr const char* UsePatchPanel = QT_TRANSLATE_NOOP("QObject", "PatchPanel");
inline constexpr const char* UseNA = QT_TRANSLATE_NOOP("QObject", "NA");
inline constexpr const char* UseSatellite = QT_TRANSLATE_NOOP("QObject", "Satellite");
inline constexpr const char* Use1Wall = QT_TRANSLATE_NOOP("QObject", "1Wall");
inline constexpr const char* Use2Wall = QT_TRANSLATE_NOOP("QObject", "2Wall");
inline constexpr const char* Use3Wall = QT_TRANSLATE_NOOP("QObject", "3Wall");
inline constexpr const char* Use4Wall = QT_TRANSLATE_NOOP("QObject", "4Wall");
inline constexpr const char* Use6Wall = QT_TRANSLATE_NOOP("QObject", "6Wall");
inline constexpr const char* UseCustomPort = QT_TRANSLATE_NOOP("QObject", "custom_port");
inline constexpr const char* UseVerticalRun = QT_TRANSLATE_NOOP("QObject", "vertical_run");
inline constexpr const char* UseCommCenter = QT_TRANSLATE_NOOP("QObject", "comm_center");
inline constexpr const char* UseCableBox = QT_TRANSLATE_NOOP("QObject", "cable_box");
inline constexpr const char* UseKeys[] = {
    UseNetwork,     UseTV,         UsePhone,   UseCCTV,       UseIntercom, UseSpeaker,
    UseControl,     UseSecurity,   UseFire,    UsePatchPanel, UseNA,       UseSatellite,
    Use1Wall,       Use2Wall,      Use3Wall,   Use4Wall,      Use6Wall,    UseCustomPort,
    UseVerticalRun, UseCommCenter, UseCableBox};

// One row per use key, in key order. A null pointer marks a missing entry.
struct UseEntry
{
    const char* key;
    const char* icon;      // Qt resource path of the host's picture
    const char* shortForm; // translatable source text
    const char* italian[2];
};

inline constexpr UseEntry UseTable[] = {
    {UseNetwork,
     ":/images/network_icon.png",
     QT_TRANSLATE_NOOP("QObject", "Net"),
     {"Rete", "Dati"}},
    {UseTV, ":/images/tv_icon.png", QT_TRANSLATE_NOOP("QObject", "TV"), {nullptr, nullptr}},
    {UsePhone,
     ":/images/phone_icon.png",
     QT_TRANSLATE_NOOP("QObject", "Phone"),
     {"Telefono", nullptr}},
    {UseCCTV, ":/images/cctv_icon.png", QT_TRANSLATE_NOOP("QObject", "CCTV"), {"TVCC", nullptr}},
    {UseIntercom,
     ":/images/intercom_icon.png",
     QT_TRANSLATE_NOOP("QObject", "Intr"),
     {"Interfono", nullptr}},
    {UseSpeaker,
     ":/images/speaker_icon.png",
     QT_TRANSLATE_NOOP("QObject", "Spkr"),
     {"Altoparlante", nullptr}},
    {UseControl,
     ":/images/control_icon.png",
     QT_TRANSLATE_NOOP("QObject", "Ctrl"),
     {"Controllo", nullptr}},
    {UseSecurity,
     ":/images/security_icon.png",
     QT_TRANSLATE_NOOP("QObject", "Sec"),
     {"Sicurezza", nullptr}},
    {UseFire,
     ":/images/fire_icon.png",
     QT_TRANSLATE_NOOP("QObject", "Fire"),
     {"Antincendio", nullptr}},
    {UsePatchPanel,
     ":/images/patch_panel.png",
     QT_TRANSLATE_NOOP("QObject", "Panel"),
     {"Permutatore", nullptr}},
    {UseNA, nullptr, nullptr, {nullptr, nullptr}},
    {UseSatellite,
     ":/images/satellite.png",
     QT_TRANSLATE_NOOP("QObject", "Sat"),
     {nullptr, nullptr}},
    {Use1Wall,
     ":/images/port_one.png",
     QT_TRANSLATE_NOOP("QObject", "Plate"),
     {"Singola", nullptr}},
    {Use2Wall, ":/images/port_two.png", QT_TRANSLATE_NOOP("QObject", "Plate"), {"Doppia", nullptr}},
    {Use3Wall,
     ":/images/port_three.png",
     QT_TRANSLATE_NOOP("QObject", "Plate"),
     {"Tripla", nullptr}},
    {Use4Wall,
     ":/images/port_four.png",
     QT_TRANSLATE_NOOP("QObject", "Plate"),
     {"Quadrupla", "Quad"}},
    {Use6Wall,
     ":/images/port_six.png",
     QT_TRANSLATE_NOOP("QObject", "Plate"),
     {"Sestupla", nullptr}},
    {UseCustomPort, ":/images/custom_port.png", nullptr, {"presa_speciale", nullptr}},
    {UseVerticalRun, ":/images/vertical_run.png", nullptr, {"Dors_Vert", nullptr}},
    {UseCommCenter,
     ":/images/media_panel.png",
     QT_TRANSLATE_NOOP("QObject", "Comm"),
     {"Centrale", nullptr}},
    {UseCableBox, ":/images/cable_box.png", QT_TRANSLATE_NOOP("QObject", "TV"), {"TVCA", nullptr}},
};

// The Italian use names as old Italian jobs wrote them. "TVCC" stands twice;
// the lookup by row (useIndexByItalianName) gives the first one, CCTV.
inline constexpr const char* ItalianNames[] = {
    "Rete",      "Dati",      "Telefono",    "TVCC",        "Interfono",      "Altoparlante",
    "Controllo", "Sicurezza", "Antincendio", "Permutatore", "Singola",        "Doppia",
    "Tripla",    "Quadrupla", "Quad",        "Sestupla",    "presa_speciale", "Dors_Vert",
    "Centrale",  "TVCC",      "TVCA"};

struct DeviceTypeEntry
{
    const char* type;
    const char* image;
};

inline constexpr DeviceTypeEntry DeviceTypes[] = {
    {"Router", ":/images/router.png"},
    {"Hub", ":/images/hub.png"},
    {"Phone", ":/images/phone.png"},
    {"Printer", ":/images/printer.png"},
    {"Access Point", ":/images/access_point.png"},
    {"Bridge", ":/images/bridge.png"},
    {"Firewall", ":/images/firewall.png"},
    {"Server", ":/images/server.png"},
    {"Switch", ":/images/switch.png"},
    {"Fax", ":/images/fax.png"},
    {"Computer", ":/images/computer.png"},
    {"Internet", ":/images/internet.png"},
};

inline constexpr const char* ActiveTestNames[] = {"iPerf", "LLDP", "PING", "PoE", "Port Discovery"};

// Id prefixes of the first floor and sheet of a job; shown to the user.
inline constexpr const char* SheetIdPrefix = QT_TRANSLATE_NOOP("QObject", "Sheet_");
inline constexpr const char* FloorIdPrefix = QT_TRANSLATE_NOOP("QObject", "Floor_");

// Element and attribute names of the job file.
inline constexpr const char* FFloorElement = "FFloor_";
inline constexpr const char* CableElement = "Cable";
inline constexpr const char* ConnectionElement = "Connection";
inline constexpr const char* RoomElement = "Room";
inline constexpr const char* PortElement = "Port";
inline constexpr const char* ActivePortElement = "ActivePort";
inline constexpr const char* VertRunElement = "VertRun";
inline constexpr const char* VerticalRunElement = "VerticalRun";
inline constexpr const char* SubRoomElement = "SubRoom";
inline constexpr const char* TestDefElement = "TestDef";
inline constexpr const char* SSheetElement = "SSheet_";
inline constexpr const char* DeviceElement = "Device";
inline constexpr const char* VerticeElement = "Vertice";
inline constexpr const char* PointElement = "Point";
inline constexpr const char* TextElement = "Text";
inline constexpr const char* TTextElement = "TText";
inline constexpr const char* BundledCableElement = "BundledCable";
inline constexpr const char* BundledCableTypeElement = "BundledCableType";
inline constexpr const char* JobElement = "Job";
inline constexpr const char* ReleaseElement = "Release";
inline constexpr const char* RevisionElement = "Revision";
inline constexpr const char* VersionElement = "Version";
inline constexpr const char* VersionNumberAttribute = "number";
inline constexpr const char* ContractorInfoElement = "Contractor_Info";
inline constexpr const char* AddressElement = "Address";
inline constexpr const char* JobNotesTextElement = "JobNotes_Text";
inline constexpr const char* SiteInfoElement = "Site_Info";
inline constexpr const char* CableList = "Cable_List";
inline constexpr const char* TestResultsElement = "Test_Results";
inline constexpr const char* ActiveTestResultElement = "ActiveTest_Result";
inline constexpr const char* ConnectionList = "Connection_List";
inline constexpr const char* FloorList = "Floor_List";
inline constexpr const char* RoomList = "Room_List";
inline constexpr const char* SubRoomList = "SubRoom_List";
inline constexpr const char* PortList = "Port_List";
inline constexpr const char* ActiveNetworkTestList = "ActiveNetworkTest_List";
inline constexpr const char* ActivePortList = "ActivePort_List";
inline constexpr const char* VertRunList = "VertRun_List";
inline constexpr const char* PointList = "Point_List";
inline constexpr const char* VerticalRunList = "VerticalRun_List";
inline constexpr const char* SheetList = "Sheet_List";
inline constexpr const char* DeviceList = "Device_List";
inline constexpr const char* VerticeList = "Vertice_List";
inline constexpr const char* FreeTextList = "FreeText_List";
inline constexpr const char* SettingsList = "Settings_List";
inline constexpr const char* ScaleSettingsList = "ScaleSettings_List";
inline constexpr const char* PageSettingsList = "PageSettings_List";
inline constexpr const char* PrintSettingsList = "PrintSettings_List";
inline constexpr const char* TestDefList = "TestDef_List";
inline constexpr const char* BundledCableList = "BundledCable_List";
inline constexpr const char* BundledCableTypeList = "BundledCableType_List";
inline constexpr const char* JobElementNames[] = {FFloorElement,
                                                  CableElement,
                                                  ConnectionElement,
                                                  RoomElement,
                                                  PortElement,
                                                  ActivePortElement,
                                                  VertRunElement,
                                                  VerticalRunElement,
                                                  SubRoomElement,
                                                  TestDefElement,
                                                  SSheetElement,
                                                  DeviceElement,
                                                  VerticeElement,
                                                  PointElement,
                                                  TextElement,
                                                  TTextElement,
                                                  BundledCableElement,
                                                  BundledCableTypeElement,
                                                  JobElement,
                                                  ReleaseElement,
                                                  RevisionElement,
                                                  VersionElement,
                                                  VersionNumberAttribute,
                                                  ContractorInfoElement,
                                                  AddressElement,
                                                  JobNotesTextElement,
                                                  SiteInfoElement,
                                                  CableList,
                                                  TestResultsElement,
                                                  ActiveTestResultElement,
                                                  ConnectionList,
                                                  FloorList,
                                                  RoomList,
                                                  SubRoomList,
                                                  PortList,
                                                  ActiveNetworkTestList,
                                                  ActivePortList,
                                                  VertRunList,
                                                  PointList,
                                                  VerticalRunList,
                                                  SheetList,
                                                  DeviceList,
                                                  VerticeList,
                                                  FreeTextList,
                                                  SettingsList,
                                                  ScaleSettingsList,
                                                  PageSettingsList,
                                                  PrintSettingsList,
                                                  TestDefList,
                                                  BundledCableList,
                                                  BundledCableTypeList};

// Attributes of a cable's test results.
inline constexpr const char* SoftwareVersionField = "software_version";
inline constexpr const char* SerialField = "serial";
inline constexpr const char* StatusField = "status";
inline constexpr const char* TimeField = "time";
inline constexpr const char* BertErrorsField = "bert_errors";
inline constexpr const char* DataField = "data";
inline constexpr const char* EchoField = "echo";
inline constexpr const char* NextField = "next";
inline constexpr const char* ChanField = "chan";
inline constexpr const char* TestResultFields[] = {SoftwareVersionField,
                                                   SerialField,
                                                   StatusField,
                                                   TimeField,
                                                   BertErrorsField,
                                                   DataField,
                                                   EchoField,
                                                   NextField,
                                                   ChanField};

// Entries of the settings lists; the print list holds all eight in this
// order, the page and scale lists NetView and FloorPlan only.
inline constexpr const char* JobInfoSettings = "JobInfo_Settings";
inline constexpr const char* NetViewSettings = "NetView_Settings";
inline constexpr const char* InventorySettings = "Inventory_Settings";
inline constexpr const char* FloorPlanSettings = "FloorPlan_Settings";
inline constexpr const char* TestSchedSettings = "TestSched_Settings";
inline constexpr const char* DetailedCableSettings = "DetailedCable_Settings";
inline constexpr const char* JobNotesSettings = "JobNotes_Settings";
inline constexpr const char* ActiveNetworkTestResultsSettings = "ActiveNetworkTestResults_Settings";
inline constexpr const char* SettingsNames[] = {
    JobInfoSettings,   NetViewSettings,       InventorySettings, FloorPlanSettings,
    TestSchedSettings, DetailedCableSettings, JobNotesSettings,  ActiveNetworkTestResultsSettings};

// Job format versions, oldest first; the last one is the one we write.
inline constexpr const char* JobVersion11 = "1.1";
inline constexpr const char* JobVersion12 = "1.2";
inline constexpr const char* JobVersion13 = "1.3";
inline constexpr const char* JobVersion14 = "1.4";
inline constexpr const char* JobVersion21 = "2.1";
inline constexpr const char* JobVersion22 = "2.2";
inline constexpr const char* JobVersion23 = "2.3";
inline constexpr const char* JobVersion30 = "3.0";
inline constexpr const char* CurrentJobVersion = JobVersion30;
inline constexpr const char* JobVersions[] = {JobVersion11, JobVersion12, JobVersion13,
                                              JobVersion14, JobVersion21, JobVersion22,
                                              JobVersion23, JobVersion30};

// Paper sizes, page standards and drawing scales: see papersizes_p.h.

// Translated words. Each call asks the installed translators again.
DUCTBOOK_PRIVATE_EXPORT QString translated(const char* sourceText);
DUCTBOOK_PRIVATE_EXPORT QString floorIdPrefix();
DUCTBOOK_PRIVATE_EXPORT QString sheetIdPrefix();
DUCTBOOK_PRIVATE_EXPORT QString englishUnitsName();
DUCTBOOK_PRIVATE_EXPORT QString metricUnitsName();
DUCTBOOK_PRIVATE_EXPORT QString displayedUse(const char* key);
DUCTBOOK_PRIVATE_EXPORT QString displayedUse(const UseEntry& use);
DUCTBOOK_PRIVATE_EXPORT QString shortForm(const UseEntry& use);
DUCTBOOK_PRIVATE_EXPORT QStringList displayedUses();

// Row lookups in UseTable and DeviceTypes: the index of the first matching
// row, -1 when none matches. Indices rather than row addresses, because every
// module that includes this header holds its own copy of the tables.
DUCTBOOK_PRIVATE_EXPORT int useIndexByKey(const QString& key);
DUCTBOOK_PRIVATE_EXPORT int useIndexByDisplayedName(const QString& displayed);
DUCTBOOK_PRIVATE_EXPORT int useIndexByItalianName(const QString& italian);
DUCTBOOK_PRIVATE_EXPORT int deviceTypeIndexByImage(const QString& image);

// A whole fixed table as a string list, in table order.
template <std::size_t N>
QStringList toStringList(const char* const (&table)[N])
{
    QStringList list;
    list.reserve(int(N));
    for (const char* text : table)
        list.append(QLatin1String(text));
    return list;
}

} // namespace DuctbookConstants

#endif // DUCTBOOK_CONSTANTS_P_H
