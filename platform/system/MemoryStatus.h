#pragma once

#include <cstdint>

namespace plat {

// Physical memory of the computer in bytes; 0 when the system does not say.
std::uint64_t TotalPhysicalMemoryBytes();

}  // namespace plat
