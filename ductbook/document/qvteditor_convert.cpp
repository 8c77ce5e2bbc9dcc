// The upgrade steps of old template files, one format version each. Each
// step says which habit of the old writer it undoes; checkVersion runs them in
// order and saves after each. What the job's upgrade shares with them (the
// test-definition rework of 1.1 to 1.3, the tag renumbering, the tables of
// default definitions, colours and bundles) is in legacyconvert_p.h.
#include "qvteditor.h"

#include "constants_p.h"
#include "legacyconvert_p.h"

using namespace DuctbookConstants;

namespace {
const char* const NetworkDevicesSettings = "NetworkDevices_Settings";
} // namespace

QDomElement QvtEditor::versionElement(QDomElement* element)
{
    const QDomElement version = getElement(QLatin1String(VersionElement));
    if (element)
        *element = version;
    return version;
}

void QvtEditor::setVersion(QDomElement& version, const char* number)
{
    version.setAttribute(QLatin1String(VersionNumberAttribute), QLatin1String(number));
}

// 1.4 templates knew no coaxial video cable and kept no print, page or scale
// choices: the RG-59 definition is added (a template's own RG-59 stays), and
// the settings block and job notes are appended with their defaults.
bool QvtEditor::convert14To21(QDomElement* element, QDomNode* /*node*/)
{
    QDomElement version = versionElement(element);
    if (version.isNull())
        return false;
    setVersion(version, "2.1");
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
    QDomElement version = versionElement(element);
    if (version.isNull())
        return false;
    setVersion(version, "2.2");

    const QString colorAttr = QStringLiteral("color");
    const QString commentAttr = QStringLiteral("comment");
    const QString connectorAttr = QStringLiteral("connector");
    LegacyConvert::TagRenumbering tags{QLatin1String(TestDefElement)};
    const QDomElement list = getToTestDefList();
    for (QDomElement e = list.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        const QString tag = tags.tagFor(e.tagName());
        if (tag != e.tagName())
            e.setTagName(tag);
        if (!e.hasAttribute(colorAttr)) {
            const bool isDefault = e.attribute(QStringLiteral("default_type")).toInt() == 1;
            e.setAttribute(colorAttr, isDefault ? LegacyConvert::defaultTypeColor(getElementId(e))
                                                : QStringLiteral("#000000"));
        }
        if (!e.hasAttribute(commentAttr)) {
            e.setAttribute(commentAttr, e.attribute(connectorAttr, QLatin1String("")));
            e.removeAttribute(connectorAttr);
        }
    }

    document.documentElement().appendChild(document.createElement(QLatin1String(BundledCableList)));
    for (BundledCable& bundle : LegacyConvert::defaultBundledCableTypes())
        addBundledCableType(bundle);

    QDomElement print = getToPrintSettingsList();
    if (!print.isNull() && print.firstChildElement(QLatin1String(InventorySettings)).isNull()) {
        QDomElement entry = document.createElement(QLatin1String(InventorySettings));
        for (const char* a : {"paper_size", "orientation", "print_zoom", "fit_to_across",
                              "fit_to_down", "print_zoom_style"})
            entry.setAttribute(QLatin1String(a), QLatin1String(""));
        print.appendChild(entry);
        PrintSettings defaults;
        defaults.setOrientation(0);
        setPrintSettings(defaults, QLatin1String(InventorySettings));
    }
    return true;
}

// 2.3 differed from 2.2 only in what jobs held; the template just takes the
// new number.
bool QvtEditor::convert22To23(QDomElement* element, QDomNode* /*node*/)
{
    QDomElement version = versionElement(element);
    if (version.isNull())
        return false;
    setVersion(version, "2.3");
    return true;
}

// 2.3 had no crossover cable types, and called the inventory report's print
// entry "NetworkDevices_Settings"; the renamed entry takes the report's
// landscape letter defaults where it has the attributes.
bool QvtEditor::convert23To30(QDomElement* element, QDomNode* /*node*/)
{
    QDomElement version = versionElement(element);
    if (version.isNull())
        return false;
    setVersion(version, "3.0");

    // addTestDef refuses the ids the template already has.
    for (TestDef& def : LegacyConvert::crossoverDefinitions())
        addTestDef(def);

    const QDomElement settings = getElement(QLatin1String(SettingsList));
    if (settings.isNull() || !settings.hasChildNodes())
        return true;
    const QDomElement print = getToPrintSettingsList();
    for (QDomElement e = print.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (e.tagName() != QLatin1String(NetworkDevicesSettings))
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
