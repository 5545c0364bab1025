#pragma once

#include "grid/settings/TDropDownBarButton.h"

namespace skelda::grid {

// A button in the footer bar of a drop-down; ModalResult closes the popup with that result.
class TFooterButton : public TDropDownBarButton {
public:
    std::string ClassName() const override { return "TFooterButton"; }

    // From another TFooterButton, through the setters; other sources raise plat::EConvertError.
    void Assign(const plat::TPersistent& Source) override;

    int GetModalResult() const { return FModalResult; }
    void SetModalResult(int Value) { FModalResult = Value; }

private:
    int FModalResult = 0;
};

}  // namespace skelda::grid
