#include "runekit.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

using Key = QVUtils::gridwellSettings;
using SettingsMap = QMap<Key, QString>;

namespace {

Key keyAt(int value)
{
    return static_cast<Key>(value);
}

QList<Key> allKeys()
{
    QList<Key> keys;
    for (int i = 0; i < QVUtils::SettingsCount; ++i)
        keys.append(keyAt(i));
    return keys;
}

// Values that the native store on Linux (an INI file) has to escape: commas
// would come back as a list, a leading "@" as a typed value, padding trimmed.
QString awkwardValue(int key)
{
    static const QStringList tails = {
        QStringLiteral("a, b, c"),
        QStringLiteral("@Variant(x)"),
        QStringLiteral("  padded  "),
        QStringLiteral("semi;colon=eq"),
        QStringLiteral("line\nbreak"),
        QStringLiteral("C:\\jobs\\"),
        QStringLiteral("\u00fcn\u00efcode"),
        QStringLiteral("\"quoted\""),
        QStringLiteral("true"),
        QStringLiteral("8.50"),
    };
    return QString::number(key) + QLatin1Char('|') + tails.at(key % tails.size());
}

QString expectedIconFolder()
{
    QDir dir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    if (!dir.cdUp())
        return QString();
    return dir.absoluteFilePath(QStringLiteral("My Gridwell Icons"));
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private:
    static QString storeFile()
    {
        return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Korvex"),
                         QStringLiteral("Gridwell"))
            .fileName();
    }
    static QStringList storedKeys()
    {
        return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Korvex"),
                         QStringLiteral("Gridwell"))
            .allKeys();
    }
    static QByteArray storeContents()
    {
        QFile file(storeFile());
        if (!file.open(QIODevice::ReadOnly))
            return QByteArray();
        return file.readAll();
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        // Never run against the developer's own store: CTest gives every
        // test program a private HOME below the build tree.
        QVERIFY2(qEnvironmentVariable("HOME").contains(QStringLiteral("/tests/home/")),
                 "HOME is not a test home; run through ctest");
        QVERIFY(QDir::homePath() != QStringLiteral("/root"));
        QVERIFY(QDir().mkpath(QDir::homePath()));
        QVERIFY2(storeFile().startsWith(QDir::homePath() + QLatin1Char('/')),
                 qPrintable(storeFile()));
    }

    void init()
    {
        QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Korvex"),
                        QStringLiteral("Gridwell"));
        store.clear();
        store.sync();
        QFile::remove(store.fileName());
        QDir(expectedIconFolder()).removeRecursively();
    }

    void keyStrings_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("expected");
        QTest::newRow("first key") << 0 << QStringLiteral("/installpath");
        QTest::newRow("mixed case kept") << 6 << QStringLiteral("/useRecentJobFiles");
        QTest::newRow("grouped key") << 9 << QStringLiteral("/settings/cableestimation");
        QTest::newRow("grouped mixed case") << 14 << QStringLiteral("/dialog/usePics");
        QTest::newRow("icon folder") << 48 << QStringLiteral("/iconpath");
        QTest::newRow("last key") << 80 << QStringLiteral("/icons/networkswitchicon");
        QTest::newRow("past the end") << 81 << QString();
        QTest::newRow("negative") << -1 << QString();
    }
    void keyStrings()
    {
        QFETCH(int, key);
        QFETCH(QString, expected);
        QCOMPARE(Runekit::settingsKey(keyAt(key)), expected);
    }

    void keyStringsAreDistinct()
    {
        QSet<QString> seen;
        for (const Key key : allKeys()) {
            const QString name = Runekit::settingsKey(key);
            QVERIFY2(name.startsWith(QLatin1Char('/')), qPrintable(name));
            QVERIFY2(!seen.contains(name), qPrintable(name));
            seen.insert(name);
        }
        QCOMPARE(seen.size(), QVUtils::SettingsCount);
    }

    void freshStoreGivesDefaults_data()
    {
        QTest::addColumn<Key>("key");
        QTest::addColumn<QString>("expected");
        QTest::newRow("job folder below home")
            << QVUtils::JobPath
            << QDir::homePath() + QStringLiteral("/My Documents/My Gridwell Jobs/");
        QTest::newRow("template folder below working folder")
            << QVUtils::QvtPath << QDir::currentPath() + QStringLiteral("/qvt/");
        QTest::newRow("template file below working folder")
            << QVUtils::QvtFile << QDir::currentPath() + QStringLiteral("/qvt/Default.qvt");
        QTest::newRow("invalid default reads empty") << QVUtils::Language << QString();
        QTest::newRow("integer zero") << QVUtils::Metric << QStringLiteral("0");
        QTest::newRow("boolean false") << QVUtils::UseRecentJobFiles << QStringLiteral("false");
        QTest::newRow("recent list is a boolean")
            << QVUtils::RecentJobFileList << QStringLiteral("false");
        QTest::newRow("boolean true") << QVUtils::ShowDimensions << QStringLiteral("true");
        QTest::newRow("geometry h") << QVUtils::GeometryH << QStringLiteral("700");
        QTest::newRow("geometry w") << QVUtils::GeometryW << QStringLiteral("700");
        QTest::newRow("geometry x") << QVUtils::GeometryX << QStringLiteral("50");
        QTest::newRow("geometry y") << QVUtils::GeometryY << QStringLiteral("50");
        QTest::newRow("app font keeps its family")
            << QVUtils::AppFontFamily << QStringLiteral("MS Shell Dlg");
        QTest::newRow("ceiling height double without decimals")
            << QVUtils::FloorCeilingHeight << QStringLiteral("8");
        QTest::newRow("port drop double without decimals")
            << QVUtils::PortDropHeight << QStringLiteral("7");
        QTest::newRow("floor plan font is the library's")
            << QVUtils::FloorPlanFontFamily << Runekit::defaultFontFamily();
        QTest::newRow("network font is the library's")
            << QVUtils::NetworkFontFamily << Runekit::defaultFontFamily();
        QTest::newRow("icon scale index") << QVUtils::FloorPlanIconScale << QStringLiteral("1");
        QTest::newRow("cable template off") << QVUtils::CableTemplateOn << QStringLiteral("false");
        QTest::newRow("cable template pad") << QVUtils::CableTemplatePad << QStringLiteral("1");
        QTest::newRow("custom icon unset") << QVUtils::NetworkSwitchIcon << QString();
#if defined(Q_OS_LINUX)
        QTest::newRow("install folder on linux")
            << QVUtils::InstallPath << QStringLiteral("/opt/gridwell-3.0/");
#endif
    }
    void freshStoreGivesDefaults()
    {
        QFETCH(Key, key);
        QFETCH(QString, expected);
        const SettingsMap values = Runekit::readSettings({key});
        QCOMPARE(values.size(), 1);
        QCOMPARE(values.value(key), expected);
    }

    void readingLeavesTheStoreAlone()
    {
        const SettingsMap values = Runekit::readSettings(allKeys());
        QCOMPARE(values.size(), QVUtils::SettingsCount);
        QCOMPARE(storedKeys(), QStringList());
        QVERIFY(!QFile::exists(storeFile()));
    }

    void defaultFontFamilyForPlatform()
    {
#if defined(Q_OS_WIN)
        QCOMPARE(Runekit::defaultFontFamily(), QStringLiteral("MS Shell Dlg"));
#elif defined(Q_OS_MACOS)
        QCOMPARE(Runekit::defaultFontFamily(), QStringLiteral("Arial"));
#else
        QCOMPARE(Runekit::defaultFontFamily(), QStringLiteral("Sans Serif"));
#endif
    }

    void everyKeyRoundTrips()
    {
        SettingsMap written;
        for (const Key key : allKeys())
            written.insert(key, awkwardValue(key));
        written.insert(QVUtils::ExportPdfPath, QString()); // an empty value stays empty
        Runekit::writeSettings(written);

        QVERIFY(QFile::exists(storeFile()));
        QCOMPARE(storedKeys().size(), QVUtils::SettingsCount);
        const SettingsMap read = Runekit::readSettings(allKeys());
        QCOMPARE(read.size(), QVUtils::SettingsCount);
        for (const Key key : allKeys())
            QCOMPARE(read.value(key), written.value(key));

#if !defined(Q_OS_WIN) && !defined(Q_OS_MACOS)
        // The same values must come back from the file itself, not only from
        // the process's settings cache.
        const QString copy = QDir::homePath() + QStringLiteral("/copy.conf");
        QFile::remove(copy);
        QVERIFY(QFile::copy(storeFile(), copy));
        QSettings fromDisk(copy, QSettings::IniFormat);
        for (const Key key : allKeys())
            QCOMPARE(fromDisk.value(Runekit::settingsKey(key)).toString(), written.value(key));
#endif
    }

    void writeStoresUnderTheKeyString()
    {
        Runekit::writeSettings({{QVUtils::CableEstimation, QStringLiteral("0")},
                                {QVUtils::DialogUsePics, QStringLiteral("false")}});
        QStringList keys = storedKeys();
        keys.sort();
        QCOMPARE(keys, QStringList({QStringLiteral("dialog/usePics"),
                                    QStringLiteral("settings/cableestimation")}));
    }

    void writeKeepsKeysNotInTheMap()
    {
        Runekit::writeSettings(
            {{QVUtils::Metric, QStringLiteral("1")}, {QVUtils::JobNotes, QStringLiteral("1")}});
        Runekit::writeSettings({{QVUtils::Metric, QStringLiteral("0")}});
        const SettingsMap values = Runekit::readSettings({QVUtils::Metric, QVUtils::JobNotes});
        QCOMPARE(values.value(QVUtils::Metric), QStringLiteral("0"));
        QCOMPARE(values.value(QVUtils::JobNotes), QStringLiteral("1"));
    }

    void emptyRequests()
    {
        QVERIFY(Runekit::readSettings({}).isEmpty());
        Runekit::writeSettings({});
        QCOMPARE(storedKeys(), QStringList());
        QVERIFY(!QFile::exists(storeFile()));
    }

    void outOfRangeKeysAreIgnored_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("one past the end") << QVUtils::SettingsCount;
        QTest::newRow("largest the type holds") << 127;
        QTest::newRow("far past the end") << 1000;
        QTest::newRow("negative") << -1;
    }
    void outOfRangeKeysAreIgnored()
    {
        QFETCH(int, key);
        const Key bad = keyAt(key);

        QVERIFY(Runekit::readSettings({bad}).isEmpty());
        const SettingsMap mixed = Runekit::readSettings({bad, QVUtils::Metric, bad});
        QCOMPARE(mixed.keys(), QList<Key>({QVUtils::Metric}));

        Runekit::writeSettings({{bad, QStringLiteral("stray")}});
        QCOMPARE(storedKeys(), QStringList());
        QVERIFY(!QFile::exists(storeFile()));

        Runekit::writeSettings({{QVUtils::Points, QStringLiteral("false")}});
        const QByteArray before = storeContents();
        QVERIFY(!before.isEmpty());
        Runekit::writeSettings(
            {{bad, QStringLiteral("stray")}, {QVUtils::Points, QStringLiteral("false")}});
        QCOMPARE(storedKeys(), QStringList({QStringLiteral("points")}));
        QCOMPARE(storeContents(), before);
    }

    void keyRequestedTwiceGivesOneEntry()
    {
        Runekit::writeSettings({{QVUtils::TimeDate, QStringLiteral("2")}});
        const SettingsMap values =
            Runekit::readSettings({QVUtils::TimeDate, QVUtils::Points, QVUtils::TimeDate});
        QCOMPARE(values.size(), 2);
        QCOMPARE(values.value(QVUtils::TimeDate), QStringLiteral("2"));
        QCOMPARE(values.value(QVUtils::Points), QStringLiteral("true"));
    }

    void iconFolderIsCreatedBesideDocuments()
    {
        const QString folder = expectedIconFolder();
        QVERIFY(!folder.isEmpty());
        QVERIFY(!QFileInfo::exists(folder));

        const SettingsMap values = Runekit::readSettings({QVUtils::IconPath});
        QCOMPARE(values.value(QVUtils::IconPath), folder);
        QVERIFY(QFileInfo(folder).isDir());
        // The folder is a default only: nothing is written to the store.
        QCOMPARE(storedKeys(), QStringList());
    }

    void existingIconFolderIsLeftAlone()
    {
        const QString folder = expectedIconFolder();
        QVERIFY(QDir().mkpath(folder));
        QFile marker(folder + QStringLiteral("/mine.png"));
        QVERIFY(marker.open(QIODevice::WriteOnly));
        QCOMPARE(marker.write("icon"), qint64(4));
        marker.close();

        QCOMPARE(Runekit::readSettings({QVUtils::IconPath}).value(QVUtils::IconPath), folder);
        QVERIFY(marker.open(QIODevice::ReadOnly));
        QCOMPARE(marker.readAll(), QByteArray("icon"));
    }

    void storedIconPathStillCreatesTheFolder()
    {
        const QString elsewhere = QDir::homePath() + QStringLiteral("/elsewhere/icons");
        Runekit::writeSettings({{QVUtils::IconPath, elsewhere}});
        QVERIFY(!QFileInfo::exists(expectedIconFolder()));

        QCOMPARE(Runekit::readSettings({QVUtils::IconPath}).value(QVUtils::IconPath), elsewhere);
        QVERIFY(QFileInfo(expectedIconFolder()).isDir());
    }
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
