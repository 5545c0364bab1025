#pragma once

// The twenty places of the target list, and the target marker's place on the map for a target
// given by its coordinates.

#include "platform/core/Types.h"

#include <array>
#include <functional>

namespace plat {
class TListBox;
class TObject;
class TShape;
}  // namespace plat

namespace skelda::app {

struct PredictionSettings;

inline constexpr const char* kDefaultTargetName = "Default target";

struct PresetTarget {
    const char* ItemText;
    // Degrees, latitude positive north, longitude positive west.
    long double DestLat;
    long double DestLon;
};

inline constexpr int kPresetTargetCount = 20;
extern const std::array<PresetTarget, kPresetTargetCount> PresetTargets;

// Top-left corner of the 10 x 10 marker CC, in map pixels (512 x 256, 180 degrees west at the left
// edge): Round((180 - DestLon) * 256 / 180) - 4, Round((90 - DestLat) * 128 / 90) - 4, rounding
// halves to even.
plat::TPoint TargetMarkerTopLeft(long double DestLat, long double DestLon);

// The list box DestBox with the places, and what a click on one does.
class TargetList {
public:
    // Fills DestBox and gives it its hint. Compute runs a prediction.
    TargetList(plat::TListBox& DestBox, plat::TShape& CC, PredictionSettings& settings, std::function<void()> Compute);

    // The place chosen becomes the target and its name the target's name, the marker moves to it,
    // and a prediction runs. A click that chooses no place (on the list's empty part) does
    // nothing: there is no name to take.
    void DestBoxClick(plat::TObject* Sender);

private:
    plat::TListBox& DestBox_;
    plat::TShape& CC_;
    PredictionSettings& settings_;
    std::function<void()> compute_;
};

}  // namespace skelda::app
