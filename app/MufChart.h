#pragma once

// The MUF chart: hours 0..24 across, 2..30 MHz up, with the current UTC time, the optional
// threshold frequency and the MUF curve of the last computation. A paint box keeps no picture,
// so every paint draws the frame and then the stored curve again.

#include <string>
#include <vector>

namespace plat {
class TCanvas;
class TObject;
class TPaintBox;
}  // namespace plat

namespace skelda::app {

struct PredictionSettings;

struct MufCurvePoint {
    int X = 0;
    int Y = 0;
    std::string Label;  // the MUF in MHz, "0.0"
    friend bool operator==(const MufCurvePoint&, const MufCurvePoint&) = default;
};

class MufChart {
public:
    static constexpr int kWidthPx = 710;
    static constexpr int kHeightPx = 298;

    // Gives the paint box its size, colour and hint. The threshold line follows the settings.
    MufChart(plat::TPaintBox& PTB, const PredictionSettings& settings);

    // The paint box's paint handler.
    void TraceTableau(plat::TObject* Sender);
    void Draw(plat::TCanvas& canvas) const;

    // The curve of a new computation, point by point in hour order.
    void ClearCurve();
    void AddPoint(int hourUtc, long double mufMHz);
    const std::vector<MufCurvePoint>& Curve() const { return curve_; }

    static int HourX(int hour) { return 35 + 28 * hour; }
    // Where the current UTC time's line is drawn.
    static int TimeLineX(int hourUtc, int minute) { return 35 + (hourUtc * 60 + minute) * 673 / 1440; }
    // The frame's own scale, 9.5 pixels per MHz.
    static int ThresholdY(int freqMHz) { return 300 - freqMHz * 285 / 30; }
    static int CurveY(long double mufMHz);

private:
    void DrawFrame(plat::TCanvas& canvas) const;
    void DrawTimeLine(plat::TCanvas& canvas) const;
    void DrawThreshold(plat::TCanvas& canvas) const;
    void DrawCurve(plat::TCanvas& canvas) const;

    plat::TPaintBox& PTB_;
    const PredictionSettings& settings_;
    std::vector<MufCurvePoint> curve_;
};

}  // namespace skelda::app
