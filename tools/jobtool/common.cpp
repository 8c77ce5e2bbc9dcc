// Output streams and usage errors shared by every jobtool command.
#include "jobtool_p.h"

#include "defaulttemplate_p.h"

#include <ductbook.h>
#include <qvteditor.h>
#include <qvutils.h>
#include <runekit.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

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
// template while they are converted: the one given, or else the configured
// one, or, when that file is missing (as on a fresh installation), the
// default template that comes with jobtool.
bool loadJob(Ductbook& job, const QString& path, const QString& templateFile)
{
    QString missing;
    const QString tmpl = Plan::templateFor(
        templateFile, Runekit::readSettings({QVUtils::QvtFile}).value(QVUtils::QvtFile), &missing);
    job.setDefaultQvtFile(tmpl);
    const bool loaded = job.Load(path);
    // The template is only read while converting an old job; only then is
    // the fallback worth a word. Said on stderr, so that output written to
    // standard output stays clean.
    QvtEditor& t = QvtEditor::Instance();
    if (!missing.isEmpty() && !t.filename().isEmpty())
        err() << "jobtool: "
              << QCoreApplication::translate("jobtool",
                                             "the configured template '%1' does not exist; "
                                             "converting with the default template '%2'")
                     .arg(missing, tmpl)
              << "\n";
    if (loaded) {
        err().flush();
        return true;
    }
    err() << "jobtool: " << job.error() << "\n";
    // jobtool loads one job per run, so a template error text can only come
    // from converting this one.
    const QString templateError = t.error();
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
