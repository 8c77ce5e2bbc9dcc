// Output streams and usage errors shared by every jobtool command.
#include "jobtool_p.h"

#include <ductbook.h>
#include <qvteditor.h>
#include <qvutils.h>
#include <runekit.h>

#include <QCoreApplication>

namespace JobTool {

QTextStream& out()
{
    static QTextStream s(stdout);
    return s;
}

QTextStream& err()
{
    static QTextStream s(stderr);
    return s;
}

int usageError(const QString& message)
{
    err() << "jobtool: " << message << "\n"
          << QCoreApplication::translate("jobtool", "Try 'jobtool --help' for more information.")
          << "\n";
    err().flush();
    return Usage;
}

// Jobs of version 2.1 and older take their default cable types from a
// template while they are converted: the one given, or else the configured one.
bool loadJob(Ductbook& job, const QString& path, const QString& templateFile)
{
    job.setDefaultQvtFile(templateFile.isEmpty()
                              ? Runekit::readSettings({QVUtils::QvtFile}).value(QVUtils::QvtFile)
                              : templateFile);
    if (job.Load(path))
        return true;
    err() << "jobtool: " << job.error() << "\n";
    // jobtool loads one job per run, so a template error text can only come
    // from converting this one.
    const QString templateError = QvtEditor::Instance().error();
    if (!templateError.isEmpty())
        err() << "jobtool: "
              << QCoreApplication::translate("jobtool",
                                             "a job of version %1 needs the default template to "
                                             "convert, and it could not be loaded: %2")
                     .arg(job.getFileVersion(), templateError)
              << "\n";
    err().flush();
    return false;
}

} // namespace JobTool
