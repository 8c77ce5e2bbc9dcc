// The updater's parts apart from its dialog: the installation's configuration
// file, the update check's body, the server's reply, installer names, the
// progress bar's span and the command line.
#include "softwareupdatedialog.h"
#include "updatecommandline.h"
#include "updateconfig.h"
#include "updateprotocol.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

using namespace Updater;

namespace {

// The file as the installer writes it: big-endian 32-bit integers.
QByteArray integers(const QList<qint32>& values)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    for (qint32 v : values)
        out << v;
    return bytes;
}

// The checksum over the installer's buffer, spelt out byte by byte in each
// row rather than rebuilt here the way the reader builds it.
qint32 crc(const char* buffer, int size)
{
    return qChecksum(QByteArrayView(buffer, size));
}

} // namespace

class TestUpdatePieces : public QObject
{
    Q_OBJECT

private slots:
    void configuration_data();
    void configuration();
    void requestBodyInOrder();
    void reply_data();
    void reply();
    void installerNames_data();
    void installerNames();
    void progress_data();
    void progress();
    void serverAddress_data();
    void serverAddress();
    void downloadAddress_data();
    void downloadAddress();
    void commandLine_data();
    void commandLine();
    void helpSaysWhereThingsComeFrom();
    void programExitStatus_data();
    void programExitStatus();
};

void TestUpdatePieces::configuration_data()
{
    QTest::addColumn<bool>("folderExists");
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("edition");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("reason");

    const qint32 network30 = crc("130\0\0\0\0\0\0\0\0\0", 12);
    QTest::newRow("network 3.0") << true << true << integers({1, 3, 0, network30}) << "NETWORK"
                                 << "30"
                                 << "";
    QTest::newRow("checksum plus one") << true << true << integers({1, 3, 0, network30 + 1}) << ""
                                       << ""
                                       << "Configuration file is corrupted";
    // Each value's text, with its zero, one byte further on: "0", "31", "42"
    // leave "0342" and the zero.
    QTest::newRow("only first digits count")
        << true << true << integers({0, 31, 42, crc("0342\0\0\0\0\0\0\0\0", 12)}) << "FULL"
        << "34"
        << "";
    QTest::newRow("edition 10 reads as 1")
        << true << true << integers({10, 3, 0, network30}) << "NETWORK"
        << "30"
        << "";
    QTest::newRow("a fourth value")
        << true << true << integers({2, 4, 1, 7, crc("2417\0\0\0\0\0\0\0\0\0\0\0\0", 16)}) << "AP"
        << "41"
        << "";
    // Twelve characters and a zero at offset 2 of a 12-byte buffer: only
    // what fits takes part.
    QTest::newRow("long last value is cut at the buffer's end")
        << true << true
        << integers({1, 3, std::numeric_limits<qint32>::min(), crc("13-214748364", 12)})
        << "NETWORK"
        << "3-"
        << "";
    QTest::newRow("unknown edition")
        << true << true << integers({3, 3, 0, crc("330\0\0\0\0\0\0\0\0\0", 12)}) << ""
        << ""
        << "Invalid Gridwell Type 3 detected";
    QTest::newRow("negative edition")
        << true << true << integers({-1, 3, 0, crc("-30\0\0\0\0\0\0\0\0\0", 12)}) << ""
        << ""
        << "Invalid Gridwell Type -1 detected";
    QTest::newRow("empty file") << true << true << QByteArray() << ""
                                << ""
                                << "No entries in Configuration file";
    QTest::newRow("less than one integer") << true << true << QByteArray("\0\1", 2) << ""
                                           << ""
                                           << "No entries in Configuration file";
    QTest::newRow("torn last integer")
        << true << true << integers({1, 3, 0, network30}) + QByteArray("\0\0", 2) << ""
        << ""
        << "Configuration file is corrupted";
    QTest::newRow("too few values for edition and version")
        << true << true << integers({1, crc("1\0\0\0", 4)}) << ""
        << ""
        << "Configuration file is corrupted";
    QTest::newRow("checksum only") << true << true << integers({crc("", 0)}) << ""
                                   << ""
                                   << "Configuration file is corrupted";
    QTest::newRow("no file") << true << false << QByteArray() << ""
                             << ""
                             << "No configuration file was found.";
    QTest::newRow("no install folder") << false << false << QByteArray() << ""
                                       << ""
                                       << "Unable to find the Gridwell install directory";
}

