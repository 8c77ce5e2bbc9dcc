#ifndef JOBTOOLRUN_H
#define JOBTOOLRUN_H

// Running the jobtool program as a user does, for the end-to-end tests.

#include <QProcess>
#include <QString>
#include <QStringList>

namespace JobtoolRun {

struct Run
{
    int code = -1;
    QByteArray out;
    QString err;
};

inline Run jobtool(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(GRIDWELL_JOBTOOL), args);
    Run r;
    if (!p.waitForFinished(300000))
        return r;
    r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

inline QString example()
{
    return QStringLiteral(GRIDWELL_SOURCE_DIR "/examples/office.job");
}

} // namespace JobtoolRun

#endif // JOBTOOLRUN_H
