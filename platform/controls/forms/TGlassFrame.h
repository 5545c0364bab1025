#pragma once

#include "platform/core/TPersistent.h"

namespace plat {

// How far a form's glass frame would reach into its client area: Enabled, and the height of the
// glass band along the top (Top, pixels). This desktop is never composed (DwmIsCompositionEnabled
// answers false), so the settings are kept for the code that reads them and change nothing.
class TGlassFrame : public TPersistent {
public:
    std::string ClassName() const override { return "TGlassFrame"; }

    bool GetEnabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }
    int GetTop() const { return FTop; }
    void SetTop(int Value) { FTop = Value; }

    void Assign(const TPersistent& Source) override;

private:
    bool FEnabled = false;
    int FTop = 0;
};

}  // namespace plat
