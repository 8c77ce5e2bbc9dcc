// jobtool new: a new, empty job saved under the given name.
#include "jobtool_p.h"

#include <ductbook.h>

namespace JobTool {

const char* const newHelp =
    "  new FILE                Create a new, empty job and save it as FILE (\".job\" is\n"
    "                          added when FILE has another extension).\n";

int newCommand(const QStringList& args)
{
    if (args.size() != 1)
        return usageError(QStringLiteral("usage: jobtool new FILE"));
    Ductbook& job = Ductbook::Instance();
    if (!job.New(args.at(0)) || !job.save()) {
        err() << "jobtool: " << job.error() << "\n";
        return Failure;
    }
    out() << "Created " << job.filename() << "\n";
    return Ok;
}

} // namespace JobTool
