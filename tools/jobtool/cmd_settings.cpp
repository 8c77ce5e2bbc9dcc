// jobtool settings: the application settings store by key name.
#include "jobtool_p.h"

#include <qvutils.h>
#include <runekit.h>

#include <QMetaEnum>

namespace JobTool {

const char* const settingsHelp = QT_TRANSLATE_NOOP(
    "jobtool",
    "  settings list           Print every application setting by name with its value.\n"
    "  settings get KEY        Print the value of one setting (KEY as in 'settings list',\n"
    "                          e.g. FloorCeilingHeight).\n"
    "  settings set KEY VALUE  Store VALUE for one setting.\n");

namespace {

QMetaEnum settingsEnum()
{
    return QMetaEnum::fromType<QVUtils::gridwellSettings>();
}

bool settingFromName(const QString& name, QVUtils::gridwellSettings* key)
{
    bool ok = false;
    const int value = settingsEnum().keyToValue(name.toLatin1().constData(), &ok);
    if (!ok)
        return false;
    *key = static_cast<QVUtils::gridwellSettings>(value);
    return true;
}

} // namespace

int settingsCommand(const QStringList& args)
{
    if (args.isEmpty())
        return usageError(QCoreApplication::translate(
            "jobtool", "settings: missing subcommand (list, get or set)"));
    const QString sub = args.at(0);
    if (sub == QLatin1String("list")) {
        if (args.size() != 1)
            return usageError(
                QCoreApplication::translate("jobtool", "settings list takes no arguments"));
        QList<QVUtils::gridwellSettings> keys;
        for (int i = 0; i < QVUtils::SettingsCount; ++i)
            keys.append(static_cast<QVUtils::gridwellSettings>(i));
        const auto values = Runekit::readSettings(keys);
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            out() << settingsEnum().valueToKey(it.key()) << " = " << it.value() << "\n";
        return Ok;
    }
    if (sub == QLatin1String("get")) {
        if (args.size() != 2)
            return usageError(
                QCoreApplication::translate("jobtool", "usage: jobtool settings get KEY"));
        QVUtils::gridwellSettings key;
        if (!settingFromName(args.at(1), &key))
            return usageError(
                QCoreApplication::translate("jobtool", "unknown setting '%1'").arg(args.at(1)));
        out() << Runekit::readSettings({key}).value(key) << "\n";
        return Ok;
    }
    if (sub == QLatin1String("set")) {
        if (args.size() != 3)
            return usageError(
                QCoreApplication::translate("jobtool", "usage: jobtool settings set KEY VALUE"));
        QVUtils::gridwellSettings key;
        if (!settingFromName(args.at(1), &key))
            return usageError(
                QCoreApplication::translate("jobtool", "unknown setting '%1'").arg(args.at(1)));
        Runekit::writeSettings({{key, args.at(2)}});
        return Ok;
    }
    return usageError(
        QCoreApplication::translate("jobtool", "settings: unknown subcommand '%1'").arg(sub));
}

} // namespace JobTool
