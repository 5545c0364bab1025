#pragma once

#include "platform/core/TPersistent.h"
#include "platform/graphics/Colors.h"

#include <cstdint>
#include <functional>

namespace skelda::grid {

// The grid's balloon tooltips. Switching Enable reports to OnEnableChange every time, so the grid
// can start or end its balloons.
class TBalloonSettings : public plat::TPersistent {
public:
    std::string ClassName() const override { return "TBalloonSettings"; }

    // From another TBalloonSettings: every setting but Transparency, without a notice. Other
    // sources are ignored.
    void Assign(const plat::TPersistent& Source) override;

    bool GetEnable() const { return FEnable; }
    void SetEnable(bool Value)
    {
        FEnable = Value;
        Changed();
    }
    // clNone keeps the system's balloon colour.
    plat::TColor GetTextColor() const { return FTextColor; }
    void SetTextColor(plat::TColor Value) { FTextColor = Value; }
    // clNone keeps the system's balloon colour.
    plat::TColor GetBackgroundColor() const { return FBackgroundColor; }
    void SetBackgroundColor(plat::TColor Value) { FBackgroundColor = Value; }
    // Delays in milliseconds; -1 keeps the tooltip's own delay.
    int GetInitialDelay() const { return FInitialDelay; }
    void SetInitialDelay(int Value) { FInitialDelay = Value; }
    int GetAutoHideDelay() const { return FAutoHideDelay; }
    void SetAutoHideDelay(int Value) { FAutoHideDelay = Value; }
    int GetReshowDelay() const { return FReshowDelay; }
    void SetReshowDelay(int Value) { FReshowDelay = Value; }
    std::uint8_t GetTransparency() const { return FTransparency; }
    void SetTransparency(std::uint8_t Value) { FTransparency = Value; }

    std::function<void(plat::TObject* Sender)> OnEnableChange;

private:
    void Changed()
    {
        if (OnEnableChange)
            OnEnableChange(this);
    }

    bool FEnable = false;
    plat::TColor FTextColor = plat::clNone;
    plat::TColor FBackgroundColor = plat::clNone;
    int FInitialDelay = -1;
    int FAutoHideDelay = -1;
    int FReshowDelay = -1;
    std::uint8_t FTransparency = 0;
};

}  // namespace skelda::grid
