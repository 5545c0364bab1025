#pragma once

// Prediction requests spread over everything a request can hold, drawn from a fixed seed with
// integer arithmetic only, so that every build and every run draws the same requests: places
// anywhere (poles, the date line and the equator drawn more often than their area would give),
// short hops and long paths, both solar fields, every display format, power and gain table.

#include "engine/HourlyPrediction.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace skelda::engine::testing {

class RequestGenerator {
public:
    explicit RequestGenerator(std::uint64_t seed) : state_(seed) {}

    PredictionRequest Next()
    {
        PredictionRequest request;
        request.OwnLatDeg = LatitudeDeg();
        request.OwnLonDeg = LongitudeDeg();
        switch (Below(8)) {
        case 0:  // a neighbour a few degrees away: one hop or less
            request.DestLatDeg = std::clamp(request.OwnLatDeg + Hundredths(-300, 300), -90.0L, 90.0L);
            request.DestLonDeg = request.OwnLonDeg + Hundredths(-300, 300);
            break;
        case 1:  // the same place, which is refused
            request.DestLatDeg = request.OwnLatDeg;
            request.DestLonDeg = request.OwnLonDeg;
            break;
        default:
            request.DestLatDeg = LatitudeDeg();
            request.DestLonDeg = LongitudeDeg();
        }
        request.MinAngleDeg = Below(31);
        request.LongPath = Below(3) == 0;
        request.Display = static_cast<DisplayFormat>(Below(4));
        if (Below(2) == 0) {
            request.SolarKind = SolarValueKind::Flux;
            request.SolarValue = Hundredths(6000, 30000);
        } else {
            request.SolarKind = SolarValueKind::SunSpots;
            request.SolarValue = Below(301);
        }
        constexpr std::array kPowersW = {0, 1, 5, 10, 50, 100, 400, 1000, 1500};
        request.PowerW = kPowersW[static_cast<std::size_t>(Below(static_cast<int>(kPowersW.size())))];
        request.GainTableChoice = Below(3);
        request.Month = 1 + Below(12);
        request.Day = 1 + Below(31);
        return request;
    }

private:
    // SplitMix64.
    std::uint64_t NextBits()
    {
        std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }

    int Below(int bound) { return static_cast<int>(NextBits() % static_cast<std::uint64_t>(bound)); }

    long double Hundredths(int lowest, int highest)
    {
        return static_cast<long double>(lowest + Below(highest - lowest + 1)) / 100;
    }

    long double LatitudeDeg()
    {
        constexpr std::array<long double, 5> kEdgesDeg = {90, -90, 89.99L, -89.99L, 0};
        if (Below(8) == 0) return kEdgesDeg[static_cast<std::size_t>(Below(5))];
        return Hundredths(-9000, 9000);
    }

    long double LongitudeDeg()
    {
        constexpr std::array<long double, 5> kEdgesDeg = {180, -180, 179.99L, -179.99L, 0};
        if (Below(8) == 0) return kEdgesDeg[static_cast<std::size_t>(Below(5))];
        return Hundredths(-18000, 18000);
    }

    std::uint64_t state_;
};

}  // namespace skelda::engine::testing
