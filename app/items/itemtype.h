// The kinds of graphics items of the plans, as QGraphicsItem::type() gives
// them, and the sizes the plans are drawn with.
#ifndef ITEMTYPE_H
#define ITEMTYPE_H

#include <QGraphicsItem>

namespace ItemType {

enum Kind {
    Background = QGraphicsItem::UserType + 1,
    Room,
    Port,
    Riser,
    PathPoint,
    Text,
    Route,
    Device,
    Vertex,
    Connection,
    Label,
};

} // namespace ItemType

namespace PlanSizes {

// In drawing units.
constexpr double PortIcon = 16;
constexpr double DeviceIcon = 48;
constexpr double PathPoint = 3;
// On screen, in pixels: below these an icon is drawn as a plain symbol and a
// label not at all, so that a floor of a thousand ports stays readable and
// quick to draw when it is seen whole.
constexpr double MinIconPixels = 9;
constexpr double MinLabelPixels = 7;

} // namespace PlanSizes

#endif // ITEMTYPE_H
