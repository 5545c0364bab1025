#pragma once

#include <QBuffer>
#include <QImage>

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace skelda::foundation::testing {

// A GIF written byte by byte: a logical screen of ScreenW x 1 with a four-colour table (red,
// green, blue, black) and one 1 x 1 frame per entry, at x = its position, in colour index
// Colour[i], shown for Delay[i] hundredths of a second.
inline std::vector<std::uint8_t> HandWrittenGif(int ScreenW, std::initializer_list<std::pair<int, int>> Frames)
{
    std::vector<std::uint8_t> g = {'G', 'I', 'F', '8', '9', 'a', static_cast<std::uint8_t>(ScreenW), 0, 1, 0, 0x81, 0, 0,
                                   0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0xFF, 0, 0, 0};
    // Image data with a 2-bit minimum code size: clear, the colour index, end.
    static constexpr std::uint8_t kPixel[3][2] = {{0x44, 0x01}, {0x4C, 0x01}, {0x54, 0x01}};
    int x = 0;
    for (const auto& [colour, delay] : Frames) {
        const std::uint8_t frame[] = {0x21, 0xF9, 0x04, 0x00, static_cast<std::uint8_t>(delay), 0, 0, 0,
                                      0x2C, static_cast<std::uint8_t>(x), 0, 0, 0, 1, 0, 1, 0, 0,
                                      0x02, 0x02, kPixel[colour][0], kPixel[colour][1], 0x00};
        g.insert(g.end(), std::begin(frame), std::end(frame));
        ++x;
    }
    g.push_back(0x3B);
    return g;
}

// A PNG of the given size in one colour.
inline std::vector<std::uint8_t> SolidPng(int W, int H, QRgb Colour)
{
    QImage image(W, H, QImage::Format_ARGB32);
    image.fill(Colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return {bytes.begin(), bytes.end()};
}

}  // namespace skelda::foundation::testing
