// What the certification report says, gathered once from the job for both
// of its forms (the PDF and the HTML page): the site and contractor, the
// cables chosen by the report's filter with their ends, verdicts and
// lengths, the tested ones in report order, and the active network tests.
// A cable's own test result (pair values and plots) is read only where its
// block is written, one cable at a time.
#ifndef REPORTDATA_P_H
#define REPORTDATA_P_H

#include "report_p.h"

#include <ductbook.h>

#include <QList>
#include <QPair>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

namespace Plan {

class JobModel;

// Which cables a report covers; an empty set lets every cable through.
struct ReportFilter
{
    QSet<int> floors; // indexes into JobModel::floors(): a cable with an end on one of them
    QList<Verdict> verdicts;
    QSet<QString> types; // as the job spells them

    bool isEmpty() const { return floors.isEmpty() && verdicts.isEmpty() && types.isEmpty(); }
};

// What a filter may name, for the check of the user's words and the error
// that lists them: the floors as id (the name users know) and tag, and
// the cable types the job's cables use.
struct ReportChoices
{
    QStringList floorIds;
    QStringList floorTags;
    QStringList types;
};
ReportChoices reportChoices(Ductbook& job, const JobModel& model);

// One cable as every part of the report but its own block needs it.
struct ReportCable
{
    QString tag;
    QString id;
    QString from;
    QString to;
    QString fromPlace; // room · floor
    QString toPlace;
    int floor = -1; // of the "from" end, else of the "to" end
    QString type;
    QString status;
    QString time;
    QString estimated;
    QString measured;
    Verdict verdict = Verdict::Untested;
};

struct ReportActive
{
    QString port;
    QString type;
    QString result;
    QString time;
};

struct ReportCounts
{
    int total = 0;
    int passed = 0;
    int failed = 0;
    int untested = 0;
    void add(Verdict v);
    // Cables, passed, failed, untested, pass rate.
    QStringList cells() const;
};

struct ReportData
{
    QString jobFile;
    QString issued;
    SiteData site;
    ContractorData contractor;
    QList<ReportCable> cables; // the filter's, in cable order
    QList<int> tested;         // indexes into cables: failing first, then passing
    QStringList floors;        // every floor's id, by index
    QList<int> shownFloors;    // the floors the report draws
    QList<ReportActive> active;
    QString selection; // the filter in words; empty for the whole job

    ReportCounts counts() const;
    QMap<QString, ReportCounts> countsByType() const;
    // By the floor of each cable's first end; the last entry is for cables
    // with no known floor.
    QList<ReportCounts> countsByFloor() const;
    QStringList idsWith(Verdict v) const;
};

ReportData readReportData(Ductbook& job, const JobModel& model, const QString& jobPath,
                          bool metric, const ReportFilter& filter);

// The report's own words for a verdict: PASS, FAIL, UNTESTED.
QString verdictText(Verdict v);
// "12.5 %" of part in whole; a dash when whole is 0.
QString percent(int part, int whole);
// The non-empty parts joined.
QString joined(const QStringList& parts, const QString& separator = QStringLiteral(" \u00b7 "));
QString addressLine(const Address& a);
// Facts of a tested cable's block that both formats print, in the report's
// words: the tester's serial and software, the measured and estimated
// lengths, the bit errors.
QString testerText(const TestResults& r);
QString lengthText(const ReportCable& c, const QString& unit);
QString bertText(const TestResults& r);
// The cover's facts: site, contractor, tester, issue date and the selection.
QList<QPair<QString, QString>> coverFacts(const ReportData& d);

} // namespace Plan

#endif // REPORTDATA_P_H
