#include "PropertyTable.h"

#include "grid/settings/TBackGround.h"
#include "grid/settings/TBalloonSettings.h"
#include "grid/settings/TBands.h"
#include "grid/settings/TColumnSize.h"
#include "grid/settings/TFloatingFooter.h"
#include "grid/settings/TFocusHelper.h"
#include "grid/settings/TMouseActions.h"
#include "grid/settings/TNavigation.h"
#include "grid/settings/TSearchFooter.h"
#include "grid/settings/TShowModified.h"
#include "grid/settings/TSizeWhileTyping.h"
#include "grid/settings/TSyncGrid.h"
#include "grid/support/TCellGraphic.h"
#include "grid/support/TGridItem.h"
#include "platform/core/TComponent.h"
#include "platform/core/TStringList.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TFont.h"

namespace skelda::grid::testing {

namespace {

plat::TComponent& OwnerGrid()
{
    static plat::TComponent grid(nullptr);
    return grid;
}

TGroupCase SearchFooterCase()
{
    using C = TSearchFooter;
    return {
        .Name = "SearchFooter",
        .Make = Make<C>(false),
        .Properties = {SKELDA_PROP(Visible, false), SKELDA_PROP(Color, plat::clWhite),
                       SKELDA_PROP(ColorTo, plat::clBtnFace), SKELDA_OBJECT(Font, FreshText<plat::TFont>()),
                       SKELDA_PROP(ShowClose, true), SKELDA_PROP(ShowFindNext, true),
                       SKELDA_PROP(ShowFindPrev, true), SKELDA_PROP(ShowHighLight, true),
                       SKELDA_PROP(ShowMatchCase, true), SKELDA_PROP(FindNextCaption, ""),
                       SKELDA_PROP(FindPrevCaption, ""), SKELDA_PROP(MatchCaseCaption, ""),
                       SKELDA_PROP(HighLightCaption, ""), SKELDA_PROP(HintClose, ""), SKELDA_PROP(HintFindNext, ""),
                       SKELDA_PROP(HintFindPrev, ""), SKELDA_PROP(HintHighlight, ""), SKELDA_PROP(AutoSearch, true),
                       SKELDA_PROP(AlwaysHighLight, false), SKELDA_PROP(SearchActiveColumnOnly, false),
                       SKELDA_PROP(SearchMatchStart, false), SKELDA_PROP(SearchFixedCells, false),
                       SKELDA_PROP(SearchHiddenRows, false), SKELDA_PROP(SearchColumn, -1),
                       SKELDA_PROP(SearchDirection, sdTopBottom), SKELDA_PROP(AutoThemeAdapt, false),
                       SKELDA_PROP(LastSearch, "")},
        .NotCopied = {"AutoSearch", "SearchFixedCells", "AutoThemeAdapt", "LastSearch"},
        .Listen = ListenTo(&C::OnChange),
        .Notifying = {"Visible", "ShowFindNext", "ShowFindPrev", "ShowHighLight", "ShowMatchCase"},
        .NotifyingAlways = {"Color", "ColorTo", "Font", "ShowClose", "FindNextCaption", "FindPrevCaption",
                            "MatchCaseCaption", "HighLightCaption", "HintClose", "HintFindNext", "HintFindPrev",
                            "HintHighlight", "AutoThemeAdapt"},
    };
}

TGroupCase NavigationCase()
{
    using C = TNavigation;
    return {
        .Name = "Navigation",
        .Make = Make<C>(),
        .Properties =
            {SKELDA_PROP(AllowInsertRow, false), SKELDA_PROP(AllowDeleteRow, false), SKELDA_PROP(AlwaysEdit, false),
             SKELDA_PROP(AdvanceOnEnter, false), SKELDA_PROP(AdvanceOnEnterLoop, true),
             SKELDA_PROP(AdvanceInsert, false), SKELDA_PROP(AdvanceAutoEdit, true), SKELDA_PROP(AdvanceAuto, false),
             SKELDA_PROP(AdvanceDirection, adLeftRight), SKELDA_PROP(TabAdvanceDirection, adLeftRight),
             SKELDA_PROP(AutoGotoWhenSorted, false), SKELDA_PROP(AutoGotoIncremental, false),
             SKELDA_PROP(AutoComboDropSize, false), SKELDA_PROP(AllowClipboardShortCuts, false),
             SKELDA_PROP(AllowCtrlEnter, true), SKELDA_PROP(AllowSmartClipboard, false),
             SKELDA_PROP(AllowRTFClipboard, false), SKELDA_PROP(AllowFmtClipboard, false),
             SKELDA_PROP(AllowClipboardAlways, false), SKELDA_PROP(AllowClipboardRowGrow, true),
             SKELDA_PROP(AllowClipboardColGrow, true), SKELDA_PROP(ClipboardPasteAction, paReplace),
             SKELDA_PROP(CopyHTMLTagsToClipboard, true), SKELDA_PROP(AppendOnArrowDown, false),
             SKELDA_PROP(EditSelectAll, true), SKELDA_PROP(InsertPosition, pInsertBefore),
             SKELDA_PROP(ComboGetUpDown, true), SKELDA_PROP(CursorAdvance, caDefault),
             SKELDA_PROP(CursorWalkEditor, false), SKELDA_PROP(CursorWalkAlwaysEdit, true),
             SKELDA_PROP(MoveRowOnSort, false), SKELDA_PROP(KeepScrollOnSort, false),
             SKELDA_PROP(MoveScrollOnly, false), SKELDA_PROP(KeepHorizScroll, false),
             SKELDA_PROP(LineFeedOnEnter, false), SKELDA_PROP(ImproveMaskSel, false),
             SKELDA_PROP(TabToNextAtEnd, false), SKELDA_PROP(LeftRightRowSelect, true),
             SKELDA_PROP(HomeEndKey, heFirstLastColumn), SKELDA_PROP(SkipFixedCells, true),
             SKELDA_PROP(SkipDisabledRows, true)},
        .NotCopied = {"KeepScrollOnSort"},
        .Listen = ListenTo(&C::OnChange),
        .Notifying = {"AdvanceDirection", "AdvanceInsert"},
    };
}

TGroupCase MouseActionsCase()
{
    using C = TMouseActions;
    return {
        .Name = "MouseActions",
        .Make = Make<C>(),
        .Properties =
            {SKELDA_PROP(AllColumnSize, false), SKELDA_PROP(AllRowSize, false), SKELDA_PROP(AllSelect, false),
             SKELDA_PROP(ColSelect, false), SKELDA_PROP(RowSelect, false), SKELDA_PROP(AutoSizeColOnDblClick, true),
             SKELDA_PROP(CaretPositioning, false), SKELDA_PROP(CheckAllCheck, false),
             SKELDA_PROP(DirectComboClose, false), SKELDA_PROP(DirectComboDrop, false),
             SKELDA_PROP(DirectDateClose, false), SKELDA_PROP(DirectDateDrop, false), SKELDA_PROP(DirectEdit, false),
             SKELDA_PROP(DisjunctRowSelect, false), SKELDA_PROP(DisjunctColSelect, false),
             SKELDA_PROP(DisjunctCellSelect, false), SKELDA_PROP(DisjunctRowSelectNoCtrl, false),
             SKELDA_PROP(EditOnDblClickOnly, false), SKELDA_PROP(FixedRowsEdit, fceNone),
             SKELDA_PROP(FixedColsEdit, fceNone), SKELDA_PROP(FixedRowsEditor, fceEdit),
             SKELDA_PROP(FixedColsEditor, fceEdit), SKELDA_OBJECT(FixedComboValues, "[]"),
             SKELDA_PROP(HotmailRowSelect, false), SKELDA_PROP(MoveRowOnNodeClick, false),
             SKELDA_PROP(NodeAllExpandContract, false), SKELDA_PROP(NoAutoRangeScroll, false),
             SKELDA_PROP(NoScrollOnPartialRow, false), SKELDA_PROP(PreciseCheckBoxCheck, false),
             SKELDA_PROP(PreciseNodeClick, true), SKELDA_PROP(RangeSelectAndEdit, false),
             SKELDA_PROP(RowSelectPersistent, false), SKELDA_PROP(SelectOnRightClick, false),
             SKELDA_PROP(SizeFixedCol, false), SKELDA_PROP(SizeFixedRow, false), SKELDA_PROP(WheelIncrement, 0),
             SKELDA_PROP(WheelAction, waMoveSelection)},
        .NotCopied = {"EditOnDblClickOnly", "FixedComboValues", "HotmailRowSelect", "SizeFixedRow"},
        .Listen = ListenTo(&C::OnChange),
        .Notifying = {"WheelAction"},
    };
}

TGroupCase SyncGridCase()
{
    using C = TSyncGrid;
    return {
        .Name = "SyncGrid",
        .Make = Make<C>(&OwnerGrid()),
        .Properties = {SKELDA_PROP(Grid, nullptr), SKELDA_PROP(ScrollHorizontal, false),
                       SKELDA_PROP(ScrollVertical, false), SKELDA_PROP(SelectionRow, false),
                       SKELDA_PROP(SelectionColumn, false), SKELDA_PROP(MoveRow, false),
                       SKELDA_PROP(MoveColumn, false)},
    };
}

TGroupCase BandsCase()
{
    using C = TBands;
    return {
        .Name = "Bands",
        .Make = Make<C>(),
        .Properties = {SKELDA_PROP(Active, false), SKELDA_PROP(PrimaryColor, plat::clInfoBk),
                       SKELDA_PROP(SecondaryColor, plat::clWindow), SKELDA_PROP(PrimaryLength, 1),
                       SKELDA_PROP(SecondaryLength, 1), SKELDA_PROP(Print, false), SKELDA_READONLY(TotalLength, 2)},
        .Listen = ListenTo(&C::OnChange),
        .Notifying = {"Active", "PrimaryColor", "SecondaryColor", "PrimaryLength", "SecondaryLength"},
        .Prepare = [](plat::TPersistent& Object) { dynamic_cast<C&>(Object).SetActive(true); },
    };
}

TGroupCase ColumnSizeCase()
{
    using C = TColumnSize;
    return {
        .Name = "ColumnSize",
        .Make = Make<C>(),
        .Properties = {SKELDA_PROP(Stretch, false), SKELDA_PROP(StretchColumn, -1), SKELDA_PROP(Rows, arAll),
                       SKELDA_PROP(Save, false), SKELDA_PROP(Key, ""), SKELDA_PROP(Section, ""),
                       SKELDA_PROP(Location, clRegistry), SKELDA_PROP(SynchWithGrid, false),
                       SKELDA_PROP(SynchNormalCellsOnly, false)},
    };
}

TGroupCase BackGroundCase()
{
    using C = TBackGround;
    return {
        .Name = "BackGround",
        .Make = Make<C>(),
        .Properties = {SKELDA_OBJECT(Bitmap, "0x0"), SKELDA_PROP(Display, bdTile), SKELDA_PROP(Cells, bcNormal),
                       SKELDA_PROP(Top, 0), SKELDA_PROP(Left, 0), SKELDA_PROP(Color, plat::clWindow),
                       SKELDA_PROP(ColorTo, plat::clBtnFace)},
        .HasAssign = false,
    };
}

TGroupCase BalloonCase()
{
    using C = TBalloonSettings;
    return {
        .Name = "Balloon",
        .Make = Make<C>(),
        .Properties = {SKELDA_PROP(Enable, false), SKELDA_PROP(TextColor, plat::clNone),
                       SKELDA_PROP(BackgroundColor, plat::clNone), SKELDA_PROP(InitialDelay, -1),
                       SKELDA_PROP(AutoHideDelay, -1), SKELDA_PROP(ReshowDelay, -1), SKELDA_PROP(Transparency, 0)},
        .NotCopied = {"Transparency"},
        .Listen = ListenTo(&C::OnEnableChange),
        .NotifyingAlways = {"Enable"},
    };
}

TGroupCase ShowModifiedCase()
{
    using C = TShowModified;
    return {
        .Name = "ShowModified",
        .Make = Make<C>(),
        .Properties = {SKELDA_PROP(Enabled, false), SKELDA_PROP(Color, plat::clYellow)},
        .Listen = ListenTo(&C::OnChange),
        .NotifyingAlways = {"Color"},
    };
}

TGroupCase FocusHelperCase()
{
    using C = TFocusHelper;
    return {.Name = "FocusHelper", .Make = Make<C>(), .Properties = {SKELDA_PROP(Enabled, false)}};
}

TGroupCase SizeWhileTypingCase()
{
    using C = TSizeWhileTyping;
    return {
        .Name = "SizeWhileTyping",
        .Make = Make<C>(),
        .Properties = {SKELDA_PROP(Height, false), SKELDA_PROP(Width, false)},
        .HasAssign = false,
    };
}

TGroupCase FloatingFooterCase()
{
    using C = TFloatingFooter;
    return {
        .Name = "FloatingFooter",
        .Make = Make<C>(),
        .Properties = {SKELDA_PROP(Visible, false), SKELDA_PROP(Height, 0), SKELDA_PROP(Color, plat::clBtnFace),
                       SKELDA_PROP(BorderColor, plat::clNone), SKELDA_PROP(Column, 0),
                       SKELDA_PROP(FooterStyle, fsFixedLastRow), SKELDA_PROP(CustomTemplate, ""),
                       SKELDA_PROP(CalculateHiddenRows, true), SKELDA_PROP(EnableCalculation, true),
                       SKELDA_PROP(ShowHint, false)},
        .NotCopied = {"Height", "BorderColor", "EnableCalculation"},
    };
}

TGroupCase CellGraphicCase()
{
    using C = TCellGraphic;
    return {
        .Name = "CellGraphic",
        .Make = Make<C>(),
        .Properties = {SKELDA_PROP(CellType, ctNone), SKELDA_OWNED(CellBitmap, "none"), SKELDA_OWNED(CellIcon, "none"),
                       SKELDA_PROP(CellVAlign, vaTop), SKELDA_PROP(CellHAlign, haLeft), SKELDA_PROP(CellIndex, 0),
                       SKELDA_PROP(CellTransparent, false), SKELDA_PROP(CellCreated, false),
                       SKELDA_PROP(CellBoolean, false), SKELDA_PROP(CellAngle, 0), SKELDA_PROP(CellValue, 0.0),
                       SKELDA_PROP(CellErrFrom, 0), SKELDA_PROP(CellErrLen, 0), SKELDA_PROP(CellText, ""),
                       SKELDA_PROP(CellVar, TCellVariant()), SKELDA_PROP(CellCheckBoxState, cbUnchecked)},
        .NotCopied = {"CellBitmap", "CellIcon", "CellVar", "CellCheckBoxState"},
    };
}

TGroupCase GridItemCase()
{
    using C = TGridItem;
    return {
        .Name = "GridItem",
        .Make = Make<C>(),
        .Properties = {SKELDA_PROP(Idx, 0), SKELDA_PROP(Height, -1), SKELDA_PROP(Level, 0)},
        .HasAssign = false,
    };
}

}  // namespace

std::vector<TGroupCase> GridGroupCases()
{
    return {SearchFooterCase(), NavigationCase(), MouseActionsCase(),    SyncGridCase(),
            BandsCase(),        ColumnSizeCase(), BackGroundCase(),      BalloonCase(),
            ShowModifiedCase(), FocusHelperCase(), SizeWhileTypingCase(), FloatingFooterCase(),
            CellGraphicCase(),  GridItemCase()};
}

}  // namespace skelda::grid::testing
