#include "editcontrols/support/ModuleInstance.h"

#include <dlfcn.h>

namespace skelda::editcontrols {

TModuleInstance ModuleInstanceOf(const void* AAddress)
{
    Dl_info info{};
    if (::dladdr(AAddress, &info) == 0)
        return 0;
    return reinterpret_cast<TModuleInstance>(info.dli_fbase);
}

TModuleInstance ThisModuleInstance()
{
    static const char anchor = 0;
    return ModuleInstanceOf(&anchor);
}

bool IsModuleLoaded(TModuleInstance AInstance)
{
    return AInstance != 0 && ModuleInstanceOf(reinterpret_cast<const void*>(AInstance)) == AInstance;
}

}  // namespace skelda::editcontrols
