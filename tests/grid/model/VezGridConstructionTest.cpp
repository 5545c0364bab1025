#include "VezGridTesting.h"
#include "tests/grid/settings/PropertyTable.h"

#include "grid/cells/TEditorType.h"
#include "grid/controls/TGridEditBtn.h"
#include "grid/controls/TSearchPanel.h"
#include "grid/model/ITVezEzuzorEvadSelect.h"
#include "grid/model/TGridChangeNotifier.h"
#include "grid/settings/TControlLook.h"
#include "grid/settings/TNavigation.h"
#include "grid/support/TCellGraphic.h"
#include "platform/controls/core/ControlTypes.h"
#include "platform/core/TStringList.h"
#include "platform/system/PlatformInformation.h"
#include "platform/system/SystemMetrics.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace skelda::grid::testing {
namespace {

using C = TVezEzuzorEvad;

std::vector<TProperty> DefaultsTable()
{
    return {
        SKELDA_PROP(RowCount, 10),
        SKELDA_PROP(Width, 400),
        SKELDA_PROP(Height, 250),
        SKELDA_PROP(DefaultRowHeight, 22),
        SKELDA_PROP(FixedRowHeight, 22),
        SKELDA_PROP(AutoSize, false),
        SKELDA_PROP(FitCellsInGrid, true),
        SKELDA_PROP(FilterNormalCellsOnly, true),
        SKELDA_PROP(AutoFilterUpdate, true),
        SKELDA_PROP(UseInternalHintClass, true),
        SKELDA_PROP(ShowDesignHelper, true),
        SKELDA_PROP(EnhRowColMove, true),
        SKELDA_PROP(UseDisabledFont, true),
        SKELDA_PROP(EnableWheel, true),
        SKELDA_PROP(IntelliZoom, true),
        SKELDA_PROP(LoadFirstRow, true),
        SKELDA_PROP(ShowSelection, true),
        SKELDA_PROP(QuoteEmptyCells, true),
        SKELDA_PROP(EnableHTML, true),
        SKELDA_PROP(ShowNullDates, true),
        SKELDA_PROP(SaveFixedCells, true),
        SKELDA_PROP(SaveVirtCells, true),
        SKELDA_PROP(SaveWithHTML, true),
        SKELDA_PROP(HoverFixedCells, hfNone),
        SKELDA_PROP(SelectionColorMixerFactor, 50),
        SKELDA_PROP(FilterDropDownColumns, fdNormal),
        SKELDA_PROP(XMLEncoding, std::string("ISO-8859-1")),
        SKELDA_PROP(FilterDropDownClear, std::string("(All)")),
        SKELDA_PROP(DefaultEditor, edNormal),
        SKELDA_PROP(DefaultAlignment, plat::taLeftJustify),
        SKELDA_PROP(DisabledFontColor, 0xC0C0C0),
        SKELDA_PROP(ActiveCellColor, 0x808080),
        SKELDA_PROP(ActiveCellColorTo, plat::clNone),
        SKELDA_PROP(ScrollBars, plat::ssBoth),
        SKELDA_PROP(LookupCaseSensitive, false),
        SKELDA_PROP(SizeGrowOnly, false),
        SKELDA_PROP(AlwaysQuotes, false),
        SKELDA_PROP(SaveFixedRows, false),
        SKELDA_PROP(SaveFixedCols, false),
        SKELDA_PROP(SaveHiddenCells, false),
        SKELDA_PROP(ExcelClipboardFormat, false),
        SKELDA_PROP(JavaCSV, false),
        SKELDA_PROP(ClearTextOnly, false),
        SKELDA_PROP(FilterIncremental, false),
        SKELDA_PROP(MinRowHeight, 0),
        SKELDA_PROP(MaxRowHeight, 0),
        SKELDA_PROP(MinColWidth, 0),
        SKELDA_PROP(MaxColWidth, 0),
        SKELDA_PROP(ZoomFactor, 0),
        SKELDA_PROP(GroupColumn, -1),
        SKELDA_PROP(InvalidEntryIcon, ieWarning),
        SKELDA_PROP(HintColor, plat::clInfoBk),
        SKELDA_PROP(HighlightColor, plat::clHighlight),
        SKELDA_PROP(HighlightTextColor, plat::clHighlightText),
        SKELDA_PROP(SelectionColor, 0xEACAB6),
        SKELDA_PROP(SelectionColorTo, plat::clNone),
        SKELDA_PROP(SelectionMirrorColor, plat::clNone),
        SKELDA_PROP(SelectionMirrorColorTo, plat::clNone),
        SKELDA_PROP(SelectionTextColor, 0),
        SKELDA_PROP(URLColor, 0xFF0000),
        SKELDA_PROP(VAlignment, vtaTop),
        SKELDA_PROP(Delimiter, 0),
        SKELDA_PROP(FloatFormat, std::string("%.2f")),
        SKELDA_PROP(PasswordChar, '*'),
        SKELDA_PROP(CheckTrue, std::string("Y")),
        SKELDA_PROP(CheckFalse, std::string("N")),
        SKELDA_PROP(Look, glXP),
        SKELDA_PROP(ZORGradientFrom, 0xFFFFFF),
        SKELDA_PROP(ZORGradientTo, plat::ColorToRGB(plat::clBtnFace)),
        SKELDA_PROP(ZORGradientMirrorFrom, plat::clNone),
        SKELDA_PROP(ZORGradientMirrorTo, plat::clNone),
        SKELDA_PROP(BorderColor, 0xB99D7F),
        SKELDA_PROP(ScrollType, ssNormal),
        SKELDA_PROP(ScrollColor, plat::clNone),
        SKELDA_PROP(ScrollWidth, plat::GetSystemMetrics(plat::SM_CXVSCROLL)),
        SKELDA_PROP(IntelliPan, ipVertical),
        SKELDA_PROP(PreviewPage, 1),
        SKELDA_READONLY(PrintPageTo, 1),
    };
}

TEST_F(VezGridTest, ConstructorSetsEveryDocumentedDefault)
{
    for (const TProperty& Property : DefaultsTable())
        EXPECT_EQ(Property.Read(*grid), Property.Default) << Property.Name;
    EXPECT_EQ(grid->GetXYOffset(), (plat::TPoint{2, 2}));
    plat::TFont BoldTahoma;
    BoldTahoma.SetName("Tahoma");
    BoldTahoma.SetStyle({plat::fsBold});
    EXPECT_EQ(Text(grid->FixedFont()), Text(BoldTahoma));
    EXPECT_TRUE(grid->ActiveCellFont().GetStyle().Contains(plat::fsBold));
    EXPECT_TRUE(grid->FilterList().GetSorted());
    EXPECT_EQ(grid->FilterList().GetDuplicates(), plat::dupIgnore);
    EXPECT_EQ(grid->GetNormalRowCount(), 10);
    EXPECT_EQ(grid->GetMaxRowCount(), 10);
}

TEST_F(VezGridTest, ChildControlsAreMadeInOrderAndWaitHidden)
{
    struct TChild {
        std::string Class;
        bool OnGrid;
        bool Enabled;
    };
    const std::vector<TChild> Expected = {
        {"TFooterPanel", false, true},    {"TSearchPanel", false, true},   {"THTMLHintWindow", false, true},
        {"TDropList", false, true},       {"TDropCheckList", false, true}, {"TGridFocusWindow", false, true},
        {"TArrowWindow", false, true},    {"TArrowWindow", false, true},   {"TArrowWindow", false, true},
        {"TArrowWindow", false, true},    {"TGridCombo", true, false},     {"TGridTransEdit", true, true},
        {"TGridTransCombo", true, true},  {"TGridCheckBox", true, false},  {"TGridEditBtn", true, false},
        {"TGridUnitEditBtn", true, false}, {"TGridButton", true, false},   {"THeaderDragButton", true, false},
        {"TControlEdit", true, true},     {"TControlCombo", true, true},   {"TScrollBar", false, true},
        {"TScrollBar", false, true},
    };
    ASSERT_EQ(grid->ComponentCount(), static_cast<int>(Expected.size()));
    for (int I = 0; I < grid->ComponentCount(); ++I) {
        auto* Child = dynamic_cast<plat::TControl*>(grid->Components(I));
        ASSERT_NE(Child, nullptr);
        EXPECT_EQ(Child->ClassName(), Expected[static_cast<size_t>(I)].Class) << I;
        EXPECT_EQ(Child->GetParent() == grid, Expected[static_cast<size_t>(I)].OnGrid) << Child->ClassName();
        EXPECT_EQ(Child->GetEnabled(), Expected[static_cast<size_t>(I)].Enabled) << Child->ClassName();
        if (Expected[static_cast<size_t>(I)].OnGrid) {
            EXPECT_FALSE(Child->GetVisible()) << Child->ClassName();
        }
    }
    auto* EditBtn = dynamic_cast<TGridEditBtn*>(grid->Components(14));
    ASSERT_NE(EditBtn, nullptr);
    EXPECT_EQ(EditBtn->GetButtonCaption(), "...");
    EXPECT_EQ(grid->SearchPanel()->GetAlign(), plat::alBottom);
    EXPECT_EQ(grid->SearchPanel()->GetHeight(), 0);
}

TEST_F(VezGridTest, DesignModeGridHasNoEditorsAndUsesTahoma)
{
    form->SetDesigning(true);
    auto* Designed = new TVezEzuzorEvad(form);
    for (int I = 0; I < Designed->ComponentCount(); ++I) {
        const std::string Class = Designed->Components(I)->ClassName();
        EXPECT_TRUE(Class == "TFooterPanel" || Class == "TSearchPanel" || Class == "THTMLHintWindow" ||
                    Class == "TDropList" || Class == "TDropCheckList")
            << Class;
    }
    EXPECT_EQ(Designed->FixedFont().GetName(), "Tahoma");
    EXPECT_EQ(Designed->ActiveCellFont().GetName(), "Tahoma");
    Designed->SetParent(form);
    form->Show();
    EXPECT_EQ(Designed->Font().GetName(), "Tahoma");
}

TEST_F(VezGridTest, AssignCopiesSettingsAndDimensionsBeforeTheCells)
{
    auto* Source = new TVezEzuzorEvad(form);
    Source->SetColCount(7);
    Source->SetRowCount(30);
    Source->SetFixedRows(2);
    Source->SetColWidths(3, 90);
    Source->SetCheckTrue("X");
    Source->Navigation().SetAllowInsertRow(true);
    Source->SetCellText(6, 29, "last");
    Source->SetCellText(40, 2, "beyond the columns");
    Source->SetCellColor(1, 3, plat::clRed);
    Source->MergeCells(2, 4, 2, 3);

    std::vector<std::pair<int, int>> CountsAtWrites;
    grid->OnWrite = [&](int, int) { CountsAtWrites.emplace_back(grid->GetColCount(), grid->GetRowCount()); };
    grid->Assign(*Source);

    ASSERT_FALSE(CountsAtWrites.empty());
    for (const auto& Counts : CountsAtWrites)
        EXPECT_EQ(Counts, (std::pair<int, int>{7, 30}));
    EXPECT_EQ(grid->GetFixedRows(), 2);
    EXPECT_EQ(grid->GetColWidths(3), 90);
    EXPECT_TRUE(grid->Navigation().GetAllowInsertRow());
    EXPECT_EQ(grid->GetCheckTrue(), "Y") << "CheckTrue is not among the copied settings";
    EXPECT_EQ(grid->GetCellText(6, 29), "last");
    EXPECT_EQ(grid->GetCellText(40, 2), "beyond the columns");
    EXPECT_EQ(grid->GetCellColor(1, 3), plat::clRed);
    EXPECT_EQ(grid->CellSpan(3, 5), (plat::TPoint{1, 2}));
    ExpectConsistentBlocks(*grid);

    plat::TStringList Foreign;
    grid->Assign(Foreign);
    EXPECT_EQ(grid->GetRowCount(), 30);
}

TEST_F(VezGridTest, AssignCellsGivesTheTargetItsOwnCopiesOfCellObjects)
{
    auto* Source = new TVezEzuzorEvad(form);
    auto* Check = new TCellGraphic;
    Check->SetCellType(ctCheckBox);
    Check->SetCellBoolean(true);
    Check->CellBitmap().SetColor(plat::clLime);
    Source->SetGraphicObject(2, 2, Check);
    Source->SetCellObject(3, 3, 42);
    grid->AssignCells(*Source);
    delete Source;

    const auto* Copy = dynamic_cast<const TCellGraphic*>(grid->GetGraphicObject(2, 2));
    ASSERT_NE(Copy, nullptr);
    EXPECT_EQ(Copy->GetCellType(), ctCheckBox);
    EXPECT_TRUE(Copy->GetCellBoolean());
    EXPECT_EQ(Copy->CellBitmap().GetColor(), plat::clLime);
    EXPECT_EQ(grid->GetCellObject(3, 3), 42);
}

TEST_F(VezGridTest, IntegralHeightRoundsDownToWholeDefaultRows)
{
    grid->SetIntegralHeight(true);
    ASSERT_EQ(grid->GetBorderStyle(), plat::bsSingle);
    grid->SetHeight(100);
    EXPECT_EQ(grid->GetHeight(), 92);
    grid->BeginUpdate();
    grid->SetHeight(100);
    grid->EndUpdate();
    EXPECT_EQ(grid->GetHeight(), 100) << "no rounding while an update is in progress";
}

TEST_F(VezGridTest, OwnerFormsResizeHandlerIsChainedAndGivenBack)
{
    auto* Host = new plat::TForm(plat::Application);
    int Calls = 0;
    bool Throw = false;
    Host->OnResize = [&](plat::TObject*) {
        ++Calls;
        if (Throw)
            throw std::runtime_error("the form's own handler failed");
    };
    auto* Child = new TVezEzuzorEvad(Host);
    Host->SetWidth(Host->GetWidth() + 10);
    EXPECT_EQ(Calls, 1);
    Throw = true;
    EXPECT_NO_THROW(Host->SetWidth(Host->GetWidth() + 10));
    EXPECT_EQ(Calls, 2);
    EXPECT_EQ(ui.ErrorBoxes(), std::vector<std::string>{"the form's own handler failed."});
    Throw = false;
    delete Child;
    Host->SetWidth(Host->GetWidth() + 10);
    EXPECT_EQ(Calls, 3) << "the form's own handler is back";
    delete Host;
}

TEST_F(VezGridTest, GridTimerTicksEveryHalfSecondWhileTheWindowExists)
{
    const int Before = ui.Timers().ActiveCount();
    Show();
    EXPECT_EQ(ui.Timers().ActiveCount(), Before + 1);
    // Only a tick of the grid's own timer id counts.
    ui.Clock().Advance(499);
    EXPECT_EQ(grid->GetTimerTicks(), 0);
    ui.Clock().Advance(1);
    EXPECT_EQ(grid->GetTimerTicks(), 1);
    ui.Clock().Advance(1000);
    EXPECT_EQ(grid->GetTimerTicks(), 3) << "two ticks a second";
    delete grid;
    grid = nullptr;
    EXPECT_EQ(ui.Timers().ActiveCount(), Before);
}

class TRecordingNotifier : public TGridChangeNotifier {
public:
    TRecordingNotifier(std::vector<std::string>& ALog, std::string AName)
        : TGridChangeNotifier(nullptr), Log(ALog), Name(std::move(AName))
    {
    }
    void CellsChangedNotify(const plat::TRect& Rect) override
    {
        Log.push_back(Name + " " + std::to_string(Rect.Left) + "," + std::to_string(Rect.Bottom));
    }
    std::vector<std::string>& Log;
    std::string Name;
};

TEST_F(VezGridTest, CellsChangedTellsTheEventThenNotifiersInOrderOnce)
{
    std::vector<std::string> Log;
    grid->OnCellsChanged = [&](plat::TObject*, const plat::TRect& R) {
        Log.push_back("event " + std::to_string(R.Left) + "," + std::to_string(R.Bottom));
    };
    auto First = std::make_unique<TRecordingNotifier>(Log, "first");
    auto* Second = new TRecordingNotifier(Log, "second");
    grid->RegisterNotifier(First.get());
    grid->RegisterNotifier(Second);
    grid->RegisterNotifier(First.get());
    grid->CellsChanged({1, 2, 3, 4});
    EXPECT_EQ(Log, (std::vector<std::string>{"event 1,4", "first 1,4", "second 1,4"}));

    Log.clear();
    delete Second;
    grid->UnRegisterNotifier(First.get());
    grid->CellsChanged({0, 0, 0, 0});
    EXPECT_EQ(Log, (std::vector<std::string>{"event 0,0"}));
}

class TListener : public ITVezEzuzorEvadSelect {
public:
    void SelectCell(int, int) override {}
};

TEST_F(VezGridTest, OneSelectionListenerAtATime)
{
    TListener A, B;
    grid->RegisterSelListener(&A);
    grid->RegisterSelListener(&B);
    EXPECT_EQ(grid->SelListener(), &B);
    grid->UnRegisterSelListener(&A);
    EXPECT_EQ(grid->SelListener(), nullptr);
}

TEST_F(VezGridTest, VersionReadsAsFourNumbers)
{
    EXPECT_EQ(grid->GetVersionNr(), 0x06000404u);
    EXPECT_EQ(grid->GetVersion(), "6.0.4.4");
    EXPECT_EQ(grid->GetVersionString(), "6.0.4.4 Mar, 2012");
    grid->SetVersion("9.9.9.9");
    EXPECT_EQ(grid->GetVersion(), "6.0.4.4");
}

TEST_F(VezGridTest, LoadedRecordsMinimumsAndMovesAlwaysShowEditorToNavigation)
{
    auto* Loading = new plat::TForm(plat::Application);
    Loading->BeginLoading();
    auto* Loaded = new TVezEzuzorEvad(Loading);
    Loaded->SetFixedRows(2);
    Loaded->SetFixedCols(1);
    plat::TGridOptions Options = Loaded->GetOptions();
    Options.Include(plat::goAlwaysShowEditor);
    Loaded->SetOptions(Options);
    Loaded->ColumnHeaders().SetCommaText("A,B");
    EXPECT_EQ(Loaded->GetMinFixedRows(), 0) << "not remembered while loading";
    Loading->EndLoading();

    EXPECT_TRUE(Loaded->GetGridLoaded());
    EXPECT_EQ(Loaded->GetMinFixedRows(), 2);
    EXPECT_EQ(Loaded->GetMinFixedCols(), 1);
    EXPECT_TRUE(Loaded->Navigation().GetAlwaysEdit());
    EXPECT_FALSE(Loaded->GetOptions().Contains(plat::goAlwaysShowEditor));
    EXPECT_EQ(Loaded->ControlLook().GetControlStyle(), csTheme) << "themes are on";
    EXPECT_EQ(Loaded->GetCellText(1, 0), "B");
    EXPECT_EQ(Loaded->OrigColSizes().size(), 5u);
    delete Loading;
}

TEST_F(VezGridTest, ConstructionRecordsThePlatformsVersionAnswers)
{
    const struct {
        int Major;
        int Minor;
        int CommonControlsMajor;
        bool WinXP;
        bool Win7;
        bool Themed;
    } cases[] = {
        {6, 1, 6, true, true, true},
        {10, 0, 6, true, true, true},
        {6, 0, 6, true, false, true},
        {5, 1, 5, true, false, false},
        {5, 0, 5, false, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.Major) + "." + std::to_string(c.Minor) + ", common controls " +
                     std::to_string(c.CommonControlsMajor));
        plat::TOSVersionInfo Version;
        Version.MajorVersion = c.Major;
        Version.MinorVersion = c.Minor;
        ui.Base().Platform().SetVersionEx(Version);
        ui.Base().Platform().SetCommonControlsVersion({c.CommonControlsMajor, 0, 0, 0});
        TProbeGrid Grid(nullptr);
        EXPECT_EQ(Grid.IsWinXP(), c.WinXP);
        EXPECT_EQ(Grid.IsWin7(), c.Win7);
        EXPECT_EQ(Grid.IsThemed(), c.Themed);
    }
}

