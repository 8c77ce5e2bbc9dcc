// The update dialog end to end against a server inside the test: what it
// sends, what it shows, and what it leaves in the download folder.
#include "softwareupdatedialog.h"
#include "updateprogram.h"
#include "updateprompts.h"
#include "updatetestserver.h"

#include <QApplication>
#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#include <functional>
#include <memory>

using namespace Updater;

namespace {

// What the user saw behind a question: whether the update window was on
// screen, its label, and whether its bar was running.
struct Backdrop
{
    bool shown = false;
    QString label;
    bool busyBar = false;
};

Backdrop backdropOf(QWidget* dialog)
{
    const auto* bar = dialog->findChild<QProgressBar*>(QStringLiteral("updateProgressBar"));
    return {dialog->isVisible(),
            dialog->findChild<QLabel*>(QStringLiteral("progressLabel"))->text(),
            bar->minimum() == bar->maximum()};
}

class ScriptedPrompts : public UpdatePrompts
{
public:
    QString folder;                    // answer to the folder picker
    bool overwrite = false;            // answer to the overwrite question
    QStringList captions;              // of each folder picker shown
    QStringList questions;             // title, "|", text of each overwrite question
    std::function<void()> whileAsking; // runs while the overwrite question is open

    QString chooseDownloadFolder(QWidget*, const QString& caption) override
    {
        captions.append(caption);
        return folder;
    }
    bool confirmOverwrite(QWidget*, const QString& title, const QString& text) override
    {
        questions.append(title + QLatin1Char('|') + text);
        if (whileAsking)
            whileAsking();
        return overwrite;
    }
};

QSettings applicationStore()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Korvex"),
                     QStringLiteral("Gridwell"));
}

QSettings downloadStore()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Almaren"),
                     QStringLiteral("Support"));
}

// "gridwell.cfg" of a network edition 3.0: values 1, 3, 0 and the checksum
// over "130" and nine zero bytes.
QByteArray network30Configuration(qint32 checksumOffset = 0)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << qint32(1) << qint32(3) << qint32(0)
        << qint32(qChecksum(QByteArrayView("130\0\0\0\0\0\0\0\0\0", 12)) + checksumOffset);
    return bytes;
}

const QByteArray kOldInstaller = "the installer downloaded last month";

QByteArray installerBytes()
{
    QByteArray bytes;
    for (int i = 0; i < 1000; ++i)
        bytes.append(char('A' + i % 26));
    return bytes;
}

QByteArray offer(const QByteArray& serverPath)
{
    return "Update check\r\nCOMPLETION_STATUS:PASS:C000:4.1:2009-06-01:25 MB:" + serverPath +
           "\r\n";
}

bool writeFile(const QString& path, const QByteArray& contents)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                                  QDir::Name);
}

// The log box shows line breaks as plain newlines.
QString logOf(const QDialog& d)
{
    return d.findChild<QTextEdit*>(QStringLiteral("statusTextEdit"))->toPlainText();
}

bool newestIs(const QDialog& d, const QString& message)
{
    const QString log = logOf(d);
    if (log.startsWith(message + QLatin1String("\n\n")))
        return true;
    qWarning().noquote() << "log:" << log;
    return false;
}

QString labelOf(const QDialog& d)
{
    return d.findChild<QLabel*>(QStringLiteral("progressLabel"))->text();
}

QProgressBar* barOf(const QDialog& d)
{
    return d.findChild<QProgressBar*>(QStringLiteral("updateProgressBar"));
}

QString plainHttpWarning(const QString& server)
{
    return QStringLiteral("Warning: the update server %1 is asked over plain HTTP, so the "
                          "download is not protected: the installer could be changed on its way "
                          "to this computer.")
        .arg(server);
}

// Acts on the modal window of type T that is open, from a timer, as a person
// would: `act` returns false to be asked again on the next tick. A window
// that nobody acts on is closed after a while, so that a test fails instead
// of waiting for ever.
template <typename T>
void whenModal(QObject* owner, std::function<bool(T*)> act)
{
    auto* timer = new QTimer(owner);
    QElapsedTimer clock;
    clock.start();
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act, clock] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* window = qobject_cast<T*>(modal);
        if (window && act(window)) {
            timer->stop();
        } else if (clock.hasExpired(15000)) {
            timer->stop();
            if (modal)
                modal->close();
        }
    });
    timer->start(20);
}

bool finishes(SoftwareUpdateDialog& d)
{
    QSignalSpy done(&d, &SoftwareUpdateDialog::transfersDone);
    return done.wait(10000);
}

} // namespace

class TestUpdateDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void windowDuringTheCheck();
    void checkSendsTheInstallation();
    void plainHttpIsNamed_data();
    void plainHttpIsNamed();
    void onlyErrorMarksAFailure();
    void offerIsDownloaded_data();
    void offerIsDownloaded();
    void noOffer_data();
    void noOffer();
    void upToDateIsNoFailure();
    void unusableInstallerNameIsRefused_data();
    void unusableInstallerNameIsRefused();
    void progressOfAnnouncedTotal();
    void unknownTotalShowsBusyBar();
    void stoppingLeavesNoPartialInstaller_data();
    void stoppingLeavesNoPartialInstaller();
    void failedDownloadLeavesNoPartialInstaller_data();
    void failedDownloadLeavesNoPartialInstaller();
    void overwriteQuestion_data();
    void overwriteQuestion();
    void stopsBeforeAsking_data();
    void stopsBeforeAsking();
    void downloadFolderIsAskedForAndRemembered();
    void checkNeedsNoWritableCurrentFolder();
    void realPrompts_data();
    void realPrompts();
    void folderThatCannotTakeTheInstaller_data();
    void folderThatCannotTakeTheInstaller();
    void programEndsWithZeroWhenClosed_data();
    void programEndsWithZeroWhenClosed();

private:
    Deployment deployment() const;
    std::unique_ptr<SoftwareUpdateDialog> open(const Deployment& deployment,
                                               UpdatePrompts* prompts = nullptr);
    std::unique_ptr<SoftwareUpdateDialog> open() { return open(deployment()); }
    QString target() const { return QDir(m_downloads).filePath(QStringLiteral("setup.exe")); }
    bool downloadsAsBefore(bool replacing) const;

    std::unique_ptr<UpdateTestServer> m_server;
    std::unique_ptr<QTemporaryDir> m_root;
    ScriptedPrompts m_prompts;
    std::unique_ptr<QObject> m_pollers; // owns the timers that answer real prompts
    QString m_install;
    QString m_downloads;
};

Deployment TestUpdateDialog::deployment() const
{
    Deployment d;
    d.server = m_server->url();
    d.account = QStringLiteral("tstacct");
    d.password = QStringLiteral("tstpass");
    d.email = QStringLiteral("updates@example.test");
    d.operatingSystem = QStringLiteral("LINUX");
    return d;
}

std::unique_ptr<SoftwareUpdateDialog> TestUpdateDialog::open(const Deployment& deployment,
                                                             UpdatePrompts* prompts)
{
    auto dialog =
        std::make_unique<SoftwareUpdateDialog>(deployment, prompts ? prompts : &m_prompts);
    dialog->show();
    QCoreApplication::processEvents(); // the check starts once the window is up
    return dialog;
}

// The download folder holds what it held before: nothing, or the old
// installer as it was.
bool TestUpdateDialog::downloadsAsBefore(bool replacing) const
{
    const QStringList files = filesIn(m_downloads);
    if (files == (replacing ? QStringList{"setup.exe"} : QStringList()) &&
        (!replacing || readFile(target()) == kOldInstaller))
        return true;
    qWarning() << "download folder holds" << files;
    return false;
}

void TestUpdateDialog::initTestCase()
{
    // Each test clears both settings stores: never those of the real user.
    QVERIFY2(qEnvironmentVariableIsSet("XDG_CONFIG_HOME"),
             "run through ctest, which gives the test its own home folder");
}

void TestUpdateDialog::init()
{
    m_server = std::make_unique<UpdateTestServer>();
    QVERIFY(m_server->start());
    m_server->check.body = offer("/files/setup.exe");
    m_server->installer.body = installerBytes();

    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
    m_install = m_root->filePath(QStringLiteral("Gridwell"));
    m_downloads = m_root->filePath(QStringLiteral("downloads"));
    QVERIFY(QDir().mkpath(m_install));
    QVERIFY(QDir().mkpath(m_downloads));
    QVERIFY(writeFile(QDir(m_install).filePath(QStringLiteral("gridwell.cfg")),
                      network30Configuration()));

    applicationStore().setValue(QStringLiteral("/installpath"), m_install);
    downloadStore().setValue(QStringLiteral("/location"), m_downloads);
    m_prompts = ScriptedPrompts();
    m_pollers = std::make_unique<QObject>();
}

void TestUpdateDialog::cleanup()
{
    m_pollers.reset();
    applicationStore().clear();
    downloadStore().clear();
    m_server.reset();
    m_root.reset();
}

void TestUpdateDialog::windowDuringTheCheck()
{
    m_server->check.holdAfter = 0;
    auto d = open();
    QTRY_VERIFY(m_server->holding());
    QCOMPARE(d->windowTitle(), QStringLiteral("Gridwell software Update"));
    QCOMPARE(d->size(), QSize(513, 191));
    QCOMPARE(labelOf(*d), QStringLiteral("Checking for updates…"));
    QCOMPARE(barOf(*d)->maximum(), 0); // busy: nothing says how long it takes
    const auto* exit = d->findChild<QPushButton*>(QStringLiteral("CancelPushButton"));
    QCOMPARE(exit->text(), QStringLiteral("Exit"));
    QVERIFY(exit->isEnabled());
    // The log is for reading: typing into it changes nothing.
    auto* log = d->findChild<QTextEdit*>(QStringLiteral("statusTextEdit"));
    const QString before = log->toPlainText();
    QVERIFY(!before.isEmpty());
    log->setFocus();
    QTest::keyClicks(log, QStringLiteral("typed"));
    QTest::keyClick(log, Qt::Key_Backspace);
    QCOMPARE(log->toPlainText(), before);
    m_server->release();
    QVERIFY(finishes(*d));
}

