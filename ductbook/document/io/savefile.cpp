#include "io/savefile_p.h"

#include "io/xmlwriter_p.h"

#include <QCoreApplication>
#include <QSaveFile>

namespace SaveFile {

// Unbuffered, so that every write reaches the file here and its count can be
// checked. Through the buffer, the bytes would only be written at commit,
// and a write the disk cut short there (full, or over the size limit) was
// taken for success: the target was replaced by the part that fitted.
bool replaceContents(const QString& path, const std::function<bool(QIODevice*)>& write,
                     QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        *error = file.errorString();
        return false;
    }
    if (!write(&file)) {
        *error = file.errorString();
        if (error->isEmpty())
            *error = QCoreApplication::translate("SaveFile", "Unable to write %1").arg(path);
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

bool replaceContents(const QString& path, const QByteArray& bytes, QString* error)
{
    return replaceContents(
        path, [&bytes](QIODevice* file) { return writeAll(file, bytes.constData(), bytes.size()); },
        error);
}

bool replaceContents(const QString& path, const QDomDocument& document, const QString& docTypeName,
                     QString* error)
{
    return replaceContents(
        path, [&](QIODevice* file) { return XmlWriter::write(file, document, docTypeName); },
        error);
}

bool writeAll(QIODevice* device, const char* data, qint64 size)
{
    qint64 written = 0;
    while (written < size) {
        const qint64 n = device->write(data + written, size - written);
        if (n <= 0)
            return false;
        written += n;
    }
    return true;
}

} // namespace SaveFile
