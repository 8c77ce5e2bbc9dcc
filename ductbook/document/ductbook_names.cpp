// The one counting rule behind the generated tags and ids of rooms, ports,
// vertical runs, devices, vertices, points and texts.
#include "ductbook.h"

#include "constants_p.h"
#include "ductbook_p.h"
#include "namegen_p.h"

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

// Changes whenever a name that the kind's existence tests look at may have
// become free again. Ports and vertical runs test each other's maps.
quint64 Ductbook::freedGeneration(ItemKind kind) const
{
    const DuctbookIndexes& m = *m_maps;
    switch (kind) {
    case ItemKind::Room:
        return m.rooms.generation();
    case ItemKind::Port:
    case ItemKind::VertRun:
        return m.ports.generation() * 1000003u + m.vertRuns.generation();
    case ItemKind::Device:
        return m.devices.generation();
    case ItemKind::Vertice:
        return m.vertices.generation();
    case ItemKind::Point:
        return m.points.generation();
    case ItemKind::SheetText:
        return m.freeTexts.generation();
    case ItemKind::FloorText:
        return m.floorFreeTexts.generation();
    }
    return 0;
}

QString Ductbook::generateTag(ItemKind kind)
{
    const KindRule rule = ruleOf(kind);
    const TagIndex* map = nullptr;
    NameGen::Exists exists;
    switch (kind) {
    case ItemKind::Room:
        map = &m_maps->rooms;
        exists = [this](const QString& t) { return roomExists(t, true); };
        break;
    case ItemKind::Port:
    case ItemKind::VertRun:
        // Ports and vertical runs share one name space.
        map = kind == ItemKind::Port ? &m_maps->ports : &m_maps->vertRuns;
        exists = [this](const QString& t) { return portOrVertRunExists(t, true); };
        break;
    case ItemKind::Device:
        map = &m_maps->devices;
        exists = [this](const QString& t) { return deviceExists(t, true); };
        break;
    case ItemKind::Vertice:
        map = &m_maps->vertices;
        exists = [this](const QString& t) { return verticeExists(t, true); };
        break;
    case ItemKind::Point:
        map = &m_maps->points;
        exists = [this](const QString& t) { return pointExists(t, true); };
        break;
    case ItemKind::SheetText:
        map = &m_maps->freeTexts;
        exists = [this](const QString& t) { return freeTextExists(t, true); };
        break;
    case ItemKind::FloorText:
        map = &m_maps->floorFreeTexts;
        exists = [this](const QString& t) { return floorFreeTextExists(t, true); };
        break;
    }
    const quint64 generation = freedGeneration(kind);
    NameGen::Memo& memo = m_maps->nameMemos[QStringLiteral("tag|%1").arg(int(kind))];
    return NameGen::nextAfterGreatest(map->lastTag(), QLatin1String(rule.tagPrefix),
                                      rule.tagPadding, exists, &memo, generation);
}

QString Ductbook::generateId(ItemKind kind, const QString& prefix, const QString& floor)
{
    const KindRule rule = ruleOf(kind);
    const TagIndex* map = nullptr;
    NameGen::Exists exists;
    switch (kind) {
    case ItemKind::Room:
        map = &m_maps->rooms;
        exists = [this, floor](const QString& i) { return roomExistsOnFloor(floor, i, false); };
        break;
    case ItemKind::Port:
    case ItemKind::VertRun:
        map = kind == ItemKind::Port ? &m_maps->ports : &m_maps->vertRuns;
        exists = [this](const QString& i) { return portOrVertRunExists(i, false); };
        break;
    case ItemKind::Device:
        map = &m_maps->devices;
        exists = [this](const QString& i) { return deviceExists(i, false); };
        break;
    case ItemKind::Vertice:
        map = &m_maps->vertices;
        exists = [this](const QString& i) { return verticeExists(i, false); };
        break;
    case ItemKind::Point:
        map = &m_maps->points;
        exists = [this](const QString& i) { return pointExists(i, false); };
        break;
    case ItemKind::SheetText:
    case ItemKind::FloorText:
        return prefix; // a text is its own id
    }
    const quint64 generation = freedGeneration(kind);
    NameGen::Memo& memo =
        m_maps->nameMemos[QStringLiteral("id|%1|%2|%3").arg(int(kind)).arg(prefix, floor)];
    return NameGen::nextAfterGreatest(map->greatestId(), prefix, rule.idPadding, exists, &memo,
                                      generation);
}
