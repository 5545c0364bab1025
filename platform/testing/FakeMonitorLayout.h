#pragma once

#include "platform/controls/services/MonitorLayout.h"

#include <utility>
#include <vector>

namespace plat::testing {

// The desktop's monitors for a test, installed in the environment for the fake's lifetime (the
// one before comes back after).
class FakeMonitorLayout : public IMonitorLayout {
public:
    explicit FakeMonitorLayout(std::vector<TMonitorArea> Monitors);
    ~FakeMonitorLayout() override;
    FakeMonitorLayout(const FakeMonitorLayout&) = delete;
    FakeMonitorLayout& operator=(const FakeMonitorLayout&) = delete;

    // A 1920 x 1080 primary monitor with a 40-pixel panel at its bottom, and right of it a
    // 1280 x 1024 monitor whose top lies 300 pixels higher, with a 30-pixel panel at its top.
    static std::vector<TMonitorArea> TwoMonitors();

    std::vector<TMonitorArea> Monitors() const override { return FMonitors; }
    void SetMonitors(std::vector<TMonitorArea> Monitors) { FMonitors = std::move(Monitors); }

private:
    std::vector<TMonitorArea> FMonitors;
    IMonitorLayout* FSaved;
};

}  // namespace plat::testing
