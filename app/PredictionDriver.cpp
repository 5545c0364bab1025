#include "app/PredictionDriver.h"

#include "app/MufChart.h"
#include "app/PredictionSettings.h"
#include "app/ResultHeaders.h"
#include "app/ResultsTable.h"
#include "app/ResultsWriter.h"
#include "platform/controls/services/DialogService.h"
#include "platform/controls/services/UiServices.h"
#include "platform/controls/standard/TRadioGroup.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/TStrings.h"
#include "platform/system/Clock.h"
#include "platform/system/DateTime.h"
#include "platform/system/Environment.h"
#include "platform/system/FloatFormat.h"

namespace skelda::app {

std::string RefusalText(engine::PredictionRefusal refusal, long double minAngleDeg)
{
    switch (refusal) {
    case engine::PredictionRefusal::None:
        break;
    case engine::PredictionRefusal::SamePlace:
        return "The target is the station's own position: there is no path to predict.";
    case engine::PredictionRefusal::MinAngleUnreachable:
        return "No number of hops gives a takeoff angle of " +
               plat::FormatFloat("0", static_cast<double>(minAngleDeg)) +
               " degrees or more on this path. Lower the minimum takeoff angle.";
    case engine::PredictionRefusal::NotFinite:
        return "A position, the minimum takeoff angle or the solar value is not a valid number.";
    }
    return {};
}

PredictionDriver::PredictionDriver(PredictionSettings& settings, ResultsTable& table, ResultHeaders& headers,
                                   MufChart& chart, plat::TCustomRadioGroup& DisplayFormatGroup)
    : settings_(settings), table_(table), headers_(headers), chart_(chart), DisplayFormatGroup_(DisplayFormatGroup)
{
    plat::TStrings& items = DisplayFormatGroup_.Items();
    items.Clear();
    for (const char* item : {"Signal level (dB)", "Takeoff angle (degrees)", "Route delays (milliseconds)",
                             "Best frequencies and Signal"})
        items.Add(item);
}

engine::PredictionRequest PredictionDriver::Request() const
{
    int year = 0;
    int month = 0;
    int day = 0;
    plat::DecodeDate(plat::Env().Clock->Now(), year, month, day);
    return {.OwnLatDeg = settings_.Latitude,
            .OwnLonDeg = settings_.Longitude,
            .DestLatDeg = settings_.DestLat,
            .DestLonDeg = settings_.DestLon,
            .MinAngleDeg = settings_.MinAngle,
            .LongPath = settings_.Path,
            .Display = settings_.Display,
            .SolarValue = settings_.SolarValue,
            .SolarKind = settings_.SolarKind,
            .PowerW = settings_.Power,
            .GainTableChoice = settings_.GainTable,
            .Month = month,
            .Day = day};
}

void PredictionDriver::ComputeBtnClick(plat::TObject*)
{
    ExplainRefusal(Compute());
}

void PredictionDriver::ExplainRefusal(engine::PredictionRefusal refusal) const
{
    if (refusal != engine::PredictionRefusal::None)
        plat::Dialogs().MessageBox(RefusalText(refusal, settings_.MinAngle), kRefusalTitle,
                                   plat::MB_OK | plat::MB_ICONWARNING);
}

engine::PredictionRefusal PredictionDriver::Compute()
{
    plat::FormatSettings().DecimalSeparator = '.';
    ResultsWriter writer(settings_, table_, headers_, chart_);
    const engine::PredictionRefusal refusal = engine_.Predict(Request(), writer);
    if (refusal == engine::PredictionRefusal::None)
        table_.ColorResultsGrid();
    return refusal;
}

void PredictionDriver::DisplayFormatGroupClick(plat::TObject* Sender)
{
    const int index = DisplayFormatGroup_.GetItemIndex();
    // No item checked: the format stays as it is.
    if (index < 0)
        return;
    settings_.Display = static_cast<engine::DisplayFormat>(index);
    ComputeBtnClick(Sender);
}

}  // namespace skelda::app
