#ifndef QVUTILS_H
#define QVUTILS_H

#include "runekit_global.h"

#include <QObject>

/// @file
/// The keys of the application settings store.

/// The keys of the application settings store.
///
/// Callers name a setting by its enumerator, never by its key string, and pass
/// lists of them to Runekit::readSettings() and maps of them to
/// Runekit::writeSettings(). The class holds nothing but the enumeration; it is
/// a Q_GADGET so that the enumerators have names at run time
/// (QMetaEnum::fromType<QVUtils::gridwellSettings>()).
class RUNEKIT_EXPORT QVUtils
{
    Q_GADGET
public:
    /// One entry of the settings store, numbered 0 to SettingsCount - 1 without
    /// gaps.
    ///
    /// Each enumerator below gives the key it stands for in the store and the
    /// default that Runekit::readSettings() returns when the store holds no value
    /// for it. Every value crosses the interface as text: booleans read "true" or
    /// "false", numbers in decimal ("8", not "8.0").
    ///
    /// The keys from FloorCableBoxIcon to FloorVerticalRunIcon name the user's own
    /// floor-plan picture for a kind of port, and those from NetworkAccessPointIcon
    /// to NetworkSwitchIcon the user's own network-view picture for a kind of
    /// device: a file name inside the #IconPath folder, or empty (their default) for
    /// the built-in picture. Ductbook reads the floor-plan ones when it draws a port
    /// icon, and falls back to the built-in picture when the file is not there.
    ///
    /// A value outside the enumeration (a cast integer) is skipped by both
    /// Runekit::readSettings() and Runekit::writeSettings().
    // A fixed underlying type keeps values a host passes from outside the
    // enumeration well defined; they are skipped, never used.
    enum gridwellSettings : int {
        /// `"/installpath"`: the application's installation folder. Default: "C:/Program
        /// Files/Korvex Inc/" on Windows, "/Applications/gridwell-3.0/" on macOS,
        /// "/opt/gridwell-3.0/" elsewhere.
        InstallPath,
        /// `"/jobpath"`: the folder of the user's jobs; Ductbook names an untitled new job in it.
        /// Default: the home folder followed by "/My Documents/My Gridwell Jobs/".
        JobPath,
        /// `"/qvtpath"`: the folder of the templates. Default: the current working folder followed
        /// by "/qvt/".
        QvtPath,
        /// `"/qvtfile"`: the default template file. Default: the current working folder followed by
        /// "/qvt/Default.qvt".
        QvtFile,
        /// `"/language"`: the interface language. Default: empty.
        Language,
        /// `"/metric"`: whether the host shows metric units. Default: "0".
        Metric,
        /// `"/useRecentJobFiles"`: whether the host keeps a list of recent jobs. Default: "false".
        UseRecentJobFiles,
        /// `"/maxRecentJobFiles"`: how many recent jobs the host lists. Default: "1".
        MaxRecentJobFiles,
        /// `"/recentJobFileList"`: the recent jobs. Default: "false" (older hosts stored a boolean
        /// here).
        RecentJobFileList,
        /// `"/settings/cableestimation"`: the host's cable estimation choice. Default: "1".
        CableEstimation,
        /// `"/showdimensions"`: whether room dimensions are shown. Default: "true".
        ShowDimensions,
        /// `"/showroomnames"`: whether room names are shown. Default: "true".
        ShowRoomNames,
        /// `"/points"`: whether cable path points are shown. Default: "true".
        Points,
        /// `"/timedate"`: the host's date and time format choice. Default: "0".
        TimeDate,
        /// `"/dialog/usePics"`: whether the host's dialogs show pictures. Default: "true".
        DialogUsePics,
        /// `"/dialog/useWelcome"`: whether the host shows its welcome dialog. Default: "true".
        DialogUseWelcome,
        /// `"/floorplan/zoom"`: the zoom step of the floor-plan view. Default: "3".
        FloorPlanZoom,
        /// `"/geometry/h"`: the height of the host's main window. Default: "700".
        GeometryH,
        /// `"/geometry/w"`: the width of the host's main window. Default: "700".
        GeometryW,
        /// `"/geometry/x"`: the left edge of the host's main window. Default: "50".
        GeometryX,
        /// `"/geometry/y"`: the top edge of the host's main window. Default: "50".
        GeometryY,
        /// `"/netview/zoom"`: the zoom step of the network view. Default: "3".
        NetViewZoom,
        /// `"/settings/appfontfamily"`: the font family of the host's windows. Default: "MS Shell
        /// Dlg".
        AppFontFamily,
        /// `"/settings/appfontsize"`: the font size of the host's windows. Default: "10".
        AppFontSize,
        /// `"/settings/floorceilingheight"`: the ceiling height, in feet, that Ductbook gives the
        /// first floor of a new job. Default: "8".
        FloorCeilingHeight,
        /// `"/settings/portdropheight"`: the drop height, in feet, the host gives a new port.
        /// Default: "7".
        PortDropHeight,
        /// `"/settings/vertrundropheight"`: the drop height the host gives a new vertical run.
        /// Default: "0".
        VertRunDropHeight,
        /// `"/settings/floorplanfontfamily"`: the font family of the floor plans. Default:
        /// Runekit::defaultFontFamily().
        FloorPlanFontFamily,
        /// `"/settings/floorplanfontsize"`: the font size of the floor plans. Default: "10".
        FloorPlanFontSize,
        /// `"/settings/floorplaniconscale"`: the icon size of the floor plans, an index for
        /// Runekit::iconScaleIndexToPercent(). Default: "1" (full size).
        FloorPlanIconScale,
        /// `"/settings/networkfontfamily"`: the font family of the network view. Default:
        /// Runekit::defaultFontFamily().
        NetworkFontFamily,
        /// `"/settings/networkfontsize"`: the font size of the network view. Default: "10".
        NetworkFontSize,
        /// `"/settings/networkiconscale"`: the icon size of the network view, an index for
        /// Runekit::iconScaleIndexToPercent(). Default: "1" (full size).
        NetworkIconScale,
        /// `"/settings/jobinformation"`: print selection: the job information. Default: "0".
        JobInformation,
        /// `"/settings/detailedcables"`: print selection: the detailed cable report. Default: "0".
        DetailedCables,
        /// `"/settings/floorplan"`: print selection: the floor plans. Default: "0".
        FloorPlan,
        /// `"/settings/inventory"`: print selection: the inventory. Default: "0".
        Inventory,
        /// `"/settings/jobnotes"`: print selection: the job notes. Default: "0".
        JobNotes,
        /// `"/settings/network"`: print selection: the network view. Default: "0".
        Network,
        /// `"/settings/testschedule"`: print selection: the test schedule. Default: "1".
        TestSchedule,
        /// `"/settings/activenetworktest"`: print selection: the active network test results.
        /// Default: "1".
        ActiveNetworkTest,
        /// `"/settings/printstyle"`: the host's print style choice. Default: "0".
        PrintStyle,
        /// `"/settings/exportpdfpath"`: the folder of PDF exports. Default: empty.
        ExportPdfPath,
        /// `"/cabletemplate/on"`: whether the cable-naming template is on. Default: "false".
        CableTemplateOn,
        /// `"/cabletemplate/type"`: the kind of cable-naming template. Default: "0".
        CableTemplateType,
        /// `"/cabletemplate/start"`: the start value of the cable-naming template. Default: "0".
        CableTemplateStart,
        /// `"/cabletemplate/pad"`: the padding of the cable-naming template. Default: "1".
        CableTemplatePad,
        /// `"/cabletemplate/string"`: the text of the cable-naming template. Default: empty.
        CableTemplateString,
        /// `"/iconpath"`: the folder of the user's own icon pictures. Default: the folder "My
        /// Gridwell Icons" beside the user's documents folder. Reading this key creates that folder
        /// when it is missing, even when the store holds another folder; when the documents folder
        /// is unknown or has no parent, the value read is empty and the store is not consulted.
        IconPath,
        /// `"/icons/floorcableboxicon"`: cable box.
        FloorCableBoxIcon,
        /// `"/icons/floorcctvicon"`: CCTV.
        FloorCctvIcon,
        /// `"/icons/floorcontrolicon"`: control.
        FloorControlIcon,
        /// `"/icons/floorfirealarmicon"`: fire alarm.
        FloorFireAlarmIcon,
        /// `"/icons/floorintercomalarmicon"`: intercom.
        FloorIntercomAlarmIcon,
        /// `"/icons/floornetworkicon"`: network.
        FloorNetworkIcon,
        /// `"/icons/floorsatellitedishicon"`: satellite dish.
        FloorSatelliteDishIcon,
        /// `"/icons/floorsecurityalarmicon"`: security alarm.
        FloorSecurityAlarmIcon,
        /// `"/icons/floorspeakericon"`: speaker.
        FloorSpeakerIcon,
        /// `"/icons/floortelephoneicon"`: telephone.
        FloorTelephoneIcon,
        /// `"/icons/floortelevisionicon"`: television.
        FloorTelevisionIcon,
        /// `"/icons/floorcustomporticon"`: custom port.
        FloorCustomPortIcon,
        /// `"/icons/floorcommcentericon"`: comm center.
        FloorCommCenterIcon,
        /// `"/icons/floorpatchpanelicon"`: patch panel.
        FloorPatchPanelIcon,
        /// `"/icons/floor1wallplateicon"`: one-jack wall plate.
        Floor1WallPlateIcon,
        /// `"/icons/floor2wallplateicon"`: two-jack wall plate.
        Floor2WallPlateIcon,
        /// `"/icons/floor3wallplateicon"`: three-jack wall plate.
        Floor3WallPlateIcon,
        /// `"/icons/floor4wallplateicon"`: four-jack wall plate.
        Floor4WallPlateIcon,
        /// `"/icons/floor6wallplateicon"`: six-jack wall plate.
        Floor6WallPlateIcon,
        /// `"/icons/floorverticalrunicon"`: vertical run.
        FloorVerticalRunIcon,
        /// `"/icons/networkaccesspointicon"`: access point.
        NetworkAccessPointIcon,
        /// `"/icons/networkbridgeicon"`: bridge.
        NetworkBridgeIcon,
        /// `"/icons/networkcomputericon"`: computer.
        NetworkComputerIcon,
        /// `"/icons/networkfaxicon"`: fax.
        NetworkFaxIcon,
        /// `"/icons/networkfirewallicon"`: firewall.
        NetworkFirewallIcon,
        /// `"/icons/networkhubicon"`: hub.
        NetworkHubIcon,
        /// `"/icons/networkinterneticon"`: Internet.
        NetworkInternetIcon,
        /// `"/icons/networkphoneicon"`: phone.
        NetworkPhoneIcon,
        /// `"/icons/networkprintericon"`: printer.
        NetworkPrinterIcon,
        /// `"/icons/networkroutericon"`: router.
        NetworkRouterIcon,
        /// `"/icons/networkservericon"`: server.
        NetworkServerIcon,
        /// `"/icons/networkswitchicon"`: switch.
        NetworkSwitchIcon
    };
    Q_ENUM(gridwellSettings)

    /// The number of enumerators: valid keys are 0 to SettingsCount - 1.
    static constexpr int SettingsCount = NetworkSwitchIcon + 1;
};

#endif // QVUTILS_H
