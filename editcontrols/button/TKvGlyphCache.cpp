#include "editcontrols/button/TKvGlyphCache.h"

#include <algorithm>

namespace skelda::editcontrols {

TKvGlyphList* TKvGlyphCache::GetList(int AWidth, int AHeight)
{
    for (auto it = FGlyphLists.rbegin(); it != FGlyphLists.rend(); ++it)
        if ((*it)->GetWidth() == AWidth && (*it)->GetHeight() == AHeight)
            return it->get();
    FGlyphLists.push_back(std::make_unique<TKvGlyphList>(AWidth, AHeight));
    return FGlyphLists.back().get();
}

void TKvGlyphCache::ReturnList(TKvGlyphList* List)
{
    if (!List || List->UsedCount() > 0)
        return;
    const auto found = std::find_if(FGlyphLists.begin(), FGlyphLists.end(),
                                    [List](const std::unique_ptr<TKvGlyphList>& Item) { return Item.get() == List; });
    if (found != FGlyphLists.end())
        FGlyphLists.erase(found);
}

}  // namespace skelda::editcontrols
