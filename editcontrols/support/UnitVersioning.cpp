#include "editcontrols/support/UnitVersioning.h"

#include "editcontrols/support/TMMFHandleList.h"
#include "editcontrols/support/TUnitVersioning.h"
#include "editcontrols/support/TUnitVersioningClient.h"

#include <unistd.h>

namespace skelda::editcontrols {

namespace {

TUnitVersioningClient& ThisModuleClient()
{
    // The handle list is made first, so it outlives the client, whose end closes the slot.
    static TUnitVersioningClient client(static_cast<std::uint32_t>(::getpid()), MMFHandleList());
    return client;
}

}  // namespace

void AddUnitVersion(TModuleInstance AInstance, const TUnitVersionInfo* AInfo)
{
    if (TUnitVersioning* registry = ObtainUnitVersionRegistry())
        registry->AddUnitInfo(AInstance, AInfo);
}

void RemoveModuleUnitVersions(TModuleInstance AInstance)
{
    if (TUnitVersioning* registry = ObtainUnitVersionRegistry())
        registry->RemoveModule(AInstance);
}

TUnitVersioning* ObtainUnitVersionRegistry()
{
    return ThisModuleClient().Obtain();
}

void ShutDownUnitVersioning()
{
    ThisModuleClient().ShutDown();
}

}  // namespace skelda::editcontrols
