// The computation as the window asks for it: a change of display format recomputes, a request
// the engine refuses is explained and leaves the previous results alone, and awkward paths give
// numbers everywhere.

#include "ResultsWindowTesting.h"

#include "platform/testing/RecordingDialogService.h"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace skelda::app::testing {
namespace {

using engine::DisplayFormat;

// Everything a computation shows.
struct Results {
    std::vector<std::vector<std::string>> Cells;
    std::vector<std::string> Headers;
    std::vector<MufCurvePoint> Curve;
    friend bool operator==(const Results&, const Results&) = default;
};

class PredictionDriverTest : public ResultsWindowTest {
protected:
    Results Shown() { return {window.CellTexts(), window.HeaderTexts(), window.Chart.Curve()}; }

    // The result cells of hours 0..23 that hold a text.
    std::vector<std::string> FilledResultCells()
    {
        std::vector<std::string> texts;
        for (int row = 0; row <= ResultsTable::kLastFrequencyRow; ++row)
            for (int col = 1; col < ResultsTable::kColCount; ++col)
                if (const std::string text = window.MUFGrid.GetCellText(col, row); !text.empty())
                    texts.push_back(text);
        return texts;
    }
};

TEST_F(PredictionDriverTest, ChoosingADisplayFormatRecomputesTheTableInIt)
{
    window.Compute();
    ASSERT_EQ(window.MUFGrid.GetCellText(1, 7), "18x3 ");

    // Paris to Washington takes three hops everywhere: 14 degrees, 22 milliseconds.
    struct Case {
        int item;
        DisplayFormat format;
        const char* prefix;
    };
    for (const Case c : {Case{1, DisplayFormat::TakeoffAngle, "14"}, Case{2, DisplayFormat::RouteDelay, "22"}}) {
        window.DisplayFormatGroup.SetItemIndex(c.item);
        EXPECT_EQ(window.Settings.Display, c.format);
        EXPECT_EQ(window.MUFGrid.GetCellText(0, 1), "30 Mhz");
        const std::vector<std::string> cells = FilledResultCells();
        ASSERT_EQ(cells.size(), 144u) << "the same cells are open in every format";
        for (const std::string& text : cells)
            EXPECT_TRUE(text.rfind(c.prefix, 0) == 0 && std::isalpha(static_cast<unsigned char>(text[2]))) << text;
    }

    window.DisplayFormatGroup.SetItemIndex(3);
    EXPECT_EQ(window.Settings.Display, DisplayFormat::BestFrequency);
    EXPECT_EQ(window.MUFGrid.GetCellText(0, 14), "FRQ");
    EXPECT_EQ(FilledResultCells().size(), 2u * 24u) << "the best frequency and its level, every hour";

    window.DisplayFormatGroup.SetItemIndex(0);
    EXPECT_EQ(window.MUFGrid.GetCellText(1, 7), "18x3 ");
    EXPECT_EQ(window.MUFGrid.GetCellText(0, 14), "4 Mhz");
    EXPECT_EQ(window.MUFGrid.GetCellText(1, 14), "15x3 ") << "4 MHz again, no longer the best frequency";
}

TEST_F(PredictionDriverTest, ARefusedRequestIsExplainedAndLeavesThePreviousResults)
{
    struct Case {
        const char* what;
        std::function<void(PredictionSettings&)> change;
        std::string message;
    };
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    const long double inf = std::numeric_limits<long double>::infinity();
    const Case cases[] = {
        {"target on the station",
         [](PredictionSettings& s) {
             s.DestLat = s.Latitude;
             s.DestLon = s.Longitude;
         },
         "The target is the station's own position: there is no path to predict."},
        {"minimum angle 90", [](PredictionSettings& s) { s.MinAngle = 90; },
         "No number of hops gives a takeoff angle of 90 degrees or more on this path. Lower the minimum takeoff "
         "angle."},
        {"minimum angle 45 on the long path",
         [](PredictionSettings& s) {
             s.MinAngle = 45;
             s.Path = true;
         },
         "No number of hops gives a takeoff angle of 45 degrees or more on this path. Lower the minimum takeoff "
         "angle."},
        {"target latitude not a number", [nan](PredictionSettings& s) { s.DestLat = nan; },
         "A position, the minimum takeoff angle or the solar value is not a valid number."},
        {"own longitude infinite", [inf](PredictionSettings& s) { s.Longitude = inf; },
         "A position, the minimum takeoff angle or the solar value is not a valid number."},
        {"solar value not a number", [nan](PredictionSettings& s) { s.SolarValue = nan; },
         "A position, the minimum takeoff angle or the solar value is not a valid number."},
    };
    window.Compute();
    const Results before = Shown();
    const PredictionSettings accepted = window.Settings;
    for (const Case& c : cases) {
        ui.Dialogs().Clear();
        window.Settings = accepted;
        c.change(window.Settings);
        // In another format, so that a table cleared or titled anew would show.
        window.Settings.Display = DisplayFormat::BestFrequency;
        window.Compute();
        ASSERT_EQ(ui.Dialogs().Shown().size(), 1u) << c.what;
        const plat::testing::TRecordedMessageBox& box = ui.Dialogs().Shown()[0];
        EXPECT_EQ(box.Text, c.message) << c.what;
        EXPECT_EQ(box.Caption, "No prediction");
        EXPECT_EQ(box.Flags & plat::MB_ICONMASK, plat::MB_ICONWARNING);
        EXPECT_TRUE(Shown() == before) << c.what;
    }
}

TEST_F(PredictionDriverTest, AClickOnTheTableOfARefusedFormatChangeExplainsWhatTheTableShows)
{
    window.Compute();
    window.Settings.DestLat = window.Settings.Latitude;
    window.Settings.DestLon = window.Settings.Longitude;
    window.DisplayFormatGroup.SetItemIndex(3);
    ASSERT_EQ(ui.Dialogs().Shown().size(), 1u);
    ASSERT_EQ(window.MUFGrid.GetCellText(1, 14), "15x3 ") << "still the signal levels at 4 MHz";

    bool canSelect = true;
    window.Table.CellWasSelected(&window.MUFGrid, 1, 14, canSelect);
    ASSERT_EQ(ui.Dialogs().Shown().size(), 2u);
    EXPECT_EQ(ui.Dialogs().Shown()[1].Text.rfind("- Signal level in dB above rated receiver sensitivity : 15dB", 0),
              0u);
}

TEST_F(PredictionDriverTest, AwkwardPathsGiveNumbersInEveryCell)
{
    struct Case {
        const char* what;
        long double lat;
        long double lon;
        long double destLat;
        long double destLon;
        long double minAngle;
        bool longPath;
    };
    const Case cases[] = {
        {"20 km", 48.8333L, -2.25L, 48.95L, -2.05L, 10, false},
        {"20 km without a minimum angle", 48.8333L, -2.25L, 48.95L, -2.05L, 0, false},
        {"over the pole", 89.99L, 0, 60, 100, 3, false},
        {"from the pole", 90, 0, 70, -20, 3, false},
        {"long path to the antipodes' neighbour", 48.8333L, -2.25L, -48.8L, 177.7L, 3, true},
        {"long path, Sydney in sunspot numbers", 48.8333L, -2.25L, -33.87L, -151.21L, 0, true},
    };
    for (const Case& c : cases) {
        PredictionSettings& s = window.Settings;
        s.Latitude = c.lat;
        s.Longitude = c.lon;
        s.DestLat = c.destLat;
        s.DestLon = c.destLon;
        s.MinAngle = c.minAngle;
        s.Path = c.longPath;
        for (const DisplayFormat format : {DisplayFormat::SignalLevel, DisplayFormat::BestFrequency}) {
            s.Display = format;
            window.Compute();
            ASSERT_TRUE(ui.Dialogs().Shown().empty()) << c.what << ": " << ui.Dialogs().Texts().front();
            const Results results = Shown();
            std::vector<std::string> texts = results.Headers;
            for (const std::vector<std::string>& row : results.Cells)
                texts.insert(texts.end(), row.begin(), row.end());
            for (const MufCurvePoint& point : results.Curve)
                texts.push_back(point.Label);
            for (std::string text : texts) {
                for (char& ch : text)
                    ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
                EXPECT_EQ(text.find("nan"), std::string::npos) << c.what << ": " << text;
                EXPECT_EQ(text.find("inf"), std::string::npos) << c.what << ": " << text;
            }
            EXPECT_EQ(results.Curve.size(), 25u) << c.what;
            EXPECT_EQ(window.MUFGrid.GetCellText(25, ResultsTable::kUtcRow), "24h") << c.what;
        }
    }
}

}  // namespace
}  // namespace skelda::app::testing
