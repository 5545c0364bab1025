#include "editcontrols/button/HtmlRenderer.h"

#include "editcontrols/base/DrawingUtils.h"
#include "platform/core/Exception.h"
#include "platform/graphics/ColorLiterals.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace skelda::editcontrols {

namespace {

struct THtmlCode {
    std::string_view Html;
    std::string_view Text;
};

constexpr std::array<THtmlCode, 7> HtmlCodes{{
    {"&amp;", "&"},
    {"&quot;", "\""},
    {"&reg;", "\u00AE"},
    {"&copy;", "\u00A9"},
    {"&trade;", "\u2122"},
    {"&euro;", "\u20AC"},
    {"&nbsp;", " "},
}};

// Bounds that keep a caption's numbers far from overflow and its drawing cheap, whatever the
// markup asks for.
constexpr int MaxFontSize = 72;
constexpr long long MaxRuleWidth = 1000;
constexpr long long MaxIndent = 100000;

char AsciiUpper(char C)
{
    return C >= 'a' && C <= 'z' ? static_cast<char>(C - 'a' + 'A') : C;
}

std::string AsciiUpper(std::string_view S)
{
    std::string upper(S);
    std::transform(upper.begin(), upper.end(), upper.begin(), [](char c) { return AsciiUpper(c); });
    return upper;
}

bool SameAsciiText(std::string_view A, std::string_view B)
{
    return A.size() == B.size() &&
           std::equal(A.begin(), A.end(), B.begin(), [](char a, char b) { return AsciiUpper(a) == AsciiUpper(b); });
}

bool StartsWithNoCase(std::string_view S, std::size_t At, std::string_view Pattern)
{
    return S.size() - At >= Pattern.size() && SameAsciiText(S.substr(At, Pattern.size()), Pattern);
}

// Every occurrence of Pattern (ASCII, any case) replaced, scanning left to right once.
std::string ReplaceAllNoCase(std::string_view S, std::string_view Pattern, std::string_view Replacement)
{
    std::string result;
    result.reserve(S.size());
    std::size_t i = 0;
    while (i < S.size()) {
        if (StartsWithNoCase(S, i, Pattern)) {
            result += Replacement;
            i += Pattern.size();
        } else {
            result += S[i++];
        }
    }
    return result;
}

bool IsBlank(char C)
{
    return C == ' ' || C == '\t' || C == '\r' || C == '\n';
}

std::string_view Trimmed(std::string_view S)
{
    while (!S.empty() && IsBlank(S.front()))
        S.remove_prefix(1);
    while (!S.empty() && IsBlank(S.back()))
        S.remove_suffix(1);
    return S;
}

// A whole number: decimal with an optional sign, or "$" with hexadecimal digits, blanks around it.
std::optional<long long> ReadInteger(std::string_view S)
{
    S = Trimmed(S);
    bool negative = false;
    if (!S.empty() && (S.front() == '-' || S.front() == '+')) {
        negative = S.front() == '-';
        S.remove_prefix(1);
    }
    int base = 10;
    if (!S.empty() && S.front() == '$') {
        base = 16;
        S.remove_prefix(1);
    }
    if (S.empty() || S.size() > 15)
        return std::nullopt;
    long long value = 0;
    for (const char c : S) {
        int digit = -1;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && AsciiUpper(c) >= 'A' && AsciiUpper(c) <= 'F')
            digit = AsciiUpper(c) - 'A' + 10;
        if (digit < 0)
            return std::nullopt;
        value = value * base + digit;
    }
    return negative ? -value : value;
}

// A colour literal of the platform, "#" standing for "$".
std::optional<plat::TColor> ReadColour(std::string_view Value)
{
    std::string literal(Trimmed(Value));
    if (!literal.empty() && literal.front() == '#')
        literal.front() = '$';
    try {
        return plat::StringToColor(literal);
    } catch (const plat::Exception&) {
        return std::nullopt;
    }
}

// Round as the platform does: halves to the even neighbour.
long long RoundHalfEven(double Value)
{
    return static_cast<long long>(std::nearbyint(Value));
}

long long Scaled(long long Value, int Scale)
{
    return RoundHalfEven(static_cast<double>(Value) * Scale / 100.0);
}

