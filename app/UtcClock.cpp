#include "app/UtcClock.h"

#include "platform/system/Clock.h"
#include "platform/system/Environment.h"
#include "worldmap/UtcOffset.h"

namespace skelda::app {

plat::TDateTime UtcNow()
{
    return plat::Env().Clock->Now() + worldmap::UtcOffsetDays();
}

}  // namespace skelda::app
