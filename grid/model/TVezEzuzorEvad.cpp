#include "grid/model/TVezEzuzorEvad.h"

#include "foundation/THTMLPictureCache.h"
#include "foundation/TVezHintInfo.h"
#include "grid/controls/TArrowWindow.h"
#include "grid/controls/TControlCombo.h"
#include "grid/controls/TControlEdit.h"
#include "grid/controls/TDropCheckList.h"
#include "grid/controls/TDropList.h"
#include "grid/controls/TFooterPanel.h"
#include "grid/controls/TGridButton.h"
#include "grid/controls/TGridCheckBox.h"
#include "grid/controls/TGridCombo.h"
#include "grid/controls/TGridEditBtn.h"
#include "grid/controls/TGridFocusWindow.h"
#include "grid/controls/TGridTransCombo.h"
#include "grid/controls/TGridTransEdit.h"
#include "grid/controls/TGridUnitEditBtn.h"
#include "grid/controls/THTMLHintWindow.h"
#include "grid/controls/THeaderDragButton.h"
#include "grid/controls/TSearchPanel.h"
#include "grid/model/GridModuleIds.h"
#include "grid/model/TGridChangeNotifier.h"
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
#include "grid/support/CellGraphicCopy.h"
#include "grid/support/TCellGraphic.h"
#include "grid/support/TCellSelection.h"
#include "grid/support/TCollection.h"
#include "grid/support/TControlList.h"
#include "grid/support/TGridItem.h"
#include "grid/support/TIntList.h"
#include "grid/support/TLineSelection.h"
#include "grid/support/TSortIndexList.h"
#include "platform/controls/core/ExceptionBoundary.h"
#include "platform/controls/forms/TForm.h"
#include "platform/controls/forms/WindowTimers.h"
#include "platform/controls/standard/TScrollBar.h"
#include "platform/core/TStringList.h"
#include "platform/graphics/TBitmap.h"
#include "platform/grids/TGridCellStore.h"
#include "platform/system/SystemMetrics.h"

#include <algorithm>
#include <string>
#include <utility>

