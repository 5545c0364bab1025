#include "engine/HopTable.h"
#include "engine/HourlyPrediction.h"
#include "engine/ModelMath.h"
#include "engine/PropagationEngine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <utility>
#include <vector>

namespace skelda::engine {
namespace {

// Keeps everything a prediction hands out, and checks the order it comes in.
class RecordingSink : public IPredictionSink {
public:
    void PathComputed(const PathSummary& path) override
    {
        EXPECT_TRUE(paths.empty() && hours.empty());
        paths.push_back(path);
    }
    void CellComputed(const CellResult& cell) override
    {
        EXPECT_EQ(paths.size(), 1u);
        EXPECT_EQ(cell.HourUtc, static_cast<int>(hours.size()));
        cells[{cell.HourUtc, cell.FrequencyIndex}] = cell;
    }
    void HourComputed(const HourResult& hour) override
    {
        EXPECT_EQ(hour.HourUtc, static_cast<int>(hours.size()));
        hours.push_back(hour);
    }

    std::vector<PathSummary> paths;
    std::map<std::pair<int, int>, CellResult> cells;  // by hour and frequency index
    std::vector<HourResult> hours;
};

PredictionRequest ParisToWashington(DisplayFormat display = DisplayFormat::SignalLevel)
{
    return {.OwnLatDeg = 48.8333L,
            .OwnLonDeg = -2.25L,
            .DestLatDeg = 38,
            .DestLonDeg = 75,
            .MinAngleDeg = 10,
            .Display = display,
            .SolarValue = 120,
            .Month = 6,
            .Day = 15};
}

bool Finite(const CellResult& cell)
{
    return std::isfinite(cell.Value) && cell.HopCount >= 1 && cell.HopCount <= kMaxHopCount;
}

TEST(HourlyPredictionTest, HandsOutThePathThenEveryHourWithItsOpenCells)
{
    PropagationEngine engine;
    RecordingSink sink;
    ASSERT_EQ(engine.Predict(ParisToWashington(), sink), PredictionRefusal::None);

    ASSERT_EQ(sink.paths.size(), 1u);
    const PathSummary& path = sink.paths[0];
    EXPECT_EQ(path.HopCount, 3);
    EXPECT_NEAR(static_cast<double>(path.DistanceKm), 6081.860486132691, 1e-8);
    EXPECT_EQ(path.LocalHourOffset, 5);
    EXPECT_EQ(path.SolarFluxSfu, 120);
    EXPECT_NEAR(static_cast<double>(path.SunSpotNumber), 70.68, 1e-12);

    ASSERT_EQ(sink.hours.size(), static_cast<std::size_t>(kPredictionHours));
    EXPECT_EQ(sink.hours[0].LocalHour, 19);
    EXPECT_EQ(sink.hours[5].LocalHour, 0);
    EXPECT_NEAR(static_cast<double>(sink.hours[0].MufMHz), 21.75232505175283, 1e-8);
    ASSERT_FALSE(sink.cells.empty());
    for (const auto& [key, cell] : sink.cells) {
        EXPECT_TRUE(Finite(cell));
        EXPECT_GE(cell.HopCount, path.HopCount);
        EXPECT_LE(cell.HopCount, path.HopCount + 3);
    }
}

TEST(HourlyPredictionTest, BestFrequencyIsTheStrongestCellAsItWasFound)
{
    // The best cell must carry the level and flags of its own frequency, not what a later
    // frequency with the same hop count left in the table. Against every cell of the level
    // format of the same prediction, over a day on three paths.
    const PredictionRequest requests[] = {
        ParisToWashington(),
        {.OwnLatDeg = 64.15L, .OwnLonDeg = 21.94L, .DestLatDeg = 61.22L, .DestLonDeg = 149.9L,
         .MinAngleDeg = 15, .SolarValue = 70, .PowerW = 5, .Month = 9, .Day = 30},
        {.OwnLatDeg = 51.5L, .OwnLonDeg = 0.12L, .DestLatDeg = -1.29L, .DestLonDeg = -36.82L,
         .MinAngleDeg = 3, .SolarValue = 180, .GainTableChoice = 1, .Month = 3, .Day = 21},
    };
    int hoursWithABest = 0;
    for (const PredictionRequest& request : requests) {
        PropagationEngine levelEngine, bestEngine;
        RecordingSink levels, best;
        PredictionRequest bestRequest = request;
        bestRequest.Display = DisplayFormat::BestFrequency;
        ASSERT_EQ(levelEngine.Predict(request, levels), PredictionRefusal::None);
        ASSERT_EQ(bestEngine.Predict(bestRequest, best), PredictionRefusal::None);
        EXPECT_TRUE(best.cells.empty());
        for (const HourResult& hour : best.hours) {
            SCOPED_TRACE(hour.HourUtc);
            int strongest = 0;
            for (int f = 1; f <= kFrequencyCount; ++f) {
                const auto cell = levels.cells.find({hour.HourUtc, f});
                if (cell == levels.cells.end()) continue;
                if (strongest == 0 ||
                    cell->second.Value > levels.cells.at({hour.HourUtc, strongest}).Value)
                    strongest = f;
            }
            ASSERT_EQ(hour.BestFrequencyIndex, strongest);
            if (strongest == 0) continue;
            ++hoursWithABest;
            const CellResult& expected = levels.cells.at({hour.HourUtc, strongest});
            EXPECT_EQ(hour.Best.FrequencyIndex, strongest);
            EXPECT_EQ(hour.Best.HopCount, expected.HopCount);
            EXPECT_EQ(hour.Best.Value, expected.Value);
            EXPECT_EQ(hour.Best.ModeFlags, expected.ModeFlags);
        }
    }
    EXPECT_GT(hoursWithABest, 50);
}

TEST(HourlyPredictionTest, CellValuesInEachFormat)
{
    PropagationEngine engine;
    RecordingSink levels, angles, delays;
    ASSERT_EQ(engine.Predict(ParisToWashington(DisplayFormat::SignalLevel), levels), PredictionRefusal::None);
    ASSERT_EQ(engine.Predict(ParisToWashington(DisplayFormat::TakeoffAngle), angles), PredictionRefusal::None);
    ASSERT_EQ(engine.Predict(ParisToWashington(DisplayFormat::RouteDelay), delays), PredictionRefusal::None);
    const HopTable& hops = engine.Hops();
    for (const auto& [key, cell] : angles.cells) {
        const auto n = static_cast<std::size_t>(cell.HopCount);
        EXPECT_EQ(cell.Value, hops.TakeoffAngleRad[n] * kRadToDeg);
        EXPECT_EQ(delays.cells.at(key).Value, hops.HopLengthKm[n] / 299792500 * 1000000);
        // Levels are counted from the receiver's rated sensitivity of -123 dBm.
        EXPECT_GT(levels.cells.at(key).Value, -139.996L + 123);
    }
}

TEST(HourlyPredictionTest, SunspotNumberFieldDrivesTheModelWithTheNumberTyped)
{
    for (long double spots : {0.0L, 7.8L, 59.9L, 70.68L, 134.76L, 250.0L, 384.0L}) {
        SCOPED_TRACE(static_cast<double>(spots));
        PropagationEngine engine;
        RecordingSink sink;
        PredictionRequest request = ParisToWashington();
        request.SolarValue = spots;
        request.SolarKind = SolarValueKind::SunSpots;
        ASSERT_EQ(engine.Predict(request, sink), PredictionRefusal::None);
        EXPECT_NEAR(static_cast<double>(sink.paths[0].SunSpotNumber), static_cast<double>(spots), 1e-9);
        EXPECT_GE(sink.paths[0].SolarFluxSfu, 65);
    }
}

TEST(HourlyPredictionTest, TargetsLocalHour)
{
    struct Case {
        long double destLonDeg;  // positive west
        int offsetHours, localHourAtMidnightUtc;
    };
    const Case cases[] = {{-120, -8, 8}, {7.5L, 0, 0}, {75, 5, 19}, {180, 12, 12}, {-179.9L, -11, 11}};
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<double>(c.destLonDeg));
        PropagationEngine engine;
        RecordingSink sink;
        PredictionRequest request = ParisToWashington();
        request.DestLonDeg = c.destLonDeg;
        request.DestLatDeg = 10;
        ASSERT_EQ(engine.Predict(request, sink), PredictionRefusal::None);
        EXPECT_EQ(sink.paths[0].LocalHourOffset, c.offsetHours);
        EXPECT_EQ(sink.hours[0].LocalHour, c.localHourAtMidnightUtc);
        EXPECT_EQ(sink.hours[24].LocalHour, c.localHourAtMidnightUtc);
    }
}

