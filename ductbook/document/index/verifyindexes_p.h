#ifndef VERIFYINDEXES_P_H
#define VERIFYINDEXES_P_H

#include "ductbook_global.h"

#include <QStringList>

// The check of the derived state of the open job (Ductbook::Instance(), when
// there is one): every structure derived from the tree is rebuilt from it and
// compared with the one kept. Returns what differs, one line each; empty when
// all agree or no job is open. Compiled into debug and test builds only
// (DUCTBOOK_VERIFY_INDEXES); the tests and the edit fuzzer call it after their
// edits.
DUCTBOOK_PRIVATE_EXPORT QStringList verifyJobIndexes();

#endif // VERIFYINDEXES_P_H
