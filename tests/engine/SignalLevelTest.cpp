#include "engine/SignalLevel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

namespace skelda::engine {
namespace {

// Hop counts 1..4 with no absorption, no E layer and no antenna gain; all closed until opened.
class SignalLevelTest : public ::testing::Test {
protected:
    HopTable hops;
    AntennaGain isotropic{kGainIsotropic};

    // At 10 MHz and 100 W a 100 km single hop arrives at
    // 50 dBm - (20 log10(100 x 10) + 32.44 + 10) - 3 = -55.44 dBm.
    static constexpr long double kFreqMHz = 10;
    static constexpr long double kOneHopDb = -55.44L;

    // Opens a hop count, at a length whose level is dbAboveOneHop above kOneHopDb plus the
    // hop-count's extra ground losses.
    void Open(int hopCount, long double dbAboveOneHop = 0)
    {
        const auto n = static_cast<std::size_t>(hopCount);
        hops.FMufMHz[n] = 100;
        hops.HopLengthKm[n] = 100 * std::pow(10.0L, -dbAboveOneHop / 20);
    }
    int Evaluate(int powerW = 100) { return Pathloss(hops, isotropic, powerW, 1, kFreqMHz); }
    long double Level(int hopCount) const
    {
        return hops.SignalDb[static_cast<std::size_t>(hopCount)];
    }
    std::uint8_t Flags(int hopCount) const
    {
        return hops.ModeFlags[static_cast<std::size_t>(hopCount)];
    }
};

TEST_F(SignalLevelTest, LinkBudgetOfOneHop)
{
    struct Case {
        int powerW;
        long double absorptionSum;
        long double levelDb;
    };
    const Case cases[] = {
        // The power term: 50 dBm at 100 W.
        {100, 0, kOneHopDb},
        {1, 0, kOneHopDb - 20},
        {1000, 0, kOneHopDb + 10},
        // Absorption at vertical incidence: 677.2 / (11.42^1.98 + 10.2) dB per unit index.
        {100, 1, kOneHopDb - 5.038076276673527L},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.powerW);
        Open(1);
        hops.AbsorptionSum[1] = c.absorptionSum;
        hops.TakeoffAngleRad[1] = 1.5707963267948966L;
        EXPECT_EQ(Evaluate(c.powerW), 1);
        EXPECT_NEAR(static_cast<double>(Level(1)), static_cast<double>(c.levelDb), 1e-9);
        EXPECT_EQ(Flags(1), 0);
    }
}

TEST_F(SignalLevelTest, NoPowerOrAFarHopYieldsNothingAboveTheFloor)
{
    Open(1);
    for (int powerW : {0, -5}) {  // a damaged setting must not turn into NaN levels
        EXPECT_EQ(Evaluate(powerW), 0);
        EXPECT_EQ(Level(1), -INFINITY);
        EXPECT_EQ(Flags(1), kModeWeak);
    }

    hops.HopLengthKm[1] = 1e9;  // some -195 dBm
    EXPECT_EQ(Evaluate(), 0);
    EXPECT_LT(Level(1), SensitivityFloorDb());
    EXPECT_EQ(Flags(1), kModeWeak);
    EXPECT_NEAR(static_cast<double>(SensitivityFloorDb()), -139.99587, 1e-5);
}

TEST_F(SignalLevelTest, BelowTheEMufAHopCountCompetesThreeDecibelsDown)
{
    Open(1);
    Open(2, 3 - 1);  // 1 dB below hop count 1
    EXPECT_EQ(Evaluate(), 1);

    hops.EMufMHz[1] = kFreqMHz + 1;
    EXPECT_EQ(Evaluate(), 2);
    EXPECT_TRUE(Flags(1) & kModeBelowEMuf);
    EXPECT_NEAR(static_cast<double>(Level(1)), static_cast<double>(kOneHopDb), 1e-9);
}

TEST_F(SignalLevelTest, MultipathMarksTheBestWhenAnotherOpenCountIsWithinThreeDecibels)
{
    struct Case {
        const char* what;
        long double secondDbAboveOneHop;  // besides its 3 dB of extra ground loss
        bool secondOpen;
        long double staleSecondDb;
        bool multipath;
    };
    const Case cases[] = {
        {"2 dB weaker", 1, true, 0, true},
        {"4 dB weaker", -1, true, 0, false},
        // A closed count's level is left from another frequency, hour or path: never a mode.
        {"closed, level of a fresh table", 0, false, 0, false},
        {"closed, stale strong level", 0, false, kOneHopDb, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        hops = HopTable{};
        Open(1);
        if (c.secondOpen)
            Open(2, c.secondDbAboveOneHop);
        else
            hops.SignalDb[2] = c.staleSecondDb;
        hops.ModeFlags[1] = kModeMultipath;  // left from an earlier call
        EXPECT_EQ(Evaluate(), 1);
        EXPECT_EQ((Flags(1) & kModeMultipath) != 0, c.multipath);
    }
}

TEST_F(SignalLevelTest, ClosedCountsKeepTheirLevelAndLoseOnlyTheLinkBits)
{
    for (int n = 1; n <= 4; ++n) {
        hops.SignalDb[static_cast<std::size_t>(n)] = -80;
        hops.ModeFlags[static_cast<std::size_t>(n)] = 0xFF;
        hops.FMufMHz[static_cast<std::size_t>(n)] = kFreqMHz / 0.85L;  // exactly at the limit
    }
    EXPECT_EQ(Evaluate(), 0);
    for (int n = 1; n <= 4; ++n) {
        EXPECT_EQ(Level(n), -80);
        EXPECT_EQ(Flags(n), 0xFF & ~(kModeWeak | kModeBelowEMuf | kModeMultipath));
    }
}

TEST_F(SignalLevelTest, NonPositiveOrUndefinedFrequencyOpensNothing)
{
    Open(1);
    for (long double freqMHz : {0.0L, -5.0L, static_cast<long double>(NAN)}) {
        EXPECT_EQ(Pathloss(hops, isotropic, 100, 1, freqMHz), 0);
        EXPECT_EQ(Level(1), 0);
    }
}

TEST_F(SignalLevelTest, RefusesWindowsOutsideTheTable)
{
    for (int first : {0, -3, kMaxHopCount - 2}) {
        SCOPED_TRACE(first);
        const HopTable before = hops;
        EXPECT_THROW(Pathloss(hops, isotropic, 100, first, kFreqMHz), std::out_of_range);
        EXPECT_EQ(hops.ModeFlags, before.ModeFlags);
    }
    EXPECT_NO_THROW(Pathloss(hops, isotropic, 100, kMaxHopCount - 3, kFreqMHz));
}

}  // namespace
}  // namespace skelda::engine
