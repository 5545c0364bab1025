#pragma once

#include <string_view>

namespace skelda::editcontrols {

// The version record of one unit of source, a constant that lives as long as the program; its
// address is its identity in the unit-version registry. The first three fields are the lines
// the version-control system expands its keywords to (see TUnitVersion for how they read).
struct TUnitVersionInfo {
    // "$URL: <path of the source file> $" or "$RCSfile: <file>,v $".
    std::string_view RCSfile{};
    // "$Revision: <number> $".
    std::string_view Revision{};
    // "$Date: <date> <time> <zone> $".
    std::string_view Date{};
    // The folder of the unit's source.
    std::string_view LogPath{};
    std::string_view Extra{};
    void* Data = nullptr;
};

}  // namespace skelda::editcontrols
