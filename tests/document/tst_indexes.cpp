// The internal indexes the job keeps beside its tree: the tag/id maps, the
// element caches, the ordered name sequences behind the current cable lists
// and the cable type map, and the riser index with the cable lists of the
// vertical runs. Each structure is driven by a seeded random sequence of
// edits and checked against the plain model it stands in for.
#include "index/cableindex_p.h"
#include "index/elementcache_p.h"
#include "index/namesequence_p.h"
#include "index/riserindex_p.h"
#include "index/tagindex_p.h"

#include <QDomDocument>
#include <QRandomGenerator>
#include <QtTest>

class TestIndexes : public QObject
{
    Q_OBJECT
private slots:
    void tagIndexMatchesAPlainMap();
    void elementCacheAnswersAsAWalkWould();
    void cableTypeMapMatchesPlainLists();
    void nameSequenceKeepsAppendOrder();
    void nameSequenceMatchesAPlainList();
    void riserEditsReachTheTreeAtOnce();
    void riserTextFollowsASeededSequence();
    void riserListsWithRepeatsAreEditedInTheText_data();
    void riserListsWithRepeatsAreEditedInTheText();
};

namespace {

QDomElement runElement(QDomDocument& doc, const QString& connected, bool withDisconnected)
{
    QDomElement run = doc.createElement(QStringLiteral("VerticalRun1"));
    doc.appendChild(run);
    run.setAttribute(QStringLiteral("connected"), connected);
    if (withDisconnected)
        run.setAttribute(QStringLiteral("disconnected"), QString());
    return run;
}

// The first element of list named tag, found the slow way.
QDomElement walk(const QDomElement& list, const QString& tag)
{
    return list.firstChildElement(tag);
}

} // namespace

// Tag -> id with the reverse id -> tags, the greatest keys and a generation
// that name generation trusts: it must change whenever a tag or an id may
// have become free again, and stay when items were only added.
void TestIndexes::tagIndexMatchesAPlainMap()
{
    QRandomGenerator random(7);
    TagIndex index;
    QMap<QString, QString> plain;
    for (int round = 0; round < 20000; ++round) {
        const QString tag = QStringLiteral("Room%1").arg(random.bounded(60));
        const QString id = QStringLiteral("R%1").arg(random.bounded(25));
        const quint64 generation = index.generation();
        bool freed = false;
        switch (random.bounded(6)) {
        case 0:
        case 1: // add or rename
            freed = plain.contains(tag) && plain.value(tag) != id;
            index.insert(tag, id);
            plain.insert(tag, id);
            break;
        case 2: // a rebuild from a file that repeats a tag keeps the first
            QCOMPARE(index.insertIfAbsent(tag, id), !plain.contains(tag));
            if (!plain.contains(tag))
                plain.insert(tag, id);
            break;
        case 3:
            freed = plain.remove(tag) > 0;
            index.remove(tag);
            break;
        case 4:
            if (round % 500 == 0) { // reload
                index.assign(plain);
                freed = true;
            }
            break;
        default: {
            QStringList tagsOfId;
            for (auto it = plain.cbegin(); it != plain.cend(); ++it) {
                if (it.value() == id)
                    tagsOfId.append(it.key());
            }
            QCOMPARE(index.tagsWithId(id), tagsOfId);
            QCOMPARE(index.firstTag(id), tagsOfId.value(0));
            QCOMPARE(index.containsId(id), !tagsOfId.isEmpty());
            QCOMPARE(index.containsTag(tag), plain.contains(tag));
            QCOMPARE(index.id(tag), plain.value(tag));
            QCOMPARE(index.lastTag(), plain.isEmpty() ? QString() : plain.lastKey());
            QStringList ids = plain.values();
            std::sort(ids.begin(), ids.end());
            QCOMPARE(index.greatestId(), ids.isEmpty() ? QString() : ids.constLast());
            break;
        }
        }
        if (freed)
            QVERIFY2(index.generation() != generation, qPrintable(tag));
        else
            QCOMPARE(index.generation(), generation);
        QCOMPARE(index.size(), int(plain.size()));
    }
    QCOMPARE(index.map(), plain);
    QCOMPARE(index.tags(), plain.keys());
    QCOMPARE(index.ids(), plain.values());
}

