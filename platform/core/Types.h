#pragma once

#include <cstdint>

namespace plat {

struct TPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const TSize&, const TSize&) = default;
};

// A rectangle as the widget library has it: Right and Bottom lie just outside the area.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    constexpr bool Contains(TPoint p) const { return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

constexpr TRect Rect(int left, int top, int right, int bottom) { return {left, top, right, bottom}; }
constexpr TRect Bounds(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }
constexpr TPoint Point(int x, int y) { return {x, y}; }

// A window as the platform's interfaces name it: a number for a windowed control, 0 for none
// (platform/controls/core/WindowHandles.h gives them out).
using HWND = std::uintptr_t;

}  // namespace plat
