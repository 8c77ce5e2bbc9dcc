// Output streams and usage errors shared by every jobtool command.
#include "jobtool_p.h"

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

} // namespace JobTool
