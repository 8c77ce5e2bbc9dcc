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

QString number(qint64 n, bool padded)
{
    return padded ? QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')) : QString::number(n);
}

QString nextAfterGreatest(const QString& greatest, const QString& prefix, Padding padding,
                          const Exists& exists)
{
    if (greatest.isEmpty())
        return prefix + number(1, padding.first);
    const qsizetype at = greatest.lastIndexOf(prefix);
    const QString rest = at < 0 ? greatest : greatest.mid(at + prefix.size());
    qint64 counter = rest.toLongLong() + 1; // 0 when rest is not a number
    QString candidate = prefix + number(counter, padding.next);
    while (exists(candidate)) {
        ++counter;
        candidate = prefix + number(counter, padding.loop);
    }
    return candidate;
}

} // namespace NameGen
