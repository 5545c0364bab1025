#include "grid/support/TSortIndexList.h"

#include "platform/system/Conversions.h"

#include <string_view>

namespace skelda::grid {

namespace {

std::uint32_t Bits(int Entry) { return static_cast<std::uint32_t>(Entry); }

// The text form keeps no more of a column than this.
constexpr std::uint32_t SavedColumnMask = 0xFFFFu;

int ColumnOf(int Entry) { return static_cast<int>(Bits(Entry) & ~TSortIndexList::DescendingFlag); }

}  // namespace

void TSortIndexList::AddIndex(int ColumnIndex, bool Ascending)
{
    Add(static_cast<int>(Ascending ? Bits(ColumnIndex) : Bits(ColumnIndex) | DescendingFlag));
}

int TSortIndexList::FindIndex(int ColumnIndex) const
{
    for (int i = 0; i < Count(); ++i)
        if (ColumnOf(GetValue(i)) == ColumnIndex)
            return i;
    return -1;
}

int TSortIndexList::GetSortColumn(int Position) const
{
    return ColumnOf(GetValue(Position));
}

void TSortIndexList::ToggleIndex(int ColumnIndex)
{
    const int position = FindIndex(ColumnIndex);
    if (position >= 0)
        SetValue(position, static_cast<int>(Bits(GetValue(position)) ^ DescendingFlag));
}

std::string TSortIndexList::SaveToString() const
{
    std::string text;
    for (int i = 0; i < Count(); ++i) {
        if (i > 0)
            text += ';';
        const std::uint32_t entry = Bits(GetValue(i));
        text += (entry & DescendingFlag) != 0 ? 'd' : 'u';
        text += plat::IntToStr(entry & SavedColumnMask);
    }
    return text;
}

void TSortIndexList::LoadFromString(const std::string& Value)
{
    Clear();
    std::string_view rest = Value;
    while (!rest.empty()) {
        const std::size_t end = rest.find(';');
        const std::string_view part = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        if (part.size() < 2)
            continue;
        const int column = plat::StrToIntDef(part.substr(1), -1);
        if (column >= 0 && Bits(column) <= SavedColumnMask)
            AddIndex(column, part.front() == 'u');
    }
}

}  // namespace skelda::grid
