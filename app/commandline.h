// gridwell's command line: a job to open, or what --screenshot renders.
#ifndef COMMANDLINE_H
#define COMMANDLINE_H

#include <QSize>
#include <QString>
#include <QStringList>

struct CommandLineOptions
{
    QString job;
    QString screenshot; // where --screenshot writes its PNG; empty: run the window
    QSize size{1400, 900};
    QString floor;
    QString sheet;
    QString select;
    bool help = false;
    bool version = false;
};

namespace CommandLine {

// False, with the message to print, for a command line that is not valid.
bool parse(const QStringList& arguments, CommandLineOptions* options, QString* error);
QString helpText();

} // namespace CommandLine

#endif // COMMANDLINE_H
