#include "engine/MufModel.h"

#include "engine/ModelMath.h"

#include <cmath>
#include <limits>

namespace skelda::engine {

using std::cos;
using std::exp;
using std::fabs;
using std::sin;
using std::sqrt;

Season SeasonOf(long double month, long double dayOfMonth)
{
    const long double uRad = ((month - 1) * 30.4L + 10 + dayOfMonth) * 0.0172L;
    return {uRad, 0.409L * cos(uRad)};
}

long double HemisphereFactor(long double ownLatRad, long double targetLatRad)
{
    return 1 + 0.1L * (1 - Sign(ownLatRad) * Sign(targetLatRad));
}

long double HighLatitudeFactor(long double controlLatRad)
{
    return 1 - 0.1L * (Sign(fabs(sin(controlLatRad)) - cos(controlLatRad)) + 1);
}

namespace {

constexpr long double kPoleMarginRad = 1e-7L;

// The path-wide values every control point needs.
struct MufPath {
    long double hourUtc;
    long double tla, tlo, rla, rlo;  // own and target position
    long double sunSpotNumber;
    long double d = 0;      // path arc
    long double cosAz = 0;  // bearing term at the target
    long double k8 = 0;     // distance factor
    Season season;
};

// Sunrise-to-sunset hours, sunrise and sunset at a control point (hours UTC).
struct DayLight {
    long double dayLengthHours, sunriseHour, sunsetHour;
};

DayLight DayLightAt(long double latC, long double localNoonHour, const Season& season)
{
    const long double w = season.WRad;
    const long double q = (sin(w) * sin(latC) - 0.26L) / (cos(w) * cos(latC) + 0.001L);
    // At |q| = 1 the quotient is infinite and the arc tangent +-pi/2: 24 hours at q = -1.
    const long double dayLength = 12 - 7.639437L * std::atan(q / sqrt(fabs(1 - q * q)));
    long double sunrise = localNoonHour - dayLength / 2;
    if (sunrise < 0) sunrise += 24;
    long double sunset = localNoonHour + dayLength / 2;
    if (sunset >= 24) sunset -= 24;
    return {dayLength, sunrise, sunset};
}

// The model's G. Its letters: D day length, R sunrise, S sunset (hours), C the sun's noon height
// term, M and X the shape of the ionisation's rise and decay.
long double IonisationAt(long double latC, long double hourUtc, const Season& season,
                         const DayLight& light)
{
    const long double D = light.dayLengthHours;
    const long double R = light.sunriseHour;
    const long double S = light.sunsetHour;
    const long double C = fabs(cos(latC + season.WRad));
    long double M = 9.7L * std::pow(C, 9.6L);
    if (M < 0.1L) M = 0.1L;
    const long double X = kPiTrunc * M / D;
    const long double ho = hourUtc;

    // With R <= S an hour equal to sunrise or sunset counts as night.
    const bool night = (R > S && (ho - S) * (R - ho) > 0) || (R <= S && (ho - R) * (S - ho) <= 0);
    if (night) {
        const long double h = ho <= S ? ho + 24 : ho;
        return C * X * (1 + exp(-D / M)) * exp((S - h) / 2) / (X * X + 1);
    }
    const long double h = ho <= R ? ho + 24 : ho;
    const long double Y = kPiTrunc * (h - R) / D;
    const long double G = C * (sin(Y) + X * (exp((R - h) / M) - cos(Y))) / (X * X + 1);
    const long double nightFloor = C * X * (1 + exp(-D / M)) * exp((D - 24) / 2) / (X * X + 1);
    return nightFloor > G ? nightFloor : G;
}

MufControlPoint EvaluateControlPoint(const MufPath& p, long double fraction)
{
    MufControlPoint point;
    point.FractionFromTarget = fraction;
    const long double b = p.d * fraction;

    const long double sl = ClampUnit(sin(p.rla) * cos(b) + cos(p.rla) * sin(b) * p.cosAz);
    const long double latC = kHalfPiTrunc - std::acos(sl);
    point.LatRad = latC;

    // A control point on a pole has no longitude of its own: any will do, and the target's is
    // taken. Close to the pole the quotient below is 0/0 or x/0 and its arc cosine, and with it
    // the local noon, would be rounding noise.
    const long double lonDenominator = sqrt(1 - sl * sl) * cos(p.rla);
    const bool onPole = kHalfPiTrunc - fabs(latC) <= kPoleMarginRad;
    const long double cl = !onPole && lonDenominator != 0
                               ? ClampUnit((cos(b) - sl * sin(p.rla)) / lonDenominator)
                               : 1.0L;
    long double lonC = std::acos(cl) * Sign(sin(p.tlo - p.rlo)) + p.rlo;
    if (lonC < 0) lonC += kTwoPiTrunc;
    if (lonC >= kTwoPiTrunc) lonC -= kTwoPiTrunc;
    point.LonRad = lonC;

    const long double u = p.season.URad;
    long double localNoonHour = 0.13L * (sin(u) + 1.2L * sin(2 * u)) + 3.82L * lonC + 12;
    if (localNoonHour >= 24) localNoonHour -= 24;

    // In polar night (the sun below the twilight limit all day) day length and ionisation stay 0.
    if (cos(latC + p.season.WRad) > -0.26L) {
        const DayLight light = DayLightAt(latC, localNoonHour, p.season);
        point.DayLengthHours = light.dayLengthHours;
        point.Ionisation = IonisationAt(latC, p.hourUtc, p.season, light);
    }

    long double F = sqrt(6 + 58 * sqrt(point.Ionisation)) * (1 + p.sunSpotNumber / 250) * p.k8;
    F = F * (1 - 0.1L * exp((point.DayLengthHours - 24) / 3));
    F = F * HemisphereFactor(p.tla, p.rla);
    F = F * HighLatitudeFactor(latC);
    point.MufMHz = F;
    return point;
}

}  // namespace

MufEvaluation EvaluateMiniMuf(long double month, long double dayOfMonth, long double hourUtc,
                              long double ownLatRad, long double ownLonRad,
                              long double targetLatRad, long double targetLonRad,
                              long double sunSpotNumber)
{
    MufPath p{.hourUtc = hourUtc,
              .tla = ownLatRad,
              .tlo = ownLonRad,
              .rla = targetLatRad,
              .rlo = targetLonRad,
              .sunSpotNumber = sunSpotNumber,
              .season = SeasonOf(month, dayOfMonth)};
    MufEvaluation result;

    if (SamePlace(ownLatRad, ownLonRad, targetLatRad, targetLonRad)) {
        result.MufMHz = std::numeric_limits<long double>::quiet_NaN();
        return result;
    }
    p.d = ArcCosClamped(sin(p.tla) * sin(p.rla) + cos(p.tla) * cos(p.rla) * cos(p.rlo - p.tlo));
    result.PathRad = p.d;
    if (!(p.d > 0)) {
        result.MufMHz = std::numeric_limits<long double>::quiet_NaN();
        return result;
    }

    long double k = 1.59L * p.d;
    if (k < 1) k = 1;
    p.cosAz = (sin(p.tla) - sin(p.rla) * cos(p.d)) / (cos(p.rla) * sin(p.d));

    long double y = p.d * 2.5L / k;
    if (y > kHalfPiTrunc) y = kHalfPiTrunc;
    const long double s = sin(y);
    p.k8 = 1 + 2.5L * s * sqrt(s);

    // Mathematically the loop visits one point (k = 1) or two. Near k = 1/0.9999 its step
    // |0.9999 - 1/k| shrinks towards 0 and would pile up points (or never end), so it stops at two.
    long double muf = 100;
    const long double step = fabs(0.9999L - 1 / k);
    const long double lastFraction = 1 - 1 / (2 * k);
    long double fraction = 1 / (2 * k);
    while (result.ControlPointCount < 2 && fraction <= lastFraction) {
        const MufControlPoint point = EvaluateControlPoint(p, fraction);
        result.ControlPoints[static_cast<std::size_t>(result.ControlPointCount++)] = point;
        if (muf > point.MufMHz) muf = point.MufMHz;
        fraction = fraction + step;
    }
    result.MufMHz = muf;
    return result;
}

long double MiniMuf(long double month, long double dayOfMonth, long double hourUtc,
                    long double ownLatRad, long double ownLonRad, long double targetLatRad,
                    long double targetLonRad, long double sunSpotNumber)
{
    return EvaluateMiniMuf(month, dayOfMonth, hourUtc, ownLatRad, ownLonRad, targetLatRad,
                           targetLonRad, sunSpotNumber)
        .MufMHz;
}

}  // namespace skelda::engine
