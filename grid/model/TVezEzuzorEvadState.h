#pragma once

// The string grid's own fields, apart from what its helper classes keep: the settings groups,
// lists and child windows it owns, the state of its window, lock and timer, its dimensions and
// its plain settings. Only the grid's own files include this.

#include "grid/cells/TEditorType.h"
#include "grid/model/TVezEzuzorEvad.h"
#include "grid/model/VezGridTypes.h"
#include "platform/controls/core/ControlTypes.h"
#include "platform/controls/core/TControl.h"
#include "platform/graphics/Colors.h"

#include <memory>
#include <string>
#include <vector>

namespace plat {
template <typename TItem>
class TCollectionOf;
class TCustomForm;
class TScrollBar;
}  // namespace plat

namespace skelda::grid {

// Besides the classes the grid's header names.
class TArrowWindow;
class TControlCombo;
class TControlEdit;
class TDropCheckList;
class TDropList;
class TGridButton;
class TGridCheckBox;
class TGridCombo;
class TGridEditBtn;
class TGridFocusWindow;
class TGridHtmlLayoutCache;
class TGridItem;
class TGridTransCombo;
class TGridTransEdit;
class TGridUnitEditBtn;
class THTMLHintWindow;
class THeaderDragButton;

struct TVezEzuzorEvadState {
    TVezEzuzorEvadState();
    ~TVezEzuzorEvadState();

    // Settings groups, lists and windows, in the order the constructor makes them.
    TFooterPanel* FooterPanel = nullptr;
    TSearchPanel* SearchPanel = nullptr;
    std::unique_ptr<plat::TFont> SpareFont;
    std::unique_ptr<TFocusHelper> FocusHelper;
    std::unique_ptr<TSearchFooter> SearchFooter;
    std::unique_ptr<TFloatingFooter> FloatingFooter;
    std::unique_ptr<TPrintSettings> PrintSettings;
    std::unique_ptr<THTMLSettings> HTMLSettings;
    std::unique_ptr<TSortSettings> SortSettings;
    std::unique_ptr<TDragDropSettings> DragDropSettings;
    std::unique_ptr<TDragScrollOptions> DragScrollOptions;
    std::unique_ptr<TControlLook> ControlLook;
    std::unique_ptr<TNavigation> Navigation;
    std::unique_ptr<TColumnSize> ColumnSize;
    std::unique_ptr<TCellNode> CellNode;
    std::unique_ptr<TBands> Bands;
    std::unique_ptr<TSizeWhileTyping> SizeWhileTyping;
    std::unique_ptr<TMouseActions> MouseActions;
    std::unique_ptr<TGrouping> Grouping;
    std::unique_ptr<foundation::THTMLPictureCache> ImageCache;
    std::unique_ptr<TGridHtmlLayoutCache> HtmlLayouts;
    foundation::TPictureContainer* PictureContainer = nullptr;
    plat::TPoint HoverCell{-1, -1};
    int HoverLink = -1;
    std::unique_ptr<plat::TStringList> SortList;
    std::unique_ptr<plat::TStringList> LookupItems;
    std::unique_ptr<TSortIndexList> SortIndexes;
    std::unique_ptr<TIntList> SortXRef;
    std::unique_ptr<TIntList> MergedColumns;
    std::unique_ptr<TBackGround> BackGround;
    THTMLHintWindow* ScrollHintWindow = nullptr;
    std::unique_ptr<TControlList> ControlList;
    std::unique_ptr<TGridProgressAppearance> ProgressAppearance;
    std::unique_ptr<TSyncGrid> SyncGrid;
    std::unique_ptr<TFilter> Filter;
    std::unique_ptr<TBalloonSettings> Balloon;
    std::unique_ptr<TShowModified> ShowModified;
    std::vector<TGridChangeNotifier*> Notifiers;
    std::unique_ptr<TIntList> ColumnOrder;
    std::unique_ptr<TCellGraphic> CellGraphic;
    std::unique_ptr<foundation::TVezHintInfo> OfficeHint;
    std::unique_ptr<TIntList> IgnoreColumns;
    std::unique_ptr<TFilterDropDown> FilterDropDown;
    TDropList* DropList = nullptr;
    TDropCheckList* DropCheckList = nullptr;
    std::unique_ptr<plat::TStringList> FilterList;
    // Made outside design mode only; freed with the grid.
    TGridFocusWindow* FocusWindow = nullptr;
    TArrowWindow* Arrows[4] = {};
    TGridCombo* GridCombo = nullptr;
    TGridTransEdit* EditTrans = nullptr;
    TGridTransCombo* ComboTrans = nullptr;
    TGridCheckBox* GridCheck = nullptr;
    TGridEditBtn* EditBtn = nullptr;
    TGridUnitEditBtn* UnitEditBtn = nullptr;
    TGridButton* GridButton = nullptr;
    THeaderDragButton* MoveButton = nullptr;
    TControlEdit* ControlEdit = nullptr;
    TControlCombo* ControlCombo = nullptr;
    // The scroll bar shown over a scroll-bar cell, and the one cells of that kind are painted with.
    plat::TScrollBar* ScrollBar = nullptr;
    plat::TScrollBar* PaintScrollBar = nullptr;

