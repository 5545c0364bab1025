#pragma once

#include "foundation/TGdiplusBase.h"

#include <memory>

namespace skelda::foundation {

class TGPBrush;

// Draws lines: a colour or a brush, a width in world units, a dash style and an end cap.
class TGPPen : public TGdiplusBase {
public:
    explicit TGPPen(ARGB Color, REAL Width = 1.0f);
    explicit TGPPen(const TGPBrush& Brush, REAL Width = 1.0f);
    ~TGPPen() override;

    Status SetBrush(const TGPBrush& Brush);
    // A new brush wrapper of the pen's fill kind (solid, hatch, texture, plain for a path
    // gradient, linear gradient) around a copy of the fill, status Ok; nil for another kind.
    // The caller owns it.
    std::unique_ptr<TGPBrush> GetBrush();
    GpPenType GetPenType();
    Status SetDashStyle(DashStyle Style);
    DashStyle GetDashStyle();
    Status SetEndCap(GpLineCap EndCap);
    Status GetLastStatus() { return TakeStatus(lastResult); }

    GpPen* Native() const { return nativePen; }

private:
    GpPen* nativePen = nullptr;
    Status lastResult = Ok;
};

}  // namespace skelda::foundation
