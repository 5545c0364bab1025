#pragma once

#include <string>

namespace plat {

// Outcome of handing something to the desktop (a link, a help file): Ok, or why not.
struct TOpenResult {
    bool Ok = false;
    std::string Error;

    static TOpenResult Success() { return {true, {}}; }
    static TOpenResult Failure(std::string error) { return {false, std::move(error)}; }
};

}  // namespace plat
