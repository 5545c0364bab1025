#pragma once

#include "platform/core/Types.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/ThemeElement.h"

#include <optional>

class QPainter;

namespace plat {

// Theme elements in the application's Qt style and palette: Fusion in the tests, the desktop's
// style in production. The state flags of the element become the style option's state
// (disabled, hot, pressed, checked, focused, selected), so each state looks as that style draws
// it; where a style shows no difference (hot in Fusion) the states look alike.

// Draws the element into Rect (logical pixels of the painter). Elements with a size of their
// own are centred in Rect at that size, or at Rect's size where that is smaller.
void PaintThemeElement(QPainter& Painter, const TThemeElement& Element, const TRect& Rect);

// The element's own size in pixels (check boxes, radio buttons, arrow buttons); nothing for
// elements that fill whatever rectangle they get.
std::optional<TSize> ThemeElementOwnSize(const TThemeElement& Element);

// A TMT_ colour property of the element as 0x00BBGGRR, from the palette group of its state;
// nothing for a property the service does not define.
std::optional<TColor> ThemeElementColor(const TThemeElement& Element, int PropId);

}  // namespace plat
