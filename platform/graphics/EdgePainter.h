#pragma once

#include "platform/core/Types.h"
#include "platform/graphics/Colors.h"

class QPainter;

namespace plat {

// The three-dimensional borders of DrawEdge: an outer and an inner one-pixel ring, top-left
// sides first so that the bottom-right sides own the corners, in the system colours.
class EdgePainter {
public:
    // Without a painter nothing is drawn, but BF_ADJUST still adjusts the rectangle.
    explicit EdgePainter(QPainter* painter) : FPainter(painter) {}

    bool Draw(TRect& rect, unsigned edge, unsigned flags);

    // One ring on the sides in flags; returns the rectangle inside it.
    TRect Ring(const TRect& rect, unsigned flags, TColor topLeft, TColor bottomRight);

private:
    void Fill(int left, int top, int width, int height, TColor color);

    QPainter* FPainter;
};

}  // namespace plat
