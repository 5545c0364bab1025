#pragma once

#include "platform/system/LibraryLoader.h"

#include <array>
#include <string>

namespace skelda::foundation {

// The visual-styles library "UXTHEME.DLL" bound at run time: loaded at start-up, its 45 entry
// points looked up by name into a table, freed at the end. No code of the system calls through
// the table (themed parts are drawn through the theme service); what counts is that the library
// stays loaded for the whole run, and that a library lacking an entry point stops the start-up.
class TThemeLibraryBinding {
public:
    static constexpr int EntryCount = 45;

    // ModuleName is what an assertion names.
    explicit TThemeLibraryBinding(std::string ModuleName);

    // Loads the library and looks up every entry point, once: binding again changes nothing.
    // Without the library (a handle below 32 counts as none) nothing is bound and nothing
    // raised. A missing entry point raises EAssertionFailed "Assertion failure (<module>:
    // <entry>)".
    void Bind();
    // Frees the library when this binding loaded it.
    void Free();

    bool Loaded() const { return FLoaded; }
    plat::HMODULE Handle() const { return FHandle; }
    // The entry points in binding order (plat::uxtheme::EntryNames); nullptr while not bound.
    const std::array<plat::FARPROC, EntryCount>& Table() const { return FTable; }

private:
    std::string FModuleName;
    bool FLoaded = false;
    plat::HMODULE FHandle = 0;
    std::array<plat::FARPROC, EntryCount> FTable{};
};

// One binding serves the three module names the controls bind under.
TThemeLibraryBinding& VezXPVS();
TThemeLibraryBinding& ATXPVS();
TThemeLibraryBinding& ACXPVS();

}  // namespace skelda::foundation
