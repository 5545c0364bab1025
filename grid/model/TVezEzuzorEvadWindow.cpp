// The string grid's window: creation, loading and size, the scroll bars it asks for, the update
// lock, the window messages besides keyboard and mouse input, and the grid timer.

#include "grid/model/TVezEzuzorEvad.h"

#include "grid/controls/TFooterPanel.h"
#include "grid/controls/TSearchPanel.h"
#include "grid/drawing/ThemedParts.h"
#include "grid/model/TVezEzuzorEvadState.h"
#include "grid/settings/TBackGround.h"
#include "grid/settings/TColumnSize.h"
#include "grid/settings/TControlLook.h"
#include "grid/settings/TFloatingFooter.h"
#include "grid/settings/TNavigation.h"
#include "grid/settings/TSearchFooter.h"
#include "platform/controls/core/InputQueries.h"
#include "platform/controls/core/Messages.h"
#include "platform/controls/forms/WindowTimers.h"
#include "platform/controls/standard/TScrollBar.h"
#include "platform/core/Utf8.h"
#include "platform/graphics/ThemeServices.h"
#include "platform/system/SystemMetrics.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace skelda::grid {

namespace {

// Expiry of the incremental search text, in ticks of the grid timer (about two seconds).
constexpr int SearchTextTicks = 4;

bool HasBlinkTag(const std::string& Text)
{
    return Text.find('<') != std::string::npos && plat::Utf8UpperCase(Text).find("<BLI") != std::string::npos;
}

}  // namespace

// ---- Creation, loading and size -------------------------------------------------------------

void TVezEzuzorEvad::CreateWnd()
{
    TBaseGrid::CreateWnd();
    if (IsDestroying() || !GetParent())
        return;
    const bool Designing = ComponentState().Contains(plat::csDesigning);
    if (!Designing)
        for (plat::TScrollBar* Bar : {FState->ScrollBar, FState->PaintScrollBar}) {
            if (!Bar)
                continue;
            Bar->SetVisible(false);
            Bar->SetTabStop(false);
            Bar->SetKind(plat::sbVertical);
            Bar->SetParent(this);
        }
    if (FState->FooterPanel) {
        FState->FooterPanel->SetParent(this);
        FState->FooterPanel->SetVisible(FState->FloatingFooter->GetVisible());
    }
    if (FState->SearchPanel) {
        FState->SearchPanel->SetParent(this);
        FState->SearchPanel->SetVisible(FState->SearchFooter->GetVisible());
    }
    UpdateSearchPanel();
    plat::SetTimer(this, GridTimerID, GridTimerMs);
    if (Designing && !IsLoading() && !FState->WindowCreatedBefore)
        Font().SetName("Tahoma");
    FState->WindowCreatedBefore = true;
    FState->IsWinXP = FState->IsWinXP && plat::ThemeServices().ThemesEnabled();
}

void TVezEzuzorEvad::DestroyWnd()
{
    plat::KillTimer(this, GridTimerID);
    TBaseGrid::DestroyWnd();
}

void TVezEzuzorEvad::Loaded()
{
    TBaseGrid::Loaded();
    FState->RestoreCursor = GetCursor();
    ShowColumnHeaders();
    ShowRowHeaders();
    FState->MinFixedRows = GetFixedRows();
    FState->MinFixedCols = GetFixedCols();
    FState->MaxRowCount = GetRowCount();
    FState->GridLoaded = true;
    plat::TGridOptions Options = GetOptions();
    if (Options.Contains(plat::goAlwaysShowEditor)) {
        FState->Navigation->SetAlwaysEdit(true);
        Options.Exclude(plat::goAlwaysShowEditor);
        SetOptions(Options);
    }
    if (!ComponentState().Contains(plat::csDesigning) && FState->ControlLook->GetControlStyle() == csTheme &&
        !ThemedControlsAvailable())
        FState->ControlLook->SetControlStyle(csClassic);
    FState->SearchFooter->SetAutoThemeAdapt(FState->AutoThemeAdapt);
    UpdateSearchPanel();
    UpdateScrollBarsAlways(false);
    InitOrigColSizes();
}

void TVezEzuzorEvad::Resize()
{
    TBaseGrid::Resize();
    const TBackGroundDisplay Display = FState->BackGround->GetDisplay();
    if ((Display == bdGradientHorz || Display == bdGradientVert) && FState->BackGround->GetColorTo() != plat::clNone)
        Invalidate();
    UpdateScrollBarsAlways(false);
    if (ComponentState().Contains(plat::csDesigning))
        Invalidate();
}

void TVezEzuzorEvad::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    const int RowHeight = GetDefaultRowHeight();
    if (FState->IntegralHeight && !Updating() && RowHeight > 0) {
        const bool ColsFit = GetVisibleColCount() + GetFixedCols() >= GetColCount();
        const int ScrollBarHeight = ColsFit ? 0 : plat::GetSystemMetrics(plat::SM_CYHSCROLL);
        const int Border = GetBorderStyle() == plat::bsSingle ? 2 : 0;
        const int Content = AHeight - ScrollBarHeight - Border;
        AHeight = Content - Content % RowHeight + ScrollBarHeight + 2 * Border;
    }
    TBaseGrid::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TVezEzuzorEvad::InitOrigColSizes()
{
    FState->OrigColSizes.resize(static_cast<std::size_t>(GetColCount()));
    for (int C = 0; C < GetColCount(); ++C)
        FState->OrigColSizes[static_cast<std::size_t>(C)] = GetColWidths(C);
    FState->OrigWidth = GetWidth();
}