void TestUpdatePieces::configuration()
{
    QFETCH(bool, folderExists);
    QFETCH(bool, fileExists);
    QFETCH(QByteArray, contents);
    QFETCH(QString, edition);
    QFETCH(QString, version);
    QFETCH(QString, reason);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString folder = dir.filePath(QStringLiteral("Gridwell"));
    if (folderExists)
        QVERIFY(QDir().mkpath(folder));
    if (fileExists) {
        QFile file(QDir(folder).filePath(QStringLiteral("gridwell.cfg")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(contents), contents.size());
    }

    InstalledRelease release;
    QString actualReason;
    const bool ok = readConfiguration(folder, &release, &actualReason);
    QCOMPARE(actualReason, reason);
    QCOMPARE(ok, reason.isEmpty());
    QCOMPARE(release.edition, edition);
    QCOMPARE(release.version, version);
}

void TestUpdatePieces::requestBodyInOrder()
{
    Deployment deployment;
    deployment.account = QStringLiteral("svcacct");
    deployment.password = QStringLiteral("pa&ss=w");
    deployment.email = QStringLiteral("svc+updates@example.test");
    deployment.operatingSystem = QStringLiteral("LINUX");
    // Values go in as they are, without percent-encoding: the server reads
    // them that way.
    QCOMPARE(requestBody(deployment, QStringLiteral("30"), QStringLiteral("NETWORK")),
             QByteArray("loginName=svcacct&loginPassword=pa&ss=w&gridwellVersion=30"
                        "&gridwellType=NETWORK&eMailAddr=svc+updates@example.test"
                        "&operatingSystem=LINUX"));
}

void TestUpdatePieces::reply_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("meaning");    // "offer", "up to date" or neither
    QTest::addColumn<QStringList>("fields"); // status, code, message, version, date, size, path

    const QByteArray offer = "COMPLETION_STATUS:PASS:C000:4.1:2009-06-01:25 MB:/files/setup.exe";
    const QStringList offered{
        "PASS", "C000", "4.1", "4.1", "2009-06-01", "25 MB", "/files/setup.exe"};
    QTest::newRow("offer") << offer << "offer" << offered;
    QTest::newRow("offer among other lines, CRLF")
        << QByteArray("<html>\r\nnoise: here\r\n" + offer + "\r\n</html>\r\n") << "offer"
        << offered;
    QTest::newRow("marker inside a line")
        << QByteArray("<p>COMPLETION_STATUS:FAIL:C123:x</p>\n") << ""
        << QStringList{"FAIL", "C123", "x</p>", "", "", "", ""};
    QTest::newRow("failure") << QByteArray("COMPLETION_STATUS:FAIL:C123:x\n") << ""
                             << QStringList{"FAIL", "C123", "x", "", "", "", ""};
    QTest::newRow("a later failure wins")
        << QByteArray(offer + "\nCOMPLETION_STATUS:FAIL:C200:later\n") << ""
        << QStringList{"FAIL", "C200", "later", "", "", "", ""};
    QTest::newRow("a later offer wins")
        << QByteArray("COMPLETION_STATUS:FAIL:C200:earlier\n" + offer) << "offer" << offered;
    QTest::newRow("no newer release")
        << QByteArray("COMPLETION_STATUS:PASS:C001:up to date\r\n") << "up to date"
        << QStringList{"PASS", "C001", "up to date", "", "", "", ""};
    // Status and code need only contain the words, as servers have always
    // been read.
    QTest::newRow("status merely containing PASS")
        << QByteArray("COMPLETION_STATUS:NOPASS:C000:4.1:d:s:/x.exe") << "offer"
        << QStringList{"NOPASS", "C000", "4.1", "4.1", "d", "s", "/x.exe"};
    QTest::newRow("code merely containing C000")
        << QByteArray("COMPLETION_STATUS:PASS:C0001:4.1:d:s:/x.exe") << "offer"
        << QStringList{"PASS", "C0001", "4.1", "4.1", "d", "s", "/x.exe"};
    QTest::newRow("status merely containing PASS, code C001")
        << QByteArray("COMPLETION_STATUS:PASSED:C001:x") << "up to date"
        << QStringList{"PASSED", "C001", "x", "", "", "", ""};
    QTest::newRow("C001 without PASS") << QByteArray("COMPLETION_STATUS:FAIL:C001:x") << ""
                                       << QStringList{"FAIL", "C001", "x", "", "", "", ""};
    QTest::newRow("PASS with another code") << QByteArray("COMPLETION_STATUS:PASS:C002:x") << ""
                                            << QStringList{"PASS", "C002", "x", "", "", "", ""};
    QTest::newRow("marker is case-sensitive")
        << QByteArray("completion_status:PASS:C000:4.1:d:s:/x.exe") << ""
        << QStringList{"", "", "", "", "", "", ""};
    QTest::newRow("empty reply") << QByteArray() << "" << QStringList{"", "", "", "", "", "", ""};
}

