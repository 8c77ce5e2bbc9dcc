#ifndef FUZZSUPPORT_H
#define FUZZSUPPORT_H

// What both fuzz targets share: a quiet Qt set up once, a scratch folder, and
// the way a finding is reported (a message, then abort(), which libFuzzer
// records with the input that caused it).

#include <QByteArray>
#include <QString>

namespace FuzzSupport {

// Once per process: settings and scratch files in a folder of their own, Qt's
// debug output silenced.
void initialize(int* argc, char*** argv);

// A path in the scratch folder.
QString path(const QString& name);

bool writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);

[[noreturn]] void finding(const QString& what);

} // namespace FuzzSupport

#endif // FUZZSUPPORT_H
