// The arguments of one jobtool command: positional arguments, flags and
// options with a value, and where a command's output goes.
#ifndef CMDARGS_P_H
#define CMDARGS_P_H

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>

class QIODevice;

namespace JobTool {

struct Arguments
{
    QStringList positional;
    QSet<QString> flags;
    QHash<QString, QString> values;

    bool has(const QString& flag) const { return flags.contains(flag); }
    QString value(const QString& option) const { return values.value(option); }
    // The output format: --format as given (in lower case), else the
    // extension of the -o file when it is one of known, else fallback.
    QString format(const QStringList& known, const QString& fallback) const;
};

// Splits args into positional arguments, the flags named in flags and the
// options named in valued (each taking the next argument, or the text after
// "=" as in --format=md). "--" ends the options. Returns false, with a
// message naming the command, for an unknown option, a missing value or an
// option given twice.
bool parseArguments(const QString& command, const QStringList& args, const QStringList& flags,
                    const QStringList& valued, Arguments* parsed, QString* error);

// Where a command writes: a file named with -o, or standard output when no
// file is named.
class Output
{
public:
    Output() = default;
    Output(const QString& path, bool force) : m_path(path), m_force(force) {}

    bool toStdout() const { return m_path.isEmpty(); }
    const QString& path() const { return m_path; }

    // Whether the command may write here: an existing file is only replaced
    // with --force, and never when it is the job being read.
    bool check(const QString& jobPath, QString* error) const;

    // Writes through write() into a temporary file that replaces the target
    // only when write() succeeded, or straight to standard output. Returns
    // an exit status and prints the reason of a failure.
    int write(const std::function<bool(QIODevice& device, QString* error)>& write) const;

private:
    QString m_path;
    bool m_force = false;
};

// A command that reads one job and writes one output: schedule, report and
// render.
struct JobCommand
{
    Arguments args;
    QString jobPath;
    Output output;
};

// Parses args (the command's own flags and options, plus -o FILE, --force
// and --template QVT, the template an old job is converted with) into command, requires exactly one job, asks check for any
// further usage fault (an error text, or empty), checks the output file and
// loads the job. Returns -1 when the command can go on, else the exit
// status, the reason printed.
int prepareJobCommand(const QString& name, const QString& usage, const QStringList& args,
                      QStringList flags, QStringList valued,
                      const std::function<QString(const Arguments&)>& check, JobCommand* command);

} // namespace JobTool

#endif // CMDARGS_P_H
