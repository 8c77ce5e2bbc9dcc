// The one counting rule behind the generated tags and ids of rooms, ports,
// vertical runs, devices, vertices, points and texts.
#include "ductbook.h"

#include "constants_p.h"
#include "ductbook_p.h"
#include "index/namegen_p.h"

using namespace DuctbookConstants;

namespace {

// Per kind: its tag prefix and how the numbers of generated tags and ids are
// written. The two kinds of text tag pad irregularly: a sheet text pads the
// first tag of the job and the numbers tried while a tag is taken, a floor
// text only the latter. Texts keep their text as id.
struct KindRule
{
    const char* tagPrefix;
    NameGen::Padding tagPadding;
    NameGen::Padding idPadding;
};

KindRule ruleOf(ItemKind kind)
{
    switch (kind) {
    case ItemKind::Room:
        return {RoomElement, NameGen::Plain, NameGen::Plain};
    case ItemKind::Port:
        return {PortElement, NameGen::Plain, NameGen::Padded};
    case ItemKind::VertRun:
        return {VerticalRunElement, NameGen::Plain, NameGen::Padded};
    case ItemKind::Device:
        return {DeviceElement, NameGen::Plain, NameGen::Padded};
    case ItemKind::Vertice:
        return {VerticeElement, NameGen::Plain, NameGen::Plain};
    case ItemKind::Point:
        return {PointElement, NameGen::Plain, NameGen::Plain};
    case ItemKind::SheetText:
        return {TTextElement, NameGen::Padding{true, false, true}, NameGen::Plain};
    case ItemKind::FloorText:
        return {TTextElement, NameGen::Padding{false, false, true}, NameGen::Plain};
    }
    return {"", NameGen::Plain, NameGen::Plain};
}

} // namespace

const ItemIndex& DuctbookPrivate::mapOf(ItemKind kind) const
{
    const DuctbookIndexes& m = maps;
    switch (kind) {
    case ItemKind::Room:
        return m.rooms;
    case ItemKind::Port:
        return m.ports;
    case ItemKind::VertRun:
        return m.vertRuns;
    case ItemKind::Device:
        return m.devices;
    case ItemKind::Vertice:
        return m.vertices;
    case ItemKind::Point:
        return m.points;
    case ItemKind::SheetText:
        return m.freeTexts;
    case ItemKind::FloorText:
        break;
    }
    return m.floorFreeTexts;
}

// The existence test that ends a count: by tag across the job, by id with
// the kind's own test. Ports and vertical runs share one name space; room ids
// are tested on the room's floor.
NameGen::Exists DuctbookPrivate::existsTest(ItemKind kind, bool byTag, const QString& floor)
{
    bool (Ductbook::*test)(const QString&, bool) = nullptr;
    switch (kind) {
    case ItemKind::Room:
        if (!byTag)
            return
                [this, floor](const QString& n) { return q->roomExistsOnFloor(floor, n, false); };
        test = &Ductbook::roomExists;
        break;
    case ItemKind::Port:
    case ItemKind::VertRun:
        test = &Ductbook::portOrVertRunExists;
        break;
    case ItemKind::Device:
        test = &Ductbook::deviceExists;
        break;
    case ItemKind::Vertice:
        test = &Ductbook::verticeExists;
        break;
    case ItemKind::Point:
        test = &Ductbook::pointExists;
        break;
    case ItemKind::SheetText:
        test = &Ductbook::freeTextExists;
        break;
    case ItemKind::FloorText:
        test = &Ductbook::floorFreeTextExists;
        break;
    }
    return [this, test, byTag](const QString& n) { return (q->*test)(n, byTag); };
}

// Changes whenever a name that the kind's existence tests look at may have
// become free again.
quint64 DuctbookPrivate::freedGeneration(ItemKind kind) const
{
    if (kind == ItemKind::Port || kind == ItemKind::VertRun)
        return maps.ports.generation() * 1000003u + maps.vertRuns.generation();
    return mapOf(kind).generation();
}

QString DuctbookPrivate::generateTag(ItemKind kind)
{
    const KindRule rule = ruleOf(kind);
    NameGen::Memo& memo = maps.nameMemos[QStringLiteral("tag|%1").arg(int(kind))];
    return NameGen::nextAfterGreatest(mapOf(kind).lastTag(), QLatin1String(rule.tagPrefix),
                                      rule.tagPadding, existsTest(kind, true, QString()), &memo,
                                      freedGeneration(kind));
}

QString DuctbookPrivate::generateId(ItemKind kind, const QString& prefix, const QString& floor)
{
    if (kind == ItemKind::SheetText || kind == ItemKind::FloorText)
        return prefix; // a text is its own id
    const KindRule rule = ruleOf(kind);
    NameGen::Memo& memo =
        maps.nameMemos[QStringLiteral("id|%1|%2|%3").arg(int(kind)).arg(prefix, floor)];
    return NameGen::nextAfterGreatest(mapOf(kind).greatestId(), prefix, rule.idPadding,
                                      existsTest(kind, false, floor), &memo, freedGeneration(kind));
}
