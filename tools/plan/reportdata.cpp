#include "reportdata_p.h"

#include "cablelengths_p.h"
#include "jobmodel_p.h"
#include "pdfpages_p.h"

#include <activeport.h>
#include <activetestresult.h>

#include <QDate>
#include <QFileInfo>

namespace Plan {

void ReportCounts::add(Verdict v)
{
    ++total;
    if (v == Verdict::Pass)
        ++passed;
    else if (v == Verdict::Fail)
        ++failed;
    else
        ++untested;
}

QStringList ReportCounts::cells() const
{
    return {QString::number(total), QString::number(passed), QString::number(failed),
            QString::number(untested), percent(passed, passed + failed)};
}

ReportCounts ReportData::counts() const
{
    ReportCounts all;
    for (const ReportCable& c : cables)
        all.add(c.verdict);
    return all;
}

QMap<QString, ReportCounts> ReportData::countsByType() const
{
    QMap<QString, ReportCounts> byType;
    for (const ReportCable& c : cables)
        byType[c.type].add(c.verdict);
    return byType;
}

QList<ReportCounts> ReportData::countsByFloor() const
{
    QList<ReportCounts> byFloor(floors.size() + 1);
    for (const ReportCable& c : cables)
        byFloor[c.floor >= 0 ? c.floor : floors.size()].add(c.verdict);
    return byFloor;
}

QStringList ReportData::idsWith(Verdict v) const
{
    QStringList ids;
    for (const ReportCable& c : cables) {
        if (c.verdict == v)
            ids.append(c.id);
    }
    return ids;
}

ReportChoices reportChoices(Ductbook& job, const JobModel& model)
{
    ReportChoices choices;
    for (const FloorItem& f : model.floors()) {
        choices.floorIds.append(f.id);
        choices.floorTags.append(f.tag);
    }
    QSet<QString> seen;
    for (const QString& tag : job.getCables(true)) {
        const QString type = job.getCableType(tag);
        if (!seen.contains(type)) {
            seen.insert(type);
            choices.types.append(type);
        }
    }
    choices.types.sort(Qt::CaseInsensitive);
    return choices;
}

ReportData readReportData(Ductbook& job, const JobModel& model, const QString& jobPath,
                          bool metric, const ReportFilter& filter)
{
    ReportData d;
    d.jobFile = QFileInfo(jobPath).fileName();
    d.issued = QDate::currentDate().toString(Qt::ISODate);
    d.site = job.getSiteData();
    d.contractor = job.getContractorData();
    for (int f = 0; f < model.floors().size(); ++f) {
        d.floors.append(model.floors().at(f).id);
        if (filter.floors.isEmpty() || filter.floors.contains(f))
            d.shownFloors.append(f);
    }
    const QStringList tags = job.getCables(true);
    d.cables.reserve(tags.size());
    for (const QString& tag : tags) {
        ReportCable c;
        c.tag = tag;
        c.type = job.getCableType(tag);
        if (!filter.types.isEmpty() && !filter.types.contains(c.type))
            continue;
        c.id = job.getCableID(tag);
        c.from = job.getCableFrom(tag);
        c.to = job.getCableTo(tag);
        const PlaceItem* ends[2] = {model.port(c.from), model.port(c.to)};
        QString* places[2] = {&c.fromPlace, &c.toPlace};
        bool onFloor = filter.floors.isEmpty();
        for (int e = 0; e < 2; ++e) {
            if (!ends[e])
                continue;
            const int floor = model.floorIndexOfTag(ends[e]->floor);
            *places[e] = joined({ends[e]->roomId, floor >= 0 ? d.floors.at(floor) : QString()});
            if (c.floor < 0)
                c.floor = floor;
            onFloor = onFloor || filter.floors.contains(floor);
        }
        if (!onFloor)
            continue;
        const TestResults r = job.getCableTestSummary(tag);
        c.status = r.status();
        c.verdict = verdictOf(c.status);
        if (!filter.verdicts.isEmpty() && !filter.verdicts.contains(c.verdict))
            continue;
        c.time = r.time();
        c.measured = measuredLength(job, tag, r, metric);
        c.estimated = estimatedLength(job, tag, metric);
        d.cables.append(c);
    }
    for (Verdict wanted : {Verdict::Fail, Verdict::Pass}) {
        for (int i = 0; i < d.cables.size(); ++i) {
            if (d.cables.at(i).verdict == wanted)
                d.tested.append(i);
        }
    }
    // A port's active tests belong to its floor; status and type choose
    // cables only.
    for (const QString& tag : job.getActivePorts(true)) {
        const ActivePort port = job.getActivePort(tag);
        const QList<ActiveTestResult*> results = port.activeTestResults();
        bool shown = filter.floors.isEmpty();
        if (!shown) {
            const PlaceItem* place = model.port(port.id());
            shown = place && filter.floors.contains(model.floorIndexOfTag(place->floor));
        }
        for (ActiveTestResult* result : results) {
            if (shown)
                d.active.append(
                    {port.id(), result->testType(), result->testResult(), result->dateTime()});
            delete result; // the caller owns what getActivePort allocates
        }
    }

    QStringList selection;
    if (!filter.floors.isEmpty()) {
        QStringList names;
        for (int f : d.shownFloors)
            names.append(d.floors.at(f));
        selection.append(words("floor %1").arg(names.join(QStringLiteral(", "))));
    }
    if (!filter.verdicts.isEmpty()) {
        QStringList names;
        for (Verdict v : {Verdict::Pass, Verdict::Fail, Verdict::Untested}) {
            if (filter.verdicts.contains(v))
                names.append(verdictText(v));
        }
        selection.append(words("status %1").arg(names.join(QStringLiteral(", "))));
    }
    if (!filter.types.isEmpty()) {
        QStringList names(filter.types.cbegin(), filter.types.cend());
        names.sort(Qt::CaseInsensitive);
        selection.append(words("type %1").arg(names.join(QStringLiteral(", "))));
    }
    d.selection = selection.join(QStringLiteral("; "));
    return d;
}

QString verdictText(Verdict v)
{
    switch (v) {
    case Verdict::Pass:
        return words("PASS");
    case Verdict::Fail:
        return words("FAIL");
    case Verdict::Untested:
        break;
    }
    return words("UNTESTED");
}

QString percent(int part, int whole)
{
    return whole > 0 ? QStringLiteral("%1 %").arg(QString::number(100.0 * part / whole, 'f', 1))
                     : QStringLiteral("\u2013");
}

QList<QPair<QString, QString>> coverFacts(const ReportData& d)
{
    return {{words("Site"), d.site.company()},
            {words("Address"), addressLine(d.site.address())},
            {words("Site contact"), joined({d.site.contact(), d.site.phone(), d.site.email()})},
            {words("Job id"), d.site.jobid()},
            {words("Job file"), d.jobFile},
            {words("Contractor"), d.contractor.company()},
            {words("Contractor address"), addressLine(d.contractor.address())},
            {words("Contractor contact"), joined({d.contractor.phone(), d.contractor.email()})},
            {words("Tester"), d.contractor.tester()},
            {words("Issued"), d.issued},
            {words("Selection"),
             d.selection.isEmpty() ? words("every cable of the job") : d.selection}};
}

QString testerText(const TestResults& r)
{
    return joined({r.serialNumber().isEmpty() ? QString() : words("serial %1").arg(r.serialNumber()),
                   r.softwareVersion().isEmpty() ? QString()
                                                 : words("software %1").arg(r.softwareVersion())},
                  QStringLiteral(", "));
}

QString lengthText(const ReportCable& c, const QString& unit)
{
    return joined(
        {c.measured.isEmpty() ? QString() : words("%1 %2 measured").arg(c.measured, unit),
         c.estimated.isEmpty() ? QString() : words("%1 %2 estimated").arg(c.estimated, unit)},
        QStringLiteral(", "));
}

QString bertText(const TestResults& r)
{
    return r.BERTResults() < 0 ? words("not measured") : QString::number(r.BERTResults());
}

QString joined(const QStringList& parts, const QString& separator)
{
    QStringList kept;
    for (const QString& p : parts) {
        if (!p.isEmpty())
            kept.append(p);
    }
    return kept.join(separator);
}

QString addressLine(const Address& a)
{
    return joined({a.address1(), a.address2(), a.city(), a.state(), a.zipcode(), a.country()},
                  QStringLiteral(", "));
}

} // namespace Plan
