#pragma once

#include "worldmap/ScanLines.h"

#include <cstdint>
#include <vector>

namespace skelda::worldmap::test {

// A picture in plain memory, so that the map arithmetic can be checked without any bitmap.
struct Raster {
    int Width;
    int Height;
    int BytesPerPixel;
    std::vector<std::uint8_t> Bytes;

    Raster(int width, int height, int bytesPerPixel = 3, std::uint8_t fill = 0)
        : Width(width), Height(height), BytesPerPixel(bytesPerPixel),
          Bytes(static_cast<std::size_t>(width * height * bytesPerPixel), fill)
    {
    }

    std::uint8_t* Pixel(int x, int y) { return &Bytes[static_cast<std::size_t>((y * Width + x) * BytesPerPixel)]; }

    TScanLines Lines()
    {
        TScanLines lines;
        lines.Width = Width;
        lines.BytesPerPixel = BytesPerPixel;
        for (int y = 0; y < Height; ++y)
            lines.Rows.push_back(Pixel(0, y));
        return lines;
    }
};

}  // namespace skelda::worldmap::test
