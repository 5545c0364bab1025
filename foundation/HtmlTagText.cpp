#include "foundation/HtmlTagText.h"

#include "platform/core/Utf8.h"

#include <vector>

namespace skelda::foundation {

namespace {

constexpr char32_t kOpen = U'<';
constexpr char32_t kClose = U'>';

// The upper case of one letter; a letter whose upper case is not one code point stays.
char32_t FoldChar(char32_t c)
{
    if (c < 0x80)
        return c >= U'a' && c <= U'z' ? c - 0x20 : c;
    const std::u32string upper = plat::Utf8ToCodePoints(plat::Utf8UpperCase(plat::CodePointToUtf8(c)));
    return upper.size() == 1 ? upper[0] : c;
}

std::u32string FoldCase(std::u32string_view Text)
{
    std::u32string folded(Text);
    for (char32_t& c : folded)
        c = FoldChar(c);
    return folded;
}

// The text a reader sees: tags removed; an unclosed "<", or a ">" before the next "<", ends
// the removal with the rest kept as it is.
std::u32string VisibleText(std::u32string_view Text)
{
    std::u32string visible;
    std::size_t pos = 0;
    while (pos < Text.size()) {
        const std::size_t open = Text.find(kOpen, pos);
        const std::size_t close = Text.find(kClose, pos);
        if (open == std::u32string_view::npos || (close != std::u32string_view::npos && close < open))
            break;
        visible.append(Text.substr(pos, open - pos));
        const std::size_t end = Text.find(kClose, open + 1);
        if (end == std::u32string_view::npos) {
            pos = open;
            break;
        }
        pos = end + 1;
    }
    visible.append(Text.substr(std::min(pos, Text.size())));
    return visible;
}

std::u32string EscapeBrackets(std::u32string_view Text)
{
    std::u32string escaped;
    escaped.reserve(Text.size());
    for (const char32_t c : Text) {
        if (c == kOpen)
            escaped += U"&lt;";
        else if (c == kClose)
            escaped += U"&gt;";
        else
            escaped += c;
    }
    return escaped;
}

// Index in Text of every visible character, in order ("<" to ">" is markup).
std::vector<std::size_t> VisiblePositions(std::u32string_view Text)
{
    std::vector<std::size_t> positions;
    bool inTag = false;
    for (std::size_t i = 0; i < Text.size(); ++i) {
        if (Text[i] == kOpen)
            inTag = true;
        else if (Text[i] == kClose)
            inTag = false;
        else if (!inTag)
            positions.push_back(i);
    }
    return positions;
}

}  // namespace

std::string StripHtmlTags(std::string_view Text)
{
    std::string broken;
    broken.reserve(Text.size());
    for (std::size_t i = 0; i < Text.size(); ++i) {
        if (Text[i] == '<' && i + 3 < Text.size() && Text[i + 3] == '>' && (Text[i + 2] | 0x20) == 'r' &&
            ((Text[i + 1] | 0x20) == 'b' || (Text[i + 1] | 0x20) == 'h')) {
            broken += "\r\n";
            i += 3;
        } else {
            broken += Text[i];
        }
    }
    std::string result;
    result.reserve(broken.size());
    std::size_t pos = 0;
    while (pos < broken.size()) {
        const std::size_t open = broken.find('<', pos);
        if (open == std::string::npos)
            break;
        const std::size_t close = broken.find('>', open + 1);
        if (close == std::string::npos)
            break;
        result.append(broken, pos, open - pos);
        pos = close + 1;
    }
    result.append(broken, std::min(pos, broken.size()));
    return result;
}

std::string InsertMatchTags(std::string_view Text, std::string_view Search, std::string_view Tag, bool CaseSensitive)
{
    if (Search.empty())
        return std::string(Text);
    std::u32string text = plat::Utf8ToCodePoints(Text);
    std::u32string search = plat::Utf8ToCodePoints(Search);
    std::u32string visible = VisibleText(text);
    const auto comparable = [CaseSensitive](std::u32string_view s) {
        return CaseSensitive ? std::u32string(s) : FoldCase(s);
    };
    // Brackets that are not markup would shift the visible positions of the matches; the
    // search's own case rule decides whether there is a match to place.
    if (visible.find_first_of(U"<>") != std::u32string::npos &&
        comparable(text).find(comparable(search)) != std::u32string::npos) {
        visible = EscapeBrackets(visible);
        text = visible;
        search = EscapeBrackets(search);
    }
    const std::u32string haystack = comparable(visible);
    const std::u32string needle = comparable(search);
    const std::vector<std::size_t> positions = VisiblePositions(text);
    // Where a tag goes in front of the visible character at Index (0-based): right after the
    // character before it, so in front of any tags that stand between the two.
    const auto markupPoint = [&](std::size_t Index) -> std::size_t {
        if (Index >= positions.size())
            return Index == positions.size() ? text.size() : 0;
        return Index == 0 ? 0 : positions[Index - 1] + 1;
    };
    const std::u32string open = U"<" + plat::Utf8ToCodePoints(Tag) + U">";
    const std::u32string close = U"</" + plat::Utf8ToCodePoints(Tag) + U">";
    std::u32string result;
    result.reserve(text.size());
    std::size_t copied = 0;
    std::size_t from = 0;
    while (true) {
        const std::size_t match = haystack.find(needle, from);
        if (match == std::u32string::npos)
            break;
        const std::size_t start = markupPoint(match);
        const std::size_t end = markupPoint(match + needle.size());
        if (start < copied || end < start)
            break;
        result.append(text, copied, start - copied);
        result += open;
        result.append(text, start, end - start);
        // A match that follows at once opens after this one has closed.
        result += close;
        copied = end;
        from = match + needle.size();
    }
    result.append(text, copied);
    return plat::CodePointsToUtf8(result);
}

std::string RemoveMatchTags(std::string_view Text, std::string_view Tag)
{
    const std::u32string text = plat::Utf8ToCodePoints(Text);
    const std::u32string name = FoldCase(plat::Utf8ToCodePoints(Tag));
    const auto tagAt = [&](std::size_t pos, std::u32string_view lead) {
        if (text.compare(pos, lead.size(), lead) != 0 || pos + lead.size() + name.size() >= text.size())
            return false;
        for (std::size_t i = 0; i < name.size(); ++i)
            if (FoldChar(text[pos + lead.size() + i]) != name[i])
                return false;
        return text[pos + lead.size() + name.size()] == kClose;
    };
    std::u32string untagged;
    untagged.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == kOpen && tagAt(i, U"<")) {
            i += name.size() + 1;
            continue;
        }
        if (text[i] == kOpen && tagAt(i, U"</")) {
            i += name.size() + 2;
            continue;
        }
        untagged += text[i];
    }
    std::u32string result;
    result.reserve(untagged.size());
    for (std::size_t i = 0; i < untagged.size(); ++i) {
        if (untagged.compare(i, 4, U"&lt;") == 0) {
            result += kOpen;
            i += 3;
        } else if (untagged.compare(i, 4, U"&gt;") == 0) {
            result += kClose;
            i += 3;
        } else {
            result += untagged[i];
        }
    }
    return plat::CodePointsToUtf8(result);
}

}  // namespace skelda::foundation
