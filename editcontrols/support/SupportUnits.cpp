#include "editcontrols/support/SupportUnits.h"

#include "editcontrols/support/ModuleInstance.h"
#include "editcontrols/support/TAnsiCharTables.h"
#include "editcontrols/support/TLocaleComparison.h"
#include "editcontrols/support/TWideCharTables.h"
#include "editcontrols/support/UnitVersioning.h"

namespace skelda::editcontrols {

namespace {

// The units' sources lie in a folder of common sources or in one of sources for this
// platform. The records carry no date line, so their DateTime reads 0.
const TUnitVersionInfo kSupportUnitRecords[] = {
    {"$URL: source/common/KclResources.pas $", "$Revision: 3266 $", "", "source/common", "", nullptr},
    {"$URL: source/linux/KclWin32.pas $", "$Revision: 3276 $", "", "source/linux", "", nullptr},
    {"$URL: source/common/KclLogic.pas $", "$Revision: 2921 $", "", "source/common", "", nullptr},
    {"$URL: source/common/KclStringConversions.pas $", "$Revision: 2921 $", "", "source/common", "", nullptr},
    {"$URL: source/common/KclCharsets.pas $", "$Revision: 2892 $", "", "source/common", "", nullptr},
    {"$URL: source/common/Kcl8087.pas $", "$Revision: 2921 $", "", "source/common", "", nullptr},
    {"$URL: source/linux/Snmp.pas $", "$Revision: 3188 $", "", "source/linux", "", nullptr},
    {"$URL: source/common/KclIniFiles.pas $", "$Revision: 2892 $", "", "source/common", "", nullptr},
    {"$URL: source/common/KclSysInfo.pas $", "$Revision: 3213 $", "", "source/common", "", nullptr},
    {"$URL: source/common/KclUnicode.pas $", "$Revision: 3256 $", "", "source/common", "", nullptr},
    {"$URL: source/common/KclWideStrings.pas $", "$Revision: 3139 $", "", "source/common", "", nullptr},
    {"$URL: source/linux/KclRegistry.pas $", "$Revision: 3321 $", "", "source/linux", "", nullptr},
    {"$URL: source/common/KclSynch.pas $", "$Revision: 2984 $", "", "source/common", "", nullptr},
    {"$URL: source/common/KclMath.pas $", "$Revision: 3070 $", "", "source/common", "", nullptr},
    {"$URL: source/common/KclStreams.pas $", "$Revision: 3160 $", "", "source/common", "", nullptr},
    {"$URL: source/common/KclAnsiStrings.pas $", "$Revision: 3321 $", "", "source/common", "", nullptr},
    {"$URL: source/common/KclStrings.pas $", "$Revision: 3321 $", "", "source/common", "", nullptr},
    {"$URL: source/linux/KclShell.pas $", "$Revision: 3179 $", "", "source/linux", "", nullptr},
    {"$URL: source/linux/KclSecurity.pas $", "$Revision: 3097 $", "", "source/linux", "", nullptr},
    {"$URL: source/common/KclDateTime.pas $", "$Revision: 2921 $", "", "source/common", "", nullptr},
    {"$URL: source/common/KclFileUtils.pas $", "$Revision: 3321 $", "", "source/common", "", nullptr},
    {"$URL: source/linux/KclConsole.pas $", "$Revision: 2993 $", "", "source/linux", "", nullptr},
    {"$URL: source/common/KclSysUtils.pas $", "$Revision: 3321 $", "", "source/common", "", nullptr},
    {"$URL: source/common/KclUnitVersioning.pas $", "$Revision: 3188 $", "", "source/common", "", nullptr},
    {"$URL: source/common/KclBase.pas $", "$Revision: 3336 $", "", "source/common", "", nullptr},
    {"$URL: source/common/KclRTTI.pas $", "$Revision: 3193 $", "", "source/common", "", nullptr},
    {"$URL: source/common/KclMime.pas $", "$Revision: 2921 $", "", "source/common", "", nullptr},
};

enum TStartUpState { ssNotStarted, ssStarted, ssShutDown };

struct TSupportUnitsState {
    TStartUpState State = ssNotStarted;
    TOsRelease OsRelease = osUnknown;
};

TSupportUnitsState& SupportUnitsState()
{
    static TSupportUnitsState state;
    return state;
}

}  // namespace

std::span<const TUnitVersionInfo> SupportUnitRecords()
{
    return kSupportUnitRecords;
}

void StartUpSupportUnits()
{
    TSupportUnitsState& state = SupportUnitsState();
    if (state.State != ssNotStarted)
        return;
    state.OsRelease = DetectWindowsVersion();
    UserLocaleComparison();
    AnsiCharTables();
    WideCharTables();
    for (const TUnitVersionInfo& record : kSupportUnitRecords)
        AddUnitVersion(ThisModuleInstance(), &record);
    state.State = ssStarted;
}

void ShutDownSupportUnits()
{
    TSupportUnitsState& state = SupportUnitsState();
    if (state.State == ssShutDown)
        return;
    if (state.State == ssStarted)
        RemoveModuleUnitVersions(ThisModuleInstance());
    state.State = ssShutDown;
    ShutDownUnitVersioning();
}

TOsRelease SupportOsRelease()
{
    return SupportUnitsState().OsRelease;
}

}  // namespace skelda::editcontrols
