#pragma once

#include "platform/controls/core/TWinControl.h"

#include <functional>

namespace skelda::pager {

// A hidden window that turns the system's theme-changed message and the office theme monitor's
// message into OnThemeChange, then handles them as any window does.
class TNotifierWindow : public plat::TWinControl {
public:
    explicit TNotifierWindow(plat::TComponent* AOwner);

    std::string ClassName() const override { return "TNotifierWindow"; }
    void WndProc(plat::TMessage& Message) override;

    std::function<void(plat::TObject* Sender)> OnThemeChange;
};

}  // namespace skelda::pager
