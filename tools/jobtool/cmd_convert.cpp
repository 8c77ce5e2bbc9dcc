// jobtool convert: a job of an older format brought to the current one and
// saved under a new name. The old file is the user's archive and is never
// written.
#include "jobtool_p.h"

#include <ductbook.h>

#include <QFileInfo>

namespace JobTool {

const char* const convertHelp = QT_TRANSLATE_NOOP(
    "jobtool",
    "  convert OLD NEW [--template QVT] [--force]\n"
    "                          Load OLD (a job of any version from 1.1 on), convert it\n"
    "                          to the current format and save it as NEW; OLD is never\n"
    "                          written. Jobs of version 2.1 and older take their default\n"
    "                          cable types from the template QVT, or from the configured\n"
    "                          one (setting QvtFile). An existing NEW is replaced only\n"
    "                          with --force.\n");

namespace {

// Whether NEW names the file OLD is, under any spelling of its path.
bool sameFile(const QString& oldPath, const QString& newPath)
{
    const QFileInfo newInfo(newPath);
    if (!newInfo.exists())
        return false;
    return newInfo.canonicalFilePath() == QFileInfo(oldPath).canonicalFilePath();
}

} // namespace

int convertCommand(const QStringList& args)
{
    QStringList files;
    QString templateFile;
    bool force = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        if (a == QLatin1String("--template")) {
            if (i + 1 >= args.size())
                return usageError(
                    QCoreApplication::translate("jobtool", "convert: --template needs a file"));
            templateFile = args.at(++i);
        } else if (a.startsWith(QLatin1String("--template="))) {
            templateFile = a.mid(int(qstrlen("--template=")));
        } else if (a == QLatin1String("--force")) {
            force = true;
        } else if (a.startsWith(QLatin1String("--"))) {
            return usageError(
                QCoreApplication::translate("jobtool", "convert: unknown option '%1'").arg(a));
        } else {
            files.append(a);
        }
    }
    if (files.size() != 2)
        return usageError(QCoreApplication::translate(
            "jobtool", "usage: jobtool convert OLD NEW [--template QVT] [--force]"));
    const QString oldPath = files.at(0);
    const QString newPath = files.at(1);
    if (sameFile(oldPath, newPath))
        return usageError(QCoreApplication::translate(
            "jobtool", "convert: NEW is OLD; the old job is never written over"));
    if (QFileInfo::exists(newPath) && !force) {
        err() << "jobtool: "
              << QCoreApplication::translate("jobtool", "%1 exists; give --force to replace it")
                     .arg(newPath)
              << "\n";
        return Failure;
    }

    Ductbook& job = Ductbook::Instance();
    if (!loadJob(job, oldPath, templateFile))
        return Usage;
    const QString from = job.getFileVersion();
    if (!job.saveAs(newPath)) {
        err() << "jobtool: " << job.error() << "\n";
        return Failure;
    }
    out() << QCoreApplication::translate("jobtool", "Converted %1 (version %2) to %3 (version 3.0)")
                 .arg(oldPath, from, newPath)
          << "\n";
    return Ok;
}

} // namespace JobTool