// Items are added to three lists, removed, and moved between lists (as a
// removed room's ports move to "Undefined"), sometimes under a tag another
// list already holds. Whatever the cache answers must be what a walk of the
// list finds, and a miss it calls definite must be one.
void TestIndexes::elementCacheAnswersAsAWalkWould()
{
    QRandomGenerator random(11);
    QDomDocument doc;
    QDomElement root = doc.createElement(QStringLiteral("Job"));
    doc.appendChild(root);
    QList<QDomElement> lists;
    for (int i = 0; i < 3; ++i)
        lists.append(root.appendChild(doc.createElement(QStringLiteral("List%1").arg(i)))
                         .toElement());
    const auto allItems = [&] {
        QList<QDomElement> items;
        for (const QDomElement& list : lists) {
            for (QDomElement e = list.firstChildElement(); !e.isNull();
                 e = e.nextSiblingElement())
                items.append(e);
        }
        return items;
    };
    ElementCache cache;
    int definiteMisses = 0;
    for (int round = 0; round < 20000; ++round) {
        const QString tag = QStringLiteral("Port%1").arg(random.bounded(40));
        QDomElement list = lists[random.bounded(3)];
        const QList<QDomElement> items = allItems();
        switch (random.bounded(7)) {
        case 0:
        case 1: { // an add operation files a new element under a free tag
            bool taken = false;
            for (const QDomElement& e : items)
                taken = taken || e.tagName() == tag;
            // A file may repeat a tag; the operations never create one,
            // except now and then here to stand for such a file.
            if (taken && random.bounded(200) != 0)
                break;
            QDomElement e = doc.createElement(tag);
            list.appendChild(e);
            cache.insert(tag, e);
            break;
        }
        case 2: // remove
            if (!items.isEmpty()) {
                QDomElement e = items[random.bounded(int(items.size()))];
                cache.remove(e.tagName(), e);
                e.parentNode().removeChild(e);
            }
            break;
        case 3: // move to another list; the cache keeps the element
            if (!items.isEmpty())
                list.appendChild(items[random.bounded(int(items.size()))]);
            break;
        case 4: // reload: rebuilt from the tree, first element of a tag wins
            if (round % 300 == 0) {
                cache.clear();
                for (const QDomElement& e : items)
                    cache.addFromFile(e.tagName(), e);
            }
            break;
        default: {
            bool definite = false;
            const QDomElement found = cache.find(tag, list, &definite);
            const QDomElement walked = walk(list, tag);
            if (!found.isNull()) {
                QCOMPARE(found.tagName(), tag);
                QVERIFY(found.parentNode() == list);
                if (!cache.irregular())
                    QVERIFY(found == walked);
            } else if (definite) {
                QVERIFY2(walked.isNull(), qPrintable(tag));
                ++definiteMisses;
            }
            break;
        }
        }
    }
    // The check above is only worth something if definite misses happened.
    QVERIFY(definiteMisses > 100);
}

// Type -> cables in the order each came to its type, with a cable filed under
// one type only; the reverse index is built on the first edit after assign.
void TestIndexes::cableTypeMapMatchesPlainLists()
{
    QRandomGenerator random(5);
    CableTypeMap map;
    QMap<QString, QStringList> plain;
    const QStringList types{QStringLiteral("CAT5e"), QStringLiteral("CAT6"),
                            QStringLiteral("CAT6A"), QString()};
    const auto removeFromPlain = [&](const QString& tag) {
        for (auto it = plain.begin(); it != plain.end();) {
            it->removeOne(tag);
            it = it->isEmpty() ? plain.erase(it) : std::next(it);
        }
    };
    for (int round = 0; round < 20000; ++round) {
        const QString tag = QStringLiteral("Cable%1").arg(random.bounded(80));
        const QString type = types[random.bounded(int(types.size()))];
        switch (random.bounded(5)) {
        case 0:
        case 1:
            map.add(type, tag);
            removeFromPlain(tag);
            plain[type].append(tag);
            break;
        case 2:
            map.remove(tag);
            removeFromPlain(tag);
            break;
        case 3:
            if (round % 400 == 0) // reload
                map.assign(plain);
            break;
        default:
            for (const QString& t : types)
                QCOMPARE(map.cables(t), plain.value(t));
            break;
        }
    }
    for (const QString& t : types)
        QCOMPARE(map.cables(t), plain.value(t));
}

void TestIndexes::nameSequenceKeepsAppendOrder()
{
    NameSequence s;
    QVERIFY(s.append(QStringLiteral("Cable1")));
    QVERIFY(s.append(QStringLiteral("Cable2")));
    QVERIFY(s.append(QStringLiteral("Cable3")));
    QVERIFY(!s.append(QStringLiteral("Cable2"))); // already there: stays in place
    QVERIFY(s.remove(QStringLiteral("Cable1")));
    QVERIFY(!s.remove(QStringLiteral("Cable1")));
    QVERIFY(s.append(QStringLiteral("Cable1"))); // back, now last
    QCOMPARE(s.list(), (QStringList{QStringLiteral("Cable2"), QStringLiteral("Cable3"),
                                    QStringLiteral("Cable1")}));
    QCOMPARE(s.last(), QStringLiteral("Cable1"));
    QVERIFY(s.remove(QStringLiteral("Cable1")));
    QCOMPARE(s.last(), QStringLiteral("Cable3"));
    // A null and an empty name are one name, as in the file.
    QVERIFY(s.append(QString()));
    QVERIFY(!s.append(QStringLiteral("")));
    QCOMPARE(s.size(), 3);
    s.clear();
    QVERIFY(s.isEmpty());
    QCOMPARE(s.last(), QString());
    QVERIFY(s.list().isEmpty());
}

