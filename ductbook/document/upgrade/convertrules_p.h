#ifndef CONVERTRULES_P_H
#define CONVERTRULES_P_H

// How the conversion of older job files rewrites the coordinates of the old
// floor plans and sheets, and how it writes them.

#include "ductbook_global.h"

#include <QString>

namespace ConvertRules {

// A converted drawing coordinate as the current format stores it: a whole
// number in plain decimal, never in exponent form ("1000000", not "1e+06",
// which reads back as 0). value is rounded to the nearest whole unit; the
// old formulas give whole numbers for whole inputs.
DUCTBOOK_PRIVATE_EXPORT QString coordinateText(double value);

// Positions and sizes of the floor drawings written before format 2.1 were
// in another unit and origin. Each returns false (and leaves *converted
// alone) when old is not a number.
DUCTBOOK_PRIVATE_EXPORT bool roomPosition(const QString& old, QString* converted);
DUCTBOOK_PRIVATE_EXPORT bool roomSize(const QString& old, QString* converted);
DUCTBOOK_PRIVATE_EXPORT bool pointPosition(const QString& old, QString* converted);
// Positions on the network sheets moved by 100 units.
DUCTBOOK_PRIVATE_EXPORT bool sheetPosition(const QString& old, QString* converted);

} // namespace ConvertRules

#endif // CONVERTRULES_P_H
