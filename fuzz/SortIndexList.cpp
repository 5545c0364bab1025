// The sort columns read from their text form (TSortIndexList::LoadFromString), as the sort
// settings keep them: any text loads without a fault, and what was loaded saves to a text that
// loads back to the same columns and directions.

#include "FuzzSupport.h"
#include "IntListItems.h"

#include "grid/support/TSortIndexList.h"

#include <string>

using skelda::fuzz::Check;
using skelda::fuzz::Items;
using skelda::grid::TSortIndexList;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    const std::string text(skelda::fuzz::AsText(Data, Size));
    TSortIndexList list(0, 0);
    list.LoadFromString(text);
    const std::string saved = list.SaveToString();
    TSortIndexList back(0, 0);
    back.LoadFromString(saved);
    Check(Items(back) == Items(list), "the saved columns load back otherwise", text + " -> " + saved);
    return 0;
}
