#include "namegen_p.h"

namespace NameGen {

QString firstFree(const QString& prefix, const Exists& exists)
{
    for (qint64 counter = 1;; ++counter) {
        const QString candidate = prefix + QString::number(counter);
        if (!exists(candidate))
            return candidate;
    }
}

} // namespace NameGen
