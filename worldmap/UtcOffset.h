#pragma once

#include "platform/system/Clock.h"

namespace skelda::worldmap {

// What to add to local time to get UTC, in days: Bias plus StandardBias while standard time is
// in force, plus DaylightBias while daylight time is, Bias alone otherwise.
double UtcOffsetDays(const plat::TTimeZoneInformation& zone);

// The same for the zone of the environment's clock.
double UtcOffsetDays();

}  // namespace skelda::worldmap
