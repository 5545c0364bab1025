// Drives the model over random and extreme paths the way a whole prediction does, looking for NaN,
// out-of-range results, runaway loops and (in the sanitizer build) out-of-bounds access.

#include "engine/HopGeometry.h"
#include "engine/MufModel.h"
#include "engine/PropagationEngine.h"
#include "engine/SolarActivity.h"
#include "engine/SolarZenith.h"

#include "tests/engine/PathFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace skelda::engine {
namespace {

using testing::MakePath;
using testing::Rad;

struct Place {
    long double latDeg, lonDeg;
};

// Poles, antipodes, the date line, near-coincident and coincident points.
std::vector<Place> ExtremePlaces()
{
    return {
        {90, 0},
        {-90, 0},
        {90, 123},
        {0, 0},
        {0, 180},
        {0, -180},
        {45, 90},
        {-45, -90},
        {0, 179.999999L},
        {89.9999999L, 0},
        {kHalfPiTrunc / kDegToRad, 0},
        {1e-9L, 1e-9L},
        {-1e-9L, 0},
    };
}

class RobustnessTest : public ::testing::Test {
protected:
    std::mt19937_64 random{1859};

    long double Uniform(double low, double high)
    {
        return std::uniform_real_distribution<double>(low, high)(random);
    }

