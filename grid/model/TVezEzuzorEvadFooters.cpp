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
    TSearchPanel& Panel = *FState->SearchPanel;
    const TSearchFooter& Footer = *FState->SearchFooter;
    Panel.SetColor(Footer.GetColor());
    Panel.SetColorTo(Footer.GetColorTo());
    Panel.Font().Assign(Footer.Font());
    Panel.SetFindNextCaption(Footer.GetFindNextCaption());
    Panel.SetFindPrevCaption(Footer.GetFindPrevCaption());
    Panel.SetMatchCaseCaption(Footer.GetMatchCaseCaption());
    Panel.SetHighLightCaption(Footer.GetHighLightCaption());
    Panel.SetHintClose(Footer.GetHintClose());
    Panel.SetHintFindNext(Footer.GetHintFindNext());
    Panel.SetHintFindPrev(Footer.GetHintFindPrev());
    Panel.SetHintHighlight(Footer.GetHintHighlight());
    Panel.SetHeight(Footer.GetVisible() ? SearchPanelHeightPx : 0);
    if (Panel.GetParent())
        Panel.SetVisible(Footer.GetVisible());
}

void TVezEzuzorEvad::LayOutSearchPanel()
{
    if (!FState->SearchPanel || !FState->SearchFooter || !FState->SearchFooter->GetVisible())
        return;
    // A height change forces the panel's new layout along the bottom.
    FState->SearchPanel->SetHeight(SearchPanelHeightPx + 1);
    FState->SearchPanel->SetHeight(SearchPanelHeightPx);
    FState->SearchPanel->SetAlign(plat::alBottom);
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
