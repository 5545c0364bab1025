#include "platform/graphics/TRegion.h"
#include "platform/testing/ImageProbe.h"
#include "platform/testing/TRecordingCanvas.h"

#include <QImage>

#include <string>
#include <vector>

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

// Whether the centre of pixel (X, Y) lies inside the polygon, told by a ray to the right: the
// outline's crossings strictly right of the centre, added up with their directions. A centre on
// a left edge sees that edge at its own place and is inside; on a right edge it is outside.
bool CentreInside(const std::vector<TPoint>& Points, int X, int Y, int FillMode)
{
    const double cx = X + 0.5, cy = Y + 0.5;
    int winding = 0, crossings = 0;
    for (std::size_t i = 0; i < Points.size(); ++i) {
        const TPoint a = Points[i], b = Points[(i + 1) % Points.size()];
        if ((a.Y < cy) == (b.Y < cy))
            continue;
        const double x = a.X + (cy - a.Y) * (b.X - a.X) / static_cast<double>(b.Y - a.Y);
        if (x > cx) {
            winding += b.Y > a.Y ? 1 : -1;
            ++crossings;
        }
    }
    return FillMode == WINDING ? winding != 0 : crossings % 2 != 0;
}

TEST(TRegion, APolygonHoldsThePixelsWhoseCentresItEncloses)
{
    const struct {
        const char* name;
        std::vector<TPoint> points;
    } shapes[] = {
        {"square", {{0, 0}, {10, 0}, {10, 10}, {0, 10}}},
        {"square the other way round", {{0, 10}, {10, 10}, {10, 0}, {0, 0}}},
        {"triangle", {{0, 0}, {13, 3}, {4, 11}}},
        {"concave", {{0, 0}, {20, 0}, {20, 20}, {0, 20}, {0, 14}, {12, 14}, {12, 6}, {0, 6}}},
        {"pentagram", {{20, 0}, {32, 38}, {0, 14}, {40, 14}, {8, 38}}},
        {"bow tie", {{0, 0}, {20, 20}, {20, 0}, {0, 20}}},
        {"negative coordinates", {{-7, -3}, {5, -9}, {9, 4}, {-2, 8}}},
        {"arrow", {{5, 0}, {10, 5}, {7, 5}, {7, 9}, {3, 9}, {3, 5}, {0, 5}}},
    };
    for (const auto& shape : shapes)
        for (const int mode : {ALTERNATE, WINDING}) {
            SCOPED_TRACE(std::string(shape.name) + (mode == WINDING ? " winding" : " alternate"));
            const TRegion region = PolygonRegion(shape.points, mode);
            int pixels = 0;
            for (int y = -12; y < 42; ++y)
                for (int x = -12; x < 42; ++x) {
                    const bool inside = CentreInside(shape.points, x, y, mode);
                    pixels += inside;
                    ASSERT_EQ(region.Contains({x, y}), inside) << x << "," << y;
                }
            int rectArea = 0;
            for (const TRect& r : region.Rects())
                rectArea += r.Width() * r.Height();
            EXPECT_EQ(rectArea, pixels) << "rectangles overlap";
        }
    // Along a rectangle's corners: exactly its pixels, as one rectangle.
    const std::vector<TPoint> square{{2, 3}, {12, 3}, {12, 9}, {2, 9}};
    EXPECT_EQ(PolygonRegion(square, WINDING).Rects(), TRegion(Rect(2, 3, 12, 9)).Rects());
}

TEST(TRegion, WindingFillsWhatAlternateLeavesOpenWhereTheOutlineCrossesItself)
{
    // The pentagram's middle is inside twice: winding fills it, alternate leaves a hole.
    const std::vector<TPoint> star{{20, 0}, {32, 38}, {0, 14}, {40, 14}, {8, 38}};
    EXPECT_TRUE(PolygonRegion(star, WINDING).Contains({20, 20}));
    EXPECT_FALSE(PolygonRegion(star, ALTERNATE).Contains({20, 20}));
    EXPECT_TRUE(PolygonRegion(star, ALTERNATE).Contains({20, 5}));
    // A square drawn twice round is inside twice everywhere.
    const std::vector<TPoint> twice{{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}, {10, 0}, {10, 10}, {0, 10}};
    EXPECT_EQ(PolygonRegion(twice, WINDING).Bounds(), Rect(0, 0, 10, 10));
    EXPECT_TRUE(PolygonRegion(twice, ALTERNATE).IsEmpty());
    // The concave shape's notch stays outside in both.
    const std::vector<TPoint> c{{0, 0}, {20, 0}, {20, 20}, {0, 20}, {0, 14}, {12, 14}, {12, 6}, {0, 6}};
    for (const int mode : {ALTERNATE, WINDING}) {
        EXPECT_FALSE(PolygonRegion(c, mode).Contains({5, 10}));
        EXPECT_TRUE(PolygonRegion(c, mode).Contains({15, 10}));
    }
}

TEST(TRegion, APolygonWithoutAreaOrFillModeIsEmpty)
{
    const std::vector<TPoint> triangle{{0, 0}, {10, 0}, {0, 10}};
    EXPECT_TRUE(PolygonRegion(std::vector<TPoint>{}, WINDING).IsEmpty());
    EXPECT_TRUE(PolygonRegion(std::vector<TPoint>{{0, 0}, {10, 10}}, WINDING).IsEmpty());
    EXPECT_TRUE(PolygonRegion(std::vector<TPoint>{{0, 0}, {5, 5}, {10, 10}}, WINDING).IsEmpty());
    EXPECT_TRUE(PolygonRegion(std::vector<TPoint>{{0, 4}, {5, 4}, {10, 4}}, ALTERNATE).IsEmpty());
    EXPECT_TRUE(PolygonRegion(triangle, 0).IsEmpty());
    EXPECT_TRUE(PolygonRegion(triangle, 3).IsEmpty());
    EXPECT_FALSE(PolygonRegion(triangle, ALTERNATE).IsEmpty());
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
