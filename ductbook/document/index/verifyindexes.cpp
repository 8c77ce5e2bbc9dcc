// The check behind verifyJobIndexes(): the derived state kept beside the tree
// against the same state built afresh from the tree.
#include "index/verifyindexes_p.h"

#ifdef DUCTBOOK_VERIFY_INDEXES

#include "ductbook_p.h"

#include <QSet>

#include <utility>

namespace {

QSet<QString> asSet(const QStringList& list)
{
    return QSet<QString>(list.cbegin(), list.cend());
}

// The names sorted, each in quotes (an empty name shows as "").
QString joined(QStringList list)
{
    list.sort();
    for (QString& name : list)
        name = QLatin1Char('"') + name + QLatin1Char('"');
    return list.join(QLatin1Char(' '));
}

class Comparison
{
public:
    QStringList problems;

    void tags(const char* kind, const TagIndex& kept, const TagIndex& fresh)
    {
        if (kept.sameEntries(fresh))
            return;
        QString first;
        const QMap<QString, QString>& a = kept.map();
        const QMap<QString, QString>& b = fresh.map();
        for (auto it = b.cbegin(); it != b.cend() && first.isEmpty(); ++it) {
            if (!a.contains(it.key()) || a.value(it.key()) != it.value())
                first = QStringLiteral("%1 -> \"%2\" in the tree, \"%3\" kept")
                            .arg(it.key(), it.value(), a.value(it.key(), QStringLiteral("(none)")));
        }
        for (auto it = a.cbegin(); it != a.cend() && first.isEmpty(); ++it) {
            if (!b.contains(it.key()))
                first = QStringLiteral("%1 kept, not in the tree").arg(it.key());
        }
        if (first.isEmpty())
            first = QStringLiteral("the reverse lookup by id differs");
        problems.append(QStringLiteral("%1 map: %2").arg(QLatin1String(kind), first));
    }

    // Every element a rebuild enters is what a lookup through the kept cache
    // finds (directly, or by the walk that an indefinite miss falls back to),
    // and a cache whose rebuild is irregular is known to be irregular.
    void elements(const char* kind, const ElementCache& kept, const ElementCache& fresh)
    {
        if (fresh.irregular() && !kept.irregular())
            problems.append(QStringLiteral("%1 elements: the tree repeats a tag, the cache does "
                                           "not know it")
                                .arg(QLatin1String(kind)));
        const QHash<QString, QDomElement>& all = fresh.elements();
        for (auto it = all.cbegin(); it != all.cend(); ++it) {
            const QDomElement list = it.value().parentNode().toElement();
            bool definite = false;
            QDomElement found = kept.find(it.key(), list, &definite);
            if (found.isNull() && !definite)
                found = list.firstChildElement(it.key());
            if (found != it.value()) {
                problems.append(QStringLiteral("%1 elements: %2 is not found through the cache")
                                    .arg(QLatin1String(kind), it.key()));
                return;
            }
        }
    }

    void sameSet(const QString& what, const QStringList& kept, const QStringList& fresh)
    {
        if (kept.size() != fresh.size() || asSet(kept) != asSet(fresh))
            problems.append(QStringLiteral("%1: [%2] kept, [%3] in the tree")
                                .arg(what, joined(kept), joined(fresh)));
    }

    void cableIndex(const CableIndex& kept, const CableIndex& fresh)
    {
        if (!kept.built)
            return;
        sameSet(QStringLiteral("cable index entries"), kept.entries.keys(), fresh.entries.keys());
        for (auto it = fresh.entries.cbegin(); it != fresh.entries.cend(); ++it) {
            const CableEntry k = kept.entries.value(it.key());
            if (k.from != it->from || k.to != it->to || k.group != it->group ||
                asSet(k.points) != asSet(it->points) || k.points.size() != it->points.size())
                problems.append(QStringLiteral("cable index: the entry of %1 differs from its "
                                               "element")
                                    .arg(it.key()));
        }
        filed(QStringLiteral("end"), kept.byEnd, fresh.byEnd);
        filed(QStringLiteral("bundle group"), kept.byGroup, fresh.byGroup);
        filed(QStringLiteral("path point"), kept.byPoint, fresh.byPoint);
        if (kept.idWord == fresh.idWord && kept.threeDigitIds != fresh.threeDigitIds)
            problems.append(QStringLiteral("cable index: the count of three-digit ids differs"));
    }

