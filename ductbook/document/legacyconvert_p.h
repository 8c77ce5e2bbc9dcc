#ifndef LEGACYCONVERT_P_H
#define LEGACYCONVERT_P_H

#include "ductbook_global.h"

#include "bundledcable.h"
#include "testdef.h"

#include <QDomElement>
#include <QList>
#include <QRegularExpression>
#include <QSet>
#include <QString>

class QVXMLEditor;

// What the upgrades of old job and template files have in common: the way
// old tags are brought to the current "prefix + number" form, the rework of
// the test definitions written before 1.4, and the tables of definitions,
// colours and bundle types that later versions added as defaults.
namespace LegacyConvert {

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
