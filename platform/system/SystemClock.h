#pragma once

#include "platform/system/Clock.h"

#include <cstdint>
#include <string>

namespace plat {

// The computer's clock and local time zone.
class SystemClock : public IClock {
public:
    TDateTime Now() const override;
    TTimeZoneInformation TimeZone() const override;
};

// The description of an IANA zone ("Europe/Berlin") at an instant, in milliseconds since
// 1970-01-01 UTC, as the operating system would have given it then; an unknown zone id reads
// as UTC. The local zone is this at the current instant.
TTimeZoneInformation ZoneInformationAt(const std::string& ianaId, std::int64_t utcMSecsSinceEpoch);

}  // namespace plat
