#pragma once

#include "platform/core/Types.h"

class QPainter;

namespace plat {

// The surface a WM_PAINT (or WM_NCPAINT) message paints on, as the widget library handed a
// device context: an active painter, the size of its device, where the receiving control's
// (0, 0) lies on it and the part that needs painting, in the control's coordinates.
struct TPaintContext {
    QPainter* Painter = nullptr;
    TSize DeviceSize;
    TPoint Origin;
    TRect ClipRect;
};

}  // namespace plat
