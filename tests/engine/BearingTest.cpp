#include "engine/Bearing.h"
#include "engine/ModelMath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace skelda::engine {
namespace {

long double Rad(long double degrees)
{
    return degrees * kDegToRad;
}
double Deg(long double rad)
{
    return static_cast<double>(rad / kDegToRad);
}

TEST(BearingTest, CompassPointsAndIdenticalPoints)
{
    struct Case {
        long double ownLat, ownLon, targetLat, targetLon;  // degrees, longitude positive west
        double bearingDeg;
    };
    const Case cases[] = {
        {0, 0, 10, 0, 0},
        {0, 0, 0, -10, 90},
        {0, 0, -10, 0, 180},
        {0, 0, 0, 10, 270},
        {45, 170, 45, -170, 277.10708},  // 170 W to 170 E: west over the date line
        {30, 40, 30, 40, 0},
        {48.8333L, -2.25L, 48.8333L, -2.25L, 0},  // JN18DU to itself: an arc that rounds above 0
        {-90, 0, -90, 0, 0},
        {-90, 0, -90, 45, 0},
        {10, 180, 10, -180, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bearingDeg);
        EXPECT_NEAR(
            Deg(ComputeBearing(Rad(c.ownLat), Rad(c.ownLon), Rad(c.targetLat), Rad(c.targetLon))),
            c.bearingDeg, 1e-3);
    }
}

TEST(BearingTest, AgreesWithTheTwoArgumentArcTangentForm)
{
    std::mt19937_64 random(20240115);
    std::uniform_real_distribution<double> lat(-85, 85), lon(-180, 180);
    for (int i = 0; i < 2000; ++i) {
        const long double tla = Rad(lat(random)), tlo = Rad(lon(random));
        const long double rla = Rad(lat(random)), rlo = Rad(lon(random));
        const long double eastward = tlo - rlo;  // longitudes are positive west
        const long double cosArc =
            std::sin(tla) * std::sin(rla) + std::cos(tla) * std::cos(rla) * std::cos(eastward);
        if (cosArc < -0.999999L || cosArc > 0.999999L) continue;  // no defined direction
        long double expected = std::atan2(std::sin(eastward) * std::cos(rla),
                                          std::cos(tla) * std::sin(rla) -
                                              std::sin(tla) * std::cos(rla) * std::cos(eastward));
        if (expected < 0) expected += 2 * std::acos(-1.0L);
        SCOPED_TRACE(i);
        EXPECT_NEAR(static_cast<double>(ComputeBearing(tla, tlo, rla, rlo)),
                    static_cast<double>(expected), 1e-8);
    }
}

}  // namespace
}  // namespace skelda::engine
