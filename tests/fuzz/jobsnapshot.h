#ifndef JOBSNAPSHOT_H
#define JOBSNAPSHOT_H

#include <QStringList>

class Ductbook;

namespace JobSnapshot {

// Everything the job answers about its items, one line per answer: the
// lookup maps, every list, every item read back as its record (by tag, by id,
// in its container and job-wide), the cables with their results and riser
// lists and lengths, the connections, the active ports with their results,
// test definitions and header blocks. Two jobs that
// hold the same data give the same lines.
//
// Some answers keep the order of the edits in memory by design and the order
// of the file after a load: the current cable ids (a new id goes last) and
// the cable lists of the type map (a cable whose type changes goes last).
// With editOrderAsSets those lists are given sorted.
QStringList take(Ductbook& job, bool editOrderAsSets);

// The first line where a and b differ, with its neighbours, for a report.
QString firstDifference(const QStringList& a, const QStringList& b);

} // namespace JobSnapshot

#endif // JOBSNAPSHOT_H
