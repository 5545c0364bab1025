#pragma once

// The start-up download of the solar-flux bulletin over HTTP (the environment's client).

#include "app/SolarFluxBulletin.h"
#include "platform/system/HttpClient.h"

#include <optional>
#include <string>

namespace skelda::app {

// Start-up never waits long on the network: 5 s to connect, 10 s for the whole exchange, and a
// bulletin of at most 64 KiB.
plat::THttpOptions BulletinHttpOptions();

// The bulletin at Url, read whole; nothing when the server cannot be reached or does not answer
// in time, answers with another status than 200, sends more than the options allow, or sends
// no bulletin with a flux.
std::optional<SolarFluxBulletin> DownloadSolarFlux(const std::string& Url,
                                                   const plat::THttpOptions& Options = BulletinHttpOptions());

}  // namespace skelda::app
