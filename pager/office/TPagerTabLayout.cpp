#include "pager/office/TPagerTabLayout.h"

#include "pager/office/TabLook.h"

#include <algorithm>

namespace skelda::pager {

namespace {

// The tab offset: distance of the tabs and buttons from the control's edge.
constexpr int kTabOffset = 4;

int& NearEdge(plat::TRect& R, bool HorizontalTabs) { return HorizontalTabs ? R.Left : R.Top; }
int& FarEdge(plat::TRect& R, bool HorizontalTabs) { return HorizontalTabs ? R.Right : R.Bottom; }

}  // namespace

plat::TRect TPagerTabLayout::GetTabStripRect() const
{
    const TPagerLayoutFacts f = FHost.LayoutFacts();
    const int h = FHost.LayoutTabSettings().GetHeight();
    plat::TRect s = f.Client;
    switch (f.Position) {
    case tpTop: s.Bottom = s.Top + h; break;
    case tpBottom: s.Top = s.Bottom - h; break;
    case tpLeft: s.Right = s.Left + h; break;
    case tpRight: s.Left = s.Right - h; break;
    }
    return s;
}

plat::TRect TPagerTabLayout::GetButtonsRect() const
{
    const TPagerLayoutFacts f = FHost.LayoutFacts();
    const TPagerTabSettings& ts = FHost.LayoutTabSettings();
    const plat::TRect& r = f.Client;
    const int h = ts.GetHeight();
    const int bs = f.Buttons.ButtonSize;
    const int farEnd = ts.GetEndMargin() + f.PageMargin + 3;
    plat::TRect b;
    switch (f.Position) {
    case tpTop:
        b.Right = r.Right - farEnd;
        b.Left = b.Right - 3;
        b.Bottom = r.Top + kTabOffset + h;
        b.Top = b.Bottom - bs - 8;
        break;
    case tpBottom:
        b.Right = r.Right - farEnd;
        b.Left = b.Right - 3;
        b.Top = r.Bottom - h - kTabOffset;
        b.Bottom = b.Top + bs + 8;
        break;
    case tpLeft:
        b.Bottom = r.Bottom - farEnd;
        b.Top = b.Bottom - 3;
        b.Right = r.Left + kTabOffset + h;
        b.Left = b.Right - bs - 8;
        break;
    case tpRight:
        b.Left = r.Right - h - kTabOffset;
        b.Right = b.Left + bs + 8;
        b.Bottom = r.Bottom - farEnd;
        b.Top = b.Bottom - 3;
        break;
    }
    int room = 0;
    if (FHost.LayoutScroller().GetVisible()) {
        const int n = f.Buttons.ScrollButtonCount();
        room += n * bs + 2 * n;
    }
    if (f.Buttons.PageListButton)
        room += bs + 3;
    if (f.Buttons.CloseButton && !f.CloseOnTab)
        room += bs + 3;
    if (ClosedListShown(f))
        room += bs + 3;
    NearEdge(b, Horizontal(f.Position)) -= room;
    return b;
}

plat::TRect TPagerTabLayout::GetTabsRect() const
{
    const TPagerLayoutFacts f = FHost.LayoutFacts();
    const TPagerTabSettings& ts = FHost.LayoutTabSettings();
    const plat::TRect& r = f.Client;
    const plat::TRect b = GetButtonsRect();
    const int h = ts.GetHeight();
    const int start = ts.GetStartMargin() + f.PageMargin;
    plat::TRect t;
    switch (f.Position) {
    case tpTop: t = {r.Left + start, r.Top + kTabOffset, b.Left, r.Top + kTabOffset + h}; break;
    case tpBottom: t = {r.Left + start, r.Bottom - h - kTabOffset, b.Left, r.Bottom - kTabOffset}; break;
    case tpLeft: t = {r.Left + kTabOffset, r.Top + start, r.Left + kTabOffset + h, b.Top}; break;
    case tpRight: t = {r.Right - h - kTabOffset, r.Top + start, r.Right - kTabOffset, b.Top}; break;
    }
    if (f.Buttons.ShowInsertButton)
        FarEdge(t, Horizontal(f.Position)) -= f.Buttons.ButtonSize + 6;
    return t;
}

plat::TRect TPagerTabLayout::GetPageRect() const
{
    const TPagerLayoutFacts f = FHost.LayoutFacts();
    const int h = FHost.LayoutTabSettings().GetHeight();
    const int pm = f.PageMargin;
    const bool g = f.GlassExtendsPage;
    plat::TRect p = f.Client;
    switch (f.Position) {
    case tpTop:
        p.Top += h;
        if (!g) {
            p.Left += pm;
            p.Right -= pm;
        }
        if (!(g && f.AlignedToClient))
            p.Bottom -= pm + 1;
        if (f.TonesInUse)
            p.Bottom += 1;
        break;
    case tpBottom:
        p.Top += pm + 1;
        if (!g) {
            p.Left += pm;
            p.Right -= pm;
        }
        p.Bottom -= h;
        if (f.TonesInUse)
            p.Top -= 1;
        break;
    case tpLeft:
        p.Top += pm + 1;
        p.Left += h;
        if (!g)
            p.Right -= pm;
        p.Bottom -= pm + 1;
        if (f.TonesInUse)
            p.Bottom += 1;
        break;
    case tpRight:
        p.Top += pm + 1;
        if (!g)
            p.Left += pm;
        p.Right -= h;
        p.Bottom -= pm + 1;
        if (f.TonesInUse)
            p.Bottom += 1;
        break;
    }
    return p;
}

// --- Tab lengths and places ------------------------------------------------------------------

int TPagerTabLayout::TabLength(int Index) const
{
    const TTabFacts tab = FHost.LayoutTab(Index);
    for (const TCachedLength& cached : FLengths)
        if (cached.Key == tab.Key)
            return cached.Length;
    const int length = MeasureTabLength(Index, FHost.LayoutFacts());
    FLengths.push_back({tab.Key, length});
    return length;
}

int TPagerTabLayout::MeasureTabLength(int Index, const TPagerLayoutFacts& Facts) const
{
    const TPagerTabSettings& ts = FHost.LayoutTabSettings();
    if (ts.GetWidth() > 0)
        return ts.GetWidth();
    const TTabFacts tab = FHost.LayoutTab(Index);
    const plat::TSize image = FHost.LayoutTabImageSize(Index);
    const bool imageBeside = ts.GetImagePosition() == ipLeft || ts.GetImagePosition() == ipRight;
    const int close =
        Facts.Buttons.CloseButton && Facts.CloseOnTab && tab.ShowClose ? Facts.Buttons.ButtonSize + 4 : 0;
    const int check = tab.ShowCheckBox ? 20 : 0;
    const int insets = LeftRampInset() + RightRampInset();

    if (Horizontal(Facts.Position)) {
        const int textW = FHost.MeasureTabCaption(Index, true).cx;
        return ts.GetLeftMargin() + textW + ts.GetRightMargin() + 3 + insets +
               (imageBeside && image.cx > 0 ? image.cx + 2 : 0) + close + check;
    }
    const plat::TSize text = FHost.MeasureTabCaption(Index, false);
    if (!Facts.Rotated)
        return 12 + (imageBeside ? std::max(text.cy, image.cy) : text.cy + image.cy + 2);
    return ts.GetLeftMargin() + text.cx + 5 + ts.GetRightMargin() + insets + close + check +
           (imageBeside ? image.cx + 2 : 0);
}

plat::TRect TPagerTabLayout::CalcTabRect(int Start, int PageIndex, bool Scrolled) const
{
    if (!TabIsVisibleAt(PageIndex))
        return None();
    const TPagerLayoutFacts f = FHost.LayoutFacts();
    const TPagerTabSettings& ts = FHost.LayoutTabSettings();
    const TPagerTabScroller& scroller = FHost.LayoutScroller();
    const bool horizontal = Horizontal(f.Position);
    const int fixed = f.FixedTabs;
    plat::TRect t = GetTabsRect();
    if (FUseMaxSpace) {
        // The buttons rectangle's room goes to the tabs.
        plat::TRect strip = GetTabStripRect();
        FarEdge(t, horizontal) = FarEdge(strip, horizontal) - ts.GetEndMargin() - f.PageMargin - 3;
    }
    const int farEdge = FarEdge(t, horizontal);
    int pos = NearEdge(t, horizontal);
    int counter = 0;
    const bool scrolling = Scrolled && scroller.GetVisible();
    for (int i = 0; i <= PageIndex; ++i) {
        if (!FHost.LayoutTab(i).TabVisible || !(i >= Start || i < fixed))
            continue;
        const int length = TabLength(i);
        const bool isFixed = fixed > 0 && i < fixed && Start == 0;
        if (pos + length > farEdge - f.PageMargin &&
            (!Scrolled || (scroller.GetVisible() && i == PageIndex && scroller.GetPosition() != PageIndex)) &&
            !isFixed)
            return None();
        bool place = true;
        if (scrolling) {
            if (counter >= scroller.GetPosition()) {
                place = true;
            } else if (isFixed) {
                --counter;
            } else {
                place = false;
            }
        }
        if (place) {
            const plat::TRect r = horizontal ? plat::TRect{pos, t.Top, pos + length, t.Bottom}
                                             : plat::TRect{t.Left, pos, t.Right, pos + length};
            if (i == PageIndex)
                return r;
            pos += length + ts.GetSpacing();
        }
        ++counter;
    }
    return None();
}

int TPagerTabLayout::IndexOfTabAt(int X, int Y) const
{
    for (int i = 0; i < FHost.LayoutTabCount(); ++i)
        if (GetTabRect(i).Contains({X, Y}))
            return i;
    return -1;
}

// --- Scrolling --------------------------------------------------------------------------------

int TPagerTabLayout::ComputeScrollMax(bool& Fits)
{
    const int count = FHost.LayoutTabCount();
    int last = -1;
    for (int i = count - 1; i >= 0 && last < 0; --i)
        if (FHost.LayoutTab(i).TabVisible)
            last = i;
    if (last <= 0)
        return 0;
    const int fixed = FHost.LayoutFacts().FixedTabs;
    int skipped = 0;
    for (int start = 0;; ++start) {
        const plat::TRect r = CalcTabRect(start, last, false);
        if (r.Left > -1 && r.Right > -1) {
            Fits = true;
            if (fixed == 0 || skipped == 0)
                return skipped;
            // The position counts only the tabs that scroll: the shown fixed tabs come off, and
            // hidden ones were never counted.
            int shownFixed = 0;
            for (int i = 0; i < std::min(fixed, count); ++i)
                if (FHost.LayoutTab(i).TabVisible)
                    ++shownFixed;
            return std::max(0, skipped - shownFixed);
        }
        if (FHost.LayoutTab(start).TabVisible)
            ++skipped;
        if (start + 1 >= count)
            return 0;
        // The next trial counts the scroll buttons in the buttons rectangle.
        FHost.LayoutScroller().SetVisible(true);
    }
}

void TPagerTabLayout::UpdateScroller()
{
    DropTabLengths();
    const TPagerLayoutFacts f = FHost.LayoutFacts();
    TPagerTabScroller& scroller = FHost.LayoutScroller();
    const int fixed = f.FixedTabs;
    FUseMaxSpace = false;
    if (!f.Buttons.ScrollButtonsAlways)
        scroller.SetVisible(false);
    scroller.SetMin(0);
    bool fits = false;
    scroller.SetMax(ComputeScrollMax(fits));
    if (scroller.GetMax() == 0 && !fits) {
        if (fixed > 0) {
            scroller.SetMax(std::max(0, VisibleTabCount() - fixed));
        } else {
            FUseMaxSpace = true;
            bool ignored = false;
            scroller.SetMax(ComputeScrollMax(ignored));
            if (scroller.GetMax() == 0)
                scroller.SetMax(std::max(0, VisibleTabCount() - 1));
        }
    }
    if (fits) {
        if (scroller.GetMax() < scroller.GetPosition())
            scroller.SetPosition(scroller.GetMax());
        int probe = 0;
        if (fixed > 0) {
            int counted = 0;
            probe = -1;
            for (int i = fixed; i < FHost.LayoutTabCount() && probe < 0; ++i)
                if (FHost.LayoutTab(i).TabVisible && ++counted >= scroller.GetPosition())
                    probe = i;
            if (probe < 0)
                probe = counted;
        } else {
            probe = std::min(VisibleTabCount(), std::max(scroller.GetPosition(), 1));
        }
        if (GetTabRect(probe).Right == -1 && scroller.GetPosition() > 0 &&
            FHost.LayoutTabSettings().GetEndMargin() == 0) {
            FUseMaxSpace = true;
            bool ignored = false;
            scroller.SetMax(ComputeScrollMax(ignored));
            if (scroller.GetMax() == 0)
                FUseMaxSpace = false;
        }
    }
    scroller.SetVisible(scroller.GetMin() < scroller.GetMax() || f.Buttons.ScrollButtonsAlways);
    if (scroller.GetMax() < scroller.GetPosition())
        scroller.SetPosition(scroller.GetMax());
}

bool TPagerTabLayout::ScrollToFirst()
{
    TPagerTabScroller& s = FHost.LayoutScroller();
    if (!s.GetVisible() || !s.CanGoBack())
        return false;
    s.SetPosition(s.GetMin());
    return true;
}

bool TPagerTabLayout::ScrollToLast()
{
    TPagerTabScroller& s = FHost.LayoutScroller();
    if (!s.GetVisible() || !s.CanGoForward())
        return false;
    s.SetPosition(s.GetMax());
    return true;
}

bool TPagerTabLayout::ScrollBack()
{
    TPagerTabScroller& s = FHost.LayoutScroller();
    if (!s.GetVisible() || !s.CanGoBack())
        return false;
    s.SetPosition(s.GetPosition() - 1);
    return true;
}

bool TPagerTabLayout::ScrollForward()
{
    TPagerTabScroller& s = FHost.LayoutScroller();
    if (!s.GetVisible() || !s.CanGoForward())
        return false;
    s.SetPosition(s.GetPosition() + 1);
    return true;
}

// --- Buttons ----------------------------------------------------------------------------------

plat::TRect TPagerTabLayout::After(const plat::TRect& X, int Gap, int ButtonSize, bool HorizontalTabs)
{
    plat::TRect r = X;
    if (HorizontalTabs) {
        r.Left = X.Right + Gap;
        r.Right = r.Left + ButtonSize;
    } else {
        r.Top = X.Bottom + Gap;
        r.Bottom = r.Top + ButtonSize;
    }
    return r;
}

plat::TRect TPagerTabLayout::FirstSlot(const TPagerLayoutFacts& Facts) const
{
    const plat::TRect b = GetButtonsRect();
    const int bs = Facts.Buttons.ButtonSize;
    switch (Facts.Position) {
    case tpTop: return {b.Left + 3, b.Bottom - 5 - bs, b.Left + 3 + bs, b.Bottom - 5};
    case tpBottom: return {b.Left + 3, b.Top + 5, b.Left + 3 + bs, b.Top + 5 + bs};
    case tpLeft: return {b.Right - 5 - bs, b.Top + 3, b.Right - 5, b.Top + 3 + bs};
    case tpRight: return {b.Left + 5, b.Top + 3, b.Left + 5 + bs, b.Top + 3 + bs};
    }
    return None();
}

plat::TRect TPagerTabLayout::GetScrollerRect() const
{
    if (!FHost.LayoutScroller().GetVisible())
        return None();
    const TPagerLayoutFacts f = FHost.LayoutFacts();
    const bool horizontal = Horizontal(f.Position);
    const plat::TRect b = GetButtonsRect();
    // Across as the first slot; along from the buttons rectangle's near edge.
    plat::TRect g = FirstSlot(f);
    NearEdge(g, horizontal) = horizontal ? b.Left : b.Top;
    FarEdge(g, horizontal) = NearEdge(g, horizontal) + f.Buttons.ScrollButtonCount() * f.Buttons.ButtonSize + 8;
    return g;
}

plat::TRect TPagerTabLayout::GetScrollFirstRect() const
{
    plat::TRect g = GetScrollerRect();
    if (IsNone(g))
        return g;
    const TPagerLayoutFacts f = FHost.LayoutFacts();
    const bool horizontal = Horizontal(f.Position);
    NearEdge(g, horizontal) += 3;
    FarEdge(g, horizontal) = NearEdge(g, horizontal) + f.Buttons.ButtonSize;
    return g;
}

plat::TRect TPagerTabLayout::GetScrollPrevRect() const
{
    plat::TRect g = GetScrollerRect();
    if (IsNone(g))
        return g;
    const TPagerLayoutFacts f = FHost.LayoutFacts();
    const bool horizontal = Horizontal(f.Position);
    if (f.Buttons.FirstButton)
        return After(GetScrollFirstRect(), horizontal ? 2 : 3, f.Buttons.ButtonSize, horizontal);
    NearEdge(g, horizontal) += horizontal ? 2 : 3;
    FarEdge(g, horizontal) = NearEdge(g, horizontal) + f.Buttons.ButtonSize;
    return g;
}

plat::TRect TPagerTabLayout::GetScrollNextRect() const
{
    const plat::TRect prev = GetScrollPrevRect();
    if (IsNone(prev))
        return prev;
    const TPagerLayoutFacts f = FHost.LayoutFacts();
    return After(prev, 2, f.Buttons.ButtonSize, Horizontal(f.Position));
}

plat::TRect TPagerTabLayout::GetScrollLastRect() const
{
    const plat::TRect next = GetScrollNextRect();
    if (IsNone(next))
        return next;
    const TPagerLayoutFacts f = FHost.LayoutFacts();
    return f.Buttons.LastButton ? After(next, 2, f.Buttons.ButtonSize, Horizontal(f.Position)) : next;
}

plat::TRect TPagerTabLayout::GetClosedListRect() const
{
    const TPagerLayoutFacts f = FHost.LayoutFacts();
    if (!ClosedListShown(f))
        return None();
    if (FHost.LayoutScroller().GetVisible())
        return After(GetScrollLastRect(), 3, f.Buttons.ButtonSize, Horizontal(f.Position));
    return FirstSlot(f);
}

plat::TRect TPagerTabLayout::GetPageListRect() const
{
    const TPagerLayoutFacts f = FHost.LayoutFacts();
    if (!f.Buttons.PageListButton)
        return None();
    const bool horizontal = Horizontal(f.Position);
    if (ClosedListShown(f))
        return After(GetClosedListRect(), 3, f.Buttons.ButtonSize, horizontal);
    if (FHost.LayoutScroller().GetVisible())
        return After(GetScrollLastRect(), 3, f.Buttons.ButtonSize, horizontal);
    return FirstSlot(f);
}

plat::TRect TPagerTabLayout::SingleCloseRect(const TPagerLayoutFacts& Facts) const
{
    if (!Facts.Buttons.CloseButton)
        return None();
    const bool horizontal = Horizontal(Facts.Position);
    const int bs = Facts.Buttons.ButtonSize;
    if (Facts.Buttons.PageListButton)
        return After(GetPageListRect(), 2, bs, horizontal);
    if (ClosedListShown(Facts))
        return After(GetClosedListRect(), 2, bs, horizontal);
    if (FHost.LayoutScroller().GetVisible())
        return After(GetScrollLastRect(), 3, bs, horizontal);
    return FirstSlot(Facts);
}

plat::TRect TPagerTabLayout::GetCloseButtonRect(int PageIndex) const
{
    const TPagerLayoutFacts f = FHost.LayoutFacts();
    const bool onTab = f.Buttons.CloseButton && f.CloseOnTab &&
                       (f.ShowCloseOnNonSelectedTabs || PageIndex == f.ActiveIndex);
    if (!onTab || PageIndex < 0)
        return SingleCloseRect(f);
    const plat::TRect t = GetTabRect(PageIndex);
    if (IsNone(t))
        return t;
    const TPagerTabSettings& ts = FHost.LayoutTabSettings();
    const int bs = f.Buttons.ButtonSize;
    const int cl = LeftRampInset();
    const int cr = RightRampInset();
    const int d = (t.Height() - bs) / 2;
    const bool right = f.CloseOnTabPosition == cpRight;
    const plat::TRect layout = ts.GetWidth() > 0 && ts.GetAlignment() == plat::taCenter
                                   ? FHost.CentredCloseRect(PageIndex)
                                   : None();
    const bool centred = layout != None();
    plat::TRect r;
    switch (f.Position) {
    case tpTop:
    case tpBottom:
        r.Left = centred ? layout.Left : (right ? t.Right - bs - 4 - cr : t.Left + 4 + cl);
        r.Right = r.Left + bs;
        if (f.Position == tpTop) {
            r.Bottom = t.Bottom - 5;
            r.Top = r.Bottom - bs;
        } else {
            r.Top = t.Top + 5;
            r.Bottom = r.Top + bs;
        }
        break;
    case tpLeft:
        if (f.Rotated) {
            r.Top = centred ? layout.Top : (right ? t.Top + 4 + cr : t.Bottom - bs - 4 - cl);
            r.Bottom = r.Top + bs;
            r.Right = t.Right - 5;
            r.Left = r.Right - bs;
        } else {
            r.Top = t.Top + d;
            r.Bottom = r.Top + bs;
            r.Left = centred ? layout.Left : (right ? t.Right - bs - 5 : t.Left + 4);
            r.Right = r.Left + bs;
        }
        break;
    case tpRight:
        if (f.Rotated) {
            r.Bottom = centred ? layout.Bottom : (right ? t.Bottom - 4 - cr : t.Top + bs + 4 + cl);
            r.Top = r.Bottom - bs;
            r.Left = t.Left + 5;
            r.Right = r.Left + bs;
        } else {
            r.Top = t.Top + d;
            r.Bottom = r.Top + bs;
            r.Left = centred ? layout.Left : (right ? t.Right - bs - 3 : t.Left + 5);
            r.Right = r.Left + bs;
        }
        break;
    }
    return r;
}

plat::TRect TPagerTabLayout::GetInsertButtonRect() const
{
    const TPagerLayoutFacts f = FHost.LayoutFacts();
    if (!f.Buttons.ShowInsertButton)
        return None();
    const bool horizontal = Horizontal(f.Position);
    const int bs = f.Buttons.ButtonSize;
    plat::TRect t = GetTabRect(LastShownTabIndex());
    if (t.Left < 0 || t.Right < 0) {
        t = GetTabsRect();
        FarEdge(t, horizontal) = NearEdge(t, horizontal);
    }
    plat::TRect r;
    switch (f.Position) {
    case tpTop: r = {t.Right, t.Top + 5, t.Right + bs + 6, t.Bottom - 8}; break;
    case tpBottom: r = {t.Right, t.Top + 8, t.Right + bs + 6, t.Bottom - 5}; break;
    case tpLeft:
        r = f.Rotated ? plat::TRect{t.Left + 5, t.Bottom, t.Right - 8, t.Bottom + bs + 6}
                      : plat::TRect{t.Right - 8 - bs - 1, t.Bottom, t.Right - 8, t.Bottom + bs + 6};
        break;
    case tpRight:
        r = f.Rotated ? plat::TRect{t.Left + 8, t.Bottom, t.Right - 5, t.Bottom + bs + 6}
                      : plat::TRect{t.Left + 8, t.Bottom, t.Left + 8 + bs + 1, t.Bottom + bs + 6};
        break;
    }
    return r;
}

bool TPagerTabLayout::PtInInsertButton(int X, int Y) const
{
    return FHost.LayoutFacts().Buttons.ShowInsertButton && GetInsertButtonRect().Contains({X, Y});
}

plat::TRect TPagerTabLayout::GetCheckBoxRect(int PageIndex) const
{
    constexpr int kBox = 15;
    const plat::TRect t = GetTabRect(PageIndex);
    if (IsNone(t))
        return t;
    const TPagerLayoutFacts f = FHost.LayoutFacts();
    int cw = 0;
    int ch = 0;
    if (f.CloseOnTab && f.CloseOnTabPosition == cpLeft &&
        (f.ShowCloseOnNonSelectedTabs || PageIndex == f.ActiveIndex)) {
        const plat::TRect close = GetCloseButtonRect(PageIndex);
        cw = close.Width();
        ch = close.Height();
    }
    int left = 0;
    int top = 0;
    switch (f.Position) {
    case tpTop:
    case tpBottom:
        left = t.Left + 5 + cw;
        top = t.Top + (t.Height() - kBox) / 2;
        break;
    case tpLeft:
        left = f.Rotated ? t.Left + (t.Width() - kBox) / 2 : t.Left + 5;
        top = f.Rotated ? t.Bottom - ch - 5 - kBox : t.Top + 5;
        break;
    case tpRight:
        left = f.Rotated ? t.Left + (t.Width() - kBox) / 2 : t.Right - kBox - 5;
        top = f.Rotated ? t.Top + 5 + ch : t.Top + 5;
        break;
    }
    return plat::Bounds(left, top, kBox, kBox);
}

bool TPagerTabLayout::PtInCheckBox(int PageIndex, int X, int Y) const
{
    if (PageIndex < 0 || PageIndex >= FHost.LayoutTabCount() || !FHost.LayoutTab(PageIndex).ShowCheckBox)
        return false;
    return GetCheckBoxRect(PageIndex).Contains({X, Y});
}

// --- Counts and shapes ------------------------------------------------------------------------

int TPagerTabLayout::VisibleTabCount() const
{
    int count = 0;
    for (int i = 0; i < FHost.LayoutTabCount(); ++i)
        if (FHost.LayoutTab(i).TabVisible)
            ++count;
    return count;
}

bool TPagerTabLayout::TabIsVisibleAt(int Index) const
{
    return Index >= 0 && Index < FHost.LayoutTabCount() && FHost.LayoutTab(Index).TabVisible;
}

int TPagerTabLayout::LastShownTabIndex() const
{
    for (int i = FHost.LayoutTabCount() - 1; i >= 0; --i) {
        if (!FHost.LayoutTab(i).TabVisible)
            continue;
        const plat::TRect r = GetTabRect(i);
        if (r.Left >= 0 && r.Right >= 0)
            return i;
    }
    return -1;
}

bool TPagerTabLayout::IsPlainTabShape() const
{
    const TPagerTabSettings& ts = FHost.LayoutTabSettings();
    const TPagerLayoutFacts f = FHost.LayoutFacts();
    return UsesStandardTabLook(ts.GetShape(), ts.GetRounding(), f.Position, f.Rotated);
}

int TPagerTabLayout::LeftRampInset() const
{
    const TPagerTabSettings& ts = FHost.LayoutTabSettings();
    const TPagerLayoutFacts f = FHost.LayoutFacts();
    const bool ramp = ts.GetShape() == tsLeftRamp || ts.GetShape() == tsLeftRightRamp;
    const bool unrotatedSide = !Horizontal(f.Position) && !f.Rotated;
    return ramp && !IsPlainTabShape() && !unrotatedSide ? ts.GetRounding() * 2 + 5 : 0;
}

int TPagerTabLayout::RightRampInset() const
{
    const TPagerTabSettings& ts = FHost.LayoutTabSettings();
    const TPagerLayoutFacts f = FHost.LayoutFacts();
    const bool ramp = ts.GetShape() == tsRightRamp || ts.GetShape() == tsLeftRightRamp;
    const bool unrotatedSide = !Horizontal(f.Position) && !f.Rotated;
    return ramp && !IsPlainTabShape() && !unrotatedSide ? ts.GetRounding() * 2 + 5 : 0;
}

int TPagerTabLayout::ActiveNeighbourSide(int Index) const
{
    const int active = FHost.LayoutFacts().ActiveIndex;
    if (active < 0 || Index == active || Index < 0 || Index >= FHost.LayoutTabCount())
        return 0;
    if (Index < active) {
        for (int i = active - 1; i >= Index; --i)
            if (FHost.LayoutTab(i).TabVisible)
                return i == Index ? -1 : 0;
        return 0;
    }
    for (int i = active + 1; i <= Index; ++i)
        if (FHost.LayoutTab(i).TabVisible)
            return i == Index ? 1 : 0;
    return 0;
}

}  // namespace skelda::pager
