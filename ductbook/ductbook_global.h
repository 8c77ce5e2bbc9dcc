#ifndef DUCTBOOK_GLOBAL_H
#define DUCTBOOK_GLOBAL_H

#include <QtCore/qglobal.h>

#if defined(DUCTBOOK_BUILDING)
#define DUCTBOOK_EXPORT Q_DECL_EXPORT
#else
#define DUCTBOOK_EXPORT Q_DECL_IMPORT
#endif

// Internal classes that are not part of the installed interface but that the
// test programs reach directly. Their headers end in _p.h and are not installed.
#define DUCTBOOK_PRIVATE_EXPORT DUCTBOOK_EXPORT

#endif // DUCTBOOK_GLOBAL_H
