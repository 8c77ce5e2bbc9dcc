// The colour in which pictures draw the ports and vertical runs of each use.
#ifndef USECOLORS_P_H
#define USECOLORS_P_H

#include <QString>
#include <QStringList>

namespace Plan {

// "#rrggbb" for a use key; white for a word that is no use.
QString useColor(const QString& use);
// Every use key, in the order pictures list them in a legend.
QStringList useKeys();

} // namespace Plan

#endif // USECOLORS_P_H
