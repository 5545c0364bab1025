#pragma once

#include "platform/core/Exception.h"

#include <cstdint>
#include <string>
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

// A loaded module, as resource look-ups take it. The program is one module; its resources are
// those compiled in.
using HINSTANCE = std::uintptr_t;
HINSTANCE HInstance();

// The platform's number of the raw-data resource type.
inline constexpr int RT_RCDATA = 10;

// Raw-data resources of a module by name (as FindResource above) or by number; another module
// than HInstance() has none. A resource of number N is compiled in with the alias "#N".
std::optional<std::vector<std::uint8_t>> FindRCData(HINSTANCE Instance, std::string_view Name);
std::optional<std::vector<std::uint8_t>> FindRCData(HINSTANCE Instance, int Id);
// The bytes of the resource; raises EResNotFound "Resource #<Id> not found" when missing.
std::vector<std::uint8_t> LoadRCData(HINSTANCE Instance, int Id);

// Raised by loaders that need a resource the program does not have.
class EResNotFound : public Exception {
public:
    using Exception::Exception;
};

}  // namespace plat
