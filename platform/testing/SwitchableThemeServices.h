#pragma once

#include "platform/graphics/QtThemeServices.h"

namespace plat::testing {

// The production theme service with a switch, so that a test sees both the themed and the
// classic faces of a control. Switched off, ThemesEnabled is false and OpenThemeData gives 0,
// as with the classic desktop; handles opened before keep drawing. Starts switched on.
class SwitchableThemeServices : public QtThemeServices {
public:
    bool ThemesEnabled() const override { return FEnabled; }
    HTHEME OpenThemeData(std::string_view ClassList) override;

    void SetThemesEnabled(bool Value) { FEnabled = Value; }

private:
    bool FEnabled = true;
};

}  // namespace plat::testing
