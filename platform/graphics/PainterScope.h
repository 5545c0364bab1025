#pragma once

#include "platform/core/Types.h"
#include "platform/graphics/TRegion.h"

#include <QPainter>

#include <optional>

namespace plat {

class TCanvasBackend;

// One drawing call's hold on a back end's painter: state saved, antialiasing off, the clip
// region applied and logical coordinates set up; everything undone at the end. get() is
// nullptr when nothing can be drawn (no surface, or an empty clip).
class PainterScope {
public:
    PainterScope(TCanvasBackend& backend, TPoint viewportOrg, const std::optional<TRegion>& clip);
    ~PainterScope();
    PainterScope(const PainterScope&) = delete;
    PainterScope& operator=(const PainterScope&) = delete;

    QPainter* get() const { return FPainter; }
    QPainter* operator->() const { return FPainter; }
    explicit operator bool() const { return FPainter != nullptr; }

private:
    TCanvasBackend& FBackend;
    QPainter* FPainter = nullptr;
};

}  // namespace plat
