#include "engine/PropagationEngine.h"

#include "engine/Ionosphere.h"
#include "engine/MufModel.h"
#include "engine/SignalLevel.h"
#include "engine/SolarActivity.h"
#include "engine/SolarZenith.h"

namespace skelda::engine {

void PropagationEngine::SetSolarFlux(long double fluxSfu)
{
    solarFluxSfu_ = fluxSfu;
    sunSpotNumber_ = FluxToSpots(fluxSfu);
}

long double PropagationEngine::MiniMuf(long double month, long double dayOfMonth,
                                       long double hourUtc, long double ownLatRad,
                                       long double ownLonRad, long double targetLatRad,
                                       long double targetLonRad) const
{
    return engine::MiniMuf(month, dayOfMonth, hourUtc, ownLatRad, ownLonRad, targetLatRad,
                           targetLonRad, sunSpotNumber_);
}

long double PropagationEngine::Zenith(long double dstRad) const
{
    return engine::Zenith(path_, dstRad);
}

void PropagationEngine::Ion(int hopCount, long double pathRad, long double fcFMHz)
{
    engine::Ion(path_, sunSpotNumber_, hops_, hopCount, pathRad, fcFMHz);
}

long double PropagationEngine::Antgain(long double freqMHz, long double takeoffRad) const
{
    return antenna_.Antgain(freqMHz, takeoffRad);
}

int PropagationEngine::Pathloss(int firstHopCount, long double freqMHz)
{
    return engine::Pathloss(hops_, antenna_, powerW_, firstHopCount, freqMHz);
}

}  // namespace skelda::engine
