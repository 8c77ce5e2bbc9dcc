#include "device.h"
#include "floor.h"
#include "freetext.h"
#include "port.h"
#include "room.h"
#include "sheet.h"
#include "vertice.h"
#include "vertrun.h"

#include <QObject>
#include <QtTest>

#include <type_traits>

namespace {

QString num(double value)
{
    return QString::number(value);
}

QString describe(const Floor& f)
{
    return QStringLiteral("element=%1 id=%2 pic=%3 ceiling=%4")
        .arg(f.element(), f.id(), f.pic(), num(f.ceilingHeight()));
}

QString describe(const Sheet& s)
{
    return QStringLiteral("element=%1 id=%2").arg(s.element(), s.id());
}

QString describe(const Room& r)
{
    return QStringLiteral("element=%1 x=%2 y=%3 w=%4 h=%5 nameX=%6 nameY=%7 dims=%8 name=%9")
               .arg(r.element(), num(r.x()), num(r.y()), num(r.width()), num(r.height()),
                    num(r.roomNameX()), num(r.roomNameY()), num(r.showDimensions()),
                    num(r.showRoomName())) +
           QStringLiteral(" id=%1 floor=%2 layer=%3").arg(r.id(), r.floor(), num(r.layer()));
}

QString describe(const Port& p)
{
    return QStringLiteral("element=%1 x=%2 y=%3 id=%4 floor=%5 room=%6 use=%7 scale=%8 drop=%9")
        .arg(p.element(), num(p.x()), num(p.y()), p.id(), p.floor(), p.room(), p.use(),
             p.iconScale(), num(p.dropHeight()));
}

QString describe(const VertRun& v)
{
    return describe(static_cast<const Port&>(v)) +
           QStringLiteral(" connected=[%1] disconnected=[%2]")
               .arg(v.connected().join(QLatin1Char(',')), v.disconnected().join(QLatin1Char(',')));
}

QString describe(const Device& d)
{
    return QStringLiteral("element=%1 x=%2 y=%3 sheet=%4 id=%5 ip=%6 pic=%7 scale=%8")
        .arg(d.element(), num(d.x()), num(d.y()), d.sheet(), d.id(), d.ip(), d.pic(),
             d.iconScale());
}

QString describe(const Vertice& v)
{
    return QStringLiteral("element=%1 x=%2 y=%3 sheet=%4 id=%5")
        .arg(v.element(), num(v.x()), num(v.y()), v.sheet(), v.id());
}

QString describe(const FreeText& t)
{
    return QStringLiteral("element=%1 x=%2 y=%3 sheet=%4 id=%5 size=%6")
        .arg(t.element(), num(t.x()), num(t.y()), t.sheet(), t.id(), num(t.fontSize()));
}

QString s(const char* text)
{
    return QString::fromLatin1(text);
}

QStringList list(std::initializer_list<const char*> items)
{
    QStringList result;
    for (const char* item : items)
        result.append(QString::fromLatin1(item));
    return result;
}

Floor sampleFloor()
{
    return Floor(s("FFloor_2"), s("Ground"), s("/plans/g.png"), 9.5);
}
Sheet sampleSheet()
{
    return Sheet(s("SSheet_1"), s("Core"));
}
Room sampleRoom()
{
    return Room(s("Room4"), 1.5, 2.5, 30, 40, s("Lab"), s("FFloor_1"), 5, 6, 0, 1, 2);
}
Port samplePort()
{
    return Port(11, 22, s("Port7"), s("P-007"), s("FFloor_1"), s("Room4"), s("Network"), s("1.5"),
                3.25);
}
VertRun sampleVertRun()
{
    return VertRun(5, 6, s("VerticalRun3"), s("Riser A"), s("FFloor_2"), s("Undefined"),
                   s("vertical_run"), s("2"), list({"Cable1", "Cable2"}), list({"Cable9"}), 4.5);
}
Device sampleDevice()
{
    return Device(s("Device3"), 70, 80, s("Core switch"), s("SSheet_1"), s("10.0.0.1"),
                  s(":/images/switch.png"), s("0.5"));
}
Vertice sampleVertice()
{
    return Vertice(s("Vertice9"), 3, 4, s("SSheet_2"), s("bend"));
}
FreeText sampleFreeText()
{
    return FreeText(s("TText2"), 8, 9, s("Hello"), s("SSheet_1"), 14);
}

template <typename T>
void checkCopySemantics(const T& filled)
{
    QObject sourceParent;
    QObject targetParent;
    T source(filled);
    source.setParent(&sourceParent);

    T copy(source);
    QCOMPARE(copy.parent(), &sourceParent);
    QCOMPARE(describe(copy), describe(filled));

    T assigned;
    assigned.setParent(&targetParent);
    assigned = source;
    QCOMPARE(assigned.parent(), &targetParent);
    QCOMPARE(describe(assigned), describe(filled));

    T& alias = assigned;
    assigned = alias;
    QCOMPARE(describe(assigned), describe(filled));

    QCOMPARE(T().parent(), nullptr);
    QCOMPARE(T(filled).parent(), nullptr);
}

} // namespace

