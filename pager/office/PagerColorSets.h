#pragma once

#include "pager/glow/GlowTypes.h"
#include "platform/graphics/Colors.h"

#include <optional>

namespace skelda::pager {

// The built-in looks of the office pager styler, in the order of the shared style list.
enum TOfficePagerStyle {
    psOffice2003Blue = 0,
    psOffice2003Silver = 1,
    psOffice2003Olive = 2,
    psOffice2003Classic = 3,
    psOffice2007Luna = 4,
    psOffice2007Obsidian = 5,
    psWindowsXP = 6,
    psWhidbey = 7,
    psCustom = 8,
    psOffice2007Silver = 9,
    psWindowsVista = 10,
    psWindows7 = 11,
    psTerminal = 12,
    psOffice2010Blue = 13,
    psOffice2010Silver = 14,
    psOffice2010Black = 15,
};

// The colours one built-in look gives the tabs, the pages and the pager's glow buttons. An
// empty optional keeps the value the styler had before. Values that every look shares (the
// disabled text and border, the gradients that are always vertical) are not listed.
struct TPagerColorSet {
    TOfficePagerStyle Style;
    plat::TColor TabBackGroundColor;
    plat::TColor TabBackGroundColorTo;
    plat::TColor TabBorderColor;
    plat::TColor TabBorderColorHot;
    plat::TColor TabBorderColorSelected;
    plat::TColor TabBorderColorSelectedHot;
    plat::TColor TabTextColor;
    plat::TColor TabTextColorHot;
    plat::TColor TabTextColorSelected;
    plat::TColor TabColorSelected;
    plat::TColor TabColorSelectedTo;
    plat::TColor TabColorMirrorSelected;
    plat::TColor TabColorMirrorSelectedTo;
    plat::TColor TabColorDisabled;
    plat::TColor TabColorDisabledTo;
    plat::TColor TabColorHot;
    plat::TColor TabColorHotTo;
    plat::TColor TabColorMirrorHot;
    plat::TColor TabColorMirrorHotTo;
    TGDIPGradient TabGradientHot;
    TGDIPGradient TabGradientMirrorHot;
    plat::TColor TabShadowColor;
    std::optional<plat::TColor> TabHighLightColor;
    plat::TColor TabHighLightColorHot;
    plat::TColor TabHighLightColorSelected;
    plat::TColor TabHighLightColorSelectedHot;
    plat::TColor TabHighLightColorDown;
    plat::TColor PageBorderColor;
    plat::TColor PageColor;
    plat::TColor PageColorTo;
    plat::TColor PageColorMirrorTo;
    bool RoundEdges;
    plat::TColor GlowColor;
    plat::TColor GlowColorTo;
    plat::TColor GlowColorMirror;
    plat::TColor GlowColorMirrorTo;
    plat::TColor GlowBorderColor;
    plat::TColor GlowColorHot;
    plat::TColor GlowColorHotTo;
    plat::TColor GlowColorMirrorHot;
    plat::TColor GlowColorMirrorHotTo;
    plat::TColor GlowBorderColorHot;
    plat::TColor GlowColorDown;
    plat::TColor GlowColorDownTo;
    plat::TColor GlowColorMirrorDown;
    plat::TColor GlowColorMirrorDownTo;
    plat::TColor GlowBorderColorDown;
    plat::TColor GlowColorChecked;
    plat::TColor GlowColorCheckedTo;
    plat::TColor GlowColorMirrorChecked;
    plat::TColor GlowColorMirrorCheckedTo;
    std::optional<plat::TColor> GlowBorderColorChecked;
};

// The set of a built-in look; nil for psCustom, which changes no colour.
const TPagerColorSet* PagerColorSet(TOfficePagerStyle Style);

}  // namespace skelda::pager
