// jobtool new: a new, empty job saved under the given name.
#include "cmdargs_p.h"
#include "jobtool_p.h"

#include <ductbook.h>

namespace JobTool {

const char* const newHelp = QT_TRANSLATE_NOOP(
    "jobtool",
    "  new FILE [--force]      Create a new, empty job and save it as FILE (\".job\" is\n"
    "                          added when FILE has another extension). An existing file\n"
    "                          is only replaced with --force.\n");

int newCommand(const QStringList& args)
{
    Arguments a;
    QString error;
    if (!parseArguments(QStringLiteral("new"), args, {QStringLiteral("--force")}, {}, &a, &error))
        return usageError(error);
    if (a.positional.size() != 1)
        return usageError(
            QCoreApplication::translate("jobtool", "usage: jobtool new FILE [--force]"));
    // The name the job will be saved under, as New() settles it.
    const QString given = a.positional.at(0);
    const QString path =
        Ductbook::checkJobExtension(given) ? given : given + QStringLiteral(".job");
    if (!Output(path, a.has(QStringLiteral("--force"))).check(QString(), &error))
        return usageError(error);

    Ductbook& job = Ductbook::Instance();
    if (!job.New(given) || !job.save()) {
        err() << "jobtool: " << job.error() << "\n";
        return Failure;
    }
    out() << QCoreApplication::translate("jobtool", "Created %1").arg(job.filename()) << "\n";
    return Ok;
}

} // namespace JobTool