void TestUpdateDialog::checkSendsTheInstallation()
{
    m_server->check.body = "COMPLETION_STATUS:FAIL:C123:x";
    auto d = open();
    QVERIFY(finishes(*d));
    QCOMPARE(m_server->requests.size(), 1);
    const UpdateTestServer::Request& post = m_server->requests.constFirst();
    QCOMPARE(post.method, QByteArray("POST"));
    QCOMPARE(post.path, QByteArray("/updatecheck.php"));
    QCOMPARE(post.headers.value("content-type"), QByteArray("application/x-www-form-urlencoded"));
    QCOMPARE(post.headers.value("host"),
             ("127.0.0.1:" + QString::number(m_server->serverPort())).toLatin1());
    QCOMPARE(post.body, QByteArray("loginName=tstacct&loginPassword=tstpass&gridwellVersion=30"
                                   "&gridwellType=NETWORK&eMailAddr=updates@example.test"
                                   "&operatingSystem=LINUX"));
}

void TestUpdateDialog::plainHttpIsNamed_data()
{
    QTest::addColumn<QString>("scheme");
    QTest::newRow("http") << "http";
    QTest::newRow("https") << "https";
}

void TestUpdateDialog::plainHttpIsNamed()
{
    QFETCH(QString, scheme);
    Deployment deployment = this->deployment();
    QUrl server(deployment.server);
    server.setScheme(scheme);
    deployment.server = server.toString();
    m_server->close(); // the connection is refused whatever the scheme

    auto d = open(deployment);
    QVERIFY(finishes(*d));
    const QString refused =
        QStringLiteral("Error: C306: Gridwell Update Failed: Connection refused.\n\n");
    QCOMPARE(logOf(*d), scheme == QLatin1String("http")
                            ? refused + plainHttpWarning(deployment.server) + QStringLiteral("\n\n")
                            : refused);
}

void TestUpdateDialog::onlyErrorMarksAFailure()
{
    // The warning names a server called "error-reports": that is no failure.
    Deployment deployment = this->deployment();
    deployment.server = QStringLiteral("http://error-reports.invalid");
    auto d = open(deployment); // looked at before the name can be looked up
    QVERIFY2(logOf(*d).startsWith(QLatin1String("Warning: the update server "
                                                "http://error-reports.invalid is asked")),
             qPrintable(logOf(*d)));
    QCOMPARE(labelOf(*d), QStringLiteral("Checking for updates…"));
    QCOMPARE(barOf(*d)->maximum(), 0);
}

void TestUpdateDialog::offerIsDownloaded_data()
{
    QTest::addColumn<QByteArray>("serverPath");
    QTest::addColumn<QByteArray>("requested"); // the path in the request line, exactly
    QTest::addColumn<QString>("name");

    QTest::newRow("slashes") << QByteArray("/files/setup.exe") << QByteArray("/files/setup.exe")
                             << "setup.exe";
    QTest::newRow("backslash") << QByteArray("/files\\setup.exe")
                               << QByteArray("/files%5Csetup.exe") << "setup.exe";
    // The server's path is already encoded: "%20" goes out as "%20".
    QTest::newRow("encoded space")
        << QByteArray("/files/Gridwell%20Setup.exe") << QByteArray("/files/Gridwell%20Setup.exe")
        << "Gridwell Setup.exe";
    QTest::newRow("query and fragment")
        << QByteArray("/get/setup.exe?release=4.1&key=a%2Bb#sha256")
        << QByteArray("/get/setup.exe?release=4.1&key=a%2Bb") << "setup.exe";
}

void TestUpdateDialog::offerIsDownloaded()
{
    QFETCH(QByteArray, serverPath);
    QFETCH(QByteArray, requested);
    QFETCH(QString, name);
    m_server->check.body = offer(serverPath);
    m_server->installerPath = requested;

    auto d = open();
    QVERIFY(finishes(*d));
    QCOMPARE(m_server->count("GET"), 1);
    QCOMPARE(m_server->requests.at(1).path, requested);
    const QString target = QDir(m_downloads).filePath(name);
    QCOMPARE(readFile(target), installerBytes());
    QCOMPARE(filesIn(m_downloads), QStringList{name});

    // Newest first: the completion, then the offer.
    const QString started = QStringLiteral("Starting to download the latest version: \n"
                                           "Version: 4.1 \nReleased Date: 2009-06-01 \n"
                                           "Local Download Directory: %1 \n"
                                           "Approximate File Size: 25 MB \nFile Name: %2")
                                .arg(m_downloads, name);
    QCOMPARE(logOf(*d),
             QStringLiteral("The download is complete. Please install the new release.\n\n") +
                 started + QStringLiteral("\n\n") + plainHttpWarning(m_server->url()) +
                 QStringLiteral("\n\n"));
    QCOMPARE(labelOf(*d), QStringLiteral("Update download complete"));
    QCOMPARE(barOf(*d)->value(), 100);
    QCOMPARE(barOf(*d)->maximum(), 100);
    QVERIFY(m_prompts.captions.isEmpty());
    QVERIFY(m_prompts.questions.isEmpty());
}

