#pragma once

#include "grid/controls/TDropListSelectEvent.h"
#include "platform/controls/standard/TListBox.h"

namespace skelda::grid {

// The single-choice list the grid drops down from a column's filter glyph.
class TDropList : public plat::TListBox {
public:
    using plat::TListBox::TListBox;

    std::string ClassName() const override { return "TDropList"; }

    TDropListSelectEvent OnSelect;
};

}  // namespace skelda::grid