    // One prediction: 25 hours of MUF, four hop counts and fifteen frequencies, with the hop
    // search bounded as the computation must bound it.
    void CheckWholeDay(const Place& own, const Place& dest, bool longPath, int month, int day,
                       long double fluxSfu, int powerW, long double minAngleDeg)
    {
        PropagationEngine engine;
        engine.SetSolarFlux(fluxSfu);
        engine.SetPower(powerW);
        engine.SelectGainTable(month % 3);
        engine.Path() = MakePath(own.latDeg, own.lonDeg, dest.latDeg, dest.lonDeg, longPath);
        const PathState& path = engine.Path();

        const MufEvaluation probe =
            EvaluateMiniMuf(month, day, 0, path.OwnLatRad, path.OwnLonRad, path.DestLatRad,
                            path.DestLonRad, engine.SunSpotNumber());
        if (probe.PathRad == 0) {
            EXPECT_TRUE(std::isnan(probe.MufMHz));
            return;  // the computation refuses a path of no length
        }
        const long double d = longPath ? kTwoPiTrunc - probe.PathRad : probe.PathRad;

        int first = static_cast<int>(std::nearbyint(d / (2 * std::acos(kEarthToFLayerRatio))));
        long double elevationRad = 0;
        while (elevationRad < Rad(minAngleDeg) && first < kMaxHopCount - 3) {
            ++first;
            elevationRad = HopElevationRad(d / (2 * first), kEarthToFLayerRatio);
        }
        if (first < 1) first = 1;
        elevationRad = HopElevationRad(d / (2 * first), kEarthToFLayerRatio);
        const long double fIncidenceRad = IncidenceRad(elevationRad, kFLayerRadiusKm);

        for (int hour = 0; hour <= 24; ++hour) {
            SCOPED_TRACE(::testing::Message() << "hour " << hour);
            const long double mufMHz = engine.MiniMuf(
                month, day, hour, path.OwnLatRad, path.OwnLonRad, path.DestLatRad, path.DestLonRad);
            ASSERT_FALSE(std::isnan(mufMHz));
            engine.Path().SunDeclinationRad =
                std::sin(((month - 1) * 365.25L / 12 + day - 80) / 365.25L * kTwoPiTrunc) * 23.5L *
                kDegToRad;
            engine.Path().SunLongitudeRad = static_cast<float>((15 * hour - 180) * kDegToRad);

            const long double zenithRad = engine.Zenith(d / 2);
            ASSERT_GE(zenithRad, 0);
            ASSERT_LE(zenithRad, kPiTrunc + 1e-12L);

            HopTable& hops = engine.Hops();
            for (int n = first; n <= first + 3; ++n) {
                const auto i = static_cast<std::size_t>(n);
                hops.TakeoffAngleRad[i] =
                    HopElevationRad(d / (2 * n), kEarthRadiusKm / (kEarthRadiusKm + 350));
                hops.HopLengthKm[i] = std::sin(d / (2 * n)) * 2 * n * (kEarthRadiusKm + 350) /
                                      std::cos(hops.TakeoffAngleRad[i]);
                engine.Ion(n, d, std::cos(fIncidenceRad) * mufMHz);
                ASSERT_TRUE(std::isfinite(hops.EMufMHz[i])) << "hop count " << n;
                ASSERT_TRUE(std::isfinite(hops.FMufMHz[i])) << "hop count " << n;
                ASSERT_TRUE(std::isfinite(hops.AbsorptionSum[i])) << "hop count " << n;
                ASSERT_NE(hops.ModeFlags[i], 0) << "hop count " << n;
            }
            for (int freqMHz = 2; freqMHz <= 30; freqMHz += 2) {
                const int best = engine.Pathloss(first, freqMHz);
                ASSERT_TRUE(best == 0 || (best >= first && best <= first + 3));
                for (int n = first; n <= first + 3; ++n) {
                    const auto i = static_cast<std::size_t>(n);
                    if (freqMHz < 0.85L * hops.FMufMHz[i]) {
                        ASSERT_FALSE(std::isnan(hops.SignalDb[i])) << freqMHz << " MHz, " << n;
                    }
                }
            }
        }
    }
};

TEST_F(RobustnessTest, MufIsDefinedForEveryMonthHourAndExtremePath)
{
    const std::vector<Place> places = ExtremePlaces();
    for (const Place& own : places) {
        for (const Place& dest : places) {
            for (int month = 0; month <= 12; ++month) {
                for (int hour = 0; hour <= 24; ++hour) {
                    const MufEvaluation eval = EvaluateMiniMuf(
                        month, (month * 7) % 32, hour, Rad(own.latDeg), Rad(own.lonDeg),
                        Rad(dest.latDeg), Rad(dest.lonDeg), FluxToSpots(70 + 10 * month));
                    ASSERT_LE(eval.ControlPointCount, 2);
                    ASSERT_EQ(std::isnan(eval.MufMHz), eval.PathRad == 0)
                        << own.latDeg << "/" << own.lonDeg << " to " << dest.latDeg << "/"
                        << dest.lonDeg << ", month " << month << ", hour " << hour;
                }
            }
        }
    }
}

TEST_F(RobustnessTest, ZenithIsDefinedAnywhereAlongAnyPath)
{
    const std::vector<Place> places = ExtremePlaces();
    const long double distances[] = {
        0, 1e-12L, kPiTrunc / 2, kPiTrunc, 3.14159265358979L, 4, kTwoPiTrunc - 1e-9L, kTwoPiTrunc};
    for (int i = 0; i < 3000; ++i) {
        const bool extreme = i < 600;
        const Place own = extreme ? places[static_cast<std::size_t>(i) % places.size()]
                                  : Place{Uniform(-90, 90), Uniform(-180, 180)};
        const Place dest = extreme ? places[static_cast<std::size_t>(i / 13) % places.size()]
                                   : Place{Uniform(-90, 90), Uniform(-180, 180)};
        PathState path = MakePath(own.latDeg, own.lonDeg, dest.latDeg, dest.lonDeg, i % 2 == 1);
        path.SunDeclinationRad = Rad(Uniform(-23.5, 23.5));
        path.SunLongitudeRad = Rad(Uniform(-180, 180));
        const long double dstRad = extreme ? distances[i % 8] : Uniform(0, 6.283185307178);
        const long double zenithRad = Zenith(path, dstRad);
        ASSERT_TRUE(zenithRad >= 0 && zenithRad <= 3.2L)
            << own.latDeg << "/" << own.lonDeg << " to " << dest.latDeg << "/" << dest.lonDeg
            << " at " << static_cast<double>(dstRad);
    }
}

TEST_F(RobustnessTest, WholeDaysOverExtremePaths)
{
    const std::vector<Place> places = ExtremePlaces();
    int month = 0;
    for (const Place& own : places) {
        for (const Place& dest : places) {
            // Short and long paths in turn, a different month each time.
            month = (month + 1) % 13;
            const bool longPath = month % 2 == 1;
            SCOPED_TRACE(::testing::Message()
                         << own.latDeg << "/" << own.lonDeg << " to " << dest.latDeg << "/"
                         << dest.lonDeg << (longPath ? " long" : " short"));
            CheckWholeDay(own, dest, longPath, month, month * 2, 60 + 20 * month,
                          month == 5 ? 0 : 100, (month % 4) * 10);
            if (HasFatalFailure()) return;
        }
    }
}

TEST_F(RobustnessTest, WholeDaysOverRandomPaths)
{
    const long double fluxes[] = {0, 65, 120, 300, 2000, 5000};
    for (int i = 0; i < 60; ++i) {
        const Place own{Uniform(-90, 90), Uniform(-180, 180)};
        const Place dest{Uniform(-90, 90), Uniform(-180, 180)};
        SCOPED_TRACE(::testing::Message() << own.latDeg << "/" << own.lonDeg << " to "
                                          << dest.latDeg << "/" << dest.lonDeg);
        CheckWholeDay(own, dest, i % 2 == 1, 1 + i % 12, 1 + i % 28, fluxes[i % 6], 5 + i * 40,
                      Uniform(0, 40));
        if (HasFatalFailure()) return;
    }
}

}  // namespace
}  // namespace skelda::engine
