#pragma once

#include "grid/settings/TDropDownBarAppearance.h"
#include "grid/settings/THeaderButtons.h"

#include <memory>

namespace skelda::grid {

// The header bar of a drop-down's popup.
class THeaderAppearance : public TDropDownBarAppearance {
public:
    THeaderAppearance();
    ~THeaderAppearance() override;

    std::string ClassName() const override { return "THeaderAppearance"; }

    // From another THeaderAppearance: every setting and the buttons. Other sources are ignored.
    void Assign(const plat::TPersistent& Source) override;

    THeaderButtons& Buttons() { return *FButtons; }
    const THeaderButtons& Buttons() const { return *FButtons; }
    // Replaces the buttons by copies of Value's.
    void SetButtons(const THeaderButtons& Value);

private:
    std::unique_ptr<THeaderButtons> FButtons;
};

}  // namespace skelda::grid
