// What the updater program does once its application object exists.
#pragma once

#include <QStringList>

namespace Updater {

struct Deployment;
class UpdatePrompts;

// Reads the command line (program name first), runs the update dialog
// until it is closed and returns the exit status: 0 when the dialog was
// closed, whatever its log says; 2, after a message on standard error, for
// a bad command line.
int runProgram(const QStringList& arguments, const Deployment& builtIn, UpdatePrompts* prompts);

// Writes the help text to standard output; returns the exit status 0.
int showHelp(const Deployment& builtIn);

} // namespace Updater
