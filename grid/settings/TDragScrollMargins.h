#pragma once

#include "platform/core/TPersistent.h"

namespace skelda::grid {

// The bands along the grid's edges, in pixels, where a drag scrolls the grid.
class TDragScrollMargins : public plat::TPersistent {
public:
    std::string ClassName() const override { return "TDragScrollMargins"; }

    // From another TDragScrollMargins; other sources are ignored.
    void Assign(const plat::TPersistent& Source) override;

    int GetTopMargin() const { return FTopMargin; }
    void SetTopMargin(int Value) { FTopMargin = Value; }
    int GetBottomMargin() const { return FBottomMargin; }
    void SetBottomMargin(int Value) { FBottomMargin = Value; }
    int GetLeftMargin() const { return FLeftMargin; }
    void SetLeftMargin(int Value) { FLeftMargin = Value; }
    int GetRightMargin() const { return FRightMargin; }
    void SetRightMargin(int Value) { FRightMargin = Value; }

private:
    int FTopMargin = 50;
    int FBottomMargin = 50;
    int FLeftMargin = 50;
    int FRightMargin = 50;
};

}  // namespace skelda::grid
