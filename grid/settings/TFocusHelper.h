#pragma once

#include "platform/core/TPersistent.h"

namespace skelda::grid {

// Whether the grid draws its focus glow around the cell whose editor is shown.
class TFocusHelper : public plat::TPersistent {
public:
    std::string ClassName() const override { return "TFocusHelper"; }

    // From another TFocusHelper; other sources are ignored.
    void Assign(const plat::TPersistent& Source) override;

    bool GetEnabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }

private:
    bool FEnabled = false;
};

}  // namespace skelda::grid
