#pragma once

#include "platform/controls/forms/THintWindow.h"

namespace skelda::pager {

// The small window that shows a button's keyboard shortcut beside it: a vertical gradient from
// Color (the control's colour) to ColorTo, the text centred on one line, a grey rounded outline. It is never narrower
// than the letter "O" plus 8 pixels.
class TShortCutHintWindow : public plat::THintWindow {
public:
    explicit TShortCutHintWindow(plat::TComponent* AOwner);

    std::string ClassName() const override { return "TShortCutHintWindow"; }

    plat::TColor GetColorTo() const { return FColorTo; }
    void SetColorTo(plat::TColor Value);

    void Dispatch(plat::TMessage& Message) override;

protected:
    // A hint window's, without its border and its drop shadow.
    void CreateParams(plat::TCreateParams& Params) const override;
    void Paint() override;
    void Resize() override;

private:
    plat::TColor FColorTo = plat::clWhite;
};

}  // namespace skelda::pager
