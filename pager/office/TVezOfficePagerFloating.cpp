#include "pager/office/TFloatingPagerWindow.h"
#include "pager/office/TPageButtonSettings.h"
#include "pager/office/TVezOfficePage.h"
#include "pager/office/TVezOfficePager.h"
#include "platform/controls/forms/TScreen.h"

#include <algorithm>
#include <cstdint>

namespace skelda::pager {

TVezOfficePage* TVezOfficePager::FloatingPages(int Index) const
{
    if (Index < 0 || Index >= FloatingPageCount())
        return nullptr;
    return FFloatingPages[static_cast<std::size_t>(Index)];
}

plat::TCustomForm* TVezOfficePager::FloatingWindowAround(const TVezOfficePage* Page)
{
    plat::TWinControl* parent = Page ? Page->GetParent() : nullptr;
    plat::TCustomForm* form = parent ? plat::GetParentForm(parent) : nullptr;
    return dynamic_cast<IFloatingPagerWindow*>(form) ? form : nullptr;
}

void TVezOfficePager::FloatPage(TVezOfficePage* Page, int Left, int Top, int Width, int Height)
{
    const bool placed = Left > 0 || Top > 0 || FFloatingFromLayout;
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

    plat::TCustomForm* window = FloatingPagerWindowClass ? FloatingPagerWindowClass(Owner())
                                                         : new TFloatingPagerWindow(Owner());
    FFloatingWindow = plat::TControlRef<plat::TCustomForm>(window);
    window->SetBorderIcons(FFloatingBorderIcons);
    window->SetBorderStyle(FFloatingBorderStyle);
    if (FFloatingBorderStyle == plat::bsNone) {
        window->Padding().SetLeft(2);
        window->Padding().SetTop(2);
        window->Padding().SetRight(2);
        window->Padding().SetBottom(2);
    }
    if (const plat::TCustomForm* form = plat::GetParentForm(this))
        window->GlassFrame().Assign(form->GlassFrame());

    TVezOfficePager* clone = CreateFloatingPager(window);
    clone->AddVezPage(Page);
    FFloatingPages.push_back(Page);
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
    const plat::TRect placed = PlaceFloatingWindow(at, size);
    window->SetBounds(placed.Left, placed.Top, placed.Width(), placed.Height());
    window->Show();
    if (OnTabUnDock)
        OnTabUnDock(this, Page);
}

plat::TRect TVezOfficePager::PlaceFloatingWindow(plat::TPoint At, plat::TSize Size)
{
    // Saved layouts are untrusted: no window larger than the desktop, and no sums past int.
    // A point this far out is on no monitor whatever its exact value.
    constexpr int kFarPx = 1 << 20;
    At = {std::clamp(At.X, -kFarPx, kFarPx), std::clamp(At.Y, -kFarPx, kFarPx)};
    const plat::TRect desktop = plat::Screen->DesktopRect();
    if (!desktop.IsEmpty()) {
        Size.cx = std::min(Size.cx, desktop.Width());
        Size.cy = std::min(Size.cy, desktop.Height());
    }
    const auto overlaps = [&](const plat::TRect& Monitor) {
        return std::int64_t{At.X} < Monitor.Right && Monitor.Left < std::int64_t{At.X} + Size.cx &&
               std::int64_t{At.Y} < Monitor.Bottom && Monitor.Top < std::int64_t{At.Y} + Size.cy;
    };
    for (int i = 0; i < plat::Screen->MonitorCount(); ++i)
        if (overlaps(plat::Screen->Monitors(i).BoundsRect))
            return plat::Bounds(At.X, At.Y, Size.cx, Size.cy);
    // A layout saved with a screen that is gone: onto the nearest one.
    if (const auto nearest = plat::Screen->MonitorNearest(At)) {
        const plat::TRect work = nearest->WorkareaRect;
        At.X = std::max(work.Left, std::min(At.X, work.Right - Size.cx));
        At.Y = std::max(work.Top, std::min(At.Y, work.Bottom - Size.cy));
    }
    return plat::Bounds(At.X, At.Y, Size.cx, Size.cy);
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
        ForgetFloatingPage(Page);
        // Taken by another pager, it floats out of the one it came from no longer.
        if (TVezOfficePager* origin = Page->FParentPager.Get(); origin && origin != this)
            origin->ForgetFloatingPage(Page);
        Page->FFloating = false;
    }
    if (FormerWindow && !FormerWindow->ComponentState().Contains(plat::csDestroying) && FloatingWindowAround(Page) != FormerWindow)
        delete FormerWindow;
}

void TVezOfficePager::ForgetFloatingPage(const TVezOfficePage* Page)
{
    FFloatingPages.erase(std::remove(FFloatingPages.begin(), FFloatingPages.end(), Page), FFloatingPages.end());
}

void TVezOfficePager::DockBack(TVezOfficePage* Page)
{
    // Docking frees the window it floated in.
    AddVezPage(Page);
    SetActivePage(Page);
    Page->FFloating = false;
    if (OnTabDock)
        OnTabDock(this, Page);
}

void TVezOfficePager::DockPagesOf(TVezOfficePager& Clone)
{
    std::vector<plat::TControlRef<TVezOfficePage>> pages;
    for (int i = 0; i < Clone.GetVezPageCount(); ++i)
        pages.emplace_back(Clone.VezPages(i));
    for (const auto& page : pages)
        if (page)
            DockBack(page.Get());
}

void TVezOfficePager::DockFloatingPages()
{
    for (int i = FloatingPageCount() - 1; i >= 0; --i) {
        TVezOfficePage* page = FloatingPages(i);
        const int tabIndex = page->GetTabIndex();
        AddVezPage(page);
        page->SetTabIndex(tabIndex);
    }
}

std::string TVezOfficePager::FloatingSettings() const
{
    std::string text;
    for (const TVezOfficePage* page : FFloatingPages) {
        const plat::TCustomForm* window = page->GetFloatingWindow();
        if (!window)
            continue;
        text += ",F:" + std::to_string(page->GetTabIndex()) + "[" + std::to_string(window->GetLeft()) + ":" +
                std::to_string(window->GetTop()) + ":" + std::to_string(window->GetWidth()) + ":" +
                std::to_string(window->GetHeight()) + "]";
    }
    return text;
}

void TVezOfficePager::FreeFloatingWindows()
{
    const std::vector<TVezOfficePage*> pages = std::exchange(FFloatingPages, {});
    for (TVezOfficePage* page : pages) {
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
