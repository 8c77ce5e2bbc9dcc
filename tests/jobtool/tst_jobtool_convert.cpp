// jobtool convert and jobtool info on jobs of older formats, end to end.
#include "domcompare.h"
#include "fixtures.h"
#include "jobfixture.h"
#include "jobtoolrun.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

using namespace JobFixture;
using namespace JobToolRun;

namespace {

} // namespace

class TestJobtoolConvert : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void convertsEveryVersion_data();
    void convertsEveryVersion();
    void usesTheConfiguredTemplate();
    void neverWritesOverTheOldJob();
    void refusesToReplaceWithoutForce();
    void missingTemplateIsExplained();
    void infoSaysWhatItConvertedFrom();
    void usageErrors_data();
    void usageErrors();

private:
    // A copy of a fixture in the test's folder (the old file may not change).
    QString copyOf(const QString& name);

    QScopedPointer<QTemporaryDir> m_dir;
};

void TestJobtoolConvert::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
}

QString TestJobtoolConvert::copyOf(const QString& name)
{
    const QString path = m_dir->filePath(name);
    QFile::remove(path);
    return QFile::copy(name.endsWith(QLatin1String(".qvt")) ? Fixtures::qvt(name) : Fixtures::job(name), path) ? path : QString();
}

void TestJobtoolConvert::convertsEveryVersion_data()
{
    QTest::addColumn<QString>("version");
    for (const QString& v : Fixtures::versions(QStringLiteral("job")))
        QTest::newRow(qPrintable(v)) << v;
}

