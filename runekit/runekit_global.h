#ifndef RUNEKIT_GLOBAL_H
#define RUNEKIT_GLOBAL_H

/// @file
/// The export macro of the runekit library. Every public header of the
/// library includes this one; a host does not need to include it itself.

#include <QtCore/qglobal.h>

/// @def RUNEKIT_EXPORT
/// Marks a class as part of the runekit library's interface: its symbols are
/// exported while the library itself is built (with RUNEKIT_BUILDING defined,
/// which the library's own build does) and imported by every other program.
/// The library hides every symbol that is not so marked.

#if defined(RUNEKIT_BUILDING)
#define RUNEKIT_EXPORT Q_DECL_EXPORT
#else
#define RUNEKIT_EXPORT Q_DECL_IMPORT
#endif

#endif // RUNEKIT_GLOBAL_H
