#include "foundation/MiniHtmlMarkup.h"

#include <array>
#include <climits>
#include <cstdint>

namespace skelda::foundation::minihtml {

char UpperChar(char C)
{
    return (C >= 'a' && C <= 'z') ? static_cast<char>(C - 'a' + 'A') : C;
}

std::string UpperAscii(std::string_view Text)
{
    std::string upper(Text);
    for (char& c : upper)
        c = UpperChar(c);
    return upper;
}

namespace {

// Between the first and the second double quote of Rest.
std::string QuotedValue(std::string_view Rest)
{
    const std::size_t open = Rest.find('"');
    if (open == std::string_view::npos)
        return {};
    const std::size_t close = Rest.find('"', open + 1);
    return std::string(Rest.substr(open + 1, close == std::string_view::npos ? std::string_view::npos : close - open - 1));
}

int HexDigit(char C)
{
    if (C >= '0' && C <= '9') return C - '0';
    if (C >= 'A' && C <= 'F') return C - 'A' + 10;
    if (C >= 'a' && C <= 'f') return C - 'a' + 10;
    return -1;
}

}  // namespace

TAttribute ReadAttribute(std::string_view Tag, std::string_view Keyword)
{
    const std::size_t at = Tag.find(Keyword);
    if (at == std::string_view::npos)
        return {};
    return {true, QuotedValue(Tag.substr(at + Keyword.size()))};
}

TAttribute ReadAttributeKeepCase(std::string_view Tag, std::string_view UpperTag, std::string_view Keyword)
{
    const std::size_t at = UpperTag.find(Keyword);
    if (at == std::string_view::npos)
        return {};
    return {true, QuotedValue(Tag.substr(at + Keyword.size()))};
}

TNumber ReadNumber(std::string_view Text)
{
    std::size_t i = 0;
    while (i < Text.size() && Text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < Text.size() && (Text[i] == '-' || Text[i] == '+'))
        negative = Text[i++] == '-';
    int base = 10;
    if (i < Text.size() && Text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < Text.size() && Text[i] == '0' && (Text[i + 1] == 'x' || Text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    const std::int64_t limit = negative ? -static_cast<std::int64_t>(INT_MIN) : INT_MAX;
    std::int64_t value = 0;
    std::size_t digits = 0;
    for (; i < Text.size(); ++i, ++digits) {
        const int d = base == 16 ? HexDigit(Text[i]) : (Text[i] >= '0' && Text[i] <= '9' ? Text[i] - '0' : -1);
        if (d < 0)
            break;
        value = std::min<std::int64_t>(limit, value * base + d);
    }
    const int result = static_cast<int>(negative ? -value : value);
    return {result, digits > 0 && i == Text.size()};
}

int LeadingInt(std::string_view Text)
{
    return ReadNumber(Text).Value;
}

plat::TColor ReadHexColor(std::string_view Value)
{
    // A character below "A" counts as its digit, any other as a letter from "A" = 10, as the
    // dialect has always read them; a pair cut short counts 0.
    auto pair = [&](std::size_t at) {
        if (at + 2 > Value.size())
            return 0;
        auto digit = [](char c) { return c < 'A' ? c - '0' : c - 'A' + 10; };
        return (digit(Value[at]) * 16 + digit(Value[at + 1])) & 0xFF;
    };
    return plat::RGB(pair(1), pair(3), pair(5));
}

plat::TColor ColorByName(std::string_view Name)
{
    struct Named {
        std::string_view name;
        plat::TColor color;
    };
    static constexpr std::array<Named, 16> plain{{
        {"clred", plat::clRed}, {"clblack", plat::clBlack}, {"clblue", plat::clBlue},
        {"clgreen", plat::clGreen}, {"claqua", plat::clAqua}, {"clyellow", plat::clYellow},
        {"clfuchsia", plat::clFuchsia}, {"clwhite", plat::clWhite}, {"cllime", plat::clLime},
        {"clsilver", plat::clSilver}, {"clgray", plat::clGray}, {"clolive", plat::clOlive},
        {"clnavy", plat::clNavy}, {"clpurple", plat::clPurple}, {"clteal", plat::clTeal},
        {"clmaroon", plat::clMaroon},
    }};
    static constexpr std::array<std::string_view, 24> system{
        "clbackground", "clactivecaption", "clinactivecaption", "clmenu", "clwindow", "clwindowframe",
        "clmenutext", "clwindowtext", "clcaptiontext", "clactiveborder", "clinactiveborder",
        "clappworkspace", "clhighlight", "clhighlighttext", "clbtnface", "clbtnshadow", "clgraytext",
        "clbtntext", "clinactivecaptiontext", "clbtnhighlight", "cl3ddkshadow", "cl3dlight",
        "clinfotext", "clinfobk"};
    std::string lower(Name);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    for (const Named& n : plain)
        if (lower == n.name)
            return n.color;
    for (std::size_t i = 0; i < system.size(); ++i)
        if (lower == system[i])
            return plat::clSystemColor | static_cast<plat::TColor>(i + 1);
    return plat::clBlack;
}

plat::TColor ReadColor(std::string_view Value)
{
    if (!Value.empty() && Value[0] == '#')
        return ReadHexColor(Value);
    return ColorByName(Value);
}

namespace {

struct Entity {
    std::string_view name;  // without the leading "&"
    std::string_view text;
};

// In the order a pass tries them.
constexpr std::array<Entity, 9> kTextEntities{{
    {"amp;", "&&"},
    {"quot;", "\""},
    {"sect;", "\xC2\xA7"},
    {"permil;", "\xE2\x80\xB0"},
    {"reg;", "\xC2\xAE"},
    {"copy;", "\xC2\xA9"},
    {"para;", "\xC2\xB6"},
    {"trade;", "\xE2\x84\xA2"},
    {"euro;", "\xE2\x82\xAC"},
}};

}  // namespace

std::string ExpandEntities(std::string_view Text)
{
    // Occurrences never overlap (each holds one "&", at its start), and a replacement can only
    // make a new occurrence from the second "&" of "&&" onwards. So the text that repeated
    // passes settle on is what one scan gives when that second "&" is looked at again.
    std::string out;
    out.reserve(Text.size());
    std::size_t i = 0;
    while (i < Text.size()) {
        if (Text[i] != '&') {
            out += Text[i++];
            continue;
        }
        std::size_t j = i + 1;  // just after an "&" still to be matched
        for (;;) {
            const Entity* hit = nullptr;
            for (const Entity& e : kTextEntities)
                if (Text.substr(j, e.name.size()) == e.name) {
                    hit = &e;
                    break;
                }
            if (hit == nullptr) {
                out += '&';
                i = j;
                break;
            }
            if (hit->name == "amp;") {
                out += '&';
                j += hit->name.size();
                continue;
            }
            out += hit->text;
            i = j + hit->name.size();
            break;
        }
    }
    return out;
}

std::string ExpandEntitiesByPasses(std::string Text)
{
    for (bool changed = true; changed;) {
        changed = false;
        for (const Entity& e : kTextEntities) {
            const std::string name = "&" + std::string(e.name);
            const std::size_t at = Text.find(name);
            if (at != std::string::npos) {
                Text.replace(at, name.size(), e.text);
                changed = true;
            }
        }
    }
    return Text;
}

std::string ExpandRunEntities(std::string_view Run)
{
    if (Run.find('&') == std::string_view::npos)
        return std::string(Run);
    std::string out;
    out.reserve(Run.size());
    for (std::size_t i = 0; i < Run.size();) {
        if (Run.substr(i, 6) == "&nbsp;") {
            out += ' ';
            i += 6;
        } else if (Run.substr(i, 4) == "&lt;") {
            out += '<';
            i += 4;
        } else if (Run.substr(i, 4) == "&gt;") {
            out += '>';
            i += 4;
        } else {
            out += Run[i++];
        }
    }
    return out;
}

}  // namespace skelda::foundation::minihtml
