// The engine's share of a prediction: the whole computation as the program runs it, 25 hours of
// MUF, the layers of four hop counts and the link budget of fifteen frequencies, with a sink that
// drops what it gets; and one hour of the MUF model alone.

#include "engine/GainTables.h"
#include "engine/MufModel.h"
#include "engine/PropagationEngine.h"

#include <benchmark/benchmark.h>

namespace {

using namespace skelda::engine;

class DroppingSink : public IPredictionSink {
public:
    void PathComputed(const PathSummary&) override {}
    void CellComputed(const CellResult&) override {}
    void HourComputed(const HourResult&) override {}
};

void WholePrediction(benchmark::State& state, const PredictionRequest& request)
{
    PropagationEngine engine;
    DroppingSink sink;
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine.Predict(request, sink));
        benchmark::ClobberMemory();
    }
}

// Paris to Washington, June, flux 120, 100 W into a dipole, minimum takeoff angle 10 degrees:
// three to six hops.
const PredictionRequest kParisToWashington{.OwnLatDeg = 48.8333L,
                                           .OwnLonDeg = -2.25L,
                                           .DestLatDeg = 38,
                                           .DestLonDeg = 77,
                                           .MinAngleDeg = 10,
                                           .SolarValue = 120,
                                           .GainTableChoice = kGainSimpleDipole,
                                           .Month = 6,
                                           .Day = 15};

// The long way round from Paris to Sydney at a minimum angle of 20 degrees: 16 to 19 hops.
const PredictionRequest kLongPathManyHops{.OwnLatDeg = 48.8333L,
                                          .OwnLonDeg = -2.25L,
                                          .DestLatDeg = -33.87L,
                                          .DestLonDeg = -151.21L,
                                          .MinAngleDeg = 20,
                                          .LongPath = true,
                                          .SolarValue = 150,
                                          .GainTableChoice = kGainDipoleAndYagi,
                                          .Month = 12,
                                          .Day = 1};

BENCHMARK_CAPTURE(WholePrediction, ParisToWashington, kParisToWashington)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WholePrediction, LongPathManyHops, kLongPathManyHops)
    ->Unit(benchmark::kMicrosecond);

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
