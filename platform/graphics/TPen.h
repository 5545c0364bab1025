#pragma once

#include "platform/graphics/Colors.h"
#include "platform/graphics/TGraphicsObject.h"

namespace plat {

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

// How a pen's colour combines with what is already there (the binary raster operations).
enum TPenMode {
    pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
    pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor
};

class TPen : public TGraphicsObject {
public:
    std::string ClassName() const override { return "TPen"; }
    void Assign(const TPersistent& Source) override;

    TColor GetColor() const { return FColor; }
    void SetColor(TColor Value);
    // Width in pixels; values below 1 draw as 1.
    int GetWidth() const { return FWidthPx; }
    void SetWidth(int Value);
    TPenStyle GetStyle() const { return FStyle; }
    void SetStyle(TPenStyle Value);
    TPenMode GetMode() const { return FMode; }
    void SetMode(TPenMode Value);

private:
    TColor FColor = clBlack;
    int FWidthPx = 1;
    TPenStyle FStyle = psSolid;
    TPenMode FMode = pmCopy;
};

}  // namespace plat
