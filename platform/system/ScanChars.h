#pragma once

#include <string_view>

namespace plat {

// The characters the number and date readers skip or read, in the run-time library's sense:
// blanks are spaces and tabs, digits are ASCII only.
inline bool IsBlank(char c) { return c == ' ' || c == '\t'; }

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

inline std::string_view TrimBlanks(std::string_view S)
{
    while (!S.empty() && IsBlank(S.front()))
        S.remove_prefix(1);
    while (!S.empty() && IsBlank(S.back()))
        S.remove_suffix(1);
    return S;
}

}  // namespace plat
