// The job document's life: the singleton, new jobs, loading, saving and the
// job-level header data.
#include "ductbook.h"

#include "constants_p.h"
#include "ductbook_p.h"
#include "io/savefile_p.h"
#include "io/xmlwriter_p.h"

#include <runekit.h>

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace DuctbookConstants;

Ductbook* Ductbook::s_instance = nullptr;

Ductbook& Ductbook::Instance()
{
    if (!s_instance)
        s_instance = new Ductbook;
    return *s_instance;
}

void Ductbook::Destroy()
{
    delete s_instance;
    s_instance = nullptr;
}

Ductbook::Ductbook() : QVXMLEditor(QLatin1String(JobElement)), d(new DuctbookPrivate(this)) {}

Ductbook::~Ductbook() = default;

// --- new jobs ------------------------------------------------------------------

QString Ductbook::New()
{
    const auto settings = Runekit::readSettings({QVUtils::FloorCeilingHeight, QVUtils::JobPath});
    QString folder = settings.value(QVUtils::JobPath);
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');

    QString name = folder + tr("Untitled1.job");
    for (int counter = 1; QFile::exists(name);) {
        ++counter;
        name = folder + tr("Untitled%1.job").arg(counter);
    }
    setFilename(name);
    d->buildSkeleton(settings.value(QVUtils::FloorCeilingHeight).toDouble());
    return name;
}

bool Ductbook::New(const QString& filename)
{
    const auto settings = Runekit::readSettings({QVUtils::FloorCeilingHeight});
    if (filename.isNull()) {
        error() = tr("Null filename given to New(const &Qstring)");
        return false;
    }
    setChanged(false);
    setFilename(checkJobExtension(filename) ? filename : filename + QLatin1String(".job"));
    d->buildSkeleton(settings.value(QVUtils::FloorCeilingHeight).toDouble());
    return true;
}

// A new job replaces whatever the document held, maps included: building the
// skeleton on top of a loaded job would give the file two roots, and stale
// map entries would push the first floor's tag away from FFloor_1.
void DuctbookPrivate::buildSkeleton(double ceilingHeight)
{
    clearDocument();
    m_fileVersion.clear();

    QDomElement root = q->document.createElement(QLatin1String(JobElement));
    q->document.appendChild(root);
    auto append = [&](QDomElement parent, const char* name,
                      std::initializer_list<const char*> attributes = {}) {
        QDomElement e = q->document.createElement(QLatin1String(name));
        for (const char* a : attributes)
            e.setAttribute(QLatin1String(a), QString());
        parent.appendChild(e);
        return e;
    };
    const std::initializer_list<const char*> address = {"address1", "address2", "city",
                                                        "state",    "zipcode",  "country"};
    append(root, ReleaseElement);
    append(root, VersionElement)
        .setAttribute(QLatin1String(VersionNumberAttribute), QLatin1String(CurrentJobVersion));
    append(append(root, ContractorInfoElement, {"tester", "company", "email", "phone", "logo"}),
           AddressElement, address);
    append(append(root, SiteInfoElement, {"phone", "jobid", "company", "email", "contact"}),
           AddressElement, address);
    append(root, CableList);
    append(root, ConnectionList);
    append(root, FloorList);
    q->addFloor(QString(), floorIdPrefix() + QLatin1String("1"), ceilingHeight, QString(), 1);
    append(root, SheetList);
    q->addSheet(QString(), sheetIdPrefix() + QLatin1String("1"), 1);
    append(root, TestDefList);
    append(root, BundledCableList);
    q->addSettingsList(&root);
    append(append(root, ActiveNetworkTestList), ActivePortList);

    q->setChanged(false);
}

// --- loading and saving ------------------------------------------------------------

