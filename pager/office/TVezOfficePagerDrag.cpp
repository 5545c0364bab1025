#include "pager/office/TArrowWindow.h"
#include "pager/office/TVezOfficePage.h"
#include "pager/office/TVezOfficePager.h"

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

void TVezOfficePager::PressStartsDrag(TVezOfficePage* Page, plat::TShiftState, int, int)
{
    if (FTabReorder && (Designing() || !FAllowTabUndock || Page->GetLocked())) {
        FReorderPage = plat::TControlRef<TVezOfficePage>(Page);
        BeginDrag(false, 4);
        if (!Designing())
            CreateArrowWindow();
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