// The lines as a string list reads them: split at CR LF, a CR LF at the very end ending the
// last line rather than starting an empty one.
std::vector<std::string_view> SplitLines(std::string_view Text)
{
    std::vector<std::string_view> lines;
    while (!Text.empty()) {
        const std::size_t end = Text.find("\r\n");
        if (end == std::string_view::npos) {
            lines.push_back(Text);
            break;
        }
        lines.push_back(Text.substr(0, end));
        Text.remove_prefix(end + 2);
    }
    return lines;
}

// Whether any text (outside tags) is left in the rest of a line; a "<" without a ">" after it is
// an empty tag, not text.
bool HoldsText(std::string_view Rest)
{
    while (!Rest.empty()) {
        const std::size_t open = Rest.find('<');
        if (open != 0)
            return true;
        const std::size_t close = Rest.find('>');
        Rest.remove_prefix(close == std::string_view::npos ? 1 : close + 1);
    }
    return false;
}

// What a paint changes on the canvas, put back however the paint ends.
class TSavedCanvasState {
public:
    explicit TSavedCanvasState(plat::TCanvas& Canvas)
        : FCanvas(Canvas),
          FBrushColor(Canvas.Brush().GetColor()),
          FBrushStyle(Canvas.Brush().GetStyle()),
          FPenColor(Canvas.Pen().GetColor()),
          FPenWidth(Canvas.Pen().GetWidth())
    {
        FFont.Assign(Canvas.Font());
    }
    ~TSavedCanvasState()
    {
        FCanvas.Font().Assign(FFont);
        FCanvas.Brush().SetColor(FBrushColor);
        FCanvas.Brush().SetStyle(FBrushStyle);
        FCanvas.Pen().SetColor(FPenColor);
        FCanvas.Pen().SetWidth(FPenWidth);
    }
    TSavedCanvasState(const TSavedCanvasState&) = delete;
    TSavedCanvasState& operator=(const TSavedCanvasState&) = delete;

private:
    plat::TCanvas& FCanvas;
    plat::TFont FFont;
    plat::TColor FBrushColor;
    plat::TBrushStyle FBrushStyle;
    plat::TColor FPenColor;
    int FPenWidth;
};

enum class TLineAlignment { Left, Right, Centre };

// One call of the renderer: the state that lives from the first line to the last.
class THtmlRenderer {
public:
    THtmlRenderer(plat::TCanvas& Canvas, const plat::TRect& Rect, unsigned State, int Scale, int MouseX, int MouseY,
                  int CalcMode)
        : FCanvas(Canvas),
          FRect(Rect),
          FState(State),
          FScale(Scale),
          FMouseX(MouseX),
          FMouseY(MouseY),
          FMode(CalcMode),
          FSuppressColours((State & (hsSelected | hsDisabled)) != 0),
          FSaved(Canvas),
          FFontColor(Canvas.Font().GetColor()),
          FBrushColor(Canvas.Brush().GetColor()),
          FStartSize(Canvas.Font().GetSize()),
          FStartHeight(Canvas.Font().GetHeight()),
          FY(Rect.Top)
    {
        FTransparent = Canvas.Brush().GetStyle() == plat::bsClear && !FSuppressColours;
    }

    THtmlRenderResult Run(const std::vector<std::string_view>& Lines)
    {
        for (std::size_t i = 0; i < Lines.size(); ++i) {
            const bool last = i + 1 == Lines.size();
            std::string line(Lines[i]);
            FX = AlignmentOffset(line);
            std::string pending;
            while (!line.empty()) {
                const std::size_t open = line.find('<');
                pending = UnescapeAngles(std::string_view(line).substr(0, open));
                line.erase(0, open);
                if (line.empty())
                    break;
                Output(pending);
                pending.clear();
                std::size_t close = line.find('>');
                if (close == std::string::npos) {
                    line.replace(0, 1, "<>");
                    close = 1;
                }
                const std::string tag = line.substr(0, close + 1);
                line.erase(0, close + 1);
                HandleTag(tag, line, last);
            }
            Output(pending);
            if (!last)
                LineBreak();
        }
        FResult.Width = std::max(FResult.Width, FX);
        FResult.Height = FY + CanvasTextHeight(FCanvas);
        return std::move(FResult);
    }

private:
    static std::string UnescapeAngles(std::string_view Piece)
    {
        return ReplaceAllNoCase(ReplaceAllNoCase(Piece, "&lt;", "<"), "&gt;", ">");
    }

