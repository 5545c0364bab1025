#pragma once

// What one prediction takes and what it hands out: the station, the target, the sun and the
// settings in; the path, then hour by hour the MUF and the cells of the results table out,
// as numbers through a sink. Texts, colours and pixels are the sink's business.
//
// Units are in the names; latitudes are positive north and longitudes positive west, in degrees
// on the way in and radians on the way out, as the model keeps them.

#include <cstdint>

namespace skelda::engine {

// The frequencies of the table, index 1..15: 2, 4, ..., 30 MHz.
inline constexpr int kFrequencyCount = 15;
inline constexpr int FrequencyMHzOf(int frequencyIndex) { return 2 * frequencyIndex; }

// Hours 0..24 UTC: hour 24 closes the day on the chart.
inline constexpr int kPredictionHours = 25;

// What a cell of the results table shows.
enum class DisplayFormat {
    SignalLevel = 0,    // dB above the receiver sensitivity of -123 dBm
    TakeoffAngle = 1,   // degrees
    RouteDelay = 2,     // milliseconds over all hops
    BestFrequency = 3,  // per hour only the frequency with the strongest level, and that level
};

// What the solar value field holds.
enum class SolarValueKind { Flux, SunSpots };

struct PredictionRequest {
    long double OwnLatDeg = 0;
    long double OwnLonDeg = 0;
    long double DestLatDeg = 0;
    long double DestLonDeg = 0;
    long double MinAngleDeg = 0;  // minimum takeoff angle, whole degrees in the settings
    bool LongPath = false;
    DisplayFormat Display = DisplayFormat::SignalLevel;
    // The solar value field: a 10.7 cm flux in sfu, or a sunspot number when the field shows one.
    long double SolarValue = 0;
    SolarValueKind SolarKind = SolarValueKind::Flux;
    int PowerW = 100;
    int GainTableChoice = 0;  // see AntennaGain
    // The local date when the computation starts.
    int Month = 1;
    int Day = 1;
};

// Why a request gets no prediction. Nothing reaches the sink then.
enum class PredictionRefusal {
    None,
    SamePlace,             // station and target are one point: there is no path
    MinAngleUnreachable,   // no hop count within the model's range gives that takeoff angle
    NotFinite,             // a position or value that is not a finite number
};

// The path as the header bars show it.
struct PathSummary {
    long double OwnLatRad = 0;
    long double OwnLonRad = 0;
    long double DestLatRad = 0;
    long double DestLonRad = 0;
    long double OwnAzimuthRad = 0;     // 0 .. 2 pi, turned by pi on the long path
    long double RemoteAzimuthRad = 0;  // 0 .. 2 pi
    long double PathRad = 0;           // the arc travelled: 2 pi - short arc on the long path
    long double DistanceKm = 0;
    int HopCount = 0;                  // the model's G: the fewest hops meeting the minimum angle
    long double ElevationRad = 0;      // takeoff angle of G hops at the F layer
    long double DelayMs = 0;
    int LocalHourOffset = 0;           // lo: the target's longitude in whole hours, positive west
    long double SolarFluxSfu = 0;
    long double SunSpotNumber = 0;
};

// One cell of the table: a hop count's result at one frequency in one hour.
struct CellResult {
    int HourUtc = 0;         // 0..24
    int FrequencyIndex = 0;  // 1..15
    int HopCount = 0;        // 1..kMaxHopCount
    long double Value = 0;   // in the unit of the display format
    std::uint8_t ModeFlags = 0;  // kMode* bits of HopTable
};

struct HourResult {
    int HourUtc = 0;    // 0..24
    int LocalHour = 0;  // 0..23 at the target
    long double MufMHz = 0;          // the path's MUF (the curve)
    long double HopCountMufMHz = 0;  // F-layer MUF of G hops (the table's MUF row)
    long double SunElevationDeg = 0; // at the path midpoint
    // Display format BestFrequency: the strongest frequency's index (0 when none beats the
    // sensitivity floor) and its cell.
    int BestFrequencyIndex = 0;
    CellResult Best;
};

// Receives a prediction in this order: the path once, then for each hour its cells (formats
// other than BestFrequency, open frequencies only) and the hour itself.
class IPredictionSink {
public:
    virtual void PathComputed(const PathSummary& path) = 0;
    virtual void CellComputed(const CellResult& cell) = 0;
    virtual void HourComputed(const HourResult& hour) = 0;

protected:
    ~IPredictionSink() = default;
};

}  // namespace skelda::engine
