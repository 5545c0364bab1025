#pragma once

// The window's one way to a prediction: the settings become a request, the engine computes it
// and the results go to the headers, the table and the chart. A request the engine refuses is
// explained in a message box and leaves the previous results as they were.

#include "engine/PropagationEngine.h"

#include <string>

namespace plat {
class TCustomRadioGroup;
class TObject;
}  // namespace plat

namespace skelda::app {

class MufChart;
class ResultHeaders;
class ResultsTable;
struct PredictionSettings;

inline constexpr const char* kRefusalTitle = "No prediction";

// What the user is told about a refused request.
std::string RefusalText(engine::PredictionRefusal refusal, long double minAngleDeg);

class PredictionDriver {
public:
    // Gives the display-format group its items; its choice is the settings' Display.
    PredictionDriver(PredictionSettings& settings, ResultsTable& table, ResultHeaders& headers, MufChart& chart,
                     plat::TCustomRadioGroup& DisplayFormatGroup);

    // The Compute button, and every other place that asks for a new prediction.
    void ComputeBtnClick(plat::TObject* Sender);
    // The same without the message: the refusal, or None when the results were written.
    engine::PredictionRefusal Compute();
    // The message box that explains a refusal; nothing for None.
    void ExplainRefusal(engine::PredictionRefusal refusal) const;
    // The display-format group: its item becomes the display format, then a new prediction.
    void DisplayFormatGroupClick(plat::TObject* Sender);

private:
    engine::PredictionRequest Request() const;

    PredictionSettings& settings_;
    ResultsTable& table_;
    ResultHeaders& headers_;
    MufChart& chart_;
    plat::TCustomRadioGroup& DisplayFormatGroup_;
    engine::PropagationEngine engine_;
};

}  // namespace skelda::app
