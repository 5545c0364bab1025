#pragma once

#include <string>

namespace plat {

// The four numbers of the program file's version information.
struct TFileVersionInfo {
    int Major = 0;
    int Minor = 0;
    int Release = 0;
    int Build = 0;

    // "1.0.0.1"
    std::string Text() const;
};

// The version this program was built as.
TFileVersionInfo ProgramFileVersion();

}  // namespace plat
