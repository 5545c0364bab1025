#pragma once

namespace skelda::grid {

// What the grid module registers with the window system when it starts.
struct TGridModuleIds {
    // Posted by a grid to itself once a special editor's value is in (WParam column, LParam row).
    unsigned GridEditDone = 0;
    // Posted by a date picker to itself after a digit that advances to the next field.
    unsigned DTPShiftFocus = 0;
    // The grid's own clipboard format for copied cells.
    unsigned CellsClipboardFormat = 0;
};

const TGridModuleIds& GridModuleIds();

}  // namespace skelda::grid
