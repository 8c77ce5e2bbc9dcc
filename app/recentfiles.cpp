#include "recentfiles.h"

#include <qvutils.h>
#include <runekit.h>

#include <QDir>
#include <QFileInfo>

namespace RecentFiles {

namespace {

// One path per line: a line break is the one character that no path the
// user picks in a file dialog holds. The store's default is the word
// "false", which names no list.
QStringList decode(const QString& stored)
{
    if (stored == QLatin1String("false"))
        return {};
    QStringList paths;
    for (const QString& line : stored.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (!paths.contains(line))
            paths.append(line);
    }
    return paths.mid(0, Max);
}

void save(const QStringList& paths)
{
    Runekit::writeSettings({{QVUtils::RecentJobFileList, paths.join(QLatin1Char('\n'))}});
}

} // namespace

QStringList list()
{
    return decode(
        Runekit::readSettings({QVUtils::RecentJobFileList}).value(QVUtils::RecentJobFileList));
}

QStringList add(const QString& path)
{
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    QStringList paths = list();
    paths.removeAll(absolute);
    paths.prepend(absolute);
    paths = paths.mid(0, Max);
    save(paths);
    return paths;
}

QStringList remove(const QString& path)
{
    QStringList paths = list();
    paths.removeAll(path);
    save(paths);
    return paths;
}

} // namespace RecentFiles
