// Shared pieces of jobtool's commands: output streams, exit codes, and the
// entry point and help text of every command.
#ifndef JOBTOOL_P_H
#define JOBTOOL_P_H

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

// Points job at the template that converts jobs of version 2.1 and older:
// the file given, or else the configured one (setting QvtFile).
void useTemplate(Ductbook& job, const QString& given);
// Prints why job could not load a file (and why its template could not, when
// that was the cause); returns Usage.
int reportLoadFailure(Ductbook& job);

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
int templateCommand(const QStringList& args);
int exportCommand(const QStringList& args);
int importCommand(const QStringList& args);
int convertCommand(const QStringList& args);

extern const char* const settingsHelp;
extern const char* const newHelp;
extern const char* const infoHelp;
extern const char* const templateHelp;
extern const char* const exportHelp;
extern const char* const importHelp;
extern const char* const convertHelp;

} // namespace JobTool

#endif // JOBTOOL_P_H
