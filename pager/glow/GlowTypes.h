#pragma once

namespace skelda::pager {

// How a glow half runs from its first colour to its second: a path gradient over an ellipse
// (ggRadial), or a linear one in the flat API's modes vertical (1), forward diagonal (2) and
// backward diagonal (3).
enum TGDIPGradient { ggRadial = 0, ggVertical = 1, ggDiagonalForward = 2, ggDiagonalBackward = 3 };

// Where the image sits beside the caption. The "adjusted" layouts push the caption to the edge
// (left, right, top, bottom) instead of centring it.
enum TButtonLayout {
    blGlyphLeft = 0,
    blGlyphTop = 1,
    blGlyphRight = 2,
    blGlyphBottom = 3,
    blGlyphLeftAdjusted = 4,
    blGlyphRightAdjusted = 5,
    blGlyphTopAdjusted = 6,
    blGlyphBottomAdjusted = 7,
};

constexpr bool IsHorizontalLayout(TButtonLayout Layout)
{
    return Layout == blGlyphLeft || Layout == blGlyphRight || Layout == blGlyphLeftAdjusted ||
           Layout == blGlyphRightAdjusted;
}

// A button alone, or a piece of a row of joined buttons.
enum TButtonPosition { bpStandalone = 0, bpLeft = 1, bpMiddle = 2, bpRight = 3 };
enum TDropDownPosition { dpRight = 0, dpBottom = 1 };
enum TDropDownDirection { ddDown = 0, ddRight = 1 };

// Which part of a button with a drop-down part the pointer is over.
enum TDropDownHit { dhNone = 0, dhDropDownPart = 1, dhMainPart = 2 };

}  // namespace skelda::pager
