#pragma once

#include "editcontrols/support/ModuleInstance.h"
#include "editcontrols/support/TUnitVersionInfo.h"

namespace skelda::editcontrols {

class TUnitVersioning;

// The unit-version registry of this process, reached through this module's client (see
// TUnitVersioningClient) under the names that carry getpid(). The client is made on first use
// and does no work that can fail until then.

// Registers AInfo for the module AInstance; nothing after ShutDownUnitVersioning.
void AddUnitVersion(TModuleInstance AInstance, const TUnitVersionInfo* AInfo);
// Removes the records of the module AInstance; nothing after ShutDownUnitVersioning.
void RemoveModuleUnitVersions(TModuleInstance AInstance);
// The registry, or nullptr after ShutDownUnitVersioning.
TUnitVersioning* ObtainUnitVersionRegistry();
// Idempotent; the registry is gone for good afterwards.
void ShutDownUnitVersioning();

}  // namespace skelda::editcontrols
