#pragma once

#include "platform/controls/core/TCustomControl.h"

namespace skelda::grid {

class TBaseGrid;

// The header caption that follows the mouse while a column is dragged. Its Caption is plain
// or mini-HTML text.
class THeaderDragButton : public plat::TCustomControl {
public:
    explicit THeaderDragButton(plat::TComponent* AOwner);

    std::string ClassName() const override { return "THeaderDragButton"; }

    // The owning grid; nullptr when the owner is no grid.
    TBaseGrid* Grid() const { return FGrid; }
    bool GetFlat() const { return FFlat; }
    void SetFlat(bool Value) { FFlat = Value; }

protected:
    // A thin-bordered popup whose screen is restored without repainting when it moves on.
    void CreateParams(plat::TCreateParams& Params) const override;

private:
    TBaseGrid* FGrid = nullptr;
    bool FFlat = false;
};

}  // namespace skelda::grid
