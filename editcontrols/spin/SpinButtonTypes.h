#pragma once

namespace skelda::editcontrols {

// The half of a spin button shown pressed.
enum TSpinButtonState { sbNotDown, sbTopDown, sbBottomDown };

// Where a spin button divides its halves: along the diagonal from the lower-left to the
// upper-right corner (sbsDefault), or across the middle (sbsClassic).
enum TKvSpinButtonStyle { sbsDefault, sbsClassic };

// Whether the point (X, Y) of a spin button of WidthPx x HeightPx lies in its lower half. The
// press, the drag and the hover all ask this one question.
bool IsInBottomHalf(int X, int Y, int WidthPx, int HeightPx, TKvSpinButtonStyle Style);

}  // namespace skelda::editcontrols
