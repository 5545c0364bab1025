#pragma once

// Turns the numbers of a prediction into the window's results: the header bars, the table and the
// chart's curve. Nothing is touched before the engine sends the path, so a refused request leaves
// the previous results as they were.

#include "engine/HourlyPrediction.h"

namespace skelda::app {

class MufChart;
class ResultHeaders;
class ResultsTable;
struct PredictionSettings;

class ResultsWriter : public engine::IPredictionSink {
public:
    ResultsWriter(const PredictionSettings& settings, ResultsTable& table, ResultHeaders& headers, MufChart& chart);

    void PathComputed(const engine::PathSummary& path) override;
    void CellComputed(const engine::CellResult& cell) override;
    void HourComputed(const engine::HourResult& hour) override;

private:
    const PredictionSettings& settings_;
    ResultsTable& table_;
    ResultHeaders& headers_;
    MufChart& chart_;
};

}  // namespace skelda::app
