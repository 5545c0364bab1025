// The bars below the cells: the floating footer's panel and row, and the search footer's panel.

#include "grid/model/TVezEzuzorEvad.h"

#include "grid/controls/TFooterPanel.h"
#include "grid/controls/TSearchPanel.h"
#include "grid/model/TVezEzuzorEvadState.h"
#include "grid/settings/TFloatingFooter.h"
#include "grid/settings/TSearchFooter.h"
#include "platform/grids/TGridCellStore.h"

#include <algorithm>

namespace skelda::grid {

namespace {

constexpr int SearchPanelHeightPx = 32;

}  // namespace

// ---- Floating footer ------------------------------------------------------------------------

void TVezEzuzorEvad::RepaintFooter()
{
    if (FState->FooterPanel && FState->FloatingFooter && FState->FloatingFooter->GetVisible())
        FState->FooterPanel->Invalidate();
}

void TVezEzuzorEvad::FooterHeightChanged(int Value)
{
    if (FState->FooterPanel && FState->FloatingFooter->GetVisible())
        FState->FooterPanel->SetHeight(Value);
}

// The footer row keeps its texts and records when the row count changes; the row it leaves is
// emptied, and whatever the row it lands on held gives way.
void TVezEzuzorEvad::MoveFooterRow(int OldLast, int NewLast)
{
    const int Cols = std::max(TotalColCount(), CellStore().ColExtent());
    FreeCellProperties(0, NewLast, Cols - 1, NewLast);
    for (int C = 0; C < Cols; ++C) {
        const std::string Text = GetRawCell(C, OldLast);
        SetRawCell(C, NewLast, Text);
        SetRawCell(C, OldLast, "");
        plat::TObject* Object = GetObjects(C, OldLast);
        SetObjects(C, OldLast, nullptr);
        SetObjects(C, NewLast, Object);
        if (auto* Record = static_cast<TCellProperties*>(Object))
            Record->SetOwnerRow(NewLast);
    }
    Invalidate();
}

// ---- Search footer --------------------------------------------------------------------------

void TVezEzuzorEvad::UpdateSearchPanel()
{
    if (!FState->SearchPanel || !FState->SearchFooter)
        return;
    const TSearchFooter& Footer = *FState->SearchFooter;
    FState->SearchPanel->SetColor(Footer.GetColor());
    FState->SearchPanel->SetColorTo(Footer.GetColorTo());
    FState->SearchPanel->Font().Assign(Footer.Font());
    FState->SearchPanel->SetFindNextCaption(Footer.GetFindNextCaption());
    FState->SearchPanel->SetFindPrevCaption(Footer.GetFindPrevCaption());
    FState->SearchPanel->SetMatchCaseCaption(Footer.GetMatchCaseCaption());
    FState->SearchPanel->SetHighLightCaption(Footer.GetHighLightCaption());
    FState->SearchPanel->SetHintClose(Footer.GetHintClose());
    FState->SearchPanel->SetHintFindNext(Footer.GetHintFindNext());
    FState->SearchPanel->SetHintFindPrev(Footer.GetHintFindPrev());
    FState->SearchPanel->SetHintHighlight(Footer.GetHintHighlight());
    FState->SearchPanel->SetHeight(Footer.GetVisible() ? SearchPanelHeightPx : 0);
    if (FState->SearchPanel->GetParent())
        FState->SearchPanel->SetVisible(Footer.GetVisible());
}

int TVezEzuzorEvad::SearchPanelHeight() const
{
    return FState->SearchPanel ? FState->SearchPanel->GetHeight() : 0;
}

bool TVezEzuzorEvad::LastRowAboveSearchFooter() const
{
    if (!FState->SearchFooter->GetVisible() || GetTopRow() + GetVisibleRowCount() < GetRowCount() - 1)
        return false;
    return CalcCellRect(0, GetRowCount() - 1).Bottom < GetClientHeight() - SearchPanelHeight() + 2;
}

void TVezEzuzorEvad::ScrollAboveSearchFooter()
{
    const int PanelHeight = SearchPanelHeight();
    if (!FState->SearchFooter->GetVisible() || GetClientHeight() <= GetDefaultRowHeight() + PanelHeight)
        return;
    const int LastRow = GetRowCount() - 1;
    while (CalcCellRect(0, LastRow).Bottom > GetClientHeight() - PanelHeight + 2 && GetRow() <= LastRow &&
           GetTopRow() < LastRow) {
        const int TopRow = GetTopRow();
        SetTopRow(TopRow + 1);
        if (GetTopRow() == TopRow)
            return;
    }
}

TFooterPanel* TVezEzuzorEvad::FooterPanel() const
{
    return FState->FooterPanel;
}

TSearchPanel* TVezEzuzorEvad::SearchPanel() const
{
    return FState->SearchPanel;
}

}  // namespace skelda::grid
