// Uses: the translations between the use keys stored in jobs, the names the
// user sees, the short labels of the floor plan and the Italian names of old
// Italian jobs, the lists of uses offered for ports, and the port icons.
#include "ductbook.h"

#include "constants_p.h"
#include "porticons_p.h"

#include <runekit.h>

#include <QDir>
#include <QFileInfo>

#include <iterator>

using namespace DuctbookConstants;

namespace {

// The uses that name a service, in the order the label lookups compare them
// (the first match wins when translations make two names equal). cable_box
// shares the label of TV and comes after it, so the label leads back to TV.
constexpr const char* ServiceUses[] = {UseNetwork,   UseSpeaker,  UsePhone,    UseControl,
                                       UseFire,      UseSecurity, UseIntercom, UseCCTV,
                                       UseSatellite, UseTV,       UseCableBox};

// Port kinds with a short label; their labels lead back to no single use.
constexpr const char* LabelledKinds[] = {UsePatchPanel, Use1Wall, Use2Wall,     Use3Wall,
                                         Use4Wall,      Use6Wall, UseCommCenter};

// The service uses offered for a port, in the order of the host's list.
constexpr const char* OfferedUses[] = {UseNetwork, UsePhone,     UseTV,       UseSpeaker,
                                       UseFire,    UseSecurity,  UseIntercom, UseCCTV,
                                       UseControl, UseSatellite, UseNA};

// The port kinds offered for a port. Most are the fixed keys; three are
// displayed names, as the host's list has always had them.
struct GeneralUse
{
    const char* use;
    bool displayed;
};

constexpr GeneralUse GeneralUses[] = {
    {Use1Wall, false},      {Use2Wall, false},      {Use3Wall, false},     {Use4Wall, false},
    {Use6Wall, false},      {UseCustomPort, false}, {UseIntercom, true},   {UseVerticalRun, false},
    {UseCommCenter, false}, {UseCableBox, false},   {UsePatchPanel, true}, {UseNA, true}};

// The settings entry that names the user's own floor-plan picture of a use.
struct IconSetting
{
    const char* use;
    QVUtils::gridwellSettings key;
};

constexpr IconSetting IconSettings[] = {
    {UseCableBox, QVUtils::FloorCableBoxIcon},
    {UseCCTV, QVUtils::FloorCctvIcon},
    {UseControl, QVUtils::FloorControlIcon},
    {UseFire, QVUtils::FloorFireAlarmIcon},
    {UseIntercom, QVUtils::FloorIntercomAlarmIcon},
    {UseNetwork, QVUtils::FloorNetworkIcon},
    {UseSatellite, QVUtils::FloorSatelliteDishIcon},
    {UseSecurity, QVUtils::FloorSecurityAlarmIcon},
    {UseSpeaker, QVUtils::FloorSpeakerIcon},
    {UsePhone, QVUtils::FloorTelephoneIcon},
    {UseTV, QVUtils::FloorTelevisionIcon},
    {UseCustomPort, QVUtils::FloorCustomPortIcon},
    {UseCommCenter, QVUtils::FloorCommCenterIcon},
    {UsePatchPanel, QVUtils::FloorPatchPanelIcon},
    {Use1Wall, QVUtils::Floor1WallPlateIcon},
    {Use2Wall, QVUtils::Floor2WallPlateIcon},
    {Use3Wall, QVUtils::Floor3WallPlateIcon},
    {Use4Wall, QVUtils::Floor4WallPlateIcon},
    {Use6Wall, QVUtils::Floor6WallPlateIcon},
    {UseVerticalRun, QVUtils::FloorVerticalRunIcon},
};

const IconSetting* iconSettingOf(const char* key)
{
    for (const IconSetting& s : IconSettings) {
        if (qstrcmp(s.use, key) == 0)
            return &s;
    }
    return nullptr;
}

// The row of the use table for one of the use constants above.
const UseEntry& row(const char* key)
{
    return UseTable[useIndexByKey(QLatin1String(key))];
}

template <std::size_t N>
QStringList displayedNames(const char* const (&uses)[N])
{
    QStringList names;
    names.reserve(int(N));
    for (const char* use : uses)
        names.append(displayedUse(use));
    return names;
}

} // namespace

namespace PortIcons {

QString iconPath(const QString& use)
{
    const int index = useIndexByDisplayedName(use);
    const UseEntry* entry = index < 0 ? nullptr : &UseTable[index];
    const IconSetting* setting = entry ? iconSettingOf(entry->key) : nullptr;

    QList<QVUtils::gridwellSettings> keys{QVUtils::IconPath};
    if (setting)
        keys.append(setting->key);
    const QMap<QVUtils::gridwellSettings, QString> values = Runekit::readSettings(keys);

    const QString resource = entry && entry->icon ? QLatin1String(entry->icon) : QString();
    const QString file = setting ? values.value(setting->key) : QString();
    if (file.isEmpty())
        return resource;
    const QString folder = QDir(values.value(QVUtils::IconPath)).absolutePath();
    const QString custom = folder + QLatin1Char('/') + file;
    return QFileInfo(custom).isFile() ? custom : resource;
}

} // namespace PortIcons

QString Ductbook::getIconName(const QString& use)
{
    const int index = useIndexByDisplayedName(use);
    if (index < 0 || !UseTable[index].icon)
        return QString();
    return QLatin1String(UseTable[index].icon);
}

QString Ductbook::getReverseUse(const QString& use)
{
    for (const char* key : ServiceUses) {
        if (use == displayedUse(key))
            return shortForm(row(key));
    }
    for (const char* key : LabelledKinds) {
        if (use == displayedUse(key))
            return shortForm(row(key));
    }
    return use;
}

// Only the service labels lead back; "Plate", "Panel" and "Comm" stand for
// several kinds and come back unchanged.
QString Ductbook::getUse(const QString& shortLabel)
{
    for (const char* key : ServiceUses) {
        if (shortLabel == shortForm(row(key)))
            return displayedUse(key);
    }
    if (shortLabel == displayedUse(UseCableBox))
        return displayedUse(UseTV);
    return shortLabel;
}

QString Ductbook::getEnglishUse(const QString& displayed)
{
    const int index = useIndexByDisplayedName(displayed);
    return index < 0 ? QString() : QLatin1String(UseTable[index].key);
}

QString Ductbook::getEnglishUseFromItalian(const QString& italian)
{
    const int index = useIndexByItalianName(italian);
    return index < 0 ? QString() : displayedUse(UseTable[index]);
}

int Ductbook::useIsSpecific(const QString& use)
{
    for (const char* key : ServiceUses) {
        if (use == displayedUse(key))
            return 1;
    }
    return 0;
}

QStringList Ductbook::getUses()
{
    return displayedNames(OfferedUses);
}

QStringList Ductbook::getGeneralUses()
{
    QStringList uses;
    uses.reserve(int(std::size(GeneralUses)));
    for (const GeneralUse& g : GeneralUses)
        uses.append(g.displayed ? displayedUse(g.use) : QLatin1String(g.use));
    return uses;
}

QPixmap Ductbook::getPortIconPixmap(const QString& use)
{
    const QString path = PortIcons::iconPath(use);
    return path.isEmpty() ? QPixmap() : QPixmap(path);
}
