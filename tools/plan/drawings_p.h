// The pictures of a job as SVG documents: one floor's plan with a title and
// a legend, and one cable's route floor by floor.
#ifndef DRAWINGS_P_H
#define DRAWINGS_P_H

#include "jobmodel_p.h"

#include <QList>
#include <QString>

class Ductbook;
class QIODevice;

namespace Plan {

class FloorPlan;

// Every cable of the job as pictures need it, in cable order.
QList<CableLine> allCables(Ductbook& job);
// The cable with this id, else with this tag; -1 when there is none.
int findCable(Ductbook& job, const QList<CableLine>& cables, const QString& name);

// False, with the reason, when the device fails.
bool writeFloorSvg(Ductbook& job, const FloorPlan& plan, int floor, QIODevice& device,
                   QString* error);
bool writeTraceSvg(Ductbook& job, const FloorPlan& plan, int cableIndex, bool metric,
                   QIODevice& device, QString* error);

} // namespace Plan

#endif // DRAWINGS_P_H