class TestFloorPlanRecords : public QObject
{
    Q_OBJECT

private slots:
    void records_data();
    void records();
    void copySemantics();
    void gettersReturnReferencesOrCopies();
    void verticeEquality_data();
    void verticeEquality();
    void vertRunListFromText_data();
    void vertRunListFromText();
    void vertRunRemoveTakesEveryOccurrence();
    void vertRunAddKeepsDuplicates();
    void vertRunAssignmentCopiesPortPart();
};

void TestFloorPlanRecords::records_data()
{
    QTest::addColumn<QString>("actual");
    QTest::addColumn<QString>("expected");

    QTest::newRow("default Floor has ceiling 8")
        << describe(Floor()) << s("element= id= pic= ceiling=8");
    QTest::newRow("Floor takes element, id, pic, height")
        << describe(sampleFloor()) << s("element=FFloor_2 id=Ground pic=/plans/g.png ceiling=9.5");
    QTest::newRow("default Sheet is empty") << describe(Sheet()) << s("element= id=");
    QTest::newRow("Sheet takes element, id")
        << describe(sampleSheet()) << s("element=SSheet_1 id=Core");
    QTest::newRow("default Room is undrawn with everything shown on layer 3")
        << describe(Room())
        << s("element= x=-1 y=-1 w=-1 h=-1 nameX=0 nameY=0 dims=3 name=3 id= floor= layer=3");
    QTest::newRow("Room takes geometry, id, floor, then label and flags")
        << describe(sampleRoom())
        << s("element=Room4 x=1.5 y=2.5 w=30 h=40 nameX=5 nameY=6 dims=0 name=1 id=Lab "
             "floor=FFloor_1 layer=2");
    QTest::newRow("default Port is unplaced, default icon, drop 7")
        << describe(Port())
        << s("element= x=-1 y=-1 id= floor= room= use= scale=not_specified drop=7");
    QTest::newRow("Port takes x and y first")
        << describe(samplePort())
        << s("element=Port7 x=11 y=22 id=P-007 floor=FFloor_1 room=Room4 use=Network scale=1.5 "
             "drop=3.25");
    QTest::newRow("default VertRun is a default Port with empty lists")
        << describe(VertRun())
        << s("element= x=-1 y=-1 id= floor= room= use= scale=not_specified drop=7 connected=[] "
             "disconnected=[]");
    QTest::newRow("VertRun from two lists keeps Port defaults")
        << describe(VertRun(list({"Cable1"}), list({"Cable2", "Cable3"})))
        << s("element= x=-1 y=-1 id= floor= room= use= scale=not_specified drop=7 "
             "connected=[Cable1] disconnected=[Cable2,Cable3]");
    QTest::newRow("VertRun takes lists before the drop height")
        << describe(sampleVertRun())
        << s("element=VerticalRun3 x=5 y=6 id=Riser A floor=FFloor_2 room=Undefined "
             "use=vertical_run scale=2 drop=4.5 connected=[Cable1,Cable2] disconnected=[Cable9]");
    QTest::newRow("default Device is unplaced with default icon")
        << describe(Device()) << s("element= x=-1 y=-1 sheet= id= ip= pic= scale=not_specified");
    QTest::newRow("Device takes id before sheet")
        << describe(sampleDevice())
        << s("element=Device3 x=70 y=80 sheet=SSheet_1 id=Core switch ip=10.0.0.1 "
             "pic=:/images/switch.png scale=0.5");
    QTest::newRow("default Vertice is unplaced")
        << describe(Vertice()) << s("element= x=-1 y=-1 sheet= id=");
    QTest::newRow("Vertice takes sheet before id")
        << describe(sampleVertice()) << s("element=Vertice9 x=3 y=4 sheet=SSheet_2 id=bend");
    QTest::newRow("default FreeText has size 10")
        << describe(FreeText()) << s("element= x=-1 y=-1 sheet= id= size=10");
    QTest::newRow("FreeText takes id before sheet")
        << describe(sampleFreeText())
        << s("element=TText2 x=8 y=9 sheet=SSheet_1 id=Hello size=14");
}

