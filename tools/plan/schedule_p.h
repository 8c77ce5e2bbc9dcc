// The cable schedule: one row per cable in cable order with its ends, type,
// colour, use, bundle, lengths and test status. jobtool writes it as CSV or
// Markdown; the planner's cable table shows the same rows.
#ifndef SCHEDULE_P_H
#define SCHEDULE_P_H

#include <QString>
#include <QStringList>

class Ductbook;
class QIODevice;

namespace Plan {

class JobModel;

// The columns of a schedule row, in order.
enum ScheduleColumn {
    CableColumn,
    FromPortColumn,
    FromRoomColumn,
    FromFloorColumn,
    ToPortColumn,
    ToRoomColumn,
    ToFloorColumn,
    TypeColumn,
    ColourColumn,
    UseColumn,
    BundleColumn,
    BundleGroupColumn,
    EstimatedLengthColumn,
    MeasuredLengthColumn,
    StatusColumn,
    TestedColumn,
    ScheduleColumnCount
};

// The column titles; the length columns name their unit (feet, or metres).
QStringList scheduleHeader(bool metric);
// The row of one cable (by tag); lengths are empty where the job has none.
QStringList scheduleRow(Ductbook& job, const JobModel& model, const QString& tag, bool metric);
// Every row, as CSV (a header row, UTF-8) or as a Markdown table with a
// heading naming the site. False, with the reason, when the device fails.
bool writeSchedule(Ductbook& job, bool markdown, bool metric, QIODevice& device, QString* error);

} // namespace Plan

#endif // SCHEDULE_P_H
