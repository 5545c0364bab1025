#include "grid/text/TextFields.h"

#include "grid/text/NumberTexts.h"
#include "platform/core/TStrings.h"
#include "platform/core/Utf8.h"

namespace skelda::grid {

std::string TakeFirstField(std::string& Text, char32_t Sep)
{
    const std::string separator = plat::CodePointToUtf8(Sep);
    const std::size_t found = Text.find(separator);
    if (found == std::string::npos)
        return {};
    std::string field = Text.substr(0, found);
    Text.erase(0, found + separator.size());
    return field;
}

std::string JoinStrings(const plat::TStrings& List)
{
    std::string joined;
    for (int i = 0; i < List.Count(); ++i)
        joined += List.GetStrings(i);
    return joined;
}

bool ParseRowColReference(std::string_view Text, plat::TPoint& Point)
{
    if (plat::Utf8Length(Text) < 4)
        return false;
    std::string upper(Text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    if (upper.front() != 'R')
        return false;
    const std::string_view reference = std::string_view(upper).substr(1);
    const std::size_t columnMark = reference.find('C');
    if (columnMark == std::string_view::npos)
        return false;
    int row = 0;
    int column = 0;
    if (!TryTextToInt(reference.substr(0, columnMark), row) || !TryTextToInt(reference.substr(columnMark + 1), column))
        return false;
    Point = {column, row};
    return true;
}

}  // namespace skelda::grid
