#include "grid/text/HtmlTags.h"

#include <string_view>

namespace skelda::grid {

namespace {

bool IsLineBreakTag(std::string_view Tag)
{
    if (Tag.size() != 2)
        return false;
    const char first = static_cast<char>(Tag[0] & ~0x20);
    const char second = static_cast<char>(Tag[1] & ~0x20);
    return (first == 'B' || first == 'H') && second == 'R';
}

}  // namespace

std::string StripHtmlTags(const std::string& Text)
{
    std::string result;
    result.reserve(Text.size());
    std::size_t pos = 0;
    while (pos < Text.size()) {
        const std::size_t open = Text.find('<', pos);
        if (open == std::string::npos)
            break;
        const std::size_t close = Text.find('>', open + 1);
        if (close == std::string::npos)
            break;
        result.append(Text, pos, open - pos);
        if (IsLineBreakTag(std::string_view(Text).substr(open + 1, close - open - 1)))
            result += "\r\n";
        pos = close + 1;
    }
    result.append(Text, pos, std::string::npos);
    return result;
}

}  // namespace skelda::grid
