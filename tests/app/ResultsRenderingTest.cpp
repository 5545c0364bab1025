// One computation drawn headless: the results table and the MUF chart as a person sees them,
// saved as pictures in the build tree.

#include "ResultsWindowTesting.h"

#include "platform/testing/ImageProbe.h"
#include "platform/testing/Screenshot.h"

#include <QImage>

#include <gtest/gtest.h>

namespace skelda::app::testing {
namespace {

class ResultsRenderingTest : public ResultsWindowTest {};

TEST_F(ResultsRenderingTest, TheTableAndTheChartOfAComputationRender)
{
    window.Settings.Seuil = true;
    window.Settings.SeuilFreq = 14;
    window.Compute();

    const QImage chart = plat::testing::Screenshot(window.PTB);
    ASSERT_EQ(chart.width(), MufChart::kWidthPx);
    ASSERT_EQ(chart.height(), MufChart::kHeightPx);
    EXPECT_TRUE(chart.save(SKELDA_APP_TEST_OUTPUT "/muf-chart.png", "PNG"));
    EXPECT_EQ(plat::testing::PixelAt(chart, 49, 250), plat::clBlack) << "background between the grid lines";
    EXPECT_EQ(plat::testing::PixelAt(chart, 63, 250), plat::clGray) << "the grid line of 1h";
    EXPECT_EQ(plat::testing::PixelAt(chart, 600, 167), plat::clRed) << "the threshold at 14 MHz";
    EXPECT_EQ(plat::testing::PixelAt(chart, 418, 240), plat::clYellow) << "13:40 UTC";
    // 19.5 MHz at 2 and 3 UTC: a level stretch of the curve at y = 115.
    EXPECT_EQ(plat::testing::PixelAt(chart, 112, 115), plat::clLime) << "the curve";
    EXPECT_GT(plat::testing::CountPixels(chart, plat::Bounds(0, 0, 710, 298), plat::clAqua), 100) << "its labels";

    const QImage table = plat::testing::Screenshot(window.MUFGrid);
    EXPECT_TRUE(table.save(SKELDA_APP_TEST_OUTPUT "/results-table.png", "PNG"));
    // Cell rectangles are client coordinates; the picture has the grid's border around them.
    const plat::TPoint client = window.MUFGrid.WidgetClientOffset();
    auto cellArea = [&](int col, int row) {
        const plat::TRect cell = window.MUFGrid.CellRect(col, row);
        return plat::Bounds(cell.Left + client.X, cell.Top + client.Y, cell.Width(), cell.Height());
    };
    auto corner = [&](int col, int row) {
        const plat::TRect cell = cellArea(col, row);
        return plat::testing::PixelAt(table, cell.Left + 1, cell.Top + 1);
    };
    EXPECT_EQ(corner(1, 1), plat::clBlack) << "30 MHz closed at 0 UTC";
    EXPECT_EQ(corner(1, 7), plat::clGreen) << "18x3 at 0 UTC";
    EXPECT_EQ(corner(13, 9), plat::clRed) << "-4j3s at 12 UTC";
    EXPECT_EQ(corner(14, 17), plat::clYellow) << "the current hour";
    EXPECT_EQ(corner(13, 16), plat::clNavy);
    EXPECT_GT(plat::testing::CountPixels(table, cellArea(1, 7), plat::clYellow), 5) << "its text";
}

}  // namespace
}  // namespace skelda::app::testing
