#include "pager/office/TArrowWindow.h"
#include "pager/office/TVezOfficePage.h"
#include "pager/office/TVezOfficePager.h"
#include "platform/controls/core/TControl.h"
#include "platform/controls/core/Messages.h"

namespace skelda::pager {

// --- The tab drag (TPagerTabDrag) ---------------------------------------------------------------

void TVezOfficePager::PressStartsDrag(TVezOfficePage* Page, plat::TShiftState Shift, int X, int Y)
{
    if (FTabReorder && (Designing() || !FAllowTabUndock || Page->GetLocked())) {
        FReorderPage = plat::TControlRef<TVezOfficePage>(Page);
        BeginDrag(false, 4);
        if (!Designing())
            CreateArrowWindow();
        return;
    }
    if (FTabDrag.Dragging() || !FAllowTabUndock || Page->GetLocked())
        return;
    const plat::TPoint screen = ClientToScreen({X, Y});
    TVezOfficePager* origin = FClonedOfPager.Get();
    if (!origin) {
        BeginTabDrag(Shift, screen.X, Page, screen.Y);
        return;
    }
    // A floating page is dragged by the pager it came from, whose strip it docks back onto; its
    // window follows the pointer.
    if (origin->FTabDrag.Dragging())
        return;
    Page->FFloating = true;
    if (plat::TCustomForm* window = FloatingWindowAround(Page))
        origin->FTabDrag.SetMovedWindow(window);
    // The release goes to the drag, not to this pager.
    FDownPageIndex = -1;
    InvalidateTabStrip();
    origin->BeginTabDrag(Shift, screen.X, Page, screen.Y);
}

void TVezOfficePager::BeginTabDrag(plat::TShiftState, int X, TVezOfficePage* Page, int Y)
{
    if (Designing() || !FAllowTabUndock || !Page || !Page->FVezOfficePager)
        return;
    plat::TRect strip = plat::ScreenBoundsOf(*this);
    const int height = FTabSettings.GetHeight();
    switch (FTabPosition) {
    case tpTop: strip.Bottom = strip.Top + height; break;
    case tpBottom: strip.Top = strip.Bottom - height; break;
    case tpLeft: strip.Right = strip.Left + height; break;
    case tpRight: strip.Left = strip.Right - height; break;
    }
    const TVezOfficePager& own = *Page->FVezOfficePager;
    const plat::TRect tab = own.GetTabRect(Page);
    const plat::TPoint p = own.ScreenToClient({X, Y});
    const plat::TPoint grab{p.X + own.FTabSettings.GetStartMargin() - tab.Left, p.Y - tab.Top + 28};
    FTabDrag.Begin(*Page, {X, Y}, strip, grab, FTabPosition == tpTop || FTabPosition == tpBottom);
}

bool TVezOfficePager::TabDragMessage(plat::TMessage& Message)
{
    switch (Message.Msg) {
    case plat::WM_MOUSEMOVE: {
        const plat::TWMMouse mouse(Message);
        const plat::TPoint screen = ClientToScreen(mouse.Pos());
        DragTabMove(plat::KeysToShiftState(mouse.Keys()), screen.X, screen.Y);
        return true;
    }
    case plat::WM_LBUTTONUP:
        // A tab pressed and released in place is clicked as usual (its check box, say).
        return FTabDrag.Release(ClientToScreen(plat::TWMMouse(Message).Pos()));
    case plat::WM_CAPTURECHANGED:
        if (reinterpret_cast<plat::TControl*>(Message.LParam) != this)
            EndTabDrag();
        return false;
    default:
        return false;
    }
}

// --- ITabDragHost -------------------------------------------------------------------------------

void TVezOfficePager::SetDragCapture(bool Capture)
{
    if (Capture || GetMouseCapture())
        SetMouseCapture(Capture);
}

std::optional<TTabDragSpot> TVezOfficePager::SpotOf(const TVezOfficePage& Page, plat::TPoint Screen) const
{
    const TVezOfficePager* pager = Page.FVezOfficePager;
    if (!pager)
        return std::nullopt;
    return TTabDragSpot{pager->FLayout.GetTabsRect(), pager->ScreenToClient(Screen), pager->FTabReorder};
}

plat::TCustomForm* TVezOfficePager::TearOff(TVezOfficePage& Page, plat::TPoint Screen)
{
    const plat::TControlRef<TVezOfficePager> pager(Page.FVezOfficePager);
    if (pager->FArrow && pager->FArrow->GetVisible())
        pager->DragCanceled();
    pager->FloatPage(&Page, Screen.X, Screen.Y, -1, -1);
    return pager ? pager->GetFloatingWindow() : nullptr;
}

bool TVezOfficePager::ShowReorderTarget(TVezOfficePage& Page, plat::TPoint Client)
{
    TVezOfficePager& pager = *Page.FVezOfficePager;
    pager.CreateArrowWindow();
    pager.FReorderPage = plat::TControlRef<TVezOfficePage>(&Page);
    bool accept = true;
    pager.DragOver(&pager, Client.X, Client.Y, plat::dsDragMove, accept);
    return accept;
}

void TVezOfficePager::HideReorderTarget(TVezOfficePage& Page)
{
    if (TVezOfficePager* pager = Page.FVezOfficePager)
        pager->HideArrow();
}

bool TVezOfficePager::DocksHere(const TVezOfficePage& Page) const
{
    return Page.FVezOfficePager != this;
}

void TVezOfficePager::FinishReorder(TVezOfficePage& Page, plat::TPoint Screen, bool Drop)
{
    const plat::TControlRef<TVezOfficePager> pager(Page.FVezOfficePager);
    if (pager && pager->FTabReorder && Drop) {
        pager->FReorderPage = plat::TControlRef<TVezOfficePage>(&Page);
        const plat::TPoint p = pager->ScreenToClient(Screen);
        pager->DragDrop(pager.Get(), p.X, p.Y);
    }
    if (pager)
        pager->HideArrow();
}

void TVezOfficePager::TabDragEnded(TVezOfficePage* Page)
{
    if (Page)
        Page->FFloating = Page->FVezOfficePager && Page->FVezOfficePager->FClonedOfPager;
    if (FDownPageIndex >= 0) {
        FDownPageIndex = -1;
        InvalidateTabStrip();
    }
}

// --- Reordering ---------------------------------------------------------------------------------

void TVezOfficePager::CreateArrowWindow()
{
    if (Designing() || FArrow)
        return;
    const TArrowDirection direction = FTabPosition == tpLeft || FTabPosition == tpRight ? arrLeft : arrDown;
    auto* arrow = new TArrowWindow(this, direction);
    arrow->SetColor(FTabReorderIndicatorColor);
    FArrow = plat::TControlRef<TArrowWindow>(arrow);
}

void TVezOfficePager::FreeArrowWindow()
{
    delete FArrow.Get();
    FArrow = {};
}

void TVezOfficePager::HideArrow()
{
    if (TArrowWindow* arrow = FArrow.Get(); arrow && arrow->GetVisible())
        arrow->Hide();
}

TVezOfficePage* TVezOfficePager::ReorderedPage() const
{
    TVezOfficePage* page = FReorderPage.Get();
    return page && IndexOfPage(page) >= 0 ? page : FActivePage;
}

void TVezOfficePager::DragOver(plat::TObject* Source, int X, int Y, plat::TDragState State, bool& Accept)
{
    plat::TCustomControl::DragOver(Source, X, Y, State, Accept);
    if (FTabReorder && Source == this) {
        const int i = IndexOfTabAt(X, Y);
        Accept = i >= 0 && i < FVezPages.Count();
        TArrowWindow* arrow = FArrow.Get();
        if (Accept && arrow) {
            const plat::TRect tab = GetTabRect(i);
            plat::TPoint at;
            if (FTabPosition == tpLeft || FTabPosition == tpRight)
                at = {tab.Left - arrow->GetWidth(), tab.Top + tab.Height() / 2};
            else
                at = {tab.Left + tab.Width() / 2, tab.Top - arrow->GetHeight()};
            at = ClientToScreen(at);
            arrow->SetBounds(at.X, at.Y, arrow->GetWidth(), arrow->GetHeight());
            arrow->SetColor(FTabReorderIndicatorColor);
            arrow->Show();
        }
    }
    if (!Accept)
        HideArrow();
}

void TVezOfficePager::DragDrop(plat::TObject* Source, int X, int Y)
{
    plat::TCustomControl::DragDrop(Source, X, Y);
    if (Source == this) {
        const int curIndex = IndexOfPage(ReorderedPage());
        const int newIndex = InTabStrip(X, Y) ? IndexOfTabAt(X, Y) : -1;
        if (curIndex >= 0 && newIndex >= 0 && newIndex < FVezPages.Count() && curIndex != newIndex) {
            MoveVezPage(curIndex, newIndex);
            Invalidate();
            InvalidateActivePage();
        }
    }
    HideArrow();
}

void TVezOfficePager::DragCanceled()
{
    plat::TCustomControl::DragCanceled();
    HideArrow();
}

}  // namespace skelda::pager
