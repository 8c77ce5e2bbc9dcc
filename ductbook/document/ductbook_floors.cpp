// Floors (storeys with their plan) and sheets (pages of the network drawing).
#include "ductbook.h"

#include "constants_p.h"
#include "ductbook_p.h"
#include "index/namegen_p.h"
#include "io/xmlwriter_p.h"

using namespace DuctbookConstants;

namespace {

QString heightText(double height)
{
    return QStringLiteral("%1").arg(height);
}

} // namespace

QString DuctbookPrivate::repairedAttr(QDomElement& e, const QString& attr,
                                      const QString& defaultValue)
{
    if (!e.hasAttribute(attr))
        e.setAttribute(attr, defaultValue);
    return e.attribute(attr);
}

// A caller-supplied tag becomes an element name: one that is not a valid name,
// or that another floor already has, is refused, since the floor could never
// be read back by it.
QString Ductbook::addFloor(const QString& tag, const QString& id, double ceilingHeight,
                           const QString& pic, int mode)
{
    const QString badFloor = QStringLiteral("Bad Floor");
    const QString floorTag =
        AddMode::tagSupplied(mode)
            ? tag
            : NameGen::firstFree(name(FFloorElement),
                                 [this](const QString& t) { return floorExists(t, true); });
    const QString floorId =
        AddMode::idSupplied(mode)
            ? id
            : NameGen::firstFree(id, [this](const QString& i) { return floorExists(i, false); });

    QDomElement list = d->getToFloorList();
    if (list.isNull())
        return badFloor;
    if (!XmlWriter::isValidName(floorTag) || !list.firstChildElement(floorTag).isNull())
        return badFloor;

    QDomElement floor = document.createElement(floorTag);
    QDomElement rooms = document.createElement(name(RoomList));
    QDomElement undefined = document.createElement(name(UndefinedRoom));
    undefined.setAttribute(QStringLiteral("id"), name(UndefinedRoom));
    undefined.appendChild(document.createElement(name(PortList)));
    undefined.appendChild(document.createElement(name(VerticalRunList)));
    rooms.appendChild(undefined);
    floor.appendChild(rooms);
    floor.setAttribute(QStringLiteral("id"), floorId);
    floor.setAttribute(QStringLiteral("pic"), pic);
    floor.setAttribute(QStringLiteral("ceiling_height"), heightText(ceilingHeight));
    list.appendChild(floor);

    d->maps.floors.added(floorTag, floorId, floor);
    setChanged(true);
    return floorTag;
}

QString Ductbook::addFloor(Floor floor, int mode)
{
    return addFloor(floor.element(), floor.id(), floor.ceilingHeight(), floor.pic(), mode);
}

QString Ductbook::addSheet(const QString& tag, const QString& id, int mode)
{
    const QString badSheet = QStringLiteral("Bad Sheet");
    const QString sheetTag =
        AddMode::tagSupplied(mode)
            ? tag
            : NameGen::firstFree(name(SSheetElement),
                                 [this](const QString& t) { return sheetExists(t, true); });
    const QString sheetId =
        AddMode::idSupplied(mode)
            ? id
            : NameGen::firstFree(id, [this](const QString& i) { return sheetExists(i, false); });

    QDomElement list = d->getToSheetList();
    if (list.isNull())
        return badSheet;
    if (!XmlWriter::isValidName(sheetTag) || !list.firstChildElement(sheetTag).isNull())
        return badSheet;

    QDomElement sheet = document.createElement(sheetTag);
    sheet.setAttribute(QStringLiteral("id"), sheetId);
    sheet.appendChild(document.createElement(name(DeviceList)));
    sheet.appendChild(document.createElement(name(VerticeList)));
    sheet.appendChild(document.createElement(name(FreeTextList)));
    list.appendChild(sheet);

    d->maps.sheets.added(sheetTag, sheetId, sheet);
    setChanged(true);
    return sheetTag;
}

QString Ductbook::addSheet(Sheet sheet, int mode)
{
    return addSheet(sheet.element(), sheet.id(), mode);
}

Floor Ductbook::getFloor(const QString& tag)
{
    QDomElement e = d->getToFloor(tag);
    if (e.isNull())
        return Floor();
    const QString pic = d->repairedAttr(e, QStringLiteral("pic"), QString());
    const double height =
        d->repairedAttr(e, QStringLiteral("ceiling_height"), QStringLiteral("8")).toDouble();
    return Floor(tag, e.attribute(QStringLiteral("id")), pic, height);
}

Sheet Ductbook::getSheet(const QString& tag)
{
    const QDomElement e = d->getToSheet(tag);
    if (e.isNull())
        return Sheet();
    return Sheet(tag, e.attribute(QStringLiteral("id")));
}

QString Ductbook::getFloorBackgroundPic(const QString& tag)
{
    QDomElement e = d->getToFloor(tag);
    if (e.isNull())
        return QString();
    return d->repairedAttr(e, QStringLiteral("pic"), QString());
}

QPoint Ductbook::getFloorBackgroundOrigin(const QString& tag)
{
    QDomElement e = d->getToFloor(tag);
    if (e.isNull())
        return QPoint(0, 0);
    const int x = d->repairedAttr(e, QStringLiteral("pic_x"), QStringLiteral("0")).toInt();
    const int y = d->repairedAttr(e, QStringLiteral("pic_y"), QStringLiteral("0")).toInt();
    return QPoint(x, y);
}

