#include "engine/SignalLevel.h"

#include "engine/HopGeometry.h"
#include "engine/ModelMath.h"

#include <array>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

namespace skelda::engine {

using std::log10;

long double SensitivityFloorDb()
{
    return 10 * log10(1.00095095e-17L) + 30;
}

long double PowerDbm(int powerW)
{
    if (powerW <= 0) return -std::numeric_limits<long double>::infinity();
    return 10 * log10(static_cast<long double>(powerW)) + 30;
}

namespace {

constexpr int kWindow = 4;
constexpr std::uint8_t kLinkBits = kModeWeak | kModeBelowEMuf | kModeMultipath;

// The absorption term's frequency divisor, (f + 1.42)^1.98 + 10.2, is the same for every hop
// count of a call and is worked out once.
long double LevelDb(const HopTable& hops, const AntennaGain& antenna, int powerW, int hopCount,
                    long double freqMHz, long double absorptionDivisor)
{
    const auto n = static_cast<std::size_t>(hopCount);
    const long double takeoffRad = hops.TakeoffAngleRad[n];
    long double levelDb = antenna.Antgain(freqMHz, takeoffRad) + PowerDbm(powerW);
    // Free-space loss with a fixed 10 dB margin.
    levelDb -= 20 * log10(hops.HopLengthKm[n] * freqMHz) + 32.44L + 10;
    const long double eIncidenceRad = IncidenceRad(takeoffRad, kELayerRadiusKm);
    levelDb -= (hops.AbsorptionSum[n] * 677.2L / std::cos(eIncidenceRad)) / absorptionDivisor;
    // Ground reflection, 3 dB per hop.
    levelDb -= 3 * hopCount;
    return levelDb;
}

}  // namespace

int Pathloss(HopTable& hops, const AntennaGain& antenna, int powerW, int firstHopCount,
             long double freqMHz)
{
    if (firstHopCount < 1 || firstHopCount > kMaxHopCount - (kWindow - 1))
        throw std::out_of_range("First hop count " + std::to_string(firstHopCount) +
                                " is outside 1.." + std::to_string(kMaxHopCount - (kWindow - 1)));

    const long double absorptionDivisor = std::pow(freqMHz + 1.42L, 1.98L) + 10.2L;
    long double bestDb = SensitivityFloorDb();
    int bestHop = 0;
    std::array<bool, kWindow> open{};
    for (int i = 0; i < kWindow; ++i) {
        const int hopCount = firstHopCount + i;
        const auto n = static_cast<std::size_t>(hopCount);
        hops.ModeFlags[n] &= static_cast<std::uint8_t>(~kLinkBits);
        open[static_cast<std::size_t>(i)] = freqMHz > 0 && freqMHz < 0.85L * hops.FMufMHz[n];
        if (!open[static_cast<std::size_t>(i)]) continue;

        long double levelDb = LevelDb(hops, antenna, powerW, hopCount, freqMHz, absorptionDivisor);
        hops.SignalDb[n] = levelDb;
        if (levelDb < -123) hops.ModeFlags[n] |= kModeWeak;
        // Below the E-layer MUF the wave has to pass the E layer: it competes 3 dB down, while
        // the table shows the level without that penalty.
        if (hops.EMufMHz[n] > freqMHz) {
            hops.ModeFlags[n] |= kModeBelowEMuf;
            levelDb -= 3;
        }
        if (levelDb > bestDb) {
            bestDb = levelDb;
            bestHop = hopCount;
        }
    }
    if (bestHop == 0) return 0;

    long double othersSum = 0;
    for (int i = 0; i < kWindow; ++i) {
        const int hopCount = firstHopCount + i;
        if (hopCount == bestHop || !open[static_cast<std::size_t>(i)]) continue;
        othersSum += std::exp(0.2L * hops.SignalDb[static_cast<std::size_t>(hopCount)] * 2.302585L);
    }
    // With no other open count the sum is 0, its logarithm minus infinity, and no mark follows.
    if (bestDb < 5 * log10(othersSum) + 3)
        hops.ModeFlags[static_cast<std::size_t>(bestHop)] |= kModeMultipath;
    return bestHop;
}

}  // namespace skelda::engine
