#ifndef QVUTILS_H
#define QVUTILS_H

#include "runekit_global.h"

#include <QObject>

// The keys of the application settings store. Callers name a setting by its
// enumerator; the store's key strings stay inside runekit.
class RUNEKIT_EXPORT QVUtils
{
    Q_GADGET
public:
    // A fixed underlying type keeps values a host passes from outside the
    // enumeration well defined; they are skipped, never used.
    enum gridwellSettings : int {
        InstallPath,
        JobPath,
        QvtPath,
        QvtFile,
        Language,
        Metric,
        UseRecentJobFiles,
        MaxRecentJobFiles,
        RecentJobFileList,
        CableEstimation,
        ShowDimensions,
        ShowRoomNames,
        Points,
        TimeDate,
        DialogUsePics,
        DialogUseWelcome,
        FloorPlanZoom,
        GeometryH,
        GeometryW,
        GeometryX,
        GeometryY,
        NetViewZoom,
        AppFontFamily,
        AppFontSize,
        FloorCeilingHeight,
        PortDropHeight,
        VertRunDropHeight,
        FloorPlanFontFamily,
        FloorPlanFontSize,
        FloorPlanIconScale,
        NetworkFontFamily,
        NetworkFontSize,
        NetworkIconScale,
        JobInformation,
        DetailedCables,
        FloorPlan,
        Inventory,
        JobNotes,
        Network,
        TestSchedule,
        ActiveNetworkTest,
        PrintStyle,
        ExportPdfPath,
        CableTemplateOn,
        CableTemplateType,
        CableTemplateStart,
        CableTemplatePad,
        CableTemplateString,
        IconPath,
        FloorCableBoxIcon,
        FloorCctvIcon,
        FloorControlIcon,
        FloorFireAlarmIcon,
        FloorIntercomAlarmIcon,
        FloorNetworkIcon,
        FloorSatelliteDishIcon,
        FloorSecurityAlarmIcon,
        FloorSpeakerIcon,
        FloorTelephoneIcon,
        FloorTelevisionIcon,
        FloorCustomPortIcon,
        FloorCommCenterIcon,
        FloorPatchPanelIcon,
        Floor1WallPlateIcon,
        Floor2WallPlateIcon,
        Floor3WallPlateIcon,
        Floor4WallPlateIcon,
        Floor6WallPlateIcon,
        FloorVerticalRunIcon,
        NetworkAccessPointIcon,
        NetworkBridgeIcon,
        NetworkComputerIcon,
        NetworkFaxIcon,
        NetworkFirewallIcon,
        NetworkHubIcon,
        NetworkInternetIcon,
        NetworkPhoneIcon,
        NetworkPrinterIcon,
        NetworkRouterIcon,
        NetworkServerIcon,
        NetworkSwitchIcon
    };
    Q_ENUM(gridwellSettings)

    // Number of enumerators; valid keys are 0 .. SettingsCount - 1.
    static constexpr int SettingsCount = NetworkSwitchIcon + 1;
};

#endif // QVUTILS_H
