// The header bars and the target panels: positions in words, the path between station and
// target, and the conditions of the prediction.

#include "ResultsWindowTesting.h"

#include "app/CoordinateTexts.h"
#include "engine/ModelMath.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/ScopedRestore.h"

#include <gtest/gtest.h>

#include <string>

namespace skelda::app::testing {
namespace {

TEST(CoordinateTexts, PositionsReadInDegreesWithTheirHemisphere)
{
    struct Case {
        long double deg;
        const char* latitude;
        const char* longitude;  // west positive
    };
    const Case cases[] = {
        {48.8333L, "48.8° North", "48.8° West"},
        {-33.87L, "33.9° South", "33.9° East"},
        {0, "0.0° South", "0.0° East"},
        {-0.04L, "0.0° South", "0.0° East"},
        {90, "90.0° North", "90.0° West"},
        {-179.96L, "180.0° South", "180.0° East"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LatitudeText(c.deg * engine::kDegToRad), c.latitude) << c.deg;
        EXPECT_EQ(LongitudeText(c.deg * engine::kDegToRad), c.longitude) << c.deg;
    }
}

class ResultHeadersTest : public ResultsWindowTest {};

TEST_F(ResultHeadersTest, AComputationWritesThePathTheConditionsAndTheTargetPanels)
{
    // Both on the equator, the target 1000 km to the east.
    PredictionSettings& s = window.Settings;
    s.Latitude = 0;
    s.Longitude = 0;
    s.DestLat = 0;
    s.DestLon = -1000 / 6371.2L * engine::kRadToDeg;
    s.MinAngle = 10;
    s.SolarValue = 150;
    s.Power = 400;
    s.MyCall = "5Z4AB";
    s.TargetName = "East";
    SetUtcNow(2024, 3, 5, 23, 30);
    const plat::TScopedRestore<char> separator(plat::FormatSettings().DecimalSeparator, ',');
    window.Compute();
    EXPECT_EQ(plat::FormatSettings().DecimalSeparator, '.') << "every computation writes numbers with a point";

    const std::vector<std::string> shortPath = {
        "5Z4AB Lat 0.0° South Lon 0.0° East Azim 90.0",
        "East Lat 0.0° South Lon 9.0° East Azim 270.0",
        "Distance (km) : 1000.0 Km",
        "Delay : 4.0 milliseconds",
        "Solar flux at 10.7cm : 150.0",
        "Sun spots : 102.7",
        "Date :05 March 2024",
        "Power (Watts) : 400 W",
        "Predicted values are estimates",
        "0.0° South",
        "9.0° East",
    };
    EXPECT_EQ(window.HeaderTexts(), shortPath);

    // The long way round: the rest of the great circle (with the model's two pi), turned around.
    s.Path = true;
    window.Compute();
    const std::vector<std::string> texts = window.HeaderTexts();
    EXPECT_EQ(texts[0], "5Z4AB Lat 0.0° South Lon 0.0° East Azim 270.0");
    EXPECT_EQ(texts[1], "East Lat 0.0° South Lon 9.0° East Azim 90.0");
    EXPECT_EQ(texts[2], "Distance (km) : 39031.4 Km");
}

}  // namespace
}  // namespace skelda::app::testing