const std::vector<int>& TVezEzuzorEvad::OrigColSizes() const
{
    return FState->OrigColSizes;
}

int TVezEzuzorEvad::GetOrigWidth() const
{
    return FState->OrigWidth;
}

void TVezEzuzorEvad::UpdateScrollBarsAlways(bool Force)
{
    const bool Fits[2] = {GetVisibleColCount() + GetFixedCols() >= GetColCount(),
                          GetVisibleRowCount() + GetFixedRows() >= GetRowCount()};
    const bool Wanted[2] = {FState->ScrollBarAlways == saHorz || FState->ScrollBarAlways == saBoth,
                            FState->ScrollBarAlways == saVert || FState->ScrollBarAlways == saBoth};
    for (int Bar = 0; Bar < 2; ++Bar) {
        if (FState->ScrollBarAlways != saNone) {
            FState->AlwaysBarShown[Bar] = !Fits[Bar] || Wanted[Bar];
            FState->AlwaysBarEnabled[Bar] = !Fits[Bar];
        } else if (Force) {
            FState->AlwaysBarShown[Bar] = !Fits[Bar];
            FState->AlwaysBarEnabled[Bar] = true;
        }
    }
}

bool TVezEzuzorEvad::ScrollBarAlwaysShown(int ABar) const
{
    return FState->AlwaysBarShown[ABar != 0];
}

bool TVezEzuzorEvad::ScrollBarAlwaysEnabled(int ABar) const
{
    return FState->AlwaysBarEnabled[ABar != 0];
}

// ---- Update lock and repaints ---------------------------------------------------------------

void TVezEzuzorEvad::BeginUpdate()
{
    if (GetVisible())
        ++FState->UpdateCount;
}

void TVezEzuzorEvad::EndUpdate()
{
    // The count comes down also when the grid was hidden meanwhile: a lock that could only be
    // released while visible would keep a hidden-then-shown grid blank for good.
    if (FState->UpdateCount > 0)
        --FState->UpdateCount;
    if (FState->UpdateCount == 0 && GetVisible() && !IsDestroying())
        Invalidate();
}

int TVezEzuzorEvad::GetUpdateCount() const
{
    return FState->UpdateCount;
}

void TVezEzuzorEvad::StartUpdate()
{
    ++FState->UpdateCount;
}

void TVezEzuzorEvad::ResetUpdate()
{
    FState->UpdateCount = 0;
}

void TVezEzuzorEvad::SetLockUpdate(bool Value)
{
    if (Value)
        BeginUpdate();
    else
        EndUpdate();
}

void TVezEzuzorEvad::Invalidate()
{
    if (FState->EditChange) {
        FState->EditChange = false;
        return;
    }
    TBaseGrid::Invalidate();
    if (!IsLoading())
        RepaintFooter();
}

void TVezEzuzorEvad::SetEditChange(bool Value)
{
    FState->EditChange = Value;
}

// ---- Messages and the grid timer ------------------------------------------------------------

void TVezEzuzorEvad::Dispatch(plat::TMessage& Message)
{
    switch (Message.Msg) {
    case plat::WM_TIMER:
        WMTimer(Message);
        return;
    case plat::WM_PAINT:
        if (FState->UpdateCount >= 1) {
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
    ++FState->TimerTicks;
    if (FState->Navigation->GetAutoGotoIncremental() && ++FState->SearchTics >= SearchTextTicks) {
        FState->SearchInc.clear();
        FState->SearchTics = 0;
    }
    if (FState->Hovering && !IsDesigning())
        FollowMouse();
    if (FState->EnableBlink) {
        FState->GridBlink = !FState->GridBlink;
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

bool TVezEzuzorEvad::GetEnableBlink() const
{
    return FState->EnableBlink;
}

void TVezEzuzorEvad::SetEnableBlink(bool Value)
{
    FState->EnableBlink = Value;
}

bool TVezEzuzorEvad::GetGridBlink() const
{
    return FState->GridBlink;
}

int TVezEzuzorEvad::GetTimerTicks() const
{
    return FState->TimerTicks;
}

const std::string& TVezEzuzorEvad::GetSearchInc() const
{
    return FState->SearchInc;
}

void TVezEzuzorEvad::SetSearchInc(const std::string& Value)
{
    FState->SearchInc = Value;
    FState->SearchTics = 0;
}

void TVezEzuzorEvad::WMSize(plat::TMessage& Message)
{
    LayOutSearchPanel();
    if (FState->ColumnSize)
        SynchColumnsWithWidth(plat::TWMSize(Message).Width());
    TBaseGrid::Dispatch(Message);
}

void TVezEzuzorEvad::SynchColumnsWithWidth(int ClientWidth)
{
    if (FState->OrigWidth <= 0 || !FState->ColumnSize->GetSynchWithGrid())
        return;
    HideEditor();
    const double Factor = GetBorderStyle() == plat::bsSingle ? (ClientWidth + 2.0) / FState->OrigWidth
                                                               : static_cast<double>(ClientWidth) / FState->OrigWidth;
    const bool NormalOnly = FState->ColumnSize->GetSynchNormalCellsOnly();
    const int First = NormalOnly ? GetFixedCols() : 0;
    const int Last = NormalOnly ? GetColCount() - GetFixedRightCols() - 1 : GetColCount() - 1;
    for (int C = First; C <= Last; ++C) {
        if (C >= static_cast<int>(FState->OrigColSizes.size()))
            break;
        SetColWidths(C, static_cast<int>(std::trunc(FState->OrigColSizes[static_cast<std::size_t>(C)] * Factor)));
    }
}

}  // namespace skelda::grid
