#pragma once

#include "platform/controls/standard/TPanel.h"
#include "platform/core/Types.h"

#include <array>

namespace skelda::grid {

// The side of the moved row or column the window marks. The windows stand outside the cells
// and point in at them: arrUp points up, arrLeft points right.
enum TArrowDirection { arrUp, arrDown, arrLeft, arrRight };

// A small arrow-shaped window that marks where a moved column or row will land. It is a
// top-level window: in this layer a parent would make it a child of the grid, while the grid
// places it in screen coordinates, also outside its own area.
class TArrowWindow : public plat::TPanel {
public:
    using TShape = std::array<plat::TPoint, 7>;

    TArrowWindow(plat::TComponent* AOwner, TArrowDirection Dir);

    std::string ClassName() const override { return "TArrowWindow"; }

    TArrowDirection GetDirection() const { return FDirection; }
    // The window's outline for a direction: a polygon filled by the winding rule.
    static const TShape& Shape(TArrowDirection Dir);

protected:
    void CreateParams(plat::TCreateParams& Params) const override;

private:
    TArrowDirection FDirection;
};

}  // namespace skelda::grid
