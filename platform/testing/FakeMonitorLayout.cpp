#include "platform/testing/FakeMonitorLayout.h"

#include "platform/system/Environment.h"

#include <utility>

namespace plat::testing {

FakeMonitorLayout::FakeMonitorLayout(std::vector<TMonitorArea> Monitors)
    : FMonitors(std::move(Monitors)), FSaved(Env().Monitors)
{
    Env().Monitors = this;
}

FakeMonitorLayout::~FakeMonitorLayout()
{
    Env().Monitors = FSaved;
}

std::vector<TMonitorArea> FakeMonitorLayout::TwoMonitors()
{
    return {{Rect(0, 0, 1920, 1080), Rect(0, 0, 1920, 1040), true},
            {Rect(1920, -300, 3200, 724), Rect(1920, -270, 3200, 724), false}};
}

}  // namespace plat::testing