void TestUpdateDialog::noOffer_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("reason");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("message");

    QTest::newRow("failure reply")
        << 200 << QByteArray("OK") << QByteArray("COMPLETION_STATUS:FAIL:C123:x\r\n")
        << "Error C308: Gridwell Update Failed with error Code C123. Error message x";
    QTest::newRow("no status line")
        << 200 << QByteArray("OK") << QByteArray("<html>maintenance</html>")
        << "Error C308: Gridwell Update Failed with error Code . Error message ";
    // A status containing "PASS" with a code that contains neither "C000"
    // (an offer) nor "C001" (nothing newer) is a failure.
    QTest::newRow("PASS with another code")
        << 200 << QByteArray("OK") << QByteArray("COMPLETION_STATUS:PASS:C002:later")
        << "Error C308: Gridwell Update Failed with error Code C002. Error message later";
    QTest::newRow("message with a placeholder")
        << 200 << QByteArray("OK") << QByteArray("COMPLETION_STATUS:FAIL:C%2:50%1 done")
        << "Error C308: Gridwell Update Failed with error Code C%2. Error message 50%1 done";
    QTest::newRow("not found")
        << 404 << QByteArray("Not Found") << offer("/files/setup.exe")
        << "Error C307: Gridwell Update Failed: Error Code: 404 Error Message: Not Found.";
    QTest::newRow("redirect is not followed")
        << 302 << QByteArray("Found") << offer("/files/setup.exe")
        << "Error C307: Gridwell Update Failed: Error Code: 302 Error Message: Found.";
    QTest::newRow("no server listening")
        << 0 << QByteArray() << QByteArray()
        << "Error: C306: Gridwell Update Failed: Connection refused.";
}

void TestUpdateDialog::noOffer()
{
    QFETCH(int, status);
    QFETCH(QByteArray, reason);
    QFETCH(QByteArray, body);
    QFETCH(QString, message);
    m_server->check = {status, reason, body};
    if (status == 0)
        m_server->close();

    auto d = open();
    QVERIFY(finishes(*d));
    QVERIFY(newestIs(*d, message));
    QCOMPARE(labelOf(*d), QStringLiteral("Update download cancelled"));
    QCOMPARE(barOf(*d)->value(), 0);
    QCOMPARE(barOf(*d)->maximum(), 100);
    QCOMPARE(m_server->count("GET"), 0);
    QVERIFY(downloadsAsBefore(false));
}

void TestUpdateDialog::upToDateIsNoFailure()
{
    m_server->check.body = "Update check\r\nCOMPLETION_STATUS:PASS:C001:up to date\r\n";
    auto d = open();
    QSignalSpy done(d.get(), &SoftwareUpdateDialog::transfersDone);
    QVERIFY(done.wait(10000));
    QCOMPARE(done.constFirst().constFirst().toBool(), false);
    QVERIFY(newestIs(*d, QStringLiteral("Gridwell Update: No new update is available at this "
                                        "time")));
    QVERIFY2(!logOf(*d).contains(QLatin1String("Error")), qPrintable(logOf(*d)));
    QCOMPARE(labelOf(*d), QStringLiteral("Verification of new update complete"));
    QCOMPARE(barOf(*d)->value(), 100);
    QCOMPARE(barOf(*d)->maximum(), 100);
    QCOMPARE(m_server->count("GET"), 0);
    QVERIFY(downloadsAsBefore(false));
}

void TestUpdateDialog::unusableInstallerNameIsRefused_data()
{
    QTest::addColumn<QByteArray>("serverPath");
    QTest::addColumn<QString>("name");

    QTest::newRow("folder only") << QByteArray("/files/") << "";
    QTest::newRow("dot dot") << QByteArray("/files/..") << "..";
    QTest::newRow("dot") << QByteArray("/files/.") << ".";
    // After the last backslash comes a path that climbs out of the folder.
    QTest::newRow("climbing path")
        << QByteArray("/files\\x/../../outside.exe") << "x/../../outside.exe";
    QTest::newRow("wildcard") << QByteArray("/files/set*up.exe") << "set*up.exe";
    QTest::newRow("control character") << QByteArray("/files/set\tup.exe") << "set\tup.exe";
}

