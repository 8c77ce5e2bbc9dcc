// The jobs opened last, newest first, kept in the settings store so that
// every window and the next session see the same list.
#ifndef RECENTFILES_H
#define RECENTFILES_H

#include <QStringList>

namespace RecentFiles {

constexpr int Max = 10;

QStringList list();
// Puts path first (once) and keeps the newest Max; returns the new list.
QStringList add(const QString& path);
QStringList remove(const QString& path);

} // namespace RecentFiles

#endif // RECENTFILES_H
