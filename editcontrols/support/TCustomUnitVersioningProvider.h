#pragma once

#include "editcontrols/support/ModuleInstance.h"
#include "platform/core/TObject.h"

namespace skelda::editcontrols {

// A source of version records beyond those the units register themselves: the registry asks
// each provider to load a module's records and tells it when a module's records go. The base
// does nothing.
class TCustomUnitVersioningProvider : public plat::TObject {
public:
    virtual void LoadModuleUnitVersioningInfo(TModuleInstance) {}
    virtual void ReleaseModuleUnitVersioningInfo(TModuleInstance) {}
};

}  // namespace skelda::editcontrols