bool Ductbook::Load(const QString& filename)
{
    if (filename.isEmpty()) {
        error() = tr("Empty or null filename in Ductbook::Load");
        return false;
    }
    setFilename(filename);
    d->m_fileVersion.clear();
    if (!QFile::exists(filename)) {
        error() = tr("Job file %1 does not exist").arg(filename);
        return false;
    }
    QFile file(filename);
    if (!file.open(QIODevice::ReadOnly)) {
        error() = file.errorString();
        return false;
    }
    // Job files are ISO-8859-1 whatever they declare.
    const QString text = QString::fromLatin1(file.readAll());
    file.close();

    QString message;
    int line = 0;
    int column = 0;
    if (!document.setContent(text, &message, &line, &column)) {
        if (!message.isEmpty() && line != 0 && column != 0) {
            qDebug() << "errMsg =" << message;
            qDebug() << "errLine =" << line;
            qDebug() << "errColumn =" << column;
            error() = tr("Error parsing job file %1\n on line %2,\n column %3,\n%4")
                          .arg(filename)
                          .arg(line)
                          .arg(column)
                          .arg(message);
        } else {
            error() = tr("Unable to parse job file %1").arg(filename);
        }
        d->clearDocument();
        return false;
    }
    // A conversion that stops half-way leaves a document that is neither the
    // old file nor a current job; it is emptied like a parse failure, so it
    // can never be saved over the file it came from.
    if (!d->checkVersion()) {
        error() = tr("Incompatible version of job file %1").arg(filename);
        d->clearDocument();
        return false;
    }
    setChanged(false);
    updateAllInternalLists();
    return true;
}

// The parser leaves whatever it had read when it stopped. Keeping that
// fragment under the file's name would let the next save() replace the
// user's file with it, so the document is emptied instead; save() then
// refuses until New or Load gives it a job again.
void DuctbookPrivate::clearDocument()
{
    q->document = QDomDocument(q->docTypeName());
    maps = DuctbookIndexes();
}

// Writes through a temporary file that replaces the target only once every
// byte is on disk, so a failed write never leaves a truncated job behind.
bool DuctbookPrivate::writeTo(const QString& path)
{
    if (q->document.documentElement().isNull()) {
        // After a failed load the tree is gone; writing it would replace the
        // file on disk with an empty job.
        q->error() = Ductbook::tr("There is no job to save");
        return false;
    }
    return SaveFile::replaceContents(path, q->document, q->docTypeName(), &q->error());
}

bool Ductbook::save()
{
    if (filename().isEmpty() || filename() == QLatin1String(".job")) {
        error() = tr("Filename is Empty");
        return false;
    }
    if (!d->writeTo(filename()))
        return false;
    setChanged(false);
    return true;
}

bool Ductbook::saveAs(const QString& name)
{
    if (name.isEmpty() || name == QLatin1String(".job")) {
        error() = tr("Filename is Empty");
        return false;
    }
    const QFileInfo info(name);
    if (info.isDir()) {
        qDebug() << "Filename given to Ductbook is a directory";
        error() = tr("Filename given is a directory");
        return false;
    }
    if (info.exists())
        qDebug() << "Overwriting in Ductbook::saveAs";
    if (!d->writeTo(name))
        return false;
    setFilename(name);
    setChanged(false);
    return true;
}

// The maps are emptied with the tree: a later New or Load must not find the
// previous job's items in them.
void Ductbook::Unload()
{
    d->clearDocument();
    d->m_fileVersion.clear();
    setFilename(QLatin1String(""));
    error() = QStringLiteral("Unloading");
    setChanged(false);
}

bool Ductbook::checkJobExtension(const QString& filename)
{
    return QFileInfo(filename).suffix().compare(QLatin1String("job"), Qt::CaseInsensitive) == 0;
}

bool Ductbook::checkUntitledJob(const QString& filename)
{
    return QFileInfo(filename).baseName().left(8).compare(QLatin1String("untitled"),
                                                          Qt::CaseInsensitive) == 0;
}

void Ductbook::setDirty(bool dirty)
{
    setChanged(dirty);
}

void Ductbook::setDefaultQvtFile(const QString& path)
{
    if (!path.isEmpty())
        d->m_defaultQvtFile = path;
}

QString Ductbook::getFileVersion() const
{
    return d->m_fileVersion;
}

// --- site block --------------------------------------------------------------------

namespace {
QString siteBlock()
{
    return QLatin1String(SiteInfoElement);
}
} // namespace

void Ductbook::setSiteJobID(const QString& value)
{
    setBlockAttr(siteBlock(), QStringLiteral("jobid"), value);
}

void Ductbook::setSiteCompany(const QString& value)
{
    setBlockAttr(siteBlock(), QStringLiteral("company"), value);
}

