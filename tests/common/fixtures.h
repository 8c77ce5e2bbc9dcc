#ifndef FIXTURES_H
#define FIXTURES_H

// Where the test files of old versions live: a job of each version in
// tests/data/job (job-<version>.job beside job-<version>.expected.job, what
// loading it must give) and a template of each version in tests/data/template
// (template-<version>.qvt and its .expected.qvt), with default.qvt, the
// template old jobs are converted with. The versions are found by listing the
// folders, so adding a pair of files adds a case to every test that walks them.

#include <QCollator>
#include <QDir>
#include <QString>
#include <QStringList>

#include <algorithm>

namespace Fixtures {

inline QString job(const QString& name)
{
    return QStringLiteral(GRIDWELL_TEST_DATA "/job/") + name;
}

inline QString qvt(const QString& name)
{
    return QStringLiteral(GRIDWELL_TEST_DATA "/template/") + name;
}

// The versions with a fixture of kind ("job" or "template"), oldest first.
inline QStringList versions(const QString& kind)
{
    const QString suffix = kind == QLatin1String("job") ? QStringLiteral(".job")
                                                        : QStringLiteral(".qvt");
    const QDir dir(QStringLiteral(GRIDWELL_TEST_DATA "/") + kind);
    QStringList result;
    for (const QString& name : dir.entryList({kind + QStringLiteral("-*") + suffix}, QDir::Files)) {
        if (name.endsWith(QStringLiteral(".expected") + suffix))
            continue;
        result.append(name.mid(kind.size() + 1).chopped(suffix.size()));
    }
    // A data-driven test with no rows passes without running: a missing
    // folder must stop the test instead.
    if (result.isEmpty())
        qFatal("no %s fixtures in %s", qPrintable(kind), qPrintable(dir.path()));
    QCollator numeric;
    numeric.setNumericMode(true);
    std::sort(result.begin(), result.end(), numeric);
    return result;
}

} // namespace Fixtures

#endif // FIXTURES_H
