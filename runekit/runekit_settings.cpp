#include "runekit.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QVariant>

#include <optional>

namespace {

// How the default of a key is produced. Most defaults are fixed typed values;
// a few depend on the machine or the moment of the call.
enum class DefaultKind {
    String,
    Int,
    UInt,
    Double,
    Bool,
    Invalid,
    InstallFolder,
    JobFolder,
    TemplateFolder,
    TemplateFile,
    FontFamily,
    IconFolder
};

struct SettingEntry
{
    const char* key;
    DefaultKind kind;
    const char* text; // for String
    double number;    // for Int, UInt, Double and Bool
};

constexpr SettingEntry text(const char* key, const char* value)
{
    return {key, DefaultKind::String, value, 0};
}
constexpr SettingEntry integer(const char* key, int value)
{
    return {key, DefaultKind::Int, nullptr, double(value)};
}
constexpr SettingEntry unsignedInteger(const char* key, unsigned value)
{
    return {key, DefaultKind::UInt, nullptr, double(value)};
}
constexpr SettingEntry real(const char* key, double value)
{
    return {key, DefaultKind::Double, nullptr, value};
}
constexpr SettingEntry boolean(const char* key, bool value)
{
    return {key, DefaultKind::Bool, nullptr, value ? 1.0 : 0.0};
}
constexpr SettingEntry computed(const char* key, DefaultKind kind)
{
    return {key, kind, nullptr, 0};
}

// Indexed by QVUtils::gridwellSettings. The key strings are what existing
// stores hold: never change one.
constexpr SettingEntry kSettings[] = {
    computed("/installpath", DefaultKind::InstallFolder),
    computed("/jobpath", DefaultKind::JobFolder),
    computed("/qvtpath", DefaultKind::TemplateFolder),
    computed("/qvtfile", DefaultKind::TemplateFile),
    computed("/language", DefaultKind::Invalid),
    integer("/metric", 0),
    boolean("/useRecentJobFiles", false),
    integer("/maxRecentJobFiles", 1),
    // Older hosts stored a boolean here before the list existed.
    boolean("/recentJobFileList", false),
    integer("/settings/cableestimation", 1),
    boolean("/showdimensions", true),
    boolean("/showroomnames", true),
    boolean("/points", true),
    integer("/timedate", 0),
    boolean("/dialog/usePics", true),
    boolean("/dialog/useWelcome", true),
    integer("/floorplan/zoom", 3),
    unsignedInteger("/geometry/h", 700),
    unsignedInteger("/geometry/w", 700),
    unsignedInteger("/geometry/x", 50),
    unsignedInteger("/geometry/y", 50),
    integer("/netview/zoom", 3),
    text("/settings/appfontfamily", "MS Shell Dlg"),
    integer("/settings/appfontsize", 10),
    real("/settings/floorceilingheight", 8.0),
    real("/settings/portdropheight", 7.0),
    integer("/settings/vertrundropheight", 0),
    computed("/settings/floorplanfontfamily", DefaultKind::FontFamily),
    integer("/settings/floorplanfontsize", 10),
    integer("/settings/floorplaniconscale", 1),
    computed("/settings/networkfontfamily", DefaultKind::FontFamily),
    integer("/settings/networkfontsize", 10),
    integer("/settings/networkiconscale", 1),
    integer("/settings/jobinformation", 0),
    integer("/settings/detailedcables", 0),
    integer("/settings/floorplan", 0),
    integer("/settings/inventory", 0),
    integer("/settings/jobnotes", 0),
    integer("/settings/network", 0),
    integer("/settings/testschedule", 1),
    integer("/settings/activenetworktest", 1),
    integer("/settings/printstyle", 0),
    text("/settings/exportpdfpath", ""),
    boolean("/cabletemplate/on", false),
    integer("/cabletemplate/type", 0),
    integer("/cabletemplate/start", 0),
    integer("/cabletemplate/pad", 1),
    text("/cabletemplate/string", ""),
    computed("/iconpath", DefaultKind::IconFolder),
    text("/icons/floorcableboxicon", ""),
    text("/icons/floorcctvicon", ""),
    text("/icons/floorcontrolicon", ""),
    text("/icons/floorfirealarmicon", ""),
    text("/icons/floorintercomalarmicon", ""),
    text("/icons/floornetworkicon", ""),
    text("/icons/floorsatellitedishicon", ""),
    text("/icons/floorsecurityalarmicon", ""),
    text("/icons/floorspeakericon", ""),
    text("/icons/floortelephoneicon", ""),
    text("/icons/floortelevisionicon", ""),
    text("/icons/floorcustomporticon", ""),
    text("/icons/floorcommcentericon", ""),
    text("/icons/floorpatchpanelicon", ""),
    text("/icons/floor1wallplateicon", ""),
    text("/icons/floor2wallplateicon", ""),
    text("/icons/floor3wallplateicon", ""),
    text("/icons/floor4wallplateicon", ""),
    text("/icons/floor6wallplateicon", ""),
    text("/icons/floorverticalrunicon", ""),
    text("/icons/networkaccesspointicon", ""),
    text("/icons/networkbridgeicon", ""),
    text("/icons/networkcomputericon", ""),
    text("/icons/networkfaxicon", ""),
    text("/icons/networkfirewallicon", ""),
    text("/icons/networkhubicon", ""),
    text("/icons/networkinterneticon", ""),
    text("/icons/networkphoneicon", ""),
    text("/icons/networkprintericon", ""),
    text("/icons/networkroutericon", ""),
    text("/icons/networkservericon", ""),
    text("/icons/networkswitchicon", ""),
};

static_assert(sizeof(kSettings) / sizeof(kSettings[0]) == QVUtils::SettingsCount,
              "every settings enumerator needs exactly one key");

const QString kOrganisation = QStringLiteral("Korvex");
const QString kApplication = QStringLiteral("Gridwell");
const QString kIconFolderName = QStringLiteral("My Gridwell Icons");

// The enumeration is plain, so callers can hand in any integer; compare as
// unsigned so that negative values fall outside as well.
bool isKnownKey(QVUtils::gridwellSettings key)
{
    return static_cast<unsigned>(key) < static_cast<unsigned>(QVUtils::SettingsCount);
}

QString installFolder()
{
#if defined(Q_OS_WIN)
    return QStringLiteral("C:/Program Files/Korvex Inc/");
#elif defined(Q_OS_MACOS)
    return QStringLiteral("/Applications/gridwell-3.0/");
#else
    return QStringLiteral("/opt/gridwell-3.0/");
#endif
}

QString documentsFolder()
{
#if defined(Q_OS_WIN)
    QSettings shell(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Microsoft"),
                    QStringLiteral("Windows"));
    shell.beginGroup(QStringLiteral("CurrentVersion/Explorer/Shell Folders"));
    return shell.value(QStringLiteral("Personal")).toString();
#else
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
#endif
}

// The folder "My Gridwell Icons" beside the user's documents folder, created
// on the way. No value when the documents folder is unknown or has no parent:
// an empty path would otherwise resolve against the working folder and create
// the icon folder wherever the host happened to be started.
std::optional<QString> iconFolder()
{
    const QString documents = documentsFolder();
    if (documents.isEmpty())
        return std::nullopt;
    QDir dir(documents);
    if (!dir.cdUp())
        return std::nullopt;
    if (!dir.exists(kIconFolderName))
        dir.mkdir(kIconFolderName); // a failure leaves the parent as the folder
    dir.cd(kIconFolderName);
    return dir.absolutePath();
}

QVariant defaultValue(const SettingEntry& entry)
{
    switch (entry.kind) {
    case DefaultKind::String:
        return QString::fromLatin1(entry.text);
    case DefaultKind::Int:
        return static_cast<int>(entry.number);
    case DefaultKind::UInt:
        return static_cast<unsigned>(entry.number);
    case DefaultKind::Double:
        return entry.number;
    case DefaultKind::Bool:
        return entry.number != 0.0;
    case DefaultKind::Invalid:
        return QVariant();
    case DefaultKind::InstallFolder:
        return installFolder();
    case DefaultKind::JobFolder:
        return QDir::homePath() + QStringLiteral("/My Documents/My Gridwell Jobs/");
    case DefaultKind::TemplateFolder:
        return QDir::currentPath() + QStringLiteral("/qvt/");
    case DefaultKind::TemplateFile:
        return QDir::currentPath() + QStringLiteral("/qvt/Default.qvt");
    case DefaultKind::FontFamily:
        return Runekit::defaultFontFamily();
    case DefaultKind::IconFolder:
        break; // needs the side effect; readSettings handles it
    }
    return QVariant();
}

} // namespace

