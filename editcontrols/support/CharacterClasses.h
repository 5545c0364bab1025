#pragma once

#include <cstdint>

namespace skelda::editcontrols {

// The character-class bits of CT_CTYPE1, as the Windows kernel numbers them.
using TCharClasses = std::uint16_t;
inline constexpr TCharClasses C1_UPPER = 0x0001;
inline constexpr TCharClasses C1_LOWER = 0x0002;
inline constexpr TCharClasses C1_DIGIT = 0x0004;
inline constexpr TCharClasses C1_SPACE = 0x0008;
inline constexpr TCharClasses C1_PUNCT = 0x0010;
inline constexpr TCharClasses C1_CNTRL = 0x0020;
inline constexpr TCharClasses C1_BLANK = 0x0040;
inline constexpr TCharClasses C1_XDIGIT = 0x0080;
inline constexpr TCharClasses C1_ALPHA = 0x0100;

}  // namespace skelda::editcontrols
