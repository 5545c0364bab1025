#pragma once

#include "platform/system/LibraryLoader.h"

namespace plat {

// The libraries the program binds at run time, as this platform stands them in:
// "UXTHEME.DLL" with its 45 entry points (ThemeLibrary.h), and "KERNEL32.DLL" with the one export
// the program looks for, "GetLocaleInfoEx" (present, answering nothing). There is no
// "DWMAPI.DLL": the desktop is not composed. InstallProductionServices installs a table of
// them; tests start from one too.
TLibraryTable MakeStandInLibraries();

}  // namespace plat
