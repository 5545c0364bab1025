// The string grid's window messages besides keyboard and mouse input: the update lock, painting,
// resizing and the grid timer.

#include "grid/model/TVezEzuzorEvad.h"

#include "grid/controls/TSearchPanel.h"
#include "grid/settings/TColumnSize.h"
#include "grid/settings/TNavigation.h"
#include "grid/settings/TSearchFooter.h"
#include "platform/controls/core/Messages.h"
#include "platform/controls/services/InputState.h"
#include "platform/core/Utf8.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace skelda::grid {

namespace {

// Expiry of the incremental search text, in ticks of the grid timer (about two seconds).
constexpr int SearchTextTicks = 4;
constexpr int SearchPanelHeightPx = 32;

bool HasBlinkTag(const std::string& Text)
{
    return Text.find('<') != std::string::npos && plat::Utf8UpperCase(Text).find("<BLI") != std::string::npos;
}

}  // namespace

void TVezEzuzorEvad::BeginUpdate()
{
    if (GetVisible())
        ++FUpdateCount;
}

void TVezEzuzorEvad::EndUpdate()
{
    // The count comes down also when the grid was hidden meanwhile: a lock that could only be
    // released while visible would keep a hidden-then-shown grid blank for good.
    if (FUpdateCount > 0)
        --FUpdateCount;
    if (FUpdateCount == 0 && GetVisible() && !IsDestroying())
        Invalidate();
}

void TVezEzuzorEvad::SetLockUpdate(bool Value)
{
    if (Value)
        BeginUpdate();
    else
        EndUpdate();
}

void TVezEzuzorEvad::SetSearchInc(const std::string& Value)
{
    FSearchInc = Value;
    FSearchTics = 0;
}

void TVezEzuzorEvad::Dispatch(plat::TMessage& Message)
{
    switch (Message.Msg) {
    case plat::WM_TIMER:
        WMTimer(Message);
        return;
    case plat::WM_PAINT:
        if (FUpdateCount >= 1) {
            Message.Result = 0;
            return;
        }
        break;
    case plat::WM_ERASEBKGND:
        // Every cell paints its own background.
        Message.Result = 0;
        return;
    case plat::WM_SIZE:
        WMSize(Message);
        return;
    case plat::CM_ENABLEDCHANGED:
        TBaseGrid::Dispatch(Message);
        Invalidate();
        return;
    case plat::CM_COLORCHANGED:
        TBaseGrid::Dispatch(Message);
        RepaintFooter();
        return;
    default:
        break;
    }
    TBaseGrid::Dispatch(Message);
}

void TVezEzuzorEvad::WMTimer(plat::TMessage& Message)
{
    if (plat::TWMTimer(Message).TimerID() != GridTimerID) {
        TBaseGrid::Dispatch(Message);
        return;
    }
    ++FTimerTicks;
    if (FNavigation->GetAutoGotoIncremental() && ++FSearchTics >= SearchTextTicks) {
        FSearchInc.clear();
        FSearchTics = 0;
    }
    if (FHovering && !IsDesigning())
        FollowMouse();
    if (FEnableBlink) {
        FGridBlink = !FGridBlink;
        RepaintBlinkingCells();
    }
}

void TVezEzuzorEvad::FollowMouse()
{
    if (!Showing())
        return;
    const plat::TPoint Pos = ScreenToClient(plat::GetCursorPos());
    const plat::TRect Client = GetClientRect();
    if (Pos.X < Client.Left || Pos.Y < Client.Top || Pos.X >= Client.Right || Pos.Y >= Client.Bottom)
        return;
    // A child window over the point (an editor, a panel) has the mouse, not the grid.
    if (ControlAtPos(Pos, true, true))
        return;
    const plat::TGridCoord Cell = MouseCoord(Pos.X, Pos.Y);
    if (Cell.X < GetFixedCols() || Cell.X >= GetColCount() || Cell.Y < GetFixedRows() || Cell.Y >= GetRowCount())
        return;
    SetFocus();
    SetRow(Cell.Y);
    SetCol(Cell.X);
}

void TVezEzuzorEvad::RepaintIfBlinking(int RealCol, int ARow)
{
    if (HasBlinkTag(GetCellText(RealCol, ARow)))
        RepaintCell(DisplColIndex(RealCol), ARow);
}

void TVezEzuzorEvad::RepaintBlinkingCells()
{
    const int FirstRow = GetTopRow();
    const int LastRow = std::min(GetTopRow() + GetVisibleRowCount(), GetRowCount()) - 1;
    const int FirstCol = GetLeftCol();
    const int LastCol = std::min(GetLeftCol() + GetVisibleColCount() + NumHiddenColumns(), GetAllColCount()) - 1;
    for (int R = FirstRow; R <= LastRow; ++R)
        for (int C = FirstCol; C <= LastCol; ++C)
            RepaintIfBlinking(C, R);
    const int LastFixedRowCol = std::min(GetLeftCol() + GetVisibleColCount(), GetColCount()) - 1;
    for (int R = 0; R < GetFixedRows(); ++R)
        for (int C = FirstCol; C <= LastFixedRowCol; ++C)
            RepaintIfBlinking(C, R);
    for (int C = 0; C < GetFixedCols(); ++C)
        for (int R = FirstRow; R <= LastRow; ++R)
            RepaintIfBlinking(C, R);
}

void TVezEzuzorEvad::WMSize(plat::TMessage& Message)
{
    if (FSearchPanel && FSearchFooter && FSearchFooter->GetVisible()) {
        // A height change forces the panel's new layout along the bottom.
        FSearchPanel->SetHeight(SearchPanelHeightPx + 1);
        FSearchPanel->SetHeight(SearchPanelHeightPx);
        FSearchPanel->SetAlign(plat::alBottom);
    }
    if (FColumnSize)
        SynchColumnsWithWidth(plat::TWMSize(Message).Width());
    TBaseGrid::Dispatch(Message);
}

void TVezEzuzorEvad::SynchColumnsWithWidth(int ClientWidth)
{
    if (FOrigWidth <= 0 || !FColumnSize->GetSynchWithGrid())
        return;
    HideEditor();
    const double Factor = GetBorderStyle() == plat::bsSingle ? (ClientWidth + 2.0) / FOrigWidth
                                                               : static_cast<double>(ClientWidth) / FOrigWidth;
    const bool NormalOnly = FColumnSize->GetSynchNormalCellsOnly();
    const int First = NormalOnly ? GetFixedCols() : 0;
    const int Last = NormalOnly ? GetColCount() - GetFixedRightCols() - 1 : GetColCount() - 1;
    for (int C = First; C <= Last; ++C) {
        if (C >= static_cast<int>(FOrigColSizes.size()))
            break;
        SetColWidths(C, static_cast<int>(std::trunc(FOrigColSizes[static_cast<std::size_t>(C)] * Factor)));
    }
}

}  // namespace skelda::grid
