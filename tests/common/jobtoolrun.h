#ifndef JOBTOOLRUN_H
#define JOBTOOLRUN_H

// Runs the jobtool program built with the tests and collects what it said.

#include <QProcess>
#include <QString>
#include <QStringList>

namespace JobToolRun {

struct Run
{
    int code = -1;
    QString out;
    QString err;
};

inline Run jobtool(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(GRIDWELL_JOBTOOL), args);
    Run r;
    if (!p.waitForFinished(60000))
        return r;
    r.code = p.exitCode();
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

} // namespace JobToolRun

#endif // JOBTOOLRUN_H
