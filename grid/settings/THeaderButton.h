#pragma once

#include "grid/settings/TDropDownBarButton.h"

namespace skelda::grid {

// A button in the header bar of a drop-down.
class THeaderButton : public TDropDownBarButton {
public:
    std::string ClassName() const override { return "THeaderButton"; }

    // From another THeaderButton, through the setters; other sources raise plat::EConvertError.
    void Assign(const plat::TPersistent& Source) override;
};

}  // namespace skelda::grid
