#include "address.h"
#include "contractordata.h"
#include "sitedata.h"

#include <QObject>
#include <QtTest>

#include <type_traits>

namespace {

QString describe(const Address& a)
{
    return QStringLiteral("%1|%2|%3|%4|%5|%6")
        .arg(a.address1(), a.address2(), a.city(), a.state(), a.zipcode(), a.country());
}

QString describe(const ContractorData& c)
{
    return QStringLiteral("tester=%1 company=%2 email=%3 phone=%4 logo=%5 address=%6")
        .arg(c.tester(), c.company(), c.email(), c.phone(), c.logo(), describe(c.address()));
}

QString describe(const SiteData& s)
{
    return QStringLiteral("jobid=%1 company=%2 phone=%3 email=%4 contact=%5 address=%6")
        .arg(s.jobid(), s.company(), s.phone(), s.email(), s.contact(), describe(s.address()));
}

Address sampleAddress()
{
    return Address(QStringLiteral("1 Main St"), QStringLiteral("Suite 2"),
                   QStringLiteral("Springfield"), QStringLiteral("IL"), QStringLiteral("62701"),
                   QStringLiteral("USA"));
}

ContractorData sampleContractor()
{
    return ContractorData(QStringLiteral("Tess"), QStringLiteral("Wires Inc"),
                          QStringLiteral("t@wires.example"), QStringLiteral("555-1"),
                          QStringLiteral("/logos/w.png"), sampleAddress());
}

SiteData sampleSite()
{
    SiteData site(QStringLiteral("Carl"), QStringLiteral("c@site.example"), QStringLiteral("555-2"),
                  sampleAddress());
    site.setJobID(QStringLiteral("J-42"));
    site.setCompany(QStringLiteral("Site Corp"));
    return site;
}

// Copies take the source's parent, assignment keeps the target's own, and
// neither shares data with the source.
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
    QCOMPARE(assigned.parent(), &targetParent);

    T unparented(filled);
    QCOMPARE(unparented.parent(), nullptr);
}

} // namespace

class TestHeaderRecords : public QObject
{
    Q_OBJECT

private slots:
    void constructors_data();
    void constructors();
    void copySemantics();
    void gettersReturnLiveReferences();
    void nestedAddressIsCopiedDeeply();
    void nestedAddressNeverTakesAParent();
    void settersUseTheirOwnField();
};

void TestHeaderRecords::constructors_data()
{
    QTest::addColumn<QString>("actual");
    QTest::addColumn<QString>("expected");

    QTest::newRow("default Address is empty") << describe(Address()) << QStringLiteral("|||||");
    QTest::newRow("Address fields in declaration order")
        << describe(sampleAddress())
        << QStringLiteral("1 Main St|Suite 2|Springfield|IL|62701|USA");
    QTest::newRow("default ContractorData is empty")
        << describe(ContractorData())
        << QStringLiteral("tester= company= email= phone= logo= address=|||||");
    QTest::newRow("ContractorData takes tester, company, email, phone, logo, address")
        << describe(sampleContractor())
        << QStringLiteral("tester=Tess company=Wires Inc email=t@wires.example phone=555-1 "
                          "logo=/logos/w.png address=1 Main St|Suite 2|Springfield|IL|62701|USA");
    QTest::newRow("default SiteData is empty")
        << describe(SiteData())
        << QStringLiteral("jobid= company= phone= email= contact= address=|||||");
    QTest::newRow("SiteData four-argument form takes contact first")
        << describe(SiteData(QStringLiteral("first"), QStringLiteral("second"),
                             QStringLiteral("third"), sampleAddress()))
        << QStringLiteral("jobid= company= phone=third email=second contact=first "
                          "address=1 Main St|Suite 2|Springfield|IL|62701|USA");
}

void TestHeaderRecords::constructors()
{
    QFETCH(QString, actual);
    QFETCH(QString, expected);
    QCOMPARE(actual, expected);
}

void TestHeaderRecords::copySemantics()
{
    checkCopySemantics(sampleAddress());
    if (QTest::currentTestFailed())
        return;
    checkCopySemantics(sampleContractor());
    if (QTest::currentTestFailed())
        return;
    // The job id and company of a site are set after construction; a copy
    // returned by value must keep them too.
    checkCopySemantics(sampleSite());
}

