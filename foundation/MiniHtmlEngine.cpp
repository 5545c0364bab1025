#include "foundation/MiniHtmlEngine.h"

#include "foundation/MiniHtmlMarkup.h"
#include "foundation/MiniHtmlGradients.h"
#include "foundation/MiniHtmlPictures.h"
#include "foundation/MiniHtmlControls.h"
#include "platform/graphics/CanvasFlags.h"
#include "platform/graphics/TCanvas.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace skelda::foundation {

using namespace minihtml;
using plat::TColor;
using plat::TRect;

TMiniHtmlVariant TMiniHtmlVariant::Grid()
{
    TMiniHtmlVariant v;
    v.FormControls = true;
    v.LinkTitles = true;
    v.GluedRuns = true;
    v.AllMarkers = true;
    v.RestorePen = true;
    v.SettableHighlight = true;
    return v;
}

TMiniHtmlVariant TMiniHtmlVariant::Hint()
{
    TMiniHtmlVariant v;
    v.TrimLines = true;
    v.SpacedAmpersandRaw = true;
    v.HintTags = true;
    return v;
}

namespace {

TColor gHighlightBack = plat::clHighlight;
TColor gHighlightText = plat::clHighlightText;

// Bullets and list indentation are fixed pixel amounts, whatever the font.
constexpr int kListStepPx = 12;
constexpr int kGradientSteps = 64;
// Every markup number that becomes a size or an offset stays within what a canvas can take.
constexpr int kMaxExtentPx = 32767;

int ClampExtent(int Value)
{
    return std::clamp(Value, 0, kMaxExtentPx);
}

TColor BrushColorOf(const plat::TCanvas& Canvas)
{
    return Canvas.Brush().GetStyle() == plat::bsClear ? plat::clNone : Canvas.Brush().GetColor();
}

void SetBrushColor(plat::TCanvas& Canvas, TColor Color)
{
    if (Color == plat::clNone)
        Canvas.Brush().SetStyle(plat::bsClear);
    else
        Canvas.Brush().SetColor(Color);
}

void SetFontStyle(plat::TCanvas& Canvas, plat::TFontStyle Style, bool On)
{
    plat::TFontStyles styles = Canvas.Font().GetStyle();
    if (On)
        styles.Include(Style);
    else
        styles.Exclude(Style);
    Canvas.Font().SetStyle(styles);
}

bool StartsWithUpper(std::string_view Text, std::size_t At, std::string_view Prefix)
{
    if (Text.size() - At < Prefix.size())
        return false;
    for (std::size_t i = 0; i < Prefix.size(); ++i)
        if (UpperChar(Text[At + i]) != Prefix[i])
            return false;
    return true;
}

bool IsTrimmed(char C)
{
    return static_cast<unsigned char>(C) <= ' ';
}

// The state of one call and the line routine that both passes of every line run.
class TMiniHtmlRun {
public:
    TMiniHtmlRun(const TMiniHtmlVariant& Variant, plat::TCanvas& Canvas, const TMiniHtmlRequest& Request,
                 TMiniHtmlResult& Result)
        : V(Variant), C(Canvas), Q(Request), R(Result)
    {
    }

    void Run();

private:
    enum class Mode { Measure, Draw };

    struct Line {
        std::string markup;
        int width = 0;
        int height = 0;
        int supSpace = 0;
        int subSpace = 0;
        int pictureOffset = 0;
    };

    void Preprocess();
    // Lays out one line of Text from Pos on (consuming it), in the given mode.
    void LineRoutine(const std::string& Text, std::size_t& Pos, TRect LineRect, Mode M, Line& L);
    void ApplyTag(std::string_view Text, std::size_t Pos, std::size_t TagEnd, TRect LineRect, Mode M, Line& L);
    void TextRun(const std::string& Text, std::size_t& Pos, std::size_t RunEnd, TRect LineRect, Mode M, Line& L);
    void OpenLink(std::string_view Tag, std::string_view Upper, const TRect& LineRect, Mode M, Line& L);
    void CloseLink(const TRect& LineRect, Mode M, Line& L);
    void Font(std::string_view Tag, std::string_view Upper, Mode M);
    void CloseFont(Mode M);
    void Paragraph(std::string_view Upper, const TRect& LineRect, Mode M);
    void Body(std::string_view Tag, std::string_view Upper, const TRect& LineRect, Mode M);
    void ListItem(std::string_view Upper, const TRect& LineRect, Mode M, Line& L);
    void Picture(std::string_view Tag, std::string_view Upper, const TRect& LineRect, Mode M, Line& L);
    void Control(std::string_view Tag, const TRect& LineRect, Mode M, Line& L);
    void Rule(std::string_view Upper, const TRect& LineRect, Mode M);
    void Rotate(std::string_view Upper);
    void DrawRun(const std::string& Shown, const TRect& LineRect, Line& L, int& WidthPx);
    void DrawZigzag(int FromX, int ToX, int Bottom);
    void DrawFocus(TRect Rect);
    bool Drawing(Mode M) const { return M == Mode::Draw; }
    // Heights and the space's width depend on the font alone; a text has few fonts, so they are
    // measured once per font and call.
    struct FontMetrics {
        std::string name;
        int heightPx;
        plat::TFontStyles style;
        int textHeight;
        int spaceWidth;
        // Both passes of a line measure the same runs.
        std::unordered_map<std::string, int> widths;
    };
    FontMetrics& Metrics();
    int GhHeight() { return Metrics().textHeight; }
    int TextHeight(const std::string& Text) { return Text.empty() ? 0 : Metrics().textHeight; }
    int RunWidth(const std::string& Shown, unsigned Format);
    // Runs are placed from the right edge leftwards only where their alignment is mirrored too;
    // right-to-left reading alone keeps them moving right, so they never pile up at one place.
    bool MirroredRuns() const { return Q.ReadingOrder == 1; }
    int Available(const TRect& LineRect) const { return LineRect.Width(); }
    // What one run or picture alone may take: a line that continues at an offset has less.
    int RoomForOne(const TRect& LineRect) const { return LineRect.Width() - FLineOffset; }