    // The cables filed under each key, in the order of the current cables.
    void filed(const QString& what, const QHash<QString, CablesInOrder>& kept,
               const QHash<QString, CablesInOrder>& fresh)
    {
        sameSet(QStringLiteral("cable index keys by %1").arg(what), kept.keys(), fresh.keys());
        for (auto it = fresh.cbegin(); it != fresh.cend(); ++it) {
            const QStringList k = kept.value(it.key()).values();
            if (k != it->values())
                problems.append(QStringLiteral("cable index by %1 \"%2\": [%3] kept, [%4] in the "
                                               "tree")
                                    .arg(what, it.key(), k.join(QLatin1Char(' ')),
                                         it->values().join(QLatin1Char(' '))));
        }
    }

    void connectionIndex(const ConnectionIndex& kept, const ConnectionIndex& fresh)
    {
        if (!kept.built)
            return;
        if (kept.ends != fresh.ends || kept.byEnd != fresh.byEnd)
            problems.append(QStringLiteral("connection index: the ends differ from the tree"));
    }

    void cableTypes(const CableTypeMap& kept, const CableTypeMap& fresh)
    {
        sameSet(QStringLiteral("cable types"), kept.types(), fresh.types());
        for (const QString& type : fresh.types())
            sameSet(QStringLiteral("cables of type \"%1\"").arg(type), kept.cables(type),
                    fresh.cables(type));
    }
};

} // namespace

QStringList DuctbookPrivate::verifyIndexes()
{
    // The kept state steps aside while the tree rebuilds it; the rebuild only
    // reads the tree. What was kept comes back afterwards, whatever the result.
    DuctbookIndexes kept = std::move(maps);
    maps = DuctbookIndexes();
    q->updateAllInternalLists();
    // A tag map the host set itself is not derived from the tree; the walks
    // follow it (the riser index holds the runs of the floors it names).
    if (kept.floors.namesFromHost())
        maps.floors = kept.floors;
    if (kept.sheets.namesFromHost())
        maps.sheets = kept.sheets;
    if (kept.cableIndex.built)
        state();
    if (kept.connectionIndex.built)
        connectionState();
    if (kept.risers.isBuilt()) {
        if (kept.risers.orderKnown())
            orderedRisers();
        else
            risers();
    }
    DuctbookIndexes fresh = std::move(maps);
    maps = std::move(kept);

    Comparison c;
    const std::pair<const char*, ItemIndex DuctbookIndexes::*> kinds[] = {
        {"cable", &DuctbookIndexes::cables},
        {"connection", &DuctbookIndexes::connections},
        {"sheet", &DuctbookIndexes::sheets},
        {"device", &DuctbookIndexes::devices},
        {"vertex", &DuctbookIndexes::vertices},
        {"sheet text", &DuctbookIndexes::freeTexts},
        {"floor", &DuctbookIndexes::floors},
        {"room", &DuctbookIndexes::rooms},
        {"port", &DuctbookIndexes::ports},
        {"active port", &DuctbookIndexes::activePorts},
        {"vertical run", &DuctbookIndexes::vertRuns},
        {"point", &DuctbookIndexes::points},
        {"floor text", &DuctbookIndexes::floorFreeTexts},
    };
    for (const auto& [kind, member] : kinds) {
        c.tags(kind, (maps.*member).names(), (fresh.*member).names());
        c.elements(kind, (maps.*member).elements(), (fresh.*member).elements());
    }
    // The current cables keep the order of the edits; what must agree is
    // which tags and ids they are.
    c.sameSet(QStringLiteral("current cable tags"), maps.currentCableTags.list(),
              fresh.currentCableTags.list());
    c.sameSet(QStringLiteral("current cable ids"), maps.currentCableIds.list(),
              fresh.currentCableIds.list());
    c.cableTypes(maps.cableTypes, fresh.cableTypes);
    c.cableIndex(maps.cableIndex, fresh.cableIndex);
    c.connectionIndex(maps.connectionIndex, fresh.connectionIndex);
    if (maps.risers.isBuilt() && fresh.risers.isBuilt())
        c.problems.append(maps.risers.differences(fresh.risers));
    else if (maps.risers.isBuilt())
        c.problems.append(
            QStringLiteral("the riser index is kept while the tree repeats run tags"));
    return c.problems;
}

QStringList verifyJobIndexes()
{
    DuctbookPrivate* d = DuctbookPrivate::current();
    return d ? d->verifyIndexes() : QStringList();
}

#endif
