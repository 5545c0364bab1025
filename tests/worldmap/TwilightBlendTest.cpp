#include "worldmap/TwilightBlend.h"

#include <gtest/gtest.h>

#include <cmath>

namespace skelda::worldmap {
namespace {

TEST(TwilightBlend, BlendByteKeepsNightBlendsWithFloorOrTakesDay)
{
    struct Case {
        int Day, Night, Weight, Expected;
    };
    const Case cases[] = {
        {200, 10, 0, 10},      // night
        {200, 10, -500, 10},   // far below the horizon
        {200, 10, 256, 200},   // day
        {200, 10, 1173, 200},  // sun overhead
        {200, 10, 128, 105},   // half way: 10 + 190 / 2
        {255, 0, 255, 254},    // 255 * 255 / 256 = 254.0039
        {0, 255, 1, 254},      // floor, not truncation, of -255 / 256
        {11, 200, 128, 105},   // floor of -94.5 is -95
        {100, 100, 77, 100},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BlendByte(static_cast<std::uint8_t>(c.Day), static_cast<std::uint8_t>(c.Night), c.Weight), c.Expected)
            << "day " << c.Day << " night " << c.Night << " weight " << c.Weight;
}

TEST(TwilightBlend, WeightRunsFromNightAtMinus015ToFullAt01)
{
    struct Case {
        double CosZenith;
        int Expected;
    };
    const Case cases[] = {
        {-1.0, 0}, {-0.15, 0}, {-0.1495, 1}, {-0.12, 31}, {0.051, 206}, {0.1, 255}, {0.1001, 256}, {1.0, 256},
        {std::nan(""), 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TwilightWeight(c.CosZenith), c.Expected) << "cos z " << c.CosZenith;
}

}  // namespace
}  // namespace skelda::worldmap
