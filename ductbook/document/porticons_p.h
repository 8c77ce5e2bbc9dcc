#ifndef PORTICONS_P_H
#define PORTICONS_P_H

#include "ductbook_global.h"

#include <QString>

namespace PortIcons {

// The file the icon of a port of this use (a displayed use name) is loaded
// from: the user's own picture in the icon folder of the settings when one is
// configured for the use and is on disk, else the host's resource path; empty
// for a use without icon.
DUCTBOOK_PRIVATE_EXPORT QString iconPath(const QString& use);

} // namespace PortIcons

#endif // PORTICONS_P_H