void TestUpdatePieces::reply()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, meaning);
    QFETCH(QStringList, fields);

    const UpdateReply reply = parseReply(body);
    QCOMPARE(reply.offersUpdate(), meaning == QLatin1String("offer"));
    QCOMPARE(reply.isUpToDate(), meaning == QLatin1String("up to date"));
    QCOMPARE((QStringList{reply.status, reply.code, reply.message, reply.version, reply.releaseDate,
                          reply.approximateSize, reply.serverPath}),
             fields);
}

void TestUpdatePieces::installerNames_data()
{
    QTest::addColumn<QString>("serverPath");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("usable");

    QTest::newRow("slashes") << "/files/setup.exe"
                             << "setup.exe" << true;
    QTest::newRow("backslash") << "/files\\setup.exe"
                               << "setup.exe" << true;
    QTest::newRow("backslash wins over later slash") << "\\up/../../evil.exe"
                                                     << "up/../../evil.exe" << false;
    QTest::newRow("bare name") << "setup.exe"
                               << "setup.exe" << true;
    QTest::newRow("spaces and unicode") << "/f/Gridwell Setup 4.1 \u00e9.exe"
                                        << "Gridwell Setup 4.1 \u00e9.exe" << true;
    QTest::newRow("folder only") << "/files/"
                                 << "" << false;
    QTest::newRow("empty") << ""
                           << "" << false;
    QTest::newRow("dot") << "/files/."
                         << "." << false;
    QTest::newRow("dot dot") << "/files/.."
                             << ".." << false;
    QTest::newRow("dot dot after backslash") << "/files\\.."
                                             << ".." << false;
    QTest::newRow("wildcard") << "/files/set*up.exe"
                              << "set*up.exe" << false;
    QTest::newRow("angle bracket") << "/files/a<b.exe"
                                   << "a<b.exe" << false;
    QTest::newRow("tab") << "/files/set\tup.exe"
                         << "set\tup.exe" << false;
    // The path is encoded as sent; the file takes the name it encodes.
    QTest::newRow("encoded space") << "/files/Gridwell%20Setup.exe"
                                   << "Gridwell Setup.exe" << true;
    QTest::newRow("lone percent") << "/files/100%.exe"
                                  << "100%.exe" << true;
    QTest::newRow("query") << "/get/setup.exe?release=4.1/x.exe"
                           << "setup.exe" << true;
    QTest::newRow("fragment") << "/files/setup.exe#a/b"
                              << "setup.exe" << true;
    QTest::newRow("encoded slash") << "/files/..%2F..%2Fevil.exe"
                                   << "../../evil.exe" << false;
    QTest::newRow("encoded zero byte")
        << "/files/setup.exe%00.txt" << QStringLiteral("setup.exe") + QChar(0) + ".txt" << false;
}

void TestUpdatePieces::installerNames()
{
    QFETCH(QString, serverPath);
    QFETCH(QString, name);
    QFETCH(bool, usable);
    QCOMPARE(installerFileName(serverPath), name);
    QCOMPARE(isUsableFileName(name), usable);
}

