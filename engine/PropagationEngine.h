#pragma once

// The state one prediction works on, and the model's operations on it: the solar activity, the
// path and sun of the hour, the per-hop-count results, the antenna and the transmitter power.
// Predict runs a whole prediction on them; the window keeps one engine for the whole run.

#include "engine/AntennaGain.h"
#include "engine/HopTable.h"
#include "engine/HourlyPrediction.h"
#include "engine/PathState.h"

namespace skelda::engine {

class PropagationEngine {
public:
    // Sets the flux of the next computation and the sunspot number the model derives from it.
    void SetSolarFlux(long double fluxSfu);
    long double SolarFlux() const { return solarFluxSfu_; }
    long double SunSpotNumber() const { return sunSpotNumber_; }

    PathState& Path() { return path_; }
    const PathState& Path() const { return path_; }

    HopTable& Hops() { return hops_; }
    const HopTable& Hops() const { return hops_; }

    // The GainTable setting (see AntennaGain).
    void SelectGainTable(int gainTableChoice) { antenna_ = AntennaGain(gainTableChoice); }
    const AntennaGain& Antenna() const { return antenna_; }

    // Transmitter power in watts; 100 (the setting's default) until set.
    void SetPower(int powerW) { powerW_ = powerW; }
    int Power() const { return powerW_; }

    // The whole prediction of HourlyPrediction.h: sets the flux, power, antenna and path from the
    // request, then hands the path and the 25 hours with their cells to sink. A refused request
    // changes nothing here and sends nothing to sink. Texts are the sink's business.
    PredictionRefusal Predict(const PredictionRequest& request, IPredictionSink& sink);

    // The operations of the model, reading the state above (see the headers named).
    // MufModel.h; NaN for a path of length 0.
    long double MiniMuf(long double month, long double dayOfMonth, long double hourUtc,
                        long double ownLatRad, long double ownLonRad, long double targetLatRad,
                        long double targetLonRad) const;
    // SolarZenith.h
    long double Zenith(long double dstRad) const;
    // Ionosphere.h
    void Ion(int hopCount, long double pathRad, long double fcFMHz);
    // AntennaGain.h
    long double Antgain(long double freqMHz, long double takeoffRad) const;
    // SignalLevel.h
    int Pathloss(int firstHopCount, long double freqMHz);

private:
    long double solarFluxSfu_ = 0;
    long double sunSpotNumber_ = 0;
    PathState path_;
    HopTable hops_;
    AntennaGain antenna_;
    int powerW_ = 100;
};

}  // namespace skelda::engine
