#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace skelda::foundation::gif {

// The frames of an animated GIF as the mini-HTML picture steps through them: a frame starts
// where a graphic control extension (0x21 0xF9 0x04, packed byte, 16-bit delay, transparent
// index, terminator) is directly followed by an image descriptor (0x2C, left, top, width,
// height, little-endian). A start counts only when its whole descriptor lies in the data, so
// counting, delays and extraction agree and nothing is read past the end. Linear in the size.

struct TFrameStart {
    std::size_t Offset = 0;
    int DelayCs = 0;  // hundredths of a second
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

// More than 4 bytes beginning with "GIF8".
bool IsGif(std::span<const std::uint8_t> Data);
// The logical screen (the animation's area); 0 x 0 when the data is too short.
int ScreenWidth(std::span<const std::uint8_t> Data);
int ScreenHeight(std::span<const std::uint8_t> Data);
std::vector<TFrameStart> FrameStarts(std::span<const std::uint8_t> Data);
// Everything before the first frame followed by frame Frame (counted from 1) and all after it,
// so that a decoder showing the first image shows that frame. Info gets the frame's start when
// there is one.
std::vector<std::uint8_t> FromFrame(std::span<const std::uint8_t> Data, int Frame, TFrameStart* Info);

}  // namespace skelda::foundation::gif