    int TextHeight() { return CanvasTextHeight(FCanvas); }

    void LineBreak()
    {
        FResult.Width = std::max(FResult.Width, FX);
        FX = 0;
        FY += TextHeight();
    }

    // Where a line (or the rest of one) starts for the present alignment.
    int AlignmentOffset(std::string_view Line)
    {
        if (FAlignment == TLineAlignment::Left)
            return 0;
        THtmlRenderer measure(FCanvas, FRect, FState, 100, 0, 0, hcMeasure);
        const int width = measure.Run({Line}).Width;
        int offset = FRect.Width() - width;
        if (FAlignment == TLineAlignment::Centre)
            offset /= 2;
        return std::max(0, offset);
    }

    void Output(const std::string& Piece)
    {
        if (Piece.empty())
            return;
        const int width = FCanvas.TextWidth(Piece);
        const int height = TextHeight();
        const int left = FRect.Left + FX;
        if (FInLink && !FResult.MouseOnLink && FMouseY >= FY && FMouseY <= FY + height && FMouseX >= left &&
            FMouseX <= left + width && (FMouseX > 0 || FMouseY > 0)) {
            FResult.MouseOnLink = true;
            FCanvas.Font().SetColor(plat::clRed);
            FResult.LinkName = FLinkTarget;
        }
        if (FMode == hcDraw) {
            if (FTransparent)
                FCanvas.Brush().SetStyle(plat::bsClear);
            FCanvas.TextOut(left, FY, Piece);
        }
        FX += width;
    }

    void SetStyle(plat::TFontStyle Style, bool On)
    {
        plat::TFontStyles styles = FCanvas.Font().GetStyle();
        if (On)
            styles.Include(Style);
        else
            styles.Exclude(Style);
        FCanvas.Font().SetStyle(styles);
    }

    void HandleTag(const std::string& Tag, const std::string& Rest, bool LastLine)
    {
        const std::string upper = AsciiUpper(Tag);
        const bool closing = upper.size() > 1 && upper[1] == '/';
        const std::size_t at = closing ? 2 : 1;
        const char kind = at < upper.size() ? upper[at] : '\0';
        const char next = at + 1 < upper.size() ? upper[at + 1] : '\0';
        if (closing) {
            switch (kind) {
            case 'B':
                return SetStyle(plat::fsBold, false);
            case 'I':
                return SetStyle(plat::fsItalic, false);
            case 'U':
                return SetStyle(plat::fsUnderline, false);
            case 'S':
                return SetStyle(plat::fsStrikeOut, false);
            case 'A':
                return LeaveLink();
            case 'F':
                return CloseFont();
            default:
                return;
            }
        }
        switch (kind) {
        case 'B':
            return SetStyle(plat::fsBold, true);
        case 'I':
            if (next == 'N')
                return Indent(Tag);
            return SetStyle(plat::fsItalic, true);
        case 'U':
            return SetStyle(plat::fsUnderline, true);
        case 'S':
            return SetStyle(plat::fsStrikeOut, true);
        case 'A':
            if (next == 'L')
                return Align(upper, Rest);
            if (const std::optional<std::string> target = GetHtmlAttribute(Tag, "HREF"))
                return EnterLink(*target);
            return;
        case 'F':
            return OpenFont(Tag);
        case 'H':
            if (next == 'R')
                return Rule(Tag, Rest, LastLine);
            return;
        default:
            return;
        }
    }

    void EnterLink(const std::string& Target)
    {
        FLinkFont = std::make_unique<plat::TFont>();
        FLinkFont->Assign(FCanvas.Font());
        if (!FSuppressColours)
            FCanvas.Font().SetColor(plat::clBlue);
        FLinkTarget = Target;
        FInLink = true;
    }

    void LeaveLink()
    {
        if (!FInLink)
            return;
        FInLink = false;
        if (FLinkFont)
            FCanvas.Font().Assign(*FLinkFont);
    }

