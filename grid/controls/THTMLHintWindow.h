#pragma once

#include "platform/controls/forms/THintWindow.h"

#include <string>

namespace skelda::grid {

// The grid's hint window for cell, link and scroll hints: mini-HTML and packed wide texts.
class THTMLHintWindow : public plat::THintWindow {
public:
    using plat::THintWindow::THintWindow;

    std::string ClassName() const override { return "THTMLHintWindow"; }

    // The size the hint text was last measured at.
    int GetTextWidth() const { return FTextWidth; }
    int GetTextHeight() const { return FTextHeight; }
    // The unpacked text of a packed wide hint.
    const std::string& GetWideCaption() const { return FWideCaption; }

protected:
    // Borderless: the hint draws its own frame, and the drop shadow stays.
    void CreateParams(plat::TCreateParams& Params) const override;

private:
    int FTextHeight = 0;
    int FTextWidth = 0;
    std::string FWideCaption;
};

}  // namespace skelda::grid
