#include "jobdocument.h"

#include <defaulttemplate_p.h>

#include <cablelengths_p.h>
#include <drawings_p.h>
#include <pairvalues_p.h>
#include <report_p.h>
#include <schedule_p.h>

#include <ductbook.h>
#include <qvteditor.h>
#include <qvutils.h>
#include <runekit.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSet>
#include <QTimer>

namespace {

// Jobs up to this many cables have their rows read while they open (a few
// hundredths of a second); larger ones read them in slices of this long.
const int RowsReadAtOnce = 250;
const int SliceMilliseconds = 15;

// The current format; a file written in any other was converted on loading.
const QLatin1String CurrentVersion("3.0");

// The settings keys of the user's own pictures for the device types.
QVUtils::gridwellSettings deviceIconKey(const QString& type, bool* found)
{
    static const struct
    {
        const char* type;
        QVUtils::gridwellSettings key;
    } keys[] = {
        {"Router", QVUtils::NetworkRouterIcon},
        {"Hub", QVUtils::NetworkHubIcon},
        {"Phone", QVUtils::NetworkPhoneIcon},
        {"Printer", QVUtils::NetworkPrinterIcon},
        {"Access Point", QVUtils::NetworkAccessPointIcon},
        {"Bridge", QVUtils::NetworkBridgeIcon},
        {"Firewall", QVUtils::NetworkFirewallIcon},
        {"Server", QVUtils::NetworkServerIcon},
        {"Switch", QVUtils::NetworkSwitchIcon},
        {"Fax", QVUtils::NetworkFaxIcon},
        {"Computer", QVUtils::NetworkComputerIcon},
        {"Internet", QVUtils::NetworkInternetIcon},
    };
    for (const auto& k : keys) {
        if (type == QLatin1String(k.type)) {
            *found = true;
            return k.key;
        }
    }
    *found = false;
    return QVUtils::IconPath;
}

// Lower case, for comparing ids as Find does.
QString folded(const QString& text)
{
    return text.toCaseFolded();
}

} // namespace

JobDocument::JobDocument(QObject* parent) : QObject(parent) {}

JobDocument::~JobDocument() = default;

QString JobDocument::fileName() const
{
    return QFileInfo(m_path).fileName();
}

bool JobDocument::isConverted() const
{
    return m_open && !m_fileVersion.isEmpty() && m_fileVersion != CurrentVersion;
}

bool JobDocument::isModified() const
{
    return m_open && Ductbook::Instance().isChanged();
}

bool JobDocument::open(const QString& path, const QString& templateFile)
{
    m_error.clear();
    m_templateError.clear();
    m_templateNote.clear();
    Ductbook& job = Ductbook::Instance();
    if (isModified()) {
        m_error = tr("The open job has changes that are not saved; save or discard them "
                     "before opening another job.");
        return false;
    }
    QString missing;
    const QString tmpl = Plan::templateFor(
        templateFile, Runekit::readSettings({QVUtils::QvtFile}).value(QVUtils::QvtFile), &missing);
    const QMap<QString, int> countsBefore = job.itemCounts();
    // The template outlives its load; what counts is whether this load read
    // one, and its error.
    QvtEditor::Destroy();
    job.setDefaultQvtFile(tmpl);
    if (!job.Load(path)) {
        m_error = job.error();
        // Set only when this load needed the template and could not read it.
        m_templateError = QvtEditor::Instance().error();
        restorePrevious(countsBefore);
        return false;
    }
    const bool wasOpen = m_open;
    if (wasOpen) {
        clear();
        emit jobClosed();
    }
    m_path = QFileInfo(path).absoluteFilePath();
    m_fileVersion = job.getFileVersion();
    m_templateFile = tmpl;
    // Only a job old enough to need the template reads it.
    if (!missing.isEmpty() && !QvtEditor::Instance().filename().isEmpty())
        m_templateNote =
            tr("The configured template %1 does not exist; the job was converted "
               "with the default template %2.")
                .arg(QDir::toNativeSeparators(missing), QDir::toNativeSeparators(tmpl));
    readJob();
    m_open = true;
    emit jobOpened();
    return true;
}

