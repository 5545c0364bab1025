#pragma once

#include "foundation/MiniHtmlLayout.h"
#include "platform/controls/forms/THintWindow.h"
#include "platform/core/Types.h"
#include "platform/graphics/Colors.h"

#include <string>

namespace plat {
class TCanvas;
}

namespace skelda::foundation {

class THTMLHint;

// The application's hint window once a THTMLHint is on the main form: it measures and draws the
// hint as mini-HTML with that component's look, on a flat or gradient background with a 3-D
// frame or rounded corners, and keeps the hint on the monitor nearest its position. The text is
// laid out once, when the hint is placed, and painted in those lines and in the width measured,
// so what is painted is what the window was sized for. Without a THTMLHint on the main form it
// shows nothing.
class THTMLHintWindow : public plat::THintWindow {
public:
    using plat::THintWindow::THintWindow;

    std::string ClassName() const override { return "THTMLHintWindow"; }

    // The text's measured size with the margins on both sides, as the last ActivateHint found it.
    int GetTextWidth() const { return FTextWidth; }
    int GetTextHeight() const { return FTextHeight; }

    // Rect gives the left and top only when no hint record says where the hint goes: the window
    // takes its place and size from the hint record and the measured text.
    void ActivateHint(plat::TRect Rect, const std::string& AHint) override;
    void ActivateHintData(plat::TRect Rect, const std::string& AHint, void* AData) override;

protected:
    // Borderless (the window draws its frame); the drop shadow where the system has one.
    void CreateParams(plat::TCreateParams& Params) const override;
    void Paint() override;

private:
    THTMLHint* FHint = nullptr;
    int FTextHeight = 0;
    int FTextWidth = 0;
    TMiniHtmlLayout FLayout;
};

// A 3-D frame one pixel wide: Light along the left and top, Dark along the bottom and right.
void DrawHintBorder(plat::TCanvas& Canvas, const plat::TRect& R, plat::TColor Light, plat::TColor Dark);

}  // namespace skelda::foundation
