#pragma once

#include "editcontrols/button/TKvButtonGlyph.h"

namespace skelda::editcontrols {

// The button glyph whose caption is the small HTML of HtmlRenderer.h: measured and drawn by the
// renderer (state 0, scale 100), disabled twice as the plain caption is.
class TKvHTButtonGlyph : public TKvButtonGlyph {
protected:
    void PaintCaptionText(plat::TCanvas& Canvas, const std::string& Caption, plat::TButtonState State,
                          const plat::TRect& TextBounds) override;
    void MeasureCaptionText(plat::TCanvas& Canvas, plat::TRect& TextBounds, const std::string& Caption) override;
};

}  // namespace skelda::editcontrols
