#pragma once

#include "editcontrols/spin/SpinButtonTypes.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TRegion.h"

#include <array>
#include <memory>

namespace plat {
class TCanvas;
}

namespace skelda::editcontrols {

// One face of a spin button: the half shown pressed, the half under the mouse (themed faces
// only) and whether the button is enabled.
struct TSpinFace {
    TSpinButtonState Pressed = sbNotDown;
    TSpinButtonState Hot = sbNotDown;
    bool Enabled = true;
};

// A classic face in the button-face colours, on a canvas of WidthPx x HeightPx. Diagonal: soft
// 3-D edges (the top-left pair sunken while the upper half is pressed, the bottom-right pair
// while the lower half is) and three lines along the diagonal; classic: two soft 3-D boxes, the
// upper one a row taller unless pressed so that the dividing row is its edge. With Arrows the
// built-in arrows are drawn too.
void PaintPlainSpinFace(plat::TCanvas& Canvas, int WidthPx, int HeightPx, TKvSpinButtonStyle Style,
                        const TSpinFace& Face, bool Arrows);

// Faces drawn with the visual style while themes are on. Classic faces are the style's up and
// down spin parts; diagonal ones cut the upper-left triangle from a push button in the upper
// half's state and the lower-right one from a push button in the lower half's state, with the
// three diagonal lines in the push button's theme colours. The push buttons of the four states
// are rendered once per painter. Only Arrows puts the built-in arrows on a diagonal face; the
// style's spin parts carry arrows of their own.
class TThemedSpinFacePainter {
public:
    TThemedSpinFacePainter(int WidthPx, int HeightPx, TKvSpinButtonStyle Style, bool Arrows);
    ~TThemedSpinFacePainter();
    TThemedSpinFacePainter(const TThemedSpinFacePainter&) = delete;
    TThemedSpinFacePainter& operator=(const TThemedSpinFacePainter&) = delete;

    void Paint(plat::TCanvas& Canvas, const TSpinFace& Face) const;

private:
    void PaintClassic(plat::TCanvas& Canvas, const TSpinFace& Face) const;
    void PaintDiagonal(plat::TCanvas& Canvas, const TSpinFace& Face) const;

    int FWidthPx;
    int FHeightPx;
    TKvSpinButtonStyle FStyle;
    bool FArrows;
    // Push buttons in the states normal, hot, pressed, disabled (diagonal style only).
    std::array<plat::TBitmap, 4> FButtons;
    plat::TRegion FUpperTriangle;
    plat::TRegion FLowerTriangle;
    // The diagonal lines, in the order the classic painter draws them.
    std::array<plat::TColor, 3> FLineColors{};
};

}  // namespace skelda::editcontrols
