// The two per-user settings stores the updater reads: the application's
// (where Gridwell is installed) and its own (where installers go).
#pragma once

#include <QString>

namespace Updater {

// "/installpath" of organisation "Korvex", application "Gridwell"; "0" when
// it was never written.
QString installFolderSetting();

// "/location" of organisation "Almaren", application "Support"; "0" when the
// user never chose a download folder.
QString downloadFolderSetting();
void storeDownloadFolder(const QString& folder);

// Where the two stores live on this system, for the help text.
QString applicationStoreLocation();
QString downloadStoreLocation();

} // namespace Updater
