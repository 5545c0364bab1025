#include "foundation/TaskDialogCaptions.h"

#include "platform/graphics/CanvasFlags.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"

#include <algorithm>
#include <string_view>

namespace skelda::foundation {

namespace {

constexpr std::string_view kEscape = "\\n";
constexpr char kCarriageReturn = '\r';
constexpr char kLineFeed = '\n';

constexpr int kMarginWidthPx = 8;
constexpr int kMarginHeightPx = 10;
constexpr int kLineGapPx = 2;

bool BreaksIntoLines(const std::string& Text)
{
    return HasNewlineEscape(Text) || Text.find(kCarriageReturn) != std::string::npos;
}

std::string ReplaceAll(const std::string& Text, std::string_view What, std::string_view With)
{
    std::string out;
    out.reserve(Text.size());
    std::size_t from = 0;
    for (std::size_t at = Text.find(What); at != std::string::npos; at = Text.find(What, from)) {
        out.append(Text, from, at - from);
        out.append(With);
        from = at + What.size();
    }
    out.append(Text, from, std::string::npos);
    return out;
}

// Puts the canvas's font back when measuring ends, also by an exception.
class TCanvasFontRestore {
public:
    explicit TCanvasFontRestore(plat::TCanvas& Canvas) : FCanvas(Canvas) { FSaved.Assign(Canvas.Font()); }
    ~TCanvasFontRestore() { FCanvas.Font().Assign(FSaved); }
    TCanvasFontRestore(const TCanvasFontRestore&) = delete;
    TCanvasFontRestore& operator=(const TCanvasFontRestore&) = delete;

private:
    plat::TCanvas& FCanvas;
    plat::TFont FSaved;
};

plat::TSize MeasureLine(plat::TCanvas& Canvas, const std::string& Line, unsigned Flags)
{
    plat::TRect r{0, 0, 0, 0};
    Canvas.DrawText(Line, r, Flags | plat::DT_CALCRECT | plat::DT_SINGLELINE);
    return {r.Right, r.Bottom};
}

}  // namespace

bool HasNewlineEscape(const std::string& Text)
{
    const std::size_t at = Text.find(kEscape);
    if (at == std::string::npos)
        return false;
    return !(at > 0 && Text[at - 1] == ':');
}

std::string TrimLineSpaces(const std::string& Text)
{
    const std::size_t first = Text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return Text.substr(first, Text.find_last_not_of(' ') - first + 1);
}

void SplitDialogLines(const std::string& Text, std::vector<std::string>& Lines)
{
    if (Text.empty())
        return;
    if (!BreaksIntoLines(Text)) {
        Lines.push_back(Text);
        return;
    }
    std::string rest = TrimLineSpaces(Text);
    while (!rest.empty()) {
        std::size_t end = rest.find(kEscape);
        std::size_t separator = kEscape.size();
        if (end == std::string::npos) {
            end = rest.find(kCarriageReturn);
            // A carriage return takes only a line feed along: the next line's first character
            // is never swallowed.
            separator = end != std::string::npos && end + 1 < rest.size() && rest[end + 1] == kLineFeed ? 2 : 1;
        }
        if (end == std::string::npos) {
            Lines.push_back(TrimLineSpaces(rest));
            break;
        }
        Lines.push_back(TrimLineSpaces(rest.substr(0, end)));
        rest = TrimLineSpaces(rest.substr(end + separator));
    }
}

TCommandLinkSize MeasureCommandLink(plat::TCanvas* Canvas, const std::string& Text, const plat::TFont& HeadingFont,
                                    bool Margins, bool MultiLine, unsigned DrawTextFlags,
                                    const plat::TFont& BodyFont)
{
    TCommandLinkSize size;
    if (Canvas == nullptr)
        return size;
    const TCanvasFontRestore restoreFont(*Canvas);

    if (!(MultiLine && BreaksIntoLines(Text))) {
        Canvas->Font().Assign(HeadingFont);
        const plat::TSize s = MeasureLine(*Canvas, Text, DrawTextFlags);
        return {s.cy, s.cx};
    }
    std::vector<std::string> lines;
    SplitDialogLines(Text, lines);
    if (lines.empty())
        return size;
    const std::string heading = TrimLineSpaces(lines.front());
    if (!heading.empty()) {
        Canvas->Font().Assign(HeadingFont);
        const plat::TSize s = MeasureLine(*Canvas, heading, DrawTextFlags);
        size.WidthPx = s.cx + (Margins ? kMarginWidthPx : 0);
        size.HeightPx = s.cy + (Margins ? kMarginHeightPx : 0);
    }
    Canvas->Font().Assign(BodyFont);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (lines[i].empty())
            continue;
        const plat::TSize s = MeasureLine(*Canvas, lines[i], DrawTextFlags);
        size.WidthPx = std::max(size.WidthPx, s.cx + (Margins ? kMarginWidthPx : 0));
        size.HeightPx += s.cy + (Margins ? kLineGapPx : 0);
    }
    return size;
}

std::string DialogLineBreaksToHtml(const std::string& Text)
{
    return ReplaceAll(ReplaceAll(Text, kEscape, "<br>"), std::string_view(&kLineFeed, 1), "<br>");
}

}  // namespace skelda::foundation
