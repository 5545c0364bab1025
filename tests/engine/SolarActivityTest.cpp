#include "engine/SolarActivity.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace skelda::engine {
namespace {

TEST(SolarActivityTest, FluxToSpotsFollowsEachSegmentOfTheFit)
{
    struct Case {
        long double fluxSfu;
        long double spots;
    };
    // The segments meet almost continuously: 65 starts the quadratic slightly below 0, and 213
    // already takes the last segment.
    const Case cases[] = {
        {0, 0},        {64.9L, 0},     {65, -0.0519L},   {110, 60},
        {120, 70.68L}, {150, 102.72L}, {213, 169.9951L}, {300, 246.273L},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<double>(c.fluxSfu));
        EXPECT_NEAR(static_cast<double>(FluxToSpots(c.fluxSfu)), static_cast<double>(c.spots),
                    5e-4);
    }
    EXPECT_LT(FluxToSpots(65), 0);
}

TEST(SolarActivityTest, PredictedFluxReadsTheMonthAndCyclesBackAfterTheTable)
{
    struct Case {
        int key;
        long double fluxSfu;
    };
    const Case cases[] = {
        {200912, 86.6L},
        {201001, 88.5L},
        {201305, 141.9L},
        {201306, 141.9L},
        {201307, 141.8L},
        {201812, 82.7L},
        {201912, 76.3L},
        // Before the table: its first value.
        {200911, 86.6L},
        {190001, 86.6L},
        // After it: the same month one solar cycle (132 months) earlier, as often as needed.
        {202612, 118.8L},  // December 2015
        {202412, 140.6L},  // December 2013
        {202101, 88.5L},   // January 2010
        {202012, 86.6L},   // December 2009
        {203812, 104.6L},  // two cycles: December 2016
        {2147483612, 130.3L},  // December 2011, without overflow
        // A cycle back that lands before the table takes its first value.
        {202001, 86.6L},
        {202011, 86.6L},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(PredictedFlux(c.key), c.fluxSfu);
    }
    // Keys without a month 1..12 are no keys, however close to the table they run.
    for (int key : {200297, 201300, 201013, 0, -201306}) {
        SCOPED_TRACE(key);
        EXPECT_THROW(PredictedFlux(key), std::invalid_argument);
    }
}

}  // namespace
}  // namespace skelda::engine
