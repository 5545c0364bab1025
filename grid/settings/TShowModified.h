#pragma once

#include "grid/settings/TNotifyingSettings.h"
#include "platform/graphics/Colors.h"

#include <functional>

namespace skelda::grid {

// Marks of modified rows: with Enabled, a row whose cell was changed by editing or a replace shows
// a mark in Color in its fixed cell. Every write of Color is reported.
class TShowModified : public TNotifyingSettings {
public:
    std::string ClassName() const override { return "TShowModified"; }

    // From another TShowModified: both settings. Other sources are ignored.
    void Assign(const plat::TPersistent& Source) override;

    bool GetEnabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }
    plat::TColor GetColor() const { return FColor; }
    void SetColor(plat::TColor Value)
    {
        FColor = Value;
        Changed();
    }

private:
    bool FEnabled = false;
    plat::TColor FColor = plat::clYellow;
};

}  // namespace skelda::grid
