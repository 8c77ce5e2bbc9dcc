#ifndef LEGACYCONVERT_P_H
#define LEGACYCONVERT_P_H

#include "ductbook_global.h"

#include "bundledcable.h"
#include "printsettings.h"
#include "testdef.h"

#include <QDomElement>
#include <QDomNode>

#include <QList>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <cstddef>

class QVXMLEditor;

// What the upgrades of old job and template files have in common: the
// driver that runs a document's table of steps, the way old tags are brought
// to the current "prefix + number" form, the repairs both documents need
// (the rework of the test definitions written before 1.4, their tags,
// colours and comments of 2.1, the inventory report's print entry), and the
// tables of definitions, colours and bundle types that later versions added
// as defaults.
namespace LegacyConvert {

// --- the driver ----------------------------------------------------------------

// How a document's version text is compared with the version a step starts
// from. A job's version is the number exactly. Later releases of the 2.3 and
// 3.0 template writers put digits of their own after the number ("2.3.1"),
// so a template's 2.3 and 3.0 are judged by how the text starts.
enum class VersionMatch { Exact, StartsWith };

DUCTBOOK_PRIVATE_EXPORT bool versionMatches(const QString& version, const char* number,
                                            VersionMatch match);

// One row of a document's upgrade table: run takes the document from the
// version from to the version to. The arguments of run are the working
// handles of the step members (the "Version" element and a node).
template <typename Document>
struct UpgradeStep
{
    const char* from;
    const char* to;
    bool (Document::*run)(QDomElement* version, QDomNode* node);
    VersionMatch match;
};

// The upgrade of jobs and templates: each step of the table, in order, whose
// from the version reached so far matches is run through runStep(step),
// which gives it what its document needs around it (the job resets its
// riser index, the template saves after the step) and returns false to stop
// the chain. Returns the version reached: the to of the last step that
// succeeded, or version when none ran.
template <typename Document, std::size_t Count, typename RunStep>
QString upgrade(QString version, const UpgradeStep<Document> (&steps)[Count], RunStep runStep)
{
    for (const UpgradeStep<Document>& step : steps) {
        if (!versionMatches(version, step.from, step.match))
            continue;
        if (!runStep(step))
            break;
        version = QLatin1String(step.to);
    }
    return version;
}

// --- repairs both documents need --------------------------------------------------

// Old writers named items freely (a room after its id, a test definition
// "T" + its type) and sometimes twice alike. Items are visited in document
// order: a tag that already contains prefix followed by a number, and that no
// earlier item kept, is kept; any other gets prefix followed by the smallest
// number from 1 up that is not in use yet. One object serves one kind for one
// upgrade step; the number found last is remembered, since names are only
// ever added, so a whole list costs one pass.
class DUCTBOOK_PRIVATE_EXPORT TagRenumbering
{
public:
    explicit TagRenumbering(const QString& prefix);

    // The tag the item now called tag ends with (tag itself when it stays).
    QString tagFor(const QString& tag);

private:
    QString m_prefix;
    QRegularExpression m_numbered;
    QSet<QString> m_used;
    int m_nextFree = 1;
};

// Files before 1.4 stored the expected block 12 bytes short (the last six
// pair extras were added later) and, before 1.3, the length constant ten
// times too large. Every test definition of doc is read, repaired and stored
// again: it gets a new "TestDef" tag at the end of the list, as a definition
// stored by the current code would. The expected text comes from the
// element the old writers named "T" + type, or from the definition's own
// element when there is none. Attributes the current record does not carry
// ("connector") are kept, and "color" and "comment" are only present
// afterwards when the old element had them, so that the 2.1 to 2.2 step can
// still fill them in as it does for files that lack them. A type that two
// elements share has both reworked, in their order.
// testDefList is doc's "TestDef_List" (null: nothing to do).
DUCTBOOK_PRIVATE_EXPORT void reworkTestDefinitions(QVXMLEditor& doc, QDomElement testDefList,
                                                   bool scaleLengthConstant);

// 1.1 to 1.3 to 1.4, the version read from the element version (which then
// says "1.4"): 1.1 wrote no contractor logo, and every version before 1.4
// stored its test definitions as reworkTestDefinitions() repairs them, 1.3
// already with the length constant at its present scale. contractor and
// testDefList may be null.
DUCTBOOK_PRIVATE_EXPORT void upgradeTo14(QVXMLEditor& doc, QDomElement version,
                                         QDomElement contractor, QDomElement testDefList);

// The 2.1 writer named test definitions freely ("T" + the type, or twice
// alike), gave them no colour and kept the connector where the comment now
// is. Each definition of testDefList gets a "TestDef" tag (TagRenumbering);
// one without a colour, the attribute missing or empty, gets the colour of
// its default type (defaultTypeColor()) when "default_type" is 1 and
// "#000000" otherwise; one without "comment" gets the text of its
// "connector", which goes, or "" when it has none. An empty colour counts
// as none for jobs and templates alike: no writer stored one on purpose, and
// a read repair of an older file leaves one behind.
DUCTBOOK_PRIVATE_EXPORT void repairTestDefinitions21(QDomElement testDefList);

// The name the print entry of the inventory report had before 3.0, in jobs
// and templates.
inline constexpr const char* NetworkDevicesSettings = "NetworkDevices_Settings";

// Gives the print entry entry the six print attributes where it lacks them
// (the setter writes only those it finds) and writes settings into it.
DUCTBOOK_PRIVATE_EXPORT void writePrintEntry(QVXMLEditor& doc, QDomElement entry,
                                             PrintSettings settings);

// The 2.1 writer had no inventory report: when printList (a document's
// "PrintSettings_List"; null: nothing to do) has no "Inventory_Settings"
// entry, one is appended and settings written into it. The settings are the
// caller's, and they differ on purpose: a converted job has always been
// given the record's defaults (landscape), a converted template the portrait
// entry that its other report entries have; each keeps what its own 2.2
// release wrote, so a file converted now reads as one converted then.
DUCTBOOK_PRIVATE_EXPORT void addInventoryPrintEntry(QVXMLEditor& doc, QDomElement printList,
                                                    const PrintSettings& settings);

// --- tables of defaults ------------------------------------------------------------

// The colour that version 2.2 gave each default cable type, "#000000" for
// any other id.
DUCTBOOK_PRIVATE_EXPORT QString defaultTypeColor(const QString& id);

// The coaxial definition that version 2.1 added to templates.
DUCTBOOK_PRIVATE_EXPORT TestDef rg59Definition();

// The six crossover definitions ("CAT5-X" … "CAT6-XX") that version 3.0
// added to jobs and templates, in the order they are added.
DUCTBOOK_PRIVATE_EXPORT QList<TestDef> crossoverDefinitions();

// The four bundled cable types that version 2.2 added to templates.
DUCTBOOK_PRIVATE_EXPORT QList<BundledCable> defaultBundledCableTypes();

} // namespace LegacyConvert

#endif // LEGACYCONVERT_P_H
