#pragma once

#include "pager/office/OfficeTypes.h"
#include "pager/office/PagerButtonMetrics.h"
#include "pager/office/TPagerTabSettings.h"

#include <vector>

namespace skelda::pager {

// Which end of a tab its close button sits at.
enum TCloseOnTabPos { cpRight = 0, cpLeft = 1 };

// The pager's settings that place its tabs, buttons and page, as the geometry reads them.
struct TPagerLayoutFacts {
    plat::TRect Client;
    TTabPosition Position = tpTop;
    // Side tabs run their captions along the edge.
    bool Rotated = true;
    int PageMargin = 1;
    TPagerButtonMetrics Buttons;
    bool CloseOnTab = false;
    TCloseOnTabPos CloseOnTabPosition = cpRight;
    bool ShowCloseOnNonSelectedTabs = false;
    int ActiveIndex = -1;
    // Leading tabs that never scroll (0 in the designer).
    int FixedTabs = 0;
    bool HasClosedPages = false;
    // The page reaches the form's glass frame: no side and bottom margins.
    bool GlassExtendsPage = false;
    bool AlignedToClient = false;
    bool TonesInUse = false;
};

// One tab as the geometry reads it.
struct TTabFacts {
    // Identifies the tab's page while it lives, so that measured lengths follow pages that move.
    const void* Key = nullptr;
    bool TabVisible = true;
    bool ShowClose = true;
    bool ShowCheckBox = false;
};

// The pager as its tab geometry sees it.
class IPagerTabLayoutHost {
public:
    virtual ~IPagerTabLayoutHost() = default;
    virtual TPagerLayoutFacts LayoutFacts() const = 0;
    virtual const TPagerTabSettings& LayoutTabSettings() const = 0;
    virtual int LayoutTabCount() const = 0;
    virtual TTabFacts LayoutTab(int Index) const = 0;
    // The caption's extent in the tab's font: Horizontal as the tab caption routine measures it
    // (only the width counts), else as single-line text; (0, 0) without a caption.
    virtual plat::TSize MeasureTabCaption(int Index, bool Horizontal) const = 0;
    virtual plat::TSize LayoutTabImageSize(int Index) const = 0;
    virtual TPagerTabScroller& LayoutScroller() = 0;
    virtual const TPagerTabScroller& LayoutScroller() const = 0;
    // The close button's place in a fixed-length tab whose content is centred: only its edges
    // along the tab count; four -1 values when the content layout places none.
    virtual plat::TRect CentredCloseRect(int Index) const = 0;
};

// Every rectangle of a pager, computed on demand from the host's current settings (pager client
// coordinates; a rectangle of four -1 values is none: the thing is not shown): the tab strip,
// the tabs and buttons rectangles, each tab with scrolling and fixed tabs, the page area and the
// buttons on and beside the tabs. It also keeps the scroller's range, position and visibility
// consistent with those rectangles.
//
// A tab's length is measured once and kept per page until DropTabLengths: GetTabRect walks
// every tab before the one asked, and a paint asks for every tab. The owner drops the lengths
// on every change that can alter one (UpdateScroller drops them too).
class TPagerTabLayout {
public:
    explicit TPagerTabLayout(IPagerTabLayoutHost& Host) : FHost(Host) {}

    static plat::TRect None() { return {-1, -1, -1, -1}; }
    static bool IsNone(const plat::TRect& R) { return R.Left < 0 && R.Right < 0; }

    plat::TRect GetTabStripRect() const;
    plat::TRect GetTabsRect() const;
    plat::TRect GetButtonsRect() const;
    plat::TRect GetPageRect() const;

    // The tab's length along the strip.
    int TabLength(int Index) const;
    void DropTabLengths() { FLengths.clear(); }

    plat::TRect CalcTabRect(int Start, int PageIndex, bool Scrolled) const;
    plat::TRect GetTabRect(int PageIndex) const { return CalcTabRect(0, PageIndex, true); }
    int IndexOfTabAt(int X, int Y) const;

    // The number of visible tabs to scroll away before the last visible tab fits; Fits tells
    // whether it ever does. Makes the scroller visible while it tries.
    int ComputeScrollMax(bool& Fits);
    void UpdateScroller();
    bool GetUseMaxSpace() const { return FUseMaxSpace; }

    // Each acts only when the scroller shows and can move that way; true when it moved.
    bool ScrollToFirst();
    bool ScrollToLast();
    bool ScrollBack();
    bool ScrollForward();

    plat::TRect GetScrollerRect() const;
    plat::TRect GetScrollFirstRect() const;
    plat::TRect GetScrollPrevRect() const;
    plat::TRect GetScrollNextRect() const;
    plat::TRect GetScrollLastRect() const;
    plat::TRect GetClosedListRect() const;
    plat::TRect GetPageListRect() const;
    // On tab PageIndex when that tab carries its own close button, else the single close
    // button beside the tabs (-1 asks for that one).
    plat::TRect GetCloseButtonRect(int PageIndex) const;
    plat::TRect GetInsertButtonRect() const;
    bool PtInInsertButton(int X, int Y) const;
    plat::TRect GetCheckBoxRect(int PageIndex) const;
    bool PtInCheckBox(int PageIndex, int X, int Y) const;

    int VisibleTabCount() const;
    bool TabIsVisibleAt(int Index) const;
    int LastShownTabIndex() const;

    // The standard look is in use (UsesStandardTabLook with the pager's settings).
    bool IsPlainTabShape() const;
    int LeftRampInset() const;
    int RightRampInset() const;
    // -1 or +1 when the tab is the nearest visible tab before or after the active one, else 0.
    int ActiveNeighbourSide(int Index) const;

private:
    struct TCachedLength {
        const void* Key;
        int Length;
    };

    static bool Horizontal(TTabPosition Position) { return Position == tpTop || Position == tpBottom; }
    int MeasureTabLength(int Index, const TPagerLayoutFacts& Facts) const;
    // Placed BS long after X, Gap further along.
    static plat::TRect After(const plat::TRect& X, int Gap, int ButtonSize, bool HorizontalTabs);
    plat::TRect FirstSlot(const TPagerLayoutFacts& Facts) const;
    plat::TRect SingleCloseRect(const TPagerLayoutFacts& Facts) const;
    bool ClosedListShown(const TPagerLayoutFacts& Facts) const
    {
        return Facts.Buttons.ClosedListButton && Facts.HasClosedPages;
    }

    IPagerTabLayoutHost& FHost;
    bool FUseMaxSpace = false;
    mutable std::vector<TCachedLength> FLengths;
};

}  // namespace skelda::pager