// Holes left by removals are squeezed out now and then; whatever the mix of
// operations, the sequence must answer as a plain list with the same edits.
void TestIndexes::nameSequenceMatchesAPlainList()
{
    QRandomGenerator random(13);
    NameSequence s;
    QStringList plain;
    // A loaded job assigns the whole list first.
    for (int i = 0; i < 300; i += 3)
        plain.append(QString::number(i));
    s.assign(plain);
    QCOMPARE(s.size(), plain.size());
    QCOMPARE(s.last(), QStringLiteral("297"));
    for (int round = 0; round < 20000; ++round) {
        const QString name = QString::number(random.bounded(300));
        switch (random.bounded(4)) {
        case 0:
        case 1:
            QCOMPARE(s.append(name), !plain.contains(name));
            if (!plain.contains(name))
                plain.append(name);
            break;
        case 2:
            QCOMPARE(s.remove(name), plain.removeOne(name));
            break;
        default:
            QCOMPARE(s.contains(name), plain.contains(name));
            QCOMPARE(s.last(), plain.isEmpty() ? QString() : plain.constLast());
            if (round % 50 == 0)
                QCOMPARE(s.list(), plain);
            break;
        }
        QCOMPARE(s.size(), plain.size());
    }
    QCOMPARE(s.list(), plain);
}

void TestIndexes::riserEditsReachTheTreeAtOnce()
{
    QDomDocument doc;
    QDomElement run = runElement(doc, QStringLiteral(",Cable1,,Cable2"), false);
    const QString vr1 = QStringLiteral("VerticalRun1");
    const auto connected = [&run] { return run.attribute(QStringLiteral("connected")); };
    RiserIndex index;
    index.startBuild();
    index.addRun(vr1, run);
    QCOMPARE(index.runsListing(RiserIndex::Connected, QStringLiteral("Cable2")), QStringList{vr1});

    // The first edit writes an untidy text out whole; later ones edit it.
    QVERIFY(index.add(vr1, RiserIndex::Connected, QStringLiteral("Cable3")));
    QCOMPARE(connected(), QStringLiteral("Cable1,Cable2,Cable3"));
    QVERIFY(!index.add(vr1, RiserIndex::Connected, QStringLiteral("Cable1")));
    QVERIFY(index.remove(vr1, RiserIndex::Connected, QStringLiteral("Cable2")));
    QCOMPARE(connected(), QStringLiteral("Cable1,Cable3"));
    // A removal from a list the element lacks must not create it.
    QVERIFY(!index.remove(vr1, RiserIndex::Disconnected, QStringLiteral("Cable2")));
    QVERIFY(!run.hasAttribute(QStringLiteral("disconnected")));
    QVERIFY(index.isListed(QStringLiteral("Cable3")));
    QVERIFY(!index.isListed(QStringLiteral("Cable2")));

    // An add creates the missing list.
    QVERIFY(index.add(vr1, RiserIndex::Disconnected, QStringLiteral("Cable9")));
    QCOMPARE(run.attribute(QStringLiteral("disconnected")), QStringLiteral("Cable9"));
    QVERIFY(index.rename(vr1, RiserIndex::Connected, QStringLiteral("Cable1"),
                         QStringLiteral("Cable4")));
    QCOMPARE(connected(), QStringLiteral("Cable3,Cable4"));

    // A batch writes each list it changed once, at its end; a text edit
    // inside it (a name with a comma) starts from the edits before it.
    index.beginBatch();
    QVERIFY(index.remove(vr1, RiserIndex::Connected, QStringLiteral("Cable3")));
    QVERIFY(index.add(vr1, RiserIndex::Connected, QStringLiteral("Cable5")));
    QVERIFY(index.remove(vr1, RiserIndex::Disconnected, QStringLiteral("Cable9")));
    QCOMPARE(connected(), QStringLiteral("Cable3,Cable4"));
    QVERIFY(index.add(vr1, RiserIndex::Connected, QStringLiteral("A,B")));
    QCOMPARE(connected(), QStringLiteral("Cable4,Cable5,A,B"));
    index.endBatch();
    QCOMPARE(run.attribute(QStringLiteral("disconnected")), QString());
    QCOMPARE(connected(), QStringLiteral("Cable4,Cable5,A,B"));

    index.reset();
    QVERIFY(!index.isBuilt());
    QCOMPARE(connected(), QStringLiteral("Cable4,Cable5,A,B"));
}

