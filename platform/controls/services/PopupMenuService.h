#pragma once

#include "platform/core/Types.h"

#include <string>
#include <vector>

namespace plat {

// One entry of a popup menu as the menu classes hand it to the menu service.
struct TPopupMenuEntry {
    // Caption with '&' before the accelerator; "-" makes a separator.
    std::string Caption;
    // Answered by Popup when this entry is chosen; unique within one menu, greater than 0.
    int Command = 0;
    bool Enabled = true;
    bool Checked = false;
    bool RadioItem = false;
    bool Default = false;
    std::vector<TPopupMenuEntry> Items;
};

// Shows popup menus and waits for the choice. Production runs QMenu::exec; tests answer from a
// script and record what was shown.
class IPopupMenuService {
public:
    virtual ~IPopupMenuService() = default;

    // The Command of the chosen entry, or 0 when the menu was dismissed. ScreenPos is the
    // menu's top-left corner.
    virtual int Popup(const std::vector<TPopupMenuEntry>& Items, TPoint ScreenPos) = 0;
};

}  // namespace plat
