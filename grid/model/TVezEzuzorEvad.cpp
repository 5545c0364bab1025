// The string grid's construction and destruction, the objects it owns and the child controls it
// makes, the owner form's resize handler, copying, notifiers and the version.

#include "grid/model/TVezEzuzorEvad.h"

#include "foundation/THTMLPictureCache.h"
#include "foundation/TPictureContainer.h"
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
#include "grid/drawing/ThemedParts.h"
#include "grid/model/GridModuleIds.h"
#include "grid/model/TGridChangeNotifier.h"
#include "grid/model/TVezEzuzorEvadHost.h"
#include "grid/model/TVezEzuzorEvadState.h"
#include "grid/painting/TCellPaintSettings.h"
#include "grid/painting/TGridHtmlLayoutCache.h"
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
#include "platform/core/TCollection.h"
#include "grid/support/TControlList.h"
#include "grid/support/TGridItem.h"
#include "grid/support/TIntList.h"
#include "grid/support/TSortIndexList.h"
#include "platform/controls/core/ExceptionBoundary.h"
#include "platform/controls/forms/TForm.h"
#include "platform/controls/standard/TScrollBar.h"
#include "platform/core/TStringList.h"
#include "platform/grids/TGridCellStore.h"
#include "platform/system/Environment.h"
#include "platform/system/PlatformInformation.h"
#include "platform/system/SystemMetrics.h"

#include <algorithm>
#include <string>
#include <utility>

