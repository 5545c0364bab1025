// One whole prediction of a path as the hour-by-hour computation runs it: for each of 25 hours the
// MUF, the layers of four hop counts and the link budget of fifteen frequencies.

#include "engine/Bearing.h"
#include "engine/HopGeometry.h"
#include "engine/ModelMath.h"
#include "engine/MufModel.h"
#include "engine/PropagationEngine.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

using namespace skelda::engine;

// Paris to New York, June, flux 120, 100 W into a dipole, minimum takeoff angle 10 degrees.
PropagationEngine MakeEngine(long double& pathRad, int& firstHop, long double& fIncidenceRad)
{
    PropagationEngine engine;
    engine.SetSolarFlux(120);
    engine.SetPower(100);
    engine.SelectGainTable(kGainSimpleDipole);
    PathState& path = engine.Path();
    path.OwnLatRad = 48.8333L * kDegToRad;
    path.OwnLonRad = -2.25L * kDegToRad;
    path.DestLatRad = 40.7128L * kDegToRad;
    path.DestLonRad = 74.006L * kDegToRad;
    path.DeltaLonRad = path.OwnLonRad - path.DestLonRad;
    path.OwnAzimuthRad =
        ComputeBearing(path.OwnLatRad, path.OwnLonRad, path.DestLatRad, path.DestLonRad);

    pathRad = EvaluateMiniMuf(6, 15, 0, path.OwnLatRad, path.OwnLonRad, path.DestLatRad,
                              path.DestLonRad, engine.SunSpotNumber())
                  .PathRad;
    firstHop = static_cast<int>(std::nearbyint(pathRad / (2 * std::acos(kEarthToFLayerRatio))));
    long double elevationRad = 0;
    while (elevationRad < 10 * kDegToRad) {
        ++firstHop;
        elevationRad = HopElevationRad(pathRad / (2 * firstHop), kEarthToFLayerRatio);
    }
    fIncidenceRad = IncidenceRad(elevationRad, kFLayerRadiusKm);
    return engine;
}

void WholePathEvaluation(benchmark::State& state)
{
    long double d = 0;
    int first = 0;
    long double fIncidenceRad = 0;
    PropagationEngine engine = MakeEngine(d, first, fIncidenceRad);
    const PathState& path = engine.Path();
    HopTable& hops = engine.Hops();
    for (int n = first; n <= first + 3; ++n) {
        const auto i = static_cast<std::size_t>(n);
        hops.TakeoffAngleRad[i] =
            HopElevationRad(d / (2 * n), kEarthRadiusKm / (kEarthRadiusKm + 350));
        hops.HopLengthKm[i] = std::sin(d / (2 * n)) * 2 * n * (kEarthRadiusKm + 350) /
                              std::cos(hops.TakeoffAngleRad[i]);
    }

    for (auto _ : state) {
        int bestHops = 0;
        for (int hour = 0; hour <= 24; ++hour) {
            const long double mufMHz = engine.MiniMuf(6, 15, hour, path.OwnLatRad, path.OwnLonRad,
                                                      path.DestLatRad, path.DestLonRad);
            engine.Path().SunLongitudeRad = static_cast<float>((15 * hour - 180) * kDegToRad);
            for (int n = first; n <= first + 3; ++n)
                engine.Ion(n, d, std::cos(fIncidenceRad) * mufMHz);
            for (int freqMHz = 2; freqMHz <= 30; freqMHz += 2)
                bestHops += engine.Pathloss(first, freqMHz);
        }
        benchmark::DoNotOptimize(bestHops);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(WholePathEvaluation)->Unit(benchmark::kMicrosecond);

void MiniMufOneHour(benchmark::State& state)
{
    long double hour = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(MiniMuf(6, 15, hour, 0.8523L, -0.0393L, 0.7106L, 1.2917L, 70));
        hour = hour >= 24 ? 0 : hour + 1;
    }
}
BENCHMARK(MiniMufOneHour);

}  // namespace

BENCHMARK_MAIN();
