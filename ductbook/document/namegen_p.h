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

} // namespace NameGen

#endif // NAMEGEN_P_H