void TestFloorPlanRecords::records()
{
    QFETCH(QString, actual);
    QFETCH(QString, expected);
    QCOMPARE(actual, expected);
}

void TestFloorPlanRecords::copySemantics()
{
    checkCopySemantics(sampleFloor());
    checkCopySemantics(sampleSheet());
    checkCopySemantics(sampleRoom());
    checkCopySemantics(samplePort());
    checkCopySemantics(sampleVertRun());
    checkCopySemantics(sampleDevice());
    checkCopySemantics(sampleVertice());
    checkCopySemantics(sampleFreeText());
}

void TestFloorPlanRecords::gettersReturnReferencesOrCopies()
{
    // Floor and Sheet hand out copies of their names; everything else lets
    // the caller edit the field in place.
    static_assert(std::is_same_v<decltype(std::declval<Floor&>().id()), QString>);
    static_assert(std::is_same_v<decltype(std::declval<Floor&>().element()), QString>);
    static_assert(std::is_same_v<decltype(std::declval<Sheet&>().id()), QString>);
    static_assert(std::is_same_v<decltype(std::declval<Floor&>().pic()), QString&>);
    static_assert(std::is_same_v<decltype(std::declval<VertRun&>().connected()), QStringList&>);

    Port port = samplePort();
    port.room() = s("Room9");
    port.iconScale().clear();
    QCOMPARE(port.room(), s("Room9"));
    QVERIFY(port.iconScale().isEmpty());

    Device device = sampleDevice();
    device.ip() = s("192.168.1.1");
    QCOMPARE(device.ip(), s("192.168.1.1"));

    VertRun run = sampleVertRun();
    run.connected().append(s("Cable5"));
    run.disconnected().clear();
    QCOMPARE(run.connected(), list({"Cable1", "Cable2", "Cable5"}));
    QVERIFY(run.disconnected().isEmpty());

    Floor floor = sampleFloor();
    floor.pic() = s("/plans/new.png");
    QCOMPARE(floor.pic(), s("/plans/new.png"));
}

void TestFloorPlanRecords::verticeEquality_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("equal");

    QTest::newRow("identical vertices are equal") << QString() << true;
    QTest::newRow("element differs") << s("element") << false;
    QTest::newRow("x differs") << s("x") << false;
    QTest::newRow("y differs") << s("y") << false;
    QTest::newRow("sheet differs") << s("sheet") << false;
    QTest::newRow("id differs") << s("id") << false;
    QTest::newRow("parent alone differs") << s("parent") << true;
}

