#pragma once

#include "platform/controls/services/PopupMenuService.h"

#include <deque>
#include <string>
#include <vector>

namespace plat::testing {

struct TShownPopupMenu {
    std::vector<TPopupMenuEntry> Items;
    TPoint ScreenPos;
    const TImageList* Images = nullptr;
};

// Records each popup menu and chooses from a script: entries named by their captions without
// the '&' marks, a submenu entry as "Sub|Entry". A missing or disabled entry, or no script left,
// dismisses the menu.
class ScriptedPopupMenuService : public IPopupMenuService {
public:
    using IPopupMenuService::Popup;
    int Popup(const std::vector<TPopupMenuEntry>& Items, TPoint ScreenPos, const TImageList* Images) override;

    void Choose(const std::string& CaptionPath) { FChoices.push_back(CaptionPath); }
    const std::vector<TShownPopupMenu>& Shown() const { return FShown; }

private:
    std::deque<std::string> FChoices;
    std::vector<TShownPopupMenu> FShown;
};

}  // namespace plat::testing
