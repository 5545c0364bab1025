#pragma once

#include <functional>

namespace plat {
class TObject;
}

namespace skelda::grid {

// A choice in one of the grid's filter lists: the item index, or -1 for a check-box toggle.
using TDropListSelectEvent = std::function<void(plat::TObject* Sender, int ItemIndex)>;

}  // namespace skelda::grid
