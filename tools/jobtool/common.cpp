// Output streams and usage errors shared by every jobtool command.
#include "jobtool_p.h"

#include <ductbook.h>

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
          << "Try 'jobtool --help' for more information.\n";
    err().flush();
    return Usage;
}

bool loadJob(Ductbook& job, const QString& path)
{
    if (job.Load(path))
        return true;
    err() << "jobtool: " << job.error() << "\n";
    err().flush();
    return false;
}

} // namespace JobTool