    void Align(const std::string& UpperTag, const std::string& Rest)
    {
        if (UpperTag.find("CENTER") != std::string::npos)
            FAlignment = TLineAlignment::Centre;
        else if (UpperTag.find("RIGHT") != std::string::npos)
            FAlignment = TLineAlignment::Right;
        else
            FAlignment = TLineAlignment::Left;
        FX = FMode == hcDraw || FMode == 3 ? AlignmentOffset(Rest) : 0;
    }

    void OpenFont(const std::string& Tag)
    {
        if (FSuppressColours)
            return;
        FFontColor = FCanvas.Font().GetColor();
        FBrushColor = FCanvas.Brush().GetColor();
        if (const std::optional<std::string> value = GetHtmlAttribute(Tag, "COLOR"))
            if (const std::optional<plat::TColor> colour = ReadColour(*value))
                FCanvas.Font().SetColor(*colour);
        if (const std::optional<std::string> value = GetHtmlAttribute(Tag, "BGCOLOR")) {
            if (SameAsciiText(Trimmed(*value), "clNone")) {
                FTransparent = true;
            } else if (const std::optional<plat::TColor> colour = ReadColour(*value)) {
                FCanvas.Brush().SetColor(*colour);
                FCanvas.Brush().SetStyle(plat::bsSolid);
                FTransparent = false;
            }
        }
        if (const std::optional<std::string> value = GetHtmlAttribute(Tag, "SIZE")) {
            const long long n = ReadInteger(*value).value_or(2);
            const long long size = std::clamp(n, -10000LL, 10000LL) * FStartSize / 2;
            FCanvas.Font().SetSize(static_cast<int>(std::clamp(size, 1LL, static_cast<long long>(MaxFontSize))));
        }
    }

    void CloseFont()
    {
        if (FSuppressColours)
            return;
        FCanvas.Font().SetColor(FFontColor);
        FCanvas.Brush().SetColor(FBrushColor);
        FCanvas.Font().SetHeight(FStartHeight);
        FTransparent = true;
    }

    void Rule(const std::string& Tag, const std::string& Rest, bool LastLine)
    {
        long long width = 1;
        if (const std::optional<std::string> value = GetHtmlAttribute(Tag, "SIZE"))
            width = ReadInteger(*value).value_or(1);
        if (FState & hsDisabled)
            FCanvas.Pen().SetColor(FCanvas.Font().GetColor());
        if (FState & hsScaled)
            width = Scaled(std::clamp(width, -MaxRuleWidth, MaxRuleWidth), FScale);
        const int penWidth = static_cast<int>(std::clamp(width, 0LL, MaxRuleWidth));
        const int oldWidth = FCanvas.Pen().GetWidth();
        FCanvas.Pen().SetWidth(penWidth);
        if (FMode == hcDraw) {
            const int y = FY + TextHeight();
            FCanvas.MoveTo(FRect.Left, y);
            FCanvas.LineTo(FRect.Right, y);
        }
        FY += penWidth + 1;
        FCanvas.Pen().SetWidth(oldWidth);
        if (!LastLine || HoldsText(Rest))
            LineBreak();
    }

    void Indent(const std::string& Tag)
    {
        long long indent = 0;
        if (const std::optional<std::string> value = GetHtmlAttribute(Tag, "IND"))
            indent = std::clamp(ReadInteger(*value).value_or(0), -MaxIndent, MaxIndent);
        if (FState & hsScaled)
            indent = Scaled(indent, FScale);
        FX = static_cast<int>(std::clamp(indent, -MaxIndent, MaxIndent));
    }

    plat::TCanvas& FCanvas;
    const plat::TRect FRect;
    const unsigned FState;
    const int FScale;
    const int FMouseX;
    const int FMouseY;
    const int FMode;
    const bool FSuppressColours;
    TSavedCanvasState FSaved;
    // What a closing FONT tag goes back to.
    plat::TColor FFontColor;
    plat::TColor FBrushColor;
    const int FStartSize;
    const int FStartHeight;
    TLineAlignment FAlignment = TLineAlignment::Left;
    bool FTransparent = false;
    bool FInLink = false;
    std::unique_ptr<plat::TFont> FLinkFont;
    std::string FLinkTarget;
    int FX = 0;
    int FY;
    THtmlRenderResult FResult;
};

}  // namespace

