#include "engine/MufModel.h"
#include "engine/PropagationEngine.h"
#include "engine/SolarActivity.h"

#include "tests/engine/PathFixture.h"

#include <gtest/gtest.h>

namespace skelda::engine {
namespace {

using testing::MakePath;
using testing::Rad;

TEST(PropagationEngineTest, OperationsReadTheEngineState)
{
    PropagationEngine engine;
    engine.SetSolarFlux(120);
    EXPECT_EQ(engine.SolarFlux(), 120);
    EXPECT_EQ(engine.SunSpotNumber(), FluxToSpots(120));
    EXPECT_EQ(engine.MiniMuf(6, 15, 12, Rad(48), Rad(-2), Rad(41), Rad(-12)),
              MiniMuf(6, 15, 12, Rad(48), Rad(-2), Rad(41), Rad(-12), FluxToSpots(120)));

    engine.SelectGainTable(kGainSimpleDipole);
    EXPECT_NEAR(static_cast<double>(engine.Antgain(14, Rad(20))), -0.2, 1e-15);
    engine.SelectGainTable(kGainIsotropic);  // no table left over from the earlier choice
    EXPECT_EQ(engine.Antgain(14, Rad(20)), 0);

    // One open hop count: the level follows the engine's power.
    engine.Path() = MakePath(0, 0, 0, -30);
    engine.Ion(1, Rad(30), 20);
    engine.Hops().TakeoffAngleRad[1] = 0.5L;
    engine.Hops().HopLengthKm[1] = 3500;
    EXPECT_EQ(engine.Power(), 100);
    ASSERT_EQ(engine.Pathloss(1, 8), 1);
    const long double at100W = engine.Hops().SignalDb[1];
    engine.SetPower(10);
    ASSERT_EQ(engine.Pathloss(1, 8), 1);
    EXPECT_NEAR(static_cast<double>(at100W - engine.Hops().SignalDb[1]), 10, 1e-9);
}

}  // namespace
}  // namespace skelda::engine