void TestUpdateDialog::unusableInstallerNameIsRefused()
{
    QFETCH(QByteArray, serverPath);
    QFETCH(QString, name);
    m_server->check.body = offer(serverPath);
    // Download into a folder two levels down, so that a climbing name would
    // land in the temporary root.
    m_downloads = m_root->filePath(QStringLiteral("a/b"));
    QVERIFY(QDir().mkpath(m_downloads));
    downloadStore().setValue(QStringLiteral("/location"), m_downloads);
    const QStringList before = filesIn(m_root->path());

    auto d = open();
    QVERIFY(finishes(*d));
    QVERIFY(newestIs(*d, QStringLiteral("Error C308: Gridwell Update Failed with error Code "
                                        "C000. Error message The installer name \"%1\" in the "
                                        "server's reply is not a usable file name")
                             .arg(name)));
    QCOMPARE(labelOf(*d), QStringLiteral("Update download cancelled"));
    QCOMPARE(m_server->count("GET"), 0);
    QVERIFY(downloadsAsBefore(false));
    QCOMPARE(filesIn(m_root->path()), before);
}

void TestUpdateDialog::progressOfAnnouncedTotal()
{
    m_server->installer.holdAfter = 500;
    auto d = open();
    QProgressBar* bar = barOf(*d);
    QTRY_COMPARE(bar->value(), 500);
    QCOMPARE(bar->maximum(), 1050);
    QCOMPARE(labelOf(*d), QStringLiteral("Started new update download"));

    m_server->release();
    QVERIFY(finishes(*d));
    QCOMPARE(readFile(target()), installerBytes());
    QCOMPARE(bar->value(), 100);
    QCOMPARE(bar->maximum(), 100);
}

void TestUpdateDialog::unknownTotalShowsBusyBar()
{
    m_server->installer.announceLength = false;
    m_server->installer.holdAfter = 300;
    auto d = open();
    QTRY_VERIFY(m_server->holding() && d->isBusy());
    QProgressBar* bar = barOf(*d);
    QTRY_VERIFY(bar->minimum() == 0 && bar->maximum() == 0);

    m_server->release();
    QVERIFY(finishes(*d));
    QCOMPARE(readFile(target()), installerBytes());
    QCOMPARE(bar->value(), 100);
    QCOMPARE(bar->maximum(), 100);
}

void TestUpdateDialog::stoppingLeavesNoPartialInstaller_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("replacing");
    QTest::addColumn<bool>("duringCheck");

    QTest::newRow("Exit") << "exit" << false << false;
    QTest::newRow("Exit while replacing") << "exit" << true << false;
    QTest::newRow("window closed") << "reject" << false << false;
    QTest::newRow("window closed while replacing") << "reject" << true << false;
    QTest::newRow("dialog destroyed while replacing") << "destroy" << true << false;
    QTest::newRow("Exit during the check") << "exit" << false << true;
}

void TestUpdateDialog::stoppingLeavesNoPartialInstaller()
{
    QFETCH(QString, how);
    QFETCH(bool, replacing);
    QFETCH(bool, duringCheck);

    if (replacing)
        QVERIFY(writeFile(target(), kOldInstaller));
    m_prompts.overwrite = true;
    if (duringCheck)
        m_server->check.holdAfter = 10;
    else
        m_server->installer.holdAfter = 500;

    auto d = open();
    if (duringCheck)
        QTRY_VERIFY(m_server->holding());
    else
        QTRY_COMPARE(barOf(*d)->value(), 500);
    QVERIFY(d->isBusy());

    if (how == QLatin1String("exit")) {
        d->findChild<QPushButton*>(QStringLiteral("CancelPushButton"))->click();
        QVERIFY(!d->isVisible());
        QCOMPARE(d->result(), int(QDialog::Accepted));
    } else if (how == QLatin1String("reject")) {
        d->reject();
        QVERIFY(!d->isVisible());
    } else {
        d.reset();
    }
    if (d)
        QVERIFY(!d->isBusy());

    // Whatever the server does next must not bring a file back.
    m_server->release();
    QTRY_VERIFY(!m_server->holding());
    QCoreApplication::processEvents();
    QVERIFY(downloadsAsBefore(replacing));
    if (duringCheck)
        QCOMPARE(m_server->count("GET"), 0);
}

void TestUpdateDialog::failedDownloadLeavesNoPartialInstaller_data()
{
    QTest::addColumn<bool>("replacing");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");

    QTest::newRow("connection lost") << false << 200 << "Error: C313: Gridwell Update Failed:";
    QTest::newRow("connection lost while replacing")
        << true << 200 << "Error: C313: Gridwell Update Failed:";
    QTest::newRow("installer not found while replacing")
        << true << 404
        << "Error C307: Gridwell Update Failed: Error Code: 404 Error Message: Not Found.";
}

