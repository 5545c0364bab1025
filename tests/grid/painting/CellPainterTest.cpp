// The cell painter against a fake grid: where the always-visible editor buttons go and how much
// of the text's room they take.

#include "FakeCellPainterHost.h"

#include "grid/painting/TCellPaintSettings.h"
#include "grid/painting/TCellPainter.h"
#include "grid/painting/TGridLookSettings.h"
#include "grid/settings/TBackGround.h"
#include "grid/settings/TBands.h"
#include "grid/settings/TControlLook.h"
#include "grid/settings/TFilter.h"
#include "grid/settings/TFilterDropDown.h"
#include "grid/settings/TMouseActions.h"
#include "grid/settings/TPrintSettings.h"
#include "grid/settings/TShowModified.h"
#include "grid/settings/TSortSettings.h"
#include "grid/support/TCellSelection.h"
#include "grid/support/TLineSelection.h"
#include "grid/support/TSortIndexList.h"
#include "platform/core/RectOps.h"
#include "platform/testing/TRecordingCanvas.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace skelda::grid::testing {
namespace {

class CellPainterTest : public ::testing::Test {
protected:
    CellPainterTest()
    {
        Host.Look = &CellLook;
    }

    // The calls of one routine on the canvas, each up to its closing parenthesis.
    std::vector<std::string> Heads(const char* Routine) const
    {
        std::vector<std::string> Calls;
        for (const std::string& Call : Canvas.CallsOf(Routine))
            Calls.push_back(Call.substr(0, Call.find(')') + 1));
        return Calls;
    }

    // A cell painted as the base grid paints it: the content inside the grid lines.
    void Paint(int ACol, int ARow)
    {
        Canvas.ClearCalls();
        Painter.DrawCellContent(Canvas, ACol, ARow, plat::InflatedRect(Host.CellRect(ACol, ARow), -1, -1), {});
    }

    // The rectangle the text was drawn in.
    plat::TRect TextRect() const
    {
        const std::vector<std::string> Texts = Canvas.CallsOf("DrawText");
        EXPECT_EQ(Texts.size(), 1u);
        plat::TRect R;
        if (!Texts.empty())
            std::sscanf(Texts[0].c_str() + Texts[0].find("\",") + 2, "%d,%d,%d,%d", &R.Left, &R.Top, &R.Right,
                        &R.Bottom);
        return R;
    }

    TFakeCellPainterHost Host;
    TGridLookSettings Look{Host, false, false};
    TControlLook ControlLook;
    TSortSettings Sort;
    TSortIndexList SortIndexes{-1, -1};
    TBackGround BackGround;
    TFilter Filter;
    TFilterDropDown FilterDropDown;
    TBands Bands;
    TShowModified ShowModified;
    TMouseActions MouseActions;
    TPrintSettings Print;
    TLineSelection RowSelection;
    TLineSelection ColSelection;
    TCellSelection SelectedCells;
    const TCellPaintSettings Settings{Look,   ControlLook,    Sort,         SortIndexes,  BackGround,
                                      Filter, FilterDropDown, Bands,        ShowModified, MouseActions,
                                      Print,  RowSelection,   ColSelection, SelectedCells};
    TCellLook CellLook{Host, Settings};
    TCellPainter Painter{Host, Settings, CellLook};
    plat::testing::TRecordingCanvas Canvas{400, 240};
};

TEST_F(CellPainterTest, AlwaysVisibleSpinButtonsReachFromTheCellsTopEdge)
{
    ControlLook.SetSpinButtonsAlwaysVisible(true);
    Host.SpinEdit = true;
    Paint(2, 2);
    // The cell is (128, 48) .. (192, 72); its grid lines are its last column and row. The block
    // of both buttons is 15 pixels wide, 1 pixel in from the content's right edge, from the
    // cell's top edge to 2 pixels above the line, split in the middle.
    EXPECT_EQ(Heads("DrawFrameControl"), (std::vector<std::string>{"DrawFrameControl(175,48,190,58,3,$0000)",
                                                                   "DrawFrameControl(175,59,190,69,3,$0001)"}));

    Paint(2, 0);
    EXPECT_TRUE(Heads("DrawFrameControl").empty()) << "fixed cells show no editor buttons";
}

TEST_F(CellPainterTest, ADisplayColumnShowsItsRealColumnAndADisabledRowTheDisabledFont)
{
    Host.Texts[{2, 2}] = "hidden";
    Host.Texts[{3, 2}] = "shown";
    Host.HiddenColBefore = 2;
    Look.SetDisabledFontColor(plat::clRed);
    Paint(2, 2);
    const auto TextCall = [&] {
        const std::vector<std::string> Texts = Canvas.CallsOf("DrawText");
        return Texts.size() == 1 ? Texts[0] : std::string();
    };
    EXPECT_NE(TextCall().find("\"shown\""), std::string::npos);
    EXPECT_EQ(TextCall().find("$0000FF"), std::string::npos);

    Host.DisabledRows.insert(2);
    Paint(2, 2);
    EXPECT_NE(TextCall().find("font=Tahoma,8,$0000FF"), std::string::npos);
}

TEST_F(CellPainterTest, EachAlwaysVisibleButtonTakesSixteenPixelsOfTheText)
{
    Host.Texts[{2, 2}] = "x";
    Paint(2, 2);
    const int FullRightPx = TextRect().Right;
    ControlLook.SetDropDownAlwaysVisible(true);
    Host.ComboBox = true;
    Paint(2, 2);
    EXPECT_EQ(TextRect().Right, FullRightPx - 16);
    ControlLook.SetSpinButtonsAlwaysVisible(true);
    Host.SpinEdit = true;
    Paint(2, 2);
    EXPECT_EQ(TextRect().Right, FullRightPx - 32);
}

}  // namespace
}  // namespace skelda::grid::testing
