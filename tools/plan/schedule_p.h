// The cable schedule: one row per cable in cable order with its ends, type,
// colour, use, bundle, lengths and test status. jobtool writes it as CSV or
// Markdown; the planner's cable table shows the same rows.
#ifndef SCHEDULE_P_H
#define SCHEDULE_P_H

#include <QHash>
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
// The colour is the cable's "#rrggbb" code, as the planner paints it.
QStringList scheduleRow(Ductbook& job, const JobModel& model, const QString& tag, bool metric);

// The names the job gives colours: each test definition (cable type) and
// bundled cable type names its colour.
class ColourNames
{
public:
    explicit ColourNames(Ductbook& job);
    // The name of colour for a cable of type: the type itself when the
    // colour is its colour, else the first type of that colour; the colour
    // as given when no type has it.
    QString name(const QString& colour, const QString& type) const;

private:
    QHash<QString, QString> m_typeColours; // type -> colour, as "#rrggbb"
    QHash<QString, QString> m_names;       // "#rrggbb" -> first type of that colour
};

// Measured and estimated lengths that differ by more than this factor are
// flagged for checking unless the user sets another.
inline constexpr double DefaultCheckFactor = 2.0;

// Whether two lengths (as the schedule prints them) differ by more than
// factor: the longer is more than factor times the shorter. False when
// either is missing.
bool lengthNeedsCheck(const QString& estimated, const QString& measured, double factor);

struct ScheduleOptions
{
    bool markdown = false;
    bool metric = false;
    // CSV preceded by a UTF-8 byte order mark, by which spreadsheets tell
    // the encoding when they open the file.
    bool excel = false;
    double checkFactor = DefaultCheckFactor;
};

// Every row, as CSV (a header row, UTF-8) or as a Markdown table with a
// heading naming the site; colours by name where the job has one, and a last
// column "Check length" that flags a cable whose measured length differs from
// its estimate by more than options.checkFactor. False, with the reason, when
// the device fails.
bool writeSchedule(Ductbook& job, const ScheduleOptions& options, QIODevice& device,
                   QString* error);
bool writeSchedule(Ductbook& job, bool markdown, bool metric, QIODevice& device, QString* error);

} // namespace Plan

#endif // SCHEDULE_P_H
