#ifndef SAVEFILE_P_H
#define SAVEFILE_P_H

#include "ductbook_global.h"

#include <QByteArray>
#include <QString>

#include <functional>

class QDomDocument;
class QIODevice;

namespace SaveFile {

// Writes the whole new content of path through a temporary file in the same
// folder, which replaces path only once every byte is on disk. On failure
// path is left as it was, the temporary file is removed, and *error holds the
// reason. The job and the template are both saved through it.
//
// write() is handed the temporary file and returns false when a write fell
// short; the file is unbuffered, so every write reaches the disk at once and
// writeAll() can check it.
DUCTBOOK_PRIVATE_EXPORT bool
replaceContents(const QString& path, const std::function<bool(QIODevice*)>& write, QString* error);

DUCTBOOK_PRIVATE_EXPORT bool replaceContents(const QString& path, const QByteArray& bytes,
                                             QString* error);

// A document in the file layout of the job and the template, streamed to the
// file a piece at a time rather than built whole in memory first.
DUCTBOOK_PRIVATE_EXPORT bool replaceContents(const QString& path, const QDomDocument& document,
                                             const QString& docTypeName, QString* error);

// Writes all size bytes of data to device, however many calls that takes;
// false as soon as the device takes none.
DUCTBOOK_PRIVATE_EXPORT bool writeAll(QIODevice* device, const char* data, qint64 size);

} // namespace SaveFile

#endif // SAVEFILE_P_H
