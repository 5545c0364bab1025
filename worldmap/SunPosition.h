#pragma once

#include "platform/core/Types.h"
#include "platform/system/DateTime.h"

namespace skelda::worldmap {

// The map's angles use these double values of pi throughout, so that columns and rows of the
// sun and of the terminator agree to the last bit.
inline constexpr double TwoPi = 6.283185307179586;
inline constexpr double Pi = 3.141592653589793;

// Where the sun stands overhead, as the map measures it.
struct TSunPosition {
    // Eastwards from the map's left edge (180 degrees west): 2 pi at 00:00 UTC, pi at 12:00.
    double LongitudeRad = 0;
    // Positive north.
    double DeclinationRad = 0;
};

// Day of month plus the lengths of the earlier months, February always counted as 28 days,
// so that 1 March is day 60 in every year.
int DayOfYear(plat::TDateTime time);

// Solar declination on a day of the year: lowest at the December solstice (about day 355),
// zero near the equinoxes.
double SolarDeclinationRad(int dayOfYear);

// The subsolar point at the UTC instant Time.
TSunPosition SunPosition(plat::TDateTime time);

// The map pixel under the subsolar point on a map of Width x Height pixels (Height rows per
// pi of latitude); a column that reaches Width wraps to the left edge.
plat::TPoint SunPixel(const TSunPosition& sun, int width, int height);

}  // namespace skelda::worldmap
