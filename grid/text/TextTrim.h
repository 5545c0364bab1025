#pragma once

#include <string_view>

namespace skelda::grid {

// Text without its leading and trailing blanks and control characters (every byte up to " ").
constexpr std::string_view TrimText(std::string_view Text)
{
    while (!Text.empty() && static_cast<unsigned char>(Text.front()) <= ' ')
        Text.remove_prefix(1);
    while (!Text.empty() && static_cast<unsigned char>(Text.back()) <= ' ')
        Text.remove_suffix(1);
    return Text;
}

}  // namespace skelda::grid
