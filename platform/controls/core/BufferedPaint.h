#pragma once

#include "platform/controls/core/PaintContext.h"

#include <cstdint>
#include <memory>

namespace plat {

// A paint through an off-screen buffer, as the visual-styles library's buffered paint works: a
// top-down 32-bit ARGB buffer over one rectangle of a paint surface, fully transparent at the
// start, whose alpha can be set over any part; ending it (the destructor) puts the buffer onto
// the surface. The buffer's surface uses the same control coordinates as the target's.
class TBufferedPaint {
public:
    // Over Rect of Target (control coordinates), cut to Target's clip. Ok() is false when nothing
    // is left or the target has no painter: there is nothing to paint then.
    TBufferedPaint(const TPaintContext& Target, const TRect& Rect);
    ~TBufferedPaint();
    TBufferedPaint(const TBufferedPaint&) = delete;
    TBufferedPaint& operator=(const TBufferedPaint&) = delete;

    bool Ok() const { return FImage != nullptr; }
    // The buffer as a paint surface, its pixels readable.
    TPaintContext& Context() { return FContext; }
    // Sets the alpha of every pixel of R inside the buffer, keeping the colour bytes as they are.
    void SetAlpha(const TRect& R, std::uint8_t Alpha);

private:
    const TPaintContext& FTarget;
    TRect FRect;
    std::unique_ptr<QImage> FImage;
    std::unique_ptr<QPainter> FPainter;
    TPaintContext FContext;
};

}  // namespace plat
