#pragma once

#include "foundation/GPTypes.h"
#include "platform/graphics/Colors.h"

namespace skelda::foundation {

// GDI+ colours and values from the widget library's. Colours are 0x00BBGGRR, or a system
// colour, which is resolved to its current value first.

// Opaque: alpha 0xFF, red from the colour's low byte, green from its middle, blue from its third.
ARGB ColorToARGB(plat::TColor Color);
ARGB ColorWithAlphaToARGB(std::uint8_t Alpha, plat::TColor Color);
constexpr ARGB ComposeARGB(std::uint8_t A, std::uint8_t R, std::uint8_t G, std::uint8_t B)
{
    return (static_cast<ARGB>(A) << 24) | (static_cast<ARGB>(R) << 16) | (static_cast<ARGB>(G) << 8) | B;
}
constexpr ARGB RGBToARGB(std::uint8_t R, std::uint8_t G, std::uint8_t B) { return ComposeARGB(0xFF, R, G, B); }
constexpr std::uint8_t ARGBRed(ARGB Color) { return static_cast<std::uint8_t>(Color >> 16); }
constexpr std::uint8_t ARGBGreen(ARGB Color) { return static_cast<std::uint8_t>(Color >> 8); }
constexpr std::uint8_t ARGBBlue(ARGB Color) { return static_cast<std::uint8_t>(Color); }

constexpr TGPPoint MakeGPPoint(std::int32_t X, std::int32_t Y) { return {X, Y}; }
constexpr TGPRectF MakeGPRectF(REAL X, REAL Y, REAL Width, REAL Height) { return {X, Y, Width, Height}; }

// Whether the operating system's major version is above 5.
bool IsWindows6OrLater();

}  // namespace skelda::foundation
