#ifndef JOBFIXTURE_H
#define JOBFIXTURE_H

// Small helpers shared by the job document tests.

#include <ductbook.h>
#include <index/verifyindexes_p.h>

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>

namespace JobFixture {

inline QByteArray readFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    return f.write(bytes) == bytes.size();
}

// The names of the top-level elements of a saved file, in document order.
inline QStringList topLevelNames(const QByteArray& fileBytes)
{
    QDomDocument doc;
    if (!doc.setContent(QString::fromLatin1(fileBytes)))
        return {QStringLiteral("<unparsable>")};
    QStringList names;
    for (QDomElement e = doc.documentElement().firstChildElement(); !e.isNull();
         e = e.nextSiblingElement())
        names.append(e.tagName());
    return names;
}

// What the open job keeps beside its tree (lookup maps, element caches,
// cable, connection and riser indexes) must be what a rebuild from the tree
// gives; otherwise the running test fails, with what differs.
inline bool indexesAgree(const char* file = __builtin_FILE(), int line = __builtin_LINE())
{
    const QStringList problems = verifyJobIndexes();
    return QTest::qVerify(problems.isEmpty(), "verifyJobIndexes()",
                          qPrintable(problems.join(QLatin1Char('\n'))), file, line);
}

// Ends a test with its job. Every document test calls this from cleanup(),
// so each test function's edits are checked; the helpers below that replace
// the job check the one they replace.
inline void verifyAndClose()
{
    indexesAgree();
    Ductbook::Destroy();
}

// A fresh job singleton, created with New(path) for a file in dir.
inline Ductbook& newJob(const QTemporaryDir& dir, const QString& name = QStringLiteral("job.job"))
{
    indexesAgree();
    Ductbook::Destroy();
    Ductbook& job = Ductbook::Instance();
    job.New(dir.filePath(name));
    return job;
}

// Writes text as a job file in dir and loads it into a fresh singleton.
inline bool loadText(const QTemporaryDir& dir, const QByteArray& text,
                     const QString& name = QStringLiteral("fixture.job"))
{
    indexesAgree();
    Ductbook::Destroy();
    const QString path = dir.filePath(name);
    if (!writeFile(path, text))
        return false;
    return Ductbook::Instance().Load(path);
}

// A minimal current-version job around the given top-level content.
inline QByteArray jobText(const QByteArray& content)
{
    return "<!DOCTYPE Job>\n<Job>\n <Version number=\"3.0\"/>\n" + content + "</Job>\n";
}

} // namespace JobFixture

#endif // JOBFIXTURE_H
