#pragma once

#include <cstdint>

namespace skelda::editcontrols {

// A loaded module (the program file or a shared library) by the address it is loaded at, as
// the dynamic linker reports it; pointer-sized, 0 for none.
using TModuleInstance = std::uintptr_t;

// The module that holds AAddress; 0 when no loaded module does.
TModuleInstance ModuleInstanceOf(const void* AAddress);
// The module these routines are linked into: the program file, as they are linked statically.
TModuleInstance ThisModuleInstance();
// Whether a module is still loaded at AInstance.
bool IsModuleLoaded(TModuleInstance AInstance);

}  // namespace skelda::editcontrols
