// The string grid's settings: the groups it owns, with setters that copy, and its plain
// settings. The look settings are TGridLookSettings'.

#include "grid/model/TVezEzuzorEvad.h"

#include "foundation/THTMLPictureCache.h"
#include "foundation/TPictureContainer.h"
#include "foundation/TVezHintInfo.h"
#include "grid/model/TVezEzuzorEvadState.h"
#include "grid/settings/TBackGround.h"
#include "grid/settings/TBalloonSettings.h"
#include "grid/settings/TBands.h"
#include "grid/settings/TCellNode.h"
#include "grid/settings/TColumnSize.h"
#include "grid/settings/TControlLook.h"
#include "grid/settings/TDragDropSettings.h"
#include "grid/settings/TDragScrollOptions.h"
#include "grid/settings/TFilter.h"
#include "grid/settings/TFilterDropDown.h"
#include "grid/settings/TFloatingFooter.h"
#include "grid/settings/TFocusHelper.h"
#include "grid/settings/TGridProgressAppearance.h"
#include "grid/settings/TGrouping.h"
#include "grid/settings/THTMLSettings.h"
#include "grid/settings/TMouseActions.h"
#include "grid/settings/TNavigation.h"
#include "grid/settings/TPrintSettings.h"
#include "grid/settings/TSearchFooter.h"
#include "grid/settings/TShowModified.h"
#include "grid/settings/TSizeWhileTyping.h"
#include "grid/settings/TSortSettings.h"
#include "grid/settings/TSyncGrid.h"
#include "grid/support/TCellGraphic.h"
#include "grid/support/TControlList.h"
#include "grid/support/TIntList.h"
#include "grid/support/TSortIndexList.h"
#include "platform/core/ChangeValue.h"
#include "platform/core/TStringList.h"
#include "platform/grids/TInplaceEdit.h"

