#pragma once

#include "platform/core/Types.h"

class QImage;
class QPainter;

namespace plat {

// The surface a WM_PAINT (or WM_NCPAINT) message paints on, as the widget library handed a
// device context: an active painter, the size of its device, where the receiving control's
// (0, 0) lies on it and the part that needs painting, in the control's coordinates.
//
// Pixels is the image the painter draws on when it may be read and written directly (a
// double-buffered control's buffer, a bitmap); nullptr for a window, whose pixels cannot be read.
struct TPaintContext {
    QPainter* Painter = nullptr;
    TSize DeviceSize;
    TPoint Origin;
    TRect ClipRect;
    QImage* Pixels = nullptr;
};

}  // namespace plat
