// Argument parsing and output files shared by jobtool's commands.
#include "cmdargs_p.h"

#include "jobtool_p.h"

#include <ductbook.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>

namespace JobTool {

namespace {

QString cannotWrite(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("jobtool", "cannot write '%1': %2").arg(path, reason);
}

} // namespace

bool parseArguments(const QString& command, const QStringList& args, const QStringList& flags,
                    const QStringList& valued, Arguments* parsed, QString* error)
{
    bool optionsEnded = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        if (optionsEnded || !a.startsWith(QLatin1Char('-')) || a == QLatin1String("-")) {
            parsed->positional.append(a);
            continue;
        }
        if (a == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        QString name = a;
        QString value;
        bool inlineValue = false;
        const int eq = a.indexOf(QLatin1Char('='));
        if (a.startsWith(QLatin1String("--")) && eq > 0) {
            name = a.left(eq);
            value = a.mid(eq + 1);
            inlineValue = true;
        }
        if (flags.contains(name) && !inlineValue) {
            parsed->flags.insert(name);
            continue;
        }
        if (!valued.contains(name)) {
            *error =
                QCoreApplication::translate("jobtool", "%1: unknown option '%2'").arg(command, a);
            return false;
        }
        if (!inlineValue) {
            if (i + 1 >= args.size()) {
                *error = QCoreApplication::translate("jobtool", "%1: option '%2' needs a value")
                             .arg(command, name);
                return false;
            }
            value = args.at(++i);
        }
        if (parsed->values.contains(name)) {
            *error = QCoreApplication::translate("jobtool", "%1: option '%2' given twice")
                         .arg(command, name);
            return false;
        }
        parsed->values.insert(name, value);
    }
    return true;
}

bool Output::check(const QString& jobPath, QString* error) const
{
    if (toStdout())
        return true;
    const QFileInfo target(m_path);
    if (!jobPath.isEmpty() && target.exists() &&
        target.canonicalFilePath() == QFileInfo(jobPath).canonicalFilePath()) {
        *error = QCoreApplication::translate("jobtool",
                                             "'%1' is the job being read; choose another output "
                                             "file")
                     .arg(m_path);
        return false;
    }
    if (target.isDir()) {
        *error = QCoreApplication::translate("jobtool", "'%1' is a folder").arg(m_path);
        return false;
    }
    if (target.exists() && !m_force) {
        *error = QCoreApplication::translate("jobtool",
                                             "'%1' already exists; give --force to replace it")
                     .arg(m_path);
        return false;
    }
    return true;
}

int Output::write(const std::function<bool(QIODevice& device, QString* error)>& write) const
{
    QString error;
    if (toStdout()) {
        out().flush();
        QFile device;
        if (!device.open(stdout, QIODevice::WriteOnly)) {
            err() << "jobtool: "
                  << QCoreApplication::translate("jobtool", "cannot write to standard output")
                  << "\n";
            return Failure;
        }
        if (!write(device, &error)) {
            err() << "jobtool: " << error << "\n";
            return Failure;
        }
        device.flush();
        return Ok;
    }
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly)) {
        err() << "jobtool: " << cannotWrite(m_path, file.errorString()) << "\n";
        return Failure;
    }
    if (!write(file, &error)) {
        file.cancelWriting();
        err() << "jobtool: " << error << "\n";
        return Failure;
    }
    if (!file.commit()) {
        err() << "jobtool: " << cannotWrite(m_path, file.errorString()) << "\n";
        return Failure;
    }
    return Ok;
}

int prepareJobCommand(const QString& name, const QString& usage, const QStringList& args,
                      QStringList flags, QStringList valued,
                      const std::function<QString(const Arguments&)>& check, JobCommand* command)
{
    flags.append(QStringLiteral("--force"));
    valued.append(QStringLiteral("-o"));
    valued.append(QStringLiteral("--template"));
    QString error;
    Arguments& a = command->args;
    if (!parseArguments(name, args, flags, valued, &a, &error))
        return usageError(error);
    if (a.positional.size() != 1)
        return usageError(QCoreApplication::translate("jobtool", "usage: jobtool %1").arg(usage));
    error = check(a);
    if (!error.isEmpty())
        return usageError(error);
    command->jobPath = a.positional.at(0);
    command->output = Output(a.value(QStringLiteral("-o")), a.has(QStringLiteral("--force")));
    if (!command->output.check(command->jobPath, &error))
        return usageError(error);
    if (!loadJob(Ductbook::Instance(), command->jobPath, a.value(QStringLiteral("--template"))))
        return Usage;
    return -1;
}

QString Arguments::format(const QStringList& known, const QString& fallback) const
{
    const QString given = value(QStringLiteral("--format"));
    if (!given.isEmpty())
        return given.toLower();
    const QString suffix = QFileInfo(value(QStringLiteral("-o"))).suffix().toLower();
    return known.contains(suffix) ? suffix : fallback;
}

} // namespace JobTool
