#include "platform/graphics/PngFile.h"

#include <algorithm>
#include <array>

namespace plat::PngFile {

namespace {

constexpr std::array<std::uint8_t, 8> Signature{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
// Length and type before a chunk's data, check sum after it.
constexpr std::size_t ChunkHeaderBytes = 8;
constexpr std::size_t ChunkCheckSumBytes = 4;

std::uint32_t ReadBigEndian32(std::span<const std::uint8_t> data, std::size_t offset)
{
    return std::uint32_t{data[offset]} << 24 | std::uint32_t{data[offset + 1]} << 16 |
           std::uint32_t{data[offset + 2]} << 8 | data[offset + 3];
}

bool IsImageEnd(std::span<const std::uint8_t> data, std::size_t chunk)
{
    return std::equal(data.begin() + static_cast<std::ptrdiff_t>(chunk + 4),
                      data.begin() + static_cast<std::ptrdiff_t>(chunk + 8), "IEND");
}

}  // namespace

bool ChunksFitTheData(std::span<const std::uint8_t> data)
{
    if (data.size() < Signature.size() || !std::equal(Signature.begin(), Signature.end(), data.begin()))
        return false;
    std::size_t chunk = Signature.size();
    while (chunk < data.size()) {
        const std::size_t left = data.size() - chunk;
        if (left < ChunkHeaderBytes + ChunkCheckSumBytes)
            return false;
        const std::uint32_t length = ReadBigEndian32(data, chunk);
        if (length > left - ChunkHeaderBytes - ChunkCheckSumBytes)
            return false;
        if (IsImageEnd(data, chunk))
            return true;
        chunk += ChunkHeaderBytes + length + ChunkCheckSumBytes;
    }
    return true;
}

}  // namespace plat::PngFile
