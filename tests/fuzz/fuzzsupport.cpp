#include "fuzzsupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

QTemporaryDir* scratch = nullptr;

void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

} // namespace

namespace FuzzSupport {

void initialize(int* argc, char*** argv)
{
    static QTemporaryDir dir;
    scratch = &dir;
    // New() reads the settings store; it must not be the user's.
    qputenv("HOME", dir.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral(".config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral(".local/share")).toLocal8Bit());
    qputenv("XDG_CACHE_HOME", dir.filePath(QStringLiteral(".cache")).toLocal8Bit());
    qInstallMessageHandler(quiet);
    static QCoreApplication app(*argc, *argv);
}

QString path(const QString& name)
{
    return scratch->filePath(name);
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void finding(const QString& what)
{
    std::fprintf(stderr, "\n*** finding: %s\n", what.toLocal8Bit().constData());
    std::fflush(stderr);
    std::abort();
}

} // namespace FuzzSupport
