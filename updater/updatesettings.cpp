#include "updatesettings.h"

#include <QSettings>

namespace Updater {

namespace {

// Native format, user scope: the same store the application's own settings
// code opens.
QSettings applicationStore()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Korvex"),
                     QStringLiteral("Gridwell"));
}

QSettings downloadStore()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Almaren"),
                     QStringLiteral("Support"));
}

const QString kInstallPath = QStringLiteral("/installpath");
const QString kLocation = QStringLiteral("/location");
const QString kUnset = QStringLiteral("0");

} // namespace

QString installFolderSetting()
{
    return applicationStore().value(kInstallPath, kUnset).toString();
}

QString downloadFolderSetting()
{
    return downloadStore().value(kLocation, kUnset).toString();
}

void storeDownloadFolder(const QString& folder)
{
    downloadStore().setValue(kLocation, folder);
}

QString applicationStoreLocation()
{
    return applicationStore().fileName();
}

QString downloadStoreLocation()
{
    return downloadStore().fileName();
}

} // namespace Updater
