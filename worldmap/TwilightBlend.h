#pragma once

#include <cstdint>

namespace skelda::worldmap {

// How far towards the day picture a pixel goes, from the cosine of the solar zenith angle there:
// 0 (night) at -0.15 and below, 256 (day) from just above +0.1, in between Ceil((cos z + 0.15) *
// 1020), so the twilight band covers zenith cosines from -0.15 to +0.1.
int TwilightWeight(double cosZenith);

// One colour byte of the map moved towards the day byte by Weight / 256: Weight <= 0 keeps
// Night, Weight >= 256 gives Day, in between Night + floor((Day - Night) * Weight / 256).
std::uint8_t BlendByte(std::uint8_t day, std::uint8_t night, int weight);

}  // namespace skelda::worldmap
