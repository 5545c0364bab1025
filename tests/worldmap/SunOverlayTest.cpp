#include "worldmap/SunOverlay.h"

#include "platform/core/Exception.h"
#include "tests/worldmap/Raster.h"

#include <gtest/gtest.h>

namespace skelda::worldmap {
namespace {

using test::Raster;

TEST(SunOverlay, AddsTheSunWeightedByItsOpacityAndSaturates)
{
    Raster map(20, 10, 3, 100);
    Raster sun(8, 8, 3, 200);
    Raster alpha(8, 8, 1, 0);
    *alpha.Pixel(0, 0) = 255;
    *alpha.Pixel(1, 0) = 128;
    DrawSun(10, 5, sun.Lines(), map.Lines(), alpha.Lines());

    struct Case {
        int X, Y, Expected;
    };
    const Case cases[] = {
        {6, 1, 255},  // 100 + 200, saturated
        {7, 1, 200},  // 100 + Trunc(128 / 255 * 200)
        {8, 1, 100},  // transparent
        {5, 1, 100},  // left of the sun
        {6, 0, 100},  // above the sun
    };
    for (const Case& c : cases)
        for (int b = 0; b < 3; ++b)
            EXPECT_EQ(map.Pixel(c.X, c.Y)[b], c.Expected) << c.X << ", " << c.Y << " byte " << b;
}

TEST(SunOverlay, SkipsSunPixelsOutsideTheMap)
{
    struct Case {
        int SunX, SunY, ChangedPixels;
    };
    const Case cases[] = {
        {10, 5, 64}, {0, 0, 16}, {19, 9, 25}, {-3, 5, 1 * 8}, {-4, 5, 0}, {10, 12, 2 * 8}, {10, -100, 0},
    };
    for (const Case& c : cases) {
        Raster map(20, 10, 3, 0);
        Raster sun(8, 8, 3, 1);
        Raster alpha(8, 8, 1, 255);
        DrawSun(c.SunX, c.SunY, sun.Lines(), map.Lines(), alpha.Lines());
        int changed = 0;
        for (int y = 0; y < map.Height; ++y)
            for (int x = 0; x < map.Width; ++x)
                changed += map.Pixel(x, y)[0] != 0;
        EXPECT_EQ(changed, c.ChangedPixels) << c.SunX << ", " << c.SunY;
    }
}

TEST(SunOverlay, RefusesAMaskOfAnotherSize)
{
    Raster map(20, 10);
    Raster sun(8, 8);
    Raster alpha(7, 8, 1);
    EXPECT_THROW(DrawSun(10, 5, sun.Lines(), map.Lines(), alpha.Lines()), plat::EInvalidArgument);
}

}  // namespace
}  // namespace skelda::worldmap
