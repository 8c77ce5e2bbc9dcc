// Output streams and usage errors shared by every jobtool command.
#include "jobtool_p.h"

#include <ductbook.h>
#include <qvteditor.h>
#include <qvutils.h>
#include <runekit.h>

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
          << "Try 'jobtool --help' for more information.\n";
    err().flush();
    return Usage;
}

void useTemplate(Ductbook& job, const QString& given)
{
    job.setDefaultQvtFile(given.isEmpty()
                              ? Runekit::readSettings({QVUtils::QvtFile}).value(QVUtils::QvtFile)
                              : given);
}

int reportLoadFailure(Ductbook& job)
{
    err() << "jobtool: " << job.error() << "\n";
    // jobtool loads one job per run, so a template error text can only come
    // from converting this one.
    const QString templateError = QvtEditor::Instance().error();
    if (!templateError.isEmpty())
        err() << "jobtool: a job of version " << job.getFileVersion()
              << " needs the default template to convert, and it could not be loaded: "
              << templateError << "\n";
    return Usage;
}

} // namespace JobTool
