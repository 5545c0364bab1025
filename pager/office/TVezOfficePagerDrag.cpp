#include "pager/office/TArrowWindow.h"
#include "pager/office/TVezOfficePage.h"
#include "pager/office/TVezOfficePager.h"
#include "platform/controls/core/DragSession.h"
#include "platform/controls/core/Messages.h"

#include <cstdlib>

namespace skelda::pager {

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

void TVezOfficePager::PressStartsDrag(TVezOfficePage* Page, plat::TShiftState Shift, int X, int Y)
{
    if (FTabReorder && (Designing() || !FAllowTabUndock || Page->GetLocked())) {
        FReorderPage = plat::TControlRef<TVezOfficePage>(Page);
        BeginDrag(false, 4);
        if (!Designing())
            CreateArrowWindow();
        return;
    }
    if (FDraging || !FAllowTabUndock || Page->GetLocked())
        return;
    const plat::TPoint screen = ClientToScreen({X, Y});
    TVezOfficePager* origin = FClonedOfPager.Get();
    if (!origin) {
        BeginTabDrag(Shift, screen.X, Page, screen.Y);
        return;
    }
    // A floating page is dragged by the pager it came from, whose strip it docks back onto; its
    // window follows the pointer.
    if (origin->FDraging)
        return;
    Page->FFloating = true;
    if (plat::TCustomForm* window = FloatingWindowAround(Page))
        origin->FFloatingWindow = plat::TControlRef<plat::TCustomForm>(window);
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
    FDockList = {{plat::TControlRef<TVezOfficePager>(this), strip}};
    FOldMouseX = X;
    FOldMouseY = Y;
    FLastDragPos = {X, Y};
    FDragingPage = plat::TControlRef<TVezOfficePage>(Page);
    FTabDragFloated = false;
    SetMouseCapture(true);
    FDraging = true;
    const TVezOfficePager& own = *Page->FVezOfficePager;
    const plat::TRect tab = own.GetTabRect(Page);
    const plat::TPoint p = own.ScreenToClient({X, Y});
    FDragTabX = p.X + own.FTabSettings.GetStartMargin() - tab.Left;
    FDragTabY = p.Y - tab.Top + 28;
    Page->FDraggingAccept = false;
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
    case plat::WM_LBUTTONUP: {
        FLastDragPos = ClientToScreen(plat::TWMMouse(Message).Pos());
        const TVezOfficePage* page = FDragingPage.Get();
        const bool dragged = FTabDragFloated || (page && page->FDraggingAccept);
        EndTabDrag();
        // A tab pressed and released in place is clicked as usual (its check box, say).
        return dragged;
    }
    case plat::WM_CAPTURECHANGED:
        if (reinterpret_cast<plat::TControl*>(Message.LParam) != this)
            EndTabDrag();
        return false;
    default:
        return false;
    }
}

void TVezOfficePager::DragTabMove(plat::TShiftState, int X, int Y)
{
    TVezOfficePage* page = FDragingPage.Get();
    if (!FDraging || !page)
        return;
    FLastDragPos = {X, Y};
    page->FDraggingAccept = false;
    if (!page->FFloating) {
        if (TVezOfficePager* pager = page->FVezOfficePager)
            DragDockedTab(*page, *pager, X, Y);
        return;
    }
    if (plat::TCustomForm* window = FFloatingWindow.Get())
        window->SetBounds(X - FDragTabX, Y - FDragTabY, window->GetWidth(), window->GetHeight());
    for (const TDockEntry& entry : FDockList) {
        TVezOfficePager* target = entry.Pager.Get();
        if (target && entry.StripRect.Contains({X, Y}) && target != page->FVezOfficePager) {
            FTabDragFloated = true;
            target->DockBack(page);
            return;
        }
    }
}

void TVezOfficePager::DragDockedTab(TVezOfficePage& Page, TVezOfficePager& Pager, int X, int Y)
{
    const plat::TRect tabs = Pager.FLayout.GetTabsRect();
    const plat::TPoint p = Pager.ScreenToClient({X, Y});
    const bool horizontal = FTabPosition == tpTop || FTabPosition == tpBottom;
    const bool tearOff = horizontal ? p.Y >= tabs.Bottom + 10 || p.Y < tabs.Top - 10 || p.X < tabs.Left - 100 ||
                                          p.X > tabs.Right + 100
                                    : p.X >= tabs.Right + 10 || p.X < tabs.Left - 10 || p.Y < tabs.Top - 100 ||
                                          p.Y > tabs.Bottom + 100;
    if (tearOff) {
        if (Pager.FArrow && Pager.FArrow->GetVisible())
            Pager.DragCanceled();
        FTabDragFloated = true;
        Pager.FloatPage(&Page, X, Y, -1, -1);
        if (&Pager != this)
            FFloatingWindow = Pager.FFloatingWindow;
        return;
    }
    const bool along = horizontal ? std::abs(X - FOldMouseX) > 5 : std::abs(Y - FOldMouseY) > 5;
    if (!Pager.FTabReorder || !tabs.Contains(p) || !along) {
        Pager.HideArrow();
        return;
    }
    Pager.CreateArrowWindow();
    Pager.FReorderPage = plat::TControlRef<TVezOfficePage>(&Page);
    Page.FDraggingAccept = true;
    Pager.DragOver(&Pager, p.X, p.Y, plat::dsDragMove, Page.FDraggingAccept);
}

void TVezOfficePager::EndTabDrag()
{
    if (!FDraging)
        return;
    FDraging = false;
    if (GetMouseCapture())
        SetMouseCapture(false);
    if (TVezOfficePage* page = FDragingPage.Get()) {
        const plat::TControlRef<TVezOfficePager> pager(page->FVezOfficePager);
        if (pager && pager->FTabReorder && page->FDraggingAccept) {
            pager->FReorderPage = FDragingPage;
            const plat::TPoint p = pager->ScreenToClient(FLastDragPos);
            pager->DragDrop(pager.Get(), p.X, p.Y);
        }
        if (pager)
            pager->HideArrow();
        // Handlers of the move may have freed it.
        if (TVezOfficePage* still = FDragingPage.Get()) {
            still->FDraggingAccept = false;
            still->FFloating = still->FVezOfficePager && still->FVezOfficePager->FClonedOfPager;
        }
    }
    FDragingPage = {};
    FFloatingWindow = {};
    FDockList.clear();
    if (FDownPageIndex >= 0) {
        FDownPageIndex = -1;
        InvalidateTabStrip();
    }
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
