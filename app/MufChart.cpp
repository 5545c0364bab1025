#include "app/MufChart.h"

#include "app/PredictionSettings.h"
#include "app/UtcClock.h"
#include "engine/HourlyPrediction.h"
#include "platform/controls/standard/TPaintBox.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/TCanvas.h"
#include "platform/system/Conversions.h"
#include "platform/system/DateTime.h"
#include "platform/system/FloatFormat.h"

#include <cmath>

namespace skelda::app {
namespace {

// The scales and the "Threshold" label are silver rather than the window-text colour, which
// would be black on the black chart.
constexpr plat::TColor kLabelColour = plat::clSilver;
constexpr plat::TColor kFrameColour = plat::clGray;
constexpr int kHourLabelY = 282;
constexpr int kGridLineCount = 16;

}  // namespace

MufChart::MufChart(plat::TPaintBox& PTB, const PredictionSettings& settings) : PTB_(PTB), settings_(settings)
{
    PTB_.SetAlign(plat::alClient);
    PTB_.SetWidth(kWidthPx);
    PTB_.SetHeight(kHeightPx);
    PTB_.SetColor(plat::clBlack);
    PTB_.SetHint("MUF curve \r\n(Maximum Usable Frequency)");
}

int MufChart::CurveY(long double mufMHz)
{
    return static_cast<int>(std::nearbyint(300 - mufMHz * 285 / 30));
}

void MufChart::TraceTableau(plat::TObject*)
{
    Draw(PTB_.Canvas());
}

void MufChart::Draw(plat::TCanvas& canvas) const
{
    DrawFrame(canvas);
    DrawTimeLine(canvas);
    if (settings_.Seuil)
        DrawThreshold(canvas);
    DrawCurve(canvas);
}

void MufChart::ClearCurve()
{
    curve_.clear();
    PTB_.Invalidate();
}

void MufChart::AddPoint(int hourUtc, long double mufMHz)
{
    curve_.push_back({HourX(hourUtc), CurveY(mufMHz), plat::FormatFloat("0.0", static_cast<double>(mufMHz))});
    PTB_.Invalidate();
}

void MufChart::DrawFrame(plat::TCanvas& canvas) const
{
    canvas.Brush().SetStyle(plat::bsSolid);
    canvas.Brush().SetColor(PTB_.GetColor());
    canvas.Pen().SetColor(kFrameColour);
    canvas.Pen().SetWidth(1);
    canvas.Rectangle(-1, -1, 716, 305);

    canvas.Font().SetColor(kLabelColour);
    canvas.Font().SetName("Small Fonts");
    canvas.Font().SetSize(7);
    for (int n = 0; n < engine::kPredictionHours; ++n)
        canvas.TextOut(28 * n + 30, kHourLabelY, plat::IntToStr(n) + "h");
    for (int i = 1; i <= engine::kFrequencyCount; ++i)
        canvas.TextOut(3, 292 - 19 * i, plat::IntToStr(engine::FrequencyMHzOf(i)) + " Mhz");

    for (int i = 1; i <= kGridLineCount; ++i) {
        canvas.MoveTo(35, 300 - 19 * i);
        canvas.LineTo(708, 300 - 19 * i);
    }
    for (int n = 0; n < engine::kPredictionHours; ++n) {
        canvas.MoveTo(HourX(n), 1);
        canvas.LineTo(HourX(n), kHourLabelY);
    }
}

void MufChart::DrawTimeLine(plat::TCanvas& canvas) const
{
    const plat::TDateTimeParts utc = plat::DecodeDateTime(UtcNow());
    const int x = TimeLineX(utc.Hour, utc.Min);
    canvas.Pen().SetColor(plat::clYellow);
    canvas.Pen().SetWidth(1);
    canvas.MoveTo(x, 0);
    canvas.LineTo(x, kHourLabelY);
}

void MufChart::DrawThreshold(plat::TCanvas& canvas) const
{
    const int y = ThresholdY(settings_.SeuilFreq);
    canvas.Pen().SetColor(plat::clRed);
    canvas.MoveTo(36, y);
    canvas.LineTo(707, y);
    canvas.Font().SetColor(kLabelColour);
    canvas.TextOut(39, y - 8, "Threshold");
}

void MufChart::DrawCurve(plat::TCanvas& canvas) const
{
    canvas.Pen().SetColor(plat::clLime);
    canvas.Pen().SetWidth(2);
    canvas.Font().SetColor(plat::clAqua);
    for (std::size_t i = 0; i < curve_.size(); ++i) {
        const MufCurvePoint& point = curve_[i];
        if (i > 0) {
            canvas.MoveTo(curve_[i - 1].X, curve_[i - 1].Y);
            canvas.LineTo(point.X, point.Y);
        }
        canvas.TextOut(point.X - 3, point.Y - 12, point.Label);
    }
}

}  // namespace skelda::app
