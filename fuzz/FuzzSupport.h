#pragma once

// What every fuzz target shares: the checks that turn lost or changed data into a finding, and
// the text views of the input.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace skelda::fuzz {

// A finding: says what went wrong and stops, so that libFuzzer keeps the input and a replay
// fails.
[[noreturn]] inline void Finding(const char* What, const std::string& Detail = {})
{
    std::fprintf(stderr, "FUZZ FINDING: %s%s%s\n", What, Detail.empty() ? "" : ": ", Detail.c_str());
    std::fflush(stderr);
    std::abort();
}

inline void Check(bool Condition, const char* What, const std::string& Detail = {})
{
    if (!Condition)
        Finding(What, Detail);
}

inline std::string_view AsText(const std::uint8_t* Data, std::size_t Size)
{
    return {reinterpret_cast<const char*>(Data), Size};
}

// Splits the input at its first byte: the selector picks what to exercise, the rest is the text.
struct TSelected {
    std::uint8_t Selector = 0;
    std::string_view Text;
};

inline TSelected Select(const std::uint8_t* Data, std::size_t Size)
{
    if (Size == 0)
        return {};
    return {Data[0], AsText(Data + 1, Size - 1)};
}

}  // namespace skelda::fuzz
