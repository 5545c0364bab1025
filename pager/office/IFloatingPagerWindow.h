#pragma once

namespace skelda::pager {

class TVezOfficePager;

// What a window holding a floating page answers; a page finds its window by asking the form
// around its pager for this (dynamic_cast), so any form class can serve as a floating window.
class IFloatingPagerWindow {
public:
    virtual TVezOfficePager* VezPager() const = 0;
    virtual void SetVezPager(TVezOfficePager* Value) = 0;

protected:
    ~IFloatingPagerWindow() = default;
};

}  // namespace skelda::pager
