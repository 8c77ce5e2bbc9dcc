// Uses: the translations between use keys, displayed names, short labels and
// Italian names with their old quirks, the lists offered for ports, and the
// port icons taken from the user's icon folder or the host's resources.
#include "jobfixture.h"
#include "porticons_p.h"

#include <runekit.h>

#include <QImage>
#include <QtTest>

using namespace JobFixture;

namespace {

using Settings = QMap<QVUtils::gridwellSettings, QString>;

// Clears every floor-plan icon file name and points the icon folder at dir.
void resetIcons(const QString& dir)
{
    Settings values{{QVUtils::IconPath, dir}};
    for (int k = QVUtils::FloorCableBoxIcon; k <= QVUtils::FloorVerticalRunIcon; ++k)
        values.insert(QVUtils::gridwellSettings(k), QString());
    Runekit::writeSettings(values);
}

bool writePng(const QString& path, const QSize& size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::darkCyan);
    return image.save(path, "PNG");
}

} // namespace

class TestUses : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { JobFixture::verifyAndClose(); }

    void translations_data();
    void translations();
    void offeredLists();
    void iconPath_data();
    void iconPath();
    void customIconIsLoaded();

private:
    QTemporaryDir m_dir;
};

// Each row: the operation, its argument, what it gives.
void TestUses::translations_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("expected");

    QTest::newRow("label of Network") << "reverse"
                                      << "Network"
                                      << "Net";
    QTest::newRow("cable_box is labelled TV") << "reverse"
                                              << "cable_box"
                                              << "TV";
    QTest::newRow("TV is labelled TV") << "reverse"
                                       << "TV"
                                       << "TV";
    QTest::newRow("every plate is a Plate") << "reverse"
                                            << "4Wall"
                                            << "Plate";
    QTest::newRow("patch panel") << "reverse"
                                 << "PatchPanel"
                                 << "Panel";
    QTest::newRow("comm center") << "reverse"
                                 << "comm_center"
                                 << "Comm";
    QTest::newRow("no label: custom port unchanged") << "reverse"
                                                     << "custom_port"
                                                     << "custom_port";
    QTest::newRow("no label: NA unchanged") << "reverse"
                                            << "NA"
                                            << "NA";
    QTest::newRow("no use: unchanged") << "reverse"
                                       << "Lamp"
                                       << "Lamp";

    QTest::newRow("Net leads to Network") << "use"
                                          << "Net"
                                          << "Network";
    QTest::newRow("Spkr leads to Speaker") << "use"
                                           << "Spkr"
                                           << "Speaker";
    QTest::newRow("TV leads to TV, not cable_box") << "use"
                                                   << "TV"
                                                   << "TV";
    QTest::newRow("cable_box leads to TV") << "use"
                                           << "cable_box"
                                           << "TV";
    QTest::newRow("Plate stays Plate") << "use"
                                       << "Plate"
                                       << "Plate";
    QTest::newRow("Panel stays Panel") << "use"
                                       << "Panel"
                                       << "Panel";
    QTest::newRow("Comm stays Comm") << "use"
                                     << "Comm"
                                     << "Comm";

    QTest::newRow("Quad is 4Wall") << "italian"
                                   << "Quad"
                                   << "4Wall";
    QTest::newRow("Quadrupla is 4Wall") << "italian"
                                        << "Quadrupla"
                                        << "4Wall";
    QTest::newRow("Rete is Network") << "italian"
                                     << "Rete"
                                     << "Network";
    QTest::newRow("Dati is Network") << "italian"
                                     << "Dati"
                                     << "Network";
    QTest::newRow("TVCC is CCTV, never cable_box") << "italian"
                                                   << "TVCC"
                                                   << "CCTV";
    QTest::newRow("TVCA is cable_box") << "italian"
                                       << "TVCA"
                                       << "cable_box";
    QTest::newRow("Dors_Vert is vertical_run") << "italian"
                                               << "Dors_Vert"
                                               << "vertical_run";
    QTest::newRow("word outside the table") << "italian"
                                            << "Lampada"
                                            << "";
    QTest::newRow("empty word") << "italian"
                                << ""
                                << "";

    QTest::newRow("english of Network") << "english"
                                        << "Network"
                                        << "Network";
    QTest::newRow("english of an Italian name") << "english"
                                                << "Rete"
                                                << "";

    QTest::newRow("icon of Network") << "icon"
                                     << "Network"
                                     << ":/images/network_icon.png";
    QTest::newRow("icon of comm_center") << "icon"
                                         << "comm_center"
                                         << ":/images/media_panel.png";
    QTest::newRow("NA has no icon") << "icon"
                                    << "NA"
                                    << "";
    QTest::newRow("no use, no icon") << "icon"
                                     << "Lamp"
                                     << "";

    QTest::newRow("Network is a service") << "specific"
                                          << "Network"
                                          << "1";
    QTest::newRow("cable_box is a service") << "specific"
                                            << "cable_box"
                                            << "1";
    QTest::newRow("1Wall is a kind of port") << "specific"
                                             << "1Wall"
                                             << "0";
    QTest::newRow("PatchPanel is a kind of port") << "specific"
                                                  << "PatchPanel"
                                                  << "0";
    QTest::newRow("NA is no service") << "specific"
                                      << "NA"
                                      << "0";
}

