#pragma once

// The program's start, after the application object exists and before its message loop: the
// splash window, the two-second wait, the application's title and help file, the main window,
// and the splash window gone again.

#include <functional>
#include <string>

namespace skelda::app {

inline constexpr const char* kHelpFileName = "SKELDA.CHM";
inline constexpr const char* kInfoFileName = "Info.txt";

// The folder of the program's file, ending in '/', where its help file and information text
// lie; empty (the current folder) when the system does not say.
std::string ProgramFolder();

// Shows the splash window and handles messages until its timer has run (on the timer service,
// so a test advances it); a message loop that has nothing left to wait for ends the wait too.
// Then sets the title and the help file (in ProgramFolder), runs CreateMainWindow while the
// splash window is still shown, and frees the splash window.
void StartProgram(const std::string& ProgramFolder, const std::function<void()>& CreateMainWindow);

}  // namespace skelda::app
