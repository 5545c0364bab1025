#pragma once

// The program-wide values a prediction and its display read: the station, the target, the route,
// the display format, the station's equipment and the chart's threshold line, and the solar value
// field. The settings store fills them at start-up; the setup panel, the map, the preset targets
// and the display-format group change them while the program runs.

#include "engine/HourlyPrediction.h"

#include <string>

namespace skelda::app {

struct PredictionSettings {
    // Degrees, latitudes positive north, longitudes positive west.
    long double Latitude = 0;
    long double Longitude = 0;
    long double DestLat = 0;
    long double DestLon = 0;
    long double MinAngle = 10;  // minimum takeoff angle, whole degrees
    bool Path = false;          // true: the long path
    engine::DisplayFormat Display = engine::DisplayFormat::SignalLevel;
    int Power = 100;  // watts
    std::string MyCall = "NoCall";
    std::string TargetName;
    int GainTable = 0;  // see engine/AntennaGain.h
    bool Seuil = false;  // the chart's threshold line
    int SeuilFreq = 10;  // MHz
    // What the solar value field holds.
    long double SolarValue = 0;
    engine::SolarValueKind SolarKind = engine::SolarValueKind::Flux;
};

}  // namespace skelda::app
