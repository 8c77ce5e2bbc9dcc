// The file writer that every job and template is saved through.
#include "io/xmlwriter_p.h"

#include <QBuffer>
#include <QDomDocument>
#include <QtTest>

class TestXmlWriter : public QObject
{
    Q_OBJECT
private slots:
    void matchesQtLayoutAndEscaping_data();
    void matchesQtLayoutAndEscaping();
    void attributesInFixedOrder();
    void charactersBeyondLatin1BecomeReferences();
    void charactersXmlCannotCarryAreDropped();
    void writingToADeviceGivesTheSameBytes();
    void validNames_data();
    void validNames();
};

// With at most one attribute per element the attribute order cannot differ,
// so our output must be Qt's own toString(1), byte for byte.
void TestXmlWriter::matchesQtLayoutAndEscaping_data()
{
    QTest::addColumn<QString>("xml");
    QTest::newRow("skeleton") << QStringLiteral(
        "<!DOCTYPE Job><Job><Release/><Version number=\"3.0\"/><Cable_List><Cable1 id=\"C1\">"
        "<Test_Results status=\"UNTESTED\"/></Cable1></Cable_List><Floor_List/></Job>");
    QTest::newRow("escaped attribute") << QStringLiteral(
        "<!DOCTYPE Job><Job><Site_Info company=\"a&lt;b&amp;c&quot;d&gt;e]]&gt;f&apos;g\"/></Job>");
    QTest::newRow("white space in attribute") << QStringLiteral(
        "<!DOCTYPE Job><Job><JobNotes_Text text=\"line1&#xa;line2&#x9;tab&#xd;\"/></Job>");
    QTest::newRow("latin-1 letters") << QString::fromUtf8(
        "<!DOCTYPE Job><Job><Site_Info contact=\"Jos\u00e9 M\u00fcller \u00c5\u00df\"/></Job>");
    QTest::newRow("text and comment") << QStringLiteral(
        "<!DOCTYPE Job><Job><!-- note --><A>text &amp; more</A><B><C/>tail</B></Job>");
}

void TestXmlWriter::matchesQtLayoutAndEscaping()
{
    QFETCH(QString, xml);
    QDomDocument doc;
    QVERIFY(doc.setContent(xml));
    QCOMPARE(XmlWriter::toText(doc, QStringLiteral("Job")), doc.toString(1));
}

void TestXmlWriter::attributesInFixedOrder()
{
    // Build the same element twice with the attributes created in opposite
    // orders; QDom's hash may keep them in any order, ours must not.
    const QStringList names = {QStringLiteral("zeta"), QStringLiteral("id"),
                               QStringLiteral("alpha"), QStringLiteral("Beta"),
                               QStringLiteral("m")};
    QString outputs[2];
    for (int round = 0; round < 2; ++round) {
        QDomDocument doc(QStringLiteral("Job"));
        QDomElement root = doc.createElement(QStringLiteral("Job"));
        doc.appendChild(root);
        QDomElement e = doc.createElement(QStringLiteral("Port1"));
        for (int i = 0; i < names.size(); ++i) {
            const QString& n = names.at(round == 0 ? i : names.size() - 1 - i);
            e.setAttribute(n, n + QStringLiteral("-value"));
        }
        root.appendChild(e);
        outputs[round] = XmlWriter::toText(doc, QStringLiteral("Job"));
    }
    QCOMPARE(outputs[0], outputs[1]);
    QVERIFY(outputs[0].contains(QStringLiteral(
        "<Port1 id=\"id-value\" Beta=\"Beta-value\" alpha=\"alpha-value\" m=\"m-value\" "
        "zeta=\"zeta-value\"/>")));
}

