#include "pager/office/IFloatingPagerWindow.h"
#include "pager/office/TPageButtonSettings.h"
#include "pager/office/TVezOfficePage.h"
#include "pager/office/TVezOfficePager.h"

namespace skelda::pager {

plat::TCustomForm* TVezOfficePager::FloatingWindowAround(const TVezOfficePage* Page)
{
    plat::TWinControl* parent = Page ? Page->GetParent() : nullptr;
    plat::TCustomForm* form = parent ? plat::GetParentForm(parent) : nullptr;
    return dynamic_cast<IFloatingPagerWindow*>(form) ? form : nullptr;
}

void TVezOfficePager::FloatPage(TVezOfficePage* Page, int Left, int Top, int Width, int Height)
{
    const bool placed = Left > 0 || Top > 0 || FFloatingPages.GetPlacingFromLayout();
    FloatPageAt(Page, placed ? std::optional<plat::TPoint>({Left, Top}) : std::nullopt, Width, Height);
}

void TVezOfficePager::FloatPageAt(TVezOfficePage* Page, std::optional<plat::TPoint> At, int Width, int Height)
{
    if (Designing() || !Page || Page->FVezOfficePager != this || Page->FFloating)
        return;
    if (!Page->FParentPager && !FClonedOfPager)
        Page->FParentPager = plat::TControlRef<TVezOfficePager>(this);
    RemoveVezPage(Page);
    Page->FFloating = true;

    plat::TCustomForm* window = FFloatingPages.NewWindow(FloatingPagerWindowClass, Owner(), plat::GetParentForm(this));
    FTabDrag.SetMovedWindow(window);

    TVezOfficePager* clone = CreateFloatingPager(window);
    clone->AddVezPage(Page);
    FFloatingPages.Add(Page);
    clone->SetActivePage(Page);
    clone->SetAllowTabUndock(true);
    window->SetClientWidth(clone->GetWidth());
    window->SetClientHeight(clone->GetHeight());
    clone->SetAlign(plat::alClient);

    const plat::TPoint at = At ? *At : clone->ClientToScreen({0, 0});
    // A size smaller than a tab would leave nothing to take hold of.
    const int minimum = FTabSettings.GetHeight();
    const plat::TSize size{Width != -1 && Width >= minimum ? Width : window->GetWidth(),
                           Height != -1 && Height >= minimum ? Height : window->GetHeight()};
    const plat::TRect placed = TPagerFloatingPages::Place(at, size);
    window->SetBounds(placed.Left, placed.Top, placed.Width(), placed.Height());
    window->Show();
    if (OnTabUnDock)
        OnTabUnDock(this, Page);
}

TVezOfficePager* TVezOfficePager::CreateFloatingPager(plat::TWinControl* Window)
{
    auto* clone = new TVezOfficePager(this);
    clone->FClonedOfPager = plat::TControlRef<TVezOfficePager>(this);
    clone->FMeasurer = FMeasurer;
    clone->SetParent(Window);
    clone->CopyPagerSettings(this);
    clone->SetTabPosition(tpTop);
    TPageButtonSettings& buttons = clone->ButtonSettings();
    buttons.SetCloseButton(false);
    buttons.SetPageListButton(false);
    buttons.SetClosedListButton(false);
    buttons.SetFirstButton(false);
    buttons.SetLastButton(false);
    buttons.SetShowInsertButton(false);
    return clone;
}

void TVezOfficePager::CopyPagerSettings(const TVezOfficePager* Source)
{
    if (!Source)
        return;
    SetBounds(GetLeft(), GetTop(), Source->GetWidth(), Source->GetHeight());
    SetTransparent(Source->FTransparent);
    SetVezOfficePagerStyler(Source->FOfficePagerStyler);
    FButtonSettings->Assign(*Source->FButtonSettings);
    FTabSettings.Assign(Source->FTabSettings);
    SetAntiAlias(Source->FAntiAlias);
    SetCloseOnTab(Source->FCloseOnTab);
    SetCloseOnTabPosition(Source->FCloseOnTabPosition);
    SetDisabledImages(Source->FDisabledImages);
    SetFreeOnClose(Source->FFreeOnClose);
    SetGlow(Source->FGlow);
    SetImages(Source->FImages);
    SetPageMargin(Source->FPageMargin);
    SetShowTabHint(Source->FShowTabHint);
    if (Source->FItones)
        SetColorTones(Source->FTones);
}

void TVezOfficePager::PageDocked(TVezOfficePage* Page, plat::TCustomForm* FormerWindow)
{
    if (!FClonedOfPager) {
        FFloatingPages.Forget(Page);
        // Taken by another pager, it floats out of the one it came from no longer.
        if (TVezOfficePager* origin = Page->FParentPager.Get(); origin && origin != this)
            origin->FFloatingPages.Forget(Page);
        Page->FFloating = false;
    }
    if (FormerWindow && !FormerWindow->ComponentState().Contains(plat::csDestroying) && FloatingWindowAround(Page) != FormerWindow)
        delete FormerWindow;
}

void TVezOfficePager::DockBack(TVezOfficePage& Page)
{
    // Docking frees the window it floated in.
    AddVezPage(&Page);
    SetActivePage(&Page);
    Page.FFloating = false;
    if (OnTabDock)
        OnTabDock(this, &Page);
}

void TVezOfficePager::DockPagesOf(TVezOfficePager& Clone)
{
    std::vector<plat::TControlRef<TVezOfficePage>> pages;
    for (int i = 0; i < Clone.GetVezPageCount(); ++i)
        pages.emplace_back(Clone.VezPages(i));
    for (const auto& page : pages)
        if (page)
            DockBack(*page.Get());
}

void TVezOfficePager::DockFloatingPages()
{
    for (int i = FFloatingPages.Count() - 1; i >= 0; --i) {
        TVezOfficePage* page = FFloatingPages.Page(i);
        const int tabIndex = page->GetTabIndex();
        AddVezPage(page);
        page->SetTabIndex(tabIndex);
    }
}

void TVezOfficePager::FreeFloatingWindows()
{
    for (TVezOfficePage* page : FFloatingPages.TakeAll()) {
        page->FParentPager = {};
        if (plat::TCustomForm* window = page->GetFloatingWindow())
            delete window;
    }
}

// --- The page's side ------------------------------------------------------------------------------

void TVezOfficePage::SetFloating(int X, int Y)
{
    if (FVezOfficePager && !ComponentState().Contains(plat::csDesigning))
        FVezOfficePager->FloatPage(this, X, Y, -1, -1);
}

IFloatingPagerWindow* TVezOfficePage::FloatingWindow() const
{
    return dynamic_cast<IFloatingPagerWindow*>(GetFloatingWindow());
}

plat::TCustomForm* TVezOfficePage::GetFloatingWindow() const
{
    if (ComponentState().Contains(plat::csDesigning))
        return nullptr;
    return TVezOfficePager::FloatingWindowAround(this);
}

}  // namespace skelda::pager
