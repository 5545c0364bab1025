#pragma once

#include "platform/core/Types.h"

#include <optional>

namespace plat {
class TCustomForm;
}

namespace skelda::pager {

class TVezOfficePage;

// Where a dragged docked page's tab is: the tabs rectangle of the pager the page is docked in,
// the pointer in that pager's client coordinates, and whether that pager reorders its tabs.
struct TTabDragSpot {
    plat::TRect Tabs;
    plat::TPoint Client;
    bool Reorders = false;
};

// What a tab drag asks of the pager that runs it. The dragged page may sit in another pager
// meanwhile (the clone inside its floating window), so questions about the page are answered
// for the pager the page is in at that moment. The pager answers in the program; keeping the
// questions this narrow keeps the drag's thresholds and steps apart from the rest of the pager.
class ITabDragHost {
public:
    virtual ~ITabDragHost() = default;

    // The running pager's mouse capture, which brings the drag its moves and its release;
    // releasing is asked only of a pager that holds it.
    virtual void SetDragCapture(bool Capture) = 0;
    // Nothing while the page is docked in no pager.
    virtual std::optional<TTabDragSpot> SpotOf(const TVezOfficePage& Page, plat::TPoint Screen) const = 0;
    // Floats the page out of the pager it is docked in, its window at Screen; the window the
    // drag then moves (the one that pager made last).
    virtual plat::TCustomForm* TearOff(TVezOfficePage& Page, plat::TPoint Screen) = 0;
    // Shows where the page's tab would land over the tab at Client in its pager; false when it
    // would land nowhere.
    virtual bool ShowReorderTarget(TVezOfficePage& Page, plat::TPoint Client) = 0;
    virtual void HideReorderTarget(TVezOfficePage& Page) = 0;
    // A floating page brought over the running pager's strip docks there unless it sits in
    // that pager already.
    virtual bool DocksHere(const TVezOfficePage& Page) const = 0;
    virtual void DockBack(TVezOfficePage& Page) = 0;
    // The button went up: with Drop, the page's pager moves the tab to the one under Screen;
    // its reorder target hides either way. The page may be gone afterwards.
    virtual void FinishReorder(TVezOfficePage& Page, plat::TPoint Screen, bool Drop) = 0;
    // The drag is over; Page is the page it let go of, nil when that is gone.
    virtual void TabDragEnded(TVezOfficePage* Page) = 0;
};

}  // namespace skelda::pager
