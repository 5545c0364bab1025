#include "engine/HopGeometry.h"
#include "engine/Ionosphere.h"
#include "engine/SolarActivity.h"

#include "tests/engine/PathFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

namespace skelda::engine {
namespace {

using testing::MakePath;
using testing::Rad;

constexpr long double kSsn = 100;

// A quarter of the equator, eastward from longitude 0.
class IonosphereTest : public ::testing::Test {
protected:
    const long double pathRad = Rad(90);
    PathState path = MakePath(0, 0, 0, -90);
    HopTable hops;

    void SunOver(long double eastDeg) { path.SunLongitudeRad = Rad(-eastDeg); }
};

TEST_F(IonosphereTest, EveryHopMidpointIsVisited)
{
    // The E-layer MUF peaks when the sun stands right over a midpoint, and only then.
    for (int hopCount : {1, 4}) {
        SCOPED_TRACE(hopCount);
        const long double halfHopDeg = 90.0L / (2 * hopCount);
        SunOver(halfHopDeg);
        Ion(path, kSsn, hops, hopCount, pathRad, 10);
        const long double overheadEMuf = hops.EMufMHz[static_cast<std::size_t>(hopCount)];
        for (int k = 0; k < hopCount; ++k) {
            SunOver((2 * k + 1) * halfHopDeg);
            Ion(path, kSsn, hops, hopCount, pathRad, 10);
            EXPECT_NEAR(static_cast<double>(hops.EMufMHz[static_cast<std::size_t>(hopCount)]),
                        static_cast<double>(overheadEMuf), 1e-9)
                << "midpoint " << k;
            SunOver(2 * k * halfHopDeg);  // a hop's start, between midpoints
            Ion(path, kSsn, hops, hopCount, pathRad, 10);
            EXPECT_LT(hops.EMufMHz[static_cast<std::size_t>(hopCount)], overheadEMuf - 1e-3)
                << "hop start " << k;
        }
    }
}

TEST_F(IonosphereTest, DarkMidpointsAddTheMinimumAbsorption)
{
    // Sun on the far side: every midpoint is dark and adds the floor index 0.1.
    for (int hopCount : {1, 4}) {
        SCOPED_TRACE(hopCount);
        const auto h = static_cast<std::size_t>(hopCount);
        SunOver(-135);
        hops.ModeFlags[h] = 0xFF;
        Ion(path, kSsn, hops, hopCount, pathRad, 10);
        EXPECT_EQ(hops.ModeFlags[h], kModeDarkness);
        EXPECT_NEAR(static_cast<double>(hops.AbsorptionSum[h]), 0.1 * hopCount, 1e-15);
    }
}

TEST_F(IonosphereTest, ZenithOf120DegreesCountsAsNight)
{
    // One hop: its midpoint at 45 degrees east, the sun 120 degrees further on.
    SunOver(45);
    Ion(path, kSsn, hops, 1, pathRad, 10);
    const long double overheadEMuf = hops.EMufMHz[1];
    EXPECT_EQ(hops.ModeFlags[1], kModeDaylight);
    EXPECT_GT(hops.AbsorptionSum[1], 0.1L);

    SunOver(165);
    Ion(path, kSsn, hops, 1, pathRad, 10);
    EXPECT_EQ(hops.ModeFlags[1], kModeDarkness);
    EXPECT_NEAR(static_cast<double>(hops.AbsorptionSum[1]), 0.1, 1e-15);
    // No sun, so only the E layer's background 0.005 x SSN remains.
    const long double overheadFoE = 0.9L * std::pow(1.44L * kSsn + 180, 0.25L);
    EXPECT_NEAR(static_cast<double>(hops.EMufMHz[1] / overheadEMuf),
                static_cast<double>(0.005L * kSsn / overheadFoE), 1e-12);
}

TEST_F(IonosphereTest, GrazingHopRaisesTheFLayerMufByTheSecantOfIncidence)
{
    // One hop of 2 arccos(6371.2 / 6691.2) leaves the ground at elevation 0.
    const long double grazingPathRad = 2 * std::acos(kEarthToFLayerRatio);
    EXPECT_NEAR(static_cast<double>(HopElevationRad(grazingPathRad / 2, kEarthToFLayerRatio)), 0,
                1e-15);
    Ion(path, kSsn, hops, 1, grazingPathRad, 10);
    EXPECT_NEAR(static_cast<double>(hops.FMufMHz[1]), 32.727854266357895, 1e-9);
}

TEST_F(IonosphereTest, FluxFarBeyondTheFitKeepsTheLayersDefined)
{
    // A typed flux of 2000 gives a sunspot number of about -3270, which would ask the E-layer
    // formula for the fourth root of a negative number.
    SunOver(45);
    const long double ssn = FluxToSpots(2000);
    ASSERT_LT(ssn, -125);
    Ion(path, ssn, hops, 1, pathRad, 10);
    EXPECT_TRUE(std::isfinite(hops.EMufMHz[1]));
    EXPECT_NEAR(static_cast<double>(hops.AbsorptionSum[1]), 0.1, 1e-15);
}

TEST_F(IonosphereTest, RefusesHopCountsOutsideTheTable)
{
    for (int hopCount : {0, -1, kMaxHopCount + 1}) {
        SCOPED_TRACE(hopCount);
        const HopTable before = hops;
        EXPECT_THROW(Ion(path, kSsn, hops, hopCount, pathRad, 10), std::out_of_range);
        EXPECT_EQ(hops.FMufMHz, before.FMufMHz);
        EXPECT_EQ(hops.ModeFlags, before.ModeFlags);
    }
    EXPECT_NO_THROW(Ion(path, kSsn, hops, kMaxHopCount, pathRad, 10));
}

}  // namespace
}  // namespace skelda::engine
