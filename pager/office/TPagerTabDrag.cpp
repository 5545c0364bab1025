#include "pager/office/TPagerTabDrag.h"

#include "pager/office/TVezOfficePage.h"
#include "platform/controls/forms/TForm.h"

#include <cstdlib>

namespace skelda::pager {

namespace {

// How far the pointer must leave the tab row to tear its tab off: across the row, and beyond
// its ends along it.
constexpr int kTearOffAcrossPx = 10;
constexpr int kTearOffAlongPx = 100;
// How far the pointer must go along the row before a tab is reordered.
constexpr int kReorderStartPx = 5;

}  // namespace

void TPagerTabDrag::Begin(TVezOfficePage& Page, plat::TPoint Screen, const plat::TRect& DockStrip, plat::TPoint Grab,
                          bool Horizontal)
{
    FDockStrip = DockStrip;
    FStart = Screen;
    FLast = Screen;
    FPage = plat::TControlRef<TVezOfficePage>(&Page);
    FMovedPage = false;
    FHorizontal = Horizontal;
    FHost.SetDragCapture(true);
    FDragging = true;
    FGrab = Grab;
    FReorderAccepted = false;
}

void TPagerTabDrag::SetMovedWindow(plat::TCustomForm* Window)
{
    FMovedWindow = plat::TControlRef<plat::TCustomForm>(Window);
}

void TPagerTabDrag::Move(plat::TPoint Screen)
{
    TVezOfficePage* page = FPage.Get();
    if (!FDragging || !page)
        return;
    FLast = Screen;
    FReorderAccepted = false;
    if (!page->GetFloating()) {
        MoveDocked(*page, Screen);
        return;
    }
    if (plat::TCustomForm* window = FMovedWindow.Get())
        window->SetBounds(Screen.X - FGrab.X, Screen.Y - FGrab.Y, window->GetWidth(), window->GetHeight());
    if (FDockStrip.Contains(Screen) && FHost.DocksHere(*page)) {
        FMovedPage = true;
        FHost.DockBack(*page);
    }
}

void TPagerTabDrag::MoveDocked(TVezOfficePage& Page, plat::TPoint Screen)
{
    const std::optional<TTabDragSpot> spot = FHost.SpotOf(Page, Screen);
    if (!spot)
        return;
    const plat::TRect& tabs = spot->Tabs;
    const plat::TPoint p = spot->Client;
    const bool tearOff =
        FHorizontal ? p.Y >= tabs.Bottom + kTearOffAcrossPx || p.Y < tabs.Top - kTearOffAcrossPx ||
                          p.X < tabs.Left - kTearOffAlongPx || p.X > tabs.Right + kTearOffAlongPx
                    : p.X >= tabs.Right + kTearOffAcrossPx || p.X < tabs.Left - kTearOffAcrossPx ||
                          p.Y < tabs.Top - kTearOffAlongPx || p.Y > tabs.Bottom + kTearOffAlongPx;
    if (tearOff) {
        FMovedPage = true;
        SetMovedWindow(FHost.TearOff(Page, Screen));
        return;
    }
    const bool along = FHorizontal ? std::abs(Screen.X - FStart.X) > kReorderStartPx
                                   : std::abs(Screen.Y - FStart.Y) > kReorderStartPx;
    if (!spot->Reorders || !tabs.Contains(p) || !along) {
        FHost.HideReorderTarget(Page);
        return;
    }
    // Accepted while the target is being found, as a drop would be.
    FReorderAccepted = true;
    FReorderAccepted = FHost.ShowReorderTarget(Page, p);
}

bool TPagerTabDrag::Release(plat::TPoint Screen)
{
    FLast = Screen;
    const bool dragged = FMovedPage || (FPage && FReorderAccepted);
    End();
    return dragged;
}

void TPagerTabDrag::End()
{
    if (!FDragging)
        return;
    FDragging = false;
    FHost.SetDragCapture(false);
    if (TVezOfficePage* page = FPage.Get())
        FHost.FinishReorder(*page, FLast, FReorderAccepted);
    FReorderAccepted = false;
    // Handlers of the move may have freed it.
    TVezOfficePage* const page = FPage.Get();
    FPage = {};
    FMovedWindow = {};
    FDockStrip = {};
    FHost.TabDragEnded(page);
}

}  // namespace skelda::pager
