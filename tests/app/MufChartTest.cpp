// The MUF chart: its frame and scales, the line of the current UTC time, the threshold line and
// the curve of the last computation, which every paint draws again.

#include "ResultsWindowTesting.h"

#include "platform/testing/ImageProbe.h"
#include "platform/testing/Screenshot.h"
#include "platform/testing/TRecordingCanvas.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

namespace skelda::app::testing {
namespace {

class MufChartTest : public ResultsWindowTest {
protected:
    // The calls of one paint of the chart.
    std::vector<std::string> Paint()
    {
        plat::testing::TRecordingCanvas canvas(MufChart::kWidthPx, MufChart::kHeightPx);
        window.Chart.Draw(canvas);
        return canvas.Calls();
    }

    static std::vector<std::string> Matching(const std::vector<std::string>& calls, const std::string& part)
    {
        std::vector<std::string> found;
        std::copy_if(calls.begin(), calls.end(), std::back_inserter(found),
                     [&](const std::string& call) { return call.find(part) != std::string::npos; });
        return found;
    }
};

TEST_F(MufChartTest, TheFrameHasItsScalesAndGridLines)
{
    const std::vector<std::string> calls = Paint();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.front(), "Rectangle(-1,-1,716,305) pen=$808080 brush=$000000");
    const std::vector<std::string> labels = Matching(calls, "TextOut(");
    ASSERT_EQ(labels.size(), 25u + 15u);
    EXPECT_EQ(labels[0], "TextOut(30,282,\"0h\") font=Small Fonts,7,$C0C0C0");
    EXPECT_EQ(labels[24], "TextOut(702,282,\"24h\") font=Small Fonts,7,$C0C0C0");
    EXPECT_EQ(labels[25], "TextOut(3,273,\"2 Mhz\") font=Small Fonts,7,$C0C0C0");
    EXPECT_EQ(labels[39], "TextOut(3,7,\"30 Mhz\") font=Small Fonts,7,$C0C0C0");

    const std::vector<std::string> gridLines = Matching(calls, "pen=$808080");
    ASSERT_EQ(gridLines.size(), 1u + 16u + 25u);
    EXPECT_EQ(gridLines[1], "LineTo(708,281) from=(35,281) pen=$808080");
    EXPECT_EQ(gridLines[16], "LineTo(708,-4) from=(35,-4) pen=$808080");
    EXPECT_EQ(gridLines[17], "LineTo(35,282) from=(35,1) pen=$808080");
    EXPECT_EQ(gridLines[41], "LineTo(707,282) from=(707,1) pen=$808080");
}

TEST_F(MufChartTest, AYellowLineMarksTheCurrentUtcTime)
{
    struct Case {
        int hour;
        int minute;
        int x;
    };
    for (const Case c : {Case{0, 0, 35}, Case{12, 0, 371}, Case{23, 59, 707}, Case{13, 40, 418}}) {
        SetUtcNow(2024, 6, 15, c.hour, c.minute);
        const std::string line = "LineTo(" + std::to_string(c.x) + ",282) from=(" + std::to_string(c.x) +
                                 ",0) pen=$00FFFF";
        EXPECT_EQ(Matching(Paint(), "pen=$00FFFF"), std::vector<std::string>{line}) << c.hour << ":" << c.minute;
    }

    // The clock's zone counts: 20:10 local time two hours east of Greenwich is 18:10 UTC.
    plat::TTimeZoneInformation zone;
    zone.Bias = -120;
    ui.Clock().SetTimeZone(zone);
    SetUtcNow(2024, 6, 15, 20, 10);
    EXPECT_EQ(Matching(Paint(), "pen=$00FFFF"),
              std::vector<std::string>{"LineTo(544,282) from=(544,0) pen=$00FFFF"});
}

TEST_F(MufChartTest, TheThresholdLineIsDrawnOnlyWhenItIsOn)
{
    struct Case {
        bool on;
        int freqMHz;
        std::vector<std::string> red;
        std::vector<std::string> label;
    };
    const Case cases[] = {
        {true, 14, {"LineTo(707,167) from=(36,167) pen=$0000FF"},
         {"TextOut(39,159,\"Threshold\") font=Small Fonts,7,$C0C0C0"}},
        {true, 30, {"LineTo(707,15) from=(36,15) pen=$0000FF"},
         {"TextOut(39,7,\"Threshold\") font=Small Fonts,7,$C0C0C0"}},
        {true, 21, {"LineTo(707,101) from=(36,101) pen=$0000FF"},
         {"TextOut(39,93,\"Threshold\") font=Small Fonts,7,$C0C0C0"}},
        {false, 14, {}, {}},
    };
    for (const Case& c : cases) {
        window.Settings.Seuil = c.on;
        window.Settings.SeuilFreq = c.freqMHz;
        const std::vector<std::string> calls = Paint();
        EXPECT_EQ(Matching(calls, "pen=$0000FF"), c.red) << c.freqMHz;
        EXPECT_EQ(Matching(calls, "Threshold"), c.label) << c.freqMHz;
    }
}

TEST_F(MufChartTest, TheCurveUsesTheFramesScaleRoundedHalfToEven)
{
    struct Case {
        long double mufMHz;
        int y;
    };
    // 9.5 pixels per MHz from y = 300 at 0 MHz.
    for (const Case c : {Case{0, 300}, Case{30, 15}, Case{14, 167}, Case{1, 290}, Case{3, 272}, Case{21.75L, 93}})
        EXPECT_EQ(MufChart::CurveY(c.mufMHz), c.y) << static_cast<double>(c.mufMHz);
}

TEST_F(MufChartTest, TheCurveOfTheLastComputationSurvivesEveryRepaint)
{
    window.Compute();
    const std::vector<MufCurvePoint> curve = window.Chart.Curve();
    ASSERT_EQ(curve.size(), 25u);

    const std::vector<std::string> calls = Paint();
    const std::vector<std::string> segments = Matching(calls, "pen=$00FF00 width=2");
    ASSERT_EQ(segments.size(), 24u);
    EXPECT_EQ(segments[0], "LineTo(63," + std::to_string(curve[1].Y) + ") from=(35," + std::to_string(curve[0].Y) +
                               ") pen=$00FF00 width=2");
    const std::vector<std::string> labels = Matching(calls, "$FFFF00");
    ASSERT_EQ(labels.size(), 25u);
    EXPECT_EQ(labels[24], "TextOut(704," + std::to_string(curve[24].Y - 12) + ",\"" + curve[24].Label +
                              "\") font=Small Fonts,7,$FFFF00");

    // Painted on screen, covered and painted again: the curve is there both times.
    const QImage first = plat::testing::Screenshot(window.PTB);
    window.PTB.Invalidate();
    const QImage again = plat::testing::Screenshot(window.PTB);
    const plat::TRect all = plat::Bounds(0, 0, MufChart::kWidthPx, MufChart::kHeightPx);
    const int limePixels = plat::testing::CountPixels(first, all, plat::clLime);
    EXPECT_GT(limePixels, 24 * 28);
    EXPECT_EQ(plat::testing::CountPixels(again, all, plat::clLime), limePixels);
    EXPECT_EQ(window.Chart.Curve(), curve);
}

}  // namespace
}  // namespace skelda::app::testing
