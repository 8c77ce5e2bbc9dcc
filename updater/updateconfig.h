// The installation's configuration file "gridwell.cfg", written by the
// installer: which edition and version are installed.
#pragma once

#include <QList>
#include <QString>

namespace Updater {

struct InstalledRelease
{
    QString edition; // "FULL", "NETWORK" or "AP"
    QString version; // two digits, "30" for 3.0
};

// Reads "gridwell.cfg" in the install folder. On failure returns false and
// sets *reason to the text shown to the user.
bool readConfiguration(const QString& installFolder, InstalledRelease* release, QString* reason);

// The checksum the installer stores after the data values.
quint16 configurationChecksum(const QList<qint32>& values);

} // namespace Updater
