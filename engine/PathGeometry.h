#pragma once

// The great circle between the station and the target as a prediction travels it: its arc, the
// azimuths at both ends, the hop count the minimum takeoff angle allows, and the delay.
// Radians, latitudes positive north, longitudes positive west.

#include "engine/HourlyPrediction.h"

namespace skelda::engine {

struct PathPlan {
    long double DeltaLonRad = 0;       // own minus target longitude, in (-pi, pi)
    long double OwnAzimuthRad = 0;     // 0 .. 2 pi, turned by pi on the long path
    long double RemoteAzimuthRad = 0;  // 0 .. 2 pi, turned by pi on the long path
    long double PathRad = 0;           // the arc travelled, 2 pi - short arc on the long path
    int HopCount = 0;                  // G
    long double HalfHopRad = 0;        // PathRad / 2G
    long double ElevationRad = 0;      // takeoff angle of G hops at the F layer
    long double FIncidenceRad = 0;     // angle of incidence of that ray at the F layer
    long double DelayMs = 0;
};

struct PathPlanOutcome {
    PredictionRefusal Refusal = PredictionRefusal::None;
    PathPlan Plan;  // meaningful only without a refusal
};

// The hop count is the rounded number of grazing hops, raised one at a time until the takeoff
// angle reaches minAngleRad, and at least 1. It stays at or below kMaxHopCount - 3, because the
// link budget looks at four hop counts from it; a minimum angle that needs more is refused, as are
// one place for both ends and a geometry that is not finite.
PathPlanOutcome PlanPath(long double ownLatRad, long double ownLonRad, long double destLatRad,
                         long double destLonRad, long double minAngleRad, bool longPath);

// The largest hop count a path may start its four-count window at.
int LargestFirstHopCount();

}  // namespace skelda::engine
