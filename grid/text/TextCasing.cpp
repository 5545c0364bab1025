#include "grid/text/TextCasing.h"

#include "platform/core/Utf8.h"

namespace skelda::grid {

namespace {

bool IsWordBreak(char32_t Ch) { return Ch == ' ' || Ch == '\'' || Ch == ',' || Ch == '-' || Ch == '.'; }

}  // namespace

std::string MixedCaseText(std::string_view Text)
{
    const std::u32string chars = plat::Utf8ToCodePoints(Text);
    const std::size_t count = chars.size();
    std::string result;
    result.reserve(Text.size());
    bool capitaliseNext = true;
    bool spaceMcSeen = false;
    for (std::size_t pos = 1; pos <= count; ++pos) {
        const std::string ch = plat::CodePointToUtf8(chars[pos - 1]);
        if (IsWordBreak(chars[pos - 1])) {
            capitaliseNext = true;
            result += ch;
        } else {
            result += capitaliseNext ? plat::Utf8UpperCase(ch) : plat::Utf8LowerCase(ch);
            capitaliseNext = false;
        }
        if (result == "Mc")
            capitaliseNext = true;
        if (!spaceMcSeen && result.ends_with(" Mc")) {
            spaceMcSeen = true;
            capitaliseNext = true;
        }
        if (pos + 2 >= count && (result.ends_with(" I") || result.ends_with(" II")))
            capitaliseNext = true;
    }
    return result;
}

}  // namespace skelda::grid
