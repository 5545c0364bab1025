#include "app/ResultsWriter.h"

#include "app/MufChart.h"
#include "app/PredictionSettings.h"
#include "app/ResultHeaders.h"
#include "app/ResultsTable.h"

namespace skelda::app {

ResultsWriter::ResultsWriter(const PredictionSettings& settings, ResultsTable& table, ResultHeaders& headers,
                             MufChart& chart)
    : settings_(settings), table_(table), headers_(headers), chart_(chart)
{
}

void ResultsWriter::PathComputed(const engine::PathSummary& path)
{
    table_.VideTableau();
    chart_.ClearCurve();
    headers_.Write(path, settings_);
    table_.LabelResultsGrid(settings_.Display);
}

void ResultsWriter::CellComputed(const engine::CellResult& cell)
{
    table_.Dsx(cell);
}

void ResultsWriter::HourComputed(const engine::HourResult& hour)
{
    table_.WriteHour(hour);
    chart_.AddPoint(hour.HourUtc, hour.MufMHz);
}

}  // namespace skelda::app
