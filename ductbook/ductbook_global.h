#ifndef DUCTBOOK_GLOBAL_H
#define DUCTBOOK_GLOBAL_H

/// @file
/// The export macros of the ductbook library. Every public header of the
/// library includes this one; a host does not need to include it itself.

#include <QtCore/qglobal.h>

/// @def DUCTBOOK_EXPORT
/// Marks a class as part of the ductbook library's interface: its symbols are
/// exported while the library itself is built (with DUCTBOOK_BUILDING defined,
/// which the library's own build does) and imported by every other program.
/// The library hides every symbol that is not so marked.

#if defined(DUCTBOOK_BUILDING)
#define DUCTBOOK_EXPORT Q_DECL_EXPORT
#else
#define DUCTBOOK_EXPORT Q_DECL_IMPORT
#endif

/// Exports an internal class or function that is not part of the installed
/// interface but that the library's own test programs reach directly. Such
/// declarations live in headers ending in _p.h, which are not installed, so a
/// host never sees them.
#define DUCTBOOK_PRIVATE_EXPORT DUCTBOOK_EXPORT

#endif // DUCTBOOK_GLOBAL_H
