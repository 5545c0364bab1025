#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace skelda::grid {

// A filter pattern: "*" stands for any run of characters (none too), "?" for exactly one, every
// other character for itself; patterns and values are code points (FilterText.h).
//
// The pattern is kept as its segments between runs of "*". A value matches when the first
// segment matches its start, the last its end, and the segments between are found left to
// right, each at its first occurrence after the one before. Taking the first occurrence never
// loses a match (it leaves the most room to the rest), so no position is tried twice: a match
// costs at most pattern length x value length, whatever the stars, and uses no recursion.
class TWildcardPattern {
public:
    explicit TWildcardPattern(std::u32string_view Pattern);

    bool Matches(std::u32string_view Value) const;

private:
    // Whether Segment matches Value from Start on (Value holds enough characters).
    static bool SegmentMatchesAt(std::u32string_view Segment, std::u32string_view Value, std::size_t Start);

    std::vector<std::u32string> FSegments;
    bool FHasStar = false;
};

}  // namespace skelda::grid
