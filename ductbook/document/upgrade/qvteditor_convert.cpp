// The upgrade steps of old template files, one format version each. Each
// step says which habit of the old writer it undoes; checkVersion runs them in
// order from its table and saves after each. What the job's upgrade shares
// with them (the driver, the test-definition rework of 1.1 to 1.3 and repair
// of 2.1, the inventory print entry, the tag renumbering, the tables of
// default definitions, colours and bundles) is in legacyconvert_p.h.
// Templates are numbered as jobs are, so the versions are the job's names.
#include "qvteditor.h"
#include "qvteditor_p.h"

#include "constants_p.h"
#include "upgrade/legacyconvert_p.h"

using namespace DuctbookConstants;

QDomElement QvtEditorPrivate::versionElement(QDomElement* element)
{
    const QDomElement version = q->getElement(QLatin1String(VersionElement));
    if (element)
        *element = version;
    return version;
}

void QvtEditorPrivate::setVersion(QDomElement& version, const char* number)
{
    version.setAttribute(QLatin1String(VersionNumberAttribute), QLatin1String(number));
}

// Before 1.4 the expected block of a test definition was written 12 bytes
// short and, before 1.3, its length constant ten times too large; 1.1 had no
// logo in the contractor block.
bool QvtEditorPrivate::convert11To14(QDomElement* element, QDomNode* /*node*/)
{
    QDomElement version = versionElement(element);
    if (version.isNull())
        return false;
    LegacyConvert::upgradeTo14(*q, version, q->getElement(QLatin1String(ContractorInfoElement)),
                               q->getToTestDefList());
    return true;
}

// 1.4 templates knew no coaxial video cable and kept no print, page or scale
// choices: the RG-59 definition is added (a template's own RG-59 stays), and
// the settings block and job notes are appended with their defaults.
bool QvtEditor::convert14To21(QDomElement* element, QDomNode* /*node*/)
{
    QDomElement version = d->versionElement(element);
    if (version.isNull())
        return false;
    QvtEditorPrivate::setVersion(version, JobVersion21);
    // addTestDef refuses an id the template already has.
    TestDef rg59 = LegacyConvert::rg59Definition();
    addTestDef(rg59);
    QDomElement root = document.documentElement();
    addSettingsList(&root);
    return true;
}

// 2.1 named test definitions freely ("T" + the type, or twice alike), had no
// colour per type, kept the connector where the comment now is, had no
// bundled cable types and no print settings for the inventory report.
// The new "BundledCable_List" is appended even when the file has one, as the
// 2.2 writer did; the default bundles go to the first list, where every
// reader looks.
bool QvtEditor::convert21To22(QDomElement* element, QDomNode* /*node*/)
{
    QDomElement version = d->versionElement(element);
    if (version.isNull())
        return false;
    QvtEditorPrivate::setVersion(version, JobVersion22);

    LegacyConvert::repairTestDefinitions21(getToTestDefList());

    document.documentElement().appendChild(document.createElement(QLatin1String(BundledCableList)));
    for (BundledCable& bundle : LegacyConvert::defaultBundledCableTypes())
        addBundledCableType(bundle);

    // Portrait, as the other report entries: see addInventoryPrintEntry.
    PrintSettings portrait;
    portrait.setOrientation(0);
    LegacyConvert::addInventoryPrintEntry(*this, getToPrintSettingsList(), portrait);
    return true;
}

// 2.3 differed from 2.2 only in what jobs held; the template just takes the
// new number.
bool QvtEditor::convert22To23(QDomElement* element, QDomNode* /*node*/)
{
    QDomElement version = d->versionElement(element);
    if (version.isNull())
        return false;
    QvtEditorPrivate::setVersion(version, JobVersion23);
    return true;
}

// 2.3 had no crossover cable types, and called the inventory report's print
// entry "NetworkDevices_Settings"; the renamed entry takes the report's
// landscape letter defaults where it has the attributes. Only there: a
// job's renamed entry is given all six, a difference meant, since each
// document keeps what its own 3.0 release wrote.
bool QvtEditor::convert23To30(QDomElement* element, QDomNode* /*node*/)
{
    QDomElement version = d->versionElement(element);
    if (version.isNull())
        return false;
    QvtEditorPrivate::setVersion(version, JobVersion30);

    // addTestDef refuses the ids the template already has.
    for (TestDef& def : LegacyConvert::crossoverDefinitions())
        addTestDef(def);

    const QDomElement settings = getElement(QLatin1String(SettingsList));
    if (settings.isNull() || !settings.hasChildNodes())
        return true;
    const QDomElement print = getToPrintSettingsList();
    for (QDomElement e = print.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (e.tagName() != QLatin1String(LegacyConvert::NetworkDevicesSettings))
            continue;
        e.setTagName(QLatin1String(InventorySettings));
        setChildAttr(QStringLiteral("fit_to_down"), QStringLiteral("1"), e);
        setChildAttr(QStringLiteral("print_zoom_style"), QStringLiteral("0"), e);
        setChildAttr(QStringLiteral("fit_to_across"), QStringLiteral("1"), e);
        setChildAttr(QStringLiteral("print_zoom"), QStringLiteral("100"), e);
        setChildAttr(QStringLiteral("orientation"), QStringLiteral("1"), e);
        setChildAttr(QStringLiteral("paper_size"), QStringLiteral("Letter: 8.5 in. x 11 in."), e);
    }
    return true;
}