    const TMiniHtmlVariant& V;
    plat::TCanvas& C;
    const TMiniHtmlRequest& Q;
    TMiniHtmlResult& R;

    std::string FText;
    unsigned FFormat = 0;
    plat::TFont FBaseFont;
    TColor FBackground = plat::clNone;
    TColor FBaseColor = plat::clBlack;
    TRect FWork;

    // Per line.
    int FPen = 0;
    int FRightEdge = 0;  // with right-to-left reading runs are placed from here leftwards
    int FTrailingSpace = 0;
    bool FLineDone = false;
    bool FLineFull = false;
    bool FItemSeen = false;
    bool FLinkTextHit = false;
    bool FPictureHit = false;
    bool FControlHit = false;
    bool FFirstPass = true;
    std::string FVisible;

    // Per call.
    int FAlign = 0;  // 0 left, 1 right, 2 centre
    int FIndent = 0;
    int FListLevel = 0;
    int FLinkCounter = 0;
    bool FInLink = false;
    std::string FLinkTarget;
    std::string FLinkTitle;
    bool FLinkPending = false;
    int FLinkStartX = 0;
    int FLinkStartTop = 0;
    bool FLinkStartedHere = false;
    TRect FFocus;
    int FPictureCounter = 0;
    int FHoverPicture = -1;
    bool FSub = false;
    bool FSup = false;
    bool FShadow = false;
    bool FHidden = false;
    bool FError = false;
    bool FParagraphBack = false;
    bool FHoverApplied = false;
    TColor FHoverBrush = plat::clNone;
    TColor FHoverText = plat::clBlack;
    TColor FFontBrush = plat::clNone;
    TColor FHiText = plat::clBlack;
    TColor FHiBrush = plat::clNone;
    TColor FParagraphBrush = plat::clNone;
    bool FRotated = false;
    plat::TFont FUnrotatedFont;
    std::vector<FontMetrics> FMetrics;
    int FLineOffset = 0;      // hint: continuation offset in force for this line
    int FNextLineOffset = 0;  // hint: offset set by <OF…> or </O…> for the lines after
    bool FThemed = false;
};

TMiniHtmlRun::FontMetrics& TMiniHtmlRun::Metrics()
{
    const plat::TFont& font = C.Font();
    for (FontMetrics& m : FMetrics)
        if (m.heightPx == font.GetHeight() && m.style == font.GetStyle() && m.name == font.GetName())
            return m;
    FMetrics.push_back({font.GetName(), font.GetHeight(), font.GetStyle(), C.TextHeight("gh"), C.TextWidth(" "), {}});
    return FMetrics.back();
}

int TMiniHtmlRun::RunWidth(const std::string& Shown, unsigned Format)
{
    auto& widths = Metrics().widths;
    const std::string key = Shown + ((Format & plat::DT_NOPREFIX) != 0 ? '\1' : '\2');
    if (auto found = widths.find(key); found != widths.end())
        return found->second;
    int width = 0;
    // Only prefixes and tabs make the drawn width differ from the text's own extent.
    if (Shown.find('\t') == std::string::npos &&
        ((Format & plat::DT_NOPREFIX) != 0 || Shown.find('&') == std::string::npos)) {
        width = C.TextWidth(Shown);
    } else {
        TRect measured{0, 0, 0, 0};
        C.DrawText(Shown, measured, Format | plat::DT_CALCRECT);
        width = measured.Width();
    }
    widths.emplace(key, width);
    return width;
}

void TMiniHtmlRun::Preprocess()
{
    std::string text = ExpandEntities(Q.Text);
    // "<#…>" markers lose their brackets; the hint's copy only handles the first.
    for (std::size_t from = 0;;) {
        const std::size_t at = text.find("<#", from);
        if (at == std::string::npos)
            break;
        text.erase(at, 1);
        const std::size_t close = text.find('>', at);
        if (close != std::string::npos)
            text.erase(close, 1);
        if (!V.AllMarkers)
            break;
        from = at;
    }
    FText.clear();
    FText.reserve(text.size());
    for (char c : text) {
        if (c == '\r')
            FText += "<BR>";
        else if (c != '\n')
            FText += c;
    }
}

void TMiniHtmlRun::Run()
{
    const TColor savedPenColor = C.Pen().GetColor();
    const int savedPenWidth = C.Pen().GetWidth();
    const plat::TBrushStyle savedBrushStyle = C.Brush().GetStyle();
    const TColor savedBrushColor = C.Brush().GetColor();
    FBaseFont.Assign(C.Font());
    FBaseColor = FBaseFont.GetColor();
    FBackground = savedBrushStyle == plat::bsClear ? plat::clNone : savedBrushColor;
    plat::TFont measureFont;
    plat::TFont drawFont;
    measureFont.Assign(C.Font());
    drawFont.Assign(C.Font());

    SetBrushColor(C, plat::clNone);
    FThemed = V.FormControls && MiniHtmlControlsThemed();

    if (V.FormControls && !Q.LocateOnly)
        R.ControlId.clear();
    R.ControlRect = {};
    R.ControlValue.clear();
    R.ControlType.clear();
    R.Hit = false;
    R.ContentWidth = 0;
    R.ContentHeight = 0;
    R.LinkTotal = 0;
    R.PlainText.clear();
    R.FocusedLinkTarget.clear();
    R.TitleUnderPoint.clear();
    R.LinkIndexUnderPoint = -1;

    FWork = Q.Bounds;
    FWork.Left += 1;
    C.SetBkMode(plat::TRANSPARENT);

    FFormat = plat::DT_SINGLELINE | plat::DT_BOTTOM | plat::DT_EXPANDTABS | plat::DT_EXTERNALLEADING;
    if (Q.ReadingOrder == 1)
        FFormat |= plat::DT_RIGHT | plat::DT_RTLREADING;
    else if (Q.ReadingOrder == 2 || Q.ReadingOrder == 3)
        FFormat |= plat::DT_RTLREADING;
    if (!Q.WrapWords)
        FFormat |= plat::DT_END_ELLIPSIS;
    Preprocess();
    if (V.SpacedAmpersandRaw && FText.find(" & ") != std::string::npos)
        FFormat |= plat::DT_NOPREFIX;

    std::size_t pos = 0;
    while (pos < FText.size()) {
        if (V.TrimLines) {
            while (pos < FText.size() && IsTrimmed(FText[pos]))
                ++pos;
            std::size_t end = FText.size();
            while (end > pos && IsTrimmed(FText[end - 1]))
                --end;
            FText.resize(end);
            if (pos >= FText.size())
                break;
        }
        C.Font().Assign(measureFont);
        Line line;
        FSub = FSup = false;
        line.height = GhHeight();
        const int ghHeight = line.height;
        // A continued line starts further right in both passes, also when the text is only
        // measured, so that a hint is sized for the lines it then draws.
        FLineOffset = V.HintTags ? FNextLineOffset : 0;

        const bool inLink = FInLink;
        const std::string target = FLinkTarget;
        const std::string title = FLinkTitle;
        const int linkCounter = FLinkCounter;
        const int listLevel = FListLevel;
        const int pictureCounter = FPictureCounter;
        const bool hidden = FHidden;
        const bool shadow = FShadow;
        const int nextOffset = FNextLineOffset;
        const bool linkPending = FLinkPending;

        FFirstPass = true;
        const std::size_t lineStart = pos;
        LineRoutine(FText, pos, FWork, Mode::Measure, line);
        if (pos == lineStart) {
            // Every line takes at least its first run or tag; a line that took nothing would
            // repeat for ever, so the text ends here instead.
            pos = FText.size();
        }
        measureFont.Assign(C.Font());
        FInLink = inLink;
        FLinkTarget = target;
        FLinkTitle = title;

        if (V.HintTags)
            line.height += Q.LineGap;

        TRect lineRect = FWork;
        if (FAlign == 1) {
            if (FWork.Right - line.width > lineRect.Left)
                lineRect.Left = FWork.Right - line.width;
        } else if (FAlign == 2) {
            if (FWork.Width() - line.width > 0)
                lineRect.Left = FWork.Left + (FWork.Width() - line.width) / 2;
        }
        lineRect.Left += FIndent;
        lineRect.Top = FWork.Top;
        lineRect.Bottom = lineRect.Top + line.height + line.supSpace + line.subSpace;
        lineRect.Right = FWork.Right;

        if (!Q.SizeOnly) {
            C.Font().Assign(drawFont);
            FLinkCounter = linkCounter;
            FListLevel = listLevel;
            FPictureCounter = pictureCounter;
            FHidden = hidden;
            FShadow = shadow;
            FSub = FSup = false;
            FNextLineOffset = nextOffset;
            // A link found under the point in the first pass must not be closed by an earlier
            // </A> of the second.
            FLinkPending = linkPending;
            FFirstPass = false;
            std::size_t markupPos = 0;
            Line drawn = line;
            drawn.markup.clear();
            LineRoutine(line.markup, markupPos, lineRect, Q.LocateOnly ? Mode::Measure : Mode::Draw, drawn);
            drawFont.Assign(C.Font());
            const int bottom = lineRect.Bottom - line.pictureOffset;
            if (FLinkTextHit && Q.PointY > bottom - ghHeight && Q.PointY < bottom)
                R.Hit = true;
            if (FPictureHit || FControlHit)
                R.Hit = true;
        }

        FWork.Top += line.height + line.supSpace + line.subSpace;
        R.ContentHeight += line.height + line.supSpace + line.subSpace;
        if (!Q.SizeOnly && FWork.Top + ghHeight > FWork.Bottom)
            break;
    }

    if (R.ContentHeight == 0)
        R.ContentHeight = GhHeight();
    R.LinkTotal = FLinkCounter;
    if (V.RestorePen) {
        C.Pen().SetColor(savedPenColor);
        C.Pen().SetWidth(savedPenWidth);
    }
    C.Brush().SetColor(savedBrushColor);
    C.Brush().SetStyle(savedBrushStyle);
    // The base font comes back whole, so an unclosed <R…> leaves nothing rotated.
    C.Font().Assign(FBaseFont);
}

void TMiniHtmlRun::LineRoutine(const std::string& Text, std::size_t& Pos, TRect LineRect, Mode M, Line& L)
{
    L.markup.clear();
    FVisible.clear();
    LineRect.Bottom -= L.subSpace;
    FPen = LineRect.Left + FLineOffset;
    FRightEdge = LineRect.Right;
    L.width = FLineOffset;
    FTrailingSpace = 0;
    FLineDone = FLineFull = FItemSeen = false;
    FLinkTextHit = FPictureHit = FControlHit = false;
    FLinkStartedHere = false;

    if (Drawing(M) && FParagraphBack) {
        C.Pen().SetColor(BrushColorOf(C) == plat::clNone ? C.Pen().GetColor() : BrushColorOf(C));
        C.FillRect(TRect{Q.Bounds.Left, LineRect.Top, Q.Bounds.Right, LineRect.Top + L.height});
    }

    while (Pos < Text.size() && !FLineDone && !FLineFull) {
        const std::size_t lt = Text.find('<', Pos);
        std::size_t runEnd = lt == std::string::npos ? Text.size() : lt;
        if (Q.WrapWords) {
            const std::size_t space = Text.find(' ', Pos);
            if (space != std::string::npos && space < runEnd)
                runEnd = space + 1;
        }
        if (runEnd > Pos)
            TextRun(Text, Pos, runEnd, LineRect, M, L);

        const std::size_t left = Text.size() - Pos;
        if (Pos < Text.size() && Text[Pos] == '<' && left <= 2) {
            Pos = Text.size();
            break;
        }
        if (FLineDone || Pos >= Text.size() || Text[Pos] != '<' || left < 3)
            continue;
        const std::size_t close = Text.find('>', Pos);
        ApplyTag(Text, Pos, close, LineRect, M, L);
        if (close == std::string::npos || FLineFull) {
            if (!FLineFull) {
                // The unclosed tag goes with the line, so that both passes apply it (a link it
                // opens counts whether the text is only measured or drawn too).
                L.markup.append(Text, Pos);
                Pos = Text.size();
            }
        } else {
            L.markup.append(Text, Pos, close + 1 - Pos);
            Pos = close + 1;
        }
    }

    L.width -= FTrailingSpace;
    R.ContentWidth = std::max(R.ContentWidth, L.width);

    if (Drawing(M) && FInLink && FLinkCounter == Q.FocusLinkIndex + 1) {
        FFocus.Right = FPen;
        FFocus.Bottom = LineRect.Bottom;
        DrawFocus(FFocus);
        FFocus.Left = LineRect.Left + 1;
        FFocus.Top = FFocus.Bottom;
    }
}

void TMiniHtmlRun::TextRun(const std::string& Text, std::size_t& Pos, std::size_t RunEnd, TRect LineRect, Mode M,
                           Line& L)
{
    const std::string_view raw(Text.data() + Pos, RunEnd - Pos);
    const std::string shown = ExpandRunEntities(raw);
    const int h = TextHeight(shown);
    if (FSub)
        L.subSpace = std::max(L.subSpace, h / 4);
    if (FSup)
        L.supSpace = std::max(L.supSpace, h / 4);
    L.height = std::max(L.height, h);
    // A run enters the plain text when the line takes it: one that wraps is taken, and
    // counted, on the next line only.
    if (FHidden) {
        if (FFirstPass)
            R.PlainText += shown;
        Pos = RunEnd;
        return;
    }
    const bool linkText = FInLink;
    int w = 0;
    if (!Drawing(M)) {
        w = RunWidth(shown, FFormat);
        L.width += w;
        const int x = MirroredRuns() ? LineRect.Right - Q.PointX : Q.PointX - LineRect.Left;
        if (L.width - w <= x && x <= L.width && linkText) {
            FLinkTextHit = true;
            if (Q.PointY > LineRect.Top) {
                R.LinkUnderPoint = FLinkTarget;
                if (V.LinkTitles)
                    R.TitleUnderPoint = FLinkTitle;
                FLinkPending = true;
            }
        }
    } else {
        DrawRun(shown, LineRect, L, w);
        if (linkText && FLinkCounter == Q.FocusLinkIndex + 1)
            R.FocusedLinkTarget = FLinkTarget;
    }

    bool fits = L.width < Available(LineRect) || w >= RoomForOne(LineRect);
    if (!fits && V.GluedRuns && !FVisible.empty() && FVisible.back() != ' ')
        fits = true;
    const bool onlyRun = FVisible.empty();
    FVisible += shown;
    if (fits || !Q.WrapWords) {
        if (FFirstPass)
            R.PlainText += shown;
        L.markup.append(raw);
        Pos = RunEnd;
        if (!Drawing(M) && !fits && onlyRun)
            Pos = Text.size();
        FTrailingSpace = (!raw.empty() && raw.back() == ' ' && raw == shown) ? Metrics().spaceWidth : 0;
    } else {
        FLineDone = true;
        L.width -= w;
    }
}

void TMiniHtmlRun::DrawRun(const std::string& Shown, const TRect& LineRect, Line& L, int& WidthPx)
{
    int bottom = LineRect.Bottom;
    if (FSup)
        bottom -= L.supSpace;
    if (FSub)
        bottom += L.subSpace;
    bottom -= L.pictureOffset;
    const bool rtl = MirroredRuns();
    TRect run{FPen, LineRect.Top, rtl ? FRightEdge : LineRect.Right, bottom};
    const unsigned format = V.HintTags ? (FFormat & ~plat::DT_EXTERNALLEADING) : FFormat;
    WidthPx = RunWidth(Shown, format);
    if (V.HintTags) {
        // The hint's copy draws each run into its own measured box, and drops a run starting
        // within a letter "w" of the right edge when lines are not wrapped.
        if (!Q.WrapWords && FPen > LineRect.Right - C.TextWidth("w"))
            return;
        run.Right = std::min(run.Right, run.Left + WidthPx);
        if (rtl)
            run.Left = std::max(run.Left, run.Right - WidthPx);
    }
    if (FShadow) {
        const TColor color = C.Font().GetColor();
        C.Font().SetColor(Q.ShadowTextColor);
        TRect shadow{run.Left + Q.ShadowShift, run.Top + Q.ShadowShift, run.Right + Q.ShadowShift,
                     run.Bottom + Q.ShadowShift};
        C.DrawText(Shown, shadow, format);
        C.Font().SetColor(color);
    }
    C.DrawText(Shown, run, format);
    if (FError)
        DrawZigzag(rtl ? FRightEdge - WidthPx : FPen, rtl ? FRightEdge : FPen + WidthPx, LineRect.Bottom);
    if (rtl)
        FRightEdge -= WidthPx;
    else
        FPen += WidthPx;
}

void TMiniHtmlRun::DrawZigzag(int FromX, int ToX, int Bottom)
{
    const TColor pen = C.Pen().GetColor();
    C.Pen().SetColor(plat::clRed);
    int x = FromX & ~1;
    auto yAt = [&](int px) { return (px & 2) ? Bottom + 1 : Bottom - 1; };
    C.MoveTo(x, yAt(x));
    while (x < ToX) {
        x += 2;
        C.LineTo(x, yAt(x));
    }
    C.Pen().SetColor(pen);
}

void TMiniHtmlRun::DrawFocus(TRect Rect)
{
    Rect.Left -= 1;
    Rect.Top -= 1;
    Rect.Right += 1;
    Rect.Bottom += 1;
    C.DrawFocusRect(Rect);
}

void TMiniHtmlRun::ApplyTag(std::string_view Text, std::size_t Pos, std::size_t TagEnd, TRect LineRect, Mode M,
                            Line& L)
{
    const std::size_t end = TagEnd == std::string_view::npos ? Text.size() : TagEnd + 1;
    const std::string_view tag = Text.substr(Pos, end - Pos);
    const std::string upper = UpperAscii(tag);
    const bool closing = Text.size() - Pos > 3 && Text[Pos + 1] == '/';
    const std::size_t kindAt = Pos + (closing ? 2 : 1);
    const char kind = kindAt < Text.size() ? UpperChar(Text[kindAt]) : '\0';
    const char next = kindAt + 1 < Text.size() ? UpperChar(Text[kindAt + 1]) : '\0';
    const bool draw = Drawing(M);
    LineRect.Bottom -= L.subSpace;

    if (closing) {
        switch (kind) {
        case 'A':
            CloseLink(LineRect, M, L);
            break;
        case 'B':
            if (next == '>')
                SetFontStyle(C, plat::fsBold, false);
            else if (draw)
                C.Font().SetColor(FBaseColor);
            break;
        case 'E':
            FError = false;
            break;
        case 'F':
            CloseFont(M);
            break;
        case 'H':
            if (draw) {
                C.Font().SetColor(FHiText);
                SetBrushColor(C, FHiBrush);
            }
            break;
        case 'I':
            SetFontStyle(C, plat::fsItalic, false);
            break;
        case 'L':
            FLineDone = true;
            break;
        case 'O':
            if (V.HintTags)
                FNextLineOffset = 0;
            break;
        case 'P':
            FLineDone = true;
            FParagraphBack = false;
            if (draw)
                SetBrushColor(C, FParagraphBrush);
            break;
        case 'R':
            if (FRotated) {
                C.Font().SetOrientation(FUnrotatedFont.GetOrientation());
                FRotated = false;
            }
            break;
        case 'S':
            if (next == 'H')
                FShadow = false;
            else if (next == 'U')
                FSub = FSup = false;
            else
                SetFontStyle(C, plat::fsStrikeOut, false);
            break;
        case 'U':
            if (next == '>' || FListLevel < 1)
                SetFontStyle(C, plat::fsUnderline, false);
            else
                --FListLevel;
            break;
        case 'Z':
            FHidden = false;
            break;
        default:
            break;
        }
        return;
    }

    switch (kind) {
    case 'A':
        OpenLink(tag, upper, LineRect, M, L);
        break;
    case 'B':
        if (next == '>') {
            SetFontStyle(C, plat::fsBold, true);
        } else if (next == 'R') {
            FLineDone = true;
            if (FFirstPass)
                R.PlainText += '\r';
        } else if (next == 'L') {
            if (draw && !Q.BlinkVisible)
                C.Font().SetColor(FBackground);
        } else if (next == 'O') {
            Body(tag, upper, LineRect, M);
        }
        break;
    case 'C':
        if (V.FormControls)
            Control(tag, LineRect, M, L);
        break;
    case 'E':
        FError = true;
        break;
    case 'F':
        if (TagEnd != std::string_view::npos)
            Font(tag, upper, M);
        break;
    case 'H':
        if (next == 'I') {
            if (draw) {
                FHiText = C.Font().GetColor();
                FHiBrush = BrushColorOf(C);
                SetBrushColor(C, V.SettableHighlight ? gHighlightBack : plat::clHighlight);
                C.Font().SetColor(V.SettableHighlight ? gHighlightText : plat::clHighlightText);
            }
        } else if (next == 'R') {
            FLineDone = true;
            Rule(upper, LineRect, M);
        }
        break;
    case 'I':
        if (next == '>') {
            SetFontStyle(C, plat::fsItalic, true);
        } else if (next == 'M') {
            Picture(tag, upper, LineRect, M, L);
        } else if (next == 'N') {
            const std::size_t x = upper.find('X', 3);
            if (x != std::string::npos) {
                std::string_view value = std::string_view(upper).substr(x + 1);
                while (!value.empty() && (value.front() == '=' || value.front() == '"' || value.front() == ' '))
                    value.remove_prefix(1);
                const std::size_t stop = value.find_first_of("\">");
                const TNumber n = ReadNumber(value.substr(0, stop));
                if (n.Valid) {
                    const int indent = ClampExtent(n.Value);
                    if (indent > L.width) {
                        FPen = LineRect.Left + indent;
                        L.width = indent;
                    }
                }
            }
        }
        break;
    case 'L':
        ListItem(upper, LineRect, M, L);
        break;
    case 'O':
        if (V.HintTags && next == 'F') {
            const std::size_t x = upper.find('X', 3);
            if (x != std::string::npos) {
                const std::string_view rest = std::string_view(upper).substr(x + 1);
                const std::size_t q = rest.find('"');
                const int offset = ClampExtent(q == std::string_view::npos ? 0 : LeadingInt(rest.substr(q + 1)));
                FNextLineOffset = offset;
                FPen = LineRect.Left + offset;
                L.width = offset;
            }
        }
        break;
    case 'P':
        if (TagEnd != std::string_view::npos)
            Paragraph(upper, LineRect, M);
        break;
    case 'R':
        Rotate(upper);
        break;
    case 'S':
        if (next == '>')
            SetFontStyle(C, plat::fsStrikeOut, true);
        else if (next == 'H')
            FShadow = true;
        else if (StartsWithUpper(Text, Pos, "<SUB>"))
            FSub = true;
        else if (StartsWithUpper(Text, Pos, "<SUP>"))
            FSup = true;
        break;
    case 'U':
        if (next == '>') {
            SetFontStyle(C, plat::fsUnderline, true);
        } else {
            ++FListLevel;
            FLineDone = true;
        }
        break;
    case 'Z':
        FHidden = true;
        break;
    default:
        break;
    }
}

void TMiniHtmlRun::OpenLink(std::string_view Tag, std::string_view Upper, const TRect& LineRect, Mode M, Line& L)
{
    if (Drawing(M) && FLinkCounter == Q.FocusLinkIndex) {
        FFocus.Left = FPen;
        FFocus.Top = LineRect.Top;
    }
    FLinkStartX = L.width;
    FLinkStartTop = LineRect.Top;
    FLinkStartedHere = true;
    ++FLinkCounter;
    const bool hovered = FLinkCounter == Q.HoverLinkIndex;
    FHoverApplied = !Q.HoverOnlyLinks || hovered;
    if (FHoverApplied) {
        SetFontStyle(C, plat::fsUnderline, true);
        if (Drawing(M)) {
            FHoverBrush = BrushColorOf(C);
            FHoverText = C.Font().GetColor();
            if (Q.HoverBackColor != plat::clNone)
                SetBrushColor(C, Q.HoverBackColor);
            if (Q.HoverTextColor != plat::clNone)
                C.Font().SetColor(Q.HoverTextColor);
        }
    }
    if (Drawing(M) && !Q.SelectedText && !(Q.HoverOnlyLinks && hovered && Q.HoverTextColor != plat::clNone))
        C.Font().SetColor(Q.LinkTextColor);
    if (V.HintTags) {
        const std::size_t open = Tag.find('"');
        std::string target;
        if (open != std::string_view::npos) {
            const std::size_t close = Tag.find('"', open + 1);
            target = std::string(Tag.substr(open + 1, close == std::string_view::npos ? std::string_view::npos : close - open - 1));
        }
        FInLink = true;
        FLinkTarget = target;
        return;
    }
    const TAttribute href = ReadAttributeKeepCase(Tag, Upper, "HREF");
    if (href.Found) {
        FInLink = true;
        FLinkTarget = href.Value;
    }
    const TAttribute title = ReadAttributeKeepCase(Tag, Upper, "TITLE");
    if (title.Found)
        FLinkTitle = title.Value;
}

void TMiniHtmlRun::CloseLink(const TRect& LineRect, Mode M, Line& L)
{
    SetFontStyle(C, plat::fsUnderline, false);
    if (FHoverApplied && Drawing(M)) {
        SetBrushColor(C, FHoverBrush);
        C.Font().SetColor(FHoverText);
    }
    FHoverApplied = false;
    if (Drawing(M) && !Q.SelectedText)
        C.Font().SetColor(FBaseColor);
    if (FLinkPending) {
        const TRect start = FLinkStartedHere ? TRect{FLinkStartX + LineRect.Left, FLinkStartTop, 0, 0}
                                             : TRect{LineRect.Left, LineRect.Top, 0, 0};
        R.LinkRectUnderPoint = {start.Left, start.Top, LineRect.Left + L.width, LineRect.Bottom};
        R.LinkIndexUnderPoint = FLinkCounter;
        FLinkPending = false;
    }
    if (FLinkCounter == Q.FocusLinkIndex + 1 && Drawing(M)) {
        FFocus.Right = FPen;
        FFocus.Bottom = LineRect.Bottom - L.pictureOffset;
        FFocus.Top = FFocus.Bottom - GhHeight();
        DrawFocus(FFocus);
    }
    FInLink = false;
    FLinkTarget.clear();
    FLinkTitle.clear();
}

void TMiniHtmlRun::Font(std::string_view Tag, std::string_view Upper, Mode M)
{
    (void)Tag;
    const TAttribute face = ReadAttribute(Upper, "FACE");
    if (face.Found)
        C.Font().SetName(face.Value);
    const TAttribute color = ReadAttribute(Upper, " COLOR");
    if (color.Found && Drawing(M) && !Q.SelectedText)
        C.Font().SetColor(ReadColor(color.Value));
    const TAttribute back = ReadAttribute(Upper, "BGCOLOR");
    if (back.Found && Drawing(M) && !Q.SelectedText) {
        FFontBrush = BrushColorOf(C);
        SetBrushColor(C, ReadColor(back.Value));
    }
    const std::size_t size = Upper.find("SIZE");
    if (size != std::string_view::npos) {
        const std::size_t eq = Upper.find('=', size);
        if (eq != std::string_view::npos) {
            std::string_view value = Upper.substr(eq + 1);
            const std::size_t quote = value.find('"');
            if (quote != std::string_view::npos)
                value.remove_prefix(quote + 1);
            const int n = LeadingInt(value);
            static constexpr int kSizes[] = {8, 10, 12, 14, 16};
            const int points = (n >= 1 && n <= 5) ? kSizes[n - 1] : n;
            C.Font().SetSize(std::clamp(points, -1000, 1000));
        }
    }
}

void TMiniHtmlRun::CloseFont(Mode M)
{
    C.Font().SetName(FBaseFont.GetName());
    C.Font().SetSize(FBaseFont.GetSize());
    if (Drawing(M) && !Q.SelectedText) {
        C.Font().SetColor(FBaseColor);
        SetBrushColor(C, FFontBrush);
    }
}

void TMiniHtmlRun::Paragraph(std::string_view Upper, const TRect& LineRect, Mode M)
{
    const TAttribute align = ReadAttribute(Upper, "ALIGN");
    if (align.Found) {
        if (align.Value.find("RIGHT") != std::string::npos)
            FAlign = 1;
        if (align.Value.find("LEFT") != std::string::npos)
            FAlign = 0;
        if (align.Value.find("CENTER") != std::string::npos)
            FAlign = 2;
    }
    const TAttribute indent = ReadAttribute(Upper, "INDENT");
    if (indent.Found)
        FIndent = ClampExtent(LeadingInt(indent.Value));
    const TAttribute back = ReadAttribute(Upper, "BGCOLOR");
    if (!back.Found || !Drawing(M))
        return;
    const TColor from = back.Value.empty() ? plat::clNone : ReadColor(back.Value);
    const TAttribute to = V.HintTags ? ReadAttribute(Upper, "BGCOLORTO") : TAttribute{};
    FParagraphBack = true;
    FParagraphBrush = BrushColorOf(C);
    if (to.Found) {
        DrawGradientBands(C, from, ReadColor(to.Value), kGradientSteps, true,
                          TRect{Q.Bounds.Left, LineRect.Top, Q.Bounds.Right, LineRect.Bottom + 2});
        SetBrushColor(C, plat::clNone);
        return;
    }
    SetBrushColor(C, from);
    if (from != plat::clNone) {
        C.Pen().SetColor(from);
        C.FillRect(TRect{Q.Bounds.Left, LineRect.Top, Q.Bounds.Right, LineRect.Bottom});
    }
}

void TMiniHtmlRun::Body(std::string_view Tag, std::string_view Upper, const TRect& LineRect, Mode M)
{
    if (!Drawing(M) || (V.HintTags && Q.SelectedText))
        return;
    TMiniHtmlPictureSources sources{Q.ImageList, Q.Pictures, Q.PictureCache};
    // Picture names and addresses keep their case, as SRC does: paths need not be upper case.
    auto picture = [&](std::string_view keyword) {
        const TAttribute a = ReadAttributeKeepCase(Tag, Upper, keyword);
        return a.Found ? sources.Resolve(a.Value) : TMiniHtmlPicture{};
    };
    const TMiniHtmlPicture background = picture("BACKGROUND");
    if (background.IsHtmlPicture())
        background.Tile(C, Q.Bounds);
    else if (V.HintTags && background.Valid())
        background.DrawAt(C, LineRect.Left, LineRect.Top, Q.PrintMode, Q.PrintScale);
    if (V.HintTags) {
        const TMiniHtmlPicture topLeft = picture("BGTOPLEFT");
        if (topLeft.IsHtmlPicture())
            topLeft.DrawClipped(C, Q.Bounds.Left, Q.Bounds.Top, Q.Bounds);
        else if (topLeft.Valid())
            topLeft.DrawAt(C, LineRect.Left, LineRect.Top, Q.PrintMode, Q.PrintScale);
        const TMiniHtmlPicture topRight = picture("BGTOPRIGHT");
        if (topRight.IsHtmlPicture())
            topRight.DrawClipped(C, Q.Bounds.Right - topRight.Width(), Q.Bounds.Top, Q.Bounds);
        else if (topRight.Valid())
            topRight.DrawAt(C, LineRect.Right - topRight.Width(), LineRect.Top, Q.PrintMode, Q.PrintScale);
    }
    const TAttribute color = ReadAttribute(Upper, "BGCOLOR");
    if (!color.Found)
        return;
    TColor fill = plat::clBlack;
    if (V.HintTags)
        fill = ReadColor(color.Value);
    else if (color.Value.find("CL") != std::string::npos)
        fill = ColorByName(color.Value);
    else if (color.Value.find('#') != std::string::npos)
        fill = ReadHexColor(color.Value.substr(color.Value.find('#')));
    const TAttribute to = V.HintTags ? ReadAttribute(Upper, "BGCOLORTO") : TAttribute{};
    if (to.Found) {
        const TAttribute dir = ReadAttribute(Upper, "DIR");
        const bool horizontal = !dir.Found || dir.Value == "H";
        DrawGradientBands(C, fill, ReadColor(to.Value), kGradientSteps, horizontal, Q.Bounds);
        SetBrushColor(C, plat::clNone);
        return;
    }
    // </FONT> brings back the body's colour in the grid's copy, the brush before it in the hint's.
    FFontBrush = V.HintTags ? BrushColorOf(C) : fill;
    const TColor pen = C.Pen().GetColor();
    SetBrushColor(C, fill);
    C.Pen().SetColor(fill);
    TRect all = Q.Bounds;
    if (V.HintTags)
        all.Left -= 2;
    C.FillRect(all);
    C.Pen().SetColor(pen);
}

void TMiniHtmlRun::ListItem(std::string_view Upper, const TRect& LineRect, Mode M, Line& L)
{
    if (FItemSeen) {
        FLineFull = true;
        return;
    }
    FItemSeen = true;
    const int level = std::max(FListLevel, 0);
    L.width += level * kListStepPx;
    FPen += std::max(level - 1, 0) * kListStepPx;
    if (Drawing(M) && !FHidden) {
        TColor bulletColor = plat::clNone;
        std::string type;
        if (V.HintTags) {
            const TAttribute c = ReadAttribute(Upper, "COLOR");
            if (c.Found)
                bulletColor = ReadColor(c.Value);
            const TAttribute t = ReadAttribute(Upper, "TYPE");
            if (t.Found)
                type = t.Value;
        }
        if (type == "SQUARE" || type == "CIRCLE") {
            const TColor brush = BrushColorOf(C);
            const TColor fill = bulletColor == plat::clNone ? plat::clBlack : bulletColor;
            C.Pen().SetColor(fill);
            SetBrushColor(C, fill);
            const TRect box{FPen, LineRect.Top + 2, FPen + 8, LineRect.Top + 10};
            if (type == "SQUARE")
                C.Rectangle(box);
            else
                C.Ellipse(box);
            SetBrushColor(C, brush);
        } else if (type.empty()) {
            const std::string name = C.Font().GetName();
            const TColor color = C.Font().GetColor();
            C.Font().SetName("Symbol");
            if (bulletColor != plat::clNone)
                C.Font().SetColor(bulletColor);
            // The symbol font's bullet is drawn as the Unicode bullet, which every face has.
            TRect box{FPen, LineRect.Top, LineRect.Right, LineRect.Bottom};
            C.DrawText(level % 2 == 1 ? "\xE2\x80\xA2" : "o", box, plat::DT_SINGLELINE | plat::DT_NOPREFIX);
            C.Font().SetName(name);
            C.Font().SetColor(color);
        }
    }
    FPen += kListStepPx;
}

void TMiniHtmlRun::Rule(std::string_view Upper, const TRect& LineRect, Mode M)
{
    if (!Drawing(M))
        return;
    TColor color = plat::clBlack;
    if (V.HintTags) {
        const TAttribute c = ReadAttribute(Upper, "COLOR");
        if (c.Found)
            color = ReadColor(c.Value);
    }
    const TColor pen = C.Pen().GetColor();
    C.Pen().SetColor(color);
    C.MoveTo(LineRect.Left, LineRect.Bottom + 1);
    C.LineTo(LineRect.Right, LineRect.Bottom + 1);
    if (!V.HintTags)
        C.Pen().SetColor(pen);
}

void TMiniHtmlRun::Rotate(std::string_view Upper)
{
    const std::size_t a = Upper.find('A', 2);
    if (a == std::string_view::npos)
        return;
    const TAttribute angle = ReadAttribute(Upper.substr(a), "A");
    const int degrees = LeadingInt(angle.Value) % 360;
    if (!FRotated)
        FUnrotatedFont.Assign(C.Font());
    FRotated = true;
    C.Font().SetOrientation(degrees * 10);
}

void TMiniHtmlRun::Picture(std::string_view Tag, std::string_view Upper, const TRect& LineRect, Mode M, Line& L)
{
    ++FPictureCounter;
    // Both copies keep SRC and ALT as written: names and paths need not be upper case.
    const TAttribute src = ReadAttributeKeepCase(Tag, Upper, "SRC");
    const TAttribute alt = ReadAttributeKeepCase(Tag, Upper, "ALT");
    const int widthAttr = ClampExtent(LeadingInt(ReadAttribute(Upper, "WIDTH").Value));
    const int heightAttr = ClampExtent(LeadingInt(ReadAttribute(Upper, "HEIGHT").Value));
    std::string source = src.Value;
    if (alt.Found && FPictureCounter == FHoverPicture)
        source = alt.Value;

    TMiniHtmlPictureSources sources{Q.ImageList, Q.Pictures, Q.PictureCache};
    const TMiniHtmlPicture picture = sources.Resolve(source);
    const plat::TSize size = picture.LayoutSize(widthAttr, heightAttr);
    const int w = size.cx;
    const int h = size.cy;

    if (Drawing(M) && picture.Valid())
        picture.Draw(C, FPen, LineRect.Top, widthAttr, heightAttr, Q.PrintMode, Q.PrintScale, FBackground,
                     !V.HintTags);

    const int x = Q.PointX - LineRect.Left;
    if (L.width < x && x < L.width + w && LineRect.Top < Q.PointY && Q.PointY < LineRect.Top + h && FInLink) {
        FPictureHit = true;
        R.LinkUnderPoint = FLinkTarget;
        if (V.LinkTitles)
            R.TitleUnderPoint = FLinkTitle;
        FHoverPicture = FPictureCounter;
    }

    if (L.width + w > Available(LineRect) && w < RoomForOne(LineRect)) {
        FLineFull = true;
    } else {
        L.width += w;
        FPen += w;
        L.height = std::max(L.height, h);
    }
    const int gh = GhHeight();
    if (Upper.find("\"TOP") != std::string_view::npos)
        L.pictureOffset = L.height - gh;
    else if (Upper.find("\"MIDDLE") != std::string_view::npos)
        L.pictureOffset = (L.height - gh) / 2;
    if (V.HintTags && Upper.find("WRAP") != std::string_view::npos) {
        L.height = gh;
        L.pictureOffset = 0;
    }
}

void TMiniHtmlRun::Control(std::string_view Tag, const TRect& LineRect, Mode M, Line& L)
{
    const TMiniHtmlControl control = ParseMiniHtmlControl(Tag);
    if (!control.Valid())
        return;
    TMiniHtmlControlPlace place;
    place.X = FPen;
    place.Bottom = LineRect.Bottom;
    const plat::TSize size = control.Size(C);
    L.height = std::max(control.MinimumLineHeight(), L.height);
    L.height = std::max(L.height, control.LineHeight(size));
    place.LineHeight = L.height;
    const bool over = place.X - 2 < Q.PointX && Q.PointX < place.X + size.cx - 2 &&
                      place.Bottom - control.HitHeight(size) - 2 < Q.PointY && Q.PointY < place.Bottom - 2;
    if (Drawing(M))
        control.Draw(C, place, over, Q.MouseIsDown, FThemed, Q.ThemeWindow);

    const int x = Q.PointX - LineRect.Left;
    const bool byPoint = L.width < x && x < L.width + size.cx && LineRect.Top < Q.PointY && Q.PointY < LineRect.Top + size.cy;
    const bool byId = Q.LocateOnly && !R.ControlId.empty() && R.ControlId == control.Id;
    if (byPoint || byId) {
        FControlHit = true;
        R.LinkUnderPoint = "ctrl";
        R.ControlRect = TRect{LineRect.Left + L.width, LineRect.Top, LineRect.Left + L.width + size.cx, LineRect.Top + size.cy};
        R.ControlValue = control.Value;
        R.ControlId = control.Id;
        R.ControlType = control.Type;
    }
    if (L.width + size.cx > Available(LineRect) && size.cx < RoomForOne(LineRect)) {
        FLineFull = true;
        return;
    }
    L.width += size.cx;
    FPen += size.cx;
    L.height = std::max(L.height, size.cy);
}

}  // namespace

void RunMiniHtml(const TMiniHtmlVariant& Variant, plat::TCanvas& Canvas, const TMiniHtmlRequest& Request,
                 TMiniHtmlResult& Result)
{
    TMiniHtmlRun(Variant, Canvas, Request, Result).Run();
}

void SetMiniHtmlHighlightColors(TColor BackColor, TColor TextColor)
{
    gHighlightBack = BackColor;
    gHighlightText = TextColor;
}

TColor MiniHtmlHighlightTextColor()
{
    return gHighlightText;
}

TColor MiniHtmlHighlightBackColor()
{
    return gHighlightBack;
}

}  // namespace skelda::foundation
