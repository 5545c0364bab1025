#pragma once

#include "platform/system/DateTime.h"

#include <cmath>

namespace plat {

enum TTimeZoneId { tzUnknown, tzStandard, tzDaylight };

// The local zone as the operating system described it. Biases are in minutes, west positive:
// UTC = local time + Bias + StandardBias while standard time is in force, + DaylightBias while
// daylight time is, and + Bias alone when the zone knows no daylight time (State tzUnknown).
struct TTimeZoneInformation {
    int Bias = 0;
    int StandardBias = 0;
    int DaylightBias = 0;
    TTimeZoneId State = tzUnknown;
    friend bool operator==(const TTimeZoneInformation&, const TTimeZoneInformation&) = default;
};

// Wall-clock time and the local time zone. Production reads the system; tests use a fixed clock.
class IClock {
public:
    virtual ~IClock() = default;

    // Local date and time.
    virtual TDateTime Now() const = 0;
    // Local date, time of day cut off.
    TDateTime Date() const { return std::trunc(Now()); }
    virtual TTimeZoneInformation TimeZone() const = 0;
};

}  // namespace plat
