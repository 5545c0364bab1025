// The results table: where and how a result lands in its cell, the hourly rows, the colours of a
// computation, and the explanation a click on a cell brings up.

#include "ResultsWindowTesting.h"

#include "engine/HopTable.h"
#include "engine/ModelMath.h"
#include "platform/graphics/TBrush.h"
#include "platform/graphics/TFont.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace skelda::app::testing {
namespace {

using engine::CellResult;
using engine::DisplayFormat;
using engine::kModeBelowEMuf;
using engine::kModeDarkness;
using engine::kModeDaylight;
using engine::kModeMultipath;
using engine::kModeWeak;

class ResultsTableTest : public ResultsWindowTest {
protected:
    struct Look {
        plat::TColor Background = 0;
        plat::TColor Text = 0;
        bool Bold = false;
    };

    // What the painter gets for a cell.
    Look LookOf(int col, int row)
    {
        plat::TBrush brush;
        brush.SetColor(window.MUFGrid.GetColor());
        plat::TFont font;
        font.Assign(window.MUFGrid.Font());
        window.MUFGrid.QueryCellColor(col, row, font, brush, {});
        return {brush.GetColor(), font.GetColor(), font.GetStyle().Contains(plat::fsBold)};
    }

    void ExpectLook(int col, int row, Look expected)
    {
        const Look look = LookOf(col, row);
        EXPECT_EQ(look.Background, expected.Background) << "background of " << col << "," << row;
        EXPECT_EQ(look.Text, expected.Text) << "text colour of " << col << "," << row;
        EXPECT_EQ(look.Bold, expected.Bold) << "bold of " << col << "," << row;
    }
};

TEST_F(ResultsTableTest, AResultIsWrittenAsValueLetterHopsAndRemarkInTheRowOfItsFrequency)
{
    struct Case {
        const char* what;
        DisplayFormat format;
        CellResult cell;
        int col;
        int row;
        const char* text;
    };
    const Case cases[] = {
        {"-130 dB, weak, all dark", DisplayFormat::SignalLevel, {3, 7, 3, -130.0L + 123, kModeDarkness | kModeWeak},
         4, 9, "-7n3s"},
        {"0.1745 rad in daylight", DisplayFormat::TakeoffAngle, {0, 15, 2, 0.1745L * engine::kRadToDeg, kModeDaylight},
         1, 1, "10j2 "},
        {"3000 km, mixed, multipath", DisplayFormat::RouteDelay,
         {23, 1, 1, 3000.0L / 299792500 * 1000000, kModeDaylight | kModeDarkness | kModeMultipath}, 24, 15, "10x1m"},
        {"twelve hops, no daylight information", DisplayFormat::SignalLevel, {5, 8, 12, 4.4L, 0}, 6, 8, "4o12 "},
        {"weak outranks multipath", DisplayFormat::SignalLevel, {5, 8, 2, -3, kModeWeak | kModeMultipath}, 6, 8,
         "-3o2s"},
        {"below sensitivity by less than half a dB", DisplayFormat::SignalLevel, {5, 8, 2, -0.3L, kModeWeak}, 6, 8,
         "-0o2s"},
        {"below the E-layer MUF has no letter", DisplayFormat::SignalLevel, {5, 8, 2, 6.5L, kModeBelowEMuf}, 6, 8,
         "7o2 "},
        {"hour 24 goes to the hidden column", DisplayFormat::SignalLevel, {24, 8, 3, 1, kModeDaylight}, 25, 8, "1j3 "},
        {"best frequency: the level row", DisplayFormat::BestFrequency, {7, 5, 4, 2.4L, kModeDaylight}, 8, 15, "2j4 "},
    };
    for (const Case& c : cases) {
        window.Table.VideTableau();
        window.Table.LabelResultsGrid(c.format);
        window.Table.Dsx(c.cell);
        EXPECT_EQ(window.MUFGrid.GetCellText(c.col, c.row), c.text) << c.what;
    }

    window.Table.VideTableau();
    window.Table.LabelResultsGrid(DisplayFormat::SignalLevel);
    window.Table.Dsx({3, 7, 0, 12, kModeDaylight});
    EXPECT_EQ(window.MUFGrid.GetCellText(4, 9), "") << "no hop count, no cell";
}

TEST_F(ResultsTableTest, EachHourFillsItsHourlyRowsAndTheBestFrequencyWhenThereIsOne)
{
    window.Table.LabelResultsGrid(DisplayFormat::BestFrequency);
    engine::HourResult open{.HourUtc = 13, .LocalHour = 8, .MufMHz = 22.1L, .HopCountMufMHz = 21.96L,
                            .SunElevationDeg = -0.04L, .BestFrequencyIndex = 9,
                            .Best = {13, 9, 2, 17.6L, kModeDaylight | kModeMultipath}};
    window.Table.WriteHour(open);
    const engine::HourResult closed{.HourUtc = 14, .LocalHour = 9, .MufMHz = 2, .HopCountMufMHz = 1.95L,
                                    .SunElevationDeg = 61.96L, .BestFrequencyIndex = 0, .Best = {}};
    window.Table.WriteHour(closed);

    auto column = [&](int col) {
        std::vector<std::string> texts;
        for (int row = ResultsTable::kBestFrequencyRow; row <= ResultsTable::kSunRow; ++row)
            texts.push_back(window.MUFGrid.GetCellText(col, row));
        return texts;
    };
    EXPECT_EQ(column(14), (std::vector<std::string>{"18", "18j2m", "13h", "8h", "22.0", "0.0"}));
    EXPECT_EQ(column(15), (std::vector<std::string>{"", "", "14h", "9h", "2.0", "62.0"}))
        << "no frequency beats the floor: both cells stay empty";
}

TEST_F(ResultsTableTest, TheRowTitlesFollowTheFormatAndTheTargetsLocalHourItsLongitude)
{
    struct Case {
        long double destLonDeg;
        const char* localHourAtUtc0;
    };
    // 120 degrees east is 8 whole hours ahead; 7.5 degrees west is not a whole hour behind.
    for (const Case c : {Case{-120, "8h"}, Case{7.5L, "0h"}, Case{75, "19h"}}) {
        window.Settings.DestLon = c.destLonDeg;
        window.Compute();
        EXPECT_EQ(window.MUFGrid.GetCellText(1, ResultsTable::kLocalRow), c.localHourAtUtc0) << c.destLonDeg;
    }

    std::vector<std::string> titles;
    for (int row = 0; row < ResultsTable::kRowCount; ++row)
        titles.push_back(window.MUFGrid.GetCellText(0, row));
    EXPECT_EQ(titles, (std::vector<std::string>{"",       "30 Mhz", "28 Mhz", "26 Mhz", "24 Mhz", "22 Mhz", "20 Mhz",
                                                "18 Mhz", "16 Mhz", "14 Mhz", "12 Mhz", "10 Mhz", "8 Mhz",  "6 Mhz",
                                                "4 Mhz",  "2 Mhz",  "UTC",    "LOC",    "MUF",    "ZEN"}));
    window.Table.LabelResultsGrid(DisplayFormat::BestFrequency);
    for (int row = 0; row < ResultsTable::kBestFrequencyRow; ++row)
        EXPECT_EQ(window.MUFGrid.GetCellText(0, row), "") << row;
    EXPECT_EQ(window.MUFGrid.GetCellText(0, 14), "FRQ");
    EXPECT_EQ(window.MUFGrid.GetCellText(0, 15), "DSC");
}

TEST_F(ResultsTableTest, AComputationColoursTheCellsByTextAndHighlightsTheCurrentHour)
{
    SetUtcNow(2024, 6, 15, 13, 40);
    window.Compute();
    // Paris to Washington on 15 June at 12 UTC: 14 MHz below sensitivity, 30 MHz closed,
    // 26 MHz open at 0 UTC.
    ASSERT_EQ(window.MUFGrid.GetCellText(13, 9), "-4j3s");
    ASSERT_EQ(window.MUFGrid.GetCellText(1, 1), "");
    ASSERT_EQ(window.MUFGrid.GetCellText(1, 7), "18x3 ");
    ExpectLook(13, 9, {plat::clRed, plat::clWhite, false});
    ExpectLook(1, 1, {plat::clBlack, plat::clBlack, false});
    ExpectLook(1, 7, {plat::clGreen, plat::clYellow, false});
    EXPECT_EQ(window.MUFGrid.GetColWidths(0), 36);
    ExpectLook(0, 5, {plat::clBlack, plat::clWhite, false});

    // Hour 13 is column 14.
    ExpectLook(14, 16, {plat::clYellow, plat::clBlack, true});
    ExpectLook(14, 17, {plat::clYellow, plat::clBlack, true});
    ExpectLook(14, 18, {plat::clYellow, plat::clRed, true});
    ExpectLook(14, 19, {plat::clYellow, plat::clBlack, true});
    ExpectLook(13, 16, {plat::clNavy, plat::clYellow, false});
    ExpectLook(15, 17, {plat::clGradientActiveCaption, plat::clBlack, false});
    ExpectLook(13, 18, {plat::clGradientActiveCaption, plat::clRed, false});
    ExpectLook(24, 19, {plat::clGradientActiveCaption, plat::clBlack, false});
    ExpectLook(0, 16, {plat::clNavy, plat::clWhite, true});
    ExpectLook(0, 17, {plat::clGradientActiveCaption, plat::clBlack, true});
    ExpectLook(0, 19, {plat::clGradientActiveCaption, plat::clBlack, true});

    // Later the highlight moves on, and the hour it leaves is plain again.
    SetUtcNow(2024, 6, 16, 2, 10);
    window.Compute();
    ExpectLook(3, 18, {plat::clYellow, plat::clRed, true});
    ExpectLook(14, 18, {plat::clGradientActiveCaption, plat::clRed, false});
    ExpectLook(14, 16, {plat::clNavy, plat::clYellow, false});
}

TEST_F(ResultsTableTest, AClickOnAResultCellExplainsIt)
{
    struct Case {
        DisplayFormat format;
        int row;
        const char* text;
        std::string explanation;
    };
    const std::string hops3 = "- Number of ray hops : 3 (maximum distance covered by a single hop: 4000km)";
    const Case cases[] = {
        {DisplayFormat::SignalLevel, 9, "-7n3s",
         "- Signal level in dB above rated receiver sensitivity : -7dB\r\n- All ray hops are in nighttime\r\n" +
             hops3 + "\r\n- Signal level is below the rated receiver sensitivity.\r\n- May be masked by noise."},
        {DisplayFormat::TakeoffAngle, 1, "10j2 ",
         "- Takeoff angle in degrees : 10°\r\n- All ray hops are in daytime\r\n"
         "- Number of ray hops : 2 (maximum distance covered by a single hop: 4000km)\r\n"},
        {DisplayFormat::RouteDelay, 15, "10x12m",
         "- Path delay in milliseconds : 10ms\r\n- Some ray hops in daytime, others in nighttime\r\n"
         "- Number of ray hops : 12 (maximum distance covered by a single hop: 4000km)\r\n"
         "- Propagation via E or F-Layer or more is possible .\r\n- Relative receive levels are within 3dB.\r\n"
         "- Severe multipath distortion (QSB or fading) may occur."},
        {DisplayFormat::BestFrequency, 15, "2o3 ",
         "- Best frequencies.\r\n- Signal level in dB above rated receiver sensitivity : 2dB\r\n\r\n" + hops3 +
             "\r\n"},
    };
    for (const Case& c : cases) {
        ui.Dialogs().Clear();
        window.Table.LabelResultsGrid(c.format);
        window.MUFGrid.SetCellText(5, c.row, c.text);
        bool canSelect = true;
        window.Table.CellWasSelected(&window.MUFGrid, 5, c.row, canSelect);
        EXPECT_TRUE(canSelect);
        ASSERT_EQ(ui.Dialogs().Shown().size(), 1u) << c.text;
        EXPECT_EQ(ui.Dialogs().Shown()[0].Text, c.explanation);
        EXPECT_EQ(ui.Dialogs().Shown()[0].Caption, "What it means...");
        EXPECT_EQ(ui.Dialogs().Shown()[0].Flags & plat::MB_ICONMASK, plat::MB_ICONINFORMATION);
    }
}

TEST_F(ResultsTableTest, AClickOnATitleAnHourlyRowAnEmptyCellOrTheBestFrequencyExplainsNothing)
{
    window.Settings.Display = DisplayFormat::BestFrequency;
    window.Compute();
    ASSERT_EQ(window.MUFGrid.GetCellText(1, 14), "10");
    const std::pair<int, int> cells[] = {{0, 15}, {0, 14}, {1, 14}, {1, 16}, {1, 17}, {1, 18}, {1, 19}, {1, 3}};
    for (const auto& [col, row] : cells) {
        bool canSelect = true;
        window.Table.CellWasSelected(&window.MUFGrid, col, row, canSelect);
        EXPECT_TRUE(canSelect);
        EXPECT_TRUE(ui.Dialogs().Shown().empty()) << col << "," << row;
    }

    // Through the grid's own selection, as a mouse click selects.
    window.MUFGrid.MoveToCell(1, 15);
    EXPECT_EQ(window.MUFGrid.GetCol(), 1);
    EXPECT_EQ(window.MUFGrid.GetRow(), 15);
    ASSERT_EQ(ui.Dialogs().Shown().size(), 1u);
    EXPECT_EQ(ui.Dialogs().Shown()[0].Text.rfind("- Best frequencies.", 0), 0u);
}

}  // namespace
}  // namespace skelda::app::testing
