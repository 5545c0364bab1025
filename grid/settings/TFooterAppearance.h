#pragma once

#include "grid/settings/TDropDownBarAppearance.h"
#include "grid/settings/TFooterButtons.h"

#include <memory>

namespace skelda::grid {

// The footer bar of a drop-down's popup; it may carry a size grip.
class TFooterAppearance : public TDropDownBarAppearance {
public:
    TFooterAppearance();
    ~TFooterAppearance() override;

    std::string ClassName() const override { return "TFooterAppearance"; }

    // From another TFooterAppearance: every setting and the buttons. Other sources are ignored.
    void Assign(const plat::TPersistent& Source) override;

    bool GetSizeGrip() const { return FSizeGrip; }
    void SetSizeGrip(bool Value) { FSizeGrip = Value; }
    TFooterButtons& Buttons() { return *FButtons; }
    const TFooterButtons& Buttons() const { return *FButtons; }
    // Replaces the buttons by copies of Value's.
    void SetButtons(const TFooterButtons& Value);

private:
    bool FSizeGrip = true;
    std::unique_ptr<TFooterButtons> FButtons;
};

}  // namespace skelda::grid