TEST(HourlyPredictionTest, EdgePathsGiveOnlyFiniteNumbers)
{
    struct Case {
        const char* what;
        long double ownLat, ownLon, destLat, destLon, minAngle;
        bool longPath;
    };
    const Case cases[] = {
        {"500 m", 48.8333L, -2.25L, 48.8378L, -2.25L, 0, false},
        {"over the pole", 80, 0, 80, 180, 3, false},
        {"next to the pole", 89.9999L, 10, 85, -170, 3, false},
        {"from a pole", 90, 0, 40, 100, 3, false},
        {"long way to the antipode", 10, 20, -10, -160 + 1e-6L, 3, true},
        {"across the date line", 45, 179.5L, 45, -179.5L, 0, false},
        {"longest long path", 0, 0, 0, -0.01L, 12, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PropagationEngine engine;
        RecordingSink sink;
        const PredictionRequest request{.OwnLatDeg = c.ownLat, .OwnLonDeg = c.ownLon,
                                        .DestLatDeg = c.destLat, .DestLonDeg = c.destLon,
                                        .MinAngleDeg = c.minAngle, .LongPath = c.longPath,
                                        .SolarValue = 150, .Month = 12, .Day = 21};
        ASSERT_EQ(engine.Predict(request, sink), PredictionRefusal::None);
        const PathSummary& path = sink.paths[0];
        for (long double value : {path.OwnAzimuthRad, path.RemoteAzimuthRad, path.DistanceKm,
                                  path.ElevationRad, path.DelayMs})
            EXPECT_TRUE(std::isfinite(value));
        for (const HourResult& hour : sink.hours) {
            EXPECT_TRUE(std::isfinite(hour.MufMHz));
            EXPECT_TRUE(std::isfinite(hour.HopCountMufMHz));
            EXPECT_TRUE(std::isfinite(hour.SunElevationDeg));
        }
        for (const auto& [key, cell] : sink.cells) EXPECT_TRUE(Finite(cell));
    }
}

TEST(HourlyPredictionTest, RefusedRequestSendsNothingAndKeepsTheEngine)
{
    PropagationEngine engine;
    RecordingSink first;
    ASSERT_EQ(engine.Predict(ParisToWashington(), first), PredictionRefusal::None);
    const long double flux = engine.SolarFlux();
    const long double ownLatRad = engine.Path().OwnLatRad;

    PredictionRequest samePlace = ParisToWashington();
    samePlace.DestLatDeg = samePlace.OwnLatDeg;
    samePlace.DestLonDeg = samePlace.OwnLonDeg;
    samePlace.SolarValue = 200;
    PredictionRequest vertical = ParisToWashington();
    vertical.MinAngleDeg = 90;
    PredictionRequest noFlux = ParisToWashington();
    noFlux.SolarValue = std::numeric_limits<long double>::infinity();
    const std::pair<PredictionRequest, PredictionRefusal> cases[] = {
        {samePlace, PredictionRefusal::SamePlace},
        {vertical, PredictionRefusal::MinAngleUnreachable},
        {noFlux, PredictionRefusal::NotFinite},
    };
    for (const auto& [request, refusal] : cases) {
        RecordingSink sink;
        EXPECT_EQ(engine.Predict(request, sink), refusal);
        EXPECT_TRUE(sink.paths.empty() && sink.cells.empty() && sink.hours.empty());
        EXPECT_EQ(engine.SolarFlux(), flux);
        EXPECT_EQ(engine.Path().OwnLatRad, ownLatRad);
    }
}

}  // namespace
}  // namespace skelda::engine
