#ifndef NAMEGEN_P_H
#define NAMEGEN_P_H

#include "ductbook_global.h"

#include <QString>

#include <functional>

// How the add operations settle an item's tag and id from their mode:
// 0 generates both, 1 keeps the id, 2 keeps both, 3 keeps the tag. Any other
// mode generates both, as 0 does.
namespace AddMode {
inline bool tagSupplied(int mode)
{
    return mode == 2 || mode == 3;
}
inline bool idSupplied(int mode)
{
    return mode == 1 || mode == 2;
}
} // namespace AddMode

namespace NameGen {

using Exists = std::function<bool(const QString&)>;

// prefix followed by the first number from 1 up for which exists() is false,
// so gaps left by removed items are filled from the bottom.
DUCTBOOK_PRIVATE_EXPORT QString firstFree(const QString& prefix, const Exists& exists);

// Where a generated number is written with two digits ("01") rather than
// plainly ("1"): for the first item of its kind, for the number one above the
// greatest existing one, and for the numbers tried while a name is taken.
struct Padding
{
    bool first = false;
    bool next = false;
    bool loop = false;
};

inline constexpr Padding Plain{false, false, false};
inline constexpr Padding Padded{true, true, true};

// What the last count of one name sequence ended on. While the greatest name
// and the set of free names stay the same (no name became free again, which
// `generation` stands for), every number below `counter` is still taken, so
// the next count may start there: adding items one by one does not count up
// through all earlier names each time.
struct Memo
{
    QString greatest;
    QString prefix;
    quint64 generation = 0;
    qint64 counter = 0;
    bool valid = false;
};

// The counting rule of the items drawn on floors and sheets: start one above
// the number that follows the last occurrence of prefix in greatest (the
// greatest existing tag or id in code-unit order, so Room2 beats Room10), or
// at 1 when there is none (empty greatest); then count up while exists().
// Unlike firstFree, gaps are not filled.
// With a memo the result is the same, found without retrying the names the
// previous count already found taken.
DUCTBOOK_PRIVATE_EXPORT QString nextAfterGreatest(const QString& greatest, const QString& prefix,
                                                  Padding padding, const Exists& exists,
                                                  Memo* memo = nullptr, quint64 generation = 0);

// n written plainly or right-justified to two digits with "0".
DUCTBOOK_PRIVATE_EXPORT QString number(qint64 n, bool padded);

} // namespace NameGen

#endif // NAMEGEN_P_H
