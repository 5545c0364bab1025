#pragma once

#include "pager/glow/GlowButtonTypes.h"
#include "pager/office/OrientedGlowFill.h"

namespace skelda::pager {

class TCustomTabAppearance;

// What decides the colours of one tab: its page's state, its fade and the pager's.
struct TTabStateInputs {
    bool TabEnabled = true;
    bool Active = false;
    bool Hot = false;
    // The tab the mouse holds down (never while designing).
    bool Down = false;
    bool ShowNonSelectedTabs = false;
    // The page's own fade: whether its timer runs, which way, and its steps in percent.
    bool FadeRunning = false;
    TGlowState FadeState = gsNone;
    int StepHoverPercent = 0;
    int StepPushPercent = 0;
    // The pager has the input focus.
    bool PagerFocused = false;
    // The pager-wide glow pulses this tab's border towards GlowColor: glow allowed, its timer
    // running, the page's Glow set, not designing.
    bool Glowing = false;
    plat::TColor GlowColor = plat::clNone;
    int PagerStepHoverPercent = 0;
};

// The colours a tab is painted in. Without PaintBody only the text shows on the strip.
struct TTabColors {
    TGlowFillColors Fill{plat::clNone, plat::clNone, plat::clNone, plat::clNone, ggRadial, ggRadial};
    plat::TColor Border = plat::clNone;
    plat::TColor Text = plat::clNone;
    plat::TColor Highlight = plat::clNone;
    bool PaintBody = true;
    bool Focused = false;
};

// The colour group of the tab's state (disabled, selected, hot, normal or none), refined by
// the hover, press and fade, the focus and the glow. A fading tab blends between its hot and
// resting colours by its step; with ShowNonSelectedTabs off it rests on the strip's background.
TTabColors ChooseTabColors(const TCustomTabAppearance& Appearance, const TTabStateInputs& State);

}  // namespace skelda::pager
