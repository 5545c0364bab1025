#include "pager/office/PagerLayoutString.h"

#include "platform/core/TStringList.h"

#include <cstdint>
#include <limits>

namespace skelda::pager {

std::optional<int> ReadLayoutNumber(std::string_view Text)
{
    std::size_t i = 0;
    while (i < Text.size() && (Text[i] == ' ' || Text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < Text.size() && (Text[i] == '+' || Text[i] == '-')) {
        negative = Text[i] == '-';
        ++i;
    }
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<int>::max()} + 1;
    std::int64_t value = 0;
    for (; i < Text.size() && Text[i] >= '0' && Text[i] <= '9'; ++i) {
        value = value * 10 + (Text[i] - '0');
        if (value > kLimit)
            return std::nullopt;
    }
    if (i == Text.size() && negative)
        value = -value;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        return std::nullopt;
    return static_cast<int>(value);
}

namespace {

// The floating item's rest after its letter: "<TabIndex>[<l>:<t>:<w>:<h>]".
std::optional<TPagerLayoutItem> ReadFloatingItem(std::string_view Rest)
{
    const std::size_t open = Rest.find('[');
    if (open == std::string_view::npos)
        return std::nullopt;
    TPagerLayoutItem item;
    item.Kind = 'F';
    const auto number = ReadLayoutNumber(Rest.substr(0, open));
    if (!number)
        return std::nullopt;
    item.Number = *number;
    Rest.remove_prefix(open + 1);
    int* const fields[] = {&item.Left, &item.Top, &item.Width, &item.Height};
    for (int f = 0; f < 4; ++f) {
        const std::size_t end = Rest.find(f < 3 ? ':' : ']');
        if (end == std::string_view::npos)
            return std::nullopt;
        const auto value = ReadLayoutNumber(Rest.substr(0, end));
        if (!value)
            return std::nullopt;
        *fields[f] = *value;
        Rest.remove_prefix(end + 1);
    }
    return item;
}

}  // namespace

std::vector<TPagerLayoutItem> ParsePagerLayout(const std::string& Value)
{
    plat::TStringList parts;
    parts.SetCommaText(Value);
    std::vector<TPagerLayoutItem> items;
    for (int i = 0; i < parts.Count(); ++i) {
        const std::string part = parts.GetStrings(i);
        if (part.empty())
            continue;
        const char kind = part[0];
        // The letter and the character after it (the colon, as written) go.
        const std::string_view rest = part.size() > 2 ? std::string_view(part).substr(2) : std::string_view();
        if (kind == 'F') {
            if (const auto item = ReadFloatingItem(rest))
                items.push_back(*item);
            continue;
        }
        if (kind != 'P' && kind != 'V' && kind != 'H')
            continue;
        if (const auto number = ReadLayoutNumber(rest))
            items.push_back({kind, *number});
    }
    return items;
}

}  // namespace skelda::pager
