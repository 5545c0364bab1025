#include "worldmap/UtcOffset.h"

#include "platform/system/Environment.h"

namespace skelda::worldmap {

double UtcOffsetDays(const plat::TTimeZoneInformation& zone)
{
    constexpr double MinutesPerDay = 1440;
    switch (zone.State) {
    case plat::tzStandard:
        return (zone.Bias + zone.StandardBias) / MinutesPerDay;
    case plat::tzDaylight:
        return (zone.Bias + zone.DaylightBias) / MinutesPerDay;
    case plat::tzUnknown:
        break;
    }
    return zone.Bias / MinutesPerDay;
}

double UtcOffsetDays()
{
    return UtcOffsetDays(plat::Env().Clock->TimeZone());
}

}  // namespace skelda::worldmap