// The saved file is the expected conversion (notes aside, whose rich text the
// library tests check), and the old file is untouched.
void TestJobtoolConvert::convertsEveryVersion()
{
    QFETCH(QString, version);
    const QString old = copyOf(QStringLiteral("job-%1.job").arg(version));
    const QString qvt = copyOf(QStringLiteral("default.qvt"));
    const QString converted = m_dir->filePath(QStringLiteral("converted.job"));
    const QByteArray before = readFile(old);

    const Run r =
        jobtool({QStringLiteral("convert"), old, converted, QStringLiteral("--template"), qvt});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QVERIFY(r.out.contains(QStringLiteral("(version %1)").arg(version)));
    QCOMPARE(readFile(old), before);

    QString error;
    QDomDocument actual = DomCompare::parseFile(converted, &error);
    QDomDocument expected =
        DomCompare::parseFile(Fixtures::job(QStringLiteral("job-%1.expected.job").arg(version)), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    for (QDomDocument* doc : {&actual, &expected})
        doc->documentElement()
            .firstChildElement(QStringLiteral("JobNotes_Text"))
            .setAttribute(QStringLiteral("text"), QString());
    const QString difference =
        DomCompare::difference(actual.documentElement(), expected.documentElement());
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void TestJobtoolConvert::usesTheConfiguredTemplate()
{
    const QString qvt = copyOf(QStringLiteral("default.qvt"));
    QVERIFY(
        jobtool({QStringLiteral("settings"), QStringLiteral("set"), QStringLiteral("QvtFile"), qvt})
            .code == 0);
    const QString converted = m_dir->filePath(QStringLiteral("converted.job"));
    const Run r =
        jobtool({QStringLiteral("convert"), copyOf(QStringLiteral("job-2.1.job")), converted});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QVERIFY(readFile(converted).contains("id=\"MMCombo2\""));
}

void TestJobtoolConvert::neverWritesOverTheOldJob()
{
    const QString old = copyOf(QStringLiteral("job-2.3.job"));
    const QByteArray before = readFile(old);
    const QString sameFileOtherSpelling = m_dir->path() + QStringLiteral("/./../") +
                                          QDir(m_dir->path()).dirName() +
                                          QStringLiteral("/job-2.3.job");
    for (const QString& target : {old, sameFileOtherSpelling}) {
        const Run r = jobtool({QStringLiteral("convert"), old, target, QStringLiteral("--force")});
        QCOMPARE(r.code, 2);
        QVERIFY(r.err.contains(QStringLiteral("never written")));
        QCOMPARE(readFile(old), before);
    }
}

void TestJobtoolConvert::refusesToReplaceWithoutForce()
{
    const QString old = copyOf(QStringLiteral("job-2.3.job"));
    const QString target = m_dir->filePath(QStringLiteral("target.job"));
    QVERIFY(writeFile(target, "keep me"));
    Run r = jobtool({QStringLiteral("convert"), old, target});
    QCOMPARE(r.code, 1);
    QVERIFY(r.err.contains(QStringLiteral("--force")));
    QCOMPARE(readFile(target), QByteArray("keep me"));

    r = jobtool({QStringLiteral("convert"), old, target, QStringLiteral("--force")});
    QCOMPARE(r.code, 0);
    QVERIFY(readFile(target).contains("<Version number=\"3.0\"/>"));
}

// Without its template a 2.1 job cannot be converted: the library's reason,
// the template's own, nothing written.
void TestJobtoolConvert::missingTemplateIsExplained()
{
    const QString old = copyOf(QStringLiteral("job-2.1.job"));
    const QString target = m_dir->filePath(QStringLiteral("target.job"));
    const Run r = jobtool({QStringLiteral("convert"), old, target, QStringLiteral("--template"),
                           m_dir->filePath(QStringLiteral("none.qvt"))});
    QCOMPARE(r.code, 2);
    QVERIFY(r.err.contains(QStringLiteral("Incompatible version of job file %1").arg(old)));
    QVERIFY(r.err.contains(QStringLiteral("version 2.1 needs the default template")));
    QVERIFY(r.err.contains(QStringLiteral("none.qvt")));
    QVERIFY(!QFile::exists(target));
}

void TestJobtoolConvert::infoSaysWhatItConvertedFrom()
{
    const QString old = copyOf(QStringLiteral("job-2.3.job"));
    const QByteArray before = readFile(old);
    Run r = jobtool({QStringLiteral("info"), old});
    QCOMPARE(r.code, 0);
    QVERIFY2(r.out.contains(QStringLiteral("Version    3.0 (converted from version 2.3)\n")),
             qPrintable(r.out));
    QVERIFY(r.out.contains(QStringLiteral("Ridgeway Primary School")));

    r = jobtool({QStringLiteral("info"), QStringLiteral("--json"), old});
    QCOMPARE(r.code, 0);
    const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8()).object();
    QCOMPARE(o.value(QStringLiteral("convertedFrom")).toString(), QStringLiteral("2.3"));
    QCOMPARE(o.value(QStringLiteral("version")).toString(), QStringLiteral("3.0"));
    QCOMPARE(readFile(old), before);

    r = jobtool(
        {QStringLiteral("info"), QStringLiteral(GRIDWELL_SOURCE_DIR "/examples/office.job")});
    QCOMPARE(r.code, 0);
    QVERIFY(r.out.contains(QStringLiteral("Version    3.0\n")));
}

void TestJobtoolConvert::usageErrors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("no files") << QStringList{"convert"};
    QTest::newRow("one file") << QStringList{"convert", "old.job"};
    QTest::newRow("three files") << QStringList{"convert", "a.job", "b.job", "c.job"};
    QTest::newRow("template without file")
        << QStringList{"convert", "a.job", "b.job", "--template"};
    QTest::newRow("unknown option") << QStringList{"convert", "a.job", "b.job", "--overwrite"};
}

void TestJobtoolConvert::usageErrors()
{
    QFETCH(QStringList, args);
    const Run r = jobtool(args);
    QCOMPARE(r.code, 2);
    QVERIFY(r.err.contains(QStringLiteral("convert")));
    QVERIFY(r.out.isEmpty());
}

QTEST_GUILESS_MAIN(TestJobtoolConvert)
#include "tst_jobtool_convert.moc"
