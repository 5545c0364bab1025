#include "engine/AntennaGain.h"
#include "engine/ModelMath.h"

#include <gtest/gtest.h>

#include <cmath>

namespace skelda::engine {
namespace {

long double Rad(long double degrees)
{
    return degrees * kDegToRad;
}

TEST(AntennaGainTest, InterpolatesTheLowBandColumnBetweenRows)
{
    struct Case {
        long double freqMHz, angleDeg, gainDb;
    };
    const Case cases[] = {
        // At and below 3.5 MHz: no gain.
        {3.5L, 20, 0},
        {2, 45, 0},
        // On a row: its own value, whatever the frequency.
        {4, 20, -0.2L},
        {30, 20, -0.2L},
        // Between rows: weighted by the distance to each.
        {4, 21, 0.15L},
        {14, 3, -16.6L},
        {7, 0.2L * kRadToDeg, 0.2704220486917683L * -5.8L + 0.7295779513082317L * -4.3L},
        // Below the table: row 0; at and beyond its top: row 45.
        {4, 0, -30},
        {4, -5, -30},
        {4, 89, 7.2L},
        {4, 90, 7.2L},
        {4, 120, 7.2L},
    };
    for (int choice : {kGainSimpleDipole, kGainDipoleAndYagi}) {
        const AntennaGain antenna(choice);
        for (const Case& c : cases) {
            SCOPED_TRACE(::testing::Message()
                         << "table " << choice << ", " << static_cast<double>(c.freqMHz) << " MHz, "
                         << static_cast<double>(c.angleDeg) << " deg");
            EXPECT_NEAR(static_cast<double>(antenna.Antgain(c.freqMHz, Rad(c.angleDeg))),
                        static_cast<double>(c.gainDb), 1e-12);
        }
    }
}

TEST(AntennaGainTest, IsotropicAndUnknownChoicesGiveNoGain)
{
    for (int choice : {kGainIsotropic, 3, -1}) {
        SCOPED_TRACE(choice);
        const AntennaGain antenna(choice);
        for (long double angleDeg : {0.0L, 20.0L, 90.0L})
            EXPECT_EQ(antenna.Antgain(14, Rad(angleDeg)), 0);
        EXPECT_EQ(antenna.ActiveGainTable()[0][0], 0);
    }
}

TEST(AntennaGainTest, TablesCarryTheirKnownCells)
{
    struct Case {
        const GainTable& table;
        std::size_t row, column;
        long double gainDb;
    };
    const Case cases[] = {
        {DipoleGainTable(), 0, 4, -30},   {YagiGainTable(), 0, 3, -30},
        {DipoleGainTable(), 7, 1, -3.0L}, {DipoleGainTable(), 1, 2, -16.4L},
        {DipoleGainTable(), 10, 4, 2.4L}, {DipoleGainTable(), 27, 3, 6.2L},
        {DipoleGainTable(), 45, 2, 5.5L}, {YagiGainTable(), 10, 2, 7.2L},
        {YagiGainTable(), 10, 4, -4.3L},  {YagiGainTable(), 45, 4, -14.4L},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "row " << c.row << " column " << c.column);
        EXPECT_EQ(c.table[c.row][c.column], c.gainDb);
    }
    for (std::size_t row = 0; row < kGainRows; ++row)
        EXPECT_EQ(DipoleGainTable()[row][0], YagiGainTable()[row][0]) << "row " << row;
    EXPECT_TRUE(std::isnan(YagiGainTable()[5][2]));
}

}  // namespace
}  // namespace skelda::engine
