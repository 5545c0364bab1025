#pragma once

#include "editcontrols/button/TKvaColorButton.h"

namespace skelda::editcontrols {

// The coloured bitmap button whose caption may carry the small HTML of HtmlRenderer.h
// ("<B>Compute</B>", "<FONT COLOR=clRed>Exit</FONT>"), measured and laid out with the glyph.
class TKvHTButton : public TKvaColorButton {
public:
    explicit TKvHTButton(plat::TComponent* AOwner);

    std::string ClassName() const override { return "TKvHTButton"; }
};

}  // namespace skelda::editcontrols