QString Runekit::settingsKey(QVUtils::gridwellSettings key)
{
    if (!isKnownKey(key))
        return QString();
    return QString::fromLatin1(kSettings[key].key);
}

QString Runekit::defaultFontFamily()
{
#if defined(Q_OS_WIN)
    return QStringLiteral("MS Shell Dlg");
#elif defined(Q_OS_MACOS)
    return QStringLiteral("Arial");
#else
    return QStringLiteral("Sans Serif");
#endif
}

QMap<QVUtils::gridwellSettings, QString>
Runekit::readSettings(QList<QVUtils::gridwellSettings> keys)
{
    QMap<QVUtils::gridwellSettings, QString> values;
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, kOrganisation, kApplication);
    for (const QVUtils::gridwellSettings key : std::as_const(keys)) {
        if (!isKnownKey(key))
            continue;
        const SettingEntry& entry = kSettings[key];
        QVariant fallback;
        if (entry.kind == DefaultKind::IconFolder) {
            const std::optional<QString> folder = iconFolder();
            if (!folder) {
                values.insert(key, QString());
                continue;
            }
            fallback = *folder;
        } else {
            fallback = defaultValue(entry);
        }
        values.insert(key, store.value(QString::fromLatin1(entry.key), fallback).toString());
    }
    return values;
}

void Runekit::writeSettings(QMap<QVUtils::gridwellSettings, QString> values)
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, kOrganisation, kApplication);
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        if (!isKnownKey(it.key()))
            continue;
        store.setValue(QString::fromLatin1(kSettings[it.key()].key), QVariant(it.value()));
    }
}
