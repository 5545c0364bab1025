#pragma once

#include "platform/core/Types.h"

#include <string>
#include <vector>

namespace plat {

class TImageList;

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
    // The picture of the menu's image list shown beside the caption; -1 for none.
    int ImageIndex = -1;
    std::vector<TPopupMenuEntry> Items;
};

// Shows popup menus and waits for the choice. Production runs QMenu::exec; tests answer from a
// script and record what was shown.
class IPopupMenuService {
public:
    virtual ~IPopupMenuService() = default;

    // The Command of the chosen entry, or 0 when the menu was dismissed. ScreenPos is the
    // menu's top-left corner; Images (may be nullptr) holds the entries' pictures.
    virtual int Popup(const std::vector<TPopupMenuEntry>& Items, TPoint ScreenPos, const TImageList* Images) = 0;
    int Popup(const std::vector<TPopupMenuEntry>& Items, TPoint ScreenPos) { return Popup(Items, ScreenPos, nullptr); }
};

}  // namespace plat
