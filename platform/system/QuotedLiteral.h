#pragma once

#include <cstddef>
#include <string_view>

namespace plat {

// Reads the literal text of a pattern between the quote at Pos (' or ") and the next same quote,
// and moves Pos past the closing one. An unclosed quote runs to the end of the pattern.
inline std::string_view TakeQuotedLiteral(std::string_view Pattern, std::size_t& Pos)
{
    const char quote = Pattern[Pos];
    const std::size_t close = Pattern.find(quote, Pos + 1);
    const std::size_t end = close == std::string_view::npos ? Pattern.size() : close;
    const std::string_view text = Pattern.substr(Pos + 1, end - Pos - 1);
    Pos = close == std::string_view::npos ? Pattern.size() : end + 1;
    return text;
}

}  // namespace plat
