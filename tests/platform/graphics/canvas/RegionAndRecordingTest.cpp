#include "platform/graphics/TRegion.h"
#include "platform/testing/ImageProbe.h"
#include "platform/testing/TRecordingCanvas.h"

#include <QImage>

#include <gtest/gtest.h>

namespace plat {
namespace {

int Area(const TRegion& region)
{
    int area = 0;
    for (int y = -5; y < 45; ++y)
        for (int x = -5; x < 45; ++x)
            area += region.Contains({x, y});
    return area;
}

TEST(TRegion, CombinesRectanglesWithoutCountingOverlapTwice)
{
    const TRegion a(Rect(0, 0, 20, 20));
    const TRegion b(Rect(10, 10, 30, 30));
    const struct {
        const char* name;
        TRegion region;
        int area;
        TRect bounds;
    } cases[] = {
        {"union", a.Union(b), 400 + 400 - 100, Rect(0, 0, 30, 30)},
        {"intersection", a.Intersect(b), 100, Rect(10, 10, 20, 20)},
        {"difference", a.Subtract(b), 300, Rect(0, 0, 20, 20)},
        {"hole", a.Subtract(TRegion(Rect(5, 5, 8, 8))), 391, Rect(0, 0, 20, 20)},
        {"disjoint intersection", a.Intersect(TRegion(Rect(25, 25, 30, 30))), 0, TRect{}},
        {"union with empty", a.Union(TRegion()), 400, Rect(0, 0, 20, 20)},
        {"empty rectangle", TRegion(Rect(5, 5, 5, 10)), 0, TRect{}},
        {"offset", b.Offset(-10, 5), 400, Rect(0, 15, 20, 35)},
        {"union of union", a.Union(b).Union(TRegion(Rect(5, 5, 25, 25))), 750, Rect(0, 0, 30, 30)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Area(c.region), c.area) << c.name;
        int rectArea = 0;
        for (const TRect& r : c.region.Rects())
            rectArea += r.Width() * r.Height();
        EXPECT_EQ(rectArea, c.area) << c.name << ": rectangles overlap";
        EXPECT_EQ(c.region.Bounds(), c.bounds) << c.name;
        EXPECT_EQ(c.region.IsEmpty(), c.area == 0) << c.name;
    }
}

TEST(TRecordingCanvas, LogsEachCallWithCoordinatesAndColours)
{
    testing::TRecordingCanvas canvas(40, 40);
    canvas.Brush().SetColor(clLime);
    canvas.FillRect(Rect(0, 0, 10, 10));
    canvas.Pen().SetColor(clRed);
    canvas.Pen().SetWidth(2);
    canvas.Brush().SetStyle(bsClear);
    canvas.Rectangle(1, 2, 3, 4);
    canvas.MoveTo(5, 6);
    canvas.LineTo(7, 8);
    canvas.Font().SetColor(clBlue);
    canvas.TextOut(1, 1, "Hi");
    TRect r = Rect(0, 0, 20, 20);
    canvas.DrawEdge(r, EDGE_SUNKEN, BF_RECT);
    canvas.DrawText("calc", r, DT_CALCRECT);

    const std::vector<std::string> expected = {
        "FillRect(0,0,10,10) brush=$00FF00",
        "Rectangle(1,2,3,4) pen=$0000FF width=2 brush=clear",
        "LineTo(7,8) from=(5,6) pen=$0000FF width=2",
        "TextOut(1,1,\"Hi\") font=Tahoma,8,$FF0000",
        "DrawEdge(0,0,20,20,$0A,$000F)",
    };
    EXPECT_EQ(canvas.Calls(), expected);
    EXPECT_EQ(canvas.CallsOf("LineTo"), std::vector<std::string>{expected[2]});

    // The calls were drawn as well.
    EXPECT_EQ(testing::PixelAt(canvas.Image(), 8, 3), clLime);
    EXPECT_EQ(canvas.GetPixels(0, 10), ColorToRGB(clBtnShadow));

    canvas.ClearCalls();
    EXPECT_TRUE(canvas.Calls().empty());
}

}  // namespace
}  // namespace plat