void TestXmlWriter::charactersBeyondLatin1BecomeReferences()
{
    const QString value = QString::fromUtf8("\u0141\u00f3d\u017a \u6771\u4eac \U0001F600 \u20ac");
    QDomDocument doc(QStringLiteral("Job"));
    QDomElement root = doc.createElement(QStringLiteral("Job"));
    doc.appendChild(root);
    root.setAttribute(QStringLiteral("text"), value);

    const QByteArray bytes = XmlWriter::toLatin1(doc, QStringLiteral("Job"));
    QVERIFY(!bytes.contains('?'));
    QVERIFY(bytes.contains("&#321;"));    // U+0141
    QVERIFY(bytes.contains("&#128512;")); // one reference for the whole surrogate pair
    QVERIFY(bytes.contains("\xf3"));      // Latin-1 letters stay single bytes

    QDomDocument back;
    QVERIFY(back.setContent(QString::fromLatin1(bytes)));
    QCOMPARE(back.documentElement().attribute(QStringLiteral("text")), value);
}

void TestXmlWriter::charactersXmlCannotCarryAreDropped()
{
    QDomDocument doc(QStringLiteral("Job"));
    QDomElement root = doc.createElement(QStringLiteral("Job"));
    doc.appendChild(root);
    QString value = QStringLiteral("a");
    value += QChar(0x01);
    value += QChar(0xD800); // a lone surrogate
    value += QStringLiteral("b");
    root.setAttribute(QStringLiteral("text"), value);

    QDomDocument back;
    QVERIFY(back.setContent(XmlWriter::toText(doc, QStringLiteral("Job"))));
    QCOMPARE(back.documentElement().attribute(QStringLiteral("text")), QStringLiteral("ab"));
}

// Saving hands the bytes to the file a piece at a time; the pieces must add
// up to the whole text, escapes that straddle two pieces included, and a
// device that refuses a write must make the save fail.
void TestXmlWriter::writingToADeviceGivesTheSameBytes()
{
    QDomDocument doc(QStringLiteral("Job"));
    QDomElement root = doc.createElement(QStringLiteral("Job"));
    doc.appendChild(root);
    const QString value = QString::fromUtf8("<&\"\u00e9\u6771\n") + QString(377, QLatin1Char('7'));
    for (int i = 0; i < 12000; ++i) {
        QDomElement e = doc.createElement(QStringLiteral("Cable%1").arg(i));
        e.setAttribute(QStringLiteral("data"), value.left(1 + i % value.size()));
        root.appendChild(e);
    }
    const QByteArray whole = XmlWriter::toLatin1(doc, QStringLiteral("Job"));
    QVERIFY(whole.size() > 2 * (1 << 20));

    QBuffer buffer;
    QVERIFY(buffer.open(QIODevice::WriteOnly));
    QVERIFY(XmlWriter::write(&buffer, doc, QStringLiteral("Job")));
    QCOMPARE(buffer.data().size(), whole.size());
    QVERIFY(buffer.data() == whole);
    QCOMPARE(XmlWriter::toText(doc, QStringLiteral("Job")), QString::fromLatin1(whole));

    QBuffer notOpen;
    QVERIFY(!XmlWriter::write(&notOpen, doc, QStringLiteral("Job")));
}

void TestXmlWriter::validNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("valid");
    QTest::newRow("generated tag") << QStringLiteral("FFloor_12") << true;
    QTest::newRow("underscore start") << QStringLiteral("_x.y-z") << true;
    QTest::newRow("latin-1 letter") << QString::fromUtf8("\u00e9tage") << true;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("digit start") << QStringLiteral("1Floor") << false;
    QTest::newRow("space") << QStringLiteral("Floor 1") << false;
    QTest::newRow("angle bracket") << QStringLiteral("a<b") << false;
    QTest::newRow("colon") << QStringLiteral("a:b") << false;
    QTest::newRow("beyond latin-1") << QString::fromUtf8("\u6771") << false;
}

void TestXmlWriter::validNames()
{
    QFETCH(QString, name);
    QFETCH(bool, valid);
    QCOMPARE(XmlWriter::isValidName(name), valid);
}

QTEST_GUILESS_MAIN(TestXmlWriter)
#include "tst_xmlwriter.moc"
