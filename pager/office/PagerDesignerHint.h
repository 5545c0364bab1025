#pragma once

namespace plat {
class TCanvas;
class TFont;
}

namespace skelda::pager {

// What a pager without pages shows in the designer: how to add the first page, and in italics
// what to do when the designer offers no such command. Four lines at x = 10 from half the
// control's height down.
void PaintEmptyDesignerHint(plat::TCanvas& Canvas, const plat::TFont& Font, int ControlHeightPx);

}  // namespace skelda::pager
