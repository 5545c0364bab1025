#include "grid/text/LineBreakForms.h"

#include "grid/text/CharRoutines.h"

namespace skelda::grid {

namespace {

constexpr char CR = '\r';
constexpr char LF = '\n';
constexpr char VerticalTab = '\x0B';

// Text with each byte put through Map, which appends what the byte becomes.
template <typename MapFunction>
std::string MapBytes(std::string_view Text, MapFunction Map)
{
    std::string result;
    result.reserve(Text.size());
    for (const char c : Text)
        Map(result, c);
    return result;
}

}  // namespace

std::string LineBreaksToBR(std::string_view Text)
{
    return ReplaceAll(Text, std::string_view(&CR, 1), "<br>");
}

std::string LineBreaksToEscaped(std::string_view Text)
{
    return MapBytes(Text, [](std::string& out, char c) {
        if (c == CR)
            out += "\\n";
        else if (c != LF)
            out += c;
    });
}

std::string EscapedToLineBreaks(std::string_view Text) { return ReplaceAll(Text, "\\n", std::string_view(&CR, 1)); }

std::string LineBreaksToTilde(std::string_view Text)
{
    return MapBytes(Text, [](std::string& out, char c) {
        if (c == CR)
            out += '~';
        else if (c != LF)
            out += c;
    });
}

std::string TildeToLineBreaks(std::string_view Text)
{
    if (Text == "^")
        return {};
    return ReplaceAll(Text, "~", "\r\n");
}

std::string QuoteMultiLineCell(std::string_view Text)
{
    return '"' + ReplaceAll(Text, "\r\n", std::string_view(&VerticalTab, 1)) + '"';
}

std::string VerticalTabsToLineBreaks(std::string_view Text)
{
    return ReplaceAll(Text, std::string_view(&VerticalTab, 1), "\r\n");
}

std::string RemoveCRBeforeLF(std::string_view Text) { return ReplaceAll(Text, "\r\n", "\n"); }

std::string RemoveCR(std::string_view Text) { return ReplaceAll(Text, std::string_view(&CR, 1), ""); }

std::string CRToLF(std::string_view Text)
{
    return MapBytes(Text, [](std::string& out, char c) { out += c == CR ? LF : c; });
}

std::string EncodeLineBreaks(std::string_view Text)
{
    if (Text.find(CR) == std::string_view::npos)
        return std::string(Text);
    return MapBytes(Text, [](std::string& out, char c) {
        switch (c) {
        case CR: out += '\x09'; break;
        case LF: out += '\x08'; break;
        case '\0': out += '\x01'; break;
        default: out += c;
        }
    });
}

std::string DecodeLineBreaks(std::string_view Text, bool MultiLine)
{
    std::string decoded(Text);
    if (Text.find('\x08') != std::string_view::npos) {
        decoded = MapBytes(Text, [](std::string& out, char c) {
            switch (c) {
            case '\x09': out += CR; break;
            case '\x08': out += LF; break;
            case '\x01': out += '\0'; break;
            default: out += c;
            }
        });
    }
    if (MultiLine)
        return decoded;
    return CutFirstLine(decoded, false);
}

std::string CutFirstLine(std::string& Text, bool Keep)
{
    const std::size_t lineEnd = Text.find(CR);
    if (lineEnd == std::string::npos) {
        std::string line = std::move(Text);
        Text.clear();
        return line;
    }
    std::string line = Text.substr(0, lineEnd);
    std::size_t restStart = lineEnd + 1;
    if (restStart < Text.size() && Text[restStart] == LF)
        ++restStart;
    if (Keep)
        Text.erase(0, restStart);
    else
        Text.clear();
    return line;
}

int CountLines(std::string_view Text, bool MultiLine)
{
    if (!MultiLine)
        return 1;
    int lines = 1;
    for (const char c : Text)
        lines += c == CR ? 1 : 0;
    return lines;
}

}  // namespace skelda::grid
