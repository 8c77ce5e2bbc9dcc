// The Italian translation as a user meets it: the programs speak the language
// of the system locale (and leave it alone under English), while what they
// write for other programs, the words a job stores and the update request
// stay as they are in any language.
#include "softwareupdatedialog.h"
#include "updateprompts.h"

#include "../updater/updatetestserver.h"

#include <ductbook.h>
#include <translator.h>

#include <QDataStream>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTranslator>
#include <QtTest>

#include <memory>

namespace {

using Environment = QList<QPair<QString, QString>>;

const Environment italian = {{QStringLiteral("LC_ALL"), QStringLiteral("it_IT.UTF-8")},
                             {QStringLiteral("LANG"), QStringLiteral("it_IT.UTF-8")},
                             {QStringLiteral("LANGUAGE"), QStringLiteral("it_IT:it")}};

// Every way a session says "English": the texts must be the ones in the
// sources, byte for byte, in each.
const QList<QPair<const char*, Environment>> englishes = {
    {"C.UTF-8", {{QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8")}}},
    {"en_US", {{QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8")},
               {QStringLiteral("LANG"), QStringLiteral("en_US.UTF-8")}}},
    // gettext ignores LANGUAGE under a C locale; so do we.
    {"C with LANGUAGE=it", {{QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8")},
                            {QStringLiteral("LANGUAGE"), QStringLiteral("it")}}},
};

struct Run
{
    int code = -1;
    QByteArray out;
    QByteArray err;
    QString text() const { return QString::fromUtf8(out + err); }
};

Run run(const QString& program, const QStringList& args, const Environment& language)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"})
        env.remove(QString::fromLatin1(name));
    for (const auto& [name, value] : language)
        env.insert(name, value);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    Run r;
    if (!p.waitForFinished(120000))
        return r;
    r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

QString jobtool()
{
    return QStringLiteral(GRIDWELL_JOBTOOL);
}

QString updater()
{
    return QStringLiteral(GRIDWELL_UPDATER);
}

QString example()
{
    return QStringLiteral(GRIDWELL_SOURCE_DIR "/examples/office.job");
}

QLocale italianLocale()
{
    return QLocale(QLocale::Italian, QLocale::Italy);
}

// Removes what Translator::install put on the application.
void uninstall(const QList<QTranslator*>& translators)
{
    for (QTranslator* t : translators) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
}

class NoPrompts : public Updater::UpdatePrompts
{
public:
    QString chooseDownloadFolder(QWidget*, const QString&) override { return QString(); }
    bool confirmOverwrite(QWidget*, const QString&, const QString&) override { return false; }
};

// "gridwell.cfg" of a network edition 3.0.
QByteArray network30Configuration()
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << qint32(1) << qint32(3) << qint32(0)
        << qint32(qChecksum(QByteArrayView("130\0\0\0\0\0\0\0\0\0", 12)));
    return bytes;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void programsSpeakTheLocale_data();
    void programsSpeakTheLocale();
    void machineOutputStaysAsWritten_data();
    void machineOutputStaysAsWritten();
    void updaterDialogInItalian();
    void wordsTheJobHoldsStayEnglish();
};

void TestTranslations::initTestCase()
{
    QVERIFY2(qEnvironmentVariableIsSet("XDG_CONFIG_HOME"),
             "run through ctest, which gives the test its own home folder");
}

void TestTranslations::programsSpeakTheLocale_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("italianText");
    QTest::addColumn<QString>("englishText");

    QTest::newRow("jobtool --help")
        << jobtool() << QStringList{QStringLiteral("--help")} << 0
        << "Uso: jobtool <comando> [argomenti]\n\nEsamina, crea e documenta"
        << "Usage: jobtool <command> [arguments]\n\nInspect, create and report";
    QTest::newRow("a command's --help")
        << jobtool() << QStringList{QStringLiteral("new"), QStringLiteral("--help")} << 0
        << "Crea un nuovo lavoro vuoto" << "Create a new, empty job";
    QTest::newRow("no command")
        << jobtool() << QStringList() << 2
        << "jobtool: manca il comando\nUsa 'jobtool --help' per maggiori informazioni.\n"
        << "jobtool: missing command\nTry 'jobtool --help' for more information.\n";
    QTest::newRow("unknown option")
        << jobtool() << QStringList{QStringLiteral("info"), example(), QStringLiteral("--bogus")}
        << 2 << "info: opzione sconosciuta '--bogus'" << "info: unknown option '--bogus'";
    QTest::newRow("the library's reason")
        << jobtool() << QStringList{QStringLiteral("info"), QStringLiteral("/nonexistent/x.job")}
        << 2 << "jobtool: Il file di lavoro /nonexistent/x.job non esiste"
        << "jobtool: Job file /nonexistent/x.job does not exist";
    QTest::newRow("summary headings")
        << jobtool() << QStringList{QStringLiteral("info"), example()} << 0
        << "Versione   3.0\n\nCantiere\n" << "Version    3.0\n\nSite\n";
    // Italian, unlike the English text, has a singular here.
    QTest::newRow("a count of one")
        << jobtool() << QStringList{QStringLiteral("info"), example()} << 0
        << "in fasci 2 (1 gruppo di fasci)\n" << "in bundles 2 (1 bundle groups)\n";
    QTest::newRow("updater --help")
        << updater() << QStringList{QStringLiteral("--help")} << 0
        << "Uso: updater [--server URL]\n\nChiede al server di aggiornamento"
        << "Usage: updater [--server URL]\n\nAsks the Gridwell update server";
    QTest::newRow("updater argument")
        << updater() << QStringList{QStringLiteral("extra")} << 2
        << "updater: Argomento non previsto 'extra'.\nUsa 'updater --help' per maggiori "
           "informazioni.\n"
        << "updater: Unexpected argument 'extra'.\nTry 'updater --help' for more information.\n";
    // Qt's own texts come from Qt's Italian translation.
    QTest::newRow("Qt's own text")
        << updater() << QStringList{QStringLiteral("--bogus")} << 2
        << "updater: Opzione sconosciuta 'bogus'." << "updater: Unknown option 'bogus'.";
}

void TestTranslations::programsSpeakTheLocale()
{
    QFETCH(QString, program);
    QFETCH(QStringList, args);
    QFETCH(int, code);
    QFETCH(QString, italianText);
    QFETCH(QString, englishText);

    const Run it = run(program, args, italian);
    QCOMPARE(it.code, code);
    QVERIFY2(it.text().contains(italianText), qPrintable(it.text()));
    QVERIFY2(!it.text().contains(englishText), qPrintable(it.text()));

    QByteArray first;
    for (const auto& [name, environment] : englishes) {
        const Run en = run(program, args, environment);
        QCOMPARE(en.code, code);
        QVERIFY2(en.text().contains(englishText), name);
        if (first.isEmpty())
            first = en.out + en.err;
        QVERIFY2(en.out + en.err == first, name);
    }
}

void TestTranslations::machineOutputStaysAsWritten_data()
{
    QTest::addColumn<QStringList>("args");

    QTest::newRow("info --json") << QStringList{QStringLiteral("info"), example(),
                                                QStringLiteral("--json")};
    QTest::newRow("schedule CSV") << QStringList{QStringLiteral("schedule"), example()};
    QTest::newRow("floor plan SVG")
        << QStringList{QStringLiteral("render"), example(), QStringLiteral("--floor"),
                       QStringLiteral("FFloor_1")};
}

// Scripts read these; a translated word in them would break the scripts of
// Italian users.
void TestTranslations::machineOutputStaysAsWritten()
{
    QFETCH(QStringList, args);
    const Run it = run(jobtool(), args, italian);
    const Run en = run(jobtool(), args, englishes.first().second);
    QCOMPARE(it.code, 0);
    QCOMPARE(en.code, 0);
    QVERIFY(!en.out.isEmpty());
    QCOMPARE(it.out, en.out);
}

void TestTranslations::updaterDialogInItalian()
{
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString install = root.filePath(QStringLiteral("Gridwell"));
    const QString downloads = root.filePath(QStringLiteral("downloads"));
    QVERIFY(QDir().mkpath(install) && QDir().mkpath(downloads));
    QFile cfg(QDir(install).filePath(QStringLiteral("gridwell.cfg")));
    QVERIFY(cfg.open(QIODevice::WriteOnly));
    cfg.write(network30Configuration());
    cfg.close();
    QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Korvex"),
              QStringLiteral("Gridwell"))
        .setValue(QStringLiteral("/installpath"), install);
    QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Almaren"),
              QStringLiteral("Support"))
        .setValue(QStringLiteral("/location"), downloads);

    UpdateTestServer server;
    QVERIFY(server.start());
    server.check.body =
        "COMPLETION_STATUS:PASS:C000:4.1:2009-06-01:25 MB:/files/setup.exe\r\n";
    server.installer.body = QByteArray(1000, 'x');
    Updater::Deployment deployment;
    deployment.server = server.url();
    deployment.account = QStringLiteral("tstacct");
    deployment.password = QStringLiteral("tstpass");
    deployment.email = QStringLiteral("updates@example.test");
    deployment.operatingSystem = QStringLiteral("LINUX");
    NoPrompts prompts;

    // One whole update, shown in the given language; returns the request the
    // server received.
    auto update = [&](const QLocale& locale, const QString& title, const QString& exit,
                      const QString& label, const QString& newest) {
        const QList<QTranslator*> translators =
            Translator::install({QStringLiteral("updater")}, locale);
        QFile::remove(QDir(downloads).filePath(QStringLiteral("setup.exe")));
        SoftwareUpdateDialog dialog(deployment, &prompts);
        QSignalSpy done(&dialog, &SoftwareUpdateDialog::transfersDone);
        dialog.show();
        const bool finished = done.wait(10000);
        const QByteArray screenshotDir = qgetenv("GRIDWELL_SCREENSHOT_DIR");
        if (!screenshotDir.isEmpty())
            dialog.grab().save(QString::fromLocal8Bit(screenshotDir) + QLatin1Char('/') +
                               locale.name() + QStringLiteral("-updater.png"));
        const auto* button = dialog.findChild<QPushButton*>(QStringLiteral("CancelPushButton"));
        const auto* progress = dialog.findChild<QLabel*>(QStringLiteral("progressLabel"));
        const QString log =
            dialog.findChild<QTextEdit*>(QStringLiteral("statusTextEdit"))->toPlainText();
        [&] {
            QVERIFY(finished);
            QCOMPARE(dialog.windowTitle(), title);
            QCOMPARE(button->text(), exit);
            QCOMPARE(progress->text(), label);
            QVERIFY2(log.startsWith(newest), qPrintable(log));
            // A longer word must still fit where the English one did.
            QVERIFY(button->fontMetrics().horizontalAdvance(button->text()) <
                    button->contentsRect().width());
            QVERIFY(progress->fontMetrics().horizontalAdvance(progress->text()) <=
                    progress->contentsRect().width());
        }();
        uninstall(translators);
        return server.requests.isEmpty() ? QByteArray() : server.requests.first().body;
    };

    const QByteArray italianRequest =
        update(italianLocale(), QStringLiteral("Aggiornamento del software Gridwell"),
               QStringLiteral("Esci"), QStringLiteral("Scaricamento dell'aggiornamento completato"),
               QStringLiteral("Lo scaricamento è completo. Installa la nuova versione.\n\n"
                              "Avvio dello scaricamento dell'ultima versione: \nVersione: 4.1"));
    if (QTest::currentTestFailed())
        return;
    server.requests.clear();
    const QByteArray englishRequest =
        update(QLocale::c(), QStringLiteral("Gridwell software Update"), QStringLiteral("Exit"),
               QStringLiteral("Update download complete"),
               QStringLiteral("The download is complete. Please install the new release.\n\n"
                              "Starting to download the latest version: \nVersion: 4.1"));
    if (QTest::currentTestFailed())
        return;
    // The server reads the request by its words; the user's language is none
    // of its business.
    QVERIFY(!italianRequest.isEmpty());
    QCOMPARE(italianRequest, englishRequest);
}

void TestTranslations::wordsTheJobHoldsStayEnglish()
{
    Ductbook& job = Ductbook::Instance();
    const QStringList englishUses = job.getUses();
    const QList<QTranslator*> translators =
        Translator::install({QStringLiteral("ductbook")}, italianLocale());
    QCOMPARE(translators.size(), 2); // Qt's and ours

    // What a person reads is Italian...
    QVERIFY(!job.Load(QStringLiteral("/nonexistent/x.job")));
    QCOMPARE(job.error(), QStringLiteral("Il file di lavoro /nonexistent/x.job non esiste"));

    // ... what the job stores is not: a job made in Italian opens anywhere
    // with the same names and uses.
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(job.New(folder.filePath(QStringLiteral("new.job"))));
    QCOMPARE(job.getFloorIdByTag(job.getFloorTags().value(0)), QStringLiteral("Floor_1"));
    QCOMPARE(job.getSheetIdByTag(job.getSheetTags().value(0)), QStringLiteral("Sheet_1"));
    QCOMPARE(job.getUses(), englishUses);
    QCOMPARE(job.getReverseUse(QStringLiteral("Network")), QStringLiteral("Net"));

    uninstall(translators);
    Ductbook::Destroy();
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
