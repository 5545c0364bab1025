#pragma once

#include "platform/controls/core/TCustomControl.h"

namespace skelda::grid {

enum TScrollDirection { sdVertical, sdHorizontal };

// The thin "metro" scroll bar the grid puts along its right or bottom edge in place of the
// window's scroll bars: only a thumb in Color, ScrollWidth pixels thick.
class TScrollControl : public plat::TCustomControl {
public:
    explicit TScrollControl(plat::TComponent* AOwner);

    std::string ClassName() const override { return "TScrollControl"; }

    int GetScrollWidth() const { return FScrollWidth; }
    void SetScrollWidth(int Value) { FScrollWidth = Value; }
    TScrollDirection GetDirection() const { return FDirection; }
    void SetDirection(TScrollDirection Value) { FDirection = Value; }

private:
    int FScrollWidth = 4;
    TScrollDirection FDirection = sdVertical;
};

}  // namespace skelda::grid
