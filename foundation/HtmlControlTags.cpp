#include "foundation/HtmlControlTags.h"

#include "foundation/HtmlEntities.h"
#include "platform/core/Utf8.h"

#include <climits>
#include <functional>

namespace skelda::foundation {

namespace {

constexpr std::string_view kControlStart = "<CONTROL ";

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool SameAscii(std::string_view A, std::string_view B)
{
    if (A.size() != B.size())
        return false;
    for (std::size_t i = 0; i < A.size(); ++i) {
        const char a = A[i] >= 'a' && A[i] <= 'z' ? static_cast<char>(A[i] - 0x20) : A[i];
        const char b = B[i] >= 'a' && B[i] <= 'z' ? static_cast<char>(B[i] - 0x20) : B[i];
        if (a != b)
            return false;
    }
    return true;
}

std::size_t FindAscii(std::string_view Text, std::string_view Word, std::size_t From)
{
    for (std::size_t i = From; i + Word.size() <= Text.size(); ++i)
        if (SameAscii(Text.substr(i, Word.size()), Word))
            return i;
    return std::string_view::npos;
}

// A control tag found in a text: where it starts ("<") and ends (after ">" or at the end of the
// text when no ">" closes it), and what it holds.
struct TFoundControl {
    std::size_t Start = 0;
    std::size_t End = 0;
    TControlTag Tag;
};

// Calls Visit for each control tag in turn until it answers false.
void ForEachControl(std::string_view Text, const std::function<bool(const TFoundControl&)>& Visit)
{
    std::size_t pos = 0;
    while (true) {
        const std::size_t start = FindAscii(Text, kControlStart, pos);
        if (start == std::string_view::npos)
            return;
        const std::size_t close = Text.find('>', start);
        const std::size_t end = close == std::string_view::npos ? Text.size() : close + 1;
        if (!Visit({start, end, ParseControlTag(Text.substr(start, end - start))}))
            return;
        pos = end;
    }
}

bool TakesText(const TControlTag& Tag)
{
    return Tag.Type != "BUTTON" && Tag.Type != "CHECK" && Tag.Type != "RADIO";
}

std::string Quoted(std::string_view Key, std::string_view Value)
{
    return std::string(Key) + "=\"" + std::string(Value) + "\"";
}

}  // namespace

TControlTag ParseControlTag(std::string_view TagText)
{
    TControlTag tag;
    bool seen[7] = {};
    std::size_t pos = 0;
    // The tag's name is the first word; attributes follow it.
    while (pos < TagText.size() && !IsSpace(TagText[pos]) && TagText[pos] != '>')
        ++pos;
    while (pos < TagText.size() && TagText[pos] != '>') {
        if (IsSpace(TagText[pos]) || TagText[pos] == '"') {
            // A stray quote opens nothing: keys are only read where pairs can start.
            ++pos;
            continue;
        }
        const std::size_t keyStart = pos;
        while (pos < TagText.size() && TagText[pos] != '=' && !IsSpace(TagText[pos]) && TagText[pos] != '>' &&
               TagText[pos] != '"')
            ++pos;
        const std::string_view key = TagText.substr(keyStart, pos - keyStart);
        if (pos >= TagText.size() || TagText[pos] != '=')
            continue;
        ++pos;
        std::string_view value;
        if (pos < TagText.size() && TagText[pos] == '"') {
            // A ">" ends the tag, so an unclosed quote ends there too: no value holds one.
            const std::size_t close = TagText.find_first_of("\">", pos + 1);
            const std::size_t end = close == std::string_view::npos ? TagText.size() : close;
            value = TagText.substr(pos + 1, end - pos - 1);
            pos = close == std::string_view::npos || TagText[close] == '>' ? end : close + 1;
        } else {
            const std::size_t valueStart = pos;
            while (pos < TagText.size() && !IsSpace(TagText[pos]) && TagText[pos] != '>' && TagText[pos] != '"')
                ++pos;
            value = TagText.substr(valueStart, pos - valueStart);
        }
        static constexpr std::string_view keys[] = {"TYPE", "ID", "VALUE", "WIDTH", "HEIGHT", "PROP", "MAXLEN"};
        std::string* targets[] = {&tag.Type, &tag.ID, &tag.Value, &tag.Width, &tag.Height, &tag.Prop, &tag.MaxLen};
        for (int i = 0; i < 7; ++i)
            if (!seen[i] && SameAscii(key, keys[i])) {
                seen[i] = true;
                *targets[i] = std::string(value);
            }
    }
    tag.Type = plat::Utf8UpperCase(tag.Type);
    tag.Value = DecodeHtmlEntities(tag.Value);
    tag.Prop = DecodeHtmlEntities(tag.Prop);
    return tag;
}

bool HasControlTag(std::string_view Text)
{
    return FindAscii(Text, "<CONTROL", 0) != std::string_view::npos;
}

std::string NextEditControlID(std::string_view Text, std::string_view ID)
{
    std::string next;
    bool passed = ID.empty();
    ForEachControl(Text, [&](const TFoundControl& control) {
        if (passed && TakesText(control.Tag)) {
            next = control.Tag.ID;
            return false;
        }
        if (control.Tag.ID == ID)
            passed = true;
        return true;
    });
    return next;
}

std::string ResetRadioControls(std::string_view Text)
{
    std::vector<std::string> radios;
    ForEachControl(Text, [&](const TFoundControl& control) {
        if (control.Tag.Type == "RADIO")
            radios.push_back(control.Tag.ID);
        return true;
    });
    std::string result(Text);
    for (const std::string& id : radios)
        SetControlValue(result, id, "FALSE");
    return result;
}

std::string GetControlProp(std::string_view Text, std::string_view ID)
{
    std::string prop;
    ForEachControl(Text, [&](const TFoundControl& control) {
        if (control.Tag.ID != ID)
            return true;
        prop = control.Tag.Prop;
        return false;
    });
    return prop;
}

int GetControlMaxLen(std::string_view Text, std::string_view ID)
{
    int maxLen = 0;
    ForEachControl(Text, [&](const TFoundControl& control) {
        if (control.Tag.ID != ID)
            return true;
        const std::string& digits = control.Tag.MaxLen;
        std::size_t i = 0;
        const bool negative = i < digits.size() && digits[i] == '-';
        if (i < digits.size() && (digits[i] == '-' || digits[i] == '+'))
            ++i;
        long long value = 0;
        for (; i < digits.size() && digits[i] >= '0' && digits[i] <= '9'; ++i)
            value = std::min<long long>(value * 10 + (digits[i] - '0'), static_cast<long long>(INT_MAX) + 1);
        value = negative ? -value : std::min<long long>(value, INT_MAX);
        maxLen = static_cast<int>(value);
        return false;
    });
    return maxLen;
}

bool SetControlValue(std::string& Text, std::string_view ID, std::string_view Value)
{
    bool found = false;
    ForEachControl(Text, [&](const TFoundControl& control) {
        if (control.Tag.ID != ID)
            return true;
        const TControlTag& old = control.Tag;
        std::string tag = "<CONTROL " + Quoted("ID", old.ID) + " " + Quoted("VALUE", EncodeHtmlEntities(Value)) + " " +
                          Quoted("WIDTH", old.Width) + " " + Quoted("TYPE", old.Type);
        if (!old.Prop.empty())
            tag += " " + Quoted("PROP", EncodeHtmlEntities(old.Prop));
        if (!old.MaxLen.empty())
            tag += " " + Quoted("MAXLEN", old.MaxLen);
        if (!old.Height.empty())
            tag += " " + Quoted("HEIGHT", old.Height);
        tag += ">";
        Text = Text.substr(0, control.Start) + tag + Text.substr(control.End);
        found = true;
        return false;
    });
    return found;
}

}  // namespace skelda::foundation
