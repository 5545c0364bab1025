#include "grid/cells/TBaseGrid.h"
#include "platform/controls/forms/TApplication.h"
#include "platform/controls/forms/TForm.h"
#include "platform/controls/standard/TEdit.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TBrush.h"
#include "platform/testing/ImageProbe.h"
#include "platform/testing/Screenshot.h"
#include "platform/testing/UiTestEnvironment.h"

#include <QImage>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <utility>

namespace skelda::grid {
namespace {

using plat::testing::PixelAt;
using plat::testing::Screenshot;

constexpr plat::TColor BlockColor = 0x3050D0;

// Paints the cell at BlockBase in its own colour and counts the content drawn per cell.
class TPaintProbeGrid : public TBaseGrid {
public:
    using TBaseGrid::TBaseGrid;

    plat::TPoint BlockBase{-1, -1};
    std::map<std::pair<int, int>, int> ContentDrawn;

protected:
    void GetVisualProperties(int ACol, int ARow, TCellVisualProperties&, plat::TFont&, plat::TBrush& Brush, bool, bool,
                             bool, plat::TGridDrawState&) override
    {
        if (ACol == BlockBase.X && ARow == BlockBase.Y)
            Brush.SetColor(BlockColor);
    }
    void DrawCellContent(plat::TCanvas& Canvas, int ACol, int ARow, const plat::TRect& Rect,
                         plat::TGridDrawState State) override
    {
        ++ContentDrawn[{ACol, ARow}];
        TBaseGrid::DrawCellContent(Canvas, ACol, ARow, Rect, State);
    }
};

class BaseGridPaintTest : public ::testing::Test {
protected:
    // A shown 10 x 10 grid of 64 x 24 pixel cells with one fixed row and column, white cells,
    // no frame and no scroll bars.
    void SetUp() override
    {
        form->SetBounds(0, 0, 800, 600);
        grid = new TPaintProbeGrid(form);
        grid->SetBorderStyle(plat::bsNone);
        grid->SetScrollBars(plat::ssNone);
        grid->SetBounds(0, 0, 400, 200);
        grid->SetColCount(10);
        grid->SetRowCount(10);
        grid->SetDefaultColWidth(64);
        grid->SetDefaultRowHeight(24);
        grid->SetColor(plat::clWhite);
        grid->SetParent(form);
        form->Show();
    }

    QImage Shot(const char* Name) { return Screenshot(*grid, Name); }