void TestUpdateDialog::failedDownloadLeavesNoPartialInstaller()
{
    QFETCH(bool, replacing);
    QFETCH(int, status);
    QFETCH(QString, message);

    if (replacing)
        QVERIFY(writeFile(target(), kOldInstaller));
    m_prompts.overwrite = true;
    if (status == 200) {
        m_server->installer.holdAfter = 500;
        m_server->installer.dropAfterHold = true;
    } else {
        m_server->installer.status = status;
        m_server->installer.reason = "Not Found";
    }

    auto d = open();
    QVERIFY(finishes(*d));
    QVERIFY2(logOf(*d).startsWith(message), qPrintable(logOf(*d)));
    QCOMPARE(labelOf(*d), QStringLiteral("Update download cancelled"));
    QCOMPARE(barOf(*d)->value(), 0);
    QVERIFY(downloadsAsBefore(replacing));
}

void TestUpdateDialog::overwriteQuestion_data()
{
    QTest::addColumn<bool>("answer");
    QTest::newRow("No") << false;
    QTest::newRow("Yes") << true;
}

void TestUpdateDialog::overwriteQuestion()
{
    QFETCH(bool, answer);
    QVERIFY(writeFile(target(), kOldInstaller));
    m_prompts.overwrite = answer;

    auto d = open();
    QVERIFY(finishes(*d));
    QCOMPARE(m_prompts.questions,
             QStringList{QStringLiteral("Gridwell Update|The download file %1/setup.exe already "
                                        "exists.\n Do you want to over ride this file?")
                             .arg(m_downloads)});
    if (answer) {
        QCOMPARE(readFile(target()), installerBytes());
        QVERIFY(newestIs(
            *d, QStringLiteral("The download is complete. Please install the new release.")));
    } else {
        QVERIFY(downloadsAsBefore(true));
        QCOMPARE(m_server->count("GET"), 0);
        QVERIFY(newestIs(*d, QStringLiteral("Error C311: Gridwell Update failed:You have choosen "
                                            "not to over ride the file. Therefore can not "
                                            "download the new update.\n")));
        QCOMPARE(labelOf(*d), QStringLiteral("Update download cancelled"));
    }
    QCOMPARE(filesIn(m_downloads), QStringList{"setup.exe"});
}

void TestUpdateDialog::stopsBeforeAsking_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("message");

    QTest::newRow("no install path")
        << "no install path"
        << "Error C300: Gridwell application was not installed properly. Can not check for "
           "product updates.";
    QTest::newRow("unknown operating system")
        << "os NONE"
        << "Error C315:Unable to determine the operating system type. Therefore can not check "
           "for update";
    QTest::newRow("no download folder chosen")
        << "no folder"
        << "Error C302: You have not selected a directory to download the update. therefore "
           "can not check for update";
    QTest::newRow("install folder gone")
        << "no install folder"
        << "Error C303: Unable to find the Gridwell install directory";
    QTest::newRow("no configuration file") << "no configuration"
                                           << "Error C303: No configuration file was found.";
    QTest::newRow("checksum plus one") << "checksum plus one"
                                       << "Error C303: Configuration file is corrupted";
    QTest::newRow("not a server address")
        << "bad server"
        << "Error: C305: Gridwell Update Failed: \"updates\" is not the address of an update "
           "server (https://host or https://host:port).";
}

void TestUpdateDialog::stopsBeforeAsking()
{
    QFETCH(QString, setup);
    QFETCH(QString, message);

    Deployment deployment = this->deployment();
    const QString config = QDir(m_install).filePath(QStringLiteral("gridwell.cfg"));
    if (setup == QLatin1String("no install path"))
        applicationStore().remove(QStringLiteral("/installpath"));
    else if (setup == QLatin1String("os NONE"))
        deployment.operatingSystem = QStringLiteral("NONE");
    else if (setup == QLatin1String("no folder"))
        downloadStore().remove(QStringLiteral("/location"));
    else if (setup == QLatin1String("no install folder"))
        QVERIFY(QDir(m_install).removeRecursively());
    else if (setup == QLatin1String("no configuration"))
        QVERIFY(QFile::remove(config));
    else if (setup == QLatin1String("checksum plus one"))
        QVERIFY(writeFile(config, network30Configuration(1)));
    else if (setup == QLatin1String("bad server"))
        deployment.server = QStringLiteral("updates");

    auto d = open(deployment);
    QCOMPARE(logOf(*d), message + QLatin1String("\n\n"));
    QCOMPARE(labelOf(*d), QStringLiteral("Update download cancelled"));
    QVERIFY(!d->isBusy());
    QCOMPARE(m_prompts.captions.size(), setup == QLatin1String("no folder") ? 1 : 0);
    QVERIFY(m_server->requests.isEmpty());
}

