#include "grid/support/TIntList.h"

#include "platform/core/Exception.h"
#include "platform/core/TStringList.h"
#include "platform/system/Conversions.h"

#include <algorithm>

namespace skelda::grid {

int TIntList::Add(int Value)
{
    FItems.push_back(Value);
    Changed();
    return Count() - 1;
}

void TIntList::Insert(int Index, int Value)
{
    if (Index != Count())
        CheckIndex(Index);
    FItems.insert(FItems.begin() + Index, Value);
}

void TIntList::Delete(int Index)
{
    CheckIndex(Index);
    FItems.erase(FItems.begin() + Index);
    Changed();
}

int TIntList::GetValue(int Index) const
{
    CheckIndex(Index);
    return FItems[static_cast<std::size_t>(Index)];
}

void TIntList::SetValue(int Index, int Value)
{
    CheckIndex(Index);
    FItems[static_cast<std::size_t>(Index)] = Value;
    Changed();
}

void TIntList::DeleteValue(int Value)
{
    const auto found = std::find(FItems.begin(), FItems.end(), Value);
    if (found != FItems.end())
        Delete(static_cast<int>(found - FItems.begin()));
}

bool TIntList::HasValue(int Value) const
{
    return std::find(FItems.begin(), FItems.end(), Value) != FItems.end();
}

std::string TIntList::GetStrValue() const
{
    std::string text;
    for (std::size_t i = 0; i < FItems.size(); ++i) {
        if (i > 0)
            text += ',';
        text += plat::IntToStr(FItems[i]);
    }
    return text;
}

void TIntList::SetStrValue(const std::string& Value)
{
    plat::TStringList parts;
    parts.SetCommaText(Value);
    Clear();
    for (int i = 0; i < parts.Count(); ++i)
        Add(plat::StrToInt(parts.GetStrings(i)));
}

void TIntList::CheckIndex(int Index) const
{
    if (Index < 0 || Index >= Count())
        throw plat::EListError("List index out of bounds (%d)", {Index});
}

void TIntList::Changed()
{
    if (OnChange)
        OnChange(this, FCol, FRow);
}

}  // namespace skelda::grid
