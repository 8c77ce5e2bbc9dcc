#ifndef RUNEKIT_GLOBAL_H
#define RUNEKIT_GLOBAL_H

#include <QtCore/qglobal.h>

#if defined(RUNEKIT_BUILDING)
#define RUNEKIT_EXPORT Q_DECL_EXPORT
#else
#define RUNEKIT_EXPORT Q_DECL_IMPORT
#endif

#endif // RUNEKIT_GLOBAL_H
