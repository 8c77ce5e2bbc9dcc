#ifndef SAVEFILE_P_H
#define SAVEFILE_P_H

#include "ductbook_global.h"

#include <QByteArray>
#include <QString>

namespace SaveFile {

// Writes bytes as the whole new content of path through a temporary file in
// the same folder, which replaces path only once every byte is on disk. On
// failure path is left as it was, the temporary file is removed, and *error
// holds the reason. The job and the template are both saved through it.
DUCTBOOK_PRIVATE_EXPORT bool replaceContents(const QString& path, const QByteArray& bytes,
                                             QString* error);

} // namespace SaveFile

#endif // SAVEFILE_P_H
