#pragma once

// Positions as the header bars, the target panels and the own-coordinate panels write them.

#include <string>

namespace skelda::app {

// "48.8° North"; zero reads as south.
std::string LatitudeText(long double latRad);
// "2.3° East" for a longitude of -2.25 degrees (west positive); zero reads as east.
std::string LongitudeText(long double lonRad);

// An angle in degrees split into whole degrees (toward zero), minutes and seconds; the parts
// keep the angle's sign.
struct TDegreesMinutesSeconds {
    long double Degrees = 0;
    long double Minutes = 0;
    long double Seconds = 0;
};
TDegreesMinutesSeconds SplitDegrees(long double deg);

// The own station's panels: whole degrees, a degree sign, the minutes to three decimals and the
// hemisphere, "2°15° East" for a longitude of -2.25 degrees (west positive); "0°" on the equator
// and the prime meridian.
std::string OwnLatitudeCaption(long double latDeg);
std::string OwnLongitudeCaption(long double lonDeg);

}  // namespace skelda::app
