#pragma once

// The two header bars above the results and the target's position panels, written from the
// path of a computation.

#include "engine/HourlyPrediction.h"

#include <string>

namespace plat {
class TPanel;
class THeaderControl;
}  // namespace plat

namespace skelda::app {

struct PredictionSettings;

class ResultHeaders {
public:
    static constexpr int kPathSections = 4;      // H1: station, target, distance, delay
    static constexpr int kConditionSections = 5;  // H2: flux, sun spots, date, power, notice
    static constexpr const char* kNotice = "Predicted values are estimates";

    // Gives the header bars their sections.
    ResultHeaders(plat::THeaderControl& H1, plat::THeaderControl& H2, plat::TPanel& DESTLTTPnl,
                  plat::TPanel& DESTLNGPnl);

    // The date is today's by the environment's clock.
    void Write(const engine::PathSummary& path, const PredictionSettings& settings);

private:
    plat::THeaderControl& H1_;
    plat::THeaderControl& H2_;
    plat::TPanel& DESTLTTPnl_;
    plat::TPanel& DESTLNGPnl_;
};

}  // namespace skelda::app
