#include "grid/text/TWildcardPattern.h"

namespace skelda::grid {

TWildcardPattern::TWildcardPattern(std::u32string_view Pattern)
{
    FSegments.emplace_back();
    for (std::size_t i = 0; i < Pattern.size(); ++i) {
        if (Pattern[i] != '*') {
            FSegments.back() += Pattern[i];
        } else if (i == 0 || Pattern[i - 1] != '*') {
            FHasStar = true;
            FSegments.emplace_back();
        }
    }
}

bool TWildcardPattern::SegmentMatchesAt(std::u32string_view Segment, std::u32string_view Value, std::size_t Start)
{
    for (std::size_t i = 0; i < Segment.size(); ++i) {
        if (Segment[i] != '?' && Segment[i] != Value[Start + i])
            return false;
    }
    return true;
}

bool TWildcardPattern::Matches(std::u32string_view Value) const
{
    const std::u32string& first = FSegments.front();
    if (!FHasStar)
        return Value.size() == first.size() && SegmentMatchesAt(first, Value, 0);
    const std::u32string& last = FSegments.back();
    if (Value.size() < first.size() + last.size())
        return false;
    const std::size_t end = Value.size() - last.size();
    if (!SegmentMatchesAt(first, Value, 0) || !SegmentMatchesAt(last, Value, end))
        return false;
    std::size_t pos = first.size();
    for (std::size_t k = 1; k + 1 < FSegments.size(); ++k) {
        const std::u32string& segment = FSegments[k];
        while (pos + segment.size() <= end && !SegmentMatchesAt(segment, Value, pos))
            ++pos;
        if (pos + segment.size() > end)
            return false;
        pos += segment.size();
    }
    return true;
}

}  // namespace skelda::grid
