// A cell's integer list read from its comma text (TIntList::SetStrValue): a text it accepts prints
// back (GetStrValue) to one that reads back to the same integers, and a text it refuses raises
// the conversion error, with the integers before the bad item already added.

#include "FuzzSupport.h"
#include "IntListItems.h"

#include "grid/support/TIntList.h"
#include "platform/core/Exception.h"

#include <string>

using skelda::fuzz::Check;
using skelda::fuzz::Items;
using skelda::grid::TIntList;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    const std::string text(skelda::fuzz::AsText(Data, Size));
    TIntList list(0, 0);
    try {
        list.SetStrValue(text);
    } catch (const plat::EConvertError&) {
        return 0;
    }
    const std::string printed = list.GetStrValue();
    TIntList back(0, 0);
    try {
        back.SetStrValue(printed);
    } catch (const plat::EConvertError& e) {
        skelda::fuzz::Finding("the printed list does not read back", printed + ": " + e.Message());
    }
    Check(Items(back) == Items(list), "the printed list reads back other integers", text + " -> " + printed);
    Check(back.GetStrValue() == printed, "the list read back prints otherwise", printed);
    return 0;
}
