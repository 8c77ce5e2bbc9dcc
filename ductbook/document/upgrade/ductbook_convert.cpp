// Job files written by earlier versions of the application are brought up to
// the current format while they load, in memory: one function per format
// step, oldest first, each repairing what the writers of its version left
// behind. Nothing is written here; the converted job reaches the disk only
// when the user saves it.
#include "ductbook.h"

#include "constants_p.h"
#include "ductbook_p.h"
#include "qvteditor.h"
#include "upgrade/convertrules_p.h"
#include "upgrade/legacyconvert_p.h"

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

int intAttr(const QDomElement& e, const char* attr, int fallback)
{
    bool ok = false;
    const int value = e.attribute(name(attr)).toInt(&ok);
    return ok ? value : fallback;
}

} // namespace

// --- the chain -----------------------------------------------------------------------

// A job's version is its number exactly (see VersionMatch).
bool DuctbookPrivate::checkVersion()
{
    QDomElement version = q->getElement(name(VersionElement));
    if (version.isNull())
        return false;
    m_fileVersion = version.attribute(name(VersionNumberAttribute));

    using LegacyConvert::VersionMatch;
    static const LegacyConvert::UpgradeStep<DuctbookPrivate> steps[] = {
        {JobVersion11, JobVersion14, &DuctbookPrivate::convert11to14, VersionMatch::Exact},
        {JobVersion12, JobVersion14, &DuctbookPrivate::convert11to14, VersionMatch::Exact},
        {JobVersion13, JobVersion14, &DuctbookPrivate::convert11to14, VersionMatch::Exact},
        {JobVersion14, JobVersion21, &DuctbookPrivate::convert14to21, VersionMatch::Exact},
        {JobVersion21, JobVersion22, &DuctbookPrivate::convert21to22, VersionMatch::Exact},
        {JobVersion22, JobVersion23, &DuctbookPrivate::convert22to23, VersionMatch::Exact},
        {JobVersion23, JobVersion30, &DuctbookPrivate::convert23to30, VersionMatch::Exact}};
    const QString reached = LegacyConvert::upgrade(m_fileVersion, steps, [&](const auto& step) {
        // The steps edit the cable lists of the risers in the tree itself:
        // what the riser index still holds goes to the tree first, and its
        // next use reads the tree again.
        maps.risers.reset();
        QDomNode node = q->getDomNodeFirstChild();
        return (this->*step.run)(&version, &node);
    });
    return reached == name(CurrentJobVersion);
}

// --- 1.1, 1.2, 1.3 -> 1.4 ----------------------------------------------------------------

// Before 1.4 the expected block of a test definition was written 12 bytes
// short and, before 1.3, its length constant ten times too large. 1.1
// files have no contractor logo either.
bool DuctbookPrivate::convert11to14(QDomElement* version, QDomNode* node)
{
    Q_UNUSED(node);
    LegacyConvert::upgradeTo14(*q, *version, q->getElement(name(ContractorInfoElement)),
                               q->getToTestDefList());
    return true;
}

// --- 1.4 -> 2.1 ------------------------------------------------------------------------

// The 1.4 writer kept the document's revision in "Revision", stored uses by
// their displayed (or Italian) names, named items as it pleased, drew the
// floor plans at another scale and origin, listed the cables of a riser by
// their number alone ("3" for the cable tagged "C3"), and kept network
// devices on the floors. Jobs from before sheets or floors existed lack
// those lists, and none had settings or job notes.
bool DuctbookPrivate::convert14to21(QDomElement* version, QDomNode* node)
{
    QDomNode walk = *node;
    QDomElement revision = q->getChildElement(name(RevisionElement), walk);
    if (version->isNull() || revision.isNull())
        return false;
    // The maps still hold whatever was open before; the cable check and the
    // floor and sheet added below consult them.
    q->updateAllInternalLists();
    QDomElement root = q->document.documentElement();

    revision.setTagName(name(ReleaseElement));
    revision.setAttribute(attrId(), QString::number(q->getRelease()));
    version->setAttribute(name(VersionNumberAttribute), name(JobVersion21));

    for (QDomElement cable : listItems(root, CableList))
        translateUse(*q, cable);
    renumber(name(ConnectionElement), listItems(root, ConnectionList));

    for (QDomElement floor : listItems(root, FloorList)) {
        addMissing(floor, QStringLiteral("pic"), QLatin1String(""));
        QDomElement undefined =
            floor.firstChildElement(name(RoomList)).firstChildElement(undefinedRoom());
        if (!undefined.isNull())
            undefined.setAttribute(attrId(), undefinedRoom());
    }
    convertFloorDrawings14();

    if (q->getElement(name(FloorList)).isNull()) {
        root.appendChild(q->document.createElement(name(FloorList)));
        q->addFloor(QString(), floorIdPrefix() + QLatin1String("1"), 8.0, QLatin1String(""), 1);
    }
    if (q->getElement(name(SheetList)).isNull()) {
        root.appendChild(q->document.createElement(name(SheetList)));
        q->addSheet(QString(), sheetIdPrefix() + QLatin1String("1"), 1);
    }
    convertNetworkDrawings14();

    // The settings came with 2.1; a job that already has them keeps them,
    // and job notes it already has are not doubled.
    if (q->getElement(name(SettingsList)).isNull()) {
        const QDomElement notes = q->getElement(name(JobNotesTextElement));
        q->addSettingsList(&root);
        if (!notes.isNull())
            root.removeChild(root.lastChildElement(name(JobNotesTextElement)));
    }
    populateCurrentCablesLists();
    return true;
}

