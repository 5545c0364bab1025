#include "pager/office/TVezOfficePage.h"
#include "pager/office/TVezOfficePager.h"
#include "platform/controls/forms/TTimer.h"

namespace skelda::pager {

namespace {

constexpr unsigned PagerGlowIntervalMs = 70;
constexpr int PagerGlowTopStep = 140;

bool TabGlows(const TVezOfficePage& Page)
{
    return Page.GetTabVisible() && Page.GetEnabled() && Page.GetGlow() && Page.GetGlowColor() != plat::clNone;
}

}  // namespace

void TVezOfficePager::InvalidateTab(int Index)
{
    if (Index < 0 || Index >= FVezPages.Count())
        InvalidateTabStrip();
    else
        InvalidateRect(GetTabRect(Index));
}

void TVezOfficePager::GlowTab(int Index, int TimeInc, TGlowState State)
{
    if (Index < 0 || Index >= FVezPages.Count())
        return;
    FVezPages.Get(Index)->StartGlow(TimeInc, State, GlowAllowed());
}

bool TVezOfficePager::HasGlowingTabs() const
{
    for (int i = 0; i < FVezPages.Count(); ++i) {
        if (TabGlows(*FVezPages.Get(i)))
            return true;
    }
    return false;
}

bool TVezOfficePager::GlowPulsing() const
{
    return FBrGlowTimer && FBrGlowTimer->GetEnabled();
}

void TVezOfficePager::SetGlow(bool Value)
{
    FGlow = Value;
    UpdateGlowTimer();
}

void TVezOfficePager::UpdateGlowTimer()
{
    if (!Designing() && GlowAllowed() && HasGlowingTabs()) {
        if (!FBrGlowTimer) {
            FBrGlowTimer = new plat::TTimer(this);
            FBrGlowTimer->SetEnabled(false);
            FBrGlowTimer->SetInterval(PagerGlowIntervalMs);
            FBrGlowTimer->OnTimer = [this](plat::TObject*) { GlowTimerTick(); };
        }
        if (!FBrGlowTimer->GetEnabled()) {
            FTimeInc = 20;
            FStepHover = 0;
            FBrGlowTimer->SetEnabled(true);
        }
    } else if (FBrGlowTimer && FBrGlowTimer->GetEnabled()) {
        FBrGlowTimer->SetEnabled(false);
    }
}

bool TVezOfficePager::PulsesNow(const TVezOfficePage& Page, int Index) const
{
    return TabGlows(Page) && (&Page == FActivePage || Index == FHotPageIndex || FShowNonSelectedTabs);
}

void TVezOfficePager::GlowTimerTick()
{
    if (Designing())
        return;
    FStepHover += FTimeInc;
    if ((FTimeInc > 0 && FStepHover > PagerGlowTopStep) || (FTimeInc < 0 && FStepHover < 0))
        FTimeInc = -FTimeInc;
    for (int i = 0; i < FVezPages.Count(); ++i) {
        if (PulsesNow(*FVezPages.Get(i), i))
            InvalidateTab(i);
    }
}

}  // namespace skelda::pager
