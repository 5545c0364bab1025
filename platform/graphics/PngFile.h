#pragma once

#include <cstdint>
#include <span>

// Portable network graphics files (PNG) as their chunk list lays them out, checked before a
// decoder sees them.
namespace plat::PngFile {

// Whether every chunk up to the image end (IEND), or up to the end of the data, fits in the data
// that follows its header: its declared length, its type and its check sum. libpng reserves a
// chunk's declared length before it reads it, so a few bytes could otherwise ask for gigabytes.
// False also for data without the PNG signature.
bool ChunksFitTheData(std::span<const std::uint8_t> data);

}  // namespace plat::PngFile
