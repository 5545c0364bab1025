#include "worldmap/SunPosition.h"

#include "platform/system/MathRoutines.h"

#include <cmath>

namespace skelda::worldmap {

namespace {

// sin 23.5 degrees, the tilt of the Earth's axis.
constexpr double SinObliquity = 0.3987491;

int DayOfYear(const plat::TDateTimeParts& parts)
{
    static constexpr int DaysBeforeMonth[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    return DaysBeforeMonth[parts.Month - 1] + parts.Day;
}

}  // namespace

int DayOfYear(plat::TDateTime time)
{
    return DayOfYear(plat::DecodeDateTime(time));
}

double SolarDeclinationRad(int dayOfYear)
{
    return std::asin(-SinObliquity * std::cos(TwoPi * (dayOfYear + 10) / 365));
}

TSunPosition SunPosition(plat::TDateTime time)
{
    // One decoding for both, so that the day and the time of day agree near midnight.
    const plat::TDateTimeParts parts = plat::DecodeDateTime(time);
    const double secondsOfDay = parts.Hour * 3600.0 + parts.Min * 60.0 + parts.Sec + parts.MSec / 1000.0;
    // The fraction of the day first: noon is then exactly pi, on the map's middle column,
    // where 2 pi * 43200 / 86400 would come out one rounding step short of it.
    return {TwoPi - TwoPi * (secondsOfDay / 86400), SolarDeclinationRad(DayOfYear(parts))};
}

plat::TPoint SunPixel(const TSunPosition& sun, int width, int height)
{
    auto x = static_cast<int>(plat::Trunc(width * sun.LongitudeRad / TwoPi));
    if (x >= width)
        x -= width;
    auto y = height / 2 - static_cast<int>(plat::Trunc(height * sun.DeclinationRad / Pi));
    if (y >= height)
        y -= height;
    return {x, y};
}

}  // namespace skelda::worldmap
