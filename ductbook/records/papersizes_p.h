#ifndef DUCTBOOK_PAPERSIZES_P_H
#define DUCTBOOK_PAPERSIZES_P_H

// The vocabulary of printed and drawn pages: paper sizes with their
// dimensions, page standards and drawing scales. Print, page and scale
// settings, the settings lists and the host's dialogs all read these tables.

#include "ductbook_global.h"

#include <QString>
#include <QStringList>

namespace DuctbookConstants {

inline constexpr const char* StandardPages = "Standard";
inline constexpr const char* MetricIsoPages = "Metric (ISO)";
inline constexpr const char* AnsiEngineeringPages = "ANSI Engineering";
inline constexpr const char* AnsiArchitecturalPages = "ANSI Architectural";
inline constexpr const char* PageStandards[] = {StandardPages, MetricIsoPages, AnsiEngineeringPages,
                                                AnsiArchitecturalPages};

struct PaperSize
{
    const char* name;
    const char* standard;
    double shortSide; // inches
    double longSide;  // inches
};

// The inch values are the ones the job format has always used, rounding
// differences between neighbouring ISO sizes included (A4 8.26 against A5
// 8.267); stored page sizes and printed layouts depend on them, so they are
// not computed from the millimetres.
inline constexpr PaperSize PaperSizes[] = {
    {"Letter: 8.5 in. x 11 in.", StandardPages, 8.5, 11},
    {"Folio: 8.5 in. x 13 in.", StandardPages, 8.5, 13},
    {"Legal: 8.5 in. x 14 in.", StandardPages, 8.5, 14},
    {"Executive: 7.5 in. x 10 in.", StandardPages, 7.5, 10},
    {"Tabloid: 11 in. x 17 in.", StandardPages, 11, 17},
    {"DLE: 110 mm. x 220 mm.", MetricIsoPages, 4.331, 8.661},
    {"C5E: 163 mm. x 229 mm.", MetricIsoPages, 6.417, 9.016},
    {"B10: 32 mm. x 45 mm.", MetricIsoPages, 1.26, 1.772},
    {"B9: 45 mm. x 64 mm.", MetricIsoPages, 1.772, 2.52},
    {"B8: 64 mm. x 91 mm.", MetricIsoPages, 2.52, 3.583},
    {"B7: 91 mm. x 128 mm.", MetricIsoPages, 3.583, 5.039},
    {"B6: 128 mm. x 182 mm.", MetricIsoPages, 5.039, 7.165},
    {"B5: 182 mm. x 257 mm.", MetricIsoPages, 7.165, 10.118},
    {"B4: 257 mm. x 364 mm.", MetricIsoPages, 10.118, 14.331},
    {"B3: 364 mm. x 515 mm.", MetricIsoPages, 14.331, 20.275},
    {"B2: 515 mm. x 728 mm.", MetricIsoPages, 20.275, 28.661},
    {"B1: 728 mm. x 1030 mm.", MetricIsoPages, 28.661, 40.551},
    {"B0: 1030 mm. x 1456 mm.", MetricIsoPages, 40.551, 57.323},
    {"A9: 37 mm. x 52 mm.", MetricIsoPages, 1.4567, 2.047},
    {"A8: 52 mm. x 74 mm.", MetricIsoPages, 2.047, 2.913},
    {"A7: 74 mm. x 105 mm.", MetricIsoPages, 2.913, 4.134},
    {"A6: 105 mm. x 148 mm.", MetricIsoPages, 4.134, 5.827},
    {"A5: 148 mm. x 210 mm.", MetricIsoPages, 5.826, 8.267},
    {"A4: 210 mm. x 297 mm.", MetricIsoPages, 8.26, 11.692},
    {"A3: 297 mm. x 420 mm.", MetricIsoPages, 11.692, 16.535},
    {"A2: 420 mm. x 594 mm.", MetricIsoPages, 16.535, 23.386},
    {"A1: 594 mm. x 841 mm.", MetricIsoPages, 23.386, 33.11},
    {"A0: 841 mm. x 1189 mm.", MetricIsoPages, 33.11, 46.811},
    {"A: 8.5 in. x 11 in.", AnsiEngineeringPages, 8.5, 11},
    {"B: 11 in. x 17 in.", AnsiEngineeringPages, 11, 17},
    {"C: 17 in. x 22 in.", AnsiEngineeringPages, 17, 22},
    {"D: 22 in. x 34 in.", AnsiEngineeringPages, 22, 34},
    {"E: 34 in. x 44 in.", AnsiEngineeringPages, 34, 44},
    {"9 in. x 12 in.", AnsiArchitecturalPages, 9, 12},
    {"12 in. x 18 in.", AnsiArchitecturalPages, 12, 18},
    {"18 in. x 24 in.", AnsiArchitecturalPages, 18, 24},
    {"24 in. x 36 in.", AnsiArchitecturalPages, 24, 36},
    {"30 in. x 42 in.", AnsiArchitecturalPages, 30, 42},
};
inline constexpr const char* DefaultPaperSize = PaperSizes[0].name;

struct DrawingScale
{
    const char* name;
    const char* style; // the scale family, as stored in "predefined_style"
    int factor;        // real units per drawing unit
};

inline constexpr DrawingScale DrawingScales[] = {
    {"1\" = 5'0\"", "English", 5},   {"1\" = 10'0\"", "English", 10},
    {"1\" = 20'0\"", "English", 20}, {"1\" = 30'0\"", "English", 30},
    {"1\" = 40'0\"", "English", 40}, {"1\" = 50'0\"", "English", 50},
    {"1 : 2", "Metric", 2},          {"1 : 5", "Metric", 5},
    {"1 : 10", "Metric", 10},
};
inline constexpr const char* DefaultDrawingScale = DrawingScales[2].name;
// What a scale name outside the table stands for.
inline constexpr int FallbackScaleFactor = 10;

// Row of the name in PaperSizes or DrawingScales, -1 when it is not there;
// names compare exactly. Lookups give indices, not row addresses, because
// every module that includes this header holds its own copy of the tables.
DUCTBOOK_PRIVATE_EXPORT int paperSizeIndex(const QString& name);
DUCTBOOK_PRIVATE_EXPORT int drawingScaleIndex(const QString& name);

// Width or height in inches of a named paper: orientation 0 is portrait (width
// is the short side), 1 landscape. Any other orientation or an unknown name
// gives -1.
DUCTBOOK_PRIVATE_EXPORT double paperWidth(const QString& name, int orientation);
DUCTBOOK_PRIVATE_EXPORT double paperHeight(const QString& name, int orientation);

DUCTBOOK_PRIVATE_EXPORT QStringList paperSizeNames();
DUCTBOOK_PRIVATE_EXPORT QStringList paperSizeNames(const QString& standard);
DUCTBOOK_PRIVATE_EXPORT QStringList pageStandardNames();
DUCTBOOK_PRIVATE_EXPORT QStringList drawingScaleNames();

} // namespace DuctbookConstants

#endif // DUCTBOOK_PAPERSIZES_P_H
