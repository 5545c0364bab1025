#pragma once

#include "platform/graphics/Colors.h"
#include "platform/graphics/TGraphicsObject.h"

namespace plat {

class TGraphic;

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

class TBrush : public TGraphicsObject {
public:
    std::string ClassName() const override { return "TBrush"; }
    void Assign(const TPersistent& Source) override;

    TColor GetColor() const { return FColor; }
    void SetColor(TColor Value);
    TBrushStyle GetStyle() const { return FStyle; }
    void SetStyle(TBrushStyle Value);
    // A pattern picture tiled in place of the colour. The brush does not own it; the caller
    // keeps it alive while the brush uses it, and clears it (nullptr) before freeing it.
    const TGraphic* GetBitmap() const { return FBitmap; }
    void SetBitmap(const TGraphic* Value);

private:
    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
    const TGraphic* FBitmap = nullptr;
};

}  // namespace plat
