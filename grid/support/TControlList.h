#pragma once

#include "grid/support/TControlItem.h"

#include <memory>
#include <vector>

namespace plat {
class TWindowHost;
}  // namespace plat

namespace skelda::grid {

// The controls placed in cells. The list owns its items, not their controls, which stay with
// their form or grid. A bad index raises plat::EListError "List index out of bounds (<index>)".
class TControlList : public plat::TObject {
public:
    std::string ClassName() const override { return "TControlList"; }

    int Count() const { return static_cast<int>(FItems.size()); }
    // Appends an item for the control shown in column X, row Y.
    void AddControl(int X, int Y, plat::TControl* AObject);
    // Position of the first item for cell (X, Y); -1 when none.
    int ControlIndex(int X, int Y) const;
    TControlItem& GetItem(int Index) const;
    // True when some item's control is a windowed control whose window is Handle; window
    // messages reach the controls in cells this way.
    bool HasHandle(const plat::TWindowHost* Handle) const;
    // Frees the item (its control lives on) and takes it out of the list.
    void RemoveControl(int Index);

private:
    void CheckIndex(int Index) const;

    std::vector<std::unique_ptr<TControlItem>> FItems;
};

}  // namespace skelda::grid
