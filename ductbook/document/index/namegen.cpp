#include "index/namegen_p.h"

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
                          const Exists& exists, Memo* memo, quint64 generation)
{
    if (greatest.isEmpty())
        return prefix + number(1, padding.first);
    const qsizetype at = greatest.lastIndexOf(prefix);
    const QString rest = at < 0 ? greatest : greatest.mid(at + prefix.size());
    const qint64 start = rest.toLongLong() + 1; // 0 when rest is not a number
    qint64 counter = start;
    if (memo && memo->valid && memo->greatest == greatest && memo->prefix == prefix &&
        memo->generation == generation && memo->counter > start)
        counter = memo->counter;
    // The first number tried is written as "next", every later one as "loop".
    QString candidate = prefix + number(counter, counter == start ? padding.next : padding.loop);
    while (exists(candidate)) {
        ++counter;
        candidate = prefix + number(counter, padding.loop);
    }
    if (memo)
        *memo = Memo{greatest, prefix, generation, counter, true};
    return candidate;
}

} // namespace NameGen
