// The job open in the planner's window. It is the only part of the planner
// that talks to the job library: it loads a file into the job singleton
// (converting an older job with a template), reads once what the views show
// (the floors with their items and cable routes, the network sheets, the
// cable schedule's rows) and answers the views' questions from that, going
// back to the library only for what is read one cable at a time (test
// results, lengths). Editing will go through it as well and announce every
// change with changed(), so that the views re-read what they show.
#ifndef JOBDOCUMENT_H
#define JOBDOCUMENT_H

#include "sheetmodel.h"

#include <floorplan_p.h>
#include <jobmodel_p.h>
#include <report_p.h>
#include <schedule_p.h>

#include <testresults.h>

#include <QHash>
#include <QMap>
#include <QObject>
#include <QPixmap>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QVector>

#include <memory>

class QIODevice;

// What a floor shows besides its items.
struct FloorFacts
{
    double ceilingHeight = 8;
    // The background picture as the job names it, and where it is looked
    // for: relative names are relative to the job's folder.
    QString picture;
    QString picturePath;
    QPoint pictureOrigin;
};

// One cable's test result and lengths, as the details panel shows them.
struct CableDetails
{
    int index = -1;
    QStringList row; // the schedule row
    QString colourName;
    Plan::Verdict verdict = Plan::Verdict::Untested;
    QString status;
    QString tested;
    QString serial;
    QString software;
    int bertErrors = -1;
    bool hasResult = false;
    // Per pair (1-2, 3-6, 4-5, 7-8): length in the job's unit, the tester's
    // raw length and value, and its status code; empty where unmeasured.
    struct Pair
    {
        QString pins;
        QString length;
        QString rawLength;
        QString value;
        QString statusCode;
    };
    QList<Pair> pairs;
    LUMEN_PLOT_DATA echo;
    LUMEN_PLOT_DATA next;
    LUMEN_PLOT_DATA channel;
};

// What the job information dialog shows.
struct JobInfo
{
    QString path;
    QString fileVersion;
    QList<QPair<QString, QString>> site;
    QList<QPair<QString, QString>> contractor;
    QMap<QString, QString> releases;
    QString notes;
    QMap<QString, int> counts;
};

// Where an item lies, as Find reports it and the window goes to it.
struct JobLocation
{
    enum Kind { None, Floor, Sheet, Room, Port, Riser, Cable, Device };
    Kind kind = None;
    QString id;
    QString tag;
    int floor = -1; // index into the floors, for a floor's items
    int sheet = -1; // index into the sheets, for a sheet's devices
    int cable = -1; // index of a cable
    // Where it is, for the list of hits ("Level 3 / Reception").
    QString where;
};

class JobDocument : public QObject
{
    Q_OBJECT
public:
    explicit JobDocument(QObject* parent = nullptr);
    ~JobDocument() override;

    // Loads path into the job singleton and reads what the views show. A job
    // of an older version is converted in memory with templateFile (or, when
    // that is empty, the template the settings name, or the default template
    // when that file is missing: see templateNote()) as the source of its
    // default cable types; nothing is written to disk. On failure nothing the
    // views see changes and the job that was open stays open: errorString()
    // holds the library's reason and templateError() the template's, when
    // the template could not be loaded (another template may then succeed).
    // A job with unsaved edits is not replaced; the caller settles them first.
    bool open(const QString& path, const QString& templateFile = QString());
    // Unloads the job; the views empty themselves on jobClosed().
    void close();

    bool isOpen() const { return m_open; }
    QString path() const { return m_path; }
    QString fileName() const;
    // The version the file was written in; isConverted() when it was older
    // than the current one.
    QString fileVersion() const { return m_fileVersion; }
    bool isConverted() const;
    bool isModified() const;
    QString errorString() const { return m_error; }
    QString templateError() const { return m_templateError; }
    // After an open that converted the job with the default template because
    // the configured one is missing: a sentence saying so; empty otherwise.
    QString templateNote() const { return m_templateNote; }
    // Lengths in metres rather than feet (the settings' unit).
    bool metric() const { return m_metric; }

    // Floors: their items, cable legs and facts.
    const Plan::JobModel& plan() const { return *m_plan; }
    const Plan::FloorPlan& routes() const { return *m_routes; }
    int floorCount() const;
    const Plan::FloorItem& floor(int index) const;
    const FloorFacts& floorFacts(int index) const { return m_floorFacts.at(index); }
    int floorIndex(const QString& idOrTag) const;

