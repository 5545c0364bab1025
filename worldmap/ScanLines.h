#pragma once

#include <cstdint>
#include <vector>

namespace skelda::worldmap {

// The rows of a picture as byte arrays, fetched on the calling thread before any worker starts,
// so that workers never go through the picture object itself. Width counts pixels; each row
// holds BytesPerPixel * Width bytes.
struct TScanLines {
    std::vector<std::uint8_t*> Rows;
    int Width = 0;
    int BytesPerPixel = 3;

    int Height() const { return static_cast<int>(Rows.size()); }
};

}  // namespace skelda::worldmap
