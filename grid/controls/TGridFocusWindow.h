#pragma once

#include "platform/controls/core/TCustomControl.h"

namespace skelda::grid {

// The soft glow around the cell being edited: a topmost window that never takes input, its
// picture set as a translucent layer by the grid.
class TGridFocusWindow : public plat::TCustomControl {
public:
    explicit TGridFocusWindow(plat::TComponent* AOwner);

    std::string ClassName() const override { return "TGridFocusWindow"; }

protected:
    void CreateParams(plat::TCreateParams& Params) const override;
};

}  // namespace skelda::grid
