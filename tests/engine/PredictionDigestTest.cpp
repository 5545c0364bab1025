// Every number a prediction hands out, over a fixed corpus of requests, folded into one digest.
// The results table rounds these numbers to at most two decimals; the digest keeps ten
// significant digits of each, so a formula that moves any result by more than a few parts in ten
// billion shows here long before it tips a number the user reads.
//
// It does not keep the last bits. Those differ from one processor to the next for the same
// binary: the C library's 80-bit pow runs on the x87 unit, whose transcendental instructions
// round differently on different makers' chips, so a digest of the bits recorded on one machine
// fails on another. Ten digits stay clear of that by nine orders of magnitude.

#include "engine/HopTable.h"
#include "engine/PropagationEngine.h"

#include "tests/engine/PredictionCorpus.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace skelda::engine {
namespace {

// FNV-1a, 64 bits.
class Digest {
public:
    void Add(const void* data, std::size_t size)
    {
        const auto* bytes = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < size; ++i) {
            value_ ^= bytes[i];
            value_ *= 0x100000001b3ULL;
        }
    }

    void Add(int number) { Add(&number, sizeof number); }

    // Ten significant digits; what is left of a difference of nearly equal numbers (an azimuth
    // of 1e-18 on a meridian) counts as the zero it stands for.
    void Add(long double number)
    {
        constexpr long double kNoise = 1e-12L;
        if (std::fabs(number) < kNoise) number = 0;
        char text[48];
        const int length = std::snprintf(text, sizeof text, "%.9Le", number);
        Add(text, static_cast<std::size_t>(length));
    }

    std::uint64_t Value() const { return value_; }

private:
    std::uint64_t value_ = 0xcbf29ce484222325ULL;
};

// Hashes what the sink receives and, after each hour, the layer and link values behind it in the
// engine's hop table: a change there shows before it tips a rounded number somewhere.
class DigestSink : public IPredictionSink {
public:
    DigestSink(Digest& digest, const PropagationEngine& engine) : digest_(digest), engine_(engine) {}

    void PathComputed(const PathSummary& path) override
    {
        for (long double number :
             {path.OwnLatRad, path.OwnLonRad, path.DestLatRad, path.DestLonRad, path.OwnAzimuthRad,
              path.RemoteAzimuthRad, path.PathRad, path.DistanceKm, path.ElevationRad, path.DelayMs,
              path.SolarFluxSfu, path.SunSpotNumber})
            digest_.Add(number);
        digest_.Add(path.HopCount);
        digest_.Add(path.LocalHourOffset);
        firstHopCount_ = path.HopCount;
    }

    void CellComputed(const CellResult& cell) override { AddCell(cell); }

    void HourComputed(const HourResult& hour) override
    {
        digest_.Add(hour.HourUtc);
        digest_.Add(hour.LocalHour);
        digest_.Add(hour.MufMHz);
        digest_.Add(hour.HopCountMufMHz);
        digest_.Add(hour.SunElevationDeg);
        digest_.Add(hour.BestFrequencyIndex);
        AddCell(hour.Best);

        const HopTable& hops = engine_.Hops();
        for (int n = firstHopCount_; n <= firstHopCount_ + 3; ++n) {
            const auto i = static_cast<std::size_t>(n);
            for (long double number :
                 {hops.EMufMHz[i], hops.FMufMHz[i], hops.AbsorptionSum[i], hops.SignalDb[i]})
                digest_.Add(number);
            digest_.Add(static_cast<int>(hops.ModeFlags[i]));
        }
    }

private:
    void AddCell(const CellResult& cell)
    {
        digest_.Add(cell.HourUtc);
        digest_.Add(cell.FrequencyIndex);
        digest_.Add(cell.HopCount);
        digest_.Add(cell.Value);
        digest_.Add(static_cast<int>(cell.ModeFlags));
    }

    Digest& digest_;
    const PropagationEngine& engine_;
    int firstHopCount_ = 0;
};

TEST(PredictionDigestTest, EveryNumberOfACorpusOfPredictionsIsUnchanged)
{
    // Recorded from the model as first written, before any of its arithmetic was rearranged for
    // speed. A change that is meant to change results (a corrected formula) renews it: check the
    // new results for what they should be, then put the value this test prints here.
    constexpr std::uint64_t kExpectedDigest = 0xc243734fb0dd0af8;

    constexpr int kRequests = 120;
    testing::RequestGenerator requests(20240601);
    // One engine for all, as the program keeps one: nothing left from a prediction may leak
    // into the next.
    PropagationEngine engine;
    Digest digest;
    DigestSink sink(digest, engine);
    for (int i = 0; i < kRequests; ++i)
        digest.Add(static_cast<int>(engine.Predict(requests.Next(), sink)));
    EXPECT_EQ(digest.Value(), kExpectedDigest) << "digest 0x" << std::hex << digest.Value();
}

}  // namespace
}  // namespace skelda::engine
