// Arbitrary bytes loaded as a job. A job that loads is read through every
// kind of item, saved, loaded again and read again: the two readings must
// agree, and saving the reloaded job must give the bytes of the first save.
#include "fuzzsupport.h"
#include "jobsnapshot.h"

#include <ductbook.h>

#include <cstddef>
#include <cstdint>

using namespace FuzzSupport;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    initialize(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString input = path(QStringLiteral("input.job"));
    const QString first = path(QStringLiteral("first.job"));
    const QString second = path(QStringLiteral("second.job"));
    if (!writeFile(input, QByteArray(reinterpret_cast<const char*>(data), qsizetype(size))))
        finding(QStringLiteral("cannot write the scratch file"));

    Ductbook::Destroy();
    Ductbook& job = Ductbook::Instance();
    if (!job.Load(input))
        return 0;
    const QStringList loaded = JobSnapshot::take(job, false);
    if (!job.saveAs(first))
        finding(QStringLiteral("a loaded job could not be saved: ") + job.error());
    const QByteArray firstBytes = readFile(first);

    Ductbook::Destroy();
    Ductbook& again = Ductbook::Instance();
    if (!again.Load(first))
        finding(QStringLiteral("a saved job could not be loaded: ") + again.error());
    const QStringList reloaded = JobSnapshot::take(again, false);
    const QString difference = JobSnapshot::firstDifference(loaded, reloaded);
    if (!difference.isEmpty())
        finding(QStringLiteral("the job reads differently after a save and load, ") + difference);
    if (!again.saveAs(second))
        finding(QStringLiteral("a reloaded job could not be saved: ") + again.error());
    if (readFile(second) != firstBytes)
        finding(QStringLiteral("saving the reloaded job gives other bytes"));
    Ductbook::Destroy();
    return 0;
}
