// Closing pages from their close buttons or from code: freed with FreeOnClose, else hidden and
// listed among the closed pages.

#include "pager/glow/TVezGlowButton.h"
#include "pager/office/TVezOfficePage.h"
#include "pager/office/TVezOfficePager.h"
#include "pager/office/TVezPagerButton.h"
#include "platform/core/ScopedRestore.h"

#include <cstdint>

namespace skelda::pager {

void TVezOfficePager::CloseButtonClick(plat::TObject* Sender)
{
    std::intptr_t named = GetActivePageIndex();
    if (FCloseOnTab && (dynamic_cast<TVezGlowButton*>(Sender) || dynamic_cast<TVezPagerButton*>(Sender)))
        named = static_cast<plat::TControl*>(Sender)->GetTag();
    // A Tag left behind by a page that went names no page: nothing to close.
    if (named < 0 || named >= FVezPages.Count() || FIsClosing)
        return;
    const int index = static_cast<int>(named);
    // Cleared however the close ends, so that later closes are not all ignored.
    const plat::TScopedRestore closing(FIsClosing, true);
    TVezOfficePage* page = FVezPages.Get(index);
    bool allow = true;
    if (OnClosePage)
        OnClosePage(this, index, allow);
    // The handler may have taken the page out of the list itself.
    if (!allow || IndexOfPage(page) < 0)
        return;
    page->FreeGlowTimer();
    if (FFreeOnClose)
        FreeClosingPage(page, IndexOfPage(page));
    else
        HideClosingPage(page);
    UpdateScroller();
    if (FActivePage)
        FActivePage->Invalidate();
    else
        Invalidate();
    if (OnClosedPage)
        OnClosedPage(this, index);
}

void TVezOfficePager::FreeClosingPage(TVezOfficePage* Page, int Index)
{
    // The page to go to is chosen among the pages left once this one is gone, so that a refused
    // switch can never leave the freed page active.
    const bool wasActive = Page == FActivePage;
    if (wasActive) {
        FActivePage = nullptr;
        Page->Hide();
        if (Page->OnHide)
            Page->OnHide(Page);
    }
    delete Page;  // leaves the list; its close buttons go through the posted message
    InvalidateTabStrip();
    if (!wasActive || FActivePage || FVezPages.Count() == 0)
        return;
    // The page that followed it now stands at Index; the search starts there, wrapping round.
    const int count = FVezPages.Count();
    for (int step = 0; step < count; ++step) {
        const TVezOfficePage* next = FVezPages.Get((Index + step) % count);
        if (next->GetTabVisible() && next->GetTabEnabled()) {
            SetActivePageIndex((Index + step) % count);
            return;
        }
    }
}

void TVezOfficePager::HideClosingPage(TVezOfficePage* Page)
{
    if (Page == FActivePage) {
        SelectNextPage(true);
        // With no tab to go to (or the switch refused) no page is active: a closed page shows
        // neither its tab nor itself, and reopening it must be able to activate it.
        if (Page == FActivePage) {
            FActivePage = nullptr;
            if (Page->OnHide)
                Page->OnHide(Page);
        }
    }
    InvalidateTabStrip();
    Page->SetTabVisible(false);
    Page->Hide();
    if (FCloseOnTab) {
        if (Page->FCloseButton)
            Page->FCloseButton->Hide();
        if (Page->FCloseButtonChrome)
            Page->FCloseButtonChrome->Hide();
    }
    UpdateClosedListButton();
}

void TVezOfficePager::CloseButtonMouseUp(plat::TObject* Sender, plat::TMouseButton Button, plat::TShiftState, int,
                                         int)
{
    if (Button == plat::mbLeft)
        CloseButtonClick(Sender);
}

bool TVezOfficePager::CloseActivePage()
{
    const TVezOfficePage* before = FActivePage;
    if (!before)
        return true;
    CloseButtonClick(this);
    return FActivePage != before;
}

}  // namespace skelda::pager
