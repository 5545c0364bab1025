#include "pager/office/TPageButtonSettings.h"
#include "pager/office/TVezOfficePage.h"
#include "pager/office/TVezOfficePager.h"
#include "platform/controls/core/InputQueries.h"
#include "platform/controls/forms/HintInfo.h"
#include "platform/controls/forms/TApplication.h"

namespace skelda::pager {

namespace {

void CancelApplicationHint()
{
    if (plat::Application)
        plat::Application->CancelHint();
}

}  // namespace

void TVezOfficePager::InvalidateInsertButton()
{
    InvalidateRect(FLayout.GetInsertButtonRect());
}

void TVezOfficePager::MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y)
{
    plat::TCustomControl::MouseDown(Button, Shift, X, Y);
    FDownPageIndex = -1;
    if (!InTabStrip(X, Y))
        return;
    const int i = IndexOfTabAt(X, Y);
    if (i < 0) {
        const bool onInsert = FLayout.PtInInsertButton(X, Y);
        if (onInsert != FInsertButtonDown) {
            FInsertButtonDown = onInsert;
            InvalidateInsertButton();
        }
        return;
    }
    // The handlers may free pages or the pager's pages may change: look the page up afresh.
    if (Button == plat::mbLeft && OnTabClick)
        OnTabClick(this, i);
    else if (Button == plat::mbRight && OnTabRightClick)
        OnTabRightClick(this, i);
    if (i >= FVezPages.Count())
        return;
    const plat::TControlRef<TVezOfficePage> pressed(FVezPages.Get(i));
    const bool enabled = pressed->GetTabEnabled();
    if (Button != plat::mbMiddle && i != GetActivePageIndex() && enabled) {
        ChangeActivePage(i);
        if (!Designing())
            GlowTab(i, 20, gsPush);
        Invalidate();
    } else {
        FDownPageIndex = i;
        InvalidateTabStrip();
    }
    if (Button == plat::mbLeft && enabled && pressed && IndexOfPage(pressed.Get()) >= 0)
        PressStartsDrag(pressed.Get(), Shift, X, Y);
}

void TVezOfficePager::LeaveHotTab(bool FireLeave)
{
    if (FDownPageIndex >= 0) {
        FDownPageIndex = -1;
        InvalidateTabStrip();
    }
    const int hot = FHotPageIndex;
    if (hot < 0)
        return;
    if (FireLeave && OnTabMouseLeave)
        OnTabMouseLeave(this, hot);
    GlowTab(hot, -20, gsHover);
    FHotPageIndex = -1;
    InvalidateTabStrip();
}

void TVezOfficePager::MouseMove(plat::TShiftState Shift, int X, int Y)
{
    plat::TCustomControl::MouseMove(Shift, X, Y);
    if (Designing())
        return;
    const bool overInsert = FLayout.PtInInsertButton(X, Y);
    // Off the strip counts as off every tab: else a tab moved away from into the pager's own
    // area stays hot and keeps its hint.
    const int i = InTabStrip(X, Y) ? IndexOfTabAt(X, Y) : -1;
    if (i >= 0 && i != FHintPageIndex && !overInsert) {
        FHintPageIndex = i;
        CancelApplicationHint();
    }
    // A disabled tab never turns hot: remembering it as entered keeps every further move over it
    // from entering it again and from releasing its press.
    if (i >= 0 && i != FHotPageIndex && i != FEnteredPageIndex) {
        LeaveHotTab(true);
        FEnteredPageIndex = i;
        if (OnTabMouseEnter)
            OnTabMouseEnter(this, i);
        if (i < FVezPages.Count() && FVezPages.Get(i)->GetTabEnabled()) {
            FHotPageIndex = i;
            GlowTab(i, 20, gsHover);
            Invalidate();
        }
    } else if (i < 0) {
        FEnteredPageIndex = -1;
        LeaveHotTab(true);
        if (!overInsert) {
            FHintPageIndex = -1;
            CancelApplicationHint();
        }
    }
    const bool insertHot = i < 0 && overInsert;
    if (insertHot != FInsertButtonHot) {
        FInsertButtonHot = insertHot;
        InvalidateInsertButton();
    }
}

void TVezOfficePager::MouseLeft()
{
    FHintPageIndex = -1;
    FEnteredPageIndex = -1;
    // A hot insert button would stay lit with the mouse gone.
    if (FInsertButtonHot) {
        FInsertButtonHot = false;
        InvalidateInsertButton();
    }
    if (Designing())
        return;
    const plat::TPoint p = ScreenToClient(plat::GetCursorPos());
    plat::TRect tabs = FLayout.GetTabsRect();
    switch (FTabPosition) {
    case tpTop: tabs.Bottom -= 4; break;
    case tpBottom: tabs.Top += 4; break;
    case tpLeft: tabs.Right -= 4; break;
    case tpRight: tabs.Left += 4; break;
    }
    // Leaving through the tabs' own edge into the page keeps the tab hot: the page covers it.
    if (tabs.Contains(p))
        return;
    if (FHotPageIndex < 0)
        return;
    if (FHotPageIndex == GetActivePageIndex()) {
        FHotPageIndex = -1;
        Invalidate();
        return;
    }
    GlowTab(FHotPageIndex, -20, gsHover);
    FHotPageIndex = -1;
    InvalidateTabStrip();
}

void TVezOfficePager::MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y)
{
    plat::TCustomControl::MouseUp(Button, Shift, X, Y);
    if (!Designing())
        HideArrow();
    if (FDownPageIndex >= 0) {
        FDownPageIndex = -1;
        InvalidateTabStrip();
    }
    if (FInsertButtonDown) {
        FInsertButtonDown = false;
        InvalidateInsertButton();
        if (FLayout.PtInInsertButton(X, Y))
            InsertNewPage();
    }
    if (!InTabStrip(X, Y))
        return;
    const int i = IndexOfTabAt(X, Y);
    if (i < 0)
        return;
    TVezOfficePage* page = FVezPages.Get(i);
    if (!page->GetShowCheckBox() || !FLayout.PtInCheckBox(i, X, Y))
        return;
    page->SetChecked(!page->GetChecked());
    if (OnTabCheckBoxClick)
        OnTabCheckBoxClick(this, i);
    if (i < FVezPages.Count())
        InvalidateRect(GetTabRect(i));
}

void TVezOfficePager::TabDoubleClicked(plat::TPoint Pos)
{
    if (!InTabStrip(Pos.X, Pos.Y))
        return;
    const int i = IndexOfTabAt(Pos.X, Pos.Y);
    if (i >= 0 && OnTabDblClick)
        OnTabDblClick(this, i);
}

void TVezOfficePager::HintShowing(plat::THintInfo& Info) const
{
    if (FLayout.PtInInsertButton(Info.CursorPos.X, Info.CursorPos.Y)) {
        Info.HintStr = FButtonSettings->GetInsertButtonHint();
        return;
    }
    if (!FShowTabHint) {
        Info.HintStr.clear();
        return;
    }
    if (FHintPageIndex >= 0 && FHintPageIndex < FVezPages.Count())
        Info.HintStr = FVezPages.Get(FHintPageIndex)->GetTabHint();
}

}  // namespace skelda::pager
