#pragma once

// The form's hint look in one place. For now it gives the application's hints their background
// colour; the gradient end and the style are kept for the hint window that will draw them.

#include "platform/core/TComponent.h"
#include "platform/graphics/Colors.h"

namespace skelda::foundation {

enum THintStyle { hsRectangle, hsRounded };

class THTMLHint : public plat::TComponent {
public:
    explicit THTMLHint(plat::TComponent* AOwner);

    std::string ClassName() const override { return "THTMLHint"; }

    plat::TColor GetHintColor() const { return FHintColor; }
    // Becomes the application's hint colour at once.
    void SetHintColor(plat::TColor Value);
    // clNone: no gradient.
    plat::TColor GetHintColorTo() const { return FHintColorTo; }
    void SetHintColorTo(plat::TColor Value) { FHintColorTo = Value; }
    THintStyle GetHintStyle() const { return FHintStyle; }
    void SetHintStyle(THintStyle Value) { FHintStyle = Value; }

private:
    plat::TColor FHintColor = plat::clInfoBk;
    plat::TColor FHintColorTo = plat::clNone;
    THintStyle FHintStyle = hsRectangle;
};

}  // namespace skelda::foundation
