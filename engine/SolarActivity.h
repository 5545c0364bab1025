#pragma once

// The one number that drives the model: the 10.7 cm solar flux, and the smoothed sunspot number
// derived from it.

namespace skelda::engine {

// The mean length of a solar cycle: about eleven years.
inline constexpr int kSolarCycleMonths = 132;

// Smoothed sunspot number for a 10.7 cm solar flux (solar flux units): 0 below 65, then a
// quadratic, a line from 110 and a second quadratic from 213. The first quadratic starts slightly
// below 0 at 65.
long double FluxToSpots(long double fluxSfu);

// The flux whose FluxToSpots is sunspotNumber, on the fit's rising branch from 65 to 652.9 sfu:
// 65.03 sfu for 0 and below, 652.9 sfu for 384 and above. A number in the fit's small gap just
// below 60 gives 110 sfu. Lets a field that shows a sunspot number drive the model with the number
// the user typed.
long double SpotsToFlux(long double sunSpotNumber);

// Predicted smoothed flux for a calendar month, key = year * 100 + month (201306 = June 2013).
// The table covers December 2009 to December 2019. A month after it reads the table one mean solar
// cycle (kSolarCycleMonths) earlier, as many cycles as it takes to come back into the table, so a
// start-up without a bulletin in a later year gets the flux of the same phase of the cycle, not the
// quiet sun of the table's last month. A month before the table, or one whose cycles step back past
// its start (January to November 2020, and so on each cycle), gives the first value. A key whose
// last two digits are not a month 1..12 throws std::invalid_argument.
long double PredictedFlux(int yearMonthKey);

}  // namespace skelda::engine
