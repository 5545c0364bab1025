#pragma once

// How the program names itself: its title with the version, the build from the program file's
// version information, and the main window's caption made of both.

#include <string>

namespace skelda::app {

inline constexpr const char* kProgramTitle = "SKELDA v1.7a";
inline constexpr const char* kAuthorCredit = " by Vantel Software";

// "Build " and the four numbers of the program file's version ("Build 1.7.0.81"); empty when the
// file carries no version information.
std::string BuildText();

// The title, the author credit, " - " and the build text.
std::string MainWindowCaption(const std::string& buildText);

}  // namespace skelda::app
