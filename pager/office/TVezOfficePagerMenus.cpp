// Closed pages coming back, and the menus of the closed-pages and page-list buttons.

#include "pager/glow/TVezGlowButton.h"
#include "pager/office/TPageButtonSettings.h"
#include "pager/office/TVezOfficePage.h"
#include "pager/office/TVezOfficePager.h"
#include "platform/controls/core/InputQueries.h"
#include "platform/controls/forms/TMenuItem.h"
#include "platform/controls/forms/TPopupMenu.h"
#include "platform/controls/forms/TScreen.h"
#include "platform/system/SystemMetrics.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace skelda::pager {

bool TVezOfficePager::OpenClosedPage(TVezOfficePage* APage)
{
    const auto closed = std::find_if(FClosedPages.begin(), FClosedPages.end(),
                                     [APage](const TClosedPage& Closed) { return Closed.Page == APage; });
    if (!APage || closed == FClosedPages.end())
        return false;
    APage->SetTabVisible(true);
    if (FLayout.VisibleTabCount() == 1)
        SetActivePage(APage);
    UpdateClosedListButton();
    return true;
}

void TVezOfficePager::OpenAllClosedPages()
{
    // Showing a tab takes its page out of the list being walked: walk a copy.
    const std::vector<TClosedPage> closed = FClosedPages;
    for (const TClosedPage& entry : closed)
        if (IndexOfPage(entry.Page) >= 0)
            entry.Page->SetTabVisible(true);
    FClosedPages.clear();
    // With every tab closed no page was active: as when one page is reopened, one shows again.
    if (!FActivePage)
        for (const TClosedPage& entry : closed)
            if (IndexOfPage(entry.Page) >= 0) {
                SetActivePage(entry.Page);
                break;
            }
    UpdateClosedListButton();
}

plat::TPopupMenu& TVezOfficePager::ClosedListMenuInUse()
{
    if (FClosedListMenu)
        return *FClosedListMenu;
    if (!FInternalClosedListMenu)
        FInternalClosedListMenu = new plat::TPopupMenu(this);
    return *FInternalClosedListMenu;
}

plat::TPoint TVezOfficePager::ListMenuPoint(plat::TPoint Below, int ItemCount, int ButtonHeight) const
{
    const int menuHeight = plat::GetSystemMetrics(plat::SM_CYMENU) * ItemCount;
    const std::optional<plat::TMonitor> monitor = plat::Screen->MonitorFromPoint(Below, plat::mdNearest);
    if (monitor && Below.Y + menuHeight + 10 > monitor->WorkareaRect.Bottom)
        Below.Y -= menuHeight + ButtonHeight + 4;
    return Below;
}

void TVezOfficePager::ClosedListButtonClick(plat::TObject*)
{
    if (FClosedPages.empty() || Designing())
        return;
    plat::TPopupMenu& menu = ClosedListMenuInUse();
    menu.Items().Clear();
    menu.SetImages(FImages);
    for (int i = 0; i < ClosedPageCount(); ++i) {
        const TVezOfficePage* page = ClosedPage(i);
        auto* item = new plat::TMenuItem(this);
        item->SetCaption(page->GetCaption());
        item->SetTag(i);
        item->OnClick = [this](plat::TObject* Sender) { ClosedListItemClick(Sender); };
        item->SetImageIndex(page->GetImageIndex());
        menu.Items().Add(item);
    }
    plat::TPoint p = plat::GetCursorPos();
    if (FClosedListButton) {
        const plat::TRect b = FClosedListButton->GetBoundsRect();
        // Beside the pager for tabs on the right, else below the button.
        const int x = FTabPosition == tpRight ? GetClientWidth() : FTabPosition == tpLeft ? b.Right : b.Left;
        p = ListMenuPoint(ClientToScreen({x, b.Bottom}), menu.Items().Count(), b.Height());
    }
    if (OnClosedListClick)
        OnClosedListClick(this, p.X, p.Y);
    else
        menu.Popup(p.X, p.Y);
}

void TVezOfficePager::ClosedListItemClick(plat::TObject* Sender)
{
    // The menu may have been built for a list that has changed since.
    const auto* item = dynamic_cast<plat::TMenuItem*>(Sender);
    if (item && item->GetTag() >= 0 && item->GetTag() < ClosedPageCount())
        OpenClosedPage(ClosedPage(static_cast<int>(item->GetTag())));
}

void TVezOfficePager::PageListButtonClick(plat::TObject*)
{
    if (!FButtonSettings->GetPageListButton())
        return;
    int itemCount = 0;
    if (FPageListMenu) {
        FPageListMenu->Items().Clear();
        FPageListMenu->SetImages(FImages);
        for (int i = 0; i < FVezPages.Count(); ++i) {
            const TVezOfficePage* page = FVezPages.Get(i);
            if (!page->GetTabVisible())
                continue;
            auto* item = new plat::TMenuItem(this);
            item->SetCaption(page->ShownCaption());
            item->SetRadioItem(true);
            item->SetChecked(page == FActivePage);
            item->SetTag(i);
            item->OnClick = [this](plat::TObject* Sender) { PageListItemClick(Sender); };
            item->SetImageIndex(page->GetImageIndex());
            FPageListMenu->Items().Add(item);
        }
        itemCount = FPageListMenu->Items().Count();
    }
    plat::TPoint p = plat::GetCursorPos();
    if (FPageListButton) {
        const plat::TRect r = FLayout.GetPageListRect();
        if (FTabPosition == tpLeft || FTabPosition == tpRight)
            p = ClientToScreen({r.Right, r.Top});
        else
            p = ListMenuPoint(ClientToScreen({r.Left, r.Bottom}), itemCount, FPageListButton->GetHeight());
    }
    if (OnPageListClick)
        OnPageListClick(this, p.X, p.Y);
    else if (FPageListMenu)
        FPageListMenu->Popup(p.X, p.Y);
}

void TVezOfficePager::PageListItemClick(plat::TObject* Sender)
{
    const auto* item = dynamic_cast<plat::TMenuItem*>(Sender);
    if (item && item->GetTag() >= 0 && item->GetTag() < FVezPages.Count())
        SetActivePageIndex(static_cast<int>(item->GetTag()));
}

}  // namespace skelda::pager
