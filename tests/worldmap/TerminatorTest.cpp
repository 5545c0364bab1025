#include "worldmap/Terminator.h"

#include "platform/core/Exception.h"
#include "tests/worldmap/Raster.h"

#include <gtest/gtest.h>

namespace skelda::worldmap {
namespace {

using test::Raster;

constexpr std::uint8_t DayByte = 200;
constexpr std::uint8_t NightByte = 10;

// Distinct bytes in every channel, so that a byte taken from the wrong place shows.
Raster Pattern(int seed)
{
    Raster raster(512, 256);
    for (std::size_t i = 0; i < raster.Bytes.size(); ++i)
        raster.Bytes[i] = static_cast<std::uint8_t>((i * 2654435761u + static_cast<std::size_t>(seed)) >> 13);
    return raster;
}

TEST(Terminator, TwoWorkersGiveTheBytesOfASinglePass)
{
    Raster day = Pattern(1);
    const Raster night = Pattern(2);
    for (int n = 0; n < 40; ++n) {
        // Spread over a year and over the hours of the day.
        const plat::TDateTime time = plat::EncodeDate(2026, 1, 1) + n * 9.13 + n * 0.377;
        Raster single = night;
        Raster pair = night;
        ComputeTerminator(day.Lines(), single.Lines(), SunPosition(time), 1);
        ComputeTerminator(day.Lines(), pair.Lines(), SunPosition(time), 2);
        ASSERT_EQ(single.Bytes, pair.Bytes) << "instant " << n;
        ASSERT_NE(single.Bytes, night.Bytes) << "instant " << n;
    }
}

TEST(Terminator, DayWhereTheSunIsUpNightOppositeTwilightBetween)
{
    enum Light { Night, Twilight, Day };
    struct Case {
        int Month, Day, Hour;
        int X, Y;
        Light Expected;
    };
    const Case cases[] = {
        {3, 20, 12, 256, 128, Day},      // under the sun
        {3, 20, 12, 0, 128, Night},      // its antipode
        {3, 20, 12, 128, 128, Twilight},  // 90 degrees west at noon UTC: sunrise
        {3, 20, 12, 384, 128, Twilight},  // 90 degrees east: sunset
        {3, 20, 0, 511, 128, Day},       // the last column is blended like the others
        {3, 20, 0, 511, 0, Twilight},    // the north pole on the equinox
        {6, 21, 0, 256, 0, Day},         // polar day at midnight UTC
        {6, 21, 12, 256, 255, Night},    // polar night at noon UTC
    };
    Raster day(512, 256, 3, DayByte);
    for (const Case& c : cases) {
        Raster map(512, 256, 3, NightByte);
        const plat::TDateTime time = plat::EncodeDate(2026, c.Month, c.Day) + plat::EncodeTime(c.Hour, 0, 0, 0);
        ComputeTerminator(day.Lines(), map.Lines(), SunPosition(time));
        const std::uint8_t* pixel = map.Pixel(c.X, c.Y);
        for (int b = 0; b < 3; ++b) {
            const std::uint8_t value = pixel[b];
            const Light light = value == DayByte ? Day : value == NightByte ? Night : Twilight;
            EXPECT_EQ(light, c.Expected) << c.Month << "-" << c.Day << " " << c.Hour << "h at " << c.X << ", " << c.Y
                                         << " byte " << b << " = " << int(value);
        }
    }
}

TEST(Terminator, RefusesPicturesOfDifferentSizesAndNoWorkers)
{
    Raster day(512, 256);
    Raster narrow(511, 256);
    Raster low(512, 255);
    Raster map(512, 256);
    const TSunPosition sun{Pi, 0};
    EXPECT_THROW(ComputeTerminator(day.Lines(), narrow.Lines(), sun), plat::EInvalidArgument);
    EXPECT_THROW(ComputeTerminator(day.Lines(), low.Lines(), sun), plat::EInvalidArgument);
    EXPECT_THROW(ComputeTerminator(day.Lines(), map.Lines(), sun, 0), plat::EInvalidArgument);
}

}  // namespace
}  // namespace skelda::worldmap
