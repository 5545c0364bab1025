#pragma once

#include "platform/core/TCollectionItem.h"

#include <memory>

namespace plat {
class TStringList;
}  // namespace plat

namespace skelda::grid {

// A hidden row, parked in the grid's hidden-row store. Items holds one line per real column:
// the cell's text, with the cell's properties record as the line's object. The records are
// moved in, not copied, so while the row is hidden the item is their only holder, and it frees
// those still in it when it goes: a row that is never shown again loses no memory. Code that
// moves the records back into the grid switches the list's OwnsObjects off before it takes them.
//
// There is no Assign: a copy would either share the records or lose them.
class TGridItem : public plat::TCollectionItem {
public:
    TGridItem();
    ~TGridItem() override;

    std::string ClassName() const override { return "TGridItem"; }

    // The row's index when it was hidden: its real index, or for a filter pass its row index
    // in the grid at that pass.
    int GetIdx() const { return FIdx; }
    void SetIdx(int Value) { FIdx = Value; }
    // The row's height in pixels when it was hidden.
    int GetHeight() const { return FHeight; }
    void SetHeight(int Value) { FHeight = Value; }
    // The filter pass that hid the row; 0 for rows hidden otherwise.
    int GetLevel() const { return FLevel; }
    void SetLevel(int Value) { FLevel = Value; }

    plat::TStringList& Items() { return *FItems; }
    const plat::TStringList& Items() const { return *FItems; }
    // Takes Value in place of the item's own list (which is freed with its records); Value comes
    // to own the objects of its lines.
    void SetItems(std::unique_ptr<plat::TStringList> Value);

private:
    int FIdx = 0;
    int FHeight = 0;
    int FLevel = 0;
    std::unique_ptr<plat::TStringList> FItems;
};

}  // namespace skelda::grid
