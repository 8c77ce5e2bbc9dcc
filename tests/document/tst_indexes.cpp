// The internal indexes the job keeps beside its tree: the ordered name
// sequences behind the current cable lists and the cable type map, and the
// riser index with the cable lists of the vertical runs.
#include "namesequence_p.h"
#include "riserindex_p.h"

#include <QDomDocument>
#include <QRandomGenerator>
#include <QtTest>

class TestIndexes : public QObject
{
    Q_OBJECT
private slots:
    void nameSequenceKeepsAppendOrder();
    void nameSequenceMatchesAPlainList();
    void riserEditsWaitForAFlush();
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

} // namespace

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

void TestIndexes::riserEditsWaitForAFlush()
{
    QDomDocument doc;
    QDomElement run = runElement(doc, QStringLiteral(",Cable1,,Cable2"), false);
    const QString vr1 = QStringLiteral("VerticalRun1");
    RiserIndex index;
    index.startBuild();
    index.addRun(vr1, run);
    QCOMPARE(index.runsListing(RiserIndex::Connected, QStringLiteral("Cable2")), QStringList{vr1});

    QVERIFY(index.add(vr1, RiserIndex::Connected, QStringLiteral("Cable3")));
    QVERIFY(!index.add(vr1, RiserIndex::Connected, QStringLiteral("Cable1")));
    QVERIFY(index.remove(vr1, RiserIndex::Connected, QStringLiteral("Cable2")));
    // A removal from a list the element lacks must not create it.
    QVERIFY(!index.remove(vr1, RiserIndex::Disconnected, QStringLiteral("Cable2")));
    QCOMPARE(run.attribute(QStringLiteral("connected")), QStringLiteral(",Cable1,,Cable2"));
    QVERIFY(index.isListed(QStringLiteral("Cable3")));
    QVERIFY(!index.isListed(QStringLiteral("Cable2")));

    index.flush(vr1);
    QCOMPARE(run.attribute(QStringLiteral("connected")), QStringLiteral("Cable1,Cable3"));
    QVERIFY(!run.hasAttribute(QStringLiteral("disconnected")));

    // An add creates the missing list; reset writes what is pending.
    QVERIFY(index.add(vr1, RiserIndex::Disconnected, QStringLiteral("Cable9")));
    QVERIFY(index.rename(vr1, RiserIndex::Connected, QStringLiteral("Cable1"),
                         QStringLiteral("Cable4")));
    index.reset();
    QVERIFY(!index.isBuilt());
    QCOMPARE(run.attribute(QStringLiteral("connected")), QStringLiteral("Cable3,Cable4"));
    QCOMPARE(run.attribute(QStringLiteral("disconnected")), QStringLiteral("Cable9"));
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