QString Ductbook::getBackgroundOption(const QString& tag)
{
    QDomElement e = d->getToFloor(tag);
    if (e.isNull())
        return QString();
    return d->repairedAttr(e, QStringLiteral("option"), QStringLiteral("Center"));
}

double Ductbook::getFloorCeilingHeight(const QString& tag)
{
    QDomElement e = d->getToFloor(tag);
    if (e.isNull())
        return 8.0;
    return d->repairedAttr(e, QStringLiteral("ceiling_height"), QStringLiteral("8")).toDouble();
}

// The floor attribute setters leave the changed flag to the host.
void Ductbook::setFloorBackgroundPic(const QString& tag, const QString& pic, int x, int y)
{
    QDomElement e = d->getToFloor(tag);
    if (e.isNull())
        return;
    e.setAttribute(QStringLiteral("pic"), pic);
    e.setAttribute(QStringLiteral("pic_x"), QString::number(x));
    e.setAttribute(QStringLiteral("pic_y"), QString::number(y));
}

void Ductbook::setBackgroundOption(const QString& tag, const QString& option)
{
    QDomElement e = d->getToFloor(tag);
    if (!e.isNull())
        e.setAttribute(QStringLiteral("option"), option);
}

void Ductbook::setFloorCeilingHeight(const QString& tag, double height)
{
    QDomElement e = d->getToFloor(tag);
    if (!e.isNull())
        e.setAttribute(QStringLiteral("ceiling_height"), heightText(height));
}

namespace {
// The number after the first "_" of a tag, two digits; a tag without "_"
// has no number and gives "00".
QString tagNumber(const QString& tag)
{
    const int n = tag.section(QLatin1Char('_'), 1, 1).toInt();
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}
} // namespace

QString Ductbook::getFloorNumber(const QString& tag)
{
    if (tag.isEmpty())
        return QStringLiteral("1");
    return tagNumber(tag);
}

QString Ductbook::getSheetNumber(const QString& tag)
{
    return tagNumber(tag);
}

// Removing a floor takes its entry out of the floor map as well, so that the
// maps never name a floor the document no longer has.
namespace {

// Takes the items of list out of their map and cache, as a rebuild after
// their removal would; the "Undefined" rooms were never in them.
void forgetChildren(ItemIndex& index, const QDomElement& list)
{
    for (QDomElement e = list.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        index.removed(e.tagName(), e);
}

} // namespace

// The maps then hold what a rebuild from the document would give. They are
// rebuilt only for a file that repeats tags; otherwise the floor's own items
// leave them one by one, so that removing a floor costs what it holds, not
// what the job holds.
void Ductbook::removeFloor(const QString& tag)
{
    // A cable that ends at a port of the floor would be left naming a port
    // that no longer exists; it goes first, whatever its type.
    d->removeCables(getCables(tag, tr("Show All")));

    QDomElement list = d->getToFloorList();
    QDomElement floor = d->childByTag(list, tag);
    if (floor.isNull())
        return;
    DuctbookIndexes& m = d->maps;
    const bool regular = !m.cables.elements().irregular() && !m.rooms.elements().irregular() &&
                         !m.ports.elements().irregular() && !m.vertRuns.elements().irregular() &&
                         !m.points.elements().irregular() && !m.floorFreeTexts.elements().irregular();
    if (regular) {
        const QDomElement rooms = floor.firstChildElement(name(RoomList));
        for (QDomElement room = rooms.firstChildElement(); !room.isNull();
             room = room.nextSiblingElement()) {
            forgetChildren(m.ports, room.firstChildElement(name(PortList)));
            const QDomElement runs = room.firstChildElement(name(VerticalRunList));
            for (QDomElement run = runs.firstChildElement(); !run.isNull();
                 run = run.nextSiblingElement()) {
                if (m.risers.holds(run.tagName(), run))
                    m.risers.removeRun(run.tagName());
            }
            forgetChildren(m.vertRuns, runs);
        }
        forgetChildren(m.rooms, rooms);
        forgetChildren(m.points, floor.firstChildElement(name(PointList)));
        forgetChildren(m.floorFreeTexts, floor.firstChildElement(name(FreeTextList)));
    }
    list.removeChild(floor);
    m.floors.removed(tag, floor);
    if (!regular) {
        d->populateCableMap();
        d->populateFloorLevelMaps();
    }
    d->populateActivePortMap();
    setChanged(true);
}

void Ductbook::removeFloor(Floor& floor)
{
    removeFloor(getFloorTagById(floor.id()));
}

void Ductbook::removeSheet(const QString& tag)
{
    QDomElement list = d->getToSheetList();
    QDomElement sheet = d->childByTag(list, tag);
    if (sheet.isNull())
        return;
    // As for floors: the sheet's own items leave the maps unless the file
    // repeats tags.
    DuctbookIndexes& m = d->maps;
    if (m.devices.elements().irregular() || m.vertices.elements().irregular() ||
        m.freeTexts.elements().irregular()) {
        list.removeChild(sheet);
        m.sheets.removed(tag, sheet);
        d->populateSheetLevelMaps();
    } else {
        forgetChildren(m.devices, sheet.firstChildElement(name(DeviceList)));
        forgetChildren(m.vertices, sheet.firstChildElement(name(VerticeList)));
        forgetChildren(m.freeTexts, sheet.firstChildElement(name(FreeTextList)));
        list.removeChild(sheet);
        m.sheets.removed(tag, sheet);
    }
    setChanged(true);
}
