#pragma once

// Picture files damaged the way that made Qt's readers return part of a picture or reserve what
// a header claims; every reader of the platform must refuse them alike.

#include <cstdint>
#include <string>
#include <vector>

namespace plat::damaged_pictures {

struct TDamaged {
    std::string Name;
    std::string Extension;
    std::vector<std::uint8_t> Bytes;
};

// A 24-bit bitmap file of 4 x 4 blue pixels (rows bottom-up, or top-down) that lacks the last
// of its rows.
inline std::vector<std::uint8_t> BitmapCutShort(bool topDown)
{
    constexpr std::uint32_t rowBytes = 4 * 3;
    std::vector<std::uint8_t> bytes{'B', 'M'};
    const auto put = [&](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i)
            bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    };
    put(54 + 4 * rowBytes, 4);
    put(0, 4);
    put(54, 4);
    put(40, 4);
    put(4, 4);
    put(static_cast<std::uint32_t>(topDown ? -4 : 4), 4);
    put(1, 2);
    put(24, 2);
    for (int i = 0; i < 6; ++i)
        put(0, 4);
    for (std::uint32_t row = 0; row < 3; ++row)
        for (int x = 0; x < 4; ++x)
            put(0x0000FF, 3);
    return bytes;
}

// A PNG of 60 bytes: a 1 x 1 header chunk, then a text chunk that declares 1.8 GB.
inline std::vector<std::uint8_t> PngChunkLongerThanTheFile()
{
    std::vector<std::uint8_t> bytes = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A,
                                       0, 0, 0, 13, 'I', 'H', 'D', 'R', 0, 0, 0, 1, 0, 0, 0, 1, 8, 2, 0, 0, 0,
                                       0x90, 0x77, 0x53, 0xDE,
                                       0x6B, 0x49, 0xD2, 0x00, 'z', 'T', 'X', 't'};
    bytes.resize(60, 'x');
    return bytes;
}

inline std::vector<TDamaged> DamagedPictures()
{
    return {{"a bitmap cut short", "bmp", BitmapCutShort(false)},
            {"a top-down bitmap cut short", "bmp", BitmapCutShort(true)},
            {"a PNG chunk longer than the file", "png", PngChunkLongerThanTheFile()}};
}

}  // namespace plat::damaged_pictures
