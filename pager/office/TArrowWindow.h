#pragma once

#include "platform/controls/standard/TPanel.h"

#include <array>

namespace skelda::pager {

// Where the drop-position arrow points. arrLeft has its tip on the right and arrRight on the
// left: they name the side of the arrow's tail.
enum TArrowDirection { arrUp, arrDown, arrLeft, arrRight };

// The small arrow that shows where a dragged tab would land: a 9 x 9 popup window cut to the
// seven-point outline of its direction (a window region, winding fill) and filled with Color
// (clBlue until the pager gives it the indicator colour). The pager places it in screen
// coordinates, above or beside the target tab, and shows and hides it while the drag lasts.
//
// The owner frees it. It stays a top-level window rather than a child of the owner's window: as
// a child it would be cut off where it stands outside the pager, above the first row of tabs.
// Making it visible makes its window; shown, it never takes the activation from the form the
// drag runs in.
class TArrowWindow : public plat::TPanel {
public:
    static constexpr int kSidePx = 9;

    TArrowWindow(plat::TComponent* AOwner, TArrowDirection Direction);

    std::string ClassName() const override { return "TArrowWindow"; }

    // The outline of the arrow pointing in Direction, in window coordinates.
    static std::array<plat::TPoint, 7> ArrowPoints(TArrowDirection Direction);

    void Dispatch(plat::TMessage& Message) override;

    TArrowDirection Dir;
    // Set when the window is made.
    std::array<plat::TPoint, 7> Arrow{};

protected:
    void CreateParams(plat::TCreateParams& Params) const override;
    void CreateWnd() override;
    void Paint() override;
};

}  // namespace skelda::pager
