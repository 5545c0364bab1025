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

constexpr std::uint8_t kLinkBits = kModeWeak | kModeBelowEMuf | kModeMultipath;

int CheckedFirstHopCount(int firstHopCount, int window)
{
    if (firstHopCount < 1 || firstHopCount > kMaxHopCount - (window - 1))
        throw std::out_of_range("First hop count " + std::to_string(firstHopCount) +
                                " is outside 1.." + std::to_string(kMaxHopCount - (window - 1)));
    return firstHopCount;
}

}  // namespace

LinkBudget::LinkBudget(const HopTable& hops, const AntennaGain& antenna, int powerW,
                       int firstHopCount, std::span<const long double> frequenciesMHz)
    : firstHopCount_(CheckedFirstHopCount(firstHopCount, kWindow))
{
    for (int i = 0; i < kWindow; ++i) {
        const auto n = static_cast<std::size_t>(firstHopCount + i);
        cosEIncidence_[static_cast<std::size_t>(i)] =
            std::cos(IncidenceRad(hops.TakeoffAngleRad[n], kELayerRadiusKm));
    }
    const long double powerDbm = PowerDbm(powerW);
    frequencies_.reserve(frequenciesMHz.size());
    for (long double freqMHz : frequenciesMHz) {
        Frequency& frequency = frequencies_.emplace_back();
        frequency.MHz = freqMHz;
        frequency.AbsorptionDivisor = std::pow(freqMHz + 1.42L, 1.98L) + 10.2L;
        for (int i = 0; i < kWindow; ++i) {
            const auto n = static_cast<std::size_t>(firstHopCount + i);
            // Free-space loss with a fixed 10 dB margin.
            frequency.FixedDb[static_cast<std::size_t>(i)] =
                antenna.Antgain(freqMHz, hops.TakeoffAngleRad[n]) + powerDbm -
                (20 * log10(hops.HopLengthKm[n] * freqMHz) + 32.44L + 10);
        }
    }
}

int LinkBudget::Evaluate(std::size_t frequency, HopTable& hops) const
{
    const Frequency& terms = frequencies_[frequency];
    const long double freqMHz = terms.MHz;
    long double bestDb = SensitivityFloorDb();
    int bestHop = 0;
    std::array<bool, kWindow> open{};
    for (int i = 0; i < kWindow; ++i) {
        const int hopCount = firstHopCount_ + i;
        const auto n = static_cast<std::size_t>(hopCount);
        const auto w = static_cast<std::size_t>(i);
        hops.ModeFlags[n] &= static_cast<std::uint8_t>(~kLinkBits);
        open[w] = freqMHz > 0 && freqMHz < 0.85L * hops.FMufMHz[n];
        if (!open[w]) continue;

        long double levelDb = terms.FixedDb[w] -
                              (hops.AbsorptionSum[n] * 677.2L / cosEIncidence_[w]) /
                                  terms.AbsorptionDivisor;
        // Ground reflection, 3 dB per hop.
        levelDb -= 3 * hopCount;
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
        const int hopCount = firstHopCount_ + i;
        if (hopCount == bestHop || !open[static_cast<std::size_t>(i)]) continue;
        othersSum += std::exp(0.2L * hops.SignalDb[static_cast<std::size_t>(hopCount)] * 2.302585L);
    }
    // With no other open count the sum is 0, its logarithm minus infinity, and no mark follows.
    if (bestDb < 5 * log10(othersSum) + 3)
        hops.ModeFlags[static_cast<std::size_t>(bestHop)] |= kModeMultipath;
    return bestHop;
}

int Pathloss(HopTable& hops, const AntennaGain& antenna, int powerW, int firstHopCount,
             long double freqMHz)
{
    return LinkBudget(hops, antenna, powerW, firstHopCount, std::span(&freqMHz, 1))
        .Evaluate(0, hops);
}

}  // namespace skelda::engine
