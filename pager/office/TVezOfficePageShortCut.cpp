#include "pager/glow/TShortCutHintWindow.h"
#include "pager/office/TVezOfficePage.h"
#include "pager/office/TVezOfficePager.h"

#include <algorithm>

namespace skelda::pager {

namespace {

// Where a hint of Hint's size goes beside a tab whose rectangle is Tab, with Origin the tab's
// top-left corner on the screen; nullopt keeps the window where it is.
std::optional<plat::TPoint> TabHintPlace(TShortCutHintPos Position, plat::TPoint Origin, const plat::TRect& Tab,
                                         plat::TSize Hint)
{
    const int w = Hint.cx;
    const int h = Hint.cy;
    switch (Position) {
    case shpLeft:
        return plat::TPoint{Origin.X - w / 2, Origin.Y + (Tab.Height() - h) / 2};
    case shpTop:
        return plat::TPoint{Origin.X + (Tab.Width() - w) / 2, Origin.Y - h / 2};
    case shpRight:
        return plat::TPoint{Origin.X + Tab.Width() - w / 2, Origin.Y + (Tab.Height() - h) / 2};
    case shpBottom:
        return plat::TPoint{Origin.X + (Tab.Width() - w) / 2, Origin.Y + Tab.Height() - h / 2};
    default:
        return std::nullopt;
    }
}

}  // namespace

void TVezOfficePage::ShowShortCutHint()
{
    if (!FVezOfficePager)
        return;
    TShortCutHintWindow* window = FShortCutHint.Get();
    if (!window) {
        window = FVezOfficePager->AddShortCutHintWindow();
        FShortCutHint = plat::TControlRef<TShortCutHintWindow>(window);
    }
    window->Hide();
    window->SetCaption(FShortCutHintText);
    const plat::TRect size = window->CalcHintRect(200, FShortCutHintText, nullptr);
    window->Canvas().Font().Assign(window->Font());
    const plat::TSize hint{std::max(size.Width(), window->Canvas().TextWidth("O") + 8), size.Height()};
    const plat::TRect tab = FVezOfficePager->GetTabRect(this);
    const plat::TPoint at = TabHintPlace(FShortCutHintPos, FVezOfficePager->ClientToScreen({tab.Left, tab.Top}), tab,
                                         hint)
                                .value_or(plat::TPoint{window->GetLeft(), window->GetTop()});
    window->ActivateHint(plat::Bounds(at.X, at.Y, hint.cx, hint.cy), FShortCutHintText);
}

void TVezOfficePage::HideShortCutHint()
{
    TShortCutHintWindow* window = FShortCutHint.Get();
    if (!window || !FVezOfficePager)
        return;
    FVezOfficePager->RemoveShortCutHintWindow(window);
    FShortCutHint = {};
}

}  // namespace skelda::pager