// A failed load may have set only the file name (a file that is missing or
// cannot be read) or emptied the document as well (a file that does not parse
// or convert). The window still shows the previous job, so the singleton must
// hold it again: the name is put back, and an emptied document is reloaded
// from the file it came from, which is safe because a job with unsaved edits
// is never replaced.
void JobDocument::restorePrevious(const QMap<QString, int>& countsBefore)
{
    Ductbook& job = Ductbook::Instance();
    if (!m_open) {
        job.Unload();
        return;
    }
    int before = 0;
    for (int n : countsBefore)
        before += n;
    if (before > 0 && job.itemCounts() == countsBefore) {
        job.setFilename(m_path);
        return;
    }
    job.setDefaultQvtFile(m_templateFile);
    if (job.Load(m_path))
        return;
    // The previous file changed or went away since it was opened: nothing
    // is left to show.
    m_error += QLatin1Char('\n') + tr("The job that was open, %1, could not be read again: %2")
                                       .arg(QDir::toNativeSeparators(m_path), job.error());
    job.Unload();
    clear();
    emit jobClosed();
}

void JobDocument::close()
{
    if (!m_open)
        return;
    Ductbook::Instance().Unload();
    clear();
    emit jobClosed();
}

void JobDocument::clear()
{
    m_open = false;
    m_path.clear();
    m_fileVersion.clear();
    m_routes.reset();
    m_plan.reset();
    m_colourNames.reset();
    m_floorFacts.clear();
    m_sheets = SheetModel();
    m_header.clear();
    m_rows.clear();
    m_verdicts.clear();
    m_rowsRead = 0;
    ++m_generation;
    m_cableByTag.clear();
    m_cableById.clear();
    m_cablesAtPort.clear();
    m_findIndex.clear();
    m_portIcons.clear();
    m_devicePictures.clear();
}

void JobDocument::readJob()
{
    Ductbook& job = Ductbook::Instance();
    m_metric = Runekit::readSettings({QVUtils::Metric}).value(QVUtils::Metric).toInt() != 0;

    m_plan = std::make_unique<Plan::JobModel>(job);
    const QList<Plan::CableLine> cables = Plan::allCables(job);
    m_routes = std::make_unique<Plan::FloorPlan>(*m_plan, cables);
    m_colourNames = std::make_unique<Plan::ColourNames>(job);

    const QDir folder = QFileInfo(m_path).absoluteDir();
    for (const Plan::FloorItem& f : m_plan->floors()) {
        FloorFacts facts;
        facts.ceilingHeight = job.getFloorCeilingHeight(f.tag);
        facts.picture = job.getFloorBackgroundPic(f.tag);
        if (!facts.picture.isEmpty())
            facts.picturePath = QDir::cleanPath(folder.absoluteFilePath(facts.picture));
        facts.pictureOrigin = job.getFloorBackgroundOrigin(f.tag);
        m_floorFacts.append(facts);
    }
    m_sheets = SheetModel(job);

    m_header = Plan::scheduleHeader(m_metric);
    m_rows = QList<QStringList>(cables.size());
    m_verdicts = QVector<Plan::Verdict>(cables.size(), Plan::Verdict::Untested);
    for (int i = 0; i < cables.size(); ++i) {
        const Plan::CableLine& c = cables.at(i);
        m_cableByTag.insert(c.tag, i);
        if (!m_cableById.contains(c.id))
            m_cableById.insert(c.id, i);
        m_cablesAtPort[c.from].append(i);
        if (c.to != c.from)
            m_cablesAtPort[c.to].append(i);
    }
    if (cables.size() <= RowsReadAtOnce) {
        for (int i = 0; i < cables.size(); ++i)
            readRow(i);
        m_rowsRead = int(cables.size());
    } else {
        const int generation = m_generation;
        QTimer::singleShot(0, this, [this, generation] {
            if (generation == m_generation)
                readSomeRows();
        });
    }

    // What Find looks through, in the order its hits are listed.
    for (int f = 0; f < m_plan->floors().size(); ++f) {
        const Plan::FloorItem& floor = m_plan->floors().at(f);
        m_findIndex.append({JobLocation::Floor, floor.id, floor.tag, f, -1, -1, QString()});
        for (const Plan::RoomItem& r : floor.rooms)
            m_findIndex.append({JobLocation::Room, r.id, r.tag, f, -1, -1, floor.id});
        for (const Plan::PlaceItem& p : floor.ports)
            m_findIndex.append({JobLocation::Port, p.id, p.tag, f, -1, -1,
                                floor.id + QLatin1String(" / ") + p.roomId});
        for (const Plan::PlaceItem& r : floor.runs)
            m_findIndex.append({JobLocation::Riser, r.id, r.tag, f, -1, -1,
                                floor.id + QLatin1String(" / ") + r.roomId});
    }
    for (int s = 0; s < m_sheets.sheets().size(); ++s) {
        const SheetItem& sheet = m_sheets.sheets().at(s);
        m_findIndex.append({JobLocation::Sheet, sheet.id, sheet.tag, -1, s, -1, QString()});
        for (const SheetDevice& d : sheet.devices)
            m_findIndex.append({JobLocation::Device, d.id, d.tag, -1, s, -1, sheet.id});
    }
    for (int i = 0; i < cables.size(); ++i) {
        const Plan::CableLine& c = cables.at(i);
        m_findIndex.append({JobLocation::Cable, c.id, c.tag, -1, -1, i,
                            c.from + QStringLiteral(" \u2192 ") + c.to});
    }
}

