#pragma once

// The current UTC time from the environment's clock and its time zone.

#include "platform/system/DateTime.h"

namespace skelda::app {

plat::TDateTime UtcNow();

}  // namespace skelda::app
