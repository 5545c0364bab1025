#pragma once

// The one number that drives the model: the 10.7 cm solar flux, and the smoothed sunspot number
// derived from it.

namespace skelda::engine {

// Smoothed sunspot number for a 10.7 cm solar flux (solar flux units): 0 below 65, then a
// quadratic, a line from 110 and a second quadratic from 213. The first quadratic starts slightly
// below 0 at 65.
long double FluxToSpots(long double fluxSfu);

// Predicted smoothed flux for a calendar month, key = year * 100 + month (201306 = June 2013).
// The table covers December 2009 to December 2019; a month before it gives the first value and a
// month after it the last, so a start-up without a bulletin always has a usable flux.
long double PredictedFlux(int yearMonthKey);

}  // namespace skelda::engine