namespace skelda::grid {

namespace {

constexpr std::uint32_t VersionNr = 0x06000404;
constexpr int SearchPanelHeightPx = 32;

// A bar at the bottom of the grid that takes no room until its footer shows.
void MakeBottomBar(plat::TCustomPanel& Panel)
{
    Panel.SetAlign(plat::alBottom);
    Panel.SetHeight(0);
    Panel.SetBevelOuter(plat::bvNone);
    Panel.SetBorderStyle(plat::bsNone);
}

// An editor control waiting, hidden, on the grid until a cell needs it.
template <typename T>
T* HiddenChild(plat::TWinControl* Grid, bool Enabled = true)
{
    auto* Control = new T(Grid);
    Control->SetVisible(false);
    Control->SetEnabled(Enabled);
    Control->SetParent(Grid);
    return Control;
}

template <typename T>
void Forget(T*& Slot, const plat::TComponent* Gone)
{
    if (Slot == Gone)
        Slot = nullptr;
}

template <typename T>
void Free(T*& Slot)
{
    delete std::exchange(Slot, nullptr);
}

}  // namespace

// ---- Construction and destruction -------------------------------------------------------------

TVezEzuzorEvad::TVezEzuzorEvad(plat::TComponent* AOwner) : TBaseGrid(AOwner)
{
    // The window messages and the clipboard format are registered before the first grid exists.
    (void)GridModuleIds();
    CreateOwnedObjects();
    if (!ComponentState().Contains(plat::csDesigning))
        CreateEditorControls();
    SetDefaults();
    TakeOverFormResize();
}

void TVezEzuzorEvad::CreateOwnedObjects()
{
    const bool Designing = ComponentState().Contains(plat::csDesigning);
    const auto Repaint = [this](plat::TObject*) { Invalidate(); };

    FFooterPanel = new TFooterPanel(this);
    MakeBottomBar(*FFooterPanel);
    FSearchPanel = new TSearchPanel(this);
    MakeBottomBar(*FSearchPanel);
    FSpareFont = std::make_unique<plat::TFont>();
    FFocusHelper = std::make_unique<TFocusHelper>();
    FSearchFooter = std::make_unique<TSearchFooter>(true);
    FSearchFooter->OnChange = [this](plat::TObject*) { UpdateSearchPanel(); };
    FFloatingFooter = std::make_unique<TFloatingFooter>();
    FPrintSettings = std::make_unique<TPrintSettings>();
    FHTMLSettings = std::make_unique<THTMLSettings>();
    FSortSettings = std::make_unique<TSortSettings>();
    FDragDropSettings = std::make_unique<TDragDropSettings>();
    FDragScrollOptions = std::make_unique<TDragScrollOptions>();
    FControlLook = std::make_unique<TControlLook>();
    FNavigation = std::make_unique<TNavigation>();
    FNavigation->OnChange = [this](plat::TObject*) { NavigationChanged(); };
    FColumnSize = std::make_unique<TColumnSize>();
    FCellNode = std::make_unique<TCellNode>();
    FBands = std::make_unique<TBands>();
    FBands->OnChange = Repaint;
    FSizeWhileTyping = std::make_unique<TSizeWhileTyping>();
    FMouseActions = std::make_unique<TMouseActions>();
    FMouseActions->OnChange = [this](plat::TObject*) { MouseActionsChanged(); };
    FMouseActions->OnIsDesigning = [this](plat::TObject*) { return IsDesigning(); };
    FMouseActions->OnInvalidate = [this](plat::TObject*) { InvalidateRequest(); };
    FGrouping = std::make_unique<TGrouping>();
    FColumnHeaders = std::make_unique<plat::TStringList>();
    FColumnHeaders->OnChange = [this](plat::TObject*) {
        ColumnHeadersChanged();
        ShowColumnHeaders();
    };
    FImageCache = std::make_unique<foundation::THTMLPictureCache>();
    FFixedFont = std::make_unique<plat::TFont>();
    FFixedFont->SetName("Tahoma");
    FFixedFont->SetStyle({plat::fsBold});
    FFixedFont->OnChange = Repaint;
    FActiveCellFont = std::make_unique<plat::TFont>();
    FActiveCellFont->SetStyle({plat::fsBold});
    if (Designing)
        FActiveCellFont->SetName("Tahoma");
    FActiveCellFont->OnChange = Repaint;
    FRowHeaders = std::make_unique<plat::TStringList>();
    FRowHeaders->OnChange = [this](plat::TObject*) { ShowRowHeaders(); };
    FSortList = std::make_unique<plat::TStringList>();
    FLookupItems = std::make_unique<plat::TStringList>();
    FRowSelection = std::make_unique<TLineSelection>();
    FColSelection = std::make_unique<TLineSelection>();
    FSortIndexes = std::make_unique<TSortIndexList>(-1, -1);
    FSelectedCells = std::make_unique<TCellSelection>();
    FSortXRef = std::make_unique<TIntList>(-1, -1);
    FMergedColumns = std::make_unique<TIntList>(-1, -1);
    FRowIndicator = std::make_unique<plat::TBitmap>();
    FBackGround = std::make_unique<TBackGround>();
    FScrollHintWindow = new THTMLHintWindow(this);
    FControlList = std::make_unique<TControlList>();
    FProgressAppearance = std::make_unique<TGridProgressAppearance>();
    FProgressAppearance->OnChange = Repaint;
    FSyncGrid = std::make_unique<TSyncGrid>(this);
    FHiddenRows = std::make_unique<TCollectionOf<TGridItem>>();
    FFilter = std::make_unique<TFilter>();
    FBalloon = std::make_unique<TBalloonSettings>();
    FShowModified = std::make_unique<TShowModified>();
    FShowModified->OnChange = [this](plat::TObject*) { RepaintCol(0); };
    FColumnOrder = std::make_unique<TIntList>(-1, -1);
    FCellGraphic = std::make_unique<TCellGraphic>();
    FOfficeHint = std::make_unique<foundation::TVezHintInfo>();
    FIgnoreColumns = std::make_unique<TIntList>(-1, -1);
    FFilterDropDown = std::make_unique<TFilterDropDown>();
    FFilterDropDown->OnChange = Repaint;
    FDropList = new TDropList(this);
    FDropCheckList = new TDropCheckList(this);
    for (plat::TListBox* List : {static_cast<plat::TListBox*>(FDropList),
                                 static_cast<plat::TListBox*>(FDropCheckList)}) {
        List->SetBounds(0, 0, 0, 0);
        List->SetVisible(false);
    }
    FFilterList = std::make_unique<plat::TStringList>();
    FFilterList->SetSorted(true);
    FFilterList->SetDuplicates(plat::dupIgnore);
}

void TVezEzuzorEvad::CreateEditorControls()
{
    FFocusWindow = new TGridFocusWindow(this);
    for (int Dir = arrUp; Dir <= arrRight; ++Dir)
        FArrows[Dir] = new TArrowWindow(this, static_cast<TArrowDirection>(Dir));
    FGridCombo = HiddenChild<TGridCombo>(this, false);
    FGridCombo->SetIsWinXP(FIsThemed);
    FEditTrans = HiddenChild<TGridTransEdit>(this);
    FEditTrans->SetBorderStyle(plat::bsNone);
    FComboTrans = HiddenChild<TGridTransCombo>(this);
    FGridCheck = HiddenChild<TGridCheckBox>(this, false);
    FEditBtn = HiddenChild<TGridEditBtn>(this, false);
    FEditBtn->SetButtonCaption("...");
    FEditBtn->SetBorderStyle(plat::bsNone);
    FUnitEditBtn = HiddenChild<TGridUnitEditBtn>(this, false);
    FUnitEditBtn->SetButtonCaption("...");
    FUnitEditBtn->SetBorderStyle(plat::bsNone);
    FGridButton = HiddenChild<TGridButton>(this, false);
    FMoveButton = HiddenChild<THeaderDragButton>(this, false);
    FControlEdit = HiddenChild<TControlEdit>(this);
    FControlCombo = HiddenChild<TControlCombo>(this);
    FScrollBar = new plat::TScrollBar(this);
    FScrollBar->SetVisible(false);
    FPaintScrollBar = new plat::TScrollBar(this);
    FPaintScrollBar->SetVisible(false);
}

void TVezEzuzorEvad::FreeChildControls()
{
    Free(FFooterPanel);
    Free(FSearchPanel);
    Free(FScrollHintWindow);
    Free(FDropList);
    Free(FDropCheckList);
    for (TArrowWindow*& Arrow : FArrows)
        Free(Arrow);
}

void TVezEzuzorEvad::ForgetChildControl(const plat::TComponent* Gone)
{
    Forget(FFooterPanel, Gone);
    Forget(FSearchPanel, Gone);
    Forget(FScrollHintWindow, Gone);
    Forget(FDropList, Gone);
    Forget(FDropCheckList, Gone);
    Forget(FFocusWindow, Gone);
    for (TArrowWindow*& Arrow : FArrows)
        Forget(Arrow, Gone);
    Forget(FGridCombo, Gone);
    Forget(FEditTrans, Gone);
    Forget(FComboTrans, Gone);
    Forget(FGridCheck, Gone);
    Forget(FEditBtn, Gone);
    Forget(FUnitEditBtn, Gone);
    Forget(FGridButton, Gone);
    Forget(FMoveButton, Gone);
    Forget(FControlEdit, Gone);
    Forget(FControlCombo, Gone);
    Forget(FScrollBar, Gone);
    Forget(FPaintScrollBar, Gone);
}

void TVezEzuzorEvad::SetDefaults()
{
    SetRowCount(10);
    SetBounds(GetLeft(), GetTop(), 400, 250);
    SetDefaultRowHeight(22);
    FFixedRowHeight = GetDefaultRowHeight();
    SetAutoSize(false);
    FZORGradientTo = plat::ColorToRGB(plat::clBtnFace);
    FBorderColor = FIsWinXP ? static_cast<plat::TColor>(0xB99D7F) : plat::clGray;
    FScrollWidth = plat::GetSystemMetrics(plat::SM_CXVSCROLL);
    SetScrollBars(plat::ssBoth);
}

TVezEzuzorEvad::~TVezEzuzorEvad()
{
    // Nothing below may reach the owner's events or repaint a grid that is going.
    Destroying();
    Free(FScrollBar);
    Free(FPaintScrollBar);
    GiveBackFormResize();
    FClearTextOnly = false;
    FSaveHiddenCells = false;
    if (GetHasCellProps())
        FreeAllCellProperties();

    FSpareFont.reset();
    FFocusHelper.reset();
    FSearchFooter.reset();
    FFloatingFooter.reset();
    FPrintSettings.reset();
    FHTMLSettings.reset();
    FSortSettings.reset();
    FDragDropSettings.reset();
    FDragScrollOptions.reset();
    FControlLook.reset();
    FNavigation.reset();
    FColumnSize.reset();
    FCellNode.reset();
    FBands.reset();
    FSizeWhileTyping.reset();
    FMouseActions.reset();
    FGrouping.reset();
    FColumnHeaders.reset();
    FImageCache.reset();
    FFixedFont.reset();
    FActiveCellFont.reset();
    FRowHeaders.reset();
    FSortList.reset();
    FLookupItems.reset();
    FRowSelection.reset();
    FColSelection.reset();
    FSortIndexes.reset();
    FSelectedCells.reset();
    FSortXRef.reset();
    FMergedColumns.reset();
    FRowIndicator.reset();
    FBackGround.reset();
    FControlList.reset();
    FProgressAppearance.reset();
    FSyncGrid.reset();
    FHiddenRows.reset();
    FFilter.reset();
    FBalloon.reset();
    FShowModified.reset();
    FNotifiers.clear();
    FColumnOrder.reset();
    FCellGraphic.reset();
    FOfficeHint.reset();
    FIgnoreColumns.reset();
    FFilterDropDown.reset();
    FFilterList.reset();
    FreeChildControls();

    Free(FFocusWindow);
    Free(FGridCombo);
    Free(FEditTrans);
    Free(FComboTrans);
    Free(FGridCheck);
    Free(FEditBtn);
    Free(FUnitEditBtn);
    Free(FGridButton);
    Free(FMoveButton);
    Free(FControlEdit);
    Free(FControlCombo);
}

// ---- The owner form's resize handler ----------------------------------------------------------

void TVezEzuzorEvad::TakeOverFormResize()
{
    auto* Form = dynamic_cast<plat::TCustomForm*>(Owner());
    if (!Form || ComponentState().Contains(plat::csDesigning))
        return;
    FOwnerForm = plat::TControlRef<plat::TCustomForm>(Form);
    FResizeAssigned = static_cast<bool>(Form->OnResize);
    FFormResize = Form->OnResize;
    Form->OnResize = [this](plat::TObject* Sender) { OwnerFormResize(Sender); };
    FPrevSizeX = Form->GetWidth();
    FPrevSizeY = Form->GetHeight();
}

void TVezEzuzorEvad::GiveBackFormResize()
{
    // A form on its way out (it frees the grid then) or already gone needs no handler back.
    plat::TCustomForm* Form = FOwnerForm.Get();
    if (!Form || Form->ComponentState().Contains(plat::csDestroying))
        return;
    Form->OnResize = FFormResize;
    FOwnerForm = {};
}

void TVezEzuzorEvad::OwnerFormResize(plat::TObject* Sender)
{
    if (ComponentState().Contains(plat::csDesigning) || IsDestroying())
        return;
    if (!FResizeAssigned)
        return;
    // The form's own handler must not break the grid's resizing; its failure is reported like
    // any other that reaches the event loop.
    try {
        FFormResize(Sender);
    } catch (...) {
        plat::HandleExceptionAtBoundary(Sender);
    }
}

// ---- Copying ----------------------------------------------------------------------------------

void TVezEzuzorEvad::Assign(const plat::TPersistent& Source)
{
    const auto* Src = dynamic_cast<const TVezEzuzorEvad*>(&Source);
    if (!Src || Src == this)
        return;
    Font().Assign(Src->Font());
    SetActiveCellColor(Src->FActiveCellColor);
    SetActiveCellColorTo(Src->FActiveCellColorTo);
    SetActiveCellFont(*Src->FActiveCellFont);
    SetActiveCellShow(Src->FActiveCellShow);
    SetActiveRowShow(Src->GetActiveRowShow());
    SetAlign(Src->GetAlign());
    FFilterDropDown->Assign(*Src->FFilterDropDown);
    FAnchorHint = Src->FAnchorHint;
    FAutoNumAlign = Src->FAutoNumAlign;
    FAutoSize = Src->FAutoSize;
    SetAutoThemeAdapt(Src->FAutoThemeAdapt);
    FAutoFilterUpdate = Src->FAutoFilterUpdate;
    FMouseActions->Assign(*Src->FMouseActions);
    FNavigation->Assign(*Src->FNavigation);
    FGrouping->Assign(*Src->FGrouping);
    FSearchFooter->Assign(*Src->FSearchFooter);
    FPrintSettings->Assign(*Src->FPrintSettings);
    FFilter->Assign(*Src->FFilter);
    FHTMLSettings->Assign(*Src->FHTMLSettings);
    FBands->Assign(*Src->FBands);
    FCellNode->Assign(*Src->FCellNode);
    FSortSettings->Assign(*Src->FSortSettings);
    FDragScrollOptions->Assign(*Src->FDragScrollOptions);
    FDragDropSettings->Assign(*Src->FDragDropSettings);
    FProgressAppearance->Assign(*Src->FProgressAppearance);
    FColumnSize->Assign(*Src->FColumnSize);
    SetSyncGrid(*Src->FSyncGrid);
    FFocusHelper->Assign(*Src->FFocusHelper);
    FOfficeHint->Assign(*Src->FOfficeHint);
    FFixedRowAlways = Src->FFixedRowAlways;

    SetColCount(Src->GetColCount());
    SetRowCount(Src->GetRowCount());
    SetFixedRows(Src->GetFixedRows());
    SetFixedCols(Src->GetFixedCols());
    SetDefaultColWidth(Src->GetDefaultColWidth());
    SetDefaultRowHeight(Src->GetDefaultRowHeight());
    SetFixedRowHeight(Src->FFixedRowHeight);
    SetFixedColWidth(Src->GetFixedColWidth());
    FInvalidEntryTitle = Src->FInvalidEntryTitle;
    FInvalidEntryIcon = Src->FInvalidEntryIcon;
    FInvalidEntryText = Src->FInvalidEntryText;
    SetOptions(Src->GetOptions());
    for (int C = 0; C < GetColCount(); ++C)
        SetColWidths(C, Src->GetColWidths(C));
    SetColumnHeaders(*Src->FColumnHeaders);
    for (int R = 0; R < GetRowCount(); ++R)
        SetRowHeights(R, Src->GetRowHeights(R));
    FScrollProportional = Src->FScrollProportional;
    FScrollSynch = Src->FScrollSynch;
    FScrollWidth = Src->FScrollWidth;
    FScrollHints = Src->FScrollHints;
    FScrollBarAlways = Src->FScrollBarAlways;
    SetScrollBars(Src->FScrollBars);
    SetScrollColor(Src->FScrollColor);
    SetScrollType(Src->FScrollType);
    SetScrollWidth(Src->FScrollWidth);
    AssignCells(Source);
}

// The grid's cell stream carries the whole grid: its counts, the column widths and row heights,
// every stored cell text (also of cells beyond the counts and of covered cells of merged
// blocks), every cell record with its cell object, and the merged blocks. Without that stream,
// the copy goes cell by cell from the source itself, to the same effect.
void TVezEzuzorEvad::AssignCells(const plat::TPersistent& Source)
{
    const auto* Src = dynamic_cast<const TVezEzuzorEvad*>(&Source);
    if (!Src || Src == this)
        return;
    AssignCellsFrom(*Src);
}

void TVezEzuzorEvad::AssignCellsFrom(const TVezEzuzorEvad& Source)
{
    FreeAllCellProperties();
    CellStore().Clear();
    SetColCount(Source.GetColCount());
    SetRowCount(Source.GetRowCount());
    for (int C = 0; C < GetColCount(); ++C)
        SetColWidths(C, Source.GetColWidths(C));
    for (int R = 0; R < GetRowCount(); ++R)
        SetRowHeights(R, Source.GetRowHeights(R));

    // Read only: the store of the source is not changed.
    const plat::TGridCellStore& Store = const_cast<TVezEzuzorEvad&>(Source).CellStore();
    for (int R = 0; R < Store.RowExtent(); ++R)
        for (int C = 0; C < Store.ColExtent(); ++C) {
            const std::string& Text = Source.GetRawCell(C, R);
            if (!Text.empty())
                SetCellText(C, R, Text);
        }
    for (int R = 0; R < Store.RowExtent(); ++R)
        for (int C = 0; C < Store.ColExtent(); ++C) {
            const TCellProperties* From = Source.FindCellProperties(C, R);
            if (!From)
                continue;
            auto Record = std::make_unique<TCellProperties>(this, C, R);
            Record->Assign(*From);
            // Merge data comes back with the blocks below, so the block index stays true.
            Record->SetIsBaseCell(true);
            Record->SetCellSpanX(-1);
            Record->SetCellSpanY(-1);
            Record->SetGradientDirection(From->GetGradientDirection());
            // A control placed in a cell stays with the grid it was placed on.
            Record->SetControl(nullptr);
            if (const auto* Graphic = dynamic_cast<const TCellGraphic*>(From->GetGraphicObject())) {
                Record->SetGraphicObject(
                    CopyCellGraphic(*Graphic, C, R, [this](plat::TObject* List, int ACol, int ARow) {
                        MultiImageChanged(List, ACol, ARow);
                    }).release());
            }
            SetObjects(C, R, Record.release());
            // Written after the record sits in its slot: its own repaint then finds it there.
            FindCellProperties(C, R)->SetBrushColorTo(From->GetBrushColorTo());
        }
    for (const plat::TGridRect& Block : Source.MergedCells().Blocks())
        MergeCells(Block.Left, Block.Top, Block.Right - Block.Left + 1, Block.Bottom - Block.Top + 1);
    Invalidate();
}

// ---- Listeners and notifiers ------------------------------------------------------------------

void TVezEzuzorEvad::RegisterNotifier(TGridChangeNotifier* Notifier)
{
    if (!Notifier || std::find(FNotifiers.begin(), FNotifiers.end(), Notifier) != FNotifiers.end())
        return;
    FNotifiers.push_back(Notifier);
    FreeNotification(Notifier);
}

void TVezEzuzorEvad::UnRegisterNotifier(TGridChangeNotifier* Notifier)
{
    const auto It = std::find(FNotifiers.begin(), FNotifiers.end(), Notifier);
    if (It == FNotifiers.end())
        return;
    FNotifiers.erase(It);
    RemoveFreeNotification(Notifier);
}

void TVezEzuzorEvad::CellsChanged(const plat::TRect& R)
{
    if (OnCellsChanged)
        OnCellsChanged(this, R);
    // A notifier may unregister itself or others while it is told.
    const std::vector<TGridChangeNotifier*> Notifiers = FNotifiers;
    for (TGridChangeNotifier* Notifier : Notifiers)
        if (std::find(FNotifiers.begin(), FNotifiers.end(), Notifier) != FNotifiers.end())
            Notifier->CellsChangedNotify(R);
    CalcFooter(-1);
}

void TVezEzuzorEvad::CalcFooter(int) {}

void TVezEzuzorEvad::Notification(plat::TComponent* AComponent, plat::TOperation Operation)
{
    TBaseGrid::Notification(AComponent, Operation);
    if (Operation != plat::opRemove)
        return;
    std::erase(FNotifiers, AComponent);
    ForgetChildControl(AComponent);
    if (FSyncGrid && FSyncGrid->GetGrid() == AComponent)
        FSyncGrid->SetGrid(nullptr);
}

// ---- Version ----------------------------------------------------------------------------------

std::uint32_t TVezEzuzorEvad::GetVersionNr() const
{
    return VersionNr;
}

std::string TVezEzuzorEvad::GetVersion() const
{
    const std::uint32_t Nr = GetVersionNr();
    std::string Result;
    for (int Shift = 24; Shift >= 0; Shift -= 8) {
        if (!Result.empty())
            Result += '.';
        Result += std::to_string((Nr >> Shift) & 0xFF);
    }
    return Result;
}

std::string TVezEzuzorEvad::GetVersionString() const
{
    return GetVersion() + " Mar, 2012";
}

// ---- Window, size and repaint -----------------------------------------------------------------

void TVezEzuzorEvad::InitOrigColSizes()
{
    FOrigColSizes.resize(static_cast<std::size_t>(GetColCount()));
    for (int C = 0; C < GetColCount(); ++C)
        FOrigColSizes[static_cast<std::size_t>(C)] = GetColWidths(C);
    FOrigWidth = GetWidth();
}

void TVezEzuzorEvad::Invalidate()
{
    if (FEditChange) {
        FEditChange = false;
        return;
    }
    TBaseGrid::Invalidate();
    if (!IsLoading())
        RepaintFooter();
}

void TVezEzuzorEvad::Resize()
{
    TBaseGrid::Resize();
    const TBackGroundDisplay Display = FBackGround->GetDisplay();
    if ((Display == bdGradientHorz || Display == bdGradientVert) && FBackGround->GetColorTo() != plat::clNone)
        Invalidate();
    UpdateScrollBarsAlways(false);
    if (ComponentState().Contains(plat::csDesigning))
        Invalidate();
}

void TVezEzuzorEvad::UpdateScrollBarsAlways(bool Force)
{
    const bool Fits[2] = {GetVisibleColCount() + GetFixedCols() >= GetColCount(),
                          GetVisibleRowCount() + GetFixedRows() >= GetRowCount()};
    const bool Wanted[2] = {FScrollBarAlways == saHorz || FScrollBarAlways == saBoth,
                            FScrollBarAlways == saVert || FScrollBarAlways == saBoth};
    for (int Bar = 0; Bar < 2; ++Bar) {
        if (FScrollBarAlways != saNone) {
            FAlwaysBarShown[Bar] = !Fits[Bar] || Wanted[Bar];
            FAlwaysBarEnabled[Bar] = !Fits[Bar];
        } else if (Force) {
            FAlwaysBarShown[Bar] = !Fits[Bar];
            FAlwaysBarEnabled[Bar] = true;
        }
    }
}

void TVezEzuzorEvad::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    const int RowHeight = GetDefaultRowHeight();
    if (FIntegralHeight && !Updating() && RowHeight > 0) {
        const bool ColsFit = GetVisibleColCount() + GetFixedCols() >= GetColCount();
        const int ScrollBarHeight = ColsFit ? 0 : plat::GetSystemMetrics(plat::SM_CYHSCROLL);
        const int Border = GetBorderStyle() == plat::bsSingle ? 2 : 0;
        const int Content = AHeight - ScrollBarHeight - Border;
        AHeight = Content - Content % RowHeight + ScrollBarHeight + 2 * Border;
    }
    TBaseGrid::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TVezEzuzorEvad::SetScrollBars(plat::TScrollStyle Value)
{
    FScrollBars = Value;
    plat::TStringGrid::SetScrollBars(Value);
}

void TVezEzuzorEvad::SetBorderColor(plat::TColor Value)
{
    RepaintIfChanged(std::exchange(FBorderColor, Value) != Value);
}

void TVezEzuzorEvad::RepaintIfChanged(bool Changed)
{
    if (Changed)
        Invalidate();
}

void TVezEzuzorEvad::CreateWnd()
{
    TBaseGrid::CreateWnd();
    if (IsDestroying() || !GetParent())
        return;
    const bool Designing = ComponentState().Contains(plat::csDesigning);
    if (!Designing)
        for (plat::TScrollBar* Bar : {FScrollBar, FPaintScrollBar}) {
            if (!Bar)
                continue;
            Bar->SetVisible(false);
            Bar->SetTabStop(false);
            Bar->SetKind(plat::sbVertical);
            Bar->SetParent(this);
        }
    if (FFooterPanel) {
        FFooterPanel->SetParent(this);
        FFooterPanel->SetVisible(FFloatingFooter->GetVisible());
    }
    if (FSearchPanel) {
        FSearchPanel->SetParent(this);
        FSearchPanel->SetVisible(FSearchFooter->GetVisible());
    }
    UpdateSearchPanel();
    plat::SetTimer(this, GridTimerID, GridTimerMs);
    if (Designing && !IsLoading() && !FWindowCreatedBefore)
        Font().SetName("Tahoma");
    FWindowCreatedBefore = true;
    FIsWinXP = FIsWinXP && FIsThemed;
}

void TVezEzuzorEvad::DestroyWnd()
{
    plat::KillTimer(this, GridTimerID);
    TBaseGrid::DestroyWnd();
}

void TVezEzuzorEvad::Loaded()
{
    TBaseGrid::Loaded();
    FRestoreCursor = GetCursor();
    ShowColumnHeaders();
    ShowRowHeaders();
    FMinFixedRows = GetFixedRows();
    FMinFixedCols = GetFixedCols();
    FMaxRowCount = GetRowCount();
    FGridLoaded = true;
    plat::TGridOptions Options = GetOptions();
    if (Options.Contains(plat::goAlwaysShowEditor)) {
        FNavigation->SetAlwaysEdit(true);
        Options.Exclude(plat::goAlwaysShowEditor);
        SetOptions(Options);
    }
    if (!ComponentState().Contains(plat::csDesigning) && FControlLook->GetControlStyle() == csTheme && !FIsThemed)
        FControlLook->SetControlStyle(csClassic);
    FSearchFooter->SetAutoThemeAdapt(FAutoThemeAdapt);
    UpdateSearchPanel();
    UpdateScrollBarsAlways(false);
    InitOrigColSizes();
}

void TVezEzuzorEvad::UpdateSearchPanel()
{
    if (!FSearchPanel || !FSearchFooter)
        return;
    const TSearchFooter& Footer = *FSearchFooter;
    FSearchPanel->SetColor(Footer.GetColor());
    FSearchPanel->SetColorTo(Footer.GetColorTo());
    FSearchPanel->Font().Assign(Footer.Font());
    FSearchPanel->SetFindNextCaption(Footer.GetFindNextCaption());
    FSearchPanel->SetFindPrevCaption(Footer.GetFindPrevCaption());
    FSearchPanel->SetMatchCaseCaption(Footer.GetMatchCaseCaption());
    FSearchPanel->SetHighLightCaption(Footer.GetHighLightCaption());
    FSearchPanel->SetHintClose(Footer.GetHintClose());
    FSearchPanel->SetHintFindNext(Footer.GetHintFindNext());
    FSearchPanel->SetHintFindPrev(Footer.GetHintFindPrev());
    FSearchPanel->SetHintHighlight(Footer.GetHintHighlight());
    FSearchPanel->SetHeight(Footer.GetVisible() ? SearchPanelHeightPx : 0);
    if (FSearchPanel->GetParent())
        FSearchPanel->SetVisible(Footer.GetVisible());
}

int TVezEzuzorEvad::SearchPanelHeight() const
{
    return FSearchPanel ? FSearchPanel->GetHeight() : 0;
}

void TVezEzuzorEvad::RepaintFooter()
{
    if (FFooterPanel && FFloatingFooter && FFloatingFooter->GetVisible())
        FFooterPanel->Invalidate();
}

void TVezEzuzorEvad::FooterHeightChanged(int Value)
{
    if (FFooterPanel && FFloatingFooter->GetVisible())
        FFooterPanel->SetHeight(Value);
}

// ---- Owned groups -----------------------------------------------------------------------------

void TVezEzuzorEvad::SetFocusHelper(const TFocusHelper& Value)
{
    FFocusHelper->Assign(Value);
}

void TVezEzuzorEvad::SetSearchFooter(const TSearchFooter& Value)
{
    FSearchFooter->Assign(Value);
}

void TVezEzuzorEvad::SetFloatingFooter(const TFloatingFooter& Value)
{
    FFloatingFooter->Assign(Value);
}

void TVezEzuzorEvad::SetPrintSettings(const TPrintSettings& Value)
{
    FPrintSettings->Assign(Value);
}

void TVezEzuzorEvad::SetHTMLSettings(const THTMLSettings& Value)
{
    FHTMLSettings->Assign(Value);
}

void TVezEzuzorEvad::SetSortSettings(const TSortSettings& Value)
{
    FSortSettings->Assign(Value);
}

void TVezEzuzorEvad::SetDragDropSettings(const TDragDropSettings& Value)
{
    FDragDropSettings->Assign(Value);
}

void TVezEzuzorEvad::SetDragScrollOptions(const TDragScrollOptions& Value)
{
    FDragScrollOptions->Assign(Value);
}

void TVezEzuzorEvad::SetControlLook(const TControlLook& Value)
{
    FControlLook->Assign(Value);
}

void TVezEzuzorEvad::SetNavigation(const TNavigation& Value)
{
    FNavigation->Assign(Value);
}

void TVezEzuzorEvad::SetColumnSize(const TColumnSize& Value)
{
    FColumnSize->Assign(Value);
}

void TVezEzuzorEvad::SetCellNode(const TCellNode& Value)
{
    FCellNode->Assign(Value);
}

void TVezEzuzorEvad::SetBands(const TBands& Value)
{
    FBands->Assign(Value);
}

void TVezEzuzorEvad::SetMouseActions(const TMouseActions& Value)
{
    FMouseActions->Assign(Value);
}

void TVezEzuzorEvad::SetGrouping(const TGrouping& Value)
{
    FGrouping->Assign(Value);
}

void TVezEzuzorEvad::SetProgressAppearance(const TGridProgressAppearance& Value)
{
    FProgressAppearance->Assign(Value);
}

void TVezEzuzorEvad::SetSyncGrid(const TSyncGrid& Value)
{
    FSyncGrid->Assign(Value);
    // The grid followed may go first; it is forgotten then (Notification).
    if (plat::TComponent* Other = FSyncGrid->GetGrid())
        FreeNotification(Other);
}

void TVezEzuzorEvad::SetFilter(const TFilter& Value)
{
    FFilter->Assign(Value);
}

void TVezEzuzorEvad::SetBalloon(const TBalloonSettings& Value)
{
    FBalloon->Assign(Value);
}

void TVezEzuzorEvad::SetShowModified(const TShowModified& Value)
{
    FShowModified->Assign(Value);
}

void TVezEzuzorEvad::SetOfficeHint(const foundation::TVezHintInfo& Value)
{
    FOfficeHint->Assign(Value);
}

void TVezEzuzorEvad::SetFilterDropDown(const TFilterDropDown& Value)
{
    FFilterDropDown->Assign(Value);
}

void TVezEzuzorEvad::SetPreviewPage(int Value)
{
    FPrintPageFrom = Value;
    FPrintPageTo = Value;
}

// ---- Hooks with nothing of their own ----------------------------------------------------------

void TVezEzuzorEvad::ColumnHeadersChanged() {}

void TVezEzuzorEvad::MouseActionsChanged() {}

bool TVezEzuzorEvad::IsDesigning()
{
    return ComponentState().Contains(plat::csDesigning);
}

void TVezEzuzorEvad::InvalidateRequest()
{
    Invalidate();
}

void TVezEzuzorEvad::NavigationChanged() {}

}  // namespace skelda::grid
