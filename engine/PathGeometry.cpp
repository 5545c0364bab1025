#include "engine/PathGeometry.h"

#include "engine/HopGeometry.h"
#include "engine/HopTable.h"
#include "engine/ModelMath.h"

#include <cmath>

namespace skelda::engine {

using std::cos;
using std::sin;

namespace {

constexpr long double kLightSpeedMPerS = 299792500;

// One grazing hop at the F layer: 2 arccos(6371.2 / 6691.2) = 0.6210 rad, 3956.7 km.
long double GrazingHopRad()
{
    return 2 * std::acos(kEarthToFLayerRatio);
}

long double WrapTurn(long double angleRad)
{
    return angleRad >= kTwoPiTrunc ? angleRad - kTwoPiTrunc : angleRad;
}

bool AllFinite(const PathPlan& plan)
{
    for (long double value : {plan.OwnAzimuthRad, plan.RemoteAzimuthRad, plan.PathRad,
                              plan.HalfHopRad, plan.ElevationRad, plan.FIncidenceRad, plan.DelayMs})
        if (!std::isfinite(value)) return false;
    return true;
}

}  // namespace

int LargestFirstHopCount()
{
    return kMaxHopCount - 3;
}

PathPlanOutcome PlanPath(long double ownLatRad, long double ownLonRad, long double destLatRad,
                         long double destLonRad, long double minAngleRad, bool longPath)
{
    PathPlanOutcome outcome;
    for (long double value : {ownLatRad, ownLonRad, destLatRad, destLonRad, minAngleRad}) {
        if (!std::isfinite(value)) {
            outcome.Refusal = PredictionRefusal::NotFinite;
            return outcome;
        }
    }
    if (SamePlace(ownLatRad, ownLonRad, destLatRad, destLonRad)) {
        outcome.Refusal = PredictionRefusal::SamePlace;
        return outcome;
    }

    PathPlan& plan = outcome.Plan;
    long double deltaLonRad = ownLonRad - destLonRad;
    if (deltaLonRad >= kPiTrunc) deltaLonRad -= kTwoPiTrunc;
    if (deltaLonRad <= -kPiTrunc) deltaLonRad += kTwoPiTrunc;
    plan.DeltaLonRad = deltaLonRad;

    // Rounding carries these cosines past 1 on ordinary paths (85 N to 85.5 N on one meridian).
    long double d = ArcCosClamped(sin(ownLatRad) * sin(destLatRad) +
                                  cos(ownLatRad) * cos(destLatRad) * cos(deltaLonRad));
    if (!(d > 0)) {
        // Two places closer than the arithmetic can tell apart.
        outcome.Refusal = PredictionRefusal::SamePlace;
        return outcome;
    }
    plan.OwnAzimuthRad =
        ArcCosClamped((sin(destLatRad) - sin(ownLatRad) * cos(d)) / (cos(ownLatRad) * sin(d)));
    if (deltaLonRad < 0) plan.OwnAzimuthRad = kTwoPiTrunc - plan.OwnAzimuthRad;
    plan.RemoteAzimuthRad =
        ArcCosClamped((sin(ownLatRad) - sin(destLatRad) * cos(d)) / (cos(destLatRad) * sin(d)));
    if (deltaLonRad >= 0) plan.RemoteAzimuthRad = kTwoPiTrunc - plan.RemoteAzimuthRad;

    if (longPath) {
        d = kTwoPiTrunc - d;
        plan.OwnAzimuthRad = WrapTurn(plan.OwnAzimuthRad + kPiTrunc);
        plan.RemoteAzimuthRad = WrapTurn(plan.RemoteAzimuthRad + kPiTrunc);
    }
    plan.PathRad = d;

    // Round half to even, as the model counts its grazing hops.
    int hops = static_cast<int>(std::nearbyint(d / GrazingHopRad()));
    long double halfHopRad = 0;
    long double elevationRad = 0;
    bool raised = false;
    while (elevationRad < minAngleRad) {
        if (hops >= LargestFirstHopCount()) {
            outcome.Refusal = PredictionRefusal::MinAngleUnreachable;
            return outcome;
        }
        ++hops;
        raised = true;
        halfHopRad = d / (2 * hops);
        elevationRad = HopElevationRad(halfHopRad, kEarthToFLayerRatio);
    }
    if (!raised) {
        // A minimum angle of 0 on a path shorter than half a grazing hop rounds to no hop at all.
        if (hops < 1) hops = 1;
        halfHopRad = d / (2 * hops);
        elevationRad = HopElevationRad(halfHopRad, kEarthToFLayerRatio);
    }
    plan.HopCount = hops;
    plan.HalfHopRad = halfHopRad;
    plan.ElevationRad = elevationRad;
    plan.FIncidenceRad = IncidenceRad(elevationRad, kFLayerRadiusKm);
    plan.DelayMs = sin(halfHopRad) * 2 * hops * kFLayerRadiusKm / cos(elevationRad) /
                   kLightSpeedMPerS * 1000000;

    if (!AllFinite(plan)) outcome.Refusal = PredictionRefusal::NotFinite;
    return outcome;
}

}  // namespace skelda::engine