void TestFloorPlanRecords::verticeEquality()
{
    QFETCH(QString, field);
    QFETCH(bool, equal);

    QObject parent;
    const Vertice a = sampleVertice();
    Vertice b = sampleVertice();
    if (field == QLatin1String("element"))
        b.setElement(s("Vertice10"));
    else if (field == QLatin1String("x"))
        b.setX(b.x() + 1);
    else if (field == QLatin1String("y"))
        b.setY(b.y() - 1);
    else if (field == QLatin1String("sheet"))
        b.setSheet(s("SSheet_3"));
    else if (field == QLatin1String("id"))
        b.setID(s("other"));
    else if (field == QLatin1String("parent"))
        b.setParent(&parent);

    QCOMPARE(a == b, equal);
    QCOMPARE(b == a, equal);
    QCOMPARE(a != b, !equal);
}

void TestFloorPlanRecords::vertRunListFromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("empty text gives no entries") << QString() << QStringList();
    QTest::newRow("commas only give no entries") << s(",,,") << QStringList();
    QTest::newRow("one tag") << s("Cable1") << list({"Cable1"});
    QTest::newRow("empty part and trailing comma are dropped")
        << s("Cable1,,Cable2,") << list({"Cable1", "Cable2"});
    QTest::newRow("leading comma is dropped") << s(",Cable3") << list({"Cable3"});
    QTest::newRow("order and repeats are kept")
        << s("Cable2,Cable1,Cable2") << list({"Cable2", "Cable1", "Cable2"});
}

void TestFloorPlanRecords::vertRunListFromText()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);

    VertRun run = sampleVertRun();
    run.setConnected(text);
    QCOMPARE(run.connected(), expected);
    QCOMPARE(run.disconnected(), list({"Cable9"}));

    run = sampleVertRun();
    run.setDisconnected(text);
    QCOMPARE(run.disconnected(), expected);
    QCOMPARE(run.connected(), list({"Cable1", "Cable2"}));

    // The text form is what the job file stores; reading it back must give
    // the same list.
    run.setConnected(expected.join(QLatin1Char(',')));
    QCOMPARE(run.connected(), expected);
}

void TestFloorPlanRecords::vertRunRemoveTakesEveryOccurrence()
{
    VertRun run(list({"Cable1", "Cable2", "Cable1"}), list({"Cable4", "Cable5", "Cable4"}));
    run.removeFromConnected(s("Cable1"));
    run.removeFromDisconnected(s("Cable4"));
    QCOMPARE(run.connected(), list({"Cable2"}));
    QCOMPARE(run.disconnected(), list({"Cable5"}));

    run.removeFromConnected(s("Cable5"));
    run.removeFromDisconnected(s("Cable2"));
    QCOMPARE(run.connected(), list({"Cable2"}));
    QCOMPARE(run.disconnected(), list({"Cable5"}));
}

void TestFloorPlanRecords::vertRunAddKeepsDuplicates()
{
    VertRun run;
    run.addToConnected(s("Cable1"));
    run.addToConnected(s("Cable1"));
    run.addToDisconnected(s("Cable2"));
    QCOMPARE(run.connected(), list({"Cable1", "Cable1"}));
    QCOMPARE(run.disconnected(), list({"Cable2"}));
}

void TestFloorPlanRecords::vertRunAssignmentCopiesPortPart()
{
    VertRun target;
    target = sampleVertRun();
    QCOMPARE(target.element(), s("VerticalRun3"));
    QCOMPARE(target.x(), 5);
    QCOMPARE(target.floor(), s("FFloor_2"));
    QCOMPARE(target.dropHeight(), 4.5);
    QCOMPARE(target.connected(), list({"Cable1", "Cable2"}));

    // Through the base, only the Port part is assigned; the lists stay.
    VertRun other = sampleVertRun();
    Port& asPort = other;
    asPort = samplePort();
    QCOMPARE(other.element(), s("Port7"));
    QCOMPARE(other.connected(), list({"Cable1", "Cable2"}));
}

QTEST_GUILESS_MAIN(TestFloorPlanRecords)
#include "tst_floorplanrecords.moc"
