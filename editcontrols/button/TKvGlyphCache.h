#pragma once

#include "editcontrols/button/TKvGlyphList.h"

#include <memory>
#include <vector>

namespace skelda::editcontrols {

// The glyph lists of the buttons, one per glyph size in use, shared by every button glyph of
// that size.
class TKvGlyphCache {
public:
    // The last list made for that size, or a new one.
    TKvGlyphList* GetList(int AWidth, int AHeight);
    // A glyph is done with List: the list is freed when it holds no image any more.
    void ReturnList(TKvGlyphList* List);
    // No list left.
    bool Empty() const { return FGlyphLists.empty(); }
    int ListCount() const { return static_cast<int>(FGlyphLists.size()); }

private:
    std::vector<std::unique_ptr<TKvGlyphList>> FGlyphLists;
};

}  // namespace skelda::editcontrols
