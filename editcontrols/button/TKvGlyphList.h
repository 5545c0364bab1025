#pragma once

#include "platform/graphics/TImageList.h"

#include <vector>

namespace skelda::editcontrols {

// An image list of one glyph size that several button glyphs share: a freed slot is only marked
// free and taken again by the next image, so that the indexes other glyphs hold stay valid.
class TKvGlyphList : public plat::TImageList {
public:
    TKvGlyphList(int AWidth, int AHeight);

    std::string ClassName() const override { return "TKvGlyphList"; }

    // Puts Image (its first Width x Height picture, the pixels of MaskColor transparent) into the
    // first free slot, growing the list by one when none is free; returns the slot.
    int AddMasked(const plat::TBitmap& Image, plat::TColor MaskColor);
    // Marks the slot free; the picture stays until the slot is taken again.
    void Delete(int Index);

    // Occupied slots.
    int UsedCount() const { return FCount; }
    bool IsUsed(int Index) const;

private:
    std::vector<bool> FUsed;
    int FCount = 0;
};

}  // namespace skelda::editcontrols