namespace skelda::grid {

namespace {

constexpr std::uint32_t VersionNr = 0x06000404;

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

TVezEzuzorEvadState::TVezEzuzorEvadState() = default;

TVezEzuzorEvadState::~TVezEzuzorEvadState() = default;

// ---- Construction and destruction -------------------------------------------------------------

TVezEzuzorEvad::TVezEzuzorEvad(plat::TComponent* AOwner)
    : TBaseGrid(AOwner), FHost(std::make_unique<THost>(*this))
    , FHidden(std::make_unique<THiddenLines>(*FHost))
    , FState(std::make_unique<TVezEzuzorEvadState>())
{
    // The window messages and the clipboard format are registered before the first grid exists.
    (void)GridModuleIds();
    RecordPlatformAnswers();
    CreateOwnedObjects();
    if (!ComponentState().Contains(plat::csDesigning))
        CreateEditorControls();
    SetDefaults();
    TakeOverFormResize();
}

void TVezEzuzorEvad::RecordPlatformAnswers()
{
    const plat::IPlatformInformation& Platform = *plat::Env().Platform;
    const plat::TOSVersionInfo Version = Platform.GetVersionEx();
    const auto AtLeast = [&Version](int Major, int Minor) {
        return Version.MajorVersion > Major || (Version.MajorVersion == Major && Version.MinorVersion >= Minor);
    };
    FState->IsWinXP = AtLeast(5, 1);
    FState->IsWin7 = AtLeast(6, 1);
    FState->IsThemed = Platform.GetCommonControlsVersion().Major > 5;
}

void TVezEzuzorEvad::CreateOwnedObjects()
{
    const bool Designing = ComponentState().Contains(plat::csDesigning);
    const auto Repaint = [this](plat::TObject*) { Invalidate(); };

    FState->FooterPanel = new TFooterPanel(this);
    MakeBottomBar(*FState->FooterPanel);
    FState->SearchPanel = new TSearchPanel(this);
    MakeBottomBar(*FState->SearchPanel);
    FState->SpareFont = std::make_unique<plat::TFont>();
    FState->FocusHelper = std::make_unique<TFocusHelper>();
    FState->SearchFooter = std::make_unique<TSearchFooter>(true);
    FState->SearchFooter->OnChange = [this](plat::TObject*) { UpdateSearchPanel(); };
    FState->FloatingFooter = std::make_unique<TFloatingFooter>();
    FState->PrintSettings = std::make_unique<TPrintSettings>();
    FState->HTMLSettings = std::make_unique<THTMLSettings>();
    FState->SortSettings = std::make_unique<TSortSettings>();
    FState->DragDropSettings = std::make_unique<TDragDropSettings>();
    FState->DragScrollOptions = std::make_unique<TDragScrollOptions>();
    FState->ControlLook = std::make_unique<TControlLook>();
    FState->Navigation = std::make_unique<TNavigation>();
    FState->Navigation->OnChange = [this](plat::TObject*) { NavigationChanged(); };
    FState->ColumnSize = std::make_unique<TColumnSize>();
    FState->CellNode = std::make_unique<TCellNode>();
    FState->Bands = std::make_unique<TBands>();
    FState->Bands->OnChange = Repaint;
    FState->SizeWhileTyping = std::make_unique<TSizeWhileTyping>();
    FState->MouseActions = std::make_unique<TMouseActions>();
    FState->MouseActions->OnChange = [this](plat::TObject*) { MouseActionsChanged(); };
    FState->MouseActions->OnIsDesigning = [this](plat::TObject*) { return IsDesigning(); };
    FState->MouseActions->OnInvalidate = [this](plat::TObject*) { InvalidateRequest(); };
    FState->Grouping = std::make_unique<TGrouping>();
    FState->ImageCache = std::make_unique<foundation::THTMLPictureCache>();
    FState->HtmlLayouts = std::make_unique<TGridHtmlLayoutCache>();
    FState->SortList = std::make_unique<plat::TStringList>();
    FState->LookupItems = std::make_unique<plat::TStringList>();
    FState->SortIndexes = std::make_unique<TSortIndexList>(-1, -1);
    FState->SortXRef = std::make_unique<TIntList>(-1, -1);
    FState->MergedColumns = std::make_unique<TIntList>(-1, -1);
    FState->BackGround = std::make_unique<TBackGround>();
    FState->ScrollHintWindow = new THTMLHintWindow(this);
    FState->ControlList = std::make_unique<TControlList>();
    FState->ProgressAppearance = std::make_unique<TGridProgressAppearance>();
    FState->ProgressAppearance->OnChange = Repaint;
    FState->SyncGrid = std::make_unique<TSyncGrid>(this);
    FState->Filter = std::make_unique<TFilter>();
    FState->Balloon = std::make_unique<TBalloonSettings>();
    FState->ShowModified = std::make_unique<TShowModified>();
    FState->ShowModified->OnChange = [this](plat::TObject*) { RepaintCol(0); };
    FState->ColumnOrder = std::make_unique<TIntList>(-1, -1);
    FState->CellGraphic = std::make_unique<TCellGraphic>();
    FState->OfficeHint = std::make_unique<foundation::TVezHintInfo>();
    FState->IgnoreColumns = std::make_unique<TIntList>(-1, -1);
    FState->FilterDropDown = std::make_unique<TFilterDropDown>();
    FState->FilterDropDown->OnChange = Repaint;
    FState->DropList = new TDropList(this);
    FState->DropCheckList = new TDropCheckList(this);
    for (plat::TListBox* List : {static_cast<plat::TListBox*>(FState->DropList),
                                 static_cast<plat::TListBox*>(FState->DropCheckList)}) {
        List->SetBounds(0, 0, 0, 0);
        List->SetVisible(false);
    }
    FState->FilterList = std::make_unique<plat::TStringList>();
    FState->FilterList->SetSorted(true);
    FState->FilterList->SetDuplicates(plat::dupIgnore);

    FLook = std::make_unique<TGridLookSettings>(*FHost, Designing, FState->IsWinXP);
    FSelection = std::make_unique<TDisjunctSelection>(*FHost, *FState->MouseActions);
    FRowMarks = std::make_unique<TRowMarks>(*this);
    FStructure = std::make_unique<TGridStructure>(*FHost);
    FHeaders = std::make_unique<THeaderTexts>(*FHost);
    const TCellPaintSettings Paint{*FLook,
                                   *FState->ControlLook,
                                   *FState->SortSettings,
                                   *FState->SortIndexes,
                                   *FState->BackGround,
                                   *FState->Filter,
                                   *FState->FilterDropDown,
                                   *FState->Bands,
                                   *FState->ShowModified,
                                   *FState->MouseActions,
                                   *FState->PrintSettings,
                                   FSelection->Rows(),
                                   FSelection->Cols(),
                                   FSelection->Cells()};
    FCellLook = std::make_unique<TCellLook>(*FHost, Paint);
    FPainter = std::make_unique<TCellPainter>(*FHost, Paint, *FCellLook);
}

void TVezEzuzorEvad::CreateEditorControls()
{
    FState->FocusWindow = new TGridFocusWindow(this);
    for (int Dir = arrUp; Dir <= arrRight; ++Dir)
        FState->Arrows[Dir] = new TArrowWindow(this, static_cast<TArrowDirection>(Dir));
    FState->GridCombo = HiddenChild<TGridCombo>(this, false);
    FState->GridCombo->SetIsWinXP(ThemedControlsAvailable());
    FState->EditTrans = HiddenChild<TGridTransEdit>(this);
    FState->EditTrans->SetBorderStyle(plat::bsNone);
    FState->ComboTrans = HiddenChild<TGridTransCombo>(this);
    FState->GridCheck = HiddenChild<TGridCheckBox>(this, false);
    FState->EditBtn = HiddenChild<TGridEditBtn>(this, false);
    FState->EditBtn->SetButtonCaption("...");
    FState->EditBtn->SetBorderStyle(plat::bsNone);
    FState->UnitEditBtn = HiddenChild<TGridUnitEditBtn>(this, false);
    FState->UnitEditBtn->SetButtonCaption("...");
    FState->UnitEditBtn->SetBorderStyle(plat::bsNone);
    FState->GridButton = HiddenChild<TGridButton>(this, false);
    FState->MoveButton = HiddenChild<THeaderDragButton>(this, false);
    FState->ControlEdit = HiddenChild<TControlEdit>(this);
    FState->ControlCombo = HiddenChild<TControlCombo>(this);
    FState->ScrollBar = new plat::TScrollBar(this);
    FState->ScrollBar->SetVisible(false);
    FState->PaintScrollBar = new plat::TScrollBar(this);
    FState->PaintScrollBar->SetVisible(false);
}

void TVezEzuzorEvad::FreeChildControls()
{
    Free(FState->FooterPanel);
    Free(FState->SearchPanel);
    Free(FState->ScrollHintWindow);
    Free(FState->DropList);
    Free(FState->DropCheckList);
    for (TArrowWindow*& Arrow : FState->Arrows)
        Free(Arrow);
}

void TVezEzuzorEvad::ForgetChildControl(const plat::TComponent* Gone)
{
    Forget(FState->FooterPanel, Gone);
    Forget(FState->SearchPanel, Gone);
    Forget(FState->ScrollHintWindow, Gone);
    Forget(FState->DropList, Gone);
    Forget(FState->DropCheckList, Gone);
    Forget(FState->FocusWindow, Gone);
    for (TArrowWindow*& Arrow : FState->Arrows)
        Forget(Arrow, Gone);
    Forget(FState->GridCombo, Gone);
    Forget(FState->EditTrans, Gone);
    Forget(FState->ComboTrans, Gone);
    Forget(FState->GridCheck, Gone);
    Forget(FState->EditBtn, Gone);
    Forget(FState->UnitEditBtn, Gone);
    Forget(FState->GridButton, Gone);
    Forget(FState->MoveButton, Gone);
    Forget(FState->ControlEdit, Gone);
    Forget(FState->ControlCombo, Gone);
    Forget(FState->ScrollBar, Gone);
    Forget(FState->PaintScrollBar, Gone);
}

void TVezEzuzorEvad::SetDefaults()
{
    SetRowCount(10);
    SetBounds(GetLeft(), GetTop(), 400, 250);
    SetDefaultRowHeight(22);
    FState->FixedRowHeight = GetDefaultRowHeight();
    SetAutoSize(false);
    FState->ScrollWidth = plat::GetSystemMetrics(plat::SM_CXVSCROLL);
    SetScrollBars(plat::ssBoth);
}

TVezEzuzorEvad::~TVezEzuzorEvad()
{
    // Nothing below may reach the owner's events or repaint a grid that is going.
    Destroying();
    FPainter.reset();
    FCellLook.reset();
    Free(FState->ScrollBar);
    Free(FState->PaintScrollBar);
    GiveBackFormResize();
    FState->ClearTextOnly = false;
    FState->SaveHiddenCells = false;
    if (GetHasCellProps())
        FreeAllCellProperties();

    FState->SpareFont.reset();
    FState->FocusHelper.reset();
    FState->SearchFooter.reset();
    FState->FloatingFooter.reset();
    FState->PrintSettings.reset();
    FState->HTMLSettings.reset();
    FState->SortSettings.reset();
    FState->DragDropSettings.reset();
    FState->DragScrollOptions.reset();
    FState->ControlLook.reset();
    FState->Navigation.reset();
    FState->ColumnSize.reset();
    FState->CellNode.reset();
    FState->Bands.reset();
    FState->SizeWhileTyping.reset();
    FState->MouseActions.reset();
    FState->Grouping.reset();
    FHeaders.reset();
    FState->ImageCache.reset();
    FState->HtmlLayouts.reset();
    FLook.reset();
    FState->SortList.reset();
    FState->LookupItems.reset();
    FSelection.reset();
    FState->SortIndexes.reset();
    FState->SortXRef.reset();
    FState->MergedColumns.reset();
    FRowMarks.reset();
    FState->BackGround.reset();
    FState->ControlList.reset();
    FState->ProgressAppearance.reset();
    FState->SyncGrid.reset();
    FHidden->ClearHiddenRows();
    FState->Filter.reset();
    FState->Balloon.reset();
    FState->ShowModified.reset();
    FState->Notifiers.clear();
    FState->ColumnOrder.reset();
    FState->CellGraphic.reset();
    FState->OfficeHint.reset();
    FState->IgnoreColumns.reset();
    FState->FilterDropDown.reset();
    FState->FilterList.reset();
    FreeChildControls();

    Free(FState->FocusWindow);
    Free(FState->GridCombo);
    Free(FState->EditTrans);
    Free(FState->ComboTrans);
    Free(FState->GridCheck);
    Free(FState->EditBtn);
    Free(FState->UnitEditBtn);
    Free(FState->GridButton);
    Free(FState->MoveButton);
    Free(FState->ControlEdit);
    Free(FState->ControlCombo);
}

// ---- The owner form's resize handler ----------------------------------------------------------

void TVezEzuzorEvad::TakeOverFormResize()
{
    auto* Form = dynamic_cast<plat::TCustomForm*>(Owner());
    if (!Form || ComponentState().Contains(plat::csDesigning))
        return;
    FState->OwnerForm = plat::TControlRef<plat::TCustomForm>(Form);
    FState->ResizeAssigned = static_cast<bool>(Form->OnResize);
    FState->FormResize = Form->OnResize;
    Form->OnResize = [this](plat::TObject* Sender) { OwnerFormResize(Sender); };
    FState->PrevSizeX = Form->GetWidth();
    FState->PrevSizeY = Form->GetHeight();
}

void TVezEzuzorEvad::GiveBackFormResize()
{
    // A form on its way out (it frees the grid then) or already gone needs no handler back.
    plat::TCustomForm* Form = FState->OwnerForm.Get();
    if (!Form || Form->ComponentState().Contains(plat::csDestroying))
        return;
    Form->OnResize = FState->FormResize;
    FState->OwnerForm = {};
}

void TVezEzuzorEvad::OwnerFormResize(plat::TObject* Sender)
{
    if (ComponentState().Contains(plat::csDesigning) || IsDestroying())
        return;
    if (!FState->ResizeAssigned)
        return;
    // The form's own handler must not break the grid's resizing; its failure is reported like
    // any other that reaches the event loop.
    try {
        FState->FormResize(Sender);
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
    SetActiveCellColor(Src->GetActiveCellColor());
    SetActiveCellColorTo(Src->GetActiveCellColorTo());
    SetActiveCellFont(Src->FLook->ActiveCellFont());
    SetActiveCellShow(Src->GetActiveCellShow());
    SetActiveRowShow(Src->GetActiveRowShow());
    SetAlign(Src->GetAlign());
    FState->FilterDropDown->Assign(*Src->FState->FilterDropDown);
    FState->AnchorHint = Src->FState->AnchorHint;
    SetAutoNumAlign(Src->GetAutoNumAlign());
    FState->AutoSize = Src->FState->AutoSize;
    SetAutoThemeAdapt(Src->FState->AutoThemeAdapt);
    FState->AutoFilterUpdate = Src->FState->AutoFilterUpdate;
    FState->MouseActions->Assign(*Src->FState->MouseActions);
    FState->Navigation->Assign(*Src->FState->Navigation);
    FState->Grouping->Assign(*Src->FState->Grouping);
    FState->SearchFooter->Assign(*Src->FState->SearchFooter);
    FState->PrintSettings->Assign(*Src->FState->PrintSettings);
    FState->Filter->Assign(*Src->FState->Filter);
    FState->HTMLSettings->Assign(*Src->FState->HTMLSettings);
    FState->Bands->Assign(*Src->FState->Bands);
    FState->CellNode->Assign(*Src->FState->CellNode);
    FState->SortSettings->Assign(*Src->FState->SortSettings);
    FState->DragScrollOptions->Assign(*Src->FState->DragScrollOptions);
    FState->DragDropSettings->Assign(*Src->FState->DragDropSettings);
    FState->ProgressAppearance->Assign(*Src->FState->ProgressAppearance);
    FState->ColumnSize->Assign(*Src->FState->ColumnSize);
    SetSyncGrid(*Src->FState->SyncGrid);
    FState->FocusHelper->Assign(*Src->FState->FocusHelper);
    FState->OfficeHint->Assign(*Src->FState->OfficeHint);
    FState->FixedRowAlways = Src->FState->FixedRowAlways;

    SetColCount(Src->GetColCount());
    SetRowCount(Src->GetRowCount());
    SetFixedRows(Src->GetFixedRows());
    SetFixedCols(Src->GetFixedCols());
    SetDefaultColWidth(Src->GetDefaultColWidth());
    SetDefaultRowHeight(Src->GetDefaultRowHeight());
    SetFixedRowHeight(Src->FState->FixedRowHeight);
    SetFixedColWidth(Src->GetFixedColWidth());
    FState->InvalidEntryTitle = Src->FState->InvalidEntryTitle;
    FState->InvalidEntryIcon = Src->FState->InvalidEntryIcon;
    FState->InvalidEntryText = Src->FState->InvalidEntryText;
    SetOptions(Src->GetOptions());
    for (int C = 0; C < GetColCount(); ++C)
        SetColWidths(C, Src->GetColWidths(C));
    SetColumnHeaders(Src->FHeaders->ColumnHeaders());
    for (int R = 0; R < GetRowCount(); ++R)
        SetRowHeights(R, Src->GetRowHeights(R));
    FState->ScrollProportional = Src->FState->ScrollProportional;
    FState->ScrollSynch = Src->FState->ScrollSynch;
    FState->ScrollWidth = Src->FState->ScrollWidth;
    FState->ScrollHints = Src->FState->ScrollHints;
    FState->ScrollBarAlways = Src->FState->ScrollBarAlways;
    SetScrollBars(Src->FState->ScrollBars);
    SetScrollColor(Src->FState->ScrollColor);
    SetScrollType(Src->FState->ScrollType);
    SetScrollWidth(Src->FState->ScrollWidth);
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

void TVezEzuzorEvad::RegisterSelListener(ITVezEzuzorEvadSelect* Listener)
{
    FState->SelListener = Listener;
}

void TVezEzuzorEvad::UnRegisterSelListener(ITVezEzuzorEvadSelect*)
{
    FState->SelListener = nullptr;
}

ITVezEzuzorEvadSelect* TVezEzuzorEvad::SelListener() const
{
    return FState->SelListener;
}

void TVezEzuzorEvad::RegisterNotifier(TGridChangeNotifier* Notifier)
{
    if (!Notifier || std::find(FState->Notifiers.begin(), FState->Notifiers.end(), Notifier) != FState->Notifiers.end())
        return;
    FState->Notifiers.push_back(Notifier);
    FreeNotification(Notifier);
}

void TVezEzuzorEvad::UnRegisterNotifier(TGridChangeNotifier* Notifier)
{
    const auto It = std::find(FState->Notifiers.begin(), FState->Notifiers.end(), Notifier);
    if (It == FState->Notifiers.end())
        return;
    FState->Notifiers.erase(It);
    RemoveFreeNotification(Notifier);
}

void TVezEzuzorEvad::CellsChanged(const plat::TRect& R)
{
    if (OnCellsChanged)
        OnCellsChanged(this, R);
    // A notifier may unregister itself or others while it is told.
    const std::vector<TGridChangeNotifier*> Notifiers = FState->Notifiers;
    for (TGridChangeNotifier* Notifier : Notifiers)
        if (std::find(FState->Notifiers.begin(), FState->Notifiers.end(), Notifier) != FState->Notifiers.end())
            Notifier->CellsChangedNotify(R);
    CalcFooter(-1);
}

void TVezEzuzorEvad::CalcFooter(int) {}

void TVezEzuzorEvad::Notification(plat::TComponent* AComponent, plat::TOperation Operation)
{
    TBaseGrid::Notification(AComponent, Operation);
    if (Operation != plat::opRemove)
        return;
    std::erase(FState->Notifiers, AComponent);
    ForgetChildControl(AComponent);
    if (FState->SyncGrid && FState->SyncGrid->GetGrid() == AComponent)
        FState->SyncGrid->SetGrid(nullptr);
    if (FState->PictureContainer == AComponent)
        FState->PictureContainer = nullptr;
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
