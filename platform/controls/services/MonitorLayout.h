#pragma once

#include "platform/core/Types.h"

#include <vector>

namespace plat {

// One monitor as the desktop arranges it, in virtual-screen coordinates (the primary monitor's
// top-left corner is (0, 0); others may lie left of or above it).
struct TMonitorArea {
    TRect BoundsRect;
    // The bounds less the panels and docks the desktop keeps there.
    TRect WorkareaRect;
    bool Primary = false;
};

// The monitors of the desktop. Without one in the environment (Env().Monitors) the screen asks
// Qt for its screens; tests install FakeMonitorLayout.
class IMonitorLayout {
public:
    virtual ~IMonitorLayout() = default;
    virtual std::vector<TMonitorArea> Monitors() const = 0;
};

}  // namespace plat
