#pragma once

#include "platform/core/Exception.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace plat {

// Named data compiled into the program (pictures, raw data). Names ignore case, as the
// operating system's resource names did: "map_day" finds the resource "MAP_DAY".
std::optional<std::vector<std::uint8_t>> FindResource(std::string_view name);
bool ResourceExists(std::string_view name);
// The bytes of the resource; raises EResNotFound "Resource <name> not found" when missing.
std::vector<std::uint8_t> LoadResource(std::string_view name);

// Raised by loaders that need a resource the program does not have.
class EResNotFound : public Exception {
public:
    using Exception::Exception;
};

}  // namespace plat
