#include "pager/office/TVezOfficePage.h"
#include "pager/office/TVezOfficePager.h"
#include "platform/controls/core/InputQueries.h"
#include "platform/controls/forms/TTimer.h"

namespace skelda::pager {

namespace {

constexpr unsigned TabGlowIntervalMs = 50;
constexpr int GlowFullStep = 120;

}  // namespace

void TVezOfficePage::StartGlow(int TimeInc, TGlowState State, bool TimerAllowed)
{
    if (!FTimer && TimerAllowed) {
        // Owned by the page, so that a page freed mid-glow takes its timer along.
        FTimer = new plat::TTimer(this);
        FTimer->SetInterval(TabGlowIntervalMs);
        FTimer->OnTimer = [this](plat::TObject*) { GlowTimerTick(); };
        FTimer->SetEnabled(true);
    }
    FTimeInc = TimeInc;
    FGlowState = State;
}

void TVezOfficePage::FreeGlowTimer()
{
    delete FTimer;
    FTimer = nullptr;
}

void TVezOfficePage::GlowTimerTick()
{
    const bool rising = FTimeInc > 0;
    switch (FGlowState) {
    case gsHover: {
        FStepHover += FTimeInc;
        const bool complete = rising ? FStepHover > 100 : FStepHover < 0;
        if (!complete) {
            if (FVezOfficePager)
                FVezOfficePager->InvalidateTabStrip();
            return;
        }
        if (rising && FVezOfficePager) {
            FStepHover = GlowFullStep;
            const plat::TPoint p = FVezOfficePager->ScreenToClient(plat::GetCursorPos());
            if (!FVezOfficePager->GetTabRect(this).Contains(p)) {
                FTimeInc = -20;
                FGlowState = gsHover;
                FVezOfficePager->FHotPageIndex = -1;
                return;
            }
        } else if (!rising) {
            FreeGlowTimer();
            FGlowState = gsNone;
            if (FVezOfficePager)
                FVezOfficePager->InvalidateTabStrip();
        }
        FStepPush = 0;
        if (FStepHover > 100)
            FStepHover = GlowFullStep;
        else if (FStepHover < 0)
            FStepHover = -20;
        return;
    }
    case gsPush: {
        FStepPush += FTimeInc;
        const bool complete = rising ? FStepPush > 100 : FStepPush < 0;
        if (complete) {
            FreeGlowTimer();
            FGlowState = gsNone;
            FStepPush = 0;
        } else if (FVezOfficePager) {
            FVezOfficePager->InvalidateTabStrip();
        }
        return;
    }
    case gsNone:
        return;
    }
}

}  // namespace skelda::pager
