#include "savefile_p.h"

#include <QCoreApplication>
#include <QSaveFile>

namespace SaveFile {

// Unbuffered, so that every write reaches the file here and its count can be
// checked. Through the buffer, the bytes would only be written at commit,
// and a write the disk cut short there (full, or over the size limit) was
// taken for success: the target was replaced by the part that fitted.
bool replaceContents(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        *error = file.errorString();
        return false;
    }
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0) {
            *error = file.errorString();
            if (error->isEmpty())
                *error = QCoreApplication::translate("SaveFile", "Unable to write %1").arg(path);
            file.cancelWriting();
            return false;
        }
        written += n;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace SaveFile
