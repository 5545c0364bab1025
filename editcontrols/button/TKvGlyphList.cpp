#include "editcontrols/button/TKvGlyphList.h"

#include "platform/graphics/TBitmap.h"

#include <algorithm>

namespace skelda::editcontrols {

TKvGlyphList::TKvGlyphList(int AWidth, int AHeight) : plat::TImageList(nullptr)
{
    SetWidth(AWidth);
    SetHeight(AHeight);
}

bool TKvGlyphList::IsUsed(int Index) const
{
    return Index >= 0 && Index < static_cast<int>(FUsed.size()) && FUsed[static_cast<std::size_t>(Index)];
}

int TKvGlyphList::AddMasked(const plat::TBitmap& Image, plat::TColor MaskColor)
{
    const auto free = std::find(FUsed.begin(), FUsed.end(), false);
    int index = static_cast<int>(free - FUsed.begin());
    if (free == FUsed.end()) {
        plat::TBitmap blank;
        blank.SetSize(GetWidth(), GetHeight());
        index = Add(blank, nullptr);
        FUsed.resize(static_cast<std::size_t>(GetCount()), false);
    }
    ReplaceMasked(index, Image, MaskColor);
    FUsed[static_cast<std::size_t>(index)] = true;
    ++FCount;
    return index;
}

void TKvGlyphList::Delete(int Index)
{
    if (!IsUsed(Index))
        return;
    FUsed[static_cast<std::size_t>(Index)] = false;
    --FCount;
}

}  // namespace skelda::editcontrols