void TestUses::translations()
{
    QFETCH(QString, operation);
    QFETCH(QString, argument);
    QFETCH(QString, expected);
    Ductbook& job = Ductbook::Instance();
    QString actual;
    if (operation == QLatin1String("reverse"))
        actual = job.getReverseUse(argument);
    else if (operation == QLatin1String("use"))
        actual = job.getUse(argument);
    else if (operation == QLatin1String("italian"))
        actual = job.getEnglishUseFromItalian(argument);
    else if (operation == QLatin1String("english"))
        actual = job.getEnglishUse(argument);
    else if (operation == QLatin1String("icon"))
        actual = job.getIconName(argument);
    else
        actual = QString::number(job.useIsSpecific(argument));
    QCOMPARE(actual, expected);
}

void TestUses::offeredLists()
{
    Ductbook& job = Ductbook::Instance();
    QCOMPARE(job.getUses(), (QStringList{"Network", "Phone", "TV", "Speaker", "Fire", "Security",
                                         "Intercom", "CCTV", "Control", "Satellite", "NA"}));
    QCOMPARE(job.getGeneralUses(),
             (QStringList{"1Wall", "2Wall", "3Wall", "4Wall", "6Wall", "custom_port", "Intercom",
                          "vertical_run", "comm_center", "cable_box", "PatchPanel", "NA"}));
}

void TestUses::iconPath_data()
{
    QTest::addColumn<QString>("use");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("onDisk");
    QTest::addColumn<QString>("expected"); // "custom" for the file in the folder

    QTest::newRow("nothing configured") << "Network" << int(QVUtils::FloorNetworkIcon) << ""
                                        << false << ":/images/network_icon.png";
    QTest::newRow("configured and present")
        << "Network" << int(QVUtils::FloorNetworkIcon) << "net.png" << true << "custom";
    QTest::newRow("configured but missing") << "Network" << int(QVUtils::FloorNetworkIcon)
                                            << "gone.png" << false << ":/images/network_icon.png";
    // TV and cable_box share a label, not a picture.
    QTest::newRow("cable_box has its own entry")
        << "cable_box" << int(QVUtils::FloorCableBoxIcon) << "box.png" << true << "custom";
    QTest::newRow("TV does not take cable_box's picture")
        << "TV" << int(QVUtils::FloorCableBoxIcon) << "box.png" << true << ":/images/tv_icon.png";
    QTest::newRow("phone") << "Phone" << int(QVUtils::FloorTelephoneIcon) << "tel.png" << true
                           << "custom";
    QTest::newRow("vertical run") << "vertical_run" << int(QVUtils::FloorVerticalRunIcon)
                                  << "vr.png" << true << "custom";
    QTest::newRow("a folder is no picture")
        << "Fire" << int(QVUtils::FloorFireAlarmIcon) << "sub" << false << ":/images/fire_icon.png";
    QTest::newRow("NA has none") << "NA" << int(QVUtils::FloorNetworkIcon) << "net.png" << true
                                 << "";
    QTest::newRow("no use") << "Lamp" << int(QVUtils::FloorNetworkIcon) << "net.png" << true << "";
}

void TestUses::iconPath()
{
    QFETCH(QString, use);
    QFETCH(int, key);
    QFETCH(QString, file);
    QFETCH(bool, onDisk);
    QFETCH(QString, expected);
    QTemporaryDir icons;
    resetIcons(icons.path());
    Runekit::writeSettings({{QVUtils::gridwellSettings(key), file}});
    QDir(icons.path()).mkdir(QStringLiteral("sub"));
    if (onDisk)
        QVERIFY(writePng(icons.filePath(file), QSize(4, 4)));
    const QString path = PortIcons::iconPath(use);
    if (expected == QLatin1String("custom"))
        QCOMPARE(path, icons.filePath(file));
    else
        QCOMPARE(path, expected);
}

// The picture itself comes from the configured folder; the host's resources
// are not part of this library, so a resource path loads nothing here.
void TestUses::customIconIsLoaded()
{
    QTemporaryDir icons;
    resetIcons(icons.path());
    QVERIFY(writePng(icons.filePath(QStringLiteral("speaker.png")), QSize(5, 7)));
    Runekit::writeSettings({{QVUtils::FloorSpeakerIcon, QStringLiteral("speaker.png")}});
    Ductbook& job = Ductbook::Instance();
    const QPixmap custom = job.getPortIconPixmap(QStringLiteral("Speaker"));
    QCOMPARE(custom.size(), QSize(5, 7));
    QVERIFY(job.getPortIconPixmap(QStringLiteral("NA")).isNull());
    QVERIFY(job.getPortIconPixmap(QStringLiteral("Control")).isNull());
}

QTEST_MAIN(TestUses)
#include "tst_uses.moc"
