// What moves between the job and the template: the job takes the template's
// defaults, a job is saved as a template, and a template takes a job's
// contractor and cable types. Only the public operations of the two
// documents are used, so each side keeps its own rules (ids never added
// twice, settings entries repaired on read).
#include "ductbook.h"
#include "qvteditor.h"

#include "constants_p.h"

#include <QDebug>
#include <QFileInfo>

using namespace DuctbookConstants;

namespace {

enum class Entries { All, DefaultsOnly };

void copyContractorData(QVXMLEditor& from, QVXMLEditor& to)
{
    to.setContractorTester(from.getContractorTester());
    to.setContractorCompany(from.getContractorCompany());
    to.setContractorEmail(from.getContractorEmail());
    to.setContractorPhone(from.getContractorPhone());
    to.setContractorLogo(from.getContractorLogo());
    Address address = from.getContractorAddress();
    to.setContractorAddress(address);
}

// The eight print entries, then the scale entries, then the page entries.
void copySettings(QVXMLEditor& from, QVXMLEditor& to)
{
    for (const char* name : SettingsNames) {
        PrintSettings settings = from.getPrintSettings(QLatin1String(name));
        to.setPrintSettings(settings, QLatin1String(name));
    }
    const char* const views[] = {NetViewSettings, FloorPlanSettings};
    for (const char* name : views) {
        ScaleSettings settings = from.getScaleSettings(QLatin1String(name));
        to.setScaleSettings(settings, QLatin1String(name));
    }
    for (const char* name : views) {
        PageSettings settings = from.getPageSettings(QLatin1String(name));
        to.setPageSettings(settings, QLatin1String(name));
    }
}

// Entries are only ever added: a type the target has keeps its own version.
void addMissingTestDefs(QVXMLEditor& from, QVXMLEditor& to, Entries which)
{
    const QStringList types = from.getTypes();
    for (const QString& type : types) {
        if (to.testDefExists(type))
            continue;
        TestDef def = from.getTestDef(type);
        if (which == Entries::All || def.default_type())
            to.addTestDef(def);
    }
}

void addMissingBundledCableTypes(QVXMLEditor& from, QVXMLEditor& to, Entries which)
{
    const QStringList ids = from.getBundledCableTypeIds();
    for (const QString& id : ids) {
        // A bundle without a name cannot be read by its id; copying it would
        // only add an empty bundle.
        if (id.isEmpty() || to.bundledCableTypeIdExists(id))
            continue;
        BundledCable bundle = from.getBundledCableType(id);
        if (which == Entries::All || bundle.defaultType())
            to.addBundledCableType(bundle);
    }
}

} // namespace

// The import does not clear the changed flag: the host asks whether to save
// by it, and edits made before the import are still not on disk.
void Ductbook::Import(QvtEditor* tmpl)
{
    if (!tmpl)
        return;
    const bool wasChanged = isChanged();
    copyContractorData(*tmpl, *this);
    copySettings(*tmpl, *this);
    addMissingTestDefs(*tmpl, *this, Entries::All);
    addMissingBundledCableTypes(*tmpl, *this, Entries::All);
    setChanged(wasChanged);
}

void Ductbook::ImportMissingDefaultCableTypes(QvtEditor* tmpl)
{
    if (!tmpl)
        return;
    const bool wasChanged = isChanged();
    addMissingTestDefs(*tmpl, *this, Entries::DefaultsOnly);
    addMissingBundledCableTypes(*tmpl, *this, Entries::DefaultsOnly);
    setChanged(wasChanged);
}

bool Ductbook::Export(const QString& filename)
{
    QvtEditor& tmpl = QvtEditor::Instance();
    if (filename.isEmpty() || filename == QLatin1String(".qvt")) {
        error() = tr("Filename is Empty");
        return false;
    }
    if (QFileInfo(filename).isDir()) {
        qDebug() << "Filename given to Ductbook is a directory";
        error() = tr("Filename given is a directory");
        return false;
    }
    if (!tmpl.New(filename)) {
        error() = tr("Unable to open file.");
        return false;
    }
    // Reading a settings entry the job lacks adds it with its defaults; that
    // repair is no edit of the job.
    const bool wasChanged = isChanged();
    copyContractorData(*this, tmpl);
    copySettings(*this, tmpl);
    addMissingTestDefs(*this, tmpl, Entries::All);
    addMissingBundledCableTypes(*this, tmpl, Entries::All);
    setChanged(wasChanged);
    if (tmpl.save())
        return true;
    // The caller asked the job; the job says why.
    error() = tmpl.error();
    return false;
}

void QvtEditor::Import(Ductbook* job)
{
    if (!job)
        return;
    copyContractorData(*job, *this);
    addMissingTestDefs(*job, *this, Entries::All);
    addMissingBundledCableTypes(*job, *this, Entries::All);
}
