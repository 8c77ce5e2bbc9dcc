// Job files written by earlier versions of the application are brought up to
// the current format while they load, in memory: one function per format
// step, oldest first, each repairing what the writers of its version left
// behind. Nothing is written here; the converted job reaches the disk only
// when the user saves it.
#include "ductbook.h"

#include "constants_p.h"
#include "convertrules_p.h"
#include "ductbook_p.h"
#include "legacyconvert_p.h"
#include "qvteditor.h"

#include <QColor>
#include <QDebug>
#include <QHash>
#include <QSet>
#include <QTextDocument>

using namespace DuctbookConstants;

namespace {


const QString& attrId()
{
    static const QString s = QStringLiteral("id");
    return s;
}

QString undefinedRoom()
{
    return name(UndefinedRoom);
}

QList<QDomElement> childElements(const QDomElement& parent)
{
    QList<QDomElement> list;
    for (QDomElement e = parent.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        list.append(e);
    return list;
}

// The children of the list listName directly below parent.
QList<QDomElement> listItems(const QDomElement& parent, const char* listName)
{
    return childElements(parent.firstChildElement(name(listName)));
}

void addMissing(QDomElement& e, const QString& attr, const QString& value)
{
    if (!e.hasAttribute(attr))
        e.setAttribute(attr, value);
}

// The rooms of every floor, the "Undefined" room of each included.
QList<QDomElement> allRooms(const QDomElement& root)
{
    QList<QDomElement> rooms;
    for (const QDomElement& floor : listItems(root, FloorList))
        rooms += listItems(floor, RoomList);
    return rooms;
}

// The items of the list listName of every room of every floor.
QList<QDomElement> itemsInRooms(const QDomElement& root, const char* listName)
{
    QList<QDomElement> items;
    for (const QDomElement& room : allRooms(root))
        items += listItems(room, listName);
    return items;
}

// The items of the list listName of every sheet.
QList<QDomElement> itemsInSheets(const QDomElement& root, const char* listName)
{
    QList<QDomElement> items;
    for (const QDomElement& sheet : listItems(root, SheetList))
        items += listItems(sheet, listName);
    return items;
}

// Sub-rooms sat in a "SubRoom_List" somewhere below their floor (old writers
// put it in the room they belong to); all of them, in document order.
QList<QDomElement> subRoomsOf(const QDomElement& floor)
{
    QList<QDomElement> subRooms;
    const QDomNodeList lists = floor.elementsByTagName(name(SubRoomList));
    for (int i = 0; i < lists.count(); ++i)
        subRooms += childElements(lists.item(i).toElement());
    return subRooms;
}

// Gives the items of one kind tags of the current form, in one step. Returns
// what references to the items by tag need: old tag -> new tag, for the first
// item under each old tag (the one a lookup by that tag found). The whole map
// is built before any reference is touched: renaming item by item and
// patching the references after each rename would let a later rename
// ("Cable1" -> "Cable2") catch a reference an earlier one ("C1" -> "Cable1")
// had just written.
QHash<QString, QString> renumber(const QString& prefix, const QList<QDomElement>& items)
{
    LegacyConvert::TagRenumbering rule(prefix);
    QHash<QString, QString> newTags;
    for (QDomElement e : items) {
        const QString old = e.tagName();
        const QString tag = rule.tagFor(old);
        if (tag != old)
            e.setTagName(tag);
        if (!newTags.contains(old))
            newTags.insert(old, tag);
    }
    return newTags;
}

// A converted coordinate replaces the old one; one that is no number stays.
template <typename Convert>
void convertAttr(QDomElement& e, const char* attr, Convert convert)
{
    const QString key = name(attr);
    QString converted;
    if (e.hasAttribute(key) && convert(e.attribute(key), &converted))
        e.setAttribute(key, converted);
}

void convertRoomGeometry(QDomElement& room)
{
    convertAttr(room, "x", ConvertRules::roomPosition);
    convertAttr(room, "y", ConvertRules::roomPosition);
    convertAttr(room, "width", ConvertRules::roomSize);
    convertAttr(room, "height", ConvertRules::roomSize);
}

void convertPointPosition(QDomElement& item)
{
    convertAttr(item, "x", ConvertRules::pointPosition);
    convertAttr(item, "y", ConvertRules::pointPosition);
}

// The stored use key for a use name an old writer stored: the key of a
// displayed name, else the key of an Italian name; "" when it is neither.
QString useKey(Ductbook& job, const QString& use)
{
    const QString key = job.getEnglishUse(use);
    if (!key.isEmpty())
        return key;
    const QString displayed = job.getEnglishUseFromItalian(use);
    if (displayed.isEmpty())
        return QString();
    const QString fromItalian = job.getEnglishUse(displayed);
    return fromItalian.isEmpty() ? displayed : fromItalian;
}

void translateUse(Ductbook& job, QDomElement& item)
{
    const QString use = item.attribute(QStringLiteral("use"));
    const QString key = useKey(job, use);
    if (!key.isEmpty() && key != use)
        item.setAttribute(QStringLiteral("use"), key);
}

// Rewrites both cable lists of every vertical run of the job, entry by entry,
// through rewrite (which returns the new entry, or "" to drop it). Entries
// that end up twice in one list are kept once.
template <typename Rewrite>
void rewriteRunLists(const QDomElement& root, Rewrite rewrite)
{
    for (QDomElement run : itemsInRooms(root, VerticalRunList)) {
        for (const QString& attr : {QStringLiteral("connected"), QStringLiteral("disconnected")}) {
            if (!run.hasAttribute(attr))
                continue;
            const QString old = run.attribute(attr);
            QStringList kept;
            QSet<QString> seen;
            for (const QString& entry : old.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
                const QString tag = rewrite(entry);
                if (!tag.isEmpty() && !seen.contains(tag)) {
                    seen.insert(tag);
                    kept.append(tag);
                }
            }
            const QString joined = kept.join(QLatin1Char(','));
            if (joined != old)
                run.setAttribute(attr, joined);
        }
    }
}

// The cable tags listed in the list attr of any vertical run.
QSet<QString> cablesInRunLists(const QDomElement& root, const QString& attr)
{
    QSet<QString> tags;
    for (const QDomElement& run : itemsInRooms(root, VerticalRunList)) {
        for (const QString& tag : run.attribute(attr).split(QLatin1Char(','), Qt::SkipEmptyParts))
            tags.insert(tag);
    }
    return tags;
}

// A device picture that is a bare file name, as the writers before 3.0 kept
// the host's own pictures; a path of the user's own picture is not one.
bool isBarePictureName(const QString& pic)
{
    return !pic.isEmpty() && !pic.contains(QLatin1Char('/')) && !pic.contains(QLatin1Char('\\')) &&
           !pic.contains(QLatin1Char(':'));
}

// A print settings entry holding the default record, its six attributes
// created where it lacks them (the setter writes only those it finds).
void writeDefaultPrintEntry(QVXMLEditor& doc, QDomElement entry)
{
    for (const char* attr : {"paper_size", "orientation", "print_zoom", "fit_to_across",
                             "fit_to_down", "print_zoom_style"})
        addMissing(entry, name(attr), QLatin1String(""));
    PrintSettings defaults;
    doc.setPrintSettings(defaults, entry.tagName());
}

int intAttr(const QDomElement& e, const char* attr, int fallback)
{
    bool ok = false;
    const int value = e.attribute(name(attr)).toInt(&ok);
    return ok ? value : fallback;
}

} // namespace

// --- the chain -----------------------------------------------------------------------

bool Ductbook::checkVersion()
{
    QDomElement version = getElement(name(VersionElement));
    if (version.isNull())
        return false;
    const QString numberAttr = name(VersionNumberAttribute);
    m_fileVersion = version.attribute(numberAttr);
    QString number = m_fileVersion;

    // Before 1.4 the expected block of a test definition was written 12 bytes
    // short and, before 1.3, its length constant ten times too large. 1.1
    // files have no contractor logo either.
    if (number == name(JobVersion11) || number == name(JobVersion12) ||
        number == name(JobVersion13)) {
        if (number == name(JobVersion11)) {
            QDomElement contractor = getElement(name(ContractorInfoElement));
            if (!contractor.isNull())
                addMissing(contractor, QStringLiteral("logo"), QLatin1String(""));
        }
        version.setAttribute(numberAttr, name(JobVersion14));
        LegacyConvert::reworkTestDefinitions(*this, getToTestDefList(),
                                             number != name(JobVersion13));
        number = name(JobVersion14);
    }

    using Step = bool (Ductbook::*)(QDomElement*, QDomNode*);
    const struct
    {
        const char* from;
        Step step;
    } steps[] = {{JobVersion14, &Ductbook::convert14to21},
                 {JobVersion21, &Ductbook::convert21to22},
                 {JobVersion22, &Ductbook::convert22to23},
                 {JobVersion23, &Ductbook::convert23to30}};
    for (const auto& s : steps) {
        if (number != name(s.from))
            continue;
        // The steps edit the cable lists of the risers in the tree itself:
        // what the riser index still holds goes to the tree first, and its
        // next use reads the tree again.
        m_maps->risers.reset();
        QDomNode node = getDomNodeFirstChild();
        if (!(this->*s.step)(&version, &node))
            return false;
        number = version.attribute(numberAttr);
    }
    return number == name(CurrentJobVersion);
}

// --- 1.4 -> 2.1 ------------------------------------------------------------------------

// The 1.4 writer kept the document's revision in "Revision", stored uses by
// their displayed (or Italian) names, named items as it pleased, drew the
// floor plans at another scale and origin, listed the cables of a riser by
// their number alone ("3" for the cable tagged "C3"), and kept network
// devices on the floors. Jobs from before sheets or floors existed lack
// those lists, and none had settings or job notes.
bool Ductbook::convert14to21(QDomElement* version, QDomNode* node)
{
    QDomNode walk = *node;
    QDomElement revision = getChildElement(name(RevisionElement), walk);
    if (version->isNull() || revision.isNull())
        return false;
    // The maps still hold whatever was open before; the cable check and the
    // floor and sheet added below consult them.
    updateAllInternalLists();
    QDomElement root = document.documentElement();

    revision.setTagName(name(ReleaseElement));
    revision.setAttribute(attrId(), QString::number(getRelease()));
    version->setAttribute(name(VersionNumberAttribute), name(JobVersion21));

    for (QDomElement cable : listItems(root, CableList))
        translateUse(*this, cable);
    renumber(name(ConnectionElement), listItems(root, ConnectionList));

    for (QDomElement floor : listItems(root, FloorList)) {
        addMissing(floor, QStringLiteral("pic"), QLatin1String(""));
        QDomElement undefined =
            floor.firstChildElement(name(RoomList)).firstChildElement(undefinedRoom());
        if (!undefined.isNull())
            undefined.setAttribute(attrId(), undefinedRoom());
    }
    convertFloorDrawings14();

    if (getElement(name(FloorList)).isNull()) {
        root.appendChild(document.createElement(name(FloorList)));
        addFloor(QString(), floorIdPrefix() + QLatin1String("1"), 8.0, QLatin1String(""), 1);
    }
    if (getElement(name(SheetList)).isNull()) {
        root.appendChild(document.createElement(name(SheetList)));
        addSheet(QString(), sheetIdPrefix() + QLatin1String("1"), 1);
    }
    convertNetworkDrawings14();

    // The settings came with 2.1; a job that already has them keeps them,
    // and job notes it already has are not doubled.
    if (getElement(name(SettingsList)).isNull()) {
        const QDomElement notes = getElement(name(JobNotesTextElement));
        addSettingsList(&root);
        if (!notes.isNull())
            root.removeChild(root.lastChildElement(name(JobNotesTextElement)));
    }
    populateCurrentCablesLists();
    return true;
}

// Rooms, sub-rooms, ports and risers of the 1.4 floor plans.
void Ductbook::convertFloorDrawings14()
{
    QDomElement root = document.documentElement();
    QList<QDomElement> rooms;
    for (const QDomElement& room : allRooms(root)) {
        if (room.tagName() != undefinedRoom())
            rooms.append(room);
    }
    renumber(name(RoomElement), rooms);
    for (QDomElement& room : rooms)
        convertRoomGeometry(room);

    QList<QDomElement> subRooms;
    for (const QDomElement& floor : listItems(root, FloorList))
        subRooms += subRoomsOf(floor);
    renumber(name(SubRoomElement), subRooms);
    for (QDomElement& subRoom : subRooms)
        convertRoomGeometry(subRoom);

    QList<QDomElement> ports = itemsInRooms(root, PortList);
    renumber(name(PortElement), ports);
    for (QDomElement& port : ports) {
        convertPointPosition(port);
        translateUse(*this, port);
    }

    for (QDomElement room : allRooms(root)) {
        QDomElement runList = room.firstChildElement(name(VertRunList));
        if (!runList.isNull())
            runList.setTagName(name(VerticalRunList));
    }
    QList<QDomElement> runs = itemsInRooms(root, VerticalRunList);
    renumber(name(VerticalRunElement), runs);
    for (QDomElement& run : runs) {
        convertPointPosition(run);
        run.setAttribute(QStringLiteral("use"), name(UseVerticalRun));
    }
    // An entry n stood for the cable "C" + n. An entry that already names a
    // cable as it is stays; one that names no cable either way is dropped,
    // as the riser repair would drop it anyway.
    rewriteRunLists(root, [this](const QString& entry) {
        const QString prefixed = QLatin1Char('C') + entry.trimmed();
        if (cableExists(prefixed, true))
            return prefixed;
        return cableExists(entry.trimmed(), true) ? entry.trimmed() : QString();
    });
}

// Network devices and connection bend points, on the sheets and, in 1.4, on
// the floors too. Those of the floors move to the first sheet rather than
// being dropped with their lists.
void Ductbook::convertNetworkDrawings14()
{
    QDomElement root = document.documentElement();
    QDomElement firstSheet = getElement(name(SheetList)).firstChildElement();
    for (QDomElement floor : listItems(root, FloorList)) {
        for (const char* listName : {DeviceList, VerticeList}) {
            QDomElement floorList = floor.firstChildElement(name(listName));
            if (floorList.isNull() || firstSheet.isNull())
                continue;
            QDomElement sheetList = firstSheet.firstChildElement(name(listName));
            if (sheetList.isNull())
                sheetList =
                    firstSheet.appendChild(document.createElement(name(listName))).toElement();
            for (const QDomElement& item : childElements(floorList))
                sheetList.appendChild(item);
            floor.removeChild(floorList);
        }
    }

    QList<QDomElement> devices = itemsInSheets(root, DeviceList);
    QList<QDomElement> vertices = itemsInSheets(root, VerticeList);
    renumber(name(DeviceElement), devices);
    renumber(name(VerticeElement), vertices);
    for (QDomElement& item : devices + vertices) {
        convertAttr(item, "x", ConvertRules::sheetPosition);
        convertAttr(item, "y", ConvertRules::sheetPosition);
    }
}

// --- 2.1 -> 2.2 ------------------------------------------------------------------------

// The 2.1 writer still used old cable, floor and test-definition tags, gave
// cables no colour and risers no path marker, stored a test definition's
// connector where its comment belongs, drew the internet as a cloud, had no
// inventory report, and wrote the unit system of a drawing scale in words of
// its own. Cable types the user never had come from the default template.
bool Ductbook::convert21to22(QDomElement* version, QDomNode* node)
{
    Q_UNUSED(node);
    if (version->isNull())
        return false;
    // Judged by this load's own result: the error text may still hold an
    // earlier load's failure.
    QvtEditor& tmpl = QvtEditor::Instance();
    if (!tmpl.Load(m_defaultQvtFile)) {
        qDebug() << "Default template" << m_defaultQvtFile
                 << "could not be loaded to convert a 2.1 job:" << tmpl.error();
        return false;
    }
    version->setAttribute(name(VersionNumberAttribute), name(JobVersion22));
    QDomElement root = document.documentElement();

    // The lists first: the import below adds to them and finds nothing to
    // add to otherwise.
    for (const char* listName : {TestDefList, BundledCableList}) {
        if (getElement(name(listName)).isNull())
            root.appendChild(document.createElement(name(listName)));
    }
    QList<QDomElement> testDefs = childElements(getToTestDefList());
    renumber(name(TestDefElement), testDefs);
    for (QDomElement& def : testDefs) {
        // An empty colour (a read repair of an older file leaves one) is no
        // colour either.
        if (def.attribute(QStringLiteral("color")).isEmpty()) {
            const bool isDefault = def.attribute(QStringLiteral("default_type")).toInt() == 1;
            def.setAttribute(QStringLiteral("color"),
                             isDefault ? LegacyConvert::defaultTypeColor(def.attribute(attrId()))
                                       : QStringLiteral("#000000"));
        }
        if (!def.hasAttribute(QStringLiteral("comment"))) {
            def.setAttribute(QStringLiteral("comment"),
                             def.attribute(QStringLiteral("connector"), QLatin1String("")));
            def.removeAttribute(QStringLiteral("connector"));
        }
    }
    // Before the cables take their colours, so that a cable of a type the
    // template brings gets that type's colour.
    ImportMissingDefaultCableTypes(&tmpl);
    convertCables21();

    renumber(name(FFloorElement), listItems(root, FloorList));
    // Floor pictures stay as they are: a picture is a file name, which may
    // itself hold ",", so no step splits or rewrites it.

    for (QDomElement device : itemsInSheets(root, DeviceList)) {
        const QString pic = device.attribute(QStringLiteral("pic"));
        if (pic == QLatin1String(":/images/cloud.png") || pic == QLatin1String("cloud.png"))
            device.setAttribute(
                QStringLiteral("pic"),
                QString(pic).replace(QLatin1String("cloud"), QLatin1String("internet")));
    }

    QDomElement printList = getToPrintSettingsList();
    if (!printList.isNull() && printList.firstChildElement(name(InventorySettings)).isNull())
        writeDefaultPrintEntry(
            *this,
            printList.appendChild(document.createElement(name(InventorySettings))).toElement());
    for (QDomElement scale : childElements(getToScaleSettingsList())) {
        const QString attr = QStringLiteral("predefined_style");
        if (!scale.hasAttribute(attr))
            continue;
        const QString style = scale.attribute(attr);
        if (style.startsWith(QLatin1Char('M')) || style.startsWith(QLatin1Char('m')))
            scale.setAttribute(attr, name(UnitsMetric));
        else if (style != name(UnitsEnglish) && style != name(UnitsMetric))
            scale.setAttribute(attr, name(UnitsEnglish));
    }
    populateCurrentCablesLists();
    return true;
}

// Cables get "Cable" tags, the risers follow them, and every cable gets a
// colour; a cable connected at a riser changes floor there.
void Ductbook::convertCables21()
{
    QDomElement root = document.documentElement();
    const QList<QDomElement> cables = listItems(root, CableList);
    const QHash<QString, QString> tags = renumber(name(CableElement), cables);
    rewriteRunLists(root, [&tags](const QString& entry) { return tags.value(entry, entry); });

    // A colour the cable already has is the user's and stays.
    QHash<QString, QString> typeColours;
    for (const QString& type : getTypes()) {
        const TestDef def = getTestDef(type);
        if (!typeColours.contains(type) && def.default_type() && !def.color().isEmpty())
            typeColours.insert(type, def.color());
    }
    const QSet<QString> risers = cablesInRunLists(root, QStringLiteral("connected"));
    for (QDomElement cable : cables) {
        const QString colour = cable.attribute(QStringLiteral("color"));
        if (colour.isEmpty() || !QColor::isValidColorName(colour))
            cable.setAttribute(QStringLiteral("color"),
                               typeColours.value(cable.attribute(QStringLiteral("type")),
                                                 QStringLiteral("#000000")));
        // Points a riser cable already has are kept; without any, the path
        // is only the marker between its two floors.
        if (risers.contains(cable.tagName()) && cable.attribute(QStringLiteral("path")).isEmpty())
            cable.setAttribute(QStringLiteral("path"), name(EndFirstFloor));
    }
}

// --- 2.2 -> 2.3 ------------------------------------------------------------------------

// The 2.2 writer left out the display settings of rooms and the icon sizes
// of items, left the ends of cables passing through a riser unwritten, and
// kept sub-rooms, which 2.3 made ordinary rooms of their floor.
bool Ductbook::convert22to23(QDomElement* version, QDomNode* node)
{
    Q_UNUSED(node);
    if (version->isNull())
        return false;
    version->setAttribute(name(VersionNumberAttribute), name(JobVersion23));
    // Sub-rooms become rooms through addRoom, which names them from the room
    // map; it must know this job's rooms, not the last job's.
    updateAllInternalLists();
    QDomElement root = document.documentElement();
    // First, so that the ports and risers they held get their repairs too.
    convertSubRooms22();

    const QString three = QStringLiteral("3");
    for (QDomElement room : allRooms(root)) {
        if (room.tagName() == undefinedRoom())
            continue;
        addMissing(room, QStringLiteral("layer"), three);
        addMissing(room, QStringLiteral("show_name"), three);
        addMissing(room, QStringLiteral("show_dimensions"), three);
    }
    for (QDomElement item : itemsInRooms(root, PortList) + itemsInRooms(root, VerticalRunList) +
                                itemsInSheets(root, DeviceList))
        addMissing(item, QStringLiteral("icon_scale"), name(NotSpecified));

    const QSet<QString> passing = cablesInRunLists(root, QStringLiteral("disconnected"));
    for (QDomElement cable : listItems(root, CableList)) {
        if (!passing.contains(cable.tagName()))
            continue;
        addMissing(cable, QStringLiteral("from"), QLatin1String(""));
        addMissing(cable, QStringLiteral("to"), QLatin1String(""));
    }

    fixBrokenVerticalRunCables();
    return true;
}

// Each sub-room becomes a room of its floor with a new tag, taking along the
// ports and risers it held. One that cannot be placed (its floor has no room
// list) stays as it is rather than being lost.
void Ductbook::convertSubRooms22()
{
    QList<QDomElement> placed;
    for (const QDomElement& floor : listItems(document.documentElement(), FloorList)) {
        const QString floorTag = floor.tagName();
        for (QDomElement subRoom : subRoomsOf(floor)) {
            const QDomElement lastBefore = getToRoomList(floorTag).lastChildElement();
            const QString tag =
                addRoom(floorTag, intAttr(subRoom, "x", 0), intAttr(subRoom, "y", 0),
                        intAttr(subRoom, "width", 0), intAttr(subRoom, "height", 0), QString(),
                        subRoom.attribute(attrId()), intAttr(subRoom, "namex", 0),
                        intAttr(subRoom, "namey", 0), intAttr(subRoom, "show_dimensions", 3),
                        intAttr(subRoom, "show_name", 3), intAttr(subRoom, "layer", 3), 1);
            QDomElement room = getToRoomList(floorTag).lastChildElement();
            if (room == lastBefore || room.tagName() != tag)
                continue;
            for (const char* listName : {PortList, VerticalRunList, VertRunList}) {
                QDomElement target = room.firstChildElement(
                    name(listName == VertRunList ? VerticalRunList : listName));
                for (QDomElement& item : listItems(subRoom, listName))
                    target.appendChild(item);
            }
            placed.append(subRoom);
        }
    }
    for (QDomElement& subRoom : placed) {
        QDomNode list = subRoom.parentNode();
        list.removeChild(subRoom);
        if (list.toElement().firstChildElement().isNull() && !list.parentNode().isNull())
            list.parentNode().removeChild(list);
    }
}

// --- 2.3 -> 3.0 ------------------------------------------------------------------------

// The 2.3 writer spelled "UNTESTED" as it liked, had no drop heights, kept
// the host's device pictures as bare file names, lacked the crossover cable
// types, called the inventory report "NetworkDevices", and stored the job
// notes as plain text where 3.0 keeps rich text.
bool Ductbook::convert23to30(QDomElement* version, QDomNode* node)
{
    Q_UNUSED(node);
    if (version->isNull())
        return false;
    version->setAttribute(name(VersionNumberAttribute), name(JobVersion30));
    QDomElement root = document.documentElement();

    const QString untested = QStringLiteral("UNTESTED");
    for (const QDomElement& cable : listItems(root, CableList)) {
        QDomElement results = cable.firstChildElement(name(TestResultsElement));
        const QString status = results.attribute(name(StatusField));
        if (status != untested && status.compare(untested, Qt::CaseInsensitive) == 0)
            results.setAttribute(name(StatusField), untested);
    }
    for (QDomElement port : itemsInRooms(root, PortList))
        addMissing(port, QStringLiteral("drop_height"), name(DefaultPortDropHeight));
    for (QDomElement run : itemsInRooms(root, VerticalRunList))
        addMissing(run, QStringLiteral("drop_height"), name(DefaultRunDropHeight));

    // Pictures the 2.2 step already wrote in full (the internet picture) are
    // not prefixed twice.
    const QString images = QStringLiteral(":/images/");
    for (QDomElement device : itemsInSheets(root, DeviceList)) {
        const QString pic = device.attribute(QStringLiteral("pic"));
        if (isBarePictureName(pic))
            device.setAttribute(QStringLiteral("pic"), images + pic);
    }

    if (getToTestDefList().isNull())
        root.appendChild(document.createElement(name(TestDefList)));
    for (TestDef def : LegacyConvert::crossoverDefinitions()) {
        if (!testDefExists(def.id()))
            addTestDef(def);
    }

    convertInventorySettings23();

    QDomElement notes = getElement(name(JobNotesTextElement));
    const QString plain = notes.attribute(QStringLiteral("text"));
    if (!plain.isEmpty()) {
        QTextDocument text;
        text.setPlainText(plain);
        notes.setAttribute(QStringLiteral("text"), text.toHtml());
    }
    return true;
}

// The network-devices report became the inventory report, with its own page
// set-up. Where the print list already has an inventory entry, that one is
// read and the old entry would only shadow or sit beside it, so it goes.
void Ductbook::convertInventorySettings23()
{
    QDomElement printList = getToPrintSettingsList();
    const QString oldName = QStringLiteral("NetworkDevices_Settings");
    for (QDomElement old = printList.firstChildElement(oldName); !old.isNull();
         old = printList.firstChildElement(oldName)) {
        if (printList.firstChildElement(name(InventorySettings)).isNull()) {
            old.setTagName(name(InventorySettings));
            writeDefaultPrintEntry(*this, old);
        } else {
            printList.removeChild(old);
        }
    }
}
