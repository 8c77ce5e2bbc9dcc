#ifndef TEXTCODECS_P_H
#define TEXTCODECS_P_H

#include "ductbook_global.h"
#include "testresults.h"

#include <QString>

// How the tester's binary records are written into job and template
// attributes. The document classes forward to these; they are kept apart so
// that the format can be tested without a document.
namespace TextCodecs {

// The 84-byte block packed into 48 bytes, written as 96 upper-case hex digits.
DUCTBOOK_PRIVATE_EXPORT QString encodeMeasurementBlock(const cable_struct& block);
DUCTBOOK_PRIVATE_EXPORT cable_struct decodeMeasurementBlock(const QString& text);

// A complete plot (257 points) as 515 numbers each followed by ","; any other
// plot as "". The header words are never written and decode as zero.
DUCTBOOK_PRIVATE_EXPORT QString encodePlot(const LUMEN_PLOT_DATA& plot);
DUCTBOOK_PRIVATE_EXPORT LUMEN_PLOT_DATA decodePlot(const QString& text);

// Four flags as "0"/"1". decodeFlags stops at the first position that is not
// "0" or "1" (or is past the end of the text) and returns false; flags before
// it keep their new values, the rest are untouched.
DUCTBOOK_PRIVATE_EXPORT QString encodeFlags(const bool* flags);
DUCTBOOK_PRIVATE_EXPORT bool decodeFlags(const QString& text, bool* flags);

} // namespace TextCodecs

#endif // TEXTCODECS_P_H