    // Network sheets.
    const SheetModel& sheets() const { return m_sheets; }

    // Cables, in cable order, with their schedule rows.
    int cableCount() const { return m_routes ? m_routes->cableCount() : 0; }
    const Plan::CableLine& cable(int index) const { return m_routes->cable(index); }
    int cableIndex(const QString& idOrTag) const;
    const QStringList& scheduleHeader() const { return m_header; }
    // A row is read once: by the reading that follows the opening, or
    // earlier when it is asked for.
    const QStringList& scheduleRow(int index) const;
    // The cable's colour as the schedule names it: the name of the type
    // the job's colour table gives that colour, else its code.
    QString colourName(int index) const;
    Plan::Verdict verdict(int index) const;
    // The rows are read in cable order in short slices after a large job
    // opens, so that its first floor shows at once (a campus job's test
    // results take about a second to read); rowsRead() of them are read.
    int rowsRead() const { return m_rowsRead; }
    bool allRowsRead() const { return m_rowsRead == cableCount(); }
    // Reads the rest now.
    void readAllRows();
    QStringList cableTypes() const;
    // The cable's route floor by floor, from its "from" end to its "to" end.
    QList<Plan::RouteLeg> route(int index) const;
    // The cables that end at a port (by id).
    QVector<int> cablesAtPort(const QString& portId) const;
    // Reads the cable's test result through the library.
    CableDetails details(int index) const;

    // Every item whose id holds text (case-insensitive): exact matches
    // first, then those that start with it, then the rest; at most limit.
    QList<JobLocation> find(const QString& text, int limit = 200) const;

    JobInfo info() const;

    // The picture of a port of this use (the user's own icon when the
    // settings name one, else the built-in one); null when the use has none.
    QPixmap portIcon(const QString& use) const;
    // The picture of a device: a built-in device picture, the user's own
    // picture for its type, or a file relative to the job's folder.
    QPixmap devicePicture(const SheetDevice& device) const;

    // The same files jobtool writes: the cable schedule as CSV, the test
    // report, a floor plan as SVG. False, with the reason, when the device
    // fails.
    bool writeSchedule(QIODevice& device, QString* error) const;
    bool writeReport(QIODevice& device, QString* error) const;
    bool writeFloorSvg(int floor, QIODevice& device, QString* error) const;

signals:
    void jobOpened();
    void jobClosed();
    // The rows first to last (in cable order) have been read; the last
    // signal has last == cableCount() - 1.
    void rowsReadUpTo(int first, int last);
    // The job was edited; views re-read what they show.
    void changed();

private:
    void readJob();
    // Reads rows for a short while and, if any are left, asks to go on.
    void readSomeRows();
    void readRow(int index) const;
    void clear();
    // After a failed load: gives the job singleton back the job that was
    // open, reloading it when the failure emptied the document.
    void restorePrevious(const QMap<QString, int>& countsBefore);

    bool m_open = false;
    QString m_path;
    QString m_fileVersion;
    QString m_templateFile; // the template the open job was converted with
    QString m_error;
    QString m_templateError;
    QString m_templateNote;
    bool m_metric = false;

    std::unique_ptr<Plan::JobModel> m_plan;
    std::unique_ptr<Plan::FloorPlan> m_routes;
    std::unique_ptr<Plan::ColourNames> m_colourNames;
    QVector<FloorFacts> m_floorFacts;
    SheetModel m_sheets;
    QStringList m_header;
    mutable QList<QStringList> m_rows; // empty until read
    mutable QVector<Plan::Verdict> m_verdicts;
    int m_rowsRead = 0;
    // Tells a reading slice that was asked for before the job changed that
    // it belongs to another job.
    int m_generation = 0;
    QHash<QString, int> m_cableByTag;
    QHash<QString, int> m_cableById;
    QHash<QString, QVector<int>> m_cablesAtPort;
    QList<JobLocation> m_findIndex;
    mutable QHash<QString, QPixmap> m_portIcons;
    mutable QHash<QString, QPixmap> m_devicePictures;
};

#endif // JOBDOCUMENT_H