// Rooms, sub-rooms, ports and risers of the 1.4 floor plans.
void DuctbookPrivate::convertFloorDrawings14()
{
    QDomElement root = q->document.documentElement();
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
        translateUse(*q, port);
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
        if (q->cableExists(prefixed, true))
            return prefixed;
        return q->cableExists(entry.trimmed(), true) ? entry.trimmed() : QString();
    });
}

// Network devices and connection bend points, on the sheets and, in 1.4, on
// the floors too. Those of the floors move to the first sheet rather than
// being dropped with their lists.
void DuctbookPrivate::convertNetworkDrawings14()
{
    QDomElement root = q->document.documentElement();
    QDomElement firstSheet = q->getElement(name(SheetList)).firstChildElement();
    for (QDomElement floor : listItems(root, FloorList)) {
        for (const char* listName : {DeviceList, VerticeList}) {
            QDomElement floorList = floor.firstChildElement(name(listName));
            if (floorList.isNull() || firstSheet.isNull())
                continue;
            QDomElement sheetList = firstSheet.firstChildElement(name(listName));
            if (sheetList.isNull())
                sheetList =
                    firstSheet.appendChild(q->document.createElement(name(listName))).toElement();
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
bool DuctbookPrivate::convert21to22(QDomElement* version, QDomNode* node)
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
    QDomElement root = q->document.documentElement();

    // The lists first: the import below adds to them and finds nothing to
    // add to otherwise.
    for (const char* listName : {TestDefList, BundledCableList}) {
        if (q->getElement(name(listName)).isNull())
            root.appendChild(q->document.createElement(name(listName)));
    }
    LegacyConvert::repairTestDefinitions21(q->getToTestDefList());
    // Before the cables take their colours, so that a cable of a type the
    // template brings gets that type's colour.
    q->ImportMissingDefaultCableTypes(&tmpl);
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

    // Filled from the record's defaults, landscape: see addInventoryPrintEntry.
    LegacyConvert::addInventoryPrintEntry(*q, q->getToPrintSettingsList(), PrintSettings());
    for (QDomElement scale : childElements(q->getToScaleSettingsList())) {
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
void DuctbookPrivate::convertCables21()
{
    QDomElement root = q->document.documentElement();
    const QList<QDomElement> cables = listItems(root, CableList);
    const QHash<QString, QString> tags = renumber(name(CableElement), cables);
    rewriteRunLists(root, [&tags](const QString& entry) { return tags.value(entry, entry); });

    // A colour the cable already has is the user's and stays.
    QHash<QString, QString> typeColours;
    for (const QString& type : q->getTypes()) {
        const TestDef def = q->getTestDef(type);
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
bool DuctbookPrivate::convert22to23(QDomElement* version, QDomNode* node)
{
    Q_UNUSED(node);
    if (version->isNull())
        return false;
    version->setAttribute(name(VersionNumberAttribute), name(JobVersion23));
    // Sub-rooms become rooms through addRoom, which names them from the room
    // map; it must know this job's rooms, not the last job's.
    q->updateAllInternalLists();
    QDomElement root = q->document.documentElement();
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

    q->fixBrokenVerticalRunCables();
    return true;
}

// Each sub-room becomes a room of its floor with a new tag, taking along the
// ports and risers it held. One that cannot be placed (its floor has no room
// list) stays as it is rather than being lost.
void DuctbookPrivate::convertSubRooms22()
{
    QList<QDomElement> placed;
    for (const QDomElement& floor : listItems(q->document.documentElement(), FloorList)) {
        const QString floorTag = floor.tagName();
        for (QDomElement subRoom : subRoomsOf(floor)) {
            const QDomElement lastBefore = getToRoomList(floorTag).lastChildElement();
            const QString tag =
                q->addRoom(floorTag, intAttr(subRoom, "x", 0), intAttr(subRoom, "y", 0),
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
bool DuctbookPrivate::convert23to30(QDomElement* version, QDomNode* node)
{
    Q_UNUSED(node);
    if (version->isNull())
        return false;
    version->setAttribute(name(VersionNumberAttribute), name(JobVersion30));
    QDomElement root = q->document.documentElement();

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

    if (q->getToTestDefList().isNull())
        root.appendChild(q->document.createElement(name(TestDefList)));
    for (TestDef def : LegacyConvert::crossoverDefinitions()) {
        if (!q->testDefExists(def.id()))
            q->addTestDef(def);
    }

    convertInventorySettings23();

    QDomElement notes = q->getElement(name(JobNotesTextElement));
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
// The renamed entry is given all six attributes with the record's defaults,
// as the job's 3.0 release did (a template's gets them only where it had
// them: a difference meant, see QvtEditor::convert23To30).
void DuctbookPrivate::convertInventorySettings23()
{
    QDomElement printList = q->getToPrintSettingsList();
    const QString oldName = QLatin1String(LegacyConvert::NetworkDevicesSettings);
    for (QDomElement old = printList.firstChildElement(oldName); !old.isNull();
         old = printList.firstChildElement(oldName)) {
        if (printList.firstChildElement(name(InventorySettings)).isNull()) {
            old.setTagName(name(InventorySettings));
            LegacyConvert::writePrintEntry(*q, old, PrintSettings());
        } else {
            printList.removeChild(old);
        }
    }
}
