// Shared pieces of jobtool's commands: output streams, exit codes, and the
// entry point and help text of every command.
#ifndef JOBTOOL_P_H
#define JOBTOOL_P_H

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QTextStream>

class Ductbook;

namespace JobTool {

enum ExitCode { Ok = 0, Failure = 1, Usage = 2 };

QTextStream& out();
QTextStream& err();

// Prints "jobtool: message" and the hint to --help on stderr; returns Usage.
int usageError(const QString& message);

// Loads path into job, converting an older job with templateFile (or the
// configured template, or Plan::defaultTemplate() when that file is missing, which
// is then said on stderr) as its source of default cable types; on failure
// prints the library's reason (and the template's, when that was the cause)
// and returns false (the caller exits with Usage).
bool loadJob(Ductbook& job, const QString& path, const QString& templateFile = QString());

// One command: its name as typed, its lines of the help text, its entry
// point (arguments after the command name, returns the exit status).
struct Command
{
    const char* name;
    const char* help;
    int (*run)(const QStringList& args);
};

int settingsCommand(const QStringList& args);
int newCommand(const QStringList& args);
int infoCommand(const QStringList& args);
int scheduleCommand(const QStringList& args);
int reportCommand(const QStringList& args);
int renderCommand(const QStringList& args);
int importCablesCommand(const QStringList& args);
int templateCommand(const QStringList& args);
int exportCommand(const QStringList& args);
int importCommand(const QStringList& args);
int convertCommand(const QStringList& args);
int labelsCommand(const QStringList& args);

extern const char* const settingsHelp;
extern const char* const newHelp;
extern const char* const infoHelp;
extern const char* const scheduleHelp;
extern const char* const reportHelp;
extern const char* const renderHelp;
extern const char* const importCablesHelp;
extern const char* const templateHelp;
extern const char* const exportHelp;
extern const char* const importHelp;
extern const char* const convertHelp;
extern const char* const labelsHelp;

} // namespace JobTool

#endif // JOBTOOL_P_H