// The text is edited in place (a name cut out, a name appended): names that
// contain one another ("Cable1" in "Cable10" and "XCable1") must never be
// cut in the wrong place. A seeded random sequence against a plain list.
void TestIndexes::riserTextFollowsASeededSequence()
{
    const QStringList pool = {QStringLiteral("Cable1"),  QStringLiteral("Cable10"),
                              QStringLiteral("XCable1"), QStringLiteral("Cable"),
                              QStringLiteral("able1"),   QStringLiteral("C")};
    QDomDocument doc;
    QDomElement run = runElement(doc, QStringLiteral("Cable10,Cable1"), false);
    const QString vr1 = QStringLiteral("VerticalRun1");
    RiserIndex index;
    index.startBuild();
    index.addRun(vr1, run);
    QStringList plain = {QStringLiteral("Cable10"), QStringLiteral("Cable1")};
    QRandomGenerator random(13);
    for (int round = 0; round < 2000; ++round) {
        const QString name = pool.at(random.bounded(int(pool.size())));
        switch (random.bounded(3)) {
        case 0:
            QCOMPARE(index.add(vr1, RiserIndex::Connected, name), !plain.contains(name));
            if (!plain.contains(name))
                plain.append(name);
            break;
        case 1:
            QCOMPARE(index.remove(vr1, RiserIndex::Connected, name), plain.removeOne(name));
            break;
        default: {
            const QString to = pool.at(random.bounded(int(pool.size())));
            const bool listed = plain.contains(name);
            QCOMPARE(index.rename(vr1, RiserIndex::Connected, name, to), listed);
            if (listed) {
                plain.removeOne(name);
                if (!plain.contains(to))
                    plain.append(to);
            }
            break;
        }
        }
        QCOMPARE(run.attribute(QStringLiteral("connected")), plain.join(QLatin1Char(',')));
        QCOMPARE(index.runsListing(RiserIndex::Connected, name),
                 plain.contains(name) ? QStringList{vr1} : QStringList());
    }
}

// A list that names a tag twice is no set; it is edited in its text at once,
// with the effect the text edits always had. So is a name with a comma.
void TestIndexes::riserListsWithRepeatsAreEditedInTheText_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("edit"); // 0 add, 1 remove, 2 rename to "Cable5"
    QTest::addColumn<QString>("cable");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("add to a list with repeats")
        << "Cable1,Cable2,Cable1" << 0 << "Cable3"
        << "Cable1,Cable2,Cable1,Cable3" << QStringList{"Cable1", "Cable2", "Cable3"};
    QTest::newRow("remove a repeated tag") << "Cable1,Cable2,Cable1" << 1 << "Cable1"
                                           << "Cable2" << QStringList{"Cable2"};
    QTest::newRow("rename a repeated tag") << "Cable1,Cable2,Cable1" << 2 << "Cable1"
                                           << "Cable2,Cable5" << QStringList{"Cable2", "Cable5"};
    QTest::newRow("add a name with a comma")
        << "Cable1" << 0 << "Cable2,Cable1"
        << "Cable1,Cable2,Cable1" << QStringList{"Cable1", "Cable2"};
}

void TestIndexes::riserListsWithRepeatsAreEditedInTheText()
{
    QFETCH(QString, stored);
    QFETCH(int, edit);
    QFETCH(QString, cable);
    QFETCH(QString, written);
    QFETCH(QStringList, listed);
    QDomDocument doc;
    QDomElement run = runElement(doc, stored, true);
    const QString vr1 = QStringLiteral("VerticalRun1");
    RiserIndex index;
    index.startBuild();
    index.addRun(vr1, run);
    if (edit == 0)
        index.add(vr1, RiserIndex::Connected, cable);
    else if (edit == 1)
        index.remove(vr1, RiserIndex::Connected, cable);
    else
        index.rename(vr1, RiserIndex::Connected, cable, QStringLiteral("Cable5"));
    // Written at once, before any flush.
    QCOMPARE(run.attribute(QStringLiteral("connected")), written);
    QStringList found;
    for (const QString& c : index.listedCables(RiserIndex::Connected))
        found.append(c);
    found.sort();
    QCOMPARE(found, listed);
}

QTEST_GUILESS_MAIN(TestIndexes)
#include "tst_indexes.moc"