void TestUpdatePieces::progress_data()
{
    QTest::addColumn<qint64>("done");
    QTest::addColumn<qint64>("total");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("maximum");

    QTest::newRow("half of 1000") << qint64(500) << qint64(1000) << 500 << 1050;
    QTest::newRow("all of 1000") << qint64(1000) << qint64(1000) << 1000 << 1050;
    QTest::newRow("empty body") << qint64(0) << qint64(0) << 0 << 50;
    QTest::newRow("unknown total is busy") << qint64(300) << qint64(-1) << 0 << 0;
    QTest::newRow("more than announced stays on the bar")
        << qint64(5000) << qint64(1000) << 1050 << 1050;
    // 6 GB is past int: the bar moves in steps of three bytes.
    QTest::newRow("past the range of int")
        << qint64(3000000000) << qint64(6000000000) << 1000000000 << 2000000016;
    QTest::newRow("largest announced total")
        << qint64(0) << std::numeric_limits<qint64>::max() << 0 << 2147483646;
}

void TestUpdatePieces::progress()
{
    QFETCH(qint64, done);
    QFETCH(qint64, total);
    QFETCH(int, value);
    QFETCH(int, maximum);
    const ProgressSpan span = progressSpan(done, total);
    QCOMPARE(span.value, value);
    QCOMPARE(span.maximum, maximum);
}

void TestUpdatePieces::serverAddress_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("url"); // empty when refused

    QTest::newRow("host") << "http://updates.example.test"
                          << "http://updates.example.test";
    QTest::newRow("host and port") << "http://127.0.0.1:8080/"
                                   << "http://127.0.0.1:8080";
    QTest::newRow("https") << "https://updates.example.test"
                           << "https://updates.example.test";
    QTest::newRow("a path") << "http://updates.example.test/gridwell"
                            << "";
    QTest::newRow("a query") << "http://updates.example.test/?x=1"
                             << "";
    QTest::newRow("ftp") << "ftp://updates.example.test"
                         << "";
    QTest::newRow("no host") << "http://"
                             << "";
    QTest::newRow("no scheme") << "updates.example.test"
                               << "";
    QTest::newRow("empty") << ""
                           << "";
}

void TestUpdatePieces::serverAddress()
{
    QFETCH(QString, text);
    QFETCH(QString, url);
    QString reason;
    const QUrl server = serverUrl(text, &reason);
    QCOMPARE(server.toString(), url);
    QCOMPARE(reason.isEmpty(), !url.isEmpty());
    if (!server.isEmpty())
        QCOMPARE(checkUrl(server).toString(), url + QLatin1String("/updatecheck.php"));
}

void TestUpdatePieces::downloadAddress_data()
{
    QTest::addColumn<QString>("serverPath");
    QTest::addColumn<QByteArray>("url"); // as it goes on the wire

    QTest::newRow("plain") << "/files/setup.exe" << QByteArray("http://h:8080/files/setup.exe");
    QTest::newRow("relative") << "files/setup.exe" << QByteArray("http://h:8080/files/setup.exe");
    QTest::newRow("encoded space stays encoded")
        << "/files/Gridwell%20Setup.exe" << QByteArray("http://h:8080/files/Gridwell%20Setup.exe");
    QTest::newRow("encoded slash stays encoded")
        << "/files/a%2Fb.exe" << QByteArray("http://h:8080/files/a%2Fb.exe");
    QTest::newRow("raw space is encoded")
        << "/files/Gridwell Setup.exe" << QByteArray("http://h:8080/files/Gridwell%20Setup.exe");
    QTest::newRow("lone percent is encoded")
        << "/files/100%.exe" << QByteArray("http://h:8080/files/100%25.exe");
    QTest::newRow("query is sent as given")
        << "/get.php?file=setup.exe&key=a%2Bb"
        << QByteArray("http://h:8080/get.php?file=setup.exe&key=a%2Bb");
    QTest::newRow("fragment is not sent")
        << "/files/setup.exe#sha256" << QByteArray("http://h:8080/files/setup.exe");
    QTest::newRow("question mark inside the fragment")
        << "/files/setup.exe#a?b" << QByteArray("http://h:8080/files/setup.exe");
}

void TestUpdatePieces::downloadAddress()
{
    QFETCH(QString, serverPath);
    QFETCH(QByteArray, url);
    QString reason;
    const QUrl server = serverUrl(QStringLiteral("http://h:8080"), &reason);
    QCOMPARE(downloadUrl(server, serverPath).toEncoded(), url);
}

