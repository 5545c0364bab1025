#pragma once

// Maximum usable frequency of a path for one UTC hour, after the MINIMUF 3.5 semi-empirical model:
// the F2-layer frequency is estimated at one control point (paths up to 1/1.59 radian) or two
// control points (longer paths) on the short great circle, and the lowest of them is the path's
// MUF. Angles are radians, latitudes positive north, longitudes positive west, hours UTC.

#include <array>

namespace skelda::engine {

// The model's season: u, the day-of-year angle, and w, its declination-like term.
struct Season {
    long double URad = 0;
    long double WRad = 0;
};

Season SeasonOf(long double month, long double dayOfMonth);

// 1.2 when the two ends lie in different hemispheres, else 1 (a latitude of exactly 0 is north).
long double HemisphereFactor(long double ownLatRad, long double targetLatRad);

// 0.8 for a control point at 45 degrees of latitude or more (north or south), else 1.
long double HighLatitudeFactor(long double controlLatRad);

struct MufControlPoint {
    long double FractionFromTarget = 0;  // position on the path, 0 at the target, 1 at the station
    long double LatRad = 0;
    long double LonRad = 0;          // 0 .. 2 pi, positive west
    long double DayLengthHours = 0;  // 0 in polar night
    long double Ionisation = 0;      // the model's G, 0 in polar night
    long double MufMHz = 0;
};

struct MufEvaluation {
    long double PathRad = 0;  // great-circle arc between the two ends
    int ControlPointCount = 0;
    std::array<MufControlPoint, 2> ControlPoints{};
    long double MufMHz = 0;
};

// The whole evaluation, with the control points it visited. Two points at the same place (or a
// non-finite input) have no path: the MUF is then a quiet NaN, which the caller must refuse.
MufEvaluation EvaluateMiniMuf(long double month, long double dayOfMonth, long double hourUtc,
                              long double ownLatRad, long double ownLonRad,
                              long double targetLatRad, long double targetLonRad,
                              long double sunSpotNumber);

// The path's MUF in MHz (see EvaluateMiniMuf).
long double MiniMuf(long double month, long double dayOfMonth, long double hourUtc,
                    long double ownLatRad, long double ownLonRad, long double targetLatRad,
                    long double targetLonRad, long double sunSpotNumber);

}  // namespace skelda::engine
