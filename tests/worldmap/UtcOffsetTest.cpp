#include "worldmap/UtcOffset.h"

#include "platform/testing/ScopedEnvironment.h"

#include <gtest/gtest.h>

namespace skelda::worldmap {
namespace {

TEST(UtcOffset, AddsTheBiasOfTheTimeInForce)
{
    struct Case {
        plat::TTimeZoneInformation Zone;
        double ExpectedMinutes;
    };
    const Case cases[] = {
        {{-60, 0, -60, plat::tzStandard}, -60},   // Central Europe in winter
        {{-60, 0, -60, plat::tzDaylight}, -120},  // and in summer
        {{300, 0, -60, plat::tzDaylight}, 240},   // New York in summer
        {{300, 10, -60, plat::tzStandard}, 310},  // a standard bias of its own
        {{-330, 0, -60, plat::tzUnknown}, -330},  // no daylight time: the biases do not apply
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(UtcOffsetDays(c.Zone) * 1440, c.ExpectedMinutes) << c.Zone.Bias << " " << c.Zone.State;
}

TEST(UtcOffset, ReadsTheZoneOfTheEnvironmentsClock)
{
    plat::testing::ScopedEnvironment scope;
    scope.Clock().SetTimeZone({300, 0, -60, plat::tzDaylight});
    EXPECT_DOUBLE_EQ(UtcOffsetDays(), 240.0 / 1440);
}

}  // namespace
}  // namespace skelda::worldmap