void TestUpdateDialog::downloadFolderIsAskedForAndRemembered()
{
    const QString chosen = m_root->filePath(QStringLiteral("chosen"));
    QVERIFY(QDir().mkpath(chosen));
    m_prompts.folder = chosen;
    // A folder that no longer exists is asked for again.
    downloadStore().setValue(QStringLiteral("/location"), m_root->filePath(QStringLiteral("gone")));

    auto d = open();
    QCOMPARE(m_prompts.captions,
             QStringList{"Select a directory to save the new Gridwell Application Install file"});
    QCOMPARE(downloadStore().value(QStringLiteral("/location")).toString(), chosen);
    QVERIFY(finishes(*d));
    QCOMPARE(readFile(QDir(chosen).filePath(QStringLiteral("setup.exe"))), installerBytes());
}

void TestUpdateDialog::checkNeedsNoWritableCurrentFolder()
{
    // A current folder where nothing can be created, not even by root: one
    // that has been deleted.
    const QString previous = QDir::currentPath();
    const QString gone = m_root->filePath(QStringLiteral("gone"));
    QVERIFY(QDir().mkpath(gone));
    QVERIFY(QDir::setCurrent(gone));
    QVERIFY(QDir().rmdir(gone));

    auto d = open();
    const bool finished = finishes(*d);
    QDir::setCurrent(previous);
    QVERIFY(finished);
    QVERIFY2(!logOf(*d).contains(QLatin1String("Error")), qPrintable(logOf(*d)));
    QCOMPARE(readFile(target()), installerBytes());
}

void TestUpdateDialog::realPrompts_data()
{
    QTest::addColumn<bool>("chooseFolder"); // answer the folder picker, or cancel it
    QTest::addColumn<bool>("replace");      // answer Yes to replacing, or No
    QTest::addColumn<QString>("outcome");   // the newest line of the log

    QTest::newRow("folder chosen, Yes to replacing")
        << true << true << "The download is complete. Please install the new release.";
    QTest::newRow("folder chosen, No to replacing")
        << true << false
        << "Error C311: Gridwell Update failed:You have choosen not to over ride the file. "
           "Therefore can not download the new update.\n";
    QTest::newRow("folder picker cancelled")
        << false << false
        << "Error C302: You have not selected a directory to download the update. therefore "
           "can not check for update";
}

void TestUpdateDialog::realPrompts()
{
    QFETCH(bool, chooseFolder);
    QFETCH(bool, replace);
    QFETCH(QString, outcome);

    downloadStore().remove(QStringLiteral("/location"));
    m_downloads = m_root->filePath(QStringLiteral("chosen"));
    QVERIFY(QDir().mkpath(m_downloads));
    QVERIFY(writeFile(target(), kOldInstaller));
    // A reply of unknown length leaves the bar busy at the end of the check.
    m_server->check.announceLength = false;

    // What each window showed, read while it was open.
    struct Seen
    {
        QString pickerTitle;
        bool pickerForFolders = false;
        Backdrop behindPicker;
        QString boxTitle;
        QString boxText;
        bool boxIsYesNoWarning = false;
        Backdrop behindBox;
    };
    auto seen = std::make_shared<Seen>();
    const QString folder = m_downloads;
    whenModal<QFileDialog>(m_pollers.get(), [=](QFileDialog* picker) {
        seen->pickerTitle = picker->windowTitle();
        seen->pickerForFolders = picker->fileMode() == QFileDialog::Directory &&
                                 picker->testOption(QFileDialog::ShowDirsOnly) &&
                                 picker->testOption(QFileDialog::DontResolveSymlinks);
        seen->behindPicker = backdropOf(picker->parentWidget());
        if (chooseFolder) {
            picker->setDirectory(folder);
            static_cast<QDialog*>(picker)->accept(); // as the Choose button does
        } else {
            picker->reject();
        }
        return true;
    });
    whenModal<QMessageBox>(m_pollers.get(), [=](QMessageBox* box) {
        seen->boxTitle = box->windowTitle();
        seen->boxText = box->text();
        seen->boxIsYesNoWarning = box->icon() == QMessageBox::Warning &&
                                  box->standardButtons() == (QMessageBox::Yes | QMessageBox::No);
        seen->behindBox = backdropOf(box->parentWidget());
        box->button(replace ? QMessageBox::Yes : QMessageBox::No)->click();
        return true;
    });

    DialogPrompts prompts;
    auto d = open(deployment(), &prompts);
    if (chooseFolder)
        QVERIFY(finishes(*d));
    QVERIFY(newestIs(*d, outcome));

    QCOMPARE(
        seen->pickerTitle,
        QStringLiteral("Select a directory to save the new Gridwell Application Install file"));
    QVERIFY(seen->pickerForFolders);
    QVERIFY2(seen->behindPicker.shown, "the folder picker came before the update window");
    QCOMPARE(seen->behindPicker.label, QStringLiteral("Checking for updates…"));
    if (!chooseFolder) {
        QVERIFY(m_server->requests.isEmpty());
        QVERIFY(seen->boxTitle.isEmpty());
        return;
    }
    QCOMPARE(downloadStore().value(QStringLiteral("/location")).toString(), m_downloads);
    QCOMPARE(seen->boxTitle, QStringLiteral("Gridwell Update"));
    QCOMPARE(seen->boxText, QStringLiteral("The download file %1/setup.exe already exists.\n Do "
                                           "you want to over ride this file?")
                                .arg(m_downloads));
    QVERIFY(seen->boxIsYesNoWarning);
    QVERIFY2(!seen->behindBox.busyBar, "the bar runs behind the question");
    QCOMPARE(readFile(target()), replace ? installerBytes() : kOldInstaller);
}

