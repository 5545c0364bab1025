#pragma once

// The day's solar-flux bulletin of the space-weather service, read as the program always read it:
// the 10.7 cm flux from the words "Solar flux", the issue time from "Issued".

#include <optional>
#include <string>
#include <string_view>

namespace skelda::app {

struct SolarFluxBulletin {
    int FluxSfu = 0;
    // The 22 characters after "Issued" and one more (":Issued: 2013 Jun 06 0605 UTC" gives
    // "2013 Jun 06 0605 UTC"), trimmed; empty when the bulletin has no "Issued".
    std::string IssueText;
};

// Bulletin is the body as it came, Windows-1252 text. The flux is the 4 characters right after
// the first "Solar flux", trimmed, and must be a whole number above 0; a bulletin without it, or
// with anything else there, gives nothing.
std::optional<SolarFluxBulletin> ReadSolarFluxBulletin(std::string_view Bulletin);

}  // namespace skelda::app
