#pragma once

#include "platform/controls/services/PopupMenuService.h"

namespace plat {

// Popup menus as Qt's QMenu, run with exec.
class QtPopupMenuService : public IPopupMenuService {
public:
    int Popup(const std::vector<TPopupMenuEntry>& Items, TPoint ScreenPos) override;
};

}  // namespace plat
