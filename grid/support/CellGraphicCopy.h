#pragma once

#include "grid/support/TIntList.h"

#include <memory>

namespace skelda::grid {

class TCellGraphic;

// A copy of a cell object for cell (ACol, ARow) of another grid: every field, colour values,
// references to objects the source only borrows, and copies of the pictures, bitmaps, icons,
// string lists and image-index lists it owns. An image-index list of the copy reports its
// changes to ImageChanged. An owned object of another class cannot be copied and is left out.
std::unique_ptr<TCellGraphic> CopyCellGraphic(const TCellGraphic& Source, int ACol, int ARow,
                                              const TImageChangeEvent& ImageChanged);

}  // namespace skelda::grid