std::string ReplaceHtmlCodes(std::string_view Text)
{
    std::string result(Text);
    for (const THtmlCode& code : HtmlCodes)
        result = ReplaceAllNoCase(result, code.Html, code.Text);
    result = ReplaceAllNoCase(result, "\r\n", "");
    result = ReplaceAllNoCase(result, "<BR>", "\r\n");
    std::string withRules;
    withRules.reserve(result.size());
    for (std::size_t i = 0; i < result.size();) {
        if (StartsWithNoCase(result, i, "<HR>")) {
            withRules.append(result, i, 4);
            withRules += "\r\n";
            i += 4;
        } else {
            withRules += result[i++];
        }
    }
    return withRules;
}

std::optional<std::string> GetHtmlAttribute(std::string_view Tag, std::string_view Name)
{
    std::size_t i = 0;
    const std::size_t n = Tag.size();
    if (i < n && Tag[i] == '<')
        ++i;
    if (i < n && Tag[i] == '/')
        ++i;
    auto skipBlanks = [&] {
        while (i < n && IsBlank(Tag[i]))
            ++i;
    };
    while (true) {
        skipBlanks();
        if (i >= n || Tag[i] == '>')
            return std::nullopt;
        const std::size_t nameStart = i;
        while (i < n && !IsBlank(Tag[i]) && Tag[i] != '=' && Tag[i] != '>')
            ++i;
        const std::string_view name = Tag.substr(nameStart, i - nameStart);
        skipBlanks();
        std::string value;
        if (i < n && Tag[i] == '=') {
            ++i;
            skipBlanks();
            if (i < n && (Tag[i] == '"' || Tag[i] == '\'')) {
                const char quote = Tag[i++];
                std::size_t end = Tag.find(quote, i);
                std::size_t next = end + 1;
                if (end == std::string_view::npos) {
                    end = n > i && Tag.back() == '>' ? n - 1 : n;
                    next = n;
                }
                value = std::string(Tag.substr(i, end - i));
                i = next;
            } else {
                const std::size_t valueStart = i;
                while (i < n && !IsBlank(Tag[i]) && Tag[i] != '>')
                    ++i;
                value = std::string(Tag.substr(valueStart, i - valueStart));
            }
        }
        if (!name.empty() && SameAsciiText(name, Name))
            return value;
    }
}

THtmlRenderResult RenderHtmlItem(plat::TCanvas& Canvas, const plat::TRect& Rect, unsigned State, int Scale, int MouseX,
                                 int MouseY, int CalcMode, std::string_view Text)
{
    const std::string text = ReplaceHtmlCodes(Text);
    THtmlRenderer renderer(Canvas, Rect, State, Scale, MouseX, MouseY, CalcMode);
    return renderer.Run(SplitLines(text));
}

void DrawHtmlItem(plat::TCanvas& Canvas, const plat::TRect& Rect, unsigned State, int Scale, std::string_view Text)
{
    RenderHtmlItem(Canvas, Rect, State, Scale, 0, 0, hcDraw, Text);
}

plat::TSize MeasureHtmlItem(plat::TCanvas& Canvas, const plat::TRect& Rect, unsigned State, std::string_view Text)
{
    const THtmlRenderResult result = RenderHtmlItem(Canvas, Rect, State, 100, 0, 0, hcMeasure, Text);
    int height = result.Height;
    if (height == 0)
        height = CanvasTextHeight(Canvas);
    return {result.Width, height + 1};
}

int HtmlItemTextWidth(plat::TCanvas& Canvas, const plat::TRect& Rect, unsigned State, std::string_view Text)
{
    return RenderHtmlItem(Canvas, Rect, State, 100, 0, 0, hcMeasure, Text).Width;
}

void DrawHtmlCaption(plat::TCanvas& Canvas, plat::TRect Rect, std::string_view Caption)
{
    DrawHtmlItem(Canvas, Rect, 0, 100, Caption);
}

plat::TSize MeasureHtmlCaption(plat::TCanvas& Canvas, plat::TRect Rect, std::string_view Caption)
{
    return MeasureHtmlItem(Canvas, Rect, 0, Caption);
}

}  // namespace skelda::editcontrols