void TestUpdateDialog::folderThatCannotTakeTheInstaller_data()
{
    QTest::addColumn<bool>("replacing");
    QTest::addColumn<QString>("message"); // how the newest line of the log starts

    // Nothing can be made below a regular file, not even by root.
    QTest::newRow("folder below a regular file")
        << false
        << "Error C312: Gridwell Update failed:Unable to update file: %1/setup.exe. Error: ";
    QTest::newRow("folder replaced by a file while asking")
        << true
        << "Error C310: Gridwell Update failed: Unable to Remove file: %1/setup.exe. Check File "
           "permission. Can not download update\n\n";
}

void TestUpdateDialog::folderThatCannotTakeTheInstaller()
{
    QFETCH(bool, replacing);
    QFETCH(QString, message);

    const QString plain = m_root->filePath(QStringLiteral("plain"));
    const QByteArray plainText = "a file, not a folder";
    QVERIFY(writeFile(plain, plainText));
    const QString moved = m_root->filePath(QStringLiteral("moved"));
    if (replacing) {
        QVERIFY(writeFile(target(), kOldInstaller));
        m_prompts.overwrite = true;
        // As with a removable disk swapped while the question was open.
        const QString folder = m_downloads;
        m_prompts.whileAsking = [folder, moved, plain] {
            QDir().rename(folder, moved);
            QFile::rename(plain, folder);
        };
    } else {
        m_downloads = QDir(plain).filePath(QStringLiteral("downloads"));
        downloadStore().remove(QStringLiteral("/location"));
        m_prompts.folder = m_downloads;
    }

    auto d = open();
    QVERIFY(finishes(*d));
    const QString log = logOf(*d);
    QVERIFY2(log.startsWith(message.arg(m_downloads)), qPrintable(log));
    if (!replacing)
        QVERIFY2(log.section(QLatin1String("\n\n"), 0, 0).endsWith(". Check file permission"),
                 qPrintable(log));
    QCOMPARE(labelOf(*d), QStringLiteral("Update download cancelled"));
    QCOMPARE(m_server->count("GET"), 0);
    if (replacing) {
        QCOMPARE(readFile(QDir(moved).filePath(QStringLiteral("setup.exe"))), kOldInstaller);
        QCOMPARE(readFile(m_downloads), plainText);
    }
}

void TestUpdateDialog::programEndsWithZeroWhenClosed_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("escape");  // close with the Escape key, else with Exit
    QTest::addColumn<QString>("last"); // the newest line of the log when the user closes

    QTest::newRow("Exit after a failure")
        << QByteArray("COMPLETION_STATUS:FAIL:C123:x") << false
        << "Error C308: Gridwell Update Failed with error Code C123. Error message x";
    QTest::newRow("Escape after the download")
        << offer("/files/setup.exe") << true
        << "The download is complete. Please install the new release.";
}

void TestUpdateDialog::programEndsWithZeroWhenClosed()
{
    QFETCH(QByteArray, reply);
    QFETCH(bool, escape);
    QFETCH(QString, last);
    m_server->check.body = reply;

    auto closed = std::make_shared<bool>(false);
    whenModal<SoftwareUpdateDialog>(m_pollers.get(), [=](SoftwareUpdateDialog* d) {
        if (!logOf(*d).startsWith(last))
            return false;
        if (escape)
            QTest::keyClick(d, Qt::Key_Escape);
        else
            d->findChild<QPushButton*>(QStringLiteral("CancelPushButton"))->click();
        *closed = true;
        return true;
    });

    // Should closing not end the program, the test ends it and fails.
    auto rescued = std::make_shared<bool>(false);
    QTimer::singleShot(20000, m_pollers.get(), [rescued] {
        if (QWidget* window = QApplication::activeModalWidget()) {
            *rescued = true;
            window->hide();
        }
    });

    Deployment builtIn = deployment();
    builtIn.server = QStringLiteral("https://updates.invalid"); // the command line names ours
    const int status =
        runProgram({QStringLiteral("updater"), QStringLiteral("--server"), m_server->url()},
                   builtIn, &m_prompts);
    QVERIFY2(*closed, "the window never showed the expected outcome");
    QVERIFY2(!*rescued, "the program went on after its window was closed");
    QCOMPARE(status, 0);
    QCOMPARE(m_server->count("POST"), 1);
}

QTEST_MAIN(TestUpdateDialog)
#include "tst_updatedialog.moc"