void TestUpdatePieces::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("help");
    QTest::addColumn<QString>("server");
    QTest::addColumn<bool>("error");

    const QString builtIn = builtInDeployment().server;
    QTest::newRow("nothing") << QStringList{"updater"} << false << builtIn << false;
    QTest::newRow("--help") << QStringList{"updater", "--help"} << true << builtIn << false;
    QTest::newRow("-h") << QStringList{"updater", "-h"} << true << builtIn << false;
    QTest::newRow("--server") << QStringList{"updater", "--server", "http://127.0.0.1:8080"}
                              << false << "http://127.0.0.1:8080" << false;
    QTest::newRow("--server=") << QStringList{"updater", "--server=http://mirror.example.test"}
                               << false << "http://mirror.example.test" << false;
    QTest::newRow("--server without a value")
        << QStringList{"updater", "--server"} << false << builtIn << true;
    QTest::newRow("--server not a server")
        << QStringList{"updater", "--server", "mirror"} << false << "mirror" << true;
    QTest::newRow("unknown option")
        << QStringList{"updater", "--bogus"} << false << builtIn << true;
    QTest::newRow("stray argument") << QStringList{"updater", "now"} << false << builtIn << true;
}

void TestUpdatePieces::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, help);
    QFETCH(QString, server);
    QFETCH(bool, error);

    const CommandLine line = parseCommandLine(arguments, builtInDeployment());
    QCOMPARE(line.error.isEmpty(), !error);
    if (!error) {
        QCOMPARE(line.help, help);
        QCOMPARE(line.server, server);
    }
}

void TestUpdatePieces::helpSaysWhereThingsComeFrom()
{
    Deployment deployment;
    deployment.server = QStringLiteral("http://mirror.example.test");
    deployment.account = QStringLiteral("svcacct");
    deployment.password = QStringLiteral("hunter2");
    deployment.email = QStringLiteral("svc@example.test");
    const QString help = helpText(deployment);
    for (const char* needed :
         {"--server URL", "http://mirror.example.test", "svcacct", "svc@example.test",
          "GRIDWELL_UPDATE_URL", "GRIDWELL_UPDATE_ACCOUNT", "GRIDWELL_UPDATE_PASSWORD",
          "GRIDWELL_UPDATE_EMAIL", "\"/installpath\"", "\"Korvex\"", "\"/location\"", "\"Almaren\"",
          "gridwell.cfg", "Korvex/Gridwell.conf", "Almaren/Support.conf"})
        QVERIFY2(help.contains(QLatin1String(needed)), needed);
    QVERIFY2(!help.contains(QLatin1String("hunter2")), "the help text shows the password");
}

void TestUpdatePieces::programExitStatus_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("windowSystem");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out"); // how standard output starts
    QTest::addColumn<QString>("err"); // what standard error holds

    const QString tryHelp = QStringLiteral("\nTry 'updater --help' for more information.\n");
    QTest::newRow("--help without a window system")
        << QStringList{"--help"} << false << 0 << "Usage: updater [--server URL]\n"
        << "";
    QTest::newRow("unknown option") << QStringList{"--bogus"} << true << 2 << ""
                                    << "updater: Unknown option 'bogus'." + tryHelp;
    QTest::newRow("not a server address")
        << QStringList{"--server", "updates"} << true << 2 << ""
        << "updater: \"updates\" is not the address of an update server (https://host or "
           "https://host:port)" +
               tryHelp;
    QTest::newRow("stray argument") << QStringList{"now"} << true << 2 << ""
                                    << "updater: Unexpected argument 'now'." + tryHelp;
}

void TestUpdatePieces::programExitStatus()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, windowSystem);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);

    QTemporaryDir home;
    QVERIFY(home.isValid());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral(".config")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path()); // private, as Qt expects
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        env.remove(QString::fromLatin1(name));
    if (windowSystem)
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(GRIDWELL_UPDATER), arguments);
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), status);
    const QString stdOut = QString::fromUtf8(program.readAllStandardOutput());
    QVERIFY2(out.isEmpty() ? stdOut.isEmpty() : stdOut.startsWith(out), qPrintable(stdOut));
    QCOMPARE(QString::fromUtf8(program.readAllStandardError()), err);
}

QTEST_GUILESS_MAIN(TestUpdatePieces)
#include "tst_updatepieces.moc"