    ITVezEzuzorEvadSelect* SelListener = nullptr;
    std::vector<int> OrigColSizes;
    int OrigWidth = 0;
    TVezEzuzorEvad::TOldCell OldCell;

    // The owner form's resize handler, chained while the grid lives.
    plat::TControlRef<plat::TCustomForm> OwnerForm;
    plat::TNotifyEvent FormResize;
    bool ResizeAssigned = false;
    int PrevSizeX = 0;
    int PrevSizeY = 0;

    int UpdateCount = 0;
    bool EditChange = false;
    // The row OnRowChanged told last; none yet at first.
    int ReportedRow = -1;
    // Rows are being inserted or deleted: the footer row moves with the others.
    bool RowsShifting = false;
    bool EnableBlink = false;
    bool GridBlink = false;
    int TimerTicks = 0;
    int SearchTics = 0;
    std::string SearchInc;
    bool GridLoaded = false;
    bool WindowCreatedBefore = false;
    bool IsWinXP = false;
    bool IsWin7 = false;
    bool IsThemed = false;
    bool AlwaysBarShown[2] = {};
    bool AlwaysBarEnabled[2] = {};

    int MinFixedRows = 0;
    int MinFixedCols = 0;
    int MaxRowCount = 0;
    int MaxColCount = 0;
    int FixedFooters = 0;
    int FixedRightCols = 0;
    int FixedRowHeight = 22;
    bool FixedRowAlways = false;
    bool FixedColAlways = false;

    bool FitCellsInGrid = true;
    bool FilterNormalCellsOnly = true;
    bool AutoFilterUpdate = true;
    bool UseInternalHintClass = true;
    bool EnhRowColMove = true;
    bool EnableWheel = true;
    bool IntelliZoom = true;
    bool LoadFirstRow = true;
    bool QuoteEmptyCells = true;
    bool ShowNullDates = true;
    bool SaveFixedCells = true;
    bool SaveVirtCells = true;
    bool SaveWithHTML = true;
    TFilterDropDownColumns FilterDropDownColumns = fdNormal;
    std::string XMLEncoding = "ISO-8859-1";
    std::string FilterDropDownClear = "(All)";
    bool FilterDropDownAuto = false;
    TEditorType DefaultEditor = edNormal;
    plat::TScrollStyle ScrollBars = plat::ssBoth;
    bool LookupCaseSensitive = false;
    bool SizeGrowOnly = false;
    bool AlwaysQuotes = false;
    bool SaveFixedRows = false;
    bool SaveFixedCols = false;
    bool SaveHiddenCells = false;
    bool ExcelClipboardFormat = false;
    bool JavaCSV = false;
    bool ClearTextOnly = false;
    bool UseEnabledRows = false;
    bool FilterIncremental = false;
    int MinRowHeight = 0;
    int MaxRowHeight = 0;
    int MinColWidth = 0;
    int MaxColWidth = 0;
    int GroupColumn = -1;
    TInvalidEntryIcon InvalidEntryIcon = ieWarning;
    std::string InvalidEntryTitle;
    std::string InvalidEntryText;
    plat::TColor HintColor = plat::clInfoBk;
    char Delimiter = '\0';
    std::string CheckTrue = "Y";
    std::string CheckFalse = "N";
    TScrollType ScrollType = ssNormal;
    plat::TColor ScrollColor = plat::clNone;
    int ScrollWidth = 17;
    bool ScrollProportional = false;
    bool ScrollSynch = false;
    TScrollHintType ScrollHints = shNone;
    TScrollBarAlways ScrollBarAlways = saNone;
    TIntelliPan IntelliPan = ipVertical;
    bool AnchorHint = false;
    bool AutoSize = false;
    bool AutoThemeAdapt = false;
    bool IntegralHeight = false;
    bool Hovering = false;
    int MaxEditLength = 0;
    bool SpreadSheet = false;
    plat::TCursor RestoreCursor = plat::crDefault;
    bool UseHTMLHints = false;
    bool Modified = false;
    int PrintPageFrom = 1;
    int PrintPageTo = 1;
};

}  // namespace skelda::grid