    plat::testing::UiTestEnvironment ui;
    plat::TForm* form = new plat::TForm(plat::Application);
    TPaintProbeGrid* grid = nullptr;
};

TEST_F(BaseGridPaintTest, GridLinesSitInsideTheCellsInTheirColoursAndWidths)
{
    const plat::TRect Normal = grid->CellRect(2, 2);
    const plat::TRect Fixed = grid->CellRect(0, 2);
    QImage Image = Shot("base-grid-lines.png");
    EXPECT_EQ(PixelAt(Image, Normal.Right - 1, Normal.Top + 10), plat::clSilver);
    EXPECT_EQ(PixelAt(Image, Normal.Left + 10, Normal.Bottom - 1), plat::clSilver);
    EXPECT_EQ(PixelAt(Image, Normal.Right - 2, Normal.Top + 10), plat::clWhite);
    EXPECT_EQ(PixelAt(Image, Fixed.Right - 1, Fixed.Top + 10), plat::clGray);

    grid->SetGridLineWidth(3);
    Image = Shot("base-grid-wide-lines.png");
    for (int Inset = 1; Inset <= 3; ++Inset)
        EXPECT_EQ(PixelAt(Image, Normal.Right - Inset, Normal.Top + 10), plat::clSilver) << Inset;
    EXPECT_EQ(PixelAt(Image, Normal.Right - 4, Normal.Top + 10), plat::clWhite);
}

TEST_F(BaseGridPaintTest, HiddenLastRowShowsOnlyTheGridColour)
{
    grid->SetRowCount(5);
    grid->SetRawCell(2, 4, "MMMMMMMM");
    grid->SetHideLastRow(true);
    const plat::TRect Last = grid->CellRect(2, 4);
    const QImage Image = Shot("base-grid-hidden-last-row.png");
    EXPECT_EQ(plat::testing::CountPixels(Image, Last, plat::clWhite), Last.Width() * Last.Height());
}

TEST_F(BaseGridPaintTest, MergedBlockPaintsFromItsBaseOncePerPassAlsoScrolledButNeverOverFixedCells)
{
    grid->BlockBase = {2, 2};
    grid->MergeCells(2, 2, 3, 2);
    Shot("base-grid-block.png");
    // Once as the base itself, once on behalf of its other cells.
    EXPECT_EQ((grid->ContentDrawn[{2, 2}]), 2);
    EXPECT_EQ((grid->ContentDrawn.count({3, 2})), 0u);
    Shot("base-grid-block.png");
    EXPECT_EQ((grid->ContentDrawn[{2, 2}]), 4);

    // The base row scrolled out of view: the block still shows, clipped below the fixed row.
    grid->SetTopRow(3);
    const plat::TRect Covered = grid->plat::TCustomGrid::CellRect(3, 3);
    const QImage Image = Shot("base-grid-block-scrolled.png");
    EXPECT_EQ(PixelAt(Image, Covered.Left + 10, Covered.Top + 5), BlockColor);
    const plat::TRect FixedAbove = grid->plat::TCustomGrid::CellRect(3, 0);
    EXPECT_EQ(plat::testing::CountPixels(Image, FixedAbove, BlockColor), 0);
}

TEST_F(BaseGridPaintTest, AnOffscreenPassEndsWithANewPaintIdSoTheScreenPaintsEveryBlock)
{
    grid->BlockBase = {2, 2};
    grid->MergeCells(2, 2, 3, 2);
    struct Case {
        const char* Name;
        std::function<void(plat::TCanvas&)> Paint;
    };
    const Case Cases[] = {
        {"PaintCell", [this](plat::TCanvas& Canvas) { grid->PaintCell(Canvas, 3, 2, grid->CellRect(3, 2), {}); }},
        {"PaintCellExt",
         [this](plat::TCanvas& Canvas) { grid->PaintCellExt(Canvas, 3, 2, grid->CellRect(3, 2), {}); }},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Name);
        plat::TBitmap Offscreen;
        Offscreen.SetSize(400, 200);
        const int Before = grid->GetPaintID();
        C.Paint(Offscreen.Canvas());
        EXPECT_EQ(grid->GetPaintID(), Before + 1);
        grid->ContentDrawn.clear();
        Shot("base-grid-block-after-offscreen-pass.png");
        // The covered cells still paint the block on the screen.
        EXPECT_EQ((grid->ContentDrawn[{2, 2}]), 2);
    }
}

TEST_F(BaseGridPaintTest, SizingLineInvertsWhatItCrossesAndLeavesNothingBehind)
{
    plat::TGridOptions Options = grid->GetOptions();
    grid->SetOptions(Options.Include(plat::goColSizing));
    const plat::TRect Header = grid->plat::TCustomGrid::CellRect(2, 0);
    const plat::TRect Below = grid->CellRect(3, 5);
    const int LineX = Header.Right - 1;
    const int Y = Below.Top + 5;
    ui.Simulator().MouseDown(*grid, {LineX, 10});
    ui.Simulator().MouseMove(*grid, {LineX + 20, 10});
    QImage Image = Shot("base-grid-sizing-line.png");
    // White cells under the line show inverted, as black.
    EXPECT_EQ(PixelAt(Image, Header.Right + 20, Y), plat::clBlack);
    ui.Simulator().MouseMove(*grid, {LineX + 40, 10});
    Image = Shot("base-grid-sizing-line-moved.png");
    EXPECT_EQ(PixelAt(Image, Header.Right + 20, Y), plat::clWhite);
    EXPECT_EQ(PixelAt(Image, Header.Right + 40, Y), plat::clBlack);
    ui.Simulator().MouseUp(*grid, {LineX + 40, 10});
    Image = Shot("base-grid-after-sizing.png");
    EXPECT_EQ(PixelAt(Image, Header.Right + 41, Y), plat::clWhite);
    EXPECT_EQ(grid->GetColWidths(2), 104);
}

TEST_F(BaseGridPaintTest, SelectionFacePartsFollowTheSelectionsColumnsAndTurnGreyWithoutFocus)
{
    grid->SetSelectionStyle(ssOffice2007);
    plat::TGridOptions Options = grid->GetOptions();
    grid->SetOptions(Options.Include(plat::goRangeSelect).Include(plat::goDrawFocusSelected));
    grid->SetSelection({2, 2, 4, 2});
    const plat::TColor Border = 0x8DD7D3;
    QImage Image = Shot("base-grid-selection-face.png");
    const auto LeftEdge = [&](int ACol) {
        const plat::TRect R = grid->CellRect(ACol, 2);
        return PixelAt(Image, R.Left, (R.Top + R.Bottom) / 2);
    };
    EXPECT_EQ(LeftEdge(2), Border);
    EXPECT_NE(LeftEdge(3), Border);
    EXPECT_NE(LeftEdge(4), Border);

    grid->SetOptions(Options.Exclude(plat::goDrawFocusSelected));
    auto* Other = new plat::TEdit(form);
    Other->SetParent(form);
    Other->SetBounds(500, 0, 80, 24);
    Other->SetFocus();
    Image = Shot("base-grid-selection-face-unfocused.png");
    EXPECT_EQ(LeftEdge(2), 0xD9D9D9);
}

TEST_F(BaseGridPaintTest, ActiveRowColoursWinOverHoverColoursAndSelectedCellsTakeNeither)
{
    const plat::TColor Hover = 0x20C020;
    const plat::TColor Active = 0xC02020;
    grid->SetHoverRow(true);
    grid->SetHoverRowColor(Hover);
    grid->SetHoverRowIdx(3);
    grid->SetActiveRowColor(Active);
    grid->SetCol(5);
    grid->SetRow(4);
    const auto Fill = [&](const QImage& Image, int ACol, int ARow) {
        const plat::TRect R = grid->CellRect(ACol, ARow);
        return PixelAt(Image, R.Left + 5, R.Top + 5);
    };
    QImage Image = Shot("base-grid-hover-row.png");
    EXPECT_EQ(Fill(Image, 2, 3), Hover);

    grid->SetRow(3);
    grid->SetActiveRowShow(true);
    Image = Shot("base-grid-active-row.png");
    EXPECT_EQ(Fill(Image, 2, 3), Active);
    // The current, selected cell keeps the selection's colour.
    EXPECT_NE(Fill(Image, 5, 3), Active);
    EXPECT_NE(Fill(Image, 5, 3), Hover);
}

}  // namespace
}  // namespace skelda::grid
