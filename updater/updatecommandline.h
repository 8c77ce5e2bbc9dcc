// The program's command line and the deployment values it was built with.
#pragma once

#include "updateprotocol.h"

#include <QStringList>

namespace Updater {

// The update server, service account and operating system this build uses.
Deployment builtInDeployment();

struct CommandLine
{
    bool help = false;
    QString server; // the built-in server unless --server replaced it
    QString error;  // empty when the arguments were understood
};

// Reads the arguments (program name first).
CommandLine parseCommandLine(const QStringList& arguments, const Deployment& builtIn);

QString helpText(const Deployment& builtIn);

} // namespace Updater
