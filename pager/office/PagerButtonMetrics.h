#pragma once

namespace skelda::pager {

// What the tab geometry needs to know of the pager's buttons: their size in pixels and which of
// them are wanted.
struct TPagerButtonMetrics {
    int ButtonSize = 18;
    bool FirstButton = false;
    bool LastButton = false;
    bool PageListButton = false;
    bool CloseButton = false;
    bool ClosedListButton = false;
    bool ShowInsertButton = false;
    bool ScrollButtonsAlways = false;

    // The scroll buttons shown while the scroller is: previous and next, first and last when
    // wanted.
    int ScrollButtonCount() const { return 2 + (FirstButton ? 1 : 0) + (LastButton ? 1 : 0); }
};

}  // namespace skelda::pager
