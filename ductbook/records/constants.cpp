#include "constants_p.h"

namespace DuctbookConstants {

// Translated at every call rather than once when the library is loaded: the
// host installs its translator only after the library is in memory, so a
// translation fixed at load time would always be the English source text.
QString translated(const char* sourceText)
{
    if (!sourceText)
        return QString();
    return QCoreApplication::translate("QObject", sourceText);
}

QString floorIdPrefix()
{
    return translated(FloorIdPrefix);
}

QString sheetIdPrefix()
{
    return translated(SheetIdPrefix);
}

QString englishUnitsName()
{
    return translated(UnitsEnglish);
}

QString metricUnitsName()
{
    return translated(UnitsMetric);
}

QString displayedUse(const char* key)
{
    return translated(key);
}

QString displayedUse(const UseEntry& use)
{
    return translated(use.key);
}

QString shortForm(const UseEntry& use)
{
    return translated(use.shortForm);
}

QStringList displayedUses()
{
    QStringList uses;
    uses.reserve(int(std::size(UseTable)));
    for (const UseEntry& use : UseTable)
        uses.append(displayedUse(use));
    return uses;
}

int useIndexByKey(const QString& key)
{
    for (int i = 0; i < int(std::size(UseTable)); ++i) {
        if (key == QLatin1String(UseTable[i].key))
            return i;
    }
    return -1;
}

int useIndexByDisplayedName(const QString& displayed)
{
    for (int i = 0; i < int(std::size(UseTable)); ++i) {
        if (displayed == displayedUse(UseTable[i]))
            return i;
    }
    return -1;
}

int useIndexByItalianName(const QString& italian)
{
    for (int i = 0; i < int(std::size(UseTable)); ++i) {
        for (const char* name : UseTable[i].italian) {
            // A missing name must not match the empty text.
            if (name && italian == QLatin1String(name))
                return i;
        }
    }
    return -1;
}

int deviceTypeIndexByImage(const QString& image)
{
    for (int i = 0; i < int(std::size(DeviceTypes)); ++i) {
        if (image == QLatin1String(DeviceTypes[i].image))
            return i;
    }
    return -1;
}

} // namespace DuctbookConstants
