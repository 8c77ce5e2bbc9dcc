#ifndef JOBTOOLRUN_H
#define JOBTOOLRUN_H

// Runs the jobtool program built with the tests and collects what it said.

#include <QProcess>
#include <QString>
#include <QStringList>

namespace JobToolRun {

struct Run
{
    int code = -1; // -1 also when jobtool crashed or did not finish
    QString out;
    QString err;
    QByteArray bytes; // standard output as written (pictures, CSV)
};

inline Run jobtool(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(GRIDWELL_JOBTOOL), args);
    Run r;
    if (!p.waitForFinished(300000))
        return r;
    r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.bytes = p.readAllStandardOutput();
    r.out = QString::fromUtf8(r.bytes);
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

inline QString example()
{
    return QStringLiteral(GRIDWELL_SOURCE_DIR "/examples/office.job");
}

} // namespace JobToolRun

#endif // JOBTOOLRUN_H