TEST_F(VezGridTest, ThemeLookFallsBackToClassicWhenLoadedWithoutThemesOrVersion6CommonControls)
{
    const struct {
        bool ThemesOn;
        int CommonControlsMajor;
        TControlStyle Style;
    } cases[] = {
        {true, 6, csTheme},
        {false, 6, csClassic},
        {true, 5, csClassic},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.ThemesOn) + ", common controls " + std::to_string(c.CommonControlsMajor));
        ui.Base().Themes().SetThemesEnabled(c.ThemesOn);
        ui.Base().Platform().SetCommonControlsVersion({c.CommonControlsMajor, 0, 0, 0});
        auto* Loading = new plat::TForm(plat::Application);
        Loading->BeginLoading();
        auto* Loaded = new TVezEzuzorEvad(Loading);
        Loading->EndLoading();
        EXPECT_EQ(Loaded->ControlLook().GetControlStyle(), c.Style);
        delete Loading;
    }
}

TEST_F(VezGridTest, TheWindowsXPFlagStaysSetOnlyWhileAThemeIsOnWhenTheWindowIsMade)
{
    EXPECT_TRUE(grid->IsWinXP());
    Show();
    EXPECT_TRUE(grid->IsWinXP());

    ui.Base().Themes().SetThemesEnabled(false);
    auto* Unthemed = new TProbeGrid(form);
    EXPECT_TRUE(Unthemed->IsWinXP()) << "recorded from the version";
    Unthemed->SetParent(form);
    Unthemed->HandleNeeded();
    EXPECT_FALSE(Unthemed->IsWinXP());
}

}  // namespace
}  // namespace skelda::grid::testing