namespace skelda::grid {

// ---- Owned groups and objects ---------------------------------------------------------------

TFocusHelper& TVezEzuzorEvad::FocusHelper()
{
    return *FState->FocusHelper;
}

void TVezEzuzorEvad::SetFocusHelper(const TFocusHelper& Value)
{
    FState->FocusHelper->Assign(Value);
}

TSearchFooter& TVezEzuzorEvad::SearchFooter()
{
    return *FState->SearchFooter;
}

void TVezEzuzorEvad::SetSearchFooter(const TSearchFooter& Value)
{
    FState->SearchFooter->Assign(Value);
}

TFloatingFooter& TVezEzuzorEvad::FloatingFooter()
{
    return *FState->FloatingFooter;
}

void TVezEzuzorEvad::SetFloatingFooter(const TFloatingFooter& Value)
{
    FState->FloatingFooter->Assign(Value);
}

TPrintSettings& TVezEzuzorEvad::PrintSettings()
{
    return *FState->PrintSettings;
}

void TVezEzuzorEvad::SetPrintSettings(const TPrintSettings& Value)
{
    FState->PrintSettings->Assign(Value);
}

THTMLSettings& TVezEzuzorEvad::HTMLSettings()
{
    return *FState->HTMLSettings;
}

void TVezEzuzorEvad::SetHTMLSettings(const THTMLSettings& Value)
{
    FState->HTMLSettings->Assign(Value);
}

TSortSettings& TVezEzuzorEvad::SortSettings()
{
    return *FState->SortSettings;
}

void TVezEzuzorEvad::SetSortSettings(const TSortSettings& Value)
{
    FState->SortSettings->Assign(Value);
}

TDragDropSettings& TVezEzuzorEvad::DragDropSettings()
{
    return *FState->DragDropSettings;
}

void TVezEzuzorEvad::SetDragDropSettings(const TDragDropSettings& Value)
{
    FState->DragDropSettings->Assign(Value);
}

TDragScrollOptions& TVezEzuzorEvad::DragScrollOptions()
{
    return *FState->DragScrollOptions;
}

void TVezEzuzorEvad::SetDragScrollOptions(const TDragScrollOptions& Value)
{
    FState->DragScrollOptions->Assign(Value);
}

TControlLook& TVezEzuzorEvad::ControlLook()
{
    return *FState->ControlLook;
}

void TVezEzuzorEvad::SetControlLook(const TControlLook& Value)
{
    FState->ControlLook->Assign(Value);
}

TNavigation& TVezEzuzorEvad::Navigation()
{
    return *FState->Navigation;
}

void TVezEzuzorEvad::SetNavigation(const TNavigation& Value)
{
    FState->Navigation->Assign(Value);
}

TColumnSize& TVezEzuzorEvad::ColumnSize()
{
    return *FState->ColumnSize;
}

void TVezEzuzorEvad::SetColumnSize(const TColumnSize& Value)
{
    FState->ColumnSize->Assign(Value);
}

TCellNode& TVezEzuzorEvad::CellNode()
{
    return *FState->CellNode;
}

void TVezEzuzorEvad::SetCellNode(const TCellNode& Value)
{
    FState->CellNode->Assign(Value);
}

TBands& TVezEzuzorEvad::Bands()
{
    return *FState->Bands;
}

void TVezEzuzorEvad::SetBands(const TBands& Value)
{
    FState->Bands->Assign(Value);
}

TSizeWhileTyping& TVezEzuzorEvad::SizeWhileTyping()
{
    return *FState->SizeWhileTyping;
}

TMouseActions& TVezEzuzorEvad::MouseActions()
{
    return *FState->MouseActions;
}

void TVezEzuzorEvad::SetMouseActions(const TMouseActions& Value)
{
    FState->MouseActions->Assign(Value);
}

TGrouping& TVezEzuzorEvad::Grouping()
{
    return *FState->Grouping;
}

void TVezEzuzorEvad::SetGrouping(const TGrouping& Value)
{
    FState->Grouping->Assign(Value);
}

foundation::THTMLPictureCache& TVezEzuzorEvad::ImageCache()
{
    return *FState->ImageCache;
}

foundation::TPictureContainer* TVezEzuzorEvad::GetPictureContainer() const
{
    return FState->PictureContainer;
}

void TVezEzuzorEvad::SetPictureContainer(foundation::TPictureContainer* Value)
{
    if (FState->PictureContainer == Value)
        return;
    if (FState->PictureContainer)
        RemoveFreeNotification(FState->PictureContainer);
    FState->PictureContainer = Value;
    if (Value)
        FreeNotification(Value);
    Invalidate();
}

TGridHtmlLayoutCache& TVezEzuzorEvad::HtmlLayouts()
{
    return *FState->HtmlLayouts;
}

plat::TPoint TVezEzuzorEvad::GetHoverCell() const
{
    return FState->HoverCell;
}

int TVezEzuzorEvad::GetHoverLink() const
{
    return FState->HoverLink;
}

void TVezEzuzorEvad::SetHoverLink(plat::TPoint ACell, int ALink)
{
    const plat::TPoint old = FState->HoverCell;
    if (old == ACell && FState->HoverLink == ALink)
        return;
    FState->HoverCell = ACell;
    FState->HoverLink = ALink;
    if (old.X >= 0 && old.Y >= 0)
        RepaintCell(old.X, old.Y);
    if (ACell != old && ACell.X >= 0 && ACell.Y >= 0)
        RepaintCell(ACell.X, ACell.Y);
}

plat::TStringList& TVezEzuzorEvad::LookupItems()
{
    return *FState->LookupItems;
}

void TVezEzuzorEvad::SetLookupItems(const plat::TStrings* Value)
{
    if (Value)
        FState->LookupItems->Assign(*Value);
}

TSortIndexList& TVezEzuzorEvad::SortIndexes()
{
    return *FState->SortIndexes;
}

TIntList& TVezEzuzorEvad::MergedColumns()
{
    return *FState->MergedColumns;
}

TBackGround& TVezEzuzorEvad::BackGround()
{
    return *FState->BackGround;
}

void TVezEzuzorEvad::SetBackGround(const TBackGround& Value)
{
    FState->BackGround->SetDisplay(Value.GetDisplay());
    FState->BackGround->SetCells(Value.GetCells());
    FState->BackGround->SetTop(Value.GetTop());
    FState->BackGround->SetLeft(Value.GetLeft());
    FState->BackGround->SetColor(Value.GetColor());
    FState->BackGround->SetColorTo(Value.GetColorTo());
    FState->BackGround->SetBitmap(Value.Bitmap());
    Invalidate();
}

TControlList& TVezEzuzorEvad::ControlList()
{
    return *FState->ControlList;
}

TGridProgressAppearance& TVezEzuzorEvad::ProgressAppearance()
{
    return *FState->ProgressAppearance;
}

void TVezEzuzorEvad::SetProgressAppearance(const TGridProgressAppearance& Value)
{
    FState->ProgressAppearance->Assign(Value);
}

TSyncGrid& TVezEzuzorEvad::SyncGrid()
{
    return *FState->SyncGrid;
}

void TVezEzuzorEvad::SetSyncGrid(const TSyncGrid& Value)
{
    FState->SyncGrid->Assign(Value);
    // The grid followed may go first; it is forgotten then (Notification).
    if (plat::TComponent* Other = FState->SyncGrid->GetGrid())
        FreeNotification(Other);
}

TFilter& TVezEzuzorEvad::Filter()
{
    return *FState->Filter;
}

void TVezEzuzorEvad::SetFilter(const TFilter& Value)
{
    FState->Filter->Assign(Value);
}

TBalloonSettings& TVezEzuzorEvad::Balloon()
{
    return *FState->Balloon;
}

void TVezEzuzorEvad::SetBalloon(const TBalloonSettings& Value)
{
    FState->Balloon->Assign(Value);
}

TShowModified& TVezEzuzorEvad::ShowModified()
{
    return *FState->ShowModified;
}

void TVezEzuzorEvad::SetShowModified(const TShowModified& Value)
{
    FState->ShowModified->Assign(Value);
}

foundation::TVezHintInfo& TVezEzuzorEvad::OfficeHint()
{
    return *FState->OfficeHint;
}

void TVezEzuzorEvad::SetOfficeHint(const foundation::TVezHintInfo& Value)
{
    FState->OfficeHint->Assign(Value);
}

TIntList& TVezEzuzorEvad::IgnoreColumns()
{
    return *FState->IgnoreColumns;
}

TFilterDropDown& TVezEzuzorEvad::FilterDropDown()
{
    return *FState->FilterDropDown;
}

void TVezEzuzorEvad::SetFilterDropDown(const TFilterDropDown& Value)
{
    FState->FilterDropDown->Assign(Value);
}

plat::TStringList& TVezEzuzorEvad::FilterList()
{
    return *FState->FilterList;
}

TCellGraphic& TVezEzuzorEvad::SharedCellGraphic()
{
    return *FState->CellGraphic;
}

// ---- Plain settings -------------------------------------------------------------------------

bool TVezEzuzorEvad::GetFitCellsInGrid() const
{
    return FState->FitCellsInGrid;
}

void TVezEzuzorEvad::SetFitCellsInGrid(bool Value)
{
    FState->FitCellsInGrid = Value;
}

bool TVezEzuzorEvad::GetFilterNormalCellsOnly() const
{
    return FState->FilterNormalCellsOnly;
}

void TVezEzuzorEvad::SetFilterNormalCellsOnly(bool Value)
{
    FState->FilterNormalCellsOnly = Value;
}

bool TVezEzuzorEvad::GetAutoFilterUpdate() const
{
    return FState->AutoFilterUpdate;
}

void TVezEzuzorEvad::SetAutoFilterUpdate(bool Value)
{
    FState->AutoFilterUpdate = Value;
}

bool TVezEzuzorEvad::GetUseInternalHintClass() const
{
    return FState->UseInternalHintClass;
}

void TVezEzuzorEvad::SetUseInternalHintClass(bool Value)
{
    FState->UseInternalHintClass = Value;
}

bool TVezEzuzorEvad::GetEnhRowColMove() const
{
    return FState->EnhRowColMove;
}

void TVezEzuzorEvad::SetEnhRowColMove(bool Value)
{
    FState->EnhRowColMove = Value;
}

bool TVezEzuzorEvad::GetEnableWheel() const
{
    return FState->EnableWheel;
}

void TVezEzuzorEvad::SetEnableWheel(bool Value)
{
    FState->EnableWheel = Value;
}

bool TVezEzuzorEvad::GetIntelliZoom() const
{
    return FState->IntelliZoom;
}

void TVezEzuzorEvad::SetIntelliZoom(bool Value)
{
    FState->IntelliZoom = Value;
}

bool TVezEzuzorEvad::GetLoadFirstRow() const
{
    return FState->LoadFirstRow;
}

void TVezEzuzorEvad::SetLoadFirstRow(bool Value)
{
    FState->LoadFirstRow = Value;
}

bool TVezEzuzorEvad::GetQuoteEmptyCells() const
{
    return FState->QuoteEmptyCells;
}

void TVezEzuzorEvad::SetQuoteEmptyCells(bool Value)
{
    FState->QuoteEmptyCells = Value;
}

bool TVezEzuzorEvad::GetShowNullDates() const
{
    return FState->ShowNullDates;
}

void TVezEzuzorEvad::SetShowNullDates(bool Value)
{
    FState->ShowNullDates = Value;
}

bool TVezEzuzorEvad::GetSaveFixedCells() const
{
    return FState->SaveFixedCells;
}

void TVezEzuzorEvad::SetSaveFixedCells(bool Value)
{
    FState->SaveFixedCells = Value;
}

bool TVezEzuzorEvad::GetSaveVirtCells() const
{
    return FState->SaveVirtCells;
}

void TVezEzuzorEvad::SetSaveVirtCells(bool Value)
{
    FState->SaveVirtCells = Value;
}

bool TVezEzuzorEvad::GetSaveWithHTML() const
{
    return FState->SaveWithHTML;
}

void TVezEzuzorEvad::SetSaveWithHTML(bool Value)
{
    FState->SaveWithHTML = Value;
}

TFilterDropDownColumns TVezEzuzorEvad::GetFilterDropDownColumns() const
{
    return FState->FilterDropDownColumns;
}

void TVezEzuzorEvad::SetFilterDropDownColumns(TFilterDropDownColumns Value)
{
    FState->FilterDropDownColumns = Value;
}

const std::string& TVezEzuzorEvad::GetXMLEncoding() const
{
    return FState->XMLEncoding;
}

void TVezEzuzorEvad::SetXMLEncoding(const std::string& Value)
{
    FState->XMLEncoding = Value;
}

const std::string& TVezEzuzorEvad::GetFilterDropDownClear() const
{
    return FState->FilterDropDownClear;
}

void TVezEzuzorEvad::SetFilterDropDownClear(const std::string& Value)
{
    FState->FilterDropDownClear = Value;
}

bool TVezEzuzorEvad::GetFilterDropDownAuto() const
{
    return FState->FilterDropDownAuto;
}

void TVezEzuzorEvad::SetFilterDropDownAuto(bool Value)
{
    FState->FilterDropDownAuto = Value;
}

TEditorType TVezEzuzorEvad::GetDefaultEditor() const
{
    return FState->DefaultEditor;
}

void TVezEzuzorEvad::SetDefaultEditor(TEditorType Value)
{
    FState->DefaultEditor = Value;
}

plat::TScrollStyle TVezEzuzorEvad::GetScrollBars() const
{
    return FState->ScrollBars;
}

bool TVezEzuzorEvad::GetLookupCaseSensitive() const
{
    return FState->LookupCaseSensitive;
}

void TVezEzuzorEvad::SetLookupCaseSensitive(bool Value)
{
    FState->LookupCaseSensitive = Value;
}

bool TVezEzuzorEvad::GetSizeGrowOnly() const
{
    return FState->SizeGrowOnly;
}

void TVezEzuzorEvad::SetSizeGrowOnly(bool Value)
{
    FState->SizeGrowOnly = Value;
}

bool TVezEzuzorEvad::GetAlwaysQuotes() const
{
    return FState->AlwaysQuotes;
}

void TVezEzuzorEvad::SetAlwaysQuotes(bool Value)
{
    FState->AlwaysQuotes = Value;
}

bool TVezEzuzorEvad::GetSaveFixedRows() const
{
    return FState->SaveFixedRows;
}

void TVezEzuzorEvad::SetSaveFixedRows(bool Value)
{
    FState->SaveFixedRows = Value;
}

bool TVezEzuzorEvad::GetSaveFixedCols() const
{
    return FState->SaveFixedCols;
}

void TVezEzuzorEvad::SetSaveFixedCols(bool Value)
{
    FState->SaveFixedCols = Value;
}

bool TVezEzuzorEvad::GetSaveHiddenCells() const
{
    return FState->SaveHiddenCells;
}

void TVezEzuzorEvad::SetSaveHiddenCells(bool Value)
{
    FState->SaveHiddenCells = Value;
}

bool TVezEzuzorEvad::GetExcelClipboardFormat() const
{
    return FState->ExcelClipboardFormat;
}

void TVezEzuzorEvad::SetExcelClipboardFormat(bool Value)
{
    FState->ExcelClipboardFormat = Value;
}

bool TVezEzuzorEvad::GetJavaCSV() const
{
    return FState->JavaCSV;
}

void TVezEzuzorEvad::SetJavaCSV(bool Value)
{
    FState->JavaCSV = Value;
}

bool TVezEzuzorEvad::GetClearTextOnly() const
{
    return FState->ClearTextOnly;
}

void TVezEzuzorEvad::SetClearTextOnly(bool Value)
{
    FState->ClearTextOnly = Value;
}

bool TVezEzuzorEvad::GetFilterIncremental() const
{
    return FState->FilterIncremental;
}

void TVezEzuzorEvad::SetFilterIncremental(bool Value)
{
    FState->FilterIncremental = Value;
}

int TVezEzuzorEvad::GetMinRowHeight() const
{
    return FState->MinRowHeight;
}

void TVezEzuzorEvad::SetMinRowHeight(int Value)
{
    FState->MinRowHeight = Value;
}

int TVezEzuzorEvad::GetMaxRowHeight() const
{
    return FState->MaxRowHeight;
}

void TVezEzuzorEvad::SetMaxRowHeight(int Value)
{
    FState->MaxRowHeight = Value;
}

int TVezEzuzorEvad::GetMinColWidth() const
{
    return FState->MinColWidth;
}

void TVezEzuzorEvad::SetMinColWidth(int Value)
{
    FState->MinColWidth = Value;
}

int TVezEzuzorEvad::GetMaxColWidth() const
{
    return FState->MaxColWidth;
}

void TVezEzuzorEvad::SetMaxColWidth(int Value)
{
    FState->MaxColWidth = Value;
}

int TVezEzuzorEvad::GetGroupColumn() const
{
    return FState->GroupColumn;
}

void TVezEzuzorEvad::SetGroupColumn(int Value)
{
    FState->GroupColumn = Value;
}

TInvalidEntryIcon TVezEzuzorEvad::GetInvalidEntryIcon() const
{
    return FState->InvalidEntryIcon;
}

void TVezEzuzorEvad::SetInvalidEntryIcon(TInvalidEntryIcon Value)
{
    FState->InvalidEntryIcon = Value;
}

const std::string& TVezEzuzorEvad::GetInvalidEntryTitle() const
{
    return FState->InvalidEntryTitle;
}

void TVezEzuzorEvad::SetInvalidEntryTitle(const std::string& Value)
{
    FState->InvalidEntryTitle = Value;
}

const std::string& TVezEzuzorEvad::GetInvalidEntryText() const
{
    return FState->InvalidEntryText;
}

void TVezEzuzorEvad::SetInvalidEntryText(const std::string& Value)
{
    FState->InvalidEntryText = Value;
}

plat::TColor TVezEzuzorEvad::GetHintColor() const
{
    return FState->HintColor;
}

void TVezEzuzorEvad::SetHintColor(plat::TColor Value)
{
    FState->HintColor = Value;
}

char TVezEzuzorEvad::GetDelimiter() const
{
    return FState->Delimiter;
}

void TVezEzuzorEvad::SetDelimiter(char Value)
{
    FState->Delimiter = Value;
}

const std::string& TVezEzuzorEvad::GetCheckTrue() const
{
    return FState->CheckTrue;
}

void TVezEzuzorEvad::SetCheckTrue(const std::string& Value)
{
    FState->CheckTrue = Value;
}

const std::string& TVezEzuzorEvad::GetCheckFalse() const
{
    return FState->CheckFalse;
}

void TVezEzuzorEvad::SetCheckFalse(const std::string& Value)
{
    FState->CheckFalse = Value;
}

TScrollType TVezEzuzorEvad::GetScrollType() const
{
    return FState->ScrollType;
}

void TVezEzuzorEvad::SetScrollType(TScrollType Value)
{
    FState->ScrollType = Value;
}

plat::TColor TVezEzuzorEvad::GetScrollColor() const
{
    return FState->ScrollColor;
}

void TVezEzuzorEvad::SetScrollColor(plat::TColor Value)
{
    FState->ScrollColor = Value;
}

int TVezEzuzorEvad::GetScrollWidth() const
{
    return FState->ScrollWidth;
}

void TVezEzuzorEvad::SetScrollWidth(int Value)
{
    FState->ScrollWidth = Value;
}

bool TVezEzuzorEvad::GetScrollProportional() const
{
    return FState->ScrollProportional;
}

void TVezEzuzorEvad::SetScrollProportional(bool Value)
{
    FState->ScrollProportional = Value;
}

bool TVezEzuzorEvad::GetScrollSynch() const
{
    return FState->ScrollSynch;
}

void TVezEzuzorEvad::SetScrollSynch(bool Value)
{
    FState->ScrollSynch = Value;
}

TScrollHintType TVezEzuzorEvad::GetScrollHints() const
{
    return FState->ScrollHints;
}

void TVezEzuzorEvad::SetScrollHints(TScrollHintType Value)
{
    FState->ScrollHints = Value;
}

TScrollBarAlways TVezEzuzorEvad::GetScrollBarAlways() const
{
    return FState->ScrollBarAlways;
}

TIntelliPan TVezEzuzorEvad::GetIntelliPan() const
{
    return FState->IntelliPan;
}

void TVezEzuzorEvad::SetIntelliPan(TIntelliPan Value)
{
    FState->IntelliPan = Value;
}

bool TVezEzuzorEvad::GetAnchorHint() const
{
    return FState->AnchorHint;
}

void TVezEzuzorEvad::SetAnchorHint(bool Value)
{
    FState->AnchorHint = Value;
}

bool TVezEzuzorEvad::GetAutoSize() const
{
    return FState->AutoSize;
}

void TVezEzuzorEvad::SetAutoSize(bool Value)
{
    FState->AutoSize = Value;
}

bool TVezEzuzorEvad::GetAutoThemeAdapt() const
{
    return FState->AutoThemeAdapt;
}

bool TVezEzuzorEvad::GetIntegralHeight() const
{
    return FState->IntegralHeight;
}

void TVezEzuzorEvad::SetIntegralHeight(bool Value)
{
    FState->IntegralHeight = Value;
}

bool TVezEzuzorEvad::GetHovering() const
{
    return FState->Hovering;
}

void TVezEzuzorEvad::SetHovering(bool Value)
{
    FState->Hovering = Value;
}

int TVezEzuzorEvad::GetMaxEditLength() const
{
    return FState->MaxEditLength;
}

bool TVezEzuzorEvad::GetSpreadSheet() const
{
    return FState->SpreadSheet;
}

void TVezEzuzorEvad::SetScrollBars(plat::TScrollStyle Value)
{
    FState->ScrollBars = Value;
    plat::TStringGrid::SetScrollBars(Value);
}

void TVezEzuzorEvad::SetScrollBarAlways(TScrollBarAlways Value)
{
    FState->ScrollBarAlways = Value;
    UpdateScrollBarsAlways(true);
}

void TVezEzuzorEvad::SetAutoThemeAdapt(bool Value)
{
    if (!plat::ChangeValue(FState->AutoThemeAdapt, Value))
        return;
    FState->SearchFooter->SetAutoThemeAdapt(Value);
    if (Value)
        Invalidate();
}

void TVezEzuzorEvad::SetMaxEditLength(int Value)
{
    FState->MaxEditLength = Value;
    if (plat::TInplaceEdit* Editor = InplaceEditor())
        Editor->SetMaxLength(Value);
}

void TVezEzuzorEvad::SetSpreadSheet(bool Value)
{
    FState->SpreadSheet = Value;
    SetSelectionRectangle(true);
    SetSelectionResizer(true);
    FState->Navigation->SetAllowSmartClipboard(true);
    plat::TGridOptions Options = GetOptions();
    Options.Include(plat::goRangeSelect);
    Options.Include(plat::goEditing);
    SetOptions(Options);
    FState->MouseActions->SetRangeSelectAndEdit(true);
}

void TVezEzuzorEvad::SetShowSelection(bool Value)
{
    SetShowSel(Value);
    FLook->SetShowSelection(Value);
}

void TVezEzuzorEvad::SetCursor(plat::TCursor Value)
{
    plat::TControl::SetCursor(Value);
    FState->RestoreCursor = Value;
}

plat::TCursor TVezEzuzorEvad::GetRestoreCursor() const
{
    return FState->RestoreCursor;
}

bool TVezEzuzorEvad::GetUseHTMLHints() const
{
    return FState->UseHTMLHints;
}

void TVezEzuzorEvad::SetUseHTMLHints(bool Value)
{
    FState->UseHTMLHints = Value;
}

bool TVezEzuzorEvad::GetModified() const
{
    return FState->Modified;
}

void TVezEzuzorEvad::SetModified(bool Value)
{
    FState->Modified = Value;
}

int TVezEzuzorEvad::GetPreviewPage() const
{
    return FState->PrintPageFrom;
}

void TVezEzuzorEvad::SetPreviewPage(int Value)
{
    FState->PrintPageFrom = Value;
    FState->PrintPageTo = Value;
}

int TVezEzuzorEvad::GetPrintPageTo() const
{
    return FState->PrintPageTo;
}

bool TVezEzuzorEvad::IsWinXP() const
{
    return FState->IsWinXP;
}

bool TVezEzuzorEvad::IsWin7() const
{
    return FState->IsWin7;
}

bool TVezEzuzorEvad::IsThemed() const
{
    return FState->IsThemed;
}

bool TVezEzuzorEvad::GetGridLoaded() const
{
    return FState->GridLoaded;
}

const TVezEzuzorEvad::TOldCell& TVezEzuzorEvad::OldCell() const
{
    return FState->OldCell;
}

}  // namespace skelda::grid
