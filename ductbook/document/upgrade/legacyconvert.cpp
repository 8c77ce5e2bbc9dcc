// Pieces shared by the upgrades of old job and template files.
#include "upgrade/legacyconvert_p.h"

#include "constants_p.h"
#include "io/textcodecs_p.h"
#include "qvxmleditor.h"

#include <QDomNamedNodeMap>
#include <QList>
#include <QPair>

#include <algorithm>

using namespace DuctbookConstants;

namespace LegacyConvert {

bool versionMatches(const QString& version, const char* number, VersionMatch match)
{
    return match == VersionMatch::StartsWith ? version.startsWith(name(number))
                                             : version == name(number);
}

TagRenumbering::TagRenumbering(const QString& prefix)
    : m_prefix(prefix),
      m_numbered(QRegularExpression::escape(prefix) + QStringLiteral("[1-9][0-9]{0,}"))
{
}

QString TagRenumbering::tagFor(const QString& tag)
{
    if (!m_used.contains(tag) && m_numbered.match(tag).hasMatch()) {
        m_used.insert(tag);
        return tag;
    }
    QString renamed = m_prefix + QString::number(m_nextFree);
    while (m_used.contains(renamed))
        renamed = m_prefix + QString::number(++m_nextFree);
    m_used.insert(renamed);
    return renamed;
}

namespace {

// The short block of the old formats lacks the last 24 hex digits.
const char* const MissingExpectedDigits = "000000000000000000000000";

QDomElement firstChildWithId(const QDomElement& list, const QString& id)
{
    for (QDomElement e = list.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (e.attribute(QStringLiteral("id")) == id)
            return e;
    }
    return QDomElement();
}

void reworkOne(QVXMLEditor& doc, QDomElement& list, const QString& type, bool scaleLengthConstant)
{
    const QDomElement own = firstChildWithId(list, type);
    if (own.isNull())
        return;
    const QDomElement named = list.firstChildElement(QStringLiteral("T") + type);
    const QString expected = (named.isNull() ? own : named).attribute(QStringLiteral("expected")) +
                             QLatin1String(MissingExpectedDigits);

    // Taken before the definition is read: reading adds a missing "color".
    QList<QPair<QString, QString>> old;
    const QDomNamedNodeMap attributes = own.attributes();
    for (int i = 0; i < attributes.count(); ++i) {
        const QDomAttr a = attributes.item(i).toAttr();
        old.append({a.name(), a.value()});
    }
    auto hadAttribute = [&old](const QString& name) {
        return std::any_of(old.cbegin(), old.cend(),
                           [&](const auto& a) { return a.first == name; });
    };

    TestDef def = doc.getTestDef(type);
    if (scaleLengthConstant)
        def.setLengthConstant(float(def.length_constant()) / 10.0f);
    def.setExpected(doc.stringToData(expected));

    doc.removeTestDef(type);
    // Stored under an empty id, which addTestDef never finds taken, so that a
    // second element of the same type still in the list cannot make it refuse
    // the definition just removed; the id is put back on the new element.
    def.setId(QString());
    doc.addTestDef(def);
    QDomElement added = list.lastChildElement();
    added.setAttribute(QStringLiteral("id"), type);

    // The 2.1 to 2.2 step fills in "color" and "comment" where a file lacks
    // them; what the record does not know ("connector") stays as it was.
    for (const QString& attribute : {QStringLiteral("color"), QStringLiteral("comment")}) {
        if (!hadAttribute(attribute))
            added.removeAttribute(attribute);
    }
    for (const auto& a : std::as_const(old)) {
        if (!added.hasAttribute(a.first))
            added.setAttribute(a.first, a.second);
    }
}

} // namespace

void reworkTestDefinitions(QVXMLEditor& doc, QDomElement testDefList, bool scaleLengthConstant)
{
    if (testDefList.isNull())
        return;
    // Reworked definitions move to the end of the list, so the first element
    // of a type is always one not yet reworked.
    const QStringList types = doc.getTypes();
    for (const QString& type : types)
        reworkOne(doc, testDefList, type, scaleLengthConstant);
}

void upgradeTo14(QVXMLEditor& doc, QDomElement version, QDomElement contractor,
                 QDomElement testDefList)
{
    const QString from = version.attribute(name(VersionNumberAttribute));
    version.setAttribute(name(VersionNumberAttribute), name(JobVersion14));
    if (from == name(JobVersion11) && !contractor.isNull() &&
        !contractor.hasAttribute(QStringLiteral("logo")))
        contractor.setAttribute(QStringLiteral("logo"), QLatin1String(""));
    reworkTestDefinitions(doc, testDefList, from != name(JobVersion13));
}

void repairTestDefinitions21(QDomElement testDefList)
{
    const QString colorAttr = QStringLiteral("color");
    const QString commentAttr = QStringLiteral("comment");
    const QString connectorAttr = QStringLiteral("connector");
    TagRenumbering tags{name(TestDefElement)};
    for (QDomElement e = testDefList.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        const QString tag = tags.tagFor(e.tagName());
        if (tag != e.tagName())
            e.setTagName(tag);
        if (e.attribute(colorAttr).isEmpty()) {
            const bool isDefault = e.attribute(QStringLiteral("default_type")).toInt() == 1;
            e.setAttribute(colorAttr, isDefault
                                          ? defaultTypeColor(e.attribute(QStringLiteral("id")))
                                          : QStringLiteral("#000000"));
        }
        if (!e.hasAttribute(commentAttr)) {
            e.setAttribute(commentAttr, e.attribute(connectorAttr, QLatin1String("")));
            e.removeAttribute(connectorAttr);
        }
    }
}

void writePrintEntry(QVXMLEditor& doc, QDomElement entry, PrintSettings settings)
{
    for (const char* attr : {"paper_size", "orientation", "print_zoom", "fit_to_across",
                             "fit_to_down", "print_zoom_style"}) {
        if (!entry.hasAttribute(name(attr)))
            entry.setAttribute(name(attr), QLatin1String(""));
    }
    doc.setPrintSettings(settings, entry.tagName());
}

void addInventoryPrintEntry(QVXMLEditor& doc, QDomElement printList, const PrintSettings& settings)
{
    if (printList.isNull() || !printList.firstChildElement(name(InventorySettings)).isNull())
        return;
    QDomElement entry = printList.ownerDocument().createElement(name(InventorySettings));
    printList.appendChild(entry);
    writePrintEntry(doc, entry, settings);
}

namespace {

struct ColorEntry
{
    const char* id;
    const char* color;
};

const ColorEntry DefaultTypeColors[] = {
    {"CAT5", "#11ff11"},     {"CAT5E", "#2222dd"},   {"CAT6", "#333333"},
    {"CAT3_4P", "#ff00ff"},  {"CAT3", "#ee11dd"},    {"CAT3_2P", "#448855"},
    {"RG-6", "#66ffaa"},     {"Fire", "#8800ff"},    {"Security", "#22dd88"},
    {"RG-58", "#3399ff"},    {"RG-59", "#3388ee"},   {"Audio", "#777777"},
    {"Tel_Cord", "#888888"}, {"CAT5STP", "#22ee22"}, {"CAT5ESTP", "#33dd33"},
    {"CAT6STP", "#444444"},
};

struct DefinitionEntry
{
    const char* id;
    const char* color;
    int category;
    int dataRate;
    float lengthConstant;
    float maxLength;
    int snr;
    int skew;
    const char* expected;
};

const char* const StraightCrossover = "FFFFFFFFFFFFFFFFFFFFFFFF0001000203FFFFFFFFFFFFFFFFFFFFFFFFFF"
                                      "0FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF";
const char* const DoubleCrossover = "FFFFFFFFFFFFFFFFFFFFFFFF0001000302FFFFFFFFFFFFFFFFFFFFFFFFFF0F"
                                    "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF";

const DefinitionEntry Rg59 = {"RG-59",
                              "#3388ee",
                              2,
                              0,
                              1630.0f,
                              -1.0f,
                              0,
                              0,
                              "FFFFFFFFFFFFFFFFFFFFFFFFEEFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF0000"
                              "0000000000000000000000000000"};

const DefinitionEntry Crossovers[] = {
    {"CAT5-X", "#ffaa00", 0, 100, 1500.0f, 300.0f, 200, 0, StraightCrossover},
    {"CAT5E-X", "#ffaa7f", 0, 1000, 1500.0f, 300.0f, 200, 350, StraightCrossover},
    {"CAT6-X", "#ff557f", 0, 1000, 1500.0f, 300.0f, 200, 350, StraightCrossover},
    {"CAT5-XX", "#aa00ff", 0, 100, 1500.0f, 300.0f, 200, 0, DoubleCrossover},
    {"CAT5E-XX", "#aa55ff", 0, 1000, 1500.0f, 300.0f, 200, 350, DoubleCrossover},
    {"CAT6-XX", "#aaaaff", 0, 1000, 1500.0f, 300.0f, 200, 350, DoubleCrossover},
};

// Default types with all four pairs in use and no shield.
TestDef definition(const DefinitionEntry& entry)
{
    TestDef def(QLatin1String(entry.id));
    def.setExpected(TextCodecs::decodeMeasurementBlock(QLatin1String(entry.expected)));
    bool pairs[4] = {true, true, true, true};
    def.setPairInUse(pairs);
    def.setShield(false);
    def.setDefaultType(true);
    def.setColor(QLatin1String(entry.color));
    def.setCableCategory(entry.category);
    def.setDataRate(entry.dataRate);
    def.setLengthConstant(entry.lengthConstant);
    def.setMaxLength(entry.maxLength);
    def.setSNR(entry.snr);
    def.setSkew(entry.skew);
    def.setComment(QLatin1String(""));
    return def;
}

} // namespace

QString defaultTypeColor(const QString& id)
{
    for (const ColorEntry& entry : DefaultTypeColors) {
        if (id == QLatin1String(entry.id))
            return QLatin1String(entry.color);
    }
    return QStringLiteral("#000000");
}

TestDef rg59Definition()
{
    return definition(Rg59);
}

QList<TestDef> crossoverDefinitions()
{
    QList<TestDef> defs;
    for (const DefinitionEntry& entry : Crossovers)
        defs.append(definition(entry));
    return defs;
}

QList<BundledCable> defaultBundledCableTypes()
{
    const QString cat5e = QStringLiteral("CAT5E");
    const QString audio = QStringLiteral("Audio");
    const QString rg6 = QStringLiteral("RG-6");
    return {
        BundledCable(QString(), QStringLiteral("HTheatre"), {cat5e, audio, audio, audio, audio},
                     QStringLiteral("#ffaa7f"), true),
        BundledCable(QString(), QStringLiteral("MMCombo2"), {cat5e, rg6}, QStringLiteral("#00ff00"),
                     true),
        BundledCable(QString(), QStringLiteral("MMCombo4"), {cat5e, cat5e, rg6, rg6},
                     QStringLiteral("#0000ff"), true),
        BundledCable(QString(), QStringLiteral("ProFlex"),
                     {cat5e, QStringLiteral("RG-59"), audio, audio}, QStringLiteral("#55ff99"),
                     true),
    };
}

} // namespace LegacyConvert
