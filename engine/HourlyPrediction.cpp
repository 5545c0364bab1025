#include "engine/HourlyPrediction.h"

#include "engine/HopGeometry.h"
#include "engine/Ionosphere.h"
#include "engine/ModelMath.h"
#include "engine/MufModel.h"
#include "engine/PathGeometry.h"
#include "engine/PropagationEngine.h"
#include "engine/SignalLevel.h"
#include "engine/SolarActivity.h"
#include "engine/SolarZenith.h"

#include <array>
#include <cmath>
#include <vector>

namespace skelda::engine {

namespace {

constexpr long double kLightSpeedMPerS = 299792500;
// The layer height of the per-hop-count takeoff angles and ray lengths, above the 320 km of the
// hop count's own geometry.
constexpr long double kReflectionHeightKm = 350;
// The level the table shows is above the receiver's rated sensitivity.
constexpr long double kRatedSensitivityDbm = -123;

// The frequencies of the table in MHz, frequency index 1 first.
constexpr std::array<long double, kFrequencyCount> kTableFrequenciesMHz = [] {
    std::array<long double, kFrequencyCount> frequenciesMHz{};
    for (int f = 1; f <= kFrequencyCount; ++f)
        frequenciesMHz[static_cast<std::size_t>(f - 1)] = FrequencyMHzOf(f);
    return frequenciesMHz;
}();

// The sun's declination on the prediction date.
long double SunDeclinationRad(int month, int day)
{
    return std::sin(((month - 1) * 365.25L / 12 + day - 80) / 365.25L * kTwoPiTrunc) * 23.5L *
           kDegToRad;
}

// The subsolar longitude at a whole UTC hour, positive west. Kept to the precision of a 32-bit
// float, as the model does.
long double SunLongitudeRad(int hourUtc)
{
    return static_cast<float>((15 * hourUtc - 180) * kDegToRad);
}

// Hours to add to UTC for the target's local time, from its longitude (positive west).
int LocalHourOffset(long double destLonRad)
{
    return static_cast<int>(std::trunc(destLonRad * 24 / kTwoPiTrunc));
}

int LocalHour(int hourUtc, int offsetHours)
{
    return ((hourUtc - offsetHours) % 24 + 24) % 24;
}

long double CellValue(DisplayFormat display, const HopTable& hops, int hopCount)
{
    const auto n = static_cast<std::size_t>(hopCount);
    switch (display) {
    case DisplayFormat::TakeoffAngle:
        return hops.TakeoffAngleRad[n] * kRadToDeg;
    case DisplayFormat::RouteDelay:
        return hops.HopLengthKm[n] / kLightSpeedMPerS * 1000000;
    case DisplayFormat::SignalLevel:
    case DisplayFormat::BestFrequency:
        break;
    }
    return hops.SignalDb[n] - kRatedSensitivityDbm;
}

}  // namespace

PredictionRefusal PropagationEngine::Predict(const PredictionRequest& request,
                                             IPredictionSink& sink)
{
    if (!std::isfinite(request.SolarValue)) return PredictionRefusal::NotFinite;
    const long double ownLatRad = request.OwnLatDeg * kDegToRad;
    const long double ownLonRad = request.OwnLonDeg * kDegToRad;
    const long double destLatRad = request.DestLatDeg * kDegToRad;
    const long double destLonRad = request.DestLonDeg * kDegToRad;
    const PathPlanOutcome outcome = PlanPath(ownLatRad, ownLonRad, destLatRad, destLonRad,
                                             request.MinAngleDeg * kDegToRad, request.LongPath);
    if (outcome.Refusal != PredictionRefusal::None) return outcome.Refusal;
    const PathPlan& plan = outcome.Plan;

    SetSolarFlux(request.SolarKind == SolarValueKind::SunSpots ? SpotsToFlux(request.SolarValue)
                                                               : request.SolarValue);
    SetPower(request.PowerW);
    SelectGainTable(request.GainTableChoice);
    path_.OwnLatRad = ownLatRad;
    path_.OwnLonRad = ownLonRad;
    path_.DestLatRad = destLatRad;
    path_.DestLonRad = destLonRad;
    path_.DeltaLonRad = plan.DeltaLonRad;
    path_.OwnAzimuthRad = plan.OwnAzimuthRad;
    path_.RemoteAzimuthRad = plan.RemoteAzimuthRad;
    path_.LongPath = request.LongPath;
    path_.SunDeclinationRad = SunDeclinationRad(request.Month, request.Day);

    const long double d = plan.PathRad;
    const int firstHop = plan.HopCount;
    const int offsetHours = LocalHourOffset(destLonRad);
    sink.PathComputed({.OwnLatRad = ownLatRad,
                       .OwnLonRad = ownLonRad,
                       .DestLatRad = destLatRad,
                       .DestLonRad = destLonRad,
                       .OwnAzimuthRad = plan.OwnAzimuthRad,
                       .RemoteAzimuthRad = plan.RemoteAzimuthRad,
                       .PathRad = d,
                       .DistanceKm = d * kEarthRadiusKm,
                       .HopCount = firstHop,
                       .ElevationRad = plan.ElevationRad,
                       .DelayMs = plan.DelayMs,
                       .LocalHourOffset = offsetHours,
                       .SolarFluxSfu = SolarFlux(),
                       .SunSpotNumber = SunSpotNumber()});

    // The ray of each of the four hop counts depends on the path alone.
    const long double earthToReflectionRatio = kEarthRadiusKm / (kEarthRadiusKm + kReflectionHeightKm);
    for (int n = firstHop; n <= firstHop + 3; ++n) {
        const auto i = static_cast<std::size_t>(n);
        const long double halfHopRad = d / (2 * n);
        hops_.TakeoffAngleRad[i] = HopElevationRad(halfHopRad, earthToReflectionRatio);
        hops_.HopLengthKm[i] = std::sin(halfHopRad) * 2 * n * (kEarthRadiusKm + kReflectionHeightKm) /
                               std::cos(hops_.TakeoffAngleRad[i]);
    }

    // What the hours share: only the sun's longitude and the MUF move from one hour to the next.
    // The MUF is always that of the short great circle.
    const MufDay muf(request.Month, request.Day, ownLatRad, ownLonRad, destLatRad, destLonRad,
                     sunSpotNumber_);
    std::vector<HopCountLayers> layers;
    layers.reserve(4);
    for (int n = firstHop; n <= firstHop + 3; ++n) layers.emplace_back(path_, sunSpotNumber_, n, d);
    const PointUnderSun pathMidpoint(PointAlongPath(path_, d / 2), path_.SunDeclinationRad);
    const LinkBudget links(hops_, antenna_, powerW_, firstHop, kTableFrequenciesMHz);

    const long double cosFIncidence = std::cos(plan.FIncidenceRad);
    for (int hourUtc = 0; hourUtc < kPredictionHours; ++hourUtc) {
        HourResult hour;
        hour.HourUtc = hourUtc;
        hour.LocalHour = LocalHour(hourUtc, offsetHours);
        hour.MufMHz = muf.At(hourUtc).MufMHz;
        path_.SunLongitudeRad = SunLongitudeRad(hourUtc);
        const long double zenithRad = pathMidpoint.ZenithRad(path_.SunLongitudeRad);
        for (const HopCountLayers& hopCount : layers)
            hopCount.Evaluate(path_.SunLongitudeRad, cosFIncidence * hour.MufMHz, hops_);
        hour.HopCountMufMHz = hops_.FMufMHz[static_cast<std::size_t>(firstHop)];
        hour.SunElevationDeg = 90 - zenithRad * kRadToDeg;

        long double bestDb = SensitivityFloorDb();
        for (int f = 1; f <= kFrequencyCount; ++f) {
            const int hopCount = links.Evaluate(static_cast<std::size_t>(f - 1), hops_);
            if (hopCount == 0) continue;
            const CellResult cell{.HourUtc = hourUtc,
                                  .FrequencyIndex = f,
                                  .HopCount = hopCount,
                                  .Value = CellValue(request.Display, hops_, hopCount),
                                  .ModeFlags = hops_.ModeFlags[static_cast<std::size_t>(hopCount)]};
            if (request.Display != DisplayFormat::BestFrequency) sink.CellComputed(cell);
            // A later frequency can overwrite this hop count's entries, so the best cell is
            // kept as it was found.
            const long double levelDb = hops_.SignalDb[static_cast<std::size_t>(hopCount)];
            if (levelDb > bestDb) {
                bestDb = levelDb;
                hour.BestFrequencyIndex = f;
                hour.Best = cell;
            }
        }
        sink.HourComputed(hour);
    }
    return PredictionRefusal::None;
}

}  // namespace skelda::engine
