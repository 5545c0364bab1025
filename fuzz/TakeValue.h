#pragma once

// Plain values read off the front of a fuzz input, for targets that need numbers besides text.

#include <algorithm>
#include <cstring>
#include <string_view>
#include <type_traits>

namespace skelda::fuzz {

// The next sizeof(T) bytes of Text as a T, zeros standing in for bytes past its end; Text loses
// what was read. Every bit pattern counts, so a double may be NaN, infinite or subnormal.
template <typename T>
    requires std::is_trivially_copyable_v<T>
T Take(std::string_view& Text)
{
    unsigned char bytes[sizeof(T)] = {};
    const std::size_t count = std::min(Text.size(), sizeof bytes);
    if (count > 0)
        std::memcpy(bytes, Text.data(), count);
    Text.remove_prefix(count);
    T value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

}  // namespace skelda::fuzz
