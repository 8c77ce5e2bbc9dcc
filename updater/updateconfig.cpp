#include "updateconfig.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>

#include <cstring>

namespace Updater {

namespace {

// Edition, major and minor digit; the installer may write more values.
constexpr qsizetype kDataValues = 3;

QString firstDigit(qint32 value)
{
    return QString::number(value).left(1);
}

} // namespace

quint16 configurationChecksum(const QList<qint32>& values)
{
    // The installer prints each value with its terminating zero one byte
    // further into a zero-filled buffer of four bytes a value, every print
    // covering the tail of the one before. Prints are cut at the end of the
    // buffer: with fewer than four values a long number would run past it,
    // and only the bytes inside take part in the checksum.
    QByteArray buffer(values.size() * 4, '\0');
    for (qsizetype j = 0; j < values.size(); ++j) {
        const QByteArray text = QByteArray::number(values.at(j));
        const qsizetype room = buffer.size() - j;
        const qsizetype length = qMin(room, text.size() + 1); // with the zero
        std::memcpy(buffer.data() + j, text.constData(), size_t(length));
    }
    return qChecksum(buffer, Qt::ChecksumIso3309);
}

bool readConfiguration(const QString& installFolder, InstalledRelease* release, QString* reason)
{
    const QDir folder(installFolder);
    if (installFolder.isEmpty() || !folder.exists()) {
        *reason = QCoreApplication::translate("Updater::Configuration",
                                              "Unable to find the Gridwell install directory");
        return false;
    }
    QFile file(folder.filePath(QStringLiteral("gridwell.cfg")));
    if (!file.exists()) {
        *reason = QCoreApplication::translate("Updater::Configuration",
                                              "No configuration file was found.");
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        *reason = QCoreApplication::translate("Updater::Configuration",
                                              "Unable to read the configuration file %1. Error: %2")
                      .arg(file.fileName(), file.errorString());
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (bytes.size() < qsizetype(sizeof(qint32))) {
        *reason = QCoreApplication::translate("Updater::Configuration",
                                              "No entries in Configuration file");
        return false;
    }

    // A torn integer at the end, or too few values to name edition and
    // version, is damage as much as a wrong checksum is.
    QList<qint32> values;
    QDataStream in(bytes); // big-endian, as the installer writes it
    while (!in.atEnd()) {
        qint32 value = 0;
        in >> value;
        values.append(value);
    }
    const qint32 stored = values.takeLast();
    if (in.status() != QDataStream::Ok || values.size() < kDataValues ||
        stored != qint32(configurationChecksum(values))) {
        *reason = QCoreApplication::translate("Updater::Configuration",
                                              "Configuration file is corrupted");
        return false;
    }

    static const char* const editions[] = {"FULL", "NETWORK", "AP"};
    const QString edition = firstDigit(values.at(0));
    const int index = edition.size() == 1 ? edition.at(0).digitValue() : -1;
    if (index < 0 || index > 2) {
        *reason = QCoreApplication::translate("Updater::Configuration",
                                              "Invalid Gridwell Type %1 detected")
                      .arg(values.at(0));
        return false;
    }
    release->edition = QString::fromLatin1(editions[index]);
    release->version = firstDigit(values.at(1)) + firstDigit(values.at(2));
    return true;
}

} // namespace Updater