void Ductbook::setSiteContact(const QString& value)
{
    setBlockAttr(siteBlock(), QStringLiteral("contact"), value);
}

void Ductbook::setSiteEmail(const QString& value)
{
    setBlockAttr(siteBlock(), QStringLiteral("email"), value);
}

void Ductbook::setSitePhone(const QString& value)
{
    setBlockAttr(siteBlock(), QStringLiteral("phone"), value);
}

void Ductbook::setSiteAddress(Address& address)
{
    setBlockAddress(siteBlock(), address);
}

void Ductbook::setSiteData(const QString& jobid, const QString& company, const QString& contact,
                           const QString& email, const QString& phone, Address& address)
{
    setSiteJobID(jobid);
    setSiteCompany(company);
    setSiteContact(contact);
    setSiteEmail(email);
    setSitePhone(phone);
    setSiteAddress(address);
    setChanged(true);
}

void Ductbook::setSiteData(SiteData& data)
{
    setSiteContact(data.contact());
    setSiteEmail(data.email());
    setSitePhone(data.phone());
    setSiteAddress(data.address());
    setSiteJobID(data.jobid());
    setSiteCompany(data.company());
    setChanged(true);
}

QString Ductbook::getSiteJobID()
{
    return getBlockAttr(siteBlock(), QStringLiteral("jobid"));
}

QString Ductbook::getSiteCompany()
{
    return getBlockAttr(siteBlock(), QStringLiteral("company"));
}

QString Ductbook::getSiteContact()
{
    return getBlockAttr(siteBlock(), QStringLiteral("contact"));
}

QString Ductbook::getSiteEmail()
{
    return getBlockAttr(siteBlock(), QStringLiteral("email"));
}

QString Ductbook::getSitePhone()
{
    return getBlockAttr(siteBlock(), QStringLiteral("phone"));
}

Address Ductbook::getSiteAddress()
{
    return getBlockAddress(siteBlock());
}

SiteData Ductbook::getSiteData()
{
    SiteData data(getSiteContact(), getSiteEmail(), getSitePhone(), getSiteAddress());
    data.setJobID(getSiteJobID());
    data.setCompany(getSiteCompany());
    return data;
}

// --- release entries and job notes ------------------------------------------------

void Ductbook::addRelease(const QString& name, const QString& value)
{
    if (document.documentElement().isNull())
        return;
    // An entry is an attribute; a name that is not an XML name would make the
    // saved file unreadable, so such an entry is refused.
    if (!XmlWriter::isValidName(name))
        return;
    QDomElement release = getElement(QLatin1String(ReleaseElement));
    if (!release.isNull())
        release.setAttribute(name, value);
    setChanged(true);
}

QString Ductbook::getRelease(const QString& name)
{
    const QDomElement release = getElement(QLatin1String(ReleaseElement));
    return release.attribute(name, QLatin1String(""));
}

QMap<QString, QString> Ductbook::getReleases()
{
    QMap<QString, QString> entries;
    const QDomNamedNodeMap attributes = getElement(QLatin1String(ReleaseElement)).attributes();
    for (int i = 0; i < attributes.count(); ++i) {
        const QDomNode a = attributes.item(i);
        entries.insert(a.nodeName(), a.nodeValue());
    }
    return entries;
}

void Ductbook::removeRelease(const QString& name)
{
    QDomElement release = getElement(QLatin1String(ReleaseElement));
    if (release.isNull())
        return;
    release.removeAttribute(name);
    setChanged(true);
}

int Ductbook::getRelease()
{
    return d->m_release;
}

void Ductbook::setRelease(int release)
{
    d->m_release = release;
}

void Ductbook::setJobNotesText(const QString& text)
{
    QDomElement notes = getElement(QLatin1String(JobNotesTextElement));
    if (notes.isNull() || notes.attribute(QStringLiteral("text")) == text)
        return;
    notes.setAttribute(QStringLiteral("text"), text);
    setChanged(true);
}

QString Ductbook::getJobNotesText()
{
    const QDomElement notes = getElement(QLatin1String(JobNotesTextElement));
    return notes.attribute(QStringLiteral("text"), QLatin1String(""));
}
