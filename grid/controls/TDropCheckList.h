#pragma once

#include "grid/controls/TDropListSelectEvent.h"
#include "platform/controls/standard/TListBox.h"

namespace skelda::grid {

// The multiple-choice list the grid drops down from a column's filter glyph. Meant to be a
// check list box; the platform has none yet, so it stands on the list box.
class TDropCheckList : public plat::TListBox {
public:
    using plat::TListBox::TListBox;

    std::string ClassName() const override { return "TDropCheckList"; }

    TDropListSelectEvent OnSelect;
};

}  // namespace skelda::grid
