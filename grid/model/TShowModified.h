#pragma once

#include "platform/core/TPersistent.h"
#include "platform/graphics/Colors.h"

#include <functional>

namespace skelda::grid {

// Marks of modified rows: with Enabled, a row whose cell was changed by editing or a replace shows
// a mark in Color in its fixed cell. Every write of Color is reported.
class TShowModified : public plat::TPersistent {
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

    std::function<void(plat::TObject* Sender)> OnChange;

private:
    void Changed()
    {
        if (OnChange)
            OnChange(this);
    }

    bool FEnabled = false;
    plat::TColor FColor = plat::clYellow;
};

}  // namespace skelda::grid
