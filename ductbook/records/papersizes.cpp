#include "papersizes_p.h"

#include <iterator>

namespace DuctbookConstants {

int paperSizeIndex(const QString& name)
{
    for (int i = 0; i < int(std::size(PaperSizes)); ++i) {
        if (name == QLatin1String(PaperSizes[i].name))
            return i;
    }
    return -1;
}

int drawingScaleIndex(const QString& name)
{
    for (int i = 0; i < int(std::size(DrawingScales)); ++i) {
        if (name == QLatin1String(DrawingScales[i].name))
            return i;
    }
    return -1;
}

double paperWidth(const QString& name, int orientation)
{
    const int row = paperSizeIndex(name);
    if (row < 0)
        return -1.0;
    switch (orientation) {
    case 0:
        return PaperSizes[row].shortSide;
    case 1:
        return PaperSizes[row].longSide;
    default:
        return -1.0;
    }
}

double paperHeight(const QString& name, int orientation)
{
    const int row = paperSizeIndex(name);
    if (row < 0)
        return -1.0;
    switch (orientation) {
    case 0:
        return PaperSizes[row].longSide;
    case 1:
        return PaperSizes[row].shortSide;
    default:
        return -1.0;
    }
}

QStringList paperSizeNames()
{
    QStringList names;
    for (const PaperSize& paper : PaperSizes)
        names.append(QLatin1String(paper.name));
    return names;
}

QStringList paperSizeNames(const QString& standard)
{
    QStringList names;
    for (const PaperSize& paper : PaperSizes) {
        if (standard == QLatin1String(paper.standard))
            names.append(QLatin1String(paper.name));
    }
    return names;
}

QStringList pageStandardNames()
{
    QStringList names;
    for (const char* standard : PageStandards)
        names.append(QLatin1String(standard));
    return names;
}

QStringList drawingScaleNames()
{
    QStringList names;
    for (const DrawingScale& scale : DrawingScales)
        names.append(QLatin1String(scale.name));
    return names;
}

} // namespace DuctbookConstants