void JobDocument::readRow(int index) const
{
    if (!m_rows.at(index).isEmpty())
        return;
    m_rows[index] = Plan::scheduleRow(Ductbook::Instance(), *m_plan, cable(index).tag, m_metric);
    m_verdicts[index] = Plan::verdictOf(m_rows.at(index).value(Plan::StatusColumn));
}

const QStringList& JobDocument::scheduleRow(int index) const
{
    readRow(index);
    return m_rows.at(index);
}

QString JobDocument::colourName(int index) const
{
    const QStringList& row = scheduleRow(index);
    return m_colourNames->name(row.value(Plan::ColourColumn), row.value(Plan::TypeColumn));
}

Plan::Verdict JobDocument::verdict(int index) const
{
    readRow(index);
    return m_verdicts.at(index);
}

void JobDocument::readSomeRows()
{
    if (!m_open || allRowsRead())
        return;
    QElapsedTimer slice;
    slice.start();
    const int first = m_rowsRead;
    while (m_rowsRead < cableCount() && slice.elapsed() < SliceMilliseconds)
        readRow(m_rowsRead++);
    emit rowsReadUpTo(first, m_rowsRead - 1);
    if (!allRowsRead()) {
        const int generation = m_generation;
        QTimer::singleShot(0, this, [this, generation] {
            if (generation == m_generation)
                readSomeRows();
        });
    }
}

void JobDocument::readAllRows()
{
    if (!m_open || allRowsRead())
        return;
    const int first = m_rowsRead;
    while (m_rowsRead < cableCount())
        readRow(m_rowsRead++);
    emit rowsReadUpTo(first, m_rowsRead - 1);
}

int JobDocument::floorCount() const
{
    return m_plan ? int(m_plan->floors().size()) : 0;
}

const Plan::FloorItem& JobDocument::floor(int index) const
{
    return m_plan->floors().at(index);
}

int JobDocument::floorIndex(const QString& idOrTag) const
{
    return m_plan ? m_plan->floorIndex(idOrTag) : -1;
}

int JobDocument::cableIndex(const QString& idOrTag) const
{
    const auto byId = m_cableById.constFind(idOrTag);
    if (byId != m_cableById.constEnd())
        return *byId;
    return m_cableByTag.value(idOrTag, -1);
}

QStringList JobDocument::cableTypes() const
{
    QSet<QString> seen;
    QStringList types;
    for (int i = 0; i < cableCount(); ++i) {
        const QString& type = cable(i).type;
        if (!seen.contains(type)) {
            seen.insert(type);
            types.append(type);
        }
    }
    types.sort(Qt::CaseInsensitive);
    return types;
}

QList<Plan::RouteLeg> JobDocument::route(int index) const
{
    if (index < 0 || index >= cableCount())
        return {};
    return m_plan->route(cable(index));
}

QVector<int> JobDocument::cablesAtPort(const QString& portId) const
{
    return m_cablesAtPort.value(portId);
}

CableDetails JobDocument::details(int index) const
{
    CableDetails d;
    if (index < 0 || index >= cableCount())
        return d;
    Ductbook& job = Ductbook::Instance();
    const QString& tag = cable(index).tag;
    const TestResults r = job.getCableTestResults(tag);
    d.index = index;
    d.row = scheduleRow(index);
    d.colourName = colourName(index);
    d.verdict = verdict(index);
    d.status = r.status();
    d.tested = r.time();
    d.serial = r.serialNumber();
    d.software = r.softwareVersion();
    d.bertErrors = r.BERTResults();
    d.hasResult = d.verdict != Plan::Verdict::Untested;
    for (const Plan::PairValues& p : Plan::pairValues(job, tag, r, m_metric))
        d.pairs.append({p.pins, p.length, p.rawLength, p.value, p.statusCode});
    d.echo = r.echo();
    d.next = r.next();
    d.channel = r.channel();
    return d;
}

