#pragma once

#include "platform/controls/services/PopupMenuService.h"

namespace plat {

// Popup menus as Qt's QMenu, run with exec.
class QtPopupMenuService : public IPopupMenuService {
public:
    using IPopupMenuService::Popup;
    int Popup(const std::vector<TPopupMenuEntry>& Items, TPoint ScreenPos, const TImageList* Images) override;
};

}  // namespace plat
