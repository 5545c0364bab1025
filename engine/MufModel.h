#pragma once

// Maximum usable frequency of a path for one UTC hour, after the MINIMUF 3.5 semi-empirical model:
// the F2-layer frequency is estimated at one control point (paths up to 1/1.59 radian) or two
// control points (longer paths) on the short great circle, and the lowest of them is the path's
// MUF. Angles are radians, latitudes positive north, longitudes positive west, hours UTC.

#include <array>
#include <optional>

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

// Sunrise-to-sunset hours, sunrise and sunset at a control point (hours UTC).
struct DayLight {
    long double DayLengthHours = 0;
    long double SunriseHour = 0;
    long double SunsetHour = 0;
};

// The ionisation at a control point (the model's G) over the hours of one day: the shape of its
// rise and decay is the day's, only the hour moves.
class IonisationCurve {
public:
    IonisationCurve(long double controlLatRad, const Season& season, const DayLight& light);

    long double At(long double hourUtc) const;

private:
    // The model's letters: D day length, R sunrise, S sunset (hours), C the sun's noon height
    // term, M and X the shape of the rise and decay.
    long double D_, R_, S_, C_, M_, X_;
    long double nightScale_;   // C X (1 + e^(-D/M))
    long double denominator_;  // X^2 + 1
    long double nightFloor_;   // what the night leaves at sunrise, the least of a sunlit day
};

// The model for one path, date and solar activity with all that stays the same over the day
// worked out once: the control points, their daylight and the factors of their MUF. A day's
// prediction asks it hour by hour.
class MufDay {
public:
    MufDay(long double month, long double dayOfMonth, long double ownLatRad, long double ownLonRad,
           long double targetLatRad, long double targetLonRad, long double sunSpotNumber);

    // The evaluation at one hour, as EvaluateMiniMuf gives it.
    MufEvaluation At(long double hourUtc) const;

private:
    struct PathTerms;  // the path-wide values every control point needs

    struct ControlPoint {
        MufControlPoint Fixed;  // all but the ionisation and the MUF
        // None in polar night, where the sun stays below the twilight limit all day.
        std::optional<IonisationCurve> Ionisation;
        long double DayLengthFactor = 0;  // 1 - 0.1 e^((D - 24) / 3)
        long double HighLatitudeFactor = 0;
    };

    static ControlPoint PrepareControlPoint(const PathTerms& path, long double fraction);
    long double MufMHz(const ControlPoint& point, long double ionisation) const;

    long double pathRad_ = 0;
    bool hasPath_ = false;
    long double sunSpotFactor_;       // 1 + R / 250
    long double distanceFactor_ = 0;  // the model's k8
    long double hemisphereFactor_;
    int controlPointCount_ = 0;
    std::array<ControlPoint, 2> controlPoints_{};
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
