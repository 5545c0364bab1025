#include "pager/office/TPagerFloatingPages.h"

#include "pager/office/TFloatingPagerWindow.h"
#include "pager/office/TVezOfficePage.h"
#include "platform/controls/forms/TScreen.h"

#include <algorithm>
#include <cstdint>

namespace skelda::pager {

TVezOfficePage* TPagerFloatingPages::Page(int Index) const
{
    if (Index < 0 || Index >= Count())
        return nullptr;
    return FPages[static_cast<std::size_t>(Index)];
}

void TPagerFloatingPages::Forget(const TVezOfficePage* Page)
{
    FPages.erase(std::remove(FPages.begin(), FPages.end(), Page), FPages.end());
}

std::string TPagerFloatingPages::LayoutItems() const
{
    std::string text;
    for (const TVezOfficePage* page : FPages) {
        const plat::TCustomForm* window = page->GetFloatingWindow();
        if (!window)
            continue;
        text += ",F:" + std::to_string(page->GetTabIndex()) + "[" + std::to_string(window->GetLeft()) + ":" +
                std::to_string(window->GetTop()) + ":" + std::to_string(window->GetWidth()) + ":" +
                std::to_string(window->GetHeight()) + "]";
    }
    return text;
}

plat::TCustomForm* TPagerFloatingPages::NewWindow(const TFloatingPagerWindowClass& WindowClass,
                                                  plat::TComponent* AOwner, const plat::TCustomForm* GlassOf) const
{
    plat::TCustomForm* window = WindowClass ? WindowClass(AOwner) : new TFloatingPagerWindow(AOwner);
    window->SetBorderIcons(FBorderIcons);
    window->SetBorderStyle(FBorderStyle);
    if (FBorderStyle == plat::bsNone) {
        window->Padding().SetLeft(2);
        window->Padding().SetTop(2);
        window->Padding().SetRight(2);
        window->Padding().SetBottom(2);
    }
    if (GlassOf)
        window->GlassFrame().Assign(GlassOf->GlassFrame());
    return window;
}

plat::TRect TPagerFloatingPages::Place(plat::TPoint At, plat::TSize Size)
{
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

}  // namespace skelda::pager