void TestHeaderRecords::gettersReturnLiveReferences()
{
    static_assert(std::is_same_v<decltype(std::declval<SiteData&>().jobid()), QString&>);
    static_assert(std::is_same_v<decltype(std::declval<SiteData&>().address()), Address&>);
    static_assert(std::is_same_v<decltype(std::declval<ContractorData&>().address()), Address&>);

    SiteData site = sampleSite();
    site.contact() = QStringLiteral("Dora");
    site.address().setCity(QStringLiteral("Shelbyville"));
    QCOMPARE(site.contact(), QStringLiteral("Dora"));
    QCOMPARE(site.address().city(), QStringLiteral("Shelbyville"));

    ContractorData contractor = sampleContractor();
    contractor.address().zipcode() = QStringLiteral("00100");
    contractor.logo().append(QStringLiteral(".bak"));
    QCOMPARE(contractor.address().zipcode(), QStringLiteral("00100"));
    QCOMPARE(contractor.logo(), QStringLiteral("/logos/w.png.bak"));
}

void TestHeaderRecords::nestedAddressIsCopiedDeeply()
{
    SiteData original = sampleSite();
    SiteData copy(original);
    copy.address().setCountry(QStringLiteral("Italy"));
    QCOMPARE(original.address().country(), QStringLiteral("USA"));

    ContractorData assigned;
    assigned = sampleContractor();
    assigned.address().setAddress1(QStringLiteral("elsewhere"));
    QCOMPARE(sampleContractor().address().address1(), QStringLiteral("1 Main St"));

    Address address = sampleAddress();
    SiteData site;
    site.setAddress(address);
    address.setCity(QStringLiteral("changed later"));
    QCOMPARE(site.address().city(), QStringLiteral("Springfield"));
}

void TestHeaderRecords::nestedAddressNeverTakesAParent()
{
    // A member that took over a parent would be deleted by that parent while
    // still part of its record.
    QObject owner;
    Address address = sampleAddress();
    address.setParent(&owner);

    ContractorData contractor(QString(), QString(), QString(), QString(), QString(), address);
    SiteData site(QString(), QString(), QString(), address);
    QCOMPARE(contractor.address().parent(), nullptr);
    QCOMPARE(site.address().parent(), nullptr);
    QCOMPARE(site.address().city(), QStringLiteral("Springfield"));

    contractor.setParent(&owner);
    ContractorData copy(contractor);
    QCOMPARE(copy.parent(), &owner);
    QCOMPARE(copy.address().parent(), nullptr);
}

void TestHeaderRecords::settersUseTheirOwnField()
{
    Address address;
    address.setAddress1(QStringLiteral("a1"));
    address.setAddress2(QStringLiteral("a2"));
    address.setCity(QStringLiteral("c"));
    address.setState(QStringLiteral("s"));
    address.setZipCode(QStringLiteral("z"));
    address.setCountry(QStringLiteral("n"));
    QCOMPARE(describe(address), QStringLiteral("a1|a2|c|s|z|n"));

    ContractorData contractor;
    contractor.setTester(QStringLiteral("t"));
    contractor.setCompany(QStringLiteral("co"));
    contractor.setEmail(QStringLiteral("e"));
    contractor.setPhone(QStringLiteral("p"));
    contractor.setLogo(QStringLiteral("l"));
    contractor.setAddress(address);
    QCOMPARE(describe(contractor),
             QStringLiteral("tester=t company=co email=e phone=p logo=l address=a1|a2|c|s|z|n"));

    SiteData site;
    site.setJobID(QStringLiteral("j"));
    site.setCompany(QStringLiteral("co"));
    site.setPhone(QStringLiteral("p"));
    site.setEmail(QStringLiteral("e"));
    site.setContact(QStringLiteral("ct"));
    site.setAddress(address);
    QCOMPARE(describe(site),
             QStringLiteral("jobid=j company=co phone=p email=e contact=ct address=a1|a2|c|s|z|n"));
}

QTEST_GUILESS_MAIN(TestHeaderRecords)
#include "tst_headerrecords.moc"
