#pragma once

// Positions as the header bars and the target panels write them.

#include <string>

namespace skelda::app {

// "48.8° North"; zero reads as south.
std::string LatitudeText(long double latRad);
// "2.3° East" for a longitude of -2.25 degrees (west positive); zero reads as east.
std::string LongitudeText(long double lonRad);

}  // namespace skelda::app