QList<JobLocation> JobDocument::find(const QString& text, int limit) const
{
    const QString wanted = folded(text.trimmed());
    if (wanted.isEmpty())
        return {};
    QList<JobLocation> exact;
    QList<JobLocation> prefix;
    QList<JobLocation> inside;
    for (const JobLocation& l : m_findIndex) {
        const QString id = folded(l.id);
        if (id == wanted)
            exact.append(l);
        else if (id.startsWith(wanted))
            prefix.append(l);
        else if (id.contains(wanted))
            inside.append(l);
    }
    QList<JobLocation> hits = exact + prefix + inside;
    if (hits.size() > limit)
        hits.erase(hits.begin() + limit, hits.end());
    return hits;
}

JobInfo JobDocument::info() const
{
    JobInfo info;
    if (!m_open)
        return info;
    Ductbook& job = Ductbook::Instance();
    info.path = m_path;
    info.fileVersion = m_fileVersion;
    auto address = [](const Address& a) {
        QStringList parts;
        for (const QString& p :
             {a.address1(), a.address2(), a.city(), a.state(), a.zipcode(), a.country()}) {
            if (!p.isEmpty())
                parts.append(p);
        }
        return parts.join(QStringLiteral(", "));
    };
    const SiteData site = job.getSiteData();
    info.site = {{tr("Job id"), site.jobid()},    {tr("Company"), site.company()},
                 {tr("Contact"), site.contact()}, {tr("Email"), site.email()},
                 {tr("Phone"), site.phone()},     {tr("Address"), address(site.address())}};
    const ContractorData c = job.getContractorData();
    info.contractor = {{tr("Company"), c.company()}, {tr("Tester"), c.tester()},
                       {tr("Email"), c.email()},     {tr("Phone"), c.phone()},
                       {tr("Logo"), c.logo()},       {tr("Address"), address(c.address())}};
    info.releases = job.getReleases();
    info.notes = job.getJobNotesText();
    info.counts = job.itemCounts();
    return info;
}

QPixmap JobDocument::portIcon(const QString& use) const
{
    const auto it = m_portIcons.constFind(use);
    if (it != m_portIcons.constEnd())
        return *it;
    const QPixmap icon = Ductbook::Instance().getPortIconPixmap(use);
    m_portIcons.insert(use, icon);
    return icon;
}

QPixmap JobDocument::devicePicture(const SheetDevice& device) const
{
    const QString key = device.type + QLatin1Char('\n') + device.pic;
    const auto it = m_devicePictures.constFind(key);
    if (it != m_devicePictures.constEnd())
        return *it;
    QPixmap picture;
    bool known = false;
    const QVUtils::gridwellSettings iconKey = deviceIconKey(device.type, &known);
    if (known) {
        // As for ports: the user's own picture for the type when it is on
        // disk, else the built-in one.
        const auto settings = Runekit::readSettings({QVUtils::IconPath, iconKey});
        const QString own = settings.value(iconKey);
        if (!own.isEmpty())
            picture.load(QDir(settings.value(QVUtils::IconPath)).absoluteFilePath(own));
        if (picture.isNull())
            picture.load(device.pic);
    } else if (!device.pic.isEmpty()) {
        const QString path = device.pic.startsWith(QLatin1Char(':'))
                                 ? device.pic
                                 : QFileInfo(m_path).absoluteDir().absoluteFilePath(device.pic);
        picture.load(path);
    }
    m_devicePictures.insert(key, picture);
    return picture;
}

bool JobDocument::writeSchedule(QIODevice& device, QString* error) const
{
    return Plan::writeSchedule(Ductbook::Instance(), false, m_metric, device, error);
}

bool JobDocument::writeReport(QIODevice& device, QString* error) const
{
    return Plan::writeReport(Ductbook::Instance(), m_path, m_metric, device, error);
}

bool JobDocument::writeFloorSvg(int floor, QIODevice& device, QString* error) const
{
    return Plan::writeFloorSvg(Ductbook::Instance(), *m_routes, floor, device, error);
}
