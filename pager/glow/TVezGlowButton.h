#pragma once

#include "pager/glow/TVezCustomGlowButton.h"

namespace skelda::pager {

// The glow button as forms place it: everything of TVezCustomGlowButton, nothing more.
class TVezGlowButton : public TVezCustomGlowButton {
public:
    using TVezCustomGlowButton::TVezCustomGlowButton;

    std::string ClassName() const override { return "TVezGlowButton"; }
};

}  // namespace skelda::pager
